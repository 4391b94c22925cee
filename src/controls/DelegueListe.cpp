#include "controls/DelegueListe.h"

#include "controls/CanevasQt.h"
#include "controls/ImageFond.h"
#include "platform/Couleurs.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

TDelegueListe::TDelegueListe(TListe* liste) : QStyledItemDelegate(liste), FListe(liste) {}

void TDelegueListe::paint(QPainter* canvas, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selectionne = option.state & QStyle::State_Selected;
    const QPalette& palette = FListe->palette();
    canvas->fillRect(option.rect, selectionne ? palette.color(QPalette::Highlight) : palette.color(QPalette::Base));
    const std::string texte = index.data(RoleTexte).toByteArray().toStdString();
    QColor couleur = Qt::black;
    if (FListe->NomLong()) {
        const TElementListe element = LitElementListe(texte);
        couleur =
            VersQColor(element.CodeCouleur >= 0 && element.CodeCouleur < 16 ? CouleurCode(element.CodeCouleur) : 0);
    }
    if (selectionne)
        couleur = Qt::white;
    canvas->save();
    canvas->setFont(FListe->font());
    canvas->setPen(couleur);
    // A name wider than the list keeps its start, cut with an ellipsis:
    // centred, it would lose both ends.
    const QString montre = Montre(index);
    const QRect zone = Zone(option);
    const QFontMetrics mesure(FListe->font());
    if (mesure.horizontalAdvance(montre) > zone.width())
        DessineTexte(*canvas, zone, Qt::AlignLeft | Qt::AlignTop,
                     mesure.elidedText(montre, Qt::ElideRight, zone.width()));
    else
        DessineTexte(*canvas, zone, Qt::AlignHCenter | Qt::AlignTop, montre);
    canvas->restore();
}

// A cut name shows whole in its tip.
bool TDelegueListe::helpEvent(QHelpEvent* event, QAbstractItemView* vue, const QStyleOptionViewItem& option,
                              const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, vue, option, index);
    const QString montre = Montre(index);
    if (QFontMetrics(FListe->font()).horizontalAdvance(montre) > Zone(option).width())
        QToolTip::showText(event->globalPos(), montre, vue);
    else
        QToolTip::hideText();
    return true;
}

QSize TDelegueListe::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), FListe->ItemHeight());
}

// The part of the item's row that shows: a vertical bar that came after
// the rows were laid out takes the end of their width.
QRect TDelegueListe::Zone(const QStyleOptionViewItem& option) const
{
    QRect zone = option.rect;
    zone.setRight(std::min(zone.right(), FListe->viewport()->width() - 1));
    return zone;
}

// The item's name as the list shows it.
QString TDelegueListe::Montre(const QModelIndex& index) const
{
    const std::string texte = index.data(RoleTexte).toByteArray().toStdString();
    return QString::fromStdString(FListe->NomLong() ? LitElementListe(texte).Nom : texte);
}
