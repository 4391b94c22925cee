#include "shell/MiseAJour.h"
#include "shell/w_MessageMAJ.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "support/MessagesScriptes.h"
#include "support/ServeurHttp.h"
#include "support_ui/DialoguesScriptes.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

using testsupport::ServeurHttp;

class MiseAJour : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto traducteur = std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt");
        traducteur->SetNomProduit("Brevalune");
        InstalleTraducteur(std::move(traducteur));
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    // The update message's text as the next form shows it; a click on its site button.
    void LitLeMessage(bool cliqueSite = false)
    {
        dialogues.Repond([this, cliqueSite](QDialog& forme) {
            auto& message = dynamic_cast<Tf_MessageMAJ&>(forme);
            Affiche.push_back(message.Label1->text().toStdString());
            if (cliqueSite)
                message.bc_SiteClick();
            message.b_OkClick();
        });
    }

    testsupport::TMessagesScriptes messages;
    testsupport::TDialoguesScriptes dialogues;
    testsupport::TBureauEnregistre bureau;
    std::vector<std::string> Affiche;
};

TEST_F(MiseAJour, TexteSelonLaReponse)
{
    const std::string fin = TraduitFmt(646, {"Brevalune"});
    EXPECT_NE(fin.find("Brevalune"), std::string::npos);
    EXPECT_EQ(TexteMiseAJour("#maj"), "#maj" + fin);
    EXPECT_EQ(TexteMiseAJour("ok #maj\r\nVersion 7.60\r\nPlus rapide"), "Version 7.60\r\nPlus rapide" + fin);
    EXPECT_EQ(TexteMiseAJour(""), Traduit(985));
    EXPECT_EQ(TexteMiseAJour("ok"), Traduit(985));
    EXPECT_EQ(TexteMiseAJour("Failed : Connection refused"), "");
    EXPECT_FALSE(Traduit(985).empty());
}

TEST_F(MiseAJour, UneVersionPlusRecenteEstAnnoncee)
{
    ServeurHttp serveur("ok\r\n#maj\r\nLa version 7.60 est disponible");
    LitLeMessage(true);
    VerifieMiseAJour(serveur.Adresse() + "/", static_cast<QWidget*>(nullptr));
    ASSERT_EQ(serveur.Requetes().size(), 1u);
    EXPECT_EQ(serveur.Requetes()[0], "GET /checkver.php?ver=7.56 HTTP/1.1");
    ASSERT_EQ(dialogues.TitresFormes.size(), 1u);
    ASSERT_EQ(Affiche.size(), 1u);
    EXPECT_EQ(Affiche[0], "#maj\r\nLa version 7.60 est disponible" + TraduitFmt(646, {"Brevalune"}));
    EXPECT_EQ(bureau.Urls, std::vector<std::string>{serveur.Adresse() + "/redir.php"});
    EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(MiseAJour, PasDeMiseAJourPuisServeurArrete)
{
    {
        ServeurHttp serveur("ok");
        LitLeMessage();
        VerifieMiseAJour(serveur.Adresse(), static_cast<QWidget*>(nullptr));
        ASSERT_EQ(Affiche.size(), 1u);
        EXPECT_EQ(Affiche[0], Traduit(985));
    }
    // Nothing listens: no update form, and a message names the site that could not be reached.
    const std::string site = "http://127.0.0.1:" + std::to_string(testsupport::PortLibre());
    VerifieMiseAJour(site, static_cast<QWidget*>(nullptr));
    EXPECT_EQ(dialogues.TitresFormes.size(), 1u);
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, TraduitFmt(1990, {site}));
}

TEST_F(MiseAJour, UnLienQueLeBureauNOuvrePasEstDonneALUtilisateur)
{
    ServeurHttp serveur("ok\r\n#maj\r\nLa version 7.60 est disponible");
    bureau.Reussit = false;
    LitLeMessage(true);
    VerifieMiseAJour(serveur.Adresse() + "/", static_cast<QWidget*>(nullptr));
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, TraduitFmt(2630, {serveur.Adresse() + "/redir.php"}));
    EXPECT_EQ(messages.Messages[0].Flags, BoutonsMessage::Ok | BoutonsMessage::Avertissement);
}

} // namespace
