#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "base/Disque.h"
#include "support/FaultyIo.h"
#include "support/TestSupport.h"

namespace {

using testsupport::DiskInstalled;
using testsupport::FaultyDisk;
using testsupport::ReadWholeFile;
using testsupport::TempDir;
using testsupport::WriteWholeFile;

int FilesIn(const TempDir& folder)
{
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder.path()))
        ++n;
    return n;
}

std::size_t Index(const std::vector<std::string>& calls, const std::string& call)
{
    return static_cast<std::size_t>(std::find(calls.begin(), calls.end(), call) - calls.begin());
}

TEST(RemplaceFichier, TheNameAlwaysNamesAWholeFileAndTheDiskIsFlushedInOrder)
{
    for (bool hardLinks : {true, false}) {
        SCOPED_TRACE(hardLinks ? "hard links" : "copied backup");
        TempDir folder;
        const std::string name = (folder / "s.xmc").string();
        const std::string backup = (folder / "s.~xmc").string();
        WriteWholeFile(name, "old season");
        WriteWholeFile(backup, "older season");

        // A crash may strike before any call: each must find a whole season
        // and a whole backup under their names.
        auto disk = std::make_shared<FaultyDisk>(testsupport::kNever, hardLinks);
        disk->beforeEach = [&] {
            const std::string now = ReadWholeFile(name);
            EXPECT_TRUE(now == "old season" || now == "new season") << disk->calls.back();
            const std::string kept = ReadWholeFile(backup);
            EXPECT_TRUE(kept == "older season" || kept == "old season") << disk->calls.back();
        };
        {
            DiskInstalled installed(disk);
            ASSERT_TRUE(RemplaceFichier(name, "new season", backup));
        }
        EXPECT_EQ(ReadWholeFile(name), "new season");
        EXPECT_EQ(ReadWholeFile(backup), "old season");
        EXPECT_EQ(FilesIn(folder), 2) << "no temporary file left";

        // The new bytes reach the disk before they take the name, and the
        // folder is flushed once they have it.
        const auto& calls = disk->calls;
        const auto toName = std::find_if(calls.begin(), calls.end(), [&](const std::string& c) {
            return c.starts_with("rename ") && c.ends_with(" " + name);
        });
        ASSERT_NE(toName, calls.end());
        EXPECT_LT(Index(calls, "sync"), static_cast<std::size_t>(toName - calls.begin()));
        ASSERT_EQ(calls.end() - toName, 4) << "open folder, sync, close after the rename";
        EXPECT_EQ(*(toName + 1), "open folder " + folder.path().string());
        EXPECT_EQ(*(toName + 2), "sync");
    }
}

TEST(RemplaceFichier, AFailureAtEachStepKeepsThePreviousFileWhole)
{
    for (bool hardLinks : {true, false}) {
        for (bool withBackup : {true, false}) {
            SCOPED_TRACE(std::string(hardLinks ? "hard links" : "no hard links") +
                         (withBackup ? ", backup" : ", no backup"));
            TempDir folder;
            const std::string name = (folder / "f").string();
            const std::string backup = withBackup ? (folder / "f.~").string() : std::string();
            for (std::size_t step = 0;; ++step) {
                ASSERT_LT(step, 100u);
                // Fresh files: a failure may have left the name and the backup
                // on one file, which a write in place would change together.
                std::filesystem::remove(name);
                WriteWholeFile(name, "previous");
                if (withBackup)
                    WriteWholeFile(backup, "before that");
                auto disk = std::make_shared<FaultyDisk>(step, hardLinks);
                bool ok;
                {
                    DiskInstalled installed(disk);
                    ok = RemplaceFichier(name, "replacement", backup);
                }
                if (!disk->Failed()) {
                    EXPECT_TRUE(ok);
                    EXPECT_EQ(ReadWholeFile(name), "replacement");
                    break;
                }
                SCOPED_TRACE("failing call: " + disk->FailedCall());
                // A failing link falls back to a copy; every other failure is said.
                if (!disk->FailedCall().starts_with("link ")) {
                    EXPECT_FALSE(ok);
                }
                const bool flushingFolder =
                    std::count(disk->calls.begin(), disk->calls.end(), "open folder " + folder.path().string()) > 0;
                EXPECT_EQ(ReadWholeFile(name), flushingFolder ? "replacement" : "previous");
                if (withBackup) {
                    const std::string kept = ReadWholeFile(backup);
                    EXPECT_TRUE(kept == "before that" || kept == "previous") << kept;
                }
                EXPECT_EQ(FilesIn(folder), withBackup ? 2 : 1) << "no temporary file left";
            }
        }
    }
}

TEST(RemplaceFichier, FirstWriteSharedBackupAndMissingFolder)
{
    TempDir folder;
    const std::string name = (folder / "new").string();
    const std::string backup = (folder / "new.~").string();
    ASSERT_TRUE(RemplaceFichier(name, "first", backup));
    EXPECT_EQ(ReadWholeFile(name), "first");
    EXPECT_FALSE(std::filesystem::exists(backup)) << "nothing to keep yet";

    // A save that failed after keeping the backup leaves both names on one file.
    std::filesystem::remove(backup);
    std::filesystem::create_hard_link(name, backup);
    ASSERT_TRUE(RemplaceFichier(name, "second", backup));
    EXPECT_EQ(ReadWholeFile(name), "second");
    EXPECT_EQ(ReadWholeFile(backup), "first");
    EXPECT_EQ(FilesIn(folder), 2) << "no temporary file left";

    EXPECT_FALSE(RemplaceFichier((folder / "absent" / "f").string(), "x"));
}

TEST(Disque, PourquoiUnFichierNePeutSEcrire)
{
    TempDir Dossier;
    EXPECT_EQ(CauseEchecEcriture((Dossier / "page.htm").string()), 0);
    EXPECT_EQ(CauseEchecEcriture((Dossier / "absent" / "page.htm").string()), ENOENT);
    WriteWholeFile(Dossier / "fichier", "x");
    EXPECT_EQ(CauseEchecEcriture((Dossier / "fichier" / "page.htm").string()), ENOTDIR);
    std::filesystem::create_directories(Dossier / "dossier.htm");
    EXPECT_EQ(CauseEchecEcriture((Dossier / "dossier.htm").string()), EISDIR);
}

} // namespace
