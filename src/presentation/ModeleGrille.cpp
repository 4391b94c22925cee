#include "presentation/ModeleGrille.h"

#include "base/Ajustement.h"
#include "base/Contraste.h"
#include "base/Texte.h"
#include "files/Image.h"
#include "presentation/ModeleGraphe.h"
#include "presentation/PageHtml.h"

#include <algorithm>
#include <cmath>

void CouleurLigne(int Ligne, TColor& Fond)
{
    Fond = Ligne % 2 != 0 ? 0xFFFFFF : 0xF8CD87;
}

void CouleurLigneSelection(int Ligne, TColor& Fond, TColor& Texte, bool Selection)
{
    if (Selection) {
        Fond = 0x800000;
        Texte = 0xFFFFFF;
        return;
    }
    CouleurLigne(Ligne, Fond);
    Texte = 0;
}

double ValeurNumerique(std::string_view Texte)
{
    size_t I = 0;
    bool Negatif = !Texte.empty() && Texte[0] == '-';
    if (Negatif)
        I = 1;
    double Entier = 0;
    double Fraction = 0;
    double Poids = 0; // 0 while in the integer part
    for (; I < Texte.size(); ++I) {
        char C = Texte[I];
        if (C == ',' || C == '.') {
            Poids = 0.1;
        } else if (C >= '0' && C <= '9') {
            if (Poids == 0) {
                Entier = Entier * 10 + (C - '0');
            } else {
                Fraction += (C - '0') * Poids;
                Poids /= 10;
            }
        } else {
            break;
        }
    }
    double Valeur = Entier + Fraction;
    return Negatif ? -Valeur : Valeur;
}

TCellObject::TCellObject() = default;
TCellObject::~TCellObject() = default;

namespace {

const std::string TexteVide;

std::string CouleurHtml(TColor Couleur)
{
    std::string Html;
    CouleurVersHtml(Couleur, Html);
    return Html;
}

int Montant(const std::string& Texte)
{
    return LitMontant(Texte, 0);
}

} // namespace

// --- Shape -------------------------------------------------------------------------

TModeleGrille::TModeleGrille()
{
    SetColCount(5);
    SetRowCount(5);
}

TModeleGrille::~TModeleGrille() = default;

bool TModeleGrille::Valide(int ACol, int ARow) const
{
    return ACol >= 0 && ARow >= 0 && ACol < GetColCount() && ARow < GetRowCount();
}

void TModeleGrille::SetRowCount(int N)
{
    N = std::max(N, 0);
    ReprendOrdreRemplissage();
    int Avant = GetRowCount();
    Lignes_.resize(static_cast<size_t>(N));
    Rangees_.resize(static_cast<size_t>(N));
    for (int R = Avant; R < N; ++R) {
        TLigneColonne& L = Lignes_[static_cast<size_t>(R)];
        L.Taille = L.TailleCourante = DefaultRowHeight_;
        L.Trait = (Options_ & goHorzLine) != 0;
        Rangees_[static_cast<size_t>(R)].Cellules.resize(Colonnes_.size());
        Rangees_[static_cast<size_t>(R)].Ordre = R;
    }
    if (N < Avant)
        for (TLigneColonne& C : Colonnes_)
            C.MaxARecalculer = true;
    FixedRows_ = std::min(FixedRows_, N);
    Row_ = std::clamp(Row_, 0, std::max(N - 1, 0));
    Redimensionne();
    Repeint();
}

void TModeleGrille::SetColCount(int N)
{
    N = std::max(N, 0);
    int Avant = GetColCount();
    Colonnes_.resize(static_cast<size_t>(N));
    for (int C = Avant; C < N; ++C) {
        TLigneColonne& Col = Colonnes_[static_cast<size_t>(C)];
        Col.Taille = Col.TailleCourante = DefaultColWidth_;
        Col.Trait = (Options_ & goVertLine) != 0;
    }
    for (TRangee& R : Rangees_)
        R.Cellules.resize(static_cast<size_t>(N));
    FixedCols_ = std::min(FixedCols_, N);
    Col_ = std::clamp(Col_, 0, std::max(N - 1, 0));
    Redimensionne();
    Repeint();
}

void TModeleGrille::SetFixedRows(int N)
{
    FixedRows_ = std::clamp(N, 0, GetRowCount());
    for (TLigneColonne& C : Colonnes_)
        C.MaxARecalculer = true;
    Repeint();
}

void TModeleGrille::SetFixedCols(int N)
{
    FixedCols_ = std::clamp(N, 0, GetColCount());
    Repeint();
}

void TModeleGrille::SetOptions(uint32_t Options)
{
    uint32_t Change = Options ^ Options_;
    Options_ = Options;
    if (Change & goHorzLine)
        for (TLigneColonne& L : Lignes_)
            L.Trait = (Options & goHorzLine) != 0;
    if (Change & goVertLine)
        for (TLigneColonne& C : Colonnes_)
            C.Trait = (Options & goVertLine) != 0;
    Repeint();
}

// --- Cells ---------------------------------------------------------------------------

const TCellObject* TModeleGrille::Objet(int ACol, int ARow) const
{
    if (!Valide(ACol, ARow))
        return nullptr;
    return Rangees_[static_cast<size_t>(ARow)].Cellules[static_cast<size_t>(ACol)].Objet.get();
}

const TCellObject* TModeleGrille::GetCellObject(int ACol, int ARow) const
{
    return Objet(ACol, ARow);
}

TCellObject& TModeleGrille::ObjetCree(int ACol, int ARow)
{
    TRangee& R = Rangees_[static_cast<size_t>(ARow)];
    auto& O = R.Cellules[static_cast<size_t>(ACol)].Objet;
    if (!O) {
        O = std::make_unique<TCellObject>();
        O->OrdreInitial = R.Ordre;
    }
    return *O;
}

// A sort moved the rows and the page now writes new content: the fill order and
// the sort states start again from the rows as they stand.
void TModeleGrille::ReprendOrdreRemplissage()
{
    if (!LignesDeplacees_)
        return;
    LignesDeplacees_ = false;
    BasculeTexteAlternatif(false);
    for (TLigneColonne& C : Colonnes_)
        C.EtatTri = 0;
    for (size_t R = 0; R < Rangees_.size(); ++R) {
        Rangees_[R].Ordre = static_cast<int32_t>(R);
        for (TCellule& C : Rangees_[R].Cellules)
            if (C.Objet)
                C.Objet->OrdreInitial = static_cast<int32_t>(R);
    }
}

void TModeleGrille::SetCellule(int ACol, int ARow, std::unique_ptr<TImage> Image, bool Gras, TColor CouleurFond,
                               TColor CouleurTexte, uint8_t AlignementV, uint8_t AlignementH, std::string_view Texte)
{
    if (!Valide(ACol, ARow))
        return;
    SetTexte(ACol, ARow, Texte);
    TCellObject& O = ObjetCree(ACol, ARow);
    O.AlignementH = AlignementH;
    O.AlignementV = AlignementV;
    O.CouleurFond = CouleurFond;
    O.CouleurTexte = CouleurTexte;
    O.Gras = Gras;
    O.Lien = false;
    O.Blason = 0;
    SetImage(ACol, ARow, std::move(Image));
}

void TModeleGrille::AjusteMaxPourTexte(int ACol, int ARow, const std::string& Ancien, const std::string& Nouveau)
{
    if (ARow < FixedRows_)
        return;
    TLigneColonne& C = Colonnes_[static_cast<size_t>(ACol)];
    int MontantNouveau = Montant(Nouveau);
    int MontantAncien = Montant(Ancien);
    if (MontantNouveau > C.MaxBarre)
        C.MaxBarre = MontantNouveau;
    else if (MontantAncien == C.MaxBarre && MontantNouveau < MontantAncien)
        C.MaxARecalculer = true;
}

void TModeleGrille::SetTexte(int ACol, int ARow, std::string_view Texte)
{
    if (!Valide(ACol, ARow))
        return;
    ReprendOrdreRemplissage();
    TCellule& Cellule = Rangees_[static_cast<size_t>(ARow)].Cellules[static_cast<size_t>(ACol)];
    std::string Ancien = Cellule.Texte;
    size_t Barre = Texte.find('|');
    if (Barre == std::string_view::npos) {
        Cellule.Texte = std::string(Texte);
        // A plain text ends any pair the cell held before.
        if (Cellule.Objet)
            Cellule.Objet->TexteAlternatif.clear();
    } else {
        std::string A(Texte.substr(0, Barre));
        std::string B(Texte.substr(Barre + 1));
        if (B.empty())
            B = " ";
        TCellObject& O = ObjetCree(ACol, ARow);
        if (AlternatifAffiche_) {
            Cellule.Texte = B;
            O.TexteAlternatif = A;
        } else {
            Cellule.Texte = A;
            O.TexteAlternatif = B;
        }
        Colonnes_[static_cast<size_t>(ACol)].ColonneAlternative = true;
    }
    AjusteMaxPourTexte(ACol, ARow, Ancien, Cellule.Texte);
    RepeintCellule(ACol, ARow);
}

const std::string& TModeleGrille::GetTexte(int ACol, int ARow) const
{
    if (!Valide(ACol, ARow))
        return TexteVide;
    return Rangees_[static_cast<size_t>(ARow)].Cellules[static_cast<size_t>(ACol)].Texte;
}

int32_t TModeleGrille::GetDonnee(int ACol, int ARow) const
{
    const TCellObject* O = Objet(ACol, ARow);
    return O ? O->Donnee : 0;
}

void TModeleGrille::SetDonnee(int ACol, int ARow, int32_t Donnee)
{
    if (Valide(ACol, ARow))
        ObjetCree(ACol, ARow).Donnee = Donnee;
}

TColor TModeleGrille::GetCouleurFond(int ACol, int ARow) const
{
    const TCellObject* O = Objet(ACol, ARow);
    return O ? O->CouleurFond : 0xFFFFFF;
}

void TModeleGrille::SetCouleurFond(int ACol, int ARow, TColor Couleur)
{
    if (!Valide(ACol, ARow))
        return;
    ObjetCree(ACol, ARow).CouleurFond = Couleur;
    RepeintCellule(ACol, ARow);
}

TColor TModeleGrille::GetCouleurTexte(int ACol, int ARow) const
{
    const TCellObject* O = Objet(ACol, ARow);
    return O ? O->CouleurTexte : 0;
}

void TModeleGrille::SetCouleurTexte(int ACol, int ARow, TColor Couleur)
{
    if (!Valide(ACol, ARow))
        return;
    ObjetCree(ACol, ARow).CouleurTexte = Couleur;
    RepeintCellule(ACol, ARow);
}

int32_t TModeleGrille::GetBlason(int ACol, int ARow) const
{
    const TCellObject* O = Objet(ACol, ARow);
    return O ? O->Blason : 0;
}

void TModeleGrille::SetBlason(int ACol, int ARow, int32_t Blason)
{
    if (Valide(ACol, ARow))
        ObjetCree(ACol, ARow).Blason = Blason;
}

const TImage* TModeleGrille::GetImage(int ACol, int ARow) const
{
    const TCellObject* O = Objet(ACol, ARow);
    return O ? O->Image.get() : nullptr;
}

void TModeleGrille::SetImage(int ACol, int ARow, std::unique_ptr<TImage> Image)
{
    if (!Valide(ACol, ARow))
        return;
    // The cell pictures' transparent colour is $FFFF99: those pixels are not drawn.
    if (Image)
        for (int Y = 0; Y < Image->Hauteur(); ++Y) {
            uint8_t* P = Image->Ligne(Y);
            for (int X = 0; X < Image->Largeur(); ++X, P += 4)
                if (P[0] == 0x99 && P[1] == 0xFF && P[2] == 0xFF)
                    P[3] = 0;
        }
    ObjetCree(ACol, ARow).Image = std::move(Image);
    RepeintCellule(ACol, ARow);
}

bool TModeleGrille::GetGras(int ACol, int ARow) const
{
    const TCellObject* O = Objet(ACol, ARow);
    return O && O->Gras;
}

void TModeleGrille::SetGras(int ACol, int ARow, bool Gras)
{
    if (!Valide(ACol, ARow))
        return;
    ObjetCree(ACol, ARow).Gras = Gras;
    RepeintCellule(ACol, ARow);
}

bool TModeleGrille::GetLien(int ACol, int ARow) const
{
    const TCellObject* O = Objet(ACol, ARow);
    return O && O->Lien;
}

void TModeleGrille::SetLien(int ACol, int ARow, bool Lien)
{
    if (Valide(ACol, ARow))
        ObjetCree(ACol, ARow).Lien = Lien;
}

uint8_t TModeleGrille::GetAlignementH(int ACol, int ARow) const
{
    const TCellObject* O = Objet(ACol, ARow);
    return O ? O->AlignementH : 0;
}

void TModeleGrille::SetAlignementH(int ACol, int ARow, uint8_t Alignement)
{
    if (!Valide(ACol, ARow))
        return;
    ObjetCree(ACol, ARow).AlignementH = Alignement;
    RepeintCellule(ACol, ARow);
}

uint8_t TModeleGrille::GetAlignementV(int ACol, int ARow) const
{
    const TCellObject* O = Objet(ACol, ARow);
    return O ? O->AlignementV : 1;
}

void TModeleGrille::SetAlignementV(int ACol, int ARow, uint8_t Alignement)
{
    if (!Valide(ACol, ARow))
        return;
    ObjetCree(ACol, ARow).AlignementV = Alignement;
    RepeintCellule(ACol, ARow);
}

const std::string& TModeleGrille::GetTexteAlternatif(int ACol, int ARow) const
{
    const TCellObject* O = Objet(ACol, ARow);
    return O ? O->TexteAlternatif : TexteVide;
}

void TModeleGrille::SetTexteAlternatif(int ACol, int ARow, std::string_view Texte)
{
    if (Valide(ACol, ARow))
        ObjetCree(ACol, ARow).TexteAlternatif = std::string(Texte);
}

void TModeleGrille::VideLigne(int ARow)
{
    for (int C = 0; C < GetColCount(); ++C)
        SetTexte(C, ARow, "");
}

// --- Rows and columns ------------------------------------------------------------------

void TModeleGrille::SetCouleurLigne(int ARow, TColor Couleur)
{
    if (ARow < 0 || ARow >= GetRowCount())
        return;
    Lignes_[static_cast<size_t>(ARow)].Couleur = Couleur;
    Lignes_[static_cast<size_t>(ARow)].Trait = true;
    Repeint();
}

TColor TModeleGrille::GetCouleurLigne(int ARow) const
{
    return ARow >= 0 && ARow < GetRowCount() ? Lignes_[static_cast<size_t>(ARow)].Couleur : 0;
}

void TModeleGrille::SetTraitLigne(int ARow, bool Trait)
{
    if (ARow < 0 || ARow >= GetRowCount())
        return;
    Lignes_[static_cast<size_t>(ARow)].Trait = Trait;
    Repeint();
}

bool TModeleGrille::GetTraitLigne(int ARow) const
{
    return ARow >= 0 && ARow < GetRowCount() ? Lignes_[static_cast<size_t>(ARow)].Trait : (Options_ & goHorzLine) != 0;
}

void TModeleGrille::SetTraitColonne(int ACol, bool Trait)
{
    if (ACol < 0 || ACol >= GetColCount())
        return;
    Colonnes_[static_cast<size_t>(ACol)].Trait = Trait;
    Repeint();
}

bool TModeleGrille::GetTraitColonne(int ACol) const
{
    return ACol >= 0 && ACol < GetColCount() ? Colonnes_[static_cast<size_t>(ACol)].Trait
                                             : (Options_ & goVertLine) != 0;
}

TColor TModeleGrille::GetCouleurColonne(int ACol) const
{
    return ACol >= 0 && ACol < GetColCount() ? Colonnes_[static_cast<size_t>(ACol)].Couleur : 0;
}

void TModeleGrille::SetCouleursBarre(int ACol, TColor Couleur1, TColor Couleur2)
{
    if (ACol < 0 || ACol >= GetColCount())
        return;
    TLigneColonne& C = Colonnes_[static_cast<size_t>(ACol)];
    C.CouleurBarre1 = Couleur1;
    C.CouleurBarre2 = Couleur2;
    C.MaxARecalculer = true;
    Repeint();
}

void TModeleGrille::GetCouleursBarre(int ACol, TColor& Couleur1, TColor& Couleur2) const
{
    bool Ok = ACol >= 0 && ACol < GetColCount();
    Couleur1 = Ok ? Colonnes_[static_cast<size_t>(ACol)].CouleurBarre1 : 0;
    Couleur2 = Ok ? Colonnes_[static_cast<size_t>(ACol)].CouleurBarre2 : 0;
}

void TModeleGrille::ReinitColonnes()
{
    for (TLigneColonne& C : Colonnes_) {
        C.CouleurBarre1 = C.CouleurBarre2 = 0;
        C.MargesBarre = {2, 2, 2, 2};
        C.MaxBarre = 0;
        C.MaxARecalculer = false;
    }
    Repeint();
}

void TModeleGrille::RecalculeMax(int ACol)
{
    TLigneColonne& C = Colonnes_[static_cast<size_t>(ACol)];
    C.MaxBarre = 0;
    for (int R = FixedRows_; R < GetRowCount(); ++R)
        C.MaxBarre = std::max(C.MaxBarre, Montant(GetTexte(ACol, R)));
    C.MaxARecalculer = false;
}

int32_t TModeleGrille::GetMaxBarre(int ACol)
{
    if (ACol < 0 || ACol >= GetColCount())
        return 0;
    if (Colonnes_[static_cast<size_t>(ACol)].MaxARecalculer)
        RecalculeMax(ACol);
    return Colonnes_[static_cast<size_t>(ACol)].MaxBarre;
}

void TModeleGrille::SetTypeTri(int ACol, uint8_t Type)
{
    if (ACol < 0 || ACol >= GetColCount())
        return;
    ReprendOrdreRemplissage();
    Colonnes_[static_cast<size_t>(ACol)].TypeTri = Type;
    for (TLigneColonne& C : Colonnes_)
        C.EtatTri = 0;
    Repeint();
}

uint8_t TModeleGrille::GetTypeTri(int ACol) const
{
    return ACol >= 0 && ACol < GetColCount() ? Colonnes_[static_cast<size_t>(ACol)].TypeTri : 0;
}

uint8_t TModeleGrille::GetEtatTri(int ACol) const
{
    return ACol >= 0 && ACol < GetColCount() ? Colonnes_[static_cast<size_t>(ACol)].EtatTri : 0;
}

void TModeleGrille::SetEtatTri(int ACol, uint8_t Etat)
{
    if (ACol < 0 || ACol >= GetColCount())
        return;
    ReprendOrdreRemplissage();
    Colonnes_[static_cast<size_t>(ACol)].EtatTri = Etat;
    Repeint();
}

void TModeleGrille::ReinitTri()
{
    ReprendOrdreRemplissage();
    for (TLigneColonne& C : Colonnes_)
        C.EtatTri = 0;
    Repeint();
}

void TModeleGrille::SetColonneAlternative(int ACol, bool Alternative)
{
    if (ACol >= 0 && ACol < GetColCount())
        Colonnes_[static_cast<size_t>(ACol)].ColonneAlternative = Alternative;
}

bool TModeleGrille::GetColonneAlternative(int ACol) const
{
    return ACol >= 0 && ACol < GetColCount() && Colonnes_[static_cast<size_t>(ACol)].ColonneAlternative;
}

void TModeleGrille::BasculeTexteAlternatif(bool Affiche)
{
    if (Affiche == AlternatifAffiche_)
        return;
    AlternatifAffiche_ = Affiche;
    for (int C = 0; C < GetColCount(); ++C) {
        TLigneColonne& Col = Colonnes_[static_cast<size_t>(C)];
        if (!Col.ColonneAlternative)
            continue;
        bool Une = false;
        for (TRangee& R : Rangees_) {
            TCellule& Cellule = R.Cellules[static_cast<size_t>(C)];
            if (Cellule.Objet && !Cellule.Objet->TexteAlternatif.empty()) {
                std::swap(Cellule.Texte, Cellule.Objet->TexteAlternatif);
                Une = true;
            }
        }
        if (!Une)
            Col.ColonneAlternative = false;
        Col.MaxARecalculer = true;
    }
    Repeint();
}

void TModeleGrille::SetLargeurColonne(int ACol, int Largeur)
{
    if (ACol < 0 || ACol >= GetColCount())
        return;
    Colonnes_[static_cast<size_t>(ACol)].Taille = Colonnes_[static_cast<size_t>(ACol)].TailleCourante = Largeur;
    Repeint();
}

void TModeleGrille::SetHauteurLigne(int ARow, int Hauteur)
{
    if (ARow < 0 || ARow >= GetRowCount())
        return;
    Lignes_[static_cast<size_t>(ARow)].Taille = Lignes_[static_cast<size_t>(ARow)].TailleCourante = Hauteur;
    Repeint();
}

void TModeleGrille::SetDefaultRowHeight(int Hauteur)
{
    DefaultRowHeight_ = Hauteur;
    for (TLigneColonne& L : Lignes_)
        L.Taille = L.TailleCourante = Hauteur;
    Repeint();
}

void TModeleGrille::SetDefaultColWidth(int Largeur)
{
    DefaultColWidth_ = Largeur;
    for (TLigneColonne& C : Colonnes_)
        C.Taille = C.TailleCourante = Largeur;
    Repeint();
}

int TModeleGrille::GetLargeurColonne(int ACol) const
{
    return ACol >= 0 && ACol < GetColCount() ? Colonnes_[static_cast<size_t>(ACol)].TailleCourante : 0;
}

int TModeleGrille::GetHauteurLigne(int ARow) const
{
    return ARow >= 0 && ARow < GetRowCount() ? Lignes_[static_cast<size_t>(ARow)].TailleCourante : 0;
}

void TModeleGrille::SetAutoResize(bool AutoResize)
{
    AutoResize_ = AutoResize;
    Redimensionne();
}

void TModeleGrille::SetVisible(bool Visible)
{
    Visible_ = Visible;
    AppliqueVisible(Visible);
}

void TModeleGrille::SetPosition(int Gauche, int Haut)
{
    Gauche_ = Gauche;
    Haut_ = Haut;
    AppliquePosition(Gauche, Haut);
}

void TModeleGrille::SetSelectionVisible(bool Visible)
{
    SelectionVisible_ = Visible;
    if (!Visible)
        FocusRectVisible = false;
    Repeint();
}

// --- Selection and hot-tracking ---------------------------------------------------------

bool TModeleGrille::SelectionneCellule(int ACol, int ARow)
{
    if (!SelectionVisible_ || !Valide(ACol, ARow) || ACol < FixedCols_ || ARow < FixedRows_)
        return false;
    Col_ = ACol;
    Row_ = ARow;
    Selection_ = TGridRect{ACol, ARow, ACol, ARow};
    if (Options_ & goRowSelect)
        Selection_ = TGridRect{FixedCols_, ARow, GetColCount() - 1, ARow};
    Repeint();
    return true;
}

bool TModeleGrille::EstSelectionnee(int ACol, int ARow) const
{
    return ACol >= Selection_.Left && ACol <= Selection_.Right && ARow >= Selection_.Top && ARow <= Selection_.Bottom &&
           ACol >= FixedCols_ && ARow >= FixedRows_;
}

void TModeleGrille::SetCelluleChaude(int ACol, int ARow)
{
    if (ACol == HotCol_ && ARow == HotRow_)
        return;
    int AncienneCol = HotCol_, AncienneLigne = HotRow_;
    HotCol_ = ACol;
    HotRow_ = ARow;
    if (AncienneCol >= 0)
        RepeintCellule(AncienneCol, AncienneLigne);
    if (ACol >= 0)
        RepeintCellule(ACol, ARow);
}

// --- Sorting -------------------------------------------------------------------------------

int TModeleGrille::Ordre(int ACol, int ARow) const
{
    const TCellObject* O = Objet(ACol, ARow);
    return O ? O->OrdreInitial : Rangees_[static_cast<size_t>(ARow)].Ordre;
}

double TModeleGrille::Compare(int ACol, int I, int J) const
{
    uint8_t Etat = Colonnes_[static_cast<size_t>(ACol)].EtatTri;
    if (Etat == 0)
        return Ordre(ACol, I) - Ordre(ACol, J);
    double D;
    if (Colonnes_[static_cast<size_t>(ACol)].TypeTri == 0)
        D = ValeurNumerique(GetTexte(ACol, I)) - ValeurNumerique(GetTexte(ACol, J));
    else
        D = AnsiCompareText(GetTexte(ACol, I), GetTexte(ACol, J));
    if (D == 0)
        D = Ordre(ACol, J) - Ordre(ACol, I);
    return Etat == 1 ? -D : D;
}

void TModeleGrille::EchangeLignes(int I, int J)
{
    std::swap(Rangees_[static_cast<size_t>(I)], Rangees_[static_cast<size_t>(J)]);
    if (!TriConserveFond)
        return;
    // The colours stay with the positions: zebra stripes and zones do not move.
    for (int C = 0; C < GetColCount(); ++C) {
        TColor FondI = GetCouleurFond(C, I), TexteI = GetCouleurTexte(C, I);
        TColor FondJ = GetCouleurFond(C, J), TexteJ = GetCouleurTexte(C, J);
        if (FondI != FondJ || TexteI != TexteJ) {
            TCellObject& OI = ObjetCree(C, I);
            TCellObject& OJ = ObjetCree(C, J);
            OI.CouleurFond = FondJ;
            OI.CouleurTexte = TexteJ;
            OJ.CouleurFond = FondI;
            OJ.CouleurTexte = TexteI;
        }
    }
}

void TModeleGrille::Trie(int ACol)
{
    if (ACol < 0 || ACol >= GetColCount())
        return;
    TLigneColonne& Col = Colonnes_[static_cast<size_t>(ACol)];
    if (Col.EtatTri == 0)
        for (TLigneColonne& C : Colonnes_)
            C.EtatTri = 0;
    uint8_t Etat = Col.EtatTri == 0 ? 1 : Col.EtatTri == 1 ? 2 : 0;
    BasculeTexteAlternatif(Etat != 0);
    Col.EtatTri = Etat;

    int Premiere = FixedRows_;
    int Derniere = GetRowCount() - 1 - FixedEndRow;
    for (int I = Premiere; I < Derniere; ++I)
        for (int J = I + 1; J <= Derniere; ++J)
            if (Compare(ACol, I, J) > 0)
                EchangeLignes(I, J);
    LignesDeplacees_ = true;
    Repeint();
}

// --- Sizing ----------------------------------------------------------------------------------

void TModeleGrille::SetTailleControle(int Largeur, int Hauteur)
{
    Largeur_ = Largeur;
    Hauteur_ = Hauteur;
    // Without the automatic enlargement the control still takes the size.
    if (!AutoResize_)
        AppliqueTailleControle(Largeur, Hauteur);
    Redimensionne();
}

namespace {

double Ratio(int Cible, int Total, double Max)
{
    double R = Total > 0 && Cible > Total ? static_cast<double>(Cible) / Total : 1.0;
    return std::min(R, std::max(Max, 1.0));
}

// The enlargement of a list of rows or columns for a target size.
double RatioListe(const std::vector<TLigneColonne>& Liste, int Cible, double Max)
{
    int Somme = 0;
    for (const TLigneColonne& L : Liste)
        Somme += L.Taille + 1;
    return Ratio(Cible, Somme, Max);
}

// What the list takes once enlarged by R, each line between two included.
int TailleEtiree(const std::vector<TLigneColonne>& Liste, double R)
{
    int Total = 0;
    for (const TLigneColonne& L : Liste)
        Total += static_cast<int>(L.Taille * R) + 1;
    return Total;
}

} // namespace

void TModeleGrille::Redimensionne()
{
    if (!AutoResize_ || EnRedimension_)
        return;
    EnRedimension_ = true;
    auto Etire = [this](std::vector<TLigneColonne>& Liste, int Cible) {
        const double R = RatioListe(Liste, Cible, MaxAgrandissement_);
        for (TLigneColonne& L : Liste)
            L.TailleCourante = static_cast<int>(L.Taille * R);
        return TailleEtiree(Liste, R);
    };
    int Hauteur = GetHauteur(), Largeur = GetLargeur();
    Hauteur_ = Etire(Lignes_, Hauteur);
    Largeur_ = Etire(Colonnes_, Largeur);
    AppliqueTailleControle(Largeur_, Hauteur_);
    EnRedimension_ = false;
    Repeint();
}

int TModeleGrille::CalculEchelle(const std::vector<int>& Tailles, int Total, int Cible) const
{
    double R = Total == 0 ? 1.0 : static_cast<double>(Cible) / Total;
    R = std::clamp(R, 1.0, std::max(MaxAgrandissement_, 1.0));
    int Resultat = 0;
    for (int T : Tailles)
        Resultat += static_cast<int>(T * R) + 1;
    return Resultat + 1;
}

void TModeleGrille::CalculTaille(int Largeur, int Hauteur, int& H, int& W) const
{
    // Exactly what Redimensionne would make, so a page can size the room it
    // gives the grid before the grid fills it.
    H = TailleEtiree(Lignes_, RatioListe(Lignes_, Hauteur, MaxAgrandissement_));
    W = TailleEtiree(Colonnes_, RatioListe(Colonnes_, Largeur, MaxAgrandissement_));
}

void TModeleGrille::AjusteColonnesAuTexte(TMesureTexte& Normale, TMesureTexte& Grasse, int Marge, bool Retrecit)
{
    for (int C = 0; C < GetColCount(); ++C) {
        // A column of no width hides the data it carries.
        if (Colonnes_[static_cast<size_t>(C)].Taille == 0)
            continue;
        int Largeur = 0;
        for (int R = 0; R < GetRowCount(); ++R) {
            const std::string& Texte = GetTexte(C, R);
            if (Texte.empty())
                continue;
            int L = (GetGras(C, R) ? Grasse : Normale).LargeurTexte(Texte);
            if (GetImage(C, R) != nullptr)
                L += GetHauteurLigne(R) + 5;
            Largeur = std::max(Largeur, L + Marge);
        }
        TLigneColonne& Col = Colonnes_[static_cast<size_t>(C)];
        if (Largeur > Col.Taille || (Retrecit && Largeur > 0))
            Col.Taille = Col.TailleCourante = Largeur;
    }
    Redimensionne();
    Repeint();
}

int TModeleGrille::LargeurContenu() const
{
    int Largeur = 0;
    for (int C = 0; C < GetColCount(); ++C)
        Largeur += GetLargeurColonne(C) + 1;
    return Largeur;
}

int TModeleGrille::HauteurContenu() const
{
    int Hauteur = 0;
    for (int R = 0; R < GetRowCount(); ++R)
        Hauteur += GetHauteurLigne(R) + 1;
    return Hauteur;
}

// --- Drawing ---------------------------------------------------------------------------------

namespace {

// A cell keeps a thirtieth of its width (and height) clear on each side of its text.
constexpr int PartMarge = 30;
// Between a cell's picture and its text.
constexpr int EcartImage = 5;

int MargeCellule(int Cote)
{
    return Cote / PartMarge;
}

// On paper a row can be lower than the font (many rows on one sheet) and a
// column narrower than its text: the text gets smaller to hold in its cell,
// and when even the smallest readable size does not hold, it loses its end to
// an ellipsis rather than print over the next cell. Leaves the canvas in the
// size chosen; the text to print.
std::string AjusteAuCadre(TCanevas& Canevas, TPolice Police, const std::string& Texte, int Place, int Hauteur)
{
    auto Tient = [&](int Taille) {
        Police.Taille = Taille;
        Canevas.SetPolice(Police);
        return Canevas.LargeurTexte(Texte) <= Place && Canevas.HauteurTexte(Texte) <= Hauteur;
    };
    const TTailleAjustee Ajustee = AjusteTaille(Canevas.TaillePolice(), Tient);
    Tient(Ajustee.Taille);
    if (Ajustee.Tient)
        return Texte;
    return Abrege(Texte, Place, [&Canevas](std::string_view T) { return Canevas.LargeurTexte(T); });
}

// The sort arrows: a small black triangle pointing down (largest first) or up.
void DessineFleche(TCanevas& Canevas, int X, int Y, bool Bas)
{
    Canevas.SetCrayon(0);
    for (int I = 0; I < 4; ++I) {
        int Ligne = Bas ? Y + 2 + I : Y + 5 - I;
        Canevas.Ligne(X + I, Ligne, X + 8 - I, Ligne);
    }
}

} // namespace

void TModeleGrille::DessineCellule(TCanevas& Canevas, int ACol, int ARow, const TRect& R, bool Selectionne, bool Fixe,
                                   bool Impression)
{
    if (!Valide(ACol, ARow))
        return;
    const TCellObject* O = Objet(ACol, ARow);
    const TLigneColonne& Col = Colonnes_[static_cast<size_t>(ACol)];
    const TLigneColonne& Lig = Lignes_[static_cast<size_t>(ARow)];
    bool Choisie = !Impression && Selectionne && SelectionVisible_;
    int W = R.Width();
    int H = R.Height();

    // 1. Background.
    const TColor FondImprime = Fixe ? 0xD0D0D0 : 0xFFFFFF;
    if (!Fixe || Impression) {
        TColor Fond;
        if (Impression)
            Fond = FondImprime;
        else
            Fond = Choisie ? CouleurSelection : GetCouleurFond(ACol, ARow);
        Canevas.Remplit(Rect(R.Left, R.Top, R.Right + 1, R.Bottom + 1), Fond);
    }

    const std::string& Texte = GetTexte(ACol, ARow);

    // 2. Bar.
    if (Col.CouleurBarre1 != 0) {
        int Max = GetMaxBarre(ACol);
        int Valeur = Montant(Texte);
        if (Max > 0 && Valeur > 0)
            DessineDegrade(Canevas, R, {Col.MargesBarre[0], Col.MargesBarre[1], Col.MargesBarre[2], Col.MargesBarre[3]},
                           false, Col.CouleurBarre2, Col.CouleurBarre1, Valeur, Max);
    }

    // 3. Lines.
    bool LignesNoires = AlternatifAffiche_ && !TriAfficheLigneCouleur;
    if (Lig.Trait || ARow == GetRowCount() - 1 || LignesNoires) {
        Canevas.SetCrayon(LignesNoires ? 0 : Lig.Couleur);
        Canevas.Ligne(R.Left, R.Bottom, R.Right + 1, R.Bottom);
    }
    if (ARow == 0) {
        Canevas.SetCrayon(0);
        Canevas.Ligne(R.Left, R.Top, R.Right + 1, R.Top);
    }
    if (Col.Trait || ACol == GetColCount() - 1) {
        Canevas.SetCrayon(Col.Couleur);
        Canevas.Ligne(R.Right, R.Top, R.Right, R.Bottom + 1);
    }
    if (ACol == 0) {
        Canevas.SetCrayon(0);
        Canevas.Ligne(R.Left, R.Top, R.Left, R.Bottom + 1);
    }

    // 4. Text colour and style.
    TColor CouleurTexte = GetCouleurTexte(ACol, ARow);
    if (Choisie)
        CouleurTexte = CouleurTexteSelection;
    else if (Impression && CouleurTexte == 0xFFFFFF)
        CouleurTexte = 0;
    // Ink chosen for a coloured screen ground may vanish on the paper's.
    if (Impression)
        CouleurTexte = EncreLisible(CouleurTexte, FondImprime);
    bool Chaude = ACol == HotCol_ && ARow == HotRow_;
    TPolice Police = Canevas.GetPolice();
    const int TailleBase = Police.Taille;
    Police.Gras = O && O->Gras;
    Police.Souligne = Chaude;
    Police.Couleur = CouleurTexte;
    Canevas.SetPolice(Police);

    std::string Affiche = Chaude ? Trim(Texte) : Texte;
    int DecalageBlancs = 0;
    if (Chaude) {
        size_t Blancs = Texte.find_first_not_of(' ');
        DecalageBlancs = Canevas.LargeurTexte(Texte.substr(0, Blancs == std::string::npos ? Texte.size() : Blancs));
    }
    int Tw = Affiche.empty() ? 0 : Canevas.LargeurTexte(Affiche);
    int Th = Affiche.empty() ? 0 : Canevas.HauteurTexte(Affiche);

    // 5. Picture size: shrunk to the cell, never enlarged.
    const TImage* Image = O ? O->Image.get() : nullptr;
    int Sw = 0, Sh = 0, DecalageImage = 0;
    if (Image && !Image->Vide()) {
        double Echelle =
            std::min(static_cast<double>(W - 4) / Image->Largeur(), static_cast<double>(H - 4) / Image->Hauteur());
        Echelle = std::clamp(Echelle, 0.0, 1.0);
        Sw = static_cast<int>(std::lround(Image->Largeur() * Echelle));
        Sh = static_cast<int>(std::lround(Image->Hauteur() * Echelle));
        DecalageImage = Sw + EcartImage;
    }

    const int MargeX = MargeCellule(W), MargeY = MargeCellule(H);
    if (Impression && !Affiche.empty()) {
        const int Place = W - 2 * MargeX - DecalageImage;
        if (Tw > Place || Th > H) {
            Affiche = AjusteAuCadre(Canevas, Police, Affiche, Place, H);
            Police = Canevas.GetPolice();
            Tw = Canevas.LargeurTexte(Affiche);
            Th = Canevas.HauteurTexte(Affiche);
        }
    }

    // 6. Text position.
    uint8_t AlignH = O ? O->AlignementH : 0;
    uint8_t AlignV = O ? O->AlignementV : 1;
    int Xt;
    if (AlignH == 1)
        Xt = (W - Tw + DecalageImage) / 2;
    else if (AlignH == 2)
        Xt = W - MargeX - Tw;
    else
        Xt = MargeX + DecalageImage;
    int Yt;
    if (AlignV == 0)
        Yt = MargeY;
    else if (AlignV == 2)
        Yt = H - MargeY - Th;
    else
        Yt = (H - Th) / 2;

    if (Sw > 0 && Sh > 0) {
        int Yi;
        if (AlignV == 0)
            Yi = MargeY;
        else if (AlignV == 2)
            Yi = H - MargeY - Sh;
        else
            Yi = (H - Sh) / 2 + 1;
        int Xi = Xt - DecalageImage;
        Canevas.Image(*Image, Rect(R.Left + Xi, R.Top + Yi, R.Left + Xi + Sw, R.Top + Yi + Sh));
    }
    if (!Affiche.empty())
        Canevas.Texte(R.Left + Xt + DecalageBlancs, R.Top + Yt, Affiche);

    // 7. Sort arrow.
    if (Fixe && ARow == 0 && Col.EtatTri != 0)
        DessineFleche(Canevas, R.Right - 12, (R.Top + R.Bottom) / 2 - 4, Col.EtatTri == 1);
    if (Police.Taille != TailleBase) {
        Police.Taille = TailleBase;
        Canevas.SetPolice(Police);
    }
}

namespace {

// The width a cell needs to print a text Tw wide between its two margins
// (W - 2 * (W / PartMarge) >= Tw), with a few pixels for the printer's rounding.
int LargeurPourTexte(int Tw)
{
    constexpr int JeuArrondi = 8;
    return Tw + Tw / (PartMarge / 2 - 1) + JeuArrondi;
}

// What each printed column needs for its widest text in the canvas's font, a
// picture as wide as the row is high (Hauteur) beside it. The widths shown on
// screen, scaled, say nothing of the printer's font: a column a name fitted on
// screen may cut it on paper while the sheet has room.
std::vector<int> BesoinsColonnes(const TModeleGrille& Grille, TCanevas& Canevas, const std::vector<int>& Largeurs,
                                 int Hauteur)
{
    const TPolice Base = Canevas.GetPolice();
    std::vector<int> Besoins(Largeurs.size(), 0);
    for (size_t C = 0; C < Largeurs.size(); ++C) {
        if (Largeurs[C] <= 0)
            continue;
        const int Col = static_cast<int>(C);
        for (int Ligne = 0; Ligne < Grille.GetRowCount(); ++Ligne) {
            const std::string& Texte = Grille.GetTexte(Col, Ligne);
            if (Texte.empty())
                continue;
            TPolice Police = Base;
            Police.Gras = Grille.GetGras(Col, Ligne);
            Canevas.SetPolice(Police);
            const TImage* Image = Grille.GetImage(Col, Ligne);
            const int PlaceImage = Image != nullptr && !Image->Vide() ? Hauteur + EcartImage : 0;
            Besoins[C] = std::max(Besoins[C], LargeurPourTexte(Canevas.LargeurTexte(Texte)) + PlaceImage);
        }
    }
    Canevas.SetPolice(Base);
    return Besoins;
}

// What the wide columns have beyond their texts goes to those short of room.
void CedeSurplus(std::vector<int>& Largeurs, const std::vector<int>& Besoins, int64_t Reste)
{
    int64_t Surplus = 0;
    for (size_t C = 0; C < Largeurs.size(); ++C)
        Surplus += std::max(0, Largeurs[C] - Besoins[C]);
    for (size_t C = 0; C < Largeurs.size(); ++C)
        if (Largeurs[C] > 0)
            Largeurs[C] = Besoins[C] +
                          static_cast<int>(Surplus > 0 ? Reste * std::max(0, Largeurs[C] - Besoins[C]) / Surplus : 0);
}

// No room for every text: all columns give up room alike, rather than the
// long ones alone; their texts get smaller or cut in the cells.
void ReduitAuProrata(std::vector<int>& Largeurs, const std::vector<int>& Besoins, int Page)
{
    constexpr int LargeurMinimale = 8;
    int64_t Demandes = 0;
    for (size_t C = 0; C < Largeurs.size(); ++C)
        if (Largeurs[C] > 0)
            Demandes += std::max(Besoins[C], LargeurMinimale);
    for (size_t C = 0; C < Largeurs.size(); ++C)
        if (Largeurs[C] > 0)
            Largeurs[C] =
                std::max(1, static_cast<int>(std::max(Besoins[C], LargeurMinimale) * int64_t{Page} / Demandes));
}

// Printed column widths (scaled from the screen's) widened so that each
// column holds its widest text in the canvas's font, within Page pixels when
// the texts fit there; Hauteur is the printed row height.
void LargeursImprimees(const TModeleGrille& Grille, TCanevas& Canevas, std::vector<int>& Largeurs, int Page,
                       int Hauteur)
{
    const std::vector<int> Besoins = BesoinsColonnes(Grille, Canevas, Largeurs, Hauteur);
    int64_t Larges = 0, TotalBesoins = 0;
    for (size_t C = 0; C < Largeurs.size(); ++C) {
        Larges += std::max(Largeurs[C], Besoins[C]);
        TotalBesoins += Besoins[C];
    }
    if (Larges <= Page) {
        for (size_t C = 0; C < Largeurs.size(); ++C)
            Largeurs[C] = std::max(Largeurs[C], Besoins[C]);
    } else if (TotalBesoins <= Page) {
        CedeSurplus(Largeurs, Besoins, Page - TotalBesoins);
    } else {
        ReduitAuProrata(Largeurs, Besoins, Page);
    }
}

} // namespace

namespace {

// The height of a row whose text is at the readable floor.
int HauteurRangeePlancher(TCanevas& Canevas)
{
    const TPolice Base = Canevas.GetPolice();
    TPolice Plancher = Base;
    Plancher.Taille = PlancherLisible;
    Canevas.SetPolice(Plancher);
    const int Hauteur = HauteurRangeeLisible(Canevas);
    Canevas.SetPolice(Base);
    return Hauteur;
}

} // namespace

void TModeleGrille::DessineSurCanvas(TCanevas& Canevas, const TRect& R)
{
    const int NbLignes = GetRowCount();
    const int Titres = std::min(FixedRows_, NbLignes);
    const int Hauteur = R.Height() / (NbLignes + 2);
    const int Plancher = HauteurRangeePlancher(Canevas);
    if (Hauteur >= Plancher || NbLignes == Titres) {
        DessineRangees(Canevas, R, Titres, NbLignes, Hauteur);
        return;
    }
    // Rows too low for any readable text: the first rows at the lowest
    // readable height, and under them an ellipsis telling that more follow.
    const int Tiennent = std::max(1, R.Height() / Plancher - 2 - Titres);
    DessineRangees(Canevas, R, Titres, Titres + Tiennent, Plancher);
    TPolice Police = Canevas.GetPolice();
    Police.Couleur = 0;
    Canevas.SetPolice(Police);
    Canevas.Texte(R.Left, R.Top + (Titres + Tiennent) * Plancher + 1, "\u2026");
}

int TModeleGrille::RangeesParPage(TCanevas& Canevas, const TRect& R) const
{
    const int NbLignes = GetRowCount();
    // A row lower than its text prints its names over each other and over the lines.
    const int Lisible = HauteurRangeeLisible(Canevas);
    if (NbLignes == 0 || R.Height() / (NbLignes + 2) >= Lisible)
        return 0;
    // The same margin under the table as on a page of the whole grid.
    return std::max(1, R.Height() / Lisible - 2 - std::min(FixedRows_, NbLignes));
}

int TModeleGrille::NbPagesImpression(TCanevas& Canevas, const TRect& R) const
{
    const int ParPage = RangeesParPage(Canevas, R);
    if (ParPage == 0)
        return 1;
    const int Donnees = std::max(GetRowCount() - FixedRows_, 1);
    return (Donnees + ParPage - 1) / ParPage;
}

void TModeleGrille::DessinePageImpression(TCanevas& Canevas, const TRect& R, int Numero)
{
    const int ParPage = RangeesParPage(Canevas, R);
    if (ParPage == 0) {
        if (Numero == 0)
            DessineSurCanvas(Canevas, R);
        return;
    }
    const int Titres = std::min(FixedRows_, GetRowCount());
    const int Debut = Titres + Numero * ParPage;
    if (Debut >= GetRowCount() && Numero > 0)
        return;
    DessineRangees(Canevas, R, Debut, std::min(Debut + ParPage, GetRowCount()), R.Height() / (Titres + ParPage + 2));
}

void TModeleGrille::DessineRangees(TCanevas& Canevas, const TRect& R, int Debut, int Fin, int HauteurRangee)
{
    int NbLignes = GetRowCount();
    int Somme = 0;
    for (const TLigneColonne& C : Colonnes_)
        Somme += std::max(C.TailleCourante, 0);
    if (NbLignes == 0 || Somme == 0)
        return;
    Canevas.SetCrayon(GetCouleurLigne(0), 1);
    int64_t K = Somme > 250 ? static_cast<int64_t>(R.Width()) * 8 / Somme : static_cast<int64_t>(R.Width()) * 4 / Somme;
    std::vector<int> Largeurs;
    for (const TLigneColonne& C : Colonnes_)
        Largeurs.push_back(C.TailleCourante > 0 ? static_cast<int>(C.TailleCourante * K / 8) : 0);
    LargeursImprimees(*this, Canevas, Largeurs, R.Width(), HauteurRangee);
    int Total = 0;
    for (int L : Largeurs)
        Total += L;
    std::vector<int> Rangees;
    for (int Ligne = 0; Ligne < std::min(FixedRows_, NbLignes); ++Ligne)
        Rangees.push_back(Ligne);
    for (int Ligne = Debut; Ligne < Fin; ++Ligne)
        Rangees.push_back(Ligne);
    const int NbRangees = static_cast<int>(Rangees.size());
    Canevas.Contour(Rect(R.Left, R.Top, R.Left + Total + 1, R.Top + NbRangees * HauteurRangee + 1));
    for (int Place = 0; Place < NbRangees; ++Place) {
        const int Ligne = Rangees[static_cast<size_t>(Place)];
        int Cumul = 0;
        for (int C = 0; C < GetColCount(); ++C) {
            int L = Largeurs[static_cast<size_t>(C)];
            if (L <= 0)
                continue;
            TRect Cellule = Rect(R.Left + Cumul + 1, R.Top + Place * HauteurRangee + 1, R.Left + Cumul + L,
                                 R.Top + (Place + 1) * HauteurRangee);
            Cumul += L;
            bool Fixe = Ligne < FixedRows_ || C < FixedCols_;
            Canevas.Decoupe(Rect(Cellule.Left, Cellule.Top, Cellule.Right + 1, Cellule.Bottom + 1));
            DessineCellule(Canevas, C, Ligne, Cellule, false, Fixe, true);
            Canevas.FinDecoupe();
        }
    }
}

// --- HTML --------------------------------------------------------------------------------------

namespace {

const char* const FinLigne = "\r\n";

const char* Alignement(uint8_t A)
{
    return A == 1 ? "align=\"center\" " : A == 2 ? "align=\"right\" " : "align=\"left\" ";
}

std::string TexteCellule(const std::string& Texte)
{
    return Texte.empty() ? "&nbsp;" : EchappeHtml(Texte);
}

} // namespace

void TModeleGrille::ExporteCellule(std::string& Html, int ACol, int ARow) const
{
    bool Fixe = ARow < FixedRows_ || ACol < FixedCols_;
    bool Gras = GetGras(ACol, ARow);
    const TColor Fond = Fixe ? FixedColor : GetCouleurFond(ACol, ARow);
    Html += "        <td bgcolor=\"" + CouleurHtml(Fond) + "\" ";
    Html += Alignement(GetAlignementH(ACol, ARow));
    Html += "width=" + std::to_string(GetLargeurColonne(ACol)) + ">";
    if (Gras)
        Html += "<b>";
    Html += "<font color=\"" + CouleurHtml(EncreLisible(GetCouleurTexte(ACol, ARow), Fond)) + "\">";
    Html += TexteCellule(GetTexte(ACol, ARow));
    Html += "</font>";
    if (Gras)
        Html += "</b>";
    Html += "</td>";
    Html += FinLigne;
}

bool TModeleGrille::ExporteHtml(const std::string& NomFichier, bool Creer, const std::string& Titre) const
{
    std::string Html;
    if (Creer)
        Html = DebutPageHtml(Titre, "#80CCFE");
    Html += std::string("    <table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">") + FinLigne;
    for (int R = 0; R < GetRowCount(); ++R) {
        Html += std::string("      <tr>") + FinLigne;
        for (int C = 0; C < GetColCount(); ++C)
            if (GetLargeurColonne(C) > 0)
                ExporteCellule(Html, C, R);
        Html += std::string("      </tr>") + FinLigne;
    }
    Html += std::string("    </table>") + FinLigne;
    if (Creer)
        Html += FinPageHtml();
    return EcritHtml(NomFichier, Html, Creer);
}

// Rows Premiere..Derniere (data rows) after the fixed rows, as one table.
void TModeleGrille::TableHtml(std::string& Html, const std::vector<std::string>& Couleurs, int Premiere, int Derniere,
                              const std::string& Ouverture) const
{
    auto Couleur = [&Couleurs](size_t I) { return I < Couleurs.size() ? Couleurs[I] : std::string("#FFFFFF"); };
    Html += Ouverture + FinLigne;
    auto Rangee = [&](int R) {
        bool Titre = R < FixedRows_;
        int Rang = R - FixedRows_ + 1;
        std::string Fond = Titre ? Couleur(0) : Rang % 2 != 0 ? Couleur(1) : Couleur(2);
        Html += "<tr bgcolor=\"" + Fond + "\">" + FinLigne;
        for (int C = 0; C < GetColCount(); ++C) {
            if (GetLargeurColonne(C) <= 0)
                continue;
            Html += "<td ";
            std::string FondCellule = CouleurHtml(GetCouleurFond(C, R));
            if (!Titre && FondCellule != "#FFFFFF")
                Html += "bgcolor=\"" + FondCellule + "\" ";
            Html += Alignement(GetAlignementH(C, R));
            Html.back() = '>';
            bool Gras = Titre || GetGras(C, R);
            if (Gras)
                Html += "<b>";
            std::string Police = Titre ? Couleur(3) : Couleur(4);
            if (!Titre && GetCouleurTexte(C, R) != 0)
                Police =
                    EncreLisibleHtml(CouleurHtml(GetCouleurTexte(C, R)), FondCellule != "#FFFFFF" ? FondCellule : Fond);
            Html += "<font color=\"" + Police + "\">" + TexteCellule(GetTexte(C, R)) + "</font>";
            if (Gras)
                Html += "</b>";
            Html += std::string("</td>") + FinLigne;
        }
        Html += std::string("</tr>") + FinLigne;
    };
    for (int R = 0; R < std::min(FixedRows_, GetRowCount()); ++R)
        Rangee(R);
    for (int R = Premiere; R <= Derniere; ++R)
        Rangee(R);
    Html += std::string("</table>") + FinLigne;
}

std::string TModeleGrille::GetTableHtml(const std::vector<std::string>& Couleurs, int Largeur) const
{
    std::string Ouverture = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"";
    if (Largeur != 0)
        Ouverture += " width=\"" + std::to_string(Largeur) + "\"";
    Ouverture += ">";
    std::string Html;
    TableHtml(Html, Couleurs, FixedRows_, GetRowCount() - 1, Ouverture);
    return Html;
}

std::string TModeleGrille::GetTableHtmlColonnes(const std::vector<std::string>& Couleurs, int NbColonnes) const
{
    NbColonnes = std::max(NbColonnes, 1);
    int Donnees = std::max(GetRowCount() - FixedRows_, 0);
    int ParColonne = (Donnees + NbColonnes - 1) / NbColonnes;
    std::string Html = std::string("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">") + FinLigne;
    Html += std::string("<tr>") + FinLigne;
    for (int K = 0; K < NbColonnes; ++K) {
        int Premiere = FixedRows_ + K * ParColonne;
        int Derniere = std::min(Premiere + ParColonne, GetRowCount()) - 1;
        Html += std::string("<td valign=\"top\">") + FinLigne;
        if (Premiere <= Derniere)
            TableHtml(Html, Couleurs, Premiere, Derniere, "<table cellspacing=\"0\" cellpadding=\"3\">");
        else
            Html += "&nbsp;";
        Html += std::string("</td>") + FinLigne;
    }
    Html += std::string("</tr>") + FinLigne + "</table>" + FinLigne;
    return Html;
}
