// The seed corpus of the fuzz targets, made by the tests' own writers: valid
// files of each kind and version and pictures of each format. Run with
// BREVALUNE_GRAINES naming the repository's fuzz/corpus folder to write them
// again; otherwise the seeds are only made and checked against their readers.

#include "base/ioXml.h"
#include "files/ChargeurXmp.h"
#include "files/Image.h"
#include "files/Stats.h"
#include "files/ioFile.h"
#include "model/SaisonFoot.h"
#include "support/FichiersAnciens.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace {

namespace fs = std::filesystem;

using TGraines = std::map<std::string, std::map<std::string, std::string>>; // target -> name -> bytes

std::string Texte(const std::vector<uint8_t>& octets)
{
    return std::string(octets.begin(), octets.end());
}

TGraines Graines()
{
    TGraines g;
    auto saison = testsupport::CreeSaisonComplete();
    TProgression progression;
    const std::string document = TChargeurXmp::EcritDocument(*saison, progression);
    g["SaisonXml"]["saison.xml"] = document;
    std::string archive;
    EXPECT_TRUE(TChargeurXmp::CreeArchive(document, archive));
    g["ChargeurXmp"]["saison.xmc"] = archive;

    // The championship target reads its kind from the first byte (0 football).
    for (int i = 1; i <= saison->NbChampionnat(); ++i) {
        std::string flux;
        {
            TXmlMemoryStreamWriter ecrivain(flux, false);
            saison->GetChampionnat(i)->SaveToXml(ecrivain);
        }
        g["Championnat"]["championnat" + std::to_string(i) + ".xml"] = std::string(1, '\0') + flux;
    }

    for (int version : {3, 4, 7, 13}) {
        const testsupport::SaisonAncienne ancienne = testsupport::ExempleSaison(version);
        const std::string v = "v" + std::to_string(version);
        g["ChargeurSaison"][v + ".sai"] = Texte(testsupport::EcritSaison(ancienne, version));
        g["ChargeurChampionnat"][v + ".chf"] = Texte(testsupport::EcritChampionnat(ancienne, version));
        g["ChargeurData"][v + ".daf"] = Texte(testsupport::EcritData(ancienne, version));
        g["ChargeurFichierEquipe"][v + ".df"] = Texte(testsupport::EcritFichierEquipe(ancienne, version));
    }

    // A division's archive of two seasons.
    {
        testsupport::TempDir dossier;
        TStat stat;
        stat.SetNomFichier(dossier.str() + "stat1.txt");
        for (int annee : {122, 123}) {
            auto s = std::make_unique<TSaisonStat>(3, annee);
            for (const char* nom : {"Alpha", "Beta", "Gamma"})
                s->AjouteEquipe(stat.NumeroEquipe(nom));
            s->SetScore(0, 1, 2, 1);
            s->SetScore(2, 0, 0, 0);
            stat.AjouteSaison(std::move(s));
        }
        stat.Sauve();
        g["Stats"]["stat1.txt"] = testsupport::ReadWholeFile(dossier.path() / "stat1.txt");
    }

    g["Texte"]["utf8.txt"] = "1\tFichier : %s\n2\tÉté %d, %.2f\n";
    g["Texte"]["cp1252.txt"] = "1\tEt\xe9 %s\n";

    TImage image(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            uint8_t* p = image.Ligne(y) + 4 * x;
            p[0] = static_cast<uint8_t>(40 * x);
            p[1] = static_cast<uint8_t>(80 * y);
            p[2] = 200;
            p[3] = 255;
        }
    g["Image"]["image.png"] = EncodePng(image);
    g["Image"]["image.jpg"] = EncodeJpeg(image);
    // A 1 x 1 GIF89a of two colours.
    static const char Gif[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\xff"
                              "\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b";
    g["Image"]["image.gif"] = std::string(Gif, sizeof Gif - 1);
    return g;
}

TEST(GrainesFuzz, ChaqueGraineEstLueParSonLecteur)
{
    const TGraines g = Graines();
    for (const auto& [cible, fichiers] : g)
        for (const auto& [nom, octets] : fichiers)
            EXPECT_FALSE(octets.empty()) << cible << "/" << nom;

    TSaisonFootball saison;
    TProgression progression;
    EXPECT_TRUE(TChargeurXmp::LitDocument(saison, g.at("SaisonXml").at("saison.xml"), progression));
    std::string entree;
    EXPECT_TRUE(TChargeurXmp::LitEntree(g.at("ChargeurXmp").at("saison.xmc"), entree));
    const std::string& png = g.at("Image").at("image.png");
    const std::string& jpg = g.at("Image").at("image.jpg");
    const std::string& gif = g.at("Image").at("image.gif");
    EXPECT_NE(DecodePng(reinterpret_cast<const uint8_t*>(png.data()), png.size()), nullptr);
    EXPECT_NE(DecodeJpeg(reinterpret_cast<const uint8_t*>(jpg.data()), jpg.size()), nullptr);
    EXPECT_NE(DecodeGif(reinterpret_cast<const uint8_t*>(gif.data()), gif.size()), nullptr);

    const char* dossier = std::getenv("BREVALUNE_GRAINES");
    if (dossier == nullptr)
        return;
    for (const auto& [cible, fichiers] : g) {
        fs::create_directories(fs::path(dossier) / cible);
        for (const auto& [nom, octets] : fichiers)
            testsupport::WriteWholeFile(fs::path(dossier) / cible / nom, octets);
    }
}

} // namespace
