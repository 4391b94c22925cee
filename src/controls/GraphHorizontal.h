#pragma once

// The match-history graph control of the player card: the model
// TModeleGraphHorizontal painted on the screen through the canvas.

#include "presentation/GraphHorizontal.h"

#include <QImage>
#include <QWidget>

class TGraphHorizontal : public QWidget, public TModeleGraphHorizontal {
    Q_OBJECT

public:
    explicit TGraphHorizontal(QWidget* Parent = nullptr);

    // Fills the lines and takes the height they ask for.
    void Remplit(const TSaison& Saison, const TDonneesChampionnat& Champ, uint16_t Equipe, int Joueur);
    // The graph drawn on a picture of the control's size filled with Fond.
    QImage Image(TColor Fond);

protected:
    void paintEvent(QPaintEvent* Event) override;
};
