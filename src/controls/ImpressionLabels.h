#pragma once

// Labels and short texts on paper: the figures boxes of the statistics pages
// print their captions and values where the panel shows them, scaled to the
// room the page gives the box; each text keeps within its own place.

#include <QFont>
#include <QRect>
#include <QString>

class QFontMetricsF;
class QPaintDevice;
class QPainter;
class QWidget;

// A text to print in Place with Drapeaux (Qt's alignment and wrapping flags).
struct TTexteImprime {
    QFont Police;
    QRect Place;
    int Drapeaux = 0;
    QString Texte;
};

// Sets the text's font to the largest size from Base down to the readable
// floor at which it holds in its place on Appareil. Past the floor its lines
// are no longer wrapped: each keeps its start, cut with an ellipsis, and the
// lines the place has no height for are left out, an ellipsis telling so.
void AjusteTexteImprime(TTexteImprime& Texte, int Base, const QPaintDevice* Appareil);
// Draws the text in its font and place, in the painter's pen.
void ImprimeTexte(QPainter& Canvas, const TTexteImprime& Texte);
// Texte alone in Boite in the painter's font at size Base, or smaller to hold
// there (AjusteTexteImprime); the painter's font is left as it was.
void ImprimeTexteAjuste(QPainter& Canvas, int Base, const QRect& Boite, int Drapeaux, const QString& Texte);
// The start of Texte and an ellipsis, within Largeur pixels in Mesure's font.
QString AbregeQt(const QString& Texte, int Largeur, const QFontMetricsF& Mesure);

// Prints Panneau's shown QLabel children into Rect of the canvas, their places
// scaled from the panel's size, framed, in black at the labels' print size or
// less: each label as much less as its own text needs (AjusteTexteImprime).
void ImprimeLabelsPanneau(QPainter& Canvas, const QWidget& Panneau, const QRect& Rect);
