#pragma once

// The team statistics page's route on paper: the home and away matches in
// framed columns side by side on a portrait page.

#include <QString>

#include <vector>

class QPainter;
class QRect;

// One column of the printed route: its title and its match lines.
struct TColonneParcours {
    QString Titre;
    std::vector<QString> Lignes;
};

// The columns side by side and whole within Page, at the painter's font size
// or the largest smaller one that holds them; past the readable floor the
// lines keep their start and end with an ellipsis.
void ImprimeParcours(QPainter& P, const QRect& Page, std::vector<TColonneParcours> Colonnes);
