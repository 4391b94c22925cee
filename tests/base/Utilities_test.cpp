#include "base/Utilities.h"

#include "base/Texte.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

using testsupport::ReadWholeFile;
using testsupport::TempDir;
using testsupport::WriteWholeFile;

TEST(Utilities, AppDirIsTheExecutablesFolder)
{
    const std::string D = AppDir();
    ASSERT_FALSE(D.empty());
    EXPECT_EQ(D.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(D + "test_base"));
    // The build puts the program folder's content beside the executables.
    EXPECT_TRUE(std::filesystem::is_directory(D + "texte"));
}

TEST(Utilities, NormaliseNomKeepsTheLengthAndFoldsLetters)
{
    EXPECT_EQ(NormaliseNom("Hélène d'Ornano-Lévêque 2.0"), "HELENE D'ORNANO-LEVEQUE 2.0");
    EXPECT_EQ(NormaliseNom("ÉLODIE"), NormaliseNom("elodie"));
    EXPECT_EQ(NormaliseNom("Çà"), "CA");
    // Accented capitals and the other accented letters fold like the rest, so a
    // name typed with or without its accents gives one key.
    EXPECT_EQ(NormaliseNom("Île Muñoz García Łódź"), "ILE MUNOZ GARCIA LODZ");
    // Signs and letters without a single base letter become blanks, one for one.
    EXPECT_EQ(NormaliseNom("a/b,c_Œ"), "A B C  ");
    const std::string N = "Ærø Straße";
    EXPECT_EQ(LongueurCaracteres(NormaliseNom(N)), LongueurCaracteres(N));
    EXPECT_EQ(NormaliseNom(""), "");
}

TEST(Utilities, CapitaliseAndCapitaliseNom)
{
    EXPECT_EQ(Capitalise("pARIS sAINT-gERMAIN"), "Paris saint-germain");
    EXPECT_EQ(Capitalise("ÉTÉ"), "Été");
    EXPECT_EQ(Capitalise(""), "");

    EXPECT_EQ(CapitaliseNom("jean-pierre marie DUPONT"), "Jean-Pierre Marie Dupont");
    EXPECT_EQ(CapitaliseNom("Paris Saint Germain"), "Paris Saint Germain");
    // Accented letters are letters: no capital in the middle of a word.
    EXPECT_EQ(CapitaliseNom("hélène"), "Hélène");
    EXPECT_EQ(CapitaliseNom("ÉLODIE LÉVÊQUE"), "Élodie Lévêque");
    EXPECT_EQ(CapitaliseNom("o'neil d'artagnan"), "O'Neil D'Artagnan");
    EXPECT_EQ(CapitaliseNom("mc 2ème"), "Mc 2Ème");
    EXPECT_EQ(CapitaliseNom("'t hooft"), "'T Hooft");
    EXPECT_EQ(CapitaliseNom("j.-p. papin"), "J.-P. Papin");
    EXPECT_EQ(CapitaliseNom(""), "");
    const std::string N = "Œil-de-bœuf 1er";
    EXPECT_EQ(LongueurCaracteres(CapitaliseNom(N)), LongueurCaracteres(N));
}

TEST(Utilities, LitMontantReadsHundredthsWithTheProgramSeparator)
{
    ChoisitLangueNombres("fr");
    EXPECT_EQ(LitMontant("", 5), 5);
    EXPECT_EQ(LitMontant("3", 0), 300);
    EXPECT_EQ(LitMontant("12,5", 0), 1250);
    EXPECT_EQ(LitMontant("7 pts", 0), 700);
    EXPECT_EQ(LitMontant(",5", 0), 50);
    EXPECT_EQ(LitMontant("0,285", 0), 29);
    EXPECT_EQ(LitMontant("2,994", 0), 299);
    EXPECT_EQ(LitMontant("x12", -1), -1);
    EXPECT_EQ(LitMontant("-3", -1), -1);
    EXPECT_EQ(LitMontant(",", -1), -1);
    EXPECT_EQ(LitMontant("1,2,3", -1), -1);
    EXPECT_EQ(LitMontant("99999999999", -1), -1);
    EXPECT_EQ(LitMontant("12.5", 0), 1200);
    EXPECT_EQ(LitMontant("1,250", -1), 125);
    ChoisitLangueNombres("en");
    EXPECT_EQ(LitMontant("12.5", 0), 1250);
    EXPECT_EQ(LitMontant(".5", 0), 50);
    // A comma only groups thousands there: anything else is no number.
    EXPECT_EQ(LitMontant("12,5", -1), -1);
    EXPECT_EQ(LitMontant("1,250", -1), 125000);
    EXPECT_EQ(LitMontant("12,345,678.25 pts", -1), 1234567825);
    EXPECT_EQ(LitMontant("1,2345", -1), -1);
    EXPECT_EQ(LitMontant("1234,567", -1), -1);
    EXPECT_EQ(LitMontant(",250", -1), -1);
    EXPECT_EQ(LitMontant("1,250,", -1), -1);
    EXPECT_EQ(LitMontant("1.250,5", -1), -1);
    ChoisitLangueNombres("fr");
}

TEST(Utilities, PositionsInCharacters)
{
    EXPECT_EQ(PosNieme("a", "banana", 2), 4);
    EXPECT_EQ(PosNieme("a", "banana", 4), 0);
    EXPECT_EQ(PosNieme("a", "banana", 0), 0);
    EXPECT_EQ(PosNieme("aa", "aaaa", 3), 3); // overlapping occurrences
    EXPECT_EQ(PosNieme("é", "éléphant", 2), 3);
    EXPECT_EQ(PosNieme("", "abc", 1), 0);

    EXPECT_EQ(PosHorsDelimiteurs("ab,cd", ",", "\""), 3);
    EXPECT_EQ(PosHorsDelimiteurs("\"a,b\",c", ",", "\""), 6);
    EXPECT_EQ(PosHorsDelimiteurs("[a,b],c", ",", "["), 6);
    EXPECT_EQ(PosHorsDelimiteurs("ab,", ",", ""), 3); // the last character is never a stop: length
    EXPECT_EQ(PosHorsDelimiteurs("é,x", ",", ""), 2);
    EXPECT_EQ(PosHorsDelimiteurs("abc", ",", ""), 3);
    EXPECT_EQ(PosHorsDelimiteurs("[a,b", ",", "["), 4); // unclosed run
    EXPECT_EQ(PosHorsDelimiteurs("", ",", ""), 0);
}

TEST(Utilities, ColoursAndHex)
{
    EXPECT_EQ(CouleurVersHtml(0x0000FF), "#FF0000");
    EXPECT_EQ(CouleurVersHtml(0x563412), "#123456");
    EXPECT_EQ(HtmlVersCouleur("#FF0000"), 0x0000FF);
    EXPECT_EQ(HtmlVersCouleur("123456"), 0x563412);
    EXPECT_EQ(HtmlVersCouleur("#abcdef"), 0xEFCDAB);
    EXPECT_EQ(HtmlVersCouleur("ABCD"), 0);
    EXPECT_EQ(HtmlVersCouleur("#12345G"), 0);
    EXPECT_EQ(HtmlVersCouleur("#1234567"), 0);
    EXPECT_EQ(HtmlVersCouleur(CouleurVersHtml(0x00A0B0C0)), 0x00A0B0C0);
    EXPECT_EQ(IntToHex4(0x1FFFE), "FFFE");
    EXPECT_EQ(IntToHex4(10), "000A");
    EXPECT_EQ(IntToHex4(-1), "FFFF");
    std::string S;
    CopieChaine("abc", S);
    EXPECT_EQ(S, "abc");
}

TEST(Utilities, CopieFichier)
{
    TempDir D;
    std::string Contenu(10000, '\0');
    for (size_t I = 0; I < Contenu.size(); ++I)
        Contenu[I] = static_cast<char>(I * 7);
    WriteWholeFile(D / "a.bin", Contenu);
    WriteWholeFile(D / "b.bin", "older and longer content that must go entirely................");

    EXPECT_TRUE(CopieFichier((D / "a.bin").string(), (D / "b.bin").string()));
    EXPECT_EQ(ReadWholeFile(D / "b.bin"), Contenu);
    EXPECT_TRUE(CopieFichier((D / "a.bin").string(), (D / "c.bin").string()));
    EXPECT_EQ(ReadWholeFile(D / "c.bin"), Contenu);

    // Copying a file onto itself, under any spelling, leaves it whole.
    EXPECT_FALSE(CopieFichier((D / "a.bin").string(), (D / "a.bin").string()));
    EXPECT_FALSE(CopieFichier((D / "a.bin").string(), D.str() + "./a.bin"));
    std::filesystem::create_symlink(D / "a.bin", D / "lien.bin");
    EXPECT_FALSE(CopieFichier((D / "a.bin").string(), (D / "lien.bin").string()));
    EXPECT_EQ(ReadWholeFile(D / "a.bin"), Contenu);

    // A missing source does nothing, not even create the destination.
    EXPECT_FALSE(CopieFichier((D / "absent").string(), (D / "d.bin").string()));
    EXPECT_FALSE(std::filesystem::exists(D / "d.bin"));
    EXPECT_FALSE(CopieFichier(D.str(), (D / "d.bin").string()));
    EXPECT_FALSE(std::filesystem::exists(D / "d.bin"));
}
