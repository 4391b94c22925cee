// Files chosen in the desktop's dialogs. A file that cannot be opened, chosen
// over an open season: the season stays on screen, and the user is told which
// file failed and why. The import and export dialogs start among the user's
// own files, show the files they take, and ask before one is replaced.

#include "fenetre/FenetreReelle.h"

#include "base/oTraducteur.h"
#include "controls/message2.h"
#include "pagebase/Commande.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QTimer>
#include <gtest/gtest.h>

#include <set>
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

// The names the dialog's list shows in the folder it is in, once it has read them.
std::set<std::string> FichiersMontres(QFileDialog& dialogue)
{
    std::set<std::string> noms;
    auto* liste = dialogue.findChild<QListView*>(QStringLiteral("listView"));
    if (liste == nullptr || liste->model() == nullptr)
        return noms;
    const QModelIndex racine = liste->rootIndex();
    for (int r = 0; r < liste->model()->rowCount(racine); ++r) {
        const QModelIndex i = liste->model()->index(r, 0, racine);
        if (!liste->isRowHidden(r) && (i.flags() & Qt::ItemIsEnabled))
            noms.insert(i.data().toString().toStdString());
    }
    return noms;
}

bool MemeDossier(const QFileDialog& dialogue, const fs::path& dossier)
{
    std::error_code e;
    return fs::equivalent(dialogue.directory().absolutePath().toStdString(), dossier, e);
}

TEST_F(FenetreReelle, LImportDUnChampionnatPartDesFichiersDeLUtilisateurEtLesMontre)
{
    Demarre();
    Ouvre(Fichier);
    bool dansSauvegarde = false;
    std::set<std::string> saisons;
    std::set<std::string> donnees;
    Surveilles.Traite([&](QWidget& modal) {
        auto* dialogue = qobject_cast<QFileDialog*>(&modal);
        ASSERT_NE(dialogue, nullptr) << modal.metaObject()->className();
        dansSauvegarde = MemeDossier(*dialogue, Dossier / "sauvegarde");
        Attend([&] { return (saisons = FichiersMontres(*dialogue)).count("exemple.xmc") > 0; });
        // The program's division files are data archives: taken, so shown.
        dialogue->setDirectory(QString::fromStdString((Dossier / "Data").string()));
        Attend([&] { return !(donnees = FichiersMontres(*dialogue)).empty(); });
        testsupport::EnvoieEchap(modal);
    });
    ASSERT_TRUE(CliqueNoeud(Commande::ImporteChampionnat));
    ASSERT_TRUE(Attend([] { return QApplication::activeModalWidget() == nullptr; }));
    Active();

    EXPECT_TRUE(dansSauvegarde) << "the import starts outside the user's folder";
    EXPECT_EQ(saisons.count("exemple.xmc"), 1u) << saisons.size() << " files shown";
    EXPECT_FALSE(donnees.empty()) << "the division files are hidden";
    for (const std::string& nom : donnees)
        EXPECT_TRUE(nom.ends_with(".xmd")) << nom;
    EXPECT_EQ(Fenetre->GetSaison()->NbChampionnat(), 2);
}

TEST_F(FenetreReelle, LExportDUnChampionnatDemandeAvantDeRemplacerUnFichier)
{
    const fs::path existant = Dossier / "sauvegarde" / "ligue.xmd";
    testsupport::WriteWholeFile(existant, "a file of the user's");
    Demarre();
    Ouvre(Fichier);

    bool dansSauvegarde = false;
    std::string question;
    bool dialogueResteOuvert = false;
    Surveilles.Traite([&](QWidget& modal) {
        auto* dialogue = qobject_cast<QFileDialog*>(&modal);
        ASSERT_NE(dialogue, nullptr) << modal.metaObject()->className();
        dansSauvegarde = MemeDossier(*dialogue, Dossier / "sauvegarde");
        // Whatever asks comes as a modal box over the dialog: it is read, and refused.
        QTimer veille;
        veille.setInterval(10);
        QObject::connect(&veille, &QTimer::timeout, [&] {
            QWidget* boite = QApplication::activeModalWidget();
            if (!question.empty() || boite == nullptr || boite == dialogue || !boite->isVisible())
                return;
            for (const QLabel* l : boite->findChildren<QLabel*>())
                question += l->text().toStdString();
            if (question.empty())
                question = boite->metaObject()->className();
            testsupport::EnvoieEchap(*boite);
        });
        veille.start();
        auto* nom = dialogue->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(nom, nullptr);
        nom->setFocus();
        nom->setText(QStringLiteral("ligue"));
        QTest::keyClick(nom, Qt::Key_Return);
        Attend([&] { return !question.empty(); });
        veille.stop();
        dialogueResteOuvert = dialogue->isVisible();
        testsupport::EnvoieEchap(modal);
    });
    ASSERT_TRUE(CliqueNoeud(Commande::ExporteChampionnat));
    ASSERT_TRUE(Attend([] { return QApplication::activeModalWidget() == nullptr; }));
    Active();

    EXPECT_TRUE(dansSauvegarde) << "the export starts beside the program's division files";
    EXPECT_NE(question.find("ligue.xmd"), std::string::npos) << "no question: " << question;
    EXPECT_TRUE(dialogueResteOuvert) << "refusing the replacement leaves the choice open";
    EXPECT_EQ(testsupport::ReadWholeFile(existant.string()), "a file of the user's");
}

} // namespace
