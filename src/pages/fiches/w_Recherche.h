#pragma once

// The player search: finds players of the whole season by surname, position
// and age or birth date, and from its list opens their cards, deletes a
// player for good, transfers one to another club, lists the players entered
// twice and merges two players dragged one onto the other.

#include "pagebase/DefType.h"
#include "platform/Dialogues.h"
#include "presentation/VuesRecherche.h"

#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QScrollArea;
class TBoutonCopie;
class TRondCoche;

// The club a player is transferred to, among every team of the season.
class Tf_TransJoueur : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_TransJoueur(QWidget* parent = nullptr);

    TSaison* Saison = nullptr; // not owned
    // The teams of the season's table, sorted.
    void FormShow();

    QLabel* Label20;
    QComboBox* cb_Club;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;

protected:
    void showEvent(QShowEvent* event) override;
};

class Tf_Recherche : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_Recherche(QWidget* parent = nullptr);
    ~Tf_Recherche() override;

    // Prepares the page on its first showing only.
    void FormShow();
    RechercheJoueurs::TCriteres Criteres() const;

    void b_RechercherClick();
    void b_VerifierClick();
    void mi_EditerClick();
    void mi_EffacerClick();
    void mi_TransfererClick();
    // The selected row's player dropped on the player of that row.
    void sg_RechercheDragDrop(int Ligne);
    void RondCoche4Click();
    void RondCoche5Click();
    void rc_naissanceClick();

    TControleurRecherche* Controleur() const { return FControleur.get(); }

    QLabel* Label94;
    QLineEdit* Edit1;
    QLabel* Label89;
    QListWidget* clb_Poste;
    QLabel* Label90;
    TRondCoche* RondCoche4;
    TRondCoche* RondCoche5;
    QLineEdit* Edit2;
    QLabel* Label104;
    QLineEdit* Edit3;
    QLabel* Label105;
    TRondCoche* rc_naissance;
    QLineEdit* e_AgeJour;
    QLineEdit* e_AgeMois;
    QLineEdit* e_AgeAnnee;
    TBoutonCopie* b_Rechercher;
    TBoutonCopie* b_Verifier;
    QLabel* Label91;
    QScrollArea* sb_Recherche;
    TColorStringGrid* sg_Recherche;
    QMenu* pm_Recherche;
    QAction* mi_Editer;
    QAction* mi_Effacer;
    QAction* mi_Transferer;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    // The grid as high as its rows, centred in its panel when narrower,
    // scrolling sideways when wider.
    void PlaceGrille();
    void ActiveChampsAge();

    QWidget* FPanneau; // holds the grid
    bool FPremierAffichage = true;
    std::unique_ptr<TControleurRecherche> FControleur;
    int FLigneGlissee = -1; // the row a drag started from
    QPoint FDepartGlisse;
};

// Command 150.
void EnregistrePagesRecherche();
