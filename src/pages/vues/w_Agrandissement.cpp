#include "pages/vues/w_Agrandissement.h"

#include "controls/ColorStringGrid.h"

#include <QEvent>
#include <QVBoxLayout>

Tf_Agrandissement::Tf_Agrandissement(QWidget* parent) : TDialogue(parent)
{
    sg_TabPart = new TColorStringGrid(this);
    auto* Boite = new QVBoxLayout(this);
    Boite->setContentsMargins(0, 0, 0, 0);
    Boite->addWidget(sg_TabPart);
    // The grid takes the clicks before the form would see them.
    sg_TabPart->installEventFilter(this);
    sg_TabPart->viewport()->installEventFilter(this);
}

void Tf_Agrandissement::FormMouseDown()
{
    SetModalResult(ResultatModal::Annuler);
}

void Tf_Agrandissement::mousePressEvent(QMouseEvent*)
{
    FormMouseDown();
}

bool Tf_Agrandissement::eventFilter(QObject* objet, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        FormMouseDown();
        return true;
    }
    return TDialogue::eventFilter(objet, event);
}
