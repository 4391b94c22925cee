#include "controls/Defilement.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include <utility>

namespace {

class TMolette : public QObject {
public:
    TMolette(QWidget& Panneau, QScrollBar& Verticale, QScrollBar& Horizontale)
        : QObject(&Panneau), Panneau_(Panneau), Verticale_(Verticale), Horizontale_(Horizontale)
    {
    }
    bool eventFilter(QObject* Objet, QEvent* Event) override
    {
        if (Event->type() != QEvent::Wheel)
            return QObject::eventFilter(Objet, Event);
        QScrollBar& Barre =
            Verticale_.isVisibleTo(&Panneau_) || !Horizontale_.isVisibleTo(&Panneau_) ? Verticale_ : Horizontale_;
        return DefileParMolette(Barre, static_cast<QWheelEvent*>(Event));
    }

private:
    QWidget& Panneau_;
    QScrollBar& Verticale_;
    QScrollBar& Horizontale_;
};

} // namespace

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
    const std::pair<int, QAbstractSlider::SliderAction> Actions[] = {
        {Vertical ? Qt::Key_Up : Qt::Key_Left, QAbstractSlider::SliderSingleStepSub},
        {Vertical ? Qt::Key_Down : Qt::Key_Right, QAbstractSlider::SliderSingleStepAdd},
        {Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub},
        {Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd},
        {Qt::Key_Home, QAbstractSlider::SliderToMinimum},
        {Qt::Key_End, QAbstractSlider::SliderToMaximum},
    };
    for (const auto& [T, Action] : Actions)
        if (T == Touche) {
            Barre.triggerAction(Action);
            return true;
        }
    return false;
}

void DefileALaMolette(QWidget& Panneau, QScrollBar& Verticale, QScrollBar& Horizontale)
{
    Panneau.installEventFilter(new TMolette(Panneau, Verticale, Horizontale));
}
