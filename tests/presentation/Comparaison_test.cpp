#include "presentation/Comparaison.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"
#include "presentation/ModeleGraphe.h"
#include "presentation/ModeleGrille.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

constexpr uint16_t X = TInfoComp::Aucun;

// Six teams A-F (ids and positions 0-5) at 3/1/0 points over ten days, the
// circle schedule twice; day 5 leaves E and F without a match. Days 1 to
// `jouees` are played: on day d the home side of match i wins when
// (d + i) % 3 is 0, draws when 1 and loses when 2.
class ComparaisonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        Cree(4);
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    void Cree(int jouees)
    {
        Saison = std::make_unique<TSaisonFootball>();
        for (const char* nom : {"aa", "bb", "cc", "dd", "ee", "ff"})
            Saison->AjouteEquipe(nom);
        auto c = Saison->CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
        c->SetNbEquipe(6);
        for (int p = 0; p < 6; ++p)
            c->SetEquipe(p, static_cast<uint16_t>(p));
        c->SetNbMatch(3);
        c->SetNbJour(10);
        c->SetOption(4, 3);
        c->SetOption(5, 1);
        c->SetOption(6, 0);
        for (int d = 1; d <= 10; ++d) {
            // Circle method: 5 fixed, the others turn.
            const int r = (d - 1) % 5;
            std::array<int, 6> o{5, r, (r + 1) % 5, (r + 2) % 5, (r + 3) % 5, (r + 4) % 5};
            for (int i = 0; i < 3; ++i) {
                const int dom = o[i], ext = o[5 - i];
                if (d == 5 && (dom == 4 || dom == 5 || ext == 4 || ext == 5))
                    continue;
                uint16_t s1 = X, s2 = X;
                if (d <= jouees) {
                    const int k = (d + i) % 3;
                    s1 = k == 0 ? 1 : (k == 1 ? 0 : 0);
                    s2 = k == 2 ? 1 : 0;
                }
                c->AjouteMatch(d, dom, ext, -1, s1, s2);
            }
        }
        c->JourneeJouee = static_cast<uint8_t>(jouees);
        Saison->AjouteChampionnat(std::move(c));
        Saison->SetNumChampCourant(1);
    }
    TDonneesChampionnat& Champ() { return *Saison->GetChampCourant(); }

    std::unique_ptr<TSaisonFootball> Saison;
};

TEST_F(ComparaisonTest, SlotsHoldAtMostFourTeams)
{
    TComparaison c;
    EXPECT_EQ(c.Choisit(0), 0);
    EXPECT_EQ(c.Choisit(2), 1);
    EXPECT_EQ(c.Choisit(3), 2);
    EXPECT_EQ(c.Choisit(5), 3);
    EXPECT_EQ(c.Choisit(1), -1);
    EXPECT_EQ(c.Emplacement(1), -1);
    EXPECT_EQ(c.NbChoisies(), 4);
    c.Libere(2);
    EXPECT_EQ(c.Emplacement(2), -1);
    EXPECT_EQ(c.Choisit(1), 1);
    EXPECT_EQ(c.Equipes()[4], TComparaison::Libre);
}

TEST_F(ComparaisonTest, CurvesFollowTheStandingsDayByDay)
{
    TComparaison choix;
    choix.Choisit(0);
    choix.Choisit(3);
    TModeleGraphLigne g;
    Comparaison::TracerCourbes(false, g, *Saison, Champ(), choix.Equipes());
    EXPECT_TRUE(g.GetGrille());
    EXPECT_TRUE(g.GetInverse());
    EXPECT_EQ(g.GetNbPointY(), 6);
    EXPECT_EQ(g.GetNbPointX(), 10);
    EXPECT_FALSE(g.GetCourbe(2)->Visible);
    EXPECT_TRUE(g.GetCourbe(1)->Visible);
    EXPECT_EQ(g.GetCourbe(1)->CouleursDefaut.Couleur1, 0x00FFFFu);
    for (int d = 1; d <= 4; ++d) {
        TCalculClassement calcul(&Champ(), Saison.get());
        calcul.Calcule(TCalculClassement::General, 1, nullptr, d);
        for (int slot : {0, 1}) {
            const int equipe = choix.Equipes()[slot];
            int place = 0;
            for (int r = 0; r < 6; ++r)
                if (calcul.GetClassement(r, 1) == equipe)
                    place = r + 1;
            EXPECT_EQ(g.GetPoint(slot, d), place) << "day " << d << " slot " << slot;
        }
    }
    EXPECT_EQ(g.GetPoint(0, 5), -1);

    Comparaison::TracerCourbes(true, g, *Saison, Champ(), choix.Equipes());
    EXPECT_FALSE(g.GetGrille());
    EXPECT_FALSE(g.GetInverse());
    EXPECT_EQ(g.GetNbPointY(), 10);
    for (int slot : {0, 1}) {
        EXPECT_EQ(g.GetPoint(slot, 0), 0);
        for (int d = 1; d <= 4; ++d) {
            const int gain = g.GetPoint(slot, d) - g.GetPoint(slot, d - 1);
            EXPECT_TRUE(gain == 0 || gain == 1 || gain == 3) << "day " << d;
        }
    }
    TCalculClassement calcul(&Champ(), Saison.get());
    calcul.Calcule(TCalculClassement::General, 1, nullptr, 4);
    EXPECT_EQ(g.GetPoint(0, 4), calcul.GetTotal(0, 1));
}

TEST_F(ComparaisonTest, FixturesTableShowsTheComingDays)
{
    TComparaison choix;
    choix.Choisit(4); // ee
    choix.Choisit(0); // aa
    TModeleGrille g;
    Comparaison::RemplirTableau(g, *Saison, Champ(), choix.Equipes());
    ASSERT_EQ(g.GetColCount(), 2);
    ASSERT_EQ(g.GetRowCount(), 7);
    EXPECT_EQ(g.GetTexte(0, 0), "ee");
    EXPECT_EQ(g.GetCouleurFond(1, 0), 0xE89879u);
    EXPECT_EQ(g.GetLargeurColonne(0), 160);
    // Day 5: ee has no match.
    EXPECT_EQ(g.GetTexte(0, 1), Traduit(355));
    EXPECT_EQ(g.GetCouleurFond(0, 1), 0xFFFFFFu);
    TCalculClassement calcul(&Champ(), Saison.get());
    calcul.Calcule(TCalculClassement::General, 1, nullptr, 4);
    auto rang = [&](int equipe) {
        for (int r = 0; r < 6; ++r)
            if (calcul.GetClassement(r, 1) == equipe)
                return r + 1;
        return 0;
    };
    for (int j = 1; j <= 6; ++j) {
        const TInfoComp* m = Champ().GetMatchEquipe(4 + j, 0);
        ASSERT_NE(m, nullptr);
        const int cote = m->CoteEquipe(0);
        const int adversaire = m->GetEquipe(1 - cote);
        const std::string attendu =
            TraduitFmt(cote == 0 ? 210 : 211, {Capitalise(Saison->GetNomEquipe(adversaire)), rang(adversaire)});
        EXPECT_EQ(g.GetTexte(1, j), attendu) << "day " << 4 + j;
        EXPECT_EQ(g.GetCouleurFond(1, j), cote == 0 ? 0xFFFFFFu : 0xF8CD87u);
    }
    // The opponent's name is proper-cased.
    const std::string jour5 = g.GetTexte(1, 1);
    EXPECT_TRUE(jour5.find("Bb") != std::string::npos || jour5.find("Cc") != std::string::npos ||
                jour5.find("Dd") != std::string::npos)
        << jour5;

    Cree(8);
    Comparaison::RemplirTableau(g, *Saison, Champ(), choix.Equipes());
    EXPECT_EQ(g.GetRowCount(), 3);
    Cree(10);
    Comparaison::RemplirTableau(g, *Saison, Champ(), choix.Equipes());
    EXPECT_EQ(g.GetRowCount(), 1);
}

TEST_F(ComparaisonTest, NoPlayedDayGivesEmptyCurvesAndTheFirstDays)
{
    Cree(0);
    TComparaison choix;
    choix.Choisit(1);
    TModeleGraphLigne g;
    Comparaison::TracerCourbes(false, g, *Saison, Champ(), choix.Equipes());
    EXPECT_TRUE(g.GetCourbe(0)->Points().empty());
    Comparaison::TracerCourbes(true, g, *Saison, Champ(), choix.Equipes());
    ASSERT_EQ(g.GetCourbe(0)->Points().size(), 1u);
    TModeleGrille t;
    Comparaison::RemplirTableau(t, *Saison, Champ(), choix.Equipes());
    EXPECT_EQ(t.GetRowCount(), 7);
    EXPECT_NE(t.GetTexte(0, 1), "");
}

} // namespace
