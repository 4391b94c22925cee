#include "engine/ControleCalendrier.h"

#include "base/ServiceMessage.h"
#include "base/oTraducteur.h"
#include "engine/DecisionCoupe.h"
#include "model/Championnat.h"
#include "model/ContexteSaison.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"

#include <algorithm>

namespace ControleCalendrier {

namespace {

constexpr uint16_t Aucun = TInfoComp::Aucun;

bool Joue(const TDonneesChampionnat& c, int jour, uint16_t id)
{
    const TInfoCompJour* j = c.GetJournee(jour);
    return j && j->IndexEquipe(id) >= 0;
}

// Whether the tie of a and b still needs a match on day `cible` (day `premier`
// being its round's first day): the day before holds its match and, unless
// nothing is decided on that day, its result leaves the tie open.
bool TieOuvert(const TDonneesChampionnat& c, uint16_t a, uint16_t b, int premier, int cible)
{
    const int veille = cible - 1;
    if (veille == premier)
        return true;
    const TInfoComp* m = DecisionCoupe::MatchDuTie(c, a, b, veille);
    if (!m)
        return false;
    if (DecisionCoupe::TypeSansDecision(DecisionCoupe::TypeJour(c, veille)))
        return true;
    if (!m->Joue())
        return false;
    const int s1 = m->GetScore(0) & 0x7FFF, s2 = m->GetScore(1) & 0x7FFF;
    return DecisionCoupe::Decide(c, veille, m->GetEquipe(0), m->GetEquipe(1), s1, s2, s1 == s2) ==
           DecisionCoupe::TIssue::Indecis;
}

constexpr int TexteButTardif = 3140;
constexpr int TexteCartonTardif = 3141;
// The texts of the day check's flags 0 to 5 follow one another from the first.
constexpr int TexteAffluenceManquante = 153;
// The flag of the scorers that do not add up to the score: a fault, where the
// others only tell what is not entered yet.
constexpr int DrapeauButeurs = 1;

// The days after which a level tie plays again instead of going to extra
// time: a single match with a replay if drawn, and a second leg counted in
// games won, whose level count calls a deciding match.
constexpr int TypeMatchRejoueSiNul = 0x43;
constexpr int TypeRetourAuxVictoires = 0x84;

bool EgaliteRejouee(int type)
{
    return type == TypeMatchRejoueSiNul || type == TypeRetourAuxVictoires;
}

// Whether a level score on a cup day leads to extra time: not on the days
// that decide nothing nor on those after which a level tie plays again. A
// day of unknown kind is given the benefit.
bool Prolongation(const TDonneesChampionnat& c, int jour)
{
    if (!c.EstCoupe())
        return false;
    const int type = DecisionCoupe::TypeJour(c, jour);
    return !DecisionCoupe::TypeSansDecision(type) && !EgaliteRejouee(type);
}

// A line of the check before it takes its place in the list.
struct TProbleme {
    std::string Texte;
    bool Defaut = false;
};

// The lines in their window: what contradicts the score or the match's length
// comes first, so that it is not lost among dozens of entries merely missing.
TVerification Liste(std::vector<TProbleme> problemes, int nbControles)
{
    std::stable_partition(problemes.begin(), problemes.end(), [](const TProbleme& p) { return p.Defaut; });
    TVerification v;
    int compteur = 1, bascule = 1;
    for (TProbleme& p : problemes) {
        AjouterLigneVerification(p.Texte, compteur, bascule, v.Lignes);
        v.Lignes.back().Defaut = p.Defaut;
    }
    v.NbControles = nbControles;
    v.Resume = TraduitFmt(nbControles <= 1 ? 159 : 160, {nbControles});
    return v;
}

// One line per event of the two teams whose minute lies beyond the match.
void MinutesTardives(const TDonneesChampionnat& c, const TContexteSaison& saison, int jour, const TInfoComp& m,
                     const std::string& libelle, std::vector<TProbleme>& problemes)
{
    const int duree = DureeMatch(c, jour, m);
    if (duree <= 0)
        return;
    std::vector<std::pair<const TListeDonnees*, int>> listes{{c.GetButeursJournee(jour), TexteButTardif},
                                                             {c.GetCartonsJournee(jour), TexteCartonTardif}};
    if (const auto* r = dynamic_cast<const TDonneesChampionnatRugby*>(&c))
        for (const TListeDonnees* l :
             {r->GetTransfosJournee(jour), r->GetPenalitesJournee(jour), r->GetDropsJournee(jour)})
            listes.emplace_back(l, TexteButTardif);
    const uint16_t equipes[2] = {m.GetEquipe(0), m.GetEquipe(1)};
    for (const auto& [liste, texte] : listes)
        for (int i = 0; liste && i < liste->Nombre(); ++i) {
            const TDonneesEvt& e = *liste->Get(i);
            if ((e.GetEquipe() != equipes[0] && e.GetEquipe() != equipes[1]) || e.GetMinute() <= duree)
                continue;
            // An own goal's player belongs to the other side.
            const TJoueur* j = ChercheJoueur(&saison, e.GetJoueur(), 65535);
            problemes.push_back(
                {libelle + TraduitFmt(texte, {j ? j->Nom : std::string("?"), e.GetMinute(), duree}), true});
        }
}

} // namespace

int DureeMatch(const TDonneesChampionnat& c, int jour, const TInfoComp& m)
{
    if (dynamic_cast<const TDonneesChampionnatBasket*>(&c)) {
        // Four quarters of twelve minutes, five more for each overtime played.
        int duree = 48;
        auto marque = [](uint8_t score) { return score != 255 && score > 0; };
        for (int p = 5; p <= 6; ++p)
            if (marque(m.GetScorePeriode(0, p)) || marque(m.GetScorePeriode(1, p)))
                duree += 5;
        return duree;
    }
    const bool prolongation = Prolongation(c, jour);
    if (dynamic_cast<const TDonneesChampionnatRugby*>(&c))
        return prolongation ? 100 : 80;
    return prolongation ? 120 : 90;
}

bool CopierJourneeInversee(TDonneesChampionnat& c, int source, int cible)
{
    bool change = false;
    const int nb = c.GetNbMatchJournee(cible);
    for (int k = 1; k <= nb; ++k) {
        if (c.GetValeurMatch(cible, 4 * (k - 1) + 1) != Aucun)
            continue;
        const uint16_t dom = c.GetValeurMatch(source, 4 * (k - 1) + 3);
        const uint16_t ext = c.GetValeurMatch(source, 4 * (k - 1) + 1);
        if (dom == Aucun || ext == Aucun || Joue(c, cible, dom) || Joue(c, cible, ext))
            continue;
        if (c.AjouteMatch(cible, dom, ext, -1, Aucun, Aucun) >= 0)
            change = true;
    }
    return change;
}

bool CompleteChampionnat(TDonneesChampionnat& c, bool decale)
{
    const int n = c.GetNbJour();
    const int h = n / 2;
    bool change = false;
    if (decale) {
        for (int t = h + 1; t <= n - 1; ++t)
            change = CopierJourneeInversee(c, t - h + 1, t) || change;
        if (n >= 2)
            change = CopierJourneeInversee(c, 1, n) || change;
    } else {
        for (int t = h + 1; t <= n; ++t)
            change = CopierJourneeInversee(c, t - h, t) || change;
    }
    return change;
}

bool CompleteCoupe(TDonneesChampionnat& c, int jourCourant)
{
    if (jourCourant < 1 || jourCourant >= c.GetNbJour())
        return false;
    const int premier = DecisionCoupe::PremierJourTour(c, jourCourant);
    const int cible = jourCourant > premier ? jourCourant : premier + 1;
    const int type = DecisionCoupe::TypeJour(c, premier);
    if (!DecisionCoupe::TypeSansDecision(type) ||
        DecisionCoupe::TourJour(c, cible) != DecisionCoupe::TourJour(c, premier))
        return false;
    const TInfoCompJour* f = c.GetJournee(premier);
    if (!f)
        return false;
    const bool inverse = type == 0x15 || type == 0x42 || type == 0x44 || (cible != premier + 1 && cible != premier + 4);
    bool change = false;
    for (int k = 0; k < f->NbMatch(); ++k) {
        const uint16_t a = f->GetMatch(k)->GetEquipe(0), b = f->GetMatch(k)->GetEquipe(1);
        if (a == Aucun || b == Aucun || Joue(c, cible, a) || Joue(c, cible, b) || !TieOuvert(c, a, b, premier, cible))
            continue;
        const int index = DecisionCoupe::IndexOrdonne(c, cible, premier, k, false);
        if (c.AjouteMatch(cible, inverse ? b : a, inverse ? a : b, index, Aucun, Aucun) >= 0)
            change = true;
    }
    return change;
}

bool CompleterCalendrier(TDonneesChampionnat& c, bool /*depuisBouton*/, const TActionsCompletion& actions)
{
    if (actions.Enregistre)
        actions.Enregistre();
    bool change = false;
    if (!c.EstCoupe()) {
        const uint16_t reponse = MessageUtil(Traduit(1244), BoutonsMessage::Oui | BoutonsMessage::Non);
        if (reponse != ReponseMessage::Oui && reponse != ReponseMessage::Non)
            return false;
        const int dernierAller = c.GetNbEquipe() - 1;
        if (c.NbJournee > dernierAller && dernierAller >= 1 && actions.ChangeJournee)
            actions.ChangeJournee(dernierAller);
        change = CompleteChampionnat(c, reponse == ReponseMessage::Oui);
    } else {
        change = CompleteCoupe(c, c.NbJournee);
    }
    if (change) {
        if (actions.Modifie)
            actions.Modifie();
        // The automatic completion may fill the very day the page shows: its
        // rows are loaded again, or the next save would drop what was added.
        if (c.EstCoupe() && actions.RechargeJournee)
            actions.RechargeJournee();
    }
    return change;
}

void AjouterLigneVerification(const std::string& texte, int& compteur, int& bascule,
                              std::vector<TLigneVerification>& lignes)
{
    bascule = 1 - bascule;
    TLigneVerification l;
    l.Texte = texte;
    l.Couleur = bascule != 1 ? CouleurLigneImpaire : CouleurLignePaire;
    l.Haut = compteur * 15 - 11;
    lignes.push_back(std::move(l));
    ++compteur;
}

TVerification VerifieJournee(const TDonneesChampionnat& c, const TContexteSaison& saison, int jour)
{
    int nbControles = 0;
    std::vector<TProbleme> problemes;
    const std::vector<uint8_t> drapeaux = c.ControleJournee(jour, nbControles);
    const int nb = static_cast<int>(drapeaux.size() / 7);
    for (int i = 0; i < nb; ++i) {
        const uint8_t* d = &drapeaux[7 * static_cast<std::size_t>(i)];
        if (d[6] != 1)
            continue;
        const std::string libelle = saison.GetNomEquipe(c.GetValeurMatch(jour, 4 * i + 1)) + " - " +
                                    saison.GetNomEquipe(c.GetValeurMatch(jour, 4 * i + 3)) + " : ";
        for (int j = 0; j <= 5; ++j)
            if (d[j] == 0)
                problemes.push_back({libelle + Traduit(TexteAffluenceManquante + j), j == DrapeauButeurs});
        if (const TInfoComp* m = c.GetMatch(jour, i + 1))
            MinutesTardives(c, saison, jour, *m, libelle, problemes);
    }
    return Liste(std::move(problemes), nbControles);
}

TVerification VerifieChampionnat(const TDonneesChampionnat& c, const TContexteSaison& saison)
{
    int nbControles = 0;
    std::vector<TProbleme> problemes;
    for (int jour = 1; jour <= c.GetNbJour(); ++jour) {
        const TVerification j = VerifieJournee(c, saison, jour);
        nbControles += j.NbControles;
        const std::string journe = TraduitFmt(151, {jour}) + " : ";
        for (const TLigneVerification& l : j.Lignes)
            problemes.push_back({journe + l.Texte, l.Defaut});
    }
    return Liste(std::move(problemes), nbControles);
}

} // namespace ControleCalendrier
