#pragma once

// The line a view shows instead of a bare grid or a blank page when the
// season or the championship it looks at holds nothing of its kind: no
// attendance, no line-up, no rating. The empty text when there is some.

#include <string>

class TDonneesChampionnat;
class TSaison;

namespace SansDonnees {

// No match of the championship has an attendance above 0.
std::string LigneAffluences(const TDonneesChampionnat& Champ);
// No team of any championship of the season has a line-up.
std::string LigneCompositions(const TSaison& Saison);
// No team of any championship of the season has its ratings entered.
std::string LigneNotes(const TSaison& Saison);

} // namespace SansDonnees
