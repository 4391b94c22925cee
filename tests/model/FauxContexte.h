#pragma once

#include <map>
#include <memory>
#include <string>

#include "base/Utilities.h"
#include "base/ioXml.h"
#include "model/ClubStade.h"
#include "model/ContexteSaison.h"
#include "model/Joueurs.h"
#include "model/Personnels.h"

// A season reduced to what people, stadiums and club records ask of it.
class TFauxContexte : public TContexteSaison {
public:
    std::string GetNomEquipe(uint16_t id) const override
    {
        auto it = Equipes.find(id);
        return it == Equipes.end() ? std::string() : it->second;
    }
    int ChercheEquipe(const std::string& nom) const override
    {
        for (const auto& [id, n] : Equipes)
            if (NormaliseNom(n) == NormaliseNom(nom))
                return id;
        return -1;
    }
    bool ChampCourantInternational() const override { return International; }
    const TListePays* GetListePays() const override { return &Pays; }
    const TStades* GetStades() const override { return &Stades; }
    const TPersonnels* GetEntraineurs() const override { return &Entraineurs; }
    std::unique_ptr<TJoueur> CreeJoueur(const std::string& nom, const std::string& prenom, int id,
                                        uint16_t equipe) const override
    {
        return std::make_unique<TJoueurFootball>(this, nom, prenom, id, 0, 'M', 0, equipe);
    }

    // The calendar part of the season is not used by these tests.
    const TJoueurs* GetJoueurs() const override { return nullptr; }
    int GetMaxIdArbitre() const override { return 0; }
    int ImporteStade(const TContexteSaison&, int) override { return 65535; }

    std::map<int, std::string> Equipes;
    bool International = false;
    TListePays Pays;
    TStades Stades;
    TPersonnels Entraineurs;
};

// The XML an object writes of itself, without declaration.
template <typename F> std::string EcritXml(F&& ecrit)
{
    std::string flux;
    {
        TXmlMemoryStreamWriter ecrivain(flux, false);
        ecrit(ecrivain);
    }
    return flux;
}

// A reader standing on the start tag of the document's first element.
struct TLecteurSur {
    explicit TLecteurSur(const std::string& xml) : Texte(xml), Lecteur(Texte) { Genre = Lecteur.LitNoeud(); }
    std::string Texte;
    TXmlStreamReader Lecteur;
    int Genre;
};
