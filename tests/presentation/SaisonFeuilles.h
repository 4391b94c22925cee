#pragma once

// The hand-built league of the match-sheet tests.

#include <initializer_list>
#include <memory>

#include "model/Championnat.h"
#include "model/SaisonFoot.h"

namespace testsupport {

// Four teams (ids 0-3, in this order) in one league of nbJour days, two
// matches a day: 0-1 and 2-3 on the days 1 to avecMatchs; the championship.
inline TDonneesChampionnat* CreeLigueFeuilles(TSaisonFootball& saison, std::initializer_list<const char*> noms,
                                              int nbJour, int avecMatchs)
{
    constexpr uint16_t X = TInfoComp::Aucun;
    for (const char* nom : noms)
        saison.AjouteEquipe(nom);
    auto c = saison.CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
    c->SetNbEquipe(4);
    for (int p = 0; p < 4; ++p)
        c->SetEquipe(p, static_cast<uint16_t>(p));
    c->SetNbMatch(2);
    c->SetNbJour(nbJour);
    saison.AjouteChampionnat(std::move(c));
    TDonneesChampionnat* champ = saison.GetChampionnat(saison.NbChampionnat());
    for (int n = 1; n <= avecMatchs; ++n) {
        champ->AjouteMatch(n, 0, 1, -1, X, X);
        champ->AjouteMatch(n, 2, 3, -1, X, X);
    }
    return champ;
}

} // namespace testsupport
