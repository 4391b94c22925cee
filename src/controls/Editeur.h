#pragma once

// The coloured text report: lines, colours and layout are TModeleEditeur's,
// which this control is; it paints them on its background colour and prints
// them on a portrait page.

#include "controls/CanevasQt.h"
#include "presentation/ModeleEditeur.h"

#include <QWidget>

class TEditeur : public QWidget, public TModeleEditeur {
    Q_OBJECT

public:
    explicit TEditeur(QWidget* Parent = nullptr);
    ~TEditeur() override;

    // Background colour (the system's button face until a page sets one).
    TColor GetCouleur() const { return Couleur_; }
    void SetCouleur(TColor Couleur);

    int GetLargeur() const override { return width(); }
    int GetHauteur() const override { return height(); }
    int GetGauche() const override { return x(); }
    int GetHaut() const override { return y(); }

    void Imprime();
    void ImprimeSur(QPainter& Painter, const QRect& Page, int Dpi);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void changeEvent(QEvent* Event) override;
    void Repeint() override { update(); }
    void AppliqueHauteur(int Hauteur) override;
    void AppliqueTaille(int Largeur, int Hauteur) override { resize(Largeur, Hauteur); }
    void AppliqueVisible(bool Visible) override { setVisible(Visible); }
    void AppliquePosition(int Gauche, int Haut) override { move(Gauche, Haut); }

private:
    TMesureQt Mesure_;
    TColor Couleur_ = 0xF0F0F0;
};
