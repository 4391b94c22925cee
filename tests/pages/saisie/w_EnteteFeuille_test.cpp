// The header of the four match sheets on the World Cup season: the two score
// circles whole, inside the header, and a score of three digits shown whole.

#include "pages/saisie/w_InfoMatchCadre.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "pages/Pages.h"
#include "pages/saisie/w_Notes.h"
#include "support/SaisonExemple.h"
#include "support_ui/FaussePrincipale.h"
#include "support_ui/RenduPng.h"

#include <gtest/gtest.h>

namespace {

class EnteteFeuille : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        EnregistrePages();
        EtatFeuilles() = TEtatFeuilles{};
        ASSERT_TRUE(Principale.ChargeSaisonLivree("coupe-du-monde-2022.xmc"));
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    // What is wrong with one score circle of a header.
    static void Verifie(TCadre& score, const std::string& ou, std::vector<std::string>& defauts)
    {
        const TFondModele* rond = score.Modele();
        ASSERT_NE(rond, nullptr) << ou;
        const QSize bitmap = rond->Bitmap().size();
        const auto copies = PlanMotif(bitmap, rond->MargeMotif(), score.size(), false);
        // One copy of the whole circle and nothing else: a wider box lays a
        // piece of a second circle beside the first.
        if (copies.size() != 1 || copies[0].Source != QRect(QPoint(0, 0), bitmap))
            defauts.push_back(ou + ": " + std::to_string(copies.size()) + " pieces of the circle in a box " +
                              std::to_string(score.width()) + " wide");
        if (!score.parentWidget()->rect().contains(score.geometry()))
            defauts.push_back(ou + ": the circle runs past the header");
        const std::string avant = score.Text();
        score.SetText("100");
        if (score.TexteAffiche().toStdString() != "100")
            defauts.push_back(ou + ": a score of 100 shows as \"" + score.TexteAffiche().toStdString() + "\"");
        score.SetText(avant);
    }

    testsupport::TFaussePrincipale Principale;
};

TEST_F(EnteteFeuille, LesDeuxCerclesDuScoreSontEntiersSurChaqueFeuille)
{
    std::vector<std::string> defauts;
    for (const QSize taille : {QSize(524, 511), QSize(1004, 711)}) {
        Principale.Fond.resize(taille);
        // Scorers and cards, line-ups, assists, ratings.
        for (const int code : {14, 15, 16, 18}) {
            const TCommandePage* f = CommandePage(code);
            ASSERT_NE(f, nullptr) << code;
            (*f)(Principale, code, -1, 0);
            TFootForm* page = Principale.GetPageCourante();
            ASSERT_NE(page, nullptr) << code;
            page->resize(taille);
            const std::string ou = "command " + std::to_string(code) + " at " + std::to_string(taille.width());
            TCadre* scores[2] = {nullptr, nullptr};
            if (auto* feuille = dynamic_cast<Tf_InfoMatchCadre*>(page)) {
                scores[0] = feuille->c_ScDomicile;
                scores[1] = feuille->c_ScExterieur;
            } else if (auto* notes = dynamic_cast<Tf_Notes*>(page)) {
                scores[0] = notes->c_ScDomicile;
                scores[1] = notes->c_ScExterieur;
            }
            ASSERT_NE(scores[0], nullptr) << ou;
            EXPECT_FALSE(scores[0]->Text().empty()) << ou << ": the match has its score";
            for (TCadre* s : scores)
                Verifie(*s, ou, defauts);
            testsupport::RendPng(*page, "entete_" + std::to_string(code) + "_" + std::to_string(taille.width()));
        }
    }
    for (const std::string& d : defauts)
        ADD_FAILURE() << d;
}

} // namespace
