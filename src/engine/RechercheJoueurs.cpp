#include "engine/RechercheJoueurs.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "base/Horloge.h"
#include "base/Texte.h"
#include "base/Utilities.h"
#include "engine/EffectifsEquipe.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"

namespace RechercheJoueurs {

namespace {

constexpr int SansId = 65535;

// A birth date field: the number typed, -1 (any) when it is none.
int ChampDate(const std::string& Texte)
{
    return StrToIntDef(Trim(Texte), -1);
}

// Days 0 (30/12/1899) and 2 (01/01/1900) are the two ways a birth date was left empty.
bool SansDateNaissance(int Date)
{
    return Date == 0 || Date == 2;
}

// The age criterion, worked out once for the whole search.
class TFiltreAge {
public:
    TFiltreAge(const TSaison& Saison, const TCriteres& C) : FGenre(C.Age)
    {
        if (FGenre == TCritereAge::Entre) {
            int a = StrToIntDef(Trim(C.AgeDe), 0), b = StrToIntDef(Trim(C.AgeA), 0);
            if (a > b)
                std::swap(a, b);
            const int y = AnneeSaison(Saison);
            FMin = y <= b ? 1 : y - b;
            FMax = y - a;
        } else if (FGenre == TCritereAge::Naissance) {
            FJour = ChampDate(C.Jour);
            FMois = ChampDate(C.Mois);
            FAnnee = ChampDate(C.Annee);
            if (FAnnee >= 0 && FAnnee < 100)
                FAnnee += 1900;
        }
    }

    bool Accepte(const TJoueur& J) const
    {
        switch (FGenre) {
        case TCritereAge::Tous:
            return true;
        case TCritereAge::Entre:
            return J.Age != 0 && J.Age >= FMin && J.Age <= FMax;
        case TCritereAge::Naissance: {
            if (SansDateNaissance(J.DateNaissance))
                return false;
            const TDateHeure d = DateDuNumero(J.DateNaissance);
            return DateCorrespond(FJour, FMois, FAnnee,
                                  std::chrono::sys_days{std::chrono::year{d.Annee} / d.Mois / d.Jour});
        }
        }
        return false;
    }

private:
    TCritereAge FGenre;
    int FMin = 0, FMax = -1;
    int FJour = -1, FMois = -1, FAnnee = -1;
};

// A found player with the keys its place is chosen by.
struct TTrouve {
    TJoueur* Joueur;
    std::string Nom;
    std::string Prenom;
};

// Before the first entry whose surname is not smaller, unless that entry is
// a namesake of the same first name and team: those stay together.
void InsereTrouve(std::vector<TTrouve>& Liste, TTrouve T)
{
    const uint16_t equipe = T.Joueur->GetEquipe();
    auto it = std::find_if(Liste.begin(), Liste.end(), [&](const TTrouve& e) {
        return e.Nom >= T.Nom && !(e.Prenom == T.Prenom && e.Joueur->GetEquipe() == equipe);
    });
    Liste.insert(it, std::move(T));
}

// Whether a line-up word of the match names the player.
bool CompoNomme(const TInfoComp& M, int Id)
{
    for (int cote = 0; cote < 2; ++cote)
        for (int i = 1; i <= 21; ++i)
            if ((i <= 17 || i == 21) && M.GetCompoCote(cote, i) == Id)
                return true;
    return false;
}

} // namespace

bool NomCorrespond(const std::string& Motif, const std::string& Nom)
{
    std::string motif = Motif.empty() ? "*" : Motif;
    const bool prefixe = motif.back() == '*';
    if (prefixe)
        motif.pop_back();
    const std::string cle = NormaliseNom(motif), nom = NormaliseNom(Nom);
    // Folded texts are plain ASCII, one byte per character of the name.
    return prefixe ? nom.compare(0, cle.size(), cle) == 0 && nom.size() >= cle.size() : nom == cle;
}

std::vector<TJoueur*> Cherche(const TSaison& Saison, const TCriteres& Criteres)
{
    const TFiltreAge age(Saison, Criteres);
    std::vector<TTrouve> trouves;
    const TJoueurs& registre = Saison.Joueurs();
    for (int i = 0; i < registre.Nombre(); ++i) {
        TJoueur* j = registre.Get(i);
        if (j->Numero == SansId || !NomCorrespond(Criteres.Motif, j->Nom) || !age.Accepte(*j) ||
            std::find(Criteres.Postes.begin(), Criteres.Postes.end(), j->GetPoste()) == Criteres.Postes.end())
            continue;
        InsereTrouve(trouves, {j, NormaliseNom(j->Nom), NormaliseNom(j->Prenom)});
    }
    std::vector<TJoueur*> joueurs;
    joueurs.reserve(trouves.size());
    for (const TTrouve& t : trouves)
        joueurs.push_back(t.Joueur);
    return joueurs;
}

std::vector<std::vector<TJoueur*>> Doublons(const TSaison& Saison)
{
    std::vector<std::vector<TJoueur*>> series;
    const TJoueurs& registre = Saison.Joueurs();
    std::vector<TJoueur*> serie;
    std::string nom, prenom;
    for (int i = 0; i <= registre.Nombre(); ++i) {
        TJoueur* j = registre.Get(i);
        std::string n = j ? NormaliseNom(j->Nom) : std::string(), p = j ? NormaliseNom(j->Prenom) : std::string();
        if (j && !serie.empty() && n == nom && p == prenom) {
            serie.push_back(j);
            continue;
        }
        if (serie.size() > 1)
            series.push_back(std::move(serie));
        serie.clear();
        if (j)
            serie.push_back(j);
        nom = std::move(n);
        prenom = std::move(p);
    }
    return series;
}

bool JoueurUtilise(const TSaison& Saison, int Id)
{
    for (int k = 1; k <= Saison.NbChampionnat(); ++k) {
        const TDonneesChampionnat& c = *Saison.GetChampionnat(k);
        for (int n = 1; n <= c.GetNbJour(); ++n) {
            for (const TListeDonnees* liste : c.GetListesJournee(n))
                for (int e = 0; e < liste->Nombre(); ++e)
                    if (liste->Get(e)->GetJoueur() == Id)
                        return true;
            if (const TInfoCompJour* jour = c.GetJournee(n))
                for (int m = 0; m < jour->NbMatch(); ++m)
                    if (CompoNomme(*jour->GetMatch(m), Id))
                        return true;
        }
    }
    return false;
}

bool SupprimeJoueur(TSaison& Saison, const TJoueur* Joueur)
{
    if (!Joueur || JoueurUtilise(Saison, Joueur->Numero))
        return false;
    return Saison.Joueurs().Retire(Joueur) != nullptr;
}

void FusionneJoueurs(TSaison& Saison, TJoueur& A, const TJoueur* B)
{
    if (!B || B == &A)
        return;
    // Both sides are signed corrections: B's lowered total must not pass for a
    // large one and overwrite A's.
    for (int i = 0; i < B->NbStatHist(); ++i) {
        const TStatCarriere s = B->GetStatCarriere(i);
        if (A.GetNbMatchHist(s.Code, 1) < s.Buts)
            A.SetStatHist(s.Code, 1, s.Buts);
        if (A.GetNbMatchHist(s.Code, 0) < s.Matchs)
            A.SetStatHist(s.Code, 0, s.Matchs);
    }
    TListeRenumerotation renum{{B->Numero, A.Numero}};
    Saison.AppliqueRenumJoueurs(renum);
    Saison.Joueurs().Retire(B);
    // His season figures now count B's matches too.
    Saison.RecalculeJoueur(A.Numero, A.GetEquipe());
}

} // namespace RechercheJoueurs
