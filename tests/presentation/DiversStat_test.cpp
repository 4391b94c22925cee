#include "presentation/DiversStat.h"

#include "base/Contraste.h"
#include "base/Texte.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/Personnels.h"
#include "model/SaisonFoot.h"
#include "presentation/ModeleEditeur.h"
#include "presentation/ModeleGrille.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace DiversStat;

struct DiversStatTest : ::testing::Test {
    TSaisonFootball Saison;

    DiversStatTest()
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        for (int i = 0; i < 6; ++i)
            Saison.AjouteEquipe(std::string(1, static_cast<char>('A' + i)), i);
    }
    ~DiversStatTest() override { InstalleTraducteur(nullptr); }

    // A championship of clubs 0..5 (id Code), three matches a day over Jours days.
    TDonneesChampionnat& Championnat(int Code, int Jours)
    {
        auto c = std::make_unique<TDonneesChampionnatFootball>(&Saison);
        c->CodeChamp = Code;
        for (uint16_t id = 0; id < 6; ++id)
            c->AjouteEquipe(id);
        c->SetNbJour(Jours);
        c->SetNbMatch(3);
        TDonneesChampionnat& r = *c;
        Saison.AjouteChampionnat(std::move(c));
        Saison.SetNumChampCourant(1);
        return r;
    }

    static std::vector<std::string> Colonne(const TModeleGrille& G, int c)
    {
        std::vector<std::string> t;
        for (int r = 1; r < G.GetRowCount(); ++r)
            t.push_back(G.GetTexte(c, r));
        return t;
    }
};

TEST_F(DiversStatTest, OutstandingMatchesLeaveOutDaysMostlyUnplayed)
{
    TDonneesChampionnat& C = Championnat(1, 4);
    const uint16_t X = TInfoComp::Aucun;
    // Day 1 all played; day 2 one postponed; day 3 two of three outstanding;
    // day 4 nothing played.
    C.AjouteMatch(1, 0, 1, -1, 1, 0), C.AjouteMatch(1, 2, 3, -1, 1, 0), C.AjouteMatch(1, 4, 5, -1, 1, 0);
    C.AjouteMatch(2, 0, 2, -1, 1, 0), C.AjouteMatch(2, 1, 4, -1, X, X), C.AjouteMatch(2, 3, 5, -1, 2, 2);
    C.AjouteMatch(3, 0, 3, -1, X, X), C.AjouteMatch(3, 1, 5, -1, X, X), C.AjouteMatch(3, 2, 4, -1, 0, 0);
    C.AjouteMatch(4, 0, 4, -1, X, X), C.AjouteMatch(4, 1, 3, -1, X, X), C.AjouteMatch(4, 2, 5, -1, X, X);
    C.JourneeJouee = 4;
    TModeleGrille G;
    AfficherListeMatchs(G, Saison, C);
    EXPECT_EQ(G.GetTexte(0, 0), Traduit(85));
    EXPECT_EQ(Colonne(G, 0), (std::vector<std::string>{"2", "3", "-"}));
    EXPECT_EQ(Colonne(G, 1), (std::vector<std::string>{"B - E", "A - D", "B - F"}));
    EXPECT_EQ(G.GetCouleurTexte(1, 1), TColor(0x800000));
}

// The outstanding matches and the players sent off per day say why they are
// empty; a view with something to show has no such line.
TEST_F(DiversStatTest, EmptyListsSayThereIsNothingOfTheirKind)
{
    TDonneesChampionnat& C = Championnat(1, 2);
    const uint16_t X = TInfoComp::Aucun;
    C.AjouteMatch(1, 0, 1, -1, 1, 0), C.AjouteMatch(1, 2, 3, -1, 1, 0), C.AjouteMatch(1, 4, 5, -1, 1, 0);
    C.AjouteMatch(2, 0, 2, -1, 1, 0), C.AjouteMatch(2, 1, 4, -1, 0, 0), C.AjouteMatch(2, 3, 5, -1, 2, 2);
    C.JourneeJouee = 2;
    TModeleGrille G;
    AfficherListeMatchs(G, Saison, C);
    EXPECT_EQ(G.GetRowCount(), 1);
    EXPECT_EQ(LigneVide(GenreListeMatchs, 0, G, C), Traduit(3268));
    AfficherStatParJournee(G, Saison, C, 1, false);
    EXPECT_EQ(LigneVide(GenreStatParJournee, 1, G, C), Traduit(3267));
    // Goals per day are not a want of data.
    AfficherStatParJournee(G, Saison, C, 2, false);
    EXPECT_EQ(LigneVide(GenreStatParJournee, 2, G, C), "");

    // A yellow card is no sending-off; a red card on a played day is.
    C.GetCartonsJournee(2)->Ajoute(std::make_unique<TDonneesEvt>(7, 3, 60));
    EXPECT_EQ(LigneVide(GenreStatParJournee, 1, G, C), Traduit(3267));
    C.GetCartonsJournee(2)->Ajoute(std::make_unique<TDonneesEvt>(7, 3, Evt::ContreCamp | 80));
    EXPECT_EQ(LigneVide(GenreStatParJournee, 1, G, C), "");

    // One match postponed on a played day.
    TDonneesChampionnat& D = Championnat(2, 2);
    D.AjouteMatch(1, 0, 1, -1, 1, 0), D.AjouteMatch(1, 2, 3, -1, X, X), D.AjouteMatch(1, 4, 5, -1, 1, 0);
    D.JourneeJouee = 1;
    AfficherListeMatchs(G, Saison, D);
    EXPECT_EQ(G.GetRowCount(), 2);
    EXPECT_EQ(LigneVide(GenreListeMatchs, 0, G, D), "");
}

TEST_F(DiversStatTest, IncompletePlayersWithATeam)
{
    auto Ajoute = [&](const char* Nom, const char* Prenom, int Id, uint8_t Age, uint16_t Equipe) {
        auto J = Saison.CreeJoueur(Nom, Prenom, Id, Equipe);
        J->Age = Age;
        Saison.Joueurs().AjouteSimple(std::move(J));
    };
    Ajoute("Complet", "Jean", 1, 90, 0);
    Ajoute("SansPrenom", "", 2, 91, 1);
    Ajoute("SansAge", "Paul", 3, 0, 2);
    Ajoute("SansClub", "", 4, 0, 65535);
    TModeleGrille G;
    AfficherListeJoueurs(G, Saison);
    // In the registry's order (by name).
    EXPECT_EQ(Colonne(G, 0), (std::vector<std::string>{"SansAge", "SansPrenom"}));
    EXPECT_EQ(Colonne(G, 2), (std::vector<std::string>{"-", "91"}));
    EXPECT_EQ(Colonne(G, 3), (std::vector<std::string>{"C", "B"}));
    EXPECT_EQ(Colonne(G, 4), (std::vector<std::string>{"3", "2"}));
    EXPECT_EQ(G.GetLargeurColonne(4), 0);
    // A player moved to no team is shown without club; an unknown id writes nothing.
    Saison.Joueurs().ChercheId(3)->SetEquipe(65535);
    EXPECT_TRUE(RemplitLigneJoueur(G, 1, Saison, 3));
    EXPECT_EQ(G.GetTexte(3, 1), Traduit(82));
    EXPECT_FALSE(RemplitLigneJoueur(G, 2, Saison, 99));
}

TEST_F(DiversStatTest, TheCalendarOfADateAndWhereItsLinksLead)
{
    const TDateMatch Samedi = EncodeDateMatch(21, 9, 2024);
    TDonneesChampionnat& Ligue = Championnat(10, 3);
    Ligue.SetOption(11, 4); // match dates
    // Day 2's match and day 3's match both on Saturday.
    Ligue.AjouteMatchDate(1, 0, 1, EncodeDateMatch(14, 9, 2024), -1, 1, 0);
    Ligue.AjouteMatchDate(2, 2, 3, Samedi, -1, 2, 1);
    Ligue.AjouteMatchDate(3, 4, 5, Samedi, -1, TInfoComp::Aucun, TInfoComp::Aucun);
    TDonneesChampionnat& Coupe = Championnat(20, 1);
    Coupe.SetOption(11, 1);
    Coupe.AjouteMatchDate(1, 1, 2, Samedi, -1, 0, 0);
    TDonneesChampionnat& SansDate = Championnat(30, 1);
    SansDate.AjouteMatchDate(1, 3, 4, Samedi, -1, 0, 0);

    TModeleGrille G;
    AfficherCalendrier(G, Saison, Samedi, false);
    EXPECT_EQ(Colonne(G, 1), (std::vector<std::string>{"C - D : 2 - 1", "E - F"}));
    EXPECT_EQ(G.GetTexte(0, 1), "21/09/2024");
    AfficherCalendrier(G, Saison, Samedi, true);
    EXPECT_EQ(Colonne(G, 1), (std::vector<std::string>{"C - D : 2 - 1", "E - F", "", "B - C : 0 - 0"}));
    EXPECT_TRUE(G.GetLien(1, 1));

    // The unplayed Saturday match is day 3's first: the pre-match sheet of day 3.
    TLienCalendrier Lien = LienCalendrier(G.GetDonnee(1, 2));
    EXPECT_EQ(Lien.IdChampionnat, 10);
    EXPECT_FALSE(Lien.Joue);
    int Code = 0, Param = 0;
    ASSERT_TRUE(CibleCalendrier(Saison, Samedi, Lien, Code, Param));
    EXPECT_EQ(Code, 19);
    EXPECT_EQ(Param, (3 << 8) + 0);
    Lien = LienCalendrier(G.GetDonnee(1, 1));
    EXPECT_TRUE(Lien.Joue);
    ASSERT_TRUE(CibleCalendrier(Saison, Samedi, Lien, Code, Param));
    EXPECT_EQ(Code, 14);
    EXPECT_EQ(Param, (2 << 8) + 1);
    Lien = LienCalendrier(G.GetDonnee(1, 4));
    EXPECT_EQ(Lien.IdChampionnat, 20);
    EXPECT_FALSE(CibleCalendrier(Saison, EncodeDateMatch(1, 1, 2024), Lien, Code, Param));

    // The current championship without a dated match: one empty row.
    Saison.SetNumChampCourant(3);
    AfficherCalendrier(G, Saison, Samedi, false);
    EXPECT_EQ(G.GetRowCount(), 2);
    EXPECT_EQ(G.GetTexte(1, 1), "");
}

TEST_F(DiversStatTest, ResultsOfADayWithScorersSideBySide)
{
    TDonneesChampionnat& C = Championnat(1, 2);
    C.SetOption(4, 3);
    C.AjouteMatch(1, 0, 1, -1, 2, 1), C.AjouteMatch(1, 2, 3, -1, 0, 0), C.AjouteMatch(1, 4, 5, -1, 1, 0);
    C.SetAffluence(1, 1, 1200);
    C.AjouteMatch(2, 0, 2, -1, TInfoComp::Aucun, TInfoComp::Aucun);
    C.JourneeJouee = 1;
    auto J = Saison.CreeJoueur("Buteur", "Jean", 7, 0);
    Saison.Joueurs().AjouteSimple(std::move(J));
    TListeDonnees* L = C.GetButeursJournee(1);
    L->Ajoute(std::make_unique<TDonneesEvt>(7, 0, 23));
    L->Ajoute(std::make_unique<TDonneesEvt>(7, 0, 60));
    L->Ajoute(std::make_unique<TDonneesEvt>(7, 0, Evt::ContreCamp | 30));
    L->Ajoute(std::make_unique<TDonneesEvt>(7, 0, Evt::PenaltyManque | 10));
    TModeleGrille G;
    AfficherJourneeSimple(G, Saison, C, 1);
    EXPECT_EQ(G.GetTexte(0, 1), "A (1)");
    EXPECT_TRUE(G.GetGras(0, 1));
    EXPECT_FALSE(G.GetGras(2, 1));
    EXPECT_EQ(G.GetTexte(1, 1), "2-1");
    EXPECT_EQ(G.GetDonnee(1, 1), 1);
    EXPECT_EQ(G.GetDonnee(0, 1), 0); // the team id
    EXPECT_EQ(G.GetTexte(3, 1), "1200");
    // Scorer rows under the match; the first-half score leaves the missed penalty out.
    // The own goal is in the list of the side of its team's event.
    EXPECT_EQ(G.GetTexte(1, 2), "(2-0)");
    std::string Tout;
    for (int r = 2; r <= 5; ++r)
        Tout += G.GetTexte(0, r) + "|" + G.GetTexte(2, r) + "|";
    EXPECT_NE(Tout.find("   Buteur (23)"), std::string::npos);
    EXPECT_NE(Tout.find("   Buteur (60)"), std::string::npos);
    EXPECT_NE(Tout.find("Buteur (" + Traduit(225) + " 30)"), std::string::npos);
    EXPECT_NE(Tout.find("Buteur (" + Traduit(301) + ")"), std::string::npos);
    EXPECT_EQ(G.GetDonnee(0, 2), 7 << 16);
    // Day 2: not played, an empty score cell and no attendance.
    AfficherJourneeSimple(G, Saison, C, 2);
    // Every match slot of the day gives a row, teams unknown or not.
    ASSERT_EQ(G.GetRowCount(), 4);
    EXPECT_EQ(G.GetTexte(0, 1), "A (1)");
    EXPECT_EQ(G.GetTexte(1, 1), "");
    EXPECT_EQ(G.GetTexte(0, 2), "");
    AfficherJourneeSimple(G, Saison, C, 9);
    EXPECT_EQ(G.GetRowCount(), 1);
}

TEST_F(DiversStatTest, PlayersOfADayByTeamName)
{
    TDonneesChampionnat& C = Championnat(1, 2);
    C.AjouteMatch(1, 3, 0, -1, 2, 1), C.AjouteMatch(1, 2, 1, -1, 0, 0);
    Saison.Joueurs().AjouteSimple(Saison.CreeJoueur("Dubois", "Jean", 7, 3));
    TListeDonnees* B = C.GetButeursJournee(1);
    B->Ajoute(std::make_unique<TDonneesEvt>(7, 3, 70));
    B->Ajoute(std::make_unique<TDonneesEvt>(7, 3, Evt::Penalty | 12));
    B->Ajoute(std::make_unique<TDonneesEvt>(7, 3, Evt::PenaltyManque | 50));
    B->Ajoute(std::make_unique<TDonneesEvt>(65535, 0, 33));
    TListeDonnees* Cartons = C.GetCartonsJournee(1);
    Cartons->Ajoute(std::make_unique<TDonneesEvt>(7, 3, Evt::ContreCamp | 80));
    TModeleGrille G;
    AfficherJourneeJoueurs(G, Saison, C, 1, 1);
    EXPECT_EQ(G.GetTexte(1, 0), Traduit(498));
    EXPECT_EQ(Colonne(G, 0), (std::vector<std::string>{"A", "B", "C", "D", ""}));
    EXPECT_EQ(Colonne(G, 1),
              (std::vector<std::string>{" (33\xC2\xB0)", Traduit(108), Traduit(108),
                                        "Dubois (12\xC2\xB0 " + Traduit(314) + ")", "Dubois (70\xC2\xB0)"}));
    EXPECT_EQ(G.GetDonnee(1, 4), 7);
    EXPECT_FALSE(G.GetLien(1, 1));
    AfficherJourneeJoueurs(G, Saison, C, 1, 3);
    EXPECT_EQ(G.GetTexte(1, 0), Traduit(975));
    EXPECT_EQ(Colonne(G, 1),
              (std::vector<std::string>{Traduit(108), Traduit(108), Traduit(108), "Dubois (80\xC2\xB0)"}));
    AfficherJourneeJoueurs(G, Saison, C, 1, 2);
    EXPECT_EQ(Colonne(G, 1), (std::vector<std::string>(4, Traduit(108))));
}

TEST_F(DiversStatTest, AttendancesOfADayAndTheirSummary)
{
    TDonneesChampionnat& C = Championnat(1, 2);
    C.AjouteMatch(1, 0, 1, -1, 2, 1), C.AjouteMatch(1, 2, 3, -1, 0, 0), C.AjouteMatch(1, 4, 5, -1, 1, 0);
    C.SetAffluence(1, 1, 1000);
    C.SetAffluence(1, 3, 500);
    TModeleGrille G;
    EXPECT_EQ(AfficherJourneeSpectateur(G, Saison, C, 1), TraduitFmt(341, {1500, 750}));
    EXPECT_EQ(Colonne(G, 0), (std::vector<std::string>{"A - B", "E - F"}));
    EXPECT_EQ(AfficherJourneeSpectateur(G, Saison, C, 2), TraduitFmt(341, {0, 0}));
    EXPECT_EQ(G.GetRowCount(), 1);
}

} // namespace

namespace {

struct DiversStatRapport : DiversStatTest {
    // The lines of the report, and their first colour.
    static std::vector<std::pair<std::string, int>> Lignes(const TModeleEditeur& E)
    {
        std::vector<std::pair<std::string, int>> V;
        for (int n = 1; n <= E.GetNbLigne(); ++n) {
            const TLigneEditeur* L = E.GetLigne(n);
            V.emplace_back(L->Texte, L->Couleurs.empty() ? -1 : L->Couleurs[0]);
        }
        return V;
    }
};

TEST_F(DiversStatRapport, DetailedReportOnScreenAndInHtml)
{
    TDonneesChampionnat& C = Championnat(1, 2);
    C.AjouteMatch(1, 0, 1, -1, 2, 1), C.AjouteMatch(1, 2, 3, -1, 0, 0), C.AjouteMatch(1, 4, 5, -1, 0, 0);
    C.SetAffluence(1, 1, 1200);
    Saison.Arbitres().Ajoute(std::make_unique<TPersonnel>("Sifflet", "Paul", 40, 3));
    C.SetArbitre(1, 1, 1, 3);
    Saison.Joueurs().AjouteSimple(Saison.CreeJoueur("Dubois", "Jean", 7, 0));
    Saison.Joueurs().AjouteSimple(Saison.CreeJoueur("Martin", "Luc", 8, 1));
    TListeDonnees* B = C.GetButeursJournee(1);
    B->Ajoute(std::make_unique<TDonneesEvt>(7, 0, 12));
    B->Ajoute(std::make_unique<TDonneesEvt>(7, 0, Evt::Penalty | 56));
    B->Ajoute(std::make_unique<TDonneesEvt>(8, 1, 80));
    C.GetCartonsJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(8, 1, Evt::ContreCamp | 85));
    C.GetCartonsJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(7, 0, 30));
    TCouleursDetail Couleurs;
    Couleurs = {1, 2, 3, 4, 5, 6};
    TModeleEditeur E;
    AfficherJourneeDetail(E, Saison, C, 1, false, Couleurs);
    const auto L = Lignes(E);
    ASSERT_GE(L.size(), 7u);
    EXPECT_EQ(L[0], std::make_pair(std::string("A - B : 2 - 1"), 1));
    EXPECT_EQ(L[1], std::make_pair(Traduit(920) + " : Paul Sifflet", 2));
    EXPECT_EQ(L[2], std::make_pair(Traduit(51) + " : 1200", 2));
    EXPECT_EQ(L[3].first, "  " + Traduit(498) + " : Dubois (12\xC2\xB0, 56\xC2\xB0 " + Traduit(314) + ")" +
                              TraduitFmt(340, {"A", 2}));
    EXPECT_EQ(L[3].second, 3);
    EXPECT_EQ(L[4].first, "  " + Traduit(498) + " : Martin (80\xC2\xB0)" + TraduitFmt(340, {"B", 1}));
    EXPECT_EQ(L[5], std::make_pair("  " + Traduit(974) + " : Dubois (30\xC2\xB0)" + TraduitFmt(340, {"A", 1}), 4));
    EXPECT_EQ(L[6], std::make_pair("  " + Traduit(975) + " : Martin (85\xC2\xB0)" + TraduitFmt(340, {"B", 1}), 5));
    EXPECT_EQ(L[7].first, "C - D : 0 - 0");
    EXPECT_EQ(E.GetTexteHtml().find("<hr/>"), std::string::npos);

    // The HTML form: a rule before every match but the first, bold titles,
    // the season's texts escaped around them.
    Saison.SetNomEquipe(0, "A<&>");
    AfficherJourneeDetail(E, Saison, C, 1, true, Couleurs);
    const std::string Html = E.GetTexteHtml();
    EXPECT_EQ(Html.rfind("<b><FONT COLOR=#000080>A&lt;&amp;&gt; - B : 2 - 1</FONT></b><BR>", 0), 0u);
    const size_t Regle = Html.find("<hr/><BR><b><FONT COLOR=#000080>C - D : 0 - 0</FONT></b>");
    EXPECT_NE(Regle, std::string::npos);
    EXPECT_NE(Html.find("<hr/><BR><b><FONT COLOR=#000080>E - F"), std::string::npos);
    EXPECT_EQ(Html.find("<hr/>"), Regle);
    // A day outside the calendar: an empty report.
    AfficherJourneeDetail(E, Saison, C, 5, true, Couleurs);
    EXPECT_EQ(E.GetNbLigne(), 0);
}

TEST_F(DiversStatRapport, TopScorerOfEachTeamOfABasketDay)
{
    auto c = std::make_unique<TDonneesChampionnatBasket>(&Saison);
    c->CodeChamp = 4;
    for (uint16_t id = 0; id < 4; ++id)
        c->AjouteEquipe(id);
    c->SetNbJour(2);
    c->SetNbMatch(2);
    TDonneesChampionnatBasket& C = *c;
    Saison.AjouteChampionnat(std::move(c));
    C.AjouteMatch(1, 1, 0, -1, 80, 75), C.AjouteMatch(1, 2, 3, -1, 90, 60);
    Saison.Joueurs().AjouteSimple(Saison.CreeJoueur("Grand", "Ali", 7, 0));
    Saison.Joueurs().AjouteSimple(Saison.CreeJoueur("Petit", "Bob", 8, 0));
    Saison.Joueurs().AjouteSimple(Saison.CreeJoueur("Vif", "Cyd", 9, 2));
    TListeDonnees* Points = C.GetStatJournee(1, 1);
    Points->Ajoute(std::make_unique<TDonneesEvt>(7, 0, 12));
    Points->Ajoute(std::make_unique<TDonneesEvt>(8, 0, 31));
    Points->Ajoute(std::make_unique<TDonneesEvt>(9, 2, 8));
    TModeleGrille G;
    AfficherJourneeRealisateur(G, Saison, C, 1);
    EXPECT_EQ(G.GetTexte(1, 0), Traduit(107));
    EXPECT_EQ(Colonne(G, 0), (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(Colonne(G, 1), (std::vector<std::string>{"Bob Petit", Traduit(108), "Cyd Vif", Traduit(108)}));
    EXPECT_EQ(Colonne(G, 2), (std::vector<std::string>{"31", "", "8", ""}));
    // The detailed report of a basketball day: the shooting lines.
    TModeleEditeur E;
    AfficherJourneeDetail(E, Saison, C, 1, false);
    std::vector<std::string> Lignes;
    for (int n = 1; n <= E.GetNbLigne(); ++n)
        Lignes.push_back(E.GetLigne(n)->Texte);
    const auto Titre = std::find(Lignes.begin(), Lignes.end(), TraduitFmt(647, {"A", 75}));
    ASSERT_NE(Titre, Lignes.end());
    ASSERT_LT(Titre + 2, Lignes.end());
    // The players by name.
    EXPECT_EQ(Titre[1].rfind("  Ali Grand 12 " + Traduit(50) + " (", 0), 0u) << Titre[1];
    EXPECT_EQ(Titre[2].rfind("  Bob Petit 31 ", 0), 0u) << Titre[2];
    // Another sport lists no entries.
    TDonneesChampionnat& Foot = Championnat(5, 1);
    Foot.AjouteMatch(1, 0, 1, -1, 1, 0);
    AfficherJourneeRealisateur(G, Saison, Foot, 1);
    EXPECT_EQ(Colonne(G, 1), (std::vector<std::string>{Traduit(108), Traduit(108)}));
}

} // namespace

namespace {

struct DiversStatEquipes : DiversStatTest {
    // Days 1 to 3 of a league of A..F, each result telling the standings:
    // after day 1 A, C, E, F, D, B; after day 2 C, E, A, F, D, B; after day 3
    // C, A, E, B, F, D.
    TDonneesChampionnat& TroisJournees()
    {
        TDonneesChampionnat& C = Championnat(1, 4);
        C.SetOption(4, 3), C.SetOption(5, 1);
        C.AjouteMatch(1, 0, 1, -1, 3, 0), C.AjouteMatch(1, 2, 3, -1, 2, 0), C.AjouteMatch(1, 4, 5, -1, 1, 0);
        C.AjouteMatch(2, 0, 2, -1, 0, 3), C.AjouteMatch(2, 1, 4, -1, 0, 0), C.AjouteMatch(2, 3, 5, -1, 0, 0);
        C.AjouteMatch(3, 2, 4, -1, 0, 0), C.AjouteMatch(3, 0, 3, -1, 1, 0), C.AjouteMatch(3, 1, 5, -1, 1, 0);
        C.JourneeJouee = 3;
        return C;
    }
    static std::string Repete(const std::string& t, int n)
    {
        std::string r;
        for (int i = 0; i < n; ++i)
            r += t;
        return r;
    }
};

TEST_F(DiversStatEquipes, TeamFormKeepsTheLatestResultsThatFit)
{
    // A at home on odd days wins them, away on even days loses them.
    TDonneesChampionnat& C = Championnat(1, 20);
    for (int d = 1; d <= 20; ++d) {
        if (d % 2 == 1)
            C.AjouteMatch(d, 0, 1, -1, 1, 0);
        else
            C.AjouteMatch(d, 1, 0, -1, 1, 0);
        C.AjouteMatch(d, 2, 3, -1, 2, 2);
    }
    C.JourneeJouee = 20;
    const std::string V = Traduit(612), N = Traduit(613), D = Traduit(614);
    TModeleGrille G;
    AfficherFormeEquipe(G, Saison, C);
    ASSERT_EQ(G.GetColCount(), 4);
    EXPECT_EQ(G.GetRowCount(), 7);
    EXPECT_EQ(G.GetTexte(0, 1), "A");
    // Days 3 to 20, oldest first; the home letters upper-cased.
    EXPECT_EQ(G.GetTexte(1, 1), Repete(Majuscules(V) + D, 9));
    EXPECT_EQ(G.GetTexte(2, 1), Repete(Majuscules(V), 10));
    EXPECT_EQ(G.GetTexte(3, 1), Repete(D, 10));
    EXPECT_EQ(G.GetTexte(1, 2), Repete(D + Majuscules(V), 9));
    // C always at home, D always away.
    EXPECT_EQ(G.GetTexte(1, 3), Repete(Majuscules(N), 18));
    EXPECT_EQ(G.GetTexte(1, 4), Repete(N, 18));
    EXPECT_EQ(G.GetTexte(1, 5), "");
    // The letters stay readable on both stripes.
    for (int R = 1; R < G.GetRowCount(); ++R)
        for (int C = 1; C < G.GetColCount(); ++C)
            EXPECT_GE(Contraste(G.GetCouleurTexte(C, R), G.GetCouleurFond(C, R)), 3.0) << C << "," << R;
    // Neutral grounds: two columns, no upper case.
    C.SetOption(11, 2);
    AfficherFormeEquipe(G, Saison, C);
    ASSERT_EQ(G.GetColCount(), 2);
    EXPECT_EQ(G.GetTexte(1, 1), Repete(V + D, 9));
    // Dates per day, day 1 the latest: the letters follow the dates.
    C.SetOption(11, 1);
    for (int d = 1; d <= 20; ++d)
        C.GetJournees().SetDateJournee(d, EncodeDateMatch(static_cast<uint8_t>(30 - d), 3, 2025));
    AfficherFormeEquipe(G, Saison, C);
    EXPECT_EQ(G.GetTexte(1, 1), Repete(D + Majuscules(V), 9));
}

TEST_F(DiversStatEquipes, HomeBehaviourSmallestShareDroppedFirst)
{
    TDonneesChampionnat& C = TroisJournees();
    C.SetOption(10, 4);
    TModeleGrille G;
    AfficherComportementDomicile(G, Saison, C);
    ASSERT_EQ(G.GetRowCount(), 7);
    EXPECT_EQ(G.GetTexte(3, 0), Traduit(221));
    // At home A won, lost and won; B and C took 4 of 6; D drew its only one;
    // E won its only one; F never played at home.
    std::vector<std::string> Lignes;
    for (int r = 1; r < 7; ++r)
        Lignes.push_back(G.GetTexte(0, r) + " " + G.GetTexte(1, r) + "/" + G.GetTexte(2, r) + " " + G.GetTexte(3, r));
    EXPECT_EQ(Lignes[5], "D 1/3 67 %");
    for (const char* Ligne : {"A 6/9 34 %", "B 4/6 34 %", "C 4/6 34 %"})
        EXPECT_NE(std::find(Lignes.begin(), Lignes.end(), Ligne), Lignes.end()) << Ligne;
    EXPECT_TRUE(Lignes[0] == "E 3/3 0 %" || Lignes[0] == "F 0/0 0 %") << Lignes[0];
    for (int r = 1; r < 7; ++r) {
        ASSERT_TRUE(G.GetLien(0, r));
        EXPECT_EQ(G.GetTexte(0, r), std::string(1, static_cast<char>('A' + G.GetDonnee(0, r))));
        // The followed team (position 4, E) highlighted.
        EXPECT_EQ(G.GetCouleurFond(1, r) == TColor(0x800000), G.GetDonnee(0, r) == 4);
    }
}

TEST_F(DiversStatEquipes, PositionHeldLeaderMiddleAndLast)
{
    TDonneesChampionnat& C = TroisJournees();
    TModeleGrille G;
    AfficherPlaceOccupee(G, Saison, C, 1);
    ASSERT_EQ(G.GetColCount(), 4);
    EXPECT_EQ(G.GetTexte(1, 0), TraduitFmt(214, {1}));
    EXPECT_EQ(G.GetTexte(3, 0), Traduit(217));
    EXPECT_EQ(Colonne(G, 1), (std::vector<std::string>{"A", "C", "C"}));
    EXPECT_EQ(Colonne(G, 2), (std::vector<std::string>{"3", "6", "7"}));
    const std::string Pts = " " + Traduit(218);
    EXPECT_EQ(Colonne(G, 3), (std::vector<std::string>{"- 0" + Pts, "- 2" + Pts, "- 1" + Pts}));
    // A change of team changes the colour; the first day on $F8CD87.
    EXPECT_EQ(G.GetCouleurFond(0, 1), TColor(0xF8CD87));
    EXPECT_EQ(G.GetCouleurFond(0, 2), TColor(0xFFFFFF));
    EXPECT_EQ(G.GetCouleurFond(0, 3), TColor(0xFFFFFF));

    AfficherPlaceOccupee(G, Saison, C, 3);
    ASSERT_EQ(G.GetColCount(), 5);
    EXPECT_EQ(G.GetTexte(1, 0), TraduitFmt(215, {3}));
    EXPECT_EQ(G.GetTexte(4, 0), Traduit(216));
    EXPECT_EQ(Colonne(G, 1), (std::vector<std::string>{"E", "A", "E"}));
    EXPECT_EQ(G.GetTexte(3, 2), "- 2" + Pts); // A 3, F 1
    EXPECT_EQ(G.GetTexte(4, 2), "+ 1" + Pts); // E 4

    AfficherPlaceOccupee(G, Saison, C, 6);
    ASSERT_EQ(G.GetColCount(), 4);
    EXPECT_EQ(G.GetTexte(3, 0), Traduit(216));
    EXPECT_EQ(Colonne(G, 1), (std::vector<std::string>{"B", "B", "D"}));
    EXPECT_EQ(G.GetTexte(3, 1), "+ 0" + Pts);

    // Outside the table: the header only.
    for (int P : {0, 7}) {
        AfficherPlaceOccupee(G, Saison, C, P);
        EXPECT_EQ(G.GetRowCount(), 1) << P;
    }
}

TEST_F(DiversStatEquipes, BestAndWorstPositionAfterEachDay)
{
    TDonneesChampionnat& C = TroisJournees();
    TModeleGrille G;
    AfficherFourchetteClass(G, Saison, C);
    EXPECT_EQ(G.GetTexte(1, 0), Traduit(987));
    EXPECT_EQ(Colonne(G, 0), (std::vector<std::string>{"A", "B", "C", "D", "E", "F"}));
    const std::string o = "\xC2\xB0";
    EXPECT_EQ(Colonne(G, 1), (std::vector<std::string>{"1" + o, "4" + o, "1" + o, "5" + o, "2" + o, "4" + o}));
    EXPECT_EQ(Colonne(G, 2), (std::vector<std::string>{"3" + o, "6" + o, "2" + o, "6" + o, "3" + o, "5" + o}));
    // No played day: no place.
    C.JourneeJouee = 0;
    AfficherFourchetteClass(G, Saison, C);
    EXPECT_EQ(Colonne(G, 1), std::vector<std::string>(6, ""));
}

TEST_F(DiversStatEquipes, FrequentScoresAndTheRemainder)
{
    TDonneesChampionnat& C = TroisJournees();
    TModeleGrille G;
    AfficherScoresFrequents(G, Saison, C);
    // Nine matches: 1-0 three times, 0-0 three times, 3-0, 2-0 and 0-3.
    ASSERT_EQ(G.GetRowCount(), 7);
    EXPECT_EQ(G.GetTexte(1, 0), Traduit(326));
    std::vector<std::string> Lignes;
    for (int r = 1; r < 6; ++r)
        Lignes.push_back(G.GetTexte(0, r) + "|" + G.GetTexte(1, r) + "|" + G.GetTexte(2, r));
    EXPECT_NE(std::find(Lignes.begin(), Lignes.end(), "1 - 0|3|33,00"), Lignes.end());
    EXPECT_NE(std::find(Lignes.begin(), Lignes.end(), "0 - 3|1|11,00"), Lignes.end());
    EXPECT_EQ(G.GetTexte(0, 6), Traduit(328));
    EXPECT_EQ(G.GetTexte(1, 6), "0");
    EXPECT_EQ(G.GetTexte(2, 6), "0,00");
    // Nothing played: the remainder row alone.
    TDonneesChampionnat& Vide = Championnat(2, 2);
    AfficherScoresFrequents(G, Saison, Vide);
    ASSERT_EQ(G.GetRowCount(), 2);
    EXPECT_EQ(G.GetTexte(1, 1), "0");
    EXPECT_EQ(G.GetTexte(2, 1), "-");
}

TEST_F(DiversStatEquipes, StatisticsPerDay)
{
    TDonneesChampionnat& C = TroisJournees();
    C.GetCartonsJournee(2)->Ajoute(std::make_unique<TDonneesEvt>(65535, 0, Evt::ContreCamp | 70));
    C.GetCartonsJournee(3)->Ajoute(std::make_unique<TDonneesEvt>(65535, 0, Evt::ContreCamp | 20));
    C.GetCartonsJournee(3)->Ajoute(std::make_unique<TDonneesEvt>(65535, 0, Evt::ContreCamp | 80));
    C.GetCartonsJournee(3)->Ajoute(std::make_unique<TDonneesEvt>(65535, 1, 80));
    TModeleGrille G;
    AfficherStatParJournee(G, Saison, C, 2, false);
    ASSERT_EQ(G.GetColCount(), 5);
    EXPECT_EQ(G.GetTexte(2, 0), "2");
    // A: 3, 0, 1 goals.
    EXPECT_EQ(G.GetTexte(1, 1), "3");
    EXPECT_EQ(G.GetTexte(2, 1), "");
    EXPECT_EQ(G.GetCouleurFond(2, 1), TColor(0xF0E0F0));
    EXPECT_EQ(G.GetTexte(3, 1), "1");
    EXPECT_EQ(G.GetTexte(4, 1), "4");
    EXPECT_EQ(G.GetCouleurTexte(4, 1), TColor(0x800000));
    EXPECT_EQ(Colonne(G, 4), (std::vector<std::string>{"4", "1", "5", "0", "1", "0"}));
    EXPECT_EQ(G.GetDonnee(0, 3), 2);
    EXPECT_TRUE(G.GetLien(0, 3));
    // Sent off: one on day 2, two on day 3; the yellow card left out.
    AfficherStatParJournee(G, Saison, C, 1, false);
    EXPECT_EQ(G.GetTexte(2, 1), "");
    EXPECT_EQ(G.GetCouleurFond(2, 1), TColor(0x0000FF));
    EXPECT_EQ(G.GetTexte(3, 1), "2");
    EXPECT_EQ(G.GetCouleurFond(3, 1), TColor(0x0000FF));
    EXPECT_EQ(G.GetTexte(4, 1), "3");
    EXPECT_EQ(G.GetTexte(4, 2), "0");
    AfficherStatParJournee(G, Saison, C, 1, true);
    EXPECT_EQ(G.GetTexte(2, 1), "1");

    // 21 days: one empty column more; 22: the teams again in the last one.
    TDonneesChampionnat& Longue = Championnat(3, 22);
    for (int d = 1; d <= 22; ++d)
        Longue.AjouteMatch(d, 0, 1, -1, 1, 0);
    Longue.JourneeJouee = 21;
    AfficherStatParJournee(G, Saison, Longue, 2, false);
    ASSERT_EQ(G.GetColCount(), 24);
    EXPECT_EQ(G.GetTexte(23, 1), "");
    Longue.JourneeJouee = 22;
    AfficherStatParJournee(G, Saison, Longue, 2, false);
    ASSERT_EQ(G.GetColCount(), 25);
    EXPECT_EQ(G.GetTexte(24, 1), "A");
    EXPECT_EQ(G.GetTexte(23, 1), "22");
    EXPECT_EQ(GenreMotCleStatParJournee("ROUGE"), 1);
    EXPECT_EQ(GenreMotCleStatParJournee("drop"), 5);
    EXPECT_EQ(GenreMotCleStatParJournee("point"), 2);
    EXPECT_EQ(GenreMotCleStatParJournee("autre"), 2);
}

} // namespace
