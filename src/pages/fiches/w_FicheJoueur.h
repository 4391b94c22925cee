#pragma once

// The player card: the one editor of a player of the season (identity,
// position, shirt, nationality, club, contract, size and weight, national
// caps, photo and past career). Openers set the season, the championship
// number, Tag (team id in bits 0-15, bit 16 the season panel, bit 19 an
// unknown arrival year for a new player) and the player, or none to create
// one, and run it modally. After OK the player is read back in Joueur and Tag
// is 1 when the card changed anything, 0 otherwise.

#include "engine/StatFicheJoueur.h"
#include "model/Joueurs.h"
#include "platform/Dialogues.h"

#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QWidget;
class TColorStringGrid;
class TGraphHorizontal;
class TLogo;
class TSaison;

// A past career line typed by the user, before it is added to the grid.
class Tf_ajouthist : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_ajouthist(QWidget* parent = nullptr);

    // Fills the former clubs and the catalogue divisions (the one of id
    // Division selected, else the first) and starts at the season's first year.
    void Execute(TSaison& Saison, int Division);
    // The dialog's line as a record; a typed club missing from the former-club
    // list is added to it.
    TStatHistorique Ligne() const;
    void ReinitCompteurs();

    QSpinBox* ud_Saison;
    QComboBox* cb_Actuel;
    QComboBox* cb_Division;
    QSpinBox* ud_Matchs;
    QSpinBox* ud_Buts;
    QSpinBox* ud_MatchsSel;
    QSpinBox* ud_ButsSel;
    QCheckBox* cb_InsereAutre;
    QPushButton* bc_Choisir;
    QPushButton* bc_Annuler;

private:
    TSaison* FSaison = nullptr;
};

class Tf_FicheJoueur : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_FicheJoueur(QWidget* parent = nullptr);
    ~Tf_FicheJoueur() override;

    TSaison* Saison = nullptr; // not owned
    int NumChampionnat = -1;   // 1-based, -1 none
    int Tag = 0;
    TJoueur* Joueur = nullptr; // not owned: the registry's
    int PosteDefaut = 2;
    std::string DossierAide; // the help pages of the user's language

    // Fills the controls from the season and the player (done when shown).
    void FormShow();
    virtual void AfficheJoueur(TJoueur& J);
    // Stores the hand-corrected career totals into J; true when one changed.
    virtual bool EnregistreStatistiques(TJoueur& J) = 0;
    // The career totals combo moved to entry Nouveau.
    virtual void ChangeChampionnatStat(int Nouveau) = 0;
    // Fills sg_Match with the detail list of kind Genre (1 matches, 2 goals,
    // 3 cautions, 4 sendings-off, 5 assists) and gives the caption.
    virtual void AfficheStatChampionnats(int Genre, std::string& Titre) = 0;
    // Appends the rows of one championship to sg_Match from row Ligne on.
    virtual void AfficheStatistiques(int Genre, int NumChamp, int& Ligne, int& Zebre,
                                     const StatFicheJoueur::TFournisseurListe& Fournisseur);
    virtual void Traduit();

    void b_ValiderClick();
    void b_RetourFicheClick();
    void e_NomChange();
    void e_DureeChange();
    void b_AddPictureClick();
    void b_DelPictureClick();
    void bc_AjouterClick();
    void bc_EffacerClick();
    void pc_FicheJoueurChange();
    void b_aideClick();
    void cb_ChoixChampStatChange();
    // s1 to s5: the detail list of that kind.
    void s1Click(int Genre);
    void sb_DetailClick();
    virtual void b_ChoixChampStatClick() {}

    // While a player found by name has already been moved to this team, the
    // title-bar close keeps the move and reports it, as OK does.
    void reject() override;

    // The record held by a career row, nullptr for the header or an empty row.
    const TStatHistorique* HistoriqueLigne(int Ligne) const;
    std::string Titre() const { return FTitre; }

    QTabWidget* pc_FicheJoueur;
    QWidget* ts_Generale;
    QWidget* ts_additionnal;
    QWidget* ts_Carriere;
    QWidget* FondCopie3;
    QLabel* Label20;
    QLineEdit* e_Nom;
    QLineEdit* e_Prenom;
    QLineEdit* e_Age;
    QLineEdit* e_NumMaillot;
    QComboBox* cb_Poste;
    QComboBox* cb_Nationalite;
    QLineEdit* e_Anciennete;
    QLineEdit* e_Duree;
    QComboBox* cb_ClubPrec;
    QLabel* Label29;
    QComboBox* cb_Actuel;
    QLineEdit* e_Taille;
    QLineEdit* e_Poids;
    QLineEdit* e_DateComplete;
    QLineEdit* e_SelectionNat;
    QSpinBox* ud_nSelection;
    // Season panel: matches, goals, cautions, sendings-off, assists.
    std::array<QLabel*, StatFicheJoueur::NbFigures> LabelsSaison{};       // Label13..16, Label23
    std::array<QPushButton*, StatFicheJoueur::NbFigures> BoutonsSaison{}; // s1..s5
    QPushButton* sb_Detail;
    // Goal statistics: bars Shape1..Shape9 and their figures.
    std::array<QWidget*, StatFicheJoueur::NbLignesButs> Shapes{};
    std::array<QLabel*, StatFicheJoueur::NbLignesButs> LabelsButs{};
    // Career totals.
    QComboBox* cb_ChoixChampStat;
    QLineEdit* e_Match;
    QLineEdit* e_Buts;
    QWidget* UpDown1;
    QWidget* UpDown2;
    QPushButton* b_ChoixChampStat;
    // The detail views.
    QScrollArea* fs_Match;
    TColorStringGrid* sg_Match;
    QScrollArea* fs_DetailJoueur;
    TGraphHorizontal* Graphe;
    TLogo* LogoJoueur;
    QPushButton* b_AddPicture;
    QPushButton* b_DelPicture;
    QTableWidget* sg_Historique;
    QPushButton* bc_Ajouter;
    QPushButton* bc_Effacer;
    QPushButton* b_RetourFiche;
    QPushButton* b_Valider;
    QPushButton* b_Annuler;
    QPushButton* b_aide;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;
    // The clubs label of the player shown, for the captions.
    std::string FLibelleClubs;
    // The player whose data the card shows: the one edited, or one found by name.
    TJoueur* FAffiche = nullptr;

private:
    struct TLabel {
        QLabel* Label;
        int Id;
    };
    void AjouteChamp(QWidget* page, int ligne, int colonne, int idTexte, QWidget* champ);
    void AfficheLigneHistorique(int Ligne, const TStatHistorique& H);
    void FixeEquipes(TJoueur& J) const;
    bool International() const;
    uint16_t EquipeCarte() const { return static_cast<uint16_t>(Tag & 0xFFFF); }
    void AfficheImage();
    void RemplitClubsPrec();
    void ConstruitPanneauSaison();
    void ConstruitTotauxCarriere(QWidget* page);
    void AfficheVueDetail(QWidget* vue);
    void AfficheSaisonVide();

    bool FChargement = false;
    bool FHistoriqueModifie = false;
    bool FNomModifie = false;
    bool FJoueurDeplace = false; // a name match moved a player: no way back
    TJoueur* FTrouve = nullptr;
    std::string FTitre;
    int FImage = 0;
    std::vector<TLabel> FLabels;
    std::vector<std::unique_ptr<TStatHistorique>> FLignes; // one per data row, null when empty
    std::vector<TStatHistorique> FRetires;
    QLabel* FLibelleEquipe = nullptr;
};

// The card as it is made: the base filling plus the player's statistics.
class Tf_FicheJoueurEx : public Tf_FicheJoueur {
    Q_OBJECT
public:
    using Tf_FicheJoueur::Tf_FicheJoueur;
    void AfficheJoueur(TJoueur& J) override;
    bool EnregistreStatistiques(TJoueur& J) override;
    void ChangeChampionnatStat(int Nouveau) override;
    void AfficheStatChampionnats(int Genre, std::string& Titre) override;
    void b_ChoixChampStatClick() override;

    // The career totals as the combo holds them.
    const std::vector<StatFicheJoueur::TEntreeCarriere>& Entrees() const { return FEntrees; }

private:
    void AjouteEntree(const StatFicheJoueur::TEntreeCarriere& Entree);

    std::vector<StatFicheJoueur::TEntreeCarriere> FEntrees; // one per combo entry
    int FPrecedent = -1;                                    // the entry the fields show
};

// Runs the card on a player (nullptr creates one) through the dialog service.
// True on OK; Joueur then holds the player (a new one, or nullptr when the
// name was left empty) and Change whether anything was written.
bool ExecuteFicheJoueur(TSaison& Saison, int NumChampionnat, TJoueur*& Joueur, int Mode, bool* Change = nullptr,
                        int PosteDefaut = 2, QWidget* parent = nullptr);

// Registers the card with the page base (AfficheFicheJoueur).
void EnregistrePagesFiches();
