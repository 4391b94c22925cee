#include "engine/ClassJoueur.h"

#include <algorithm>
#include <map>

#include "base/Texte.h"
#include "base/Utilities.h"
#include "model/Championnat.h"
#include "model/ContexteSaison.h"
#include "model/Joueurs.h"
#include "model/Personnels.h"
#include "model/SaisonFoot.h"

namespace {

namespace G = GenreClassement;

// Own goals and missed penalties credit no scorer.
constexpr uint16_t HorsButeur = Evt::ContreCamp | Evt::PenaltyManque;

bool EstButeur(const TDonneesEvt& e)
{
    return (e.GetMot() & HorsButeur) == 0;
}

// Calls f(event) for every event of the list, of club `equipe` only unless it is 65535.
template <class F> void PourEvenements(const TListeDonnees* liste, uint16_t equipe, F f)
{
    for (int i = 0; liste && i < liste->Nombre(); ++i) {
        const TDonneesEvt& e = *liste->Get(i);
        if (equipe == 65535 || e.GetEquipe() == equipe)
            f(e);
    }
}

// The entries of a ranking while it is counted, one per player id.
class TCompteur {
public:
    explicit TCompteur(const TContexteSaison* saison) : Saison(saison) {}

    // The player's entry, created on his first event; null when the season
    // does not hold him (a line naming nobody could not be shown).
    TLigneClassement* Entree(int joueur, uint16_t equipeEvt)
    {
        const int id = joueur & 0x7FFF;
        if (auto it = Entrees.find(id); it != Entrees.end())
            return &it->second;
        const TJoueur* j = ChercheJoueur(Saison, id, equipeEvt);
        if (!j)
            return nullptr;
        TLigneClassement& l = Entrees[id];
        l.Joueur = id;
        l.Equipe = j->GetEquipe();
        return &l;
    }
    void Ajoute(const TDonneesEvt& e, int valeur, int second = 0)
    {
        if (TLigneClassement* l = Entree(e.GetJoueur(), e.GetEquipe())) {
            l->Valeur += valeur;
            l->Second += second;
        }
    }
    std::map<int, TLigneClassement>& GetEntrees() { return Entrees; }

    TListeClassement Resultat(int genre) &&;

private:
    const TContexteSaison* Saison;
    std::map<int, TLigneClassement> Entrees;
};

TListeClassement TCompteur::Resultat(int genre) &&
{
    struct Cle {
        std::string Equipe;
        std::string Nom;
        TLigneClassement Ligne;
    };
    std::vector<Cle> tri;
    tri.reserve(Entrees.size());
    for (auto& [id, l] : Entrees) {
        const TJoueur* j = ChercheJoueur(Saison, id, l.Equipe);
        tri.push_back({Saison ? Saison->GetNomEquipe(l.Equipe) : std::string(),
                       j ? NormaliseNom(j->GetNomComplet()) : "", std::move(l)});
    }
    // Players of one team stay together even when two teams share a name;
    // among complete ties the higher id comes first, as an entry inserted
    // before its equals would.
    std::sort(tri.begin(), tri.end(), [](const Cle& a, const Cle& b) {
        if (a.Ligne.Valeur != b.Ligne.Valeur)
            return a.Ligne.Valeur > b.Ligne.Valeur;
        if (int c = AnsiCompareText(a.Equipe, b.Equipe); c != 0)
            return c < 0;
        if (a.Ligne.Equipe != b.Ligne.Equipe)
            return a.Ligne.Equipe < b.Ligne.Equipe;
        if (int c = a.Nom.compare(b.Nom); c != 0)
            return c < 0;
        return a.Ligne.Joueur > b.Ligne.Joueur;
    });
    std::vector<TLigneClassement> lignes;
    lignes.reserve(tri.size());
    for (Cle& c : tri)
        lignes.push_back(std::move(c.Ligne));
    return TListeClassement(genre, std::move(lignes));
}

// --- Football and rugby kinds ---

// Kinds 3 and 4: matches with two, or three or more, goals of the player on one day.
void CompteMultiButs(TCompteur& c, const TListeDonnees* buteurs, uint16_t equipe, int genre)
{
    std::map<int, std::pair<int, const TDonneesEvt*>> parJoueur;
    PourEvenements(buteurs, equipe, [&](const TDonneesEvt& e) {
        if (EstButeur(e)) {
            auto& [nombre, premier] = parJoueur[e.GetJoueur() & 0x7FFF];
            if (nombre++ == 0)
                premier = &e;
        }
    });
    for (const auto& [id, p] : parJoueur)
        if (genre == G::Doublets ? p.first == 2 : p.first >= 3)
            c.Ajoute(*p.second, 1);
}

void CompteRugby(TCompteur& c, const TDonneesChampionnatRugby& champ, int jour, uint16_t equipe, int genre)
{
    auto compte = [&](const TListeDonnees* liste, int points) {
        PourEvenements(liste, equipe, [&](const TDonneesEvt& e) { c.Ajoute(e, points); });
    };
    switch (genre) {
    case G::Realisateurs:
        PourEvenements(champ.GetButeursJournee(jour), equipe, [&](const TDonneesEvt& e) {
            if (EstButeur(e))
                c.Ajoute(e, 5);
        });
        compte(champ.GetTransfosJournee(jour), 2);
        compte(champ.GetPenalitesJournee(jour), 3);
        compte(champ.GetDropsJournee(jour), 3);
        break;
    case G::Transformations:
        compte(champ.GetTransfosJournee(jour), 1);
        break;
    case G::Penalites:
        compte(champ.GetPenalitesJournee(jour), 1);
        break;
    case G::Drops:
        compte(champ.GetDropsJournee(jour), 1);
        break;
    }
}

void CompteJour(TCompteur& c, const TDonneesChampionnat& champ, int jour, uint16_t equipe, int genre)
{
    switch (genre) {
    case G::Buteurs:
        PourEvenements(champ.GetButeursJournee(jour), equipe, [&](const TDonneesEvt& e) {
            if (EstButeur(e))
                c.Ajoute(e, 1, (e.GetMot() & Evt::Penalty) ? 1 : 0);
        });
        break;
    case G::Avertis:
    case G::Exclus:
        PourEvenements(champ.GetCartonsJournee(jour), equipe, [&](const TDonneesEvt& e) {
            if (((e.GetMot() & Evt::ContreCamp) != 0) == (genre == G::Exclus))
                c.Ajoute(e, 1);
        });
        break;
    case G::Doublets:
    case G::Triplets:
        CompteMultiButs(c, champ.GetButeursJournee(jour), equipe, genre);
        break;
    case G::Passeurs:
        if (auto* foot = dynamic_cast<const TDonneesChampionnatFootball*>(&champ))
            PourEvenements(foot->GetPasseursJournee(jour), equipe, [&](const TDonneesEvt& e) { c.Ajoute(e, 1); });
        break;
    case G::ContreCamp:
        PourEvenements(champ.GetButeursJournee(jour), equipe, [&](const TDonneesEvt& e) {
            if (e.GetMot() & Evt::ContreCamp)
                c.Ajoute(e, 1);
        });
        break;
    case G::Realisateurs:
    case G::Transformations:
    case G::Penalites:
    case G::Drops:
        if (auto* rugby = dynamic_cast<const TDonneesChampionnatRugby*>(&champ))
            CompteRugby(c, *rugby, jour, equipe, genre);
        break;
    }
}

// --- Basketball kinds ---

// What a box-score value gives to a kind: the whole value, the made (high)
// or low byte of a pair, the sum of both bytes, or made out of attempted.
enum class Prise { Mot, Haut, Bas, Somme, Pourcentage };

struct RegleBasket {
    int Liste = -1; // box-score list (-1: the evaluation)
    Prise Valeur = Prise::Mot;
};

RegleBasket Regle(int genre)
{
    // Kinds 14..31, then 32..46 at the same lists.
    static const RegleBasket totaux[] = {
        {1, Prise::Mot},         {2, Prise::Haut},        {3, Prise::Haut}, {4, Prise::Haut}, {2, Prise::Pourcentage},
        {3, Prise::Pourcentage}, {4, Prise::Pourcentage}, {5, Prise::Haut}, {5, Prise::Bas},  {8, Prise::Mot},
        {9, Prise::Mot},         {6, Prise::Mot},         {10, Prise::Mot}, {0, Prise::Mot},  {5, Prise::Somme},
        {-1, Prise::Mot},        {7, Prise::Mot},         {11, Prise::Mot}};
    static const RegleBasket parMatch[] = {
        {1, Prise::Mot},         {2, Prise::Haut},        {3, Prise::Haut}, {4, Prise::Haut}, {2, Prise::Pourcentage},
        {3, Prise::Pourcentage}, {4, Prise::Pourcentage}, {5, Prise::Haut}, {5, Prise::Bas},  {8, Prise::Mot},
        {9, Prise::Mot},         {6, Prise::Mot},         {10, Prise::Mot}, {7, Prise::Mot},  {11, Prise::Mot}};
    if (G::EstMoyenne(genre))
        return totaux[genre - G::PremierBasket];
    return parMatch[genre - G::PremierParMatch];
}

int Prend(Prise prise, uint16_t mot)
{
    switch (prise) {
    case Prise::Haut:
        return mot >> 8;
    case Prise::Bas:
        return mot & 0xFF;
    case Prise::Somme:
        return (mot >> 8) + (mot & 0xFF);
    default:
        return mot;
    }
}

// The fewest attempts in a match for a shooting percentage to count it
// (options 16, 17 and 18 for the 2-point, 3-point and free-throw lists).
int MinimumTentatives(const TDonneesChampionnat& champ, int liste)
{
    return champ.GetOption(14 + liste);
}

std::string TexteMatch(const TDonneesChampionnat& champ, int jour, uint16_t equipe)
{
    const TInfoComp* m = champ.GetMatchEquipe(jour, equipe);
    return m && champ.GetSaison() ? m->GetLibelle(*champ.GetSaison()) : std::string();
}

// One basketball day into the entries: sums with a count of matches (or of
// attempts) for 14..31, the best match for 32..46.
void CompteJourBasket(TCompteur& c, const TDonneesChampionnatBasket& champ, int jour, uint16_t equipe, int genre)
{
    const RegleBasket regle = Regle(genre);
    if (regle.Liste < 0) {
        for (int p = 0; p < champ.GetNbEquipe(); ++p) {
            const int id = champ.GetEquipe(p);
            if (id < 0 || id == 65535 || (equipe != 65535 && id != equipe))
                continue;
            TListeStatTir stats(champ.GetSaison());
            stats.Calcule(static_cast<uint16_t>(id), champ, jour, 2);
            for (int i = 0; i < stats.Nombre(); ++i)
                if (TLigneClassement* l = c.Entree(stats.Get(i)->Joueur, static_cast<uint16_t>(id))) {
                    l->Total += champ.Evaluation(*stats.Get(i));
                    ++l->Nombre;
                }
        }
        return;
    }
    const int minimum = MinimumTentatives(champ, regle.Liste);
    PourEvenements(champ.GetStatJournee(jour, regle.Liste), equipe, [&](const TDonneesEvt& e) {
        const uint16_t mot = e.GetMot();
        int valeur = Prend(regle.Valeur, mot);
        int nombre = 1;
        if (regle.Valeur == Prise::Pourcentage) {
            const int tentes = mot & 0xFF;
            // No attempt gives no percentage, whatever the minimum.
            if (tentes < minimum || tentes == 0)
                return;
            valeur = mot >> 8;
            nombre = tentes;
        }
        TLigneClassement* l = c.Entree(e.GetJoueur(), e.GetEquipe());
        if (!l)
            return;
        if (G::EstMoyenne(genre)) {
            l->Total += valeur;
            l->Nombre += nombre;
            return;
        }
        if (regle.Valeur == Prise::Pourcentage)
            valeur = valeur * 10000 / nombre;
        if (l->Nombre++ == 0 || valeur > l->Valeur) {
            l->Valeur = valeur;
            l->Match = TexteMatch(champ, jour, e.GetEquipe());
        }
    });
}

void CalculeMoyennes(TCompteur& c, int genre)
{
    const int echelle = G::EstPourcentage(genre) ? 10000 : 100;
    for (auto& [id, l] : c.GetEntrees())
        l.Valeur = l.Nombre > 0 ? l.Total * echelle / l.Nombre : 0;
}

// The rankings count up to the day being entered and never fewer days than
// the standings: a current day left behind the last played one would hide
// the goals of the days after it.
int DernierJour(const TDonneesChampionnat& champ)
{
    return std::min<int>(std::max(champ.NbJournee, champ.JourneeJouee), champ.GetNbJour());
}

} // namespace

std::vector<int> TClassJoueur::Portee(const std::vector<TLigneDesc>& desc, int idCourant, int portee)
{
    const int n = static_cast<int>(desc.size());
    int ici = 0;
    while (ici < n && !(desc[ici].Niveau == 3 && desc[ici].Valeur == idCourant))
        ++ici;
    if (ici == n)
        return {};
    auto prise = [&](int i) { return desc[i].Niveau == 3 || (portee == 3 && desc[i].Niveau == 2); };
    int debut = ici;
    while (debut > 0 && prise(debut - 1))
        --debut;
    int fin = ici;
    while (fin + 1 < n && prise(fin + 1))
        ++fin;
    std::vector<int> ids;
    for (int i = debut; i <= fin; ++i)
        if (desc[i].Niveau == 3 && std::find(ids.begin(), ids.end(), desc[i].Valeur) == ids.end())
            ids.push_back(desc[i].Valeur);
    return ids;
}

TListeClassement TClassJoueur::CalculeChampionnats(const TContexteSaison* saison,
                                                   const std::vector<const TDonneesChampionnat*>& champs,
                                                   uint16_t equipe, int genre)
{
    TCompteur c(saison);
    for (const TDonneesChampionnat* champ : champs) {
        if (!champ)
            continue;
        const auto* basket = dynamic_cast<const TDonneesChampionnatBasket*>(champ);
        for (int jour = 1; jour <= DernierJour(*champ); ++jour) {
            if (!G::EstBasket(genre))
                CompteJour(c, *champ, jour, equipe, genre);
            else if (basket)
                CompteJourBasket(c, *basket, jour, equipe, genre);
        }
    }
    if (G::EstMoyenne(genre))
        CalculeMoyennes(c, genre);
    return std::move(c).Resultat(genre);
}

TListeNotes TClassJoueur::CreeListeNotesChampionnats(const TContexteSaison* saison,
                                                     const std::vector<const TDonneesChampionnat*>& champs,
                                                     const TDonneesChampionnat& courant, int position, int filtre)
{
    TListeNotes notes(saison);
    // A club is given by its place in the current championship; the other
    // championships of the scope hold it elsewhere, or not at all.
    const int club = position == 65535 ? -1 : courant.GetEquipe(position);
    if (position != 65535 && club < 0)
        return notes;
    for (const TDonneesChampionnat* champ : champs) {
        if (!champ)
            continue;
        int premiere = 0;
        int derniere = champ->GetNbEquipe() - 1;
        if (club >= 0) {
            premiere = derniere = champ->IndexEquipe(club);
            if (premiere < 0)
                continue;
        }
        for (int jour = 1; jour <= DernierJour(*champ); ++jour)
            for (int p = premiere; p <= derniere; ++p) {
                if (!champ->NotesSaisies(jour, p))
                    continue;
                auto note = [&](int compo, int rang) {
                    const uint8_t n = champ->GetNoteJoueurMatch(jour, p, rang);
                    if (n < 255)
                        notes.AjouteNote(champ->GetCompoMatch(jour, p, compo), n, filtre);
                };
                for (int i = 1; i <= 11; ++i)
                    note(i, i);
                // Substitutes who came on: line-up words 13, 15, 17, ratings 12..14.
                for (int k = 1; k <= 3; ++k)
                    note(11 + 2 * k, 11 + k);
            }
    }
    const int seuil = courant.GetOptionArbitre(4) * courant.NbJournee / 100;
    for (int i = notes.Nombre() - 1; i >= 0; --i)
        if (notes.Get(i)->Nombre < seuil)
            notes.Supprime(i);
    notes.Trie();
    return notes;
}

std::vector<TLigneArbitre> TClassArbitre::CalculeNumeros(const TPersonnels& arbitres, const std::vector<int>& numeros,
                                                         int genre)
{
    if (genre < 0 || genre > 3)
        return {};
    std::vector<TLigneArbitre> lignes;
    for (int k : numeros) {
        if (k < 1 || k > 65535)
            continue;
        const auto cle = static_cast<uint16_t>(k);
        for (int i = 0; i < arbitres.Nombre(); ++i) {
            const auto* a = dynamic_cast<const TPersonnelStat*>(arbitres.Get(i));
            if (!a)
                continue;
            int nombre = 0;
            switch (genre) {
            case 0:
                nombre = a->GetStat(cle, 1);
                break;
            case 1:
                nombre = a->GetAvertissements(cle);
                break;
            case 2:
                nombre = a->GetExpulsions(cle);
                break;
            default:
                nombre = a->GetAvertissements(cle) + 5 * a->GetExpulsions(cle);
                break;
            }
            // Matches of a championship where he gave nothing still count:
            // the ratio is per match over the whole scope.
            const int matchs = a->GetMatchs(cle);
            if (nombre != 0 || matchs != 0)
                AjouteArbitre(lignes, a->Numero, nombre, matchs);
        }
    }
    std::erase_if(lignes, [](const TLigneArbitre& l) { return l.Nombre == 0; });
    return lignes;
}

void TClassArbitre::AjouteArbitre(std::vector<TLigneArbitre>& liste, int arbitre, int nombre, int matchs)
{
    TLigneArbitre l{arbitre, nombre, matchs, 0};
    auto it = std::find_if(liste.begin(), liste.end(), [&](const TLigneArbitre& x) { return x.Arbitre == arbitre; });
    if (it != liste.end()) {
        l.Nombre = static_cast<uint16_t>(it->Nombre + nombre);
        l.Matchs = static_cast<uint16_t>(it->Matchs + matchs);
        liste.erase(it);
    }
    l.Ratio = l.Matchs > 0 ? l.Nombre * 100 / l.Matchs : 0;
    auto place = std::find_if(liste.begin(), liste.end(), [&](const TLigneArbitre& x) { return x.Ratio < l.Ratio; });
    liste.insert(place, l);
}

// --- Over the season ---

std::vector<int> TClassJoueur::CreeListe(const TSaison& saison, bool useScope)
{
    const TDonneesChampionnat* courant = saison.GetChampCourant();
    if (!courant)
        return {};
    const int portee = courant->GetOption(0) & 0x0F;
    if (!useScope || portee < 2)
        return {courant->CodeChamp};
    std::vector<TLigneDesc> desc;
    desc.reserve(saison.NbDesc());
    for (int i = 0; i < saison.NbDesc(); ++i) {
        const int objet = saison.GetDescBrut(i).Objet;
        desc.push_back({objet & 0x0F, objet >> 4});
    }
    std::vector<int> ids = Portee(desc, courant->CodeChamp, portee);
    // A championship the season tree does not show is ranked on its own.
    if (ids.empty())
        ids.push_back(courant->CodeChamp);
    return ids;
}

namespace {
std::vector<const TDonneesChampionnat*> ChampionnatsPortee(const TSaison& saison, bool useScope)
{
    std::vector<const TDonneesChampionnat*> champs;
    for (int id : TClassJoueur::CreeListe(saison, useScope))
        if (const TDonneesChampionnat* c = saison.GetChampionnatId(id))
            champs.push_back(c);
    return champs;
}
} // namespace

TListeClassement TClassJoueur::Calcule(const TSaison& saison, uint16_t equipe, bool useScope, int genre)
{
    return CalculeChampionnats(&saison, ChampionnatsPortee(saison, useScope), equipe, genre);
}

TListeNotes TClassJoueur::CreeListeNotes(const TSaison& saison, int position, int filtre, bool useScope)
{
    const TDonneesChampionnat* courant = saison.GetChampCourant();
    if (!courant)
        return TListeNotes(&saison);
    return CreeListeNotesChampionnats(&saison, ChampionnatsPortee(saison, useScope), *courant, position, filtre);
}

std::vector<TLigneArbitre> TClassArbitre::Calcule(const TSaison& saison, int genre)
{
    std::vector<int> numeros;
    for (int id : TClassJoueur::CreeListe(saison, true))
        if (int k = saison.GetNumChampionnatId(id); k > 0)
            numeros.push_back(k);
    return CalculeNumeros(saison.Arbitres(), numeros, genre);
}
