#pragma once

// The archive of past seasons' results, one file per division in the "stats/"
// folder: a table of team names with the archive's own team numbers and, per
// archived season, the matrix of every home team's result against every away
// team. It knows nothing of the season document: teams are matched by name.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class TLecteurFichier;
class TRedacteurFichier;

// One row of a past season's table, by team index: points, won, drawn, lost,
// goals for, goals against, goal difference.
using TLigneClassementStat = std::array<int, 7>;
// One row of the order: [0] the team index; modes 1-3: [1] points, [2] goal
// difference, [3] goals for, [4] wins; modes 4-6: [1] the sorted column.
using TLigneOrdreStat = std::array<int, 5>;

// One archived season of a division.
class TSaisonStat {
public:
    static constexpr uint8_t NonJoue = 255;
    // The file keeps sizes and counts in one byte.
    static constexpr int MaxEquipes = 255;

    // N teams (clipped to 0..255), every cell not played, points system 0, no team numbers.
    explicit TSaisonStat(int N);
    // The same, then SetAnnee(Annee).
    TSaisonStat(int N, int Annee);

    // Years since 1900; 0 until a valid year (1..199) was set.
    int GetAnnee() const { return Annee_; }
    void SetAnnee(int Annee);
    // The matrix size.
    int GetN() const { return N_; }
    // 0: 3 points a win, 1 a draw; 1: 2 a win, 1 a draw; 2: as 1, plus 1 for
    // every win by 3 goals or more.
    uint8_t GetSystemePoints() const { return SystemePoints_; }
    void SetSystemePoints(uint8_t Systeme) { SystemePoints_ = Systeme; }

    // Appends a team number (0..65535); its index is its row and column.
    // -1 when the number is out of range or 255 numbers are held already.
    int AjouteEquipe(int Numero);
    int GetEquipe(int i) const;
    int NbEquipes() const { return static_cast<int>(Equipes_.size()); }

    void SetScore(int i, int j, uint8_t ButsDomicile, uint8_t ButsExterieur);
    // 255 and 255 when not played or outside 0..N-1.
    void GetScore(int i, int j, uint8_t& ButsDomicile, uint8_t& ButsExterieur) const;
    // By team numbers; 255 and 255 when either is not in this season.
    void GetScoreEquipes(int NumeroDomicile, int NumeroExterieur, uint8_t& ButsDomicile, uint8_t& ButsExterieur) const;
    // Byte k of the matrix (cell k / 2, home goals first); ignored outside.
    void SetOctet(int k, uint8_t Valeur);

    // The season as stored in the archive file.
    std::vector<uint8_t> Serialise() const;

    // Mode 1 total, 2 home, 3 away: the whole table, ordered by points, goal
    // difference, goals for (all descending), then team index. Mode 5 goals
    // for, 6 goals against: only that column, largest first. Mode 4 fills no
    // column. Table has N rows by team index, Ordre N rows in order.
    void CalculeClassement(int Mode, std::vector<TLigneClassementStat>& Table,
                           std::vector<TLigneOrdreStat>& Ordre) const;

private:
    int IndexEquipe(int Numero) const;

    int N_ = 0;
    int Annee_ = 0;
    uint8_t SystemePoints_ = 0;
    std::vector<int> Equipes_;
    std::vector<uint8_t> Matrice_;
};

// One division's archive, one file.
class TStat {
public:
    TStat() = default;

    int GetId() const { return Id_; }
    void SetId(int Id) { Id_ = Id; }
    const std::string& GetNomFichier() const { return NomFichier_; }
    void SetNomFichier(const std::string& NomFichier) { NomFichier_ = NomFichier; }

    // Reads the archive file. False, with the archive unchanged, when the file
    // is missing, unreadable or damaged.
    bool Charge(const std::string& NomFichier);
    // Reads an archive in the file layout, all or nothing: throws EErreurFichier
    // (EFinFichier for a file cut short) and then leaves the archive unchanged.
    void Lit(TLecteurFichier& Lecteur);
    // Writes the whole archive to its file name. The old file is replaced only
    // once the new one is complete; throws EErreurFichier.
    void Sauve() const;
    void Ecrit(TRedacteurFichier& Redacteur) const;

    // The number of a name (case ignored); a missing name is added with the next free number.
    int NumeroEquipe(const std::string& Nom);
    // A present name keeps its number, which is returned; otherwise the name is
    // added with Numero.
    int AjouteNomEquipe(const std::string& Nom, int Numero);
    // -1 when absent.
    int ChercheNumeroEquipe(const std::string& Nom) const;
    // Empty when no name carries that number.
    std::string NomEquipe(int Numero) const;
    std::string NomEquipeIndex(int i) const;
    int NbEquipes() const { return static_cast<int>(Noms_.size()); }

    // Newest first, one season a year: a season of the same year is taken out
    // and handed to Remplacee when given, freed otherwise. Returns the index of
    // the new season.
    int AjouteSaison(std::unique_ptr<TSaisonStat> Saison, std::unique_ptr<TSaisonStat>* Remplacee = nullptr);
    // Takes the season out and returns its former index (-1 when absent); it
    // goes to Retiree when given, is freed otherwise.
    int RetireSaison(const TSaisonStat* Saison, std::unique_ptr<TSaisonStat>* Retiree = nullptr);
    int IndexSaison(const TSaisonStat* Saison) const;
    int NbSaisons() const { return static_cast<int>(Saisons_.size()); }
    TSaisonStat* GetSaison(int i) const;

private:
    std::vector<std::unique_ptr<TSaisonStat>> Saisons_;
    // Team names with their numbers, in the order they came; CleNoms_ finds a
    // name's index by its case-folded form.
    std::vector<std::pair<std::string, int>> Noms_;
    std::unordered_map<std::string, int> CleNoms_;
    int NumeroLibre_ = 0;
    int Id_ = 1;
    std::string NomFichier_;
};

// Every archive of the "stats/" folder.
class TStats {
public:
    // Loads every ".txt" file of the folder, in name order.
    // Returns the names of the files that could not be read; those are not
    // added.
    std::vector<std::string> ChargeDossier(const std::string& Dossier);
    // The archive with that id; when none is held, a new empty one named
    // Dossier + "stat" + Id + ".txt" (another name when that file exists
    // already, so that saving cannot replace it). Nothing is written until Sauve.
    TStat* Ajoute(const std::string& Dossier, int Id);
    TStat* ChercheId(int Id) const;
    TStat* GetStat(int i) const;
    int Count() const { return static_cast<int>(Stats_.size()); }
    int IndexOf(const TStat* Stat) const;

private:
    std::vector<std::unique_ptr<TStat>> Stats_;
};
