#pragma once

// The content of a coloured string grid: cell texts and attributes, row and
// column settings, sorting on a title click, the sizing arithmetic, the cell
// painter and the HTML forms. The standings and rankings displays fill it, the
// tests read it back, and the grid widget (TColorStringGrid) paints it; nothing
// here knows the interface library.

#include "base/Canevas.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TImage;

// Zebra rows of every striped table: odd rows white, even rows $F8CD87.
void CouleurLigne(int Ligne, TColor& Fond);
// The same background with black text; a selected row is white on $800000.
void CouleurLigneSelection(int Ligne, TColor& Fond, TColor& Texte, bool Selection);

// The number a sorted numeric column compares: digits with "," or "." as
// separators (each separator restarts at tenths), a leading "-" makes it
// negative; anything else ends it, and a text without digits is 0.
double ValeurNumerique(std::string_view Texte);

// Grid options, bit values of the platform's option set.
enum : uint32_t {
    goFixedVertLine = 1,
    goFixedHorzLine = 2,
    goVertLine = 4,
    goHorzLine = 8,
    goRangeSelect = 16,
    goDrawFocusSelected = 32,
    goRowSizing = 64,
    goColSizing = 128,
    goRowMoving = 256,
    goColMoving = 512,
    goEditing = 1024,
    goTabs = 2048,
    goRowSelect = 4096,
    goAlwaysShowEditor = 8192,
    goThumbTracking = 16384,
};
constexpr uint32_t OptionsGrilleDefaut = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;

// The attributes of one cell; made when a cell first receives one.
struct TCellObject {
    int32_t OrdreInitial = 0;
    int32_t Donnee = 0;
    TColor CouleurFond = 0xFFFFFF;
    TColor CouleurTexte = 0;
    std::unique_ptr<TImage> Image;
    bool Gras = false;
    bool Lien = false;
    uint8_t AlignementH = 0;
    uint8_t AlignementV = 1;
    std::string TexteAlternatif;
    // The crest catalogue number of the picture (0 none), so the crest shown
    // can be told without comparing pictures.
    int32_t Blason = 0;

    TCellObject();
    ~TCellObject();
};

// Settings of one row or one column.
struct TLigneColonne {
    int32_t Taille = 0;         // designed height or width
    int32_t TailleCourante = 0; // after the automatic enlargement
    bool Trait = true;
    TColor Couleur = 0;
    TColor CouleurBarre1 = 0;
    TColor CouleurBarre2 = 0;
    std::array<int32_t, 4> MargesBarre{2, 2, 2, 2};
    int32_t MaxBarre = 0;
    bool MaxARecalculer = false;
    uint8_t TypeTri = 0;
    uint8_t EtatTri = 0;
    bool ColonneAlternative = false;
};

struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

class TModeleGrille {
public:
    TModeleGrille();
    virtual ~TModeleGrille();
    TModeleGrille(const TModeleGrille&) = delete;
    TModeleGrille& operator=(const TModeleGrille&) = delete;

    // --- Shape -----------------------------------------------------------------
    int GetRowCount() const { return static_cast<int>(Lignes_.size()); }
    int GetColCount() const { return static_cast<int>(Colonnes_.size()); }
    void SetRowCount(int N);
    void SetColCount(int N);
    int GetFixedRows() const { return FixedRows_; }
    int GetFixedCols() const { return FixedCols_; }
    void SetFixedRows(int N);
    void SetFixedCols(int N);
    uint32_t GetOptions() const { return Options_; }
    void SetOptions(uint32_t Options);

    // --- Cells -----------------------------------------------------------------
    // The one call that fills a cell: text, alignments, colours, bold, no link,
    // and the picture (which the cell now owns; nullptr for none).
    void SetCellule(int ACol, int ARow, std::unique_ptr<TImage> Image, bool Gras, TColor CouleurFond,
                    TColor CouleurTexte, uint8_t AlignementV, uint8_t AlignementH, std::string_view Texte);
    // "A|B" shows A and keeps B as the alternate text (B shown and A kept while
    // the alternate texts are shown); an empty B is kept as one blank.
    void SetTexte(int ACol, int ARow, std::string_view Texte);
    const std::string& GetTexte(int ACol, int ARow) const;
    int32_t GetDonnee(int ACol, int ARow) const;
    void SetDonnee(int ACol, int ARow, int32_t Donnee);
    TColor GetCouleurFond(int ACol, int ARow) const;
    void SetCouleurFond(int ACol, int ARow, TColor Couleur);
    TColor GetCouleurTexte(int ACol, int ARow) const;
    void SetCouleurTexte(int ACol, int ARow, TColor Couleur);
    const TImage* GetImage(int ACol, int ARow) const;
    void SetImage(int ACol, int ARow, std::unique_ptr<TImage> Image);
    bool GetGras(int ACol, int ARow) const;
    void SetGras(int ACol, int ARow, bool Gras);
    bool GetLien(int ACol, int ARow) const;
    void SetLien(int ACol, int ARow, bool Lien = true);
    uint8_t GetAlignementH(int ACol, int ARow) const;
    void SetAlignementH(int ACol, int ARow, uint8_t Alignement);
    uint8_t GetAlignementV(int ACol, int ARow) const;
    void SetAlignementV(int ACol, int ARow, uint8_t Alignement);
    const std::string& GetTexteAlternatif(int ACol, int ARow) const;
    void SetTexteAlternatif(int ACol, int ARow, std::string_view Texte);
    int32_t GetBlason(int ACol, int ARow) const;
    void SetBlason(int ACol, int ARow, int32_t Blason);
    // The cell's record, nullptr when it received no attribute.
    const TCellObject* GetCellObject(int ACol, int ARow) const;
    void VideLigne(int ARow);

    // --- Rows and columns ------------------------------------------------------
    void SetCouleurLigne(int ARow, TColor Couleur);
    TColor GetCouleurLigne(int ARow) const;
    void SetTraitLigne(int ARow, bool Trait);
    bool GetTraitLigne(int ARow) const;
    void SetTraitColonne(int ACol, bool Trait);
    bool GetTraitColonne(int ACol) const;
    TColor GetCouleurColonne(int ACol) const;
    void SetCouleursBarre(int ACol, TColor Couleur1, TColor Couleur2);
    void GetCouleursBarre(int ACol, TColor& Couleur1, TColor& Couleur2) const;
    void ReinitColonnes();
    // The largest amount (LitMontant, hundredths) of the column's data rows,
    // recomputed first when a change asked for it.
    int32_t GetMaxBarre(int ACol);

    void SetTypeTri(int ACol, uint8_t Type);
    uint8_t GetTypeTri(int ACol) const;
    uint8_t GetEtatTri(int ACol) const;
    void SetEtatTri(int ACol, uint8_t Etat);
    void ReinitTri();

    void SetColonneAlternative(int ACol, bool Alternative);
    bool GetColonneAlternative(int ACol) const;
    void BasculeTexteAlternatif(bool Affiche);
    bool GetTexteAlternatifAffiche() const { return AlternatifAffiche_; }

    void SetLargeurColonne(int ACol, int Largeur);
    void SetHauteurLigne(int ARow, int Hauteur);
    void SetDefaultRowHeight(int Hauteur);
    void SetDefaultColWidth(int Largeur);
    // The current size (after the automatic enlargement).
    int GetLargeurColonne(int ACol) const;
    int GetHauteurLigne(int ARow) const;
    int GetDefaultColWidth() const { return DefaultColWidth_; }
    int GetDefaultRowHeight() const { return DefaultRowHeight_; }

    // --- Properties ------------------------------------------------------------
    bool TriCol = false;
    bool TriConserveFond = false;
    bool TriAfficheLigneCouleur = true;
    int FixedEndRow = 0;
    TColor CouleurSelection = 0x800000;
    TColor CouleurTexteSelection = 0xFFFFFF;
    bool FixedInBold = true;
    bool FocusRectVisible = false;
    // The platform's colour of fixed cells on screen, also written for them in HTML.
    TColor FixedColor = 0xF0F0F0;
    double GetMaxAgrandissement() const { return MaxAgrandissement_; }
    void SetMaxAgrandissement(double Max) { MaxAgrandissement_ = Max; }
    bool GetAutoResize() const { return AutoResize_; }
    void SetAutoResize(bool AutoResize);
    bool GetSelectionVisible() const { return SelectionVisible_; }
    virtual void SetSelectionVisible(bool Visible);
    // Whether the control is shown, and its place in its parent.
    bool GetVisible() const { return Visible_; }
    void SetVisible(bool Visible);
    virtual int GetGauche() const { return Gauche_; }
    virtual int GetHaut() const { return Haut_; }
    void SetPosition(int Gauche, int Haut);

    // --- Selection and hot-tracking (the widget's state, read by the painter) --
    int GetCol() const { return Col_; }
    int GetRow() const { return Row_; }
    TGridRect GetSelection() const { return Selection_; }
    // False (and nothing changes) when selection is off or the cell is outside
    // the data cells.
    bool SelectionneCellule(int ACol, int ARow);
    bool EstSelectionnee(int ACol, int ARow) const;
    int GetHotCol() const { return HotCol_; }
    int GetHotRow() const { return HotRow_; }
    void SetCelluleChaude(int ACol, int ARow);

    // --- Sorting ---------------------------------------------------------------
    // A click on the title of column ACol: next sort state, rows sorted.
    void Trie(int ACol);

    // --- Sizing ----------------------------------------------------------------
    // The control's size, which the automatic enlargement fills (a widget
    // answers with its own geometry).
    virtual int GetLargeur() const { return Largeur_; }
    virtual int GetHauteur() const { return Hauteur_; }
    void SetTailleControle(int Largeur, int Hauteur);
    void Redimensionne();
    void CalculTaille(int Largeur, int Hauteur, int& H, int& W) const;
    int CalculEchelle(const std::vector<int>& Tailles, int Total, int Cible) const;
    // Widens each column to its widest text plus Marge (bold cells measured
    // in bold, a cell's picture as wide as its row is high); none narrows
    // unless Retrecit, and a column of no width stays hidden.
    void AjusteColonnesAuTexte(TMesureTexte& Normale, TMesureTexte& Grasse, int Marge, bool Retrecit = false);
    // The extent of every row and column with their lines, unscrolled.
    int LargeurContenu() const;
    int HauteurContenu() const;

    // --- Drawing ---------------------------------------------------------------
    // One cell in R; Fixe for cells of the fixed rows or columns.
    void DessineCellule(TCanevas& Canevas, int ACol, int ARow, const TRect& R, bool Selectionne, bool Fixe,
                        bool Impression);
    // The whole grid as a table filling R (the printed form); when R leaves
    // its rows too low for readable text, the rows that hold at that height,
    // and an ellipsis under them.
    void DessineSurCanvas(TCanevas& Canevas, const TRect& R);
    // The printed form over pages of R's size: the whole grid on one page
    // while its rows stay at least as high as their text, else the title rows
    // and as many further rows as fit at that height on each page, in order.
    int NbPagesImpression(TCanevas& Canevas, const TRect& R) const;
    // Page Numero (from 0) of those.
    void DessinePageImpression(TCanevas& Canevas, const TRect& R, int Numero);

    // --- HTML ------------------------------------------------------------------
    // False when the file cannot be written. A created page takes Titre as
    // its title and heading.
    bool ExporteHtml(const std::string& NomFichier, bool Creer, const std::string& Titre = {}) const;
    // Colours: title background, odd-row background, even-row background,
    // title font, row font. Largeur 0: no width attribute.
    std::string GetTableHtml(const std::vector<std::string>& Couleurs, int Largeur = 0) const;
    // The rows spread over NbColonnes side-by-side tables, titles repeated.
    std::string GetTableHtmlColonnes(const std::vector<std::string>& Couleurs, int NbColonnes = 2) const;

protected:
    // Hooks for the widget: repaint all or one cell, take the size the
    // enlargement chose, the shape changed.
    virtual void Repeint() {}
    virtual void RepeintCellule(int, int) { Repeint(); }
    virtual void AppliqueTailleControle(int, int) {}
    virtual void AppliqueVisible(bool) {}
    virtual void AppliquePosition(int, int) {}

private:
    // The title rows then the rows Debut to Fin (excluded), HauteurRangee apart from R's top.
    void DessineRangees(TCanevas& Canevas, const TRect& R, int Debut, int Fin, int HauteurRangee);
    // The rows under the titles on one page of the printed form, 0 when the whole grid fits.
    int RangeesParPage(TCanevas& Canevas, const TRect& R) const;
    struct TCellule {
        std::string Texte;
        std::unique_ptr<TCellObject> Objet;
    };
    struct TRangee {
        std::vector<TCellule> Cellules;
        int32_t Ordre = 0; // fill order of the row, moves with it
    };

    bool Valide(int ACol, int ARow) const;
    const TCellObject* Objet(int ACol, int ARow) const;
    TCellObject& ObjetCree(int ACol, int ARow);
    void ReprendOrdreRemplissage();
    void RecalculeMax(int ACol);
    void EchangeLignes(int I, int J);
    double Compare(int ACol, int I, int J) const;
    int Ordre(int ACol, int ARow) const;
    void AjusteMaxPourTexte(int ACol, int ARow, const std::string& Ancien, const std::string& Nouveau);
    void ExporteCellule(std::string& Html, int ACol, int ARow) const;
    void TableHtml(std::string& Html, const std::vector<std::string>& Couleurs, int Premiere, int Derniere,
                   const std::string& Ouverture) const;

    // Cells by row (they move with a sort) and the row settings (they stay).
    std::vector<TRangee> Rangees_;
    std::vector<TLigneColonne> Lignes_;
    std::vector<TLigneColonne> Colonnes_;
    int FixedRows_ = 0;
    int FixedCols_ = 0;
    uint32_t Options_ = OptionsGrilleDefaut;
    int DefaultColWidth_ = 64;
    int DefaultRowHeight_ = 24;
    double MaxAgrandissement_ = 1.5;
    bool AutoResize_ = true;
    bool SelectionVisible_ = true;
    bool Visible_ = true;
    int Gauche_ = 0;
    int Haut_ = 0;
    bool AlternatifAffiche_ = false;
    // Rows were moved by a sort since the grid was last filled.
    bool LignesDeplacees_ = false;
    bool EnRedimension_ = false;
    int Largeur_ = 320;
    int Hauteur_ = 120;
    int Col_ = 0;
    int Row_ = 0;
    TGridRect Selection_;
    int HotCol_ = -1;
    int HotRow_ = -1;
};
