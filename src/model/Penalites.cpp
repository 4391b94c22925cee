#include "model/Penalites.h"

#include <algorithm>
#include <cstdlib>

TPenalite* TPenalites::Ajoute(uint16_t equipe1, uint16_t equipe2, uint8_t valeur1, uint8_t valeur2, uint8_t journee,
                              uint8_t type)
{
    auto p = std::make_unique<TPenalite>(TPenalite{equipe1, equipe2, valeur1, valeur2, journee, type});
    auto it = std::find_if(Items.begin(), Items.end(), [journee](const auto& x) { return x->Journee >= journee; });
    return Items.insert(it, std::move(p))->get();
}

TPenalite* TPenalites::AjouteFin(const TPenalite& p)
{
    Items.push_back(std::make_unique<TPenalite>(p));
    return Items.back().get();
}

void TPenalites::AjoutePoints(uint16_t equipe, int points)
{
    TPenalite* net = Cherche(equipe, 0, 0);
    if (net && net->Type != TPenalite::Retrait && net->Type != TPenalite::Ajout)
        net = nullptr;
    const int avant = !net ? 0 : net->Type == TPenalite::Ajout ? net->Valeur1 : -net->Valeur1;
    // The record holds the net in one byte: beyond it, the adjustment stops at the limit.
    const int total = std::clamp(avant + points, -255, 255);
    const uint8_t type = total < 0 ? TPenalite::Retrait : TPenalite::Ajout;
    if (!net) {
        Ajoute(equipe, 0, static_cast<uint8_t>(std::abs(total)), 0, 0, type);
        return;
    }
    net->Valeur1 = static_cast<uint8_t>(std::abs(total));
    net->Type = type;
}

std::vector<TPenalite*> TPenalites::GetJournee(int journee) const
{
    std::vector<TPenalite*> liste;
    for (const auto& p : Items)
        if (p->Journee == journee)
            liste.push_back(p.get());
    return liste;
}

TPenalite* TPenalites::Cherche(uint16_t equipe1, uint16_t equipe2, int journee) const
{
    for (const auto& p : Items)
        if (p->Journee == journee && p->Equipe1 == equipe1 && p->Equipe2 == equipe2)
            return p.get();
    return nullptr;
}

void TPenalites::SupprimeJournee(int journee)
{
    std::erase_if(Items, [journee](const auto& p) { return p->Journee == journee; });
}

void TGroupeEquipe::AjouteEquipe(int id)
{
    if (std::find(Equipes.begin(), Equipes.end(), id) == Equipes.end())
        Equipes.push_back(id);
}

TTourCoupe::TTourCoupe(int numero, int nbMatch, int type)
    : Numero(numero), Type(type), Matchs(static_cast<std::size_t>(std::max(nbMatch, 0)))
{
}

int TTourCoupe::AjouteMatch(uint16_t premier, uint16_t second, uint16_t valeur3, uint16_t valeur4)
{
    if (Remplis >= GetNbMatch())
        return -1;
    Matchs[Remplis] = {premier, second, valeur3, valeur4};
    return ++Remplis;
}

std::unique_ptr<TDonneesBarrage> TDonneesBarrage::Copie() const
{
    auto copie = std::make_unique<TDonneesBarrage>();
    copie->TypeGroupe = TypeGroupe;
    copie->Code = Code;
    copie->MoitiePoint = MoitiePoint;
    copie->CodePerso = CodePerso;
    std::copy(std::begin(Options), std::end(Options), std::begin(copie->Options));
    copie->Divisions = Divisions;
    for (const auto& t : Tours)
        copie->Tours.push_back(std::make_unique<TTourCoupe>(*t));
    return copie;
}

void TDonneesBarrage::AjouteDivision(std::vector<TPlaces> places, int code)
{
    Divisions.push_back({code, std::move(places)});
}

void TDonneesBarrage::SetPlacesDivision(std::vector<TPlaces> places, int code)
{
    for (auto& d : Divisions)
        if (d.Code == code) {
            d.Places = std::move(places);
            return;
        }
}

TTourCoupe* TDonneesBarrage::AjouteTour(int nbMatch, int type)
{
    Tours.push_back(std::make_unique<TTourCoupe>(NbTour() + 1, nbMatch, type));
    return Tours.back().get();
}
