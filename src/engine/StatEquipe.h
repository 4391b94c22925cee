#pragma once

// What the team statistics page shows of one team of a championship,
// computed without any widget so that the page, its HTML rendering and the
// tests share one road: the route walk (match lines, the four charts, points
// per opponent, attendance, biggest scores), the standings figures with the
// series report, the goals by time and the score-evolution texts.

#include "base/Utilities.h" // TColor ($00BBGGRR)

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TDonneesChampionnat;
class TContexteSaison;
class TListeTemps;
class TRensClub;
class TSaison;

namespace StatEquipe {

// Result check boxes: a result whose box is unchecked gets no line and no bar.
struct TFiltreResultats {
    bool Victoires = true;
    bool Nuls = true;
    bool Defaites = true;
};

// A clickable match line: Tag = match + 1 + (day shl 8), the navigation
// parameter of the scorers sheet.
struct TLigneMatch {
    std::string Texte;
    int Tag = 0;
    TColor Couleur = 0;
};

// A chart point with the colours of its bar (both 0: the series' colour).
struct TPointGraphe {
    int X = 0;
    int Y = 0;
    TColor Couleur1 = 0;
    TColor Couleur2 = 0;
};

// A biggest-score record: own and opponent goals, -1 while never set.
struct TRecordScore {
    int Pour = -1;
    int Contre = -1;
    int Jour = 0;
    uint16_t Equipe = 65535;
    uint16_t Adversaire = 65535;
    bool Fixe() const { return Pour >= 0; }
};

enum : int { RecordDomPour = 0, RecordDomContre = 1, RecordExtPour = 2, RecordExtContre = 3 };

struct TParcours {
    bool SansLieu = false; // neutral grounds: everything is "home"
    std::vector<TLigneMatch> Domicile, Exterieur;

    // Point counts of the charts (form and result, score, attendance).
    int NbPointsForme = 0;
    int NbPointsScore = 0;
    int NbPointsSpect = 0;
    std::vector<TPointGraphe> Forme;    // X, form value (point 0 at 40)
    std::vector<TPointGraphe> Resultat; // bars at 3 win, 2 draw, 1 defeat
    std::vector<TPointGraphe> Score;    // 3X-3 gap, 3X-2 own goals, 3X-1 opponent goals
    std::vector<TPointGraphe> SpectDomicile, SpectExterieur, SpectAdversaire;

    // Per opponent position.
    std::vector<int> PointsPris;
    std::vector<int> MatchsContre;

    int SommeSpect = 0, NbSpect = 0, MaxSpect = 0, MinSpect = 999999;
    std::array<TRecordScore, 4> Records{};
};

// The route walk of team position `equipe`. Points per opponent, records and
// attendance figures count every played match whatever the filter.
TParcours CalculeParcours(const TDonneesChampionnat& Champ, const TContexteSaison& Saison, int Equipe,
                          const TFiltreResultats& Filtre = {});

// The attendance labels: average, maximum, minimum ("-" when none), total.
struct TTextesSpect {
    std::string Moyenne, Maximum, Minimum, Total;
};
TTextesSpect TextesSpectateurs(const TParcours& P);

// A record's label: "key ( own-opponent : a - b )", "-" when never set.
std::string TexteRecord(const TRecordScore& R, bool Marque, const TContexteSaison& Saison);

// "points/maximum" against each opponent, in team order, the team itself left out:
// (position, text) pairs.
std::vector<std::pair<int, std::string>> PointsParAdversaire(const TDonneesChampionnat& Champ, const TParcours& P,
                                                             int Equipe);

// --- Standings tab ---
struct TBoiteClassement {
    std::string Place; // text 166 for the leader, else text 139 with the position
    int Position = 0;
    int Victoires = 0, Nuls = 0, Defaites = 0, Pour = 0, Contre = 0;
    int RangAttaque = 0, RangDefense = 0;
};
struct TClassementEquipe {
    std::array<TBoiteClassement, 3> Boites{}; // general, home, away
    std::vector<std::string> Series;          // the series report's lines
};
TClassementEquipe RemplitClassement(const TDonneesChampionnat& Champ, const TContexteSaison& Saison, int Equipe);

// --- Goals by time ---
using TTranches = std::array<int, 22>; // slice i: minutes 5i to 5i+4
TTranches CompteButsMarques(const TDonneesChampionnat& Champ, uint16_t Id);
TTranches CompteButsEncaisses(const TDonneesChampionnat& Champ, uint16_t Id);
// Band i (1 to 7): quarters of an hour, slices 3i-3 to 3i-1 added.
int QuartHeure(const TTranches& T, int Bande);

// --- Score evolution (venue 1 all, 2 home, 3 away) ---
std::array<std::string, 26> RemplitEvolutionScore(const TDonneesChampionnat& Champ, const TContexteSaison& Saison,
                                                  uint16_t Id, int Lieu);
// count x 100 / total at 3 significant digits and 2 decimals, with "%".
std::string Pourcentage(int Nombre, int Total);

// --- Playing time ---
// Adds to the records of Liste what the recorded line-ups of team position
// `Equipe` give over days 1 to the last played one: starters play 90
// minutes, a substitution at minute m (1 to 90) moves 90 - m minutes from the
// player taken off to the one who came on, a sending-off at minute m takes
// 90 - m minutes off. Days whose line-up was not entered and players without
// a record are passed over.
void CompteTempsJeu(const TDonneesChampionnat& Champ, int Equipe, TListeTemps& Liste);
// The playing time of the players of team position `Equipe` of the current
// championship, one record per player of the team's list in list order; the
// season's player statistics are recounted first. Empty when the team has no
// player (or there is no current championship).
std::unique_ptr<TListeTemps> CalculeTempsJeu(TSaison& Saison, int Equipe);

// --- Club information ---
// A list entry of the club tab: its text and its object (a stadium code or a
// coach id; 65535 for the first entry, "none").
struct TEntreeListe {
    std::string Texte;
    int Objet = 65535;
};
// Text 108 first, then every stadium as "name (city)" with its code.
std::vector<TEntreeListe> EntreesStades(const TSaison& Saison);
// Text 108 first, then every coach's full name with his id.
std::vector<TEntreeListe> EntreesEntraineurs(const TSaison& Saison);

// What the club tab shows and edits of a team's club record. Stade and
// Entraineur name the entry to select by its object; -1 selects none.
struct TChampsClub {
    std::string Creation, CouleurMaillot, CouleurRechange, Palmares, SiteInternet, Budget, President, Statut, Remarque;
    int Stade = 65535;
    int Entraineur = 65535;
    bool AvecFiche = false; // the team has a club record
};
// The record's values; without a record empty texts, budget "0" and the
// first entries. A stadium or coach not set or no longer held selects none.
TChampsClub LitClub(const TSaison& Saison, uint16_t Equipe);
// Writes the fields into the team's record, created with the next code when
// it has none (a budget that is not a number stores 0). A stadium or coach
// object naming none (65535, -1 or unknown) clears it; a coach set gets the
// team as his club. The record written.
TRensClub* EcritClub(TSaison& Saison, uint16_t Equipe, const TChampsClub& Champs);

} // namespace StatEquipe
