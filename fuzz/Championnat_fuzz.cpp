// The championship element of a season document, read from arbitrary bytes,
// then written back and read again.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/ioXml.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "model/ContexteSaison.h"
#include "model/Joueurs.h"
#include "model/Personnels.h"

namespace {
class Saison : public TContexteSaison {
public:
    std::string GetNomEquipe(uint16_t id) const override { return "Equipe " + std::to_string(id); }
    const TJoueurs* GetJoueurs() const override { return &Joueurs; }
    int GetMaxIdArbitre() const override { return 1000; }
    int ImporteStade(const TContexteSaison&, int) override { return 65535; }
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

    TJoueurs Joueurs{this};
    TListePays Pays;
    TStades Stades;
    TPersonnels Entraineurs;
};

template <class C> void LitEtEcrit(Saison& saison, std::string_view octets)
{
    C champ(&saison);
    TXmlStreamReader xml(octets);
    if (xml.LitNoeud() != XML_OUVRANT || !champ.LoadFromXml(xml))
        return;
    std::string flux;
    {
        TXmlMemoryStreamWriter ecrivain(flux, false);
        champ.SaveToXml(ecrivain);
    }
    C relu(&saison);
    TXmlStreamReader xml2(flux);
    if (xml2.LitNoeud() == XML_OUVRANT)
        relu.LoadFromXml(xml2);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    Saison saison;
    const std::string_view octets(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 3) {
    case 0:
        LitEtEcrit<TDonneesChampionnatFootball>(saison, octets);
        break;
    case 1:
        LitEtEcrit<TDonneesChampionnatRugby>(saison, octets);
        break;
    default:
        LitEtEcrit<TDonneesChampionnatBasket>(saison, octets);
        break;
    }
    return 0;
}
