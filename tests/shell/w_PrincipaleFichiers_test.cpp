#include "shell/w_PrincipaleFichiers.h"

#include "base/FichierIni.h"
#include "base/ServiceMessage.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "files/ChargeurXmp.h"
#include "files/Stats.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "platform/Ecran.h"
#include "presentation/Historique.h"
#include "shell/w_EtatSauve.h"
#include "shell/w_Principale.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/DossierProgramme.h"
#include "support_ui/FenetreSurArchive.h"

#include <QDialog>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

using testsupport::TempDir;

TEST(CommandesFichier, NomsEtIntervalle)
{
    EXPECT_EQ(NomFichierQuestion("/x/sauvegarde/saison.xmc"), "saison");
    EXPECT_EQ(NomFichierQuestion("sans"), "sans");
    EXPECT_EQ(NomArchiveSaison("/x/y.v2/s.sai"), "/x/y.v2/s.xmc");
    EXPECT_EQ(NomArchiveSaison("/x/y.v2/s"), "/x/y.v2/s.xmc");
    EXPECT_EQ(DossierImagesFichier("/app/", "/x/s.xmc"), "/app/pict/s.xmc/");

    TSaisonFootball saison;
    EXPECT_EQ(IntervalleAutoSave(nullptr), 0);
    saison.SetOptionSauvegarde(0, 0);
    EXPECT_EQ(IntervalleAutoSave(&saison), 0);
    saison.SetOptionSauvegarde(0, 5);
    EXPECT_EQ(IntervalleAutoSave(&saison), 300000);
}

TEST(CommandesFichier, HistoriqueDeLaDivision)
{
    TempDir dir;
    auto saison = testsupport::CreeSaisonComplete();
    TDonneesChampionnat& ligue = *saison->GetChampionnat(1);
    TStats stats;
    TStat* stat = stats.Ajoute(dir.str(), ligue.GetCode());
    // A name the archive knows keeps its number.
    stat->AjouteNomEquipe(saison->GetNomEquipe(static_cast<uint16_t>(ligue.GetEquipe(2))), 40);

    ligue.SetOption(8, 0);
    EXPECT_FALSE(AjouteSaisonHistorique(*stat, ligue, *saison));
    ligue.SetOption(8, 124);
    ASSERT_TRUE(AjouteSaisonHistorique(*stat, ligue, *saison));
    stat->Sauve();

    TStat relue;
    ASSERT_TRUE(relue.Charge(stat->GetNomFichier()));
    ASSERT_EQ(relue.NbSaisons(), 1);
    const TSaisonStat& s = *relue.GetSaison(0);
    EXPECT_EQ(s.GetAnnee(), 124);
    ASSERT_EQ(s.GetN(), ligue.GetNbEquipe());
    EXPECT_EQ(s.GetEquipe(2), 40);
    int joues = 0;
    for (int jour = 1; jour <= ligue.GetNbJour(); ++jour) {
        for (int m = 0; m < ligue.GetNbMatchJournee(jour); ++m) {
            const int d = ligue.IndexEquipe(ligue.GetValeurMatch(jour, 4 * m + 1));
            const int e = ligue.IndexEquipe(ligue.GetValeurMatch(jour, 4 * m + 3));
            if (d < 0 || e < 0 || ligue.GetValeurMatch(jour, 4 * m + 2) == 65535)
                continue;
            uint8_t bd = 0, be = 0;
            s.GetScore(d, e, bd, be);
            EXPECT_EQ(bd, ligue.GetValeurMatch(jour, 4 * m + 2));
            EXPECT_EQ(be, ligue.GetValeurMatch(jour, 4 * m + 4));
            ++joues;
        }
    }
    EXPECT_GT(joues, 0);

    // The same year again replaces the season.
    ASSERT_TRUE(AjouteSaisonHistorique(*stat, ligue, *saison));
    EXPECT_EQ(stat->NbSaisons(), 1);
}

// --- The file commands of the main window, started on a copy of the program folder ---

// A page that counts the commits the window asks of it.
class TPageCompte : public TFootForm {
public:
    using TFootForm::TFootForm;
    void ValideSaisieEnCours() override { ++NbValidations; }
    int NbValidations = 0;
};

class FichiersFenetre : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The window works in its program folder, which goes with the test.
        AncienDossier = fs::current_path();
        for (const char* dossier : {"texte", "config", "stats", "pict", "sauvegarde", "Data"})
            fs::copy(AppDir() + dossier, Dossier / dossier, fs::copy_options::recursive);
        testsupport::WriteWholeFile(Dossier / "brevalune.ini", "[General]\nLangue=fr\nShowAstuce=0\n");
        Fenetre = std::make_unique<Tf_Principale>(Dossier.str());
        ASSERT_EQ(Fenetre->TagApplication, 0);
        auto saison = testsupport::CreeSaisonComplete();
        saison->SetOptionSauvegarde(0, 5);
        ASSERT_TRUE(TChargeurXmp(Archive).SauveSaison(*saison));
        CompteurModification = 0;
    }
    void TearDown() override
    {
        Fenetre.reset();
        fs::current_path(AncienDossier);
    }

    std::string Panneau(int i) const { return Fenetre->Statut->TextePanneau(i); }
    // The texts of the messages shown since the last call.
    std::vector<std::string> Textes()
    {
        std::vector<std::string> textes;
        for (const auto& m : Messages.Messages)
            textes.push_back(m.Texte);
        Messages.Messages.clear();
        return textes;
    }
    TPageCompte* AffichePage() { return static_cast<TPageCompte*>(Fenetre->AfficheFenetre(ClassePage<TPageCompte>())); }

    testsupport::TempDir Dossier;
    testsupport::TDialoguesScriptes Dialogues;
    testsupport::TMessagesScriptes Messages;
    testsupport::TEcranFixe Ecran;
    TEtatSauveQt EtatSauve;
    fs::path AncienDossier;
    std::unique_ptr<Tf_Principale> Fenetre;
    std::string Archive = Dossier.str() + "sauvegarde/essai.xmc";
};

TEST_F(FichiersFenetre, OuvrirModifierEnregistrerFermer)
{
    Tf_Principale& f = *Fenetre;
    ASSERT_TRUE(f.OuvreFichier(Archive));
    ASSERT_NE(f.GetSaison(), nullptr);
    EXPECT_EQ(f.FichierCourant, Archive);
    EXPECT_EQ(CompteurModification, 0);
    EXPECT_EQ(Panneau(1), "");
    EXPECT_EQ(Panneau(2), TraduitFmt(12, {Archive}));
    EXPECT_EQ(f.GetFichiersRecents().front(), Archive);
    EXPECT_EQ(TFichierIni(f.GetFichierIni()).ReadString("General", "LastFile", ""), Archive);
    EXPECT_TRUE(fs::is_directory(Dossier / "pict" / "essai.xmc"));
    EXPECT_TRUE(f.EtatFichierA());
    EXPECT_TRUE(Textes().empty());

    // Nothing modified: nothing written.
    fs::remove(Archive);
    EXPECT_TRUE(f.SauveSaison());
    EXPECT_FALSE(fs::exists(Archive));

    f.SignaleModification();
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_EQ(Panneau(1), Traduit(18));
    TPageCompte* page = AffichePage();
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(f.SauveAuto(false));
    EXPECT_EQ(page->NbValidations, 1);
    EXPECT_TRUE(fs::exists(Archive));
    EXPECT_EQ(CompteurModification, 0);
    EXPECT_EQ(Panneau(1), "");
    EXPECT_EQ(Textes(), std::vector<std::string>{Traduit(253)});

    // Closing asks about the modified file, named without its extension: Cancel keeps all.
    f.SignaleModification();
    Messages.Repond(ReponseMessage::Annuler);
    EXPECT_FALSE(f.FermeFichier());
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, TraduitFmt(2, {"essai"}));
    EXPECT_EQ(Messages.Messages[0].Flags, BoutonsMessage::Oui | BoutonsMessage::Non | BoutonsMessage::Annuler);
    Textes();
    EXPECT_NE(f.GetSaison(), nullptr);
    EXPECT_EQ(CompteurModification, 1);

    // No: closed without writing.
    const auto ecrit = fs::last_write_time(Archive);
    Messages.Repond(ReponseMessage::Non);
    EXPECT_TRUE(f.FermeFichier());
    EXPECT_EQ(f.GetSaison(), nullptr);
    EXPECT_EQ(f.FichierCourant, "");
    EXPECT_EQ(CompteurModification, 0);
    EXPECT_EQ(Panneau(1), "");
    EXPECT_EQ(Panneau(2), "");
    EXPECT_FALSE(f.EtatFichierA());
    EXPECT_FALSE(f.t_AutoSave->isActive());
    EXPECT_EQ(fs::last_write_time(Archive), ecrit);

    // No season: saving succeeds and writes nothing; Save As has nothing to offer.
    EXPECT_TRUE(f.SauveSaison());
    EXPECT_FALSE(f.SauveSaisonSous());
    EXPECT_TRUE(Dialogues.DemandesEnregistrement.empty());
}

TEST_F(FichiersFenetre, OuvertureParLeDialogueEtFichiersIllisibles)
{
    Tf_Principale& f = *Fenetre;
    Dialogues.RefuseFichier();
    EXPECT_FALSE(f.OuvreFichier(""));
    ASSERT_EQ(Dialogues.DemandesOuverture.size(), 1u);
    const TDemandeFichier& demande = Dialogues.DemandesOuverture[0];
    EXPECT_EQ(demande.Titre, Traduit(7));
    EXPECT_EQ(demande.IndexFiltre, 3);
    EXPECT_EQ(demande.ExtensionDefaut, "xmc");
    EXPECT_EQ(demande.DossierInitial, Dossier.str() + "sauvegarde/");
    EXPECT_EQ(LitFiltres(demande.Filtre).size(), 4u);

    Dialogues.RepondFichier(Archive);
    ASSERT_TRUE(f.OuvreFichier(""));
    EXPECT_EQ(f.FichierCourant, Archive);

    // Another file while modified: Cancel keeps the open one.
    f.SignaleModification();
    Messages.Repond(ReponseMessage::Annuler);
    const TSaison* ouverte = f.GetSaison();
    EXPECT_FALSE(f.OuvreFichier(Archive));
    EXPECT_EQ(f.GetSaison(), ouverte);
    EXPECT_EQ(CompteurModification, 1);
    Textes();

    // A damaged archive, then a kind no reader takes, chosen over the modified
    // season and its changes given up: the season stays open with its changes
    // until another one has loaded, and the failure names the file and its cause.
    const std::string abimee = Dossier.str() + "abimee.xmc";
    testsupport::WriteWholeFile(abimee, "PK pas une archive");
    testsupport::WriteWholeFile(Dossier / "notes.txt", "rien");
    TPageCompte* page = AffichePage();
    for (const auto& [nom, cause] : {std::pair{abimee, TCauseChargement::PasUneArchive},
                                     std::pair{Dossier.str() + "notes.txt", TCauseChargement::PasUneSaison}}) {
        Messages.Repond(ReponseMessage::Non);
        EXPECT_FALSE(f.OuvreFichier(nom));
        EXPECT_EQ(f.GetSaison(), ouverte);
        EXPECT_EQ(f.GetPageCourante(), page);
        EXPECT_EQ(f.FichierCourant, Archive);
        EXPECT_EQ(CompteurModification, 1);
        EXPECT_EQ(Panneau(1), Traduit(18));
        EXPECT_TRUE(f.EtatFichierA());
        EXPECT_TRUE(f.t_AutoSave->isActive());
        ASSERT_EQ(Messages.Messages.size(), 2u) << nom;
        EXPECT_EQ(Messages.Messages[1].Texte, TTraiteurFichier::TexteEchecChargement(nom, {cause, 0}));
        EXPECT_NE(Messages.Messages[1].Texte.find(nom), std::string::npos);
        EXPECT_EQ(Messages.Messages[1].Flags, BoutonsMessage::Ok | BoutonsMessage::Avertissement);
        Textes();
    }
    EXPECT_EQ(page->NbValidations, 2) << "the page commits what it holds before each question";
    EXPECT_EQ(f.GetFichiersRecents().front(), Archive);
}

TEST_F(FichiersFenetre, SauvegardeRateeCommeAnnuler)
{
    Tf_Principale& f = *Fenetre;
    ASSERT_TRUE(f.OuvreFichier(Archive));
    f.SignaleModification();
    // The file's folder has become a file: the save cannot be written.
    testsupport::WriteWholeFile(Dossier / "bloque", "fichier");
    f.FichierCourant = Dossier.str() + "bloque/essai.xmc";

    Messages.Repond(ReponseMessage::Oui);
    EXPECT_FALSE(f.FermeFichier());
    const std::string pourquoi = Traduit(2624);
    EXPECT_EQ(Textes(),
              (std::vector<std::string>{TraduitFmt(2, {"essai"}), TraduitFmt(2620, {f.FichierCourant, pourquoi})}));
    EXPECT_NE(f.GetSaison(), nullptr);
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_EQ(Panneau(1), Traduit(18));

    Messages.Repond(ReponseMessage::Oui);
    EXPECT_FALSE(f.FormClose());
    EXPECT_NE(f.GetSaison(), nullptr);
    Textes();

    // Save As to a folder that cannot be written keeps the old name and state.
    const std::string ancien = f.FichierCourant;
    Dialogues.RepondFichier(Dossier.str() + "bloque/autre.xmc");
    EXPECT_FALSE(f.SauveSaisonSous());
    EXPECT_EQ(f.FichierCourant, ancien);
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_EQ(Messages.Messages.back().Flags, BoutonsMessage::Ok | BoutonsMessage::Avertissement);
    EXPECT_EQ(Textes(), std::vector<std::string>{TraduitFmt(2620, {Dossier.str() + "bloque/autre.xmc", pourquoi})});

    // Save As to a good name: saved, renamed, pictures copied.
    testsupport::WriteWholeFile(Dossier / "pict" / "essai.xmc" / "joueur1.jpg", "photo");
    f.FichierCourant = Archive;
    const std::string nouveau = Dossier.str() + "sauvegarde/nouveau.xmc";
    Dialogues.RepondFichier(nouveau);
    ASSERT_TRUE(f.SauveSaisonSous());
    EXPECT_EQ(Dialogues.DemandesEnregistrement.back().Titre, Traduit(13));
    EXPECT_EQ(Dialogues.DemandesEnregistrement.back().NomFichier, Archive);
    EXPECT_EQ(f.FichierCourant, nouveau);
    EXPECT_EQ(CompteurModification, 0);
    EXPECT_TRUE(fs::exists(nouveau));
    EXPECT_TRUE(fs::exists(Dossier / "pict" / "nouveau.xmc" / "joueur1.jpg"));
    EXPECT_EQ(f.GetFichiersRecents().front(), nouveau);

    // Quit with Yes: saved, then the season goes.
    f.SignaleModification();
    Textes();
    Messages.Repond(ReponseMessage::Oui);
    EXPECT_TRUE(f.FormClose());
    EXPECT_EQ(f.GetSaison(), nullptr);
    EXPECT_EQ(Textes(), (std::vector<std::string>{TraduitFmt(2, {"nouveau"}), Traduit(253)}));
}

TEST_F(FichiersFenetre, AncienFichierOuSansNomALaSauvegarde)
{
    Tf_Principale& f = *Fenetre;
    ASSERT_TRUE(f.OuvreFichier(Archive));
    // A season read from an older file is written beside it as an archive, even unmodified.
    f.FichierCourant = Dossier.str() + "sauvegarde/ancien.sai";
    ASSERT_TRUE(f.SauveSaison());
    EXPECT_EQ(f.FichierCourant, Dossier.str() + "sauvegarde/ancien.xmc");
    EXPECT_TRUE(fs::exists(f.FichierCourant));
    EXPECT_EQ(CompteurModification, 0);

    // A season without a name goes through Save As.
    f.FichierCourant.clear();
    f.SignaleModification();
    Dialogues.RefuseFichier();
    EXPECT_FALSE(f.SauveSaison());
    EXPECT_EQ(CompteurModification, 1);
    const std::string nomme = Dossier.str() + "sauvegarde/nommee.xmc";
    Dialogues.RepondFichier(nomme);
    EXPECT_TRUE(f.SauveSaison());
    EXPECT_EQ(f.FichierCourant, nomme);
    EXPECT_TRUE(fs::exists(nomme));
    // The timer never asks for a name.
    f.FichierCourant.clear();
    f.SignaleModification();
    f.OnAutoSave();
    EXPECT_EQ(Dialogues.DemandesEnregistrement.size(), 2u);
}

TEST_F(FichiersFenetre, SauvegardeAutomatique)
{
    Tf_Principale& f = *Fenetre;
    EXPECT_FALSE(f.t_AutoSave->isActive());
    ASSERT_TRUE(f.OuvreFichier(Archive));
    ASSERT_TRUE(f.t_AutoSave->isActive());
    EXPECT_EQ(f.t_AutoSave->interval(), 300000);
    f.GetSaison()->SetOptionSauvegarde(0, 0);
    f.ReinitAutoSave();
    EXPECT_FALSE(f.t_AutoSave->isActive());
    f.GetSaison()->SetOptionSauvegarde(0, 2);
    f.ReinitAutoSave();
    EXPECT_EQ(f.t_AutoSave->interval(), 120000);

    // A tick saves silently after the page committed its entry.
    TPageCompte* page = AffichePage();
    f.SignaleModification();
    Textes();
    fs::remove(Archive);
    f.OnAutoSave();
    EXPECT_EQ(page->NbValidations, 1);
    EXPECT_TRUE(fs::exists(Archive));
    EXPECT_EQ(CompteurModification, 0);
    EXPECT_TRUE(Textes().empty());
    EXPECT_TRUE(f.t_AutoSave->isActive());

    // A tick while a save runs is skipped.
    f.SignaleModification();
    bool pendant = false;
    int validations = -1;
    QTimer::singleShot(0, [&] {
        pendant = TTraiteurFichier::EnCours();
        const int avant = page->NbValidations;
        f.OnAutoSave();
        validations = page->NbValidations - avant;
    });
    ASSERT_TRUE(f.SauveSaison());
    EXPECT_TRUE(pendant);
    EXPECT_EQ(validations, 0);
    EXPECT_TRUE(f.t_AutoSave->isActive());

    // And while a modal dialog is up.
    f.SignaleModification();
    {
        QDialog question(&f);
        question.setModal(true);
        question.show();
        f.OnAutoSave();
        EXPECT_EQ(CompteurModification, 1);
    }
    f.OnAutoSave();
    EXPECT_EQ(CompteurModification, 0);

    // Marked changed with nothing new, the tick writes nothing: the previous
    // save kept beside the file stays the last different one. A new entry is
    // written, and the save before it kept.
    f.GetSaison()->SetOptionSauvegarde(1, 1);
    f.SignaleModification();
    ASSERT_TRUE(f.SauveAuto(false));
    Textes();
    const std::string precedente = TChargeurXmp::NomSauvegarde(Archive);
    fs::remove(precedente);
    f.SignaleModification();
    f.OnAutoSave();
    EXPECT_FALSE(fs::exists(precedente));
    EXPECT_EQ(CompteurModification, 0);
    EXPECT_EQ(Panneau(1), "");
    TDonneesChampionnat* champ = f.GetSaison()->GetChampCourant();
    const int annee = champ->GetOption(8);
    champ->SetOption(8, annee + 1);
    f.SignaleModification();
    for (int tic = 0; tic < 3; ++tic)
        f.OnAutoSave();
    const auto annees = [&](const std::string& fichier) {
        TSaisonFootball lue;
        EXPECT_TRUE(TChargeurXmp(fichier).ChargeSaison(lue));
        return lue.GetChampionnatId(champ->CodeChamp) ? lue.GetChampionnatId(champ->CodeChamp)->GetOption(8) : -1;
    };
    EXPECT_EQ(annees(Archive), annee + 1);
    EXPECT_EQ(annees(precedente), annee);
    EXPECT_TRUE(Textes().empty());

    // With no season the tick stops the timer.
    f.RemplaceSaison(nullptr);
    f.t_AutoSave->start();
    f.OnAutoSave();
    EXPECT_FALSE(f.t_AutoSave->isActive());
}

// Every road that replaces the page asks the gate first: in debug builds, one
// that did not stops the program, so a new road cannot skip it.
TEST_F(FichiersFenetre, UnePageNonDemandeeNEstPasRemplacee)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Tf_Principale& f = *Fenetre;
    ASSERT_TRUE(f.OuvreFichier(Archive));
    TPageCompte* page = AffichePage();
    f.ExecuteCommande(Commande::Enregistrer); // the page is the user's once the command is done
    EXPECT_DEBUG_DEATH(f.RemplaceSaison(nullptr), "");
    EXPECT_DEBUG_DEATH(AffichePage(), "");
    if (f.GetPageCourante() == page) {
        ASSERT_TRUE(f.PeutQuitterPage());
        EXPECT_NE(AffichePage(), page);
    }
}

TEST_F(FichiersFenetre, HistoriqueImpossibleEtDossiersQuiNePeuventEtreCreesLeDisent)
{
    Tf_Principale& f = *Fenetre;
    // No folder for the pictures under a file: said, and the season opens all the same.
    fs::remove_all(Dossier / "pict");
    testsupport::WriteWholeFile(Dossier / "pict", "");
    ASSERT_TRUE(f.OuvreFichier(Archive));
    ASSERT_NE(f.GetSaison(), nullptr);
    EXPECT_EQ(Textes(), (std::vector<std::string>{TraduitFmt(2343, {DossierImagesFichier(Dossier.str(), Archive)})}));

    // Without a year the championship has no place in its division's archive.
    TDonneesChampionnat* champ = f.GetSaison()->GetChampCourant();
    champ->SetOption(8, 0);
    f.CreeHistoriqueDivision();
    EXPECT_EQ(Textes(), (std::vector<std::string>{Traduit(2342)}));
    EXPECT_EQ(f.GetStats()->ChercheId(champ->GetCode()), nullptr);

    // With a year, but no folder for the archives.
    champ->SetOption(8, 124);
    fs::remove_all(Dossier / "stats");
    testsupport::WriteWholeFile(Dossier / "stats", "");
    Messages.Repond(ReponseMessage::Oui);
    f.CreeHistoriqueDivision();
    const std::vector<std::string> textes = Textes();
    ASSERT_EQ(textes.size(), 2u);
    EXPECT_EQ(textes[1], TraduitFmt(2343, {Dossier.str() + "stats/"}));
    EXPECT_EQ(f.GetStats()->ChercheId(champ->GetCode()), nullptr);
}

TEST_F(FichiersFenetre, ExportsEtHistoriqueDeLaDivision)
{
    Tf_Principale& f = *Fenetre;
    ASSERT_TRUE(f.OuvreFichier(Archive));
    f.SignaleModification();
    Textes();

    const std::string saison = Dossier.str() + "sauvegarde/copie.xmc";
    Dialogues.RepondFichier(saison);
    f.ExporteSaison();
    EXPECT_EQ(Dialogues.DemandesEnregistrement.back().Titre, Traduit(38));
    EXPECT_EQ(Dialogues.DemandesEnregistrement.back().DossierInitial, Dossier.str() + "sauvegarde/");
    TSaisonFootball copie;
    ASSERT_TRUE(TChargeurXmp(saison).ChargeSaison(copie));
    EXPECT_EQ(copie.NbChampionnat(), f.GetSaison()->NbChampionnat());

    f.GetSaison()->SetNumChampCourant(1);
    const std::string donnees = Dossier.str() + "sauvegarde/ligue.xmd";
    Dialogues.RepondFichier(donnees);
    f.ExporteChampionnat();
    // Among the user's files, not among the program's division files.
    EXPECT_EQ(Dialogues.DemandesEnregistrement.back().DossierInitial, Dossier.str() + "sauvegarde/");
    EXPECT_EQ(Dialogues.DemandesEnregistrement.back().ExtensionDefaut, "xmd");
    TSaisonFootball ligue;
    ASSERT_TRUE(TChargeurXmp(donnees).ChargeSaison(ligue));
    EXPECT_EQ(ligue.NbChampionnat(), 1);
    // The open file keeps its name and its state.
    EXPECT_EQ(f.FichierCourant, Archive);
    EXPECT_EQ(CompteurModification, 1);
    // Each export says where it went, not that the season was saved.
    EXPECT_EQ(Textes(), (std::vector<std::string>{TraduitFmt(3522, {saison}), TraduitFmt(3522, {donnees})}));

    // The division history: none yet; No creates nothing, Yes writes it.
    TDonneesChampionnat* champ = f.GetSaison()->GetChampCourant();
    champ->SetOption(8, 124);
    ASSERT_EQ(f.GetStats()->ChercheId(champ->GetCode()), nullptr);
    Messages.Repond(ReponseMessage::Non);
    f.CreeHistoriqueDivision();
    EXPECT_EQ(f.GetStats()->ChercheId(champ->GetCode()), nullptr);
    Messages.Repond(ReponseMessage::Oui);
    f.CreeHistoriqueDivision();
    TStat* stat = f.GetStats()->ChercheId(champ->GetCode());
    ASSERT_NE(stat, nullptr);
    TStat relue;
    ASSERT_TRUE(relue.Charge(stat->GetNomFichier()));
    EXPECT_EQ(relue.NbSaisons(), 1);
    EXPECT_EQ(fs::path(stat->GetNomFichier()).parent_path(), (Dossier / "stats"));
    // Asked in the program's language, and once written it says which season
    // of which division went where.
    const std::string ecrit = Historique::TexteArchive(*stat, 124);
    EXPECT_EQ(Textes(), (std::vector<std::string>{Traduit(3270), Traduit(3270), ecrit}));
    EXPECT_NE(ecrit.find("2024"), std::string::npos);
    EXPECT_NE(ecrit.find(stat->GetNomFichier()), std::string::npos);
    // The archive exists now: it is written again without a question.
    f.CreeHistoriqueDivision();
    EXPECT_EQ(Textes(), (std::vector<std::string>{ecrit}));
}

} // namespace

namespace {

using ImportFenetre = testsupport::FenetreSurArchive;

TEST_F(ImportFenetre, ImporterUnChampionnatPuisFusionnerUneSaisonLesMontrentDansLeMenu)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    const std::string complete = (Dossier / "complete.xmc").string();
    ASSERT_TRUE(TTraiteurFichier::SauveAvecEtat(complete, *testsupport::CreeSaisonComplete(), false, "", "", nullptr,
                                                {}, false));
    TSaison* saison = Fenetre->GetSaison();
    ASSERT_EQ(saison->NbChampionnat(), 1);
    Messages.Messages.clear();

    // Cancelled: nothing asked, nothing changed.
    Dialogues.RefuseFichier();
    Fenetre->ExecuteCommande(187);
    EXPECT_EQ(saison->NbChampionnat(), 1);
    EXPECT_TRUE(Messages.Messages.empty());

    // A file that cannot be read says which and why; the dialog starts among
    // the user's files and shows the data archives too.
    const std::string absent = (Dossier / "absent.chp").string();
    Dialogues.RepondFichier(absent);
    Fenetre->ExecuteCommande(187);
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte,
              TTraiteurFichier::TexteEchecChargement(absent, {TCauseChargement::Illisible, ENOENT}));
    EXPECT_NE(Messages.Messages[0].Texte.find(Traduit(3107)), std::string::npos);
    EXPECT_EQ(CompteurModification, 0);
    EXPECT_EQ(Dialogues.DemandesOuverture.back().DossierInitial, Fenetre->GetAppDir() + "sauvegarde/");
    const std::vector<TFiltreFichier> filtres = LitFiltres(Dialogues.DemandesOuverture.back().Filtre);
    const int index = Dialogues.DemandesOuverture.back().IndexFiltre;
    ASSERT_TRUE(index >= 1 && index <= static_cast<int>(filtres.size()));
    const std::vector<std::string>& motifs = filtres[index - 1].Motifs;
    for (const char* motif : {"*.xmc", "*.xmd", "*.sai", "*.chp", "*.chf"})
        EXPECT_NE(std::find(motifs.begin(), motifs.end(), motif), motifs.end()) << motif;
    Messages.Messages.clear();

    // The first championship of the file joins the season and becomes current.
    Dialogues.RepondFichier(complete);
    Fenetre->ExecuteCommande(187);
    ASSERT_EQ(saison->NbChampionnat(), 2);
    EXPECT_EQ(Dialogues.DemandesOuverture.back().Titre, "Importer un championnat");
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte.rfind("Championnats ajoutés à la saison :", 0), 0u);
    EXPECT_EQ(CompteurModification, 1);
    const int importe = saison->GetChampionnat(2)->CodeChamp;
    EXPECT_EQ(saison->GetChampCourant(), saison->GetChampionnat(2));
    EXPECT_EQ(Fenetre->GetTitresChampionnats().size(), 2u);
    EXPECT_NE(ChercheNoeud(Fenetre->tv_Menu, saison->GetChampionnat(1)->CodeChamp << 8), nullptr);
    EXPECT_NE(ChercheNoeud(Fenetre->tv_Menu, importe << 8), nullptr);
    EXPECT_TRUE(Fenetre->fc_Titre->isVisibleTo(Fenetre.get()));
    Messages.Messages.clear();

    // Merging a season brings both its championships.
    Dialogues.RepondFichier(complete);
    Fenetre->ExecuteCommande(188);
    ASSERT_EQ(saison->NbChampionnat(), 4);
    EXPECT_EQ(Dialogues.DemandesOuverture.back().Titre, "Fusionner une saison");
    EXPECT_EQ(Fenetre->GetTitresChampionnats().size(), 4u);
    EXPECT_EQ(saison->GetChampCourant(), saison->GetChampionnat(3));
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_NE(Messages.Messages[0].Texte.find("Ma coupe"), std::string::npos);
    EXPECT_TRUE(Fenetre->GetPrecedents().empty());

    // Saved and opened again, the season keeps all four.
    Fenetre->ExecuteCommande(7);
    ASSERT_TRUE(Fenetre->OuvreFichier(Fichier));
    EXPECT_EQ(Fenetre->GetSaison()->NbChampionnat(), 4);
    EXPECT_EQ(Fenetre->GetTitresChampionnats().size(), 4u);
}

} // namespace
