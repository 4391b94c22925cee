#pragma once

// A table shown enlarged in a window of its own; the page that opens it fills
// the grid and sizes the window. The first click anywhere closes it.

#include "platform/Dialogues.h"

class TColorStringGrid;

class Tf_Agrandissement : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_Agrandissement(QWidget* parent = nullptr);

    void FormMouseDown();

    TColorStringGrid* sg_TabPart;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;
};
