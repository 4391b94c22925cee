#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/ListeTextes.h"

class TXmlWriter;
class TXmlReader;
class TContexteSaison;
class TListePays;

// One (old id, new id) pair: a newcomer that merged into a person already held
// hands its id over to the one kept. Importers and loaders collect them and the
// season replaces the old ids in every championship.
struct TRenumerotation {
    int Ancien = 0;
    int Nouveau = 0;
    bool operator==(const TRenumerotation&) const = default;
};
using TListeRenumerotation = std::vector<TRenumerotation>;

// The pairs applied one after the other, as one lookup: an id a later pair
// renames again ends where the last pair sends it. Without `zero`, pairs from
// id 0 (no person) are left out.
class TRenumeroteur {
public:
    explicit TRenumeroteur(const TListeRenumerotation& paires, bool zero = true);
    int Applique(int id) const;

private:
    std::vector<TRenumerotation> Table; // sorted by old id
};

// A person of the season: player, referee or coach.
class TPersonnel {
public:
    TPersonnel() = default;
    TPersonnel(std::string nom, std::string prenom, uint8_t age, int numero);
    virtual ~TPersonnel() = default;

    // Names, age, id and country; what a subclass adds is not copied.
    virtual std::unique_ptr<TPersonnel> CreeCopie() const;

    // `id` is written as the "ID" attribute unless it is 65535. With a season,
    // the country is written by name ("CodePays2"), otherwise by number.
    virtual void SaveToXml(TXmlWriter& ecrivain, int id, const TContexteSaison* saison) const;
    // Called after the element's start tag (a node of kind 0); reads the
    // children up to the end tag.
    virtual void LoadFromXml(TXmlReader& lecteur, const TContexteSaison* saison);

    std::string GetNomComplet() const; // "Nom Prenom", or the surname alone
    // Every display that puts the first name first goes through here.
    std::string GetPrenomNom() const; // "Prenom Nom", or the surname alone
    // The name (surname first or not) followed by " (country)" when the country has a name.
    std::string GetLibelle(const TListePays* pays, bool nomDabord = true) const;
    std::string GetPays(const TListePays* pays) const;

    std::string Nom;
    std::string Prenom;
    uint8_t Age = 0;
    uint16_t CodePays = 65535;
    int Numero = -1;
    int Image = 0;

protected:
    TPersonnel(const TPersonnel&) = default;
    TPersonnel& operator=(const TPersonnel&) = default;

    virtual void Reinitialise();
    // Dispatch of one child element of the person's own element; false when the
    // name is not one of its children (the caller then skips it).
    virtual bool LitEnfantXml(TXmlReader& lecteur, int genre, const TContexteSaison* saison);
    void EcritIdentiteXml(TXmlWriter& ecrivain, const TContexteSaison* saison, bool complet) const;
    void LitEnfantsXml(TXmlReader& lecteur, const TContexteSaison* saison);
};

// Per-championship statistic values of a person, keyed by the championship's
// 1-based number in the season.
class TListeStat {
public:
    explicit TListeStat(uint16_t cle) : Cle(cle) {}
    virtual ~TListeStat() = default;
    virtual int GetValeur(int i) const = 0;
    virtual void SetValeur(int i, int valeur) = 0;
    virtual std::unique_ptr<TListeStat> Copie() const = 0;
    uint16_t Cle;
};

// Football: 0 appearances, 1 goals (penalties given for a referee).
class TListeStatFootball : public TListeStat {
public:
    using TListeStat::TListeStat;
    int GetValeur(int i) const override;
    void SetValeur(int i, int valeur) override;
    std::unique_ptr<TListeStat> Copie() const override;

private:
    uint16_t m_Valeurs[2] = {0, 0};
};

// Card counts of one championship (and, for football players, assists).
struct TCartonsStat {
    uint16_t Passes = 0;
    uint16_t Avertissements = 0;
    uint16_t Expulsions = 0;
    uint16_t Cle = 0;
};

// A person with per-championship statistics; referees are of this class. The
// statistics are recounted by the season from the match events and are not saved.
class TPersonnelStat : public TPersonnel {
public:
    using TPersonnel::TPersonnel;
    TPersonnelStat() = default;
    ~TPersonnelStat() override;

    std::unique_ptr<TPersonnel> CreeCopie() const override;

    int GetStat(uint16_t cle, int i) const;
    void SetStat(uint16_t cle, int i, int valeur);
    int TotalStat(int i) const;

    int GetMatchs(uint16_t cle) const { return GetStat(cle, 0); }
    void SetMatchs(uint16_t cle, int valeur) { SetStat(cle, 0, valeur); }
    int TotalMatchs() const { return TotalStat(0); }

    int GetAvertissements(uint16_t cle) const;
    void SetAvertissements(uint16_t cle, int valeur);
    int TotalAvertissements() const;
    int GetExpulsions(uint16_t cle) const;
    void SetExpulsions(uint16_t cle, int valeur);
    int TotalExpulsions() const;

    // The short names the pages use: matches and goals (penalties given, for a
    // referee) of one championship and over all of them.
    int GetNbMatch(uint16_t cle) const { return GetMatchs(cle); }
    int GetNbMatchTotal() const { return TotalMatchs(); }
    int GetNbBut(uint16_t cle) const { return GetStat(cle, 1); }
    int NbButTotal() const { return TotalStat(1); }
    int TotalMatch() const { return TotalMatchs(); }
    int TotalBut() const { return TotalStat(1); }

    // Frees the card records; `tout` frees the statistic records too, otherwise
    // every value but the appearances goes back to 0.
    void VideStats(bool tout);

    int NbListesStat() const { return static_cast<int>(m_Stats.size()); }
    const TListeStat* GetListeStat(int i) const;

protected:
    TPersonnelStat(const TPersonnelStat& autre);
    // The statistic record of this person's sport.
    virtual std::unique_ptr<TListeStat> CreeListeStat(uint16_t cle) const;
    const TCartonsStat* ChercheCartons(uint16_t cle) const;
    TCartonsStat& CartonsPour(uint16_t cle);
    int TotalCartons(uint16_t TCartonsStat::*champ) const;

    std::vector<TCartonsStat> m_Cartons;
    std::vector<std::unique_ptr<TListeStat>> m_Stats;
};

// A coach: current club (team id) and previous club (index in the season's
// former clubs).
class TEntraineur : public TPersonnel {
public:
    using TPersonnel::TPersonnel;
    TEntraineur() = default;

    std::unique_ptr<TPersonnel> CreeCopie() const override;
    void SaveToXml(TXmlWriter& ecrivain, int id, const TContexteSaison* saison) const override;

    uint16_t ClubActuel = 65535;
    uint16_t ClubPrec = 65535;

protected:
    TEntraineur(const TEntraineur&) = default;
    void Reinitialise() override;
    bool LitEnfantXml(TXmlReader& lecteur, int genre, const TContexteSaison* saison) override;
};

// Referees or coaches, sorted by surname then first name; owns its persons.
class TPersonnels {
public:
    TPersonnels() = default;
    TPersonnels(const TPersonnels&) = delete;
    TPersonnels& operator=(const TPersonnels&) = delete;

    void Vide();
    int Nombre() const { return static_cast<int>(m_Liste.size()); }
    TPersonnel* Get(int i) const;

    // Inserts in name order and returns the position. A person with the same
    // names (case and accents aside) is a duplicate: the newcomer is freed, a
    // pair {its id, kept id} goes to `renum` (when its id is above 0) and the
    // kept person's position is returned. -1 for a null person.
    int Ajoute(std::unique_ptr<TPersonnel> personne, TListeRenumerotation* renum = nullptr);
    // Takes the person out without freeing it; null when it is not held.
    std::unique_ptr<TPersonnel> Retire(const TPersonnel* personne);

    TPersonnel* ChercheId(int id) const;
    // `nomNormalise` is compared with each person's folded surname (NormaliseNom).
    TPersonnel* ChercheNom(const std::string& nomNormalise, const std::string& prenom) const;
    std::vector<TPersonnel*> ListePays(uint16_t code) const;
    std::vector<TPersonnel*> Liste() const;
    bool PaysUtilise(uint16_t code) const;
    void VideStats(bool tout);
    int GetMaxId() const { return m_MaxId; }

    // `element` names the enclosing element ("Arbitres", "Entraineurs").
    void SaveToXml(TXmlWriter& ecrivain, const std::string& element, const TContexteSaison* saison) const;
    // After the enclosing element's start tag: each child named `enfant` becomes
    // a coach ("Entraineur") or a referee; returns the merges of duplicates.
    TListeRenumerotation LoadFromXml(TXmlReader& lecteur, const std::string& enfant, const TContexteSaison* saison);

private:
    std::vector<std::unique_ptr<TPersonnel>> m_Liste;
    int m_MaxId = 0;
};

// Country names; a country's code is its index, names are never removed.
class TListePays {
public:
    int Nombre() const { return static_cast<int>(m_Noms.size()); }
    std::string GetNom(int code) const;
    void SetNom(int code, const std::string& nom);
    // Appends and returns the new code; -1 for an empty name.
    int Ajoute(const std::string& nom);
    // The last code with exactly that name; 65535 when none or for an empty name.
    int IndexNom(const std::string& nom) const;
    // The first code whose name folds equal (NormaliseNom); a name not in the
    // list is appended. 65535 for an empty name.
    int Cherche(const std::string& nom);
    void RemplitListe(TListeTextes& liste) const;
    void Vide() { m_Noms.clear(); }

    virtual ~TListePays() = default;
    virtual void SaveToXml(TXmlWriter& ecrivain) const;
    // After the "ListePays" start tag.
    virtual void LoadFromXml(TXmlReader& lecteur);

private:
    std::vector<std::string> m_Noms;
};
