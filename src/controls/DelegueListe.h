#pragma once

// How a TListe draws its items: the name alone, in the colour of its code,
// cut with an ellipsis when the list is narrower, whole in its tip.

#include <QStyledItemDelegate>

class TListe;

// Where an item keeps its whole text (number and colour code included) and its object.
inline constexpr int RoleTexte = Qt::UserRole;
inline constexpr int RoleObjet = Qt::UserRole + 1;

class TDelegueListe : public QStyledItemDelegate {
public:
    explicit TDelegueListe(TListe* liste);

    void paint(QPainter* canvas, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* vue, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override;

private:
    QRect Zone(const QStyleOptionViewItem& option) const;
    QString Montre(const QModelIndex& index) const;

    TListe* FListe;
};
