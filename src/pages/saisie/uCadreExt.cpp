#include "pages/saisie/uCadreExt.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

template <class E> void Repond(E* event, const std::function<bool(QObject*)>& accepte)
{
    if (event->source() && accepte && accepte(event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

} // namespace

uint16_t IdElementJoueur(const std::string& element)
{
    const TElementListe lu = LitElementListe(element);
    bool ok = false;
    const uint valeur = QString::fromStdString(lu.Numero).trimmed().toUInt(&ok, 16);
    return ok && valeur <= 0xFFFF ? static_cast<uint16_t>(valeur) : 0;
}

TCarton::TCarton(QWidget* parent) : TCadreDrop(parent)
{
    SetNumeroHex(true);
}

void TCarton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && MenuGenre && OnMenu) {
        OnMenu(this, event->globalPosition().toPoint());
        return;
    }
    // An empty tag has nothing to drag.
    SetDrag(!Text().empty());
    TCadreDrop::mousePressEvent(event);
}

void TCarton::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && OnDblClick)
        OnDblClick();
}

void TCarton::dragEnterEvent(QDragEnterEvent* event)
{
    Repond(event, OnAccepte);
}

void TCarton::dragMoveEvent(QDragMoveEvent* event)
{
    Repond(event, OnAccepte);
}

void TCarton::dropEvent(QDropEvent* event)
{
    if (event->source() && OnDepot && OnDepot(event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

TListeFeuille::TListeFeuille(QWidget* parent) : TListe(parent)
{
    SetNomLong(true);
    SetCanDrag(true);
    setAcceptDrops(true);
}

bool TListeFeuille::Selection(uint16_t& joueur, std::string& nom) const
{
    const int i = ItemIndex();
    if (i < 0 || i >= Nb())
        return false;
    const std::string element = Texte(i);
    joueur = IdElementJoueur(element);
    nom = LitElementListe(element).Nom;
    return true;
}

bool TListeFeuille::SelectionneJoueur(uint16_t joueur)
{
    for (int i = 0; i < Nb(); ++i)
        if (IdElementJoueur(Texte(i)) == joueur) {
            SetItemIndex(i);
            return true;
        }
    return false;
}

void TListeFeuille::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && OnMenu) {
        OnMenu(event->globalPosition().toPoint());
        return;
    }
    TListe::mousePressEvent(event);
}

void TListeFeuille::mouseDoubleClickEvent(QMouseEvent* event)
{
    TListe::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && OnDblClick)
        OnDblClick();
}

void TListeFeuille::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && OnDblClick) {
        OnDblClick();
        return;
    }
    TListe::keyPressEvent(event);
}

void TListeFeuille::dragEnterEvent(QDragEnterEvent* event)
{
    Repond(event, OnAccepte);
}

void TListeFeuille::dragMoveEvent(QDragMoveEvent* event)
{
    Repond(event, OnAccepte);
}

void TListeFeuille::dropEvent(QDropEvent* event)
{
    if (event->source() && OnDepot && OnDepot(event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}
