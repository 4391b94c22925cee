#pragma once

#include <QImage>
#include <QTreeWidget>

#include <vector>

// A tree whose nodes carry a check state: 1 unchecked, 2 checked, and the
// grey states 3 (unchecked) and 4 (checked) that no click changes. A click on
// the state picture, or Space on the selected node, toggles a node; with
// Recursive the change spreads to the node's descendants, and the direct
// parent follows its children.
class TTreeViewCombo : public QTreeWidget {
    Q_OBJECT
public:
    enum TEtat { Aucun = 0, NonCoche = 1, Coche = 2, NonCocheGris = 3, CocheGris = 4 };

    explicit TTreeViewCombo(QWidget* parent = nullptr);

    bool Recursive() const { return FRecursive; }
    void SetRecursive(bool valeur) { FRecursive = valeur; }

    int Etat(const QTreeWidgetItem* noeud) const;
    // Sets a state without spreading it.
    void SetEtat(QTreeWidgetItem* noeud, int etat);
    // Etat -1 is the user's own toggle; any other value is spread from above.
    void ChangeEtat(QTreeWidgetItem* noeud, int etat);

    // The state pictures, indexed by state (0 is empty).
    const std::vector<QImage>& ImagesEtat() const { return FImages; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool SurImageEtat(const QTreeWidgetItem* noeud, QPoint position) const;

    bool FRecursive = false;
    std::vector<QImage> FImages;
};
