#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Personnels.h"

class TXmlWriter;
class TXmlReader;
class TContexteSaison;

class TStade {
public:
    explicit TStade(std::string nom = {}, int capacite = 0, std::string ville = {});

    // Everything but the code (65535) and the photo (none).
    std::unique_ptr<TStade> CreeCopie() const;
    std::string GetNomPays(const TListePays* pays) const;

    // `id` is written as the "ID" attribute unless it is 65535. With a season
    // the country is written by name.
    void SaveToXml(TXmlWriter& ecrivain, int id, const TContexteSaison* saison) const;
    // After the "Stade" start tag (a node of kind 0).
    void LoadFromXml(TXmlReader& lecteur, const TContexteSaison* saison);

    std::string NomStade;
    std::string Ville;
    uint16_t DateConstruction = 0;
    std::string Remarque;
    uint16_t CodePays = 65535;
    int Capacite = 0;
    std::string RecordAffluence;
    int Image = 0;
    uint16_t Code = 65535;
};

// The season's stadiums, ordered by name then town (exact comparison); owns them.
class TStades {
public:
    TStades() = default;
    TStades(const TStades&) = delete;
    TStades& operator=(const TStades&) = delete;

    void Vide() { m_Liste.clear(); }
    std::vector<std::unique_ptr<TStade>> Detache();
    int Nombre() const { return static_cast<int>(m_Liste.size()); }
    TStade* Get(int i) const;
    TStade* ChercheCode(int code) const;
    // Name and, when one is given, town equal case and accents aside.
    TStade* ChercheNomVille(const std::string& nom, const std::string& ville) const;
    // A stadium without a code (65535) gets the next one. With `fusion`, a
    // stadium of the same name and town as one held is freed and the held one's
    // position is returned; use Get on the result.
    int Ajoute(std::unique_ptr<TStade> stade, bool fusion);
    std::unique_ptr<TStade> Retire(const TStade* stade);
    std::vector<TStade*> ListePays(uint16_t code) const;
    std::vector<TStade*> Liste() const;
    bool PaysUtilise(uint16_t code) const;
    int GetMaxCode() const { return m_MaxCode; }

    void SaveToXml(TXmlWriter& ecrivain, const TContexteSaison* saison) const;
    // After the "Stades" start tag.
    void LoadFromXml(TXmlReader& lecteur, const TContexteSaison* saison);

private:
    void NoteCode(int code);

    std::vector<std::unique_ptr<TStade>> m_Liste;
    int m_MaxCode = -1;
};

// What the season knows of a team's club. The stadium and the coach are kept
// by code and id, so deleting either leaves the record pointing at nothing
// rather than at freed memory.
class TRensClub {
public:
    explicit TRensClub(int club = -1);

    // Every field, the stadium and coach included; the copy has no code (65535).
    std::unique_ptr<TRensClub> CreeCopie() const;

    TStade* GetStade(const TStades* stades) const;
    void SetStade(const TStade* stade) { CodeStade = stade ? stade->Code : 65535; }
    TEntraineur* GetEntraineur(const TPersonnels* entraineurs) const;
    void SetEntraineur(const TPersonnel* entraineur) { NumeroEntraineur = entraineur ? entraineur->Numero : -1; }

    // With a season the team, stadium and coach are written by name.
    void SaveToXml(TXmlWriter& ecrivain, const TContexteSaison* saison) const;
    // After the "RensClub" start tag (a node of kind 0). References by name
    // need the season.
    void LoadFromXml(TXmlReader& lecteur, const TContexteSaison* saison);

    int Club;
    std::string Creation;
    std::string CouleurMaillot;
    std::string CouleurRechange;
    uint16_t CodeStade = 65535; // 65535 = none
    std::string Palmares;
    std::string President;
    int NumeroEntraineur = -1; // -1 = none
    std::string SiteInternet;
    int Budget = 0;
    std::string Remarque;
    std::string Statut;
    uint16_t Code = 65535;
};

// One record per team at most, ordered by team id; owns them.
class TRensClubs {
public:
    TRensClubs() = default;
    TRensClubs(const TRensClubs&) = delete;
    TRensClubs& operator=(const TRensClubs&) = delete;

    void Vide() { m_Liste.clear(); }
    std::vector<std::unique_ptr<TRensClub>> Detache();
    int Nombre() const { return static_cast<int>(m_Liste.size()); }
    TRensClub* Get(int i) const;
    TRensClub* ChercheEquipe(int club) const;
    // A record without a code gets the next one. A record for a team that
    // already has one is freed and the held one's position is returned.
    int Ajoute(std::unique_ptr<TRensClub> rens);
    // Creates the team's record with the next code (or hands back the one it has).
    TRensClub* Cree(int club);
    // Coach ids of the records, pair by pair, after coaches were merged.
    void ConvertitEntraineurs(const TListeRenumerotation& renum);
    int GetMaxCode() const { return m_MaxCode; }

    void SaveToXml(TXmlWriter& ecrivain, const TContexteSaison* saison) const;
    // After the "RensClubs" start tag.
    void LoadFromXml(TXmlReader& lecteur, const TContexteSaison* saison);

private:
    int NouveauCode();
    void NoteCode(int code);

    std::vector<std::unique_ptr<TRensClub>> m_Liste;
    int m_MaxCode = -1;
};
