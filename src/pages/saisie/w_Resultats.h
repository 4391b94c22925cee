#pragma once

// The results page: one match day of the current championship, its teams,
// scores and dates. The day's logic is TResultatsJournee's; the page shows
// its rows and hands it what the user does.

#include "controls/ImageFond.h"
#include "pagebase/DefType.h"
#include "presentation/ResultatsJournee.h"

#include <array>
#include <memory>
#include <vector>

class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QSlider;
class THorloge;

// A team frame of a row: drops and clicks go to the page.
class TCadreResultat : public TCadreDrop {
    Q_OBJECT
public:
    explicit TCadreResultat(QWidget* parent = nullptr) : TCadreDrop(parent) {}

    std::function<void(QObject* source)> OnDepot;
    std::function<void()> OnDblClick;
    std::function<void(QPoint global)> OnMenu;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// The list of the teams not placed.
class TListeEquipes : public TListe {
    Q_OBJECT
public:
    explicit TListeEquipes(QWidget* parent = nullptr) : TListe(parent) {}

    std::function<void(QObject* source)> OnDepot;
    std::function<void()> OnDblClick;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

class Tf_Resultats : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_Resultats(QWidget* parent = nullptr);
    ~Tf_Resultats() override;

    void Initialiser(TSaison* saison);
    void CreerLignes();
    void FondMatchresize();
    void AfficherJournee(bool depuisCompletion = false);
    void EnregistrerJournee();
    void TrierMatchsSelonClassement();
    static std::string GetTitreJournee(const TSaison& saison);
    void ValideSaisieEnCours() override;

    // The day printed, and written as a small HTML page.
    void Imprime() override;
    bool ExporteHtml(const std::string& NomFichier) override;
    bool Imprimable() const override { return true; }
    std::string JourneeDocument() const override;
    // "Score" and "RapportMatch"; other keywords go to the page base.
    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison);

    TResultatsJournee* Journee() const { return FJournee.get(); }

    // The controls of one row; the page owns them.
    struct TControlesLigne {
        QLineEdit* Date = nullptr;
        std::array<TCadreResultat*, 2> Cadre{};
        std::array<TEditRond*, 2> Score{};
        QLabel* Separateur = nullptr;
        QLabel* Info = nullptr;
    };
    int NbLignes() const { return static_cast<int>(FLignes.size()); }
    const TControlesLigne& Ligne(int i) const { return FLignes[i]; }

    TFondScroll* FondMatch;
    TListeEquipes* l_Equipe;
    TFondCopie* FondCopie2;
    QLabel* Label1;
    QLabel* Label143;
    QSlider* TrackBar1;
    QDateEdit* bde_DateJour;
    TBoutonCopie* b_Completer;
    TBoutonCopie* b_Verification;
    TBoutonCopie* BoutonCopie1;
    QMenu* pm_AjouteEquipeCoupe;
    QAction* mi_AjoutEquipe;
    QMenu* pm_Forfait;
    QAction* mi_Forfait;
    QAction* mi_TapisVert;
    QAction* mi_MatchNormal;
    QLabel* l_Finale;
    QLabel* l_PetiteFinale;

    // Handlers, public so that tests can drive them as the user would.
    void TrackBar1Change();
    void bde_DateJourChange();
    void e_DateJourExit();
    void l_EquipeDblClick();
    void BoutonCopie1Click();
    void mi_AjoutEquipeClick();
    void mi_ForfaitClick();
    void mi_TapisVertClick();
    void mi_MatchNormalClick();
    void CadreDblClick(int ligne, int cote);
    void CadreMouseDown(int ligne, int cote, QPoint global);
    void CadreDragDrop(int ligne, int cote, QObject* source);
    void l_EquipeDragDrop(QObject* source);
    void DateMatchExit(int ligne);
    void ScoreExit(int ligne, int cote);
    // The row the forfeit menu was opened on, 0-based.
    int LigneMenu() const { return FLigneMenu; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ConstruitLignes();
    std::vector<std::string> NomsEquipes() const;
    static int LargeurDate(const QLineEdit& edition);
    void AjouteControlesLigne(int i);
    void LibererLignes();
    void Affiche();
    void AfficheLigne(int i);
    void ColorerLigne(int i);
    void Place(bool creation);
    void PlaceLignes(bool creation, int largeurVue);
    void PlaceLignesSerrees(int largeurVue);
    void PlaceTitresFinales();
    // The width a row takes with its usual gaps and its frames whole.
    int LargeurLigne(bool creation) const;
    int LargeurListeEquipes(int hauteur) const;
    // The rows, the team list and the bar below, with the controls of the bar.
    void PlaceZones();
    QWidget* Contenu() const;

    std::unique_ptr<TResultatsJournee> FJournee;
    std::vector<TControlesLigne> FLignes;
    bool FEnAffichage = false;
    bool FMontree = false;
    int FLigneMenu = 0;
    // The team frames' width for the championship's longest name.
    int FLargeurCadre = 120;
};

// Command 13 (the results page) and 22 (the match search), for the main window.
void EnregistrePagesSaisie();
