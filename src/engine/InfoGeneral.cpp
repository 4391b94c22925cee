#include "engine/InfoGeneral.h"

#include "base/Format.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/ContexteSaison.h"
#include "model/Joueurs.h"
#include "model/LectureParametre.h"
#include "model/ListeDonnees.h"
#include "model/infocomp.h"

#include <algorithm>

namespace InfoGeneral {

namespace {

enum : int { TexteJournee = 85, TexteTitreJournee = 209 };

int DernierJour(const TDonneesChampionnat& Champ)
{
    return std::min<int>(Champ.JourneeJouee, Champ.GetNbJour());
}

// Adds the day's scorer-list events to the distribution; calls Buteur for
// each that counts (missed penalties do not).
template <class F> void CompteButeurs(const TDonneesChampionnat& Champ, int Jour, TRepartition& R, F Buteur)
{
    const TListeDonnees* Liste = Champ.GetButeursJournee(Jour);
    if (Liste == nullptr)
        return;
    for (int i = 0; i < Liste->Nombre(); ++i) {
        const TDonneesEvt* E = Liste->Get(i);
        if (E == nullptr || (E->GetMot() & Evt::PenaltyManque) != 0)
            continue;
        if (const int Tranche = E->GetMinute() / 5; Tranche < NbTranches)
            ++R[static_cast<size_t>(Tranche)];
        Buteur(*E);
    }
}

std::string F(double Valeur)
{
    return FormatChiffres(Valeur, 5, 2);
}

} // namespace

TInfo CalculeInfo(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Jour)
{
    TInfo I;
    I.Jour = Jour;
    const int NbJour = std::max(Champ.GetNbJour(), 0);
    I.ButsJournee.assign(static_cast<size_t>(NbJour), 0);
    I.JaunesJournee.assign(static_cast<size_t>(NbJour), 0);
    I.RougesJournee.assign(static_cast<size_t>(NbJour), 0);
    I.AffluenceJournee.assign(static_cast<size_t>(NbJour), 0);
    const int L = DernierJour(Champ);
    const int Premier = Jour == 0 ? 1 : Jour;
    const int Dernier = Jour == 0 ? L : std::min(Jour, NbJour);
    const TJoueurs* Joueurs = Saison.GetJoueurs();
    for (int J = Premier; J <= Dernier; ++J) {
        const size_t j = static_cast<size_t>(J - 1);
        for (int K = 0; K < Champ.GetNbMatchJournee(J); ++K) {
            const uint16_t S1 = Champ.GetValeurMatch(J, 4 * K + 2);
            const uint16_t S2 = Champ.GetValeurMatch(J, 4 * K + 4);
            if (S1 == TInfoComp::Aucun || S2 == TInfoComp::Aucun)
                continue;
            const int Affluence = std::max(Champ.GetAffluence(J, K + 1), 0);
            I.Affluence += Affluence;
            I.AffluenceJournee[j] += Affluence;
            ++I.Matchs;
            if (S1 == S2)
                ++I.Nuls;
            if (S1 > S2)
                ++I.VictoiresDomicile;
            I.ButsJournee[j] += S1 + S2;
            I.ButsDomicile += S1;
        }
        CompteButeurs(Champ, J, I.Repartition, [&](const TDonneesEvt& E) {
            if ((E.GetMot() & Evt::ContreCamp) != 0) {
                ++I.ContreSonCamp;
                return;
            }
            const TJoueur* Joueur = Joueurs != nullptr ? Joueurs->ChercheId(E.GetJoueur(), E.GetEquipe()) : nullptr;
            if (Joueur == nullptr)
                return;
            if (const int Poste = Joueur->GetNumeroPoste(); Poste >= 1 && Poste <= 4)
                ++I.Postes[static_cast<size_t>(Poste - 1)];
        });
        if (const TListeDonnees* Cartons = Champ.GetCartonsJournee(J))
            for (int i = 0; i < Cartons->Nombre(); ++i) {
                const TDonneesEvt* E = Cartons->Get(i);
                if (E == nullptr)
                    continue;
                if ((E->GetMot() & Evt::ContreCamp) != 0)
                    ++I.RougesJournee[j];
                else
                    ++I.JaunesJournee[j];
            }
        I.Jaunes += I.JaunesJournee[j];
        I.Rouges += I.RougesJournee[j];
        I.Buts += I.ButsJournee[j];
    }
    // Best and poorest day over days 1..L; with one day the others count 0.
    auto Compte = [&](int J) { return J >= 1 && J <= NbJour ? I.ButsJournee[static_cast<size_t>(J - 1)] : 0; };
    I.MeilleurNombre = I.PireNombre = Compte(1);
    for (int J = 2; J <= L; ++J) {
        const int N = Compte(J);
        if (N > I.MeilleurNombre) {
            I.MeilleurNombre = N;
            I.MeilleurJour = J;
        } else if (N < I.PireNombre) {
            I.PireNombre = N;
            I.PireJour = J;
        }
    }
    return I;
}

TRepartition CompteRepartition(const TDonneesChampionnat& Champ, int Jour)
{
    TRepartition R{};
    const int Premier = Jour == 0 ? 1 : Jour;
    const int Dernier = Jour == 0 ? DernierJour(Champ) : Jour;
    for (int J = Premier; J <= Dernier; ++J)
        CompteButeurs(Champ, J, R, [](const TDonneesEvt&) {});
    return R;
}

int ArrondiEchelle(int N)
{
    if (N < 2)
        return 1;
    if (N < 10)
        return N;
    int Puissance = 1;
    while (N >= 10) {
        const bool Reste = N % 10 != 0;
        N = N / 10 + (Reste ? 1 : 0);
        Puissance *= 10;
    }
    return N * Puissance;
}

TTextes Textes(const TInfo& I)
{
    TTextes T;
    const int M = I.Matchs;
    T.Matchs = std::to_string(M);
    auto Jour = [](int Nombre, int J) {
        return std::to_string(Nombre) + " (" + Traduit(TexteJournee) + " " + std::to_string(J) + ")";
    };
    if (M == 0) {
        for (std::string* S : {&T.AffluenceMoyenne, &T.Nuls, &T.Buts, &T.ButsParMatch, &T.Meilleur, &T.Pire, &T.Jaunes,
                               &T.JaunesParMatch, &T.Rouges, &T.RougesParMatch, &T.VictoiresDomicile, &T.NulsDomicile,
                               &T.DefaitesDomicile})
            *S = "-";
    } else {
        T.AffluenceMoyenne = std::to_string(I.Affluence / M);
        T.Nuls = F(100.0 * I.Nuls / M) + "%";
        T.Buts = std::to_string(I.Buts);
        T.ButsParMatch = F(static_cast<double>(I.Buts) / M);
        T.Meilleur = Jour(I.MeilleurNombre, I.MeilleurJour);
        T.Pire = Jour(I.PireNombre, I.PireJour);
        T.Jaunes = std::to_string(I.Jaunes);
        T.JaunesParMatch = F(static_cast<double>(I.Jaunes) / M);
        T.Rouges = std::to_string(I.Rouges);
        T.RougesParMatch = F(static_cast<double>(I.Rouges) / M);
        T.VictoiresDomicile = F(100.0 * I.VictoiresDomicile / M) + "%";
        T.NulsDomicile = T.Nuls;
        T.DefaitesDomicile = F(100.0 * (M - I.VictoiresDomicile - I.Nuls) / M) + "%";
    }
    if (I.Buts > 0) {
        const double Domicile = 100.0 * I.ButsDomicile / I.Buts;
        T.ButsDomicile = F(Domicile) + "%";
        T.ButsExterieur = F(100.0 - Domicile) + "%";
    } else {
        T.ButsDomicile = T.ButsExterieur = "-";
    }
    const int G = I.Buts > 0 ? I.Buts : 1;
    for (size_t P = 0; P < 5; ++P) {
        const int N = P < 4 ? I.Postes[P] : I.ContreSonCamp;
        T.Buteurs[P] = std::to_string(N) + " (" + F(100.0 * N / G) + "%)";
    }
    return T;
}

std::string Titre(const TDonneesChampionnat& Champ, const TLectureParam* Catalogue, int Jour,
                  const std::string& NomSaison)
{
    std::string Nom = NomSaison;
    if (Catalogue != nullptr) {
        if (const std::string Division = Catalogue->GetNom(Champ.GetCode()); !Division.empty())
            Nom = Catalogue->GetNomCfg(Champ.GetCode()) + ": " + Division;
    }
    return Jour > 0 ? TraduitFmt(TexteTitreJournee, {Jour, Nom}) : Nom;
}

} // namespace InfoGeneral
