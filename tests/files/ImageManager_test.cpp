#include "files/ImageManager.h"

#include "support/ImagesTest.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

TImage Gris(uint8_t V)
{
    return testsupport::ImageUnie(8, 8, V, V, V);
}

class ImageManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Pict = Dossier.path() / "pict";
        fs::create_directory(Pict);
        const std::string Jpeg = EncodeJpeg(Gris(128));
        for (const char* Nom :
             {"stade_3_Parc des Sports.jpg", "STADE_4_Grand_Stade.JPG", "stade_6_.jpg", "stade_7.jpg", "stade_8_x.png",
              "stade_9_a.b.jpg", "Arbitre_x_Sans id.jpg", "joueur_12_Numéro douze.Jpg", "tribune_1_Autre.jpg"})
            testsupport::WriteWholeFile(Pict / Nom, Jpeg);
        fs::create_directory(Pict / "stade_20_Dossier.jpg");
    }
    std::string DossierPict() const { return Pict.string(); }

    testsupport::TempDir Dossier;
    fs::path Pict;
};

} // namespace

TEST_F(ImageManagerTest, IndexDuDossier)
{
    TImageManager M(DossierPict());
    ASSERT_EQ(M.Nombre(TImageManager::Stade), 2);
    std::string Nom;
    int Id = 0;
    ASSERT_TRUE(M.GetEntree(TImageManager::Stade, 0, Nom, Id));
    EXPECT_EQ(Id, 4);
    EXPECT_EQ(Nom, "Grand_Stade");
    EXPECT_EQ(M.NomDe(TImageManager::Stade, 3), "Parc des Sports");
    EXPECT_EQ(M.MaxId(TImageManager::Stade), 4);
    ASSERT_EQ(M.Nombre(TImageManager::Arbitre), 1);
    ASSERT_TRUE(M.GetEntree(TImageManager::Arbitre, 0, Nom, Id));
    EXPECT_EQ(Id, 0);
    EXPECT_EQ(Nom, "Sans id");
    EXPECT_EQ(M.NomDe(TImageManager::Joueur, 12), "Numéro douze");
    EXPECT_FALSE(M.GetEntree(TImageManager::Stade, 2, Nom, Id));
    EXPECT_FALSE(M.GetEntree(3, 0, Nom, Id));
    EXPECT_EQ(M.Nombre(-1), 0);
    EXPECT_EQ(M.IndexDe(TImageManager::Stade, 3), 1);
    EXPECT_EQ(M.IndexDe(TImageManager::Stade, 99), 2);
    EXPECT_EQ(M.NomDe(TImageManager::Stade, 99), "");
    EXPECT_EQ(TImageManager((Dossier.path() / "absent").string()).Nombre(TImageManager::Stade), 0);
}

TEST_F(ImageManagerTest, LeNomDeFichierReelEstGarde)
{
    TImageManager M(DossierPict());
    EXPECT_EQ(M.NomFichier(TImageManager::Stade, 4), DossierPict() + "/STADE_4_Grand_Stade.JPG");
    EXPECT_NE(M.ChargeImage(TImageManager::Stade, 4), nullptr);
    EXPECT_EQ(M.NomFichier(TImageManager::Stade, 5), "");
    EXPECT_EQ(M.ChargeImage(TImageManager::Stade, 5), nullptr);
    fs::remove(Pict / "stade_3_Parc des Sports.jpg");
    EXPECT_EQ(M.ChargeImage(TImageManager::Stade, 3), nullptr);
}

TEST_F(ImageManagerTest, AjouteSupprimeEtReindexe)
{
    TImageManager M(DossierPict());
    EXPECT_EQ(M.Ajoute(TImageManager::Stade, Gris(200), "Nouveau"), 5);
    EXPECT_TRUE(fs::exists(Pict / "stade_5_Nouveau.jpg"));
    const auto Image = M.ChargeImage(TImageManager::Stade, 5);
    ASSERT_NE(Image, nullptr);
    EXPECT_NEAR(static_cast<int>(Image->GetPixel(3, 3) & 0xFF), 200, 4);
    EXPECT_EQ(M.Ajoute(TImageManager::Arbitre, Gris(1), "Premier"), 1);
    EXPECT_EQ(M.Ajoute(TImageManager::Stade, Gris(1), "a.b"), TImageManager::NomRefuse);
    EXPECT_EQ(M.Ajoute(TImageManager::Stade, Gris(1), ""), TImageManager::NomRefuse);
    EXPECT_EQ(M.Ajoute(TImageManager::Stade, TImage(), "Vide"), TImageManager::ImageNonEnregistree);
    EXPECT_EQ(M.Ajoute(7, Gris(1), "Sorte"), TImageManager::NomRefuse);
    EXPECT_EQ(M.Nombre(TImageManager::Stade), 3);

    M.Supprime(TImageManager::Stade, 3);
    M.Supprime(TImageManager::Stade, 42);
    EXPECT_EQ(M.Nombre(TImageManager::Stade), 2);
    EXPECT_EQ(M.NomFichier(TImageManager::Stade, 3), "");
    // The file stays and comes back at the next start.
    EXPECT_EQ(TImageManager(DossierPict()).Nombre(TImageManager::Stade), 3);

    // A missing folder is made on the first addition.
    TImageManager Neuf((Dossier.path() / "neuf").string());
    EXPECT_EQ(Neuf.Ajoute(TImageManager::Joueur, Gris(9), "Gardien"), 1);
    EXPECT_TRUE(fs::exists(Dossier.path() / "neuf" / "joueur_1_Gardien.jpg"));
}

TEST_F(ImageManagerTest, RenommeGardeSorteEtIdEtRefuseCeQuiPerdraitUnePhoto)
{
    TImageManager M(DossierPict());
    ASSERT_TRUE(M.Renomme(TImageManager::Stade, 4, "Stade neuf"));
    EXPECT_TRUE(fs::exists(Pict / "STADE_4_Stade neuf.JPG"));
    EXPECT_FALSE(fs::exists(Pict / "STADE_4_Grand_Stade.JPG"));
    EXPECT_EQ(M.NomDe(TImageManager::Stade, 4), "Stade neuf");
    EXPECT_NE(M.ChargeImage(TImageManager::Stade, 4), nullptr);

    for (const char* Refuse : {"a/b", "a\\b", "a.b", "a\tb", "", " "})
        EXPECT_FALSE(M.Renomme(TImageManager::Stade, 3, Refuse)) << Refuse;
    EXPECT_FALSE(M.Renomme(TImageManager::Stade, 99, "Absent"));
    EXPECT_EQ(M.NomDe(TImageManager::Stade, 3), "Parc des Sports");

    // Another file already has the new name: nothing is renamed.
    testsupport::WriteWholeFile(Pict / "stade_3_Pris.jpg", "autre");
    EXPECT_FALSE(M.Renomme(TImageManager::Stade, 3, "Pris"));
    EXPECT_EQ(testsupport::ReadWholeFile(Pict / "stade_3_Pris.jpg"), "autre");
    EXPECT_TRUE(fs::exists(Pict / "stade_3_Parc des Sports.jpg"));

    // The file went away: the rename fails and the entry keeps its name.
    fs::remove(Pict / "stade_3_Parc des Sports.jpg");
    EXPECT_FALSE(M.Renomme(TImageManager::Stade, 3, "Ailleurs"));
    EXPECT_EQ(M.NomDe(TImageManager::Stade, 3), "Parc des Sports");
}
