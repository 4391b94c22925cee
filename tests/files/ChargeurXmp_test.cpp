#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Horloge.h"
#include "files/ChargeurXmp.h"
#include "model/SaisonFoot.h"
#include "support/FaultyIo.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"

namespace {

using testsupport::ReadWholeFile;
using testsupport::TempDir;
using testsupport::WriteWholeFile;

struct HorlogeInstallee {
    explicit HorlogeInstallee(TDateHeure d) { Ancienne = InstalleHorloge(std::make_shared<THorlogeFixe>(d)); }
    ~HorlogeInstallee() { InstalleHorloge(Ancienne); }
    std::shared_ptr<THorloge> Ancienne;
};

std::string Entree(const std::string& fichier)
{
    std::string contenu;
    EXPECT_TRUE(TChargeurXmp::LitEntreeFichier(fichier, contenu));
    return contenu;
}

std::string SansLastModif(std::string texte)
{
    const std::size_t debut = texte.find("<LastModif>");
    if (debut == std::string::npos)
        return texte;
    return texte.erase(debut, texte.find('\n', debut) - debut);
}

void EcritArchive(const std::filesystem::path& fichier, const std::string& document)
{
    std::string archive;
    ASSERT_TRUE(TChargeurXmp::CreeArchive(document, archive));
    WriteWholeFile(fichier, archive);
}

std::string LignesLf(std::string texte)
{
    std::erase(texte, '\r');
    return texte;
}

// A season in the document's layout, as another writer could have made it.
const std::string DocumentMain =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<!DOCTYPE Brevalune>\r\n"
    "<Brevalune Type=\"Simple\" Division=\"101\">\r\n"
    "  <SaisonData>\r\n"
    "    <ListePays>\r\n"
    "      <Nom>France</Nom>\r\n"
    "    </ListePays>\r\n"
    "    <Equipes>\r\n"
    "      <Equipe>\r\n        <ID>0</ID>\r\n        <Nom>Lyon</Nom>\r\n        <Logo>4</Logo>\r\n      </Equipe>\r\n"
    "      <Equipe>\r\n        <ID>3</ID>\r\n        <Nom>Nice</Nom>\r\n      </Equipe>\r\n"
    "    </Equipes>\r\n"
    "    <ClubPrec>\r\n      <Equipe>\r\n        <ID>0</ID>\r\n        <Nom>Ajax</Nom>\r\n      </Equipe>\r\n"
    "    </ClubPrec>\r\n"
    "    <Joueurs>\r\n"
    "      <Joueur ID=\"4\">\r\n        <Nom>Martin</Nom>\r\n        <Numero>4</Numero>\r\n"
    "        <ClubActuel>0</ClubActuel>\r\n      </Joueur>\r\n"
    "    </Joueurs>\r\n"
    "    <OptionsSauvegarde>\r\n      <Option>5</Option>\r\n      <Option>1</Option>\r\n"
    "    </OptionsSauvegarde>\r\n"
    "    <LastModif>01/02/2026 10:11:12</LastModif>\r\n"
    "  </SaisonData>\r\n"
    "  <Inconnu>\r\n    <Rien>1</Rien>\r\n  </Inconnu>\r\n"
    "  <Championnats>\r\n"
    "    <DescSaison>\r\n      <Desc>\r\n        <Level>19</Level>\r\n        <Valeur>Ma ligue</Valeur>\r\n"
    "      </Desc>\r\n    </DescSaison>\r\n"
    "    <Championnat>\r\n"
    "      <CodeChamp>1</CodeChamp>\r\n"
    "      <NbEquipe>2</NbEquipe>\r\n      <NbJour>2</NbJour>\r\n      <NbMatch>1</NbMatch>\r\n"
    "      <Conversion>0-3</Conversion>\r\n"
    "      <Division>101</Division>\r\n"
    "      <Journee Numero=\"1\">\r\n"
    "        <Match>\r\n          <e1>0</e1>\r\n          <e2>3</e2>\r\n          <s1>2</s1>\r\n"
    "          <s2>0</s2>\r\n"
    "          <Buteur Equipe=\"1\">\r\n            <Joueur>4</Joueur>\r\n            <Minute>12</Minute>\r\n"
    "          </Buteur>\r\n"
    "        </Match>\r\n"
    "      </Journee>\r\n"
    "    </Championnat>\r\n"
    "  </Championnats>\r\n"
    "</Brevalune>\r\n";

bool Charge(const std::filesystem::path& fichier, TSaisonFootball& saison)
{
    return TChargeurXmp(fichier.string()).ChargeSaison(saison);
}

bool ChargeDocument(const TempDir& dossier, const std::string& document)
{
    EcritArchive(dossier / "essai.xmc", document);
    TSaisonFootball s;
    return Charge(dossier / "essai.xmc", s);
}

} // namespace

TEST(TChargeurXmp, RoundTripWritesTheSameDocument)
{
    HorlogeInstallee horloge({2026, 5, 1, 8, 30, 0});
    TempDir dossier;
    const std::string a = (dossier / "a.xmc").string();
    const std::string b = (dossier / "b.xmc").string();
    auto saison = testsupport::CreeSaisonComplete();
    ASSERT_TRUE(TChargeurXmp(a).SauveSaison(*saison));

    TSaisonFootball relue;
    ASSERT_TRUE(TChargeurXmp(a).ChargeSaison(relue));
    InstalleHorloge(std::make_shared<THorlogeFixe>(TDateHeure{2026, 5, 2, 9, 0, 0}));
    ASSERT_TRUE(TChargeurXmp(b).SauveSaison(relue));

    const std::string premier = Entree(a);
    const std::string second = Entree(b);
    EXPECT_NE(premier, second) << "LastModif tells the two saves apart";
    EXPECT_EQ(SansLastModif(premier), SansLastModif(second));
    EXPECT_NE(premier.find("<LastModif>01/05/2026 08:30:00</LastModif>\r\n"), std::string::npos);
    EXPECT_EQ(premier.rfind("<?xml", 0), 0u);
    EXPECT_NE(premier.find("\r\n<!DOCTYPE Brevalune>\r\n<Brevalune Type=\"Saison\">\r\n"), std::string::npos);
    for (const char* element : {"<ListePays>",  "<Equipes>", "<ClubPrec>",      "<Entraineurs>", "<Stades>",
                                "<RensClubs>",  "<Joueurs>", "<Arbitres>",      "<StatChampNom", "<OptionsSauvegarde>",
                                "<DescSaison>", "<Buteur",   "<Averti",         "<Exclus",       "<Passeur",
                                "<Compo",       "<Penalty>", "<Penalite>",      "<GroupeEquipe", "<ToursCoupe>",
                                "<MatchsSuiv>", "<Barrage>", "<RencontreCoupe>"})
        EXPECT_NE(premier.find(element), std::string::npos) << element;

    EXPECT_EQ(relue.NbEquipe(), 6);
    EXPECT_EQ(relue.GetLogoEquipe(5), 105);
    EXPECT_EQ(relue.NbClubPrec(), 2);
    EXPECT_EQ(relue.NbDesc(), 5);
    EXPECT_EQ(relue.NbChampionnat(), 2);
    EXPECT_EQ(relue.NbBarrage(), 1);
    EXPECT_EQ(relue.Joueurs().Nombre(), 7);
    EXPECT_EQ(relue.Arbitres().Nombre(), 1);
    EXPECT_EQ(relue.GetOptionSauvegarde(0), 10);
    EXPECT_EQ(relue.GetDerniereModif(), (TDateHeure{2026, 5, 1, 8, 30, 0}));
    EXPECT_EQ(relue.GetChampionnat(2)->GetQualifie(1, 2, 3), 1);
}

TEST(TChargeurXmp, TwoSavesUnderOneClockGiveTheSameBytes)
{
    TempDir dossier;
    const std::string a = (dossier / "a.xmc").string();
    const std::string b = (dossier / "b.xmc").string();
    auto saison = testsupport::CreeSaisonComplete();
    {
        HorlogeInstallee horloge({2026, 5, 1, 8, 30, 0});
        ASSERT_TRUE(TChargeurXmp(a).SauveSaison(*saison));
        // The system's clock moves on between the saves; the program's does not.
        sleep(1);
        ASSERT_TRUE(TChargeurXmp(b).SauveSaison(*saison));
    }
    EXPECT_EQ(ReadWholeFile(a), ReadWholeFile(b));
    // Another moment of the program's clock stamps the entry and the document differently.
    HorlogeInstallee autre({2026, 5, 1, 8, 31, 0});
    ASSERT_TRUE(TChargeurXmp(b).SauveSaison(*saison));
    EXPECT_NE(ReadWholeFile(a), ReadWholeFile(b));
}

// Saving packs the document while it is written, a piece at a time: a season
// whose document spans many pieces must come back byte for byte, and the
// archive must carry the check sum and sizes any ZIP reader verifies.
TEST(TChargeurXmp, ASeasonPackedPieceByPieceReadsBackWhole)
{
    HorlogeInstallee horloge({2026, 5, 1, 8, 30, 0});
    auto saison = testsupport::CreeSaisonComplete();
    for (int i = 0; i < 3000; ++i) {
        auto j =
            saison->CreeJoueurComplet("Nom" + std::to_string(i), "Prénom " + std::to_string(i * 7919), 100 + i, 95, 'M',
                                      static_cast<uint8_t>(i % 30), static_cast<uint16_t>(i % 6), 65535, 0, 120, 3);
        saison->Joueurs().AjouteSimple(std::move(j));
    }
    TProgression progression;
    const std::string document = TChargeurXmp::EcritDocument(*saison, progression);
    ASSERT_GT(document.size(), std::size_t(1) << 20) << "spans several pieces";

    std::string archive;
    ASSERT_TRUE(TChargeurXmp::EcritArchive(*saison, archive, progression));
    std::string relu;
    ASSERT_TRUE(TChargeurXmp::LitEntree(archive, relu));
    EXPECT_EQ(relu, document);

    std::string direct;
    ASSERT_TRUE(TChargeurXmp::CreeArchive(document, direct));
    EXPECT_EQ(direct, archive) << "both roads give the same bytes";

    // A damaged byte of the packed data is caught by the check sum.
    std::string abime = archive;
    abime[abime.size() / 2] ^= 0x40;
    std::string contenu;
    EXPECT_FALSE(TChargeurXmp::LitEntree(abime, contenu));

    // An empty document still makes a valid archive.
    ASSERT_TRUE(TChargeurXmp::CreeArchive("", direct));
    EXPECT_TRUE(TChargeurXmp::LitEntree(direct, contenu));
    EXPECT_TRUE(contenu.empty());
}

TEST(TChargeurXmp, HandWrittenArchiveLoads)
{
    TempDir dossier;
    EcritArchive(dossier / "main.xmc", DocumentMain);
    TSaisonFootball s;
    std::vector<int> etapes;
    ASSERT_TRUE(TChargeurXmp((dossier / "main.xmc").string()).ChargeSaison(s, [&](int p) { etapes.push_back(p); }));
    EXPECT_EQ(s.GetNomEquipe(3), "Nice");
    EXPECT_EQ(s.GetLogoEquipe(0), 4);
    EXPECT_EQ(s.GetClubPrec(0), "Ajax");
    EXPECT_EQ(s.Pays().GetNom(0), "France");
    EXPECT_EQ(s.GetOptionSauvegarde(1), 1);
    EXPECT_EQ(s.GetDerniereModif(), (TDateHeure{2026, 2, 1, 10, 11, 12}));
    ASSERT_EQ(s.NbChampionnat(), 1);
    const TDonneesChampionnat* c = s.GetChampionnat(1);
    EXPECT_EQ(c->Division, 101);
    EXPECT_EQ(c->GetEquipe(1), 3);
    EXPECT_EQ(c->GetValeurMatch(1, 2), 2);
    ASSERT_EQ(c->GetButeursJournee(1)->Nombre(), 1);
    EXPECT_EQ(c->GetButeursJournee(1)->Get(0)->GetJoueur(), 4);
    EXPECT_EQ(s.GetNomChampDesc(1), "Ma ligue");
    EXPECT_FALSE(s.EstSaisonMulti());

    ASSERT_FALSE(etapes.empty());
    EXPECT_EQ(etapes.front(), 0);
    EXPECT_EQ(etapes.back(), 100);
    EXPECT_TRUE(std::is_sorted(etapes.begin(), etapes.end()));

    TChargeurXmp chargeur((dossier / "main.xmc").string());
    EXPECT_FALSE(chargeur.LitTypeFichier());
    EXPECT_EQ(chargeur.ImporteChampionnat(), 101);
}

TEST(TChargeurXmp, DocumentChecks)
{
    TempDir dossier;
    EXPECT_TRUE(ChargeDocument(dossier, LignesLf(DocumentMain))) << "LF line ends";
    EXPECT_TRUE(ChargeDocument(dossier, "\r\n\r\n<!-- sauvegarde -->\r\n" + DocumentMain));

    std::string sansDeclaration = DocumentMain.substr(DocumentMain.find("<!DOCTYPE"));
    EXPECT_FALSE(ChargeDocument(dossier, sansDeclaration));
    std::string autreDoctype = DocumentMain;
    autreDoctype.replace(autreDoctype.find("<!DOCTYPE Brevalune>"), 20, "<!DOCTYPE Autre>");
    EXPECT_FALSE(ChargeDocument(dossier, autreDoctype));
    std::string autreRacine = DocumentMain;
    autreRacine.replace(autreRacine.find("<Brevalune Type"), 10, "<Saison");
    EXPECT_FALSE(ChargeDocument(dossier, autreRacine));
    EXPECT_FALSE(ChargeDocument(dossier, "<Brevalune Type=\"Saison\">\r\n</Brevalune>\r\n"));
    EXPECT_FALSE(ChargeDocument(dossier, ""));

    // Cut anywhere before the root's end tag, the document does not load.
    const std::size_t fin = DocumentMain.find("</Brevalune>");
    for (std::size_t coupe : {std::size_t(40), std::size_t(300), DocumentMain.find("<Championnat>"), fin})
        EXPECT_FALSE(ChargeDocument(dossier, DocumentMain.substr(0, coupe))) << coupe;
    EXPECT_TRUE(ChargeDocument(dossier, DocumentMain.substr(0, fin + 12)));
}

TEST(TChargeurXmp, DamagedArchivesFailCleanly)
{
    TempDir dossier;
    TSaisonFootball s;
    EXPECT_FALSE(Charge(dossier / "absent.xmc", s));
    WriteWholeFile(dossier / "texte.xmc", DocumentMain);
    EXPECT_FALSE(Charge(dossier / "texte.xmc", s));
    EXPECT_EQ(TChargeurXmp((dossier / "texte.xmc").string()).ImporteChampionnat(), -1);
    EXPECT_FALSE(TChargeurXmp((dossier / "texte.xmc").string()).LitTypeFichier());

    std::string archive;
    ASSERT_TRUE(TChargeurXmp::CreeArchive(DocumentMain, archive));
    std::string autreNom = archive;
    for (std::size_t p = autreNom.find("brevalune.xml"); p != std::string::npos;
         p = autreNom.find("brevalune.xml", p + 1))
        autreNom[p] = 'B';
    WriteWholeFile(dossier / "autre.xmc", autreNom);
    EXPECT_FALSE(Charge(dossier / "autre.xmc", s));

    // Truncated archives and flipped bytes in the compressed data.
    for (std::size_t taille : {std::size_t(0), std::size_t(10), archive.size() / 2, archive.size() - 1}) {
        TSaisonFootball t;
        WriteWholeFile(dossier / "coupe.xmc", archive.substr(0, taille));
        EXPECT_FALSE(Charge(dossier / "coupe.xmc", t)) << taille;
    }
    std::string abime = archive;
    for (std::size_t i = 60; i < 200 && i < abime.size(); i += 7)
        abime[i] = static_cast<char>(abime[i] ^ 0x5A);
    TSaisonFootball t;
    WriteWholeFile(dossier / "abime.xmc", abime);
    EXPECT_FALSE(Charge(dossier / "abime.xmc", t));
}

TEST(TChargeurXmp, ArchiveQuestions)
{
    TempDir dossier;
    auto saison = testsupport::CreeSaisonComplete();
    const std::string multi = (dossier / "multi.xmc").string();
    ASSERT_TRUE(TChargeurXmp(multi).SauveSaison(*saison));
    EXPECT_TRUE(TChargeurXmp(multi).LitTypeFichier());
    EXPECT_EQ(TChargeurXmp(multi).ImporteChampionnat(), -1);

    saison->DetacheChampionnat(2);
    const std::string simple = (dossier / "simple.xmd").string();
    ASSERT_TRUE(TChargeurXmp(simple).SauveSaison(*saison));
    EXPECT_FALSE(TChargeurXmp(simple).LitTypeFichier());
    EXPECT_EQ(TChargeurXmp(simple).ImporteChampionnat(), 101);

    std::string saisonMinuscule = DocumentMain;
    saisonMinuscule.replace(saisonMinuscule.find("Type=\"Simple\""), 13, "Type=\"sAISON\"");
    EcritArchive(dossier / "type.xmc", saisonMinuscule);
    EXPECT_TRUE(TChargeurXmp((dossier / "type.xmc").string()).LitTypeFichier());
}

TEST(TChargeurXmp, BackupNames)
{
    EXPECT_EQ(TChargeurXmp::NomSauvegarde("/d/saison.xmc"), "/d/saison.~xmc");
    EXPECT_EQ(TChargeurXmp::NomSauvegarde("/d/saison"), "/d/saison.~");
    EXPECT_EQ(TChargeurXmp::NomSauvegarde("/d.v/saison"), "/d.v/saison.~");
}

TEST(TChargeurXmp, BackupRule)
{
    TempDir dossier;
    const std::string fichier = (dossier / "s.xmc").string();
    const std::string sauvegarde = (dossier / "s.~xmc").string();
    auto saison = testsupport::CreeSaisonComplete();
    saison->SetOptionSauvegarde(1, 0);
    ASSERT_TRUE(TChargeurXmp(fichier).SauveSaison(*saison));
    ASSERT_TRUE(TChargeurXmp(fichier).SauveSaison(*saison));
    EXPECT_FALSE(std::filesystem::exists(sauvegarde)) << "no backup without the option";

    saison->SetOptionSauvegarde(1, 1);
    std::filesystem::remove(fichier);
    ASSERT_TRUE(TChargeurXmp(fichier).SauveSaison(*saison));
    EXPECT_FALSE(std::filesystem::exists(sauvegarde)) << "nothing to keep on the first save";
    const std::string premier = ReadWholeFile(fichier);
    saison->AjouteEquipe("Nouvelle");
    ASSERT_TRUE(TChargeurXmp(fichier).SauveSaison(*saison));
    EXPECT_EQ(ReadWholeFile(sauvegarde), premier);
    const std::string second = ReadWholeFile(fichier);
    saison->AjouteEquipe("Encore");
    ASSERT_TRUE(TChargeurXmp(fichier).SauveSaison(*saison));
    EXPECT_EQ(ReadWholeFile(sauvegarde), second);
    int fichiers = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dossier.path()))
        ++fichiers;
    EXPECT_EQ(fichiers, 2) << "the archive and one backup, no temporary file left";
}

TEST(TChargeurXmp, FailedSaveKeepsThePreviousFile)
{
    TempDir dossier;
    const std::string fichier = (dossier / "s.xmc").string();
    auto saison = testsupport::CreeSaisonComplete();
    ASSERT_TRUE(TChargeurXmp(fichier).SauveSaison(*saison));
    const std::string avant = ReadWholeFile(fichier);
    saison->AjouteEquipe("Perdue");

    // A disk that fills up while the archive is written.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit ancienne{};
    getrlimit(RLIMIT_FSIZE, &ancienne);
    rlimit petite = ancienne;
    petite.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &petite), 0);
    const bool ok = TChargeurXmp(fichier).SauveSaison(*saison);
    setrlimit(RLIMIT_FSIZE, &ancienne);
    EXPECT_FALSE(ok);
    EXPECT_EQ(ReadWholeFile(fichier), avant);
    EXPECT_FALSE(std::filesystem::exists(dossier / "s.~xmc"));

    EXPECT_FALSE(TChargeurXmp((dossier / "absent" / "s.xmc").string()).SauveSaison(*saison));

    // Folder permissions do not stop root, who runs CI.
    if (geteuid() == 0)
        return;
    chmod(dossier.path().c_str(), 0555);
    const bool ok2 = TChargeurXmp(fichier).SauveSaison(*saison);
    chmod(dossier.path().c_str(), 0755);
    EXPECT_FALSE(ok2);
    EXPECT_EQ(ReadWholeFile(fichier), avant);
}

TEST(TChargeurXmp, ACrashOrAFailureAtAnyStepOfTheSaveLeavesAWholeSeason)
{
    TempDir dossier;
    const std::string fichier = (dossier / "s.xmc").string();
    const std::string sauvegarde = (dossier / "s.~xmc").string();
    auto ancienne = testsupport::CreeSaisonComplete();
    auto nouvelle = testsupport::CreeSaisonComplete();
    nouvelle->SetOptionSauvegarde(1, 1);
    nouvelle->AjouteEquipe("En plus");
    const int equipes = ancienne->NbEquipe();
    auto equipesDe = [](const std::string& nom) {
        TSaisonFootball relue;
        return TChargeurXmp(nom).ChargeSaison(relue) ? relue.NbEquipe() : -1;
    };

    for (std::size_t etape = 0;; ++etape) {
        ASSERT_LT(etape, 100u);
        std::filesystem::remove(fichier);
        std::filesystem::remove(sauvegarde);
        ASSERT_TRUE(TChargeurXmp(fichier).SauveSaison(*ancienne));
        auto disque = std::make_shared<testsupport::FaultyDisk>(etape);
        // A crash at any call finds a season, never no file, under the name.
        disque->beforeEach = [&] {
            const int lues = equipesDe(fichier);
            EXPECT_TRUE(lues == equipes || lues == equipes + 1) << disque->calls.back();
        };
        bool ok;
        {
            testsupport::DiskInstalled installe(disque);
            ok = TChargeurXmp(fichier).SauveSaison(*nouvelle);
        }
        if (!disque->Failed()) {
            ASSERT_TRUE(ok);
            EXPECT_EQ(equipesDe(fichier), equipes + 1);
            EXPECT_EQ(equipesDe(sauvegarde), equipes);
            // The rename itself reaches the disk.
            ASSERT_GE(disque->calls.size(), 3u);
            EXPECT_EQ(disque->calls[disque->calls.size() - 3], "open folder " + dossier.path().string());
            EXPECT_EQ(disque->calls[disque->calls.size() - 2], "sync");
            break;
        }
        SCOPED_TRACE("failing call: " + disque->FailedCall());
        if (disque->FailedCall().starts_with("link "))
            continue; // the backup is then copied
        EXPECT_FALSE(ok);
        // Only the flush of the folder comes after the new season took the name.
        const bool renomme =
            std::count(disque->calls.begin(), disque->calls.end(), "open folder " + dossier.path().string()) > 0;
        EXPECT_EQ(equipesDe(fichier), renomme ? equipes + 1 : equipes);
    }
}

TEST(TChargeurXmp, SaveProgressRunsUpTo100)
{
    TempDir dossier;
    auto saison = testsupport::CreeSaisonComplete();
    std::vector<int> etapes;
    ASSERT_TRUE(TChargeurXmp((dossier / "p.xmc").string()).SauveSaison(*saison, [&](int p) { etapes.push_back(p); }));
    ASSERT_FALSE(etapes.empty());
    EXPECT_EQ(etapes.front(), 2);
    EXPECT_EQ(etapes.back(), 100);
    EXPECT_TRUE(std::is_sorted(etapes.begin(), etapes.end()));
    EXPECT_NE(std::find(etapes.begin(), etapes.end(), 65), etapes.end());
    EXPECT_NE(std::find(etapes.begin(), etapes.end(), 90), etapes.end());
}
