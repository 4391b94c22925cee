#include "presentation/ParametreBarrage.h"

#include "base/Texte.h"
#include "base/oTraducteur.h"

#include <algorithm>

namespace {

enum : int {
    TexteInvalide = 115,
    TexteEquipes = 118,
    TexteEquipe = 119,
    TexteAutreDivision = 269,
};

enum : int { RoleDessus = 1, RoleDivision = 2, RoleDessous = 3 };

// A place: digits only, at least 1.
bool LitPlace(const std::string& texte, int& place)
{
    const std::string t = Trim(texte);
    if (t.empty() || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    return EssaieStrToInt(t, place) && place >= 1;
}

} // namespace

bool LitRepartition(const std::string& texte, std::vector<TDonneesBarrage::TPlaces>& places)
{
    places.clear();
    std::size_t debut = 0;
    while (debut <= texte.size()) {
        const std::size_t fin = std::min(texte.find(';', debut), texte.size());
        const std::string item = Trim(std::string_view(texte).substr(debut, fin - debut));
        debut = fin + 1;
        if (item.empty())
            continue;
        const std::size_t tiret = item.find('-');
        int a = 0;
        int b = 0;
        const bool lu = tiret == std::string::npos
                            ? LitPlace(item, a) && LitPlace(item, b)
                            : LitPlace(item.substr(0, tiret), a) && LitPlace(item.substr(tiret + 1), b);
        if (!lu) {
            places.clear();
            return false;
        }
        places.push_back({std::min(a, b), std::max(a, b)});
    }
    return true;
}

std::string EcritRepartition(const std::vector<TDonneesBarrage::TPlaces>& places)
{
    std::string texte;
    for (const auto& p : places)
        texte += (p.Min == p.Max ? std::to_string(p.Min) : std::to_string(p.Min) + "-" + std::to_string(p.Max)) + ";";
    return texte;
}

int NbEquipesRepartition(const std::vector<TDonneesBarrage::TPlaces>& places)
{
    int n = 0;
    for (const auto& p : places)
        n += p.Max - p.Min + 1;
    return n;
}

TParametreBarrage::TParametreBarrage(std::vector<TCandidatBarrage> candidats) : FCandidats(std::move(candidats))
{
    ChoisitRole(true);
}

TParametreBarrage::TParametreBarrage(TDonneesBarrage& barrage, const std::function<std::string(int)>& nomSource)
    : FEdite(&barrage)
{
    Redemarrage =
        barrage.MoitiePoint <= ToutPoint ? static_cast<int>(barrage.MoitiePoint) : static_cast<int>(AucunPoint);
    Coupe = barrage.TypeGroupe <= 0;
    NbGroupe = Coupe ? 1 : std::clamp(barrage.TypeGroupe, 1, 99);
    for (int i = 0; i < barrage.NbDivision(); ++i) {
        const TDonneesBarrage::TDivision& d = *barrage.GetDivision(i);
        TLigne ligne;
        ligne.Code = d.Code;
        ligne.Nom = d.Code == 0 ? Traduit(TexteAutreDivision) : nomSource ? nomSource(d.Code) : std::string();
        ligne.Tag = (d.Code << 8) + i;
        ligne.Repartition = EcritRepartition(d.Places);
        FLignes.push_back(std::move(ligne));
    }
    Verifie();
}

std::string TParametreBarrage::Compte(int equipes)
{
    return TraduitFmt(equipes < 2 ? TexteEquipe : TexteEquipes, {equipes});
}

void TParametreBarrage::ChoisitRole(bool promotion)
{
    if (Edition())
        return;
    FPromotion = promotion;
    const int exclu = promotion ? RoleDessous : RoleDessus;
    FLignes.clear();
    bool presents[4] = {};
    for (const TCandidatBarrage& c : FCandidats) {
        if (c.Role() >= 1 && c.Role() <= 3)
            presents[c.Role()] = true;
        if (c.Role() == exclu)
            continue;
        const int rang = static_cast<int>(FLignes.size());
        FLignes.push_back({c.Texte, c.Code(), (c.Code() << 8) + rang, {}, Compte(0)});
    }
    bool manque = false;
    for (int role : {RoleDessus, RoleDivision, RoleDessous})
        manque = manque || (role != exclu && !presents[role]);
    if (manque) {
        const int rang = static_cast<int>(FLignes.size());
        FLignes.push_back({Traduit(TexteAutreDivision), 0, rang, {}, Compte(0)});
    }
}

void TParametreBarrage::ChangeRepartition(int i, const std::string& texte)
{
    if (i < 0 || i >= static_cast<int>(FLignes.size()))
        return;
    FLignes[i].Repartition = texte;
    std::vector<TDonneesBarrage::TPlaces> places;
    if (LitRepartition(texte, places))
        FLignes[i].Compte = Compte(NbEquipesRepartition(places));
}

bool TParametreBarrage::Verifie()
{
    bool valide = true;
    for (TLigne& ligne : FLignes) {
        std::vector<TDonneesBarrage::TPlaces> places;
        if (LitRepartition(ligne.Repartition, places)) {
            ligne.Compte = Compte(NbEquipesRepartition(places));
        } else {
            ligne.Compte = Traduit(TexteInvalide);
            valide = false;
        }
    }
    return valide;
}

bool TParametreBarrage::Valide()
{
    // Every text is read before anything is written: an invalid one leaves
    // the definition as it was.
    if (!Verifie())
        return false;
    auto nouveau = Edition() ? nullptr : std::make_unique<TDonneesBarrage>();
    TDonneesBarrage& b = Edition() ? *FEdite : *nouveau;
    b.MoitiePoint = static_cast<uint16_t>(std::clamp(Redemarrage, 0, 2));
    for (size_t i = 0; i < FLignes.size(); ++i) {
        std::vector<TDonneesBarrage::TPlaces> places;
        LitRepartition(FLignes[i].Repartition, places);
        if (Edition()) {
            // An emptied row empties its source: its old places must not come back.
            if (TDonneesBarrage::TDivision* d = b.GetDivision(static_cast<int>(i)))
                d->Places = std::move(places);
        } else if (!places.empty()) {
            b.AjouteDivision(std::move(places), FLignes[i].Code);
        }
    }
    b.TypeGroupe = Coupe ? 0 : std::clamp(NbGroupe, 1, 99);
    if (nouveau)
        FResultat = std::move(nouveau);
    return true;
}
