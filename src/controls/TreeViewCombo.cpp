#include "controls/TreeViewCombo.h"

#include "controls/ArbreRetour.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int RoleEtat = Qt::UserRole + 100;
constexpr int TailleImage = 13;

// The state pictures: a sunken square box, ticked or not, grey when locked.
QImage ImageCase(bool coche, bool gris)
{
    QImage image(TailleImage, TailleImage, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const QColor fond = gris ? QColor(0xD8, 0xD8, 0xD8) : Qt::white;
    const QColor trait = gris ? QColor(0x80, 0x80, 0x80) : QColor(0x1F, 0x3F, 0x8F);
    p.fillRect(0, 0, TailleImage, TailleImage, fond);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(0, 0, TailleImage - 1, 0);
    p.drawLine(0, 0, 0, TailleImage - 1);
    p.setPen(QColor(0xDF, 0xDF, 0xDF));
    p.drawLine(TailleImage - 1, 0, TailleImage - 1, TailleImage - 1);
    p.drawLine(0, TailleImage - 1, TailleImage - 1, TailleImage - 1);
    p.setPen(Qt::black);
    p.drawLine(1, 1, TailleImage - 2, 1);
    p.drawLine(1, 1, 1, TailleImage - 2);
    if (coche) {
        static constexpr int Departs[7] = {5, 6, 7, 6, 5, 4, 3};
        for (int i = 0; i < 7; ++i)
            p.fillRect(3 + i, Departs[i], 1, 3, trait);
    }
    return image;
}

} // namespace

TTreeViewCombo::TTreeViewCombo(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setIconSize(QSize(TailleImage, TailleImage));
    RetourALaLigne(*this);
    FImages = {QImage(), ImageCase(false, false), ImageCase(true, false), ImageCase(false, true),
               ImageCase(true, true)};
}

int TTreeViewCombo::Etat(const QTreeWidgetItem* noeud) const
{
    return noeud != nullptr ? noeud->data(0, RoleEtat).toInt() : Aucun;
}

void TTreeViewCombo::SetEtat(QTreeWidgetItem* noeud, int etat)
{
    if (noeud == nullptr || etat < Aucun || etat > CocheGris)
        return;
    noeud->setData(0, RoleEtat, etat);
    noeud->setIcon(0, etat == Aucun ? QIcon() : QIcon(QPixmap::fromImage(FImages[static_cast<std::size_t>(etat)])));
}

void TTreeViewCombo::ChangeEtat(QTreeWidgetItem* noeud, int etat)
{
    if (noeud == nullptr)
        return;
    const int avant = Etat(noeud);
    bool change = false;
    if ((avant == NonCoche || avant == Coche) && !(etat != -1 && avant == etat)) {
        SetEtat(noeud, 3 - avant);
        change = true;
    }
    if (FRecursive && (change || etat != -1)) {
        const int valeur = etat != -1 ? etat : Etat(noeud);
        for (int i = 0; i < noeud->childCount(); ++i)
            ChangeEtat(noeud->child(i), valeur);
    }
    if (etat != -1)
        return;
    QTreeWidgetItem* parent = noeud->parent();
    if (parent == nullptr)
        return;
    bool enfantImpair = false;
    for (int i = 0; i < parent->childCount(); ++i)
        enfantImpair = enfantImpair || (Etat(parent->child(i)) % 2 == 1);
    const int etatParent = Etat(parent);
    if (!enfantImpair && etatParent % 2 == 1)
        SetEtat(parent, etatParent + 1);
    else if (enfantImpair && etatParent != Aucun && etatParent % 2 == 0)
        SetEtat(parent, etatParent - 1);
}

bool TTreeViewCombo::SurImageEtat(const QTreeWidgetItem* noeud, QPoint position) const
{
    if (noeud == nullptr || Etat(noeud) == Aucun)
        return false;
    const QRect rect = visualItemRect(noeud);
    return position.x() >= rect.left() && position.x() < rect.left() + iconSize().width() + 6;
}

void TTreeViewCombo::mousePressEvent(QMouseEvent* event)
{
    QTreeWidgetItem* noeud = itemAt(event->position().toPoint());
    const bool surImage = event->button() == Qt::LeftButton && SurImageEtat(noeud, event->position().toPoint());
    QTreeWidget::mousePressEvent(event);
    if (surImage)
        ChangeEtat(noeud, -1);
}

void TTreeViewCombo::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && currentItem() != nullptr) {
        ChangeEtat(currentItem(), -1);
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
