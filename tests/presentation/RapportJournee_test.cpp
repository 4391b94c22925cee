#include "presentation/RapportJournee.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"
#include "presentation/PageHtml.h"
#include "support/CanevasTest.h"
#include "support/SaisonExemple.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using testsupport::TCanevasTest;
constexpr uint16_t X = TInfoComp::Aucun;

// Four teams A-D (ids 0-3) over five days: day 1 (05/10/2002) holds A-B 2-1
// and C-D without scores.
class RapportJourneeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        TDonneesChampionnat* c = Saison->GetChampCourant();
        c->AjouteMatch(1, 0, 1, -1, 2, 1);
        c->AjouteMatch(1, 2, 3, -1, X, X);
        c->SetDateJournee(1, EncodeDateMatch(5, 10, 2002));
        c->NbJournee = 1;
    }
    void TearDown() override { InstalleTraducteur(nullptr); }
    TDonneesChampionnat& Champ() { return *Saison->GetChampCourant(); }
    TInfoComp& Match1() { return *Champ().GetMatch(1, 1); }
    TJoueur* Joueur(int id, const std::string& nom, uint16_t equipe)
    {
        return Saison->Joueurs().AjouteSimple(
            std::make_unique<TJoueurFootball>(Saison.get(), nom, "", id, 0, 'M', 0, equipe));
    }

    std::unique_ptr<TSaisonFootball> Saison = testsupport::CreeLigueABCD(5);
};

// ------------------------------------------------------------------ printing

TEST_F(RapportJourneeTest, PrintedDayStandsWhereTheLayoutPutsIt)
{
    Champ().AjouteMatch(5, 0, 1, -1, 3, 0);
    Champ().AjouteMatch(5, 2, 3, -1, X, X);
    Champ().SetDateJournee(5, EncodeDateMatch(5, 10, 2002));
    Champ().SetOption(11, 1);
    TCanevasTest c(10, 20, 10);
    RapportJournee::Dessine(c, *Saison, Champ(), 5, 1000, nullptr);
    const auto textes = c.DuGenre(TCanevasTest::TGenre::Texte);
    ASSERT_FALSE(textes.empty());
    EXPECT_EQ(textes[0].Texte, Traduit(85) + " 5 (05/10/2002)");
    EXPECT_EQ(textes[0].R.Left, 10);
    EXPECT_EQ(textes[0].R.Top, 10);
    EXPECT_EQ(textes[0].Police.Taille, 14);
    // Match 1: names, "-", ":" and both scores at the layout's places.
    std::vector<std::pair<std::string, int>> ligne1;
    for (const auto& t : textes)
        if (t.R.Top == 50)
            ligne1.push_back({t.Texte, t.R.Left});
    const std::vector<std::pair<std::string, int>> attendu{{"A", 10 + 85}, {"-", 200}, {"B", 215 + 85}, {":", 405},
                                                           {"3", 425},     {"-", 445}, {"0", 465}};
    EXPECT_EQ(ligne1, attendu);
    // Match 2 has no score: no ":" and no scores on its line.
    int surLigne2 = 0;
    for (const auto& t : textes)
        surLigne2 += t.R.Top == 90;
    EXPECT_EQ(surLigne2, 3);

    Champ().SetOption(11, 4);
    TCanevasTest d(10, 20, 10);
    RapportJournee::Dessine(d, *Saison, Champ(), 5, 1000, nullptr);
    const auto t2 = d.DuGenre(TCanevasTest::TGenre::Texte);
    EXPECT_EQ(t2[0].Texte, Traduit(85) + " 5");
    EXPECT_EQ(t2[1].R.Left, 10);       // the match's date
    EXPECT_EQ(t2[2].R.Left, 120 + 85); // the home name centred from 120
}

TEST_F(RapportJourneeTest, AScoreAboveAByteIsPrinted)
{
    Match1().SetScore(0, 300);
    TCanevasTest c(10, 20, 10);
    RapportJournee::Dessine(c, *Saison, Champ(), 1, 1000, nullptr);
    std::vector<std::string> ligne1;
    for (const auto& t : c.DuGenre(TCanevasTest::TGenre::Texte))
        if (t.R.Top == 50)
            ligne1.push_back(t.Texte);
    EXPECT_EQ(ligne1, (std::vector<std::string>{"A", "-", "B", ":", "300", "-", "1"}));
}

TEST_F(RapportJourneeTest, ALongDayGoesOnOverANewPage)
{
    TCanevasTest c(10, 20, 10);
    int pages = 0;
    std::vector<int> hautsApres;
    // Room for the header and one line only.
    RapportJournee::Dessine(c, *Saison, Champ(), 1, 100, [&] {
        ++pages;
        hautsApres.push_back(static_cast<int>(c.Traces.size()));
    });
    EXPECT_EQ(pages, 1);
    ASSERT_EQ(hautsApres.size(), 1u);
    const auto& suite = c.Traces[hautsApres[0]];
    EXPECT_EQ(suite.Texte, "C");
    EXPECT_EQ(suite.R.Top, 10);
}

// ------------------------------------------------------------------ HTML page

TEST_F(RapportJourneeTest, HtmlPageIsWellFormed)
{
    Saison->SetNomEquipe(0, "A & B");
    const std::string html = RapportJournee::PageHtml(*Saison, Champ(), 1, "L1 - Résultats");
    // The head every exported page has: one title, one heading.
    EXPECT_EQ(html.rfind(DebutPageHtml("L1 - Résultats", "#80CCFE"), 0), 0u);
    EXPECT_EQ(html.find("<title>", 1), html.rfind("<title>"));
    EXPECT_NE(html.find("\r\n    \t<tr>\r\n"), std::string::npos);
    // The font closed inside the bold; the day's word and number apart.
    EXPECT_NE(html.find("<B>\r\n    \t\t<Font Color=#F0E020> " + Traduit(85) + " 1</Font></B>"), std::string::npos);
    EXPECT_NE(html.find("    \t<tr BGCOLOR=#FFFFFF>\r\n"), std::string::npos);
    EXPECT_NE(html.find("    \t<tr BGCOLOR=#87CDF8>\r\n"), std::string::npos);
    EXPECT_NE(html.find("<td align=center width=20%>2 - 1</td>"), std::string::npos);
    EXPECT_NE(html.find("<td align=center width=20%> - </td>"), std::string::npos);
    EXPECT_NE(html.find(">A &amp; B<"), std::string::npos);
    const std::string fin = "    </TABLE>\r\n" + FinPageHtml();
    EXPECT_EQ(html.substr(html.size() - fin.size()), fin);
}

// ------------------------------------------------------------------ "RapportMatch"

TEST_F(RapportJourneeTest, ReportWithoutFlagsIsTheTitleAlone)
{
    RapportJournee::TParamRapport p;
    p.Journee = 1;
    const std::string r = RapportJournee::RapportMatch(*Saison, Champ(), p);
    EXPECT_EQ(r, "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\r\n"
                 "<tr bgcolor=\"#000080\"><td align=center colspan=4><b><font color=#F0E020> " +
                     Traduit(700) + " A-B (2 - 1)</font></b></td>\r\n</tr>\r\n</table>");
    p.Match = 3;
    EXPECT_EQ(RapportJournee::RapportMatch(*Saison, Champ(), p), "");
    p.Match = 1;
    p.Journee = 9;
    EXPECT_EQ(RapportJournee::RapportMatch(*Saison, Champ(), p), "");
}

TEST_F(RapportJourneeTest, FullReportShowsEverySectionInOrder)
{
    Match1().SetAffluence(15000);
    for (int i : {1, 2}) {
        auto a = std::make_unique<TPersonnelStat>();
        a->Nom = "Arbitre" + std::to_string(i);
        a->Numero = 10 + i;
        Saison->Arbitres().Ajoute(std::move(a));
        Match1().SetArbitre(i, 10 + i);
    }
    auto stade = std::make_unique<TStade>("Gerland");
    TStade* s = stade.get();
    Saison->Stades().Ajoute(std::move(stade), false);
    Match1().SetStade(static_cast<uint16_t>(s->Code));
    Joueur(1, "Dom1", 0)->Maillot = 9;
    Joueur(2, "Dom2", 0);
    Joueur(3, "Ext1", 1);
    Champ().GetButeursJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(1, 0, 12 | Evt::Penalty));
    Champ().GetCartonsJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(3, 1, 30));
    // Dom1 starts and goes off for Dom2 at the 60th; the away side makes no change.
    Match1().SetCompoCote(0, 1, 1);
    Match1().SetCompoCote(0, 12, 1);
    Match1().SetCompoCote(0, 13, 2);
    Match1().SetCompoCote(0, 18, 60);
    Match1().SetCompoCote(1, 1, 3);

    RapportJournee::TParamRapport p;
    p.Journee = 1;
    p.Affluence = p.Arbitre = p.Stade = p.Buteur = p.Carton = p.Effectif = true;
    const std::string r = RapportJournee::RapportMatch(*Saison, Champ(), p);
    const std::vector<std::string> ordre{"15000",
                                         "Arbitre1",
                                         "Arbitre2",
                                         "Gerland",
                                         Traduit(498) + "</font>",
                                         "12°",
                                         Traduit(974) + "</font>",
                                         "30°",
                                         Traduit(975) + "</font>",
                                         "Titulaires",
                                         ">9<",
                                         "Dom1 (sorti à la 60°)",
                                         "Ext1",
                                         "Remplaçants",
                                         "Dom2 (entré à la 60°)"};
    size_t pos = 0;
    for (const std::string& morceau : ordre) {
        const size_t p2 = r.find(morceau, pos);
        ASSERT_NE(p2, std::string::npos) << morceau;
        pos = p2 + 1;
    }
    EXPECT_EQ(r.substr(r.size() - 8), "</table>");

    Match1().SetAffluence(0);
    EXPECT_EQ(RapportJournee::RapportMatch(*Saison, Champ(), p).find("15000"), std::string::npos);
}

TEST_F(RapportJourneeTest, GoalKindsKeepTheirOwnBrackets)
{
    Joueur(1, "Dom1", 0);
    Joueur(3, "Ext1", 1);
    TListeDonnees& buts = *Champ().GetButeursJournee(1);
    buts.Ajoute(std::make_unique<TDonneesEvt>(1, 0, 12 | Evt::Penalty));
    buts.Ajoute(std::make_unique<TDonneesEvt>(1, 0, 40 | Evt::CoupFranc));
    buts.Ajoute(std::make_unique<TDonneesEvt>(3, 0, 70 | Evt::ContreCamp));
    RapportJournee::TParamRapport p;
    p.Journee = 1;
    p.Buteur = true;
    const std::string r = RapportJournee::RapportMatch(*Saison, Champ(), p);
    for (const char* libelle : {"Dom1 (pen)", "Dom1 (cf)", "Ext1 (csc)"})
        EXPECT_NE(r.find(libelle), std::string::npos) << libelle;
    EXPECT_EQ(r.find("(("), std::string::npos);
    EXPECT_EQ(r.find("))"), std::string::npos);
}

} // namespace
