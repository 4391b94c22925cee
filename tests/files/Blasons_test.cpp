#include "files/Blasons.h"

#include "support/FaultyIo.h"
#include "support/ImagesTest.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TImage Carre(uint8_t R)
{
    return testsupport::ImageUnie(4, 4, R, 0, 0);
}

class BlasonsTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directory(Dossier / "blasons"); }
    void EcritCatalogue(const std::string& Contenu)
    {
        testsupport::WriteWholeFile(Dossier / "blasons" / "blasons.txt", Contenu);
    }
    std::string Catalogue() const { return testsupport::ReadWholeFile(Dossier / "blasons" / "blasons.txt"); }

    struct Element {
        uint16_t Id;
        std::string Nom;
        uint16_t Parent;
    };
    static Element Get(const TBlasons& B, int Index)
    {
        Element E{0, "", 0};
        EXPECT_TRUE(B.GetElement(Index, E.Id, E.Nom, E.Parent));
        return E;
    }

    testsupport::TempDir Dossier;
};

} // namespace

TEST_F(BlasonsTest, CatalogueSurUneLigneRelueEtReecriteALIdentique)
{
    const std::string Contenu = "1-0-France#1001-1-Saint-Étienne#2-0-Belgique#1002-2-Standard#";
    EcritCatalogue(Contenu);
    TBlasons B(Dossier.str());
    ASSERT_EQ(B.Count(), 4);
    const auto E = Get(B, 1);
    EXPECT_EQ(E.Id, 1001);
    EXPECT_EQ(E.Parent, 1);
    EXPECT_EQ(E.Nom, "Saint-Étienne"); // only the first two "-" separate fields
    EXPECT_EQ(B.MaxPays(), 2);
    EXPECT_EQ(B.MaxEquipe(), 1002);
    uint16_t Id = 7, Parent = 7;
    std::string Nom = "x";
    EXPECT_FALSE(B.GetElement(4, Id, Nom, Parent));
    EXPECT_EQ(Id, 7);
    EXPECT_FALSE(B.GetElement(-1, Id, Nom, Parent));
    ASSERT_TRUE(B.Enregistre());
    EXPECT_EQ(Catalogue(), Contenu);
}

TEST_F(BlasonsTest, PlusieursLignesLigneVideEtTexteApresLeDernierDiese)
{
    EcritCatalogue("1-0-Italie#1001-1-Torino# reste\r\n1002-1-Genoa#\n\n2-0-Jamais lu#");
    TBlasons B(Dossier.str());
    ASSERT_EQ(B.Count(), 3);
    EXPECT_EQ(Get(B, 2).Nom, "Genoa");
    EXPECT_EQ(B.MaxPays(), 1);
    ASSERT_TRUE(B.Enregistre());
    EXPECT_EQ(Catalogue(), "1-0-Italie#1001-1-Torino#1002-1-Genoa#");
}

TEST_F(BlasonsTest, EnregistrementsAbimesSautesEtWindows1252)
{
    // "Türkiye" in Windows-1252; a record without parent; an id too large.
    EcritCatalogue("1-0-T\xFCrkiye#abc-0-X#5-Seul#70000-0-Grand#1001-1-Be\xFEikta\xFE#");
    TBlasons B(Dossier.str());
    ASSERT_EQ(B.Count(), 2);
    EXPECT_EQ(Get(B, 0).Nom, "Türkiye");
    EXPECT_EQ(Get(B, 1).Nom, "Beþiktaþ");
    EXPECT_EQ(B.MaxPays(), 1);
    ASSERT_TRUE(B.Enregistre());
    EXPECT_EQ(Catalogue(), "1-0-Türkiye#1001-1-Beþiktaþ#");
}

TEST_F(BlasonsTest, CatalogueAbsentEstVideEtLesIdsCommencent)
{
    std::filesystem::remove_all(Dossier / "blasons");
    TBlasons B(Dossier.str());
    EXPECT_EQ(B.Count(), 0);
    EXPECT_EQ(B.MaxPays(), 0);
    EXPECT_EQ(B.MaxEquipe(), 1000);
    EXPECT_EQ(B.GetImage(1), nullptr);
    EXPECT_EQ(B.NomFichierBlason(1), "");

    EXPECT_EQ(B.AjoutePays("Espagne", Carre(10)), 1);
    EXPECT_EQ(B.AjouteEquipe("Sevilla", 1, Carre(20)), 1001);
    EXPECT_EQ(B.AjoutePays("Portugal", Carre(30)), 2);
    EXPECT_EQ(B.AjouteEquipe("Porto", 2, Carre(40)), 1002);
    ASSERT_TRUE(B.Enregistre());
    EXPECT_EQ(Catalogue(), "1-0-Espagne#1001-1-Sevilla#2-0-Portugal#1002-2-Porto#");

    TBlasons Relu(Dossier.str());
    ASSERT_EQ(Relu.Count(), 4);
    const auto Image = Relu.GetImage(1002);
    ASSERT_NE(Image, nullptr);
    EXPECT_EQ(Image->GetPixel(1, 1), 0xFF000028u);
    EXPECT_EQ(Relu.NomFichierBlason(1002), Dossier.str() + "blasons/1002.png");
}

TEST_F(BlasonsTest, AjoutsRefusesLaissentLeCatalogueIntact)
{
    TBlasons B(Dossier.str());
    ASSERT_EQ(B.AjoutePays("Pays", Carre(1)), 1);
    EXPECT_EQ(B.AjoutePays("A#B", Carre(1)), TBlasons::NomRefuse);
    EXPECT_EQ(B.AjoutePays("A\nB", Carre(1)), TBlasons::NomRefuse);
    EXPECT_EQ(B.AjoutePays("  ", Carre(1)), TBlasons::NomRefuse);
    EXPECT_EQ(B.AjoutePays("Vide", TImage()), TBlasons::ImageNonEnregistree);
    EXPECT_EQ(B.AjouteEquipe("Sans pays", 0, Carre(1)), TBlasons::PaysInconnu);
    EXPECT_EQ(B.AjouteEquipe("Pays absent", 9, Carre(1)), TBlasons::PaysInconnu);
    ASSERT_EQ(B.AjouteEquipe("Club", 1, Carre(1)), 1001);
    EXPECT_EQ(B.AjouteEquipe("Sous un club", 1001, Carre(1)), TBlasons::PaysInconnu);
    EXPECT_EQ(B.Count(), 2);
    EXPECT_EQ(B.MaxPays(), 1);
    EXPECT_EQ(B.MaxEquipe(), 1001);
    EXPECT_FALSE(std::filesystem::exists(Dossier / "blasons" / "2.png"));
}

TEST_F(BlasonsTest, CatalogueEcritSurLeDisqueOuEchecDit)
{
    EcritCatalogue("1-0-France#");
    TBlasons B(Dossier.str());
    testsupport::ExpectDurableReplace((Dossier / "blasons" / "blasons.txt").string(), [&] { return B.Enregistre(); });
}

TEST_F(BlasonsTest, CentPaysAuPlus)
{
    EcritCatalogue("100-0-Dernier#");
    TBlasons B(Dossier.str());
    EXPECT_EQ(B.AjoutePays("Un de trop", Carre(1)), TBlasons::PlusDePlace);
    EXPECT_EQ(B.Count(), 1);
    EXPECT_FALSE(std::filesystem::exists(Dossier / "blasons" / "101.png"));
    EXPECT_EQ(B.AjouteEquipe("Club", 100, Carre(1)), 1001);
}

TEST_F(BlasonsTest, ImagesDesIdsCatalogues)
{
    EcritCatalogue("3-0-Pays#1001-3-Club#");
    TBlasons B(Dossier.str());
    // Catalogued but without its picture file: no picture.
    EXPECT_EQ(B.GetImage(3), nullptr);
    EXPECT_FALSE(B.EnregistreImage(4, Carre(9)));
    EXPECT_FALSE(std::filesystem::exists(Dossier / "blasons" / "4.png"));
    ASSERT_TRUE(B.EnregistreImage(3, Carre(9)));
    auto Image = B.GetImage(3);
    ASSERT_NE(Image, nullptr);
    EXPECT_EQ(Image->GetPixel(0, 0), 0xFF000009u);
    // Replacing keeps one file, with the new picture.
    ASSERT_TRUE(B.EnregistreImage(3, Carre(99)));
    EXPECT_EQ(B.GetImage(3)->GetPixel(0, 0), 0xFF000063u);
    testsupport::WriteWholeFile(Dossier / "blasons" / "1001.png", "not a picture");
    EXPECT_EQ(B.GetImage(1001), nullptr);
}
