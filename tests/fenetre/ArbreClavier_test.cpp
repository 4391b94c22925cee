// The menu tree walked with the keyboard alone, as a user without a mouse
// does: each entry the arrow reaches runs, each dialog it opens is closed by
// Escape, and the walk goes on to the last entry.

#include "fenetre/FenetreReelle.h"

#include <QApplication>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <string>

namespace {

using namespace fenetretest;

TEST_F(FenetreReelle, LArbreSeParcourtAuClavierJusquALaDerniereEntree)
{
    Demarre();
    Ouvre(Fichier);
    QTreeWidget* arbre = Fenetre->tv_Menu;
    QTreeWidgetItem* fichier = arbre->topLevelItem(0);
    ASSERT_NE(fichier, nullptr);
    // The file entries would close the season or end the program: their
    // heading stays closed, and the walk steps over them.
    fichier->setExpanded(false);
    Clique(*arbre->viewport(), arbre->visualItemRect(fichier).center());
    ASSERT_TRUE(Attend([&] { return arbre->currentItem() == fichier && arbre->hasFocus(); }));

    int pas = 0;
    int dialogues = 0;
    std::string dernier;
    for (; pas < 400; ++pas) {
        QTreeWidgetItem* courant = arbre->currentItem();
        ASSERT_NE(courant, nullptr) << "after " << dernier;
        if (courant != fichier && courant->childCount() > 0 && !courant->isExpanded()) {
            Touche(Qt::Key_Right);
            ASSERT_TRUE(Attend([&] { return courant->isExpanded(); })) << courant->text(0).toStdString();
        }
        if (arbre->itemBelow(courant) == nullptr)
            break;
        dernier = courant->text(0).toStdString();
        const std::size_t formes = Surveilles.Formes.size();
        Touche(Qt::Key_Down);
        ASSERT_TRUE(Attend([] { return QApplication::activeModalWidget() == nullptr; }));
        if (Surveilles.Formes.size() > formes) {
            ++dialogues;
            Active();
        }
        // Back on the entry before, the next arrow would run this one again.
        ASSERT_NE(arbre->currentItem(), courant) << "the arrow did not move on from " << dernier;
        // Whatever the entry showed, the next arrow is for the tree.
        if (!arbre->hasFocus())
            ADD_FAILURE() << "the focus left the tree after " << dernier;
        arbre->setFocus();
        ASSERT_TRUE(Attend([&] { return arbre->hasFocus(); }));
    }
    EXPECT_LT(pas, 400) << "the walk is stuck after " << dernier;
    EXPECT_GT(dialogues, 5);
    EXPECT_EQ(EtatDocument(), "");
    EXPECT_TRUE(Surveilles.Blocages.empty());
}

} // namespace
