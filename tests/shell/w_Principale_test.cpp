// The real main window, started on a copy of the program folder.

#include "shell/w_Principale.h"

#include "base/FichierIni.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ImageFond.h"
#include "files/Blasons.h"
#include "files/ImageManager.h"
#include "model/Championnat.h"
#include "model/LectureParametre.h"
#include "pagebase/Commande.h"
#include "platform/Ecran.h"
#include "platform/Imprimante.h"
#include "shell/w_AstuceJour.h"
#include "shell/w_ChoixLangue.h"
#include "shell/w_Ouverture.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/DossierProgramme.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

namespace {

// A page that counts what the main window asks of it.
class TPageTest : public TFootForm {
public:
    using TFootForm::TFootForm;
    void ValideSaisieEnCours() override { ++NbValidations; }
    bool Imprimable() const override { return ImprimableTest; }
    int NbValidations = 0;
    bool ImprimableTest = false;
};

class TPageImprimable : public TPageTest {
public:
    explicit TPageImprimable(QWidget* parent = nullptr) : TPageTest(parent) { ImprimableTest = true; }
};

// A page whose export the test writes, and whose printout keeps the printer's title.
class TPageExportee : public TPageImprimable {
public:
    using TPageImprimable::TPageImprimable;
    bool ExportableHtml() const override { return true; }
    bool ExporteHtml(const std::string& nom) override { return Exporte(nom); }
    void Imprime() override { TitreImprime = Imprimante().Titre(); }

    static inline std::function<bool(const std::string&)> Exporte = [](const std::string&) { return false; };
    static inline std::string TitreImprime;
};

// Codes given to the test pages; the window's own start-up registers the
// program's pages, so these come after it.
[[maybe_unused]] void EnregistrePagesTest()
{
    for (int code : {40, 41, 42, 43, 44, 45, 62, 63, 64, 65, 137, 138, 139})
        EnregistreCommandePage(code, [](TPrincipale& p, int, int, int) { p.AfficheFenetre(ClassePage<TPageTest>()); });
    EnregistreCommandePage(158, [](TPrincipale& p, int, int, int) { p.AfficheFenetre(ClassePage<TPageImprimable>()); });
}

class PrincipaleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AncienDossier = fs::current_path();
        testsupport::CopieDossierProgramme(Dossier.path());
    }
    void TearDown() override
    {
        Fenetre.reset();
        fs::current_path(AncienDossier);
    }

    void EcritIni(const std::string& contenu) const { testsupport::WriteWholeFile(Dossier / "brevalune.ini", contenu); }
    std::string Ini() const { return (Dossier / "brevalune.ini").string(); }
    Tf_Principale& Demarre()
    {
        Fenetre.reset();
        Fenetre = std::make_unique<Tf_Principale>(Dossier.str());
        return *Fenetre;
    }
    // Opens the sample season as the file commands do.
    void OuvreSaison()
    {
        ASSERT_TRUE(Fenetre->PeutQuitterPage());
        Fenetre->RemplaceSaison(testsupport::CreeSaisonComplete());
        Fenetre->SetEtatFichier(true, true);
        Fenetre->ChangeChampionnat();
    }
    // The text of the plain boxes shown.
    void CaptureBoite(std::string& texte)
    {
        Dialogues.Repond([&texte](QDialog& d) {
            if (auto* boite = qobject_cast<QMessageBox*>(&d))
                texte = boite->text().toStdString();
            d.done(QMessageBox::Ok);
        });
    }

    testsupport::TempDir Dossier;
    testsupport::TDialoguesScriptes Dialogues;
    testsupport::TMessagesScriptes Messages;
    testsupport::TEcranFixe Ecran;
    fs::path AncienDossier;
    std::unique_ptr<Tf_Principale> Fenetre;
};

std::vector<std::string> Racines(QTreeWidget* arbre)
{
    std::vector<std::string> r;
    for (int i = 0; i < arbre->topLevelItemCount(); ++i)
        r.push_back(arbre->topLevelItem(i)->text(0).toStdString());
    return r;
}

TEST_F(PrincipaleTest, DemarreSurLeDossierDuProgrammeEtMontreLeMenu)
{
    Tf_Principale& f = Demarre();
    EXPECT_EQ(f.TagApplication, 0);
    EXPECT_TRUE(Dialogues.TitresFormes.empty());
    EXPECT_TRUE(Messages.Messages.empty());
    ASSERT_NE(Traducteur(), nullptr);
    EXPECT_EQ(Traducteur()->GetNomProduit(), "Brevalune");
    EXPECT_NE(LectureParam(), nullptr);
    EXPECT_NE(Blasons(), nullptr);
    EXPECT_NE(ImageManager(), nullptr);
    EXPECT_NE(f.GetStats(), nullptr);
    EXPECT_EQ(f.GetFichierIni(), Dossier.str() + "brevalune.ini");
    EXPECT_EQ(f.GetDossierAide(), Dossier.str() + "aide/fr/");
    EXPECT_TRUE(fs::exists(f.GetDossierAide() + "index.htm"));
    // The save folder is where file dialogs open.
    EXPECT_EQ(fs::current_path(), fs::canonical(Dossier / "sauvegarde"));
    // Without a file: the file commands and the help, no season command.
    const auto racines = Racines(f.tv_Menu);
    ASSERT_FALSE(racines.empty());
    EXPECT_EQ(racines.front(), Traduit(652));
    EXPECT_NE(std::find(racines.begin(), racines.end(), Traduit(729)), racines.end());
    EXPECT_FALSE(f.fc_Menu->isHidden());
    EXPECT_TRUE(f.mm_Menu->isHidden());
    EXPECT_EQ(f.Label1->text().toStdString(), Traduit(1311));

    Fenetre.reset();
    // What the window installed for the program goes with it.
    EXPECT_EQ(Traducteur(), nullptr);
    EXPECT_EQ(LectureParam(), nullptr);
    EXPECT_EQ(Blasons(), nullptr);
}

TEST_F(PrincipaleTest, FichierDeLangueOuCatalogueAbsentArreteLeProgramme)
{
    fs::remove(Dossier / "texte" / "Textefr.txt");
    std::string texte;
    CaptureBoite(texte);
    {
        Tf_Principale& f = Demarre();
        EXPECT_EQ(f.TagApplication, Tf_Principale::TagArret);
        EXPECT_EQ(texte, "Fichier \"" + Dossier.str() + "texte/Textefr.txt\" introuvable");
        EXPECT_EQ(f.tv_Menu->topLevelItemCount(), 0);
        EXPECT_EQ(Traducteur(), nullptr);
        EXPECT_EQ(Blasons(), nullptr);
        EXPECT_FALSE(f.isVisible());
    }
    Fenetre.reset();
    // Nothing of the stopped start is written back.
    EXPECT_FALSE(TFichierIni(Ini()).ValueExists("LastFile", "Count"));

    fs::copy(AppDir() + "texte/Textefr.txt", Dossier / "texte" / "Textefr.txt");
    fs::remove(Dossier / "config" / "Championnat.fr");
    CaptureBoite(texte);
    Tf_Principale& f = Demarre();
    EXPECT_EQ(f.TagApplication, Tf_Principale::TagArret);
    EXPECT_EQ(texte, "Fichier \"" + Dossier.str() + "config/Championnat.fr\" introuvable");
    EXPECT_EQ(f.tv_Menu->topLevelItemCount(), 0);
    EXPECT_EQ(LectureParam(), nullptr);
    EXPECT_EQ(f.GetStats(), nullptr);
}

TEST_F(PrincipaleTest, UnAffichageTropPauvreArreteLeProgrammeApresLaCreation)
{
    Ecran.Valeur = {16, 1024, 768};
    EXPECT_EQ(Demarre().TagApplication, 0);
    EXPECT_TRUE(Messages.Messages.empty());

    Ecran.Valeur = {15, 1024, 768};
    EXPECT_EQ(Demarre().TagApplication, Tf_Principale::TagArret);
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, TraduitFmt(36));
    // The rest of the start ran.
    EXPECT_NE(Blasons(), nullptr);
    EXPECT_GT(Fenetre->tv_Menu->topLevelItemCount(), 0);

    Ecran.Valeur = {32, 639, 480};
    EXPECT_EQ(Demarre().TagApplication, Tf_Principale::TagArret);
    ASSERT_EQ(Messages.Messages.size(), 2u);
    EXPECT_EQ(Messages.Messages[1].Texte, TraduitFmt(37));
}

TEST_F(PrincipaleTest, LesReglagesSontLusEtLesFichiersRecentsEcritsAuPlusCinq)
{
    EcritIni("[Internet]\nSite=http://site.example\n[General]\nLangue=fr\nMenuHaut=1\nMenuGauche=0\n"
             "[LastFile]\nCount=4\nFile0=/a/un.xmc\nFile1=\nFile2=/a/trois.xmc\nFile3=/a/quatre.xmc\n");
    Tf_Principale& f = Demarre();
    EXPECT_EQ(f.GetSite(), "http://site.example");
    EXPECT_EQ(f.GetFichiersRecents(), (std::vector<std::string>{"/a/un.xmc", "/a/trois.xmc", "/a/quatre.xmc"}));
    EXPECT_TRUE(f.GetEtatMenu().MenuHaut);
    EXPECT_FALSE(f.GetEtatMenu().MenuGauche);
    EXPECT_TRUE(f.fc_Menu->isHidden());
    EXPECT_FALSE(f.mm_Menu->actions().isEmpty());

    f.FichiersRecents() = {"1", "2", "3", "4", "5", "6", "7"};
    Fenetre.reset();
    const TFichierIni ini(Ini());
    EXPECT_EQ(ini.ReadInteger("LastFile", "Count", 0), 5);
    EXPECT_EQ(ini.ReadString("LastFile", "File0", ""), "1");
    EXPECT_EQ(ini.ReadString("LastFile", "File4", ""), "5");
    EXPECT_FALSE(ini.ValueExists("LastFile", "File5") && ini.ReadString("LastFile", "File5", "") == "6");
}

TEST_F(PrincipaleTest, DesFichiersRecentsQuiNePeuventEtreEcritsLeDisent)
{
    Demarre();
    const std::string attendu = TraduitFmt(2341, {Ini()});
    // The settings file turned into a folder can no longer be written.
    fs::remove(Ini());
    fs::create_directory(Ini());
    Fenetre.reset();
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, attendu);
}

TEST_F(PrincipaleTest, UnPremierDemarrageDemandeLaLangue)
{
    EcritIni("");
    Dialogues.Repond([](QDialog& d) {
        auto& forme = dynamic_cast<Tf_ChoixLangue&>(d);
        forme.rc_Anglais->SetChecked(true);
        forme.b_Valider->Click();
    });
    Tf_Principale& f = Demarre();
    EXPECT_EQ(f.TagApplication, 0);
    EXPECT_EQ(Dialogues.TitresFormes.size(), 1u);
    EXPECT_EQ(TFichierIni(Ini()).ReadString("General", "Langue", ""), "en");
    EXPECT_EQ(f.GetLangue(), "en");
    EXPECT_EQ(Traducteur()->GetNomFichier(), Dossier.str() + "texte/Texteen.txt");
    EXPECT_TRUE(Messages.Messages.empty());

    // Closed without a choice: French, and nothing written.
    Fenetre.reset();
    EcritIni("");
    EXPECT_EQ(Demarre().GetLangue(), "fr");
    EXPECT_EQ(Dialogues.TitresFormes.size(), 2u);
    EXPECT_FALSE(TFichierIni(Ini()).ValueExists("General", "Langue"));

    // Later, from the command: another language is for the next start.
    Dialogues.Repond([](QDialog& d) {
        auto& forme = dynamic_cast<Tf_ChoixLangue&>(d);
        forme.rc_Anglais->SetChecked(true);
        forme.b_Valider->Click();
    });
    EcritIni("[General]\nLangue=fr\n");
    Fenetre->ExecuteCommande(179);
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, Traduit(295));
    EXPECT_EQ(Fenetre->GetLangue(), "fr");
    // A dialog is not a view.
    EXPECT_TRUE(Fenetre->GetPrecedents().empty());
    EXPECT_EQ(Fenetre->GetCommandeCourante(), 0);
}

TEST_F(PrincipaleTest, LaPremiereActivationMontreLAstuceEtLeChoixDOuverture)
{
    const std::string dernier = (Dossier / "sauvegarde" / "saison.xmc").string();
    EcritIni("[General]\nLangue=fr\nnAstuce=3\nLastFile=" + dernier + "\n");
    Tf_Principale& f = Demarre();
    std::string astuce;
    Dialogues.Repond([&](QDialog& d) {
        astuce = dynamic_cast<Tf_AstuceJour&>(d).m_Astuce->toPlainText().toStdString();
        d.done(ResultatModal::Ok);
    });
    bool dernierActif = true;
    Dialogues.Repond([&](QDialog& d) {
        dernierActif = dynamic_cast<Tf_Ouverture&>(d).rb_Last->isEnabled();
        d.done(ResultatModal::Annuler);
    });
    f.FormActivate();
    EXPECT_EQ(astuce, Traduit(2003));
    EXPECT_EQ(TFichierIni(Ini()).ReadInteger("General", "nAstuce", 0), 4);
    // The last file does not exist.
    EXPECT_FALSE(dernierActif);
    EXPECT_EQ(f.windowTitle().toStdString(), TraduitFmt(3, {"Brevalune", "7.56"}));
    EXPECT_EQ(f.size(), QSize(800, 600));
    EXPECT_EQ(Dialogues.TitresFormes.size(), 2u);
    // Only once.
    f.FormActivate();
    EXPECT_EQ(Dialogues.TitresFormes.size(), 2u);

    Fenetre.reset();
    testsupport::WriteWholeFile(dernier, "");
    EcritIni("[General]\nLangue=fr\nShowAstuce=0\nLastFile=" + dernier + "\n");
    Tf_Principale& g = Demarre();
    std::string libelle;
    bool coche = false;
    Dialogues.Repond([&](QDialog& d) {
        auto& forme = dynamic_cast<Tf_Ouverture&>(d);
        libelle = forme.rb_Last->Caption();
        coche = forme.rb_Last->Checked() && forme.rb_Last->isEnabled();
        d.done(ResultatModal::Annuler);
    });
    g.FormActivate();
    EXPECT_EQ(Dialogues.TitresFormes.size(), 3u);
    EXPECT_EQ(libelle, Traduit(1198) + " (saison.xmc)");
    EXPECT_TRUE(coche);
}

TEST_F(PrincipaleTest, LaBoiteAProposMontreLeProduitEtLaVersion)
{
    Tf_Principale& f = Demarre();
    std::string produit;
    Dialogues.Repond([&](QDialog& d) {
        for (QLabel* l : d.findChildren<QLabel*>())
            if (l->text().startsWith("Brevalune "))
                produit = l->text().toStdString();
        d.done(ResultatModal::Ok);
    });
    f.ExecuteCommande(197);
    EXPECT_EQ(produit, "Brevalune 7.56");
}

} // namespace

namespace {

// A page that asks for another view from inside its own handler, then goes on
// with its own fields.
class TPageQuiNavigue : public TPageTest {
public:
    using TPageTest::TPageTest;
    void Clique()
    {
        Navigue(41);
        Suite = 7;
    }
    int Suite = 0;
};

void VideSuppressions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(PrincipaleTest, LHistoriqueGardeDixPasEtUneNouvelleCommandeVideLaSuite)
{
    Tf_Principale& f = Demarre();
    EnregistrePagesTest();
    // Back over an empty list does nothing.
    f.sb_BackClick();
    f.sb_ForwardClick();
    EXPECT_EQ(f.GetCommandeCourante(), 0);
    EXPECT_FALSE(f.Precedent->isEnabled());

    // The first view enters nothing; the second enters the first.
    EXPECT_TRUE(f.ExecuteCommande(40, -1));
    EXPECT_TRUE(f.GetPrecedents().empty());
    for (int code : {41, 42, 43, 44, 45, 62, 63, 64, 65, 137, 138})
        EXPECT_TRUE(f.ExecuteCommande(code, -1));
    ASSERT_EQ(f.GetPrecedents().size(), 10u);
    EXPECT_EQ(f.GetPrecedents().front().Commande, 137);
    EXPECT_EQ(f.GetPrecedents().back().Commande, 41);
    EXPECT_TRUE(f.Precedent->isEnabled());
    EXPECT_FALSE(f.Suivant->isEnabled());

    for (int i = 0; i < 3; ++i)
        f.sb_BackClick();
    EXPECT_EQ(f.GetCommandeCourante(), 64);
    EXPECT_EQ(f.GetPrecedents().size(), 7u);
    ASSERT_EQ(f.GetSuivants().size(), 3u);
    EXPECT_EQ(f.GetSuivants().front().Commande, 65);
    EXPECT_TRUE(f.Suivant->isEnabled());
    // The pages the steps replaced are kept hidden, not freed.
    EXPECT_GE(f.NbPagesGardees(), 1);
    // Stepping records nothing new in the back list.
    f.sb_ForwardClick();
    EXPECT_EQ(f.GetCommandeCourante(), 65);
    EXPECT_EQ(f.GetPrecedents().size(), 8u);
    EXPECT_EQ(f.GetSuivants().size(), 2u);

    // A new recorded view clears the way forward.
    f.ExecuteCommande(40, -1);
    EXPECT_TRUE(f.GetSuivants().empty());
    EXPECT_FALSE(f.Suivant->isEnabled());
    EXPECT_EQ(f.GetPrecedents().front().Commande, 65);

    // Twenty steps forward and back over the lists keep ten at most.
    for (int i = 0; i < 20; ++i)
        f.sb_BackClick();
    EXPECT_TRUE(f.GetPrecedents().empty());
    EXPECT_EQ(f.GetSuivants().size(), 9u);
    EXPECT_LE(f.NbPagesGardees(), 2);
}

TEST_F(PrincipaleTest, UnChangementDeChampionnatEntreDansLHistorique)
{
    Tf_Principale& f = Demarre();
    OuvreSaison();
    EnregistrePagesTest();
    ASSERT_EQ(f.GetTitresChampionnats().size(), 2u);
    EXPECT_FALSE(f.Panel5->isHidden());
    EXPECT_EQ(f.l_Titre->text().toStdString(), f.GetTitresChampionnats()[0].first);
    EXPECT_EQ(f.ud_Champ->value(), 1);
    EXPECT_EQ(f.ud_Champ->maximum(), 2);

    f.ExecuteCommande(40, -1);
    f.ExecuteCommande(0x0200); // the node of championship 2
    EXPECT_EQ(f.GetSaison()->GetChampCourant()->CodeChamp, 2);
    // The standings are shown again, for the new championship.
    EXPECT_EQ(f.GetCommandeCourante(), 40);
    EXPECT_NE(f.GetPageCourante(), nullptr);
    ASSERT_EQ(f.GetPrecedents().size(), 1u);
    EXPECT_EQ(f.GetPrecedents().front().Commande, 40);
    EXPECT_EQ(f.GetPrecedents().front().IdChamp, 1);
    EXPECT_EQ(f.ud_Champ->value(), 2);
    EXPECT_EQ(f.l_Titre->text().toStdString(), f.GetTitresChampionnats()[1].first);

    // Back to the view of the other championship: it becomes current again.
    f.sb_BackClick();
    EXPECT_EQ(f.GetSaison()->GetChampCourant()->CodeChamp, 1);
    EXPECT_EQ(f.ud_Champ->value(), 1);
    EXPECT_EQ(f.GetCommandeCourante(), 40);
    ASSERT_EQ(f.GetSuivants().size(), 1u);
    EXPECT_EQ(f.GetSuivants().front().IdChamp, 2);
    EXPECT_TRUE(f.GetPrecedents().empty());

    // The up-down stays within the title list.
    EXPECT_FALSE(f.ud_ChampChangingEx(0));
    EXPECT_FALSE(f.ud_ChampChangingEx(3));
    f.ud_Champ->setValue(5);
    EXPECT_EQ(f.ud_Champ->value(), 2);
    EXPECT_EQ(f.GetSaison()->GetChampCourant()->CodeChamp, 2);
    EXPECT_EQ(f.GetPrecedents().size(), 1u);
}

TEST_F(PrincipaleTest, FermerLeFichierVideLHistoriqueEtLesPagesGardees)
{
    Tf_Principale& f = Demarre();
    OuvreSaison();
    EnregistrePagesTest();
    f.ExecuteCommande(40, -1);
    f.ExecuteCommande(41, -1);
    f.ExecuteCommande(42, -1);
    f.sb_BackClick();
    f.SetSelection(0, 3);
    ASSERT_GE(f.NbPagesGardees(), 1);
    QPointer<TFootForm> gardee = f.GetPageCourante();
    ASSERT_TRUE(f.FermeFichier());
    EXPECT_EQ(f.GetSaison(), nullptr);
    EXPECT_TRUE(f.GetPrecedents().empty());
    EXPECT_TRUE(f.GetSuivants().empty());
    EXPECT_EQ(f.NbPagesGardees(), 0);
    EXPECT_EQ(f.GetPageCourante(), nullptr);
    EXPECT_EQ(f.Selection(0), -1);
    VideSuppressions();
    EXPECT_TRUE(gardee.isNull());
    // The next view after the close starts a new history.
    f.ExecuteCommande(40, -1);
    EXPECT_TRUE(f.GetPrecedents().empty());
}

TEST_F(PrincipaleTest, UnePageQuiNavigueDepuisSonGestionnaireEstLibereePlusTard)
{
    Tf_Principale& f = Demarre();
    EnregistrePagesTest();
    EnregistreCommandePage(159, [](TPrincipale& p, int, int, int) { p.AfficheFenetre(ClassePage<TPageQuiNavigue>()); });
    f.ExecuteCommande(159, -1);
    auto* page = dynamic_cast<TPageQuiNavigue*>(f.GetPageCourante());
    ASSERT_NE(page, nullptr);
    QPointer<TFootForm> garde = page;
    page->Clique();
    EXPECT_EQ(page->Suite, 7);
    // Its half-typed entry went into the season before it was left.
    EXPECT_GE(page->NbValidations, 1);
    EXPECT_EQ(f.GetCommandeCourante(), 41);
    EXPECT_NE(f.GetPageCourante(), page);
    ASSERT_EQ(f.GetPrecedents().size(), 1u);
    EXPECT_EQ(f.GetPrecedents().front().Commande, 159);

    f.ExecuteCommande(42, -1);
    f.ExecuteCommande(43, -1);
    VideSuppressions();
    EXPECT_TRUE(garde.isNull());
}

TEST_F(PrincipaleTest, LaCommandeImprimerNEstOfferteQuePourUnePageQuiImprime)
{
    Tf_Principale& f = Demarre();
    OuvreSaison();
    EnregistrePagesTest();
    f.ExecuteCommande(40, -1);
    EXPECT_EQ(ChercheNoeud(f.tv_Menu, CodeMenu::Imprimer), nullptr);
    f.ExecuteCommande(158, -1);
    QTreeWidgetItem* noeud = ChercheNoeud(f.tv_Menu, CodeMenu::Imprimer);
    ASSERT_NE(noeud, nullptr);
    EXPECT_EQ(noeud->text(0).toStdString(), Traduit(714));
    EXPECT_EQ(DonneeNoeud(noeud->parent()), 3);
    // The menus rebuilt keep it while the page is shown.
    f.SetEtatFichier(true, true);
    EXPECT_NE(ChercheNoeud(f.tv_Menu, CodeMenu::Imprimer), nullptr);
    // Printing is not a view.
    EXPECT_FALSE(f.ExecuteCommande(CodeMenu::Imprimer, -1));
    f.ExecuteCommande(41, -1);
    EXPECT_EQ(ChercheNoeud(f.tv_Menu, CodeMenu::Imprimer), nullptr);
}

TEST_F(PrincipaleTest, LExportDitCeQueLaPageAEcrit)
{
    Tf_Principale& f = Demarre();
    OuvreSaison();
    EnregistreCommandePage(158, [](TPrincipale& p, int, int, int) { p.AfficheFenetre(ClassePage<TPageExportee>()); });
    ASSERT_TRUE(f.ExecuteCommande(158, -1));
    const std::string page = (Dossier / "page.html").string();
    auto exporte = [&] {
        Dialogues.RepondFichier(page);
        Messages.Messages.clear();
        f.ExecuteCommande(CodeMenu::ExporteHtml, -1);
    };

    // Written twice within one tick of a coarse file clock: the time stamp
    // stays, and the page is written all the same.
    TPageExportee::Exporte = [](const std::string& nom) {
        std::error_code err;
        const bool existait = fs::exists(nom, err);
        const fs::file_time_type avant = existait ? fs::last_write_time(nom, err) : fs::file_time_type();
        testsupport::WriteWholeFile(nom, "<html></html>");
        if (existait)
            fs::last_write_time(nom, avant, err);
        return true;
    };
    for (int fois = 1; fois <= 2; ++fois) {
        exporte();
        ASSERT_EQ(Messages.Messages.size(), 1u) << fois;
        EXPECT_EQ(Messages.Messages[0].Texte, TraduitFmt(3002, {page})) << fois;
    }

    // Nothing written, although the file is there from before: the window says so.
    TPageExportee::Exporte = [](const std::string&) { return false; };
    exporte();
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, TraduitFmt(3003, {page}));

    // A page that told its own failure is not contradicted nor repeated.
    TPageExportee::Exporte = [](const std::string&) {
        MessageUtil("refus", BoutonsMessage::Ok);
        return false;
    };
    exporte();
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, "refus");
    TPageExportee::Exporte = [](const std::string&) { return false; };
}

TEST_F(PrincipaleTest, LImpressionPorteLeTitreDuChampionnatEtDeLaVue)
{
    Tf_Principale& f = Demarre();
    OuvreSaison();
    EnregistreCommandePage(158, [](TPrincipale& p, int, int, int) { p.AfficheFenetre(ClassePage<TPageExportee>()); });
    ASSERT_TRUE(f.ExecuteCommande(158, -1));
    TFootForm* page = f.GetPageCourante();
    ASSERT_NE(page, nullptr);
    QTreeWidgetItem* noeud = ChercheNoeud(f.tv_Menu, 158);
    ASSERT_NE(noeud, nullptr);
    std::string vue = noeud->text(0).toStdString();
    if (const size_t points = vue.find("..."); points != std::string::npos)
        vue.erase(points);
    EXPECT_EQ(page->Vue(), vue);

    TPageExportee::TitreImprime.clear();
    f.ExecuteCommande(CodeMenu::Imprimer, -1);
    const std::string& titre = TPageExportee::TitreImprime;
    EXPECT_EQ(titre, page->TitreDocument());
    const TDonneesChampionnat* champ = f.GetSaison()->GetChampCourant();
    ASSERT_NE(champ, nullptr);
    EXPECT_EQ(titre.rfind(f.GetSaison()->GetNomCompletChamp(champ->CodeChamp) + " - ", 0), 0u) << titre;
    EXPECT_EQ(titre.substr(titre.size() - vue.size()), vue) << titre;
    EXPECT_EQ(Imprimante().Titre(), "");
}

TEST_F(PrincipaleTest, UnTitreOuUnFichierRecentAbsentNeChangeRien)
{
    Tf_Principale& f = Demarre();
    EnregistrePagesTest();
    f.ExecuteCommande(40, -1);
    TFootForm* page = f.GetPageCourante();
    // Headings run nothing and let the selection move.
    EXPECT_TRUE(f.ExecuteCommande(3, -1));
    EXPECT_EQ(f.GetCommandeCourante(), 40);
    EXPECT_EQ(f.GetPageCourante(), page);
    // A recent file past the end of the list does nothing.
    EXPECT_FALSE(f.ExecuteCommande((7 << 8) + 255, -1));
    EXPECT_EQ(f.GetPageCourante(), page);
    EXPECT_EQ(f.GetCommandeCourante(), 40);
    EXPECT_TRUE(f.GetPrecedents().empty());
}

TEST_F(PrincipaleTest, UneCommandeQuiNeMontreRienNEntrePasDansLHistorique)
{
    Tf_Principale& f = Demarre();
    OuvreSaison();
    EnregistrePagesTest();
    f.ExecuteCommande(40, -1);
    TFootForm* page = f.GetPageCourante();
    // Menu entries with nothing behind them, then file commands and dialogs
    // cancelled: none is a view, so going back never runs one again.
    for (int code : {5, 10, 25, 180, 183, 184, 185, 187, 188, 191, 195, 196, 189, 190, 197}) {
        EXPECT_FALSE(f.ExecuteCommande(code, -1)) << code;
        EXPECT_EQ(f.GetCommandeCourante(), 40) << code;
        EXPECT_TRUE(f.GetPrecedents().empty()) << code;
    }
    EXPECT_EQ(f.GetPageCourante(), page);
    f.ExecuteCommande(41, -1);
    ASSERT_EQ(f.GetPrecedents().size(), 1u);
    EXPECT_EQ(f.GetPrecedents().front().Commande, 40);
    f.sb_BackClick();
    EXPECT_EQ(f.GetCommandeCourante(), 40);
    EXPECT_TRUE(f.GetPrecedents().empty());
}

TEST_F(PrincipaleTest, UnRaccourciDeFavoriLanceSaCommandeVisible)
{
    EcritIni("[General]\nLangue=fr\nShowAstuce=0\nFavoris=40-9999-41\n");
    Tf_Principale& f = Demarre();
    EnregistrePagesTest();
    // Without a file the standings are not visible: nothing runs.
    f.Action1Execute(1);
    EXPECT_EQ(f.GetCommandeCourante(), 0);
    OuvreSaison();
    f.Action1Execute(1);
    EXPECT_EQ(f.GetCommandeCourante(), 40);
    f.Action1Execute(3);
    EXPECT_EQ(f.GetCommandeCourante(), 41);
    f.Action1Execute(9);
    EXPECT_EQ(f.GetCommandeCourante(), 41);
}

} // namespace

namespace {

TEST_F(PrincipaleTest, LArbreLanceSesCommandesEtNeSuitQueLesVues)
{
    Tf_Principale& f = Demarre();
    OuvreSaison();
    EnregistrePagesTest();
    f.tv_Menu->expandAll();
    QTreeWidgetItem* classement = ChercheNoeud(f.tv_Menu, 40);
    ASSERT_NE(classement, nullptr);
    f.tv_Menu->setCurrentItem(classement);
    EXPECT_EQ(f.GetCommandeCourante(), 40);
    ASSERT_NE(f.GetPageCourante(), nullptr);

    // A dialog is not a view: the selection stays on the standings.
    QTreeWidgetItem* langue = ChercheNoeud(f.tv_Menu, 179);
    ASSERT_NE(langue, nullptr);
    f.tv_Menu->setCurrentItem(langue);
    EXPECT_EQ(Dialogues.TitresFormes.size(), 1u);
    EXPECT_EQ(DonneeNoeud(f.tv_Menu->currentItem()), 40);

    // A championship node rebuilds the tree under the click.
    QTreeWidgetItem* coupe = ChercheNoeud(f.tv_Menu, 2 << 8);
    ASSERT_NE(coupe, nullptr);
    f.tv_Menu->setCurrentItem(coupe);
    EXPECT_EQ(f.GetSaison()->GetChampCourant()->CodeChamp, 2);
    EXPECT_NE(f.l_Titre->text().toStdString().find(" : "), std::string::npos);
    // The standings are replayed for the cup.
    EXPECT_EQ(f.GetCommandeCourante(), 40);
    EXPECT_EQ(f.GetPrecedents().size(), 1u);
}

// The arrow keys go on from the entry they ran, a dialog's or a
// championship's, instead of going back to the one before and running the
// entry again at the next arrow.
TEST_F(PrincipaleTest, LesFlechesDeLArbreDepassentUnDialogueEtUnChampionnat)
{
    Tf_Principale& f = Demarre();
    OuvreSaison();
    EnregistrePagesTest();
    f.tv_Menu->expandAll();
    f.tv_Menu->setCurrentItem(ChercheNoeud(f.tv_Menu, 40));
    ASSERT_EQ(f.GetCommandeCourante(), 40);
    QTreeWidgetItem* langue = ChercheNoeud(f.tv_Menu, 179);
    ASSERT_NE(langue, nullptr);
    ASSERT_NE(f.tv_Menu->itemAbove(langue), nullptr);
    ASSERT_NE(f.tv_Menu->itemBelow(langue), nullptr);
    {
        const QSignalBlocker silence(f.tv_Menu);
        f.tv_Menu->setCurrentItem(f.tv_Menu->itemAbove(langue));
    }
    QTest::keyClick(f.tv_Menu, Qt::Key_Down);
    EXPECT_EQ(Dialogues.TitresFormes.size(), 1u);
    EXPECT_EQ(f.tv_Menu->currentItem(), langue);
    QTreeWidgetItem* suivant = f.tv_Menu->itemBelow(langue);
    QTest::keyClick(f.tv_Menu, Qt::Key_Down);
    EXPECT_EQ(Dialogues.TitresFormes.size(), 1u) << "the dialog runs again";
    EXPECT_EQ(f.tv_Menu->currentItem(), suivant);

    // A championship reached with the arrows stays highlighted, its view replayed.
    f.tv_Menu->setCurrentItem(ChercheNoeud(f.tv_Menu, 40));
    QTreeWidgetItem* coupe = ChercheNoeud(f.tv_Menu, 2 << 8);
    ASSERT_NE(coupe, nullptr);
    ASSERT_NE(f.tv_Menu->itemAbove(coupe), nullptr);
    {
        const QSignalBlocker silence(f.tv_Menu);
        f.tv_Menu->setCurrentItem(f.tv_Menu->itemAbove(coupe));
    }
    QTest::keyClick(f.tv_Menu, Qt::Key_Down);
    EXPECT_EQ(f.GetSaison()->GetChampCourant()->CodeChamp, 2);
    EXPECT_EQ(f.GetCommandeCourante(), 40);
    EXPECT_EQ(DonneeNoeud(f.tv_Menu->currentItem()), 2 << 8);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

namespace {

TEST_F(PrincipaleTest, UneCommandeAPointsDeSuiteOuDEquipeNEntreNiNeSeRejoue)
{
    Tf_Principale& f = Demarre();
    OuvreSaison();
    EnregistrePagesTest();
    EnregistreCommandePage(121, [](TPrincipale& p, int, int, int) { p.AfficheFenetre(ClassePage<TPageTest>()); });
    f.ExecuteCommande(40, -1);
    // A caption with "..." is a dialog: not a view, not in the history.
    EXPECT_FALSE(f.ExecuteCommande("Classement...", 41, nullptr, -1, true));
    EXPECT_EQ(f.GetCommandeCourante(), 40);
    EXPECT_TRUE(f.GetPrecedents().empty());

    // A team-statistics view depends on the team chosen: after a switch of
    // championship nothing is shown again.
    f.SetSelection(0, 4);
    EXPECT_TRUE(f.ExecuteCommande(121, 4));
    EXPECT_EQ(f.Selection(0), 4);
    EXPECT_EQ(f.GetCommandeRejouee(), 0);
    f.ExecuteCommande(0x0200);
    EXPECT_EQ(f.GetPageCourante(), nullptr);
    EXPECT_EQ(f.GetPrecedents().size(), 1u);
    // A view of another family forgets the team.
    f.ExecuteCommande(40, -1);
    EXPECT_EQ(f.Selection(0), -1);
}

} // namespace

namespace {

// A team-statistics page the way such pages answer: the team chooser first,
// preselected on the remembered team; nothing shown when it is cancelled,
// else the team chosen handed back for the history.
struct TPageEquipe : TPageTest {
    using TPageTest::TPageTest;
    int Equipe = -1;
};

// The parameters the command was run with.
std::shared_ptr<std::vector<int>> EnregistrePageEquipe()
{
    auto demandes = std::make_shared<std::vector<int>>();
    EnregistreCommandePage(Commande::StatEquipe, [demandes](TPrincipale& p, int, int param, int) {
        demandes->push_back(param);
        int equipe = param >= 0 ? param : std::max(p.Selection(0), 0);
        if (param < 0 && !Tf_ChoixEquipe::Choisir(p.GetSaison(), "Equipe", 0, equipe))
            return TReponsePage::Aucun();
        p.SetSelection(0, equipe);
        PageCommande<TPageEquipe>(p)->Equipe = equipe;
        return TReponsePage::Avec(equipe);
    });
    return demandes;
}

TEST_F(PrincipaleTest, UnChoixAnnuleNeMontreRienEtLeParametreRenduSeRejoue)
{
    Tf_Principale& f = Demarre();
    OuvreSaison();
    EnregistrePagesTest();
    const auto demandes = EnregistrePageEquipe();
    f.tv_Menu->expandAll();
    f.tv_Menu->setCurrentItem(ChercheNoeud(f.tv_Menu, Commande::ClassementGeneral));
    TFootForm* classement = f.GetPageCourante();
    ASSERT_NE(classement, nullptr);

    // The chooser cancelled from the tree: no history, the selection and the
    // page stay where they were.
    Dialogues.RepondResultat(ResultatModal::Annuler);
    QTreeWidgetItem* stat = ChercheNoeud(f.tv_Menu, Commande::StatEquipe);
    ASSERT_NE(stat, nullptr);
    f.tv_Menu->setCurrentItem(stat);
    EXPECT_EQ(*demandes, std::vector<int>{-1});
    EXPECT_EQ(DonneeNoeud(f.tv_Menu->currentItem()), Commande::ClassementGeneral);
    EXPECT_EQ(f.GetCommandeCourante(), Commande::ClassementGeneral);
    EXPECT_TRUE(f.GetPrecedents().empty());
    EXPECT_EQ(f.GetPageCourante(), classement);
    EXPECT_EQ(f.Selection(0), -1);

    // Team 3 chosen: the history records 3, not the -1 of the menu.
    Dialogues.Repond([](QDialog& d) {
        auto& choix = dynamic_cast<Tf_ChoixEquipe&>(d);
        choix.Cases[3]->SetChecked(true);
        choix.BoutonValider->Click();
    });
    f.tv_Menu->setCurrentItem(stat);
    EXPECT_EQ(DonneeNoeud(f.tv_Menu->currentItem()), Commande::StatEquipe);
    EXPECT_EQ(f.Selection(0), 3);
    f.ExecuteCommande(Commande::ClassementDomicile, -1);
    ASSERT_EQ(f.GetPrecedents().size(), 2u);
    EXPECT_EQ(f.GetPrecedents().front().Commande, Commande::StatEquipe);
    EXPECT_EQ(f.GetPrecedents().front().Param, 3);

    // Back replays team 3 without asking, forward leaves it as it was.
    f.sb_BackClick();
    auto* page = dynamic_cast<TPageEquipe*>(f.GetPageCourante());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Equipe, 3);
    EXPECT_EQ(*demandes, (std::vector<int>{-1, -1, 3}));
    f.sb_ForwardClick();
    ASSERT_EQ(f.GetSuivants().size(), 0u);
    EXPECT_EQ(f.GetPrecedents().front().Param, 3);
    EXPECT_EQ(Dialogues.TitresFormes.size(), 2u) << "the replay asks nothing";
}

TEST_F(PrincipaleTest, LesSelectionsRetenuesSeLisentParLInterface)
{
    Tf_Principale& f = Demarre();
    TPrincipale& p = f;
    p.SetSelection(2, 7);
    EXPECT_EQ(p.Selection(2), 7);
    // Outside the three families: nothing kept, none read.
    p.SetSelection(3, 5);
    p.SetSelection(-1, 5);
    EXPECT_EQ(p.Selection(3), -1);
    EXPECT_EQ(p.Selection(-1), -1);
    EXPECT_EQ(p.GetDossierAide(), f.GetDossierAide());
    EXPECT_EQ(&p.GetEtatMenu(), &f.GetEtatMenu());
}

} // namespace

namespace {

// Every page the program registers, shown in turn on the sample season, then
// the history walked back and forth over them.
TEST_F(PrincipaleTest, ChaquePageDuProgrammeSAfficheEtSeRetrouveDansLHistorique)
{
    Tf_Principale& f = Demarre();
    OuvreSaison();
    std::vector<int> codes;
    for (int code = CodeMenu::PremiereCommande; code <= 218; ++code)
        if (CommandePage(code) != nullptr)
            codes.push_back(code);
    if (codes.empty())
        GTEST_SKIP() << "no page registered";
    RecordProperty("pages", static_cast<int>(codes.size()));
    for (int code : codes) {
        SCOPED_TRACE(code);
        f.ExecuteCommande(code, -1);
        VideSuppressions();
    }
    for (int i = 0; i < 12; ++i)
        f.sb_BackClick();
    for (int i = 0; i < 12; ++i)
        f.sb_ForwardClick();
    f.ExecuteCommande(0x0200);
    VideSuppressions();
    EXPECT_LE(f.GetPrecedents().size(), 10u);
    EXPECT_TRUE(f.FermeFichier());
    VideSuppressions();
    EXPECT_EQ(f.GetPageCourante(), nullptr);
}

} // namespace
