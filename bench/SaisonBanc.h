#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "model/ContexteSaison.h"
#include "model/Joueurs.h"

// The circle method of a double round robin: the teams (0-based) of match m
// of day d (0-based), the return leg swapping the venues.
inline void AppariementCercle(int NbEquipes, int Jour, int Match, int& Domicile, int& Exterieur)
{
    const int Tour = Jour % (NbEquipes - 1);
    Domicile = Match == 0 ? NbEquipes - 1 : (Tour + Match) % (NbEquipes - 1);
    Exterieur = (Tour + NbEquipes - 1 - Match) % (NbEquipes - 1);
    if (Jour >= NbEquipes - 1)
        std::swap(Domicile, Exterieur);
}

// Team names only: the standings read nothing else of the season.
class TSaisonBanc : public TContexteSaison {
public:
    std::map<uint16_t, std::string> Equipes;
    std::string GetNomEquipe(uint16_t id) const override
    {
        auto it = Equipes.find(id);
        return it == Equipes.end() ? std::string() : it->second;
    }
    const TJoueurs* GetJoueurs() const override { return nullptr; }
    int GetMaxIdArbitre() const override { return 0; }
    int ImporteStade(const TContexteSaison&, int) override { return 65535; }
    int ChercheEquipe(const std::string&) const override { return -1; }
    bool ChampCourantInternational() const override { return false; }
    const TListePays* GetListePays() const override { return nullptr; }
    const TStades* GetStades() const override { return nullptr; }
    const TPersonnels* GetEntraineurs() const override { return nullptr; }
    std::unique_ptr<TJoueur> CreeJoueur(const std::string&, const std::string&, int, uint16_t) const override
    {
        return nullptr;
    }
};
