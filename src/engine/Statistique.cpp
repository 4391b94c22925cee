#include "engine/Statistique.h"

#include "base/TriEchange.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "model/Championnat.h"

namespace {

constexpr uint16_t Aucun = 65535;

struct TMoment {
    int Minute;
    int Poids;
};

// A side's scoring moments in minute order; an event goes before the first
// moment of the same or a later minute.
void Insere(std::vector<TMoment>& liste, TMoment m)
{
    auto it = std::find_if(liste.begin(), liste.end(), [&](const TMoment& x) { return x.Minute >= m.Minute; });
    liste.insert(it, m);
}

int PremiereMinute(const std::vector<TMoment>& liste)
{
    return liste.empty() ? 200 : liste.front().Minute;
}

int PoidsMiTemps(const std::vector<TMoment>& liste)
{
    int somme = 0;
    for (const TMoment& m : liste)
        if (m.Minute <= 45)
            somme += m.Poids;
    return somme;
}

// Walks a decided match back from its final score, taking the latest moment
// off first, and tells whether the final loser was ever ahead. With both last
// moments in one minute the loser's goes first: the order inside a minute is
// unknown, and a comeback is then not claimed.
bool PerdantAMene(int scoreGagnant, int scorePerdant, std::vector<TMoment> gagnant, std::vector<TMoment> perdant)
{
    while (!gagnant.empty()) {
        if (!perdant.empty() && perdant.back().Minute >= gagnant.back().Minute) {
            scorePerdant -= perdant.back().Poids;
            perdant.pop_back();
        } else {
            scoreGagnant -= gagnant.back().Poids;
            gagnant.pop_back();
        }
        if (scorePerdant > scoreGagnant)
            return true;
    }
    return false;
}

// Whether each side's entries make up its whole score: goals one each in
// football; in rugby the try, conversion, penalty-goal and drop-goal lists at
// their points. Entries count for the side the lists credit them to, own goals
// included; a missed penalty is no score.
bool EntreesCompletes(const TDonneesChampionnat& championnat, int jour, uint16_t dom, uint16_t ext, int s1, int s2)
{
    int points[2] = {0, 0};
    auto compte = [&](const TListeDonnees* liste, int valeur) {
        if (!liste)
            return;
        for (int i = 0; i < liste->Nombre(); ++i) {
            const TDonneesEvt* e = liste->Get(i);
            if (e->GetMot() & Evt::PenaltyManque)
                continue;
            if (e->GetEquipe() == dom)
                points[0] += valeur;
            else if (e->GetEquipe() == ext)
                points[1] += valeur;
        }
    };
    if (const auto* rugby = dynamic_cast<const TDonneesChampionnatRugby*>(&championnat)) {
        compte(rugby->GetButeursJournee(jour), 5);
        compte(rugby->GetTransfosJournee(jour), 2);
        compte(rugby->GetPenalitesJournee(jour), 3);
        compte(rugby->GetDropsJournee(jour), 3);
    } else {
        compte(championnat.GetButeursJournee(jour), 1);
    }
    return points[0] == s1 && points[1] == s2;
}

} // namespace

void TStatistique::FrequenceScores(const TDonneesChampionnat& championnat, int& nombre, TFrequencesScores& table)
{
    nombre = 0;
    std::array<std::array<uint16_t, 8>, 8> matrice{};
    const bool plusGrandDabord = (championnat.GetOption(11) & 2) != 0;
    for (int jour = 1; jour <= championnat.GetNbJour(); ++jour) {
        const int nb = championnat.GetNbMatchJournee(jour);
        for (int m = 0; m < nb; ++m) {
            int s1 = championnat.GetValeurMatch(jour, 4 * m + 2);
            int s2 = championnat.GetValeurMatch(jour, 4 * m + 4);
            if (s1 == Aucun || s2 == Aucun)
                continue;
            if (plusGrandDabord && s1 < s2)
                std::swap(s1, s2);
            ++matrice[std::min(s1, 7)][std::min(s2, 7)];
            ++nombre;
        }
    }
    for (int c = 0; c < 64; ++c)
        table[c] = {matrice[c / 8][c % 8], static_cast<uint16_t>(c)};
    TriEchange(table, [](const auto& a, const auto& b) { return a.Frequence > b.Frequence; });
}

void TStatistique::CalculEquipe(const TDonneesChampionnat& championnat, uint16_t equipe, TTableSituation& table,
                                int& nombre)
{
    nombre = 0;
    table.Vide();
    // Tries are worth 5 points and the rugby score counts points; a football
    // goal is worth one. Equal weights leave the half-time comparison as it is.
    const int poids = dynamic_cast<const TDonneesChampionnatRugby*>(&championnat) ? 5 : 1;
    for (int jour = 1; jour <= championnat.GetNbJour(); ++jour) {
        const int nb = championnat.GetNbMatchJournee(jour);
        int m = 0;
        while (m < nb && championnat.GetValeurMatch(jour, 4 * m + 1) != equipe &&
               championnat.GetValeurMatch(jour, 4 * m + 3) != equipe)
            ++m;
        if (m == nb)
            continue;
        const uint16_t dom = championnat.GetValeurMatch(jour, 4 * m + 1);
        const uint16_t ext = championnat.GetValeurMatch(jour, 4 * m + 3);
        const int s1 = championnat.GetValeurMatch(jour, 4 * m + 2);
        const int s2 = championnat.GetValeurMatch(jour, 4 * m + 4);
        if (s1 == Aucun || s2 == Aucun)
            continue;
        ++nombre;
        // Missing entries would pass for a level half-time and no opening goal.
        if (!EntreesCompletes(championnat, jour, dom, ext, s1, s2))
            continue;

        std::vector<TMoment> listeDom, listeExt;
        if (const TListeDonnees* buteurs = championnat.GetButeursJournee(jour))
            for (int i = 0; i < buteurs->Nombre(); ++i) {
                const TDonneesEvt* e = buteurs->Get(i);
                if (e->GetMot() & Evt::PenaltyManque)
                    continue;
                if (e->GetEquipe() == dom)
                    Insere(listeDom, {e->GetMinute(), poids});
                else if (e->GetEquipe() == ext)
                    Insere(listeExt, {e->GetMinute(), poids});
            }

        const bool aDomicile = dom == equipe;
        const int lieu = aDomicile ? TTableSituation::Domicile : TTableSituation::Exterieur;
        table.AjouteClasse(lieu);
        const std::vector<TMoment>& propre = aDomicile ? listeDom : listeExt;
        const std::vector<TMoment>& autre = aDomicile ? listeExt : listeDom;
        const int scorePropre = aDomicile ? s1 : s2;
        const int scoreAutre = aDomicile ? s2 : s1;

        const int resultat = scorePropre > scoreAutre    ? TTableSituation::Victoire
                             : scorePropre == scoreAutre ? TTableSituation::Nul
                                                         : TTableSituation::Defaite;
        const int premierPropre = PremiereMinute(propre), premierAutre = PremiereMinute(autre);
        if (premierPropre < premierAutre)
            table.Ajoute(resultat, TTableSituation::MarquePremier, lieu);
        else if (premierPropre > premierAutre)
            table.Ajoute(resultat, TTableSituation::EncaissePremier, lieu);
        const int miTempsPropre = PoidsMiTemps(propre), miTempsAutre = PoidsMiTemps(autre);
        table.Ajoute(resultat,
                     miTempsPropre > miTempsAutre    ? TTableSituation::MeneMiTemps
                     : miTempsPropre == miTempsAutre ? TTableSituation::EgaliteMiTemps
                                                     : TTableSituation::MeneeMiTemps,
                     lieu);
        if ((resultat == TTableSituation::Victoire && PerdantAMene(scorePropre, scoreAutre, propre, autre)) ||
            (resultat == TTableSituation::Defaite && PerdantAMene(scoreAutre, scorePropre, autre, propre)))
            table.Ajoute(resultat, TTableSituation::Renversement, lieu);
    }
}
