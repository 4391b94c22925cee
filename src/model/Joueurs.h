#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Personnels.h"

class TJoueurs;

// One line of a player's past career, typed by the user.
struct TStatHistorique {
    int StatAnnee = 0;
    int Division = 0;
    int Equipe = 0;
    int StatMatch = 0;
    int StatBut = 0;
    int StatMatchInter = 0;
    int StatButInter = 0;
    bool operator==(const TStatHistorique&) const = default;
};

// One career statistics record of the player card: competition code, matches, goals.
// Matches and goals are hand corrections to the computed figures, negative when a
// total was lowered below them.
struct TStatCarriere {
    int Code = 0;
    int Matchs = 0;
    int Buts = 0;
    bool operator==(const TStatCarriere&) const = default;
};

// Position codes of every sport, in code order; the XML names of the codes.
constexpr int NbPostes = 22;
const char* NomPosteXml(int code);
// The code whose XML name is `nom`; -1 when none.
int CodePosteXml(const std::string& nom);

// A player. The season is the one holding the player: it gives team names and
// tells whether its current championship is an international one.
class TJoueur : public TPersonnelStat {
public:
    ~TJoueur() override;

    const TContexteSaison* GetSaison() const { return m_Saison; }
    void SetSaison(const TContexteSaison* saison) { m_Saison = saison; }

    void SaveToXml(TXmlWriter& ecrivain, int id, const TContexteSaison* saison) const override;

    // The national team in an international championship, else the club team.
    uint16_t GetEquipe() const;
    void SetEquipe(uint16_t equipe);
    // Club and national team names joined by ", " (text 82 when neither); empty
    // without a season.
    std::string GetLibelleClubs() const;

    uint8_t GetPoste() const { return Poste; }
    // The 1-based position within the sport.
    int GetNumeroPoste() const;

    virtual char GetLettrePoste() const = 0;
    virtual void SetLettrePoste(char lettre) = 0;
    virtual void SetNumeroPoste(int numero) = 0;
    virtual void EcritStatCarriereXml(TXmlWriter& ecrivain) const = 0;
    // Record i; zeros past the end.
    virtual TStatCarriere GetStatCarriere(int i) const = 0;
    // Index of the record of that code, 65535 when none; `stat` gets its values.
    virtual int ChercheStatCarriere(int code, TStatCarriere* stat = nullptr) const = 0;
    // Appends when i is past the end.
    virtual void SetStatCarriere(int i, int code, int matchs, int buts) = 0;
    virtual void AjouteStatCarriere(int code, int matchs, int buts) = 0;
    // True when every statistic of the player belongs to championship `cle`.
    virtual bool StatsUniquementChamp(uint16_t cle) const = 0;

    // Inserted before the first record of the same or a later year.
    void AjouteHistorique(const TStatHistorique& historique);
    const TStatHistorique* GetHistorique(int i) const;
    int NbHistorique() const { return static_cast<int>(m_Historique.size()); }
    void VideHistorique() { m_Historique.clear(); }

    // Career values by competition code (0 matches, 1 goals); a missing record
    // reads 0 and is created on writing. Values read back signed: the 16-bit
    // record holds a correction, which may be negative.
    int GetNbMatchHist(int code, int i) const;
    void SetStatHist(int code, int i, int valeur);
    void AjouteStatHist(int code, int matchs) { SetStatHist(code, 0, matchs); }
    int NbStatHist() const { return static_cast<int>(m_Carriere.size()); }

    uint8_t Poste = 0;
    uint8_t Duree = 0;
    uint8_t Contrat = 0;
    uint16_t ClubPrec = 65535;
    uint16_t Taille = 0;
    uint16_t Poids = 0;
    std::string SelectionNationale;
    uint16_t nSelectionNationale = 0;
    int DateNaissance = 0; // days since 30/12/1899; 0 = none
    uint8_t Maillot = 0;
    uint8_t MaillotNational = 0;
    // Change these through the registry (TJoueurs::ChangeEquipe,
    // SetEquipeNationale): its team lists follow them.
    uint16_t EquipeClub = 65535;
    uint16_t EquipeNationale = 65535;

protected:
    TJoueur(const TContexteSaison* saison, std::string nom, std::string prenom, int id, uint8_t age, uint8_t poste,
            uint8_t maillot, uint16_t equipeClub, uint16_t equipeNationale, uint16_t clubPrec, uint8_t duree,
            uint8_t contrat);
    TJoueur(const TJoueur& autre);

    void Reinitialise() override;
    bool LitEnfantXml(TXmlReader& lecteur, int genre, const TContexteSaison* saison) override;
    // Every reader of a career record goes through here: files keep the 16-bit
    // word, the pages and the merge read and compare the signed correction.
    static int Correction(const TListeStat& record, int i);

    const TContexteSaison* m_Saison = nullptr;
    std::vector<std::unique_ptr<TListeStat>> m_Carriere;
    std::vector<TStatHistorique> m_Historique;

private:
    void LitStatCarriereXml(TXmlReader& lecteur);
    void LitStatHistoriquesXml(TXmlReader& lecteur);
};

class TJoueurFootball : public TJoueur {
public:
    // Letter " " gives the goalkeeper code, any other goes through SetLettrePoste.
    TJoueurFootball(const TContexteSaison* saison, std::string nom, std::string prenom, int id, uint8_t age = 0,
                    char lettrePoste = 'M', uint8_t maillot = 0, uint16_t equipeClub = 65535,
                    uint16_t equipeNationale = 65535, uint16_t clubPrec = 0, uint8_t duree = 0, uint8_t contrat = 0);

    // The season factory's copy: identity, position, shirt, years, contract,
    // previous club, national team, the current team as club team, and the
    // statistic, card and career records; not the size, weight, caps, birth
    // date, national shirt, history or photo.
    std::unique_ptr<TPersonnel> CreeCopie() const override;

    char GetLettrePoste() const override;
    void SetLettrePoste(char lettre) override;
    // 1..5 give codes 0..4, anything else the substitute (4).
    void SetNumeroPoste(int numero) override;
    void EcritStatCarriereXml(TXmlWriter& ecrivain) const override;
    TStatCarriere GetStatCarriere(int i) const override;
    int ChercheStatCarriere(int code, TStatCarriere* stat = nullptr) const override;
    void SetStatCarriere(int i, int code, int matchs, int buts) override;
    void AjouteStatCarriere(int code, int matchs, int buts) override;
    bool StatsUniquementChamp(uint16_t cle) const override;

    int GetPasses(uint16_t cle) const;
    void SetPasses(uint16_t cle, int valeur);
    int TotalPasses() const;
};

// An entry of a squad pick list. It keeps the player's id, not the player, so
// an entry outliving its player finds nothing instead of a freed object.
class TChoixJoueur {
public:
    TChoixJoueur(const TJoueur* joueur, uint8_t drapeau);

    // The player through the list's registry; null when it is gone.
    TJoueur* GetJoueur() const;
    int GetMaillot() const; // 0 without player
    int GetNumero() const { return m_Numero; }

    uint8_t Drapeau = 0;
    std::string Libelle;

private:
    friend class TListeJoueur;
    int m_Numero = 0;
    uint16_t m_Equipe = 65535;
    std::string m_Nom;
    std::string m_Prenom;
    int m_NumeroPoste = 0;
    const TJoueurs* m_Registre = nullptr;
};

// A team's squad offered by the entry pages, with short labels that tell
// namesakes apart ("Dupont  Je.").
class TListeJoueur {
public:
    TListeJoueur(int equipe, const TJoueurs* joueurs);

    void Vide() { m_Liste.clear(); }
    int Nombre() const { return static_cast<int>(m_Liste.size()); }
    TChoixJoueur* Get(int i) const;
    // With `parPoste` the list is ordered by position number then surname,
    // otherwise by surname.
    TChoixJoueur* Ajoute(std::unique_ptr<TChoixJoueur> choix, bool parPoste);
    TChoixJoueur* ChercheMaillot(int maillot) const;
    TChoixJoueur* ChercheNumero(int numero) const;
    int GetEquipe() const { return m_Equipe; }

private:
    int m_Equipe;
    const TJoueurs* m_Joueurs;
    std::vector<std::unique_ptr<TChoixJoueur>> m_Liste;
};

// Every player of the season, sorted by surname, first name and current team,
// with one list per team (the list of players without a team, 65535, last).
// The registry owns the players; the team lists refer to them.
class TJoueurs {
public:
    explicit TJoueurs(const TContexteSaison* saison);
    TJoueurs(const TJoueurs&) = delete;
    TJoueurs& operator=(const TJoueurs&) = delete;
    ~TJoueurs();

    // Frees every player; the team lists stay, empty.
    void Vide();
    // Hands every player over to the caller and empties the lists.
    std::vector<std::unique_ptr<TJoueur>> Detache();

    int Nombre() const { return static_cast<int>(m_Liste.size()); }
    TJoueur* Get(int i) const;
    int GetMaxId() const { return m_MaxId; }

    // A player with id 0 or -1 first gets the next id. A player with the same
    // names (case and accents aside) and current team as one already held is a
    // duplicate: it is freed, {its id, kept id} goes to `renum` and the kept
    // player is returned. Otherwise the added player is returned. Use the
    // returned pointer: the one handed in may be gone.
    TJoueur* Ajoute(std::unique_ptr<TJoueur> joueur, TListeRenumerotation* renum);
    TJoueur* AjouteSimple(std::unique_ptr<TJoueur> joueur) { return Ajoute(std::move(joueur), nullptr); }
    // Takes the player out of every list; null when it is not held.
    std::unique_ptr<TJoueur> Retire(const TJoueur* joueur);
    // Sorts the player again after a change of names or teams; may merge it
    // into a namesake, whose pointer is then returned.
    TJoueur* ChangeEquipe(TJoueur* joueur, TListeRenumerotation* renum);
    void SetEquipeNationale(TJoueur* joueur, uint16_t equipe);

    void AjouteEquipe(int equipe);
    // That team's players; null below 0 or when the team has no list.
    const std::vector<TJoueur*>* GetListeEquipe(int equipe) const;
    // Null for id 0. A team in 0..65534 is searched first.
    TJoueur* ChercheId(int id, int equipe = 65535) const;
    // The first player whose surname and first name match, case and accents aside.
    TJoueur* ChercheNom(const std::string& nom, const std::string& prenom) const;
    // The team's players by position number, name order within a position.
    std::vector<TJoueur*> GetListeEquipeParPoste(int equipe) const;

    void VideStats(bool tout);
    int NbJoueursPays(uint16_t code) const;
    void RemplacePays(uint16_t nouveau, uint16_t ancien);

    // Frees every player whose current team is `equipe`.
    void SupprimeJoueursEquipe(int equipe);
    // As SupprimeJoueursEquipe, except that with a championship key of 0 or
    // more a player with statistics elsewhere stays, without a team.
    void SupprimeEquipe(int equipe, int cle, TListeRenumerotation* renum);

    // Players premier..dernier only when premier >= 0 and dernier > -1.
    void SaveToXml(TXmlWriter& ecrivain, const TContexteSaison* saison, int premier = -1, int dernier = -1) const;
    // After the "Joueurs" start tag. Players without a surname or with an id of
    // 0 or less are dropped; the merges of duplicates are returned, for the
    // season to apply to its championships before it recounts.
    TListeRenumerotation LoadFromXml(TXmlReader& lecteur, const TContexteSaison* saison);

private:
    struct TListJoueurEquipe {
        int Equipe;
        std::vector<TJoueur*> Joueurs;
    };

    std::vector<TJoueur*>* ListePour(int equipe);
    void InsereDansListe(std::vector<TJoueur*>& liste, TJoueur* joueur);
    void AjouteAuxListes(TJoueur* joueur);
    void RetireDesListes(const TJoueur* joueur);
    std::unique_ptr<TJoueur> CreeJoueur() const;

    const TContexteSaison* m_Saison;
    std::vector<std::unique_ptr<TJoueur>> m_Liste;
    std::vector<TListJoueurEquipe> m_Equipes;
    int m_MaxId = 0;
};
