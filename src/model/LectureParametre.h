#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/ListeTextes.h"

// One division of the championship catalogue.
struct TDivisionCfg {
    uint16_t Id = 0;
    uint8_t nEquipe = 0;
    uint8_t PtsVictoire = 3;
    uint8_t PtsNul = 1;
    uint8_t PtsDefaite = 0;
    uint8_t nChampLigue = 0;
    uint8_t nEuropeen = 0;
    uint8_t nPromu = 0;
    uint8_t nRelegue = 0;
    uint8_t nBarragePromu = 0;
    uint8_t nBarrageRelegue = 0;
    std::string NomFichier;
    std::string nom;
    uint16_t nGroupe = 0;
    std::string NomGroupe;
    uint8_t TypeJournee = 0; // 1 when the division's days go by date
    TListeTextes Divisions;  // linked divisions: the "Id" text with its value
    std::string playoff;
};

// One catalogue entry (a country's league system, its cups), with its divisions
// sorted by id.
class TCfgChampionnat {
public:
    TCfgChampionnat(std::string nom, int id);

    void AjouteDivision(TDivisionCfg division);
    int NbDivisions() const { return static_cast<int>(m_Divisions.size()); }
    const TDivisionCfg* GetDivision(int i) const;
    const TDivisionCfg* ChercheDivision(int id) const;

    // The bounds hold the division ids reduced to their last four digits
    // (id mod 10000), as lookups reduce the code they are given.
    int GetIdMin() const { return m_IdMin; }
    int GetIdMax() const { return m_IdMax; }

    std::string nom;
    int Id;

private:
    std::vector<TDivisionCfg> m_Divisions;
    int m_IdMin = 65535;
    int m_IdMax = -1;
};

struct TPointsCfg {
    int Victoire = 3;
    int Nul = 1;
    int Defaite = 0;
    bool operator==(const TPointsCfg&) const = default;
};

// The catalogue of standard competitions, "config/Championnat.fr", read once
// at start-up and only read afterwards (the load and save worker reads it too,
// so nothing here may change once it is built).
class TLectureParam {
public:
    // Reads the file; a missing file, a bad document or a root element other
    // than "config" gives an empty catalogue.
    explicit TLectureParam(const std::string& nomFichier);

    int NbCfg() const { return static_cast<int>(m_Cfg.size()); }
    const TCfgChampionnat* GetCfg(int i) const;

    // The division of a championship code: the first entry whose id range
    // holds code mod 10000 and that has a division of exactly that id.
    const TDivisionCfg* ChercheDivision(int code) const;
    // Field 0 nEquipe, 1 nPromu, 2 nRelegue, 3 nChampLigue, 4 nEuropeen,
    // 5 nBarragePromu, 6 nBarrageRelegue, 7 nGroupe; `defaut` without a division.
    int GetValeur(int code, int champ, int defaut) const;
    int GetNbEquipe(int code) const { return GetValeur(code, 0, 18); }
    int GetNbPromu(int code) const { return GetValeur(code, 1, 0); }
    int GetNbRelegue(int code) const { return GetValeur(code, 2, 0); }
    int GetNbChampLigue(int code) const { return GetValeur(code, 3, 0); }
    int GetNbEuropeen(int code) const { return GetValeur(code, 4, 0); }
    int GetNbBarragePromu(int code) const { return GetValeur(code, 5, 0); }
    int GetNbBarrageRelegue(int code) const { return GetValeur(code, 6, 0); }
    int GetNbGroupe(int code) const { return GetValeur(code, 7, 0); }
    TPointsCfg GetPoints(int code) const;

    std::string GetNom(int code) const;
    std::string GetNomFichier(int code) const;
    // The group name of a division that has groups, else its name.
    std::string GetNomDivision(int code) const;
    // "entry : division".
    std::string GetNomComplet(int code) const;
    int IndexCfg(int code) const;
    std::string GetNomCfg(int code) const;

    const TCfgChampionnat* GetCfgId(int id) const;
    // The entry's name, else entry 0's (the user's own championships).
    std::string GetNomEntree(int id) const;
    std::string GetNomGroupe(int id) const { return GetNomEntree(id); }
    // The first entry whose id range holds the value as it is.
    const TCfgChampionnat* ChercheCfg(int valeur) const;

    // Each entry's name with its id.
    void RemplitListe(TListeTextes& liste) const;
    // "entry : division" with the division id, for every named division.
    void RemplitListeDivisions(TListeTextes& liste) const;
    // The named divisions of one entry with their ids.
    void RemplitListeDivisionsCfg(int id, TListeTextes& liste) const;
    void ListeDivisions(int id, TListeTextes& liste) const { RemplitListeDivisionsCfg(id, liste); }

private:
    int IndexDivision(int code, const TDivisionCfg** division) const;

    std::vector<std::unique_ptr<TCfgChampionnat>> m_Cfg;
};

// The program's one catalogue: set at start-up, null before.
const TLectureParam* LectureParam();
void DefinitLectureParam(std::unique_ptr<TLectureParam> catalogue);
