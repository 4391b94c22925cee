#include "pages/fiches/w_FicheArbitre.h"

#include "base/Format.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/Personnels.h"
#include "pagebase/DefType.h"
#include "support/SaisonExemple.h"
#include "support_ui/DialoguesScriptes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

#include <gtest/gtest.h>

namespace {

using testsupport::TDialoguesScriptes;

class FicheArbitreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        Saison = testsupport::CreeSaisonComplete();
        Saison->RecalculeArbitres();
        Paul = dynamic_cast<TPersonnelStat*>(Saison->Arbitres().Get(0));
        Paul->CodePays = 1;
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    static std::string T(const QLabel* l) { return l->text().toStdString(); }
    static std::string Ligne(const TColorStringGrid& g, int r)
    {
        std::string s;
        for (int c = 0; c < g.GetColCount(); ++c)
            s += (c ? "|" : "") + g.GetTexte(c, r);
        return s;
    }

    std::unique_ptr<TSaisonFootball> Saison;
    TPersonnelStat* Paul = nullptr;
    TDialoguesScriptes Dialogues;
};

// Through the page base's opener, as the pages open the card: OK and the change.
bool OuvreFicheArbitreTest(TSaison& saison, TPersonnelStat*& arbitre, bool& change)
{
    EnregistrePagesFichesAutres();
    const bool ok = OuvreFicheArbitre(saison, 1, arbitre, &change);
    EnregistreFicheArbitre(nullptr);
    return ok;
}

TEST_F(FicheArbitreTest, ShowsTheRefereeAndTheMatchesHeRefereedThenCancelChangesNothing)
{
    std::string nom, prenom, pays, matchs, penaltys, jaunes, titre;
    bool listeVisible = false, validerCache = false;
    std::vector<std::string> lignes;
    Dialogues.Repond([&](QDialog& d) {
        auto& f = static_cast<Tf_FicheArbitre&>(d);
        nom = f.e_Nom->text().toStdString();
        prenom = f.e_Prenom->text().toStdString();
        pays = f.cb_Pays->currentText().toStdString();
        matchs = T(f.l_Matchs), penaltys = T(f.l_Penalty), jaunes = T(f.l_Cj);
        titre = f.windowTitle().toStdString();
        f.e_Nom->setText("Autre");
        f.s1->Click();
        listeVisible = f.fs_Match->isVisible();
        validerCache = !f.b_Valider->isVisible() && f.b_RetourFiche->isVisible();
        for (int r = 0; r < f.sg_Match->GetRowCount(); ++r)
            lignes.push_back(Ligne(*f.sg_Match, r));
        f.b_RetourFiche->Click();
        f.b_Annuler->Click();
    });
    TPersonnelStat* arbitre = Paul;
    EXPECT_FALSE(AfficheFicheArbitre(*Saison, 1, arbitre));
    EXPECT_EQ(nom, "Arbitre");
    EXPECT_EQ(prenom, "Paul");
    EXPECT_EQ(pays, "Italie");
    EXPECT_EQ(titre, TraduitFmt(312, {std::string("Paul"), std::string("Arbitre")}));
    // Two championships: the card's own figures, then the totals.
    EXPECT_EQ(matchs, "1(1)");
    EXPECT_EQ(penaltys, "2(2)");
    EXPECT_EQ(jaunes, FormatReel(1, 1) + "(" + FormatReel(1, 1) + ")");
    EXPECT_TRUE(listeVisible);
    EXPECT_TRUE(validerCache);
    ASSERT_EQ(lignes.size(), 3u);
    EXPECT_EQ(lignes[1], "|" + Saison->GetNomChampDesc(1) + "|||");
    // Lyon - Nice of day 1: Nice's caution and sending-off, Lyon's penalty and missed penalty.
    EXPECT_EQ(lignes[2], "1|Lyon - Nice|1|1|2");
    EXPECT_EQ(Paul->Nom, "Arbitre");
    EXPECT_EQ(Saison->Arbitres().Nombre(), 1);
}

TEST_F(FicheArbitreTest, AveragesOverTheSeasonOrAgainstTheCardsChampionship)
{
    auto figures = [&](int numero) {
        std::string cj, cr, matchs;
        Dialogues.Repond([&](QDialog& d) {
            auto& f = static_cast<Tf_FicheArbitre&>(d);
            cj = T(f.l_Cj), cr = T(f.l_Cr), matchs = T(f.l_Matchs);
            f.b_Annuler->Click();
        });
        TPersonnelStat* arbitre = Paul;
        AfficheFicheArbitre(*Saison, numero, arbitre);
        return matchs + " " + cj + " " + cr;
    };
    const std::string sep(1, SeparateurDecimal());
    // The card counts his figures from the matches: three league matches
    // (2 cautions and a sending-off among their teams) and both cup semi-finals.
    TDonneesChampionnat* ligue = Saison->GetChampionnat(1);
    TDonneesChampionnat* coupe = Saison->GetChampionnat(2);
    for (auto [jour, match] : {std::pair{1, 1}, {1, 2}, {2, 1}})
        ligue->SetArbitre(jour, match, 1, Paul->Numero);
    coupe->SetArbitre(1, 1, 1, Paul->Numero);
    coupe->SetArbitre(1, 2, 1, Paul->Numero);
    Paul->VideStats(true); // stale figures are not what the card shows
    EXPECT_EQ(figures(1), "3(5) 0" + sep + "7(0" + sep + "4) 0" + sep + "3(0" + sep + "2)");
    // No championship given: the totals only.
    EXPECT_EQ(figures(-1), "5 0" + sep + "40 0" + sep + "20");
    Saison->DetacheChampionnat(2);
    EXPECT_EQ(figures(1), "3 0" + sep + "67 0" + sep + "33");
    for (auto [jour, match] : {std::pair{1, 1}, {1, 2}, {2, 1}})
        ligue->SetArbitre(jour, match, 1, -1);
    EXPECT_EQ(figures(1), "0 0 0");
}

TEST_F(FicheArbitreTest, OkWritesOnlyWhatWasChangedAndReportsIt)
{
    Dialogues.Repond([](QDialog& d) { static_cast<Tf_FicheArbitre&>(d).b_Valider->Click(); });
    TPersonnelStat* arbitre = Paul;
    EXPECT_FALSE(AfficheFicheArbitre(*Saison, 1, arbitre));
    EXPECT_EQ(Paul->CodePays, 1);

    int tag = -1;
    Dialogues.Repond([&](QDialog& d) {
        auto& f = static_cast<Tf_FicheArbitre&>(d);
        f.e_Prenom->setText("Pierre");
        f.b_Valider->Click();
        tag = f.Tag;
    });
    EXPECT_TRUE(AfficheFicheArbitre(*Saison, 1, arbitre));
    EXPECT_EQ(tag, 1);
    EXPECT_EQ(arbitre, Paul);
    EXPECT_EQ(Paul->Prenom, "Pierre");
    EXPECT_EQ(Paul->Nom, "Arbitre");
    EXPECT_EQ(Paul->CodePays, 1);
    EXPECT_EQ(Paul->Numero, 1);
    EXPECT_EQ(Paul->TotalMatchs(), 1);
}

TEST_F(FicheArbitreTest, ANewRefereeIsAddedInNameOrderOnlyOnOk)
{
    Dialogues.Repond([](QDialog& d) {
        auto& f = static_cast<Tf_FicheArbitre&>(d);
        f.e_Nom->setText("Zorro");
        f.b_Annuler->Click();
    });
    TPersonnelStat* arbitre = nullptr;
    EXPECT_FALSE(AfficheFicheArbitre(*Saison, 1, arbitre));
    EXPECT_EQ(arbitre, nullptr);
    EXPECT_EQ(Saison->Arbitres().Nombre(), 1);

    std::string matchs;
    Dialogues.Repond([&](QDialog& d) {
        auto& f = static_cast<Tf_FicheArbitre&>(d);
        matchs = T(f.l_Matchs);
        f.e_Nom->setText("Aaron");
        f.e_Prenom->setText("Luc");
        f.cb_Pays->setEditText("France");
        f.b_Valider->Click();
    });
    EXPECT_TRUE(AfficheFicheArbitre(*Saison, 1, arbitre));
    EXPECT_EQ(matchs, "-");
    ASSERT_NE(arbitre, nullptr);
    EXPECT_EQ(Saison->Arbitres().Get(0), arbitre);
    EXPECT_EQ(arbitre->Nom, "Aaron");
    EXPECT_EQ(arbitre->CodePays, 0);
    EXPECT_EQ(arbitre->Numero, 2);
}

TEST_F(FicheArbitreTest, ARefereeRenamedAfterAnotherMergesIntoHimWithHisMatches)
{
    Saison->Arbitres().Ajoute(std::make_unique<TPersonnelStat>("Martin", "Marc", 0, 5));
    Dialogues.Repond([](QDialog& d) {
        auto& f = static_cast<Tf_FicheArbitre&>(d);
        f.e_Nom->setText("Martin");
        f.e_Prenom->setText("Marc");
        f.b_Valider->Click();
    });
    TPersonnelStat* arbitre = Paul;
    EXPECT_TRUE(AfficheFicheArbitre(*Saison, 1, arbitre));
    ASSERT_EQ(Saison->Arbitres().Nombre(), 1);
    EXPECT_EQ(arbitre, Saison->Arbitres().Get(0));
    EXPECT_EQ(arbitre->Numero, 5);
    EXPECT_EQ(Saison->GetChampionnat(1)->GetArbitre(1, 1, 1), 5);
    EXPECT_EQ(arbitre->TotalMatchs(), 1);
}

TEST_F(FicheArbitreTest, TheMatchListCountsOnlyMatchesWhereHeIsOneOfTheOfficials)
{
    Saison->GetChampionnat(1)->SetArbitre(2, 2, 3, Paul->Numero); // Lens - Lyon, unplayed
    Saison->RecalculeArbitres();
    std::vector<std::string> lignes;
    Dialogues.Repond([&](QDialog& d) {
        auto& f = static_cast<Tf_FicheArbitre&>(d);
        f.s1->Click();
        for (int r = 0; r < f.sg_Match->GetRowCount(); ++r)
            lignes.push_back(Ligne(*f.sg_Match, r));
        f.b_RetourFiche->Click();
        f.b_Annuler->Click();
    });
    TPersonnelStat* arbitre = Paul;
    AfficheFicheArbitre(*Saison, 1, arbitre);
    ASSERT_EQ(lignes.size(), 4u);
    EXPECT_EQ(lignes[3], "2|Lens - Lyon|0|0|0");
}

} // namespace

TEST_F(FicheArbitreTest, ANewRefereeWithoutSurnameIsNotCreated)
{
    Dialogues.Repond([](QDialog& d) {
        auto& f = static_cast<Tf_FicheArbitre&>(d);
        f.e_Prenom->setText("Luc");
        f.cb_Pays->setEditText("France");
        f.b_Valider->Click();
    });
    TPersonnelStat* arbitre = nullptr;
    bool change = true;
    EXPECT_TRUE(OuvreFicheArbitreTest(*Saison, arbitre, change));
    EXPECT_FALSE(change);
    EXPECT_EQ(arbitre, nullptr);
    EXPECT_EQ(Saison->Arbitres().Nombre(), 1);
}
