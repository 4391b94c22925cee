// "Places occupées" on the World Cup season in the page sizes of the main
// window at 800 x 600 and 1280 x 800: the gap column and its heading in
// sight, clear of the box's scroll bars, in French and in English.

#include "pages/vues/w_DiversStat.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "pages/Pages.h"
#include "support/SaisonExemple.h"
#include "support_ui/FaussePrincipale.h"
#include "support_ui/RenduPng.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

class PlacesOccupees : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/" + GetParam()));
        EnregistrePages();
        ASSERT_TRUE(Principale.ChargeSaisonLivree("coupe-du-monde-2022.xmc"));
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    testsupport::TFaussePrincipale Principale;
};

TEST_P(PlacesOccupees, LEcartAvecLEquipeEnDessousSeLitEntier)
{
    for (const QSize taille : {QSize(524, 511), QSize(1004, 711)}) {
        const TCommandePage* f = CommandePage(163);
        ASSERT_NE(f, nullptr);
        (*f)(Principale, 163, -1, 0);
        auto* page = dynamic_cast<Tf_DiversStat*>(Principale.GetPageCourante());
        ASSERT_NE(page, nullptr);
        page->resize(taille);
        QApplication::processEvents();
        const std::string ou = std::to_string(taille.width()) + " " + GetParam();
        const TColorStringGrid& grille = *page->sg_Stats;
        int colonne = -1, gauche = 0;
        for (int c = 0, x = 0; c < grille.GetColCount(); x += grille.GetLargeurColonne(c) + 1, ++c)
            if (grille.GetTexte(c, 0) == Traduit(217)) {
                colonne = c;
                gauche = x;
            }
        ASSERT_NE(colonne, -1) << ou << ": the leader's page has the gap to the team below";
        QFont gras = grille.font();
        gras.setBold(true);
        const int texte = QFontMetrics(gras).horizontalAdvance(QString::fromStdString(Traduit(217)));
        EXPECT_LE(texte, grille.GetLargeurColonne(colonne)) << ou;
        // Where the column lies in the box's view, which the side bar narrows.
        QWidget* vue = page->sb_Fond->viewport();
        const int droite = grille.mapTo(vue, QPoint(gauche + grille.GetLargeurColonne(colonne), 0)).x();
        EXPECT_LE(droite, vue->width()) << ou << ": the heading runs out of sight";
        EXPECT_FALSE(page->sb_Fond->verticalScrollBar()->isVisible())
            << ou << ": three match days need no bar down the side";
        testsupport::RendPng(*page, "places_occupees_" + std::to_string(taille.width()) + "_" + GetParam());
    }
}

INSTANTIATE_TEST_SUITE_P(Langues, PlacesOccupees, ::testing::Values("Textefr.txt", "Texteen.txt"));

} // namespace
