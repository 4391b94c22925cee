#include "controls/CanevasQt.h"
#include "controls/ColorStringGrid.h"

#include "files/Image.h"
#include "platform/Couleurs.h"
#include "platform/Imprimante.h"
#include "support/TestSupport.h"
#include "support_ui/RenduPng.h"
#include "support_ui/VerifieDessin.h"

#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <regex>
#include <tuple>

namespace {

// A small shield of our own: blue with a white band, on the cell pictures'
// transparent colour.
std::unique_ptr<TImage> Blason(int Taille)
{
    auto Image = std::make_unique<TImage>(Taille, Taille);
    for (int Y = 0; Y < Taille; ++Y)
        for (int X = 0; X < Taille; ++X) {
            bool Dedans = Y < Taille * 2 / 3 ? X > 0 && X < Taille - 1 : std::abs(2 * X - Taille) < 2 * (Taille - Y);
            if (!Dedans)
                Image->SetPixel(X, Y, 0x99, 0xFF, 0xFF);
            else if (Y > Taille / 3 && Y < Taille / 2)
                Image->SetPixel(X, Y, 255, 255, 255);
            else
                Image->SetPixel(X, Y, 30, 60, 170);
        }
    return Image;
}

// A standings-like table: title row, place, crest and name, points with bars,
// zebra rows, one selected row and a zone line.
void Remplit(TColorStringGrid& G)
{
    G.SetAutoResize(false);
    G.SetColCount(4);
    G.SetRowCount(6);
    G.SetFixedRows(1);
    G.SetLargeurColonne(0, 28);
    G.SetLargeurColonne(1, 150);
    G.SetLargeurColonne(2, 60);
    G.SetLargeurColonne(3, 60);
    G.SetDefaultRowHeight(22);
    const char* Titres[] = {"", "Club", "Pts", "Diff"};
    for (int C = 0; C < 4; ++C)
        G.SetCellule(C, 0, nullptr, true, 0xDFCF20, 0, 1, C == 1 ? 0 : 1, Titres[C]);
    const char* Clubs[] = {"Brevalune FC", "Olympique Nord", "AS Rivière", "Stade Marin", "US Colline"};
    const char* Points[] = {"24", "21", "17", "12", "6"};
    const char* Diff[] = {"15", "9", "-2", "-7", "-15"};
    for (int R = 1; R <= 5; ++R) {
        TColor Fond, Texte;
        CouleurLigneSelection(R, Fond, Texte, R == 4);
        G.SetCellule(0, R, nullptr, false, Fond, Texte, 1, 1, std::to_string(R));
        G.SetCellule(1, R, Blason(18), R == 1, Fond, Texte, 1, 0, Clubs[R - 1]);
        G.SetCellule(2, R, nullptr, true, Fond, Texte, 1, 2, Points[R - 1]);
        G.SetCellule(3, R, nullptr, false, Fond, Texte, 1, 2, Diff[R - 1]);
        G.SetDonnee(1, R, 100 + R);
    }
    G.SetLien(1, 3);
    G.SetCouleursBarre(2, 0x00C000, 0xC0FFC0);
    G.SetCouleurLigne(3, 0x0000FF);
    G.SetEtatTri(2, 1);
    G.SetAutoResize(true);
}

QColor Pixel(const QImage& Image, const QPoint& P)
{
    return Image.pixelColor(P);
}

} // namespace

TEST(ColorStringGrid, PaintsZebraRowsSelectionBarsAndPictures)
{
    TColorStringGrid G;
    Remplit(G);
    // Enlarged to its 320-pixel width (1.06 times), never lower than its rows.
    EXPECT_EQ(G.width(), 30 + 159 + 64 + 64);
    EXPECT_EQ(G.height(), 6 * 23);
    G.SelectionneCellule(3, 5);
    G.SetCelluleChaude(1, 3);
    QImage Image = testsupport::RendPng(G, "grille");
    // Row 2 even: $F8CD87; row 1 white; the followed row 4 and the selected cell in the selection colour.
    QRect Ligne2 = G.RectCellule(3, 2);
    EXPECT_EQ(Pixel(Image, Ligne2.topLeft() + QPoint(3, 3)), VersQColor(0xF8CD87));
    EXPECT_EQ(Pixel(Image, G.RectCellule(3, 1).topLeft() + QPoint(3, 3)), QColor(Qt::white));
    EXPECT_EQ(Pixel(Image, G.RectCellule(3, 4).topLeft() + QPoint(3, 3)), VersQColor(0x800000));
    EXPECT_EQ(Pixel(Image, G.RectCellule(3, 5).topLeft() + QPoint(3, 3)), VersQColor(0x800000));
    EXPECT_EQ(Pixel(Image, G.RectCellule(2, 5).topLeft() + QPoint(20, 3)), QColor(Qt::white));
    // Fixed cells take the grid's fixed colour on screen.
    EXPECT_EQ(Pixel(Image, G.RectCellule(3, 0).topLeft() + QPoint(2, 2)), VersQColor(G.FixedColor));
    // The bar of the largest amount fills its cell less the margins: its left end is colour 1.
    QRect Points = G.RectCellule(2, 1);
    EXPECT_EQ(Pixel(Image, Points.topLeft() + QPoint(2, Points.height() / 2)), VersQColor(0x00C000));
    // The zone line under row 3 is red.
    QRect Ligne3 = G.RectCellule(0, 3);
    EXPECT_EQ(Pixel(Image, QPoint(Ligne3.center().x(), Ligne3.bottom() + 1)), VersQColor(0x0000FF));
    // The crest: blue inside, the transparent colour left as the cell's background.
    QRect Club = G.RectCellule(1, 1);
    QColor Bleu = Pixel(Image, Club.topLeft() + QPoint(Club.width() / 30 + 9, 6));
    EXPECT_LT(Bleu.red(), 80);
    EXPECT_GT(Bleu.blue(), 120);
    EXPECT_EQ(Pixel(Image, Club.topLeft() + QPoint(Club.width() / 30, 4)), QColor(Qt::white));
}

TEST(ColorStringGrid, TitleClicksSortAndLinkClicksNavigate)
{
    TColorStringGrid G;
    Remplit(G);
    G.TriCol = true;
    G.show();
    int Col = -1, Row = -1;
    G.OnHotTrackClick = [&](int C, int R) {
        Col = C;
        Row = R;
    };
    QTest::mouseClick(G.viewport(), Qt::LeftButton, {}, G.RectCellule(1, 3).center());
    EXPECT_EQ(Col, 1);
    EXPECT_EQ(Row, 3);
    EXPECT_EQ(G.GetRow(), 0); // a link click does not select
    // Without a handler a link cell behaves as an ordinary cell.
    G.OnHotTrackClick = nullptr;
    QTest::mouseClick(G.viewport(), Qt::LeftButton, {}, G.RectCellule(1, 3).center());
    EXPECT_EQ(G.GetRow(), 3);
    // Difference column: largest first, then the reverse.
    QTest::mouseClick(G.viewport(), Qt::LeftButton, {}, G.RectCellule(3, 0).center());
    EXPECT_EQ(G.GetEtatTri(3), 1);
    EXPECT_EQ(G.GetTexte(3, 1), "15");
    EXPECT_EQ(G.GetTexte(3, 5), "-15");
    QTest::mouseClick(G.viewport(), Qt::LeftButton, {}, G.RectCellule(3, 0).center());
    EXPECT_EQ(G.GetTexte(3, 1), "-15");
    EXPECT_EQ(G.GetDonnee(1, 1), 105); // cell records move with their rows
    testsupport::RendPng(G, "grille_triee");
}

TEST(ColorStringGrid, PrintsOneLandscapePage)
{
    testsupport::TempDir Dossier;
    std::string Fichier = (Dossier / "grille.pdf").string();
    testsupport::TReleveDessin Papier;
    QFont Police;
    {
        TImprimantePdf Pdf(Fichier);
        TColorStringGrid G;
        Remplit(G);
        Police = G.font();
        G.Imprime();
    }
    // Its texts print at the grid's print size wherever their cells hold them.
    int Textes = 0;
    for (const testsupport::TTracePeint& T : Papier.Papier)
        if (T.Texte && !T.Titre) {
            EXPECT_NEAR(testsupport::PointsImprimes(T, Papier.Resolution, Police), 12, 0.6) << T.Libelle.toStdString();
            ++Textes;
        }
    EXPECT_GT(Textes, 0);
    std::string Octets = testsupport::ReadWholeFile(Fichier);
    ASSERT_FALSE(Octets.empty());
    std::regex Page("/Type\\s*/Page[^s]");
    auto Pages = std::distance(std::sregex_iterator(Octets.begin(), Octets.end(), Page), std::sregex_iterator());
    EXPECT_EQ(Pages, 1);
    std::smatch Boite;
    ASSERT_TRUE(std::regex_search(Octets, Boite, std::regex("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)")));
    EXPECT_GT(std::stod(Boite[1]), std::stod(Boite[2]));
    // Kept beside the pictures, to be looked at.
    testsupport::WriteWholeFile(testsupport::DossierRendus() + "/grille.pdf", Octets);
}

TEST(ColorStringGrid, ALongGridGoesOnOverPagesWithItsTitleRowOnEach)
{
    testsupport::TempDir Dossier;
    TColorStringGrid G;
    G.SetAutoResize(false);
    G.SetColCount(3);
    G.SetRowCount(151);
    G.SetFixedRows(1);
    for (int C = 0; C < 3; ++C)
        G.SetLargeurColonne(C, 120);
    G.SetCellule(0, 0, nullptr, true, 0xFFFFFF, 0, 1, 1, "Joueur");
    for (int R = 1; R < 151; ++R)
        G.SetCellule(0, R, nullptr, false, 0xFFFFFF, 0, 1, 0, "Joueur " + std::to_string(R));
    testsupport::TReleveDessin Papier;
    {
        TImprimantePdf Pdf((Dossier / "liste.pdf").string());
        Pdf.SetTitre("Coupe - Joueurs");
        G.Imprime();
        Pdf.SetTitre({});
    }
    ASSERT_GT(Papier.Feuilles.size(), 1u);
    EXPECT_EQ(testsupport::VerifiePapier(Papier, "Coupe - Joueurs"), std::vector<std::string>{});
    // Every row printed once, in order over the pages, under the title row of its page.
    std::vector<int> Titres(Papier.Feuilles.size() + 1, 0);
    int Suivante = 1;
    for (const testsupport::TTracePeint& T : Papier.Papier) {
        if (!T.Texte || T.Titre)
            continue;
        if (T.Libelle == "Joueur") {
            ++Titres[static_cast<size_t>(T.Feuille)];
            continue;
        }
        EXPECT_EQ(T.Libelle.toStdString(), "Joueur " + std::to_string(Suivante));
        ++Suivante;
    }
    EXPECT_EQ(Suivante, 151);
    for (size_t F = 1; F < Titres.size(); ++F)
        EXPECT_EQ(Titres[F], 1) << "page " << F;

    // Squeezed onto one page by a caller that draws it whole, its names shrink
    // to their rows rather than print over each other.
    testsupport::TReleveDessin Serre;
    {
        TImprimantePdf Pdf((Dossier / "serree.pdf").string());
        Pdf.SetTitre("Coupe - Joueurs");
        ImprimeUnePage(true, [&](QPainter& P, const QRect& Page, int Dpi) { G.ImprimeSur(P, Page, Dpi); });
        Pdf.SetTitre({});
    }
    const std::vector<std::string> Defauts = testsupport::VerifiePapier(Serre, "Coupe - Joueurs");
    EXPECT_TRUE(Defauts.empty()) << Defauts.front();

    // A grid whose rows can be read on one page stays on one page.
    G.SetRowCount(21);
    testsupport::TReleveDessin Court;
    {
        TImprimantePdf Pdf((Dossier / "courte.pdf").string());
        G.Imprime();
    }
    EXPECT_EQ(Court.Feuilles.size(), 1u);
}

TEST(ColorStringGrid, PrintsUnderTheDocumentTitle)
{
    testsupport::TempDir Dossier;
    TImprimantePdf Pdf((Dossier / "titre.pdf").string());
    auto Imprime = [] {
        QRect Place;
        int Decalage = -1;
        int Hauteur = 0;
        ImprimeUnePage(false, [&](QPainter& P, const QRect& Page, int) {
            Place = Page;
            Decalage = static_cast<int>(P.transform().dy());
            Hauteur = Imprimante().PageHeight();
        });
        return std::make_tuple(Place, Decalage, Hauteur);
    };
    auto [Pleine, SansDecalage, Hauteur] = Imprime();
    EXPECT_EQ(SansDecalage, 0);
    EXPECT_EQ(Pleine.height(), Hauteur);
    Pdf.SetTitre("Ligue 1 - Classement");
    auto [Reste, Decalage, Hauteur2] = Imprime();
    Pdf.SetTitre({});
    EXPECT_GT(Decalage, 0);
    EXPECT_EQ(Reste.height(), Hauteur2 - Decalage);
    EXPECT_EQ(Reste.topLeft(), QPoint(0, 0)) << "drawing starts at the origin, moved below the title";
}

TEST(ColorStringGrid, ScrollingKeepsTheTitleRow)
{
    TColorStringGrid G;
    G.SetAutoResize(false);
    G.resize(200, 120);
    G.SetColCount(2);
    G.SetRowCount(30);
    G.SetFixedRows(1);
    G.SetCellule(0, 0, nullptr, true, 0xFFFFFF, 0, 1, 1, "Titre");
    for (int R = 1; R < 30; ++R)
        G.SetCellule(0, R, nullptr, false, R == 29 ? 0x00FF00 : 0xFFFFFF, 0, 1, 0, std::to_string(R));
    G.show();
    G.verticalScrollBar()->setValue(G.verticalScrollBar()->maximum());
    QImage Image = testsupport::RendPng(G, "grille_defilee");
    EXPECT_EQ(Pixel(Image, QPoint(4, 4)), VersQColor(G.FixedColor));
    QRect Derniere = G.RectCellule(0, 29);
    EXPECT_LE(Derniere.bottom(), G.viewport()->height());
    EXPECT_EQ(Pixel(Image, Derniere.topLeft() + QPoint(3, 3)), VersQColor(0x00FF00));
    // Keys move the selection and scroll it into view.
    G.verticalScrollBar()->setValue(0);
    G.SelectionneCellule(0, 1);
    for (int I = 0; I < 10; ++I)
        QTest::keyClick(&G, Qt::Key_Down);
    EXPECT_EQ(G.GetRow(), 11);
    EXPECT_LE(G.RectCellule(0, 11).bottom(), G.viewport()->height());
}
