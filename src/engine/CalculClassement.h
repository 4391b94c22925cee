#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class TContexteSaison;
class TDonneesChampionnat;
class TDonneesEvt;
class TListeDonnees;
class TModeleGrille;

// The standings engine of one championship of a season. A page makes one,
// computes a kind over a range of days (Calcule) and reads the sorted table
// (GetClassement) or the per-team totals (GetTotal). Nothing is stored: every
// table is computed from the championship's matches, events and penalties.
//
// Three tables of signed 16-bit cells, one row per team slot of the
// championship at creation, columns numbered from 1:
// - raw (12 columns, by team index): 1-3 home wins, draws, losses; 4-5 home
//   for, against; 6-8 away wins, draws, losses; 9-10 away for, against;
//   11-12 bonus count earned at home, away;
// - totals (10 columns, by team index): 1 points or the kind's value; 2-4 wins,
//   draws, losses (basketball: 3 = win ratio in thousandths); 5-6 for,
//   against; 7 difference; 8-9 scoring events for, against; 10 bonus count;
// - standings (13 columns, by place from row 0): column 1 the team index, 2 the
//   kind's value; the general kinds also fill 3 difference, 4 for, 5-7 wins,
//   draws, losses, 8 against, 9-10 scoring events, 11-12 tie numbers,
//   13 scoring-event difference. Kind 7: 3 yellow, 4 red cards. Kind 8:
//   2 and 3 the low and high 16 bits of the average attendance.
// Sums wrap at 16 bits, as the stored standings always did.
class TCalculClassement {
public:
    static constexpr int NbColBrut = 12;
    static constexpr int NbColTotal = 10;
    static constexpr int NbColClassement = 13;

    // Kinds of ranking shared with the pages.
    enum Genre : int {
        General = 1,
        Domicile = 2,
        Exterieur = 3,
        Anglais = 4,
        Attaque = 5,
        Defense = 6,
        Discipline = 7,
        Affluence = 8,
        GeneralDetaille = 9, // general with the home and away blocks (points 2 / 1 / 0)
        AttaqueDomicile = 10,
        DefenseDomicile = 11,
        AttaqueExterieur = 12,
        DefenseExterieur = 13,
        PointsPerdusDomicile = 20,
        PenaltysMarques = 30,
        PenaltysEncaisses = 31,
        EvenementsMarques = 40, // goals, tries
        EvenementsEncaisses = 41,
        PenalitesMarquees = 42, // rugby penalty goals
        PenalitesEncaissees = 43,
        DropsMarques = 44,
        DropsEncaisses = 45,
        PremierBasket = 50, // 50, 52, ..., 68: basketball box-score statistics
        DernierBasket = 68,
        PremiereSituation = 100, // 100-114: results by match situation
        DerniereSituation = 114,
        AgeEquipe = 115,
    };

    // Neither is owned; both must outlive the engine. The season names the
    // teams and holds the players; it may be null (names are then empty).
    TCalculClassement(const TDonneesChampionnat* championnat, const TContexteSaison* saison);
    virtual ~TCalculClassement() = default;
    TCalculClassement(const TCalculClassement&) = delete;
    TCalculClassement& operator=(const TCalculClassement&) = delete;

    // Computes and sorts kind `genre` over days premierJour..dernierJour. With
    // a filter (team indexes), only matches between two listed teams count.
    // The raw counts are cleared only when premierJour is 1: calls with
    // premierJour = dernierJour = d for d = 1, 2, ... give the standings after
    // each day in turn.
    void Calcule(int genre, int premierJour, const std::vector<int>* filtre, int dernierJour);
    // Adds the matches of days premierJour..dernierJour to the raw table
    // (cleared first when premierJour is 1).
    void CalculeBrut(int premierJour, int dernierJour, const std::vector<int>* filtre);
    // Head-to-head table: raw count over the days with the filter, plain points,
    // then rows sorted on column |cle| (cle < 0: smaller first), equal rows
    // numbered in column 11 from `compteur`.
    void CalculeSimple(int genre, int premierJour, int& compteur, int cle, const std::vector<int>* filtre,
                       int dernierJour);
    // Clears the raw table (and the record of the days it covers).
    void VideBrut();

    // Computes kind `genre` over days premierJour..dernierJour (from cleared
    // raw counts whatever the first day) and fills the grid: headings, one row
    // per club with place, crest and name, the kind's values, zone lines and
    // the followed team (option 10). Kind 9 adds the home and away blocks and
    // fills `grille2` with their two headings; other kinds hide it. A filter
    // (team indexes) only hides rows. With `afficheTitre`, `panneau` receives
    // the kind's title. Every cell of a club's row carries the team id
    // (GetDonnee); kinds 8 and 100-114 make the name a link. Afterwards the
    // tables hold the last kind computed (kind 3 after kind 9).
    void Affiche(int genre, TModeleGrille& grille, const std::vector<int>* filtre, std::string* panneau,
                 bool afficheTitre, int dernierJour, int premierJour = 1, TModeleGrille* grille2 = nullptr);

    // Cells; 0 outside the table, and the setters then do nothing.
    int16_t GetBrut(int equipe, int colonne) const;
    void SetBrut(int equipe, int colonne, int16_t valeur);
    int16_t GetTotal(int equipe, int colonne) const;
    void SetTotal(int equipe, int colonne, int16_t valeur);
    int16_t GetClassement(int ligne, int colonne) const;
    void SetClassement(int ligne, int colonne, int16_t valeur);
    // Average attendance of standings row `ligne` after kind 8.
    uint32_t GetAffluenceMoyenne(int ligne) const;

    void EchangeLignes(int ligne1, int ligne2);
    static bool DansListe(int equipe1, int equipe2, const std::vector<int>& liste);
    std::string GetNomEquipe(int equipe) const;

    int GetNbEquipe() const { return NbEquipe; }
    const TDonneesChampionnat* GetChampionnat() const { return Championnat; }
    const TContexteSaison* GetSaison() const { return Saison; }
    // Caption loaded at creation (column headings and kind titles); empty for
    // an id that is not one of them.
    const std::string& GetLibelle(int id) const;

private:
    using LigneBrut = std::array<int16_t, NbColBrut>;
    using LigneTotal = std::array<int16_t, NbColTotal>;
    using LigneClassement = std::array<int16_t, NbColClassement>;

    // A match of a counted day, by team index, kept for the head-to-head
    // tables whatever the filter of the count.
    struct TMatchCompte {
        int16_t Dom, Ext;
        uint16_t Buts1, Buts2;
    };

    int Index(int id) const;
    void PrepareIndex();
    void CompteJour(int jour, const std::vector<int>* filtre, bool bonus);
    void CompteMatch(std::vector<LigneBrut>& brut, int e1, int e2, int s1, int s2, bool bonus) const;
    void TotauxGeneraux(int genre);
    void Points(int genre);
    void Penalites();
    const TListeDonnees* ListeEvenements(int genre, int jour) const;
    static bool EvenementCompte(int genre, const TDonneesEvt& e);
    void EvenementsPour(int genre, int colonne);
    void EvenementsContre(int genre, int colonne);
    void CalculeDiscipline();
    void CalculeAffluence();
    void CalculeBasket(int genre);
    void CalculeSituations(int genre);
    void CalculeAge();
    void TableTete(int genre, int& compteur, int cle, const std::vector<LigneBrut>& brut,
                   std::vector<LigneTotal>& totaux, std::vector<LigneClassement>& classement) const;
    std::string TexteValeur(int genre, int ligne) const;
    void AfficheBlocs(TModeleGrille& grille, const std::vector<int>& ordre, int premierJour, int dernierJour);

    void Trie(int genre);
    void TriSimple(int colonne);
    void TriDiscipline();
    void TriGeneral(int genre);
    bool PasseLettre(int genre, char lettre);
    void TriTete(int genre, int debut, int fin, int colonne, int sens, int& compteur);
    static void TriLignes(std::vector<LigneClassement>& table, int debut, int fin, int colonne, int sens,
                          int& compteur);
    void ChargeNoms();

    int NbEquipe;
    std::vector<LigneClassement> Classement;
    std::vector<LigneTotal> Totaux;
    std::vector<LigneBrut> Brut;
    const TDonneesChampionnat* Championnat;
    const TContexteSaison* Saison;
    std::vector<std::pair<int, std::string>> Libelles;

    // Days counted into the raw table since it was last cleared: the awarded
    // results and the head-to-head tables follow exactly those days.
    std::vector<bool> JoursComptes;
    // Every match of those days, each day once, in the order counted.
    std::vector<TMatchCompte> MatchsComptes;
    // Scratch tables of the head-to-head sort, kept to spare an allocation
    // per tie group.
    std::vector<LigneBrut> TeteBrut;
    std::vector<LigneTotal> TeteTotaux;
    std::vector<LigneClassement> TeteClassement;
    std::vector<char> DansGroupe;
    // Team index by team id (-1 none) for the computation in progress.
    std::vector<int16_t> IndexParId;
    // Team names of the sort in progress.
    std::vector<std::string> Noms;
};

// Heading cell of the standings and rankings grids: black on $DFCF20.
void AfficheTitreGrille(TModeleGrille& grille, int colonne, const std::string& texte, bool aGauche);
// Puts crest `logo` (0 none) in a cell: its number, and its picture when the
// crest catalogue has one.
void AfficheBlason(TModeleGrille& grille, int colonne, int ligne, int logo);
// The in-cell bars of the standings and rankings grids.
void BarresGrille(TModeleGrille& grille, int colonne);
