// The running text of the places that do not fit in the grid, on the World
// Cup season, where dozens of scorers share one goal: every piece of it
// painted inside its report and readable on the report's ground, on every
// ranking that writes such a text, in the page sizes of the main window at
// 800 x 600 and 1280 x 800.

#include "pages/vues/w_ClassJoueur.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/CanevasQt.h"
#include "controls/Editeur.h"
#include "pages/Pages.h"
#include "support/SaisonExemple.h"
#include "support_ui/FaussePrincipale.h"
#include "support_ui/RenduPng.h"

#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// Relative luminance of a $00BBGGRR colour.
double Luminance(TColor c)
{
    auto canal = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canal(c & 0xFF) + 0.7152 * canal((c >> 8) & 0xFF) + 0.0722 * canal((c >> 16) & 0xFF);
}

double Contraste(TColor a, TColor b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Forwards to the screen's canvas and keeps where each text went.
class TCanevasReleve : public TCanevas {
public:
    struct TTrace {
        int X, Y, Largeur, Hauteur;
        std::string Texte;
        TColor Couleur;
    };
    explicit TCanevasReleve(TCanevas& Vrai) : Vrai_(Vrai) {}
    void SetCrayon(TColor c, int e) override { Vrai_.SetCrayon(c, e); }
    void Ligne(int x1, int y1, int x2, int y2) override { Vrai_.Ligne(x1, y1, x2, y2); }
    void Contour(const TRect& r) override { Vrai_.Contour(r); }
    void Remplit(const TRect& r, TColor c) override { Vrai_.Remplit(r, c); }
    void SetPolice(const TPolice& p) override { Vrai_.SetPolice(p); }
    TPolice GetPolice() const override { return Vrai_.GetPolice(); }
    void Texte(int x, int y, std::string_view t) override
    {
        Traces.push_back({x, y, Vrai_.LargeurTexte(t), Vrai_.HauteurTexte(t), std::string(t), GetPolice().Couleur});
        Vrai_.Texte(x, y, t);
    }
    void Image(const TImage& i, const TRect& r) override { Vrai_.Image(i, r); }
    void Decoupe(const TRect& r) override { Vrai_.Decoupe(r); }
    void FinDecoupe() override { Vrai_.FinDecoupe(); }
    int LargeurTexte(std::string_view t) override { return Vrai_.LargeurTexte(t); }
    int HauteurTexte(std::string_view t) override { return Vrai_.HauteurTexte(t); }

    std::vector<TTrace> Traces;

private:
    TCanevas& Vrai_;
};

class RapportClassJoueur : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/" + GetParam()));
        EnregistrePages();
        ASSERT_TRUE(Principale.ChargeSaisonLivree("coupe-du-monde-2022.xmc"));
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    // Every fault of one report as painted, at the top and scrolled to its
    // end: a piece past an edge, or one whose colour does not stand out from
    // the ground; and any text it had to leave out.
    static void Verifie(TEditeur& e, const std::string& ou, std::vector<std::string>& defauts)
    {
        if (!e.isVisible() || e.GetNbLigne() == 0)
            return;
        if (e.GetNbOmis() > 0)
            defauts.push_back(ou + ": " + std::to_string(e.GetNbOmis()) + " pieces left out of a report");
        QImage image(e.size(), QImage::Format_ARGB32);
        QPainter p(&image);
        TCanevasQt vrai(p, e.font());
        TCanevasReleve releve(vrai);
        e.Barre()->setValue(0);
        e.DessineEcran(releve);
        e.Barre()->setValue(e.Barre()->maximum());
        e.DessineEcran(releve);
        for (const auto& t : releve.Traces) {
            const std::string quoi = ou + " \"" + t.Texte + "\" at " + std::to_string(t.X) + "," + std::to_string(t.Y);
            if (t.Texte == " ")
                continue;
            if (t.X < 0 || t.X + t.Largeur > e.width())
                defauts.push_back(quoi + ": past the side of a report " + std::to_string(e.width()) + " wide");
            if (t.Y < 0 || t.Y + t.Hauteur > e.height())
                defauts.push_back(quoi + ": past the bottom of a report " + std::to_string(e.height()) + " high");
            if (Contraste(t.Couleur, e.GetCouleur()) < 3.0)
                defauts.push_back(quoi + ": contrast " + std::to_string(Contraste(t.Couleur, e.GetCouleur())));
        }
    }

    testsupport::TFaussePrincipale Principale;
};

TEST_P(RapportClassJoueur, ChaqueNomSeLitDansSonRapport)
{
    // Scorers, braces, hat-tricks, own goals, assists, cards and the referees.
    const int Commandes[] = {66, 69, 70, 33, 71, 67, 68, 116, 117, 118, 119};
    std::vector<std::string> defauts;
    int ecrits = 0, defilants = 0;
    // The window's two sizes, and a low one that sends most places to the text.
    for (const QSize taille : {QSize(524, 511), QSize(1004, 711), QSize(524, 200)}) {
        for (const int code : Commandes) {
            const TCommandePage* f = CommandePage(code);
            ASSERT_NE(f, nullptr) << code;
            (*f)(Principale, code, -1, 0);
            auto* page = dynamic_cast<Tf_ClassJoueur*>(Principale.GetPageCourante());
            ASSERT_NE(page, nullptr) << code;
            page->resize(taille);
            const std::string ou = std::to_string(code) + "_" + std::to_string(taille.width());
            for (TEditeur* e : {page->Editeur1, page->Editeur2}) {
                if (e->isVisible() && !e->GetLigne(1)->Texte.empty())
                    ++ecrits;
                if (e->isVisible() && !e->Barre()->isHidden())
                    ++defilants;
                Verifie(*e, "command " + ou, defauts);
            }
            if (code == 66)
                testsupport::RendPng(*page, "classjoueur_" + ou + "_" + GetParam());
        }
    }
    EXPECT_GE(ecrits, 6) << "the season has places that do not fit in the grid";
    EXPECT_GE(defilants, 1) << "the one-goal scorers outgrow the report beside the grid at 800 x 600";
    for (const std::string& d : defauts)
        ADD_FAILURE() << d;
}

INSTANTIATE_TEST_SUITE_P(Langues, RapportClassJoueur, ::testing::Values("Textefr.txt", "Texteen.txt"));

} // namespace
