#pragma once

// The cup rounds dialog: how many rounds, and per round its matches and type.

#include "platform/Dialogues.h"
#include "presentation/CreationCoupe.h"

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QSpinBox;
class TBoutonCopie;

class Tf_CreationCoupe : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_CreationCoupe(QWidget* parent = nullptr);

    TCreationCoupe& Coupe() { return FCoupe; }
    void e_nTourChange();
    void b_ValiderClick();

    QLineEdit* e_NomCoupe;
    QSpinBox* e_nTour;
    QComboBox* cb_TypeMatchs;
    QScrollArea* FondScroll1;
    std::vector<QLabel*> Libelles;
    std::vector<QSpinBox*> Matchs;
    std::vector<QComboBox*> Types;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;

private:
    void AfficheLignes();

    TCreationCoupe FCoupe;
    QWidget* FLignes;
};
