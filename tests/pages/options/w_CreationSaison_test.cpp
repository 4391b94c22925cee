#include "pages/options/w_CreationSaison.h"

#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/DefType.h"
#include "pages/Pages.h"
#include "pages/options/w_ChoixNoeud.h"
#include "pages/options/w_RetirerChamp.h"
#include "presentation/ComposeurSaison.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/FaussePrincipale.h"
#include "support_ui/RenduPng.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

using testsupport::TempDir;

class ComposeurTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        std::filesystem::create_directories(Dossier / "Data");
        Principale.FichierIni = Dossier.str() + "brevalune.ini";
        EnregistrePages();
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    // A data file of the division in the program folder's Data/.
    std::string Donnees(const std::string& nom, int division, const std::string& prefixe)
    {
        auto s = testsupport::CreeLigueDivision(division, 1, prefixe);
        s->SetNumChampCourant(1);
        const std::string chemin = Dossier.str() + "Data/" + nom;
        EXPECT_TRUE(TTraiteurFichier::ExtraitChampionnat(chemin, *s, false, "", "", nullptr, {}));
        return chemin;
    }

    // Command 193 as the main window runs it, the composer handled by `reponse`.
    void Execute(std::function<void(Tf_CreationSaison&)> reponse)
    {
        const TCommandePage* commande = CommandePage(193);
        ASSERT_NE(commande, nullptr);
        Scripts.Repond([reponse](QDialog& d) { reponse(dynamic_cast<Tf_CreationSaison&>(d)); });
        (*commande)(Principale, 193, 0, 0);
    }

    static std::vector<std::string> Arbre(QTreeWidget& arbre)
    {
        std::vector<std::string> lignes;
        for (QTreeWidgetItemIterator it(&arbre); *it; ++it) {
            int niveau = 0;
            for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
                ++niveau;
            lignes.push_back(std::string(2 * niveau, ' ') + (*it)->text(0).toStdString());
        }
        return lignes;
    }

    testsupport::CatalogueInstalle Catalogue;
    TempDir Dossier;
    testsupport::TFaussePrincipale Principale;
    testsupport::TDialoguesScriptes Scripts;
    testsupport::TMessagesScriptes Messages;
};

TEST_F(ComposeurTest, LeChoixDUnNoeudRendLIdDeLaLigne)
{
    Tf_ChoixNoeud choix;
    choix.RemplitListe(false);
    ASSERT_GE(choix.lb_Texte->count(), 3);
    EXPECT_EQ(choix.lb_Texte->item(1)->text().toStdString(), "France");
    choix.lb_TexteDblClick(1);
    EXPECT_EQ(choix.Choix, 1);
    EXPECT_EQ(choix.result(), ResultatModal::Ok);

    choix.RemplitListe(true);
    EXPECT_EQ(choix.lb_Texte->item(0)->text().toStdString(), "France : Ligue 1");
    choix.lb_TexteDblClick(0);
    EXPECT_EQ(choix.Choix, 101);

    // A line without id gives its index, one more once the first line is gone.
    Tf_ChoixNoeud libre;
    for (const char* t : {"a", "b", "c"})
        libre.lb_Texte->addItem(t);
    libre.lb_TexteDblClick(1);
    EXPECT_EQ(libre.Choix, 1);
    libre.Reinitialise();
    libre.Reinitialise();
    EXPECT_EQ(libre.lb_Texte->count(), 2);
    libre.lb_TexteDblClick(1);
    EXPECT_EQ(libre.Choix, 2);
    EXPECT_EQ(libre.windowTitle().toStdString(), Traduit(756));
}

TEST_F(ComposeurTest, LaCommandeSurUneSaisonAjouteUnFichierPlaceParDoubleClic)
{
    auto saison = testsupport::CreeLigueDivision(101, 1, "A");
    auto seconde = testsupport::CreeLigueDivision(102, 2, "B");
    seconde->SetNumChampCourant(1);
    const std::string l2 = Dossier.str() + "l2.xmd";
    ASSERT_TRUE(TTraiteurFichier::ExtraitChampionnat(l2, *seconde, false, "", "", nullptr, {}));
    // The season: Ligue 1 and Ligue 2 under France.
    std::string barrages;
    TTraiteurFichier::ImporteListe(
        *saison, {{"$#1", 1}, {"$#101", 2}, {"#101", 3, 0, 1}, {"$#102", 2}, {l2 + "|#102", 3, -1, 2}}, "", barrages);
    ASSERT_EQ(saison->NbChampionnat(), 2);
    Principale.SetSaison(std::move(saison));
    const std::string pl = Donnees("pl.XMD", 201, "C");

    Scripts.RepondFichiers({pl});
    std::vector<std::string> arbre, disponibles;
    Execute([&](Tf_CreationSaison& f) {
        EXPECT_TRUE(f.bc_AjouteFichier->isVisible());
        EXPECT_FALSE(f.e_RepSauve->isVisible());
        arbre = Arbre(*f.tv_Saison);
        f.bc_AjouteFichierClick();
        ASSERT_EQ(f.lb_ListeFichier->count(), 1);
        disponibles.push_back(f.lb_ListeFichier->item(0)->text().toStdString());
        f.lb_ListeFichier->setCurrentRow(0);
        f.lb_ListeFichierDblClick();
        EXPECT_EQ(f.lb_ListeFichier->count(), 0);
        EXPECT_EQ(f.Selection()->Texte, "pl.XMD");
        testsupport::RendPng(f, "composeur");
        f.b_Valider->Click();
    });
    EXPECT_EQ(arbre, (std::vector<std::string>{Traduit(879), "  France", "    Ligue 1", "      Ligue 1", "    Ligue 2",
                                               "      Ligue 2"}));
    EXPECT_EQ(disponibles, std::vector<std::string>{"pl.XMD"});
    ASSERT_EQ(Scripts.DemandesOuverture.size(), 1u);
    EXPECT_EQ(Scripts.DemandesOuverture[0].Titre, Traduit(261));
    EXPECT_EQ(Scripts.DemandesOuverture[0].DossierInitial, Dossier.str() + "sauvegarde/");
    EXPECT_NE(Scripts.DemandesOuverture[0].Filtre.find("|*.chp;*.chf;*.daf;*.xmc;*.xmd"), std::string::npos);

    TSaison& s = *Principale.GetSaison();
    ASSERT_EQ(s.NbChampionnat(), 3);
    EXPECT_EQ(s.GetChampionnat(1)->Division, 101);
    EXPECT_EQ(s.GetChampionnat(2)->Division, 102);
    EXPECT_EQ(s.GetChampionnat(3)->Division, 201);
    EXPECT_GE(s.ChercheEquipe("C0"), 0);
    EXPECT_EQ(Principale.NbModifications, 1);
    EXPECT_EQ(Principale.NbRemplitChampionnats, 1);
}

TEST_F(ComposeurTest, LaCommandeSansSaisonConstruitEnregistreEtOuvreLaNouvelleSaison)
{
    const std::string l1 = Donnees("FranceL1.xmd", 101, "A");
    const std::string l2 = Donnees("FranceL2.xmd", 102, "B");
    Scripts.RepondFichiers({l1, l2});
    Execute([&](Tf_CreationSaison& f) {
        EXPECT_TRUE(f.e_RepSauve->isVisible());
        EXPECT_EQ(f.e_RepSauve->text().toStdString(), Dossier.str() + "sauvegarde/personnel.xmc");
        f.bc_AjouteFichierClick();
        for (int i = 0; i < 2; ++i) {
            f.lb_ListeFichier->setCurrentRow(0);
            f.lb_ListeFichierDblClick();
        }
        f.e_RepSauve->setText(QString::fromStdString(Dossier.str() + "sauvegarde/neuve"));
        f.b_Valider->Click();
    });
    EXPECT_EQ(Scripts.DemandesOuverture.at(0).DossierInitial, Dossier.str() + "Data/");
    const std::string cree = Dossier.str() + "sauvegarde/neuve.xmc";
    EXPECT_EQ(Principale.FichiersOuverts, std::vector<std::string>{cree});
    TSaisonFootball relue;
    ASSERT_TRUE(TTraiteurFichier::ChargeXml(cree, relue, ""));
    EXPECT_EQ(relue.NbChampionnat(), 2);
    EXPECT_EQ(Principale.NbModifications, 0);

    // Cancel: nothing opened.
    Execute([](Tf_CreationSaison& f) { f.b_Annuler->Click(); });
    EXPECT_EQ(Principale.FichiersOuverts.size(), 1u);
}

// The composer is a window of the main window: centred on it, modal over it,
// whichever road opens it.
TEST_F(ComposeurTest, LeComposeurEstUneFenetreDeLaFenetrePrincipale)
{
    struct TPrincipaleFenetre : QWidget, testsupport::TFaussePrincipale {};
    TPrincipaleFenetre fenetre;
    fenetre.FichierIni = Principale.FichierIni;
    QWidget* enfant = new QWidget(&fenetre);
    std::vector<QWidget*> parents;
    auto note = [&](QDialog& d) {
        parents.push_back(d.parentWidget());
        d.done(ResultatModal::Annuler);
    };
    Scripts.Repond(note);
    EXPECT_TRUE(ComposeNouvelleSaison(Principale.FichierIni, nullptr, enfant).empty());
    Scripts.Repond(note);
    (*CommandePage(193))(fenetre, 193, 0, 0);
    fenetre.SetSaison(testsupport::CreeLigueDivision(101, 1, "A"));
    Scripts.Repond(note);
    (*CommandePage(193))(fenetre, 193, 0, 0);
    Scripts.Repond(note);
    ConvertitEnSaison(*fenetre.GetSaison(), Principale.FichierIni, Dossier.str(), nullptr, enfant);
    EXPECT_EQ(parents, std::vector<QWidget*>(4, &fenetre));
}

TEST_F(ComposeurTest, LeRetraitListeLesChampionnatsEtRendLesCoches)
{
    auto saison = testsupport::CreeLigueDivision(101, 1, "A");
    Tf_RetirerChamp f;
    f.RemplitListe(*saison, {1, 9});
    ASSERT_EQ(f.lb_Championnats->count(), 1);
    EXPECT_EQ(f.lb_Championnats->item(0)->text().toStdString(), "France : Ligue 1");
    EXPECT_TRUE(f.Coches().empty());
    f.lb_Championnats->item(0)->setCheckState(Qt::Checked);
    EXPECT_EQ(f.Coches(), std::vector<int>{1});

    std::vector<int> coches{5};
    Scripts.Repond([](QDialog& d) { dynamic_cast<Tf_RetirerChamp&>(d).b_Annuler->Click(); });
    EXPECT_FALSE(ChoisitRetraits(*saison, {1}, coches));
    EXPECT_EQ(coches, std::vector<int>{5});
    Scripts.Repond([](QDialog& d) {
        auto& r = dynamic_cast<Tf_RetirerChamp&>(d);
        r.lb_Championnats->item(0)->setCheckState(Qt::Checked);
        r.b_Valider->Click();
    });
    EXPECT_TRUE(ChoisitRetraits(*saison, {1}, coches));
    EXPECT_EQ(coches, std::vector<int>{1});
}

} // namespace
