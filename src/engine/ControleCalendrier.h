#pragma once

// Completion of a calendar from its earlier days (a league's return half, a
// cup round's later legs and games) and the check of a day's entries.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TContexteSaison;
class TDonneesChampionnat;
class TInfoComp;

namespace ControleCalendrier {

// Fills the empty slots of day `cible` with the matches of day `source`, home
// and away swapped. A pairing whose teams already play on `cible` is skipped,
// so nothing there is replaced. True when a match was added.
bool CopierJourneeInversee(TDonneesChampionnat& c, int source, int cible);

// The return half of a league: with `decale`, day h + k mirrors day k + 1 and
// the last day mirrors day 1; otherwise day h + k mirrors day k (h = days / 2).
bool CompleteChampionnat(TDonneesChampionnat& c, bool decale);

// The next leg or game of the round of `jourCourant` from the round's first
// day, for the ties still open: nothing at or after the cup's last day, and
// nothing for a tie already decided or whose teams already play that day.
bool CompleteCoupe(TDonneesChampionnat& c, int jourCourant);

// What the completion asks of the results page.
struct TActionsCompletion {
    std::function<void()> Enregistre;            // writes the rows into the model
    std::function<void(int jour)> ChangeJournee; // moves the page to that day (saves and reloads)
    std::function<void()> Modifie;               // the page's modification notice
    std::function<void()> RechargeJournee;       // loads the day again (from the completion)
};

// The "complete the calendar" command: `depuisBouton` false when the page runs
// it by itself on showing a cup day. A league asks text 1244 (Yes: shifted
// return half; No: plain mirror; any other answer: nothing). A cup day that
// changed is loaded again, whoever asked. True when the calendar changed.
bool CompleterCalendrier(TDonneesChampionnat& c, bool depuisBouton, const TActionsCompletion& actions);

// One line of the verification window.
struct TLigneVerification {
    std::string Texte;
    uint32_t Couleur = 0; // $00BBGGRR
    int Gauche = 10;
    int Haut = 0;
    // A fault against the score or the match's length, not a missing entry.
    bool Defaut = false;
};

struct TVerification {
    std::vector<TLigneVerification> Lignes;
    int NbControles = 0; // matches examined
    std::string Resume;
};

constexpr uint32_t CouleurLigneImpaire = 0x80FF80;
constexpr uint32_t CouleurLignePaire = 0xFFFF00;

// Appends a line: the colours alternate from CouleurLigneImpaire, one line
// every 15 pixels.
void AjouterLigneVerification(const std::string& texte, int& compteur, int& bascule,
                              std::vector<TLigneVerification>& lignes);

// The minutes of match `m` of day `jour`, added time left out (as the event
// minutes are entered): football 90, rugby 80, and with extra time, on the
// cup days where a level score leads to it, 120 and 100; basketball 48 and
// five for each overtime period with a score.
int DureeMatch(const TDonneesChampionnat& c, int jour, const TInfoComp& m);

// The check of day `jour`: one line per problem of each examined match, then
// one per goal or card of it whose minute lies beyond the match's length, and
// the summary (text 159 for 0 or 1 match examined, else 160). The faults
// (scorers against the score, minutes past the end) are listed first.
TVerification VerifieJournee(const TDonneesChampionnat& c, const TContexteSaison& saison, int jour);

// The same check over every day of the championship, each line led by its
// day (text 151), the faults of all days first; the summary counts the
// matches examined on all days.
TVerification VerifieChampionnat(const TDonneesChampionnat& c, const TContexteSaison& saison);

} // namespace ControleCalendrier
