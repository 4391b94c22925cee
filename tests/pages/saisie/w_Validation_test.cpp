#include "pages/saisie/w_Validation.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QScreen>

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "support_ui/DialoguesScriptes.h"

namespace {

using namespace ControleCalendrier;

TEST(Validation, ListsTheLinesInTheirColoursUnderTheSummary)
{
    InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
    TVerification v;
    int compteur = 1, bascule = 1;
    AjouterLigneVerification("A - B : manque", compteur, bascule, v.Lignes);
    AjouterLigneVerification("C - D : manque", compteur, bascule, v.Lignes);
    v.Resume = "2 matchs vérifiés";

    testsupport::TDialoguesScriptes dialogues;
    std::vector<std::string> textes;
    std::vector<QColor> couleurs;
    std::vector<int> hauts;
    std::string resume, continuer;
    dialogues.Repond([&](QDialog& d) {
        auto& f = static_cast<Tf_Validation&>(d);
        for (QLabel* l : f.Lignes()) {
            textes.push_back(l->text().toStdString());
            couleurs.push_back(l->palette().color(QPalette::WindowText));
            hauts.push_back(l->y());
        }
        resume = f.Label1->text().toStdString();
        continuer = f.BoutonCopie2->Caption();
        f.BoutonCopie2->Click();
    });
    AfficheVerification(v);

    EXPECT_EQ(dialogues.TitresFormes, std::vector<std::string>{Traduit(869)});
    EXPECT_EQ(textes, (std::vector<std::string>{"A - B : manque", "C - D : manque"}));
    ASSERT_EQ(couleurs.size(), 2u);
    EXPECT_EQ(couleurs[0], QColor(0x80, 0xFF, 0x80));
    EXPECT_EQ(couleurs[1], QColor(0x00, 0xFF, 0xFF));
    EXPECT_EQ(hauts, (std::vector<int>{4, 19}));
    EXPECT_EQ(resume, "2 matchs vérifiés");
    EXPECT_EQ(continuer, Traduit(27));
}

TEST(Validation, RefillingReplacesTheLines)
{
    Tf_Validation f;
    TVerification v;
    int compteur = 1, bascule = 1;
    AjouterLigneVerification("un", compteur, bascule, v.Lignes);
    f.Remplit(v);
    f.Remplit(v);
    EXPECT_EQ(f.Lignes().size(), 1u);
}

// A whole calendar's check may hold lines longer than any screen: the window
// stops at its screen's edge (and at 1000 pixels) and the list scrolls.
TEST(Validation, NeverWiderThanTheScreenItIsOn)
{
    TVerification v;
    int compteur = 1, bascule = 1;
    AjouterLigneVerification("Journée 12 : " + std::string(300, 'W'), compteur, bascule, v.Lignes);
    QWidget principale;
    principale.setGeometry(0, 0, 300, 200);
    const QRect zone = principale.screen()->availableGeometry();

    testsupport::TDialoguesScriptes dialogues;
    QRect cadre;
    dialogues.Repond([&](QDialog& d) {
        cadre = d.frameGeometry();
        d.done(ResultatModal::Ok);
    });
    AfficheVerification(v, &principale);
    EXPECT_GT(cadre.width(), 480) << "widened for the long line";
    EXPECT_LE(cadre.width(), std::min(1000, zone.width()));
    EXPECT_TRUE(zone.contains(cadre)) << "placed on the screen";
}

} // namespace
