// The progress form of a load, shown while the window of a page is the
// active one: the load frees the pages, and the form must outlive them.

#include "controls/ImageFond.h"
#include "pages/vues/w_FicheMatch.h"
#include "pages/vues/w_Prevision.h"
#include "shell/w_EtatSauve.h"
#include "support_ui/FenetreSurArchive.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>

namespace {

class EtatSauveFenetre : public testsupport::FenetreSurArchive {};

// Each progress form, as it shows, must be over the main window: over the
// sheet's own window, it would be freed with it while the load runs. Told at
// once, before the load goes on.
class TFormesSurLaFenetre : public QObject {
public:
    explicit TFormesSurLaFenetre(const QWidget& fenetre) : FFenetre(fenetre) { qApp->installEventFilter(this); }
    ~TFormesSurLaFenetre() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::Show)
            if (const auto* forme = qobject_cast<Tf_EtatSauve*>(objet)) {
                EXPECT_EQ(forme->parentWidget(), &FFenetre);
                ++Nombre;
            }
        return false;
    }

    int Nombre = 0;

private:
    const QWidget& FFenetre;
};

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
    TFormesSurLaFenetre formes(*Fenetre);
    Fenetre->ExecuteCommande(6, -1);
    EXPECT_EQ(formes.Nombre, 1);
    ASSERT_NE(Fenetre->GetSaison(), nullptr);
    EXPECT_GT(Fenetre->GetSaison()->NbChampionnat(), 0);
    EXPECT_NE(Fenetre->GetPageCourante(), prevision);
}

} // namespace
