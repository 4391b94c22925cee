#include "base/Ajustement.h"
#include "base/Canevas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A text 10 pixels wide per point of size.
bool TientDans(int Largeur, int Taille)
{
    return Taille * 10 <= Largeur;
}

TEST(Ajustement, LaTailleDescendJusquAuPlancherEtPasAuDela)
{
    std::vector<int> Essayees;
    const TTailleAjustee Large = AjusteTaille(12, [&](int T) {
        Essayees.push_back(T);
        return TientDans(200, T);
    });
    EXPECT_EQ(Large.Taille, 12);
    EXPECT_TRUE(Large.Tient);
    EXPECT_EQ(Essayees, std::vector<int>{12});

    const TTailleAjustee Serre = AjusteTaille(12, [](int T) { return TientDans(95, T); });
    EXPECT_EQ(Serre.Taille, 9);
    EXPECT_TRUE(Serre.Tient);

    // Room for 5 points only: the text stays at six and is told not to fit,
    // whatever the base it started from.
    for (int Base : {16, 14, 12, 6, 4}) {
        SCOPED_TRACE(Base);
        const TTailleAjustee Etroit = AjusteTaille(Base, [](int T) { return TientDans(55, T); });
        EXPECT_EQ(Etroit.Taille, 6);
        EXPECT_FALSE(Etroit.Tient);
    }
    // A base under the floor is raised to it.
    EXPECT_EQ(AjusteTaille(4, [](int) { return true; }).Taille, 6);
}

TEST(Ajustement, AbregeGardeLeDebutEtFinitParDesPoints)
{
    TMesureFixe Mesure(10, 14);
    auto Largeur = [&Mesure](std::string_view T) { return Mesure.LargeurTexte(T); };
    EXPECT_EQ(Abrege("Brest", 50, Largeur), "Brest");
    EXPECT_EQ(Abrege("Association Sportive", 100, Largeur), "Associati\u2026");
    // No blank before the ellipsis; accented letters are kept whole.
    EXPECT_EQ(Abrege("Éléphants de la Vallée", 110, Largeur), "Éléphants\u2026");
    EXPECT_EQ(Abrege("Vallée du Pré", 60, Largeur), "Vallé\u2026");
    EXPECT_EQ(Abrege("Lens", 5, Largeur), "\u2026");
    EXPECT_EQ(Abrege("", 0, Largeur), "");
}

} // namespace
