#include "pages/options/w_OptionsSauve.h"

#include "base/Utilities.h"
#include "controls/BoutonCoche.h"
#include "controls/ImageFond.h"
#include "model/SaisonFoot.h"
#include "pagebase/DefType.h"
#include "pages/Pages.h"
#include "support/SaisonExemple.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/FaussePrincipale.h"

#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

class OptionsSauveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Principale.SetSaison(testsupport::CreeSaisonComplete());
        Saison().SetOptionSauvegarde(0, 10);
        Saison().SetOptionSauvegarde(1, 0);
    }

    TSaison& Saison() { return *Principale.GetSaison(); }

    // Command 178 as the main window runs it, the form handled by `reponse`.
    void Execute(std::function<void(Tf_OptionSauve&)> reponse)
    {
        EnregistrePages();
        const TCommandePage* commande = CommandePage(178);
        ASSERT_NE(commande, nullptr);
        Scripts.Repond([reponse](QDialog& d) { reponse(dynamic_cast<Tf_OptionSauve&>(d)); });
        (*commande)(Principale, 178, 0, 0);
    }

    testsupport::TFaussePrincipale Principale;
    testsupport::TDialoguesScriptes Scripts;
};

} // namespace

TEST_F(OptionsSauveTest, AfficheLesOptionsDeLaSaison)
{
    Saison().SetOptionSauvegarde(0, 25);
    Saison().SetOptionSauvegarde(1, 1);
    Execute([](Tf_OptionSauve& f) {
        EXPECT_TRUE(f.cc_SauveAuto->Checked());
        EXPECT_EQ(f.ud_TempsAuto->value(), 25);
        EXPECT_TRUE(f.cc_ConserveSauve->Checked());
        // Only the system menu among the border icons.
        EXPECT_FALSE(f.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
        f.b_Annuler->Click();
    });

    // Auto-save off shows an empty box at 0 minutes, not the form's 10.
    Saison().SetOptionSauvegarde(0, 0);
    Saison().SetOptionSauvegarde(1, 0);
    Execute([](Tf_OptionSauve& f) {
        EXPECT_FALSE(f.cc_SauveAuto->Checked());
        EXPECT_EQ(f.ud_TempsAuto->value(), 0);
        EXPECT_FALSE(f.cc_ConserveSauve->Checked());
        f.b_Annuler->Click();
    });
    EXPECT_EQ(Principale.NbModifications, 0);
    EXPECT_EQ(Principale.NbReinitAutoSave, 0);
}

TEST_F(OptionsSauveTest, ValiderEcritLesOptionsEtRelanceLaSauvegardeAuto)
{
    int tag = -1;
    Execute([&tag](Tf_OptionSauve& f) {
        f.ud_TempsAuto->setValue(15);
        f.cc_ConserveSauve->SetChecked(true);
        f.b_Valider->Click();
        tag = f.Tag;
    });
    EXPECT_EQ(tag, 1);
    EXPECT_EQ(Saison().GetOptionSauvegarde(0), 15);
    EXPECT_EQ(Saison().GetOptionSauvegarde(1), 1);
    EXPECT_EQ(Principale.NbModifications, 1);
    EXPECT_EQ(Principale.NbReinitAutoSave, 1);

    // Unchecked, or checked with the spinner at 0, switches auto-save off.
    for (bool coche : {false, true}) {
        Saison().SetOptionSauvegarde(0, 15);
        Execute([coche](Tf_OptionSauve& f) {
            f.cc_SauveAuto->SetChecked(coche);
            f.ud_TempsAuto->setValue(coche ? 0 : 30);
            f.b_Valider->Click();
        });
        EXPECT_EQ(Saison().GetOptionSauvegarde(0), 0) << coche;
    }
    EXPECT_EQ(Principale.NbReinitAutoSave, 3);
}

TEST_F(OptionsSauveTest, RienNeChangeSansDifference)
{
    // Validating what is shown writes nothing and reports nothing.
    int tag = -1;
    Execute([&tag](Tf_OptionSauve& f) {
        f.b_Valider->Click();
        tag = f.Tag;
    });
    EXPECT_EQ(tag, 0);
    EXPECT_EQ(Principale.NbModifications, 0);
    EXPECT_EQ(Principale.NbReinitAutoSave, 0);

    // Cancel leaves the season alone whatever the form shows.
    Execute([](Tf_OptionSauve& f) {
        f.cc_SauveAuto->SetChecked(false);
        f.cc_ConserveSauve->SetChecked(true);
        f.b_Annuler->Click();
    });
    EXPECT_EQ(Saison().GetOptionSauvegarde(0), 10);
    EXPECT_EQ(Saison().GetOptionSauvegarde(1), 0);
    EXPECT_EQ(Principale.NbModifications, 0);
    EXPECT_EQ(Principale.NbReinitAutoSave, 0);

    // No season open: no form at all.
    Principale.SetSaison(nullptr);
    EXPECT_FALSE(AfficheOptionsSauve(Principale));
    EXPECT_EQ(Scripts.TitresFormes.size(), 2u);
}

TEST_F(OptionsSauveTest, LaBoiteDesMinutesNePrendQueDesChiffres)
{
    Tf_OptionSauve f;
    f.Saison = &Saison();
    f.show();
    QLineEdit* edition = f.ud_TempsAuto->findChild<QLineEdit*>();
    ASSERT_NE(edition, nullptr);
    EXPECT_EQ(f.ud_TempsAuto->value(), 10);

    QTest::keyClick(edition, Qt::Key_A);
    QTest::keyClick(edition, Qt::Key_Backspace);
    QTest::keyClick(edition, Qt::Key_Minus);
    EXPECT_EQ(f.ud_TempsAuto->value(), 10);
    // A digit is the whole value: the box takes one typed character.
    QTest::keyClick(edition, Qt::Key_7);
    EXPECT_EQ(f.ud_TempsAuto->value(), 7);
    QTest::keyClick(edition, Qt::Key_3);
    EXPECT_EQ(f.ud_TempsAuto->value(), 3);
    // The up-down reaches any value of its range, and no further.
    QTest::keyClick(edition, Qt::Key_Up);
    EXPECT_EQ(f.ud_TempsAuto->value(), 4);
    f.ud_TempsAuto->setValue(500);
    EXPECT_EQ(f.ud_TempsAuto->value(), Tf_OptionSauve::MinutesMax);
}

TEST_F(OptionsSauveTest, AideSurLesOptions)
{
    testsupport::TBureauEnregistre bureau;
    Tf_OptionSauve f;
    f.DossierAide = AppDir() + "aide/fr/";
    f.b_Aide->Click();
    ASSERT_EQ(bureau.Urls.size(), 1u);
    EXPECT_NE(bureau.Urls[0].find("/aide/fr/html/menuopt.htm"), std::string::npos);
}
