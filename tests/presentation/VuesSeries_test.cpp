#include "presentation/VuesSeries.h"

#include "base/Format.h"
#include "base/oTraducteur.h"
#include "engine/LigueTest.h"
#include "presentation/ModeleGrille.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using Textes = std::vector<std::string>;
using namespace VuesSeries;
enum { A, B, C, D, E };

// Wins A 1, B 2, C 1, D 0, E 2 over four days; goals for A 1, B 2, C 1,
// D 0, E 2 (one of E's at home, one away).
struct LigueParticularites : TLigueTest<> {
    LigueParticularites() : TLigueTest({"Arles", "Blois", "Caen", "Dax", "Evry"}, 6, 2)
    {
        Match(1, B, A, 1, 0), Match(1, E, C, 1, 0);
        Match(2, B, D, 1, 0);
        Match(3, A, D, 1, 0), Match(3, C, B, 1, 0);
        Match(4, D, E, 0, 1);
        Championnat.JourneeJouee = 4;
    }
};

struct VuesSeriesTest : ::testing::Test {
    std::array<TModeleGrille, NbEmplacements> Grilles;
    std::array<TModeleGrille*, NbEmplacements> Emplacements{};

    VuesSeriesTest()
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        ChoisitLangueNombres("fr");
        // The page's slots: none at 7 and from 9 on.
        for (int n = 1; n <= 8; ++n)
            Emplacements[static_cast<size_t>(EmplacementTable(n))] = &Grilles[static_cast<size_t>(EmplacementTable(n))];
    }
    ~VuesSeriesTest() override { InstalleTraducteur(nullptr); }

    static Textes Colonne(const TModeleGrille& G, int c)
    {
        Textes t;
        for (int r = 1; r < G.GetRowCount(); ++r)
            t.push_back(G.GetTexte(c, r));
        return t;
    }
};

TEST_F(VuesSeriesTest, ParticularitiesInTheirSlotsWithTheExchangeSortOrder)
{
    LigueParticularites L;
    AfficheParticularites(L.Saison, L.Championnat, LieuTous, Toutes, Emplacements);
    const std::array<int, 9> Titres{188, 189, 190, 191, 192, 193, 194, 0, 195};
    for (size_t s = 0; s < Titres.size(); ++s) {
        SCOPED_TRACE(s);
        if (Titres[s] == 0) {
            EXPECT_EQ(Grilles[s].GetTexte(0, 0), "");
            continue;
        }
        ASSERT_EQ(Grilles[s].GetRowCount(), 5);
        EXPECT_EQ(Grilles[s].GetTexte(0, 0), Traduit(Titres[s]));
        EXPECT_EQ(Grilles[s].GetTexte(1, 0), Traduit(196));
        EXPECT_EQ(Grilles[s].GetCouleurFond(0, 0), TColor(0xDFCF20));
        EXPECT_EQ(Grilles[s].GetLargeurColonne(0), 150);
    }
    // Slots without a grid are skipped.
    for (size_t s = 9; s < Grilles.size(); ++s)
        EXPECT_EQ(Grilles[s].GetTexte(0, 0), "") << s;
    // Equal values in the exchange sort's order (C before A); the fewest
    // table reads the list backwards.
    EXPECT_EQ(Colonne(Grilles[0], 0), (Textes{"Blois", "Evry", "Caen", "Arles"}));
    EXPECT_EQ(Colonne(Grilles[0], 1), (Textes{"2", "2", "1", "1"}));
    EXPECT_EQ(Colonne(Grilles[1], 0), (Textes{"Dax", "Arles", "Caen", "Evry"}));
    EXPECT_EQ(Colonne(Grilles[1], 1), (Textes{"0", "1", "1", "2"}));
    EXPECT_EQ(Colonne(Grilles[6], 1), (Textes{"2", "2", "1", "1"}));
}

TEST_F(VuesSeriesTest, VenuesTakeTheirOwnColumnsOrBoth)
{
    LigueParticularites L;
    TModeleGrille Complet;
    const std::array<TModeleGrille*, 1> Un{&Complet};
    // Goals for, most: all matches add the home and away columns.
    AfficheParticularites(L.Saison, L.Championnat, LieuTous, 4, Un);
    EXPECT_EQ(Complet.GetRowCount(), 6);
    EXPECT_EQ(Colonne(Complet, 0), (Textes{"Blois", "Evry", "Caen", "Arles", "Dax"}));
    AfficheParticularites(L.Saison, L.Championnat, LieuExterieur, 4, Un);
    EXPECT_EQ(Complet.GetTexte(0, 1), "Evry");
    EXPECT_EQ(Colonne(Complet, 1), (Textes{"1", "0", "0", "0", "0"}));
    AfficheParticularites(L.Saison, L.Championnat, LieuDomicile, 4, Un);
    EXPECT_EQ(Colonne(Complet, 1), (Textes{"2", "1", "1", "1", "0"}));
    // Which 8: the fewest defeats, all teams.
    AfficheParticularites(L.Saison, L.Championnat, LieuTous, 8, Un);
    EXPECT_EQ(Complet.GetTexte(0, 0), Traduit(193));
    EXPECT_EQ(Complet.GetTexte(1, 5), "3");
    EXPECT_EQ(Complet.GetTexte(0, 5), "Dax");
}

TEST_F(VuesSeriesTest, TheFollowedTeamIsHighlightedAndFewTeamsGiveFewRows)
{
    LigueParticularites L;
    L.Championnat.SetOption(10, E);
    AfficheParticularites(L.Saison, L.Championnat, LieuTous, Toutes, Emplacements);
    EXPECT_EQ(Grilles[0].GetTexte(0, 2), "Evry");
    EXPECT_EQ(Grilles[0].GetCouleurFond(0, 2), TColor(0x800000));
    EXPECT_EQ(Grilles[0].GetCouleurTexte(1, 2), TColor(0xFFFFFF));
    EXPECT_EQ(Grilles[0].GetCouleurFond(0, 1), TColor(0xFFFFFF));
    EXPECT_EQ(Grilles[0].GetCouleurFond(0, 4), TColor(0xF8CD87));

    TLigueTest<> Petite({"Un", "Deux", "Trois"}, 2, 1);
    Petite.Match(1, 0, 1, 2, 1);
    Petite.Championnat.JourneeJouee = 1;
    AfficheParticularites(Petite.Saison, Petite.Championnat, LieuTous, Toutes, Emplacements);
    EXPECT_EQ(Grilles[0].GetRowCount(), 4);
    AfficheSeries(Petite.Saison, Petite.Championnat, LieuTous, Toutes, SeriesEnCours, Emplacements);
    EXPECT_EQ(Grilles[8].GetRowCount(), 4);
}

TEST_F(VuesSeriesTest, ARunningBestSeriesIsNamedAsOngoing)
{
    TLigueTest<> L({"OLYMPIQUE", "racing", "Stade"}, 4, 1);
    for (int d = 1; d <= 4; ++d)
        L.Match(d, 0, 1 + d % 2, 2, 0);
    L.Championnat.JourneeJouee = 4;
    AfficheSeries(L.Saison, L.Championnat, LieuTous, Toutes, SeriesMeilleures, Emplacements);
    EXPECT_EQ(Grilles[0].GetTexte(0, 0), Traduit(198));
    EXPECT_EQ(Grilles[0].GetTexte(0, 1), "Olympique (en cours)");
    EXPECT_EQ(Grilles[0].GetTexte(1, 1), "4");
    EXPECT_DOUBLE_EQ(Grilles[0].GetMaxAgrandissement(), 2.0);
    // Defeats: racing and Stade lost their last two and two, Stade last.
    EXPECT_EQ(Colonne(Grilles[2], 0), (Textes{"Racing (en cours)", "Stade (en cours)", "OLYMPIQUE"}));
    // Without a win: the longest runs, still going.
    EXPECT_EQ(Colonne(Grilles[8], 1), (Textes{"2", "2", "0"}));
    EXPECT_EQ(Grilles[8].GetTexte(0, 0), Traduit(205));
    // Slot 7 has no table in the slot layout; the page has no grid there.
    EXPECT_EQ(Grilles[7].GetTexte(0, 0), "");

    AfficheSeries(L.Saison, L.Championnat, LieuTous, Toutes, SeriesEnCours, Emplacements);
    EXPECT_EQ(Grilles[0].GetTexte(0, 1), "OLYMPIQUE");
    EXPECT_EQ(Grilles[0].GetTexte(1, 1), "4");
    // Home only: the first club played everything at home.
    AfficheSeries(L.Saison, L.Championnat, LieuExterieur, Toutes, SeriesEnCours, Emplacements);
    EXPECT_EQ(Colonne(Grilles[2], 1), (Textes{"2", "2", "0"}));
    EXPECT_EQ(Colonne(Grilles[0], 1), (Textes{"0", "0", "0"}));

    // The English program says it in English.
    InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Texteen.txt"));
    AfficheSeries(L.Saison, L.Championnat, LieuTous, Toutes, SeriesMeilleures, Emplacements);
    EXPECT_EQ(Grilles[0].GetTexte(0, 1), "Olympique (current)");
}

TEST_F(VuesSeriesTest, NoPlayedMatchShowsZerosAndNoFlag)
{
    TLigueTest<> L({"Un", "Deux", "Trois", "Quatre", "Cinq"}, 2, 2);
    for (int Genre : {SeriesEnCours, SeriesMeilleures}) {
        AfficheSeries(L.Saison, L.Championnat, LieuTous, Toutes, Genre, Emplacements);
        for (int t = 1; t <= 8; ++t)
            EXPECT_EQ(Colonne(Grilles[EmplacementTable(t)], 1), (Textes{"0", "0", "0", "0"}));
        EXPECT_EQ(Colonne(Grilles[0], 0), (Textes{"Un", "Deux", "Trois", "Quatre"}));
    }
}

TEST_F(VuesSeriesTest, RightClicksAndKeywordWords)
{
    const std::array<int, 8> Particularites{1, 6, 2, 7, 3, 8, 4, 5};
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(TableClic(ModeParticularites, n), Particularites[static_cast<size_t>(n - 1)]);
        EXPECT_EQ(TableClic(ModeMeilleures, n), n);
    }
    EXPECT_EQ(TexteAgrandissement(6), 197);
    EXPECT_EQ(TexteAgrandissement(13), 206);
    EXPECT_EQ(TexteAgrandissement(28), 207);
    EXPECT_EQ(LieuMotCle("DOMICILE"), LieuDomicile);
    EXPECT_EQ(LieuMotCle("Exterieur"), LieuExterieur);
    EXPECT_EQ(LieuMotCle("ailleurs"), LieuTous);
    EXPECT_EQ(GenreMotCle("Cours"), SeriesEnCours);
    EXPECT_EQ(GenreMotCle(""), SeriesMeilleures);
}

} // namespace
