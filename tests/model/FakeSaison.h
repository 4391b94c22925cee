#pragma once

#include <map>
#include <string>

#include "model/ContexteSaison.h"
#include "model/Joueurs.h"

// A season reduced to what the calendar, the events and the championships ask
// of it: a team table and a few players, referees and stadiums.
class FakeSaison : public TContexteSaison {
public:
    std::map<uint16_t, std::string> Equipes;
    std::map<int, TFicheJoueur> Joueurs;
    int MaxIdArbitre = 100;
    std::map<int, std::string> Stades;

    void AjouteJoueur(int id, std::string nom, std::string prenom, uint16_t equipe, int numeroPoste = 1,
                      uint8_t poste = 1)
    {
        Joueurs[id] = TFicheJoueur{id, std::move(nom), std::move(prenom), poste, numeroPoste, equipe};
    }

    std::string GetNomEquipe(uint16_t id) const override
    {
        auto it = Equipes.find(id);
        return it == Equipes.end() ? std::string() : it->second;
    }
    bool ChercheJoueur(int id, int, TFicheJoueur& fiche) const override
    {
        auto it = Joueurs.find(id);
        if (it == Joueurs.end())
            return false;
        fiche = it->second;
        return true;
    }
    int GetMaxIdArbitre() const override { return MaxIdArbitre; }
    bool StadeExiste(int code) const override { return Stades.count(code) > 0; }
    int ImporteStade(const TContexteSaison& origine, int code) override
    {
        auto* autre = dynamic_cast<const FakeSaison*>(&origine);
        if (!autre || !autre->Stades.count(code))
            return 65535;
        const std::string& nom = autre->Stades.at(code);
        for (const auto& [c, n] : Stades)
            if (n == nom)
                return c;
        const int nouveau = Stades.empty() ? 0 : Stades.rbegin()->first + 1;
        Stades[nouveau] = nom;
        return nouveau;
    }

    // The people part of the season is not used by these tests.
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
