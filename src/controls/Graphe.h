#pragma once

// The chart controls of the statistics pages. The series, axes and drawing
// rules are the models' (TModeleGraphLigne, TModeleGraphBarre), which these
// controls are; TGraphe is what every chart control shares: painting, mouse
// events, printing scaled into a rectangle and saving as a picture.

#include "presentation/ModeleGraphe.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <string>

class QPainter;

class TGraphe : public QWidget {
    Q_OBJECT

public:
    explicit TGraphe(QWidget* Parent = nullptr);
    ~TGraphe() override;

    virtual TModeleGraphe& Modele() = 0;

    // The chart drawn on a picture of the control's size filled with Fond.
    QImage Image(TColor Fond);
    // The chart in black, scaled to fit R (centred), on any painter.
    void Imprime(const QRect& R, QPainter& Painter);

    std::function<void()> OnClick;
    std::function<void(Qt::MouseButton Bouton, int X, int Y)> OnMouseDown;
    std::function<void(int X, int Y)> OnMouseMove;
    std::function<void(Qt::MouseButton Bouton, int X, int Y)> OnMouseUp;
    // After each painting, on the control's painter.
    std::function<void(QPainter& Painter)> OnPaint;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
};

class TGraphLigne : public TGraphe, public TModeleGraphLigne {
    Q_OBJECT

public:
    explicit TGraphLigne(QWidget* Parent = nullptr);
    TModeleGraphe& Modele() override { return *this; }
    int GetLargeur() const override { return width(); }
    int GetHauteur() const override { return height(); }

protected:
    void Repeint() override { update(); }
};

class TGraphBarre : public TGraphe, public TModeleGraphBarre {
    Q_OBJECT

public:
    explicit TGraphBarre(QWidget* Parent = nullptr);
    TModeleGraphe& Modele() override { return *this; }
    int GetLargeur() const override { return width(); }
    int GetHauteur() const override { return height(); }

protected:
    void Repeint() override { update(); }
};

// Draws the chart on a picture of its size filled with Fond and saves it as
// the program folder's Temp/<Nom>.png (the folder made when missing; an
// existing file replaced). False when the folder or the file cannot be written.
bool SauveGraphePng(TGraphe& Graphe, const std::string& Nom, TColor Fond);
// Two charts on one picture filled with Fond, the second under the first.
QImage ImageDeuxGraphes(TGraphe& Haut, TGraphe& Bas, TColor Fond);
// Saves a chart picture the same way, as Temp/<Nom>.png.
bool SauveImagePng(const QImage& Image, const std::string& Nom);
