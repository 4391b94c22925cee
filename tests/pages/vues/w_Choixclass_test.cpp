#include "pages/vues/w_Classement.h"

#include "controls/ImageFond.h"
#include "pages/vues/SaisonVues.h"
#include "support_ui/DialoguesScriptes.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

class ChoixclassTest : public ::testing::Test {
protected:
    // Runs the dialog modally with the given treatment; returns its result.
    int Execute(const std::function<void(Tf_Choixclass&)>& Action)
    {
        Scripts.Repond([&](QDialog& d) { Action(dynamic_cast<Tf_Choixclass&>(d)); });
        return Dialogues().ExecuteModal(Forme);
    }
    static void Tape(Tf_Choixclass& f, const char* De, const char* A)
    {
        f.Edit1->clear();
        f.Edit2->clear();
        QTest::keyClicks(f.Edit1, De);
        QTest::keyClicks(f.Edit2, A);
    }

    std::unique_ptr<TSaisonFootball> Saison = testsupport::CreeSaisonVues(14);
    testsupport::TDialoguesScriptes Scripts;
    Tf_Choixclass Forme{Saison.get()};
};

} // namespace

TEST_F(ChoixclassTest, AOuvertureLesJourneesJouees)
{
    std::pair<QString, QString> Vu;
    EXPECT_EQ(Execute([&](Tf_Choixclass& f) {
                  Vu = {f.Edit1->text(), f.Edit2->text()};
                  f.BoutonCopie1->Click();
              }),
              ResultatModal::Ok);
    EXPECT_EQ(Vu, std::make_pair(QString("1"), QString("14")));
    EXPECT_EQ(Forme.Tag, 14 + (1 << 8));
}

TEST_F(ChoixclassTest, BoutonsDEtendue)
{
    struct Cas {
        TBoutonCopie* Tf_Choixclass::*Bouton;
        int Tag;
    };
    // 10 clubs, 14 days played: return legs 10..18 are limited to day 14.
    for (const Cas& c :
         {Cas{&Tf_Choixclass::BoutonCopie3, 14 + (1 << 8)}, Cas{&Tf_Choixclass::BoutonCopie4, 14 + (9 << 8)},
          Cas{&Tf_Choixclass::BoutonCopie5, 9 + (1 << 8)}, Cas{&Tf_Choixclass::BoutonCopie6, 14 + (10 << 8)}}) {
        EXPECT_EQ(Execute([&](Tf_Choixclass& f) {
                      (f.*c.Bouton)->Click();
                      f.BoutonCopie1->Click();
                  }),
                  ResultatModal::Ok);
        EXPECT_EQ(Forme.Tag, c.Tag);
    }
    Execute([](Tf_Choixclass& f) {
        f.BoutonCopie6->Click();
        EXPECT_EQ(f.Edit1->text(), "10");
        EXPECT_EQ(f.Edit2->text(), "18");
        f.BoutonCopie2->Click();
    });
}

TEST_F(ChoixclassTest, SaisieTapee)
{
    EXPECT_EQ(Execute([](Tf_Choixclass& f) {
                  Tape(f, "12", "8");
                  f.BoutonCopie1->Click();
              }),
              ResultatModal::Ok);
    EXPECT_EQ(Forme.Tag, 8 + (8 << 8));
    EXPECT_EQ(Execute([](Tf_Choixclass& f) {
                  Tape(f, "3", "7");
                  f.BoutonCopie1->Click();
              }),
              ResultatModal::Ok);
    EXPECT_EQ(Forme.Tag, 7 + (3 << 8));
}

TEST_F(ChoixclassTest, SaisieInvalideRefusee)
{
    Forme.Tag = 0;
    for (auto [De, A] : {std::pair{"0", "5"}, {"-2", "5"}, {"1", "abc"}, {"2", "-1"}, {"x", "y"}, {"1,5", "3"}}) {
        EXPECT_EQ(Execute([&](Tf_Choixclass& f) {
                      Tape(f, De, A);
                      f.BoutonCopie1->Click();
                  }),
                  ResultatModal::Annuler)
            << De << " " << A;
        EXPECT_EQ(Forme.Tag, 0);
    }
    EXPECT_EQ(Execute([](Tf_Choixclass& f) {
                  f.Edit1->clear();
                  f.BoutonCopie1->Click();
              }),
              ResultatModal::Annuler);
    EXPECT_EQ(Forme.Tag, 0);
}

TEST(ChoixclassSansJourneeTest, RienAChoisir)
{
    auto Saison = testsupport::CreeSaisonVues(0);
    testsupport::TDialoguesScriptes Scripts;
    Tf_Choixclass Forme(Saison.get());
    Scripts.Repond([](QDialog& d) { dynamic_cast<Tf_Choixclass&>(d).BoutonCopie1->Click(); });
    EXPECT_EQ(Dialogues().ExecuteModal(Forme), ResultatModal::Annuler);
    EXPECT_EQ(Forme.Tag, 0);
}
