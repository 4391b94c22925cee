#include "pages/options/w_Creation.h"

#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ImageFond.h"
#include "files/ChargeurXmp.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/w_blasons.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"

#include <QComboBox>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class CreationTest : public ::testing::Test {
protected:
    // The chooser opened as the main window opens it, on division `code`.
    void Ouvre(Tf_Creation& f, int code)
    {
        f.AppDir = Dossier.str();
        f.Tag = code + 0x20000;
        f.show();
    }
    std::vector<std::string> Legendes(const Tf_Creation& f) const
    {
        std::vector<std::string> legendes;
        for (const TRondCoche* bouton : f.Divisions)
            legendes.push_back(bouton->Caption() + (bouton->Checked() ? "*" : ""));
        return legendes;
    }

    testsupport::CatalogueInstalle Catalogue;
    testsupport::TDialoguesScriptes Scripts;
    testsupport::TMessagesScriptes Messages;
    testsupport::TempDir Dossier;
};

} // namespace

TEST_F(CreationTest, OuvertSurLaDivisionDuChampionnat)
{
    Tf_Creation f;
    // The user's own championships have no data file: not listed.
    ASSERT_GT(f.cb_Championnat->count(), 1);
    EXPECT_EQ(f.cb_Championnat->itemText(0).toStdString(), "France");

    Ouvre(f, 102);
    EXPECT_EQ(f.cb_Championnat->currentText().toStdString(), "France");
    EXPECT_EQ(Legendes(f), (std::vector<std::string>{"Ligue 1", "Ligue 2*", "Coupe de France"}));
    EXPECT_EQ(f.Division, 102);
    // The catalogue's file name already carries the extension: it is not doubled.
    f.b_Valider->Click();
    EXPECT_EQ(f.result(), ResultatModal::Ok);
    EXPECT_EQ(f.NomFichier, Dossier.str() + "Data/FranceL2.xmd");
}

TEST_F(CreationTest, ChangerDeConfigurationCocheSaPremiereDivision)
{
    Tf_Creation f;
    Ouvre(f, 101);
    f.cb_Championnat->setCurrentIndex(1);
    f.cb_ChampionnatChange();
    EXPECT_EQ(f.cb_Championnat->currentText().toStdString(), "Angleterre");
    ASSERT_FALSE(f.Divisions.empty());
    EXPECT_TRUE(f.Divisions[0]->Checked());
    EXPECT_EQ(f.Division, 201);

    // A click picks another division; showing the form again keeps the choice.
    f.DivisionClick(f.Divisions[1]);
    f.hide();
    f.show();
    EXPECT_EQ(f.Division, 202);
    f.b_Valider->Click();
    EXPECT_EQ(f.NomFichier, Dossier.str() + "Data/AngleterreCH.xmd");
}

TEST_F(CreationTest, SansFichierDeDonneesValiderNeFaitRien)
{
    // A cup of the catalogue has no data file.
    Tf_Creation f;
    Ouvre(f, 150);
    EXPECT_EQ(f.Division, 150);
    EXPECT_FALSE(f.b_Valider->isEnabled());
    f.b_ValiderClick();
    EXPECT_EQ(f.result(), ResultatModal::Aucun);
    EXPECT_TRUE(f.NomFichier.empty());

    // A division the catalogue does not know: nothing selected, nothing to validate.
    Tf_Creation g;
    Ouvre(g, 999);
    EXPECT_EQ(g.cb_Championnat->currentIndex(), -1);
    EXPECT_TRUE(g.Divisions.empty());
    EXPECT_FALSE(g.b_Valider->isEnabled());
    EXPECT_EQ(FichierDivision(Dossier.str(), 999), "");
}

TEST_F(CreationTest, SauveLeChampionnatDansLeFichierDeSaDivision)
{
    auto saison = testsupport::CreeSaisonComplete();
    saison->SetNumChampCourant(1);
    ASSERT_EQ(saison->GetChampCourant()->Division, 101);
    const fs::path cible = Dossier / "Data/FranceL1.xmd";
    fs::create_directories(cible.parent_path());
    testsupport::WriteWholeFile(cible, "ancien");

    // Cancel writes nothing.
    EXPECT_TRUE(SauveFichierDivision(*saison, Dossier.str(), nullptr));
    EXPECT_EQ(testsupport::ReadWholeFile(cible), "ancien");
    EXPECT_FALSE(fs::exists(Dossier / "Data/FranceL1.old"));

    Scripts.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_Creation&>(d);
        EXPECT_EQ(f.Division, 101);
        f.b_Valider->Click();
    });
    EXPECT_TRUE(SauveFichierDivision(*saison, Dossier.str(), nullptr));
    EXPECT_EQ(Scripts.TitresFormes.back(), TexteOuDefaut(16, "Enregistrer le fichier de données de la division"));
    EXPECT_EQ(testsupport::ReadWholeFile(Dossier / "Data/FranceL1.old"), "ancien");
    TSaisonFootball relue;
    ASSERT_TRUE(TChargeurXmp(cible.string()).ChargeSaison(relue));
    EXPECT_EQ(relue.NbChampionnat(), 1);
}

TEST_F(CreationTest, SansCopieDeLAncienFichierRienNEstEcrase)
{
    auto saison = testsupport::CreeSaisonComplete();
    saison->SetNumChampCourant(1);
    const fs::path cible = Dossier / "Data/FranceL1.xmd";
    fs::create_directories(Dossier / "Data/FranceL1.old");
    testsupport::WriteWholeFile(cible, "ancien");
    Scripts.Repond([](QDialog& d) { dynamic_cast<Tf_Creation&>(d).b_Valider->Click(); });
    Messages.Repond(ReponseMessage::Ok);
    EXPECT_TRUE(SauveFichierDivision(*saison, Dossier.str(), nullptr));
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, Traduit(529));
    EXPECT_EQ(testsupport::ReadWholeFile(cible), "ancien");

    // A data folder that cannot be made is said, and nothing is written.
    fs::remove_all(Dossier / "Data");
    testsupport::WriteWholeFile(Dossier / "Data", "un fichier");
    Messages.Messages.clear();
    Scripts.Repond([](QDialog& d) { dynamic_cast<Tf_Creation&>(d).b_Valider->Click(); });
    EXPECT_TRUE(SauveFichierDivision(*saison, Dossier.str(), nullptr));
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, TraduitFmt(2343, {(Dossier / "Data").string()}));

    // A championship of the user's own is not the chooser's: no form.
    const size_t formes = Scripts.TitresFormes.size();
    saison->GetChampCourant()->SetCode(1005);
    EXPECT_FALSE(SauveFichierDivision(*saison, Dossier.str(), nullptr));
    EXPECT_EQ(Scripts.TitresFormes.size(), formes);
}
