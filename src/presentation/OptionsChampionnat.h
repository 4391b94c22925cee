#pragma once

// The championship options dialog without its widgets: every value the
// controls show, loaded from the season's current championship, the
// tie-break criteria with their letter order, the groups of teams as a plain
// tree, and the write-back that stores only what really differs. The dialog
// shows these values and hands back what the user set.

#include <functional>
#include <string>
#include <utility>
#include <vector>

class TDonneesChampionnat;
class TSaison;

class TOptionsChampionnat {
public:
    struct TCritere {
        int Numero = 0; // the letter is 96 + Numero
        bool Coche = false;
    };
    struct TGroupe {
        std::string Nom;
        std::vector<int> Equipes; // team ids, as put in
    };
    struct TEquipe {
        int Id = 0;
        std::string Nom;
    };
    static constexpr int NbCriteres = 15;
    // The criteria the dialog offers, in the list's first order.
    static constexpr int Numeros[NbCriteres] = {1, 3, 4, 7, 8, 9, 10, 11, 13, 14, 17, 18, 19, 20, 21};
    static constexpr const char* NomGroupeNouveau = "Groupe";

    // The season is not owned; its current championship is the one edited.
    explicit TOptionsChampionnat(TSaison& saison);

    TDonneesChampionnat* Championnat() const;
    // Reads every value from the championship (nothing when it has none).
    void Charge();
    // Writes back what differs; the dialog's Tag: 1 when something changed.
    int Valide();

    // Asked before days that hold results are dropped (the first such day
    // given); true to drop them. By default the message box asks.
    std::function<bool(int jour)> ConfirmeReduction;

    // --- Kind and layout ---
    bool Ligue = true;
    bool Coupe = false;
    int Niveau = 1; // option byte 7, read only
    bool International = false;

    // --- Values of the controls ---
    int Europeens = 5, Relegues = 3, LigueChampions = 3, Promotion = 0, Barragistes = 0;
    int MatchsParJour = 0, NbJours = 0;
    int Victoire = 3, Nul = 1, Defaite = 0, Forfait = 0;
    std::string Annees = "2001/02";
    bool SystemeDate = false, SaisieDateJour = false, SaisieDateMatch = false, TerrainsNeutres = false;
    int EquipeSuivie = 0;          // entry of the followed-team list, 0 for none
    std::vector<TEquipe> Equipes;  // the championship's teams in team-array order
    int Portee = 1;                // player rankings: 1, 2 or 3
    int PourcentageArbitre = 0;    // referee byte 4
    bool GestionArbitre = false;   // referee byte 0
    bool ArbitreMemeMatch = false; // referee byte 1
    bool ArbitreMatchs = false;    // referee byte 2 non-zero
    int NbMatchsArbitre = 6;       // its number
    bool ArbitreMois = false;      // referee byte 3 non-zero
    int NbMoisArbitre = 6;         // its number
    int Basket[3] = {0, 0, 0};     // option bytes 16 to 18, kept as they are
    std::string BonusBut, PointBonusBut, BonusEcart;
    bool PetiteFinale = false;

    // --- Division codes of the catalogue ---
    std::vector<std::pair<std::string, int>> Divisions; // text, code; the first is the user's own (code 0)
    int IndexDivision = 0;
    // The entry picked by the user; only then is the division code written.
    void ChoisitDivision(int index);
    bool CodePersoVisible() const { return IndexDivision == 0; }
    std::string CodePerso;

    // The system by date clears both date boxes.
    void ChoisitSystemeDate(bool parDate);

    // --- Tie-break criteria ---
    const std::vector<TCritere>& Criteres() const { return FCriteres; }
    // A letter string as the user types it: each known letter takes its place, checked.
    void AppliqueLettres(const std::string& lettres);
    // The checked criteria's letters in list order.
    std::string Lettres() const;
    void CocheCritere(int i, bool coche);
    // The new position of the moved item (unchanged when it cannot move).
    int MonteCritere(int i);
    int DescendCritere(int i);

    // --- Groups ---
    const std::vector<TGroupe>& Groupes() const { return FGroupes; }
    bool GroupesModifies() const { return FGroupesModifies; }
    int AjouteGroupe();
    void RenommeGroupe(int g, const std::string& nom);
    bool RetireGroupe(int g);
    bool RetireEquipeGroupe(int g, int i);
    // The team into group g (the first when g is none; a new one when there is
    // no group at all); the group it went into, -1 for an unknown team.
    int AjouteEquipeGroupe(int g, int id);

private:
    bool JoursAvecResultats(int apres, int& premier) const;

    TSaison& FSaison;
    std::vector<TCritere> FCriteres;
    std::vector<TGroupe> FGroupes;
    bool FGroupesModifies = false;
    bool FDivisionChoisie = false;
};
