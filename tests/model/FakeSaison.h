#pragma once

#include <map>
#include <memory>
#include <string>

#include "model/ClubStade.h"
#include "model/ContexteSaison.h"
#include "model/Joueurs.h"
#include "model/Personnels.h"

// A season reduced to what the calendar, the events and the championships ask
// of it: a team table, a player registry, a referee bound and stadiums.
class FakeSaison : public TContexteSaison {
public:
    std::map<uint16_t, std::string> Equipes;
    std::map<uint16_t, int> Logos;
    TJoueurs Joueurs{this};
    int MaxIdArbitre = 100;
    TStades Stades;
    TListePays Pays;
    TPersonnels Entraineurs;

    // Position letters of "GDMAR": numeroPoste 1 goalkeeper (code 0) .. 4 forward.
    TJoueur* AjouteJoueur(int id, std::string nom, std::string prenom, uint16_t equipe, int numeroPoste = 3)
    {
        auto j = std::make_unique<TJoueurFootball>(this, std::move(nom), std::move(prenom), id, 0,
                                                   "GDMAR"[std::clamp(numeroPoste, 1, 5) - 1], 0, equipe);
        return Joueurs.AjouteSimple(std::move(j));
    }
    void AjouteStade(const std::string& nom)
    {
        auto s = std::make_unique<TStade>(nom);
        Stades.Ajoute(std::move(s), false);
    }

    std::string GetNomEquipe(uint16_t id) const override
    {
        auto it = Equipes.find(id);
        return it == Equipes.end() ? std::string() : it->second;
    }
    int GetLogoEquipe(int id) const override
    {
        auto it = Logos.find(static_cast<uint16_t>(id));
        return it == Logos.end() ? 0 : it->second;
    }
    const TJoueurs* GetJoueurs() const override { return &Joueurs; }
    int GetMaxIdArbitre() const override { return MaxIdArbitre; }
    int ImporteStade(const TContexteSaison& origine, int code) override
    {
        const TStade* s = origine.GetStades() ? origine.GetStades()->ChercheCode(code) : nullptr;
        if (!s)
            return 65535;
        if (const TStade* ici = Stades.ChercheNomVille(s->NomStade, s->Ville))
            return ici->Code;
        auto copie = std::make_unique<TStade>(s->NomStade);
        TStade* ajoute = copie.get();
        Stades.Ajoute(std::move(copie), false);
        return ajoute->Code;
    }

    int ChercheEquipe(const std::string&) const override { return -1; }
    bool ChampCourantInternational() const override { return false; }
    const TListePays* GetListePays() const override { return &Pays; }
    const TStades* GetStades() const override { return &Stades; }
    const TPersonnels* GetEntraineurs() const override { return &Entraineurs; }
    std::unique_ptr<TJoueur> CreeJoueur(const std::string& nom, const std::string& prenom, int id,
                                        uint16_t equipe) const override
    {
        return std::make_unique<TJoueurFootball>(this, nom, prenom, id, 0, 'M', 0, equipe);
    }
};
