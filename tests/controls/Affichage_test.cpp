#include "controls/ColorStringGrid.h"
#include "controls/Editeur.h"
#include "controls/Graphe.h"
#include "controls/HotLabel.h"
#include "controls/OwnerPageControl.h"

#include "base/Utilities.h"
#include "platform/Couleurs.h"
#include "platform/Imprimante.h"
#include "support/CanevasTest.h"
#include "support/TestSupport.h"
#include "support_ui/RenduPng.h"
#include "support_ui/VerifieDessin.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

using testsupport::TCanevasTest;

TEST(Editeur, PaintsColouredWrappedLines)
{
    TEditeur E;
    E.resize(320, 160);
    E.SetCouleur(0xFFFFFF);
    E.Marge = 4;
    E.MargeHaut = 2;
    E.SetNbLigne(6);
    E.SetLigne(1, "Journée 12", false, false, 1);
    E.GetLigne(1)->Alignement = 1;
    E.SetLigne(1, "\r", true, true, 1);
    E.SetLigne(2, "Brevalune FC ", false, false, 0);
    E.SetLigne(2, "3 - 1", false, true, 4);
    E.SetLigne(2, " Olympique Nord\r", false, true, 0);
    E.SetLigne(4, "Buteurs : Martin (12e, 56e), Dubois (33e), Lefèvre (71e sur penalty), Moreau (89e)", true, false, 2);
    EXPECT_EQ(E.SetLigne(5, std::string(200, 'x'), false, false, 0), 1);
    QImage Image = testsupport::RendPng(E, "editeur");
    // The long line wraps: some ink on the row after it (row 5, y from 2 + 4 x 18).
    bool Encre = false;
    for (int X = 0; X < Image.width() && !Encre; ++X)
        for (int Y = 2 + 4 * 18; Y < 2 + 5 * 18 && !Encre; ++Y)
            Encre = Image.pixelColor(X, Y) != QColor(Qt::white);
    EXPECT_TRUE(Encre);
    // Red ink for the score (colour code 4).
    bool Rouge = false;
    for (int X = 0; X < Image.width() && !Rouge; ++X)
        for (int Y = 2 + 18; Y < 2 + 2 * 18 && !Rouge; ++Y) {
            QColor C = Image.pixelColor(X, Y);
            Rouge = C.red() > 150 && C.green() < 120 && C.blue() < 120;
        }
    EXPECT_TRUE(Rouge);

    testsupport::TempDir Dossier;
    std::string Fichier = (Dossier / "rapport.pdf").string();
    {
        testsupport::TReleveDessin Rapport;
        {
            TImprimantePdf Pdf(Fichier);
            E.Imprime();
        }
        // A report prints larger than a grid, to be read as a page.
        ASSERT_FALSE(Rapport.Papier.empty());
        for (const testsupport::TTracePeint& T : Rapport.Papier)
            if (T.Texte) {
                EXPECT_NEAR(testsupport::PointsImprimes(T, Rapport.Resolution, E.font()), 14, 0.6)
                    << T.Libelle.toStdString();
            }
    }
    EXPECT_GT(std::filesystem::file_size(Fichier), 500u);

    // A report longer than a page goes on over further pages, each row whole and once.
    E.SetNbLigne(160);
    for (int L = 1; L <= 160; ++L)
        E.SetLigne(L, "Ligne " + std::to_string(L), true, false, 0);
    testsupport::TReleveDessin Papier;
    {
        TImprimantePdf Pdf((Dossier / "long.pdf").string());
        Pdf.SetTitre("Rapport");
        E.Imprime();
        Pdf.SetTitre({});
    }
    ASSERT_GT(Papier.Feuilles.size(), 1u);
    EXPECT_EQ(testsupport::VerifiePapier(Papier, "Rapport"), std::vector<std::string>{});
    std::map<int, std::string> Rangs; // the report's characters, row by row in the order printed
    int Feuille = 0, Haut = -1, Rang = 0;
    for (const testsupport::TTracePeint& T : Papier.Papier) {
        if (!T.Texte || T.Titre)
            continue;
        if (T.Feuille != Feuille || T.Boite.top() != Haut)
            ++Rang;
        Feuille = T.Feuille;
        Haut = T.Boite.top();
        Rangs[Rang] += T.Libelle.toStdString();
    }
    ASSERT_EQ(Rangs.size(), 160u);
    EXPECT_EQ(Rangs[1], "Ligne 1");
    EXPECT_EQ(Rangs[160], "Ligne 160");
}

TEST(Graphe, LineAndBarChartsPaintAndSave)
{
    TGraphLigne Ligne;
    Ligne.resize(420, 260);
    Ligne.SetNbCourbes(2);
    Ligne.SetNbPointX(10);
    Ligne.SetNbPointY(10);
    Ligne.SetEspaceGraduerX(1);
    Ligne.SetEspaceGraduerY(2);
    Ligne.SetInverse(true);
    Ligne.SetLegendeX("Journée");
    Ligne.SetLegendeY("Place");
    Ligne.Carre = true;
    Ligne.SetCouleurCourbe(0, 0xC00000);
    Ligne.SetCouleurCourbe(1, 0x0080FF);
    int Places0[] = {5, 3, 2, 2, 1, 1, 2, 1, 1, 1};
    int Places1[] = {8, 9, 7, 6, 6, 4, 3, 3, 2, 2};
    for (int J = 1; J <= 10; ++J) {
        Ligne.SetPoint(0, J, Places0[J - 1]);
        Ligne.SetPoint(1, J, Places1[J - 1]);
    }
    QImage ImageLigne = Ligne.Image(0xFFFFFF);
    testsupport::SauvePng(ImageLigne, "graphe_ligne");
    int Bleus = 0;
    for (int Y = 0; Y < ImageLigne.height(); ++Y)
        for (int X = 0; X < ImageLigne.width(); ++X)
            if (ImageLigne.pixelColor(X, Y) == VersQColor(0x0080FF))
                ++Bleus;
    EXPECT_GT(Bleus, 100);

    TGraphBarre Barres;
    Barres.resize(420, 260);
    Barres.SetGrille(true);
    Barres.SetNbCourbes(3);
    Barres.SetNbPointX(6);
    Barres.SetEspaceGraduerX(1);
    Barres.SetNbPointY(10);
    Barres.SetEspaceGraduerY(2);
    Barres.Textin = true;
    Barres.CouleurText = 0xFFFFFF;
    Barres.LegendeRemplaceX().SetLegende(1, "0-15");
    Barres.LegendeRemplaceX().SetLegende(2, "16-30");
    Barres.LegendeRemplaceX().SetLegende(3, "31-45");
    Barres.LegendeRemplaceX().SetLegende(4, "46-60");
    Barres.LegendeRemplaceX().SetLegende(5, "61-75");
    Barres.LegendeRemplaceX().SetLegende(6, "76-90");
    int Buts[3][6] = {{3, 5, 4, 6, 2, 4}, {2, 0, 3, 1, 4, 2}, {1, 2, 0, 2, 1, 3}};
    TCouleurs Couleurs[3] = {CouleursPointEx(0x006000, 0x40E040), CouleursPointEx(0x000080, 0x6060FF),
                             CouleursPointEx(0x804000, 0xFFC060)};
    for (int S = 0; S < 3; ++S)
        for (int X = 1; X <= 6; ++X) {
            Barres.SetPoint(S, X, Buts[S][X - 1]);
            Barres.SetCouleursPoint(S, X, Couleurs[S]);
        }
    Barres.show();
    testsupport::RendPng(Barres, "graphe_barres");

    // Saved as a picture under the program folder's Temp.
    std::string Fichier = AppDir() + "Temp/test_graphe_barres.png";
    std::filesystem::remove(Fichier);
    ASSERT_TRUE(SauveGraphePng(Barres, "test_graphe_barres", 0xFFFFFF));
    QImage Relue(QString::fromStdString(Fichier));
    EXPECT_EQ(Relue.size(), QSize(420, 260));
    std::filesystem::remove(Fichier);

    // Printed scaled into a rectangle, centred.
    QImage Page(1000, 400, QImage::Format_RGB32);
    Page.fill(Qt::white);
    {
        QPainter P(&Page);
        Barres.Imprime(QRect(0, 0, 1000, 400), P);
    }
    testsupport::SauvePng(Page, "graphe_barres_imprime");
    EXPECT_EQ(Page.pixelColor(10, 200), QColor(Qt::white)); // margin left of the centred chart
}

TEST(HotLabel, UnderlinesWhileHoveredAndClicks)
{
    THotLabel L("Classement");
    L.resize(100, 20);
    L.show();
    int Clics = 0;
    L.OnClick = [&] { ++Clics; };
    QPointF Point(10, 10);
    QEnterEvent Entree(Point, Point, Point);
    QApplication::sendEvent(&L, &Entree);
    EXPECT_TRUE(L.font().underline());
    EXPECT_EQ(L.cursor().shape(), Qt::PointingHandCursor);
    QEvent Sortie(QEvent::Leave);
    QApplication::sendEvent(&L, &Sortie);
    EXPECT_FALSE(L.font().underline());
    QTest::mouseClick(&L, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(Clics, 1);
}

TEST(OwnerPageControl, OwnerDrawsEveryTab)
{
    TOwnerPageControl P;
    P.resize(300, 120);
    P.SetCouleur(0x6F3000);
    P.addTab(new QWidget, "Général");
    P.addTab(new QWidget, "Domicile");
    P.addTab(new QWidget, "Extérieur");
    std::vector<int> Dessines;
    P.OnDrawTab = [&](QPainter& Painter, int Index, const QRect& R, bool Actif, bool) {
        Dessines.push_back(Index);
        Painter.fillRect(R.adjusted(1, 1, -1, 0), Actif ? QColor(0xF8, 0xCD, 0x87) : QColor(0xC0, 0xC0, 0xC0));
        Painter.setPen(Qt::black);
        Painter.drawText(R, Qt::AlignCenter, P.tabText(Index));
    };
    P.show();
    QImage Image = testsupport::RendPng(P, "onglets");
    EXPECT_EQ(Dessines.size() % 3, 0u);
    ASSERT_FALSE(Dessines.empty());
    QRect Premier = P.tabBar()->tabRect(0);
    QPoint Dans = P.tabBar()->mapTo(&P, Premier.topLeft() + QPoint(3, 3));
    EXPECT_EQ(Image.pixelColor(Dans), QColor(0xF8, 0xCD, 0x87));
}

TEST(Editeur, PlacementFromTheModelMovesTheWidget)
{
    QWidget Page;
    auto* E = new TEditeur(&Page);
    auto* G = new TColorStringGrid(&Page);
    E->SetTaille(200, 90);
    E->SetPosition(30, 40);
    E->SetVisible(false);
    EXPECT_EQ(E->size(), QSize(200, 90));
    EXPECT_EQ(E->GetGauche(), 30);
    EXPECT_EQ(E->GetHaut(), 40);
    EXPECT_TRUE(E->isHidden());
    // Lines are checked against the size given.
    E->SetNbLigne(6);
    EXPECT_EQ(E->SetLigne(6, "x", false, false, 0), 2);
    // The last report of a text takes what is below its box and scrolls to
    // it: by its bar, the wheel and, once clicked, the keys.
    E->Defilant = true;
    for (int L = 1; L <= 6; ++L)
        EXPECT_EQ(E->SetLigne(L, "Ligne " + std::to_string(L), false, false, 0), 0);
    QScrollBar* Barre = E->Barre();
    EXPECT_FALSE(Barre->isHidden());
    EXPECT_EQ(E->RangeesVisibles(), 5);
    EXPECT_EQ(Barre->maximum(), 1);
    QWheelEvent Molette(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
    QApplication::sendEvent(E, &Molette);
    EXPECT_EQ(Barre->value(), 1);
    QTest::keyClick(E, Qt::Key_Home);
    EXPECT_EQ(Barre->value(), 0);
    QTest::keyClick(E, Qt::Key_PageDown);
    ASSERT_EQ(Barre->value(), 1);
    // The box shows the rows from the bar's, the first at its top.
    TCanevasTest C;
    E->DessineEcran(C);
    std::string Haut;
    for (const auto& T : C.DuGenre(TCanevasTest::TGenre::Texte))
        if (T.R.Top == 0)
            Haut += T.Texte;
    EXPECT_EQ(Haut, "Ligne 2");
    G->SetPosition(5, 120);
    G->SetVisible(false);
    EXPECT_EQ(G->pos(), QPoint(5, 120));
    EXPECT_TRUE(G->isHidden());
    G->SetVisible(true);
    EXPECT_FALSE(G->isHidden());
}
