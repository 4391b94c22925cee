#pragma once

// The pre-match sheet: for two teams of the current championship, their past
// meetings in the division's archive of past seasons, each team's standings
// line (at its venue or overall), its current series and its last five
// results. What it shows comes from FicheMatch and VuesFicheMatch. Also
// answers the "FicheMatch" keyword.

#include "engine/FicheMatch.h"
#include "pagebase/DefType.h"

#include <array>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QMenu;
class QSpinBox;
class QToolButton;
class QVBoxLayout;
class TBoutonCopie;
class TCadre;
class TEditeur;
class TFondCopie;
class TFondScroll;
class THotLabel;
class TStat;

class Tf_FicheMatch : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_FicheMatch(QWidget* parent = nullptr);
    ~Tf_FicheMatch() override;

    // Mode 1: two teams chosen by the user; mode 2: fixture Match of the
    // current day (0 means 1) with the arrows; other modes: fixture Match
    // without them. False when the user cancelled a team choice.
    bool Afficher(TStat* Archive, int Mode, int Match);
    void AfficherConfrontations(int Domicile, int Exterieur);
    // Side 1 home, 2 away.
    void AfficherEquipe(int Equipe, int Cote);

    // The fixture shown, 1-based within the current day; one for every sheet.
    static int NumeroMatch();
    static void SetNumeroMatch(int Match);

    // Handlers.
    void UpDown1Click(bool Monte);
    void cb_TypeStatChange();
    void Edit1Change();
    void bc_ModifierClick();
    void Changerdquipe1Click();
    void Changerdequipe2Click();
    void Lf1Click(int TagLien);
    void Label7Click();
    void Label8Click();
    void Label3Click();

    // The sheet itself is not printed.
    void Imprime() override {}
    bool ExporteHtml(const std::string&) override { return false; }
    bool Imprimable() const override { return false; }

    // "FicheMatch".
    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison);

    int GetMode() const { return FMode; }
    // The team (position) shown on a side (1 or 2), -1 before any.
    int EquipeCote(int Cote) const { return Cote == 1 || Cote == 2 ? FEquipes[static_cast<size_t>(Cote - 1)] : -1; }
    TStat* GetArchive() const { return FArchive; }
    // The result rows shown on a side (1 or 2): the labels' texts of each row.
    std::vector<std::vector<std::string>> TextesResultats(int Cote) const;

    QWidget* Panel1;
    TCadre* c_EqDomicile;
    TCadre* c_EqExterieur;
    QWidget* UpDown1;
    QToolButton* UpDown1Haut;
    QToolButton* UpDown1Bas;
    QComboBox* cb_TypeStat;
    TFondCopie* FondCopie1;
    QLabel* Label1;
    QLabel* Label2;
    QSpinBox* ud_nbrenc;
    QLabel* l_Vict;
    QLabel* l_Nul;
    QLabel* l_Def;
    TBoutonCopie* bc_Modifier;
    TFondCopie* FondCopie35;
    TFondCopie* FondCopie36;
    std::array<QLabel*, 12> lf{}; // lf[0] is Lf1, lf[6] is lf7: the hot labels
    TFondCopie* FondCopie3;
    THotLabel* Label7;
    TEditeur* Editeur3;
    TEditeur* Editeur4;
    TFondCopie* FondCopie4;
    THotLabel* Label8;
    THotLabel* Label3;
    TFondScroll* fs_ResultatDom;
    TFondScroll* fs_ResultatExt;
    QMenu* PopupMenu3;
    QMenu* PopupMenu4;

private:
    TDonneesChampionnat* Championnat() const;
    bool ChoisitEquipe(int Cote);
    void VideResultats(TFondScroll* Panneau);
    void MontreResultats(TFondScroll* Panneau, const FicheMatch::TCoteFiche& C);
    void Redessine();

    TStat* FArchive = nullptr; // not owned
    int FMode = 0;
    std::array<int, 2> FEquipes{-1, -1}; // the frames' teams
    std::vector<std::vector<QLabel*>> FResultatsDom;
    std::vector<std::vector<QLabel*>> FResultatsExt;
};

// What the pre-match sheet and the forecast need before they open: the
// current championship with two teams at least (else text 294 is shown and
// nullptr returned), and its archive of past seasons (nullptr when none).
TDonneesChampionnat* ChampionnatFicheMatch(TPrincipale& Principale);
TStat* ArchiveChampionnat(TPrincipale& Principale, const TDonneesChampionnat& Champ);

// What the sheet and the forecast share of their look: the page on the
// dark ground, its panels in a column that scrolls when the page is too
// small for them (returns the column's layout, its widget the panels'
// parent); and an orange button sized to its caption (a text id).
QVBoxLayout* PageDefilante(QWidget& Page);
TBoutonCopie* BoutonTexte(QWidget* Parent, int Texte);

// Commands 19 and 156 and the keyword.
void EnregistrePagesFicheMatch();
