#include "engine/DecisionCoupe.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/ContexteSaison.h"

#include <cstdlib>

namespace DecisionCoupe {

namespace {

constexpr uint16_t Aucun = TInfoComp::Aucun;
constexpr int TexteAutoAppariement = 2360;

// Goals of a stored score without the qualified flag; an unplayed side has none.
int Buts(uint16_t score)
{
    return score == Aucun ? 0 : (score & 0x7FFF);
}

} // namespace

const TInfoComp* MatchDuTie(const TDonneesChampionnat& c, uint16_t a, uint16_t b, int jour)
{
    const TInfoCompJour* j = c.GetJournee(jour);
    if (!j)
        return nullptr;
    if (const TInfoComp* m = j->GetMatchEquipes(a, b))
        return m;
    return j->GetMatchEquipes(b, a);
}

namespace {

int IndexDuTie(const TDonneesChampionnat& c, uint16_t a, uint16_t b, int jour)
{
    const TInfoCompJour* j = c.GetJournee(jour);
    if (!j)
        return -1;
    const int i = j->IndexEquipes(a, b);
    return i >= 0 ? i : j->IndexEquipes(b, a);
}

// +1 when id1 won their match of that day, -1 when id2 did, 0 otherwise.
int Vainqueur(const TDonneesChampionnat& c, uint16_t id1, uint16_t id2, int jour)
{
    int b2 = 0, b1 = 0;
    ScoreAutreManche(c, id1, id2, jour, b2, b1);
    return b1 > b2 ? 1 : (b1 < b2 ? -1 : 0);
}

// Slot of a tie decided by the row `rang` of its round's first day `premier`:
// the bye slot in a first round that has one for that row, else the pair.
int SlotRang(const TDonneesChampionnat& c, int premier, int rang, bool parPaire)
{
    if (premier == 1 && c.GetMatchSuiv(rang) >= 0)
        return rang;
    return parPaire ? rang / 2 : rang;
}

// The team that went through in the tie of row `rang` of day `premier`: the
// qualified side of its latest match in the round (days premier to fin - 1),
// taken from the page's rows on the day being entered; -1 while none is known.
int QualifieDuRang(const TDonneesChampionnat& c, int premier, int fin, int rang, int jourCourant,
                   const TQualifieLigne& qualifieLigne)
{
    const TInfoComp* m = c.GetMatch(premier, rang + 1);
    if (!m)
        return -1;
    const uint16_t a = m->GetEquipe(0), b = m->GetEquipe(1);
    for (int jour = fin - 1; jour >= premier; --jour) {
        const TInfoComp* t = MatchDuTie(c, a, b, jour);
        if (!t)
            continue;
        const int q = jour == jourCourant && qualifieLigne ? qualifieLigne(IndexDuTie(c, a, b, jour))
                                                           : c.GetQualifie(jour, t->GetEquipe(0), t->GetEquipe(1));
        if (q == 0 || q == 1)
            return t->GetEquipe(q);
    }
    return -1;
}

// Clears a qualified flag left on the day's match of an open tie.
bool EffaceQualifie(TDonneesChampionnat& c, uint16_t id1, uint16_t id2, int jour)
{
    const TInfoCompJour* j = c.GetJournee(jour);
    TInfoComp* m = j ? j->GetMatchEquipes(id1, id2) : nullptr;
    bool change = false;
    for (int cote = 0; m && cote < 2; ++cote)
        if (m->GetScore(cote) != Aucun && (m->GetScore(cote) & 0x8000)) {
            m->SetScore(cote, m->GetScore(cote) & 0x7FFF);
            change = true;
        }
    return change;
}

// Removes the tie's matches on the days of its round after `jour`.
bool RetireSuite(TDonneesChampionnat& c, uint16_t id1, uint16_t id2, int jour)
{
    bool change = false;
    const int tour = TourJour(c, jour);
    for (int d = jour + 1; d <= c.GetNbTourCoupe() && TourJour(c, d) == tour; ++d)
        while (MatchExiste(c, id1, id2, d)) {
            c.SupprimeMatch(d, id1, id2);
            change = true;
        }
    return change;
}

// Adds dom - ext (not played) on day `jour` at the slot's place unless either
// team already plays there, when the model's own replacement rule keeps it.
bool AjoutePlace(TDonneesChampionnat& c, int jour, int dom, int ext, int premier, int clef, bool parPaire)
{
    if (dom < 0 || dom >= Aucun || ext < 0 || ext >= Aucun)
        return false;
    if (const TInfoCompJour* j = c.GetJournee(jour); j && j->IndexEquipes(dom, ext) >= 0)
        return false;
    const TInfoCompJour* j = c.GetJournee(jour);
    const bool libres =
        !j || (j->IndexEquipe(static_cast<uint16_t>(dom)) < 0 && j->IndexEquipe(static_cast<uint16_t>(ext)) < 0);
    const int index = libres ? IndexOrdonne(c, jour, premier, clef, parPaire) : -1;
    return c.AjouteMatch(jour, dom, ext, index, Aucun, Aucun) >= 0;
}

// Whether the tie decided on `jour` sends its winner into a next round: its
// round is a round of the cup (numbered down to the final, 1) and not the final.
bool VersTourSuivant(const TDonneesChampionnat& c, int jour)
{
    const int tour = TourJour(c, jour);
    // Cups whose number of rounds was never recorded: their first day's round.
    const int nbTours = c.GetOption(1) > 0 ? c.GetOption(1) : TourJour(c, 1);
    return tour > 1 && tour <= nbTours;
}

// A winner paired with itself (a bye given to a team that also plays the tie)
// would make a match of one team: it is not made and the user is told.
bool PaireDistincte(const TContexteSaison& saison, int dom, int ext, uint16_t e1, uint16_t e2)
{
    if (dom != ext || dom < 0 || dom >= Aucun)
        return true;
    MessageUtil(TraduitFmt(TexteAutoAppariement, {saison.GetNomEquipe(static_cast<uint16_t>(dom)),
                                                  saison.GetNomEquipe(e1), saison.GetNomEquipe(e2)}),
                BoutonsMessage::Ok);
    return false;
}

} // namespace

int TypeJour(const TDonneesChampionnat& c, int jour)
{
    const TTourCoupeJour* t = c.GetTourCoupe(jour - 1);
    return t ? static_cast<int>(t->TypeMatch & 0xFF) : 0;
}

int TourJour(const TDonneesChampionnat& c, int jour)
{
    const TTourCoupeJour* t = c.GetTourCoupe(jour - 1);
    return t ? (t->nTour & 0x3F) : -1;
}

int PremierJourTour(const TDonneesChampionnat& c, int jour)
{
    const int tour = TourJour(c, jour);
    while (jour > 1 && TourJour(c, jour - 1) == tour)
        --jour;
    return jour;
}

int PremierJourTourSuivant(const TDonneesChampionnat& c, int jour)
{
    const int tour = TourJour(c, jour);
    if (tour < 0)
        return 0;
    for (int d = jour + 1; d <= c.GetNbTourCoupe(); ++d)
        if (TourJour(c, d) != tour)
            return d;
    return 0;
}

bool TypeSansDecision(int type)
{
    switch (type) {
    case 0x15:
    case 0x16:
    case 0x17:
    case 0x36:
    case 0x37:
    case 0x42:
    case 0x44:
    case 0x57:
        return true;
    default:
        return false;
    }
}

bool MatchExiste(const TDonneesChampionnat& c, uint16_t id1, uint16_t id2, int jour)
{
    return MatchDuTie(c, id1, id2, jour) != nullptr;
}

void ScoreAutreManche(const TDonneesChampionnat& c, uint16_t id1, uint16_t id2, int jour, int& butsId2, int& butsId1)
{
    const TInfoCompJour* j = c.GetJournee(jour);
    if (!j)
        return;
    if (const TInfoComp* m = j->GetMatchEquipes(id2, id1)) {
        butsId2 = Buts(m->GetScore(0));
        butsId1 = Buts(m->GetScore(1));
    } else if (const TInfoComp* r = j->GetMatchEquipes(id1, id2)) {
        butsId1 = Buts(r->GetScore(0));
        butsId2 = Buts(r->GetScore(1));
    }
}

TIssue Decide(const TDonneesChampionnat& c, int jour, uint16_t id1, uint16_t id2, int s1, int s2, bool textesEgaux)
{
    const int type = TypeJour(c, jour);
    if (TypeSansDecision(type))
        return TIssue::PasDeDecision;
    auto parScore = [&](int w) { return w == 0 ? TIssue::Indecis : (w > 0 ? TIssue::Equipe1 : TIssue::Equipe2); };
    switch (type) {
    case 0x01:
    case 0xC3:
    case 0xC4:
        if (textesEgaux)
            return TIssue::TirsAuBut;
        return s1 > s2 ? TIssue::Equipe1 : TIssue::Equipe2;
    case 0x43:
        return s1 == s2 ? TIssue::Indecis : (s1 > s2 ? TIssue::Equipe1 : TIssue::Equipe2);
    case 0x55:
    case 0x96:
    case 0xD7:
        return s1 > s2 ? TIssue::Equipe1 : TIssue::Equipe2;
    case 0x82: {
        // Aggregate, then away goals: team 2 of this leg scored s2 away, team 1
        // scored its goals of the first leg away.
        int aller2 = 0, aller1 = 0;
        ScoreAutreManche(c, id1, id2, jour - 1, aller2, aller1);
        const int a1 = s1 + aller1, a2 = s2 + aller2;
        if (a1 == a2) {
            if (s2 == aller1)
                return TIssue::TirsAuBut;
            return s2 < aller1 ? TIssue::Equipe1 : TIssue::Equipe2;
        }
        return a2 < a1 ? TIssue::Equipe1 : TIssue::Equipe2;
    }
    case 0x35:
    case 0x84: {
        const int w = Vainqueur(c, id1, id2, jour - 1) + (s1 > s2 ? 1 : (s1 < s2 ? -1 : 0));
        return parScore(w);
    }
    case 0x56:
    case 0x76:
    case 0x77:
    case 0x97:
    case 0xB7: {
        const int n = (type >> 5) + 1;
        int w = s1 > s2 ? 1 : (s1 < s2 ? -1 : 0);
        for (int d = jour - 1; d >= jour - n + 1; --d)
            w += Vainqueur(c, id1, id2, d);
        const int avance = (type & 0x0F) == 6 ? 6 - n : 8 - n;
        if (std::abs(w) < avance)
            w = 0;
        return parScore(w);
    }
    default:
        return TIssue::SansRegle;
    }
}

std::string TexteTirsAuBut(int tirs)
{
    return TraduitFmt(286, {tirs >> 16, tirs & 0xFFFF});
}

int IdEquipeNom(const TDonneesChampionnat& c, const TContexteSaison& saison, const std::string& nom)
{
    const std::string cle = NormaliseNom(nom);
    for (int p = 0; p < c.GetNbEquipe(); ++p) {
        const int id = c.GetEquipe(p);
        if (id >= 0 && id < Aucun && NormaliseNom(saison.GetNomEquipe(static_cast<uint16_t>(id))) == cle)
            return id;
    }
    return -1;
}

int IndexOrdonne(const TDonneesChampionnat& c, int jour, int premier, int clef, bool parPaire)
{
    const TInfoCompJour* j = c.GetJournee(jour);
    const TInfoCompJour* f = c.GetJournee(premier);
    if (!j)
        return 0;
    int index = 0;
    for (int i = 0; i < j->NbMatch(); ++i) {
        const TInfoComp* m = j->GetMatch(i);
        int slot = -1;
        for (int cote = 0; cote < 2 && slot < 0 && f; ++cote) {
            const int rang = f->IndexEquipe(m->GetEquipe(cote));
            if (rang >= 0)
                slot = SlotRang(c, premier, rang, parPaire);
        }
        // A match of no known tie keeps its place before the new one.
        if (slot < clef)
            index = i + 1;
    }
    return index;
}

bool ScoreExit(TDonneesChampionnat& c, const TContexteSaison& saison, int ligne, TLigneCoupe& l,
               const TDemandeTirsAuBut& demande, const TQualifieLigne& qualifieLigne)
{
    if (!c.EstCoupe() || l.Score1.empty() || l.Score2.empty())
        return false;
    const int jour = c.NbJournee;
    const int id1 = IdEquipeNom(c, saison, l.Equipe1);
    const int id2 = IdEquipeNom(c, saison, l.Equipe2);
    const int s1 = StrToIntDef(Trim(l.Score1), 0);
    const int s2 = StrToIntDef(Trim(l.Score2), 0);
    const uint16_t e1 = id1 < 0 ? Aucun : static_cast<uint16_t>(id1);
    const uint16_t e2 = id2 < 0 ? Aucun : static_cast<uint16_t>(id2);

    const TIssue issue = Decide(c, jour, e1, e2, s1, s2, l.Score1 == l.Score2);
    if (issue == TIssue::PasDeDecision)
        return false;
    if (issue == TIssue::Equipe1)
        l.Qualifie = 0;
    else if (issue == TIssue::Equipe2)
        l.Qualifie = 1;
    else if (issue == TIssue::Indecis)
        l.Qualifie = 2;

    if (issue == TIssue::TirsAuBut) {
        if (l.TirsAuBut == 0 && demande && id1 >= 0 && id2 >= 0) {
            const int tirs = demande(e1, e2);
            if (tirs > 0 && (tirs >> 16) != (tirs & 0xFFFF)) {
                l.TirsAuBut = tirs;
                l.Info = TexteTirsAuBut(tirs);
            }
        }
        // No side goes through before the shoot-out is known.
        l.Qualifie = l.TirsAuBut == 0 ? 2 : ((l.TirsAuBut >> 16) > (l.TirsAuBut & 0xFFFF) ? 0 : 1);
    } else {
        l.TirsAuBut = 0;
        l.Info.clear();
    }
    if (id1 < 0 || id2 < 0)
        return false;
    bool change = l.Qualifie == 2 && EffaceQualifie(c, e1, e2, jour);

    const int premier = PremierJourTour(c, jour);
    const int tour = TourJour(c, jour);
    if (issue == TIssue::Indecis) {
        if (jour + 1 > c.GetNbTourCoupe() || TourJour(c, jour + 1) != tour || MatchExiste(c, e1, e2, jour + 1))
            return change;
        const int rang = jour == premier ? ligne : IndexDuTie(c, e1, e2, premier);
        const int type = TypeJour(c, jour);
        const int dom = type == 0x76 ? id1 : id2, ext = type == 0x76 ? id2 : id1;
        return AjoutePlace(c, jour + 1, dom, ext, premier, rang < 0 ? ligne : rang, false) || change;
    }

    change = RetireSuite(c, e1, e2, jour) || change;
    const int suivant = PremierJourTourSuivant(c, jour);
    if (suivant == 0 || !VersTourSuivant(c, jour) || (l.Qualifie != 0 && l.Qualifie != 1))
        return change;
    int rang = jour == premier ? ligne : IndexDuTie(c, e1, e2, premier);
    if (rang < 0)
        rang = ligne;
    const int qualifie = l.Qualifie == 0 ? id1 : id2;
    if (premier == 1) {
        if (const int exempt = c.GetMatchSuiv(rang); exempt >= 0)
            return (PaireDistincte(saison, exempt, qualifie, e1, e2) &&
                    AjoutePlace(c, suivant, exempt, qualifie, premier, rang, true)) ||
                   change;
    }
    const int k = rang / 2;
    const int autre = QualifieDuRang(c, premier, suivant, rang % 2 == 0 ? 2 * k + 1 : 2 * k, jour, qualifieLigne);
    const int dom = rang % 2 == 0 ? qualifie : autre;
    const int ext = rang % 2 == 0 ? autre : qualifie;
    return (PaireDistincte(saison, dom, ext, e1, e2) && AjoutePlace(c, suivant, dom, ext, premier, k, true)) || change;
}

} // namespace DecisionCoupe
