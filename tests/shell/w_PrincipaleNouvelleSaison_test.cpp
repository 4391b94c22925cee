// File > "Nouvelle saison..." on the real main window: the composer it opens
// is a window of the main window.

#include "pagebase/Commande.h"
#include "pages/options/w_CreationSaison.h"
#include "shell/w_Principale.h"
#include "support_ui/FenetreSurArchive.h"

#include <gtest/gtest.h>

namespace {

using PrincipaleNouvelleSaison = testsupport::FenetreSurArchive;

TEST_F(PrincipaleNouvelleSaison, LeComposeurEstCentreSurLaFenetreEtModalAuDessus)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    QWidget* parent = nullptr;
    bool composeur = false;
    Dialogues.Repond([&](QDialog& d) {
        composeur = dynamic_cast<Tf_CreationSaison*>(&d) != nullptr;
        parent = d.parentWidget();
        d.done(ResultatModal::Annuler);
    });
    Fenetre->ExecuteCommande(Commande::Nouveau);
    EXPECT_TRUE(composeur);
    EXPECT_EQ(parent, Fenetre.get());
}

} // namespace
