#include "presentation/DetailFicheJoueur.h"

#include "base/oTraducteur.h"
#include "files/Image.h"
#include "presentation/ModeleGrille.h"

void PrepareGrilleDetail(TModeleGrille& Grille, bool Dates, int Genre)
{
    Grille.SetColCount(5);
    if (Grille.GetRowCount() < 1)
        Grille.SetRowCount(1);
    Grille.SetFixedRows(0);
    Grille.SetFixedCols(0);
    Grille.SetDefaultRowHeight(20);
    const int largeurs[5] = {Dates ? 70 : 40, 180, 60, 50, 50};
    const int textes[5] = {85, 309, 87, Genre == StatFicheJoueur::ListeMatchs ? 68 : 92, 922};
    for (int c = 0; c < 5; ++c) {
        Grille.SetLargeurColonne(c, largeurs[c]);
        Grille.SetCellule(c, 0, nullptr, false, CouleurEnteteDetail, 0, 1, 1, Traduit(textes[c]));
    }
}

void AjouteLignesDetail(TModeleGrille& Grille, int& Ligne, const std::vector<StatFicheJoueur::TLigneDetail>& Lignes)
{
    Grille.SetRowCount(Ligne + static_cast<int>(Lignes.size()));
    for (const StatFicheJoueur::TLigneDetail& L : Lignes) {
        TColor fond = 0xFFFFFF, texte = CouleurTitreDetail;
        if (!L.Titre) {
            CouleurLigne(L.Zebre, fond);
            texte = 0;
        }
        for (int c = 0; c < 5; ++c)
            Grille.SetCellule(c, Ligne, nullptr, L.Titre, fond, texte, 1, c == 1 ? 0 : 1, L.Cellules[c]);
        ++Ligne;
    }
}

int RemplitGrilleDetail(TModeleGrille& Grille, const std::vector<StatFicheJoueur::TLigneDetail>& Lignes)
{
    int ligne = 1;
    AjouteLignesDetail(Grille, ligne, Lignes);
    return HauteurGrilleDetail(Grille);
}

int HauteurGrilleDetail(const TModeleGrille& Grille)
{
    return 21 * Grille.GetRowCount() + 1;
}
