#pragma once

// The team statistics page: one team of the current championship on nine
// tabs (route, standings figures and charts, goals by time, players,
// attendance, line-ups, score evolution, points per opponent, club). What
// the tabs show is computed by the engine's StatEquipe unit; this form only
// lays it out.

#include "engine/StatEquipe.h"
#include "pagebase/DefType.h"

#include <array>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QScrollArea;
class TBouton;
class TBoutonCopie;
class TCarreCoche;
class TColorStringGrid;
class TFondCopie;
class TGraphBarre;
class TGraphLigne;
class THotLabel;
class TLogo;
class TOwnerPageControl;
class TRondCoche;
// One column of the printed route.
struct TColonneParcours;

class Tf_StatEquipe : public TFootForm {
    Q_OBJECT
public:
    enum : int { NbOnglets = 9 };

    explicit Tf_StatEquipe(QWidget* parent = nullptr);
    ~Tf_StatEquipe() override;

    // The shown team (0-based position in the current championship).
    void SetEquipe(int Position);
    int GetEquipe() const { return Equipe; }
    void ChargeLogo(int Numero);
    void Rafraichir();
    virtual void AfficheOnglet(int N);
    int GetOnglet() const { return Onglet; }

    // Goals by time.
    virtual void AfficheButsMarques();
    virtual void AfficheButsEncaisses();
    void b_ChangeButClick();
    static void AfficheGrapheRepartition(TGraphBarre& Quart, TGraphBarre& Tranches, const StatEquipe::TTranches& T,
                                         TCouleurs CouleurQuart = {0x80FFFF, 0x1C8DFF},
                                         TCouleurs CouleurTranche = {0x80FFFF, 0x1C8DFF});

    // Score evolution: the venue of the checked box (1 all, 2 home, 3 away).
    int Lieu() const;
    void SetLieu(int Lieu);
    void AfficheEvolutionScore(const std::array<std::string, 26>& Textes);

    // Players: the four rankings of the shown team (grid tags 1 scorers,
    // 2 assists, 3 warned, 4 sent off).
    virtual void AfficheJoueurs();
    // The player card of the grid's selected row; a change refills the grid.
    void sg_ButeurDblClick(TColorStringGrid* Grille);
    // The popup's entry on the grid of that tag: the full ranking page.
    void VoirClassementComplet(int TagGrille);

    // Line-ups: the playing-time grid of the shown team, hidden when the team
    // has no player.
    virtual void AfficheTempsJeu();

    // Club information: the shown team's club record.
    void RemplitInfoAdmin();
    void bc_ModifierClick();
    void bc_FicheStadeClick();
    void bc_CreeStadeClick();
    void b_FicheEntrClick();
    void b_CreeEntrClick();
    void bc_changeLogoClick();
    void pb_LogoPaint(QPainter& Canvas);

    // "Changer d'équipe": the chooser, then the team's refill.
    void Changerdequipe1Click();

    void Imprime() override;
    bool Imprimable() const override;
    bool ExportableHtml() const override;
    // Every tab is of the shown team: its printouts and pages say which.
    std::string EquipeDocument() const override;
    // The active tab as an HTML page (or a chart picture).
    bool ExporteHtml(const std::string& NomFichier) override;
    // The four rankings of the players tab as one HTML page.
    virtual bool HtmlJoueurs(const std::string& NomFichier);

    // The ten team keywords, answered without a page.
    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison);

    TOwnerPageControl* tab4;
    std::array<QWidget*, NbOnglets> Onglets{};
    QLabel* Label14;
    TLogo* Logo;
    TCarreCoche* CCVict;
    TCarreCoche* CCNul;
    TCarreCoche* CCDef;
    QWidget* mdomicile;
    QWidget* mexterieur;
    QWidget* pexterieur;
    std::vector<THotLabel*> LignesMatch;   // home list first, then away
    std::array<QLabel*, 4> LabelsRecord{}; // Label65, Label67, Label69, Label71
    // The three standings boxes, a label per line, so that they print as laid out.
    std::array<TFondCopie*, 3> BoitesClassement{};
    std::array<std::array<QLabel*, 6>, 3> LignesClassement{};
    TGraphLigne* Graph2;
    TGraphBarre* Graph3;
    TGraphBarre* Graph4;
    QLabel* Editserie;
    std::array<QLabel*, 3> TitresGraphes{}; // over Graph2, Graph3, Graph4
    QLabel* TitreButs;                      // the goals the two charts count
    TGraphBarre* GraphBarre1;
    TGraphBarre* GraphBarre2;
    TBouton* b_ChangeBut;
    TGraphLigne* GraphSpect;
    QLabel* FondCopie21;                  // the hovered attendance: the match and its figure
    std::array<QLabel*, 4> LabelsSpect{}; // Label16, Label54, Label58, Label63
    TRondCoche* rc_General;
    TRondCoche* rc_Domicile;
    TRondCoche* rc_Exterieur;
    std::array<QLabel*, 26> LabelsEvolution{}; // entries 12-15 stay empty
    TColorStringGrid* sg_PointPris;
    TColorStringGrid* sg_Buteur;
    TColorStringGrid* sg_Passeur;
    TColorStringGrid* sg_Averti;
    TColorStringGrid* sg_Exclus;
    QMenu* pm_VoirClassement;
    QAction* mi_ClassementComplet;
    QLineEdit* e_DateCreation;
    QLineEdit* e_CouleurMaillot;
    QLineEdit* e_CouleurRechange;
    QPlainTextEdit* m_Palmares;
    QLineEdit* e_siteInternet;
    QLineEdit* e_Budget;
    QLineEdit* e_President;
    QLineEdit* e_Statut;
    QPlainTextEdit* m_Remarque;
    QComboBox* cb_Stade;
    QComboBox* cb_Entraineur;
    TBoutonCopie* bc_FicheStade;
    TBoutonCopie* bc_CreeStade;
    TBoutonCopie* b_FicheEntr;
    TBoutonCopie* b_CreeEntr;
    TBoutonCopie* bc_Modifier;
    TBoutonCopie* bc_changeLogo;
    TLogo* pb_Logo;
    QScrollArea* sb_Composition;
    TColorStringGrid* sg_Composition;
    QMenu* PopupMenu1;
    // Label84, Label83, Label33: the standings pages 40, 41, 42.
    std::array<THotLabel*, 3> LiensClassement{};

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* Objet, QEvent* Evenement) override;

private:
    void GraphParcours();
    // The results the route tab's check boxes keep.
    StatEquipe::TFiltreResultats FiltreParcours() const;
    void RemplitClassement();
    void RemplitEvolution();
    void Status(const std::string& Texte);
    void SurvolSpectateurs(int X, int Y);
    // The goal charts, the status text and the button for one side.
    void AfficheButs(bool Encaisses);
    void Dispose();
    void sb_CompositionResize();
    void sb_InfoJoueurResize();
    void RemplitGrilleJoueurs(TColorStringGrid& Grille);
    void ImprimeJoueurs(QPainter& P, const QRect& Page, int Dpi);
    // The route's columns as they print: home, then away unless the page shows no venue.
    std::vector<TColonneParcours> ColonnesParcours() const;
    void ImprimeClassement(QPainter& P, const QRect& Page);

    // The shown team's id, 65535 when none.
    uint16_t IdEquipe() const;
    // The crest box follows the crest picture's proportions.
    void AjusteLogoClub();

    int Equipe = -1;
    int Onglet = -1;
    bool AvecFicheClub = false;
    bool SansLieu = false;
};

// What the main window creates.
class Tf_StatEquipeEx : public Tf_StatEquipe {
    Q_OBJECT
public:
    using Tf_StatEquipe::Tf_StatEquipe;
};

void EnregistrePagesStatEquipe();
