#include "controls/Editeur.h"

#include "platform/Couleurs.h"

#include <QEvent>
#include <QPainter>

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
    double Echelle = Dpi > 0 ? Dpi / 96.0 : 1.0;
    QFont Police = font();
    Police.setPixelSize(PixelsDePoints(14));
    TCanevasQt Canevas(Painter, Police, Echelle);
    Canevas.SetCrayon(0, 1);
    Dessine(Canevas, Rect(0, 0, static_cast<int>(Page.width() / Echelle), static_cast<int>(Page.height() / Echelle)),
            true);
}

void TEditeur::Imprime()
{
    ImprimeUnePage(false, [this](QPainter& P, const QRect& Page, int Dpi) { ImprimeSur(P, Page, Dpi); });
}
