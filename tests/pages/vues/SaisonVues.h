#pragma once

#include "model/Championnat.h"
#include "model/SaisonFoot.h"

#include <memory>
#include <string>

namespace testsupport {

// A league of ten clubs (ids 0..9, positions in the same order) over 18 days
// of which `jouees` are played: on day d the club at position i meets the club
// at 9 - i, the lower position at home, and wins by (i + d) % 3 goals to 0;
// attendance 1000 x (home position + 1). Two groups split the clubs: "Nord"
// holds positions 0..4 and "Sud" 5..9. The season's current championship.
inline std::unique_ptr<TSaisonFootball> CreeSaisonVues(int jouees = 6)
{
    auto s = std::make_unique<TSaisonFootball>();
    const char* noms[] = {"Lyon", "Nice", "Paris", "Lens", "Brest", "Reims", "Lille", "Nantes", "Metz", "Angers"};
    for (int i = 0; i < 10; ++i)
        s->AjouteEquipe(noms[i], i);
    auto c = std::make_unique<TDonneesChampionnatFootball>(s.get());
    c->CodeChamp = 7;
    c->SetCode(101);
    for (uint16_t id = 0; id < 10; ++id)
        c->AjouteEquipe(id);
    c->SetNbJour(18);
    c->SetNbMatch(5);
    c->NbJournee = 18;
    c->SetOption(4, 3);
    c->SetOption(5, 1);
    for (int d = 1; d <= jouees; ++d)
        for (int i = 0; i < 5; ++i) {
            const int m = c->AjouteMatch(d, i, 9 - i, -1, static_cast<uint16_t>((i + d) % 3), 0);
            c->SetAffluence(d, m + 1, 1000 * (i + 1));
        }
    c->JourneeJouee = static_cast<uint8_t>(jouees);
    auto nord = std::make_unique<TGroupeEquipe>("Nord");
    auto sud = std::make_unique<TGroupeEquipe>("Sud");
    for (int i = 0; i < 5; ++i) {
        nord->AjouteEquipe(i);
        sud->AjouteEquipe(i + 5);
    }
    c->AjouteGroupe(std::move(nord));
    c->AjouteGroupe(std::move(sud));
    s->AjouteChampionnat(std::move(c));
    s->SetNumChampCourant(1);
    return s;
}

// Adds a second championship to the season, not the current one: id 8, the
// clubs 3, 4 and 5 over two days, day 1 played (5 - 3, 4 goals to 1).
inline void AjouteCoupeTroisClubs(TSaisonFootball& s)
{
    auto Coupe = std::make_unique<TDonneesChampionnatFootball>(&s);
    Coupe->CodeChamp = 8;
    for (uint16_t id : {3, 4, 5})
        Coupe->AjouteEquipe(id);
    Coupe->SetNbJour(2);
    Coupe->SetNbMatch(1);
    Coupe->AjouteMatch(1, 5, 3, -1, 4, 1);
    Coupe->JourneeJouee = 1;
    s.AjouteChampionnat(std::move(Coupe));
}

} // namespace testsupport
