#pragma once

// The season document: everything one season file holds, owned here. The main
// window keeps one season; pages are given it and find the current
// championship through it.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/Horloge.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "model/ContexteSaison.h"
#include "model/Joueurs.h"
#include "model/ListeTextes.h"
#include "model/Penalites.h"
#include "model/Personnels.h"

class TXmlReader;
class TXmlWriter;

// Progress of a load or save, as absolute percentages handed to a callback.
// The value stays within 0..100 and never goes down, whatever the steps add.
class TProgression {
public:
    using TRappel = std::function<void(int)>;

    explicit TProgression(TRappel rappel = {}, int depart = 0);
    int Valeur() const { return m_Valeur; }
    void Fixe(int valeur);
    void Avance(int pas) { Fixe(m_Valeur + pas); }
    // Shares `total` between `nombre` steps: each step adds (reste + total) div
    // nombre and carries the remainder to the next one.
    void AvancePartage(int total, int nombre);

private:
    TRappel m_Rappel;
    int m_Valeur;
    int m_Reste = 0;
};

// A line of the season tree as shown: level, value, resolved text and the
// catalogue number the line refers to (0 when none).
struct TDesc {
    int Niveau = 0;
    int Valeur = 0;
    std::string Texte;
    int NumeroCatalogue = 0;
};

// Championship and group names of a championship.
struct TNomsChamp {
    std::string Nom;
    std::string Groupe;
};

class TSaison : public TContexteSaison {
public:
    static constexpr int NbOptionsSauvegarde = 4;

    TSaison();
    ~TSaison() override;
    TSaison(const TSaison&) = delete;
    TSaison& operator=(const TSaison&) = delete;

    // --- Team table (ids are 16-bit; 65535 none) ---
    // -1 for an empty name. With `reutilise`, a team of the same folded name
    // gives its id instead. Id -1 takes the next team id.
    int AjouteEquipe(const std::string& nom, int id = -1, bool reutilise = false, int logo = 0);
    int ChercheEquipe(const std::string& nom) const override;
    void SupprimeEquipe(int id);
    void VideEquipes();
    int NbEquipe() const { return static_cast<int>(m_Equipes.size()); }
    int GetProchainIdEquipe() const { return m_ProchainIdEquipe; }
    int GetIdEquipe(int index) const;
    std::string GetNomEquipeIndex(int index) const;
    std::string GetNomEquipe(uint16_t id) const override;
    void SetNomEquipe(int id, const std::string& nom);
    int GetLogoEquipe(int id) const override;
    void SetLogoEquipe(int id, int logo);
    // Team at position i of the current championship.
    std::string GetNomEquipeChamp(int i) const;
    int GetLogoEquipeChamp(int i) const;

    // --- Countries and former clubs ---
    int AjoutePays(const std::string& nom) { return m_Pays.Ajoute(nom); }
    int AjouteClubPrec(const std::string& nom);
    // 65535 for an empty name; the first name equal once both are folded
    // (case and accents ignored); when absent, appended as given with
    // `ajoute`, else -1.
    int ChercheClubPrec(const std::string& nom, bool ajoute);
    std::string GetClubPrec(int index) const;
    void SetClubPrec(int index, const std::string& nom);
    int NbClubPrec() const { return static_cast<int>(m_ClubPrec.size()); }

    // --- Championships (numbers 1-based) ---
    // Takes the championship, binds it to the season; returns its 0-based index.
    int AjouteChampionnat(std::unique_ptr<TDonneesChampionnat> champ);
    int NbChampionnat() const { return static_cast<int>(m_Championnats.size()); }
    TDonneesChampionnat* GetChampionnat(int n) const;
    TDonneesChampionnat* GetChampionnatId(int id) const;
    int GetNumChampionnatId(int id) const;
    int GetNumChampionnatCode(int code) const;
    int ChercheNumChampCode(int code) const;
    TDonneesChampionnat* GetChampCourant() const;
    int GetNumChampCourant() const { return m_ChampCourant + 1; }
    bool SetNumChampCourant(int n);
    bool SelectChampionnat(int id);
    bool EstSaisonMulti() const { return NbChampionnat() >= 2; }
    int GetMaxIdChamp() const;
    int GetIdChampMax() const { return m_IdChampMax; }
    // Numbers of the championships the team plays in; the same as codes.
    std::vector<int> ListeChampEquipe(int equipe) const;
    std::vector<int> ListeGroupesEquipe(int equipe) const;
    // Hands every championship to the caller.
    std::vector<std::unique_ptr<TDonneesChampionnat>> VideChampionnats();
    // Takes championship n out of the list and hands it to the caller.
    std::unique_ptr<TDonneesChampionnat> DetacheChampionnat(int n);
    // Removes the teams of championship `id` that play nowhere else, with their
    // players; the championship itself stays for the caller to remove.
    void RetireChampionnat(int id);
    // Gives the team at position i of championship n the id i, with its
    // players, name, matches and events.
    void RenumeroteEquipesChamp(int n);

    // --- Play-offs ---
    int NbBarrage() const { return static_cast<int>(m_Barrages.size()); }
    TDonneesBarrage* GetBarrage(int i) const;
    TDonneesBarrage* GetBarrageCode(int code) const;
    int GetMaxCodeBarrage() const;
    TDonneesBarrage* AjouteBarrage(std::unique_ptr<TDonneesBarrage> barrage);
    bool SupprimeBarrage(int i);
    // Takes definition i out of the list and hands it to the caller; null outside.
    std::unique_ptr<TDonneesBarrage> DetacheBarrage(int i);

    // --- Season tree: object = value * 16 + level ---
    void AjouteDesc(const std::string& texte, int niveau, int valeur);
    void InsereDesc(const std::string& texte, int niveau, int valeur, int apres);
    void ModifieDesc(int i, const std::string& texte, int valeur, int niveau);
    void VideDesc() { m_Desc.clear(); }
    int NbDesc() const { return static_cast<int>(m_Desc.size()); }
    // The line as stored; empty text and 0 outside.
    TTexteObjet GetDescBrut(int i) const;
    TDesc GetDesc(int i) const;
    int NbDescNiveau3Suivants(int i) const;
    int ChercheDesc(int valeur, int niveau) const;
    // Index and name of the play-off line of that code; -1 and empty when none.
    int GetTexteDescCode(int code, std::string& nom) const;
    std::string GetNomChampDesc(int id) const;
    TNomsChamp GetNomsChamp(int id) const;
    std::string GetNomCompletChamp(int id) const;

    // --- Statistics filing ---
    void AjouteStatChamp(const std::string& nom, int id);
    std::string GetNomStatChamp(int id) const;
    int NbStatChamp() const { return static_cast<int>(m_StatChamps.size()); }
    const TTexteObjet* GetStatChamp(int i) const;
    // The filing id of the championship of that code, named and added when new;
    // 0 without a catalogue. `nommeApres` >= 0 names a new group after that
    // championship id.
    int GetIdStatChamp(int code, int nommeApres = -1);

    // --- Save options: [0] auto-save minutes, [1] keep a backup ---
    uint8_t GetOptionSauvegarde(int i) const;
    void SetOptionSauvegarde(int i, uint8_t v);

    // --- Registries ---
    TJoueurs& Joueurs() { return *m_Joueurs; }
    const TJoueurs& Joueurs() const { return *m_Joueurs; }
    TPersonnels& Arbitres() { return m_Arbitres; }
    const TPersonnels& Arbitres() const { return m_Arbitres; }
    TPersonnels& Entraineurs() { return m_Entraineurs; }
    const TPersonnels& Entraineurs() const { return m_Entraineurs; }
    TStades& Stades() { return m_Stades; }
    const TStades& Stades() const { return m_Stades; }
    TRensClubs& RensClubs() { return m_RensClubs; }
    const TRensClubs& RensClubs() const { return m_RensClubs; }
    TListePays& Pays() { return m_Pays; }
    const TListePays& Pays() const { return m_Pays; }

    const TDateHeure& GetDerniereModif() const { return m_DerniereModif; }

    // --- Recounts ---
    // Counts a scorer-type list into the players' counter `genre` of
    // championship k; without `joueur`, events of unknown players are removed.
    void CompteEvenementsJoueurs(TListeDonnees& liste, int genre, TJoueur* joueur, int k);
    virtual void RecalculeJoueurs();
    virtual void RecalculeJoueur(int id, int equipe);
    void RecalculeArbitres();

    // Renumbering appliers: each empties the list it was given.
    void AppliqueRenumJoueurs(TListeRenumerotation& paires);
    void AppliqueRenumArbitres(TListeRenumerotation& paires);
    void AppliqueRenumEntraineurs(TListeRenumerotation& paires);

    // --- XML ---
    void EcritEquipesXml(TXmlWriter& xml, bool divisions) const;
    void EcritParamsChampXml(TXmlWriter& xml) const;
    void EcritSaisonDataXml(TXmlWriter& xml, TProgression& progression) const;
    void EcritChampionnatsXml(TXmlWriter& xml, TProgression& progression) const;
    void EcritBarrageXml(TXmlWriter& xml, const TDonneesBarrage& barrage) const;
    // Called after the element's start tag. The merges of duplicate people
    // found on the way are applied once the whole document is read
    // (TermineLecture).
    void LitSaisonDataXml(TXmlReader& xml, int genre, TProgression& progression);
    // False when a championship of the document cannot be read.
    bool LitChampionnatsXml(TXmlReader& xml, int genre, TProgression& progression);
    std::unique_ptr<TDonneesBarrage> LitBarrageXml(TXmlReader& xml, int genre) const;
    // Applies the merges of people collected while reading.
    void TermineLecture();

    // --- Factories of the sport ---
    virtual std::unique_ptr<TDonneesChampionnat> CreeChampionnat(uint8_t genre, uint8_t sport = 0) = 0;
    std::unique_ptr<TJoueur> CreeJoueur(const std::string& nom, const std::string& prenom, int id,
                                        uint16_t equipe) const override = 0;
    virtual std::unique_ptr<TJoueur> CreeJoueurCopie(const TJoueur& joueur) const = 0;
    virtual std::unique_ptr<TJoueur> CreeJoueurComplet(const std::string& nom, const std::string& prenom, int id,
                                                       uint8_t age, char lettrePoste, uint8_t maillot,
                                                       uint16_t equipeClub, uint16_t equipeNationale, uint16_t clubPrec,
                                                       uint8_t duree, uint8_t contrat) const = 0;
    virtual TListeTextes ListePostes() const = 0;

    // --- What the season's parts ask of it ---
    const TJoueurs* GetJoueurs() const override { return m_Joueurs.get(); }
    int GetMaxIdArbitre() const override { return m_Arbitres.GetMaxId(); }
    int ImporteStade(const TContexteSaison& origine, int code) override;
    bool ChampCourantInternational() const override;
    const TListePays* GetListePays() const override { return &m_Pays; }
    const TStades* GetStades() const override { return &m_Stades; }
    const TPersonnels* GetEntraineurs() const override { return &m_Entraineurs; }

protected:
    // Per-day counting of a sport's own lists, after the shared ones.
    virtual void RecalculeJourSport(TDonneesChampionnat&, int, int, TJoueur*) {}

private:
    int IndexEquipeId(int id) const;
    // Lookups by id and by folded name, rebuilt after any change of the team
    // table: loading a season looks every player's club up by name.
    void IndexeEquipes() const;
    void ModifieEquipes() { m_IndexEquipesValide = false; }
    void RecalculeJour(TDonneesChampionnat& champ, int k, int jour, TJoueur* joueur);
    void ComptePresences(TDonneesChampionnat& champ, int k, int jour, TJoueur* joueur);
    void LitEquipesXml(TXmlReader& xml);
    void LitClubPrecXml(TXmlReader& xml);
    void LitStatChampsXml(TXmlReader& xml);
    void LitOptionsSauvegardeXml(TXmlReader& xml);
    void LitDescSaisonXml(TXmlReader& xml, int& nbNiveau3);

    bool m_Multi = false;
    int m_IdChampMax = 0;
    TListeTextes m_Desc;
    TListeTextes m_Equipes; // object: id in bits 0-15, logo in bits 16-31
    int m_ProchainIdEquipe = 0;
    mutable bool m_IndexEquipesValide = false;
    mutable std::unordered_map<int, int> m_IndexIds;
    mutable std::unordered_map<std::string, int> m_IndexNoms;
    std::unique_ptr<TJoueurs> m_Joueurs;
    TPersonnels m_Arbitres;
    TPersonnels m_Entraineurs;
    TStades m_Stades;
    TRensClubs m_RensClubs;
    TListePays m_Pays;
    std::vector<std::string> m_ClubPrec;
    std::vector<std::unique_ptr<TDonneesChampionnat>> m_Championnats;
    std::vector<std::unique_ptr<TDonneesBarrage>> m_Barrages;
    int m_ChampCourant = 0;
    TDateHeure m_DerniereModif;
    TListeTextes m_StatChamps; // object: filing id in bits 0-15, catalogue field in bits 16-31
    std::array<uint8_t, NbOptionsSauvegarde> m_OptionsSauvegarde{};
    TListeRenumerotation m_RenumJoueursLus;
    TListeRenumerotation m_RenumArbitresLus;
    TListeRenumerotation m_RenumEntraineursLus;
};

class TSaisonFootball : public TSaison {
public:
    std::unique_ptr<TDonneesChampionnat> CreeChampionnat(uint8_t genre, uint8_t sport = 0) override;
    std::unique_ptr<TJoueur> CreeJoueur(const std::string& nom, const std::string& prenom, int id,
                                        uint16_t equipe) const override;
    std::unique_ptr<TJoueur> CreeJoueurCopie(const TJoueur& joueur) const override;
    std::unique_ptr<TJoueur> CreeJoueurComplet(const std::string& nom, const std::string& prenom, int id, uint8_t age,
                                               char lettrePoste, uint8_t maillot, uint16_t equipeClub,
                                               uint16_t equipeNationale, uint16_t clubPrec, uint8_t duree,
                                               uint8_t contrat) const override;
    // Texts 791..794 with the position codes 0..3.
    TListeTextes ListePostes() const override;

protected:
    void RecalculeJourSport(TDonneesChampionnat& champ, int k, int jour, TJoueur* joueur) override;
};
