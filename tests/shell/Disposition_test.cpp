// Every page the program registers, and every form it opens on the way, laid
// out in the real main window at the smallest and at a large window size on a
// season with played days: no control hidden, clipped or cut.

#include "shell/w_Principale.h"

#include "controls/ColorStringGrid.h"
#include "pages/vues/w_Classement.h"
#include "shell/w_About.h"
#include "shell/w_AstuceJour.h"
#include "shell/w_ChoixLangue.h"
#include "shell/w_Ouverture.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/DossierProgramme.h"
#include "support_ui/RenduPng.h"
#include "support_ui/VerifieDisposition.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Commands left out: they end the program, drop the season or reach the network.
bool HorsVerification(int code)
{
    return code == 6 || code == 9 || code == 11 || code == 12 || code == 198;
}

class DispositionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AncienDossier = fs::current_path();
        testsupport::CopieDossierProgramme(Dossier.path());
        Dialogues.Inspecte = [this](QDialog& d) { Note("forme \"" + d.windowTitle().toStdString() + "\"", d); };
    }
    void TearDown() override
    {
        Fenetre.reset();
        fs::current_path(AncienDossier);
    }

    void Note(const std::string& ou, const QWidget& racine)
    {
        for (const std::string& d : testsupport::VerifieDisposition(racine))
            Defauts.push_back(ou + ": " + d);
    }

    // The bands over the home and away blocks of the general standings
    // start and end on the lines of their five columns, right above them.
    void NoteBandes(const std::string& ou)
    {
        const auto* page = dynamic_cast<const Tf_Classement*>(Fenetre->GetPageCourante());
        if (page == nullptr || !page->sg_titre->isVisible())
            return;
        const TColorStringGrid& grille = *page->sg_Classement;
        const TColorStringGrid& bandes = *page->sg_titre;
        std::vector<int> lignes{grille.x()}; // x of the line after each column
        for (int c = 0; c < grille.GetColCount(); ++c)
            lignes.push_back(lignes.back() + grille.GetLargeurColonne(c) + 1);
        const int n = grille.GetColCount();
        const int attendus[3] = {lignes[n - 10], lignes[n - 5], lignes[n]};
        const int vus[3] = {bandes.x(), bandes.x() + bandes.GetLargeurColonne(0) + 1,
                            bandes.x() + bandes.GetLargeurColonne(0) + bandes.GetLargeurColonne(1) + 2};
        for (int i = 0; i < 3; ++i)
            if (vus[i] != attendus[i])
                Defauts.push_back(ou + ": bande des blocs à " + std::to_string(vus[i]) + " au lieu de " +
                                  std::to_string(attendus[i]));
        if (bandes.geometry().bottom() + 1 != grille.y())
            Defauts.push_back(ou + ": bandes séparées du tableau");
    }

    void Affiche(int largeur, int hauteur)
    {
        Fenetre->resize(largeur, hauteur);
        QApplication::processEvents();
    }

    // Every page of the menu at the smallest window and at a common laptop's
    // screen, each checked once; with `rend` its bands are checked and it is drawn.
    void ParcourtLesPages(const std::string& prefixe, bool rend)
    {
        for (const QSize taille : {QSize(800, 600), QSize(1280, 800)}) {
            Affiche(taille.width(), taille.height());
            const std::string suffixe = prefixe + "_" + std::to_string(taille.width());
            const TFootForm* vue = nullptr;
            for (int code = CodeMenu::PremiereCommande; code <= 218; ++code) {
                if (HorsVerification(code))
                    continue;
                Fenetre->ExecuteCommande(code, -1);
                QApplication::processEvents();
                // A command without a page of its own leaves the former one.
                if (Fenetre->GetPageCourante() == nullptr || Fenetre->GetPageCourante() == vue)
                    continue;
                vue = Fenetre->GetPageCourante();
                const std::string ou = "commande " + std::to_string(code) + suffixe;
                Note(ou, *Fenetre);
                if (rend) {
                    NoteBandes(ou);
                    testsupport::RendPng(*Fenetre, "page_" + std::to_string(code) + suffixe);
                }
            }
        }
        for (const std::string& d : Defauts)
            ADD_FAILURE() << d;
    }

    testsupport::TempDir Dossier;
    testsupport::TDialoguesScriptes Dialogues;
    testsupport::TBureauEnregistre Bureau;
    testsupport::TMessagesScriptes Messages;
    testsupport::TEcranFixe Ecran;
    fs::path AncienDossier;
    std::unique_ptr<Tf_Principale> Fenetre;
    std::vector<std::string> Defauts;
};

TEST_F(DispositionTest, ChaquePageEtChaqueFormeMontreSesControlesEntiers)
{
    Fenetre = std::make_unique<Tf_Principale>(Dossier.str());
    Fenetre->show();
    QApplication::processEvents(); // the first activation and its opening choice
    Fenetre->RemplaceSaison(testsupport::CreeSaisonComplete());
    Fenetre->SetEtatFichier(true, true);
    Fenetre->ChangeChampionnat();

    ParcourtLesPages("", true);
}

// The sample season holds the longest real names the program meets: every
// page and form shows each of its texts whole, at the smallest window and at
// a common laptop's screen.
TEST_F(DispositionTest, LaSaisonExempleMontreChaqueTexteEntier)
{
    Fenetre = std::make_unique<Tf_Principale>(Dossier.str());
    Fenetre->show();
    QApplication::processEvents();
    ASSERT_TRUE(testsupport::MetSaisonDansFenetre(*Fenetre, Dossier.str() + "sauvegarde/exemple.xmc"));

    ParcourtLesPages("_exemple", false);
}

// The forms of the start and of the help menu, which no page opens.
TEST_F(DispositionTest, LesFormesDuDemarrageMontrentLeursControlesEntiers)
{
    Fenetre = std::make_unique<Tf_Principale>(Dossier.str());
    Tf_AboutBox apropos(Fenetre.get());
    apropos.Version = "7.56";
    Tf_ChoixLangue langue(Fenetre.get());
    Tf_Ouverture ouverture(Fenetre.get());
    Tf_AstuceJour astuce(Fenetre.get());
    astuce.FichierIni = Fenetre->GetFichierIni();
    for (QDialog* forme : std::initializer_list<QDialog*>{&apropos, &langue, &ouverture, &astuce}) {
        forme->show();
        QApplication::processEvents();
        Note(forme->windowTitle().toStdString(), *forme);
        testsupport::RendPng(*forme, "forme_" + std::string(forme->metaObject()->className()));
        forme->hide();
    }
    for (const std::string& d : Defauts)
        ADD_FAILURE() << d;
}

} // namespace
