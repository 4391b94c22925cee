#include "shell/w_EtatSauve.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "files/ChargeurXmp.h"
#include "model/SaisonFoot.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using testsupport::TempDir;
using testsupport::TMessagesScriptes;

class EtatSauve : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        saison = testsupport::CreeSaisonComplete();
        ASSERT_TRUE(TChargeurXmp(archive).SauveSaison(*saison));
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    TempDir dir;
    TMessagesScriptes messages;
    TEtatSauveQt service;
    std::unique_ptr<TSaisonFootball> saison;
    std::string archive = dir.str() + "saison.xmc";
};

TEST_F(EtatSauve, UneArchiveSOuvreSurLeFilDeTravailJusquaCent)
{
    std::vector<std::string> recents;
    std::unique_ptr<TSaison> lue =
        TTraiteurFichier::ChargeAvecEtat(archive, "", "", [&](const std::string& f) { recents.push_back(f); });
    ASSERT_NE(lue, nullptr);
    EXPECT_EQ(lue->NbChampionnat(), saison->NbChampionnat());
    EXPECT_EQ(lue->NbEquipe(), saison->NbEquipe());
    EXPECT_TRUE(service.DernierSurAutreFil());
    const std::vector<int>& positions = service.DernieresPositions();
    ASSERT_FALSE(positions.empty());
    EXPECT_EQ(positions.front(), 0);
    EXPECT_EQ(positions.back(), 100);
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    EXPECT_NE(std::find_if(positions.begin(), positions.end(), [](int p) { return p >= 10 && p < 100; }),
              positions.end());
    EXPECT_EQ(recents, std::vector<std::string>{archive});
    EXPECT_FALSE(TTraiteurFichier::EnCours());
    EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(EtatSauve, UneArchiveAbimeeNeDonneAucuneSaison)
{
    const std::string abimee = dir.str() + "abimee.xmc";
    std::string octets = testsupport::ReadWholeFile(archive);
    octets.resize(octets.size() / 2);
    testsupport::WriteWholeFile(abimee, octets);
    bool rappel = false;
    EXPECT_EQ(TTraiteurFichier::ChargeAvecEtat(abimee, "", "", [&](const std::string&) { rappel = true; }), nullptr);
    EXPECT_FALSE(rappel);
    EXPECT_TRUE(service.DernierSurAutreFil());

    // An unknown kind of file fails the same way, on the same road.
    testsupport::WriteWholeFile(dir / "notes.txt", "rien");
    EXPECT_EQ(TTraiteurFichier::ChargeAvecEtat(dir.str() + "notes.txt", "", "", {}), nullptr);
}

TEST_F(EtatSauve, SauvegardeAtteintCentOuEchoueDansUnDossierInterdit)
{
    CompteurModification = 1;
    const std::string copie = dir.str() + "copie.xmc";
    ASSERT_TRUE(TTraiteurFichier::SauveAvecEtat(copie, *saison, true, "", "", nullptr, {}, false));
    EXPECT_EQ(service.DernieresPositions().back(), 100);
    EXPECT_EQ(CompteurModification, 0);
    TSaisonFootball relue;
    ASSERT_TRUE(TChargeurXmp(copie).ChargeSaison(relue));
    EXPECT_EQ(relue.NbChampionnat(), saison->NbChampionnat());

    CompteurModification = 1;
    // A folder that cannot be written, whoever runs the test: its name is a file's.
    testsupport::WriteWholeFile(dir / "ferme", "un fichier");
    const bool ecrit =
        TTraiteurFichier::SauveAvecEtat(dir.str() + "ferme/s.xmc", *saison, true, "", "", nullptr, {}, true);
    EXPECT_FALSE(ecrit);
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_EQ(saison->NbChampionnat(), 2);
    // The reason found on the worker thread reaches the message.
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, TraduitFmt(2620, {dir.str() + "ferme/s.xmc", Traduit(2624)}));
}

TEST_F(EtatSauve, LaFormeAnnonceSonModeEtRefuseDEtreFermeeEnCours)
{
    Tf_EtatSauve chargement;
    TSaison* nouvelle = chargement.PrepareChargement(archive, "");
    ASSERT_NE(nouvelle, nullptr);
    EXPECT_EQ(chargement.Label2->text().toStdString(), Traduit(449));
    EXPECT_EQ(chargement.windowTitle().toStdString(), Traduit(450));
    EXPECT_EQ(chargement.Execute(), ResultatModal::Ok);
    std::unique_ptr<TSaison> lue = chargement.PrendSaison();
    EXPECT_EQ(lue.get(), nouvelle);
    EXPECT_EQ(chargement.Position(), 100);

    Tf_EtatSauve sauvegarde;
    sauvegarde.PrepareSauvegarde(dir.str() + "autre.xmc", "", *saison);
    EXPECT_EQ(sauvegarde.Label2->text().toStdString(), Traduit(451));
    EXPECT_EQ(sauvegarde.windowTitle().toStdString(), Traduit(452));
    bool refusee = false;
    // The first progress value arrives while the worker runs: closing is refused then.
    QObject::connect(sauvegarde.pb_Progression, &QProgressBar::valueChanged, &sauvegarde, [&] {
        if (sauvegarde.EnCours() && !refusee) {
            sauvegarde.reject();
            refusee = sauvegarde.isVisible();
        }
    });
    EXPECT_EQ(sauvegarde.Execute(), ResultatModal::Ok);
    EXPECT_TRUE(refusee);
    EXPECT_EQ(sauvegarde.PrendSaison(), nullptr);
}

} // namespace
