#include "files/Stats.h"

#include "files/ioFile.h"
#include "support/FaultyIo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using testsupport::Bytes;
using testsupport::FaultySink;
using testsupport::FaultySource;
using testsupport::kNever;
using namespace std::string_literals;

namespace {

// An archive of id 5 written by hand: three teams (Metz with number 4), the
// 2007 season of the three (3 points a win) and the 2005 season of two of them
// (2 points a win plus a bonus for a win by 3 goals).
const std::string kArchive = "\xFF\x00\x05"
                             "\x00\x03"
                             "\x00\x00"
                             "Lyon\xFF"
                             "\x00\x01"
                             "Nantes\xFF"
                             "\x00\x04"
                             "Metz\xFF"
                             "\x02"
                             // 2007: N 3, year 107, system 0, numbers 0 1 4.
                             "\x03\x6B\x00\x03\x00\x00\x00\x01\x00\x04"
                             // Lyon: -, 2-1, 0-1 / Nantes: 1-3, -, 4-0 / Metz: not played, 1-1, -.
                             "\xFF\xFF\x02\x01\x00\x01"
                             "\x01\x03\xFF\xFF\x04\x00"
                             "\xFF\xFF\x01\x01\xFF\xFF"
                             // 2005: N 2, year 105, system 2, numbers 1 0; Nantes-Lyon 4-1, Lyon-Nantes 2-0.
                             "\x02\x69\x02\x02\x00\x01\x00\x00"
                             "\xFF\xFF\x04\x01\x02\x00\xFF\xFF"s;

void LitDepuis(TStat& stat, const std::string& bytes)
{
    TLecteurFichier r(std::make_unique<FaultySource>(Bytes(bytes)));
    stat.Lit(r);
}

std::vector<int> Ordre(const TSaisonStat& s, int mode)
{
    std::vector<TLigneClassementStat> table;
    std::vector<TLigneOrdreStat> ordre;
    s.CalculeClassement(mode, table, ordre);
    std::vector<int> indexes;
    for (const auto& row : ordre)
        indexes.push_back(row[0]);
    return indexes;
}

std::vector<TLigneClassementStat> Table(const TSaisonStat& s, int mode)
{
    std::vector<TLigneClassementStat> table;
    std::vector<TLigneOrdreStat> ordre;
    s.CalculeClassement(mode, table, ordre);
    return table;
}

std::string Score(const TSaisonStat& s, int i, int j)
{
    uint8_t h, a;
    s.GetScore(i, j, h, a);
    return std::to_string(h) + "-" + std::to_string(a);
}

} // namespace

TEST(Stat, LoadsAHandWrittenArchive)
{
    TStat stat;
    LitDepuis(stat, kArchive);
    EXPECT_EQ(stat.GetId(), 5);
    ASSERT_EQ(stat.NbEquipes(), 3);
    EXPECT_EQ(stat.NomEquipeIndex(2), "Metz");
    EXPECT_EQ(stat.NomEquipe(4), "Metz");
    EXPECT_EQ(stat.NomEquipe(2), "");
    EXPECT_EQ(stat.NomEquipeIndex(3), "");
    EXPECT_EQ(stat.ChercheNumeroEquipe("NANTES"), 1);
    EXPECT_EQ(stat.ChercheNumeroEquipe("Brest"), -1);
    // The next free number is above every number of the file.
    EXPECT_EQ(stat.NumeroEquipe("Brest"), 5);

    ASSERT_EQ(stat.NbSaisons(), 2);
    const TSaisonStat& s07 = *stat.GetSaison(0);
    EXPECT_EQ(s07.GetAnnee(), 107);
    EXPECT_EQ(s07.GetN(), 3);
    EXPECT_EQ(s07.GetEquipe(2), 4);
    EXPECT_EQ(s07.GetEquipe(3), -1);
    EXPECT_EQ(Score(s07, 1, 2), "4-0");
    EXPECT_EQ(Score(s07, 2, 0), "255-255");
    EXPECT_EQ(Score(s07, 3, 0), "255-255");
    const TSaisonStat& s05 = *stat.GetSaison(1);
    EXPECT_EQ(s05.GetAnnee(), 105);
    EXPECT_EQ(s05.GetSystemePoints(), 2);
    uint8_t h, a;
    s05.GetScoreEquipes(0, 1, h, a);
    EXPECT_EQ(h, 2);
    EXPECT_EQ(a, 0);
    s05.GetScoreEquipes(4, 1, h, a);
    EXPECT_EQ(h, 255);
    EXPECT_EQ(a, 255);
    EXPECT_EQ(stat.GetSaison(2), nullptr);
}

TEST(Stat, SavingReproducesTheFile)
{
    testsupport::TempDir dir;
    testsupport::WriteWholeFile(dir / "stat5.txt", kArchive);
    TStat stat;
    ASSERT_TRUE(stat.Charge((dir / "stat5.txt").string()));
    stat.SetNomFichier((dir / "copy.txt").string());
    stat.Sauve();
    EXPECT_EQ(testsupport::ReadWholeFile(dir / "copy.txt"), kArchive);
    EXPECT_FALSE(std::filesystem::exists(dir / "copy.txt.tmp"));

    // Names are stored in UTF-8 and come back as they were.
    stat.NumeroEquipe("Saint-Étienne");
    stat.Sauve();
    TStat again;
    ASSERT_TRUE(again.Charge((dir / "copy.txt").string()));
    EXPECT_EQ(again.ChercheNumeroEquipe("saint-étienne"), 5);
    EXPECT_EQ(again.NomEquipe(5), "Saint-Étienne");
}

TEST(Stat, OlderFilesAndNames)
{
    // No header: the first byte is the high byte of the count, the id is 1. An
    // empty name is skipped; names that are not UTF-8 are Windows-1252; a name
    // that differs only by case keeps the first number.
    TStat stat;
    LitDepuis(stat, "\x00\x04"
                    "\x00\x03"
                    "N\xEEmes\xFF"
                    "\x00\x07\xFF"
                    "\x00\x02"
                    "NÎMES\xFF"
                    "\x00\x09"
                    "Auxerre\xFF"
                    "\x00"s);
    EXPECT_EQ(stat.GetId(), 1);
    EXPECT_EQ(stat.NbEquipes(), 2);
    EXPECT_EQ(stat.NomEquipe(3), "Nîmes");
    EXPECT_EQ(stat.ChercheNumeroEquipe("nîmes"), 3);
    EXPECT_EQ(stat.NomEquipe(2), "");
    EXPECT_EQ(stat.NbSaisons(), 0);
    EXPECT_EQ(stat.AjouteNomEquipe("AUXERRE", 12), 9);
    EXPECT_EQ(stat.NumeroEquipe("Sedan"), 10);
}

// A file cut anywhere, or a device failing anywhere, gives a failed load that
// leaves the archive as it was.
TEST(Stat, EveryTruncationFailsCleanly)
{
    testsupport::TempDir dir;
    for (std::size_t size = 0; size < kArchive.size(); ++size) {
        TStat stat;
        stat.NumeroEquipe("Before");
        try {
            LitDepuis(stat, kArchive.substr(0, size));
            ADD_FAILURE() << "loaded a file cut at " << size;
        } catch (const EFinFichier&) {
        }
        EXPECT_EQ(stat.GetId(), 1);
        EXPECT_EQ(stat.NbEquipes(), 1);
        EXPECT_EQ(stat.NbSaisons(), 0);

        TStat faulty;
        EXPECT_THROW(
            {
                TLecteurFichier r(std::make_unique<FaultySource>(Bytes(kArchive), size, 7));
                faulty.Lit(r);
            },
            EErreurFichier);
        EXPECT_EQ(faulty.NbEquipes(), 0);
    }

    testsupport::WriteWholeFile(dir / "cut.txt", kArchive.substr(0, 40));
    TStat cut;
    EXPECT_FALSE(cut.Charge((dir / "cut.txt").string()));
    EXPECT_EQ(cut.GetNomFichier(), "");
    EXPECT_FALSE(cut.Charge((dir / "missing.txt").string()));
    EXPECT_EQ(cut.GetNomFichier(), "");
}

TEST(Stat, SaveFailuresKeepThePreviousFile)
{
    testsupport::TempDir dir;
    TStat stat;
    LitDepuis(stat, kArchive);
    EXPECT_THROW(stat.Sauve(), EErreurFichier); // no file name yet

    auto written = std::make_shared<std::vector<uint8_t>>();
    TRedacteurFichier sink(std::make_unique<FaultySink>(written, 20));
    EXPECT_THROW(
        {
            stat.Ecrit(sink);
            sink.Ferme();
        },
        EErreurFichier);

    const auto file = dir / "stat5.txt";
    testsupport::WriteWholeFile(file, "previous");
    stat.SetNomFichier(file.string());
    testsupport::ExpectDurableReplace(file.string(), [&] {
        try {
            stat.Sauve();
            return true;
        } catch (const EErreurFichier&) {
            return false;
        }
    });
}

TEST(Stat, SeasonsStayNewestFirstOneAYear)
{
    TStat stat;
    for (int year : {103, 107, 105})
        stat.AjouteSaison(std::make_unique<TSaisonStat>(2, year));
    ASSERT_EQ(stat.NbSaisons(), 3);
    EXPECT_EQ(stat.GetSaison(0)->GetAnnee(), 107);
    EXPECT_EQ(stat.GetSaison(2)->GetAnnee(), 103);

    TSaisonStat* old05 = stat.GetSaison(1);
    old05->SetScore(0, 1, 1, 0);
    std::unique_ptr<TSaisonStat> replaced;
    auto fresh = std::make_unique<TSaisonStat>(4, 105);
    TSaisonStat* new05 = fresh.get();
    EXPECT_EQ(stat.AjouteSaison(std::move(fresh), &replaced), 1);
    EXPECT_EQ(replaced.get(), old05);
    EXPECT_EQ(stat.GetSaison(1), new05);
    EXPECT_EQ(stat.NbSaisons(), 3);
    EXPECT_EQ(stat.AjouteSaison(std::make_unique<TSaisonStat>(2, 110)), 0);
    EXPECT_EQ(stat.AjouteSaison(std::make_unique<TSaisonStat>(2, 90)), 4);

    std::unique_ptr<TSaisonStat> removed;
    EXPECT_EQ(stat.RetireSaison(new05, &removed), 2);
    EXPECT_EQ(removed.get(), new05);
    EXPECT_EQ(stat.IndexSaison(new05), -1);
    EXPECT_EQ(stat.RetireSaison(new05), -1);
    EXPECT_EQ(stat.RetireSaison(stat.GetSaison(0)), 0);
    EXPECT_EQ(stat.NbSaisons(), 3);
}

TEST(SaisonStat, RecordLimits)
{
    TSaisonStat s(0, 250);
    EXPECT_EQ(s.GetAnnee(), 0);
    EXPECT_EQ(s.Serialise(), (std::vector<uint8_t>{0, 0, 0, 0}));
    s.SetAnnee(199);
    EXPECT_EQ(s.GetAnnee(), 199);

    TSaisonStat t(2, 100);
    t.SetOctet(3, 7);
    t.SetOctet(8, 9);
    t.SetScore(2, 0, 1, 1);
    t.SetScore(1, 1, 5, 6);
    EXPECT_EQ(Score(t, 0, 1), "255-7");
    EXPECT_EQ(Score(t, 1, 1), "5-6");
    EXPECT_EQ(Score(t, -1, 0), "255-255");

    // The file keeps N and the number of team numbers in one byte each.
    TSaisonStat big(300);
    EXPECT_EQ(big.GetN(), 255);
    for (int k = 0; k < 255; ++k)
        ASSERT_EQ(big.AjouteEquipe(k), k);
    EXPECT_EQ(big.AjouteEquipe(255), -1);
    EXPECT_EQ(t.AjouteEquipe(70000), -1);
}

TEST(SaisonStat, StandingsInEveryMode)
{
    TStat stat;
    LitDepuis(stat, kArchive);
    const TSaisonStat& s = *stat.GetSaison(0);

    using Row = TLigneClassementStat;
    EXPECT_EQ(Table(s, 1), (std::vector<Row>{{6, 2, 0, 1, 5, 3, 2}, {4, 1, 1, 2, 7, 6, 1}, {4, 1, 1, 1, 2, 5, -3}}));
    EXPECT_EQ(Ordre(s, 1), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Table(s, 2), (std::vector<Row>{{3, 1, 0, 1, 2, 2, 0}, {3, 1, 0, 1, 5, 3, 2}, {1, 0, 1, 0, 1, 1, 0}}));
    EXPECT_EQ(Ordre(s, 2), (std::vector<int>{1, 0, 2}));
    EXPECT_EQ(Table(s, 3), (std::vector<Row>{{3, 1, 0, 0, 3, 1, 2}, {1, 0, 1, 1, 2, 3, -1}, {3, 1, 0, 1, 1, 4, -3}}));
    EXPECT_EQ(Ordre(s, 3), (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(Table(s, 5), (std::vector<Row>{{0, 0, 0, 0, 5, 0, 0}, {0, 0, 0, 0, 7, 0, 0}, {0, 0, 0, 0, 2, 0, 0}}));
    EXPECT_EQ(Ordre(s, 5), (std::vector<int>{1, 0, 2}));
    EXPECT_EQ(Ordre(s, 6), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(Table(s, 4), std::vector<Row>(3, Row{}));
    EXPECT_EQ(Ordre(s, 4), (std::vector<int>{0, 1, 2}));

    std::vector<TLigneClassementStat> table;
    std::vector<TLigneOrdreStat> ordre;
    s.CalculeClassement(6, table, ordre);
    EXPECT_EQ(ordre[0], (TLigneOrdreStat{1, 6, 0, 0, 0}));
    s.CalculeClassement(1, table, ordre);
    EXPECT_EQ(ordre[2], (TLigneOrdreStat{2, 4, -3, 2, 1}));

    // 2 points a win plus 1 for the 4-1 win, counted over the whole season in every mode.
    const TSaisonStat& s05 = *stat.GetSaison(1);
    EXPECT_EQ(Table(s05, 1)[0][0], 3);
    EXPECT_EQ(Table(s05, 1)[1][0], 2);
    EXPECT_EQ(Table(s05, 2)[0][0], 3);
    EXPECT_EQ(Table(s05, 3)[0][0], 1);
}

TEST(SaisonStat, StandingsTiesAndLargeCounts)
{
    // Equal on every key: the lower team index first.
    TSaisonStat s(3, 100);
    s.SetScore(1, 0, 1, 0);
    s.SetScore(1, 2, 1, 0);
    EXPECT_EQ(Ordre(s, 1), (std::vector<int>{1, 0, 2}));

    // A team winning all its 398 matches: counters go beyond a byte.
    TSaisonStat big(200, 100);
    for (int j = 1; j < 200; ++j) {
        big.SetScore(0, j, 1, 0);
        big.SetScore(j, 0, 0, 1);
    }
    const TLigneClassementStat row = Table(big, 1)[0];
    EXPECT_EQ(row[1], 398);
    EXPECT_EQ(row[0], 3 * 398);
    EXPECT_EQ(row[4], 398);
}

TEST(Stats, LoadsTheFolderInNameOrder)
{
    testsupport::TempDir dir;
    testsupport::WriteWholeFile(dir / "stat5.txt", kArchive);
    testsupport::WriteWholeFile(dir / "stat1.TXT", "\x00\x00\x00"s);
    testsupport::WriteWholeFile(dir / "a.txtold", "\xFF\x00\x08\x00\x00\x00"s);
    testsupport::WriteWholeFile(dir / "broken.txt", kArchive.substr(0, 12));
    testsupport::WriteWholeFile(dir / "notes.md", kArchive);
    std::filesystem::create_directory(dir / "folder.txt");

    TStats stats;
    std::vector<std::string> failed = stats.ChargeDossier(dir.str());
    EXPECT_EQ(failed, (std::vector<std::string>{dir.str() + "broken.txt"}));
    ASSERT_EQ(stats.Count(), 3);
    EXPECT_EQ(stats.GetStat(0)->GetId(), 8);
    EXPECT_EQ(stats.GetStat(1)->GetId(), 1);
    EXPECT_EQ(stats.GetStat(2)->GetId(), 5);
    EXPECT_EQ(stats.GetStat(2)->GetNomFichier(), dir.str() + "stat5.txt");
    EXPECT_EQ(stats.GetStat(3), nullptr);
    EXPECT_EQ(stats.ChercheId(5), stats.GetStat(2));
    EXPECT_EQ(stats.ChercheId(6), nullptr);
    EXPECT_EQ(stats.IndexOf(stats.GetStat(1)), 1);
    EXPECT_EQ(stats.IndexOf(nullptr), -1);

    TStats noSlash;
    noSlash.ChargeDossier(dir.path().string());
    EXPECT_EQ(noSlash.Count(), 3);
    EXPECT_EQ(noSlash.Ajoute(dir.path().string(), 40)->GetNomFichier(), dir.str() + "stat40.txt");

    TStats none;
    EXPECT_TRUE(none.ChargeDossier(dir.str() + "missing/").empty());
    EXPECT_EQ(none.Count(), 0);
}

// An archive is never created twice, and a new one never takes the name of a
// file already there (a damaged one, or an older file whose id is 1).
TEST(Stats, AjouteNeverReplacesAnArchive)
{
    testsupport::TempDir dir;
    testsupport::WriteWholeFile(dir / "stat5.txt", kArchive);
    testsupport::WriteWholeFile(dir / "stat9.txt", "\x00\x00\x00"s);
    TStats stats;
    stats.ChargeDossier(dir.str());
    ASSERT_EQ(stats.Count(), 2);

    EXPECT_EQ(stats.Ajoute(dir.str(), 5), stats.ChercheId(5));
    EXPECT_EQ(stats.Count(), 2);

    TStat* fresh = stats.Ajoute(dir.str(), 12);
    EXPECT_EQ(fresh->GetId(), 12);
    EXPECT_EQ(fresh->GetNomFichier(), dir.str() + "stat12.txt");
    EXPECT_FALSE(std::filesystem::exists(dir / "stat12.txt"));

    TStat* nine = stats.Ajoute(dir.str(), 9);
    EXPECT_EQ(nine->GetNomFichier(), dir.str() + "stat9-2.txt");
    nine->NumeroEquipe("Reims");
    nine->Sauve();
    EXPECT_EQ(testsupport::ReadWholeFile(dir / "stat9.txt"), "\x00\x00\x00"s);
    TStat reread;
    ASSERT_TRUE(reread.Charge(nine->GetNomFichier()));
    EXPECT_EQ(reread.GetId(), 9);
    EXPECT_EQ(reread.NomEquipe(0), "Reims");
    EXPECT_EQ(stats.Count(), 4);
}
