#include "controls/ArbreRetour.h"

#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTreeView>

#include <algorithm>

namespace {

// The item view alone would measure an entry on one endless line: the
// delegate gives it the width it has after its indentation.
class TDelegueRetour : public QStyledItemDelegate {
public:
    explicit TDelegueRetour(QTreeView* arbre) : QStyledItemDelegate(arbre), FArbre(arbre) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        int profondeur = FArbre->rootIsDecorated() ? 1 : 0;
        for (QModelIndex p = index.parent(); p.isValid(); p = p.parent())
            ++profondeur;
        // Measured as if the scroll bar were there, since opening a heading may
        // bring it without the rows being measured again.
        int largeur = FArbre->viewport()->width();
        if (!FArbre->verticalScrollBar()->isVisible())
            largeur -= FArbre->verticalScrollBar()->sizeHint().width();
        // The style wraps only within a valid rectangle: any height will do.
        o.rect = QRect(0, 0, std::max(1, largeur - profondeur * FArbre->indentation()), 1000);
        o.features |= QStyleOptionViewItem::WrapText;
        const QWidget* vue = FArbre;
        return vue->style()->sizeFromContents(QStyle::CT_ItemViewItem, &o, QSize(), vue);
    }

private:
    QTreeView* FArbre;
};

} // namespace

void RetourALaLigne(QTreeView& arbre)
{
    arbre.setWordWrap(true);
    arbre.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    arbre.setItemDelegate(new TDelegueRetour(&arbre));
}
