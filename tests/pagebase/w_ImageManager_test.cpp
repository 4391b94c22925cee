#include "pagebase/w_ImageManager.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "support/ImagesTest.h"
#include "support/MessagesScriptes.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"

#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

TImage Uni(uint8_t V)
{
    return testsupport::ImageUnie(10, 10, V, V, V);
}

class ImageManagerDialogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        Pict = Dossier.path() / "pict";
        fs::create_directory(Pict);
        ASSERT_TRUE(EnregistreJpeg(Uni(30), (Pict / "arbitre_2_Martin.jpg").string()));
        ASSERT_TRUE(EnregistreJpeg(Uni(220), (Pict / "arbitre_5_Durand.jpg").string()));
        ASSERT_TRUE(EnregistreJpeg(Uni(220), (Pict / "stade_1_Parc.jpg").string()));
        Images = std::make_unique<TImageManager>(Pict.string());
        Forme = std::make_unique<Tf_ImageManager>(*Images);
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    std::string Ligne(int I) const { return Forme->lb_Image->item(I)->text().toStdString(); }

    testsupport::TempDir Dossier;
    fs::path Pict;
    testsupport::TDialoguesScriptes Dialogues;
    testsupport::TMessagesScriptes Messages;
    std::unique_ptr<TImageManager> Images;
    std::unique_ptr<Tf_ImageManager> Forme;
};

} // namespace

TEST_F(ImageManagerDialogueTest, InitialiseListeLaSorteEtMontreLaPhoto)
{
    Forme->Initialise(TImageManager::Arbitre, 5);
    EXPECT_EQ(Forme->bc_Renommer->Caption(), "Renommer");
    ASSERT_EQ(Forme->lb_Image->count(), 2);
    EXPECT_EQ(Ligne(0), "Martin");
    EXPECT_EQ(Forme->lb_Image->currentRow(), 1);
    EXPECT_EQ(Forme->e_Nom->text().toStdString(), "Durand");
    ASSERT_NE(Forme->Image->Image(), nullptr);
    EXPECT_NEAR(qRed(Forme->Image->Image()->Image.pixel(4, 4)), 220, 4);

    Forme->Initialise(TImageManager::Arbitre, 99);
    EXPECT_EQ(Forme->lb_Image->currentRow(), -1);
    EXPECT_EQ(Forme->Image->Image(), nullptr);
    EXPECT_TRUE(Forme->e_Nom->text().isEmpty());
}

TEST_F(ImageManagerDialogueTest, AjouterDepuisUnFichierPng)
{
    Forme->Initialise(TImageManager::Arbitre, 2);
    const fs::path Source = Dossier.path() / "Petit.portrait.png";
    ASSERT_TRUE(EnregistrePng(Uni(90), Source.string()));
    Dialogues.RepondFichier(Source.string());
    Forme->bc_Ajouter->Click();
    ASSERT_EQ(Dialogues.DemandesOuverture.size(), 1u);
    EXPECT_EQ(Dialogues.DemandesOuverture[0].DossierInitial, AppDir() + "blasons");
    ASSERT_EQ(Forme->lb_Image->count(), 3);
    EXPECT_EQ(Ligne(2), "Petit");
    EXPECT_EQ(Forme->lb_Image->currentRow(), 2);
    EXPECT_TRUE(fs::exists(Pict / "arbitre_6_Petit.jpg"));
    ASSERT_NE(Forme->Image->Image(), nullptr);
    EXPECT_NEAR(qRed(Forme->Image->Image()->Image.pixel(1, 1)), 90, 4);

    Dialogues.RepondFichier((Dossier.path() / "absent.png").string());
    Forme->bc_Ajouter->Click();
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, Traduit(1971));
    EXPECT_EQ(Forme->lb_Image->count(), 3);
}

TEST_F(ImageManagerDialogueTest, RenommerEffacerEtChoisir)
{
    Forme->Initialise(TImageManager::Arbitre, 2);
    Forme->e_Nom->setText("Martin Jr");
    Forme->bc_Renommer->Click();
    EXPECT_EQ(Ligne(0), "Martin Jr");
    EXPECT_TRUE(fs::exists(Pict / "arbitre_2_Martin Jr.jpg"));

    Forme->e_Nom->setText("M. Martin");
    Forme->bc_Renommer->Click();
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, Traduit(1975));
    EXPECT_EQ(Ligne(0), "Martin Jr");

    Forme->bc_Effacer->Click();
    ASSERT_EQ(Forme->lb_Image->count(), 1);
    EXPECT_EQ(Images->Nombre(TImageManager::Arbitre), 1);
    EXPECT_EQ(Forme->Image->Image(), nullptr);
    EXPECT_TRUE(fs::exists(Pict / "arbitre_2_Martin Jr.jpg"));

    Dialogues.Repond([this](QDialog&) {
        Forme->lb_Image->setCurrentRow(0);
        Forme->bc_Choisir->Click();
    });
    EXPECT_EQ(::Dialogues().ExecuteModal(*Forme), ResultatModal::Ok);
    EXPECT_EQ(Forme->Choisi(), 5);
}
