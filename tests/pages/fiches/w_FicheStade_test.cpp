#include "pages/fiches/w_FicheStade.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support_ui/DialoguesScriptes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

using testsupport::TDialoguesScriptes;

class FicheStadeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        Saison = testsupport::CreeSaisonComplete();
        Gerland = Saison->Stades().Get(0);
        Gerland->DateConstruction = 1950;
        Gerland->RecordAffluence = "48 552";
        Gerland->Remarque = "Tribune Jean Bouin";
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    static std::vector<std::string> Lignes(const TColorStringGrid& g)
    {
        std::vector<std::string> lignes;
        for (int r = 0; r < g.GetRowCount(); ++r) {
            std::string s;
            for (int c = 0; c < g.GetColCount(); ++c)
                s += (c ? "|" : "") + g.GetTexte(c, r);
            lignes.push_back(s);
        }
        return lignes;
    }

    std::unique_ptr<TSaisonFootball> Saison;
    TStade* Gerland = nullptr;
    TDialoguesScriptes Dialogues;
    testsupport::TMessagesScriptes Messages;
};

TEST_F(FicheStadeTest, ShowsTheStadiumAndTheMatchesPlayedThereOnItsTab)
{
    std::vector<std::string> champs, avant, apres;
    Dialogues.Repond([&](QDialog& d) {
        auto& f = static_cast<Tf_FicheStade&>(d);
        for (QLineEdit* e : {f.e_NomStade, f.e_Ville, f.e_Capacite, f.e_Construit, f.e_AffluenceRecord})
            champs.push_back(e->text().toStdString());
        champs.push_back(f.m_Remarque->toPlainText().toStdString());
        champs.push_back(f.cb_Pays->currentText().toStdString());
        avant = Lignes(*f.sg_Match);
        f.PageControl1->setCurrentWidget(f.ts_Matchs);
        apres = Lignes(*f.sg_Match);
        f.b_Annuler->Click();
    });
    TStade* stade = Gerland;
    EXPECT_FALSE(AfficheFicheStade(*Saison, stade));
    EXPECT_EQ(champs, (std::vector<std::string>{"Stade de Gerland", "Lyon", "40000", "1950", "48 552",
                                                "Tribune Jean Bouin", "France"}));
    EXPECT_EQ(avant.size(), 2u);
    ASSERT_EQ(apres.size(), 3u);
    EXPECT_EQ(apres[0], Traduit(85) + "|" + Traduit(309) + "|" + Traduit(223));
    EXPECT_EQ(apres[1], "|" + Saison->GetNomChampDesc(1) + "|");
    EXPECT_EQ(apres[2], "1|Lyon - Nice|2 - 1");
}

TEST_F(FicheStadeTest, ACalendarByDateShowsTheDateAndAnUnplayedMatchNoScore)
{
    Saison->GetChampionnat(1)->SetOption(11, 8);
    Saison->GetChampionnat(1)->SetStadeMatch(2, 2, Gerland->Code); // Lens - Lyon, not played
    Saison->DetacheChampionnat(2);
    std::vector<std::string> lignes;
    Dialogues.Repond([&](QDialog& d) {
        auto& f = static_cast<Tf_FicheStade&>(d);
        f.PageControl1->setCurrentWidget(f.ts_Matchs);
        lignes = Lignes(*f.sg_Match);
        f.b_Annuler->Click();
    });
    TStade* stade = Gerland;
    AfficheFicheStade(*Saison, stade);
    ASSERT_EQ(lignes.size(), 3u);
    EXPECT_EQ(lignes[1], "10/08/2025|Lyon - Nice|2 - 1");
    EXPECT_EQ(lignes[2], "|Lens - Lyon|");
}

TEST_F(FicheStadeTest, OkWritesOnlyWhatWasChangedAndReportsIt)
{
    Dialogues.Repond([](QDialog& d) { static_cast<Tf_FicheStade&>(d).b_Valider->Click(); });
    TStade* stade = Gerland;
    EXPECT_FALSE(AfficheFicheStade(*Saison, stade));

    int tag = 0;
    Dialogues.Repond([&](QDialog& d) {
        auto& f = static_cast<Tf_FicheStade&>(d);
        f.e_Capacite->setText("41 000");
        f.e_Construit->setText("1926");
        f.b_Valider->Click();
        tag = f.Tag;
    });
    EXPECT_TRUE(AfficheFicheStade(*Saison, stade));
    EXPECT_EQ(tag, 1);
    EXPECT_EQ(stade, Gerland);
    // Not a number: 0.
    EXPECT_EQ(Gerland->Capacite, 0);
    EXPECT_EQ(Gerland->DateConstruction, 1926);
    EXPECT_EQ(Gerland->NomStade, "Stade de Gerland");
    EXPECT_EQ(Gerland->RecordAffluence, "48 552");
    EXPECT_EQ(Gerland->Remarque, "Tribune Jean Bouin");
    EXPECT_EQ(Gerland->CodePays, 0);
    EXPECT_EQ(Gerland->Code, 0);
}

TEST_F(FicheStadeTest, AStadiumWithoutATownIsRefusedAndTheCardStaysOpen)
{
    bool ouverte = false;
    Dialogues.Repond([&](QDialog& d) {
        auto& f = static_cast<Tf_FicheStade&>(d);
        f.e_Ville->setText(" ");
        f.b_Valider->Click();
        ouverte = f.result() == 0;
        f.b_Annuler->Click();
    });
    TStade* stade = Gerland;
    EXPECT_FALSE(AfficheFicheStade(*Saison, stade));
    EXPECT_TRUE(ouverte);
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, Traduit(1028));
    EXPECT_EQ(Gerland->Ville, "Lyon");
}

TEST_F(FicheStadeTest, ANewStadiumHasNoMatchesAndIsAddedOnlyOnOk)
{
    std::vector<std::string> lignes;
    std::string capacite;
    Dialogues.Repond([&](QDialog& d) {
        auto& f = static_cast<Tf_FicheStade&>(d);
        capacite = f.e_Capacite->text().toStdString();
        f.PageControl1->setCurrentWidget(f.ts_Matchs);
        lignes = Lignes(*f.sg_Match);
        f.e_NomStade->setText("Allianz Riviera");
        f.e_Ville->setText("Nice");
        f.b_Annuler->Click();
    });
    TStade* stade = nullptr;
    EXPECT_FALSE(AfficheFicheStade(*Saison, stade));
    EXPECT_EQ(capacite, "0");
    EXPECT_EQ(lignes.size(), 2u);
    EXPECT_EQ(lignes[1], "||");
    EXPECT_EQ(Saison->Stades().Nombre(), 1);

    Dialogues.Repond([](QDialog& d) {
        auto& f = static_cast<Tf_FicheStade&>(d);
        f.e_NomStade->setText("Allianz Riviera");
        f.e_Ville->setText("Nice");
        f.e_Capacite->setText("35000");
        f.b_Valider->Click();
    });
    EXPECT_TRUE(AfficheFicheStade(*Saison, stade));
    ASSERT_NE(stade, nullptr);
    EXPECT_EQ(Saison->Stades().Nombre(), 2);
    EXPECT_EQ(Saison->Stades().Get(0), stade);
    EXPECT_EQ(stade->Code, 1);
    EXPECT_EQ(stade->Capacite, 35000);
    EXPECT_EQ(stade->CodePays, 65535);
}

TEST_F(FicheStadeTest, ARenamedStadiumKeepsItsCodeAndTheListItsOrder)
{
    Saison->Stades().Ajoute(std::make_unique<TStade>("Parc des Princes", 48000, "Paris"), false);
    Dialogues.Repond([](QDialog& d) {
        auto& f = static_cast<Tf_FicheStade&>(d);
        f.e_NomStade->setText("Vélodrome");
        f.b_Valider->Click();
    });
    TStade* stade = Gerland;
    EXPECT_TRUE(AfficheFicheStade(*Saison, stade));
    EXPECT_EQ(stade, Gerland);
    EXPECT_EQ(Saison->Stades().Get(1), Gerland);
    EXPECT_EQ(Gerland->Code, 0);
    EXPECT_EQ(Saison->GetChampionnat(1)->GetStadeMatch(1, 1), 0);
}

} // namespace
