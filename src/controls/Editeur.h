#pragma once

// The coloured text report: lines, colours and layout are TModeleEditeur's,
// which this control is; it paints them on its background colour and prints
// them on a portrait page.

#include "controls/CanevasQt.h"
#include "presentation/ModeleEditeur.h"

#include <QWidget>

class QScrollBar;

class TEditeur : public QWidget, public TModeleEditeur {
    Q_OBJECT

public:
    explicit TEditeur(QWidget* Parent = nullptr);
    ~TEditeur() override;

    // Background colour (the system's button face until a page sets one).
    TColor GetCouleur() const { return Couleur_; }
    void SetCouleur(TColor Couleur);

    // A Defilant report keeps its bar's room aside for good: its lines were
    // measured before anyone knew whether they would need it.
    int GetLargeur() const override;
    int GetHauteur() const override { return height(); }
    int GetGauche() const override { return x(); }
    int GetHaut() const override { return y(); }

    void Imprime();
    void ImprimeSur(QPainter& Painter, const QRect& Page, int Dpi);

    // A report with more rows than its box shows them through a scroll bar
    // (and the wheel, and the arrow and page keys once clicked); Barre()'s
    // value is the first row shown.
    QScrollBar* Barre();
    // The rows the box shows, the last one as soon as its text fits.
    int RangeesVisibles();
    // Draws what the box shows: every row, or those from the bar's value.
    void DessineEcran(TCanevas& Canevas);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void changeEvent(QEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void wheelEvent(QWheelEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void Repeint() override;
    void AppliqueHauteur(int Hauteur) override;
    void AppliqueTaille(int Largeur, int Hauteur) override { resize(Largeur, Hauteur); }
    void AppliqueVisible(bool Visible) override { setVisible(Visible); }
    void AppliquePosition(int Gauche, int Haut) override { move(Gauche, Haut); }

private:
    // The width the lines are laid out in, the bar's room aside when it shows.
    int LargeurLignes() const;
    // Lays the lines out (nothing drawn) and shows the bar when they need it.
    void MiseAJourBarre();

    QScrollBar* Barre_;
    bool BarreAJour_ = false;
    TMesureQt Mesure_;
    TColor Couleur_ = 0xF0F0F0;
};
