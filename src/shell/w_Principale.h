#pragma once

// The main window: start-up and its checks, the settings file, the menus built
// from the command table, the one dispatcher of every command, the page shown
// in the central panel, the back and forward history and the switching of the
// current championship.

#include "base/Utilities.h"
#include "files/Stats.h"
#include "files/TraiteurFichier.h"
#include "model/SaisonFoot.h"
#include "pagebase/DefType.h"
#include "shell/ListeMenu.h"

#include <QMainWindow>
#include <QPointer>
#include <QStatusBar>
#include <QTreeWidget>

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QLabel;
class QMenuBar;
class QSpinBox;
class QToolButton;
class QTimer;
class QTreeWidgetItem;
class QWidget;
class TFondCopie;

// The menu tree, telling whether the node it moves to was chosen with the keyboard.
class TArbreMenu : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;
    bool ParClavier() const { return FTouches > 0; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int FTouches = 0;
};

// The status bar: three panels of text (0 spare, 1 modification, 2 file).
class TStatutPrincipal : public QStatusBar, public TBarreEtat {
    Q_OBJECT
public:
    static constexpr int NbPanneaux = 3;

    explicit TStatutPrincipal(QWidget* parent = nullptr);

    // What a page or the dispatcher writes; panel 2 then holds the page's own text.
    void SetTextePanneau(int panneau, const std::string& texte) override;
    // What the main window writes itself: the file's name, the command's caption.
    void SetTexteFenetre(int panneau, const std::string& texte);
    std::string TextePanneau(int panneau) const;
    // Counts the texts pages wrote into panel 2, to tell whether the page shown gave one.
    int NbTextesPage() const { return FNbTextesPage; }

private:
    std::array<QLabel*, NbPanneaux> FPanneaux{};
    int FNbTextesPage = 0;
};

// One step of the history: the command shown, its parameters and the
// championship that was current then (0 without a season).
struct THistorique {
    uint8_t Commande = 0;
    int32_t Param = -1;
    int32_t Param2 = 0;
    int32_t IdChamp = 0;
};

class Tf_Principale : public QMainWindow, public TPrincipale {
    Q_OBJECT
public:
    static constexpr const char* NomProduit = "Brevalune";
    static constexpr int MaxHistorique = 10;
    static constexpr int MaxFichiersRecents = 5;
    // The application's tag: anything but 0 ends the program after creation.
    static constexpr int TagArret = 255;

    // Creates the window on the program folder Dossier (ending with "/") and
    // runs the start-up; TagApplication tells whether the program may run.
    explicit Tf_Principale(const std::string& Dossier = AppDir(), QWidget* parent = nullptr);
    ~Tf_Principale() override;

    // --- What pages and dialogs see ---
    TSaison* GetSaison() override { return FSaison.get(); }
    std::string GetFichierIni() const override { return FAppDir + "brevalune.ini"; }
    void SignaleModification() override;
    void ReafficheCommande() override;
    void RemplitChampionnats() override;
    void Navigue(int code, int param, int param2) override;
    TStats* GetStats() override { return FStats.get(); }
    void AfficheCommandeImprimer() override;
    void ReinitAutoSave() override;
    TBarreEtat* GetBarreEtat() override;
    TFootForm* GetPageCourante() override { return FPageCourante; }
    TFootForm* AfficheFenetre(const TClassePage& classe) override;

    // --- Start-up ---
    void FormCreate();
    // The first activation: size, tip of the day, opening choice.
    void FormActivate();
    void FormDestroy();
    int TagApplication = 0;

    const std::string& GetAppDir() const { return FAppDir; }
    const std::string& GetLangue() const { return FLangue; }
    const std::string& GetSite() const { return FSite; }
    // The folder of the help pages of the language.
    const std::string& GetDossierAide() const override { return FDossierAide; }
    const std::string& GetVersion() const { return FVersion; }
    const std::vector<std::string>& GetFichiersRecents() const { return FFichiersRecents; }
    std::vector<std::string>& FichiersRecents() { return FFichiersRecents; }
    const TListeMenu& GetListeMenu() const { return FListeMenu; }
    const TEtatMenu& GetEtatMenu() const override { return FEtatMenu; }
    // Shows or hides the status bar and the title bands.
    void AfficheBandeaux(bool statutVisible, bool titreVisible);

    // --- Dispatcher ---
    // Runs a command from code, recorded in the history.
    bool ExecuteCommande(int code, int param = 0, int param2 = 0);
    // The dispatcher itself: Libelle is the caption of the menu item or tree
    // node (empty from code), Noeud the tree node clicked. True when the
    // command counts as a view shown.
    bool ExecuteCommande(const std::string& libelle, int code, QTreeWidgetItem* noeud, int param, bool enregistre,
                         int param2 = 0);
    // Every code of the command range with no handler: nothing done, nothing
    // shown, so nothing for the history. True when it showed a page.
    virtual bool ExecuteCommandeSupplementaire(int code, bool& rejoue, int param);
    // AfficheFenetre with no class: the page area is emptied.
    void AfficheAucuneFenetre(bool videNomFichier = false);
    TFootForm* AfficheFenetre(const TClassePage* classe, bool panneauVisible, bool videNomFichier);
    // The navigation request of every page.
    void NavigueDepuisFenetre(int code, int param, int param2, bool champChange = false);
    bool AllerA(int code, int param, bool enregistre, bool champChange, int param2 = 0);
    void sb_BackClick();
    void sb_ForwardClick();
    // Favourite n (1..10).
    void Action1Execute(int n);
    // A node of the tree chosen: false when the selection must stay where it was.
    bool tv_MenuChange(QTreeWidgetItem* noeud);

    // --- Championships ---
    // False when nothing was switched (the page shown could not be left).
    bool SelectionneChampionnat(int idOuIndex, QTreeWidgetItem* noeud, bool setUpDown, bool parIndex);
    // False when the change is refused.
    bool ud_ChampChangingEx(int nouvelle);
    void ChangeChampionnat();
    const std::vector<std::pair<std::string, int>>& GetTitresChampionnats() const { return FTitres; }

    // --- State the tests and the file commands look at ---
    const std::deque<THistorique>& GetPrecedents() const { return FPrecedents; }
    const std::deque<THistorique>& GetSuivants() const { return FSuivants; }
    int GetCommandeCourante() const { return FCommandeCourante; }
    int GetCommandeRejouee() const { return FCommandeRejouee; }
    int Selection(int famille) const override;
    void SetSelection(int famille, int valeur) override;
    int NbPagesGardees() const;
    bool EtatFichierA() const { return FEtatMenu.EtatA; }
    // Puts Saison in place of the open one (nullptr: none). The page, the pages
    // kept for the history, the history and the remembered selections go with
    // the former season.
    void RemplaceSaison(std::unique_ptr<TSaison> saison);
    // Rebuilds the tree and the menu bar.
    void ConstruitMenus();

    std::string FichierCourant;

    // --- file commands ---
    bool OuvreFichier(const std::string& nom) override; // empty name: open dialog
    bool SauveSaison();
    // From the timer (automatique): no message, and no Save As for a season without a name.
    bool SauveSaison(bool automatique);
    bool SauveSaisonSous();
    // Commits the current page's entry, then SauveSaison.
    bool SauveAuto(bool automatique);
    // After a good load: the file state, status and championship.
    void ApresOuverture();
    bool FermeFichier(); // false = cancelled/failed
    void SetEtatFichier(bool ouvert, bool modifie);
    void InitAutoSave();
    void OnAutoSave();
    void ValideSaisieEnCours(); // the current page commits its half-typed entry
    // Where a road leaving the shown page goes: another page of the season
    // (back and forward, another championship) or out of the season
    // altogether (quit, close, open, new, a recent file).
    enum class TDepartPage { AutrePage, Saison };
    // The one gate of every road that leaves or replaces the shown page: the
    // page commits its entry, then false keeps the user on it, told why. Out
    // of the season, the user may give up a value the page cannot write.
    bool PeutQuitterPage(TDepartPage depart = TDepartPage::AutrePage);
    // The start of every road that writes the season or a page from it, but
    // the timer's: the page commits its entry, and a value it cannot write is
    // named before the writing, with what is written in its place.
    void ValideAvantEcriture();
    // False when the user cancelled the closing.
    bool FormClose();
    // Commits the shown page, then asks to save the changes; false when cancelled.
    bool DemandeSauvegarde();
    void AjouteFichierRecent(const std::string& nom);
    // Adds the first championship of a file (or, with SaisonEntiere, every
    // championship of a season file) to the open season; false when nothing was added.
    bool ImporteChampionnats(bool saisonEntiere);
    void ExporteChampionnat();
    void ExporteSaison();
    void CreeHistoriqueDivision();
    void OuvreAide();
    void VerifieMiseAJour();
    // File > New: the save question, then the composer of a new season, which
    // is opened in place of the one on screen.
    bool NouvelleSaison();
    // Every day of the current championship checked, the problems listed.
    void VerifieCalendrier();
    // The page's HTML rendering written into a file the user picks; true when written.
    bool ExportePageHtml();
    // --- end of file commands ---

    // Components, in the order of the form.
    TStatutPrincipal* Statut;
    TFondCopie* Panel2;
    QTimer* t_AutoSave;
    QMenuBar* mm_Menu;
    QWidget* Shape1;
    TFondCopie* fc_Principale;
    QLabel* Image1;
    QWidget* p_FondAffiche;
    std::array<QAction*, CodeMenu::NbRaccourcis> Actions{};
    TFondCopie* Panel5;
    TFondCopie* fc_Titre;
    QLabel* l_Titre;
    QSpinBox* ud_Champ;
    TFondCopie* fc_Menu;
    TArbreMenu* tv_Menu;
    QToolButton* sb_Back;
    QToolButton* sb_Forward;
    QLabel* Label1;
    QAction* Suivant;
    QAction* Precedent;
    // Ctrl+O, Ctrl+S, Ctrl+P.
    QAction* ToucheOuvrir;
    QAction* ToucheEnregistrer;
    QAction* ToucheImprimer;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void CreeComposants();
    // Loads the file and, once it has loaded, puts it in place of the open
    // season without asking; a failure is told and changes nothing.
    bool ChargeEnPlace(const std::string& fichier);
    void ArretDemarrage(const std::string& chemin);
    void LitReglages();
    void EcritFichiersRecents();
    bool ExecuteCommandeShell(int code, int param, bool& enregistrable);
    void OuvreLangue();
    void OuvreAPropos();
    void ImprimePage();
    // One history step from Source to Destination.
    void Navigue(std::deque<THistorique>& source, std::deque<THistorique>& destination);
    THistorique HistoriqueCourant() const;
    void VideHistorique();
    void LiberePagesGardees(bool toutes);
    void LiberePage(TFootForm* page);
    int IdChampCourant() const;
    // Shows the command's node current in the tree (its headings opened); with
    // no node for it, the tree keeps no selection.
    void SelectionneNoeud(int donnee);
    // The node of what is on screen: the page's command, else the current championship.
    void SelectionneNoeudCourant();
    // Panel 2 after a command that showed a page: the page's own text, or the
    // caption of its command.
    void MajTexteStatut(int code, int nbTextesAvant);
    void PlaceUpDown(int position);
    void MajBoutonsHistorique();
    void ReinitSelections(int code);
    void OnMenuBarre(int code, int param, const std::string& libelle);

    std::string FAppDir;
    std::string FVersion;
    std::string FLangue;
    std::string FSite;
    std::string FDossierAide;
    std::string FNomCatalogue = "Championnat.fr";
    int FIdTitre = 3;
    bool FPremiereActivation = true;
    // What this window installed for the whole program, to remove it again.
    const void* FTraducteur = nullptr;
    const void* FCatalogue = nullptr;
    const void* FBlasons = nullptr;
    const void* FImages = nullptr;

    std::unique_ptr<TSaison> FSaison;
    std::unique_ptr<TStats> FStats;
    std::vector<std::string> FFichiersRecents;
    TListeMenu FListeMenu;
    TEtatMenu FEtatMenu;
    std::vector<std::pair<std::string, int>> FTitres;

    // Navigation.
    QPointer<TFootForm> FPageCourante;
    // The page the gate let go, and the page the command under way showed:
    // the only ones a page may replace (checked in debug builds).
    QPointer<TFootForm> FPageAccordee;
    QPointer<TFootForm> FPageNeuve;
    std::vector<QPointer<TFootForm>> FPagesGardees;
    // Pages freed but not deleted yet (deleted from the event loop).
    std::vector<QPointer<TFootForm>> FPagesALiberer;
    bool FGardePages = false;
    uint8_t FCommandeCourante = 0;
    int32_t FParamCourant = -1;
    int32_t FParam2Courant = 0;
    int32_t FChampCourant = 0;
    uint8_t FCommandeRejouee = 0;
    std::array<int, 3> FSelections{-1, -1, -1};
    std::deque<THistorique> FPrecedents;
    std::deque<THistorique> FSuivants;
    bool FChangement = false;  // a championship switch is under way
    bool FReconstruit = false; // the menus are being rebuilt: the dispatcher ignores all
    bool FRejoueHistorique = false;
    bool FMajUpDown = false;
    int FPositionUpDown = 1;
    int FNbReconstructions = 0;
    // The tree's current node when the mouse went down, and the node a click
    // on it runs again.
    QTreeWidgetItem* FNoeudAvantClic = nullptr;
    QTreeWidgetItem* FNoeudRejoue = nullptr;
};
