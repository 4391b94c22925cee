#pragma once

// How the registries number their entries (players, referees, coaches,
// stadiums, club records): one above the highest id so far. Ids run below a
// limit; one at or above it, as a damaged or hostile file may hold, names
// no entry and is given a new id, so that "one above the highest" can never
// step past what the id's type holds.

#include <algorithm>
#include <limits>
#include <vector>

// The limit of person ids (players, referees, coaches).
constexpr int LimiteIds = std::numeric_limits<int>::max();
// Stadium and club-record codes are 16-bit, 65535 standing for none.
constexpr int LimiteCodes = 65535;

// Notes an id met in a registry: the highest id follows it unless it is
// beyond the numbering.
inline void NoteId(int& Max, int Id, int Limite)
{
    if (Id < Limite && Id > Max)
        Max = Id;
}

// The id for a new entry: one above Max while that stays below Limite, else
// the lowest id from Premier on that no entry holds (Limite when all are
// taken). IdDe gives the id of an entry of Liste.
template <typename TListe, typename FId> int NouvelId(int& Max, int Limite, int Premier, const TListe& Liste, FId IdDe)
{
    if (Max < Limite - 1)
        return Max = std::max(Max + 1, Premier);
    std::vector<int> Pris;
    for (const auto& Entree : Liste)
        Pris.push_back(IdDe(Entree));
    std::sort(Pris.begin(), Pris.end());
    int Libre = Premier;
    for (int Id : Pris)
        if (Id == Libre)
            ++Libre;
        else if (Id > Libre)
            break;
    return std::min(Libre, Limite);
}
