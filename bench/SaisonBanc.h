#pragma once

#include <map>
#include <memory>
#include <string>

#include "model/ContexteSaison.h"
#include "model/Joueurs.h"

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
