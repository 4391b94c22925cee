#include "files/TraiteurFichier.h"

#include "base/FichierIni.h"
#include "base/ServiceMessage.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "files/ChargeurChamp.h"
#include "files/ChargeurSaison.h"
#include "files/ChargeurXmp.h"
#include "model/SaisonFoot.h"
#include "support/FaultyIo.h"
#include "support/FichiersAnciens.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <new>
#include <utility>

namespace {

using testsupport::TempDir;
using testsupport::TMessagesScriptes;

class BarreTest : public TBarreEtat {
public:
    void SetTextePanneau(int panneau, const std::string& texte) override { Panneaux[panneau] = texte; }
    std::map<int, std::string> Panneaux;
};

// The French texts for the life of the object.
class TextesFrancais {
public:
    TextesFrancais() { InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt")); }
    ~TextesFrancais() { InstalleTraducteur(nullptr); }
};

TEST(TraiteurFichier, RouteParExtensionSansSonDernierCaractere)
{
    EXPECT_EQ(TTraiteurFichier::GenreFichier("x.XMC"), ".xm");
    EXPECT_EQ(TTraiteurFichier::GenreFichier("dir.v2/x.xmd"), ".xm");
    EXPECT_EQ(TTraiteurFichier::GenreFichier("x.sai"), ".sa");
    EXPECT_EQ(TTraiteurFichier::GenreFichier("x.SAX"), ".sa");
    EXPECT_EQ(TTraiteurFichier::GenreFichier("x.dfx"), ".df");
    EXPECT_EQ(TTraiteurFichier::GenreFichier("dir.v2/x"), "");

    TempDir dir;
    testsupport::WriteWholeFile(dir / "x.txt", "rien");
    testsupport::WriteWholeFile(dir / "x.sai", "rien");
    // A file no reader takes is a failed load, not an empty season.
    EXPECT_EQ(TTraiteurFichier::ChargeAvecEtat((dir / "x.txt").string(), "", "", {}), nullptr);
    EXPECT_EQ(TTraiteurFichier::ChargeAvecEtat((dir / "x.sai").string(), "", "", {}), nullptr);
    EXPECT_FALSE(TTraiteurFichier::EnCours());

    // The team-file reader is reached by name, never by the load road.
    EXPECT_NE(dynamic_cast<TChargeurFichierEquipe*>(TTraiteurFichier::CreeChargeur("x.dfx", 0).get()), nullptr);
    EXPECT_NE(dynamic_cast<TChargeurSaison*>(TTraiteurFichier::CreeChargeur("x.SAX", 0).get()), nullptr);
    EXPECT_NE(dynamic_cast<TChargeurChampionnat*>(TTraiteurFichier::CreeChargeur("x.chp", 0).get()), nullptr);
    EXPECT_NE(dynamic_cast<TChargeurChampionnat*>(TTraiteurFichier::CreeChargeur("x.CHF", 0).get()), nullptr);
    EXPECT_NE(dynamic_cast<TChargeurData*>(TTraiteurFichier::CreeChargeur("x.daf", 0).get()), nullptr);
    EXPECT_EQ(TTraiteurFichier::CreeChargeur("x.xmc", 0), nullptr);
    EXPECT_EQ(TTraiteurFichier::CreeChargeur("x.txt", 0), nullptr);
    testsupport::WriteWholeFile(dir / "x.dfx", "rien");
    EXPECT_EQ(TTraiteurFichier::ChargeAvecEtat((dir / "x.dfx").string(), "", "", {}), nullptr);
}

// A load that fails tells why, in words a user can act on, with the file's name.
TEST(TraiteurFichier, UnChargementRateDitPourquoi)
{
    TextesFrancais textes;
    TempDir dir;
    const std::string bonne = (dir / "bonne.xmc").string();
    ASSERT_TRUE(TChargeurXmp(bonne).SauveSaison(*testsupport::CreeSaisonComplete()));
    const std::string archive = testsupport::ReadWholeFile(bonne);
    std::string document;
    ASSERT_TRUE(TChargeurXmp::LitEntreeFichier(bonne, document));

    const auto ecrit = [&](const std::string& nom, const std::string& octets) {
        testsupport::WriteWholeFile(dir / nom, octets);
        return (dir / nom).string();
    };
    std::string autreArchive;
    ASSERT_TRUE(TChargeurXmp::CreeArchive("<?xml version=\"1.0\"?><html></html>", autreArchive));
    std::string documentCoupe;
    ASSERT_TRUE(TChargeurXmp::CreeArchive(document.substr(0, document.size() / 2), documentCoupe));
    const std::vector<std::pair<std::string, TEchecChargement>> cas = {
        {ecrit("texte.xmc", "ceci est du texte"), {TCauseChargement::PasUneArchive, 0}},
        {ecrit("vide.xmc", ""), {TCauseChargement::PasUneArchive, 0}},
        // Cut before its first four bytes were all written, it is still a cut archive.
        {ecrit("debut.xmc", "PK\x03"), {TCauseChargement::Tronque, 0}},
        {ecrit("deux.xmc", "PK"), {TCauseChargement::Tronque, 0}},
        {ecrit("court.xmc", "PX"), {TCauseChargement::PasUneArchive, 0}},
        {ecrit("coupee.xmc", archive.substr(0, archive.size() / 2)), {TCauseChargement::Tronque, 0}},
        {ecrit("document-coupe.xmc", documentCoupe), {TCauseChargement::Tronque, 0}},
        {ecrit("autre.xmc", autreArchive), {TCauseChargement::PasUneSaison, 0}},
        {ecrit("notes.txt", "rien"), {TCauseChargement::PasUneSaison, 0}},
        {ecrit("ancienne.sai", "rien"), {TCauseChargement::PasUneSaison, 0}},
        {(dir / "absente.xmc").string(), {TCauseChargement::Illisible, ENOENT}},
        {(dir / "absente.chp").string(), {TCauseChargement::Illisible, ENOENT}},
        {dir.str(), {TCauseChargement::Illisible, EISDIR}},
    };
    for (const auto& [nom, attendu] : cas) {
        TEchecChargement echec;
        EXPECT_EQ(TTraiteurFichier::ChargeAvecEtat(nom, "", "", {}, &echec), nullptr) << nom;
        EXPECT_EQ(echec, attendu) << nom << ": " << static_cast<int>(echec.Cause) << ", " << echec.Erreur;
    }

    // The message names the file and the cause.
    EXPECT_EQ(TTraiteurFichier::TexteEchecChargement("/d/s.xmc", {TCauseChargement::Tronque, 0}),
              "Le fichier /d/s.xmc n'a pas pu être ouvert : il est tronqué, sa fin manque.");
    EXPECT_EQ(TTraiteurFichier::TexteEchecChargement("s.xmc", {TCauseChargement::Illisible, ENOENT}),
              "Le fichier s.xmc n'a pas pu être ouvert : il n'existe pas.");
    EXPECT_EQ(TTraiteurFichier::TexteEchecChargement("s.xmc", {TCauseChargement::Illisible, 0}),
              "Le fichier s.xmc n'a pas pu être ouvert : il ne peut pas être lu.");

    // A good load leaves no cause behind.
    TEchecChargement echec{TCauseChargement::Tronque, 0};
    EXPECT_NE(TTraiteurFichier::ChargeAvecEtat(bonne, "", "", {}, &echec), nullptr);
    EXPECT_EQ(echec, TEchecChargement{});

    // Memory running out says so: the file itself may well be whole.
    TSaisonFootball saison;
    EXPECT_FALSE(TTraiteurFichier::ChargeFichier(
        bonne, saison, "", [](int) { throw std::bad_alloc(); }, &echec));
    EXPECT_EQ(echec, (TEchecChargement{TCauseChargement::Illisible, ENOMEM}));
    EXPECT_EQ(TTraiteurFichier::TexteEchecChargement("s.xmc", echec),
              "Le fichier s.xmc n'a pas pu être ouvert : la mémoire manque.");
}

TEST(TraiteurFichier, SauveEtRechargeEnMemorisantSeulementLesArchivesDeSaison)
{
    TempDir dir;
    TMessagesScriptes messages;
    BarreTest barre;
    barre.Panneaux[1] = "Modifié";
    std::vector<std::string> recents;
    auto recent = [&](const std::string& f) { recents.push_back(f); };
    auto saison = testsupport::CreeSaisonComplete();
    const std::string ini = dir.str() + "b.ini";

    CompteurModification = 1;
    const std::string xmd = dir.str() + "x.xmd";
    ASSERT_TRUE(TTraiteurFichier::SauveAvecEtat(xmd, *saison, false, "", ini, &barre, recent, false));
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_TRUE(recents.empty());
    EXPECT_FALSE(TFichierIni(ini).ValueExists("General", "LastFile"));
    EXPECT_TRUE(messages.Messages.empty());

    const std::string xmc = dir.str() + "s.xmc";
    ASSERT_TRUE(TTraiteurFichier::SauveAvecEtat(xmc, *saison, true, "", ini, &barre, recent, true));
    EXPECT_EQ(CompteurModification, 0);
    EXPECT_EQ(barre.Panneaux[1], "");
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Flags, BoutonsMessage::Ok);
    EXPECT_EQ(recents, std::vector<std::string>{xmc});
    EXPECT_EQ(TFichierIni(ini).ReadString("General", "LastFile", ""), xmc);

    // An ini file that cannot be written leaves the load good.
    std::unique_ptr<TSaison> relue = TTraiteurFichier::ChargeAvecEtat(xmc, "", "/nonexistent/b.ini", recent);
    ASSERT_NE(relue, nullptr);
    EXPECT_EQ(relue->NbChampionnat(), saison->NbChampionnat());
    EXPECT_EQ(recents.size(), 2u);
    EXPECT_EQ(TTraiteurFichier::ImporteDivision(xmc, ""), TChargeurXmp(xmc).ImporteChampionnat());
}

TEST(TraiteurFichier, SauvegardeRateeGardeLeCompteurEtDitPourquoi)
{
    TextesFrancais textes;
    TMessagesScriptes messages;
    BarreTest barre;
    barre.Panneaux[1] = "Modifié";
    auto saison = testsupport::CreeSaisonComplete();
    CompteurModification = 1;
    bool rappel = false;
    EXPECT_FALSE(TTraiteurFichier::SauveAvecEtat(
        "/nonexistent/dir/s.xmc", *saison, true, "", "", &barre, [&](const std::string&) { rappel = true; }, true));
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_EQ(barre.Panneaux[1], "Modifié");
    EXPECT_FALSE(rappel);
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, TraduitFmt(2620, {"/nonexistent/dir/s.xmc", Traduit(2624)}));
    EXPECT_EQ(messages.Messages[0].Flags, BoutonsMessage::Ok | BoutonsMessage::Avertissement);
    EXPECT_EQ(TTraiteurFichier::DerniereErreur(), ENOENT);
    EXPECT_EQ(saison->NbChampionnat(), 2);

    // A disk that fills up while the archive is written: the reason says so,
    // and the file already there is left whole.
    TempDir dir;
    const std::string fichier = dir.str() + "s.xmc";
    testsupport::WriteWholeFile(fichier, "ancienne");
    auto disque = std::make_shared<testsupport::FaultyDisk>(1);
    disque->error = ENOSPC;
    {
        testsupport::DiskInstalled installe(disque);
        EXPECT_FALSE(TTraiteurFichier::SauveAvecEtat(fichier, *saison, true, "", "", &barre, {}, true));
    }
    EXPECT_EQ(disque->FailedCall(), "write");
    ASSERT_EQ(messages.Messages.size(), 2u);
    EXPECT_EQ(messages.Messages[1].Texte, TraduitFmt(2620, {fichier, Traduit(2621)}));
    EXPECT_EQ(testsupport::ReadWholeFile(fichier), "ancienne");
    EXPECT_EQ(CompteurModification, 1);
}

TEST(TraiteurFichier, LaCauseDUnEchecDansLaLangueOuDansLesMotsDuSysteme)
{
    TextesFrancais textes;
    // Said of the file read, or of the place written to.
    EXPECT_EQ(TexteErreurSysteme(ENOENT, TAccesFichier::Lecture), Traduit(3107));
    EXPECT_EQ(TexteErreurSysteme(ENOENT, TAccesFichier::Ecriture), Traduit(2624));
    EXPECT_EQ(TexteErreurSysteme(EACCES, TAccesFichier::Lecture), Traduit(3108));
    EXPECT_EQ(TexteErreurSysteme(EACCES, TAccesFichier::Ecriture), Traduit(2622));
    EXPECT_EQ(TexteErreurSysteme(0, TAccesFichier::Lecture), Traduit(3106));
    EXPECT_EQ(TexteErreurSysteme(EISDIR), Traduit(3109));
    EXPECT_EQ(TexteErreurSysteme(ENOSPC, TAccesFichier::Lecture), Traduit(2621));
    EXPECT_EQ(TexteErreurSysteme(0), Traduit(2627));
    EXPECT_EQ(TexteErreurSysteme(EDQUOT), Traduit(2621));
    EXPECT_EQ(TexteErreurSysteme(EPERM), Traduit(2622));
    EXPECT_EQ(TexteErreurSysteme(EROFS), Traduit(2623));
    EXPECT_EQ(TexteErreurSysteme(ENOTDIR), Traduit(2624));
    EXPECT_EQ(TexteErreurSysteme(EIO), Traduit(2625));
    EXPECT_EQ(TexteErreurSysteme(ENAMETOOLONG), Traduit(2626));
    // A cause the user can do little about is given in the system's words.
    EXPECT_FALSE(TexteErreurSysteme(EMFILE).empty());
    EXPECT_NE(TexteErreurSysteme(EMFILE), Traduit(2627));
}

// A progress service that tries a second load and save while its own runs.
class ServiceReentrant : public TServiceEtatSauve {
public:
    std::unique_ptr<TSaison> Charge(const std::string& nom, const std::string& dll) override
    {
        EnCours = TTraiteurFichier::EnCours();
        SecondeCharge = TTraiteurFichier::ChargeAvecEtat(nom, dll, "", {}) != nullptr;
        SecondeSauve =
            TTraiteurFichier::SauveAvecEtat(nom + ".xmc", TSaisonFootball(), false, dll, "", nullptr, {}, false);
        return std::make_unique<TSaisonFootball>();
    }
    bool Sauve(const std::string&, const std::string&, const TSaison&) override { return true; }
    bool EnCours = false, SecondeCharge = true, SecondeSauve = true;
};

TEST(TraiteurFichier, UnSeulChargementOuSauvegardeALaFois)
{
    TempDir dir;
    const std::string xmc = dir.str() + "s.xmc";
    ASSERT_TRUE(TChargeurXmp(xmc).SauveSaison(*testsupport::CreeSaisonComplete()));
    ServiceReentrant service;
    TServiceEtatSauve* ancien = InstalleServiceEtatSauve(&service);
    EXPECT_NE(TTraiteurFichier::ChargeAvecEtat(xmc, "", "", {}), nullptr);
    InstalleServiceEtatSauve(ancien);
    EXPECT_TRUE(service.EnCours);
    EXPECT_FALSE(service.SecondeCharge);
    EXPECT_FALSE(service.SecondeSauve);
    EXPECT_FALSE(std::filesystem::exists(xmc + ".xmc"));
    EXPECT_FALSE(TTraiteurFichier::EnCours());
}

TEST(TraiteurFichier, DivisionDeclareeParUnFichier)
{
    EXPECT_EQ(TTraiteurFichier::ImporteDivision("x.xm", ""), 0);
    EXPECT_EQ(TTraiteurFichier::ImporteDivision("x.txt", ""), 0);
    EXPECT_EQ(TTraiteurFichier::ImporteDivision("/nonexistent/x.chf", ""), -1);
    EXPECT_EQ(TTraiteurFichier::ImporteDivision("/nonexistent/x.xmc", ""), -1);
}

TEST(TraiteurFichier, SaisonSimple)
{
    auto cinq = TTraiteurFichier::CreeSaisonSimple(5, 1005, TDonneesChampionnat::TypeChamp);
    ASSERT_EQ(cinq->NbChampionnat(), 1);
    EXPECT_EQ(cinq->GetChampionnat(1)->GetNbMatch(), 2);
    EXPECT_EQ(cinq->GetChampionnat(1)->GetNbJour(), 10);
    EXPECT_EQ(cinq->GetChampionnat(1)->CodePerso, 5);
    auto six = TTraiteurFichier::CreeSaisonSimple(6, 12, TDonneesChampionnat::TypeChamp);
    EXPECT_EQ(six->GetChampionnat(1)->GetNbMatch(), 3);
    EXPECT_EQ(six->GetChampionnat(1)->GetNbJour(), 10);
    EXPECT_EQ(six->GetChampionnat(1)->Division, 12);
    EXPECT_EQ(TTraiteurFichier::CreeSaisonSimple(0, 12, 1)->GetChampionnat(1)->GetNbJour(), 0);
}

class ImportChampionnat : public ::testing::Test {
protected:
    void SetUp() override
    {
        source = testsupport::CreeSaisonComplete();
        source->SetNumChampCourant(1);
        ASSERT_TRUE(TTraiteurFichier::ExtraitChampionnat(ligue, *source, false, "", "", nullptr, {}));
        source->SetNumChampCourant(2);
        ASSERT_TRUE(TTraiteurFichier::ExtraitChampionnat(coupe, *source, false, "", "", nullptr, {}));
        messages.Messages.clear();
    }

    TempDir dir;
    TMessagesScriptes messages;
    std::unique_ptr<TSaisonFootball> source;
    std::string ligue = dir.str() + "ligue.xmd";
    std::string coupe = dir.str() + "coupe.xmd";
};

TEST_F(ImportChampionnat, ExtraitPuisImporteDansUneAutreSaison)
{
    TSaisonFootball cible;
    const int zurich = cible.AjouteEquipe("Zurich");
    const int lyon = cible.AjouteEquipe("LYON");
    cible.Joueurs().AjouteSimple(cible.CreeJoueur("Alpha", "Ali", 1, static_cast<uint16_t>(lyon)));
    cible.Joueurs().AjouteSimple(cible.CreeJoueur("Zed", "Zoe", 2, static_cast<uint16_t>(zurich)));
    cible.Arbitres().Ajoute(std::make_unique<TPersonnelStat>("ARBITRE", "paul", 70, -1));
    cible.Arbitres().Ajoute(std::make_unique<TPersonnelStat>("Autre", "Abel", 70, -1));
    const int arbitre = cible.Arbitres().ChercheNom(NormaliseNom("Arbitre"), "Paul")->Numero;

    TDonneesChampionnat* c = TTraiteurFichier::ImporteFichier(cible, ligue, "");
    ASSERT_NE(c, nullptr);
    ASSERT_EQ(cible.NbChampionnat(), 1);
    EXPECT_EQ(c->CodePerso, 0);
    EXPECT_EQ(c->GetSaison(), &cible);

    // Teams by name: Lyon reused, Nice, Paris and Lens added.
    EXPECT_EQ(cible.NbEquipe(), 5);
    EXPECT_EQ(cible.ChercheEquipe("Lyon"), lyon);
    const int nice = cible.ChercheEquipe("Nice"), lens = cible.ChercheEquipe("Lens");
    EXPECT_GE(c->IndexEquipe(lyon), 0);
    EXPECT_GE(c->IndexEquipe(nice), 0);
    EXPECT_LT(c->IndexEquipe(zurich), 0);

    // People: Alpha and the referee merged, the others shifted past the target's ids.
    EXPECT_EQ(cible.Arbitres().Nombre(), 2);
    const TJoueur* alpha = cible.Joueurs().ChercheNom("Alpha", "Ali");
    ASSERT_NE(alpha, nullptr);
    EXPECT_EQ(alpha->Numero, 1);
    const TJoueur* bravo = cible.Joueurs().ChercheNom("Bravo", "Bob");
    ASSERT_NE(bravo, nullptr);
    EXPECT_GT(bravo->Numero, 2);
    EXPECT_EQ(bravo->EquipeClub, lyon);
    EXPECT_EQ(cible.Joueurs().ChercheNom("Charlie", "Carl")->EquipeClub, nice);

    // Matches, events and line-ups follow the new ids.
    const TInfoComp* m = c->GetJournee(1)->GetMatchEquipes(static_cast<uint16_t>(lyon), static_cast<uint16_t>(nice));
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->GetScore(0), 2);
    EXPECT_EQ(m->GetArbitre(1), arbitre);
    EXPECT_EQ(m->GetCompoCote(0, 1), 1);
    EXPECT_EQ(m->GetCompoCote(0, 2), bravo->Numero);
    EXPECT_EQ(m->GetCompoCote(0, 21), 1);
    const TListeDonnees* buteurs = c->GetButeursJournee(1);
    ASSERT_GT(buteurs->Nombre(), 0);
    EXPECT_EQ(buteurs->Get(0)->GetJoueur(), 1);
    EXPECT_EQ(buteurs->Get(0)->GetEquipe(), lyon);
    EXPECT_EQ(buteurs->GetSaison(), &cible);

    // Penalties and groups follow their teams.
    bool retrait = false;
    for (int i = 0; i < c->GetPenalites().Nombre(); ++i)
        retrait |= c->GetPenalites().Get(i)->Journee == 0 && c->GetPenalites().Get(i)->Equipe1 == lens;
    EXPECT_TRUE(retrait);
    ASSERT_EQ(c->NbGroupe(), 1);
    EXPECT_EQ(c->GetGroupe(0)->GetEquipe(0), lyon);
    EXPECT_EQ(c->OrdreClassement, "abc");
}

TEST_F(ImportChampionnat, CoupeGardeSesTirsAuButEtSesExemptes)
{
    // A bye of Brest (id 4) into slot 1, which the import must renumber.
    source->GetChampionnatId(2)->AjouteMatchSuiv(2, 4, 65535);
    source->SetNumChampCourant(2);
    ASSERT_TRUE(TTraiteurFichier::ExtraitChampionnat(coupe, *source, false, "", "", nullptr, {}));
    TSaisonFootball cible;
    cible.AjouteEquipe("Zurich");
    cible.AjouteEquipe("Bale");
    TDonneesChampionnat* c = TTraiteurFichier::ImporteFichier(cible, coupe, "");
    ASSERT_NE(c, nullptr);
    const auto paris = static_cast<uint16_t>(cible.ChercheEquipe("Paris"));
    const auto lens = static_cast<uint16_t>(cible.ChercheEquipe("Lens"));
    const TPenaltys* tab = c->CherchePenaltys(1, paris, lens);
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->But2, 4);
    EXPECT_EQ(c->GetMatchSuiv(1), cible.ChercheEquipe("Brest"));
    EXPECT_TRUE(c->PetiteFinale);
}

TEST_F(ImportChampionnat, ExtractionSansResultats)
{
    source->SetNumChampCourant(1);
    const std::string vide = dir.str() + "vide.xmd";
    ASSERT_TRUE(TTraiteurFichier::ExtraitChampionnat(vide, *source, true, "", "", nullptr, {}));
    TSaisonFootball relue;
    ASSERT_TRUE(TTraiteurFichier::ChargeXml(vide, relue, ""));
    ASSERT_EQ(relue.NbChampionnat(), 1);
    EXPECT_EQ(relue.NbEquipe(), 4);
    EXPECT_NE(relue.Joueurs().ChercheNom("Alpha", "Ali"), nullptr);
    EXPECT_EQ(relue.GetChampionnat(1)->GetJournee(1) ? relue.GetChampionnat(1)->GetJournee(1)->NbMatch() : 0, 0);
    EXPECT_EQ(relue.GetChampionnat(1)->GetOption(4), 3);
}

TEST_F(ImportChampionnat, LeComposeurConstruitUneSaison)
{
    TSaisonFootball saison;
    const TLignesComposeur lignes{{"$#1", 1},
                                  {"$Coupes", 2},
                                  {ligue + "|Ma ligue", 3, -1, 7},
                                  {coupe + "|Ma coupe", 3, -1, 8},
                                  {"Sans fichier", 3, -1, 9}};
    ASSERT_TRUE(TTraiteurFichier::ConstruitSaison(saison, lignes, ""));
    ASSERT_EQ(saison.NbChampionnat(), 2);
    EXPECT_EQ(saison.GetChampionnat(1)->CodeChamp, 7);
    EXPECT_EQ(saison.GetChampionnat(2)->CodeChamp, 8);
    ASSERT_EQ(saison.NbDesc(), 5);
    EXPECT_EQ(saison.GetDescBrut(2).Texte, "Ma ligue");
    EXPECT_EQ(saison.GetDesc(2).Valeur, 7);
    EXPECT_EQ(saison.GetDesc(0).Niveau, 1);
    // Paris plays in both files: one team; Echo, of Paris, merged into one player.
    EXPECT_EQ(saison.ChercheEquipe("Paris"), saison.GetChampionnat(2)->GetEquipe(0));
    int echos = 0;
    for (int i = 0; i < saison.Joueurs().Nombre(); ++i)
        echos += saison.Joueurs().Get(i)->Nom == "Echo";
    EXPECT_EQ(echos, 1);

    TSaisonFootball rate;
    std::vector<std::string> echecs;
    EXPECT_FALSE(TTraiteurFichier::ConstruitSaison(
        rate, {{dir.str() + "absent.xmd|X", 3, -1, 1}, {ligue + "|L", 3, -1, 2}}, "", &echecs));
    EXPECT_EQ(echecs, std::vector<std::string>{dir.str() + "absent.xmd"});
    EXPECT_EQ(rate.NbChampionnat(), 1);
    EXPECT_EQ(rate.NbDesc(), 1);
}

TEST_F(ImportChampionnat, LeComposeurModifieUneSaison)
{
    auto saison = testsupport::CreeSaisonComplete();
    std::string barrages;
    const TLignesComposeur lignes{{"$#1", 1},
                                  {"$#32771#Barrage 1", 2},
                                  {"$#32772#Barrage 2", 2},
                                  {"#101", 3, 1, 1},
                                  {"Disparue", 3, 5, 55},
                                  {coupe + "|Importée", 3, -1, 9},
                                  {dir.str() + "absent.xmd|Perdue", 3, -1, 10}};
    std::vector<std::string> echecs;
    TTraiteurFichier::ImporteListe(*saison, lignes, "", barrages, &echecs);
    EXPECT_EQ(barrages, "3-4-");
    EXPECT_EQ(echecs, std::vector<std::string>{dir.str() + "absent.xmd"});
    ASSERT_EQ(saison->NbChampionnat(), 2);
    EXPECT_EQ(saison->GetChampionnat(1)->CodeChamp, 1);
    EXPECT_EQ(saison->GetChampionnat(2)->CodeChamp, 9);
    ASSERT_EQ(saison->NbDesc(), 6);
    EXPECT_EQ(saison->GetDesc(4).Valeur, 0);
    EXPECT_EQ(saison->GetDescBrut(5).Texte, "Importée");
}

TEST(TraiteurFichier, CopieRepertoire)
{
    TempDir dir;
    std::filesystem::create_directories(dir / "a");
    testsupport::WriteWholeFile(dir / "a" / "p.jpg", "photo");
    EXPECT_TRUE(TTraiteurFichier::CopieRepertoire(dir.str() + "a/", dir.str() + "b/c/"));
    EXPECT_EQ(testsupport::ReadWholeFile(dir / "b" / "c" / "p.jpg"), "photo");
    EXPECT_TRUE(TTraiteurFichier::CopieRepertoire(dir.str() + "a/", dir.str() + "a/"));
    EXPECT_EQ(testsupport::ReadWholeFile(dir / "a" / "p.jpg"), "photo");
}

} // namespace

namespace {

void Ecrit(const std::filesystem::path& chemin, const std::vector<uint8_t>& octets)
{
    testsupport::WriteWholeFile(chemin, std::string(octets.begin(), octets.end()));
}

} // namespace

// Each older file kind opens through the load road and gives a season that
// holds what the file held.
TEST(TraiteurFichier, LesFichiersAnciensSOuvrentParLeChargement)
{
    TempDir dir;
    const testsupport::SaisonAncienne ancienne = testsupport::ExempleSaison(13);

    Ecrit(dir / "s.sai", testsupport::EcritSaison(ancienne, 13));
    std::unique_ptr<TSaison> saison = TTraiteurFichier::ChargeAvecEtat((dir / "s.sai").string(), "", "", {});
    ASSERT_NE(saison, nullptr);
    EXPECT_EQ(saison->NbChampionnat(), static_cast<int>(ancienne.Championnats.size()));
    EXPECT_EQ(saison->NbEquipe(), static_cast<int>(ancienne.Equipes.size()));

    Ecrit(dir / "c.chf", testsupport::EcritChampionnat(ancienne, 13));
    saison = TTraiteurFichier::ChargeAvecEtat((dir / "c.chf").string(), "", "", {});
    ASSERT_NE(saison, nullptr);
    EXPECT_EQ(saison->NbChampionnat(), 1);
    EXPECT_EQ(saison->GetNumChampCourant(), 1);
    EXPECT_EQ(saison->NbEquipe(), static_cast<int>(ancienne.Equipes.size()));

    Ecrit(dir / "d.daf", testsupport::EcritData(ancienne, 13));
    saison = TTraiteurFichier::ChargeAvecEtat((dir / "d.daf").string(), "", "", {});
    ASSERT_NE(saison, nullptr);
    EXPECT_EQ(saison->NbChampionnat(), 1);
    EXPECT_EQ(saison->NbEquipe(), static_cast<int>(ancienne.Equipes.size()));

    // A file cut short is a failed load, whatever its kind, and told as cut.
    TEchecChargement echec;
    for (const auto& [nom, octets] : {std::pair{"t.sai", testsupport::EcritSaison(ancienne, 13)},
                                      std::pair{"t.chp", testsupport::EcritChampionnat(ancienne, 13)},
                                      std::pair{"t4.sai", testsupport::EcritSaison(ancienne, 4)}}) {
        for (const size_t taille : {octets.size() / 2, octets.size() - 1, size_t(3)}) {
            Ecrit(dir / nom, std::vector<uint8_t>(octets.begin(), octets.begin() + static_cast<long>(taille)));
            EXPECT_EQ(TTraiteurFichier::ChargeAvecEtat((dir / nom).string(), "", "", {}, &echec), nullptr) << nom;
            EXPECT_EQ(echec, (TEchecChargement{TCauseChargement::Tronque, 0})) << nom << " cut at " << taille;
        }
    }
    EXPECT_FALSE(TTraiteurFichier::EnCours());

    // A season announced as such whose counts cannot be is damaged, not some other file.
    std::vector<uint8_t> abimee = testsupport::EcritSaison(ancienne, 13);
    abimee[2] = 0x88;
    abimee[3] = 0x13; // 5000 championships
    Ecrit(dir / "abimee.sai", abimee);
    EXPECT_EQ(TTraiteurFichier::ChargeAvecEtat((dir / "abimee.sai").string(), "", "", {}, &echec), nullptr);
    EXPECT_EQ(echec, (TEchecChargement{TCauseChargement::Endommage, 0}));
    // The same road through the import of a championship.
    TSaisonFootball cible;
    std::vector<uint8_t> championnat = testsupport::EcritChampionnat(ancienne, 13);
    championnat.resize(championnat.size() / 2);
    Ecrit(dir / "t.chp", championnat);
    EXPECT_TRUE(TTraiteurFichier::FusionneFichier(cible, (dir / "t.chp").string(), "", true, &echec).empty());
    EXPECT_EQ(echec, (TEchecChargement{TCauseChargement::Tronque, 0}));
}

namespace {

TEST(TraiteurFichier, FusionnerUneSaisonApporteTousSesChampionnatsAvecUneLigneChacun)
{
    testsupport::CatalogueInstalle catalogue;
    TempDir dir;
    const std::string complete = dir.str() + "complete.xmc";
    {
        // A bye into the final, so the merge has one to carry over to the new ids.
        auto source = testsupport::CreeSaisonComplete();
        source->GetChampionnat(2)->AjouteMatchSuiv(2, 4, 65535);
        ASSERT_TRUE(TTraiteurFichier::SauveAvecEtat(complete, *source, false, "", "", nullptr, {}, false));
    }

    auto cible = testsupport::CreeLigueQuatreEquipes();
    cible->Arbitres().Ajoute(std::make_unique<TPersonnelStat>("Arbitre", "Paul", 70, -1));
    const int arbitre = cible->Arbitres().Get(0)->Numero;
    const int brest = cible->ChercheEquipe("Brest");
    const int idLigue = cible->GetChampionnat(1)->CodeChamp;

    // Nothing read: nothing changes, not even the description.
    EXPECT_TRUE(TTraiteurFichier::FusionneFichier(*cible, dir.str() + "absent.xmc", "", false).empty());
    EXPECT_EQ(cible->NbChampionnat(), 1);
    EXPECT_EQ(cible->NbDesc(), 0);

    const std::vector<TDonneesChampionnat*> ajoutes = TTraiteurFichier::FusionneFichier(*cible, complete, "", false);
    ASSERT_EQ(ajoutes.size(), 2u);
    ASSERT_EQ(cible->NbChampionnat(), 3);
    TDonneesChampionnat* ligue = ajoutes[0];
    TDonneesChampionnat* coupe = ajoutes[1];
    EXPECT_EQ(cible->GetChampionnat(2), ligue);
    EXPECT_EQ(cible->GetChampionnat(3), coupe);
    // Each under an id of its own, and each with a line, the old one first.
    EXPECT_GT(ligue->CodeChamp, idLigue);
    EXPECT_GT(coupe->CodeChamp, ligue->CodeChamp);
    ASSERT_EQ(cible->NbDesc(), 3);
    EXPECT_EQ(cible->GetDesc(0).Valeur, idLigue);
    EXPECT_EQ(cible->GetDesc(1).Valeur, ligue->CodeChamp);
    EXPECT_EQ(cible->GetDesc(2).Valeur, coupe->CodeChamp);
    EXPECT_EQ(cible->GetDesc(2).Niveau, 3);
    EXPECT_NE(cible->GetDescBrut(2).Texte.find("Ma coupe"), std::string::npos);

    // Paris plays in both: one team for both; Brest was already there.
    const int paris = cible->ChercheEquipe("Paris");
    EXPECT_EQ(ligue->GetEquipe(2), paris);
    EXPECT_EQ(coupe->GetEquipe(0), paris);
    EXPECT_EQ(coupe->GetEquipe(2), brest);
    const auto lens = static_cast<uint16_t>(cible->ChercheEquipe("Lens"));
    EXPECT_NE(coupe->CherchePenaltys(1, static_cast<uint16_t>(paris), lens), nullptr);
    EXPECT_EQ(coupe->GetMatchSuiv(1), brest);
    // People once, referees merged by name, the matches following them.
    int echos = 0;
    for (int i = 0; i < cible->Joueurs().Nombre(); ++i)
        echos += cible->Joueurs().Get(i)->Nom == "Echo";
    EXPECT_EQ(echos, 1);
    EXPECT_EQ(cible->Arbitres().Nombre(), 1);
    const uint16_t lyon = static_cast<uint16_t>(cible->ChercheEquipe("Lyon"));
    const TInfoComp* m =
        ligue->GetJournee(1)->GetMatchEquipes(lyon, static_cast<uint16_t>(cible->ChercheEquipe("Nice")));
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->GetArbitre(1), arbitre);
    const TJoueur* bravo = cible->Joueurs().ChercheNom("Bravo", "Bob");
    ASSERT_NE(bravo, nullptr);
    EXPECT_EQ(m->GetCompoCote(0, 2), bravo->Numero);

    // A championship imported alone takes only the file's first.
    const std::vector<TDonneesChampionnat*> seul = TTraiteurFichier::FusionneFichier(*cible, complete, "", true);
    ASSERT_EQ(seul.size(), 1u);
    EXPECT_EQ(cible->NbChampionnat(), 4);
    EXPECT_EQ(cible->NbDesc(), 4);
    EXPECT_EQ(seul[0]->GetEquipe(0), lyon);
}

} // namespace
