#include "engine/StatEquipe.h"

#include "base/Format.h"
#include "base/Texte.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "engine/CalculClassement.h"
#include "engine/Series.h"
#include "engine/Statistique.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "model/ContexteSaison.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/Personnels.h"
#include "model/SaisonFoot.h"
#include "model/TexteSaisi.h"
#include "model/infocomp.h"

#include <algorithm>

namespace StatEquipe {

namespace {

constexpr uint16_t NonJoue = 65535;
constexpr int FormeDepart = 40;

bool SansLieu(const TDonneesChampionnat& Champ)
{
    return (Champ.GetOption(11) & 2) != 0;
}
// Days dated one by one, or a calendar kept by date: the walk goes by dates.
bool ParDates(const TDonneesChampionnat& Champ)
{
    return (Champ.GetOption(11) & (1 | 8)) != 0;
}
int DernierJour(const TDonneesChampionnat& Champ)
{
    return std::min<int>(Champ.JourneeJouee, Champ.GetNbJour());
}

std::string DateTexte(TDateMatch D)
{
    return Format("%.2d/%.2d/%.4d", {JourDateMatch(D), MoisDateMatch(D), AnneeDateMatch(D)});
}

class TMarche {
public:
    TMarche(const TDonneesChampionnat& Champ, const TContexteSaison& Saison, int Equipe, const TFiltreResultats& F)
        : Champ(Champ), Saison(Saison), Filtre(F), Id(static_cast<uint16_t>(Champ.GetEquipe(Equipe)))
    {
        P.SansLieu = SansLieu(Champ);
        P.PointsPris.assign(static_cast<size_t>(std::max(0, Champ.GetNbEquipe())), 0);
        P.MatchsContre = P.PointsPris;
    }

    void Marche()
    {
        const int NbJour = Champ.GetNbJour();
        P.NbPointsForme = NbJour + 1;
        P.NbPointsScore = 3 * NbJour + 1;
        P.NbPointsSpect = NbJour + 1;
        P.Forme.push_back({0, FormeDepart, 0, 0});
        P.SpectDomicile.push_back({0, -1, 0, 0});
        P.SpectExterieur.push_back({0, -1, 0, 0});
        if (!ParDates(Champ)) {
            for (int Jour = 1; Jour <= DernierJour(Champ); ++Jour)
                for (int S = 0; S < 2 * Champ.GetNbMatchJournee(Jour); ++S)
                    if (Champ.GetValeurMatch(Jour, 2 * S + 1) == Id) {
                        Match(Jour, S / 2, S, Jour);
                        break;
                    }
            return;
        }
        const bool ParCompteur = (Champ.GetOption(11) & 8) != 0;
        const TJournees& Calendrier = Champ.GetJournees();
        int Compteur = 1;
        for (int D = 0; D < Calendrier.NbDates(); ++D) {
            const TInfoCompJour* Date = Calendrier.GetDate(D);
            for (int M = 0; M < Date->NbMatch(); ++M) {
                const TInfoComp* Info = Date->GetMatch(M);
                const auto [Jour, Index] = Calendrier.ChercheMatch(Info);
                if (Jour < 1 || Info == nullptr)
                    continue;
                int S;
                if (Info->GetEquipe(0) == Id)
                    S = 2 * Index;
                else if (Info->GetEquipe(1) == Id)
                    S = 2 * Index + 1;
                else
                    continue;
                const int X = ParCompteur ? Compteur : Jour;
                // Never fewer points than the one written: with dates per
                // day X is the day, which runs ahead of the counter after a
                // bye or a day played out of order.
                P.NbPointsForme = std::max(Compteur, X) + 1;
                P.NbPointsSpect = P.NbPointsForme;
                P.NbPointsScore = 3 * std::max(Compteur, X) + 2;
                Match(Jour, Index, S, X);
                ++Compteur;
            }
        }
    }

    TParcours P;

private:
    void Match(int Jour, int M, int S, int X)
    {
        const bool Exterieur = (S % 2) == 1;
        const uint16_t Pour = Champ.GetValeurMatch(Jour, 2 * S + 2);
        const uint16_t Contre = Champ.GetValeurMatch(Jour, Exterieur ? 2 * S : 2 * S + 4);
        const uint16_t Adversaire = Champ.GetValeurMatch(Jour, Exterieur ? 2 * S - 1 : 2 * S + 3);
        const int PosAdv = Champ.IndexEquipe(Adversaire);
        const bool Joue = Pour != NonJoue && Contre != NonJoue;

        if (Joue && PosAdv >= 0 && PosAdv < static_cast<int>(P.PointsPris.size())) {
            const auto A = static_cast<size_t>(PosAdv);
            if (Pour > Contre)
                P.PointsPris[A] += Champ.GetOption(4);
            else if (Pour == Contre)
                P.PointsPris[A] += Champ.GetOption(5);
            ++P.MatchsContre[A];
        }

        int R = 0;
        if (Joue) {
            R = Pour > Contre ? 1 : (Pour == Contre ? 2 : 3);
            if ((R == 1 && !Filtre.Victoires) || (R == 2 && !Filtre.Nuls) || (R == 3 && !Filtre.Defaites))
                R = 0;
        }
        const bool CoteDomicile = !Exterieur || P.SansLieu;
        // Records and attendance count played matches only, whatever the boxes say.
        if (Joue) {
            TRecordScore& Marque = P.Records[CoteDomicile ? RecordDomPour : RecordExtPour];
            TRecordScore& Encaisse = P.Records[CoteDomicile ? RecordDomContre : RecordExtContre];
            const TRecordScore Nouveau{Pour, Contre, Jour, Id, Adversaire};
            if (Pour > Marque.Pour)
                Marque = Nouveau;
            if (Contre > Encaisse.Contre)
                Encaisse = Nouveau;
            const int Affluence = Champ.GetAffluence(Jour, M + 1);
            if (CoteDomicile && Affluence > 0) {
                P.SommeSpect += Affluence;
                ++P.NbSpect;
                P.MaxSpect = std::max(P.MaxSpect, Affluence);
                P.MinSpect = std::min(P.MinSpect, Affluence);
            }
        }

        static constexpr TColor Barre1[] = {0, 0xD7FFFF, 0xFFFFC4, 0xB3B3FF};
        static constexpr TColor Barre2[] = {0, 0x00FFFF, 0xFFFF00, 0x2000C0};
        if (R == 1)
            Forme += 2;
        else if (R == 3)
            Forme -= 2;
        if (R != 0)
            P.Resultat.push_back({X, 4 - R, Barre1[R], Barre2[R]});
        P.Forme.push_back({X, Forme, 0, 0});
        P.Score.push_back({3 * X - 3, 0, 0, 0});
        if (R == 0) {
            P.Score.push_back({3 * X - 2, 0, 0, 0});
            P.Score.push_back({3 * X - 1, 0, 0, 0});
            return;
        }
        P.Score.push_back({3 * X - 2, Pour, 0xFF95ED, 0xC000A0});
        P.Score.push_back({3 * X - 1, Contre, 0xA6F0BC, 0x1BA745});
        const int Affluence = Champ.GetAffluence(Jour, M + 1);
        (CoteDomicile ? P.SpectDomicile : P.SpectExterieur).push_back({X, Affluence, 0, 0});
        P.SpectAdversaire.push_back({X, Adversaire, 0, 0});

        static constexpr TColor Couleurs[] = {0, 0x00FFFF, 0xFFFF00, 0x0000FF};
        std::string Texte;
        const TDateMatch Date = Champ.GetDateMatch(Jour, M + 1);
        if (ParDates(Champ) && Date != 0)
            Texte = DateTexte(Date) + ": ";
        const uint16_t Dom = Champ.GetValeurMatch(Jour, 4 * M + 1);
        const uint16_t Ext = Champ.GetValeurMatch(Jour, 4 * M + 3);
        Texte += Capitalise(Saison.GetNomEquipe(Dom)) + " - " + Capitalise(Saison.GetNomEquipe(Ext)) + " : " +
                 std::to_string(Champ.GetValeurMatch(Jour, 4 * M + 2)) + " - " +
                 std::to_string(Champ.GetValeurMatch(Jour, 4 * M + 4));
        (CoteDomicile ? P.Domicile : P.Exterieur).push_back({Texte, M + 1 + (Jour << 8), Couleurs[R]});
    }

    const TDonneesChampionnat& Champ;
    const TContexteSaison& Saison;
    TFiltreResultats Filtre;
    uint16_t Id;
    int Forme = FormeDepart;
};

} // namespace

TParcours CalculeParcours(const TDonneesChampionnat& Champ, const TContexteSaison& Saison, int Equipe,
                          const TFiltreResultats& Filtre)
{
    TMarche M(Champ, Saison, Equipe, Filtre);
    if (Equipe >= 0 && Equipe < Champ.GetNbEquipe())
        M.Marche();
    return std::move(M.P);
}

TTextesSpect TextesSpectateurs(const TParcours& P)
{
    TTextesSpect T;
    T.Moyenne = P.NbSpect > 0 ? std::to_string(P.SommeSpect / P.NbSpect) : "-";
    T.Total = std::to_string(P.SommeSpect);
    T.Maximum = P.MaxSpect > 0 ? std::to_string(P.MaxSpect) : "-";
    T.Minimum = P.MinSpect != 999999 ? std::to_string(P.MinSpect) : "-";
    return T;
}

std::string TexteRecord(const TRecordScore& R, bool Marque, const TContexteSaison& Saison)
{
    if (!R.Fixe())
        return "-";
    return std::to_string(Marque ? R.Pour : R.Contre) + " ( " + Saison.GetNomEquipe(R.Equipe) + "-" +
           Saison.GetNomEquipe(R.Adversaire) + " : " + std::to_string(R.Pour) + " - " + std::to_string(R.Contre) + " )";
}

std::vector<std::pair<int, std::string>> PointsParAdversaire(const TDonneesChampionnat& Champ, const TParcours& P,
                                                             int Equipe)
{
    std::vector<std::pair<int, std::string>> Lignes;
    for (int A = 0; A < static_cast<int>(P.PointsPris.size()); ++A) {
        if (A == Equipe)
            continue;
        const auto I = static_cast<size_t>(A);
        Lignes.emplace_back(A, std::to_string(P.PointsPris[I]) + "/" +
                                   std::to_string(Champ.GetOption(4) * P.MatchsContre[I]));
    }
    return Lignes;
}

TClassementEquipe RemplitClassement(const TDonneesChampionnat& Champ, const TContexteSaison& Saison, int Equipe)
{
    TClassementEquipe C;
    if (Equipe < 0 || Equipe >= Champ.GetNbEquipe())
        return C;
    TCalculClassement Calcul(&Champ, &Saison);
    const int Dernier = DernierJour(Champ);
    const int NbEquipe = Champ.GetNbEquipe();
    static constexpr int Genres[3][3] = {{1, 5, 6}, {2, 10, 11}, {3, 12, 13}};
    for (size_t B = 0; B < 3; ++B) {
        TBoiteClassement& Boite = C.Boites[B];
        Calcul.Calcule(Genres[B][0], 1, nullptr, Dernier);
        for (int L = 0; L < NbEquipe; ++L)
            if (Calcul.GetClassement(L, 1) == Equipe) {
                Boite.Position = L + 1;
                break;
            }
        Boite.Place = Boite.Position == 1 ? Traduit(166) : TraduitFmt(139, {Boite.Position});
        Boite.Victoires = Calcul.GetTotal(Equipe, 2);
        Boite.Nuls = Calcul.GetTotal(Equipe, 3);
        Boite.Defaites = Calcul.GetTotal(Equipe, 4);
        Boite.Pour = Calcul.GetTotal(Equipe, 5);
        Boite.Contre = Calcul.GetTotal(Equipe, 6);

        Calcul.Calcule(Genres[B][1], 1, nullptr, Dernier);
        int L = 0;
        while (L < NbEquipe && Calcul.GetClassement(L, 2) > Boite.Pour)
            ++L;
        Boite.RangAttaque = L + 1;

        Calcul.Calcule(Genres[B][2], 1, nullptr, Dernier);
        L = 0;
        while (L < NbEquipe && Calcul.GetClassement(L, 2) >= Boite.Contre)
            ++L;
        Boite.RangDefense = NbEquipe - L + 1;
    }

    const TTableSeries Table = CalculeSeries(Champ);
    static constexpr int Portees[] = {Series::Tous, Series::Domicile, Series::Exterieur};
    for (int Portee : Portees) {
        const std::string Lieu = Portee == Series::Tous ? "" : Traduit(Portee == Series::Domicile ? 164 : 165);
        const auto Ligne = [&](int Texte, int Longueur) {
            if (Longueur >= 2)
                C.Series.push_back(TraduitFmt(Texte, {Longueur, Lieu}));
        };
        const int BlocR = Series::BlocResultats(Portee);
        const int Genre = Table.GenreDerniere(Equipe, BlocR);
        if (Genre >= 1 && Genre <= 3)
            Ligne(160 + Genre, Table.LongueurDerniere(Equipe, BlocR));
        Ligne(167, Table.CourseEnCours(Equipe, Series::BlocInvaincu(Portee)));
        Ligne(168, Table.CourseEnCours(Equipe, Series::BlocSansVictoire(Portee)));
        Ligne(169, Table.SerieEnCours(Equipe, Series::BlocEncaisse(Portee), Series::Non));
        Ligne(170, Table.SerieEnCours(Equipe, Series::BlocMarque(Portee), Series::Non));
    }
    return C;
}

namespace {

void AjouteTranche(TTranches& T, const TDonneesEvt& E)
{
    const size_t Tranche = static_cast<size_t>(E.GetMinute() / 5);
    if (Tranche < T.size())
        ++T[Tranche];
}

constexpr uint16_t PenaltyManque = 0x800;

// Goals credited to team `Credite` on every day up to the last played one:
// the scorer list carries the side credited with the goal, own goals included.
TTranches CompteButsPour(const TDonneesChampionnat& Champ, uint16_t Id, bool Encaisses)
{
    TTranches T{};
    for (int Jour = 1; Jour <= DernierJour(Champ); ++Jour) {
        uint16_t Credite = Id;
        if (Encaisses) {
            Credite = NonJoue;
            for (int M = 0; M < Champ.GetNbMatchJournee(Jour); ++M) {
                if (Champ.GetValeurMatch(Jour, 4 * M + 1) == Id)
                    Credite = Champ.GetValeurMatch(Jour, 4 * M + 3);
                else if (Champ.GetValeurMatch(Jour, 4 * M + 3) == Id)
                    Credite = Champ.GetValeurMatch(Jour, 4 * M + 1);
            }
            if (Credite == NonJoue)
                continue;
        }
        const TListeDonnees* Liste = Champ.GetButeursJournee(Jour);
        if (Liste == nullptr)
            continue;
        for (int I = 0; I < Liste->Nombre(); ++I) {
            const TDonneesEvt* E = Liste->Get(I);
            if (E != nullptr && E->GetEquipe() == Credite && (E->GetMot() & PenaltyManque) == 0)
                AjouteTranche(T, *E);
        }
    }
    return T;
}

} // namespace

TTranches CompteButsMarques(const TDonneesChampionnat& Champ, uint16_t Id)
{
    return CompteButsPour(Champ, Id, false);
}

TTranches CompteButsEncaisses(const TDonneesChampionnat& Champ, uint16_t Id)
{
    return CompteButsPour(Champ, Id, true);
}

int QuartHeure(const TTranches& T, int Bande)
{
    if (Bande < 1 || Bande > 7)
        return 0;
    const auto I = static_cast<size_t>(3 * Bande - 3);
    return T[I] + T[I + 1] + T[I + 2];
}

std::string Pourcentage(int Nombre, int Total)
{
    return FormatChiffres(Nombre * 100.0 / std::max(Total, 1), 3, 2) + "%";
}

std::array<std::string, 26> RemplitEvolutionScore(const TDonneesChampionnat& Champ, const TContexteSaison& Saison,
                                                  uint16_t Id, int Lieu)
{
    TTableSituation Table;
    int Joues = 0;
    TStatistique::CalculEquipe(Champ, Id, Table, Joues);
    // Shares of the matches the table could classify: one typed without its
    // scorers is in no situation and would only lower every share.
    const int Classes =
        std::max(Table.GetClasses(TTableSituation::Domicile) + Table.GetClasses(TTableSituation::Exterieur), 1);
    const int LieuMin = Lieu == 3 ? 2 : 1;
    const int LieuMax = Lieu == 2 ? 1 : 2;
    const auto Somme = [&](int Resultat, int Situation) {
        int N = 0;
        for (int L = LieuMin; L <= LieuMax; ++L)
            N += Table.Get(Resultat, Situation, L);
        return N;
    };
    const std::string Nom = Saison.GetNomEquipe(Id);
    std::array<std::string, 26> Textes;
    static constexpr int Entrees[5] = {0, 4, 8, 16, 20};
    static constexpr int Titres[5] = {329, 333, 334, 336, 335};
    static constexpr int TitresUnMatch[5] = {3006, 3007, 3008, 3010, 3009};
    for (int K = 0; K < 5; ++K) {
        const int V = Somme(TTableSituation::Victoire, K + 1);
        const int N = Somme(TTableSituation::Nul, K + 1);
        const int D = Somme(TTableSituation::Defaite, K + 1);
        const int Total = V + N + D;
        const auto Part = [&](int X) { return Total == 0 ? std::string("-") : Pourcentage(X, Total); };
        const auto E = static_cast<size_t>(Entrees[K]);
        const std::string PartMatchs = Pourcentage(Total, Classes);
        const int Titre = IdAccorde(TitresUnMatch[K], Titres[K], Total);
        Textes[E] =
            (K == 1 || K == 3) ? TraduitFmt(Titre, {Total, PartMatchs}) : TraduitFmt(Titre, {Nom, Total, PartMatchs});
        Textes[E + 1] = TraduitFmt(330, {V, Part(V)});
        Textes[E + 2] = TraduitFmt(331, {N, Part(N)});
        Textes[E + 3] = TraduitFmt(332, {D, Part(D)});
    }
    const int Remontees = Somme(TTableSituation::Victoire, TTableSituation::Renversement);
    const int Chutes = Somme(TTableSituation::Defaite, TTableSituation::Renversement);
    Textes[24] = TraduitFmt(337, {Remontees, Pourcentage(Remontees, Classes)});
    Textes[25] = TraduitFmt(338, {Chutes, Pourcentage(Chutes, Classes)});
    return Textes;
}

// --- Playing time ---

void CompteTempsJeu(const TDonneesChampionnat& Champ, int Equipe, TListeTemps& Liste)
{
    if (Equipe < 0 || Equipe >= Champ.GetNbEquipe())
        return;
    const auto Id = static_cast<uint16_t>(Champ.GetEquipe(Equipe));
    for (int Jour = 1; Jour <= DernierJour(Champ); ++Jour) {
        if (!Champ.CompoSaisie(Jour, Equipe))
            continue;
        Liste.VideEntrees();
        for (int Mot = 1; Mot <= 11; ++Mot)
            if (TTempsJoueur* T = Liste.ChercheNumero(Champ.GetCompoMatch(Jour, Equipe, Mot))) {
                ++T->Matchs;
                T->Minutes += 90;
            }
        for (int K = 1; K <= 3; ++K) {
            const uint16_t Sortant = Champ.GetCompoMatch(Jour, Equipe, 2 * K + 10);
            if (Sortant == 0)
                continue;
            const uint16_t Entrant = Champ.GetCompoMatch(Jour, Equipe, 2 * K + 11);
            const int Minute = Champ.GetCompoMatch(Jour, Equipe, K + 17) & 0xFF;
            const int Temps = Minute >= 1 && Minute <= 90 ? 90 - Minute : 0;
            if (TTempsJoueur* T = Liste.ChercheNumero(Sortant)) {
                T->Minutes -= Temps;
                ++T->Sorties;
            }
            if (TTempsJoueur* T = Liste.ChercheNumero(Entrant)) {
                T->Minutes += Temps;
                T->MinuteEntree = Temps;
                ++T->Entrees;
                ++T->Matchs;
            }
        }
        if (const TListeDonnees* Cartons = Champ.GetCartonsJournee(Jour))
            for (int I = 0; I < Cartons->Nombre(); ++I) {
                const TDonneesEvt* E = Cartons->Get(I);
                if (E == nullptr || E->GetEquipe() != Id || (E->GetMot() & Evt::ContreCamp) == 0)
                    continue;
                if (TTempsJoueur* T = Liste.ChercheNumero(E->GetJoueur()))
                    T->Minutes -= std::max(0, 90 - E->GetMinute());
            }
    }
}

std::unique_ptr<TListeTemps> CalculeTempsJeu(TSaison& Saison, int Equipe)
{
    Saison.RecalculeJoueurs();
    auto Liste = std::make_unique<TListeTemps>();
    const TDonneesChampionnat* Champ = Saison.GetChampCourant();
    if (Champ == nullptr || Equipe < 0 || Equipe >= Champ->GetNbEquipe())
        return Liste;
    if (const std::vector<TJoueur*>* Joueurs = Saison.Joueurs().GetListeEquipe(Champ->GetEquipe(Equipe)))
        for (const TJoueur* J : *Joueurs)
            Liste->Ajoute(std::make_unique<TTempsJoueur>(J->Numero));
    if (Liste->Nombre() > 0)
        CompteTempsJeu(*Champ, Equipe, *Liste);
    return Liste;
}

// --- Club information ---

std::vector<TEntreeListe> EntreesStades(const TSaison& Saison)
{
    std::vector<TEntreeListe> Entrees{{Traduit(108), 65535}};
    const TStades& Stades = Saison.Stades();
    for (int I = 0; I < Stades.Nombre(); ++I)
        if (const TStade* S = Stades.Get(I))
            Entrees.push_back({S->NomStade + " (" + S->Ville + ")", S->Code});
    return Entrees;
}

std::vector<TEntreeListe> EntreesEntraineurs(const TSaison& Saison)
{
    std::vector<TEntreeListe> Entrees{{Traduit(108), 65535}};
    const TPersonnels& Entraineurs = Saison.Entraineurs();
    for (int I = 0; I < Entraineurs.Nombre(); ++I)
        if (const TPersonnel* E = Entraineurs.Get(I))
            Entrees.push_back({E->GetNomComplet(), E->Numero});
    return Entrees;
}

TChampsClub LitClub(const TSaison& Saison, uint16_t Equipe)
{
    TChampsClub C;
    const TRensClub* R = Saison.RensClubs().ChercheEquipe(Equipe);
    if (R == nullptr) {
        C.Budget = "0";
        return C;
    }
    C.AvecFiche = true;
    C.Creation = R->Creation;
    C.CouleurMaillot = R->CouleurMaillot;
    C.CouleurRechange = R->CouleurRechange;
    C.Palmares = R->Palmares;
    C.SiteInternet = R->SiteInternet;
    C.Budget = std::to_string(R->Budget);
    C.President = R->President;
    C.Statut = R->Statut;
    C.Remarque = R->Remarque;
    const TStade* Stade = R->GetStade(&Saison.Stades());
    C.Stade = Stade != nullptr ? Stade->Code : -1;
    // The coach by his id: two coaches may share a name.
    const TEntraineur* Entraineur = R->GetEntraineur(&Saison.Entraineurs());
    C.Entraineur = Entraineur != nullptr ? Entraineur->Numero : -1;
    return C;
}

TRensClub* EcritClub(TSaison& Saison, uint16_t Equipe, const TChampsClub& C)
{
    TRensClub* R = Saison.RensClubs().ChercheEquipe(Equipe);
    if (R == nullptr)
        R = Saison.RensClubs().Cree(Equipe);
    if (R == nullptr)
        return nullptr;
    // The texts as a reopened season gives them back.
    StockeTexte(R->Creation, C.Creation);
    StockeTexte(R->CouleurMaillot, C.CouleurMaillot);
    StockeTexte(R->CouleurRechange, C.CouleurRechange);
    StockeTexte(R->Palmares, C.Palmares);
    StockeTexte(R->SiteInternet, C.SiteInternet);
    R->Budget = StrToIntDef(C.Budget, 0);
    StockeTexte(R->President, C.President);
    StockeTexte(R->Statut, C.Statut);
    StockeTexte(R->Remarque, C.Remarque);
    R->SetStade(C.Stade >= 0 && C.Stade != 65535 ? Saison.Stades().ChercheCode(C.Stade) : nullptr);
    auto* Entraineur = C.Entraineur >= 0 && C.Entraineur != 65535
                           ? dynamic_cast<TEntraineur*>(Saison.Entraineurs().ChercheId(C.Entraineur))
                           : nullptr;
    R->SetEntraineur(Entraineur);
    if (Entraineur != nullptr)
        Entraineur->ClubActuel = Equipe;
    return R;
}

} // namespace StatEquipe
