#include "pagebase/w_blasons.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "support/ImagesTest.h"
#include "support/MessagesScriptes.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"

#include <QLineEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

TImage Uni(uint8_t R, uint8_t G, uint8_t B)
{
    return testsupport::ImageUnie(6, 6, R, G, B);
}

// A 2 x 2 24-bit bitmap, all of one colour.
std::string BmpUni(uint8_t R, uint8_t G, uint8_t B)
{
    std::string Ligne = {static_cast<char>(B),
                         static_cast<char>(G),
                         static_cast<char>(R),
                         static_cast<char>(B),
                         static_cast<char>(G),
                         static_cast<char>(R),
                         0,
                         0};
    std::string F("BM\x46\0\0\0\0\0\0\0\x36\0\0\0", 14);
    F += std::string("\x28\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x18\0", 16) + std::string(24, '\0');
    return F + Ligne + Ligne;
}

class BlasonsDialogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        fs::create_directory(Dossier / "blasons");
        testsupport::WriteWholeFile(Dossier / "blasons" / "blasons.txt",
                                    "1-0-France#1001-1-Lyon#1002-9-Orphelin#2-0-Belgique#1003-2-Genk#");
        ASSERT_TRUE(EnregistrePng(Uni(0, 0, 255), (Dossier / "blasons" / "1.png").string()));
        Catalogue = std::make_unique<TBlasons>(Dossier.str());
        Forme = std::make_unique<Tf_Blasons>(*Catalogue);
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    QTreeWidgetItem* Noeud(int Pays, int Equipe = -1) const
    {
        QTreeWidgetItem* N = Forme->tv_Blasons->topLevelItem(Pays);
        return Equipe < 0 ? N : N->child(Equipe);
    }
    std::string Fichier(const std::string& Nom, const std::string& Octets) const
    {
        testsupport::WriteWholeFile(Dossier / Nom, Octets);
        return (Dossier / Nom).string();
    }
    std::string CatalogueEcrit() const { return testsupport::ReadWholeFile(Dossier / "blasons" / "blasons.txt"); }

    testsupport::TempDir Dossier;
    testsupport::TDialoguesScriptes Dialogues;
    testsupport::TMessagesScriptes Messages;
    std::unique_ptr<TBlasons> Catalogue;
    std::unique_ptr<Tf_Blasons> Forme;
};

} // namespace

TEST_F(BlasonsDialogueTest, ArbreDesPaysEtDeLeursEquipes)
{
    Forme->RemplitArbre(1003);
    EXPECT_EQ(Forme->windowTitle().toStdString(), "Modifier Logo");
    EXPECT_EQ(Forme->bc_AjoutPays->Caption(), "Ajouter Pays");
    ASSERT_EQ(Forme->tv_Blasons->topLevelItemCount(), 2);
    EXPECT_EQ(Noeud(0)->text(0).toStdString(), "France");
    ASSERT_EQ(Noeud(0)->childCount(), 1); // the team of an absent country is left out
    EXPECT_EQ(Noeud(0, 0)->text(0).toStdString(), "Lyon");
    EXPECT_EQ(Forme->tv_Blasons->currentItem(), Noeud(1, 0));
    EXPECT_EQ(Forme->Selection(), 1003);
    EXPECT_EQ(Forme->Choisi(), 0);
    EXPECT_EQ(Forme->Logo->Image(), nullptr); // 1003 has no picture file

    Forme->tv_Blasons->setCurrentItem(Noeud(0));
    ASSERT_NE(Forme->Logo->Image(), nullptr);
    EXPECT_EQ(Forme->Logo->Image()->Image.pixel(2, 2), 0xFF0000FFu);
}

TEST_F(BlasonsDialogueTest, UneEquipeAvantSonPaysNApparaitPas)
{
    testsupport::WriteWholeFile(Dossier / "blasons" / "blasons.txt", "1001-1-Lyon#1-0-France#");
    TBlasons Autre(Dossier.str());
    Tf_Blasons F(Autre);
    F.RemplitArbre(0);
    ASSERT_EQ(F.tv_Blasons->topLevelItemCount(), 1);
    EXPECT_EQ(F.tv_Blasons->topLevelItem(0)->childCount(), 0);
    EXPECT_EQ(F.Selection(), 0);
}

TEST_F(BlasonsDialogueTest, AjoutDUnPaysEtDUneEquipe)
{
    Forme->RemplitArbre(0);
    Forme->e_Pays->setText("Italie");
    Dialogues.RepondFichier(Fichier("drapeau.BMP", BmpUni(0, 200, 0)));
    Forme->bc_AjoutPays->Click();
    ASSERT_EQ(Forme->tv_Blasons->topLevelItemCount(), 3);
    EXPECT_EQ(Noeud(2)->text(0).toStdString(), "Italie");
    EXPECT_EQ(Forme->Selection(), 3);
    EXPECT_TRUE(Forme->e_Pays->text().isEmpty());
    EXPECT_TRUE(Messages.Messages.empty());
    ASSERT_EQ(Dialogues.DemandesOuverture.size(), 1u);
    EXPECT_NE(Dialogues.DemandesOuverture[0].Filtre.find("*.gif"), std::string::npos);
    const auto Image = ChargePng((Dossier / "blasons" / "3.png").string());
    ASSERT_NE(Image, nullptr);
    EXPECT_EQ(Image->GetPixel(1, 1), 0xFF00C800u);

    Forme->e_Equipe->setText("Torino");
    Dialogues.RepondFichier(Fichier("club.png", EncodePng(Uni(9, 9, 9))));
    Forme->bc_AjoutEquipe->Click();
    ASSERT_EQ(Noeud(2)->childCount(), 1);
    EXPECT_EQ(Forme->Selection(), 1004);
    EXPECT_EQ(CatalogueEcrit(), "1-0-France#1001-1-Lyon#1002-9-Orphelin#2-0-Belgique#1003-2-Genk#3-0-Italie#"
                                "1004-3-Torino#");

    // A team needs a country selected, not a team.
    Forme->e_Equipe->setText("Juventus");
    Forme->bc_AjoutEquipe->Click();
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, Traduit(1974));
    EXPECT_EQ(Dialogues.DemandesOuverture.size(), 2u);
}

TEST_F(BlasonsDialogueTest, AjoutsRefusesNeSauventRien)
{
    Forme->RemplitArbre(1);
    const std::string Avant = CatalogueEcrit();

    Forme->e_Pays->setText("Pays#Faux");
    Forme->bc_AjoutPays->Click();
    EXPECT_EQ(Dialogues.DemandesOuverture.size(), 0u); // refused before a file is asked for

    Forme->e_Pays->setText("Texte");
    Dialogues.RepondFichier(Fichier("notes.txt", "pas une image"));
    Forme->bc_AjoutPays->Click();
    Dialogues.RepondFichier(Fichier("faux.gif", "GIF89a tronqué"));
    Forme->bc_AjoutPays->Click();

    Forme->e_Pays->setText("");
    Forme->bc_AjoutPays->Click();
    Forme->e_Pays->setText("Annulé");
    Dialogues.RefuseFichier();
    Forme->bc_AjoutPays->Click();

    ASSERT_EQ(Messages.Messages.size(), 3u);
    EXPECT_EQ(Messages.Messages[0].Texte, Traduit(1970));
    EXPECT_EQ(Messages.Messages[1].Texte, Traduit(1971));
    EXPECT_EQ(Messages.Messages[2].Texte, Traduit(1971));
    EXPECT_EQ(Forme->tv_Blasons->topLevelItemCount(), 2);
    EXPECT_EQ(CatalogueEcrit(), Avant);
    EXPECT_FALSE(fs::exists(Dossier / "blasons" / "3.png"));
}

TEST_F(BlasonsDialogueTest, CentiemePaysRefuse)
{
    testsupport::WriteWholeFile(Dossier / "blasons" / "blasons.txt", "100-0-Cent#");
    TBlasons Plein(Dossier.str());
    Tf_Blasons F(Plein);
    F.RemplitArbre(0);
    F.e_Pays->setText("Cent un");
    F.bc_AjoutPays->Click();
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, Traduit(1972));
    EXPECT_EQ(F.tv_Blasons->topLevelItemCount(), 1);
}

TEST_F(BlasonsDialogueTest, ModifierRemplaceLImageDuNoeudChoisi)
{
    Forme->RemplitArbre(1);
    Dialogues.RepondFichier(Fichier("rouge.bmp", BmpUni(255, 0, 0)));
    Forme->bc_Modifier->Click();
    EXPECT_EQ(Catalogue->GetImage(1)->GetPixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(Forme->Logo->Image()->Image.pixel(0, 0), 0xFFFF0000u);
    Dialogues.RepondFichier(Fichier("rien.jpg", "\xFF\xD8 rien"));
    Forme->bc_Modifier->Click();
    EXPECT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Catalogue->GetImage(1)->GetPixel(0, 0), 0xFF0000FFu);
}

TEST_F(BlasonsDialogueTest, ChoisirFermeAvecLeBlasonSelectionne)
{
    Forme->RemplitArbre(0);
    Dialogues.Repond([this](QDialog&) {
        Forme->bc_Choisir->Click(); // nothing selected: the form stays open
        EXPECT_EQ(Forme->Choisi(), 0);
        Forme->tv_Blasons->setCurrentItem(Noeud(0, 0));
        Forme->bc_Choisir->Click();
    });
    EXPECT_EQ(::Dialogues().ExecuteModal(*Forme), ResultatModal::Ok);
    EXPECT_EQ(Forme->Choisi(), 1001);
}
