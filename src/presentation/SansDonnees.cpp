#include "presentation/SansDonnees.h"

#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"

namespace SansDonnees {

namespace {

enum : int {
    TexteSansAffluence = 3263,
    TexteSansComposition = 3264,
    TexteSansNote = 3265,
};

// Whether any team of any day of any championship of the season passes Test.
template <class F> bool UneEquipe(const TSaison& Saison, F Test)
{
    for (int K = 1; K <= Saison.NbChampionnat(); ++K) {
        const TDonneesChampionnat* Champ = Saison.GetChampionnat(K);
        if (Champ == nullptr)
            continue;
        for (int Jour = 1; Jour <= Champ->GetNbJour(); ++Jour)
            for (int P = 0; P < Champ->GetNbEquipe(); ++P)
                if (Test(*Champ, Jour, P))
                    return true;
    }
    return false;
}

} // namespace

std::string LigneAffluences(const TDonneesChampionnat& Champ)
{
    for (int Jour = 1; Jour <= Champ.GetNbJour(); ++Jour)
        for (int M = 1; M <= Champ.GetNbMatchJournee(Jour); ++M)
            if (Champ.GetAffluence(Jour, M) > 0)
                return {};
    return Traduit(TexteSansAffluence);
}

std::string LigneCompositions(const TSaison& Saison)
{
    // A line-up read from an older file may hold its players without the
    // entered flag.
    const bool Avec = UneEquipe(Saison, [](const TDonneesChampionnat& Champ, int Jour, int P) {
        return Champ.CompoSaisie(Jour, P) || Champ.GetCompoMatch(Jour, P, 1) != 0;
    });
    return Avec ? std::string() : Traduit(TexteSansComposition);
}

std::string LigneNotes(const TSaison& Saison)
{
    const bool Avec = UneEquipe(
        Saison, [](const TDonneesChampionnat& Champ, int Jour, int P) { return Champ.NotesSaisies(Jour, P); });
    return Avec ? std::string() : Traduit(TexteSansNote);
}

} // namespace SansDonnees
