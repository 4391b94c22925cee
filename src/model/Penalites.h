#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A point adjustment or a result set by hand.
struct TPenalite {
    static constexpr uint8_t ResultatManuel = 1; // value 1 - value 2 is the score of team 1 - team 2
    static constexpr uint8_t ResultatAttribue = 2;
    static constexpr uint8_t Retrait = 3; // value 1 points deducted from team 1
    static constexpr uint8_t Ajout = 4;   // value 1 points added to team 1

    uint16_t Equipe1 = 0;
    uint16_t Equipe2 = 0; // 0 for a points adjustment
    uint8_t Valeur1 = 0;
    uint8_t Valeur2 = 0;
    uint8_t Journee = 0; // 0 for an adjustment of the standing itself
    uint8_t Type = 0;
};

// Kept in day order, the newest first within a day.
class TPenalites {
public:
    void Vide() { Items.clear(); }
    int Nombre() const { return static_cast<int>(Items.size()); }
    TPenalite* Get(int i) const { return i >= 0 && i < Nombre() ? Items[i].get() : nullptr; }
    TPenalite* Ajoute(uint16_t equipe1, uint16_t equipe2, uint8_t valeur1, uint8_t valeur2, uint8_t journee,
                      uint8_t type);
    // Appended as it stands: a file's records are already in day order.
    TPenalite* AjouteFin(const TPenalite& p);
    TPenalite* AjouteMatch(uint16_t equipe1, uint16_t equipe2, uint8_t valeur1, uint8_t valeur2, uint8_t journee)
    {
        return Ajoute(equipe1, equipe2, valeur1, valeur2, journee, TPenalite::ResultatManuel);
    }
    // Adds points (negative: deducts) to the team's one net record of day 0.
    void AjoutePoints(uint16_t equipe, int points);
    std::vector<TPenalite*> GetJournee(int journee) const;
    TPenalite* Cherche(uint16_t equipe1, uint16_t equipe2, int journee) const;
    void SupprimeJournee(int journee);

private:
    std::vector<std::unique_ptr<TPenalite>> Items;
};

// A named group of teams.
class TGroupeEquipe {
public:
    explicit TGroupeEquipe(std::string nom = {}) : NomGroupe(std::move(nom)) {}
    void AjouteEquipe(int id);
    int NbEquipe() const { return static_cast<int>(Equipes.size()); }
    int GetEquipe(int i) const { return i >= 0 && i < NbEquipe() ? Equipes[i] : -1; }

    std::string NomGroupe;

private:
    std::vector<int> Equipes;
};

// One day of a cup: its round, its matches and the round type in the low
// nibble of TypeMatch with the leg bits above (0x40 first leg, 0x80 second
// leg, 0xC0 third match of a tie; 0x10 | (game - 1) << 5 for a game of a series).
struct TTourCoupeJour {
    uint16_t nTour = 0;
    uint16_t NbMatch = 0;
    uint32_t TypeMatch = 0;

    int TypeTour() const { return TypeMatch & 0x0F; }
};

// One round of a play-off between divisions.
class TTourCoupe {
public:
    struct TAppariement {
        uint16_t Premier = 0;
        uint16_t Second = 0;
        uint16_t Valeur3 = 0;
        uint16_t Valeur4 = 0;
    };
    TTourCoupe(int numero, int nbMatch, int type);
    // The new filled count, -1 when the round is full.
    int AjouteMatch(uint16_t premier, uint16_t second, uint16_t valeur3, uint16_t valeur4);
    const std::vector<TAppariement>& GetMatchs() const { return Matchs; }
    std::vector<TAppariement>& GetMatchs() { return Matchs; }
    int GetNumero() const { return Numero; }
    int GetNbMatch() const { return static_cast<int>(Matchs.size()); }
    int GetNbRemplis() const { return Remplis; }
    int GetType() const { return Type; }

private:
    int Numero;
    int Remplis = 0;
    int Type;
    std::vector<TAppariement> Matchs;
};

// A play-off between divisions.
class TDonneesBarrage {
public:
    struct TPlaces {
        int Min = 0;
        int Max = 0;
        bool operator==(const TPlaces&) const = default;
    };
    struct TDivision {
        int Code = 0;
        std::vector<TPlaces> Places;
    };
    static constexpr int NbOptions = 19;

    TDonneesBarrage() = default;
    // A copy with its own rounds, for an editor that may still be cancelled.
    std::unique_ptr<TDonneesBarrage> Copie() const;

    uint8_t GetOption(int i) const { return i >= 0 && i < NbOptions ? Options[i] : 0; }
    void SetOption(int i, uint8_t b)
    {
        if (i >= 0 && i < NbOptions)
            Options[i] = b;
    }
    void AjouteDivision(std::vector<TPlaces> places, int code);
    void SetPlacesDivision(std::vector<TPlaces> places, int code);
    int NbDivision() const { return static_cast<int>(Divisions.size()); }
    TDivision* GetDivision(int i) { return i >= 0 && i < NbDivision() ? &Divisions[i] : nullptr; }
    const TDivision* GetDivision(int i) const { return i >= 0 && i < NbDivision() ? &Divisions[i] : nullptr; }
    TTourCoupe* AjouteTour(int nbMatch, int type);
    int NbTour() const { return static_cast<int>(Tours.size()); }
    // Round n (1-based), nil outside.
    TTourCoupe* GetTour(int n) const { return n >= 1 && n <= NbTour() ? Tours[n - 1].get() : nullptr; }

    int TypeGroupe = 0;
    int Code = 0;
    uint16_t MoitiePoint = 0;
    uint16_t CodePerso = 0;

private:
    uint8_t Options[NbOptions] = {};
    std::vector<TDivision> Divisions;
    std::vector<std::unique_ptr<TTourCoupe>> Tours;
};
