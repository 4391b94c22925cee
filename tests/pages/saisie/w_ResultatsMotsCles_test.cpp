// The results page's keywords "Score" and "RapportMatch", answered from the
// season alone, and its printing from the main window.

#include "pages/saisie/w_Resultats.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"
#include "pagebase/Commande.h"
#include "pages/Pages.h"
#include "platform/Imprimante.h"
#include "presentation/RapportJournee.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/FenetreSurArchive.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

constexpr uint16_t X = TInfoComp::Aucun;

// Day 1 (05/10/2002) of four teams A-D holds A-B 2-1 and C-D without scores.
class MotsClesResultats : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        EnregistrePages();
        TDonneesChampionnat* c = Saison->GetChampCourant();
        c->SetCode(101);
        c->AjouteMatch(1, 0, 1, -1, 2, 1);
        c->AjouteMatch(1, 2, 3, -1, X, X);
        c->SetDateJournee(1, EncodeDateMatch(5, 10, 2002));
        c->NbJournee = 2;
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    std::string Lance(const std::string& nom, const TLignesParam& params)
    {
        std::string r = "avant";
        Tf_Resultats::ExecuteFonction(nom, params, r, "", Saison.get());
        return r;
    }

    std::unique_ptr<TSaisonFootball> Saison = testsupport::CreeLigueABCD(2);
};

TEST_F(MotsClesResultats, ScoreFollowsItsTemplateAndLinks)
{
    const TLignesParam params{"Journee=1", "FormatLigne=$couleur$|$equipe1$|$score1$-$score2$|$equipe2$|$date$",
                              "CouleurLigne1=#111111", "CouleurLigne2=#222222", "FicheDetail=match.htm"};
    EXPECT_EQ(Lance("Score", params), "#$match2.htm-match.htm-Match=2$match1.htm-match.htm-Match=1#"
                                      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\r\n"
                                      "<tr BGCOLOR=#000080>\r\n"
                                      "  <td align=center colspan=3><B><Font Color=#F0E020> " +
                                          Traduit(85) +
                                          " 1</Font></B></td>\r\n"
                                          "</tr>\r\n"
                                          "#222222|A|<a href=match1.htm>2-1</a>|B|05/10/2002\r\n"
                                          "#111111|C|<a href=match2.htm>-</a>|D|05/10/2002\r\n"
                                          "</TABLE>");

    TLignesParam extra = params;
    extra.push_back("ParametreLien=x=1");
    extra.push_back("#ExtraExt=_b");
    EXPECT_NE(Lance("Score", extra).find("<a href=match1_b.htm?x=1>"), std::string::npos);

    for (const TLignesParam& sansLien :
         {TLignesParam{"Journee=1", "FormatLigne=$score1$-$score2$"},
          TLignesParam{"Journee=1", "FicheDetail=match.htm", "FormatLigne=$score2$-$score1$"}}) {
        const std::string r = Lance("Score", sansLien);
        EXPECT_EQ(r.find("<a "), std::string::npos);
        EXPECT_EQ(r.rfind("<table", 0), 0u);
    }
}

TEST_F(MotsClesResultats, ScoreTitleAndDefaultRow)
{
    Saison->GetChampCourant()->SetOption(11, 8);
    const std::string parDate = Lance("Score", {"Journee=1"});
    EXPECT_NE(parDate.find("> " + Traduit(85) + " du 05/10/2002</Font></B>"), std::string::npos);

    Saison->GetChampCourant()->SetOption(11, 0);
    const std::string r = Lance("Score", {"Journee=1"});
    EXPECT_NE(r.find("width=\"40%\"><font color=\"#000000\">A</font>"), std::string::npos);
    EXPECT_NE(r.find("width=\"20%\"><font color=\"#000000\">2 - 1</font>"), std::string::npos);
    const size_t blanc = r.find("<tr bgcolor=\"#FFFFFF\">");
    const size_t gris = r.find("<tr bgcolor=\"#C0C0C0\">");
    ASSERT_NE(blanc, std::string::npos);
    ASSERT_NE(gris, std::string::npos);
    EXPECT_LT(blanc, gris);
    // The current day is the default; an unknown division gives nothing.
    EXPECT_NE(Lance("Score", {}).find(" 2</Font></B>"), std::string::npos);
    EXPECT_EQ(Lance("Score", {"Division=99"}), "");
}

TEST_F(MotsClesResultats, RapportMatchAndTheRegistry)
{
    RapportJournee::TParamRapport p;
    p.Journee = 1;
    p.Buteur = true;
    EXPECT_EQ(Lance("RapportMatch", {"Journee=1", "Match=1", "MontreButeur"}),
              RapportJournee::RapportMatch(*Saison, *Saison->GetChampCourant(), p));
    EXPECT_EQ(Lance("RapportMatch", {"Journee=1", "Match=5"}), "");

    const TGestionFonction::TEntree* score = GestionFonction().Cherche("Score");
    ASSERT_NE(score, nullptr);
    EXPECT_EQ(score->Code, 0);
    EXPECT_EQ(score->Classe, &Tf_Resultats::ExecuteFonction);
    const TGestionFonction::TEntree* rapport = GestionFonction().Cherche("RapportMatch");
    ASSERT_NE(rapport, nullptr);
    EXPECT_EQ(rapport->Code, 4);
    // Another keyword goes to the page base.
    std::string attendu = "x", obtenu = "x";
    TFootForm::ExecuteFonction("ecrire", {"mot"}, attendu, "", Saison.get());
    Tf_Resultats::ExecuteFonction("ecrire", {"mot"}, obtenu, "", Saison.get());
    EXPECT_EQ(obtenu, attendu);
}

using ImpressionResultats = testsupport::FenetreSurArchive;

TEST_F(ImpressionResultats, ThePrintCommandPrintsTheDayOnOnePage)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(Fenetre->ExecuteCommande(Commande::Resultats));
    ASSERT_NE(dynamic_cast<Tf_Resultats*>(Fenetre->GetPageCourante()), nullptr);
    EXPECT_TRUE(Fenetre->GetPageCourante()->Imprimable());
    const std::string pdf = (Dossier / "jour.pdf").string();
    {
        TImprimantePdf imprimante(pdf);
        Fenetre->ExecuteCommande(Commande::Imprimer);
    }
    const std::string texte = testsupport::ReadWholeFile(pdf);
    ASSERT_EQ(texte.substr(0, 4), "%PDF");
    const std::regex page("/Type\\s*/Page[^s]");
    EXPECT_EQ(std::distance(std::sregex_iterator(texte.begin(), texte.end(), page), std::sregex_iterator()), 1);
}

} // namespace
