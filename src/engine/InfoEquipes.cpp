#include "engine/InfoEquipes.h"

#include "engine/Series.h"
#include "model/Championnat.h"
#include "model/ListeDonnees.h"
#include "model/Personnels.h"
#include "model/infocomp.h"

#include <algorithm>
#include <set>

namespace InfoEquipes {

namespace {

// Line-up words of a match: 1 to 11 the starters, 12 to 17 three pairs of a
// player going off and one coming on.
constexpr int DernierMotCompo = 17;
constexpr int MinutesMatch = 90;

bool MotCompoSaisi(uint16_t Mot)
{
    return Mot != 0 && Mot != TInfoComp::Aucun;
}

int Ratio(int Reussis, int Tentes)
{
    return Tentes == 0 ? 0 : Reussis * 1000 / Tentes;
}

uint16_t Plafonne(int Valeur)
{
    return static_cast<uint16_t>(std::clamp(Valeur, 0, 65535));
}

} // namespace

int ValeurStatistique(const TPersonnelStat& Joueur, uint16_t Cle, int Stat)
{
    auto C = [&](int i) { return Joueur.GetStat(Cle, i); };
    switch (Stat) {
    case 0:
        return C(1);
    case 1:
        return 5 * C(1) + 2 * C(2) + 3 * C(3) + 3 * C(4);
    case 2:
        return C(6);
    case 3:
        return Ratio(C(7), C(8));
    case 4:
        return Ratio(C(9), C(10));
    case 5:
        return Ratio(C(11), C(12));
    case 6:
        return C(13) + C(14);
    case 7:
        return C(15);
    default:
        return 0;
    }
}

std::vector<TRecordAffluence> RecordsAffluence(const TDonneesChampionnat& Champ)
{
    std::vector<TRecordAffluence> Records(static_cast<size_t>(std::max(Champ.GetNbEquipe(), 0)));
    const int Dernier = std::min<int>(Champ.JourneeJouee, Champ.GetNbJour());
    for (int Jour = 1; Jour <= Dernier; ++Jour)
        for (int M = 1; M <= Champ.GetNbMatchJournee(Jour); ++M) {
            const TInfoComp* Match = Champ.GetMatch(Jour, M);
            if (Match == nullptr)
                continue;
            const int Dom = Champ.IndexEquipe(Match->GetEquipe(0));
            if (Dom < 0 || Dom >= static_cast<int>(Records.size()))
                continue;
            TRecordAffluence& R = Records[static_cast<size_t>(Dom)];
            if (Match->GetAffluence() > R.Affluence)
                R = TRecordAffluence{Jour, M, Match->GetAffluence()};
        }
    return Records;
}

std::vector<TComptesCompos> CompteCompositions(const TDonneesChampionnat& Champ)
{
    const int N = std::max(Champ.GetNbEquipe(), 0);
    std::vector<TComptesCompos> Comptes(static_cast<size_t>(N));
    const int Dernier = std::min<int>(Champ.JourneeJouee, Champ.GetNbJour());
    std::set<uint16_t> Joueurs;
    for (int P = 0; P < N; ++P) {
        TComptesCompos& C = Comptes[static_cast<size_t>(P)];
        Joueurs.clear();
        for (int Jour = 1; Jour <= Dernier; ++Jour) {
            if (!Champ.CompoSaisie(Jour, P))
                continue;
            ++C.Compos;
            for (int Mot = 1; Mot <= DernierMotCompo; ++Mot)
                if (const uint16_t Id = Champ.GetCompoMatch(Jour, P, Mot); MotCompoSaisi(Id))
                    Joueurs.insert(Id);
            for (int Sortant = 12; Sortant < DernierMotCompo; Sortant += 2)
                if (MotCompoSaisi(Champ.GetCompoMatch(Jour, P, Sortant)) &&
                    MotCompoSaisi(Champ.GetCompoMatch(Jour, P, Sortant + 1)))
                    ++C.Remplacements;
        }
        C.Joueurs = static_cast<int>(Joueurs.size());
    }
    return Comptes;
}

double RemplacementsParMatch(const TComptesCompos& Comptes)
{
    if (Comptes.Remplacements == 0 || Comptes.Compos == 0)
        return 0.0;
    return static_cast<double>(Comptes.Remplacements) / Comptes.Compos;
}

std::vector<int> OrdreCroissant(const std::vector<double>& Cles)
{
    std::vector<int> Ordre;
    Ordre.reserve(Cles.size());
    for (int E = 0; E < static_cast<int>(Cles.size()); ++E) {
        const double Cle = Cles[static_cast<size_t>(E)];
        const auto Place = std::find_if(Ordre.begin(), Ordre.end(),
                                        [&](int Autre) { return Cles[static_cast<size_t>(Autre)] >= Cle; });
        Ordre.insert(Place, E);
    }
    return Ordre;
}

// --- Series of minutes -----------------------------------------------------------

TTableMinutes::TTableMinutes(int NbEquipe) : Series_(static_cast<size_t>(std::max(NbEquipe, 0))) {}

const TSerieMinutes& TTableMinutes::Get(int Equipe, int Genre, int Portee) const
{
    static const TSerieMinutes Vide;
    if (Equipe < 0 || Equipe >= NbEquipe() || Genre < 0 || Genre > 1 || Portee < 0 || Portee > 2)
        return Vide;
    return Series_[static_cast<size_t>(Equipe)][static_cast<size_t>(3 * Genre + Portee)];
}

TSerieMinutes* TTableMinutes::Modifie(int Equipe, int Genre, int Portee)
{
    if (Equipe < 0 || Equipe >= NbEquipe() || Genre < 0 || Genre > 1 || Portee < 0 || Portee > 2)
        return nullptr;
    return &Series_[static_cast<size_t>(Equipe)][static_cast<size_t>(3 * Genre + Portee)];
}

namespace {

// A match in which the series' event did not happen.
void SansEvenement(TSerieMinutes& S)
{
    if (!S.Vu)
        S.Courante = Plafonne(S.Courante + MinutesMatch);
    S.Course = Plafonne(S.Course + MinutesMatch);
}

// A match with the event at the given minutes, in increasing order.
void AvecEvenements(TSerieMinutes& S, const std::vector<int>& Minutes)
{
    const int Derniere = Minutes.back();
    if (!S.Vu) {
        S.Courante = Plafonne(S.Courante + MinutesMatch - Derniere);
        S.Vu = true;
    }
    S.Course = Plafonne(S.Course + MinutesMatch - Derniere);
    S.Meilleure = std::max(S.Meilleure, S.Course);
    for (size_t i = 1; i < Minutes.size(); ++i)
        S.Meilleure = std::max(S.Meilleure, Plafonne(Minutes[i] - Minutes[i - 1]));
    S.Course = Plafonne(Minutes.front());
}

// The minutes of a side's goals in a day's scorers list, capped at 90, in
// increasing order; a goal without its minute counts at minute 0.
void MinutesButs(const TListeDonnees* Buteurs, uint16_t Equipe, std::vector<int>& Minutes)
{
    Minutes.clear();
    for (int i = 0; Buteurs != nullptr && i < Buteurs->Nombre(); ++i) {
        const TDonneesEvt* E = Buteurs->Get(i);
        if (E->GetEquipe() == Equipe && (E->GetMot() & Evt::PenaltyManque) == 0)
            Minutes.push_back(std::min(E->GetMinute(), MinutesMatch));
    }
    if (Minutes.empty())
        Minutes.push_back(0);
    std::sort(Minutes.begin(), Minutes.end());
}

} // namespace

TTableMinutes CalculeSeriesMinutes(const TDonneesChampionnat& Champ)
{
    TTableMinutes Table(Champ.GetNbEquipe());
    std::vector<int> Minutes;
    ParcourtMatchsRecents(Champ, [&](int Jour, int Index) {
        const TInfoComp* Match = Champ.GetMatch(Jour, Index + 1);
        if (Match == nullptr || !Match->Joue())
            return;
        const std::array<int, 2> Positions{Champ.IndexEquipe(Match->GetEquipe(0)),
                                           Champ.IndexEquipe(Match->GetEquipe(1))};
        for (int Cote = 0; Cote < 2; ++Cote) {
            const int Equipe = Positions[static_cast<size_t>(Cote)];
            const int Adversaire = Positions[static_cast<size_t>(1 - Cote)];
            std::array<TSerieMinutes*, 4> Touchees{Table.Modifie(Equipe, SansMarquer, PorteeTous),
                                                   Table.Modifie(Equipe, SansMarquer, 1 + Cote),
                                                   Table.Modifie(Adversaire, SansEncaisser, PorteeTous),
                                                   Table.Modifie(Adversaire, SansEncaisser, 2 - Cote)};
            const bool AMarque = (Match->GetScore(Cote) & 0x7FFF) > 0;
            if (AMarque)
                MinutesButs(Champ.GetButeursJournee(Jour), Match->GetEquipe(Cote), Minutes);
            for (TSerieMinutes* S : Touchees) {
                if (S == nullptr)
                    continue;
                if (AMarque)
                    AvecEvenements(*S, Minutes);
                else
                    SansEvenement(*S);
            }
        }
    });
    for (int E = 0; E < Table.NbEquipe(); ++E)
        for (int Genre : {SansMarquer, SansEncaisser})
            for (int Portee : {PorteeTous, PorteeDomicile, PorteeExterieur}) {
                TSerieMinutes* S = Table.Modifie(E, Genre, Portee);
                S->Meilleure = std::max(S->Meilleure, S->Course);
            }
    return Table;
}

} // namespace InfoEquipes
