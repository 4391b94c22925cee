#pragma once

// A page control that paints its own background colour and lets its owner
// draw every tab (OnDrawTab); without an owner drawing, tabs are drawn as usual.

#include "base/Utilities.h"

#include <QTabBar>
#include <QTabWidget>

#include <functional>

class TOwnerPageControl;

class TBarreOnglets : public QTabBar {
    Q_OBJECT

public:
    explicit TBarreOnglets(TOwnerPageControl& Controle);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    TOwnerPageControl& Controle_;
};

class TOwnerPageControl : public QTabWidget {
    Q_OBJECT

public:
    explicit TOwnerPageControl(QWidget* Parent = nullptr);

    TColor GetCouleur() const { return Couleur_; }
    void SetCouleur(TColor Couleur);

    // Draws tab Index in Rect; Actif for the current tab, Focus when the control has the focus.
    std::function<void(QPainter& Painter, int Index, const QRect& Rect, bool Actif, bool Focus)> OnDrawTab;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    TColor Couleur_ = 0xF0F0F0;
};
