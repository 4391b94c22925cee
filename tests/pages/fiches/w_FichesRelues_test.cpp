// Texts typed after blanks into the stadium, coach and referee cards and the club sheet:
// the reader of a season skips the blanks before a value, so what the cards
// store must already be what a reopened file gives back, or the second save
// of the reopened season gives other bytes.

#include "base/Horloge.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "engine/StatEquipe.h"
#include "files/ChargeurXmp.h"
#include "model/ClubStade.h"
#include "model/SaisonFoot.h"
#include "pages/fiches/w_FicheArbitre.h"
#include "pages/fiches/w_FicheEntraineur.h"
#include "pages/fiches/w_FicheStade.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace {

struct HorlogeInstallee {
    explicit HorlogeInstallee(TDateHeure d) { Ancienne = InstalleHorloge(std::make_shared<THorlogeFixe>(d)); }
    ~HorlogeInstallee() { InstalleHorloge(Ancienne); }
    std::shared_ptr<THorloge> Ancienne;
};

std::string Document(const std::string& fichier)
{
    std::string contenu;
    EXPECT_TRUE(TChargeurXmp::LitEntreeFichier(fichier, contenu));
    return contenu;
}

class FichesRelues : public ::testing::Test {
protected:
    void SetUp() override { InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt")); }
    void TearDown() override { InstalleTraducteur(nullptr); }

    HorlogeInstallee Horloge{{2026, 5, 1, 8, 30, 0}};
    testsupport::TDialoguesScriptes Dialogues;
    testsupport::TMessagesScriptes Messages;
};

TEST_F(FichesRelues, BlanksTypedBeforeTheTextsLeaveTheSecondSaveUnchanged)
{
    auto saison = testsupport::CreeSaisonComplete();

    Dialogues.Repond([](QDialog& d) {
        auto& f = static_cast<Tf_FicheStade&>(d);
        f.e_NomStade->setText("Stade Neuf");
        f.e_Ville->setText("Caen");
        f.e_AffluenceRecord->setText("  21 500 en 1998");
        f.m_Remarque->setPlainText("\n\t Tribune nord\nrefaite");
        f.b_Valider->Click();
    });
    TStade* stade = nullptr;
    ASSERT_TRUE(AfficheFicheStade(*saison, stade));
    ASSERT_NE(stade, nullptr);
    EXPECT_EQ(stade->RecordAffluence, "21 500 en 1998");
    EXPECT_EQ(stade->Remarque, "Tribune nord\nrefaite") << "a line feed inside the text stays";

    Dialogues.Repond([](QDialog& d) {
        auto& f = static_cast<Tf_FicheEntraineur&>(d);
        f.e_Nom->setText("  Aubert");
        f.e_Prenom->setText(" Paul");
        f.b_Valider->Click();
    });
    TEntraineur* entraineur = nullptr;
    ASSERT_TRUE(AfficheFicheEntraineur(*saison, entraineur));
    ASSERT_NE(entraineur, nullptr);
    EXPECT_EQ(entraineur->GetPrenomNom(), "Paul Aubert");

    const int equipe = saison->ChercheEquipe("Lyon");
    ASSERT_GE(equipe, 0);
    Dialogues.Repond([](QDialog& d) {
        auto& f = static_cast<Tf_FicheArbitre&>(d);
        f.e_Nom->setText("  Turpin");
        f.e_Prenom->setText("\tClément");
        f.b_Valider->Click();
    });
    TPersonnelStat* arbitre = nullptr;
    ASSERT_TRUE(AfficheFicheArbitre(*saison, 0, arbitre));
    ASSERT_NE(arbitre, nullptr);
    EXPECT_EQ(arbitre->GetPrenomNom(), "Clément Turpin");

    StatEquipe::TChampsClub club;
    club.Creation = " 1950";
    club.CouleurMaillot = "  Rouge";
    club.CouleurRechange = "\tBlanc";
    club.Palmares = "\n3 titres";
    club.SiteInternet = " www.club.fr";
    club.Budget = "120";
    club.President = " Martin";
    club.Statut = " SASP";
    club.Remarque = "   ";
    club.Stade = stade->Code;
    club.Entraineur = entraineur->Numero;
    const TRensClub* rens = StatEquipe::EcritClub(*saison, static_cast<uint16_t>(equipe), club);
    ASSERT_NE(rens, nullptr);
    EXPECT_EQ(rens->Creation, "1950");
    EXPECT_EQ(rens->Palmares, "3 titres");
    EXPECT_EQ(rens->Remarque, "") << "blanks alone are no text";

    testsupport::TempDir dossier;
    const std::string premier = (dossier / "premier.xmc").string();
    const std::string second = (dossier / "second.xmc").string();
    ASSERT_TRUE(TChargeurXmp(premier).SauveSaison(*saison));
    TSaisonFootball relue;
    ASSERT_TRUE(TChargeurXmp(premier).ChargeSaison(relue));
    ASSERT_TRUE(TChargeurXmp(second).SauveSaison(relue));
    const std::string avant = Document(premier), apres = Document(second);
    EXPECT_EQ(avant.size(), apres.size());
    EXPECT_TRUE(avant == apres) << "the reopened season saves to other bytes";

    const TRensClub* relu = relue.RensClubs().ChercheEquipe(equipe);
    ASSERT_NE(relu, nullptr);
    EXPECT_NE(relu->GetStade(&relue.Stades()), nullptr);
    EXPECT_NE(relu->GetEntraineur(&relue.Entraineurs()), nullptr);
}

// A name emptied on the card would make the person vanish from the reopened
// season, and his matches or his club with him: the card keeps the former one.
TEST_F(FichesRelues, ACoachsSurnameLeftBlankKeepsTheFormerOne)
{
    auto saison = testsupport::CreeSaisonComplete();
    ASSERT_GT(saison->Entraineurs().Nombre(), 0);
    TEntraineur* entraineur = dynamic_cast<TEntraineur*>(saison->Entraineurs().Get(0));
    ASSERT_NE(entraineur, nullptr);
    const std::string nom = entraineur->Nom;
    Dialogues.Repond([](QDialog& d) {
        auto& f = static_cast<Tf_FicheEntraineur&>(d);
        f.e_Nom->setText("   ");
        f.e_Prenom->setText("Marcel");
        f.b_Valider->Click();
    });
    EXPECT_TRUE(AfficheFicheEntraineur(*saison, entraineur));
    EXPECT_EQ(entraineur->Nom, nom);
    EXPECT_EQ(entraineur->Prenom, "Marcel");
}

TEST_F(FichesRelues, ARefereesSurnameLeftBlankKeepsTheFormerOne)
{
    auto saison = testsupport::CreeSaisonComplete();
    ASSERT_GT(saison->Arbitres().Nombre(), 0);
    auto* arbitre = dynamic_cast<TPersonnelStat*>(saison->Arbitres().Get(0));
    ASSERT_NE(arbitre, nullptr);
    const std::string nom = arbitre->Nom;
    Dialogues.Repond([](QDialog& d) {
        auto& f = static_cast<Tf_FicheArbitre&>(d);
        f.e_Nom->setText("   ");
        f.e_Prenom->setText(" Marcel");
        f.b_Valider->Click();
    });
    EXPECT_TRUE(AfficheFicheArbitre(*saison, 0, arbitre));
    EXPECT_EQ(arbitre->Nom, nom);
    EXPECT_EQ(arbitre->Prenom, "Marcel");
}

} // namespace
