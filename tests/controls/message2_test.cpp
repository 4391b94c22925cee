#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "controls/message2.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/RenduPng.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct TBoiteVue {
    std::string Titre;
    std::vector<std::string> Boutons; // captions from left to right
    std::vector<int> Tags;
};

std::vector<TBoutonCopie*> BoutonsVisibles(QDialog& d)
{
    std::vector<TBoutonCopie*> boutons;
    for (TBoutonCopie* b : d.findChildren<TBoutonCopie*>())
        if (b->isVisible())
            boutons.push_back(b);
    std::sort(boutons.begin(), boutons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    return boutons;
}

class MessageUtilTest : public ::testing::Test {
protected:
    void SetUp() override { InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt")); }
    void TearDown() override { InstalleTraducteur(nullptr); }

    // Shows the box, notes what it shows and presses the button with Caption
    // (or closes the box when Caption is empty); returns MessageUtil's answer.
    uint16_t Montre(uint16_t flags, const std::string& caption, TBoiteVue& vue, const std::string& texte = "Texte")
    {
        FDialogues.Repond([&](QDialog& d) {
            vue.Titre = d.windowTitle().toStdString();
            for (TBoutonCopie* b : BoutonsVisibles(d)) {
                vue.Boutons.push_back(b->Caption());
                vue.Tags.push_back(b->Tag);
            }
            if (caption.empty()) {
                d.close();
                return;
            }
            for (TBoutonCopie* b : BoutonsVisibles(d))
                if (b->Caption() == caption)
                    QTest::mouseClick(b, Qt::LeftButton);
        });
        return MessageUtil(texte, flags);
    }

    testsupport::TDialoguesScriptes FDialogues;
    TMessagesFenetre FFenetre;
};

} // namespace

TEST_F(MessageUtilTest, LesCinqDispositionsEtLeursReponses)
{
    TBoiteVue vue;
    EXPECT_EQ(Montre(1, "Oui", vue), 6);
    EXPECT_EQ(vue.Boutons, (std::vector<std::string>{"Oui"}));
    EXPECT_EQ(vue.Titre, "Question");

    vue = {};
    EXPECT_EQ(Montre(3, "Non", vue), 7);
    EXPECT_EQ(vue.Boutons, (std::vector<std::string>{"Oui", "Non"}));
    EXPECT_EQ(vue.Titre, "Question");

    vue = {};
    EXPECT_EQ(Montre(4, "OK", vue), 1);
    EXPECT_EQ(vue.Boutons, (std::vector<std::string>{"OK"}));
    EXPECT_EQ(vue.Titre, "Information");

    for (const auto& [bouton, attendu] : {std::pair<std::string, int>{"Oui", 6}, {"Non", 7}, {"Annuler", 2}}) {
        vue = {};
        EXPECT_EQ(Montre(11, bouton, vue), attendu) << bouton;
        EXPECT_EQ(vue.Boutons, (std::vector<std::string>{"Oui", "Non", "Annuler"}));
        EXPECT_EQ(vue.Tags, (std::vector<int>{6, 7, 2}));
    }

    vue = {};
    EXPECT_EQ(Montre(12, "Annuler", vue), 2);
    EXPECT_EQ(vue.Boutons, (std::vector<std::string>{"OK", "Annuler"}));
    EXPECT_EQ(vue.Titre, "Information");

    // A failure keeps the OK layout under a warning title.
    vue = {};
    EXPECT_EQ(Montre(BoutonsMessage::Ok | BoutonsMessage::Avertissement, "OK", vue), 1);
    EXPECT_EQ(vue.Boutons, (std::vector<std::string>{"OK"}));
    EXPECT_EQ(vue.Titre, "Avertissement");
}

TEST_F(MessageUtilTest, FermerLaBoiteDonneAnnuler)
{
    TBoiteVue vue;
    EXPECT_EQ(Montre(3, "", vue), 2);
    vue = {};
    EXPECT_EQ(Montre(4, "", vue), 2);
}

TEST_F(MessageUtilTest, ToutAutreJeuDeDrapeauxMontreSesBoutonsExactement)
{
    // Outside the five layouts, each asked button is there once and closes the box.
    for (uint16_t flags = 0; flags < 16; ++flags) {
        SCOPED_TRACE(flags);
        TBoiteVue vue;
        Montre(flags, "", vue);
        std::vector<std::string> attendus;
        if (flags & 1)
            attendus.push_back("Oui");
        if (flags & 2)
            attendus.push_back("Non");
        if ((flags & 4) || flags == 0)
            attendus.push_back("OK");
        if (flags & 8)
            attendus.push_back("Annuler");
        auto vus = vue.Boutons;
        std::sort(vus.begin(), vus.end());
        std::sort(attendus.begin(), attendus.end());
        EXPECT_EQ(vus, attendus);
        for (int tag : vue.Tags)
            EXPECT_TRUE(tag == 1 || tag == 2 || tag == 6 || tag == 7) << tag;
    }
    TBoiteVue vue;
    EXPECT_EQ(Montre(2, "Non", vue), 7);
    vue = {};
    EXPECT_EQ(Montre(9, "Annuler", vue), 2);
}

TEST_F(MessageUtilTest, UnLongTexteElargitEtAgranditLaBoite)
{
    Tf_MessageUtil court;
    court.Prepare("Enregistré.", 4);
    Tf_MessageUtil longue;
    std::string texte;
    for (int i = 0; i < 30; ++i)
        texte += "Le document a été modifié. ";
    longue.Prepare(texte, 11);
    EXPECT_EQ(court.width(), 360);
    EXPECT_EQ(longue.width(), 400);
    EXPECT_GT(longue.height(), court.height());
    EXPECT_EQ(longue.Label1->width(), 400 - 12);
    EXPECT_EQ(longue.height(), longue.Label1->height() + 50);
    longue.show();
    testsupport::RendPng(longue, "message_oui_non_annuler");
    court.show();
    testsupport::RendPng(court, "message_ok");
}

// Enter answers Yes or OK; Escape answers Cancel, or closes the box (which
// gives Cancel too) when no Cancel button is there.
TEST_F(MessageUtilTest, EntreeEtEchapRepondentALaBoite)
{
    auto Touche = [this](Qt::Key touche) { FDialogues.Repond([touche](QDialog& d) { QTest::keyClick(&d, touche); }); };
    Touche(Qt::Key_Escape);
    EXPECT_EQ(MessageUtil("?", 11), 2);
    Touche(Qt::Key_Escape);
    EXPECT_EQ(MessageUtil("?", 3), 2);
    Touche(Qt::Key_Escape);
    EXPECT_EQ(MessageUtil("!", 4), 2);
    Touche(Qt::Key_Return);
    EXPECT_EQ(MessageUtil("?", 11), 6);
    Touche(Qt::Key_Enter);
    EXPECT_EQ(MessageUtil("?", 3), 6);
    Touche(Qt::Key_Return);
    EXPECT_EQ(MessageUtil("!", 4), 1);
}
