#include "presentation/VuesFicheMatch.h"

#include <gtest/gtest.h>

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "engine/LigueTest.h"
#include "files/Stats.h"
#include "presentation/ModeleGrille.h"

#include <memory>
#include <string>

namespace {

using namespace VuesFicheMatch;
using FicheMatch::CoteDomicile;
using FicheMatch::CoteExterieur;
enum { A, B, C, D };

class VuesFicheMatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        // Arles: a draw, then a defeat and three wins; Brest won its only match at home.
        L.Match(1, A, B, 0, 0);
        L.Match(2, C, A, 0, 1);
        L.Match(3, A, D, 0, 2);
        L.Match(4, A, C, 2, 1);
        L.Match(4, B, D, 1, 0);
        L.Match(5, C, A, 1, 2);
        L.Match(6, A, D, 3, 1);
        L.Championnat.JourneeJouee = 6;
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    TLigueTest<> L{{"Arles", "Brest", "Caen", "Dijon"}, 8, 2};
};

TEST_F(VuesFicheMatchTest, StandingsLinesTakeTheirVenueWordAndNumber)
{
    const auto Cote = FicheMatch::CalculeCote(L.Saison, L.Championnat, A, CoteDomicile, false, true);
    EXPECT_EQ(TitreCadre(L.Saison, L.Championnat, Cote), "Arles (1)");
    const auto Lignes = LignesClassement(Cote, CoteDomicile);
    const std::string Mot = Traduit(164);
    EXPECT_EQ(Lignes[0], TraduitFmt(234, {Mot}) + Traduit(166));
    EXPECT_EQ(Lignes[1], TraduitFmt(235, {2, Mot})); // two wins at home
    EXPECT_EQ(Lignes[2], TraduitFmt(238, {1, Mot})); // one draw
    EXPECT_EQ(Lignes[3], TraduitFmt(240, {1, Mot}));
    EXPECT_EQ(Lignes[4], TraduitFmt(241, {5, Mot}));
    EXPECT_EQ(Lignes[5], TraduitFmt(243, {4, Mot}));
    EXPECT_EQ(BulleClassement(Cote, CoteDomicile), TraduitFmt(1304, {Mot}));
    // Brest away: no win, so the singular and the away word; its place with text 139.
    const auto Brest = FicheMatch::CalculeCote(L.Saison, L.Championnat, B, CoteExterieur, false, true);
    const auto LignesBrest = LignesClassement(Brest, CoteExterieur);
    EXPECT_EQ(LignesBrest[0], TraduitFmt(234, {Traduit(165)}) + TraduitFmt(139, {Brest.Position}));
    EXPECT_EQ(LignesBrest[1], TraduitFmt(236, {0, Traduit(165)}));
    // Overall: no venue word.
    EXPECT_EQ(MotLieu(CoteDomicile, true), "");
    const auto General = FicheMatch::CalculeCote(L.Saison, L.Championnat, A, CoteDomicile, true, true);
    EXPECT_EQ(LignesClassement(General, CoteDomicile)[1], TraduitFmt(235, {4, ""}));
}

TEST_F(VuesFicheMatchTest, SeriesReportListsTheRunsGoingOn)
{
    const auto Cote = FicheMatch::CalculeCote(L.Saison, L.Championnat, A, CoteDomicile, true, true);
    const auto Lignes = LignesSerie(Cote, CoteDomicile);
    ASSERT_EQ(Lignes.size(), 2u);
    EXPECT_EQ(Lignes[0].Texte, TraduitFmt(161, {3, ""}));
    EXPECT_EQ(Lignes[0].Couleur, 11);
    EXPECT_EQ(Lignes[1].Texte, TraduitFmt(246, {3, ""}));
    EXPECT_EQ(Lignes[1].Couleur, 15);
    // Dijon, newest first: two goalless draws, two defeats, a win.
    L.Match(7, D, C, 0, 0);
    L.Match(8, C, D, 0, 0);
    L.Championnat.JourneeJouee = 8;
    const auto Dijon = FicheMatch::CalculeCote(L.Saison, L.Championnat, D, CoteDomicile, true, true);
    const auto LignesDijon = LignesSerie(Dijon, CoteDomicile);
    ASSERT_EQ(LignesDijon.size(), 5u);
    EXPECT_EQ(LignesDijon[0].Texte, TraduitFmt(162, {2, ""}));
    EXPECT_EQ(LignesDijon[1].Texte, TraduitFmt(246, {2, ""}));
    EXPECT_EQ(LignesDijon[2].Texte, TraduitFmt(248, {4, ""}));
    EXPECT_EQ(LignesDijon[3].Texte, TraduitFmt(250, {2, ""}));
    EXPECT_EQ(LignesDijon[4].Texte, TraduitFmt(252, {2, ""}));
    EXPECT_EQ(LignesDijon[3].Couleur, 15);
    EXPECT_EQ(LignesDijon[4].Couleur, 11);
    // No match played: one empty line.
    TLigueTest<> Vide({"X", "Y"}, 2, 1);
    const auto Rien = FicheMatch::CalculeCote(Vide.Saison, Vide.Championnat, 0, CoteDomicile, true, true);
    ASSERT_EQ(LignesSerie(Rien, CoteDomicile).size(), 1u);
    EXPECT_EQ(LignesSerie(Rien, CoteDomicile)[0].Texte, "");
    EXPECT_TRUE(Resultats(Vide.Saison, Rien).empty());
}

TEST_F(VuesFicheMatchTest, MeetingsListShowsYearWinnerAndScore)
{
    TStat Archive;
    Archive.NumeroEquipe("Arles");
    Archive.NumeroEquipe("Brest");
    const int Scores[][2] = {{2, 1}, {255, 255}, {1, 1}, {0, 3}};
    for (int I = 0; I < 4; ++I) {
        auto S = std::make_unique<TSaisonStat>(2, 120 - I);
        S->AjouteEquipe(0);
        S->AjouteEquipe(1);
        S->SetScore(0, 1, static_cast<uint8_t>(Scores[I][0]), static_cast<uint8_t>(Scores[I][1]));
        Archive.AjouteSaison(std::move(S));
    }
    TModeleGrille Grille;
    RemplitRencontres(Grille, Archive, "Arles", "Brest", 10);
    ASSERT_EQ(Grille.GetRowCount(), 4);
    EXPECT_EQ(Grille.GetTexte(0, 0), "Année");
    EXPECT_EQ(Grille.GetTexte(0, 1), "2020");
    EXPECT_EQ(Grille.GetTexte(1, 1), "Arles");
    EXPECT_EQ(Grille.GetTexte(2, 1), "2-1");
    EXPECT_EQ(Grille.GetTexte(1, 2), "Match Nul");
    EXPECT_EQ(Grille.GetTexte(0, 3), "2017");
    EXPECT_EQ(Grille.GetTexte(1, 3), "Brest");
    EXPECT_EQ(Grille.GetTexte(2, 3), "0-3");
    // Two meetings asked: the two newest played.
    RemplitRencontres(Grille, Archive, "Arles", "Brest", 2);
    EXPECT_EQ(Grille.GetRowCount(), 3);
    RemplitRencontres(Grille, Archive, "Brest", "Arles", 10);
    ASSERT_EQ(Grille.GetRowCount(), 2);
    EXPECT_EQ(Grille.GetTexte(1, 1), "Aucun Match");
    const auto Bilan = LignesBilan({2, 1, 0}, "Arles", "Brest");
    EXPECT_EQ(Bilan[0], TraduitFmt(627, {2, "Arles"}));
    EXPECT_EQ(Bilan[1], TraduitFmt(628, {1}));
    EXPECT_EQ(Bilan[2], TraduitFmt(627, {0, "Brest"}));
}

TEST_F(VuesFicheMatchTest, KeywordWritesOnlyTheBlocksAsked)
{
    TOptionsHtml O;
    const std::string Nu = FicheHtml(L.Saison, L.Championnat, A, B, O);
    EXPECT_EQ(Nu, "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" bgcolor=\"#ffffef\"><tr><td "
                  "bgcolor=\"#000080\" align=\"center\"><Font Color=#F0E020>Fiche du match Arles - Brest\r\n"
                  "</font></td></tr><tr><td></tr></table></td></tr></table>");
    O.Classement = O.Serie = O.Matchs = true;
    const std::string Html = FicheHtml(L.Saison, L.Championnat, A, B, O);
    const std::string Mot = Traduit(164);
    EXPECT_NE(Html.find("<table width=\"100%\">\r\n  <tr>\r\n<td width=\"49%\"><table border=\"1\" cellspacing=\"0\" "
                        "cellpadding=\"4\" width=\"100%\"><tr bgcolor=\"#C0C0C0\"><td>" +
                        TraduitFmt(234, {Mot}) + Traduit(166) + "</td></tr><tr bgcolor=#FFFFFF><td>" +
                        TraduitFmt(235, {2, Mot}) + "</td></tr>"),
              std::string::npos);
    EXPECT_NE(Html.find("</table></td><td width=\"5\">&nbsp</td><td width=\"49%\">"), std::string::npos);
    EXPECT_NE(Html.find("  </tr></table><br/><b>Série en cours</b><br/><table width=\"100%\"><tr><td valign=\"top\" "
                        "width=\"49%\">"),
              std::string::npos);
    // Arles at home: days 6, 4, 3 and 1, colours from the second.
    EXPECT_NE(Html.find("<b>Derniers résultats</b><br/><table width=\"100%\"><tr><td width=\"49%\"><table border=\"1\" "
                        "cellspacing=\"0\" cellpadding=\"5\" width=\"100%\"><tr bgcolor=\"#FFFFFF\"><td "
                        "align=\"right\" nowrap>Arles-Dijon</td><td nowrap>3-1</td></tr><tr bgcolor=\"#C0C0C0\">"),
              std::string::npos);
    const std::string Fin = "</table></td></tr></table></tr></table></td></tr></table>";
    EXPECT_EQ(Html.substr(Html.size() - Fin.size()), Fin);
}

} // namespace
