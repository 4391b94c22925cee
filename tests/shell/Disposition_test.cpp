// Every view of the menu, and every form it opens on the way, laid out in the
// real main window at the smallest and at a large window size on seasons
// with played days: no control hidden, clipped or cut, and what our own
// controls paint inside them and readable.

#include "shell/w_Principale.h"

#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/Editeur.h"
#include "pagebase/Commande.h"
#include "pagebase/DefType.h"
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
#include "support_ui/VerifieDessin.h"
#include "support_ui/VerifieDisposition.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <tuple>

namespace fs = std::filesystem;

namespace {

// Commands left out: they end the program, drop the season, reach the network
// or send the view to the machine's printer (the paper walk prints every view).
bool HorsVerification(int code)
{
    return code == 6 || code == 9 || code == 11 || code == 12 || code == 198 || code == Commande::Imprimer;
}

class DispositionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AncienDossier = fs::current_path();
        testsupport::CopieDossierProgramme(Dossier.path());
        Dialogues.Inspecte = [this](QDialog& d) { NoteVue("forme \"" + d.windowTitle().toStdString() + "\"", d); };
    }
    void TearDown() override
    {
        Fenetre.reset();
        fs::current_path(AncienDossier);
    }

    void Note(const std::string& ou, const std::string& defaut)
    {
        std::vector<std::string>& vues = Defauts[defaut];
        if (std::find(vues.begin(), vues.end(), ou) == vues.end())
            vues.push_back(ou);
    }

    // The layout of a page or form, and what our controls paint in it or,
    // with Partie, in that part of it.
    void NoteVue(const std::string& ou, QWidget& racine, const QWidget* partie = nullptr)
    {
        for (const std::string& d : testsupport::VerifieDisposition(racine))
            Note(ou, d);
        for (const std::string& d : testsupport::VerifieDessin(racine, partie))
            Note(ou, d);
    }

    // A fault seen on several views is told once, with the views it is seen on.
    void RapporteDefauts()
    {
        for (const auto& [defaut, vues] : Defauts) {
            std::string ou;
            for (const std::string& v : vues)
                ou += (ou.empty() ? "" : ", ") + v;
            ADD_FAILURE() << "vues " << ou << ": " << defaut;
        }
        Defauts.clear();
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
                Note(ou, "bande des blocs à " + std::to_string(vus[i]) + " au lieu de " + std::to_string(attendus[i]));
        if (bandes.geometry().bottom() + 1 != grille.y())
            Note(ou, "bandes séparées du tableau");
    }

    // What a text report had to leave out for want of room: nothing painted
    // tells it, as the report refuses such text before anything is drawn.
    void NoteRapports(const std::string& ou)
    {
        for (const TEditeur* e : Fenetre->GetPageCourante()->findChildren<TEditeur*>())
            if (e->isVisible() && e->GetNbOmis() > 0)
                Note(ou, "rapport à " + std::to_string(e->x()) + "," + std::to_string(e->y()) + " : " +
                             std::to_string(e->GetNbOmis()) + " morceau(x) de texte omis");
    }

    void Demarre()
    {
        Fenetre = std::make_unique<Tf_Principale>(Dossier.str());
        Fenetre->show();
        QApplication::processEvents(); // the first activation and its opening choice
    }

    testsupport::TempDir Dossier;
    testsupport::TDialoguesScriptes Dialogues;
    testsupport::TBureauEnregistre Bureau;
    testsupport::TMessagesScriptes Messages;
    testsupport::TEcranFixe Ecran;
    fs::path AncienDossier;
    std::unique_ptr<Tf_Principale> Fenetre;
    std::map<std::string, std::vector<std::string>> Defauts;
};

// The seasons the views are walked on: one made up with every kind of data,
// the sample season's two leagues of long real names, and the World Cup,
// whose groups, knock-out rounds and match sheets fill the views the
// results-only sample leaves empty.
enum class TSaisonParcourue { Complete, Exemple, CoupeDuMonde };

using TParcours = std::tuple<TSaisonParcourue, int>; // season, window width

class ParcoursDesVues : public DispositionTest, public ::testing::WithParamInterface<TParcours> {
protected:
    void OuvreSaison(TSaisonParcourue saison)
    {
        Demarre();
        if (saison == TSaisonParcourue::Complete) {
            ASSERT_TRUE(Fenetre->PeutQuitterPage());
            Fenetre->RemplaceSaison(testsupport::CreeSaisonComplete());
            Fenetre->SetEtatFichier(true, true);
            Fenetre->ChangeChampionnat();
            return;
        }
        const std::string fichier = saison == TSaisonParcourue::Exemple ? "exemple.xmc" : "coupe-du-monde-2022.xmc";
        ASSERT_TRUE(testsupport::MetSaisonDansFenetre(*Fenetre, Dossier.str() + "sauvegarde/" + fichier));
    }

    // Every command of the menu, each view checked, a kept page once per
    // view it is told to show; with `rend` each view is also drawn.
    void ParcourtLesVues(const std::string& suffixe, bool rend)
    {
        int vues = 0;
        const TFootForm* page = nullptr;
        for (int code = CodeMenu::PremiereCommande; code <= 218; ++code) {
            if (HorsVerification(code))
                continue;
            const bool vue = Fenetre->ExecuteCommande(code, -1);
            QApplication::processEvents();
            // A command without a view of its own, or a dialog, leaves the former one as it was.
            if (Fenetre->GetPageCourante() == nullptr ||
                (Fenetre->GetPageCourante() == page && (!vue || CommandePage(code) == nullptr)))
                continue;
            // The window around the pages is the same for all: what is painted
            // there is checked with the first.
            const TFootForm* partie = page != nullptr ? Fenetre->GetPageCourante() : nullptr;
            page = Fenetre->GetPageCourante();
            ++vues;
            const std::string ou = std::to_string(code) + suffixe;
            NoteVue(ou, *Fenetre, partie);
            NoteBandes(ou);
            NoteRapports(ou);
            if (rend)
                testsupport::RendPng(*Fenetre, "page_" + ou);
        }
        RecordProperty("vues", vues);
        RapporteDefauts();
    }
};

TEST_P(ParcoursDesVues, ChaqueVueMontreSesControlesEtSesTextesEntiersEtLisibles)
{
    const auto [saison, largeur] = GetParam();
    OuvreSaison(saison);
    if (HasFatalFailure())
        return;
    Fenetre->resize(largeur, largeur == 800 ? 600 : 800);
    QApplication::processEvents();
    const char* noms[] = {"", "_exemple", "_coupe"};
    const std::string suffixe = std::string(noms[static_cast<int>(saison)]) + "_" + std::to_string(largeur);
    ParcourtLesVues(suffixe, saison == TSaisonParcourue::Complete);
    // The shipped seasons' other championships at the smallest size, where
    // their knock-out minutes and longer lists meet the narrowest rooms.
    if (saison == TSaisonParcourue::Complete || largeur != 800)
        return;
    Dialogues.Inspecte = nullptr;
    const int championnats = static_cast<int>(Fenetre->GetTitresChampionnats().size());
    for (int rang = 2; rang <= championnats; ++rang) {
        ASSERT_TRUE(Fenetre->SelectionneChampionnat(rang, nullptr, true, true)) << rang;
        QApplication::processEvents();
        ParcourtLesVues(suffixe + "_championnat" + std::to_string(rang), false);
    }
}

std::string NomParcours(const ::testing::TestParamInfo<TParcours>& info)
{
    const char* noms[] = {"Complete", "Exemple", "CoupeDuMonde"};
    return std::string(noms[static_cast<int>(std::get<0>(info.param))]) + "_" + std::to_string(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(Saisons, ParcoursDesVues,
                         ::testing::Combine(::testing::Values(TSaisonParcourue::Complete, TSaisonParcourue::Exemple,
                                                              TSaisonParcourue::CoupeDuMonde),
                                            ::testing::Values(800, 1280)),
                         NomParcours);

// The forms of the start and of the help menu, which no page opens.
TEST_F(DispositionTest, LesFormesDuDemarrageMontrentLeursControlesEntiers)
{
    Fenetre = std::make_unique<Tf_Principale>(Dossier.str());
    Tf_AboutBox apropos(Fenetre.get());
    apropos.Version = "7.56";
    Tf_ChoixLangue langue(Fenetre.get());
    Tf_Ouverture ouverture(Fenetre.get());
    // The last file's name as the main window adds it, however long.
    const std::string dernier = ouverture.rb_Last->Caption() + " (saison-" + std::string(150, 'x') + ".xmc)";
    ouverture.rb_Last->SetCaption(dernier);
    Tf_AstuceJour astuce(Fenetre.get());
    astuce.FichierIni = Fenetre->GetFichierIni();
    for (QDialog* forme : std::initializer_list<QDialog*>{&apropos, &langue, &ouverture, &astuce}) {
        forme->show();
        QApplication::processEvents();
        NoteVue(forme->windowTitle().toStdString(), *forme);
        testsupport::RendPng(*forme, "forme_" + std::string(forme->metaObject()->className()));
        forme->hide();
    }
    EXPECT_LE(ouverture.width(), 700) << "the opening choice widens with the file name";
    EXPECT_EQ(ouverture.rb_Last->toolTip().toStdString(), dernier);
    RapporteDefauts();
}

} // namespace
