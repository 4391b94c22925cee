#pragma once

// What the miscellaneous statistics page lists, without any widget: the
// calendar of a date, the players whose record is incomplete and the matches
// still outstanding. The page fills its grid here and decodes the calendar's
// links with the same rule.

#include "model/infocomp.h"

#include <cstdint>
#include <string>

class TDonneesChampionnat;
class TModeleEditeur;
class TModeleGrille;
class TSaison;

namespace DiversStat {

// Page kinds (the Tag of the page's background).
enum : int {
    GenreListeJoueurs = 0,
    GenreFormeEquipe = 1,
    GenreComportementDomicile = 2,
    GenrePlaceOccupee = 3,
    GenreStatParJournee = 4,
    GenreJourneeSimple = 5,
    GenreScoresFrequents = 6,
    GenreJourneeJoueurs = 7,
    GenreJourneeSpectateur = 8,
    GenreJourneeDetail = 10,
    GenreListeMatchs = 11,
    GenreFourchetteClass = 12,
    GenreCalendrier = 13,
};

// The matches dated Date of the championships with round or match dates:
// every championship with Tous, else the current one; one empty row between
// championships. Each match cell is a link (see LienCalendrier).
void AfficherCalendrier(TModeleGrille& Grille, const TSaison& Saison, TDateMatch Date, bool Tous);
// What a calendar link carries: championship id shl 16, 256 when played,
// the match's index in its date's list.
struct TLienCalendrier {
    int IdChampionnat = 0;
    bool Joue = false;
    int Index = 0;
};
TLienCalendrier LienCalendrier(int32_t Donnee);
// The page a calendar link opens: the scorers sheet (14) with day shl 8 + the
// match's 1-based number when the match is played, else the pre-match sheet
// (19) with day shl 8 + its 0-based index; the match is found in the date's
// list, whatever day the date's round is. False when the championship or the
// match is gone.
bool CibleCalendrier(const TSaison& Saison, TDateMatch Date, const TLienCalendrier& Lien, int& Code, int& Param);

// The players with a team and without first name, age or id; the last
// (hidden) column holds the player's id.
void AfficherListeJoueurs(TModeleGrille& Grille, const TSaison& Saison);
// Rewrites a row of that list from the player of that id; false when the
// season has no such player.
bool RemplitLigneJoueur(TModeleGrille& Grille, int Ligne, const TSaison& Saison, int Id);

// The matches not yet played of days 1 to the last played day; a day with
// more than two thirds of its matches outstanding is left out.
void AfficherListeMatchs(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ);

// Day views.
enum : int { VueResultats = 1, VueSpectateurs = 2, VueDetail = 7 };

// The results of a day: per match a row with the teams' names and ranks
// (links to the team), the score (a link to the match sheet, carrying the
// 1-based match number), the attendance; then the scorers side by side, the
// first row with the first-half score. Nothing for a day outside the calendar.
void AfficherJourneeSimple(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ, int Jour);
// The players of a day for one event kind (1 scorers, 2 booked, 3 sent off,
// 4 assists, 5 tries, 6 conversions, 7 penalty goals, 8 drop goals): per
// team of the day, by name, its players by minute (links carrying their id),
// text 108 for a team without any.
void AfficherJourneeJoueurs(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ, int Jour,
                            int Genre);
// The attendances of a day and the summary line under them.
std::string AfficherJourneeSpectateur(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ,
                                      int Jour);

// Colour indices (report codes) of each kind of line of the detailed report.
struct TCouleursDetail {
    uint8_t Titre = 14;
    uint8_t Info = 15;
    uint8_t Buteur = 15;
    uint8_t Averti = 15;
    uint8_t Exclus = 15;
    uint8_t Effectif = 15;
};
// The detailed report of a day: per match its title, referees, attendance,
// scoring, cards and line-ups. The HTML form sets the matches apart with a
// rule and the titles in bold, as markup around the escaped texts.
void AfficherJourneeDetail(TModeleEditeur& Editeur, const TSaison& Saison, const TDonneesChampionnat& Champ, int Jour,
                           bool PourHtml, const TCouleursDetail& Couleurs = {});

// The top scorer of each team of a basketball day (points of the box score);
// text 108 for a team without entry, and for every team of another sport.
void AfficherJourneeRealisateur(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ,
                                int Jour);

// --- Team views: the teams of the championship over its played days ---

// Each team's latest results as letters (texts 612, 613, 614), oldest to
// newest: 18 in the overall cell and, unless the grounds are neutral, 10 in
// the home and away cells, the home team's letter upper-cased there.
void AfficherFormeEquipe(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ);
// Home points, the most possible and the share dropped, the smallest share
// first; the team cells link to the team (their position).
void AfficherComportementDomicile(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ);
// The team holding position Position after each played day, with its points
// and its gaps to the neighbours; only the header for a position outside the
// table.
void AfficherPlaceOccupee(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ, int Position);
// Each team's best and worst position after days 1 to the last played day.
void AfficherFourchetteClass(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ);
// The 20 most frequent scores of the played matches and the remainder.
void AfficherScoresFrequents(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ);
// A count per team and played day: 1 players sent off, 2 goals, 3 scoring
// events (tries), 4 penalty goals, 5 drop goals; the team cells link to the
// team (their position). On screen a single sending-off is an empty red cell,
// in the HTML form a "1".
void AfficherStatParJournee(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ, int Genre,
                            bool PourHtml);
// The count of the "StatParJournee" keyword's "Type" word (case ignored);
// anything else gives the goals.
int GenreMotCleStatParJournee(const std::string& Type);

// The event kind of the "JourneeJoueurs" keyword's "Type" word (case
// ignored); anything else gives the scorers.
int GenreMotCleJoueurs(const std::string& Type);

// The line the page shows under a view that came out empty for want of data:
// the outstanding matches when none is left, the players sent off per day
// (Stat 1) when the championship has none. The empty text otherwise.
std::string LigneVide(int Genre, int Stat, const TModeleGrille& Grille, const TDonneesChampionnat& Champ);

} // namespace DiversStat
