#include "pages/fiches/w_FicheJoueur.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "files/ImageManager.h"
#include "model/SaisonFoot.h"
#include "pagebase/DefType.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include <filesystem>

#include <gtest/gtest.h>

namespace {

using testsupport::TDialoguesScriptes;
using testsupport::TMessagesScriptes;

std::string T(const QString& s)
{
    return s.toStdString();
}

class FicheJoueurTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        Saison = testsupport::CreeSaisonComplete();
    }
    void TearDown() override
    {
        EnregistreFicheJoueur(nullptr);
        InstalleTraducteur(nullptr);
    }
    TJoueur* Joueur(int Id) { return Saison->Joueurs().ChercheId(Id); }
    // Runs the card on J with the scripted treatment; true on OK.
    bool Ouvre(TJoueur*& J, int Mode, std::function<void(Tf_FicheJoueur&)> Action, bool* Change = nullptr)
    {
        Dialogues.Repond([Action](QDialog& d) { Action(dynamic_cast<Tf_FicheJoueur&>(d)); });
        return ExecuteFicheJoueur(*Saison, Saison->GetNumChampCourant(), J, Mode, Change);
    }
    static void Valide(Tf_FicheJoueur& F) { F.b_ValiderClick(); }

    std::unique_ptr<TSaisonFootball> Saison;
    TDialoguesScriptes Dialogues;
    TMessagesScriptes Messages;
};

// Every field the card writes, to tell exactly what an OK changed.
struct TEtat {
    std::string Nom, Prenom, SelectionNationale;
    int Age, CodePays, Poste, Duree, Contrat, ClubPrec, Taille, Poids, Date, Maillot, MaillotNational, Club, Nationale,
        nSelection, Image, NbHistorique;
    explicit TEtat(const TJoueur& J)
        : Nom(J.Nom), Prenom(J.Prenom), SelectionNationale(J.SelectionNationale), Age(J.Age), CodePays(J.CodePays),
          Poste(J.Poste), Duree(J.Duree), Contrat(J.Contrat), ClubPrec(J.ClubPrec), Taille(J.Taille), Poids(J.Poids),
          Date(J.DateNaissance), Maillot(J.Maillot), MaillotNational(J.MaillotNational), Club(J.EquipeClub),
          Nationale(J.EquipeNationale), nSelection(J.nSelectionNationale), Image(J.Image),
          NbHistorique(J.NbHistorique())
    {
    }
    bool operator==(const TEtat&) const = default;
};

} // namespace

TEST_F(FicheJoueurTest, MontreLesChampsDuJoueur)
{
    TJoueur* J = Joueur(1); // Alpha Ali, Lyon forward
    J->Taille = 182;
    J->DateNaissance = NumeroJour(1995, 3, 7);
    J->AjouteHistorique({1999, 101, 1, 30, 4, 2, 1});
    bool Vu = false;
    const bool Ok = Ouvre(J, 0x30000, [&](Tf_FicheJoueur& F) {
        Vu = true;
        EXPECT_EQ(F.Titre(), TraduitFmt(83, {"Ali", "Alpha", "Lyon"}));
        EXPECT_EQ(T(F.e_Nom->text()), "Alpha");
        EXPECT_EQ(T(F.e_Prenom->text()), "Ali");
        EXPECT_EQ(T(F.e_Age->text()), "95");
        EXPECT_EQ(T(F.e_NumMaillot->text()), "1");
        EXPECT_EQ(F.cb_Poste->currentIndex(), 3);
        EXPECT_EQ(T(F.cb_Nationalite->currentText()), "France");
        EXPECT_EQ(T(F.e_Anciennete->text()), "2020");
        EXPECT_EQ(T(F.e_Duree->text()), TraduitFmt(91, {3}));
        EXPECT_EQ(T(F.cb_ClubPrec->currentText()), "Ancien Club");
        EXPECT_FALSE(F.cb_Actuel->isVisibleTo(&F)) << "club choice only in an international championship";
        EXPECT_EQ(T(F.e_Taille->text()), "182");
        EXPECT_EQ(T(F.e_Poids->text()), "");
        EXPECT_EQ(T(F.e_DateComplete->text()), "07/03/1995");
        EXPECT_TRUE(F.FondCopie3->isVisibleTo(&F));
        ASSERT_EQ(F.sg_Historique->rowCount(), 1);
        EXPECT_EQ(T(F.sg_Historique->item(0, 0)->text()), "1999-00");
        EXPECT_EQ(T(F.sg_Historique->item(0, 1)->text()), "Autre & Cie");
        EXPECT_EQ(T(F.sg_Historique->item(0, 3)->text()), "30");
        F.SetModalResult(ResultatModal::Annuler);
    });
    EXPECT_TRUE(Vu);
    EXPECT_FALSE(Ok);

    // Unknowns: an age and arrival year of 0, a contract of 0, no shirt.
    J->Age = 0;
    J->Duree = 0;
    J->Contrat = 0;
    J->Maillot = 0;
    Ouvre(J, 0, [&](Tf_FicheJoueur& F) {
        EXPECT_EQ(T(F.e_Age->text()), Traduit(84));
        EXPECT_EQ(T(F.e_Anciennete->text()), Traduit(84));
        EXPECT_EQ(T(F.e_Duree->text()), Traduit(84));
        EXPECT_EQ(T(F.e_NumMaillot->text()), "-");
        EXPECT_FALSE(F.FondCopie3->isVisibleTo(&F)) << "no season panel without bit 16";
        F.SetModalResult(ResultatModal::Annuler);
    });
}

TEST_F(FicheJoueurTest, ValiderEcritLesChampsModifies)
{
    TJoueur* J = Joueur(2); // Bravo Bob
    const TEtat Avant(*J);
    bool Change = true;
    // Untouched: nothing is written, nothing reported.
    EXPECT_TRUE(Ouvre(J, 0x30000, Valide, &Change));
    EXPECT_FALSE(Change);
    EXPECT_EQ(TEtat(*J), Avant);

    EXPECT_TRUE(Ouvre(
        J, 0x30000,
        [](Tf_FicheJoueur& F) {
            F.e_Prenom->setText("Robert");
            F.e_Taille->setText("190");
            F.cb_Nationalite->setEditText("France");
            F.e_DateComplete->setText("31/02/1990"); // not a date: stays empty
            F.b_ValiderClick();
        },
        &Change));
    EXPECT_TRUE(Change);
    ASSERT_EQ(J, Joueur(2));
    TEtat Attendu = Avant;
    Attendu.Prenom = "Robert";
    Attendu.Taille = 190;
    Attendu.CodePays = 0;
    EXPECT_EQ(TEtat(*J), Attendu);
    EXPECT_EQ(Saison->Joueurs().ChercheNom("BRAVO", "ROBERT"), J) << "found under the new name";

    // The contract: "s" is the season's end (98); a stored 0 goes back as 99.
    EXPECT_TRUE(Ouvre(J, 0, [](Tf_FicheJoueur& F) {
        F.e_Duree->setText("s");
        EXPECT_EQ(T(F.e_Duree->text()), Traduit(89));
        F.b_ValiderClick();
    }));
    EXPECT_EQ(J->Contrat, 98);
    J->Contrat = 0;
    Ouvre(J, 0, Valide, &Change);
    EXPECT_EQ(J->Contrat, 99);
    EXPECT_TRUE(Change);
}

TEST_F(FicheJoueurTest, AnneeArriveeEtNombresHorsLimites)
{
    TJoueur* J = Joueur(3);
    const std::pair<const char*, int> Cas[] = {{"5", 5}, {"2005", 105}, {"2300", 0}, {"", 0}, {"1899", 0}};
    for (const auto& [Texte, Duree] : Cas) {
        SCOPED_TRACE(Texte);
        J->Duree = 50;
        Ouvre(J, 0, [Texte](Tf_FicheJoueur& F) {
            F.e_Anciennete->setText(Texte);
            F.b_ValiderClick();
        });
        EXPECT_EQ(J->Duree, Duree);
    }
    // A shirt number the byte cannot hold is no number.
    Ouvre(J, 0, [](Tf_FicheJoueur& F) {
        F.e_NumMaillot->setText("300");
        F.b_ValiderClick();
    });
    EXPECT_EQ(J->Maillot, 0);
    // An empty former club is no club, not the first of the list.
    J->ClubPrec = 1;
    Ouvre(J, 0, [](Tf_FicheJoueur& F) {
        F.cb_ClubPrec->setCurrentIndex(-1);
        F.cb_ClubPrec->setEditText("");
        F.b_ValiderClick();
    });
    EXPECT_EQ(J->ClubPrec, 65535);
    // A new former club is added to the season's list, folded.
    Ouvre(J, 0, [](Tf_FicheJoueur& F) {
        F.cb_ClubPrec->setEditText("Stade Rémois");
        F.b_ValiderClick();
    });
    EXPECT_EQ(Saison->GetClubPrec(J->ClubPrec), "STADE REMOIS");
}

TEST_F(FicheJoueurTest, AnnulerNeChangeRien)
{
    TJoueur* J = Joueur(1);
    J->AjouteHistorique({2003, 101, 0, 10, 1, 0, 0});
    J->AjouteHistorique({2004, 101, 1, 20, 2, 0, 0});
    const TEtat Avant(*J);
    const int NbClubs = Saison->NbClubPrec();
    EXPECT_FALSE(Ouvre(J, 0x30000, [](Tf_FicheJoueur& F) {
        F.e_Nom->setText("Autre");
        F.e_Taille->setText("200");
        F.cb_ClubPrec->setEditText("Nouveau club");
        F.sg_Historique->setCurrentCell(0, 0);
        F.bc_EffacerClick();
        EXPECT_EQ(F.sg_Historique->rowCount(), 1);
        EXPECT_EQ(T(F.sg_Historique->item(0, 0)->text()), "2004-05");
        F.SetModalResult(ResultatModal::Annuler);
    }));
    EXPECT_EQ(TEtat(*J), Avant);
    ASSERT_EQ(J->NbHistorique(), 2);
    EXPECT_EQ(J->GetHistorique(0)->StatAnnee, 2003);
    EXPECT_EQ(Saison->NbClubPrec(), NbClubs);
}

TEST_F(FicheJoueurTest, CarriereAjouteeEtRetiree)
{
    TJoueur* J = Joueur(1);
    // Three earlier seasons typed in a row, then the dialog cancelled.
    int Fois = 0;
    for (int i = 0; i < 3; ++i)
        Dialogues.Repond([&Fois](QDialog& d) {
            auto& A = dynamic_cast<Tf_ajouthist&>(d);
            if (Fois == 0) {
                A.ud_Saison->setValue(2010);
                A.cb_Actuel->setEditText("Club Neuf");
                A.cb_InsereAutre->setChecked(true);
            }
            A.ud_Matchs->setValue(10 + Fois++);
            A.SetModalResult(ResultatModal::Ok);
        });
    Dialogues.RepondResultat(ResultatModal::Annuler);
    // The card itself is driven by hand; only the career dialog goes through the service.
    Tf_FicheJoueurEx Fiche;
    Fiche.Saison = Saison.get();
    Fiche.Joueur = J;
    Fiche.FormShow();
    Fiche.bc_AjouterClick();
    ASSERT_EQ(Fiche.sg_Historique->rowCount(), 3) << "the empty first row is used";
    EXPECT_EQ(T(Fiche.sg_Historique->item(0, 0)->text()), "2010-11");
    EXPECT_EQ(T(Fiche.sg_Historique->item(2, 0)->text()), "2008-09");
    Fiche.sg_Historique->setCurrentCell(1, 0);
    Fiche.bc_EffacerClick();
    ASSERT_EQ(Fiche.sg_Historique->rowCount(), 2);
    Fiche.b_ValiderClick();
    EXPECT_EQ(Fiche.Tag, 1);
    ASSERT_EQ(J->NbHistorique(), 2);
    EXPECT_EQ(J->GetHistorique(0)->StatAnnee, 2008) << "kept in year order";
    EXPECT_EQ(J->GetHistorique(0)->StatMatch, 12);
    EXPECT_EQ(J->GetHistorique(1)->StatAnnee, 2010);
    EXPECT_EQ(Saison->GetClubPrec(J->GetHistorique(1)->Equipe), "CLUB NEUF");
}

TEST_F(FicheJoueurTest, CreationDunJoueur)
{
    const int Nombre = Saison->Joueurs().Nombre();
    TJoueur* J = nullptr;
    bool Change = false;
    EXPECT_TRUE(Ouvre(
        J, 0x10000 + 2,
        [](Tf_FicheJoueur& F) {
            EXPECT_EQ(F.Titre(), Traduit(88));
            EXPECT_EQ(F.cb_Poste->currentIndex(), 2) << "midfielder by default";
            EXPECT_EQ(T(F.e_Duree->text()), Traduit(84));
            F.e_Nom->setText("Zoulou");
            F.e_Prenom->setText("Zed");
            F.e_Age->setText("01");
            F.b_ValiderClick();
        },
        &Change));
    EXPECT_TRUE(Change);
    ASSERT_NE(J, nullptr);
    EXPECT_EQ(Saison->Joueurs().Nombre(), Nombre + 1);
    EXPECT_EQ(Saison->Joueurs().ChercheNom("ZOULOU", "ZED"), J);
    EXPECT_EQ(J->EquipeClub, 2);
    EXPECT_EQ(J->GetNumeroPoste(), 3);
    EXPECT_EQ(J->Age, 1);
    EXPECT_EQ(J->Contrat, 99);
    EXPECT_GT(J->Numero, 7) << "the next id";

    // An empty name creates nothing, though the card closes with OK.
    J = nullptr;
    EXPECT_TRUE(Ouvre(J, 2, Valide, &Change));
    EXPECT_EQ(J, nullptr);
    EXPECT_FALSE(Change);
    EXPECT_EQ(Saison->Joueurs().Nombre(), Nombre + 1);
}

TEST_F(FicheJoueurTest, NomDunJoueurDunAutreClub)
{
    // Charlie Carl plays for Nice (1); the card creates a player for Paris (2).
    TJoueur* Charlie = Joueur(3);
    Messages.Repond(ReponseMessage::Non);
    TJoueur* J = nullptr;
    Ouvre(J, 0x10000 + 2, [](Tf_FicheJoueur& F) {
        F.e_Nom->setText("Charlie");
        F.e_Prenom->setText("Carl");
        F.b_ValiderClick();
    });
    ASSERT_FALSE(Messages.Messages.empty());
    EXPECT_EQ(Messages.Messages.back().Texte, TraduitFmt(99, {"Nice"}));
    ASSERT_NE(J, nullptr);
    EXPECT_NE(J, Charlie) << "No: a new player";
    EXPECT_EQ(Charlie->EquipeClub, 1);
    EXPECT_EQ(J->EquipeClub, 2);

    // Yes: he moves, his former club is the one he leaves.
    Messages.Messages.clear();
    Messages.Repond(ReponseMessage::Oui);
    J = nullptr;
    Ouvre(J, 0x10000 + 3, [](Tf_FicheJoueur& F) {
        F.e_Nom->setText("Delta");
        F.e_Prenom->setText("Dan");
        EXPECT_FALSE(F.b_Annuler->isVisibleTo(&F));
        EXPECT_EQ(T(F.e_Age->text()), "95") << "his data are shown";
        F.b_ValiderClick();
    });
    EXPECT_EQ(Messages.Messages.size(), 1u);
    ASSERT_NE(J, nullptr);
    EXPECT_EQ(J->Numero, 4);
    EXPECT_EQ(J->EquipeClub, 3);
    EXPECT_EQ(Saison->GetClubPrec(J->ClubPrec), "Nice");
    EXPECT_EQ(J->Duree, Saison->GetChampCourant()->GetOption(8));
    EXPECT_EQ(Saison->Joueurs().Nombre(), 8);
}

TEST_F(FicheJoueurTest, OuverteParLaBaseDesPages)
{
    EnregistrePagesFiches();
    Dialogues.Repond([](QDialog& d) {
        auto& F = dynamic_cast<Tf_FicheJoueur&>(d);
        EXPECT_EQ(T(F.e_Nom->text()), "Echo");
        F.e_Poids->setText("75");
        F.b_ValiderClick();
    });
    bool Change = false;
    TJoueur* J = AfficheFicheJoueur(5, Saison.get(), &Change);
    ASSERT_EQ(J, Joueur(5));
    EXPECT_EQ(J->Poids, 75);
    EXPECT_TRUE(Change);
    Dialogues.Repond([](QDialog& d) { Valide(dynamic_cast<Tf_FicheJoueur&>(d)); });
    EXPECT_EQ(AfficheFicheJoueur(5, Saison.get(), &Change), Joueur(5));
    EXPECT_FALSE(Change) << "an untouched OK";
    EXPECT_EQ(Dialogues.TitresFormes.size(), 2u);
    Dialogues.RepondResultat(ResultatModal::Annuler);
    EXPECT_EQ(AfficheFicheJoueur(5, Saison.get()), nullptr);
}

TEST_F(FicheJoueurTest, ToucheFiltreesDesChampsNumeriques)
{
    Tf_FicheJoueurEx F;
    F.Saison = Saison.get();
    F.Joueur = Joueur(1);
    F.FormShow();
    auto Tape = [](QLineEdit* E, const QString& Texte) {
        for (QChar C : Texte) {
            QKeyEvent Appui(QEvent::KeyPress, 0, Qt::NoModifier, QString(C));
            QApplication::sendEvent(E, &Appui);
        }
    };
    // The contract takes one key and shows its meaning.
    Tape(F.e_Duree, "x");
    EXPECT_EQ(T(F.e_Duree->text()), TraduitFmt(91, {3})) << "other keys are refused";
    Tape(F.e_Duree, "1");
    EXPECT_EQ(T(F.e_Duree->text()), Traduit(90));
    Tape(F.e_Duree, "i");
    EXPECT_EQ(T(F.e_Duree->text()), Traduit(84));
    // "I" makes the age unknown; a digit then starts it again; two digits at most.
    F.e_Age->clear();
    Tape(F.e_Age, "i");
    EXPECT_EQ(T(F.e_Age->text()), Traduit(84));
    Tape(F.e_Age, "9a876");
    EXPECT_EQ(T(F.e_Age->text()), "98");
    // The shirt drops its "-" and takes digits only.
    F.e_NumMaillot->setText("-");
    Tape(F.e_NumMaillot, "1x2");
    EXPECT_EQ(T(F.e_NumMaillot->text()), "12");
    F.e_Taille->clear();
    Tape(F.e_Taille, "18a05");
    EXPECT_EQ(T(F.e_Taille->text()), "1805");
}

namespace {

// A grey JPEG saved as the next player photograph of the library.
int AjoutePhoto(TImageManager& Images)
{
    TImage Photo(20, 24);
    for (int y = 0; y < Photo.Hauteur(); ++y)
        for (int x = 0; x < Photo.Largeur(); ++x) {
            uint8_t* p = Photo.Ligne(y) + 4 * x;
            p[0] = p[1] = p[2] = 128;
            p[3] = 255;
        }
    return Images.Ajoute(TImageManager::Joueur, Photo, "Alpha");
}

class PhotoInstallee {
public:
    explicit PhotoInstallee(const std::string& Dossier)
    {
        InstalleImageManager(std::make_unique<TImageManager>(Dossier));
    }
    ~PhotoInstallee() { InstalleImageManager(nullptr); }
};

} // namespace

TEST_F(FicheJoueurTest, PhotoDuJoueur)
{
    testsupport::TempDir Dossier;
    PhotoInstallee Installe(Dossier.path().string());
    const int Id = AjoutePhoto(*ImageManager());
    ASSERT_GT(Id, 0);
    TJoueur* J = Joueur(1);
    J->Image = static_cast<uint16_t>(Id);
    Ouvre(J, 0x30000, [](Tf_FicheJoueur& F) {
        ASSERT_NE(F.LogoJoueur->Image(), nullptr) << "the photograph is shown";
        F.SetModalResult(ResultatModal::Annuler);
    });

    // A file gone from the folder: an empty frame, and the id is kept.
    std::filesystem::remove(ImageManager()->NomFichier(TImageManager::Joueur, Id));
    bool Change = true;
    Ouvre(
        J, 0x30000,
        [](Tf_FicheJoueur& F) {
            EXPECT_EQ(F.LogoJoueur->Image(), nullptr);
            F.b_ValiderClick();
        },
        &Change);
    EXPECT_EQ(J->Image, Id);
    EXPECT_FALSE(Change);

    Ouvre(J, 0x30000, [](Tf_FicheJoueur& F) {
        F.b_DelPictureClick();
        F.b_ValiderClick();
    });
    EXPECT_EQ(J->Image, 0);
}

TEST_F(FicheJoueurTest, AideEtHauteurDesOnglets)
{
    testsupport::TBureauEnregistre Bureau;
    // The help page must exist: a missing one is said in a message, not opened.
    testsupport::TempDir Aide;
    std::filesystem::create_directories(Aide / "html");
    testsupport::WriteWholeFile(Aide / "html/menueff.htm", "<html></html>");
    SetDossierAideFiches(Aide.str());
    TJoueur* J = Joueur(1);
    Ouvre(J, 0x30000, [](Tf_FicheJoueur& F) {
        EXPECT_EQ(F.b_aide->text().toStdString(), Traduit(787));
        EXPECT_EQ(F.pc_FicheJoueur->height(), 215) << "from the first showing";
        F.pc_FicheJoueur->setCurrentWidget(F.ts_Carriere);
        EXPECT_EQ(F.pc_FicheJoueur->height(), 401);
        F.pc_FicheJoueur->setCurrentWidget(F.ts_Generale);
        EXPECT_EQ(F.pc_FicheJoueur->height(), 215);
        F.b_aide->click();
        F.SetModalResult(ResultatModal::Annuler);
    });
    SetDossierAideFiches("");
    ASSERT_EQ(Bureau.Urls.size(), 1u);
    EXPECT_NE(Bureau.Urls[0].find("html/menueff.htm"), std::string::npos) << Bureau.Urls[0];
}

TEST_F(FicheJoueurTest, DateDeNaissanceAQuatreChiffres)
{
    TJoueur* J = Joueur(2);
    auto Tape = [&](const QString& Texte) {
        Ouvre(J, 0x30000, [&](Tf_FicheJoueur& F) {
            F.e_DateComplete->setText(Texte);
            F.b_ValiderClick();
        });
        return J->DateNaissance;
    };
    EXPECT_EQ(Tape("07/03/1995"), NumeroJour(1995, 3, 7));
    Ouvre(J, 0x30000, [](Tf_FicheJoueur& F) {
        EXPECT_EQ(T(F.e_DateComplete->text()), "07/03/1995") << "shown back as typed";
        F.SetModalResult(ResultatModal::Annuler);
    });
    EXPECT_EQ(Tape("07/03/95"), 0) << "a two-digit year is no year";
    J->DateNaissance = NumeroJour(1995, 3, 7);
    EXPECT_EQ(Tape("31/02/1990"), 0);
    J->DateNaissance = NumeroJour(1995, 3, 7);
    EXPECT_EQ(Tape(""), 0);
    Ouvre(J, 0x30000, [](Tf_FicheJoueur& F) {
        EXPECT_EQ(F.e_DateComplete->displayText().toStdString(), "  /  /    ");
        F.SetModalResult(ResultatModal::Annuler);
    });
}

TEST_F(FicheJoueurTest, FermerApresUnDeplacementVautValider)
{
    // Yes moves Delta (Nice) to Brest; the title-bar close keeps and reports it.
    Messages.Repond(ReponseMessage::Oui);
    TJoueur* J = nullptr;
    bool Change = false;
    const bool Ok = Ouvre(
        J, 0x10000 + 4,
        [](Tf_FicheJoueur& F) {
            F.e_Nom->setText("Delta");
            F.e_Prenom->setText("Dan");
            F.close();
        },
        &Change);
    EXPECT_TRUE(Ok);
    EXPECT_TRUE(Change);
    ASSERT_NE(J, nullptr);
    EXPECT_EQ(J->EquipeClub, 4);

    // Without a match, closing is still Cancel.
    J = nullptr;
    const bool Ferme = Ouvre(J, 0x10000 + 4, [](Tf_FicheJoueur& F) {
        F.e_Nom->setText("Inconnu");
        F.close();
    });
    EXPECT_FALSE(Ferme);
    EXPECT_EQ(Saison->Joueurs().ChercheNom("INCONNU", ""), nullptr);
}

TEST_F(FicheJoueurTest, ClubQuitteAvecAccentNestAjouteQuUneFois)
{
    Saison->SetNomEquipe(1, "Évian"); // Charlie and Delta's team
    const int Clubs = Saison->NbClubPrec();
    Messages.Repond(ReponseMessage::Oui);
    TJoueur* J = nullptr;
    Ouvre(J, 0x10000 + 2, [](Tf_FicheJoueur& F) {
        F.e_Nom->setText("Charlie");
        F.e_Prenom->setText("Carl");
        F.b_ValiderClick();
    });
    ASSERT_NE(J, nullptr);
    EXPECT_EQ(Saison->NbClubPrec(), Clubs + 1);
    EXPECT_EQ(Saison->GetClubPrec(J->ClubPrec), "Évian");

    bool Change = true;
    Ouvre(J, 0x30002, Valide, &Change);
    EXPECT_FALSE(Change) << "an untouched OK";
    EXPECT_EQ(Saison->NbClubPrec(), Clubs + 1);
    EXPECT_EQ(Saison->GetClubPrec(J->ClubPrec), "Évian");
}
