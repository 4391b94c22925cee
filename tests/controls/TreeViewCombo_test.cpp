#include "controls/TreeViewCombo.h"
#include "support_ui/RenduPng.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

QTreeWidgetItem* Noeud(TTreeViewCombo& arbre, QTreeWidgetItem* parent, const char* texte, int etat)
{
    auto* noeud = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(&arbre);
    noeud->setText(0, texte);
    arbre.SetEtat(noeud, etat);
    return noeud;
}

} // namespace

TEST(TreeViewCombo, BasculeEtParent)
{
    TTreeViewCombo arbre;
    QTreeWidgetItem* racine = Noeud(arbre, nullptr, "Fichier", 1);
    QTreeWidgetItem* a = Noeud(arbre, racine, "Ouvrir", 2);
    QTreeWidgetItem* b = Noeud(arbre, racine, "Enregistrer", 1);
    QTreeWidgetItem* gris = Noeud(arbre, racine, "Quitter", 4);
    // Toggling the last unchecked child checks the parent.
    arbre.ChangeEtat(b, -1);
    EXPECT_EQ(arbre.Etat(b), 2);
    EXPECT_EQ(arbre.Etat(racine), 2);
    arbre.ChangeEtat(a, -1);
    EXPECT_EQ(arbre.Etat(a), 1);
    EXPECT_EQ(arbre.Etat(racine), 1) << "an unchecked child unchecks the parent";
    arbre.ChangeEtat(gris, -1);
    EXPECT_EQ(arbre.Etat(gris), 4) << "a grey node never changes";
    // Space on the selected node toggles it.
    arbre.setCurrentItem(a);
    QTest::keyClick(&arbre, Qt::Key_Space);
    EXPECT_EQ(arbre.Etat(a), 2);
    EXPECT_EQ(arbre.Etat(racine), 2);
}

TEST(TreeViewCombo, PropagationRecursive)
{
    TTreeViewCombo arbre;
    arbre.SetRecursive(true);
    QTreeWidgetItem* racine = Noeud(arbre, nullptr, "Vues", 1);
    QTreeWidgetItem* a = Noeud(arbre, racine, "Classement", 1);
    QTreeWidgetItem* b = Noeud(arbre, racine, "Buteurs", 2);
    QTreeWidgetItem* c = Noeud(arbre, b, "Par équipe", 1);
    QTreeWidgetItem* gris = Noeud(arbre, racine, "Historique", 3);
    QTreeWidgetItem* sousGris = Noeud(arbre, gris, "Saisons", 1);
    arbre.ChangeEtat(racine, -1);
    EXPECT_EQ(arbre.Etat(racine), 2);
    EXPECT_EQ(arbre.Etat(a), 2);
    EXPECT_EQ(arbre.Etat(b), 2) << "already checked: unchanged";
    EXPECT_EQ(arbre.Etat(c), 2) << "the value spreads through it";
    EXPECT_EQ(arbre.Etat(gris), 3);
    EXPECT_EQ(arbre.Etat(sousGris), 2) << "a grey node passes the value on";
    arbre.SetRecursive(false);
    arbre.ChangeEtat(racine, -1);
    EXPECT_EQ(arbre.Etat(racine), 1);
    EXPECT_EQ(arbre.Etat(a), 2);
    arbre.expandAll();
    arbre.resize(220, 160);
    arbre.show();
    testsupport::RendPng(arbre, "arbre_a_trois_etats");
}

TEST(TreeViewCombo, UnClicSurLImageBascule)
{
    TTreeViewCombo arbre;
    QTreeWidgetItem* noeud = Noeud(arbre, nullptr, "Favoris", 1);
    arbre.resize(200, 100);
    arbre.show();
    QCoreApplication::processEvents();
    const QRect place = arbre.visualItemRect(noeud);
    QTest::mouseClick(arbre.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(place.left() + 120, place.center().y()));
    EXPECT_EQ(arbre.Etat(noeud), 1) << "a click on the text only selects";
    QTest::mouseClick(arbre.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(place.left() + 5, place.center().y()));
    EXPECT_EQ(arbre.Etat(noeud), 2);
}
