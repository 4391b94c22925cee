#include "pages/saisie/w_Penaltys.h"

#include <gtest/gtest.h>

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "model/FakeSaison.h"
#include "support/MessagesScriptes.h"
#include "support_ui/DialoguesScriptes.h"

namespace {

using testsupport::TDialoguesScriptes;

struct Penaltys : ::testing::Test {
    FakeSaison Saison;
    TDialoguesScriptes Dialogues;
    Penaltys()
    {
        Saison.Equipes[3] = "Nantes";
        Saison.Equipes[7] = "Lorient";
    }
};

TEST_F(Penaltys, ShowsBothTeamsAndGivesTheShootOutWhenValidated)
{
    std::string nom1, nom2, buts;
    Dialogues.Repond([&](QDialog& d) {
        auto& p = static_cast<Tf_Penaltys&>(d);
        nom1 = p.Cadre1->Text(), nom2 = p.Cadre2->Text();
        buts = p.EditRond1->Text() + "-" + p.EditRond2->Text();
        p.EditRond1->SetText("4");
        p.EditRond2->SetText("3");
        p.bc_Valider->Click();
    });
    EXPECT_EQ(DemandeTirsAuBut(&Saison, 3, 7), (4 << 16) + 3);
    EXPECT_EQ(nom1, "Nantes");
    EXPECT_EQ(nom2, "Lorient");
    EXPECT_EQ(buts, "0-0");
    EXPECT_EQ(Dialogues.TitresFormes, std::vector<std::string>{"Penalty"});
}

TEST_F(Penaltys, ALevelShootOutIsRefusedWithItsReasonAndClosingGivesNone)
{
    InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
    testsupport::TMessagesScriptes messages;
    bool ouverte = false;
    Dialogues.Repond([&](QDialog& d) {
        auto& p = static_cast<Tf_Penaltys&>(d);
        p.EditRond1->SetText("2");
        p.EditRond2->SetText("02");
        p.bc_Valider->Click();
        ouverte = p.isVisible() && p.result() == 0;
        p.done(ResultatModal::Annuler);
    });
    EXPECT_EQ(DemandeTirsAuBut(&Saison, 3, 7), 0);
    EXPECT_TRUE(ouverte);
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte,
              "Une séance de tirs au but ne peut pas finir sur une égalité : saisissez deux nombres différents.");
    InstalleTraducteur(nullptr);
}

} // namespace
