#pragma once

// The window listing the problems found in a match day's entries: the summary,
// one coloured line per problem in a scrolling area, and "Continue".

#include "engine/ControleCalendrier.h"
#include "platform/Dialogues.h"

#include <QRect>

#include <string>

class QLabel;
class TBoutonCopie;
class TFondCopie;
class TFondScroll;

class Tf_Validation : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_Validation(QWidget* parent = nullptr);

    // Replaces the lines of the list by those of the check and shows its summary.
    void Remplit(const ControleCalendrier::TVerification& verification);
    // The labels of the list, in order.
    std::vector<QLabel*> Lignes() const;
    // The room on the screen the window shows on.
    QRect ZoneEcran() const;

    TFondCopie* Fond;
    QLabel* Label1;
    QLabel* Label2;
    TFondScroll* FondScroll1;
    TBoutonCopie* BoutonCopie2;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // No control of the window takes the keys: the list scrolls with them.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Dispose(int largeur);
};

// Shows the check of a day modally through the dialog service.
// The window is centred on the window of `parent` when one is given; a title
// replaces the day check's own (the check of a whole calendar).
void AfficheVerification(const ControleCalendrier::TVerification& verification, QWidget* parent = nullptr,
                         const std::string& titre = {});
