#pragma once

#include "platform/Dialogues.h"

#include <string>

class QLabel;
class TBoutonCopie;

// The about box: the product's name and version, a short description and the
// contact lines. The caller sets Version before showing it.
class Tf_AboutBox : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_AboutBox(QWidget* parent = nullptr);

    // Fills the version and product lines (run when the box is shown).
    void FormActivate();

    std::string Version;

    QLabel* VersionLabel;
    QLabel* ProductName;
    QLabel* Copyright;
    QLabel* Comments;
    QLabel* Label1;
    QLabel* Label2;
    TBoutonCopie* BoutonCopie1;

protected:
    void showEvent(QShowEvent* event) override;
};
