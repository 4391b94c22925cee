#include "engine/FicheMatch.h"

#include "engine/CalculClassement.h"
#include "engine/Series.h"
#include "files/Stats.h"
#include "model/Championnat.h"
#include "model/ContexteSaison.h"

#include <algorithm>

namespace FicheMatch {

namespace {

constexpr uint16_t Aucun = TInfoComp::Aucun;
constexpr size_t NbDerniers = 5;
// Option 11: dates per match day, neutral grounds, calendar kept by date.
constexpr uint8_t DatesParJournee = 1;
constexpr uint8_t TerrainNeutre = 2;
constexpr uint8_t CalendrierParDate = 8;

std::string NomPosition(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Position)
{
    const int Id = Champ.GetEquipe(Position);
    return Id < 0 ? std::string() : Saison.GetNomEquipe(static_cast<uint16_t>(Id));
}

// 1 + the standings row of the team, 0 when it is not in the table.
int PositionDans(const TCalculClassement& Calcul, int Equipe, int NbEquipe)
{
    for (int Ligne = 0; Ligne < NbEquipe; ++Ligne)
        if (Calcul.GetClassement(Ligne, 1) == Equipe)
            return Ligne + 1;
    return 0;
}

// Match slot s of a day: match s / 2, home side when s is even.
TMatchFiche MatchSlot(const TDonneesChampionnat& Champ, int Jour, int Slot)
{
    const int Base = 4 * (Slot / 2);
    TMatchFiche M;
    M.Domicile = Champ.GetValeurMatch(Jour, Base + 1);
    M.ButsDomicile = Champ.GetValeurMatch(Jour, Base + 2);
    M.Exterieur = Champ.GetValeurMatch(Jour, Base + 3);
    M.ButsExterieur = Champ.GetValeurMatch(Jour, Base + 4);
    return M;
}

// Keeps the match of the slot when it is played and, at a venue, on the side's ground.
void Retient(const TDonneesChampionnat& Champ, int Jour, int Slot, const TCoteFiche& C, int Cote,
             std::vector<TMatchFiche>& Derniers)
{
    if (Slot < 0 || Slot >= Champ.GetNbEquipe() || Champ.GetValeurMatch(Jour, 2 * Slot + 2) == Aucun)
        return;
    if (!C.General && Slot % 2 != Cote - 1)
        return;
    Derniers.push_back(MatchSlot(Champ, Jour, Slot));
}

std::vector<TMatchFiche> Derniers(const TDonneesChampionnat& Champ, const TCoteFiche& C, int Cote, bool ParDates)
{
    std::vector<TMatchFiche> Liste;
    const int IdEquipe = Champ.GetEquipe(C.Equipe);
    if (IdEquipe < 0)
        return Liste;
    const uint16_t Id = static_cast<uint16_t>(IdEquipe);
    if (ParDates && (Champ.GetOption(11) & (DatesParJournee | CalendrierParDate)) != 0) {
        const TJournees& Calendrier = Champ.GetJournees();
        for (int D = Calendrier.NbDates() - 1; D >= 0 && Liste.size() < NbDerniers; --D) {
            const TInfoCompJour* Date = Calendrier.GetDate(D);
            for (int I = 0; I < Date->NbMatch() && Liste.size() < NbDerniers; ++I) {
                const TInfoComp* M = Date->GetMatch(I);
                const auto [Jour, Index] = Calendrier.ChercheMatch(M);
                if (Jour < 1)
                    continue;
                if (M->GetEquipe(0) == Id)
                    Retient(Champ, Jour, 2 * Index, C, Cote, Liste);
                else if (M->GetEquipe(1) == Id)
                    Retient(Champ, Jour, 2 * Index + 1, C, Cote, Liste);
            }
        }
        return Liste;
    }
    for (int Jour = std::min<int>(Champ.JourneeJouee, Champ.GetNbJour()); Jour >= 1 && Liste.size() < NbDerniers;
         --Jour) {
        for (int S = 0; S < Champ.GetNbEquipe(); ++S)
            if (Champ.GetValeurMatch(Jour, 2 * S + 1) == Id) {
                Retient(Champ, Jour, S, C, Cote, Liste);
                break;
            }
    }
    return Liste;
}

} // namespace

std::vector<TRencontre> Rencontres(const TStat& Archive, const std::string& NomDomicile,
                                   const std::string& NomExterieur, int N)
{
    std::vector<TRencontre> Liste;
    const int Domicile = Archive.ChercheNumeroEquipe(NomDomicile);
    const int Exterieur = Archive.ChercheNumeroEquipe(NomExterieur);
    if (Domicile < 0 || Exterieur < 0)
        return Liste;
    for (int I = 0; I < Archive.NbSaisons() && static_cast<int>(Liste.size()) < N; ++I) {
        const TSaisonStat* S = Archive.GetSaison(I);
        uint8_t A = TSaisonStat::NonJoue;
        uint8_t B = TSaisonStat::NonJoue;
        S->GetScoreEquipes(Domicile, Exterieur, A, B);
        if (A == TSaisonStat::NonJoue || B == TSaisonStat::NonJoue)
            continue;
        Liste.push_back({S->GetAnnee() + 1900, A, B});
    }
    return Liste;
}

TBilan CompterConfrontations(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Domicile,
                             int Exterieur, int N, const TStat* Archive)
{
    TBilan Bilan;
    if (Archive == nullptr)
        return Bilan;
    for (const TRencontre& R :
         Rencontres(*Archive, NomPosition(Saison, Champ, Domicile), NomPosition(Saison, Champ, Exterieur), N)) {
        if (R.ButsDomicile > R.ButsExterieur)
            ++Bilan.Victoires;
        else if (R.ButsDomicile < R.ButsExterieur)
            ++Bilan.Defaites;
        else
            ++Bilan.Nuls;
    }
    return Bilan;
}

bool ModeGeneral(const TDonneesChampionnat& Champ, bool StatsGenerales)
{
    return (Champ.GetOption(11) & TerrainNeutre) != 0 || StatsGenerales;
}

TCoteFiche CalculeCote(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Equipe, int Cote,
                       bool General, bool ParDates)
{
    TCoteFiche C;
    C.Equipe = Equipe;
    C.General = General;
    const int N = Champ.GetNbEquipe();
    const int Dernier = std::min<int>(Champ.JourneeJouee, Champ.GetNbJour());
    TCalculClassement Calcul(&Champ, &Saison);
    Calcul.Calcule(TCalculClassement::General, 1, nullptr, Dernier);
    C.PositionGenerale = PositionDans(Calcul, Equipe, N);
    C.Position = C.PositionGenerale;
    if (!General) {
        Calcul.Calcule(Cote == CoteDomicile ? TCalculClassement::Domicile : TCalculClassement::Exterieur, 1, nullptr,
                       Dernier);
        C.Position = PositionDans(Calcul, Equipe, N);
    }
    C.Victoires = Calcul.GetTotal(Equipe, 2);
    C.Nuls = Calcul.GetTotal(Equipe, 3);
    C.Defaites = Calcul.GetTotal(Equipe, 4);
    C.ButsPour = Calcul.GetTotal(Equipe, 5);
    C.ButsContre = Calcul.GetTotal(Equipe, 6);

    const TTableSeries Table = CalculeSeries(Champ);
    const int Portee = General ? Series::Tous : (Cote == CoteDomicile ? Series::Domicile : Series::Exterieur);
    const int Bloc = Series::BlocResultats(Portee);
    if (Table.GetOctet(Equipe, Bloc + 1) != 0) {
        C.GenreSerie = Table.GenreDerniere(Equipe, Bloc);
        C.LongueurSerie = Table.LongueurDerniere(Equipe, Bloc);
    }
    C.Invaincu = Table.CourseEnCours(Equipe, Series::BlocInvaincu(Portee));
    C.SansVictoire = Table.CourseEnCours(Equipe, Series::BlocSansVictoire(Portee));
    C.SansEncaisser = Table.SerieEnCours(Equipe, Series::BlocEncaisse(Portee), Series::Non);
    C.SansMarquer = Table.SerieEnCours(Equipe, Series::BlocMarque(Portee), Series::Non);

    C.Derniers = Derniers(Champ, C, Cote, ParDates);
    return C;
}

bool EquipesMatch(const TDonneesChampionnat& Champ, int Jour, int Match, int& Domicile, int& Exterieur)
{
    Domicile = -1;
    Exterieur = -1;
    if (Match < 1)
        return false;
    const uint16_t Dom = Champ.GetValeurMatch(Jour, 4 * Match - 3);
    const uint16_t Ext = Champ.GetValeurMatch(Jour, 4 * Match - 1);
    if (Dom == Aucun || Ext == Aucun)
        return false;
    Domicile = Champ.IndexEquipe(Dom);
    Exterieur = Champ.IndexEquipe(Ext);
    return Domicile >= 0 && Exterieur >= 0;
}

int MatchVoisin(const TDonneesChampionnat& Champ, int Jour, int Match, bool Monte)
{
    const int NbMatch = Champ.GetNbMatchJournee(Jour);
    int Candidat = Match;
    for (int Essai = 0; Essai < NbMatch - 1; ++Essai) {
        if (Monte)
            Candidat = Candidat >= NbMatch ? 1 : Candidat + 1;
        else
            Candidat = Candidat <= 1 ? NbMatch : Candidat - 1;
        if (Champ.GetValeurMatch(Jour, 4 * Candidat - 3) != Aucun &&
            Champ.GetValeurMatch(Jour, 4 * Candidat - 1) != Aucun)
            return Candidat;
    }
    return Match;
}

} // namespace FicheMatch
