#pragma once

#include <cstdint>
#include <memory>
#include <string>

class TJoueur;
class TListePays;
class TPersonnels;
class TStades;

// What the parts of a season (calendar, events, championships, people, stadiums
// and club records) ask of the season that holds them: names by id and ids by
// name, and the registries. The season document implements it; the tests of
// those parts use small fakes, so the parts can be built and tested before the
// season itself. Keep it to what the parts really call.

// --- Calendar, match events and championships ---

// What the match sheets and event views need to know of one registered player.
// A copy, so nothing held by a view can dangle when the registry frees a person.
struct TFicheJoueur {
    int Numero = 0;
    std::string Nom;
    std::string Prenom;
    uint8_t Poste = 0;       // raw position code of the player's sport
    int NumeroPoste = 0;     // 1-based position number within the sport
    uint16_t Equipe = 65535; // current team (national team in an international championship)
};

class TContexteSaison {
public:
    virtual ~TContexteSaison() = default;

    // --- Calendar, match events and championships ---

    // Name of a team of the season's team table; empty when unknown.
    virtual std::string GetNomEquipe(uint16_t id) const = 0;
    // Player of the registry by id, looked up first in the list of that team
    // (65535 or -1: any team), then among all players. False when absent.
    virtual bool ChercheJoueur(int id, int equipe, TFicheJoueur& fiche) const = 0;
    // Highest id handed out by the referee registry; referee ids read from a
    // file above it are dropped.
    virtual int GetMaxIdArbitre() const = 0;
    // True when the stadium registry holds a stadium with that code.
    virtual bool StadeExiste(int code) const = 0;
    // Code in this season of stadium `code` of season `origine` (found by name
    // or copied in); 65535 when it cannot be had. Used when results are copied
    // from a championship of another season.
    virtual int ImporteStade(const TContexteSaison& origine, int code) = 0;

    // --- People, stadiums and club records ---

    // GetNomEquipe above, and:
    // Id of the first team whose folded name (NormaliseNom) equals that of
    // `nom`; -1 when none.
    virtual int ChercheEquipe(const std::string& nom) const = 0;
    // True when the current championship is an international one: players then
    // play for their national team.
    virtual bool ChampCourantInternational() const = 0;
    virtual const TListePays* GetListePays() const = 0;
    virtual const TStades* GetStades() const = 0;
    virtual const TPersonnels* GetEntraineurs() const = 0;
    // A new player of the season's sport, not yet registered.
    virtual std::unique_ptr<TJoueur> CreeJoueur(const std::string& nom, const std::string& prenom, int id,
                                                uint16_t equipe) const = 0;
};
