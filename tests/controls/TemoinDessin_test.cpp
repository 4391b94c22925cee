// The witness of what the controls paint, and the check built on it: a text
// past its control or too pale for its background, a round skin laid past its
// box, are told; what reads well and fits is not.

#include "controls/CanevasQt.h"
#include "controls/ImageFond.h"
#include "support_ui/VerifieDessin.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// A control that paints one text on a plain background through the canvas.
class TPeintre : public QWidget {
public:
    explicit TPeintre(QWidget* parent) : QWidget(parent) {}

    TColor Fond = 0xFFFFFF;
    TColor Encre = 0;
    int X = 2;
    std::string Texte = "Lisible";

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        TCanevasQt canevas(p, font());
        canevas.Remplit(Rect(0, 0, width(), height()), Fond);
        canevas.SetPolice({0, false, false, Encre});
        canevas.Texte(X, 2, Texte);
    }
};

class DessinVerifie : public ::testing::Test {
protected:
    DessinVerifie()
    {
        Fenetre.resize(300, 100);
        Fenetre.show();
        Peintre->setGeometry(10, 10, 200, 30);
    }

    std::string Defauts()
    {
        std::string tout;
        for (const std::string& d : testsupport::VerifieDessin(Fenetre))
            tout += d + "\n";
        return tout;
    }

    QWidget Fenetre;
    TPeintre* Peintre = new TPeintre(&Fenetre);
};

TEST_F(DessinVerifie, UnTexteLisibleDansSonControleNeDonneRien)
{
    EXPECT_EQ(Defauts(), "");
}

TEST_F(DessinVerifie, UnTextePasseLeBordOuLeParentEstCoupe)
{
    Peintre->X = 190;
    EXPECT_NE(Defauts().find("texte coupé: texte \"Lisible\""), std::string::npos);

    // Whole inside its control, which runs past the window's edge.
    Peintre->X = 2;
    Peintre->setGeometry(270, 10, 200, 30);
    EXPECT_NE(Defauts().find("texte coupé"), std::string::npos);
}

TEST_F(DessinVerifie, UnTextePaleSurUnFondClairEstIllisible)
{
    Peintre->Encre = 0xFFFFFF;
    Peintre->Fond = 0xD0D0D0;
    EXPECT_NE(Defauts().find("texte illisible"), std::string::npos);
    Peintre->Fond = 0x602020;
    EXPECT_EQ(Defauts(), "");
}

TEST_F(DessinVerifie, LesRapportsDUnMemeControleSontGroupes)
{
    Peintre->Texte = "Un texte bien trop long pour la place qui lui est laissée ici";
    Peintre->Encre = 0xF0F0F0;
    const std::string defauts = Defauts();
    EXPECT_EQ(std::count(defauts.begin(), defauts.end(), '\n'), 2) << defauts;
}

TEST_F(DessinVerifie, UnRondPosePlusieursFoisDansSaBoiteEstCoupe)
{
    QImage rond(25, 25, QImage::Format_ARGB32);
    rond.fill(Qt::transparent);
    {
        QPainter p(&rond);
        p.setBrush(Qt::white);
        p.drawEllipse(0, 0, 24, 24);
    }
    auto* cadre = new TCadre(&Fenetre);
    cadre->setGeometry(220, 10, 30, 25);
    cadre->SetBitmap(rond);
    cadre->show();
    EXPECT_NE(Defauts().find("forme coupée"), std::string::npos);
    cadre->resize(25, 25);
    EXPECT_EQ(Defauts(), "");

    // An opaque picture is a wallpaper, cut where the control ends.
    QImage motif(25, 25, QImage::Format_RGB32);
    motif.fill(Qt::gray);
    cadre->SetBitmap(motif);
    cadre->resize(30, 25);
    EXPECT_EQ(Defauts(), "");
}

TEST_F(DessinVerifie, CacherLesTextesLaisseVoirLeFondEtLeTemoinPartiRienNeChange)
{
    Peintre->Encre = 0x0000FF;
    auto rouges = [&] {
        QImage image(Fenetre.size(), QImage::Format_RGB32);
        Fenetre.render(&image);
        int n = 0;
        for (int y = Peintre->y(); y < Peintre->y() + Peintre->height(); ++y)
            for (int x = Peintre->x(); x < Peintre->x() + Peintre->width(); ++x)
                n += image.pixelColor(x, y).red() > 2 * image.pixelColor(x, y).green() ? 1 : 0;
        return n;
    };
    {
        const testsupport::TReleveDessin releve(true);
        EXPECT_EQ(rouges(), 0);
        ASSERT_EQ(std::count_if(releve.Traces.begin(), releve.Traces.end(),
                                [](const testsupport::TTracePeint& t) { return t.Texte; }),
                  1);
    }
    EXPECT_EQ(::TemoinDessin, nullptr);
    EXPECT_GT(rouges(), 10);
}

TEST(Contraste, VaDeUnAVingtEtUn)
{
    EXPECT_DOUBLE_EQ(testsupport::Contraste(Qt::black, Qt::white), 21.0);
    EXPECT_DOUBLE_EQ(testsupport::Contraste(Qt::gray, Qt::gray), 1.0);
    EXPECT_LT(testsupport::Contraste(Qt::white, QColor(0xD0, 0xD0, 0xD0)), 3.0);
}

} // namespace
