// A file that cannot be opened, chosen over an open season: the season stays
// on screen, and the user is told which file failed and why.

#include "fenetre/FenetreReelle.h"

#include "base/oTraducteur.h"
#include "controls/message2.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include <string>

namespace {

using namespace fenetretest;

TEST_F(FenetreReelle, UnFichierTronqueOuvertParDessusLaSaisonLaLaisseEtDitPourquoi)
{
    const std::string entier = testsupport::ReadWholeFile(Fichier);
    const std::string tronque = (Dossier / "tronque.xmc").string();
    testsupport::WriteWholeFile(tronque, entier.substr(0, entier.size() / 2));

    Demarre();
    Ouvre(Fichier);
    ASSERT_TRUE(CliqueNoeud(40));
    ASSERT_NE(AttendPage<Tf_Classement>(), nullptr);
    const TSaison* saison = Fenetre->GetSaison();
    const int noeuds = static_cast<int>(CodesArbre().size());

    std::string titre;
    std::string texte;
    RepondOuverture(tronque);
    Surveilles.Traite([&](QWidget& modal) {
        titre = modal.windowTitle().toStdString();
        if (auto* boite = qobject_cast<Tf_MessageUtil*>(&modal))
            texte = boite->Label1->text().toStdString();
        testsupport::EnvoieEchap(modal);
    });
    Touche(Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(Attend([&] { return !texte.empty() && QApplication::activeModalWidget() == nullptr; })) << "no message";
    Active();

    EXPECT_EQ(titre, Traduit(2628)) << "a failure told as information";
    EXPECT_NE(texte.find(tronque), std::string::npos) << texte;
    EXPECT_NE(texte.find(Traduit(3102)), std::string::npos) << texte;
    EXPECT_EQ(Fenetre->GetSaison(), saison);
    EXPECT_EQ(Fenetre->FichierCourant, Fichier);
    EXPECT_NE(dynamic_cast<Tf_Classement*>(Fenetre->GetPageCourante()), nullptr);
    EXPECT_EQ(static_cast<int>(CodesArbre().size()), noeuds);
    EXPECT_EQ(Fenetre->GetFichiersRecents().front(), Fichier);
}

} // namespace
