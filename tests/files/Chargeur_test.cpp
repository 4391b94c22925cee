#include "files/Chargeur.h"

#include "files/ChargeurChamp.h"
#include "files/ChargeurSaison.h"
#include "files/ioFile.h"
#include "model/SaisonFoot.h"
#include "support/FichiersAnciens.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace testsupport;

namespace {

// The shared pieces, reached through the two families of number readers.
template <class C> class Sonde : public C {
public:
    Sonde(std::vector<uint8_t> octets, int version) : C(std::make_unique<TSourceMemoire>(std::move(octets)), "x")
    {
        this->Version = version;
    }
    using C::LitBlocNoms;
    using C::LitDate;
    using C::LitEntier;
    using C::LitEntierMots;
    using C::LitId;
    using C::LitListeNoms;
};

std::vector<uint8_t> Mots(std::initializer_list<int> mots)
{
    EcrivainAncien e;
    for (int m : mots)
        e.Mot(m);
    return e.bytes;
}

TEST(Chargeur, PackedNameBlocks)
{
    std::vector<std::string> noms;
    // Three B, the end of a name, then the end of the block.
    Sonde<TChargeurSaison> b(Mots({0x0421, 30 << 10 | 31 << 5 | 31}), 5);
    ASSERT_TRUE(b.LitBlocNoms(noms));
    EXPECT_EQ(noms, (std::vector<std::string>{"BBB"}));
    // Letters after the last end of name are dropped.
    Sonde<TChargeurSaison> fin(Mots({0x0421, 0x7FFF}), 5);
    ASSERT_TRUE(fin.LitBlocNoms(noms));
    EXPECT_TRUE(noms.empty());
    // Signs: ". - ' and blank".
    Sonde<TChargeurSaison> signes(Mots({26 << 10 | 27 << 5 | 28, 29 << 10 | 30 << 5 | 31}), 5);
    ASSERT_TRUE(signes.LitBlocNoms(noms));
    EXPECT_EQ(noms, (std::vector<std::string>{".-' "}));
    // A block that never ends, or holds more than 200 names, fails.
    Sonde<TChargeurSaison> ouvert(Mots({0x0421}), 5);
    EXPECT_THROW(ouvert.LitBlocNoms(noms), EFinFichier);
    std::vector<int> trop(201, 30 << 10 | 30 << 5 | 30);
    trop.push_back(0x7FFF);
    EcrivainAncien e;
    for (int m : trop)
        e.Mot(m);
    Sonde<TChargeurSaison> plein(e.bytes, 5);
    EXPECT_FALSE(plein.LitBlocNoms(noms));

    // A run of blocks ends with the first that holds fewer than 200 names.
    std::vector<std::string> attendus(450, "AB");
    EcrivainAncien liste;
    liste.ListeNoms(attendus);
    liste.ListeNoms({});
    Sonde<TChargeurSaison> run(liste.bytes, 5);
    ASSERT_TRUE(run.LitListeNoms(noms, 1000));
    EXPECT_EQ(noms, attendus);
    ASSERT_TRUE(run.LitListeNoms(noms, 1000));
    EXPECT_TRUE(noms.empty());
    Sonde<TChargeurSaison> borne(liste.bytes, 5);
    EXPECT_FALSE(borne.LitListeNoms(noms, 300));
}

TEST(Chargeur, NumberReadersOfBothFamilies)
{
    Sonde<TChargeurSaison> ancien({0x07, 0xFF, 0x09}, 3);
    EXPECT_EQ(ancien.LitId(5), 5);
    EXPECT_EQ(ancien.LitId(255), 0x07);
    EXPECT_EQ(ancien.LitId(255), 0xFF) << "the escape takes the next byte as it is";
    Sonde<TChargeurSaison> saison({0x02, 0x03, 0x00, 0x00, 0x00, 0x00, 0x2A, 0xFF, 0xFF, 0xFF, 0xFE, 0x02, 0x00, 0x05,
                                   0x00, 0x00, 0x07, 0x30, 0x00},
                                  13);
    EXPECT_EQ(saison.LitId(1), 0x0102);
    EXPECT_EQ(saison.LitId(255), 0x0300);
    EXPECT_EQ(saison.LitEntier(), 42);
    EXPECT_EQ(saison.LitEntier(), -2) << "four bytes, big-endian, signed";
    EXPECT_EQ(saison.LitEntierMots(), 2 << 16 | 5);
    EXPECT_EQ(saison.LitDate(), 7 << 16 | 0x30);

    Sonde<TChargeurData> data({0x09, 0x01, 0x02, 0x34, 0x12, 0x05, 0x63}, 7);
    EXPECT_EQ(data.LitId(3), 3);
    EXPECT_EQ(data.LitId(255), 9);
    EXPECT_EQ(data.LitEntier(), 0x0102);
    EXPECT_EQ(data.LitEntierMots(), 0x1234);
    EXPECT_EQ(data.LitDate(), 0x63 << 16 | 0x05);
}

TEST(Chargeur, PlayerClubLimitAndStrings)
{
    SaisonAncienne s = ExempleSaison(13);
    s.Joueurs[1].Club = 98;
    s.Joueurs[0].Nom = "Müller";
    TSaisonFootball saison;
    std::unique_ptr<TDonneesChampionnat> champ;
    TChargeurSaison chargeur(std::make_unique<TSourceMemoire>(EcritSaison(s, 13)), "x.sai");
    ASSERT_TRUE(chargeur.Charge(&saison, champ));
    EXPECT_EQ(chargeur.GetVersion(), 13);
    bool vu98 = false, vuMuller = false;
    for (int i = 0; i < saison.Joueurs().Nombre(); ++i) {
        vu98 |= saison.Joueurs().Get(i)->EquipeClub == 98;
        vuMuller |= saison.Joueurs().Get(i)->Nom == "Müller";
    }
    EXPECT_TRUE(vu98);
    EXPECT_TRUE(vuMuller) << "8-bit text comes out as UTF-8";
}

} // namespace
