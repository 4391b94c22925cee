#pragma once

#include "platform/Dialogues.h"

class TBoutonCopie;
class TFondCopie;
class TRondCoche;

// The choice offered at start-up: load the last file, open a file or start a
// new one. The main window enables the options and reads the checked one.
class Tf_Ouverture : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_Ouverture(QWidget* parent = nullptr);

    TFondCopie* fc_Principale;
    TRondCoche* rb_Last;
    TRondCoche* rb_Ouvrir;
    TRondCoche* rb_Nouveau;
    TBoutonCopie* bc_Oui;

protected:
    void showEvent(QShowEvent* event) override;
};
