#include "base/oTraducteur.h"

#include "base/Texte.h"
#include "base/Utilities.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using testsupport::TempDir;
using testsupport::WriteWholeFile;

namespace {

TTraducteur Sur(const TempDir& D, const std::string& Contenu)
{
    WriteWholeFile(D / "Textefr.txt", Contenu);
    return TTraducteur((D / "Textefr.txt").string());
}

} // namespace

TEST(Traducteur, LooksTextsUpById)
{
    TempDir D;
    TTraducteur T = Sur(D, "1\tun\r\n2\tdeux\r\n5\tcinq\ttabulé \r\n9\tneuf\r\n");
    EXPECT_EQ(T.Nombre(), 4);
    EXPECT_EQ(T.Traduit(5), "cinq\ttabulé "); // later TABs and blanks belong to the text
    EXPECT_EQ(T.Traduit(9), "neuf");
    EXPECT_EQ(T.Traduit(4), "");
    EXPECT_EQ(T.Traduit(0), "");
    EXPECT_EQ(T.Traduit(-1), "");
    EXPECT_EQ(T.Traduit(1000), "");
    std::string S;
    T.Traduit(2, S);
    EXPECT_EQ(S, "deux");
}

TEST(Traducteur, MalformedLinesShadowNothing)
{
    TempDir D;
    // A line without TAB, a blank line, a bad id and a repeated id: only the
    // first well-formed line of each id counts, whatever the order.
    TTraducteur T = Sur(D, "12\n\nx\tbad\n-3\tnégatif\n7\tsept\n0\tzéro\n3\ttrois\n7\tautre sept\nsans fin");
    EXPECT_EQ(T.Nombre(), 9);
    EXPECT_EQ(T.Traduit(0), "zéro");
    EXPECT_EQ(T.Traduit(7), "sept");
    EXPECT_EQ(T.Traduit(3), "trois");
    EXPECT_EQ(T.Traduit(12), "");
    EXPECT_EQ(T.Traduit(-3), "");
}

TEST(Traducteur, MissingFileAndWindows1252File)
{
    TempDir D;
    TTraducteur Absent((D / "Textexx.txt").string());
    EXPECT_FALSE(Absent.Charge());
    EXPECT_EQ(Absent.Traduit(1), "");
    EXPECT_EQ(Absent.GetNomFichier(), (D / "Textexx.txt").string());

    TTraducteur Ancien = Sur(D, "1\tJourn\xE9"
                                "e \x80 c\x9C"
                                "ur\r\n");
    EXPECT_EQ(Ancien.Traduit(1), "Journée € cœur");
}

TEST(Traducteur, LineBreaksAndFormatting)
{
    ChoisitLangueNombres("fr");
    TempDir D;
    TTraducteur T = Sur(D, "1\tpremier  %rc  second\n"
                           "2\tfin%rc\n"
                           "3\t  garde ses blancs  \n"
                           "4\t%d matchs %rc %s : %.1f%%\n"
                           "5\t%d et %d\n"
                           "6\t%1:s, %0:s\n");
    EXPECT_EQ(T.TraduitFmt(1), "premier\rsecond");
    EXPECT_EQ(T.TraduitFmt(2), "fin\r");
    EXPECT_EQ(T.TraduitFmt(3), "  garde ses blancs  ");
    EXPECT_EQ(T.TraduitFmt(4, {12, "Lyon", 66.66}), "12 matchs\rLyon : 66,7%");
    EXPECT_EQ(T.TraduitFmt(6, {"Jean", "Dupont"}), "Dupont, Jean");
    // Placeholders that do not fit the arguments: the text, unformatted.
    EXPECT_EQ(T.TraduitFmt(5, {1}), "%d et %d");
    EXPECT_EQ(T.TraduitFmt(5, {"a", "b"}), "%d et %d");
    EXPECT_EQ(T.TraduitFmt(99, {1}), "");
    std::string S;
    T.TraduitFmt(5, {1, 2}, S);
    EXPECT_EQ(S, "1 et 2");
}

TEST(Traducteur, ProgramTranslatorAndShippedFiles)
{
    EXPECT_EQ(Traduit(532), ""); // none installed yet
    for (const char* Langue : {"fr", "en"}) {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Texte" + Langue + ".txt"));
        ASSERT_NE(Traducteur(), nullptr);
        EXPECT_GT(Traducteur()->Nombre(), 0) << Langue;
        EXPECT_NE(Traduit(532), "") << Langue;
        EXPECT_EQ(TraduitFmt(532), Traduit(532));
    }
    InstalleTraducteur(nullptr);
    EXPECT_EQ(Traducteur(), nullptr);
}

// Every helper adds its ids to the two files; this keeps them in shape: UTF-8,
// one "id TAB text" per line, ids ascending and each once, and the same ids in
// both languages.
TEST(Traducteur, LanguageFilesAreWellFormed)
{
    std::vector<std::vector<int>> Ids;
    for (const char* Langue : {"fr", "en"}) {
        const std::string Nom = AppDir() + "texte/Texte" + Langue + ".txt";
        const std::string Contenu = testsupport::ReadWholeFile(Nom);
        ASSERT_TRUE(EstUtf8Valide(Contenu)) << Nom;
        std::vector<int> Liste;
        size_t Debut = 0;
        int Ligne = 0;
        while (Debut < Contenu.size()) {
            ++Ligne;
            size_t Fin = Contenu.find('\n', Debut);
            ASSERT_NE(Fin, std::string::npos) << Nom << ": last line without end";
            const std::string L = Contenu.substr(Debut, Fin - Debut);
            Debut = Fin + 1;
            const size_t Tab = L.find('\t');
            ASSERT_NE(Tab, std::string::npos) << Nom << ":" << Ligne;
            int Id = -1;
            ASSERT_TRUE(EssaieStrToInt(L.substr(0, Tab), Id) && Id >= 0 && L.substr(0, Tab) == std::to_string(Id))
                << Nom << ":" << Ligne;
            EXPECT_FALSE(L.empty() || L.back() == '\r') << Nom << ":" << Ligne;
            if (!Liste.empty()) {
                EXPECT_LT(Liste.back(), Id) << Nom << ":" << Ligne << " ids must ascend, each once";
            }
            Liste.push_back(Id);
        }
        Ids.push_back(Liste);
    }
    EXPECT_EQ(Ids[0], Ids[1]) << "both languages hold the same ids";
}

// French puts none and one in the singular, English only one.
TEST(Traducteur, ACountAgreesWithItsNounInTheLanguageOfTheTexts)
{
    InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
    EXPECT_EQ(IdAccorde(159, 160, 0), 159);
    EXPECT_EQ(IdAccorde(159, 160, 1), 159);
    EXPECT_EQ(IdAccorde(159, 160, 2), 160);
    InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Texteen.txt"));
    EXPECT_EQ(IdAccorde(159, 160, 0), 160);
    EXPECT_EQ(IdAccorde(159, 160, 1), 159);
    EXPECT_EQ(IdAccorde(159, 160, 12), 160);
    InstalleTraducteur(nullptr);
}
