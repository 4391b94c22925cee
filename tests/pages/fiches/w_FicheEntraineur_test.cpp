#include "pages/fiches/w_FicheEntraineur.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "model/ClubStade.h"
#include "model/Personnels.h"
#include "pagebase/DefType.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support_ui/DialoguesScriptes.h"

#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

using testsupport::TDialoguesScriptes;

class FicheEntraineurTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        Saison = testsupport::CreeSaisonComplete();
        Dupont = dynamic_cast<TEntraineur*>(Saison->Entraineurs().Get(0));
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    // Opens the card on the coach, types the year of birth and validates.
    bool ValideAge(const std::string& texte)
    {
        Dialogues.Repond([texte](QDialog& d) {
            auto& f = static_cast<Tf_FicheEntraineur&>(d);
            f.e_Age->setText(QString::fromStdString(texte));
            f.b_Valider->Click();
            if (f.result() == 0)
                f.b_Annuler->Click();
        });
        TEntraineur* e = Dupont;
        return AfficheFicheEntraineur(*Saison, e);
    }

    std::unique_ptr<TSaisonFootball> Saison;
    TEntraineur* Dupont = nullptr;
    TDialoguesScriptes Dialogues;
    testsupport::TMessagesScriptes Messages;
};

TEST_F(FicheEntraineurTest, ShowsTheCoachAndCancelChangesNothing)
{
    std::vector<std::string> champs;
    Dialogues.Repond([&](QDialog& d) {
        auto& f = static_cast<Tf_FicheEntraineur&>(d);
        champs = {f.windowTitle().toStdString(),    f.e_Nom->text().toStdString(),
                  f.e_Prenom->text().toStdString(), f.cb_Pays->currentText().toStdString(),
                  f.e_Age->text().toStdString(),    f.cb_ClubPrec->currentText().toStdString()};
        f.e_Nom->setText("Durand");
        f.b_Annuler->Click();
    });
    TEntraineur* e = Dupont;
    EXPECT_FALSE(AfficheFicheEntraineur(*Saison, e));
    EXPECT_EQ(champs, (std::vector<std::string>{
                          TraduitFmt(83, {std::string("Jean"), std::string("Dupont"), std::string("Lyon")}), "Dupont",
                          "Jean", "", "60", "Autre & Cie"}));
    EXPECT_EQ(Dupont->Nom, "Dupont");
}

TEST_F(FicheEntraineurTest, TheYearOfBirthIsKeptFrom1900)
{
    EXPECT_TRUE(ValideAge("1962"));
    EXPECT_EQ(Dupont->Age, 62);
    EXPECT_FALSE(ValideAge("62"));
    EXPECT_EQ(Dupont->Age, 62);
    EXPECT_TRUE(ValideAge(Traduit(84)));
    EXPECT_EQ(Dupont->Age, 0);
    EXPECT_TRUE(ValideAge("2001"));
    EXPECT_EQ(Dupont->Age, 101);
    EXPECT_TRUE(Messages.Messages.empty());
    // A year that a byte cannot hold is refused rather than wrapped.
    EXPECT_FALSE(ValideAge("2300"));
    EXPECT_FALSE(ValideAge("700"));
    EXPECT_EQ(Dupont->Age, 101);
    ASSERT_EQ(Messages.Messages.size(), 2u);
    EXPECT_EQ(Messages.Messages[0].Texte, Traduit(1029));
}

TEST_F(FicheEntraineurTest, TheYearOfBirthAcceptsDigitsAndTheUnknownKey)
{
    const std::string inconnu = Traduit(84);
    std::string texte = inconnu;
    EXPECT_TRUE(e_AgeKeyPress(texte, U'1'));
    EXPECT_EQ(texte, "");
    texte = "19";
    EXPECT_FALSE(e_AgeKeyPress(texte, U'a'));
    EXPECT_EQ(texte, "19");
    EXPECT_TRUE(e_AgeKeyPress(texte, U'\b'));
    EXPECT_FALSE(e_AgeKeyPress(texte, U'i'));
    EXPECT_EQ(texte, inconnu);
}

TEST_F(FicheEntraineurTest, OkWritesTheChangedFieldsAndAddsANewFormerClub)
{
    Dialogues.Repond([](QDialog& d) {
        auto& f = static_cast<Tf_FicheEntraineur&>(d);
        f.cb_Pays->setEditText("Italie");
        f.cb_ClubPrec->setEditText("Nouveau Club");
        f.b_Valider->Click();
    });
    TEntraineur* e = Dupont;
    EXPECT_TRUE(AfficheFicheEntraineur(*Saison, e));
    EXPECT_EQ(e, Dupont);
    EXPECT_EQ(Dupont->CodePays, 1);
    ASSERT_EQ(Saison->NbClubPrec(), 3);
    EXPECT_EQ(Dupont->ClubPrec, 2);
    EXPECT_EQ(Saison->GetClubPrec(2), "Nouveau Club");
    EXPECT_EQ(Dupont->Age, 60);
    EXPECT_EQ(Dupont->Nom, "Dupont");
    EXPECT_EQ(Dupont->ClubActuel, 0);
}

TEST_F(FicheEntraineurTest, ANewCoachIsAddedOnlyOnOk)
{
    std::string titre, age;
    Dialogues.Repond([&](QDialog& d) {
        auto& f = static_cast<Tf_FicheEntraineur&>(d);
        titre = f.windowTitle().toStdString();
        age = f.e_Age->text().toStdString();
        f.e_Nom->setText("Blanc");
        f.b_Annuler->Click();
    });
    TEntraineur* e = nullptr;
    EXPECT_FALSE(AfficheFicheEntraineur(*Saison, e));
    EXPECT_EQ(titre, Traduit(345));
    EXPECT_EQ(age, Traduit(84));
    EXPECT_EQ(Saison->Entraineurs().Nombre(), 1);
    EXPECT_EQ(Saison->NbClubPrec(), 2);

    Dialogues.Repond([](QDialog& d) {
        auto& f = static_cast<Tf_FicheEntraineur&>(d);
        f.e_Nom->setText("Blanc");
        f.e_Prenom->setText("Laurent");
        f.b_Valider->Click();
    });
    EXPECT_TRUE(AfficheFicheEntraineur(*Saison, e));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(Saison->Entraineurs().Get(0), e);
    EXPECT_EQ(e->Numero, 2);
    EXPECT_EQ(e->Age, 0);
    EXPECT_EQ(e->ClubPrec, 65535);
    EXPECT_EQ(Saison->NbClubPrec(), 2);
}

TEST_F(FicheEntraineurTest, ACoachRenamedAfterAnotherMergesAndTheClubFollows)
{
    Saison->Entraineurs().Ajoute(std::make_unique<TEntraineur>("Zidane", "Zinedine", 72, -1));
    const int zidane = Saison->Entraineurs().Get(1)->Numero;
    Dialogues.Repond([](QDialog& d) {
        auto& f = static_cast<Tf_FicheEntraineur&>(d);
        f.e_Nom->setText("Zidane");
        f.e_Prenom->setText("Zinedine");
        f.b_Valider->Click();
    });
    TEntraineur* e = Dupont;
    EXPECT_TRUE(AfficheFicheEntraineur(*Saison, e));
    ASSERT_EQ(Saison->Entraineurs().Nombre(), 1);
    EXPECT_EQ(e->Numero, zidane);
    EXPECT_EQ(Saison->RensClubs().ChercheEquipe(0)->NumeroEntraineur, zidane);
}

} // namespace

TEST_F(FicheEntraineurTest, ANewCoachWithoutSurnameIsNotCreated)
{
    Dialogues.Repond([](QDialog& d) {
        auto& f = static_cast<Tf_FicheEntraineur&>(d);
        f.cb_Pays->setEditText("France");
        f.b_Valider->Click();
    });
    EnregistrePagesFicheEntraineur();
    TEntraineur* e = nullptr;
    bool change = true;
    EXPECT_TRUE(OuvreFicheEntraineur(*Saison, e, &change));
    EnregistreFicheEntraineur(nullptr);
    EXPECT_FALSE(change);
    EXPECT_EQ(e, nullptr);
    EXPECT_EQ(Saison->Entraineurs().Nombre(), 1);
    EXPECT_EQ(Saison->NbClubPrec(), 2);
}
