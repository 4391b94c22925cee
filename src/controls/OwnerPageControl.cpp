#include "controls/OwnerPageControl.h"

#include "platform/Couleurs.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionTab>
#include <QStylePainter>

TBarreOnglets::TBarreOnglets(TOwnerPageControl& Controle) : QTabBar(&Controle), Controle_(Controle) {}

void TBarreOnglets::paintEvent(QPaintEvent* Event)
{
    if (!Controle_.OnDrawTab) {
        QTabBar::paintEvent(Event);
        return;
    }
    QStylePainter P(this);
    P.fillRect(Event->rect(), VersQColor(Controle_.GetCouleur()));
    for (int I = 0; I < count(); ++I) {
        QRect R = tabRect(I);
        if (!R.intersects(Event->rect()))
            continue;
        P.save();
        P.setClipRect(R);
        Controle_.OnDrawTab(P, I, R, I == currentIndex(), I == currentIndex() && hasFocus());
        P.restore();
    }
}

TOwnerPageControl::TOwnerPageControl(QWidget* Parent) : QTabWidget(Parent)
{
    setTabBar(new TBarreOnglets(*this));
    setAutoFillBackground(false);
}

void TOwnerPageControl::SetCouleur(TColor Couleur)
{
    Couleur_ = Couleur;
    update();
    tabBar()->update();
}

void TOwnerPageControl::paintEvent(QPaintEvent* Event)
{
    QPainter P(this);
    P.fillRect(Event->rect(), VersQColor(Couleur_));
    QTabWidget::paintEvent(Event);
}
