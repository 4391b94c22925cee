#include "shell/w_PrincipaleFichiers.h"

#include "files/Stats.h"
#include "model/SaisonFoot.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using testsupport::TempDir;

TEST(CommandesFichier, NomsEtIntervalle)
{
    EXPECT_EQ(NomFichierQuestion("/x/sauvegarde/saison.xmc"), "saison");
    EXPECT_EQ(NomFichierQuestion("sans"), "sans");
    EXPECT_EQ(NomArchiveSaison("/x/y.v2/s.sai"), "/x/y.v2/s.xmc");
    EXPECT_EQ(NomArchiveSaison("/x/y.v2/s"), "/x/y.v2/s.xmc");
    EXPECT_EQ(DossierImagesFichier("/app/", "/x/s.xmc"), "/app/pict/s.xmc/");

    TSaisonFootball saison;
    EXPECT_EQ(IntervalleAutoSave(nullptr), 0);
    saison.SetOptionSauvegarde(0, 0);
    EXPECT_EQ(IntervalleAutoSave(&saison), 0);
    saison.SetOptionSauvegarde(0, 5);
    EXPECT_EQ(IntervalleAutoSave(&saison), 300000);
}

TEST(CommandesFichier, HistoriqueDeLaDivision)
{
    TempDir dir;
    auto saison = testsupport::CreeSaisonComplete();
    TDonneesChampionnat& ligue = *saison->GetChampionnat(1);
    TStats stats;
    TStat* stat = stats.Ajoute(dir.str(), ligue.GetCode());
    // A name the archive knows keeps its number.
    stat->AjouteNomEquipe(saison->GetNomEquipe(static_cast<uint16_t>(ligue.GetEquipe(2))), 40);

    ligue.SetOption(8, 0);
    EXPECT_FALSE(AjouteSaisonHistorique(*stat, ligue, *saison));
    ligue.SetOption(8, 124);
    ASSERT_TRUE(AjouteSaisonHistorique(*stat, ligue, *saison));
    stat->Sauve();

    TStat relue;
    ASSERT_TRUE(relue.Charge(stat->GetNomFichier()));
    ASSERT_EQ(relue.NbSaisons(), 1);
    const TSaisonStat& s = *relue.GetSaison(0);
    EXPECT_EQ(s.GetAnnee(), 124);
    ASSERT_EQ(s.GetN(), ligue.GetNbEquipe());
    EXPECT_EQ(s.GetEquipe(2), 40);
    int joues = 0;
    for (int jour = 1; jour <= ligue.GetNbJour(); ++jour) {
        for (int m = 0; m < ligue.GetNbMatchJournee(jour); ++m) {
            const int d = ligue.IndexEquipe(ligue.GetValeurMatch(jour, 4 * m + 1));
            const int e = ligue.IndexEquipe(ligue.GetValeurMatch(jour, 4 * m + 3));
            if (d < 0 || e < 0 || ligue.GetValeurMatch(jour, 4 * m + 2) == 65535)
                continue;
            uint8_t bd = 0, be = 0;
            s.GetScore(d, e, bd, be);
            EXPECT_EQ(bd, ligue.GetValeurMatch(jour, 4 * m + 2));
            EXPECT_EQ(be, ligue.GetValeurMatch(jour, 4 * m + 4));
            ++joues;
        }
    }
    EXPECT_GT(joues, 0);

    // The same year again replaces the season.
    ASSERT_TRUE(AjouteSaisonHistorique(*stat, ligue, *saison));
    EXPECT_EQ(stat->NbSaisons(), 1);
}

} // namespace
