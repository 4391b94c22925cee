#pragma once

// Picks a match day of the current championship with a scroll bar.

#include "platform/Dialogues.h"

class QLineEdit;
class QScrollBar;
class TBoutonCopie;
class TSaison;

class Tf_ChoixJournee : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_ChoixJournee(QWidget* parent = nullptr);

    TSaison* Saison = nullptr; // not owned
    // In: the day to show; out: the chosen day.
    int Tag = 1;

    QLineEdit* Edit1;
    QScrollBar* ScrollBar1;
    TBoutonCopie* BoutonCopie1;
    TBoutonCopie* BoutonCopie2;

    void FormActivate();
    void ScrollBar1Change();
    void BoutonCopie1Click();

protected:
    void showEvent(QShowEvent* event) override;
};
