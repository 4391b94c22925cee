#pragma once

// The draggable player tag of the match sheets' event rows, and the squad
// list the sheets pick players from. Both ask their page what a drop would
// do and hand it the drop; the page's model keeps the rows.

#include "controls/ImageFond.h"

#include <cstdint>
#include <functional>
#include <string>

class QMenu;
struct TSourceGlisse;

// A tag of row Ligne (0-based) of list Liste of its page.
class TCarton : public TCadreDrop {
    Q_OBJECT
public:
    explicit TCarton(QWidget* parent = nullptr);

    int Liste = 0;
    int Ligne = 0;
    uint32_t TagCarton = 0; // row shl 16 + kind flags + column, as the model has it
    QMenu* MenuGenre = nullptr;

    // What a drop from Source would do, and doing it (false: refused).
    std::function<bool(QObject* source)> OnAccepte;
    std::function<bool(QObject* source)> OnDepot;
    // A right click on a tag with a menu.
    std::function<void(TCarton* carton, QPoint global)> OnMenu;
    std::function<void()> OnDblClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// A squad of the match sheets: side 1 home, 2 away.
class TListeFeuille : public TListe {
    Q_OBJECT
public:
    explicit TListeFeuille(QWidget* parent = nullptr);

    int Cote = 1;
    std::function<bool(QObject* source)> OnAccepte;
    std::function<bool(QObject* source)> OnDepot;
    std::function<void()> OnDblClick;
    std::function<void(QPoint global)> OnMenu;

    // The selected item's player id (characters 2 to 5, hexadecimal) and
    // name (from character 7 on); false when none is selected.
    bool Selection(uint16_t& joueur, std::string& nom) const;
    // Selects the item of that player; false when it is not listed.
    bool SelectionneJoueur(uint16_t joueur);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// The player id of a squad item, 0 when it has none.
uint16_t IdElementJoueur(const std::string& element);
