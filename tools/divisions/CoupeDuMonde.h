#pragma once

// The second shipped season: a real tournament of national teams, as the files
// kept in "coupe-du-monde-2022/" beside the generator give it (groups of a
// round robin, then a single-match knock-out with a third-place match), made
// into a season with the program's own model: the group stage as one league
// with its groups, the knock-out as a cup, every goal with its scorer and
// minute (the half-time score follows from them), and the stadiums.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TBlasons;
class TSaison;

struct TButCoupe {
    std::string Joueur;
    // The minute of the period's clock: a goal of added time keeps the
    // period's last minute (45, 90, 105, 120), as the minute word holds no more.
    int Minute = 0;
    bool Penalty = false;
    // The scorer plays for the other side; the goal counts for this one.
    bool ContreSonCamp = false;
};

struct TMatchCoupe {
    std::string Tour;
    // Empty for a knock-out match.
    std::string Groupe;
    int Annee = 0, Mois = 0, Jour = 0;
    std::string Equipe1, Equipe2;
    std::string Stade;
    // After extra time when there was some.
    int Score[2] = {0, 0};
    // After ninety minutes.
    int TempsReglementaire[2] = {0, 0};
    bool Prolongation = false;
    bool TirsAuBut = false;
    int Tirs[2] = {0, 0};
    // The goals each side was credited with.
    std::vector<TButCoupe> Buts[2];

    // "Argentina - France of 2022-12-18", to name the match in a message.
    std::string Libelle() const;
};

struct TGroupeCoupe {
    std::string Nom;
    std::vector<std::string> Equipes;
};

struct TStadeCoupe {
    std::string Nom;
    std::string Ville;
    int Capacite = 0;
};

// Team, player and stadium names as the alias table keeps them.
struct TCoupeReelle {
    std::vector<TGroupeCoupe> Groupes;
    std::vector<TStadeCoupe> Stades;
    std::vector<TMatchCoupe> Matchs;
};

inline constexpr const char* NomCoupe = "sauvegarde/coupe-du-monde-2022.xmc";
inline constexpr const char* TitreCoupe = "Coupe du monde 2022";

// The name a source spells another way or misspells, put right; any other
// name as given.
std::string NomCanonique(const std::string& nom);
// The team's country as the program names it (the crest catalogue's names);
// the team's own name for a country the table does not know.
std::string NomPays(const std::string& equipe);

// The three documents of the tournament: matches ("matches" with "round",
// "date", "team1", "team2", "group" for a group match, "ground" as
// "stadium, town", "score" with "ft", "ht", "et", "p", and "goals1" /
// "goals2"), groups ("groups" with "name" and "teams") and stadiums
// ("stadiums" with "name", "city", "capacity"). False with a message for a
// text that is not such a document.
bool LitCoupeReelle(std::string_view matchs, std::string_view groupes, std::string_view stades, TCoupeReelle& coupe,
                    std::string& erreur);
// The same from "worldcup.json", "worldcup.groups.json" and
// "worldcup.stadiums.json" of a folder (ending with "/").
bool ChargeCoupeReelle(const std::string& dossier, TCoupeReelle& coupe, std::string& erreur);

// The season, or null with a message naming the match for what no tournament
// holds: a goal list that does not add up to the score, a goal after minute 90
// without extra time, extra time in a group match or after a full time that
// was not level, a knock-out tie that is level without a winning shoot-out, a
// team not in the groups, a stadium not in the list (or listed twice), a
// knock-out that does not follow from its rounds, a first knock-out round
// that is not played by the first two of the groups, a third-place match that
// is not played by the semi-finals' losers. `blasons` gives the teams
// whose country it holds their crest (none without it).
std::unique_ptr<TSaison> CreeSaisonCoupe(const TCoupeReelle& coupe, const TBlasons* blasons, std::string& erreur);

// Reads the folder and writes the season into the program folder (ending with
// "/"), with the crests of the program folder's catalogue. A season left by an
// earlier run is removed first, so a refused input leaves none.
bool GenereCoupe(const std::string& dossierCoupe, const std::string& dossierProgramme, std::string& erreur);
