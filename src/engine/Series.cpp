#include "engine/Series.h"

#include "model/Championnat.h"
#include "model/infocomp.h"

#include <algorithm>

using namespace Series;

TTableSeries::TTableSeries(int nbEquipe)
    : NbEquipe_(std::max(0, nbEquipe)), Octets_(static_cast<size_t>(NbEquipe_) * TailleEquipe, 0)
{
}

uint8_t TTableSeries::GetOctet(int equipe, int position) const
{
    if (equipe < 0 || equipe >= NbEquipe_ || position < 1 || position > TailleEquipe)
        return 0;
    return Octets_[static_cast<size_t>(equipe) * TailleEquipe + static_cast<size_t>(position - 1)];
}

void TTableSeries::SetOctet(int equipe, int position, uint8_t valeur)
{
    if (equipe < 0 || equipe >= NbEquipe_ || position < 1 || position > TailleEquipe)
        return;
    Octets_[static_cast<size_t>(equipe) * TailleEquipe + static_cast<size_t>(position - 1)] = valeur;
}

int TTableSeries::SerieEnCours(int equipe, int bloc, int genre) const
{
    return GenreDerniere(equipe, bloc) == genre ? LongueurDerniere(equipe, bloc) : 0;
}

int TTableSeries::PlusLongue(int equipe, int bloc, int genre) const
{
    return genre >= 1 ? GetOctet(equipe, bloc + 1 + genre) : 0;
}

bool TTableSeries::PlusLongueEnCours(int equipe, int bloc, int genre) const
{
    return GetOctet(equipe, bloc + 1) != 0 && GenreDerniere(equipe, bloc) == genre &&
           LongueurDerniere(equipe, bloc) == PlusLongue(equipe, bloc, genre);
}

bool TTableSeries::CourseLongueEnCours(int equipe, int bloc) const
{
    const uint8_t Derniere = GetOctet(equipe, bloc + 1);
    return Derniere != CourseVide && Derniere != 0 && (Derniere & 127) == CourseLongue(equipe, bloc);
}

namespace {

// The steps of the walk on one team's record.
class TMarcheSeries {
public:
    explicit TMarcheSeries(TTableSeries& table) : Table(table) {}

    // A result or yes/no block given a match of kind `genre` (0 closes it).
    void Serie(int equipe, int bloc, int genre)
    {
        const uint8_t Travail = Table.GetOctet(equipe, bloc);
        if (Travail != 0 && (Travail >> 6) == genre) {
            if ((Travail & 63) < LongueurMaxSerie)
                Table.SetOctet(equipe, bloc, static_cast<uint8_t>(Travail + 1));
            return;
        }
        if (Travail != 0) {
            const int GenreFini = Travail >> 6;
            const uint8_t Longueur = Travail & 63;
            const int PositionLongue = bloc + 1 + GenreFini;
            if (Table.GetOctet(equipe, bloc + 1) == 0) {
                Table.SetOctet(equipe, bloc + 1, Travail);
                Table.SetOctet(equipe, PositionLongue, Longueur);
            } else if (Longueur > Table.GetOctet(equipe, PositionLongue)) {
                Table.SetOctet(equipe, PositionLongue, Longueur);
            }
        }
        Table.SetOctet(equipe, bloc, static_cast<uint8_t>((genre << 6) | 1));
    }

    // A run block: the match continues it or breaks it.
    void Course(int equipe, int bloc, bool continue_)
    {
        const uint8_t Courante = Table.GetOctet(equipe, bloc);
        if (continue_) {
            if (Courante < LongueurMaxCourse)
                Table.SetOctet(equipe, bloc, static_cast<uint8_t>(Courante + 1));
            return;
        }
        if (Table.GetOctet(equipe, bloc + 1) == 0)
            Table.SetOctet(equipe, bloc + 1, Courante == 0 ? CourseVide : Courante);
        if (Table.GetOctet(equipe, bloc + 2) < Courante)
            Table.SetOctet(equipe, bloc + 2, Courante);
        Table.SetOctet(equipe, bloc, 0);
    }

    // One side of a played match: scope `portee` is the side's venue.
    void Cote(int equipe, int portee, int pour, int contre)
    {
        if (equipe < 0 || equipe >= Table.NbEquipe())
            return;
        const int Genre = pour > contre ? Victoire : (pour < contre ? Defaite : Nul);
        for (int P : {static_cast<int>(Tous), portee}) {
            Serie(equipe, BlocResultats(P), Genre);
            Course(equipe, BlocInvaincu(P), Genre != Defaite);
            Course(equipe, BlocSansVictoire(P), Genre != Victoire);
            Serie(equipe, BlocMarque(P), pour > 0 ? Oui : Non);
            Serie(equipe, BlocEncaisse(P), contre > 0 ? Oui : Non);
        }
    }

    void Ferme()
    {
        for (int E = 0; E < Table.NbEquipe(); ++E)
            for (int P : {static_cast<int>(Tous), static_cast<int>(Domicile), static_cast<int>(Exterieur)}) {
                Serie(E, BlocResultats(P), 0);
                Serie(E, BlocMarque(P), 0);
                Serie(E, BlocEncaisse(P), 0);
                Course(E, BlocInvaincu(P), false);
                Course(E, BlocSansVictoire(P), false);
            }
    }

private:
    TTableSeries& Table;
};

void CompteMatch(const TDonneesChampionnat& Champ, TMarcheSeries& Marche, int Jour, int Index)
{
    const uint16_t Buts1 = Champ.GetValeurMatch(Jour, 4 * Index + 2);
    const uint16_t Buts2 = Champ.GetValeurMatch(Jour, 4 * Index + 4);
    if (Buts1 == TInfoComp::Aucun || Buts2 == TInfoComp::Aucun)
        return;
    const int Dom = Champ.IndexEquipe(Champ.GetValeurMatch(Jour, 4 * Index + 1));
    const int Ext = Champ.IndexEquipe(Champ.GetValeurMatch(Jour, 4 * Index + 3));
    Marche.Cote(Dom, Domicile, Buts1, Buts2);
    Marche.Cote(Ext, Exterieur, Buts2, Buts1);
}

} // namespace

void ParcourtMatchsRecents(const TDonneesChampionnat& championnat,
                           const std::function<void(int Jour, int Index)>& Match)
{
    if ((championnat.GetOption(11) & (1 | 8)) == 0) {
        for (int Jour = std::min<int>(championnat.JourneeJouee, championnat.GetNbJour()); Jour >= 1; --Jour)
            for (int M = 0; M < championnat.GetNbMatchJournee(Jour); ++M)
                Match(Jour, M);
        return;
    }
    const TJournees& Calendrier = championnat.GetJournees();
    for (int D = Calendrier.NbDates() - 1; D >= 0; --D) {
        const TInfoCompJour* Date = Calendrier.GetDate(D);
        for (int M = 0; M < Date->NbMatch(); ++M) {
            const auto [Jour, Index] = Calendrier.ChercheMatch(Date->GetMatch(M));
            if (Jour >= 1)
                Match(Jour, Index);
        }
    }
}

TTableSeries CalculeSeries(const TDonneesChampionnat& championnat)
{
    TTableSeries Table(championnat.GetNbEquipe());
    TMarcheSeries Marche(Table);
    ParcourtMatchsRecents(championnat, [&](int Jour, int Index) { CompteMatch(championnat, Marche, Jour, Index); });
    Marche.Ferme();
    return Table;
}
