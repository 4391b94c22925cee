#include "support/ClassementReel.h"

#include "ResultatsReels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace testsupport {

std::string DossierResultats()
{
    return BREVALUNE_RESULTATS;
}

std::string DossierCoupe()
{
    return BREVALUNE_COUPE;
}

std::vector<TLigneReelle> ClassementReel(const std::string& fichier)
{
    TResultatsReels resultats;
    std::string erreur;
    EXPECT_TRUE(ChargeResultatsReels(DossierResultats() + fichier, resultats, erreur)) << erreur;
    std::map<std::string, TLigneReelle> lignes;
    for (const TMatchReel& m : resultats.Matchs) {
        if (!m.Joue)
            continue;
        const std::pair<const std::string*, int> cotes[] = {{&m.Equipe1, m.But1 - m.But2},
                                                            {&m.Equipe2, m.But2 - m.But1}};
        for (const auto& [equipe, ecart] : cotes) {
            TLigneReelle& l = lignes[*equipe];
            l.Equipe = *equipe;
            l.Points += ecart > 0 ? 3 : ecart == 0 ? 1 : 0;
            l.Difference += ecart;
            l.Pour += equipe == &m.Equipe1 ? m.But1 : m.But2;
        }
    }
    std::vector<TLigneReelle> table;
    for (auto& [nom, ligne] : lignes)
        table.push_back(ligne);
    std::stable_sort(table.begin(), table.end(), [](const TLigneReelle& a, const TLigneReelle& b) {
        return std::tie(a.Points, a.Difference, a.Pour) > std::tie(b.Points, b.Difference, b.Pour);
    });
    return table;
}

} // namespace testsupport
