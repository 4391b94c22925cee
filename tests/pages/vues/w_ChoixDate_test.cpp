#include "pages/vues/w_Agrandissement.h"
#include "pages/vues/w_ChoixDate.h"

#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "support_ui/DialoguesScriptes.h"

#include <QCalendarWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ChoixDateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Ancienne = InstalleHorloge(std::make_shared<THorlogeFixe>(TDateHeure{2026, 3, 14, 15, 30}));
    }
    void TearDown() override { InstalleHorloge(Ancienne); }

    std::shared_ptr<THorloge> Ancienne;
    testsupport::TDialoguesScriptes Scripts;
};

} // namespace

TEST_F(ChoixDateTest, OuvertSurAujourdhuiEtRendLaDateChoisie)
{
    Tf_ChoixDate Forme;
    EXPECT_EQ(Forme.mc_date->selectedDate(), QDate(2026, 3, 14));
    EXPECT_EQ(Forme.Date, (TDateHeure{2026, 3, 14}));
    Scripts.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_ChoixDate&>(d);
        f.mc_date->setSelectedDate(QDate(2025, 11, 2));
        f.BoutonCopie1->Click();
    });
    EXPECT_EQ(Dialogues().ExecuteModal(Forme), ResultatModal::Ok);
    EXPECT_EQ(Forme.Date, (TDateHeure{2025, 11, 2}));
}

TEST_F(ChoixDateTest, AnnulerLaisseLaDate)
{
    Tf_ChoixDate Forme;
    Scripts.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_ChoixDate&>(d);
        f.mc_date->setSelectedDate(QDate(2025, 11, 2));
        f.BoutonCopie2->Click();
    });
    EXPECT_EQ(Dialogues().ExecuteModal(Forme), ResultatModal::Annuler);
    EXPECT_EQ(Forme.Date, (TDateHeure{2026, 3, 14}));
}

TEST(AgrandissementTest, PremierClicFerme)
{
    testsupport::TDialoguesScriptes Scripts;
    for (bool SurLaGrille : {false, true}) {
        Tf_Agrandissement Forme;
        Forme.resize(300, 200);
        Forme.sg_TabPart->SetColCount(2);
        Forme.sg_TabPart->SetRowCount(2);
        Scripts.Repond([SurLaGrille](QDialog& d) {
            auto& f = dynamic_cast<Tf_Agrandissement&>(d);
            ASSERT_TRUE(f.isVisible());
            QWidget* Cible = SurLaGrille ? f.sg_TabPart->viewport() : static_cast<QWidget*>(&f);
            QTest::mouseClick(Cible, Qt::LeftButton, {}, QPoint(5, 5));
            EXPECT_FALSE(f.isVisible()) << "closed by the first click";
        });
        EXPECT_EQ(Dialogues().ExecuteModal(Forme), ResultatModal::Annuler);
    }
}
