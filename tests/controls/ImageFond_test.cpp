#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "platform/Couleurs.h"
#include "support_ui/RenduPng.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

TMarge Marge(uint16_t l, uint16_t t, uint16_t r, uint16_t b)
{
    TMarge marge;
    marge.Set(l, t, r, b);
    return marge;
}

// Which source column lands on each target column of row y, from the plan.
std::vector<int> ColonnesSource(const std::vector<TCopieMotif>& plan, int largeur, int y)
{
    std::vector<int> colonnes(static_cast<std::size_t>(largeur), -1);
    for (const auto& copie : plan)
        if (y >= copie.Destination.y() && y < copie.Destination.y() + copie.Source.height())
            for (int x = 0; x < copie.Source.width(); ++x)
                colonnes[static_cast<std::size_t>(copie.Destination.x() + x)] = copie.Source.x() + x;
    return colonnes;
}

} // namespace

TEST(PlanMotif, BandeHorizontaleEtirementDUnChamp)
{
    // 300 x 25 over the 129 x 25 field with margins 15,0,15,0.
    const auto plan = PlanMotif(QSize(129, 25), Marge(15, 0, 15, 0), QSize(300, 25), false);
    const auto colonnes = ColonnesSource(plan, 300, 10);
    for (int x = 0; x < 15; ++x)
        EXPECT_EQ(colonnes[static_cast<std::size_t>(x)], x);
    for (int x = 15; x < 213; ++x)
        EXPECT_EQ(colonnes[static_cast<std::size_t>(x)], 15 + (x - 15) % 99) << x;
    for (int x = 213; x < 300; ++x)
        EXPECT_EQ(colonnes[static_cast<std::size_t>(x)], 42 + (x - 213)) << x;
    EXPECT_EQ(colonnes.back(), 128) << "the right edge is the bitmap's right edge";
    for (const auto& copie : plan) {
        EXPECT_LE(copie.Destination.x() + copie.Source.width(), 300);
        EXPECT_LE(copie.Destination.y() + copie.Source.height(), 25);
    }
}

TEST(PlanMotif, QuatreMargesCoinsBordsEtCentre)
{
    // 73 x 65 with margins 10: a 200 x 150 panel.
    const auto plan = PlanMotif(QSize(73, 65), Marge(10, 10, 10, 10), QSize(200, 150), false);
    auto source = [&](int x, int y) {
        for (const auto& c : plan) {
            const QRect place(c.Destination, c.Source.size());
            if (place.contains(x, y))
                return c.Source.topLeft() + QPoint(x, y) - c.Destination;
        }
        return QPoint(-1, -1);
    };
    EXPECT_EQ(source(0, 0), QPoint(0, 0));
    EXPECT_EQ(source(199, 0), QPoint(72, 0));
    EXPECT_EQ(source(0, 149), QPoint(0, 64));
    EXPECT_EQ(source(199, 149), QPoint(72, 64));
    EXPECT_EQ(source(100, 75).x() >= 10 && source(100, 75).x() < 63, true);
    EXPECT_EQ(source(100, 0).y(), 0);
    EXPECT_EQ(source(100, 149).y(), 64);
    // Every target pixel is covered.
    for (int y = 0; y < 150; y += 7)
        for (int x = 0; x < 200; x += 3)
            EXPECT_NE(source(x, y), QPoint(-1, -1)) << x << "," << y;
}

TEST(PlanMotif, PetiteCibleEtCasDegeneres)
{
    // Smaller than the margins: the corners only, clipped, no middle copy.
    const auto plan = PlanMotif(QSize(73, 65), Marge(10, 10, 10, 10), QSize(12, 8), false);
    for (const auto& copie : plan) {
        EXPECT_LE(copie.Destination.x() + copie.Source.width(), 12);
        EXPECT_LE(copie.Destination.y() + copie.Source.height(), 8);
        const bool milieu = copie.Source.left() >= 10 && copie.Source.right() < 63 && copie.Source.top() >= 10 &&
                            copie.Source.bottom() < 55;
        EXPECT_FALSE(milieu);
    }
    EXPECT_FALSE(plan.empty());
    EXPECT_TRUE(PlanMotif(QSize(0, 25), Marge(1, 0, 1, 0), QSize(100, 25), false).empty());
    EXPECT_TRUE(PlanMotif(QSize(20, 20), Marge(0, 0, 0, 0), QSize(0, 25), false).empty());
    // No middle band: the bitmap is tiled whole.
    const auto tuiles = PlanMotif(QSize(20, 20), Marge(10, 0, 10, 0), QSize(45, 20), false);
    ASSERT_EQ(tuiles.size(), 3u);
    EXPECT_EQ(tuiles[2].Destination, QPoint(40, 0));
    EXPECT_EQ(tuiles[2].Source, QRect(0, 0, 5, 20));
    // Empty margins: plain tiling.
    const auto simple = PlanMotif(QSize(81, 61), Marge(0, 0, 0, 0), QSize(100, 70), false);
    EXPECT_EQ(simple.size(), 4u);
}

TEST(PlanMotif, UnBoutonGardeUnMilieuMemeTropEtroit)
{
    // 113 x 31 with margins 15,0,15,0 over a 40-pixel-wide button.
    const auto fond = PlanMotif(QSize(113, 31), Marge(15, 0, 15, 0), QSize(40, 31), false);
    const auto bouton = PlanMotif(QSize(113, 31), Marge(15, 0, 15, 0), QSize(40, 31), true);
    auto milieux = [](const std::vector<TCopieMotif>& plan) {
        int n = 0;
        for (const auto& c : plan)
            if (c.Source.left() == 15 && c.Destination.x() == 15)
                ++n;
        return n;
    };
    EXPECT_EQ(milieux(fond), 0);
    EXPECT_EQ(milieux(bouton), 1);
}

TEST(Dessin, ModelesDuTableau)
{
    TDessin* dessin = Dessin();
    ASSERT_NE(dessin, nullptr);
    struct TLigne {
        const char* Nom;
        int L, H, Ml, Mt, Mr, Mb;
        bool Selection;
    };
    const TLigne lignes[] = {
        {"RondCreuxBleu", 25, 25, 0, 0, 0, 0, true},
        {"RondCreuxRouge", 25, 25, 0, 0, 0, 0, true},
        {"RondCreuxJaune", 25, 25, 0, 0, 0, 0, true},
        {"RondCreuxOrange", 25, 25, 0, 0, 0, 0, true},
        {"PetitRondCreuxBleu", 22, 22, 0, 0, 0, 0, true},
        {"FondCarrebleu", 73, 65, 10, 10, 10, 10, false},
        {"FondCarrebleuSimple", 73, 65, 10, 10, 10, 10, false},
        {"FondMenuBleu", 81, 65, 20, 20, 20, 20, false},
        {"FondToutBleu", 81, 61, 0, 0, 0, 0, false},
        {"FondCreuxBleu", 89, 69, 8, 8, 8, 8, false},
        {"BoutonCreuxBleu", 129, 25, 15, 0, 15, 0, false},
        {"BoutonCreuxJaune", 129, 25, 10, 0, 10, 0, false},
        {"BoutonCreuxRouge", 129, 25, 10, 0, 10, 0, false},
        {"BoutonCreuxOrange", 129, 25, 10, 0, 10, 0, false},
        {"PetitBoutonCreuxBleu", 129, 20, 10, 0, 10, 0, false},
        {"BoutonCreuxSelFushia", 129, 25, 15, 0, 15, 0, true},
        {"BoutonCreuxSelCyan", 129, 25, 15, 0, 15, 0, true},
        {"BoutonCreuxSelJaune", 129, 25, 15, 0, 15, 0, true},
    };
    for (const auto& ligne : lignes) {
        SCOPED_TRACE(ligne.Nom);
        TFond* fond = dessin->Fond(ligne.Nom);
        ASSERT_NE(fond, nullptr);
        EXPECT_EQ(fond->Bitmap().size(), QSize(ligne.L, ligne.H));
        EXPECT_EQ(fond->BitmapSelection().isNull(), !ligne.Selection);
        EXPECT_EQ(fond->MargeMotif().Left(), ligne.Ml);
        EXPECT_EQ(fond->MargeMotif().Top(), ligne.Mt);
        EXPECT_EQ(fond->MargeMotif().Right(), ligne.Mr);
        EXPECT_EQ(fond->MargeMotif().Bottom(), ligne.Mb);
        EXPECT_LT(ligne.Ml + ligne.Mr, ligne.L);
        EXPECT_LT(ligne.Mt + ligne.Mb, ligne.H);
        testsupport::SauvePng(fond->Bitmap(), std::string("modele_") + ligne.Nom);
        if (ligne.Selection)
            testsupport::SauvePng(fond->BitmapSelection(), std::string("modele_") + ligne.Nom + "_selection");
    }
    for (const char* nom : {"BoutonOrange", "Boutonorange2", "Bouton1"}) {
        SCOPED_TRACE(nom);
        TBouton* bouton = dessin->Bouton(nom);
        ASSERT_NE(bouton, nullptr);
        EXPECT_FALSE(bouton->BitmapUp().isNull());
        EXPECT_FALSE(bouton->BitmapDown().isNull());
        testsupport::SauvePng(bouton->BitmapUp(), std::string("modele_") + nom + "_up");
        testsupport::SauvePng(bouton->BitmapDown(), std::string("modele_") + nom + "_down");
    }
    // One sheet of every picture, twice enlarged, on a neutral grey, to look at them together.
    QImage planche(2 * 300, 2 * 330, QImage::Format_ARGB32);
    planche.fill(QColor(0xC8, 0xC8, 0xC8));
    {
        QPainter p(&planche);
        p.scale(2, 2);
        int x = 4, y = 4, hauteurLigne = 0;
        auto place = [&](const QImage& image) {
            if (image.isNull())
                return;
            if (x + image.width() > 296) {
                x = 4;
                y += hauteurLigne + 4;
                hauteurLigne = 0;
            }
            p.drawImage(x, y, image);
            x += image.width() + 4;
            hauteurLigne = std::max(hauteurLigne, image.height());
        };
        for (const auto& ligne : lignes) {
            place(dessin->Fond(ligne.Nom)->Bitmap());
            place(dessin->Fond(ligne.Nom)->BitmapSelection());
        }
        for (const char* nom : {"BoutonOrange", "Boutonorange2", "Bouton1"}) {
            place(dessin->Bouton(nom)->BitmapUp());
            place(dessin->Bouton(nom)->BitmapDown());
        }
    }
    testsupport::SauvePng(planche, "planche_modeles");
    EXPECT_EQ(dessin->BoutonOrange->BitmapUp().size(), QSize(113, 31));
    EXPECT_EQ(dessin->BoutonOrange->DecalX(), -1);
    EXPECT_EQ(dessin->BoutonOrange->DecalY(), -3);
    EXPECT_EQ(dessin->BoutonOrange->MargeMotif().Left(), 15);
    EXPECT_EQ(dessin->Bouton1->BitmapUp().size(), QSize(30, 30));
    EXPECT_EQ(dessin->Fond("Inconnu"), nullptr);
}

TEST(Dessin, PanneauxEtBoutonsCopiesRendus)
{
    TDessin* dessin = Dessin();
    ASSERT_NE(dessin, nullptr);
    TFondCopie page;
    page.resize(420, 300);
    page.SetModele(dessin->FondToutBleu);
    auto* cadre = new TFondCopie(&page);
    cadre->SetModele(dessin->FondCarrebleu);
    cadre->setGeometry(10, 10, 190, 130);
    auto* menu = new TFondCopie(&page);
    menu->SetModele(dessin->FondMenuBleu);
    menu->setGeometry(215, 10, 195, 130);
    auto* creux = new TFondCopie(&page);
    creux->SetModele(dessin->FondCreuxBleu);
    creux->setGeometry(10, 150, 190, 90);
    auto* simple = new TFondCopie(&page);
    simple->SetModele(dessin->FondCarrebleuSimple);
    simple->setGeometry(215, 150, 195, 90);
    auto* ok = new TBoutonCopie(&page);
    ok->SetModele(dessin->BoutonOrange);
    ok->SetDecalX(dessin->BoutonOrange->DecalX());
    ok->SetDecalY(dessin->BoutonOrange->DecalY());
    ok->SetCaption("OK");
    ok->setGeometry(20, 255, 140, 31);
    auto* annule = new TBoutonCopie(&page);
    annule->SetModele(dessin->Boutonorange2);
    annule->SetDecalY(-3);
    annule->SetCaption("Annuler");
    annule->SetDown(true);
    annule->setGeometry(170, 255, 113, 31);
    auto* carre = new TBoutonCopie(&page);
    carre->SetModele(dessin->Bouton1);
    carre->SetCaption("?");
    carre->setGeometry(300, 255, 30, 30);
    const QImage image = testsupport::RendPng(page, "panneaux_et_boutons");
    // The page blue fills where no panel lies, and a panel's middle is its own colour.
    EXPECT_EQ(image.pixelColor(205, 145), VersQColor(CouleursTheme::Fond));
    EXPECT_EQ(image.pixelColor(100, 75), VersQColor(CouleursTheme::Fond));
}
