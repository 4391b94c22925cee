#pragma once

// The table control of every page. All content and its rules (cells, colours,
// sorting, sizing, HTML) are those of TModeleGrille, which this widget is;
// the widget paints it, scrolls it and turns mouse and keys into selection,
// hot-tracked links and title-click sorting.

#include "presentation/ModeleGrille.h"

#include <QAbstractScrollArea>

#include <functional>

class QPainter;

class TColorStringGrid : public QAbstractScrollArea, public TModeleGrille {
    Q_OBJECT

public:
    explicit TColorStringGrid(QWidget* Parent = nullptr);
    ~TColorStringGrid() override;

    // A left click on a link cell (instead of selecting it).
    std::function<void(int ACol, int ARow)> OnHotTrackClick;
    // Asked before a cell is selected; false refuses it.
    std::function<bool(int ACol, int ARow)> OnSelectCell;
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;

    // The grid on landscape pages of the printer: one while its rows can be
    // read there, else as many as its rows need, title rows on each.
    void Imprime();
    // The same drawing on any paper-like device: Page in device pixels, Dpi
    // its resolution.
    void ImprimeSur(QPainter& Painter, const QRect& Page, int Dpi);

    // Columns as wide as their texts in the grid's font; with Retrecit the
    // wider ones narrow to them too.
    void AjusteColonnesAuTexte(bool Retrecit = false);
    // Scrolls the cell into view, beside the fixed rows and columns.
    void MontreCellule(int ACol, int ARow);

    // The cell under a point of the widget; false outside the cells.
    bool CelluleA(const QPoint& Point, int& ACol, int& ARow) const;
    // The cell's rectangle in widget coordinates (as painted, scrolling included).
    QRect RectCellule(int ACol, int ARow) const;

    void SetSelectionVisible(bool Visible) override;
    int GetLargeur() const override { return width(); }
    int GetHauteur() const override { return height(); }
    int GetGauche() const override { return x(); }
    int GetHaut() const override { return y(); }

protected:
    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void leaveEvent(QEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;

    void Repeint() override;
    void RepeintCellule(int ACol, int ARow) override;
    void AppliqueTailleControle(int Largeur, int Hauteur) override;
    void AppliqueVisible(bool Visible) override { setVisible(Visible); }
    void AppliquePosition(int Gauche, int Haut) override { move(Gauche, Haut); }

private:
    int PositionColonne(int ACol) const;
    int PositionLigne(int ARow) const;
    int LargeurFixe() const;
    int HauteurFixe() const;
    void MetAJourDefilement();
    void Selectionne(int ACol, int ARow);

    bool ClicSurLien_ = false;
    QSize TailleAppliquee_;
};
