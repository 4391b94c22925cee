#include <gtest/gtest.h>

#include "model/ComparaisonNoms.h"

// Plain ASCII names take a shortcut; it must order them as the folded keys do.
TEST(CompareNomsPlies, AsciiShortcutAgreesWithFoldedKeys)
{
    const char* const noms[] = {"",        "a",       "A",       "ab",     "AB", "aB", "b",      "Z",
                                "z",       "_",       "[",       "`",      "{",  "~",  "Dupont", "DUPONT",
                                "dupont ", "Du-pont", "du'pont", "Dupond", "0",  "9a"};
    for (const char* a : noms)
        for (const char* b : noms) {
            const int lent = CleSansAccent(a).compare(CleSansAccent(b));
            EXPECT_EQ(CompareNomsPlies(a, b), (lent > 0) - (lent < 0)) << a << " / " << b;
        }
    EXPECT_EQ(CompareNomsPlies("Élodie", "elodie"), 0);
    EXPECT_LT(CompareNomsPlies("Eloa", "Élodie"), 0);
}
