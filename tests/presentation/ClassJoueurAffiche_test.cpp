#include "engine/ClassJoueur.h"

#include <gtest/gtest.h>

#include "base/Format.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "presentation/ModeleEditeur.h"
#include "presentation/ModeleGrille.h"

namespace {

namespace G = GenreClassement;
using Textes = std::vector<std::string>;
// The runs of one report line: text and colour code.
using Morceaux = std::vector<std::pair<std::string, int>>;

constexpr TColor Blanc = 0xFFFFFF, Zebre = 0xF8CD87, Marine = 0x800000;
enum : uint16_t { Lyon = 1, Auxerre = 2, Brest = 3 };

// Lyon, Auxerre and Brest in one league of four days, three of them played.
struct Saison : TSaisonFootball {
    TDonneesChampionnat* Champ;

    Saison()
    {
        AjouteEquipe("Lyon", Lyon);
        AjouteEquipe("Auxerre", Auxerre);
        AjouteEquipe("Brest", Brest);
        SetLogoEquipe(Lyon, 1001);
        auto c = CreeChampionnat(TDonneesChampionnat::TypeChamp);
        c->CodeChamp = 5;
        for (uint16_t id : {Lyon, Auxerre, Brest})
            c->AjouteEquipe(id);
        c->SetNbMatch(1);
        c->SetNbJour(4);
        c->NbJournee = 3;
        c->SetOption(10, 0); // Lyon followed
        Champ = c.get();
        AjouteChampionnat(std::move(c));
        SetNumChampCourant(1);
    }
    // Position 1 goalkeeper .. 4 forward.
    void Joueur(int id, const char* nom, const char* prenom, uint16_t equipe, int poste = 3)
    {
        Joueurs().AjouteSimple(CreeJoueurComplet(nom, prenom, id, 0, "GDMA"[poste - 1], 0, equipe, 65535, 0, 0, 0));
    }
    void Buts(int joueur, uint16_t equipe, int nombre, int penaltys = 0)
    {
        for (int i = 0; i < nombre; ++i)
            Champ->GetButeursJournee(1 + i % 3)->Ajoute(std::make_unique<TDonneesEvt>(
                joueur, equipe, static_cast<uint16_t>(10 + i) | (i < penaltys ? Evt::Penalty : 0)));
    }
};

struct AffichageJoueurs : ::testing::Test {
    TModeleGrille Grille;
    TModeleEditeur Cote, Bas;
    AffichageJoueurs()
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        ChoisitLangueNombres("fr");
        Grille.SetAutoResize(false);
    }
    ~AffichageJoueurs() override { InstalleTraducteur(nullptr); }

    Textes Ligne(int r) const
    {
        Textes t;
        for (int c = 0; c < Grille.GetColCount(); ++c)
            t.push_back(Grille.GetTexte(c, r));
        return t;
    }
    std::vector<int> Largeurs() const
    {
        std::vector<int> l;
        for (int c = 0; c < Grille.GetColCount(); ++c)
            l.push_back(Grille.GetLargeurColonne(c));
        return l;
    }
    // The shown cells of a row (the hidden id column has no colours).
    void VerifieCouleurs(int r, TColor fond, TColor texte) const
    {
        for (int c = 0; c < Grille.GetColCount(); ++c) {
            if (Grille.GetLargeurColonne(c) == 0)
                continue;
            SCOPED_TRACE("row " + std::to_string(r) + " column " + std::to_string(c));
            EXPECT_EQ(Grille.GetCouleurFond(c, r), fond);
            EXPECT_EQ(Grille.GetCouleurTexte(c, r), texte);
        }
    }
    static Morceaux Decoupe(const TModeleEditeur& e, int n)
    {
        Morceaux m;
        const TLigneEditeur* l = e.GetLigne(n);
        if (!l)
            return m;
        EXPECT_EQ(l->Couleurs.size(), l->Texte.size()); // ASCII texts here
        for (size_t i = 0; i < l->Texte.size(); ++i) {
            const int code = i < l->Couleurs.size() ? l->Couleurs[i] : -1;
            if (m.empty() || m.back().second != code)
                m.emplace_back("", code);
            m.back().first += l->Texte[i];
        }
        return m;
    }
    static std::string Tout(const TModeleEditeur& e)
    {
        std::string t;
        for (int n = 1; n <= e.GetNbLigne(); ++n)
            t += e.GetLigne(n)->Texte;
        return t;
    }
};

// Twelve scorers: 9, 8, 7, 6, five with 5, two of Lyon with 4 and one with 3.
void DouzeButeurs(Saison& s)
{
    const struct {
        int Id;
        const char* Nom;
        const char* Prenom;
        uint16_t Equipe;
        int Buts, Penaltys;
    } buteurs[] = {{1, "Alpha", "Ali", Auxerre, 9, 0},   {2, "Bravo", "Bob", Auxerre, 8, 0},
                   {3, "Carlo", "Cid", Brest, 7, 0},     {4, "Delta", "Dan", Brest, 6, 0},
                   {5, "Echo", "Eve", Auxerre, 5, 2},    {6, "Fox", "Fay", Brest, 5, 0},
                   {7, "Golf", "Gus", Lyon, 5, 0},       {8, "Hotel", "Hal", Lyon, 5, 0},
                   {9, "India", "Ian", Lyon, 5, 0},      {10, "Abel", "Alain", Lyon, 4, 0},
                   {11, "Bernard", "Bruno", Lyon, 4, 0}, {12, "Zola", "Gianfranco", Brest, 3, 1}};
    for (const auto& b : buteurs) {
        s.Joueur(b.Id, b.Nom, b.Prenom, b.Equipe);
        s.Buts(b.Id, b.Equipe, b.Buts, b.Penaltys);
    }
}

TEST_F(AffichageJoueurs, ScorersCutAtTheGridHeightWithTheRestBesideIt)
{
    Saison s;
    DouzeButeurs(s);
    // Height 213: room for 10 rows; the 9th has 5 goals, the 10th 4.
    TClassJoueur::Affiche(s, G::Buteurs, 213, 800, &Cote, &Bas, Grille);

    ASSERT_EQ(Grille.GetRowCount(), 10);
    EXPECT_EQ(Largeurs(), (std::vector<int>{20, 220, 100, 0}));
    EXPECT_EQ(Grille.GetLargeur(), 360);
    EXPECT_EQ(Grille.GetHauteur(), 190);
    EXPECT_EQ(Grille.GetDefaultRowHeight(), 18);
    EXPECT_TRUE(Grille.GetSelectionVisible());
    EXPECT_EQ(Ligne(0), (Textes{"", "Joueur", "Buts", ""}));
    EXPECT_EQ(Grille.GetCouleurFond(1, 0), 0xDFCF20);
    EXPECT_EQ(Grille.GetAlignementH(1, 0), 0);
    EXPECT_EQ(Grille.GetAlignementH(2, 0), 1);

    EXPECT_EQ(Ligne(1), (Textes{"1", "Ali Alpha (Auxerre)", "9", "1"}));
    EXPECT_EQ(Ligne(4), (Textes{"4", "Dan Delta (Brest)", "6", "4"}));
    EXPECT_EQ(Ligne(5), (Textes{"5", "Eve Echo (Auxerre)", "5 (2)", "5"}));
    EXPECT_EQ(Ligne(6), (Textes{"-", "Fay Fox (Brest)", "5", "6"}));
    EXPECT_EQ(Ligne(7), (Textes{"-", "Gus Golf (Lyon)", "5", "7"}));
    EXPECT_EQ(Ligne(9), (Textes{"-", "Ian India (Lyon)", "5", "9"}));
    for (int r = 6; r <= 9; ++r)
        EXPECT_EQ(Grille.GetTexteAlternatif(0, r), "5") << r;
    EXPECT_EQ(Grille.GetTexteAlternatif(0, 5), "");
    VerifieCouleurs(1, Blanc, 0);
    VerifieCouleurs(2, Zebre, 0);
    VerifieCouleurs(7, Marine, Blanc); // the followed team
    EXPECT_EQ(Grille.GetBlason(1, 7), 1001);
    EXPECT_EQ(Grille.GetBlason(1, 1), 0);
    EXPECT_EQ(Grille.GetAlignementH(1, 3), 0);
    EXPECT_EQ(Grille.GetAlignementH(2, 3), 1);
    TColor b1 = 0, b2 = 0;
    Grille.GetCouleursBarre(2, b1, b2);
    EXPECT_EQ(b1, 0x80FFFF);
    EXPECT_EQ(b2, 0x1C8DFF);

    // No room under the grid: everything goes beside it.
    EXPECT_FALSE(Bas.GetVisible());
    EXPECT_TRUE(Cote.GetVisible());
    EXPECT_EQ(Cote.GetGauche(), 384);
    EXPECT_EQ(Cote.GetHaut(), 10);
    EXPECT_EQ(Cote.GetLargeur(), 406);
    EXPECT_EQ(Cote.GetHauteur(), 201);
    ASSERT_EQ(Cote.GetNbLigne(), 2);
    // Two of one team share its name; the followed team's names are yellow.
    EXPECT_EQ(Decoupe(Cote, 1), (Morceaux{{"10.  Abel, Bernard", 14}, {" (Lyon). 4\r", 11}}));
    EXPECT_EQ(Decoupe(Cote, 2), (Morceaux{{"12. ", 14}, {" Zola(1)", 15}, {" (Brest). 3\r", 11}}));
}

TEST_F(AffichageJoueurs, EqualScorersFillExactlyTheRoomAndTheReportGoesOnBelowTheGrid)
{
    Saison s;
    for (int id = 1; id <= 12; ++id) {
        s.Joueur(id, ("Nom" + std::to_string(id + 10)).c_str(), "", Auxerre);
        s.Buts(id, Auxerre, 1);
    }
    // Height 400: 21 rows fit, all 12 are shown, the reports stay empty.
    TClassJoueur::Affiche(s, G::Buteurs, 400, 800, &Cote, &Bas, Grille);
    EXPECT_EQ(Grille.GetRowCount(), 13);
    EXPECT_TRUE(Bas.GetVisible());
    EXPECT_EQ(Bas.GetHaut(), 18 * 13 + 10 + 16);
    EXPECT_EQ(Bas.GetHauteur(), 400 - 18 * 13 - 10 - 18);
    EXPECT_EQ(Bas.GetLargeur(), 360);
    EXPECT_EQ(Tout(Bas) + Tout(Cote), "");

    TClassJoueur::Affiche(s, G::Buteurs, 213, 800, &Cote, &Bas, Grille);
    ASSERT_EQ(Grille.GetRowCount(), 11);
    EXPECT_EQ(Grille.GetTexte(0, 1), "1");
    for (int r = 2; r <= 10; ++r) {
        EXPECT_EQ(Grille.GetTexte(0, r), "-") << r;
        EXPECT_EQ(Grille.GetTexteAlternatif(0, r), "1") << r;
    }
    ASSERT_EQ(Cote.GetNbLigne(), 1);
    EXPECT_EQ(Cote.GetLigne(1)->Texte, "11.  Nom21, Nom22 (Auxerre). 1\r");

    // A limit below one row: nothing shown, no report.
    TClassJoueur::Affiche(s, G::Buteurs, 40, 800, &Cote, &Bas, Grille);
    EXPECT_EQ(Grille.GetRowCount(), 2);
    EXPECT_EQ(Ligne(1), (Textes{"", "", "", ""}));
    EXPECT_FALSE(Cote.GetVisible());
    EXPECT_FALSE(Bas.GetVisible());
}

TEST_F(AffichageJoueurs, AFullReportBelowTheGridSpillsBesideItWhichTakesTheRest)
{
    Saison s;
    s.Joueur(1, "Premier", "", Lyon);
    s.Buts(1, Lyon, 3);
    std::string attendu = "2. ";
    const uint16_t equipes[3] = {Auxerre, Brest, Lyon};
    const char* noms[3] = {"Auxerre", "Brest", "Lyon"};
    for (int e = 0; e < 3; ++e)
        for (int k = 0; k < 8; ++k) {
            const int id = 10 + 8 * e + k;
            s.Joueur(id, ("Joueur" + std::to_string(id)).c_str(), "", equipes[e]);
            s.Buts(id, equipes[e], 2);
            attendu += " Joueur" + std::to_string(id) + (k < 7 ? "," : std::string(" (") + noms[e] + "),");
        }
    attendu.back() = '.';
    attendu += " 2\r";

    // Height 120: room for 4 rows, places 2 to 25 share 2 goals: one row.
    TClassJoueur::Affiche(s, G::Buteurs, 120, 520, &Cote, &Bas, Grille);
    ASSERT_EQ(Grille.GetRowCount(), 2);
    EXPECT_EQ(Grille.GetHauteur(), 46);
    ASSERT_TRUE(Bas.GetVisible());
    EXPECT_EQ(Bas.GetHaut(), 62);
    EXPECT_EQ(Bas.GetHauteur(), 56);
    // Three lines of 51 characters fill the report below; the text goes on
    // beside the grid, past that report's height, which then scrolls.
    ASSERT_EQ(Bas.GetNbLigne(), 3);
    for (int n = 1; n <= 3; ++n)
        EXPECT_LE(Bas.GetLigne(n)->Texte.size() * 7, 360u) << n;
    EXPECT_EQ(Cote.GetLargeur(), 126);
    EXPECT_GT(Cote.GetNbLigne() * 18, Cote.GetHauteur());
    for (int n = 1; n <= Cote.GetNbLigne(); ++n)
        EXPECT_LE(Cote.GetLigne(n)->Texte.size() * 7, 126u) << n;
    EXPECT_EQ(Tout(Bas) + Tout(Cote), attendu);
    EXPECT_EQ(Bas.GetNbOmis() + Cote.GetNbOmis(), 0);

    // A wider page takes it all.
    TClassJoueur::Affiche(s, G::Buteurs, 120, 1200, &Cote, &Bas, Grille);
    EXPECT_EQ(Tout(Bas) + Tout(Cote), attendu);
}

TEST_F(AffichageJoueurs, RatingsGridShowsAveragesWithTwoDecimals)
{
    Saison s;
    s.Champ->SetOptionArbitre(4, 0);
    s.Joueur(1, "Lloris", "Hugo", Lyon, 1);
    s.Joueur(2, "Mbappe", "Kylian", Lyon, 4);
    s.Joueur(3, "Giroud", "Olivier", Lyon, 4);
    s.Joueur(4, "Cantona", "Eric", Lyon, 4);
    for (int jour = 1; jour <= 2; ++jour) {
        s.Champ->AjouteMatch(jour, Lyon, Auxerre, -1, 1, 0);
        s.Champ->SetNoteJoueurMatch(jour, 0, 15, 1); // ratings entered
    }
    const int notes[3][2] = {{8, 7}, {7, 8}, {6, 7}};
    for (int j = 0; j < 3; ++j)
        for (int jour = 1; jour <= 2; ++jour) {
            s.Champ->SetCompoMatch(jour, 0, 2 + j, static_cast<uint16_t>(2 + j));
            s.Champ->SetNoteJoueurMatch(jour, 0, 2 + j, static_cast<uint8_t>(notes[j][jour - 1]));
        }
    TClassJoueur::Affiche(s, G::NotesJoueurs, 213, 800, &Cote, &Bas, Grille);

    ASSERT_EQ(Grille.GetRowCount(), 4);
    EXPECT_EQ(Ligne(0), (Textes{"", "Joueur", "Note moyenne", ""}));
    EXPECT_EQ(Ligne(1), (Textes{"1", "Olivier Giroud (Lyon)", "7,50", "3"}));
    EXPECT_EQ(Ligne(2), (Textes{"-", "Kylian Mbappe (Lyon)", "7,50", "2"}));
    EXPECT_EQ(Grille.GetTexteAlternatif(0, 2), "1");
    EXPECT_EQ(Ligne(3), (Textes{"3", "Eric Cantona (Lyon)", "6,50", "4"}));
    EXPECT_EQ(Grille.GetHauteur(), 19 * 4);
    VerifieCouleurs(1, Marine, Blanc);
    EXPECT_EQ(Grille.GetBlason(1, 3), 1001);
    // Every rating fits: the reports are shown and stay empty.
    EXPECT_TRUE(Bas.GetVisible());
    EXPECT_EQ(Bas.GetHaut(), 76 + 8);
    EXPECT_EQ(Bas.GetHauteur(), 213 - 76 - 24);
    EXPECT_EQ(Tout(Bas) + Tout(Cote), "");

    // Room for one row while two share the best average: one row all the same.
    TClassJoueur::Affiche(s, G::NotesJoueurs, 51, 800, &Cote, &Bas, Grille);
    ASSERT_EQ(Grille.GetRowCount(), 2);
    EXPECT_EQ(Grille.GetTexte(1, 1), "Olivier Giroud (Lyon)");
    ASSERT_EQ(Cote.GetNbLigne(), 2);
    EXPECT_EQ(Decoupe(Cote, 1), (Morceaux{{"2.  Mbappe", 14}, {" (Lyon). 7,50\r", 11}}));
    EXPECT_EQ(Decoupe(Cote, 2), (Morceaux{{"3.  Cantona", 14}, {" (Lyon). 6,50\r", 11}}));

    // No goalkeeper rated: the empty display.
    TClassJoueur::Affiche(s, G::NotesGardiens, 213, 800, &Cote, &Bas, Grille);
    ASSERT_EQ(Grille.GetRowCount(), 2);
    EXPECT_EQ(Ligne(1), (Textes{"", "Aucun", "", "0"}));
    VerifieCouleurs(1, Blanc, Marine);
    EXPECT_FALSE(Grille.GetSelectionVisible());
    EXPECT_EQ(Grille.GetHauteur(), 51);
    EXPECT_FALSE(Cote.GetVisible());
    EXPECT_FALSE(Bas.GetVisible());
}

TEST_F(AffichageJoueurs, BasketAveragesShowTwoDecimalsInTheGridAndOneInTheClubGrid)
{
    TSaisonFootball s;
    s.AjouteEquipe("Pau", 1);
    s.AjouteEquipe("Nancy", 2);
    auto c = std::make_unique<TDonneesChampionnatBasket>(&s);
    c->CodeChamp = 5;
    c->AjouteEquipe(1), c->AjouteEquipe(2);
    c->SetNbMatch(1), c->SetNbJour(2);
    c->NbJournee = 2;
    c->SetOption(10, 1);
    TDonneesChampionnatBasket* basket = c.get();
    s.AjouteChampionnat(std::move(c));
    s.SetNumChampCourant(1);
    s.Joueurs().AjouteSimple(s.CreeJoueur("Parker", "Tony", 7, 1));
    for (int jour = 1; jour <= 2; ++jour) {
        basket->AjouteMatch(jour, 1, 2, -1, 80, 70);
        basket->GetStatJournee(jour, 1)->Ajoute(std::make_unique<TDonneesEvt>(7, 1, jour == 1 ? 12 : 13));
    }
    TClassJoueur::Affiche(s, 14, 213, 800, &Cote, &Bas, Grille);
    ASSERT_EQ(Grille.GetColCount(), 6);
    EXPECT_EQ(Largeurs(), (std::vector<int>{20, 200, 30, 0, 30, 40}));
    EXPECT_EQ(Ligne(0), (Textes{"", "Joueur", "MJ", "", "Pts", "Moy."}));
    EXPECT_EQ(Ligne(1), (Textes{"1", "Tony Parker (Pau)", "2", "7", "25", "12,50"}));

    TModeleGrille equipe;
    TClassJoueur::AfficheEquipe(s, 1, true, equipe, 14);
    EXPECT_EQ(equipe.GetTexte(2, 0), "Pts");
    EXPECT_EQ(equipe.GetTexte(2, 1), "12,5");
}

TEST_F(AffichageJoueurs, ClubGridListsEveryPlayerWithoutPlaces)
{
    Saison s;
    DouzeButeurs(s);
    TClassJoueur::AfficheEquipe(s, Lyon, true, Grille, G::Buteurs);
    ASSERT_EQ(Grille.GetRowCount(), 6);
    EXPECT_EQ(Largeurs(), (std::vector<int>{20, 140, 70, 0}));
    EXPECT_EQ(Grille.GetDefaultRowHeight(), 15);
    EXPECT_EQ(Ligne(0), (Textes{"", "Joueur", "Buts", ""}));
    EXPECT_EQ(Ligne(1), (Textes{"M", "Golf Gus", "5", "7"}));
    EXPECT_EQ(Ligne(3), (Textes{"M", "India Ian", "5", "9"})); // no tie sign
    EXPECT_EQ(Ligne(5), (Textes{"M", "Bernard Bruno", "4", "11"}));
    VerifieCouleurs(1, Blanc, 0);
    VerifieCouleurs(2, Zebre, 0); // the followed team is not highlighted here
    EXPECT_EQ(Grille.GetRow(), 1);
    EXPECT_EQ(Grille.GetCol(), 1);

    TClassJoueur::AfficheEquipe(s, Lyon, true, Grille, G::Avertis);
    ASSERT_EQ(Grille.GetRowCount(), 2);
    EXPECT_EQ(Ligne(0), (Textes{"", "Joueur", "Cartons jaunes", ""}));
    EXPECT_EQ(Ligne(1), (Textes{"", "Aucun", "", "0"}));
    EXPECT_EQ(Grille.GetCouleurTexte(1, 1), 0);
    EXPECT_EQ(Grille.GetCouleurTexte(0, 1), Marine);
    EXPECT_TRUE(Grille.GetSelectionVisible());
}

// --- Referees ---

struct SaisonArbitres : Saison {
    SaisonArbitres()
    {
        const int italie = AjoutePays("Italie");
        auto collina = std::make_unique<TPersonnelStat>("Collina", "Pierluigi", 0, 1);
        collina->CodePays = static_cast<uint16_t>(italie);
        Arbitres().Ajoute(std::move(collina));
        Arbitres().Ajoute(std::make_unique<TPersonnelStat>("Busacca", "Massimo", 0, 2));
        Joueur(11, "Martin", "Paul", Lyon);
        for (int jour = 1; jour <= 3; ++jour) {
            Champ->AjouteMatch(jour, Lyon, Brest, -1, 1, 0);
            Champ->SetArbitre(jour, 1, 1, jour < 3 ? 1 : 2);
        }
        // 37 cautions in Collina's two matches, two in Busacca's one.
        for (int i = 0; i < 37; ++i)
            Carton(1 + i % 2, 10);
        Carton(3, 20), Carton(3, 30);
    }
    void Carton(int jour, uint16_t mot)
    {
        Champ->GetCartonsJournee(jour)->Ajoute(std::make_unique<TDonneesEvt>(11, Lyon, mot));
    }
};

TEST_F(AffichageJoueurs, RefereeRatiosKeepTheirTwoDecimals)
{
    SaisonArbitres s;
    TClassArbitre::Affiche(s, 1, 213, 800, &Cote, &Bas, Grille);
    ASSERT_EQ(Grille.GetRowCount(), 3);
    EXPECT_EQ(Largeurs(), (std::vector<int>{20, 220, 100, 0}));
    EXPECT_EQ(Grille.GetLargeur(), 360);
    EXPECT_EQ(Grille.GetHauteur(), 61);
    EXPECT_EQ(Ligne(0), (Textes{"", "Arbitre", "Avertissements", ""}));
    EXPECT_EQ(Grille.GetAlignementH(1, 0), 0);
    // 37 x 100 div 2 = 1850; 2 x 100 div 1 = 200.
    EXPECT_EQ(Ligne(1), (Textes{"1", "Pierluigi Collina (Italie)", "18,50", "1"}));
    EXPECT_EQ(Ligne(2), (Textes{"2", "Massimo Busacca", "2,00", "2"}));
    VerifieCouleurs(1, Blanc, 0); // Lyon is followed, referees never are
    VerifieCouleurs(2, Zebre, 0);
    EXPECT_TRUE(Bas.GetVisible());
    EXPECT_EQ(Tout(Bas) + Tout(Cote), "");

    ChoisitLangueNombres("en");
    TClassArbitre::Affiche(s, 1, 213, 800, &Cote, &Bas, Grille);
    EXPECT_EQ(Grille.GetTexte(2, 1), "18.50");
    ChoisitLangueNombres("fr");

    // Room for one row, and the first ratio is not above the one at the
    // limit: no row, every referee in the report from place 1.
    TClassArbitre::Affiche(s, 1, 51, 700, &Cote, &Bas, Grille);
    EXPECT_EQ(Grille.GetRowCount(), 1);
    EXPECT_FALSE(Bas.GetVisible());
    ASSERT_EQ(Cote.GetNbLigne(), 2);
    EXPECT_EQ(Decoupe(Cote, 1), (Morceaux{{"1. ", 14}, {" Collina", 15}, {". 18,50\r", 11}}));
    EXPECT_EQ(Decoupe(Cote, 2), (Morceaux{{"2. ", 14}, {" Busacca", 15}, {". 2,00\r", 11}}));

    // Nothing counted: the empty display.
    TClassArbitre::Affiche(s, 0, 213, 800, &Cote, &Bas, Grille);
    EXPECT_EQ(Ligne(0), (Textes{"", "Arbitre", "Penaltys sifflés", ""}));
    EXPECT_EQ(Ligne(1), (Textes{"", "Aucun", "", "0"}));
    EXPECT_FALSE(Grille.GetSelectionVisible());
    EXPECT_FALSE(Cote.GetVisible());
}

// A championship whose matches name no referee says so in its empty ranking;
// one with referees who gave nothing keeps the plain "None".
TEST_F(AffichageJoueurs, AnEmptyRefereeRankingSaysWhetherAnyRefereeIsGiven)
{
    Saison s;
    s.Arbitres().Ajoute(std::make_unique<TPersonnelStat>("Busacca", "Massimo", 0, 2));
    s.Champ->AjouteMatch(1, Lyon, Brest, -1, 1, 0);
    for (int genre = 0; genre <= 3; ++genre) {
        TClassArbitre::Affiche(s, genre, 213, 800, &Cote, &Bas, Grille);
        ASSERT_EQ(Grille.GetRowCount(), 2);
        EXPECT_EQ(Grille.GetTexte(1, 1), Traduit(3266)) << genre;
        EXPECT_FALSE(Cote.GetVisible());
    }
    s.Champ->SetArbitre(1, 1, 1, 2);
    TClassArbitre::Affiche(s, 2, 213, 800, &Cote, &Bas, Grille);
    EXPECT_EQ(Grille.GetTexte(1, 1), "Aucun");
}

TEST(ClassArbitre, MergedFiguresKeepTheRatioOrder)
{
    std::vector<TLigneArbitre> l;
    TClassArbitre::AjouteArbitre(l, 1, 2, 4); // 50
    TClassArbitre::AjouteArbitre(l, 2, 3, 3); // 100
    TClassArbitre::AjouteArbitre(l, 3, 1, 2); // 50, after the other 50
    TClassArbitre::AjouteArbitre(l, 4, 3, 0); // a count but no match: 0
    auto ordre = [&] {
        std::vector<std::pair<int, int>> v;
        for (const auto& a : l)
            v.emplace_back(a.Arbitre, a.Ratio);
        return v;
    };
    using P = std::vector<std::pair<int, int>>;
    EXPECT_EQ(ordre(), (P{{2, 100}, {1, 50}, {3, 50}, {4, 0}}));
    // Another championship: referee 1 now 8 out of 6.
    TClassArbitre::AjouteArbitre(l, 1, 6, 2);
    EXPECT_EQ(ordre(), (P{{1, 133}, {2, 100}, {3, 50}, {4, 0}}));
    EXPECT_EQ(l[0].Nombre, 8);
    EXPECT_EQ(l[0].Matchs, 6);
}

} // namespace
