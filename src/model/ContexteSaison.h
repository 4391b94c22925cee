#pragma once

#include <cstdint>
#include <memory>
#include <string>

class TJoueur;
class TJoueurs;
class TListePays;
class TPersonnels;
class TStades;

// What the parts of a season (calendar, events, championships, people, stadiums
// and club records) ask of the season that holds them: names by id and ids by
// name, and the registries. The season document implements it; the tests of
// those parts use small fakes, so the parts can be built and tested before the
// season itself. Keep it to what the parts really call.

class TContexteSaison {
public:
    virtual ~TContexteSaison() = default;

    // --- Calendar, match events and championships ---

    // Name of a team of the season's team table; empty when unknown.
    virtual std::string GetNomEquipe(uint16_t id) const = 0;
    // Crest catalogue number of a team (0 none), for the standings and rankings.
    virtual int GetLogoEquipe(int) const { return 0; }
    // The player registry (player names and positions for line-ups, event
    // views and ratings).
    virtual const TJoueurs* GetJoueurs() const = 0;
    // Highest id handed out by the referee registry; referee ids read from a
    // file above it are dropped.
    virtual int GetMaxIdArbitre() const = 0;
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
