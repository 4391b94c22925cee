#include "presentation/Comparaison.h"

#include "base/oTraducteur.h"
#include "engine/CalculClassement.h"
#include "files/Image.h"
#include "model/Championnat.h"
#include "model/ContexteSaison.h"
#include "model/infocomp.h"
#include "presentation/ModeleGraphe.h"
#include "presentation/ModeleGrille.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int TexteDomicile = 210;
constexpr int TexteExterieur = 211;
constexpr int TexteSansMatch = 355;
constexpr int LargeurColonne = 160;
constexpr int NbJoursProgramme = 6;
constexpr TColor FondTitre = 0xE89879;
constexpr TColor FondDomicile = 0xFFFFFF;
constexpr TColor FondExterieur = 0xF8CD87;

bool Valide(const TDonneesChampionnat& champ, uint8_t position)
{
    return position != TComparaison::Libre && position < champ.GetNbEquipe();
}

// The days whose standings count: those up to the last played one.
int DernierJour(const TDonneesChampionnat& champ)
{
    return std::min<int>(champ.JourneeJouee, champ.GetNbJour());
}

} // namespace

void TComparaison::Vide()
{
    FEquipes.fill(Libre);
}

int TComparaison::Choisit(int position)
{
    if (position < 0 || position >= Libre)
        return -1;
    if (const int deja = Emplacement(position); deja >= 0)
        return deja;
    if (NbChoisies() >= MaxChoisies)
        return -1;
    for (int i = 0; i < NbEmplacements; ++i)
        if (FEquipes[i] == Libre) {
            FEquipes[i] = static_cast<uint8_t>(position);
            return i;
        }
    return -1;
}

void TComparaison::Place(int emplacement, int position)
{
    if (emplacement >= 0 && emplacement < NbEmplacements)
        FEquipes[emplacement] = position >= 0 && position < Libre ? static_cast<uint8_t>(position) : Libre;
}

void TComparaison::Libere(int position)
{
    if (const int i = Emplacement(position); i >= 0)
        FEquipes[i] = Libre;
}

int TComparaison::Emplacement(int position) const
{
    for (int i = 0; i < NbEmplacements; ++i)
        if (FEquipes[i] != Libre && FEquipes[i] == position)
            return i;
    return -1;
}

int TComparaison::NbChoisies() const
{
    return static_cast<int>(std::count_if(FEquipes.begin(), FEquipes.end(), [](uint8_t e) { return e != Libre; }));
}

namespace Comparaison {

void TracerCourbes(bool points, TModeleGraphLigne& graphe, const TContexteSaison& saison,
                   const TDonneesChampionnat& champ, const std::array<uint8_t, TComparaison::NbEmplacements>& equipes)
{
    graphe.SetGrille(!points);
    graphe.SetInverse(!points);
    graphe.SetNbPointX(champ.GetNbJour());
    graphe.SetNbPointY(points ? 10 : champ.GetNbEquipe());
    if (graphe.NbCourbes() < TComparaison::NbEmplacements)
        graphe.SetNbCourbes(TComparaison::NbEmplacements);
    for (int i = 0; i < TComparaison::NbEmplacements; ++i) {
        graphe.SetCouleurCourbe(i, TComparaison::Couleurs[i]);
        graphe.VideCourbe(i);
        const bool choisie = Valide(champ, equipes[i]);
        graphe.SetCourbeVisible(i, choisie);
        if (choisie && points)
            graphe.SetPoint(i, 0, 0);
    }
    const int dernier = DernierJour(champ);
    if (dernier < 1)
        return;
    TCalculClassement calcul(&champ, &saison);
    std::vector<int> place(champ.GetNbEquipe(), 0);
    for (int d = 1; d <= dernier; ++d) {
        calcul.Calcule(TCalculClassement::General, d, nullptr, d);
        for (int r = 0; r < calcul.GetNbEquipe(); ++r) {
            const int e = calcul.GetClassement(r, 1);
            if (e >= 0 && e < static_cast<int>(place.size()))
                place[e] = r + 1;
        }
        for (int i = 0; i < TComparaison::NbEmplacements; ++i)
            if (Valide(champ, equipes[i]))
                graphe.SetPoint(i, d, points ? calcul.GetTotal(equipes[i], 1) : place[equipes[i]]);
    }
}

void RemplirTableau(TModeleGrille& grille, const TContexteSaison& saison, const TDonneesChampionnat& champ,
                    const std::array<uint8_t, TComparaison::NbEmplacements>& equipes)
{
    std::vector<int> colonnes;
    for (uint8_t e : equipes)
        if (Valide(champ, e))
            colonnes.push_back(e);
    const int dernier = DernierJour(champ);
    const int premier = std::max(dernier, 0) + 1;
    const int nbJours = std::clamp(champ.GetNbJour() - premier + 1, 0, NbJoursProgramme);

    // The opponents' ranks are those of the general standings after the last played day.
    std::vector<int> rang(champ.GetNbEquipe(), 0);
    TCalculClassement calcul(&champ, &saison);
    calcul.Calcule(TCalculClassement::General, 1, nullptr, dernier);
    for (int r = 0; r < calcul.GetNbEquipe(); ++r) {
        const int e = calcul.GetClassement(r, 1);
        if (e >= 0 && e < static_cast<int>(rang.size()))
            rang[e] = r + 1;
    }

    grille.SetColCount(static_cast<int>(colonnes.size()));
    grille.SetRowCount(1 + nbJours);
    grille.SetFixedCols(0);
    // The names' row keeps its own colour: it is not a fixed row.
    grille.SetFixedRows(0);
    for (int c = 0; c < static_cast<int>(colonnes.size()); ++c) {
        grille.SetLargeurColonne(c, LargeurColonne);
        const uint16_t id = static_cast<uint16_t>(champ.GetEquipe(colonnes[c]));
        grille.SetCellule(c, 0, nullptr, true, FondTitre, 0, 1, 1, saison.GetNomEquipe(id));
        for (int j = 0; j < nbJours; ++j) {
            const int jour = premier + j;
            const TInfoComp* m = champ.GetMatchEquipe(jour, id);
            std::string texte = Traduit(TexteSansMatch);
            TColor fond = FondDomicile;
            if (m != nullptr) {
                const int cote = m->CoteEquipe(id);
                const uint16_t adversaire = m->GetEquipe(1 - cote);
                const int index = champ.IndexEquipe(adversaire);
                const int rangAdversaire = index >= 0 && index < static_cast<int>(rang.size()) ? rang[index] : 0;
                const std::string nom = Capitalise(saison.GetNomEquipe(adversaire));
                texte = TraduitFmt(cote == 0 ? TexteDomicile : TexteExterieur, {nom, rangAdversaire});
                fond = cote == 0 ? FondDomicile : FondExterieur;
            }
            grille.SetCellule(c, j + 1, nullptr, false, fond, 0, 1, 1, texte);
        }
    }
}

} // namespace Comparaison
