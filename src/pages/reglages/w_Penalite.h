#pragma once

// The penalties page: the points each team of the current championship is
// given or docked outside its results, and the box through which the user
// adds to or takes from a team's adjustment.

#include "pagebase/DefType.h"

#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class TColorStringGrid;

class Tf_Penalite : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_Penalite(QWidget* parent = nullptr);
    ~Tf_Penalite() override;

    // Fills the grid and the team chooser from the current championship.
    void FormShow();
    // Adds the number of the box to the chosen team's adjustment.
    void b_AjouterClick();

    QComboBox* cb_Equipe; // team names, the team id as item data
    QSpinBox* e_Point;    // the number box with its up-down (ud_Point)
    QLabel* Label1;
    QPushButton* b_Ajouter;
    QScrollArea* sb_Tableau;
    TColorStringGrid* sg_Penalite;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    // Centres the grid across the box; at the top when the box is not much taller.
    void PlaceTableau();

    QWidget* Contenu;
};

// Registers the setup pages' commands.
void EnregistrePagesReglages();
