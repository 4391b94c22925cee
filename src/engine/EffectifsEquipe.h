#pragma once

// Squad moves that need no page: archiving a player's season into his career
// history, and moving him to another team or out of every team. The squads
// page and the player search share them.

class TSaison;
class TJoueur;

// The first year of the season (option byte 8 of the current championship:
// year - 1900), 0 without a championship.
int AnneeSaison(const TSaison& saison);

// Archives the player's current season: his statistics are recounted, then
// each championship where he has matches or goals gives one career history
// record of year `annee` + 1900 (`annee` is a year byte, year - 1900), team
// `clubPrec` (an index into the former-club list) and the championship's
// division. A national championship fills the national figures, any other the
// international ones.
void AjouteLignesJoueur(int annee, int clubPrec, TSaison& saison, TJoueur& joueur);

// Moves the player from `ancienneEquipe` to `nouvelleEquipe` (club or national
// team by the season's current championship) as a transfer: his season is
// archived first, then contract 99 (unknown), club shirt 0, arrival the
// season's first year and former club the old team's name (a player without a
// team keeps his). Returns the player as the registry now holds him (a
// namesake already in the new team absorbs him and his match data); null when
// the registry does not hold him.
TJoueur* TransfereJoueur(TSaison& saison, TJoueur& joueur, int ancienneEquipe, int nouvelleEquipe);

// Releases the player from `equipe`: he stays in the season with no team,
// contract 100, arrival the season's first year and that team as former club.
TJoueur* LibereJoueur(TSaison& saison, TJoueur& joueur, int equipe);

// The quick entry's move of a known player to `equipe`: in a club
// championship he leaves his club (its name becomes his former club, arrival
// the season's first year); in an international one he joins that national
// team, his club untouched.
TJoueur* ArriveeJoueur(TSaison& saison, TJoueur& joueur, int equipe);
