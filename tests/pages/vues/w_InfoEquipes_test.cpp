#include "pages/vues/w_InfoEquipes.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "pages/vues/PageVues.h"
#include "pages/vues/SaisonVues.h"
#include "platform/Imprimante.h"
#include "presentation/PageHtml.h"
#include "support/MessagesScriptes.h"
#include "support/TestSupport.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QApplication>
#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Textes = std::vector<std::string>;

// Two players per club of the ten-club league, ids 2 * club + 1 and + 2.
void AjouteJoueurs(TSaison& S)
{
    int Id = 1;
    for (uint16_t Equipe = 0; Equipe < 10; ++Equipe)
        for (int k = 0; k < 2; ++k)
            S.Joueurs().AjouteSimple(
                S.CreeJoueur(std::string(k == 0 ? "Avant" : "Milieu") + std::to_string(Equipe), "Jean", Id++, Equipe));
}

// On the first day's sheet, the first player of each club scores (position
// + 1) goals, the second one; Lyon's two tied on one goal each. The page
// counts the players' figures from the sheets, never from what they held.
void AjouteButeurs(TSaison& S)
{
    AjouteJoueurs(S);
    TListeDonnees* Buteurs = S.GetChampionnat(1)->GetButeursJournee(1);
    for (uint16_t Equipe = 0; Equipe < 10; ++Equipe) {
        for (int But = 0; But <= Equipe; ++But)
            Buteurs->Ajoute(std::make_unique<TDonneesEvt>(2 * Equipe + 1, Equipe, static_cast<uint16_t>(10 + But)));
        Buteurs->Ajoute(std::make_unique<TDonneesEvt>(2 * Equipe + 2, Equipe, 70));
        S.Joueurs().ChercheId(2 * Equipe + 2)->SetStat(1, 1, 40); // stale: the page counts again
    }
}

// The goals of the league's six days under the first scorer of each home
// club, at minutes 20, 50 and 80; the home clubs' line-ups of the even days:
// their two players, one coming on for the other.
void AjouteFeuilles(TSaison& S)
{
    TDonneesChampionnat* Champ = S.GetChampionnat(1);
    for (int Jour = 1; Jour <= 6; ++Jour)
        for (int Equipe = 0; Equipe < 5; ++Equipe) {
            const int Avant = 2 * Equipe + 1;
            for (int But = 0; But < (Equipe + Jour) % 3; ++But)
                Champ->GetButeursJournee(Jour)->Ajoute(std::make_unique<TDonneesEvt>(
                    Avant, static_cast<uint16_t>(Equipe), static_cast<uint16_t>(20 + 30 * But)));
            if (Jour % 2 != 0)
                continue;
            Champ->SetCompoMatch(Jour, Equipe, 20, 0xFF00);
            Champ->SetCompoMatch(Jour, Equipe, 1, static_cast<uint16_t>(Avant));
            Champ->SetCompoMatch(Jour, Equipe, 12, static_cast<uint16_t>(Avant));
            Champ->SetCompoMatch(Jour, Equipe, 13, static_cast<uint16_t>(Avant + 1));
        }
}

class InfoEquipesTest : public testsupport::TPageVuesTest<Tf_InfoEquipes> {
protected:
    void SetUp() override
    {
        TPageVuesTest::SetUp();
        AjouteButeurs(*Principale.GetSaison());
    }
    void TearDown() override
    {
        EnregistreFicheJoueur(nullptr);
        TPageVuesTest::TearDown();
    }
    static Textes Colonne(const TColorStringGrid& G, int c)
    {
        Textes t;
        for (int r = 1; r < G.GetRowCount(); ++r)
            t.push_back(G.GetTexte(c, r));
        return t;
    }
};

TEST_F(InfoEquipesTest, TheSixCommandsShowTheirViewsOnOneKeptPage)
{
    Tf_InfoEquipes* Page = Commande(132);
    ASSERT_NE(Page, nullptr);
    EXPECT_TRUE(Page->Imprimable());
    EXPECT_EQ(Page->Tag, 0);
    EXPECT_EQ(Page->GetChampionnat(), 1);
    EXPECT_FALSE(Page->sg_Buteur->isHidden());
    EXPECT_TRUE(Page->sg_Affluence->isHidden());
    EXPECT_TRUE(Page->fc_Param->isHidden());
    EXPECT_TRUE(Page->sg_Buteur->TriCol);
    EXPECT_EQ(Page->sg_Buteur->GetTexte(1, 1), "Avant0  Jean");
    EXPECT_EQ(Page->sg_Buteur->GetTexte(1, 2), "Milieu0  Jean");

    const std::array<std::pair<int, int>, 5> Suite{{{134, 1}, {135, 2}, {136, 3}, {218, 11}, {217, 12}}};
    for (const auto& [Code, Vue] : Suite) {
        SCOPED_TRACE(Code);
        EXPECT_EQ(Commande(Code), Page);
        EXPECT_EQ(Page->Tag, Vue);
        EXPECT_EQ(Page->sg_Affluence->isHidden(), Vue != 1);
        EXPECT_EQ(Page->sg_Buteur->isHidden(), Vue == 1);
        EXPECT_EQ(Page->fc_Param->isHidden(), Vue < 11);
        EXPECT_EQ(Page->sg_Buteur->TriCol, Vue >= 11);
    }
    // Five home clubs with attendances; no line-up entered anywhere.
    Commande(134);
    EXPECT_EQ(Page->sg_Affluence->GetRowCount(), 5);
    EXPECT_EQ(Page->sg_Affluence->GetTexte(5, 4), "5000 " + Traduit(51));
    Commande(135);
    EXPECT_EQ(Colonne(*Page->sg_Buteur, 2), Textes(10, "0"));
    EXPECT_EQ(Page->sg_Buteur->GetTexte(1, 1), "Angers"); // the last team first on equal keys
    EXPECT_EQ(Page->sg_Buteur->GetTexte(0, 2), "-");

    // Out-of-range page numbers show the best scorers.
    Page->Afficher(13);
    EXPECT_EQ(Page->Tag, 0);
    EXPECT_EQ(Page->sg_Buteur->GetTexte(1, 1), "Avant0  Jean");
    Page->Afficher(-4);
    EXPECT_EQ(Page->Tag, 0);
}

TEST_F(InfoEquipesTest, TheBoxesSwitchBetweenCurrentAndBestAndBetweenVenues)
{
    Tf_InfoEquipes* Page = Commande(218);
    ASSERT_NE(Page, nullptr);
    ASSERT_TRUE(Page->rc_SerieCours->Checked());
    ASSERT_TRUE(Page->rc_General->Checked());
    // No goal events are entered: a scoring side counts at minute 0. The
    // away clubs never scored: 6 x 90 minutes running.
    EXPECT_EQ(Page->sg_Buteur->GetTexte(2, 1), "540");
    const Textes Courantes = Colonne(*Page->sg_Buteur, 2);
    QTest::mouseClick(Page->rc_MeilleureSerie, Qt::LeftButton);
    EXPECT_TRUE(Page->rc_MeilleureSerie->Checked());
    EXPECT_FALSE(Page->rc_SerieCours->Checked());
    EXPECT_NE(Colonne(*Page->sg_Buteur, 2), Courantes);
    QTest::mouseClick(Page->rc_Domicile, Qt::LeftButton);
    EXPECT_FALSE(Page->rc_General->Checked());
    // At home, the away clubs have no match at all.
    EXPECT_EQ(Page->sg_Buteur->GetTexte(2, 10), "0");
    QTest::mouseClick(Page->rc_Exterieur, Qt::LeftButton);
    EXPECT_EQ(Page->sg_Buteur->GetTexte(2, 1), "540");
    EXPECT_EQ(Page->sg_Buteur->GetTexte(0, 2), "-");
    EXPECT_EQ(Page->sg_Buteur->GetTexteAlternatif(0, 2), "1");
    // A team link asks for the team statistics with the team's position.
    const int Position = Page->sg_Buteur->GetDonnee(1, 3);
    Page->sg_ButeurHotTrackClick(1, 3);
    ASSERT_EQ(Principale.Navigations.size(), 1u);
    EXPECT_EQ(Principale.Navigations[0].Code, 121);
    EXPECT_EQ(Principale.Navigations[0].Param, Position);
    testsupport::RendPng(*Page, "infoequipes_series");
}

TEST_F(InfoEquipesTest, APlayerLinkOpensTheCardAndWritesTheNameBack)
{
    Tf_InfoEquipes* Page = Commande(132);
    ASSERT_NE(Page, nullptr);
    TSaison* S = Principale.GetSaison();
    bool Changer = false;
    int Ouvertures = 0;
    EnregistreFicheJoueur([&](TSaison&, int, TJoueur*& Joueur, int, bool* Change) {
        ++Ouvertures;
        Joueur->Nom = "Nouveau";
        if (Change)
            *Change = Changer;
        return true;
    });
    const int Id = Page->sg_Buteur->GetDonnee(1, 1);
    ASSERT_NE(S->Joueurs().ChercheId(Id), nullptr);
    Page->sg_ButeurHotTrackClick(1, 1);
    EXPECT_EQ(Ouvertures, 1);
    EXPECT_EQ(Page->sg_Buteur->GetTexte(1, 1), "Nouveau  Jean");
    EXPECT_EQ(Principale.NbModifications, 0);
    Changer = true;
    Page->sg_ButeurHotTrackClick(1, 1);
    EXPECT_EQ(Principale.NbModifications, 1);
    // An unknown id, a cell that is no link and a cancelled card change nothing.
    Page->sg_Buteur->SetDonnee(1, 2, 9999);
    Page->sg_ButeurHotTrackClick(1, 2);
    Page->sg_ButeurHotTrackClick(0, 1);
    EXPECT_EQ(Ouvertures, 2);
    EnregistreFicheJoueur([&](TSaison&, int, TJoueur*&, int, bool*) { return false; });
    Page->sg_ButeurHotTrackClick(1, 3);
    EXPECT_EQ(Page->sg_Buteur->GetTexte(1, 3), "Avant1  Jean");
    EXPECT_EQ(Principale.NbModifications, 1);
    EXPECT_TRUE(Principale.Navigations.empty());
}

TEST_F(InfoEquipesTest, PrintAndHtmlTakeTheGridShown)
{
    Tf_InfoEquipes* Page = Commande(134);
    ASSERT_NE(Page, nullptr);
    testsupport::TempDir Dossier;
    const std::string Html = (Dossier / "info.htm").string();
    testsupport::VerifieEchecEcritureSignale([&](const std::string& f) { Page->ExporteHtml(f); }, Dossier, Html);
    const std::string Texte = testsupport::ReadWholeFile(Html);
    EXPECT_NE(Texte.find("5000 " + EchappeHtml(Traduit(51))), std::string::npos);
    EXPECT_EQ(Texte.find(EchappeHtml(Traduit(176))), std::string::npos);

    const std::string Pdf = (Dossier / "info.pdf").string();
    {
        TImprimantePdf Imprimante(Pdf);
        Page->Imprime();
    }
    EXPECT_EQ(testsupport::ReadWholeFile(Pdf).substr(0, 4), "%PDF");
    Commande(132);
    Page->ExporteHtml(Html);
    EXPECT_NE(testsupport::ReadWholeFile(Html).find("Avant0"), std::string::npos);
}

TEST_F(InfoEquipesTest, TheGridIsCentredWhenNarrowerThanThePage)
{
    Tf_InfoEquipes* Page = Commande(135);
    ASSERT_NE(Page, nullptr);
    Principale.Fond.resize(900, 700);
    Principale.Fond.show();
    Page->resize(900, 700);
    QApplication::processEvents();
    const QRect G = Page->sg_Buteur->geometry();
    const int Largeur = Page->ScrollBox1->viewport()->width();
    EXPECT_EQ(Largeur, 900 - 2 * Page->ScrollBox1->frameWidth());
    EXPECT_LE(std::abs(G.left() - (Largeur - G.right() - 1)), 2);
    EXPECT_GT(G.top(), 6);
    testsupport::RendPng(*Page, "infoequipes_joueurs_utilises");
    // Taller than the page: at the top, scrolling.
    Page->resize(700, 120);
    QApplication::processEvents();
    EXPECT_EQ(Page->sg_Buteur->y(), 6);
}

TEST_F(InfoEquipesTest, TheTwelveKeywordsWorkOnTheirDivision)
{
    const Textes Mots{"MeilleursButeursEquipe",    "MeilleursEssaiEquipe",        "MeilleursRealisateurEquipe",
                      "MeilleursMarqueurEquipe",   "MeilleureReussite2ptsEquipe", "MeilleureReussite3ptsEquipe",
                      "MeilleureReussiteLFEquipe", "MeilleursRebondEquipe",       "MeilleursPasseurEquipe",
                      "MeilleursAffluencesEquipe", "JoueursUtilisesEquipe",       "NbRemplacementEquipe"};
    TSaison* Saison = Principale.GetSaison();
    Saison->SetNumChampCourant(2);
    for (size_t i = 0; i < Mots.size(); ++i) {
        SCOPED_TRACE(Mots[i]);
        const TGestionFonction::TEntree* Entree = GestionFonction().Cherche(Mots[i]);
        ASSERT_NE(Entree, nullptr);
        EXPECT_EQ(Entree->Code, CodeFonction::Championnat);
        EXPECT_EQ(Entree->Classe, &Tf_InfoEquipes::ExecuteFonction);
        std::string Resultat;
        Tf_InfoEquipes::ExecuteFonction(Mots[i], {"Division=7"}, Resultat, "", Saison);
        EXPECT_EQ(Saison->GetNumChampCourant(), 2);
        // Default colours: the title background, the rows.
        EXPECT_NE(Resultat.find("#C0C0C0"), std::string::npos);
        const bool Colonnes = i < 3;
        EXPECT_EQ(Resultat.rfind("<table border=\"1\" cellspacing=\"0\" cellpadding=\"" +
                                     std::string(Colonnes ? "2" : "3") + "\">",
                                 0),
                  0u);
        if (i < 9) {
            EXPECT_NE(Resultat.find("#000080"), std::string::npos);
        }
    }
    std::string Resultat;
    Tf_InfoEquipes::ExecuteFonction("meilleursbuteursequipe", {"Division=7"}, Resultat, "", Saison);
    EXPECT_NE(Resultat.find("Avant4  Jean"), std::string::npos);
    EXPECT_NE(Resultat.find("<td valign=\"top\">"), std::string::npos);
    // The cup of three clubs: its record attendance is none, its players
    // used are three rows with the title row as a plain one.
    Tf_InfoEquipes::ExecuteFonction("JoueursUtilisesEquipe", {"Division=8"}, Resultat, "", Saison);
    EXPECT_NE(Resultat.find(EchappeHtml(Traduit(180))), std::string::npos);
    EXPECT_NE(Resultat.find("Lens"), std::string::npos);
    EXPECT_EQ(Resultat.find("Lyon"), std::string::npos);
    EXPECT_EQ(Saison->GetNumChampCourant(), 2);
    // Another keyword goes to the page base; no season gives nothing.
    Tf_InfoEquipes::ExecuteFonction("NbRemplacementEquipe", {}, Resultat, "", nullptr);
    EXPECT_EQ(Resultat, "");
}

class InfoEquipesRoute : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        auto S = testsupport::CreeSaisonVues(6);
        AjouteJoueurs(*S);
        AjouteFeuilles(*S);
        return S;
    }
};

TEST_F(InfoEquipesRoute, TheMenuCommandsShowTheViewsOnOneKeptPage)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    // The players' figures are not in the archive: the page counts them.
    ASSERT_TRUE(Fenetre->ExecuteCommande(132));
    auto* Page = dynamic_cast<Tf_InfoEquipes*>(Fenetre->GetPageCourante());
    ASSERT_NE(Page, nullptr);
    // Brest's first scorer has all its goals.
    EXPECT_EQ(Page->sg_Buteur->GetTexte(1, 5), "Avant4  Jean");
    EXPECT_EQ(Page->sg_Buteur->GetTexte(4, 5), "100%");
    Fenetre->resize(1000, 700);
    QApplication::processEvents();
    testsupport::RendPng(*Fenetre, "infoequipes_buteurs");
    for (int Code : {134, 135, 136, 217, 218}) {
        ASSERT_TRUE(Fenetre->ExecuteCommande(Code));
        EXPECT_EQ(Fenetre->GetPageCourante(), Page) << Code;
        QApplication::processEvents();
        testsupport::RendPng(*Fenetre, "infoequipes_" + std::to_string(Code));
    }
    EXPECT_EQ(Page->Tag, 11);
    EXPECT_FALSE(Page->fc_Param->isHidden());
    // Three home clubs' last goals at minute 50 or 80 of day 6 leave 40 or
    // 10 minutes; the away clubs never scored: 540.
    EXPECT_EQ(Page->sg_Buteur->GetTexte(2, 1), "540");
    // Print gives the attendance grid on its command.
    ASSERT_TRUE(Fenetre->ExecuteCommande(134));
    testsupport::TempDir Sortie;
    const std::string Pdf = (Sortie / "affluences.pdf").string();
    {
        TImprimantePdf Imprimante(Pdf);
        Fenetre->GetPageCourante()->Imprime();
    }
    EXPECT_EQ(testsupport::ReadWholeFile(Pdf).substr(0, 4), "%PDF");
}

} // namespace
