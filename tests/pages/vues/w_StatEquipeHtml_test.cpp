// The team keywords and the HTML rendering of the team statistics page, on
// a hand-built season.

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/HotLabel.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "pagebase/DefType.h"
#include "pages/vues/w_StatEquipe.h"
#include "presentation/PageHtml.h"
#include "support/SaisonTempsJeu.h"
#include "support/TestSupport.h"
#include "support_ui/PagesHtml.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

int Compte(const std::string& Texte, const std::string& Motif)
{
    int N = 0;
    for (size_t P = Texte.find(Motif); P != std::string::npos; P = Texte.find(Motif, P + 1))
        ++N;
    return N;
}

// Lyon also wins 2 - 0 at Auxerre on day 4; attendances 10000 on day 1 and
// 5000 on day 2, none recorded on day 3.
struct MotsClesEquipe : ::testing::Test {
    testsupport::SaisonClub Saison;
    MotsClesEquipe()
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        ChoisitLangueNombres("fr");
        Saison.Champ->AjouteMatch(4, Saison.Auxerre, Saison.Lyon, -1, 0, 2);
        Saison.Champ->JourneeJouee = 4;
        Saison.Champ->SetAffluence(1, 1, 10000);
        Saison.Champ->SetAffluence(2, 1, 5000);
    }
    ~MotsClesEquipe() override { InstalleTraducteur(nullptr); }

    std::string Appel(const std::string& Mot, TLignesParam Params)
    {
        const TGestionFonction::TEntree* E = GestionFonction().Cherche(Mot);
        EXPECT_NE(E, nullptr) << Mot;
        EXPECT_EQ(E != nullptr ? E->Code : 255, CodeFonction::Equipe);
        std::string Resultat = "avant";
        if (E != nullptr)
            E->Classe(Mot, Params, Resultat, "", &Saison);
        return Resultat;
    }
    static QSize TailleImage(const std::string& Nom)
    {
        return QImage(QString::fromStdString(AppDir() + "Temp/" + Nom + ".png")).size();
    }
};

TEST_F(MotsClesEquipe, UnknownTeamAndChampionship)
{
    EnregistrePagesStatEquipe();
    EXPECT_EQ(Appel("ResultatEquipe", {"Equipe=Nowhere"}), "Equipe \"Nowhere\" inconnue<br/>");
    EXPECT_EQ(Saison.GetNumChampCourant(), 1);
    // An unknown "Division" works on the current championship; names fold.
    EXPECT_NE(Appel("ResultatEquipe", {"Division=99", "Equipe=LYON"}).find("Auxerre"), std::string::npos);
    EXPECT_EQ(Saison.GetNumChampCourant(), 1);
}

TEST_F(MotsClesEquipe, ChartsAreSavedInTemp)
{
    EnregistrePagesStatEquipe();
    EXPECT_EQ(Appel("GraphClassementEquipe", {"Equipe=Lyon"}), "#statequipe2.png#<img src=\"statequipe2.png\">");
    EXPECT_EQ(TailleImage("statequipe2"), QSize(450, 180));
    EXPECT_EQ(Appel("GraphClassementEquipe", {"Equipe=Lyon", "Type=Point"}),
              "#statequipe3.png#<img src=\"statequipe3.png\">");
    EXPECT_EQ(Appel("GraphClassementEquipe", {"Equipe=Lyon", "Type=evolution"}),
              "#statequipe1.png#<img src=\"statequipe1.png\">");
    EXPECT_EQ(TailleImage("statequipe1"), QSize(400, 400));
    EXPECT_EQ(Appel("AffluenceEquipe", {"Equipe=Lyon", "Largeur=5000"}), "#spect.png#<img src=\"spect.png\">");
    EXPECT_EQ(TailleImage("spect"), QSize(2000, 400));
    EXPECT_EQ(Appel("DetailButEquipe", {"Equipe=Lyon"}), "#repartequipe.png#<img src=\"repartequipe.png\">");
    EXPECT_EQ(TailleImage("repartequipe"), QSize(450, 180));
}

TEST_F(MotsClesEquipe, ResultsAdministrationAndStandings)
{
    EnregistrePagesStatEquipe();
    // Wins only, one row each in day order.
    std::string R = Appel("ResultatEquipe", {"Equipe=Lyon", "TypeResult=1", "Separe=0"});
    EXPECT_EQ(Compte(R, "<tr>"), 2);
    EXPECT_LT(R.find(">2</font>"), R.find(">0</font>"));
    // Home matches left, away matches right, blanks where a side has no more.
    R = Appel("ResultatEquipe", {"Equipe=Lyon", "FonteMatchExt=#FF0000"});
    EXPECT_EQ(Compte(R, "<tr>"), 3);
    EXPECT_EQ(Compte(R, "<td width=\"50\"></td>"), 3);
    EXPECT_EQ(Compte(R, "<td>&nbsp;</td>"), 14);
    EXPECT_EQ(Compte(R, "#FF0000"), 7);

    // The club record's rows in order; the site made a link.
    TRensClub* Club = Saison.RensClubs().Cree(Saison.Lyon);
    Club->SiteInternet = "www.ol.fr";
    Club->President = "J. <Aulas>";
    Club->SetStade(Saison.Stades().Get(0));
    R = Appel("AdminEquipe", {"Equipe=Lyon"});
    EXPECT_NE(R.find("Information sur le club de Lyon"), std::string::npos);
    EXPECT_NE(R.find("<a href=\"http://www.ol.fr\">www.ol.fr</a>&nbsp;"), std::string::npos);
    EXPECT_NE(R.find("J. &lt;Aulas&gt;&nbsp;"), std::string::npos);
    EXPECT_NE(R.find("Gerland(Lyon)&nbsp;"), std::string::npos);
    size_t Avant = 0;
    for (int Texte : {1011, 1012, 1013, 1017, 1018, 1071, 1010, 1016, 1015, 1014, 2660}) {
        const size_t P = R.find(">" + Traduit(Texte) + "<");
        ASSERT_NE(P, std::string::npos) << Texte;
        EXPECT_GT(P, Avant) << Texte;
        Avant = P;
    }

    // At home: the attendance averages the recorded ones only.
    R = Appel("StatClassementEquipe", {"Equipe=Lyon", "Lieu=Domicile"});
    EXPECT_NE(R.find(Traduit(759)), std::string::npos);
    EXPECT_NE(R.find(">7500<"), std::string::npos);
    R = Appel("StatClassementEquipe", {"Equipe=Auxerre", "Lieu=domicile"});
    EXPECT_EQ(R.find(Traduit(51)), std::string::npos);
    EXPECT_NE(Appel("StatClassementEquipe", {"Equipe=Lyon"}).find(Traduit(855)), std::string::npos);
}

TEST_F(MotsClesEquipe, EvolutionAndGridTables)
{
    EnregistrePagesStatEquipe();
    std::string R = Appel("EvolutionScoreEquipe", {"Equipe=Lyon", "TypeEvol=NulMiTemps"});
    EXPECT_EQ(Compte(R, "<table>"), 1);
    EXPECT_EQ(Compte(R, "<tr>"), 4);
    R = Appel("EvolutionScoreEquipe", {"Equipe=Lyon", "TypeEvol=resume", "CouleurEcriture=#123456"});
    EXPECT_EQ(Compte(R, "<br>"), 2);
    EXPECT_EQ(Compte(R, "#123456"), 2);
    R = Appel("EvolutionScoreEquipe", {"Equipe=Lyon"});
    EXPECT_EQ(Compte(R, "<table>"), 6);
    EXPECT_EQ(Compte(R, "<td width=\"40\"></td>"), 3);

    R = Appel("TempsJeuEquipe", {"Equipe=Lyon"});
    EXPECT_NE(R.find("#000080"), std::string::npos);
    EXPECT_NE(R.find("J13"), std::string::npos);
    EXPECT_NE(Appel("ClassementJoueurEquipe", {"Equipe=Lyon", "Type=passeur"}).find("J08"), std::string::npos);
    R = Appel("ClassementJoueurEquipe", {"Equipe=Lyon", "Type=nimportequoi"});
    EXPECT_NE(R.find("J09"), std::string::npos);
    EXPECT_NE(Appel("PointPrisEquipe", {"Equipe=Lyon"}).find("Auxerre"), std::string::npos);
}

TEST_F(MotsClesEquipe, RouteAndPlayersTabsAsHtml)
{
    testsupport::TempDir Dossier;
    Tf_StatEquipeEx Page;
    Page.Saison = &Saison;
    Page.SetEquipe(0);
    Page.Rafraichir();
    Page.AfficheOnglet(1);
    const std::string Route = Dossier.str() + "/route.html";
    Page.ExporteHtml(Route);
    std::string Html = testsupport::ReadWholeFile(Route);
    EXPECT_NE(Html.find("<table width=\"400\""), std::string::npos);
    EXPECT_NE(Html.find("<tr bgcolor=\"#4020A0\">"), std::string::npos);
    // Three home lines, one away line: three rows under the title.
    EXPECT_EQ(Compte(Html, "<tr"), 4);
    EXPECT_EQ(Compte(Html, "&nbsp;"), 2);
    // Titled by the team, in one head; wins, draws and defeats readable on
    // both zebra grounds.
    EXPECT_NE(Page.TitreDocument().find("Lyon"), std::string::npos) << Page.TitreDocument();
    EXPECT_EQ(Html.rfind(DebutPageHtml(Page.TitreDocument(), "#80CCFE"), 0), 0u);
    EXPECT_EQ(testsupport::EncresIllisibles(Route), std::vector<std::string>{});
    EXPECT_EQ(testsupport::DefautsDeStructure(Route), std::vector<std::string>{});

    Page.AfficheOnglet(4);
    const std::string Joueurs = Dossier.str() + "/joueurs.html";
    Page.ExporteHtml(Joueurs);
    Html = testsupport::ReadWholeFile(Joueurs);
    size_t Avant = 0;
    for (const char* Titre : {"Buteurs", "Passeurs", "Avertis", "Exclus"}) {
        const size_t P = Html.find(Titre);
        ASSERT_NE(P, std::string::npos) << Titre;
        EXPECT_GT(P, Avant);
        EXPECT_NE(Html.find("<table", P), std::string::npos);
        Avant = P;
    }
    EXPECT_EQ(Compte(Html, "<table"), 4);

    // The English program heads them in English.
    InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Texteen.txt"));
    Page.ExporteHtml(Joueurs);
    Html = testsupport::ReadWholeFile(Joueurs);
    for (const char* Titre : {"Scorers", "Assists", "Booked", "Sent off"})
        EXPECT_NE(Html.find("<H2>" + std::string(Titre) + "</H2>"), std::string::npos) << Titre;
    for (const char* Francais : {"Buteurs", "Passeurs", "Avertis", "Exclus"})
        EXPECT_EQ(Html.find(Francais), std::string::npos) << Francais;
}

// The route export writes the match lines the result boxes leave on the tab.
TEST_F(MotsClesEquipe, TheRouteExportKeepsTheResultsTicked)
{
    testsupport::TempDir Dossier;
    Tf_StatEquipeEx Page;
    Page.Saison = &Saison;
    Page.resize(800, 600);
    Page.show();
    Page.SetEquipe(0);
    Page.Rafraichir();
    Page.AfficheOnglet(1);
    ASSERT_EQ(Page.LignesMatch.size(), 4u);
    // Draws and defeats off: Lyon's two wins, one at home and one away.
    QTest::mouseClick(Page.CCNul, Qt::LeftButton);
    QTest::mouseClick(Page.CCDef, Qt::LeftButton);
    ASSERT_FALSE(Page.CCNul->Checked());
    ASSERT_FALSE(Page.CCDef->Checked());
    ASSERT_EQ(Page.LignesMatch.size(), 2u);
    const std::string Route = Dossier.str() + "/route.html";
    Page.ExporteHtml(Route);
    const std::string Html = testsupport::ReadWholeFile(Route);
    for (const THotLabel* Ligne : Page.LignesMatch)
        EXPECT_NE(Html.find(EchappeHtml(Ligne->text().toStdString())), std::string::npos)
            << Ligne->text().toStdString();
    // The title row and one row holding both wins.
    EXPECT_EQ(Compte(Html, "<tr"), 2) << Html;
    EXPECT_EQ(Compte(Html, "&nbsp;"), 0);
}

} // namespace
