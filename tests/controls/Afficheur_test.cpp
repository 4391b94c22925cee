#include "controls/Afficheur.h"
#include "platform/Couleurs.h"
#include "support_ui/RenduPng.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

TEST(Affichage, ChiffresEtSaisie)
{
    TAffichage affichage;
    affichage.SetNbCase(3);
    EXPECT_EQ(affichage.width(), 3 * 34);
    affichage.SetNombre("7");
    EXPECT_EQ(affichage.Chiffres(), "007");
    affichage.SetEdition(true);
    QFocusEvent focus(QEvent::FocusIn);
    QCoreApplication::sendEvent(&affichage, &focus);
    QTest::keyClicks(&affichage, "1234");
    EXPECT_EQ(affichage.Nombre(), "234") << "leading digits beyond the cells drop";
    QTest::keyClick(&affichage, Qt::Key_Backspace);
    EXPECT_EQ(affichage.Nombre(), "23");
    QCoreApplication::sendEvent(&affichage, &focus);
    QTest::keyClicks(&affichage, "x");
    EXPECT_EQ(affichage.Nombre(), "") << "the first key after focusing empties it, digit or not";
    affichage.SetEdition(false);
    affichage.SetNombre("5");
    QTest::keyClicks(&affichage, "9");
    EXPECT_EQ(affichage.Nombre(), "5");
}

TEST(Affichage, SegmentsAllumesEtEteints)
{
    TAffichage affichage;
    affichage.SetNbCase(5);
    affichage.SetNombre("18");
    const QImage rouge = testsupport::RendPng(affichage, "afficheur_rouge");
    // Cell 4 shows 1: top segment unlit, upper right lit; cell 5 shows 8: all lit.
    const int x4 = 3 * 34 + 1;
    const int x5 = 4 * 34 + 1;
    EXPECT_EQ(rouge.pixelColor(x4 + 7 + 9, 6), VersQColor(0x000060));
    EXPECT_EQ(rouge.pixelColor(x4 + 26, 7 + 9), VersQColor(0x0000FF));
    EXPECT_EQ(rouge.pixelColor(x5 + 7 + 9, 6), VersQColor(0x0000FF));
    EXPECT_EQ(rouge.pixelColor(x5 + 7 + 9, 44), VersQColor(0x0000FF));
    EXPECT_EQ(rouge.pixelColor(x5 + 16, 15), VersQColor(0x202020)) << "between the segments";
    affichage.SetCouleur(2);
    affichage.SetNombre("90");
    const QImage vert = testsupport::RendPng(affichage, "afficheur_vert");
    EXPECT_EQ(vert.pixelColor(x4 + 7 + 9, 25), VersQColor(0x00C000)) << "9 lights its middle";
    EXPECT_EQ(vert.pixelColor(x5 + 7 + 9, 25), VersQColor(0x004000)) << "0 does not";
}
