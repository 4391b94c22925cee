#include "controls/GraphHorizontal.h"

#include "controls/CanevasQt.h"
#include "model/ListeDonnees.h"
#include "support_ui/RenduPng.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr int W = 400;
constexpr int H = 20;

// One line painted alone on a picture W by H, as the graph paints each line.
QImage Peint(const TLigneMatch& Ligne)
{
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter P(&image);
    TCanevasQt Canevas(P, QFont());
    Ligne.Dessine(Canevas, 0, 0, W, H);
    return image;
}

// The pixel as $BBGGRR.
TColor Pixel(const QImage& Image, int X, int Y)
{
    const QColor c = Image.pixelColor(X, Y);
    return (c.blue() << 16) | (c.green() << 8) | c.red();
}

bool Contient(const QImage& Image, const TRect& R, TColor Couleur)
{
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x)
            if (Pixel(Image, x, y) == Couleur)
                return true;
    return false;
}

TEST(LigneMatch, UneLignePeinteAuPixelPres)
{
    TLigneMatch ligne("Nice", true, 5, 80, 30);
    ligne.AjouteValeur(Evt::Penalty | 45);
    ligne.AjouteMarque(20);
    ligne.AjouteMarqueSpeciale(70);
    const QImage image = Peint(ligne);
    testsupport::SauvePng(image, "LigneMatch_domicile");

    EXPECT_EQ(Pixel(image, W - 5, 10), TLigneMatch::CouleurFond);
    // The bar from 100 + 280 x 30 div 90 = 193, 280 x 50 div 90 = 155 wide.
    EXPECT_EQ(Pixel(image, 192, 5), TLigneMatch::CouleurFond);
    EXPECT_EQ(Pixel(image, 193, 5), 0xFFFFFF);
    EXPECT_EQ(Pixel(image, 347, 5), 0xFFFFFF);
    EXPECT_EQ(Pixel(image, 348, 5), TLigneMatch::CouleurFond);
    // The penalty at 45: a circle of radius 7 at x 240, outlined red.
    EXPECT_EQ(Pixel(image, 240, 10), TLigneMatch::CouleurExterieur);
    EXPECT_EQ(Pixel(image, 240, 3), 0x0000FF);
    EXPECT_EQ(Pixel(image, 240, 2), 0xFFFFFF);
    // The caution at 20 (x 162) in yellow, the sending-off at 70 (x 317) in red.
    EXPECT_EQ(Pixel(image, 162, 10), 0x00FFFF);
    EXPECT_EQ(Pixel(image, 317, 10), 0x0000FF);
    EXPECT_EQ(Pixel(image, 317, 1), 0xFFFFFF) << "cards keep two pixels above and below";
    // The black line along the bottom, from x = 100.
    EXPECT_EQ(Pixel(image, 200, H - 1), 0x000000);
    EXPECT_EQ(Pixel(image, 50, H - 1), TLigneMatch::CouleurFond);
    // The label of a home match in yellow, the day number before x = 98.
    EXPECT_TRUE(Contient(image, Rect(0, 0, 60, H), 0x00FFFF));
    EXPECT_TRUE(Contient(image, Rect(80, 0, 98, H), 0x00FFFF));
    EXPECT_FALSE(Contient(image, Rect(98, 0, 100, H), 0x00FFFF));

    TLigneMatch exterieur("Nice", false, 4, 0, 0);
    const QImage autre = Peint(exterieur);
    EXPECT_TRUE(Contient(autre, Rect(0, 0, 60, H), TLigneMatch::CouleurExterieur));
    EXPECT_FALSE(Contient(autre, Rect(60, 0, 100, H), TLigneMatch::CouleurExterieur)) << "day 4 is not numbered";
    EXPECT_FALSE(Contient(autre, Rect(100, 0, W, H - 1), 0xFFFFFF)) << "no bar when he did not play";
}

} // namespace
