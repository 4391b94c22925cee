#include "presentation/DiversStat.h"

#include "base/oTraducteur.h"
#include "files/Image.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "presentation/ModeleGrille.h"

#include <algorithm>

namespace DiversStat {

namespace {

enum : int {
    TexteNom = 71,
    TextePrenom = 72,
    TexteSansClub = 82,
    TexteJournee = 85,
    TexteEquipe = 187,
    TexteAge = 293,
    TexteDivision = 604,
    TexteDate = 605,
    TexteMatch = 977,
};

constexpr TColor FondTitreCalendrier = 0x401060;
constexpr TColor FondTitreJoueurs = 0xB4FF64;
constexpr TColor Marine = 0x800000;
constexpr int CommandeButeurs = 14;
constexpr int CommandeFicheMatch = 19;

// The header row of a list: its texts and widths on one background.
void Entete(TModeleGrille& Grille, std::initializer_list<std::pair<int, int>> Colonnes, TColor Fond,
            TColor Texte = 0xFFFFFF)
{
    Grille.SetColCount(static_cast<int>(Colonnes.size()));
    Grille.SetRowCount(1);
    Grille.SetFixedCols(0);
    Grille.SetFixedRows(0);
    Grille.ReinitColonnes();
    // The header is the fixed row: painted in the fixed colour.
    Grille.FixedColor = Fond;
    int C = 0;
    for (const auto& [Id, Largeur] : Colonnes) {
        Grille.SetLargeurColonne(C, Largeur);
        Grille.SetCellule(C, 0, nullptr, true, Fond, Texte, 1, 1, Id != 0 ? Traduit(Id) : std::string());
        ++C;
    }
}

// Appends a row and returns its number.
int AjouteLigne(TModeleGrille& Grille)
{
    const int R = Grille.GetRowCount();
    Grille.SetRowCount(R + 1);
    Grille.VideLigne(R);
    return R;
}

void CelluleListe(TModeleGrille& Grille, int C, int R, const std::string& Texte)
{
    Grille.SetCellule(C, R, nullptr, false, 0xFFFFFF, Marine, 1, 0, Texte);
}

} // namespace

void AfficherCalendrier(TModeleGrille& Grille, const TSaison& Saison, TDateMatch Date, bool Tous)
{
    Entete(Grille, {{TexteDate, 60}, {TexteMatch, 180}, {TexteDivision, 120}}, FondTitreCalendrier);
    Grille.SetFixedRows(1);
    int Premier = Saison.GetNumChampCourant();
    int Dernier = Premier;
    if (Tous) {
        Premier = 1;
        Dernier = Saison.NbChampionnat();
    }
    bool Ecrit = false;
    for (int N = Premier; N <= Dernier; ++N) {
        const TDonneesChampionnat* Champ = Saison.GetChampionnat(N);
        if (Champ == nullptr || (Champ->GetOption(11) & (1 | 4)) == 0)
            continue;
        const TInfoCompJour* Liste = Champ->GetJournees().ChercheDate(Date);
        if (Liste == nullptr || Liste->NbMatch() == 0)
            continue;
        if (Ecrit && Tous)
            AjouteLigne(Grille);
        for (int I = 0; I < Liste->NbMatch(); ++I) {
            const TInfoComp* M = Liste->GetMatch(I);
            const int R = AjouteLigne(Grille);
            TColor Fond = 0;
            CouleurLigne(I, Fond);
            const bool Joue = M->GetScore(0) != TInfoComp::Aucun;
            Grille.SetCellule(0, R, nullptr, false, Fond, 0, 1, 1, DateMatchToStr(Date));
            Grille.SetCellule(1, R, nullptr, false, Fond, 0, 1, 0, M->GetLibelle(Saison));
            Grille.SetLien(1, R);
            Grille.SetDonnee(1, R, (Champ->CodeChamp << 16) + (Joue ? 256 : 0) + I);
            Grille.SetCellule(2, R, nullptr, false, Fond, 0, 1, 0, Saison.GetNomChampDesc(Champ->CodeChamp));
        }
        Ecrit = true;
    }
    if (!Ecrit)
        AjouteLigne(Grille);
}

TLienCalendrier LienCalendrier(int32_t Donnee)
{
    return {Donnee >> 16, (Donnee & 256) != 0, Donnee & 255};
}

bool CibleCalendrier(const TSaison& Saison, TDateMatch Date, const TLienCalendrier& Lien, int& Code, int& Param)
{
    const TDonneesChampionnat* Champ = Saison.GetChampionnatId(Lien.IdChampionnat);
    if (Champ == nullptr)
        return false;
    const TInfoCompJour* Liste = Champ->GetJournees().ChercheDate(Date);
    const TInfoComp* M = Liste != nullptr ? Liste->GetMatch(Lien.Index) : nullptr;
    if (M == nullptr)
        return false;
    const auto [Jour, Index] = Champ->GetJournees().ChercheMatch(M);
    if (Jour < 1)
        return false;
    if (M->Joue()) {
        Code = CommandeButeurs;
        Param = (Jour << 8) + Index + 1;
    } else {
        Code = CommandeFicheMatch;
        Param = (Jour << 8) + Index;
    }
    return true;
}

void AfficherListeJoueurs(TModeleGrille& Grille, const TSaison& Saison)
{
    Entete(Grille, {{TexteNom, 140}, {TextePrenom, 140}, {TexteAge, 40}, {TexteEquipe, 140}, {0, 0}}, FondTitreJoueurs,
           0);
    Grille.SetFixedRows(1);
    const TJoueurs& Joueurs = Saison.Joueurs();
    for (int I = 0; I < Joueurs.Nombre(); ++I) {
        const TJoueur* J = Joueurs.Get(I);
        if (J == nullptr || J->Numero == 65535 || J->GetEquipe() >= 65535)
            continue;
        if (!J->Prenom.empty() && J->Age != 0 && J->Numero != 0)
            continue;
        RemplitLigneJoueur(Grille, AjouteLigne(Grille), Saison, J->Numero);
    }
}

bool RemplitLigneJoueur(TModeleGrille& Grille, int Ligne, const TSaison& Saison, int Id)
{
    const TJoueur* J = Saison.Joueurs().ChercheId(Id);
    if (J == nullptr || Ligne < 1 || Ligne >= Grille.GetRowCount())
        return false;
    CelluleListe(Grille, 0, Ligne, J->Nom);
    CelluleListe(Grille, 1, Ligne, J->Prenom);
    CelluleListe(Grille, 2, Ligne, J->Age == 0 ? "-" : std::to_string(J->Age));
    // A player without a team is shown as such; every other id names its team.
    CelluleListe(Grille, 3, Ligne,
                 J->GetEquipe() == 65535 ? Traduit(TexteSansClub) : Saison.GetNomEquipe(J->GetEquipe()));
    CelluleListe(Grille, 4, Ligne, std::to_string(J->Numero));
    return true;
}

void AfficherListeMatchs(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ)
{
    Entete(Grille, {{TexteJournee, 50}, {TexteMatch, 250}}, FondTitreCalendrier);
    Grille.SetFixedRows(1);
    const int L = std::clamp<int>(Champ.JourneeJouee, 0, Champ.GetNbJour());
    for (int J = 1; J <= L; ++J) {
        const int Avant = Grille.GetRowCount();
        const int NbMatch = Champ.GetNbMatchJournee(J);
        for (int K = 0; K < NbMatch; ++K) {
            const uint16_t S1 = Champ.GetValeurMatch(J, 4 * K + 2);
            const uint16_t S2 = Champ.GetValeurMatch(J, 4 * K + 4);
            if (S1 != TInfoComp::Aucun && S2 != TInfoComp::Aucun)
                continue;
            const uint16_t Dom = Champ.GetValeurMatch(J, 4 * K + 1);
            const uint16_t Ext = Champ.GetValeurMatch(J, 4 * K + 3);
            if (Dom == TInfoComp::Aucun || Ext == TInfoComp::Aucun)
                continue;
            const int R = AjouteLigne(Grille);
            CelluleListe(Grille, 0, R, R == Avant ? std::to_string(J) : "-");
            CelluleListe(Grille, 1, R, Saison.GetNomEquipe(Dom) + " - " + Saison.GetNomEquipe(Ext));
        }
        // A day mostly unplayed is not yet a played day.
        if (2 * NbMatch < 3 * (Grille.GetRowCount() - Avant))
            Grille.SetRowCount(Avant);
    }
}

} // namespace DiversStat
