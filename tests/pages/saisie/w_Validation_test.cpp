#include "pages/saisie/w_Validation.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

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

// A whole calendar's check runs to dozens of lines: the wheel and the keys
// move the list as its bar does, while no control of the window takes them.
TEST(Validation, ALongListScrollsWithTheWheelAndTheKeys)
{
    TVerification v;
    int compteur = 1, bascule = 1;
    for (int i = 1; i <= 60; ++i)
        AjouterLigneVerification("Journée " + std::to_string(i) + " : manque", compteur, bascule, v.Lignes);

    testsupport::TDialoguesScriptes dialogues;
    std::vector<int> valeurs;
    int pas = 0, maximum = 0;
    dialogues.Repond([&](QDialog& d) {
        auto& f = static_cast<Tf_Validation&>(d);
        const QScrollBar& barre = *f.FondScroll1->MyScrollv();
        pas = barre.singleStep();
        maximum = barre.maximum();
        valeurs.push_back(barre.value());
        QWheelEvent molette(QPointF(20, 20), f.FondScroll1->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, -120),
                            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.FondScroll1, &molette);
        valeurs.push_back(barre.value());
        for (const Qt::Key touche : {Qt::Key_PageDown, Qt::Key_End, Qt::Key_Up, Qt::Key_Home}) {
            QTest::keyClick(&f, touche);
            valeurs.push_back(barre.value());
        }
        f.BoutonCopie2->Click();
    });
    AfficheVerification(v);
    ASSERT_EQ(valeurs.size(), 6u);
    EXPECT_GT(maximum, 0) << "the list is longer than its room";
    EXPECT_EQ(valeurs[0], 0);
    EXPECT_GT(valeurs[1], 0) << "the wheel";
    EXPECT_GT(valeurs[2], valeurs[1]) << "Page Down";
    EXPECT_EQ(valeurs[3], maximum) << "End";
    EXPECT_EQ(valeurs[4], maximum - pas) << "Up";
    EXPECT_EQ(valeurs[5], 0) << "Home";
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
