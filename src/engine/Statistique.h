#pragma once

#include <array>
#include <cstdint>

class TDonneesChampionnat;

// One entry of the score frequencies: how many matches ended with that score;
// Score = 8 x first score + second score, each capped at 7.
struct TFrequenceScore {
    uint16_t Frequence = 0;
    uint16_t Score = 0;
};
using TFrequencesScores = std::array<TFrequenceScore, 64>;

// A team's results by match situation, indexed [result][situation][venue]
// from 1: result 1 win, 2 draw, 3 loss; situation 1 scored first, 2 conceded
// first, 3 leading at half-time, 4 level at half-time, 5 trailing at half-time,
// 6 came back (a win after trailing, a loss after leading); venue 1 home, 2 away.
// Only the matches whose goal entries account for the score are classified:
// their count by venue is kept beside the table, for the shares to be taken of.
class TTableSituation {
public:
    static constexpr int Victoire = 1, Nul = 2, Defaite = 3;
    static constexpr int MarquePremier = 1, EncaissePremier = 2, MeneMiTemps = 3, EgaliteMiTemps = 4, MeneeMiTemps = 5,
                         Renversement = 6;
    static constexpr int Domicile = 1, Exterieur = 2;

    // 0 outside the table.
    uint16_t Get(int resultat, int situation, int lieu) const
    {
        return Valide(resultat, situation, lieu) ? Cases[resultat - 1][situation - 1][lieu - 1] : 0;
    }
    void Ajoute(int resultat, int situation, int lieu)
    {
        if (Valide(resultat, situation, lieu))
            ++Cases[resultat - 1][situation - 1][lieu - 1];
    }
    // Classified matches at venue `lieu` (1 or 2), 0 otherwise.
    int GetClasses(int lieu) const { return lieu >= 1 && lieu <= 2 ? Classes[lieu - 1] : 0; }
    void AjouteClasse(int lieu)
    {
        if (lieu >= 1 && lieu <= 2)
            ++Classes[lieu - 1];
    }
    void Vide()
    {
        Cases = {};
        Classes = {};
    }

private:
    static bool Valide(int r, int s, int l) { return r >= 1 && r <= 3 && s >= 1 && s <= 6 && l >= 1 && l <= 2; }
    std::array<std::array<std::array<uint16_t, 2>, 6>, 3> Cases{};
    std::array<uint16_t, 2> Classes{};
};

// Statistics of a championship's played matches.
class TStatistique {
public:
    // The 64 scores, most frequent first; `nombre` = matches counted. On
    // neutral grounds (option 11 bit 2) the larger score goes first.
    static void FrequenceScores(const TDonneesChampionnat& championnat, int& nombre, TFrequencesScores& table);
    // The situation table of team id `equipe`; `nombre` = its played matches,
    // classified or not. A match whose entries leave some of its score out
    // (results typed without a match sheet) gets no situation at all.
    static void CalculEquipe(const TDonneesChampionnat& championnat, uint16_t equipe, TTableSituation& table,
                             int& nombre);
};
