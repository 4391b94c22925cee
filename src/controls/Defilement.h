#pragma once

// What moves a scrolled content besides dragging its bar: the wheel, and the
// arrow, page, Home and End keys, as the bar itself takes them.

class QScrollBar;
class QWheelEvent;
class QWidget;

// The wheel turned over the content: false when the bar did not move (at its
// end, or hidden), so that the event goes on to the parent.
bool DefileParMolette(QScrollBar& Barre, QWheelEvent* Event);

// Up and Down a step, Page Up and Page Down a page, Home and End to either
// end: false for any other key, or when the bar is hidden.
bool DefileParTouche(QScrollBar& Barre, int Touche);

// The wheel over Panneau, or over a control inside it that leaves the wheel
// alone, moves its vertical bar, or the horizontal one when it is the only
// one shown.
void DefileALaMolette(QWidget& Panneau, QScrollBar& Verticale, QScrollBar& Horizontale);
