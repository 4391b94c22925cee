#include "presentation/Recapitulatif.h"

#include <gtest/gtest.h>

#include "engine/LigueTest.h"
#include "presentation/ModeleGrille.h"

#include <string>
#include <vector>

namespace {

using Lignes = std::vector<std::vector<std::string>>;
enum { Lyon, Nice, Paris, Lens };

struct Ligue : TLigueTest<> {
    Ligue() : TLigueTest({"Lyon", "Nice", "Paris", "Lens"}, 6, 2) {}
    void NonJoue(int jour, int dom, int ext) { Championnat.AjouteMatch(jour, Id(dom), Id(ext), -1, 65535, 65535); }
};

Lignes Textes(const TModeleGrille& g)
{
    Lignes l(static_cast<size_t>(g.GetRowCount()));
    for (int r = 0; r < g.GetRowCount(); ++r)
        for (int c = 0; c < g.GetColCount(); ++c)
            l[static_cast<size_t>(r)].push_back(g.GetTexte(c, r));
    return l;
}

size_t Compte(const std::string& texte, const std::string& motif)
{
    size_t n = 0;
    for (size_t p = texte.find(motif); p != std::string::npos; p = texte.find(motif, p + 1))
        ++n;
    return n;
}

TEST(Recapitulatif, EachCellShowsTheFirstHomeMeetingUpToTheLastPlayedDay)
{
    Ligue l;
    l.Match(1, Lyon, Nice, 2, 1), l.Match(1, Paris, Lens, 0, 0);
    l.Match(2, Nice, Paris, 3, 2), l.NonJoue(2, Lens, Lyon);
    // A second meeting with the same home team does not replace the first.
    l.Match(3, Lyon, Nice, 5, 5);
    // Beyond the last played day.
    l.Match(4, Lens, Paris, 1, 3);
    l.Championnat.JourneeJouee = 3;

    TModeleGrille g;
    Recapitulatif::RemplitTableau(l.Saison, l.Championnat, g);
    EXPECT_EQ(Textes(g), (Lignes{{"", "Lyo.", "Nic.", "Par.", "Len."},
                                 {"Lyon", "", "2 - 1", "-", "-"},
                                 {"Nice", "-", "", "3 - 2", "-"},
                                 {"Paris", "-", "-", "", "0 - 0"},
                                 {"Lens", "-", "-", "-", ""}}));
    EXPECT_EQ(g.GetFixedRows(), 1);
    EXPECT_EQ(g.GetFixedCols(), 1);
    EXPECT_EQ(g.GetLargeurColonne(0), 60);
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(g.GetLargeurColonne(c), 18);
    // Black diagonal, white centred cells elsewhere.
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 4; ++c) {
            EXPECT_EQ(g.GetCouleurFond(c, r), r == c ? 0x000000 : 0xFFFFFF) << c << "," << r;
            EXPECT_EQ(g.GetCouleurTexte(c, r), 0);
            EXPECT_EQ(g.GetAlignementH(c, r), 1);
        }
    EXPECT_EQ(g.GetCouleurFond(2, 0), 0xFFFFFF);
    EXPECT_EQ(g.GetAlignementH(2, 0), 1);

    const TRecapitulatif recap(l.Championnat);
    const TCaseRecap* lyonNice = recap.GetCase(Lyon, Nice);
    ASSERT_NE(lyonNice, nullptr);
    EXPECT_TRUE(lyonNice->Premiere.Jouee);
    EXPECT_EQ(lyonNice->Suivante.ButsDomicile, 5);
    EXPECT_TRUE(lyonNice->Suivante.Jouee);
    EXPECT_EQ(recap.GetCase(4, 0), nullptr);
    EXPECT_EQ(recap.GetCase(0, -1), nullptr);
    EXPECT_EQ(recap.TexteCase(9, 9), "");
}

TEST(Recapitulatif, NeutralGroundsPutEachPairInTheRowOfTheTeamPlacedFirst)
{
    Ligue l;
    l.Championnat.SetOption(11, 2);
    l.Match(1, Lens, Nice, 2, 0);
    // Later meetings of the pair, whichever side is home, leave the first shown.
    l.Match(2, Nice, Lens, 4, 4);
    l.Match(3, Nice, Lyon, 1, 3);
    l.Championnat.JourneeJouee = 3;

    const TRecapitulatif recap(l.Championnat);
    EXPECT_EQ(recap.TexteCase(Nice, Lens), "0 - 2");
    EXPECT_EQ(recap.TexteCase(Lens, Nice), "-");
    EXPECT_EQ(recap.TexteCase(Lyon, Nice), "3 - 1");
    EXPECT_EQ(recap.TexteCase(Nice, Lyon), "-");
    EXPECT_EQ(recap.GetCase(Nice, Lens)->Suivante.ButsDomicile, 4);

    // Off neutral grounds each venue keeps its own cell.
    l.Championnat.SetOption(11, 0);
    const TRecapitulatif domicile(l.Championnat);
    EXPECT_EQ(domicile.TexteCase(Lens, Nice), "2 - 0");
    EXPECT_EQ(domicile.TexteCase(Nice, Lens), "4 - 4");
    EXPECT_EQ(domicile.TexteCase(Nice, Lyon), "1 - 3");
}

TEST(Recapitulatif, NothingPlayedShowsDashesAndNoTeamsOnlyTheCorner)
{
    Ligue l;
    l.Match(1, Lyon, Nice, 2, 1); // typed, but no day counts as played
    TModeleGrille g;
    Recapitulatif::RemplitTableau(l.Saison, l.Championnat, g);
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 4; ++c)
            EXPECT_EQ(g.GetTexte(c, r), r == c ? "" : "-") << c << "," << r;

    TLigueTest<> vide({}, 0, 0);
    Recapitulatif::RemplitTableau(vide.Saison, vide.Championnat, g);
    EXPECT_EQ(g.GetRowCount(), 1);
    EXPECT_EQ(g.GetColCount(), 1);
}

TEST(Recapitulatif, LargeScoresAndAccentedNamesAreShownWhole)
{
    TLigueTest<> l({"Élan", "Ours"}, 2, 1);
    // High scores (basketball) are kept as they are, 255 included.
    l.Match(1, 0, 1, 300, 255);
    l.Match(2, 1, 0, 255, 0);
    l.Championnat.JourneeJouee = 2;
    TModeleGrille g;
    Recapitulatif::RemplitTableau(l.Saison, l.Championnat, g);
    EXPECT_EQ(g.GetTexte(2, 1), "300 - 255");
    EXPECT_EQ(g.GetTexte(1, 2), "255 - 0");
    EXPECT_EQ(g.GetTexte(1, 0), "Éla.");
}

TEST(Recapitulatif, KeywordTableKeepsEveryCellOnOneLine)
{
    Ligue l;
    l.Match(1, Lyon, Nice, 2, 1);
    l.Championnat.JourneeJouee = 1;
    const std::string html =
        Recapitulatif::TableHtml(l.Saison, l.Championnat, {"#000080", "#C0C0C0", "#FFFFFF", "#F0E020", "#000000"});
    EXPECT_EQ(Compte(html, "<td nowrap "), 25u);
    EXPECT_EQ(Compte(html, "<td"), 25u);
    EXPECT_EQ(Compte(html, "<tr bgcolor=\"#000080\">"), 1u);
    EXPECT_EQ(Compte(html, "bgcolor=\"#000000\""), 4u); // the diagonal
    EXPECT_NE(html.find(">2 - 1<"), std::string::npos);
    EXPECT_NE(html.find("<font color=\"#F0E020\">Lyo.</font>"), std::string::npos);
    EXPECT_EQ(html.find("width="), std::string::npos);
}

} // namespace
