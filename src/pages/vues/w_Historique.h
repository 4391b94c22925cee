#pragma once

// The history page of one division's archive of past seasons: head-to-head
// search of two teams, a season's results table, its standings, and the
// entry of a season's scores with new and removed seasons. The views are
// chosen by the command; the archive belongs to the main window.

#include "pagebase/DefType.h"
#include "presentation/Historique.h"

#include <memory>

class QComboBox;
class QLabel;
class QSpinBox;
class QStackedWidget;
class TBoutonCopie;
class TCarreCoche;
class TColorStringGrid;
class TRondCoche;
class TStat;

class Tf_Historique : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_Historique(QWidget* parent = nullptr);
    ~Tf_Historique() override;

    void AfficheMatch(TStat* Archive);
    void AfficheTableau(TStat* Archive);
    void AfficheClassement(TStat* Archive);
    void AfficheSaisie(TStat* Archive);

    void bc_ModifierClick();
    void RemplitTableau(int Saison);
    void RemplitClassement(int Saison);
    void RemplitSaisie(int Saison);
    // Writes the grid into the season and the archive file; false when the file could not be written.
    bool bc_EnregistrerClick();
    void bc_AjouterClick();
    void bc_RetirerClick();
    // Typed text reaches the entry grid through here.
    void csg_SaisieKeyPress(char32_t Caractere);
    // Leaving the page (or the program) writes what was typed since the last "Enregistrer".
    void ValideSaisieEnCours() override;

    TStat* GetArchive() const { return FArchive; }
    int VueCourante() const;

    QStackedWidget* pc_Historique;
    // Head-to-head.
    QComboBox* cb_Domicile;
    QComboBox* cb_Exterieur;
    TRondCoche* rb_Annee;
    QSpinBox* ud_Annee;
    TRondCoche* rb_Match;
    QSpinBox* ud_Match;
    TCarreCoche* cc_Retour;
    TBoutonCopie* bc_Modifier;
    TColorStringGrid* sg_Resultat;
    QLabel* l_Vict;
    QLabel* l_Nul;
    QLabel* l_Def;
    // Results table.
    QComboBox* cb_Saison;
    TColorStringGrid* sg_recap;
    // Standings.
    QComboBox* cb_Saison2;
    TRondCoche* rc_General;
    TRondCoche* rc_Domicile;
    TRondCoche* rc_exterieur;
    TRondCoche* rc_Attaque;
    TRondCoche* rc_Defense;
    TColorStringGrid* sg_Classement;
    // Entry.
    QComboBox* cb_Saison3;
    TColorStringGrid* csg_Saisie;
    QComboBox* cb_Type;
    TBoutonCopie* bc_Enregistrer;
    TBoutonCopie* bc_Ajouter;
    TBoutonCopie* bc_Retirer;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void RemplitListeSaisons(QComboBox* Combo, int Saison);
    void AjusteSaisie();
    TSaisonStat* SaisonChoisie(const QComboBox* Combo) const;

    TStat* FArchive = nullptr;
    int FGenre = Historique::General;
    TSaisonStat* FSaisie = nullptr;
    std::unique_ptr<Historique::TSaisie> FCurseur;
    bool FRemplit = false;
    bool FSaisieModifiee = false; // typed since the grid was filled or written
};

// Registers commands 199 to 202.
void EnregistrePagesHistorique();
