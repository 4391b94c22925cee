// What the main window shows around the page: the keys of the file commands,
// the status text of the page on screen and the tree that follows it.

#include "base/FichierIni.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "files/TraiteurFichier.h"
#include "pagebase/Commande.h"
#include "shell/w_Ouverture.h"
#include "support/SaisonExemple.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTreeWidget>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

using SuitPage = testsupport::FenetreSurArchive;

TEST_F(SuitPage, CtrlOCtrlSCtrlPFontCeQueFontLeursCommandes)
{
    DemarreSurArchive();
    Tf_Principale& f = *Fenetre;
    Messages.Messages.clear();

    // Ctrl+S on a season with nothing changed writes nothing; changed, it saves.
    fs::remove(Fichier);
    f.ToucheEnregistrer->trigger();
    EXPECT_FALSE(fs::exists(Fichier));
    f.SignaleModification();
    f.ToucheEnregistrer->trigger();
    EXPECT_TRUE(fs::exists(Fichier));
    EXPECT_EQ(CompteurModification, 0);

    // Ctrl+P prints only a page that prints.
    f.ToucheImprimer->trigger();
    EXPECT_EQ(Dialogues.NbChoixImprimante, 0);
    Dialogues.ImprimanteChoisie = false;
    ASSERT_TRUE(f.ExecuteCommande(Commande::ClassementGeneral, -1));
    f.ToucheImprimer->trigger();
    EXPECT_EQ(Dialogues.NbChoixImprimante, 1);

    // Ctrl+O asks for a file.
    Dialogues.RefuseFichier();
    f.ToucheOuvrir->trigger();
    EXPECT_EQ(Dialogues.DemandesOuverture.size(), 1u);
    EXPECT_NE(f.GetSaison(), nullptr);

    EXPECT_EQ(f.ToucheEnregistrer->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(f.ToucheOuvrir->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(f.ToucheImprimer->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
}

// A season of two championships, the favourite standings on Ctrl+1.
class ArbreSuitPage : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override { return testsupport::CreeSaisonComplete(); }

    int Courant() const { return DonneeNoeud(Fenetre->tv_Menu->currentItem()); }
    QTreeWidgetItem* Noeud(int code) const { return ChercheNoeud(Fenetre->tv_Menu, code); }
    bool Ouvert(const QStringList& chemin) const
    {
        for (QTreeWidgetItemIterator it(Fenetre->tv_Menu); *it != nullptr; ++it) {
            QStringList c;
            for (QTreeWidgetItem* n = *it; n != nullptr; n = n->parent())
                c.prepend(n->text(0));
            if (c == chemin)
                return (*it)->isExpanded();
        }
        return false;
    }
    QStringList Chemin(QTreeWidgetItem* noeud) const
    {
        QStringList c;
        for (; noeud != nullptr; noeud = noeud->parent())
            c.prepend(noeud->text(0));
        return c;
    }
    std::string Statut() const { return Fenetre->Statut->TextePanneau(2); }
};

TEST_F(ArbreSuitPage, LArbreGardeCeQuiEstOuvertEtMontreLaPageAffichee)
{
    TFichierIni((Dossier / "brevalune.ini").string()).WriteString("General", "Favoris", "66");
    DemarreSurArchive();
    Tf_Principale& f = *Fenetre;

    // The user opens the heading of the match entry; a page elsewhere opens its own.
    QTreeWidgetItem* resultats = Noeud(Commande::Resultats);
    ASSERT_NE(resultats, nullptr);
    ASSERT_NE(resultats->parent(), nullptr);
    resultats->parent()->setExpanded(true);
    const QStringList saisie = Chemin(resultats->parent());
    ASSERT_TRUE(f.ExecuteCommande(Commande::ClassementGeneral, -1));
    EXPECT_EQ(Courant(), Commande::ClassementGeneral);
    const QStringList classements = Chemin(Noeud(Commande::ClassementGeneral)->parent());
    EXPECT_TRUE(Ouvert(classements));
    const std::string titreClassement = Statut();
    EXPECT_FALSE(titreClassement.empty());

    // A save rebuilds the tree (the recent files): nothing closes, the page's node stays current.
    f.SignaleModification();
    ASSERT_TRUE(f.SauveSaison());
    EXPECT_TRUE(Ouvert(saisie));
    EXPECT_TRUE(Ouvert(classements));
    EXPECT_EQ(Courant(), Commande::ClassementGeneral);
    EXPECT_EQ(Statut(), titreClassement);

    // The favourite's key: the tree follows, and the status bar says the ranking page.
    f.Action1Execute(1);
    EXPECT_EQ(f.GetCommandeCourante(), Commande::ClassButeurs);
    EXPECT_EQ(Courant(), Commande::ClassButeurs);
    EXPECT_NE(Statut(), titreClassement);
    EXPECT_EQ(Statut(), Noeud(Commande::ClassButeurs)->text(0).toStdString());

    // The other championship: the page is shown again there, and so is its node.
    ASSERT_GE(f.GetTitresChampionnats().size(), 2u);
    ASSERT_TRUE(f.ud_ChampChangingEx(2));
    EXPECT_TRUE(Ouvert(saisie));
    EXPECT_EQ(Courant(), f.GetPageCourante() != nullptr ? f.GetCommandeCourante() : 0);

    // Another file opened: no page, the tree stays open where it was, and
    // shows the championship that is current.
    ASSERT_TRUE(f.OuvreFichier(Fichier));
    EXPECT_EQ(f.GetPageCourante(), nullptr);
    EXPECT_TRUE(Ouvert(saisie));
    const TDonneesChampionnat* champ = f.GetSaison()->GetChampCourant();
    ASSERT_NE(champ, nullptr);
    EXPECT_EQ(Courant(), champ->CodeChamp << 8);
}

// The menu bar, the tree with its scroll bar and the option boxes, in the
// skin's colours: rendered to be looked at.
TEST_F(SuitPage, MenusEtOptionsDessinesDansLHabillage)
{
    TFichierIni((Dossier / "brevalune.ini").string()).WriteString("General", "MenuHaut", "1");
    DemarreSurArchive();
    Tf_Principale& f = *Fenetre;
    f.resize(800, 600);
    f.show();
    f.tv_Menu->expandAll();
    QApplication::processEvents();
    EXPECT_TRUE(f.mm_Menu->isVisible());
    EXPECT_TRUE(f.tv_Menu->verticalScrollBar()->isVisible());
    testsupport::RendPng(f, "fenetre_menus_habilles");
    QMenu* menu = ChercheMenu(f.mm_Menu, 1);
    ASSERT_NE(menu, nullptr);
    menu->popup(QPoint(0, 0));
    QApplication::processEvents();
    testsupport::RendPng(*menu, "menu_deroulant_habille");
    menu->hide();

    Tf_Ouverture ouverture(&f);
    ouverture.rb_Ouvrir->SetChecked(true);
    ouverture.show();
    QApplication::processEvents();
    const QImage image = testsupport::RendPng(ouverture, "ouverture_coche");
    // The dot of the checked option stands out from the white face.
    const QPoint centre =
        ouverture.rb_Ouvrir->mapTo(&ouverture, QPoint(6, (ouverture.rb_Ouvrir->height() - 13) / 2 + 6));
    EXPECT_NE(image.pixelColor(centre), QColor(Qt::white));
}

} // namespace
