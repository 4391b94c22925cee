#include "files/ChargeurSaison.h"

#include "files/ioFile.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "support/FaultyIo.h"
#include "support/FichiersAnciens.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace testsupport;

namespace {

bool ChargeSaison(const std::vector<uint8_t>& octets, TSaison& saison)
{
    TChargeurSaison chargeur(std::make_unique<TSourceMemoire>(octets), "x.sai");
    std::unique_ptr<TDonneesChampionnat> aucun;
    const bool ok = chargeur.Charge(&saison, aucun);
    EXPECT_EQ(aucun, nullptr);
    return ok;
}

const TJoueur* Joueur(const TSaison& s, const std::string& nom)
{
    for (int i = 0; i < s.Joueurs().Nombre(); ++i)
        if (s.Joueurs().Get(i)->Nom == nom)
            return s.Joueurs().Get(i);
    return nullptr;
}

class SaisonParVersion : public ::testing::TestWithParam<int> {};

TEST_P(SaisonParVersion, ReadsEveryRecordTheVersionHolds)
{
    const int v = GetParam();
    TSaisonFootball s;
    ASSERT_TRUE(ChargeSaison(EcritSaison(ExempleSaison(v), v), s));

    // Teams: packed names are capitalised before version 7; text is 8-bit.
    EXPECT_EQ(s.GetNomEquipe(0), "Lyon");
    EXPECT_EQ(s.GetNomEquipe(2), v >= 7 ? "Évian" : "Evian");
    EXPECT_EQ(s.GetNomEquipe(200), v < 4 ? "FRANCE" : "");
    ASSERT_EQ(s.NbClubPrec(), 2);
    EXPECT_EQ(s.GetClubPrec(1), v >= 7 ? "Porto" : "PORTO");

    // Players: the namesake of the same team merged into the first one.
    ASSERT_EQ(s.Joueurs().Nombre(), 3);
    const TJoueur* dupont = Joueur(s, "Dupont");
    ASSERT_NE(dupont, nullptr);
    EXPECT_EQ(dupont->Prenom, "Jean");
    EXPECT_EQ(dupont->Numero, 7);
    EXPECT_EQ(dupont->Age, 25);
    EXPECT_EQ(dupont->Duree, 2);
    EXPECT_EQ(dupont->Contrat, 3);
    EXPECT_EQ(dupont->EquipeClub, 0);
    EXPECT_EQ(dupont->Maillot, 9);
    EXPECT_EQ(dupont->GetLettrePoste(), 'A');
    EXPECT_EQ(dupont->ClubPrec, 1);
    EXPECT_EQ(dupont->GetNbMatchHist(1, 0), 30);
    EXPECT_EQ(dupont->GetNbMatchHist(1, 1), 5);
    const TJoueur* martin = Joueur(s, "Martin");
    ASSERT_NE(martin, nullptr);
    EXPECT_EQ(martin->EquipeClub, 65535) << "a club above 98 stands for none";
    EXPECT_EQ(martin->EquipeNationale, v >= 12 ? 200 : 65535);
    EXPECT_EQ(martin->CodePays, v >= 7 ? 1 : 65535);

    EXPECT_EQ(s.Arbitres().Nombre(), v >= 8 ? 1 : 0);
    EXPECT_EQ(s.Pays().Nombre(), v >= 8 ? 2 : 0);
    EXPECT_EQ(s.Entraineurs().Nombre(), v >= 13 ? 1 : 0);
    EXPECT_EQ(s.Stades().Nombre(), v >= 13 ? 1 : 0);
    EXPECT_EQ(s.RensClubs().Nombre(), v >= 13 ? 1 : 0);
    if (v >= 13) {
        const TRensClub* rens = s.RensClubs().Get(0);
        EXPECT_EQ(rens->President, "Aulas");
        EXPECT_EQ(rens->CodeStade, 3);
        EXPECT_EQ(rens->NumeroEntraineur, 1);
    }
    ASSERT_EQ(s.NbStatChamp(), 1);
    if (v >= 5) {
        EXPECT_EQ(s.GetStatChamp(0)->Texte, "Ligue 1");
    }
    EXPECT_EQ(s.NbDesc(), v >= 4 ? 2 : 0);
    if (v >= 4) {
        EXPECT_EQ(s.GetDesc(1).Texte, "France");
        EXPECT_EQ(s.GetDesc(1).Niveau, 1);
        EXPECT_EQ(s.GetDesc(1).Valeur, 2);
    }

    // The league and its first day.
    ASSERT_EQ(s.NbChampionnat(), v >= 4 ? 2 : 1);
    const TDonneesChampionnat* c = s.GetChampionnat(1);
    EXPECT_EQ(c->CodeChamp, v >= 4 ? 5 : 1);
    EXPECT_EQ(c->Genre, TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
    EXPECT_EQ(c->GetNbEquipe(), 4);
    EXPECT_EQ(c->GetEquipe(3), 3);
    EXPECT_EQ(c->GetNbJour(), 6);
    EXPECT_EQ(c->GetNbMatch(), 2);
    EXPECT_EQ(c->Division, 12);
    EXPECT_EQ(c->NbJournee, 2);
    EXPECT_EQ(c->CodePerso, v >= 13 ? 77 : 0);
    EXPECT_EQ(c->GetOption(8), 107);
    EXPECT_EQ(c->GetValeurMatch(1, 1), 0);
    EXPECT_EQ(c->GetValeurMatch(1, 2), 2);
    EXPECT_EQ(c->GetValeurMatch(1, 3), 1);
    EXPECT_EQ(c->GetValeurMatch(1, 4), 1);
    EXPECT_EQ(c->GetValeurMatch(2, 2), 65535) << "score byte 255 is not played";
    EXPECT_EQ(c->GetValeurMatch(2, 8), 3);
    EXPECT_EQ(c->JourneeJouee, 2);
    EXPECT_EQ(c->GetAffluence(1, 1), 12345);
    EXPECT_EQ(c->GetAffluence(2, 1), 0) << "an unplayed match has no attendance";
    EXPECT_EQ(c->GetAffluence(2, 2), 500);
    EXPECT_EQ(c->GetArbitrePrincipal(1, 1), v >= 8 ? 4 : -1);
    EXPECT_EQ(c->GetArbitrePrincipal(1, 2), -1);
    EXPECT_EQ(c->GetStadeMatch(1, 1), v >= 13 ? 3 : 65535);
    EXPECT_EQ(DateMatchToStr(c->GetDateJournee(1)), "15/08/2007");

    const TListeDonnees* buteurs = c->GetButeursJournee(1);
    ASSERT_EQ(buteurs->Nombre(), 2) << "the event without a player is dropped";
    EXPECT_EQ(buteurs->Get(0)->GetJoueur(), 7);
    EXPECT_EQ(buteurs->Get(0)->GetMinute(), 23);
    EXPECT_EQ(buteurs->Get(0)->GetMot() & 0x100, v >= 7 ? 0x100 : 0);
    EXPECT_EQ(buteurs->Get(1)->GetJoueur(), 7) << "the merged player's events follow him";
    EXPECT_EQ(buteurs->Get(1)->GetEquipe(), 1);
    ASSERT_EQ(c->GetCartonsJournee(1)->Nombre(), 1);
    EXPECT_EQ(c->GetCartonsJournee(1)->Get(0)->GetMot(), 0x80 | 60);
    EXPECT_EQ(c->GetCartonsJournee(1)->Get(0)->GetEquipe(), 1);
    const auto* foot = dynamic_cast<const TDonneesChampionnatFootball*>(c);
    ASSERT_NE(foot, nullptr);
    EXPECT_EQ(foot->GetPasseursJournee(1)->Nombre(), v >= 7 ? 1 : 0);

    EXPECT_EQ(c->GetCompoMatch(1, 0, 1), 7);
    EXPECT_EQ(c->GetCompoMatch(1, 0, 20), 300);
    EXPECT_EQ(c->GetCommentaireMatch(1, 0, 1), v >= 7 ? "Très beau match" : "");
    EXPECT_EQ(c->GetNoteJoueurMatch(1, 1, 2), v >= 7 ? 7 : 255);
    ASSERT_EQ(c->GetPenalites().Nombre(), v >= 9 ? 1 : 0);
    if (v >= 9) {
        EXPECT_EQ(c->GetPenalites().Get(0)->Equipe1, 2);
        EXPECT_EQ(c->GetPenalites().Get(0)->Valeur1, 3);
    }

    if (v >= 4) {
        const TDonneesChampionnat* coupe = s.GetChampionnat(2);
        EXPECT_EQ(coupe->Genre, TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeInternational);
        ASSERT_EQ(coupe->GetNbTourCoupe(), 1);
        EXPECT_EQ(coupe->GetValeurMatch(1, 4), 1);
        const TPenaltys* tirs = coupe->CherchePenaltys(1, 0, 1);
        ASSERT_NE(tirs, nullptr);
        EXPECT_EQ(tirs->But1, 5);
        EXPECT_EQ(tirs->But2, 4);
        ASSERT_EQ(s.NbBarrage(), 1);
        const TDonneesBarrage* b = s.GetBarrage(0);
        EXPECT_EQ(b->Code, 3);
        ASSERT_EQ(b->NbDivision(), 1);
        EXPECT_EQ(b->GetDivision(0)->Code, 12);
        EXPECT_EQ(b->GetDivision(0)->Places.at(0).Max, 18);
        EXPECT_EQ(b->NbTour(), v >= 10 ? 1 : 0);
        EXPECT_EQ(b->GetOption(0), v >= 10 ? 1 : 0);
        if (v >= 10) {
            EXPECT_EQ(b->GetTour(1)->GetNbRemplis(), 1);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, SaisonParVersion, ::testing::Values(3, 4, 5, 7, 8, 9, 10, 12, 13));

// The first words decide the version, the championship count and where the
// table stands.
TEST(ChargeurSaison, HeaderAnnouncesVersionAndCount)
{
    // 03 02: version 3, 515 championships whose table cannot fit in the file.
    TSaisonFootball vieux;
    EXPECT_FALSE(ChargeSaison({0x03, 0x02}, vieux));

    SaisonAncienne s = ExempleSaison(13);
    std::vector<uint8_t> octets = EcritSaison(s, 13);
    ASSERT_GE(octets.size(), 12u);
    EXPECT_EQ(std::vector<uint8_t>(octets.begin(), octets.begin() + 4), (std::vector<uint8_t>{0x0D, 0xFF, 0x02, 0x00}));
    // The first body offset stands at bytes 7 to 10 (8i - 1 for i = 1).
    const uint32_t corps = octets[7] << 24 | octets[8] << 16 | octets[9] << 8 | octets[10];
    EXPECT_EQ(octets[corps + 19 + 1], 12) << "the body's division byte";

    std::vector<uint8_t> futur = octets;
    futur[0] = 14;
    TSaisonFootball nouveau;
    EXPECT_FALSE(ChargeSaison(futur, nouveau)) << "a later format is not guessed at";
}

// A championship body that cannot be read fails the whole load: a season
// with part of its results gone must not pass for the file.
TEST(ChargeurSaison, AnUnreadableBodyFailsTheLoad)
{
    SaisonAncienne s = ExempleSaison(5);
    std::vector<uint8_t> octets = EcritSaison(s, 5);
    // Point the first body past the end of the file.
    octets[7] = 0x7F;
    TSaisonFootball saison;
    EXPECT_FALSE(ChargeSaison(octets, saison));
}

// Day dates are read by the entry option and the version; match dates only
// from version 13 with their own option bit.
TEST(ChargeurSaison, DatesFollowTheEntryOption)
{
    const uint32_t date = 3 | 9 << 8 | 20 << 16 | 8u << 24;
    const uint32_t dateMatch = 4 | 9 << 8 | 20 << 16 | 8u << 24;
    for (const auto& [version, option, jours] :
         std::vector<std::array<int, 3>>{{13, 0, 0}, {13, 1, 1}, {12, 2, 1}, {12, 0, 0}, {13, 4, 0}, {13, 5, 1}}) {
        SaisonAncienne s = ExempleSaison(version);
        s.Championnats.resize(1);
        auto& ligue = s.Championnats[0];
        ligue.Options[11] = static_cast<uint8_t>(option);
        for (auto& j : ligue.Jours)
            j.Date = date;
        ligue.Jours[1].Matchs[1].Date = dateMatch;
        TSaisonFootball saison;
        ASSERT_TRUE(ChargeSaison(EcritSaison(s, version), saison)) << version << " " << option;
        const TDonneesChampionnat* c = saison.GetChampionnat(1);
        EXPECT_EQ(c->GetDateJournee(3), jours ? date : 0u) << version << " " << option;
        // A match's own date holds over its day's, which the others take.
        EXPECT_EQ(c->GetDateMatch(2, 2), option & 4 ? dateMatch : jours ? date : 0u) << version << " " << option;
        EXPECT_EQ(c->GetDateMatch(3, 1), jours ? date : 0u) << version << " " << option;
        EXPECT_EQ(c->GetButeursJournee(1)->Nombre(), 2) << "what follows the dates stays aligned";
    }
}

// A championship played by calendar date has no matches in its days yet:
// the file's match count for the day still decides what is read.
TEST(ChargeurSaison, CalendarByDateReadsTheFileCount)
{
    SaisonAncienne s = ExempleSaison(13);
    s.Championnats.resize(1);
    s.Championnats[0].Options[11] = 8 | 1;
    TSaisonFootball saison;
    ASSERT_TRUE(ChargeSaison(EcritSaison(s, 13), saison));
    const TDonneesChampionnat* c = saison.GetChampionnat(1);
    EXPECT_EQ(c->GetValeurMatch(2, 8), 3);
    EXPECT_EQ(c->GetButeursJournee(1)->Nombre(), 2);
    EXPECT_EQ(c->GetPenalites().Nombre(), 1);
}

TEST(ChargeurSaison, HostileCountsFailWithoutAllocating)
{
    // A championship of 300 teams.
    SaisonAncienne s = ExempleSaison(13);
    s.Championnats.resize(1);
    s.Championnats[0].Equipes.assign(300, 0);
    TSaisonFootball trop;
    EXPECT_FALSE(ChargeSaison(EcritSaison(s, 13), trop));

    // A referee count of two thousand million in a small file: version 8, no
    // championship, team, former club or player.
    TSaisonFootball vide;
    TChargeurSaison chargeur(std::make_unique<TSourceMemoire>(std::vector<uint8_t>{0x08, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0,
                                                                                   0, 0, 0xFF, 0xFF, 0xFF, 0x7F}),
                             "x.sai");
    std::unique_ptr<TDonneesChampionnat> aucun;
    EXPECT_FALSE(chargeur.Charge(&vide, aucun));
    EXPECT_FALSE(chargeur.Charge(nullptr, aucun));
}

TEST(ChargeurSaison, EveryTruncationAndDeviceFailureEndsCleanly)
{
    for (int v : {3, 4, 5, 7, 8, 9, 10, 12, 13}) {
        const std::vector<uint8_t> octets = EcritSaison(ExempleSaison(v), v);
        {
            TSaisonFootball saison;
            ASSERT_TRUE(ChargeSaison(octets, saison)) << "version " << v;
        }
        for (size_t n = 0; n < octets.size(); ++n) {
            TSaisonFootball saison;
            EXPECT_FALSE(ChargeSaison(std::vector<uint8_t>(octets.begin(), octets.begin() + n), saison))
                << "version " << v << " cut at " << n << " of " << octets.size();
        }
        for (size_t apres : {size_t{0}, size_t{10}, octets.size() / 2}) {
            TSaisonFootball saison;
            TChargeurSaison chargeur(std::make_unique<FaultySource>(octets, apres, 7), "x.sai");
            std::unique_ptr<TDonneesChampionnat> aucun;
            EXPECT_FALSE(chargeur.Charge(&saison, aucun));
        }
    }
}

TEST(ChargeurSaison, MissingFileFails)
{
    TChargeurSaison chargeur("/nonexistent/x.sai", 0);
    EXPECT_FALSE(chargeur.EstOuvert());
    TSaisonFootball saison;
    std::unique_ptr<TDonneesChampionnat> aucun;
    EXPECT_FALSE(chargeur.Charge(&saison, aucun));
    TDescriptionFichier d;
    EXPECT_FALSE(chargeur.LitDescription(d));
    EXPECT_EQ(chargeur.Importe(), 0);
}

} // namespace
