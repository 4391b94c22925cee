// The progress form of a load, shown while the window of a page is the
// active one: the load frees the pages, and the form must outlive them.

#include "controls/ImageFond.h"
#include "pages/vues/w_FicheMatch.h"
#include "pages/vues/w_Prevision.h"
#include "support_ui/FenetreSurArchive.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>

namespace {

class EtatSauveFenetre : public testsupport::FenetreSurArchive {};

// Open the shipped season, show the forecast, "Voir" its first match in the
// match sheet's own window, then open a file from there.
TEST_F(EtatSauveFenetre, OuvrirUnFichierDepuisLaFicheDUnePrevisionLaisseLaFormeDeProgressionEntiere)
{
    DemarreSurArchive();
    const std::string exemple = Dossier.str() + "sauvegarde/exemple.xmc";
    ASSERT_TRUE(Fenetre->OuvreFichier(exemple));
    Fenetre->show();
    Fenetre->ExecuteCommande(20, -1);
    auto* prevision = dynamic_cast<Tf_Prevision*>(Fenetre->GetPageCourante());
    ASSERT_NE(prevision, nullptr);
    ASSERT_GT(prevision->cb_Matchs->count(), 0);
    prevision->cb_Matchs->setCurrentIndex(0);
    prevision->bc_Voir->Click();
    Tf_FicheMatch* fiche = prevision->Fiche();
    ASSERT_NE(fiche, nullptr);
    ASSERT_TRUE(fiche->isVisible());
    fiche->activateWindow();
    QApplication::setActiveWindow(fiche);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == fiche; }, 5000));

    Dialogues.RepondFichier(exemple);
    Fenetre->ExecuteCommande(6, -1);
    ASSERT_NE(Fenetre->GetSaison(), nullptr);
    EXPECT_GT(Fenetre->GetSaison()->NbChampionnat(), 0);
    EXPECT_NE(Fenetre->GetPageCourante(), prevision);
}

} // namespace
