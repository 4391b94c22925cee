#include "engine/EditeursEquipes.h"

#include "base/Texte.h"
#include "base/Utilities.h"
#include "files/Blasons.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "model/Joueurs.h"
#include "model/Personnels.h"
#include "model/SaisonFoot.h"

#include <algorithm>
#include <cstdio>

namespace EditeursEquipes {

namespace {

void TrieParNom(std::vector<TElement>& liste)
{
    std::stable_sort(liste.begin(), liste.end(),
                     [](const TElement& a, const TElement& b) { return AnsiCompareText(a.Texte, b.Texte) < 0; });
}

bool Existe(const TSaison& saison, int id)
{
    for (int i = 0; i < saison.NbEquipe(); ++i)
        if (saison.GetIdEquipe(i) == id)
            return true;
    return false;
}

bool Joue(const TDonneesChampionnat& champ, int id)
{
    return champ.IndexEquipe(id) >= 0;
}

} // namespace

std::string TexteElement(const TElement& Element)
{
    char code[16];
    std::snprintf(code, sizeof code, "%04d", Element.Code);
    return std::string(code) + (Element.Drapeau ? "1" : "0") + " " + Element.Texte;
}

int CodeElement(const std::string& Texte)
{
    if (Texte.size() < 4 || Texte.substr(0, 4).find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoi(Texte.substr(0, 4));
}

std::vector<TElement> ListeEquipes(const TSaison& Saison)
{
    std::vector<TElement> courantes, autres;
    const TDonneesChampionnat* champ = Saison.GetChampCourant();
    if (champ)
        for (int p = 0; p < champ->GetNbEquipe(); ++p) {
            const int id = champ->GetEquipe(p);
            if (Existe(Saison, id))
                courantes.push_back({id, true, Saison.GetNomEquipe(static_cast<uint16_t>(id))});
        }
    for (int i = 0; i < Saison.NbEquipe(); ++i) {
        const int id = Saison.GetIdEquipe(i);
        if (!champ || !Joue(*champ, id))
            autres.push_back({id, false, Saison.GetNomEquipeIndex(i)});
    }
    TrieParNom(autres);
    courantes.insert(courantes.end(), autres.begin(), autres.end());
    return courantes;
}

std::string TextePays(const TSaison& Saison, int Code)
{
    return Saison.Pays().GetNom(Code) + " (" +
           std::to_string(Saison.Joueurs().NbJoueursPays(static_cast<uint16_t>(Code))) + ")";
}

std::vector<TElement> ListePays(const TSaison& Saison)
{
    std::vector<TElement> liste;
    for (int code = 0; code < Saison.Pays().Nombre(); ++code)
        if (!Saison.Pays().GetNom(code).empty())
            liste.push_back({code, false, Saison.Pays().GetNom(code)});
    TrieParNom(liste);
    for (TElement& e : liste)
        e.Texte = TextePays(Saison, e.Code);
    return liste;
}

TRefus RenommeEquipe(TSaison& Saison, int Id, const std::string& Nom, bool& Change)
{
    Change = false;
    if (!Existe(Saison, Id) || Nom == Saison.GetNomEquipe(static_cast<uint16_t>(Id)))
        return TRefus::Aucun;
    // Two teams of one name could no longer be told apart by the name lookups.
    const int homonyme = Saison.ChercheEquipe(Nom);
    if (Trim(Nom).empty() || (homonyme >= 0 && homonyme != Id))
        return TRefus::NomIncorrect;
    Saison.SetNomEquipe(Id, Nom);
    for (int k = 1; k <= Saison.NbChampionnat(); ++k)
        if (TDonneesChampionnat* champ = Saison.GetChampionnat(k); champ && Joue(*champ, Id))
            champ->TrieEquipes(Saison);
    Change = true;
    return TRefus::Aucun;
}

std::string ChampionnatDeLEquipe(const TSaison& Saison, int Id)
{
    for (int k = 1; k <= Saison.NbChampionnat(); ++k)
        if (const TDonneesChampionnat* champ = Saison.GetChampionnat(k); champ && Joue(*champ, Id))
            return Saison.GetNomChampDesc(champ->CodeChamp);
    return {};
}

TRefus SupprimeEquipe(TSaison& Saison, int Id)
{
    for (int k = 1; k <= Saison.NbChampionnat(); ++k)
        if (const TDonneesChampionnat* champ = Saison.GetChampionnat(k); champ && Joue(*champ, Id))
            return TRefus::EquipeEngagee;
    Saison.Joueurs().SupprimeJoueursEquipe(Id);
    Saison.SupprimeEquipe(Id);
    return TRefus::Aucun;
}

bool ImporteBlasons(TSaison& Saison, const TBlasons& Blasons)
{
    bool change = false;
    for (int i = 0; i < Blasons.Count(); ++i) {
        uint16_t id = 0, parent = 0;
        std::string nom;
        if (!Blasons.GetElement(i, id, nom, parent))
            continue;
        const int equipe = Saison.ChercheEquipe(nom);
        if (equipe < 0 || Saison.GetLogoEquipe(equipe) == id)
            continue;
        Saison.SetLogoEquipe(equipe, id);
        change = true;
    }
    return change;
}

bool RenommePays(TSaison& Saison, int Code, const std::string& Nom)
{
    if (Code < 0 || Code >= Saison.Pays().Nombre() || Saison.Pays().GetNom(Code) == Nom)
        return false;
    Saison.Pays().SetNom(Code, Nom);
    return true;
}

void SupprimePays(TSaison& Saison, int Code)
{
    Saison.Pays().SetNom(Code, "");
}

int FusionnePays(TSaison& Saison, int Premier, int Second)
{
    const auto nb = [&](int code) { return Saison.Joueurs().NbJoueursPays(static_cast<uint16_t>(code)); };
    const int garde = nb(Second) > nb(Premier) ? Second : Premier;
    const int quitte = garde == Premier ? Second : Premier;
    const auto g = static_cast<uint16_t>(garde), q = static_cast<uint16_t>(quitte);
    Saison.Joueurs().RemplacePays(g, q);
    // The others would keep a code whose name is emptied, losing their nationality.
    for (TPersonnels* registre : {&Saison.Arbitres(), &Saison.Entraineurs()})
        for (TPersonnel* p : registre->Liste())
            if (p->CodePays == q)
                p->CodePays = g;
    for (TStade* s : Saison.Stades().Liste())
        if (s->CodePays == q)
            s->CodePays = g;
    SupprimePays(Saison, quitte);
    return garde;
}

} // namespace EditeursEquipes
