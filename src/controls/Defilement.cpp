#include "controls/Defilement.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QWheelEvent>

bool DefileParMolette(QScrollBar& Barre, QWheelEvent* Event)
{
    if (Barre.isHidden())
        return false;
    QCoreApplication::sendEvent(&Barre, Event);
    return Event->isAccepted();
}

bool DefileParTouche(QScrollBar& Barre, int Touche)
{
    if (Barre.isHidden())
        return false;
    const bool Vertical = Barre.orientation() == Qt::Vertical;
    QAbstractSlider::SliderAction Action;
    switch (Touche) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        if (Vertical != (Touche == Qt::Key_Up))
            return false;
        Action = QAbstractSlider::SliderSingleStepSub;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        if (Vertical != (Touche == Qt::Key_Down))
            return false;
        Action = QAbstractSlider::SliderSingleStepAdd;
        break;
    case Qt::Key_PageUp:
        Action = QAbstractSlider::SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        Action = QAbstractSlider::SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        Action = QAbstractSlider::SliderToMinimum;
        break;
    case Qt::Key_End:
        Action = QAbstractSlider::SliderToMaximum;
        break;
    default:
        return false;
    }
    Barre.triggerAction(Action);
    return true;
}
