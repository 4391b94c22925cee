#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

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

// Match m (0-based) of day d (0-based) of a double round robin of n clubs
// (n even) by the circle method: the home and away clubs, the return half
// with the sides swapped.
inline std::pair<int, int> RencontreAllerRetour(int n, int d, int m)
{
    const int tour = d % (n - 1);
    int a = m == 0 ? n - 1 : (tour + m) % (n - 1);
    int b = (tour + n - 1 - m) % (n - 1);
    if (d >= n - 1)
        std::swap(a, b);
    return {a, b};
}
