#pragma once

// The squads page: the season's teams on the left, the shown team's players
// in a grid the user types into, with the card, insertion, release, transfer
// by dragging a row onto a team and the quick entry. Also answers the
// "EffectifEquipe" keyword.

#include "pagebase/DefType.h"
#include "presentation/Effectifs.h"

#include <functional>
#include <memory>

class QAction;
class QLineEdit;
class QMenu;
class QScrollArea;
class TListe;

class Tf_Effectifs : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_Effectifs(QWidget* parent = nullptr);
    ~Tf_Effectifs() override;

    // The current championship's team at that position (255: the first
    // listed), with the statistics unless StatsCachees.
    void Remplit(int Position, bool StatsCachees);
    // The team of list item Index shown.
    void l_EquipeClick(int Index);
    // The shown row's player dropped on list item Index.
    void l_EquipeDragDrop(int Index);
    bool l_EquipeDragOver(int Index) const;

    // The cell editor on the current cell, starting with Texte.
    void CommenceSaisie(const QString& Texte);
    // The cell editor's text to its cell.
    void TermineSaisie();
    // Every typed row to the players.
    void sg_TableauEquipeExit();
    void ValideSaisieEnCours() override;

    void mi_EditerClick();
    void mi_EffacerClick();
    void mi_InsererClick();
    void mi_SaisieRapideClick();
    void PrepareMenu(int Ligne);

    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison);

    Effectifs::TEffectifs* Controleur() const { return FEffectifs.get(); }

    TListe* l_Equipe;
    QScrollArea* sb_Grille;
    TColorStringGrid* sg_TableauEquipe;
    QLineEdit* e_Saisie;
    QMenu* pm_JoueurOp;
    QAction* mi_Editer;
    QAction* mi_Effacer;
    QAction* mi_Inserer;
    QAction* mi_SaisieRapide;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void RemplitListe();
    void AjusteGrille();
    Effectifs::TFiche Fiche();
    // An operation on the current row, the cell editor closed first; the
    // grid is sized again when it answers true.
    void OpereLigne(const std::function<bool(int)>& Operation);

    std::unique_ptr<Effectifs::TEffectifs> FEffectifs;
    int FColSaisie = -1;
    int FLigneSaisie = -1;
    QPoint FDepartGlisse;
    int FLigneGlisse = -1;
};

// Command 147 and the "EffectifEquipe" keyword.
void EnregistrePagesEffectifs();
