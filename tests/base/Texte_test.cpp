#include "base/Texte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

TEST(Texte, IteratesCodePointsAndSurvivesBadBytes)
{
    const std::string S = "aé€😀";
    EXPECT_EQ(LongueurCaracteres(S), 4u);
    EXPECT_EQ(VersCaracteres(S), (std::u32string{U'a', U'é', U'€', U'😀'}));
    EXPECT_EQ(DepuisCaracteres(VersCaracteres(S)), S);

    // Truncated sequence, lone continuation byte, overlong form, surrogate: one
    // replacement per byte, never a read past the end.
    const std::string Mauvais = "\xC3"
                                "x\x80\xC0\xAF\xED\xA0\x80\xE2\x82";
    size_t Pos = 0;
    std::u32string Lus;
    while (Pos < Mauvais.size())
        Lus.push_back(LitCaractere(Mauvais, Pos));
    EXPECT_EQ(Lus, (std::u32string{0xFFFD, U'x', 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}));
    EXPECT_EQ(LitCaractere(Mauvais, Pos), 0u);
    EXPECT_FALSE(EstUtf8Valide(Mauvais));
    EXPECT_TRUE(EstUtf8Valide(S));
    EXPECT_TRUE(EstUtf8Valide("\xEF\xBF\xBD")); // a real U+FFFD is valid text
}

TEST(Texte, CutsByCharacters)
{
    const std::string S = "Hélène Œuf";
    EXPECT_EQ(PremiersCaracteres(S, 3), "Hél");
    EXPECT_EQ(PremiersCaracteres(S, 99), S);
    EXPECT_EQ(SousChaineCaracteres(S, 7, 2), "Œu");
    EXPECT_EQ(SousChaineCaracteres(S, 7), "Œuf");
    EXPECT_EQ(SousChaineCaracteres(S, 20, 2), "");
    EXPECT_EQ(CopieCaracteres(S, 2, 3), "élè");
    EXPECT_EQ(CopieCaracteres(S, 0, 1), "H");
    EXPECT_EQ(CopieCaracteres(S, 2, 0), "");
    EXPECT_EQ(OctetDuCaractere(S, 2), 3u);
}

TEST(Texte, CaseOfLatinLetters)
{
    EXPECT_EQ(Majuscules("hélène çà œ ÿ ł ž ß 1-x"), "HÉLÈNE ÇÀ Œ Ÿ Ł Ž ß 1-X");
    EXPECT_EQ(Minuscules("HÉLÈNE ÇÀ Œ Ÿ Ł Ž İ ĹŃ"), "hélène çà œ ÿ ł ž i ĺń");
    EXPECT_EQ(MajusculeCaractere(U'ı'), U'I');
    EXPECT_EQ(MajusculeCaractere(U'×'), U'×');
    EXPECT_EQ(MinusculeCaractere(U'÷'), U'÷');
    EXPECT_TRUE(EstLettreLatine(U'ŉ'));
    EXPECT_FALSE(EstLettreLatine(U'×'));
    EXPECT_FALSE(EstLettreLatine(U'1'));
    EXPECT_EQ(MajusculesAscii("éa"), "éA");
    // Every letter of the two blocks round-trips through its other case.
    for (char32_t C = 0xC0; C <= 0x17F; ++C) {
        if (!EstLettreLatine(C))
            continue;
        const auto Code = static_cast<unsigned>(C);
        if (EstMajuscule(C) && C != 0x130) {
            EXPECT_EQ(MajusculeCaractere(MinusculeCaractere(C)), C) << std::hex << Code;
        }
        if (EstMinuscule(C) && MajusculeCaractere(C) != C && C != 0x131 && C != 0x17F) {
            EXPECT_EQ(MinusculeCaractere(MajusculeCaractere(C)), C) << std::hex << Code;
        }
    }
}

TEST(Texte, FoldsAccentsForComparisons)
{
    EXPECT_EQ(SansAccent("Éléonore Çağlar Œdipe Straße Łódź"), "Eleonore Caglar OEdipe Strasse Lodz");
    EXPECT_EQ(CleSansAccent("ÉlÉa"), "elea");
    EXPECT_TRUE(EgalSansAccent("Hélène", "HELENE"));
    EXPECT_FALSE(EgalSansAccent("Hélène", "Helen"));

    // Folded order first, raw text only to break ties: accented names sort
    // among their plain neighbours, and only identical texts are equal.
    std::vector<std::string> Noms = {"Zoé", "eric", "Émile", "Eric", "Ève", "Elodie"};
    std::sort(Noms.begin(), Noms.end(),
              [](const std::string& A, const std::string& B) { return CompareTexteSansAccent(A, B) < 0; });
    EXPECT_EQ(Noms, (std::vector<std::string>{"Elodie", "Émile", "Eric", "eric", "Ève", "Zoé"}));
    EXPECT_EQ(CompareTexteSansAccent("abc", "abc"), 0);
    EXPECT_NE(CompareTexteSansAccent("Eric", "eric"), 0);
    EXPECT_EQ(AnsiCompareText("Éric", "éRIC"), 0);
    EXPECT_NE(AnsiCompareText("Éric", "Eric"), 0);
    EXPECT_LT(AnsiCompareText("élan", "emu"), 0);
}

TEST(Texte, TrimsAndReadsIntegersAsPascalDoes)
{
    EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
    EXPECT_EQ(StrToIntDef("42", -1), 42);
    EXPECT_EQ(StrToIntDef("  -17", 0), -17);
    EXPECT_EQ(StrToIntDef("$FF", 0), 255);
    EXPECT_EQ(StrToIntDef("0x10", 0), 16);
    EXPECT_EQ(StrToIntDef("$FFFFFFFF", 0), -1);
    EXPECT_EQ(StrToIntDef("-2147483648", 0), -2147483647 - 1);
    EXPECT_EQ(StrToIntDef("2147483648", 7), 7);
    EXPECT_EQ(StrToIntDef("99999999999999999999", 7), 7);
    EXPECT_EQ(StrToIntDef("12a", 7), 7);
    EXPECT_EQ(StrToIntDef("12 ", 7), 7);
    EXPECT_EQ(StrToIntDef("", 7), 7);
    EXPECT_EQ(StrToIntDef("-", 7), 7);
    EXPECT_EQ(StrToIntDef("$", 7), 7);
}

TEST(Texte, DecodesStoredTextAsUtf8OrWindows1252)
{
    EXPECT_EQ(CaractereWindows1252(0x80), char32_t{0x20AC});
    EXPECT_EQ(CaractereWindows1252(0x9C), U'œ');
    EXPECT_EQ(CaractereWindows1252(0x92), U'’');
    EXPECT_EQ(CaractereWindows1252(0x81), 0x81u);
    EXPECT_EQ(CaractereWindows1252(0xE9), U'é');
    for (int O = 0; O < 256; ++O)
        EXPECT_EQ(OctetWindows1252(CaractereWindows1252(static_cast<uint8_t>(O))), O);
    EXPECT_EQ(OctetWindows1252(U'😀'), -1);

    EXPECT_EQ(DecodeTexteStocke("Saint-\xC3\x89tienne"), "Saint-Étienne");
    EXPECT_EQ(DecodeTexteStocke("Saint-\xC9tienne \x80 c\x9Cur"), "Saint-Étienne € cœur");
    EXPECT_EQ(DecodeTexteStocke("\xEF\xBB\xBF"
                                "abc"),
              "abc");
    EXPECT_EQ(DecodeTexteStocke(""), "");
    std::string EnPlace = "\xEF\xBB\xBF"
                          "c\x9Cur";
    DecodeTexteStockeEnPlace(EnPlace);
    EXPECT_EQ(EnPlace, "cœur");
}

TEST(Texte, Windows1252DocumentDecodesLikeOneCharacterAtATime)
{
    // Every byte value, at every offset against the eight-byte ASCII runs.
    std::string Octets;
    for (int O = 0; O < 256; ++O) {
        Octets += static_cast<char>(O);
        Octets.append(static_cast<size_t>(O % 11), 'a' + O % 26);
    }
    for (size_t Debut = 0; Debut < 9; ++Debut) {
        const std::string_view Morceau = std::string_view(Octets).substr(Debut);
        std::string Attendu;
        for (char O : Morceau)
            AjouteCaractere(Attendu, CaractereWindows1252(static_cast<uint8_t>(O)));
        EXPECT_EQ(DecodeWindows1252(Morceau), Attendu) << Debut;
    }
    EXPECT_EQ(DecodeWindows1252(""), "");
    EXPECT_EQ(DecodeWindows1252("\x9C"), "œ");
}
