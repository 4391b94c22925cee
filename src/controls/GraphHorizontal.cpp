#include "controls/GraphHorizontal.h"

#include "controls/CanevasQt.h"
#include "platform/Couleurs.h"

#include <QPainter>

TGraphHorizontal::TGraphHorizontal(QWidget* Parent) : QWidget(Parent) {}

void TGraphHorizontal::Remplit(const TSaison& Saison, const TDonneesChampionnat& Champ, uint16_t Equipe, int Joueur)
{
    TModeleGraphHorizontal::Remplit(Saison, Champ, Equipe, Joueur);
    setFixedHeight(HauteurGraphe());
    update();
}

QImage TGraphHorizontal::Image(TColor Fond)
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(VersQColor(Fond));
    QPainter P(&image);
    TCanevasQt Canevas(P, font());
    Dessine(Canevas, width());
    return image;
}

void TGraphHorizontal::paintEvent(QPaintEvent*)
{
    QPainter P(this);
    TCanevasQt Canevas(P, font());
    Dessine(Canevas, width());
}
