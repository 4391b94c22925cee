// The real main window, started on a copy of the program folder.

#include "shell/w_Principale.h"

#include "base/FichierIni.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ImageFond.h"
#include "files/Blasons.h"
#include "files/ImageManager.h"
#include "model/LectureParametre.h"
#include "platform/Ecran.h"
#include "shell/w_AstuceJour.h"
#include "shell/w_ChoixLangue.h"
#include "shell/w_Ouverture.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

namespace {

class TEcranFixe : public TServiceEcran {
public:
    TEcranFixe() : FAncien(InstalleEcran(this)) {}
    ~TEcranFixe() override { InstalleEcran(FAncien); }
    TInfoEcran Info() override { return Valeur; }
    TInfoEcran Valeur{32, 1280, 1024};

private:
    TServiceEcran* FAncien;
};

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
        for (const char* dossier : {"texte", "config", "stats", "blasons", "pict", "sauvegarde", "aide", "Data"})
            fs::copy(AppDir() + dossier, Dossier / dossier, fs::copy_options::recursive);
        EcritIni("[General]\nLangue=fr\nShowAstuce=0\n");
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
    TEcranFixe Ecran;
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
