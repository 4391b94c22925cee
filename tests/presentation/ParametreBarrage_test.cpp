#include "presentation/ParametreBarrage.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"

#include <gtest/gtest.h>

namespace {

using TPlaces = TDonneesBarrage::TPlaces;

class ParametreBarrage : public ::testing::Test {
protected:
    void SetUp() override { InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt")); }
    void TearDown() override { InstalleTraducteur(nullptr); }
};

TEST_F(ParametreBarrage, LectureDesRepartitions)
{
    std::vector<TPlaces> p;
    ASSERT_TRUE(LitRepartition("3 - 5; 1", p));
    EXPECT_EQ(p, (std::vector<TPlaces>{{3, 5}, {1, 1}}));
    EXPECT_EQ(NbEquipesRepartition(p), 4);
    ASSERT_TRUE(LitRepartition("5-3", p));
    EXPECT_EQ(p, (std::vector<TPlaces>{{3, 5}}));
    // The text rebuilt for editing ends with ";": it reads back the same.
    ASSERT_TRUE(LitRepartition("3-5;1;", p));
    EXPECT_EQ(EcritRepartition(p), "3-5;1;");
    ASSERT_TRUE(LitRepartition("", p));
    EXPECT_TRUE(p.empty());
    for (const char* invalide : {"2;0", "a-3", "3-", "-3", "1-2-3", "0-4", "1 2", "99999999999"}) {
        EXPECT_FALSE(LitRepartition(invalide, p)) << invalide;
        EXPECT_TRUE(p.empty()) << invalide;
    }
}

TEST_F(ParametreBarrage, LignesSelonLeRoleEtLigneDeRemplissage)
{
    // A play-off on the top division: nothing above it.
    const std::vector<TCandidatBarrage> candidats{{"L1", (1 << 4) + 2}, {"L2", (2 << 4) + 3}};
    TParametreBarrage p(candidats);
    ASSERT_EQ(p.Lignes().size(), 2u);
    EXPECT_EQ(p.Lignes()[0].Nom, "L1");
    EXPECT_EQ(p.Lignes()[0].Tag, (1 << 8) + 0);
    EXPECT_EQ(p.Lignes()[0].Compte, TraduitFmt(119, {0}));
    EXPECT_EQ(p.Lignes()[1].Nom, Traduit(269));
    EXPECT_EQ(p.Lignes()[1].Code, 0);
    EXPECT_EQ(p.Lignes()[1].Tag, 1);
    EXPECT_EQ(p.Hauteur(), 26 * 2 + 218);

    // A relegation play-off there: the division below shows, above is not asked for.
    p.ChoisitRole(false);
    ASSERT_EQ(p.Lignes().size(), 2u);
    EXPECT_EQ(p.Lignes()[1].Nom, "L2");
    EXPECT_EQ(p.Lignes()[1].Tag, (2 << 8) + 1);

    // Every role present: no filler row.
    TParametreBarrage complet({{"L1", (1 << 4) + 1}, {"L2", (2 << 4) + 2}, {"N", (3 << 4) + 3}});
    EXPECT_EQ(complet.Lignes().size(), 2u);
}

TEST_F(ParametreBarrage, ComptesEtValidationDUnNouveauBarrage)
{
    TParametreBarrage p({{"L1", (1 << 4) + 1}, {"L2", (2 << 4) + 2}});
    p.ChangeRepartition(0, "3 - 5; 1");
    EXPECT_EQ(p.Lignes()[0].Compte, TraduitFmt(118, {4}));
    // An invalid text leaves the label as it was, until Verify.
    p.ChangeRepartition(0, "2;0");
    EXPECT_EQ(p.Lignes()[0].Compte, TraduitFmt(118, {4}));
    p.ChangeRepartition(1, "1");
    EXPECT_EQ(p.Lignes()[1].Compte, TraduitFmt(119, {1}));
    EXPECT_FALSE(p.Valide());
    EXPECT_EQ(p.Lignes()[0].Compte, Traduit(115));
    EXPECT_EQ(p.PrendResultat(), nullptr);

    p.ChangeRepartition(0, "");
    p.Coupe = false;
    p.NbGroupe = 2;
    p.Redemarrage = TParametreBarrage::MoitiePoint;
    ASSERT_TRUE(p.Valide());
    auto b = p.PrendResultat();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->TypeGroupe, 2);
    EXPECT_EQ(b->MoitiePoint, 1);
    // The empty row stores nothing.
    ASSERT_EQ(b->NbDivision(), 1);
    EXPECT_EQ(b->GetDivision(0)->Code, 2);
    EXPECT_EQ(b->GetDivision(0)->Places, (std::vector<TPlaces>{{1, 1}}));

    TParametreBarrage coupe({{"L1", (1 << 4) + 2}});
    coupe.NbGroupe = 5; // not read for a cup
    ASSERT_TRUE(coupe.Valide());
    EXPECT_EQ(coupe.PrendResultat()->TypeGroupe, 0);
}

TEST_F(ParametreBarrage, EditionDUnBarrageExistant)
{
    TDonneesBarrage b;
    b.Code = 4;
    b.TypeGroupe = 0;
    b.MoitiePoint = 2;
    b.AjouteDivision({{3, 5}, {1, 1}}, 7);
    b.AjouteDivision({{2, 2}}, 8);
    b.AjouteDivision({{1, 1}}, 0);
    TParametreBarrage p(b, [](int code) { return "C" + std::to_string(code); });
    EXPECT_TRUE(p.Edition());
    EXPECT_TRUE(p.Coupe);
    EXPECT_EQ(p.Redemarrage, TParametreBarrage::ToutPoint);
    ASSERT_EQ(p.Lignes().size(), 3u);
    EXPECT_EQ(p.Lignes()[0].Nom, "C7");
    EXPECT_EQ(p.Lignes()[0].Repartition, "3-5;1;");
    EXPECT_EQ(p.Lignes()[0].Compte, TraduitFmt(118, {4}));
    EXPECT_EQ(p.Lignes()[1].Tag, (8 << 8) + 1);
    EXPECT_EQ(p.Lignes()[2].Nom, Traduit(269));
    // The role is fixed while editing.
    p.ChoisitRole(false);
    EXPECT_EQ(p.Lignes().size(), 3u);

    // Validated untouched: the definition is as it was.
    ASSERT_TRUE(p.Valide());
    EXPECT_EQ(b.NbDivision(), 3);
    EXPECT_EQ(b.GetDivision(0)->Places, (std::vector<TPlaces>{{3, 5}, {1, 1}}));
    EXPECT_EQ(b.MoitiePoint, 2);
    EXPECT_EQ(b.TypeGroupe, 0);

    // An invalid row writes nothing at all; an emptied one empties its source.
    p.ChangeRepartition(0, "a-3");
    p.ChangeRepartition(1, "");
    EXPECT_FALSE(p.Valide());
    EXPECT_EQ(b.GetDivision(1)->Places.size(), 1u);
    p.ChangeRepartition(0, "1-2");
    ASSERT_TRUE(p.Valide());
    EXPECT_EQ(b.GetDivision(0)->Places, (std::vector<TPlaces>{{1, 2}}));
    EXPECT_TRUE(b.GetDivision(1)->Places.empty());
    EXPECT_EQ(b.GetDivision(2)->Places, (std::vector<TPlaces>{{1, 1}}));
}

} // namespace
