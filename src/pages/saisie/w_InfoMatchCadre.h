#pragma once

// The frame of the three match-sheet pages: the match panel with the names
// and scores, the two squads, the match chooser (up-down and menu of the
// day's matches), the commands that add a player, and the rows of player
// tags drawn from the page's model.

#include "controls/ImageFond.h"
#include "pagebase/DefType.h"
#include "pages/saisie/uCadreExt.h"
#include "presentation/FeuilleMatch.h"

#include <memory>
#include <vector>

class QAction;
class QMenu;
class QToolButton;

class Tf_InfoMatchCadre : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_InfoMatchCadre(QWidget* parent = nullptr);
    ~Tf_InfoMatchCadre() override;

    void SetFichePrincipale(TPrincipale* principale);
    // Writes the shown match back (LibereListes: the squads are freed too).
    virtual void Enregistre(bool libereListes);
    // Shows the current match.
    virtual void Affiche();
    bool AjusteMatchCourant();
    // Fills side 1 or 2's squad box from the model's squad.
    void AfficheListe(int cote, bool seulsLibres);
    // "Ajouter un joueur" for side 1 or 2: the player card in create mode.
    void AjouteJoueur(int cote);
    void UpDown1Click(int sens);
    // Rebuilds the match menu: the day's complete matches, a separator and
    // the day chooser.
    void pm_ListeMatchPopup();
    void MenuMatchClick(QAction* action);
    virtual void fc_InfoMatchResize();
    void ValideSaisieEnCours() override;
    bool PeutEtreQuittee() override;
    std::string SaisieRefusee() const override;

    TFeuilleMatch* Feuille() const { return FFeuille.get(); }
    // The tag widget of row `ligne` of list `liste`, nullptr when none.
    TCarton* Carton(int liste, int ligne) const;
    TEditRond* Minute(int liste, int ligne) const;
    TListeFeuille* Equipe(int cote) const { return cote == 2 ? l_EquipeExterieur : l_EquipeDomicile; }

    TListeFeuille* l_EquipeDomicile;
    TListeFeuille* l_EquipeExterieur;
    TFondCopie* Panel1;
    TCadre* c_EqDomicile;
    TCadre* c_ScDomicile;
    TCadre* c_ScExterieur;
    TCadre* c_EqExterieur;
    QWidget* UpDown1;
    QToolButton* UpDown1Haut;
    QToolButton* UpDown1Bas;
    QMenu* pm_ListeMatch;
    QAction* mi_ChangeJournee = nullptr; // the day chooser's item of the match menu
    QMenu* Popupajout;
    QAction* mi_AjouterJoueur1;
    QMenu* Popupajout2;
    QAction* mi_AjouterJoueur2;
    QMenu* pm_TypeBut;
    QAction* mi_Penalty;
    QAction* mi_Coupfranc;
    QAction* mi_Aucun;

protected:
    // The page's model; the frame forwards the main window's road to it.
    void SetFeuille(std::unique_ptr<TFeuilleMatch> feuille);
    // The model changed: names, scores, squads and tags are shown again.
    virtual void MontreFeuille();
    // The header's frames as wide as the championship's names ask.
    void DisposeEntete();
    // A squad double-clicked (or Enter) on side 1 or 2.
    virtual void ListeDblClick(int cote);
    virtual bool ListeAccepte(int cote, QObject* source);
    virtual bool ListeDepot(int cote, QObject* source);
    // Which squads the boxes list: every entry, or only the free ones.
    virtual bool SeulsLibres() const { return false; }
    // The source of a drag on this page, false when it is none of its own.
    bool SourceGlisse(QObject* source, TSourceGlisse& s) const;
    // Rebuilds the rows of every list from the model and places them.
    void ConstruitCartons();
    void PlaceCartons();
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // The tag lists of the page, by model list number - 1.
    std::vector<TFondScroll*> FondsListes;
    TCarton* FCartonMenu = nullptr; // the tag the goal-kind menu is for
    bool FEnAffichage = false;

private:
    void MenuGenre(TCarton* carton, QPoint global);

    std::unique_ptr<TFeuilleMatch> FFeuille;
    std::vector<std::vector<TCarton*>> FCartons;
    std::vector<std::vector<TEditRond*>> FMinutes;
    std::vector<std::vector<QWidget*>> FRangees;
    // Rows replaced while one of their widgets may still be in its own event
    // handler: freed at the next rebuild.
    std::vector<std::unique_ptr<QWidget>> FAnciennes;
    bool FMontree = false;
};

// Skin models by name, nullptr without the skin form.
TFondModele* ModeleFeuille(const char* nom);
// A score of a sheet's header: the round skin laid once, whole (a round skin
// tiles, so a wider box shows a piece of a second circle), and a third digit
// drawn a little smaller to fit in it.
void PrepareScore(TCadre& score);
