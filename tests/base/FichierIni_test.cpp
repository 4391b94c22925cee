#include "base/FichierIni.h"

#include "support/FaultyIo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using testsupport::ReadWholeFile;
using testsupport::TempDir;
using testsupport::WriteWholeFile;

TEST(FichierIni, MissingFileGivesDefaultsAndIsCreatedOnWrite)
{
    TempDir D;
    const std::string Nom = (D / "brevalune.ini").string();
    TFichierIni Ini(Nom);
    EXPECT_EQ(Ini.ReadString("General", "Langue", "fr"), "fr");
    EXPECT_EQ(Ini.ReadInteger("LastFile", "Count", 0), 0);
    EXPECT_TRUE(Ini.ReadBool("General", "MenuGauche", true));
    EXPECT_FALSE(Ini.SectionExists("General"));
    EXPECT_FALSE(std::filesystem::exists(Nom));

    EXPECT_TRUE(Ini.WriteString("General", "Langue", "en"));
    EXPECT_TRUE(Ini.WriteBool("General", "MenuHaut", true));
    EXPECT_TRUE(Ini.WriteInteger("LastFile", "Count", 2));
    EXPECT_EQ(ReadWholeFile(Nom), "[General]\nLangue=en\nMenuHaut=1\n\n[LastFile]\nCount=2\n");
    TFichierIni Relu(Nom);
    EXPECT_EQ(Relu.ReadString("general", "LANGUE", ""), "en");
    EXPECT_TRUE(Relu.ReadBool("General", "MenuHaut", false));
    EXPECT_EQ(Relu.ReadInteger("LastFile", "Count", 0), 2);
}

TEST(FichierIni, ReadsAsThePlatformDoes)
{
    TempDir D;
    WriteWholeFile(D / "a.ini", "; réglages\r\n"
                                "[ General ]\r\n"
                                "  Langue = fr  \r\n"
                                "nAstuce=12abc\r\n"
                                "Prevision1=$1F\r\n"
                                "Prevision2=0x10\r\n"
                                "Prevision3= -4 \r\n"
                                "ShowAstuce=0\r\n"
                                "MenuHaut=True\r\n"
                                "MenuGauche=7\r\n"
                                "Site=\"  http://exemple/  \"\r\n"
                                "Vide=\r\n"
                                "Langue=en\r\n"
                                "[general]\r\n"
                                "Autre=1\r\n");
    TFichierIni Ini((D / "a.ini").string());
    EXPECT_EQ(Ini.ReadString("GENERAL", "langue", ""), "fr"); // first key of the first section
    EXPECT_EQ(Ini.ReadInteger("General", "nAstuce", 5), 5);
    EXPECT_EQ(Ini.ReadInteger("General", "Prevision1", 0), 31);
    EXPECT_EQ(Ini.ReadInteger("General", "Prevision2", 0), 16);
    EXPECT_EQ(Ini.ReadInteger("General", "Prevision3", 0), -4);
    EXPECT_FALSE(Ini.ReadBool("General", "ShowAstuce", true));
    EXPECT_FALSE(Ini.ReadBool("General", "MenuHaut", false)); // not a number: the default
    EXPECT_TRUE(Ini.ReadBool("General", "MenuHaut", true));
    EXPECT_TRUE(Ini.ReadBool("General", "MenuGauche", false));
    EXPECT_EQ(Ini.ReadString("General", "Site", ""), "  http://exemple/  ");
    EXPECT_EQ(Ini.ReadString("General", "Vide", "d"), "");
    EXPECT_TRUE(Ini.ValueExists("General", "Vide"));
    EXPECT_FALSE(Ini.ValueExists("General", "; réglages"));
    EXPECT_EQ(Ini.ReadSection("General"),
              (std::vector<std::string>{"Langue", "nAstuce", "Prevision1", "Prevision2", "Prevision3", "ShowAstuce",
                                        "MenuHaut", "MenuGauche", "Site", "Vide"}));
    EXPECT_EQ(Ini.ReadSections(), (std::vector<std::string>{"General"}));
}

TEST(FichierIni, RewritePreservesEverythingElse)
{
    TempDir D;
    const std::string Avant = "; réglages\r\n"
                              "[Internet]\r\n"
                              "Site=http://exemple\r\n"
                              "\r\n"
                              "[General]\r\n"
                              "Langue=fr\r\n"
                              "garbage line\r\n"
                              "Favoris=12-14\r\n"
                              "\r\n"
                              "[Autre]\r\n"
                              "X = 1\r\n";
    WriteWholeFile(D / "a.ini", Avant);
    TFichierIni Ini((D / "a.ini").string());
    ASSERT_TRUE(Ini.WriteString("GENERAL", "langue", "en"));
    ASSERT_TRUE(Ini.WriteString("General", "LastFile", "/home/x/Saison été.xmc"));
    ASSERT_TRUE(Ini.WriteString("Autre", "Blancs", " a "));
    EXPECT_EQ(ReadWholeFile(D / "a.ini"), "; réglages\r\n"
                                          "[Internet]\r\n"
                                          "Site=http://exemple\r\n"
                                          "\r\n"
                                          "[General]\r\n"
                                          "Langue=en\r\n"
                                          "garbage line\r\n"
                                          "Favoris=12-14\r\n"
                                          "LastFile=/home/x/Saison été.xmc\r\n"
                                          "\r\n"
                                          "[Autre]\r\n"
                                          "X = 1\r\n"
                                          "Blancs=\" a \"\r\n");
    EXPECT_EQ(TFichierIni((D / "a.ini").string()).ReadString("Autre", "Blancs", ""), " a ");

    ASSERT_TRUE(Ini.DeleteKey("General", "Favoris"));
    ASSERT_TRUE(Ini.EraseSection("internet"));
    TFichierIni Relu((D / "a.ini").string());
    EXPECT_FALSE(Relu.SectionExists("Internet"));
    EXPECT_FALSE(Relu.ValueExists("General", "Favoris"));
    EXPECT_EQ(Relu.ReadString("General", "Langue", ""), "en");
    EXPECT_EQ(Relu.ReadString("Autre", "X", ""), "1");
    // No stray temporary file left beside it.
    int Fichiers = 0;
    for ([[maybe_unused]] const auto& E : std::filesystem::directory_iterator(D.path()))
        ++Fichiers;
    EXPECT_EQ(Fichiers, 1);
}

TEST(FichierIni, OldWindows1252FileAndUnwritableFolder)
{
    TempDir D;
    WriteWholeFile(D / "a.ini", "[General]\r\nLastFile=C:\\Saison \xE9t\xE9.xmc\r\n");
    TFichierIni Ini((D / "a.ini").string());
    EXPECT_EQ(Ini.ReadString("General", "LastFile", ""), "C:\\Saison été.xmc");

    TFichierIni Perdu((D / "absent" / "b.ini").string());
    EXPECT_FALSE(Perdu.WriteString("General", "Langue", "fr"));
    EXPECT_EQ(Perdu.ReadString("General", "Langue", ""), "fr"); // kept in memory
}

TEST(FichierIni, AWriteThatDoesNotReachTheDiskIsAFailure)
{
    TempDir D;
    const std::string Nom = (D / "a.ini").string();
    TFichierIni Ini(Nom);
    ASSERT_TRUE(Ini.WriteString("General", "Langue", "fr"));
    int Essai = 0;
    testsupport::ExpectDurableReplace(Nom,
                                      [&] { return Ini.WriteString("General", "Langue", std::to_string(++Essai)); });
}

// The language dialog writes the language through its own object while the
// main window holds one on the same file: neither may miss or undo the other.
TEST(FichierIni, TwoObjectsOnOneFileSeeEachOthersWrites)
{
    TempDir D;
    const std::string Nom = (D / "brevalune.ini").string();
    TFichierIni Principal(Nom);
    EXPECT_EQ(Principal.ReadString("General", "Langue", ""), "");
    {
        TFichierIni Dialogue(Nom);
        ASSERT_TRUE(Dialogue.WriteString("General", "Langue", "en"));
    }
    EXPECT_EQ(Principal.ReadString("General", "Langue", "fr"), "en");
    TFichierIni Autre(Nom);
    ASSERT_TRUE(Principal.WriteInteger("LastFile", "Count", 1));
    ASSERT_TRUE(Autre.WriteBool("General", "ShowAstuce", false));
    EXPECT_FALSE(Principal.ReadBool("General", "ShowAstuce", true));
    TFichierIni Relu(Nom);
    EXPECT_EQ(Relu.ReadString("General", "Langue", ""), "en");
    EXPECT_EQ(Relu.ReadInteger("LastFile", "Count", 0), 1);
    EXPECT_FALSE(Relu.ReadBool("General", "ShowAstuce", true));
}
