#pragma once

// What a score entered on a cup day decides: the qualified side of the tie,
// a penalty shoot-out when the rules leave it level, the next leg or game of
// the tie when it is still open, and the winners' pairing in the next round.
// The results page hands a row over; the model is changed directly.

#include <cstdint>
#include <functional>
#include <string>

class TContexteSaison;
class TDonneesChampionnat;
class TInfoComp;

namespace DecisionCoupe {

// The type word of a cup day (round kind in the low nibble, the day's place in
// the round above); 0 for a day without a record.
int TypeJour(const TDonneesChampionnat& c, int jour);
// The match of the two teams on that day, in either order; nullptr when none.
const TInfoComp* MatchDuTie(const TDonneesChampionnat& c, uint16_t a, uint16_t b, int jour);
// Round number of a cup day (low 6 bits of its record), -1 without a record.
int TourJour(const TDonneesChampionnat& c, int jour);
// First day of the round of `jour`.
int PremierJourTour(const TDonneesChampionnat& c, int jour);
// First day of the next round (the next day whose round number differs), 0
// when the round of `jour` is the last one.
int PremierJourTourSuivant(const TDonneesChampionnat& c, int jour);
// True for the days on which no score decides anything (first legs, early
// games of a series).
bool TypeSansDecision(int type);

// Whether the two teams meet on that day, in either order.
bool MatchExiste(const TDonneesChampionnat& c, uint16_t id1, uint16_t id2, int jour);
// Goals of the two teams in their match of that day (id2 at home first, else
// id1 at home); the outputs stay as they are when they do not meet, and an
// unplayed side counts no goal.
void ScoreAutreManche(const TDonneesChampionnat& c, uint16_t id1, uint16_t id2, int jour, int& butsId2, int& butsId1);

enum class TIssue {
    SansRegle,     // the type word has no rule: the row's side is kept
    PasDeDecision, // nothing is decided on this day
    Indecis,       // the tie goes on: another leg or game
    Equipe1,
    Equipe2,
    TirsAuBut, // level: a penalty shoot-out decides
};

// The decision of the day's type word for the match id1 (home, s1 goals) -
// id2 (away, s2 goals) of day `jour`; the earlier legs or games come from the
// model. `textesEgaux`: the two score texts are identical (a level single
// match asks for a shoot-out only then).
TIssue Decide(const TDonneesChampionnat& c, int jour, uint16_t id1, uint16_t id2, int s1, int s2, bool textesEgaux);

// What the decision reads and writes of a result row.
struct TLigneCoupe {
    std::string Equipe1, Equipe2; // team names of the two frames
    std::string Score1, Score2;   // texts of the score edits
    int TirsAuBut = 0;            // (goals of team 1 << 16) + goals of team 2; 0 none
    std::string Info;             // text of the info label
    int Qualifie = 2;             // 0 team 1, 1 team 2, 2 none
};

// Asks for the shoot-out of id1 - id2: (goals 1 << 16) + goals 2, or 0 when
// none was given.
using TDemandeTirsAuBut = std::function<int(uint16_t id1, uint16_t id2)>;

// Qualified side (0, 1, 2) of another row of the day being entered, 2 for a
// row beyond the rows.
using TQualifieLigne = std::function<int(int ligne)>;

// Text of the info label for a shoot-out value.
std::string TexteTirsAuBut(int tirs);

// Runs the decision for row `ligne` (0-based) of the championship's current
// day. Does nothing outside a cup or while either score is empty. The rows of
// that day not yet saved give their side through `qualifieLigne` (the model's
// stored side without it). Returns true when the calendar changed (a leg,
// game or pairing added or removed).
bool ScoreExit(TDonneesChampionnat& c, const TContexteSaison& saison, int ligne, TLigneCoupe& l,
               const TDemandeTirsAuBut& demande, const TQualifieLigne& qualifieLigne = {});

// Team id of the championship team whose folded name equals that of `nom`, -1.
int IdEquipeNom(const TDonneesChampionnat& c, const TContexteSaison& saison, const std::string& nom);

// Index on day `jour` where a tie's match goes so that the day keeps the order
// of the ties' rows on day `premier` (their round's first day): `clef` is the
// tie's slot, and a match of the day has the slot of its teams' row there
// (divided by 2 when `parPaire`).
int IndexOrdonne(const TDonneesChampionnat& c, int jour, int premier, int clef, bool parPaire);

} // namespace DecisionCoupe
