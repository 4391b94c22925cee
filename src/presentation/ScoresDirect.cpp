#include "presentation/ScoresDirect.h"

#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"
#include "presentation/ModeleGrille.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int ScoreMax = 255;

// The score of a side without the cup's qualified flag, -1 when unplayed.
int Valeur(const TInfoComp& match, int cote)
{
    const uint16_t s = match.GetScore(cote);
    return s == TInfoComp::Aucun ? -1 : (s & 0x7FFF);
}

std::string TexteElement(int match, int code, const std::string& noms)
{
    char index[16];
    std::snprintf(index, sizeof index, "%02d", match);
    std::string texte(index);
    texte.resize(5, ' ');
    texte += static_cast<char>(code);
    return texte + noms;
}

} // namespace

TScoresDirect::TScoresDirect(TSaison* saison) : Saison(saison) {}

TDonneesChampionnat* TScoresDirect::Championnat() const
{
    return Saison != nullptr ? Saison->GetChampCourant() : nullptr;
}

int TScoresDirect::Jour() const
{
    const TDonneesChampionnat* c = Championnat();
    return c == nullptr ? 0 : std::max<int>(c->NbJournee, 1);
}

void TScoresDirect::Remplit()
{
    Elements.clear();
    Selection = -1;
    const TDonneesChampionnat* c = Championnat();
    if (c == nullptr)
        return;
    const int jour = Jour();
    for (int m = 1; m <= c->GetNbMatchJournee(jour); ++m) {
        const TInfoComp* match = c->GetMatch(jour, m);
        if (match == nullptr || match->GetEquipe(0) == TInfoComp::Aucun || match->GetEquipe(1) == TInfoComp::Aucun)
            continue;
        const std::string noms =
            Saison->GetNomEquipe(match->GetEquipe(0)) + " - " + Saison->GetNomEquipe(match->GetEquipe(1));
        Elements.push_back({m - 1, TexteElement(m - 1, CodeCouleur(NbMatchs()), noms)});
    }
    Selectionne(0);
}

const TScoresDirect::TElement* TScoresDirect::GetElement(int position) const
{
    return position >= 0 && position < NbMatchs() ? &Elements[position] : nullptr;
}

void TScoresDirect::Selectionne(int position)
{
    const TElement* e = GetElement(position);
    Selection = e != nullptr ? e->Match : -1;
}

TInfoComp* TScoresDirect::MatchSelectionne() const
{
    const TDonneesChampionnat* c = Championnat();
    return c != nullptr && Selection >= 0 ? c->GetMatch(Jour(), Selection + 1) : nullptr;
}

std::string TScoresDirect::NomEquipe(int cote) const
{
    const TInfoComp* m = MatchSelectionne();
    return m != nullptr ? Saison->GetNomEquipe(m->GetEquipe(cote)) : std::string();
}

std::string TScoresDirect::TexteScore(int cote) const
{
    const TInfoComp* m = MatchSelectionne();
    const int v = m != nullptr ? Valeur(*m, cote) : -1;
    return v < 0 ? std::string() : std::to_string(v);
}

void TScoresDirect::Ecrit(TInfoComp& match, int score0, int score1)
{
    match.SetScore(0, score0 < 0 ? TInfoComp::Aucun : static_cast<uint16_t>(score0));
    match.SetScore(1, score1 < 0 ? TInfoComp::Aucun : static_cast<uint16_t>(score1));
    if (OnModification)
        OnModification();
}

bool TScoresDirect::Plus(int cote)
{
    TInfoComp* m = MatchSelectionne();
    if (m == nullptr || (cote != 0 && cote != 1))
        return false;
    int v[2] = {Valeur(*m, 0), Valeur(*m, 1)};
    if (v[cote] >= ScoreMax)
        return false;
    v[cote] = v[cote] < 0 ? 1 : v[cote] + 1;
    // A match under way has two scores.
    if (v[1 - cote] < 0)
        v[1 - cote] = 0;
    Ecrit(*m, v[0], v[1]);
    return true;
}

bool TScoresDirect::Moins(int cote)
{
    TInfoComp* m = MatchSelectionne();
    if (m == nullptr || (cote != 0 && cote != 1))
        return false;
    int v[2] = {Valeur(*m, 0), Valeur(*m, 1)};
    if (v[cote] <= 0)
        return false;
    --v[cote];
    Ecrit(*m, v[0], v[1]);
    return true;
}

bool TScoresDirect::Retire()
{
    TInfoComp* m = MatchSelectionne();
    if (m == nullptr)
        return false;
    const int match = Selection;
    Elements.erase(
        std::remove_if(Elements.begin(), Elements.end(), [match](const TElement& e) { return e.Match == match; }),
        Elements.end());
    Recolore();
    Selection = -1;
    Ecrit(*m, -1, -1);
    return true;
}

void TScoresDirect::Recolore()
{
    for (int i = 0; i < NbMatchs(); ++i)
        if (Elements[i].Texte.size() >= 6)
            Elements[i].Texte[5] = static_cast<char>(CodeCouleur(i));
}

int TScoresDirect::DernierJourClassement() const
{
    const TDonneesChampionnat* c = Championnat();
    return c == nullptr ? 0 : std::max<int>(Jour(), c->JourneeJouee);
}

void TScoresDirect::AfficheClassement(TModeleGrille& grille) const
{
    const TDonneesChampionnat* c = Championnat();
    if (c == nullptr) {
        grille.SetRowCount(0);
        return;
    }
    TCalculClassement calcul(c, Saison);
    calcul.Affiche(TCalculClassement::General, grille, nullptr, nullptr, false, DernierJourClassement(), 1);
}
