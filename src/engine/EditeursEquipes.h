#pragma once

// What the team, crest and nationality editors do to the season, without
// their dialogs: their list items, team renames and deletes, the crest import
// by name, and country renames, deletes and merges.

#include <string>
#include <vector>

class TBlasons;
class TSaison;

namespace EditeursEquipes {

// An item of the editors' lists: the code on four digits, a flag digit, a
// separator, then the text shown.
struct TElement {
    int Code = -1;
    bool Drapeau = false; // a team of the current championship
    std::string Texte;
};
std::string TexteElement(const TElement& Element);
// The code of an item text; -1 when its first four characters are no number.
int CodeElement(const std::string& Texte);

// The current championship's teams in its order (flag 1), then the season's
// other teams by name.
std::vector<TElement> ListeEquipes(const TSaison& Saison);
// The named countries by name, each shown as "name (players)".
std::vector<TElement> ListePays(const TSaison& Saison);
std::string TextePays(const TSaison& Saison, int Code);

enum class TRefus {
    Aucun,         // done, or nothing to do
    NomIncorrect,  // empty, or the name of another team of the season
    EquipeEngagee, // the team plays in a championship
};

// Renames the team and re-sorts the team array of every championship where
// it plays. Change tells whether anything changed (the same text changes nothing).
TRefus RenommeEquipe(TSaison& Saison, int Id, const std::string& Nom, bool& Change);
// The name of the first championship the team plays in, empty when none.
std::string ChampionnatDeLEquipe(const TSaison& Saison, int Id);
// Removes a team that plays nowhere, with its players; a team still in a
// championship is refused, as its matches would keep an unknown team id.
TRefus SupprimeEquipe(TSaison& Saison, int Id);

// Gives each team whose folded name is a catalogue entry's name that entry's
// crest; true when a team's crest really changed.
bool ImporteBlasons(TSaison& Saison, const TBlasons& Blasons);

// True when the name changed.
bool RenommePays(TSaison& Saison, int Code, const std::string& Nom);
// The country's name is emptied: it leaves every list.
void SupprimePays(TSaison& Saison, int Code);
// The country with more players is kept (Premier on a tie); the players,
// referees, coaches and stadiums of the other one move to it and its name is
// emptied. Returns the code kept.
int FusionnePays(TSaison& Saison, int Premier, int Second);

} // namespace EditeursEquipes
