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

namespace {

QFont PoliceImpression(const QFont& Base)
{
    QFont Police = Base;
    Police.setPixelSize(PixelsDePoints(14));
    return Police;
}

} // namespace

void TEditeur::ImprimeSur(QPainter& Painter, const QRect& Page, int Dpi)
{
    double Echelle = Dpi > 0 ? Dpi / 96.0 : 1.0;
    TCanevasQt Canevas(Painter, PoliceImpression(font()), Echelle);
    Canevas.SetCrayon(0, 1);
    Dessine(Canevas, Rect(0, 0, static_cast<int>(Page.width() / Echelle), static_cast<int>(Page.height() / Echelle)),
            true);
}

void TEditeur::Imprime()
{
    // A report longer than the page goes on over further pages, rows whole on each.
    ImprimePages(false, [this](QPainter& P, const QRect& Page, int Dpi, int Numero) {
        double Echelle = Dpi > 0 ? Dpi / 96.0 : 1.0;
        TCanevasQt Canevas(P, PoliceImpression(font()), Echelle);
        Canevas.SetCrayon(0, 1);
        const TRect Zone =
            Rect(0, 0, static_cast<int>(Page.width() / Echelle), static_cast<int>(Page.height() / Echelle));
        const int ParPage = std::max(1, (Zone.Height() - MargeHaut) / HauteurRangee(Canevas, true));
        const int Rangees = Dessine(Canevas, Zone, true, Numero * ParPage, ParPage);
        return (Numero + 1) * ParPage < Rangees;
    });
}
