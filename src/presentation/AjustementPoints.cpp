#include "presentation/AjustementPoints.h"

#include "base/oTraducteur.h"
#include "files/Image.h"
#include "model/Championnat.h"
#include "model/ContexteSaison.h"
#include "model/Penalites.h"
#include "presentation/ModeleGrille.h"

#include <algorithm>
#include <string>

namespace {

enum : int { TexteEquipe = 176, TextePoints = 307 };

constexpr uint8_t Gauche = 0;
constexpr uint8_t Centre = 1;
constexpr uint8_t Milieu = 1;

// The row's colours: zebra, or highlighted for the followed team.
void CouleursRangee(const TDonneesChampionnat& Champ, int Ligne, TColor& Fond, TColor& Texte)
{
    CouleurLigneSelection(Ligne, Fond, Texte, Champ.GetOption(10) == Ligne - 1);
}

} // namespace

namespace AjustementPoints {

int Ajustement(const TPenalites& Penalites, uint16_t Equipe)
{
    // Every day-0 record of the team counts, as in the standings.
    int Total = 0;
    for (const TPenalite* p : Penalites.GetJournee(0)) {
        if (p->Equipe1 != Equipe)
            continue;
        if (p->Type == TPenalite::Ajout)
            Total += p->Valeur1;
        else if (p->Type == TPenalite::Retrait)
            Total -= p->Valeur1;
    }
    return Total;
}

bool AjoutePoints(TPenalites& Penalites, uint16_t Equipe, int Points)
{
    if (Points == 0)
        return false;
    const int Avant = Ajustement(Penalites, Equipe);
    Penalites.AjoutePoints(Equipe, Points);
    return Ajustement(Penalites, Equipe) != Avant;
}

void RemplitTableau(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, TModeleGrille& Grille)
{
    const int N = Champ.GetNbEquipe();
    Grille.SetColCount(2);
    Grille.SetRowCount(N + 1);
    Grille.SetFixedCols(0);
    Grille.SetFixedRows(1);
    Grille.SetLargeurColonne(0, LargeurEquipe);
    Grille.SetLargeurColonne(1, LargeurPoints);
    Grille.SetTexte(0, 0, Traduit(TexteEquipe));
    Grille.SetTexte(1, 0, Traduit(TextePoints));
    for (int Ligne = 1; Ligne <= N; ++Ligne) {
        TColor Fond = 0, Texte = 0;
        CouleursRangee(Champ, Ligne, Fond, Texte);
        const uint16_t Id = static_cast<uint16_t>(Champ.GetEquipe(Ligne - 1));
        Grille.SetCellule(0, Ligne, nullptr, false, Fond, Texte, Milieu, Gauche, Saison.GetNomEquipe(Id));
    }
    RemplitPoints(Champ, Grille);
}

void RemplitPoints(const TDonneesChampionnat& Champ, TModeleGrille& Grille)
{
    const int N = std::min(Champ.GetNbEquipe(), Grille.GetRowCount() - 1);
    for (int Ligne = 1; Ligne <= N; ++Ligne) {
        TColor Fond = 0, Texte = 0;
        CouleursRangee(Champ, Ligne, Fond, Texte);
        const uint16_t Id = static_cast<uint16_t>(Champ.GetEquipe(Ligne - 1));
        Grille.SetCellule(1, Ligne, nullptr, false, Fond, Texte, Milieu, Centre,
                          std::to_string(Ajustement(Champ.GetPenalites(), Id)));
    }
}

} // namespace AjustementPoints
