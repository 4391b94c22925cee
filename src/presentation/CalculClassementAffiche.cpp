// The standings written into a grid: headings, rows, values, zone lines.

#include "engine/CalculClassement.h"

#include <algorithm>
#include <optional>

#include "base/Format.h"
#include "base/oTraducteur.h"
#include "files/Blasons.h"
#include "model/Championnat.h"
#include "model/ContexteSaison.h"
#include "presentation/ModeleGrille.h"

namespace {

constexpr TColor FondTitre = 0xDFCF20;
constexpr TColor CouleurZone = 255;
constexpr int LargeurValeur = 30;

bool HautEnBas(int genre)
{
    switch (genre) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 8:
    case 9:
    case 30:
    case 31:
    case 40:
    case 42:
    case 44:
    case 50:
    case 52:
    case 54:
    case 56:
    case 58:
    case 62:
    case 64:
    case 68:
        return true;
    default:
        return genre >= 100 && genre <= 115;
    }
}

// Kinds whose best club has the smallest value: the row colour counts the
// places from the bottom of the sort.
bool PlaceDepuisLeBas(int genre)
{
    switch (genre) {
    case 6:
    case 7:
    case 41:
    case 43:
    case 45:
    case 60:
    case 66:
    case 69:
        return true;
    default:
        return false;
    }
}

bool EstGeneral(int genre)
{
    return (genre >= 1 && genre <= 4) || genre == 9;
}

bool EstSituation(int genre)
{
    return genre >= TCalculClassement::PremiereSituation && genre <= TCalculClassement::DerniereSituation;
}

// One value per club (standings column 2), with the tie marks.
bool UneValeur(int genre)
{
    return !EstGeneral(genre) && !EstSituation(genre) && genre != TCalculClassement::AgeEquipe;
}

// Title of a kind for the status panel; 0 for none. The home record (20)
// has none: the old table gave it the title of the kicked drop goals.
int IdTitre(int genre)
{
    static constexpr int Generaux[13] = {52, 53, 54, 673, 55, 56, 57, 58, 52, 59, 60, 61, 62};
    static constexpr int Anciens[8] = {981, 982, 1089, 1090, 1093, 1094, 1120, 1096};
    static constexpr int Rugby[6] = {1089, 1090, 1093, 1094, 1120, 1096};
    if (genre >= 1 && genre <= 13)
        return Generaux[genre - 1];
    if (genre >= 14 && genre <= 21 && genre != 20)
        return Anciens[genre - 14];
    if (genre == 30)
        return 981;
    if (genre == 31)
        return 982;
    if (genre >= 40 && genre <= 45)
        return Rugby[genre - 40];
    return 0;
}

// Heading of the value column of a one-value kind; 0 for an empty heading.
int IdEnTeteValeur(int genre, bool rugby)
{
    static constexpr int Rugby[6] = {1089, 1090, 1093, 1094, 1120, 1096};
    static constexpr int Basket[10] = {1089, 1093, 1120, 1121, 1122, 650, 577, 578, 580, 1292};
    if (rugby && (genre == 5 || genre == 6))
        return 50;
    switch (genre) {
    case 5:
        return 48;
    case 6:
        return 49;
    case 7:
        return 50;
    case 8:
        return 51;
    case 30:
        return 981;
    case 31:
        return 982;
    default:
        break;
    }
    if (genre >= 40 && genre <= 45)
        return Rugby[genre - 40];
    if (genre >= 50 && genre <= 68 && genre % 2 == 0)
        return Basket[(genre - 50) / 2];
    return 0;
}

std::string Centiemes(int valeur)
{
    return FormatReel(valeur / 100.0, 2);
}

std::string Milliemes(int valeur)
{
    return FormatReel(valeur / 1000.0, 3);
}

// Colours of a club's row and the cell writers of one row.
struct TLigneGrille {
    TModeleGrille& Grille;
    int Ligne;
    TColor Fond = 0;
    TColor Texte = 0;
    int32_t Equipe = 0;

    void Cellule(int colonne, const std::string& texte, uint8_t alignement = 1) const
    {
        Grille.SetCellule(colonne, Ligne, nullptr, false, Fond, Texte, 1, alignement, texte);
        Grille.SetDonnee(colonne, Ligne, Equipe);
    }
};

} // namespace

void AfficheTitreGrille(TModeleGrille& grille, int colonne, const std::string& texte, bool aGauche)
{
    grille.SetCellule(colonne, 0, nullptr, false, FondTitre, 0, 1, aGauche ? 0 : 1, texte);
}

void AfficheBlason(TModeleGrille& grille, int colonne, int ligne, int logo)
{
    if (logo <= 0 || logo > 65535)
        return;
    if (const TBlasons* blasons = Blasons())
        grille.SetImage(colonne, ligne, blasons->GetImage(static_cast<uint16_t>(logo)));
    grille.SetBlason(colonne, ligne, logo);
}

void BarresGrille(TModeleGrille& grille, int colonne)
{
    grille.SetCouleursBarre(colonne, 0x80FFFF, 0x1C8DFF);
}

std::string TCalculClassement::TexteValeur(int genre, int ligne) const
{
    if (genre == Affluence)
        return std::to_string(GetAffluenceMoyenne(ligne));
    const int v = GetClassement(ligne, 2);
    if (genre >= 50 && genre <= 55)
        return Centiemes(v) + "%";
    if (genre >= 56)
        return Centiemes(v);
    return std::to_string(v);
}

void TCalculClassement::Affiche(int genre, TModeleGrille& grille, const std::vector<int>* filtre, std::string* panneau,
                                bool afficheTitre, int dernierJour, int premierJour, TModeleGrille* grille2)
{
    // 1. A clean grid: no rows, no columns, no attributes left from the last kind.
    grille.SetVisible(false);
    grille.SetRowCount(0);
    grille.SetColCount(0);
    grille.SetOptions(grille.GetOptions() & ~goHorzLine);
    if (grille2) {
        if (genre == GeneralDetaille) {
            grille2->SetRowCount(0);
            grille2->SetColCount(2);
            grille2->SetRowCount(1);
            for (int c = 0; c < 2; ++c) {
                grille2->SetLargeurColonne(c, 154);
                AfficheTitreGrille(*grille2, c, GetLibelle(64 + c), false);
            }
            grille2->SetTailleControle(310, grille2->GetHauteur());
            grille2->SetVisible(true);
        } else {
            grille2->SetVisible(false);
        }
    }
    if (!Championnat) {
        grille.SetVisible(true);
        return;
    }

    // 2. The computation, from cleared raw counts.
    if (premierJour > 1)
        VideBrut();
    Calcule(genre == GeneralDetaille ? General : genre, premierJour, nullptr, dernierJour);

    // 3. The status text, then the kinds shown as others.
    if (afficheTitre && panneau) {
        if (const int id = IdTitre(genre); id != 0)
            *panneau = premierJour <= 1 ? GetLibelle(id) : TraduitFmt(63, {GetLibelle(id), premierJour, dernierJour});
    }
    if (genre == AttaqueDomicile || genre == AttaqueExterieur)
        genre = Attaque;
    else if (genre == DefenseDomicile || genre == DefenseExterieur)
        genre = Defense;

    // The clubs shown, in standings order.
    std::vector<int> ordre;
    for (int r = 0; r < NbEquipe; ++r) {
        const int t = GetClassement(r, 1);
        if (!filtre || std::find(filtre->begin(), filtre->end(), t) != filtre->end())
            ordre.push_back(r);
    }
    const int nbLignes = static_cast<int>(ordre.size());

    // 4. The frame.
    const bool basket = Championnat->EstBasket();
    const bool rugby = dynamic_cast<const TDonneesChampionnatRugby*>(Championnat) != nullptr;
    const bool sansPoints = basket && (Championnat->GetOption(11) & 8);
    int nbColonnes = 3;
    if (genre >= 1 && genre <= 4)
        nbColonnes = 10;
    else if (genre == GeneralDetaille)
        nbColonnes = 20;
    else if (genre == Discipline || genre == AgeEquipe)
        nbColonnes = 5;
    else if (EstSituation(genre))
        nbColonnes = 7;
    grille.SetColCount(nbColonnes);
    grille.SetRowCount(nbLignes + 1);
    grille.SetFixedRows(1);
    grille.SetTypeTri(1, 1);
    grille.SetEtatTri(0, 1);
    grille.SetLargeurColonne(0, 24);
    grille.SetLargeurColonne(1, 160);
    AfficheTitreGrille(grille, 0, "", false);
    AfficheTitreGrille(grille, 1, GetLibelle(66), true);

    // 5. Zone lines under the champions', the European and the relegation places.
    if (genre == General || genre == GeneralDetaille) {
        for (int option : {12, 2})
            if (const int o = Championnat->GetOption(option); o != 0)
                grille.SetCouleurLigne(o, CouleurZone);
        if (const int o = Championnat->GetOption(3); o != 0)
            grille.SetCouleurLigne(NbEquipe - o, CouleurZone);
    }

    // 6. Columns by kind.
    int largeur = 307;
    auto colonne = [&](int c, int taille, int idTitre) {
        grille.SetLargeurColonne(c, taille);
        AfficheTitreGrille(grille, c, idTitre > 0 ? GetLibelle(idTitre) : "", false);
    };
    if (EstGeneral(genre)) {
        for (int c = 2; c <= 9; ++c)
            colonne(c, LargeurValeur, 38 + c);
        if (genre == GeneralDetaille)
            for (int c = 10; c <= 19; ++c)
                colonne(c, LargeurValeur, 41 + (c - 10) % 5);
        if (basket) {
            for (int c : {4, 11, 16})
                if (c < nbColonnes)
                    AfficheTitreGrille(grille, c, GetLibelle(43), false);
            for (int c : {5, 12, 17})
                if (c < nbColonnes)
                    AfficheTitreGrille(grille, c, "%", false);
        }
        if (genre == GeneralDetaille) {
            for (int c = 2; c < nbColonnes; ++c)
                grille.SetTraitColonne(c, c == 9 || c == 14 || c == 19);
            largeur = 742;
        } else {
            largeur = 448;
        }
        if (sansPoints) {
            grille.SetLargeurColonne(2, 0);
            largeur -= LargeurValeur;
        }
    } else if (genre == Discipline) {
        colonne(2, 100, 50);
        colonne(3, 60, 974);
        colonne(4, 60, 975);
        BarresGrille(grille, 2);
        largeur = 409;
    } else if (EstSituation(genre)) {
        colonne(2, 40, 47);
        colonne(3, 40, 41);
        colonne(4, 40, 42);
        colonne(5, 40, 43);
        colonne(6, 80, 591);
        BarresGrille(grille, 6);
        largeur = 427;
    } else if (genre == AgeEquipe) {
        colonne(2, 80, 591);
        colonne(3, 60, 607);
        colonne(4, 60, 608);
        BarresGrille(grille, 2);
        largeur = 387;
    } else {
        colonne(2, 120, IdEnTeteValeur(genre, rugby));
        BarresGrille(grille, 2);
    }
    grille.SetTailleControle(largeur, grille.GetHauteur());

    // 7. One row per club shown.
    const int suivie = Championnat->GetOption(10);
    const bool hautEnBas = HautEnBas(genre);
    const bool depuisLeBas = PlaceDepuisLeBas(genre);
    const bool lien = genre == Affluence || EstSituation(genre);
    std::optional<int64_t> precedente;
    for (int k = 0; k < nbLignes; ++k) {
        const int r = ordre[k];
        const int t = GetClassement(r, 1);
        const int id = Championnat->GetEquipe(t);
        TLigneGrille l{grille, hautEnBas ? k + 1 : nbLignes - k};
        l.Equipe = id;
        CouleurLigneSelection(depuisLeBas ? NbEquipe - k : k + 1, l.Fond, l.Texte, t == suivie);
        l.Cellule(0, std::to_string(hautEnBas ? k + 1 : NbEquipe - r));
        l.Cellule(1, GetNomEquipe(t), 0);
        if (Saison && id >= 0)
            AfficheBlason(grille, 1, l.Ligne, Saison->GetLogoEquipe(id));
        if (lien)
            grille.SetLien(1, l.Ligne);

        if (EstGeneral(genre)) {
            for (int c = 2; c <= 8; ++c)
                l.Cellule(c, std::to_string(GetTotal(t, c - 1)));
            const int gagnes = GetTotal(t, 2), nuls = GetTotal(t, 3), perdus = GetTotal(t, 4);
            if (basket) {
                l.Cellule(4, std::to_string(perdus));
                l.Cellule(5, Milliemes(GetTotal(t, 3)));
                l.Cellule(9, std::to_string(gagnes + perdus));
            } else {
                l.Cellule(9, std::to_string(gagnes + nuls + perdus));
            }
        } else if (EstSituation(genre)) {
            l.Cellule(2, std::to_string(GetTotal(t, 5)));
            for (int c = 3; c <= 5; ++c)
                l.Cellule(c, std::to_string(GetTotal(t, c - 1)));
            l.Cellule(6, Centiemes(GetTotal(t, 6)));
        } else if (genre == AgeEquipe) {
            // No player of known age leaves the minimum above the maximum: no age to show.
            const bool connu = GetTotal(t, 2) <= GetTotal(t, 3);
            l.Cellule(2, connu ? FormatReel(GetTotal(t, 1) / 10.0, 1) : "-");
            l.Cellule(3, connu ? std::to_string(GetTotal(t, 2)) : "-");
            l.Cellule(4, connu ? std::to_string(GetTotal(t, 3)) : "-");
        } else {
            l.Cellule(2, TexteValeur(genre, r));
            if (genre == Discipline) {
                l.Cellule(3, std::to_string(GetClassement(r, 3)));
                l.Cellule(4, std::to_string(GetClassement(r, 4)));
            }
        }

        // A club level with the one before: the lower of the two on screen
        // shows "-" and keeps its place as the alternate text.
        if (UneValeur(genre)) {
            const int64_t valeur = genre == Affluence ? static_cast<int64_t>(GetAffluenceMoyenne(r))
                                                      : static_cast<int64_t>(GetClassement(r, 2));
            if (precedente && *precedente == valeur) {
                const int basse = hautEnBas ? l.Ligne : l.Ligne + 1;
                grille.SetTexte(0, basse, "-|" + grille.GetTexte(0, basse));
            }
            precedente = valeur;
        }
    }

    // 8. The home and away blocks beside the general one.
    if (genre == GeneralDetaille) {
        std::vector<int> equipes;
        for (int r : ordre)
            equipes.push_back(GetClassement(r, 1));
        AfficheBlocs(grille, equipes, premierJour, dernierJour);
    }
    grille.SetVisible(true);
}

void TCalculClassement::AfficheBlocs(TModeleGrille& grille, const std::vector<int>& equipes, int premierJour,
                                     int dernierJour)
{
    const bool basket = Championnat->EstBasket();
    const int suivie = Championnat->GetOption(10);
    for (int genre : {Domicile, Exterieur}) {
        if (premierJour > 1)
            VideBrut();
        Calcule(genre, premierJour, nullptr, dernierJour);
        const int premiere = genre == Domicile ? 10 : 15;
        for (size_t k = 0; k < equipes.size(); ++k) {
            const int t = equipes[k];
            TLigneGrille l{grille, static_cast<int>(k) + 1};
            l.Equipe = Championnat->GetEquipe(t);
            CouleurLigneSelection(l.Ligne, l.Fond, l.Texte, t == suivie);
            l.Cellule(0, std::to_string(l.Ligne));
            for (int c = 0; c < 5; ++c)
                l.Cellule(premiere + c, std::to_string(GetTotal(t, c + 2)));
            if (basket) {
                l.Cellule(premiere + 1, std::to_string(GetTotal(t, 4)));
                l.Cellule(premiere + 2, Milliemes(GetTotal(t, 3)));
            }
        }
    }
}
