#pragma once

// The node chooser: one line per configuration of the championship catalogue
// (or per "configuration : division"); a double click, or Enter on a line, chooses.

#include "platform/Dialogues.h"

class QLabel;
class QListWidget;

class Tf_ChoixNoeud : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_ChoixNoeud(QWidget* parent = nullptr);

    // The catalogue's configurations, or its divisions with `divisions`; each
    // line carries its id + 1.
    void RemplitListe(bool divisions);
    // Drops the list's first line, the first time only.
    void Reinitialise();
    // Chooses line `ligne` and closes with OK; nothing for a line that is not there.
    void lb_TexteDblClick(int ligne);

    // The chosen value: the line's id, or for a line without one its index
    // (plus 1 once reinitialised); -1 before a choice.
    int Choix = -1;

    QLabel* Label1;
    QListWidget* lb_Texte;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    bool FReinitialise = false;
};
