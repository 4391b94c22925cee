#include "controls/BoutonCoche.h"
#include "platform/Couleurs.h"
#include "support_ui/RenduPng.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

TEST(BoutonCoche, ExclusiviteParGroupeEtParParent)
{
    QWidget fenetre;
    QWidget panneau1(&fenetre);
    QWidget panneau2(&fenetre);
    auto* r1 = new TRondCoche(&panneau1);
    auto* r2 = new TRondCoche(&panneau1);
    auto* r3 = new TRondCoche(&panneau2);
    auto* carre = new TCarreCoche(&panneau1);
    EXPECT_EQ(r1->Groupe(), 0);
    EXPECT_EQ(carre->Groupe(), -1);
    r3->SetChecked(true);
    carre->SetChecked(true);
    QTest::mouseClick(r1, Qt::LeftButton);
    EXPECT_TRUE(r1->Checked());
    QTest::mouseClick(r2, Qt::LeftButton);
    EXPECT_TRUE(r2->Checked());
    EXPECT_FALSE(r1->Checked());
    EXPECT_TRUE(r3->Checked()) << "another panel is another group";
    EXPECT_TRUE(carre->Checked()) << "an independent box is left alone";
    QTest::mouseClick(r2, Qt::LeftButton);
    EXPECT_TRUE(r2->Checked()) << "a click never unchecks an option box";
    int clics = 0;
    carre->OnClick = [&] { ++clics; };
    QTest::mouseClick(carre, Qt::LeftButton);
    EXPECT_FALSE(carre->Checked());
    EXPECT_EQ(clics, 1);
    // Two square boxes put in one group exclude each other too.
    auto* c2 = new TCarreCoche(&panneau1);
    c2->SetGroupe(5);
    c2->SetChecked(true);
    carre->SetChecked(true);
    carre->SetGroupe(5);
    EXPECT_FALSE(carre->Checked()) << "joining a group that has a checked box unchecks the newcomer";
    EXPECT_TRUE(c2->Checked());
    EXPECT_EQ(carre->DecocheGroupe(), c2);
}

TEST(BoutonCoche, DessinDesBoitesEtTailleAuto)
{
    QWidget page;
    page.resize(230, 70);
    auto* carre = new TCarreCoche(&page);
    carre->SetCaption("Domicile");
    carre->SetChecked(true);
    carre->move(5, 5);
    auto* gauche = new TCarreCoche(&page);
    gauche->SetAlignement(TAlignement::taGauche);
    gauche->SetCaption("Extérieur");
    gauche->SetCouleurCoche(0x0000FF);
    gauche->SetChecked(true);
    gauche->move(120, 5);
    auto* rond = new TRondCoche(&page);
    rond->SetCaption("Championnat");
    rond->SetChecked(true);
    rond->move(5, 35);
    auto* inactif = new TRondCoche(&page);
    inactif->SetGroupe(1);
    inactif->SetCaption("Coupe");
    inactif->SetChecked(true);
    inactif->setEnabled(false);
    inactif->move(120, 35);
    const QImage image = testsupport::RendPng(page, "cases_a_cocher");
    // The square: grey outer border above, black inner border, white inside, black tick.
    const QPoint boite(5, 5 + (20 - 13) / 2);
    EXPECT_EQ(image.pixelColor(boite + QPoint(5, 0)), VersQColor(0x808080));
    EXPECT_EQ(image.pixelColor(boite + QPoint(5, 1)), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(boite + QPoint(10, 10)), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(boite + QPoint(3, 5)), QColor(Qt::black)) << "first stroke of the tick";
    EXPECT_EQ(image.pixelColor(120 + 100 - 13 + 3, boite.y() + 5), QColor(Qt::red)) << "box at the right, red tick";
    // The option box's dot fills half the box, not a few pixels of it.
    for (const QPoint p : {QPoint(4, 6), QPoint(7, 6), QPoint(6, 4), QPoint(6, 7), QPoint(5, 5)})
        EXPECT_EQ(image.pixelColor(QPoint(5, 35 + 3) + p), QColor(Qt::black)) << p.x() << "," << p.y();
    // The disabled option box: grey dot on its grey face.
    EXPECT_EQ(image.pixelColor(120 + 5, 35 + 3 + 5), VersQColor(0x808080));
    EXPECT_EQ(rond->ImageActive().pixelColor(5, 5), QColor(Qt::white));
    EXPECT_EQ(rond->ImageInactive().pixelColor(5, 5), VersQColor(0xBFBFBF));
    EXPECT_EQ(rond->ImageActive().pixelColor(0, 0), VersQColor(0x808000));

    carre->SetAutoSize(true);
    EXPECT_EQ(carre->width(), QFontMetrics(carre->font()).horizontalAdvance("Domicile") + 25);
}
