#pragma once

// The penalty shoot-out question of a level cup tie: the two teams and the
// goals each scored in the shoot-out. In: Tag = id1 << 16 + id2; out (modal
// result OK): Tag = goals of team 1 << 16 + goals of team 2.

#include "platform/Dialogues.h"

#include <cstdint>

class QLabel;
class TBoutonCopie;
class TCadre;
class TContexteSaison;
class TEditRond;
class TFondCopie;

class Tf_Penaltys : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_Penaltys(QWidget* parent = nullptr);

    // Shows the two teams of Tag and 0 - 0 (done when the form is shown).
    void FormShow();
    // Validates when the two goal counts differ: a shoot-out cannot end level.
    void bc_ValiderClick();

    const TContexteSaison* Saison = nullptr; // not owned
    int Tag = 0;

    TFondCopie* Fond;
    QLabel* Label1;
    TCadre* Cadre1;
    TCadre* Cadre2;
    TEditRond* EditRond1;
    TEditRond* EditRond2;
    TBoutonCopie* bc_Valider;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

// Asks the shoot-out of id1 - id2 through the dialog service: (goals 1 << 16)
// + goals 2, 0 when the form was closed without validating.
// The form is centred on the window of `parent` when one is given.
int DemandeTirsAuBut(const TContexteSaison* saison, uint16_t id1, uint16_t id2, QWidget* parent = nullptr);
