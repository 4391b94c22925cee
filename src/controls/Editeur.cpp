#include "controls/Editeur.h"

#include "platform/Couleurs.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

TEditeur::TEditeur(QWidget* Parent) : QWidget(Parent), Mesure_(font())
{
    SetMesure(&Mesure_);
    resize(100, 100);
}

TEditeur::~TEditeur()
{
    SetMesure(nullptr);
}

void TEditeur::SetCouleur(TColor Couleur)
{
    Couleur_ = Couleur;
    update();
}

void TEditeur::paintEvent(QPaintEvent*)
{
    QPainter P(this);
    P.fillRect(rect(), VersQColor(Couleur_));
    TCanevasQt Canevas(P, font());
    Dessine(Canevas, Rect(0, 0, width(), height()), false);
}

void TEditeur::changeEvent(QEvent* Event)
{
    if (Event->type() == QEvent::FontChange)
        Mesure_.SetPolice(font());
    QWidget::changeEvent(Event);
}

void TEditeur::AppliqueHauteur(int Hauteur)
{
    if (Hauteur != height())
        resize(width(), Hauteur);
}

void TEditeur::ImprimeSur(QPainter& Painter, const QRect& Page, int Dpi)
{
    TPapierQt Papier(Painter, Page, Dpi, font(), PointsImpressionRapport);
    Dessine(Papier.Canevas, Papier.Zone, true);
}

void TEditeur::Imprime()
{
    // A report longer than the page goes on over further pages, rows whole on each.
    ImprimePages(false, [this](QPainter& P, const QRect& Page, int Dpi, int Numero) {
        TPapierQt Papier(P, Page, Dpi, font(), PointsImpressionRapport);
        const int ParPage = std::max(1, (Papier.Zone.Height() - MargeHaut) / HauteurRangee(Papier.Canevas, true));
        const int Rangees = Dessine(Papier.Canevas, Papier.Zone, true, Numero * ParPage, ParPage);
        return (Numero + 1) * ParPage < Rangees;
    });
}
