#pragma once

// The standings page: one kind of standings of the current championship over
// a range of match days, with a tab per team group, the legends of the
// English and fair-play tables, the venue popup of the attack, defence and
// match-situation standings and the day-range popup of the general, home and
// away standings. The engine fills the grid; the page picks the kind, the
// range, the teams shown and what a click opens. Also the day-range dialog.

#include "pagebase/DefType.h"
#include "platform/Dialogues.h"
#include "presentation/VuesClassement.h"

#include <string>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollArea;
class QTabBar;
class TBarreEtat;
class TBoutonCopie;
class TColorStringGrid;
class TFondCopie;
class TSaison;

class Tf_Classement : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_Classement(QWidget* parent = nullptr);
    ~Tf_Classement() override;

    // Shows the standings of a menu index (the main window's command - 1 for
    // 40-45, see VuesClassement::IndexCommandeClassement) over day 1 to the
    // last played day, every club.
    void AfficheClassement(int Index);
    void mi_ExterieurClick(QAction* Item);
    void mi_ChoixJourneesClick();
    void tc_ClassementChange();
    void FondScroll4resize();

    // "ClassementEquipe" and "AgeEquipe".
    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison);

    int GetMenuIndex() const { return MenuIndex; }
    int GetGenre() const { return Genre; }
    int GetPremierJour() const { return PremierJour; }
    int GetDernierJour() const { return DernierJour; }
    // The popup menu the page offers now (nullptr none).
    QMenu* GetPopupCourant() const { return PopupCourant; }
    VuesClassement::TLieu Lieu() const;

    // Panel 2 receives the engine's title of the standings shown.
    TBarreEtat* BarreEtat = nullptr;

    QMenu* Popupclassement;
    QAction* mi_General;
    QAction* mi_Domicile;
    QAction* mi_Exterieur;
    QMenu* Popupchoixj;
    QAction* mi_ChoixJournees;
    TFondCopie* FondAnglais;
    TFondCopie* Fondfairplay;
    QTabBar* tc_Classement;
    QScrollArea* sb_Tableau;
    TColorStringGrid* sg_titre;
    TColorStringGrid* sg_Classement;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    // Fills the grid with the stored kind and range; filtre: team positions or nullptr.
    void Calcule(const std::vector<int>* Filtre);
    void ClicCellule(int ACol, int ARow);
    void RemplitOnglets();

    int MenuIndex = 1;
    int Genre = -1;
    int PremierJour = 1;
    int DernierJour = 0;
    QMenu* PopupCourant = nullptr;
    QWidget* Contenu;
};

// The page the main window creates for the standings commands.
class Tf_ClassementEx : public Tf_Classement {
    Q_OBJECT
public:
    using Tf_Classement::Tf_Classement;
};

// Registers the standings commands and keywords (once).
void EnregistrePagesVues();
// What the standings commands show on the page (the shown one is reused).
void AfficheClassementCommande(Tf_ClassementEx& Page, TPrincipale& Principale, int Code);

// The day-range dialog: from and to days of the current championship; on
// Valider the range is in Tag (last day + first day shl 8) and the result is
// OK, anything that is not a range of played days gives Cancel.
class Tf_Choixclass : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_Choixclass(TSaison* Saison, QWidget* parent = nullptr);

    void BoutonCopie1Click();
    void BoutonCopie3Click();
    void BoutonCopie4Click();
    void BoutonCopie5Click();
    void BoutonCopie6Click();

    int Tag = 0;

    QLineEdit* Edit1;
    QLineEdit* Edit2;
    TBoutonCopie* BoutonCopie1;
    TBoutonCopie* BoutonCopie2;
    TBoutonCopie* BoutonCopie3;
    TBoutonCopie* BoutonCopie4;
    TBoutonCopie* BoutonCopie5;
    TBoutonCopie* BoutonCopie6;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Remplit(int de, int a);

    int DerniereJournee = 0;
    int NbEquipe = 0;
};
