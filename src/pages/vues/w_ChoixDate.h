#pragma once

// The date chooser: a month calendar opened on today's date; Valider keeps
// the date shown, Annuler leaves the caller's date alone.

#include "base/Horloge.h"
#include "platform/Dialogues.h"

class QCalendarWidget;
class TBoutonCopie;

class Tf_ChoixDate : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_ChoixDate(QWidget* parent = nullptr);

    void BoutonCopie1Click();

    // The date chosen by Valider (today's until then), at midnight.
    TDateHeure Date;

    TBoutonCopie* BoutonCopie1;
    TBoutonCopie* BoutonCopie2;
    QCalendarWidget* mc_date;
};
