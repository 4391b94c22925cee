// The small dialogs of the main window: language choice, tip of the day,
// about box and update message.

#include "shell/w_About.h"
#include "shell/w_AstuceJour.h"
#include "shell/w_ChoixLangue.h"
#include "shell/w_MessageMAJ.h"

#include "base/FichierIni.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ImageFond.h"
#include "support/MessagesScriptes.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {

class PetitsDialoguesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto traducteur = std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt");
        traducteur->SetNomProduit("Brevalune");
        InstalleTraducteur(std::move(traducteur));
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    std::string Ini() const { return (Dossier / "brevalune.ini").string(); }
    void EcritIni(const std::string& contenu) const { testsupport::WriteWholeFile(Dossier / "brevalune.ini", contenu); }

    testsupport::TempDir Dossier;
    testsupport::TDialoguesScriptes Dialogues;
    testsupport::TMessagesScriptes Messages;
};

// Runs the language dialog with French, English or neither checked.
int ChoisitLangue(testsupport::TDialoguesScriptes& dialogues, const std::string& ini, bool francais, bool anglais)
{
    Tf_ChoixLangue forme;
    forme.FichierIni = ini;
    dialogues.Repond([&](QDialog&) {
        forme.rc_Francais->SetChecked(francais);
        forme.rc_Anglais->SetChecked(anglais);
        forme.b_Valider->Click();
    });
    return ::Dialogues().ExecuteModal(forme);
}

TEST_F(PetitsDialoguesTest, LangueChoisieLaPremiereFoisEstEcriteSansMessage)
{
    EXPECT_EQ(ChoisitLangue(Dialogues, Ini(), false, true), ResultatModal::Ok);
    EXPECT_EQ(TFichierIni(Ini()).ReadString("General", "Langue", ""), "en");
    EXPECT_TRUE(Messages.Messages.empty());
}

TEST_F(PetitsDialoguesTest, PremierChoixDeLangueProposeCelleDuSysteme)
{
    for (const std::string systeme : {"en", "fr"}) {
        Tf_ChoixLangue forme;
        forme.FichierIni = Ini();
        forme.LangueDuSysteme = systeme;
        Dialogues.Repond([&](QDialog&) {
            EXPECT_EQ(forme.rc_Anglais->Checked(), systeme == "en");
            EXPECT_EQ(forme.rc_Francais->Checked(), systeme == "fr");
            forme.b_Valider->Click();
        });
        ::Dialogues().ExecuteModal(forme);
        EXPECT_EQ(TFichierIni(Ini()).ReadString("General", "Langue", ""), systeme);
        EcritIni("");
    }
    // A language set wins over the system's.
    EcritIni("[General]\nLangue=fr\n");
    Tf_ChoixLangue forme;
    forme.FichierIni = Ini();
    forme.LangueDuSysteme = "en";
    Dialogues.Repond([&](QDialog&) { EXPECT_TRUE(forme.rc_Francais->Checked()); });
    ::Dialogues().ExecuteModal(forme);
}

TEST_F(PetitsDialoguesTest, ChangerDeLangueAnnonceLeRedemarrage)
{
    EcritIni("[General]\nLangue=fr\n");
    ChoisitLangue(Dialogues, Ini(), false, true);
    EXPECT_EQ(TFichierIni(Ini()).ReadString("General", "Langue", ""), "en");
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, Traduit(295));
    EXPECT_FALSE(Traduit(295).empty());
}

TEST_F(PetitsDialoguesTest, LaMemeLangueNEcritRienEtAucuneCocheDonneLeFrancais)
{
    EcritIni("[General]\nLangue=en\n");
    {
        Tf_ChoixLangue forme;
        forme.FichierIni = Ini();
        Dialogues.Repond([&](QDialog&) {
            // The language set is checked when the form shows.
            EXPECT_TRUE(forme.rc_Anglais->Checked());
            EXPECT_FALSE(forme.rc_Francais->Checked());
            forme.b_Valider->Click();
        });
        ::Dialogues().ExecuteModal(forme);
    }
    EXPECT_TRUE(Messages.Messages.empty());
    ChoisitLangue(Dialogues, Ini(), false, false);
    EXPECT_EQ(TFichierIni(Ini()).ReadString("General", "Langue", ""), "fr");
    EXPECT_EQ(Messages.Messages.size(), 1u);
}

std::string TexteAstuce(const Tf_AstuceJour& forme)
{
    return forme.m_Astuce->toPlainText().toStdString();
}

TEST_F(PetitsDialoguesTest, AstuceDuJourMontreLeTexteDuCompteurEtLAvance)
{
    EcritIni("[General]\nnAstuce=7\n");
    {
        Tf_AstuceJour forme;
        forme.FichierIni = Ini();
        std::string vue;
        Dialogues.Repond([&](QDialog&) {
            vue = TexteAstuce(forme);
            forme.bc_Continuer->Click();
        });
        ::Dialogues().ExecuteModal(forme);
        EXPECT_EQ(vue, Traduit(2007));
    }
    EXPECT_EQ(TFichierIni(Ini()).ReadInteger("General", "nAstuce", -1), 0);

    EcritIni("[General]\nnAstuce=7\n");
    {
        Tf_AstuceJour forme;
        forme.FichierIni = Ini();
        std::string suivante;
        Dialogues.Repond([&](QDialog&) {
            forme.bc_suivante->Click();
            suivante = TexteAstuce(forme);
            forme.cb_Demarrage->SetChecked(false);
            forme.bc_Continuer->Click();
        });
        ::Dialogues().ExecuteModal(forme);
        EXPECT_EQ(suivante, Traduit(2000));
    }
    const TFichierIni ini(Ini());
    EXPECT_EQ(ini.ReadInteger("General", "nAstuce", -1), 1);
    EXPECT_FALSE(ini.ReadBool("General", "ShowAstuce", true));
}

TEST_F(PetitsDialoguesTest, LAstuceDuProduitLeNomme)
{
    EcritIni("[General]\nnAstuce=-6\n");
    Tf_AstuceJour forme;
    forme.FichierIni = Ini();
    std::string vue;
    Dialogues.Repond([&](QDialog& d) {
        vue = TexteAstuce(forme);
        d.done(ResultatModal::Annuler);
    });
    ::Dialogues().ExecuteModal(forme);
    EXPECT_EQ(vue, TraduitFmt(2002, {"Brevalune"}));
    EXPECT_NE(vue.find("Brevalune"), std::string::npos);
    // Closed from the title bar, the next tip is stored all the same.
    EXPECT_EQ(TFichierIni(Ini()).ReadInteger("General", "nAstuce", -1), 3);
    EXPECT_TRUE(TFichierIni(Ini()).ReadBool("General", "ShowAstuce", false));
}

TEST_F(PetitsDialoguesTest, DesReglagesQuiNePeuventEtreEcritsLeDisent)
{
    // A settings file in a folder that does not exist cannot be written.
    const std::string absent = (Dossier / "absent" / "brevalune.ini").string();
    const std::string attendu = TraduitFmt(2341, {absent});
    EXPECT_NE(attendu.find(absent), std::string::npos);

    ChoisitLangue(Dialogues, absent, false, true);
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, attendu);
    Messages.Messages.clear();

    Tf_AstuceJour forme;
    forme.FichierIni = absent;
    Dialogues.Repond([&](QDialog&) { forme.bc_Continuer->Click(); });
    ::Dialogues().ExecuteModal(forme);
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, attendu);
}

TEST_F(PetitsDialoguesTest, LaBoiteAProposMontreLeProduitEtLaVersion)
{
    Tf_AboutBox forme;
    forme.Version = "7.56";
    Dialogues.Repond([&](QDialog&) { forme.BoutonCopie1->Click(); });
    EXPECT_EQ(::Dialogues().ExecuteModal(forme), ResultatModal::Ok);
    EXPECT_EQ(forme.ProductName->text().toStdString(), "Brevalune 7.56");
    // Each label shows its value, not its bare name.
    EXPECT_EQ(forme.VersionLabel->text().toStdString(), Traduit(254) + " 7.56");
    EXPECT_TRUE(forme.Copyright->text().startsWith("Copyright \u00A9 2"));
    EXPECT_EQ(forme.windowTitle().toStdString(), Traduit(735));
    EXPECT_EQ(forme.BoutonCopie1->Caption(), Traduit(27));
}

TEST_F(PetitsDialoguesTest, LeMessageDeMiseAJourGranditAvecSonTexteEtOuvreLeSite)
{
    testsupport::TBureauEnregistre bureau;
    int hauteurCourte = 0;
    int hauteurLongue = 0;
    {
        Tf_MessageMAJ forme;
        forme.Site = "http://site.example/";
        Dialogues.Repond([&](QDialog&) {
            hauteurCourte = forme.height();
            forme.bc_Site->Click();
            forme.b_Ok->Click();
        });
        EXPECT_EQ(forme.Affiche("Une ligne"), ResultatModal::Ok);
    }
    {
        Tf_MessageMAJ forme;
        Dialogues.Repond([&](QDialog&) {
            hauteurLongue = forme.height();
            forme.b_Ok->Click();
        });
        forme.Affiche("Une\nnouvelle\nversion\nest\nprête");
    }
    EXPECT_GT(hauteurLongue, hauteurCourte);
    ASSERT_EQ(bureau.Urls.size(), 1u);
    EXPECT_EQ(bureau.Urls[0], "http://site.example/redir.php");
}

TEST(AdresseSiteTest, UneSeuleBarreEntreLaBaseEtLaPage)
{
    EXPECT_EQ(AdresseSite("http://a.b", "redir.php"), "http://a.b/redir.php");
    EXPECT_EQ(AdresseSite("http://a.b/", "/checkver.php?ver=7.56"), "http://a.b/checkver.php?ver=7.56");
    EXPECT_EQ(AdresseSite("http://a.b//", "x"), "http://a.b/x");
}

} // namespace
