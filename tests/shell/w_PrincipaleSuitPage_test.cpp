// What the main window shows around the page: the keys of the file commands,
// the status text of the page on screen and the tree that follows it.

#include "base/oTraducteur.h"
#include "files/TraiteurFichier.h"
#include "pagebase/Commande.h"
#include "support_ui/FenetreSurArchive.h"

#include <QApplication>

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

} // namespace
