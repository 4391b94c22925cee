#include "controls/HotLabel.h"

#include <QMouseEvent>

THotLabel::THotLabel(QWidget* Parent) : QLabel(Parent)
{
    setMouseTracking(true);
}

THotLabel::THotLabel(const QString& Texte, QWidget* Parent) : QLabel(Texte, Parent)
{
    setMouseTracking(true);
}

void THotLabel::Survole(bool Dessus)
{
    QFont Police = font();
    if (Police.underline() != Dessus) {
        Police.setUnderline(Dessus);
        setFont(Police);
    }
    if (Dessus)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void THotLabel::enterEvent(QEnterEvent* Event)
{
    Survole(true);
    QLabel::enterEvent(Event);
}

void THotLabel::mouseMoveEvent(QMouseEvent* Event)
{
    Survole(true);
    QLabel::mouseMoveEvent(Event);
}

void THotLabel::leaveEvent(QEvent* Event)
{
    Survole(false);
    QLabel::leaveEvent(Event);
}

void THotLabel::mouseReleaseEvent(QMouseEvent* Event)
{
    QLabel::mouseReleaseEvent(Event);
    if (Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint())) {
        emit clicked();
        if (OnClick)
            OnClick();
    }
}
