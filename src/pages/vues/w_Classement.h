#pragma once

// The standings page: one kind of standings of the current championship over
// a range of match days, with a tab per team group, the legends of the
// English and fair-play tables, the venue popup of the attack, defence and
// match-situation standings and the day-range popup of the general, home and
// away standings. The engine fills the grid; the page picks the kind, the
// range, the teams shown and what a click opens. Also the day-range dialog.

#include "platform/Dialogues.h"

#include <string>

class QLineEdit;
class TBoutonCopie;
class TSaison;

// The day-range dialog: from and to days of the current championship; on
// Valider the range is in Tag (last day + first day shl 8) and the result is
// OK, anything that is not a range of played days gives Cancel.
class Tf_Choixclass : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_Choixclass(TSaison* Saison, QWidget* parent = nullptr);

    void BoutonCopie1Click();
    void BoutonCopie3Click();
    void BoutonCopie4Click();
    void BoutonCopie5Click();
    void BoutonCopie6Click();

    int Tag = 0;

    QLineEdit* Edit1;
    QLineEdit* Edit2;
    TBoutonCopie* BoutonCopie1;
    TBoutonCopie* BoutonCopie2;
    TBoutonCopie* BoutonCopie3;
    TBoutonCopie* BoutonCopie4;
    TBoutonCopie* BoutonCopie5;
    TBoutonCopie* BoutonCopie6;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Remplit(int de, int a);

    int DerniereJournee = 0;
    int NbEquipe = 0;
};
