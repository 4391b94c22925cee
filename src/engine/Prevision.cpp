#include "engine/Prevision.h"

#include "engine/CalculClassement.h"
#include "engine/FicheMatch.h"
#include "model/Championnat.h"
#include "model/infocomp.h"

#include <algorithm>
#include <cmath>

namespace Prevision {

namespace {

constexpr uint16_t Aucun = TInfoComp::Aucun;
constexpr double NoteMax = 5;

// Walks the team's played matches from the last played day back, at most N,
// on the side's ground only when Cote is 0 or 1; Compte(weight, own goals,
// other goals, side) gets each with the weights N, N - 1, ...; returns the
// sum of the weights taken.
template <class F> int Parcourt(const TDonneesChampionnat& Champ, int Id, int N, int Cote, F Compte)
{
    int Pris = 0;
    int Poids = 0;
    for (int Jour = std::min<int>(Champ.JourneeJouee, Champ.GetNbJour()); Jour >= 1 && Pris < N; --Jour) {
        int Slot = -1;
        for (int S = 0; S < Champ.GetNbEquipe(); ++S)
            if (Champ.GetValeurMatch(Jour, 2 * S + 1) == Id) {
                Slot = S;
                break;
            }
        if (Slot < 0 || Champ.GetValeurMatch(Jour, 2 * Slot + 2) == Aucun)
            continue;
        const int CoteMatch = Slot % 2;
        if (Cote >= 0 && CoteMatch != Cote)
            continue;
        const int Base = 4 * (Slot / 2);
        const int ButsDomicile = Champ.GetValeurMatch(Jour, Base + 2);
        const int ButsExterieur = Champ.GetValeurMatch(Jour, Base + 4);
        const int Pour = CoteMatch == 0 ? ButsDomicile : ButsExterieur;
        const int Contre = CoteMatch == 0 ? ButsExterieur : ButsDomicile;
        const int PoidsMatch = N - Pris;
        Compte(PoidsMatch, Pour, Contre, CoteMatch);
        Poids += PoidsMatch;
        ++Pris;
    }
    return Poids;
}

} // namespace

double Perf(const TDonneesChampionnat& Champ, int Id, int N, int Cote)
{
    double Points = 0;
    const int Poids = Parcourt(Champ, Id, N, Cote == 0 ? 0 : 1, [&](int P, int Pour, int Contre, int) {
        Points += Pour > Contre ? 2 * P : (Pour == Contre ? P : 0);
    });
    return Poids > 0 ? Points / Poids : 0;
}

double Forme(const TDonneesChampionnat& Champ, int Id, int N)
{
    double Points = 0;
    const int Poids = Parcourt(Champ, Id, N, -1, [&](int P, int Pour, int Contre, int CoteMatch) {
        if (Pour > Contre)
            Points += (CoteMatch == 0 ? 4 : 6) * P;
        else if (Pour == Contre)
            Points += (CoteMatch == 0 ? 2 : 3) * P;
    });
    return Poids > 0 ? Points / Poids : 0;
}

int TPourcentages::Meilleur() const
{
    if (!Definis)
        return -1;
    if (Domicile > Nul && Domicile > Exterieur)
        return 0;
    if (Nul > Domicile && Nul > Exterieur)
        return 1;
    if (Exterieur > Domicile && Exterieur > Nul)
        return 2;
    return -1;
}

TPourcentages Pourcentages(double Domicile, double Exterieur)
{
    TPourcentages P;
    P.Definis = true;
    const double A = 20 * Domicile;
    const double C = 20 * Exterieur;
    const double Nul = (10 - std::sqrt(20 * std::fabs(Domicile - Exterieur))) * 8;
    const double Total = A + Nul + C;
    P.Domicile = A * 100 / Total;
    P.Nul = Nul * 100 / Total;
    P.Exterieur = C * 100 / Total;
    return P;
}

std::vector<TPrevisionMatch> CalculePrevision(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Jour,
                                              const TReglages& R, const TStat* Archive)
{
    std::vector<TPrevisionMatch> Liste;
    if (Jour < 1 || Jour > Champ.GetNbJour())
        return Liste;
    TCalculClassement Calcul(&Champ, &Saison);
    Calcul.Calcule(TCalculClassement::General, 1, nullptr, std::min<int>(Champ.JourneeJouee, Champ.GetNbJour()));
    std::vector<int> Positions(static_cast<size_t>(std::max(Champ.GetNbEquipe(), 0)), 0);
    for (int Ligne = 0; Ligne < Champ.GetNbEquipe(); ++Ligne) {
        const int E = Calcul.GetClassement(Ligne, 1);
        if (E >= 0 && E < Champ.GetNbEquipe() && Positions[static_cast<size_t>(E)] == 0)
            Positions[static_cast<size_t>(E)] = Ligne + 1;
    }
    const auto Position = [&](int E) { return E >= 0 ? Positions[static_cast<size_t>(E)] : 0; };
    for (int M = 0; M < Champ.GetNbMatchJournee(Jour); ++M) {
        const uint16_t Dom = Champ.GetValeurMatch(Jour, 4 * M + 1);
        const uint16_t Ext = Champ.GetValeurMatch(Jour, 4 * M + 3);
        if (Dom == Aucun || Ext == Aucun)
            continue;
        TPrevisionMatch P;
        P.Index = M;
        P.Domicile = Champ.IndexEquipe(Dom);
        P.Exterieur = Champ.IndexEquipe(Ext);
        P.PositionDomicile = Position(P.Domicile);
        P.PositionExterieur = Position(P.Exterieur);
        double SommeDomicile =
            2.5 * Perf(Champ, Dom, R.NbMatchForme, 0) * R.PoidsPerf + Forme(Champ, Dom, R.NbMatchPerf) * R.PoidsForme;
        double SommeExterieur =
            2.5 * Perf(Champ, Ext, R.NbMatchForme, 1) * R.PoidsPerf + Forme(Champ, Ext, R.NbMatchPerf) * R.PoidsForme;
        double Poids = R.PoidsPerf + R.PoidsForme;
        if (Archive != nullptr) {
            const FicheMatch::TBilan B =
                FicheMatch::CompterConfrontations(Saison, Champ, P.Domicile, P.Exterieur, R.NbRencontres, Archive);
            if (B.Total() > 0) {
                SommeDomicile += (5.0 * B.Victoires + 2.5 * B.Nuls) / B.Total() * R.PoidsHistorique;
                SommeExterieur += (5.0 * B.Defaites + 2.5 * B.Nuls) / B.Total() * R.PoidsHistorique;
                Poids += R.PoidsHistorique;
            }
        }
        if (Poids != 0) {
            P.NoteDomicile = std::min(SommeDomicile / Poids, NoteMax);
            P.NoteExterieur = std::min(SommeExterieur / Poids, NoteMax);
            P.Pourcentages = Pourcentages(P.NoteDomicile, P.NoteExterieur);
        }
        Liste.push_back(P);
    }
    return Liste;
}

} // namespace Prevision
