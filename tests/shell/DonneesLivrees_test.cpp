// What a new user finds in a fresh program folder: the sample season behind
// "open a file" of the opening dialog, and the crests of the catalogue.

#include "base/Horloge.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "files/Blasons.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/w_blasons.h"
#include "pages/fiches/PageListe.h"
#include "pages/saisie/w_Resultats.h"
#include "pages/vues/w_ClassJoueur.h"
#include "pages/vues/w_Classement.h"
#include "pages/vues/w_StatEquipe.h"
#include "shell/w_EtatSauve.h"
#include "shell/w_Ouverture.h"
#include "shell/w_Principale.h"
#include "support/ClassementReel.h"
#include "support/MessagesScriptes.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/DossierProgramme.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include "ResultatsReels.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {

// The real main window on a fresh copy of the program folder, whose settings
// file names no last file.
using DonneesLivrees = testsupport::FenetreSurArchive;

// Opens the sample through the opening dialog, as a new user does.
void OuvreExemple(std::unique_ptr<Tf_Principale>& Fenetre, testsupport::TDialoguesScriptes& Dialogues,
                  const std::string& Dossier)
{
    Fenetre = std::make_unique<Tf_Principale>(Dossier);
    Fenetre->resize(1000, 700);
    Dialogues.Repond([](QDialog& d) {
        QTest::mouseClick(dynamic_cast<Tf_Ouverture&>(d).rb_Ouvrir, Qt::LeftButton);
        d.done(ResultatModal::Ok);
    });
    Dialogues.RepondFichier(Dossier + "sauvegarde/exemple.xmc");
    Fenetre->FormActivate();
}

} // namespace

TEST_F(DonneesLivrees, LeNouvelUtilisateurOuvreLExempleEtVoitLaVraieSaison)
{
    Fenetre = std::make_unique<Tf_Principale>(Dossier.str());
    ASSERT_EQ(Fenetre->TagApplication, 0);
    Fenetre->resize(1000, 700);
    bool dernierActif = true;
    Dialogues.Repond([&](QDialog& d) {
        auto& ouverture = dynamic_cast<Tf_Ouverture&>(d);
        dernierActif = ouverture.rb_Last->isEnabled();
        QTest::mouseClick(ouverture.rb_Ouvrir, Qt::LeftButton);
        EXPECT_TRUE(ouverture.rb_Ouvrir->Checked());
        d.done(ResultatModal::Ok);
    });
    const std::string exemple = Dossier.str() + "sauvegarde/exemple.xmc";
    Dialogues.RepondFichier(exemple);
    Fenetre->FormActivate();
    // The window works in the sample's folder; the pictures of the test go beside the build.
    fs::current_path(AncienDossier);

    EXPECT_FALSE(dernierActif);
    // The open dialog starts in the folder where the sample waits.
    ASSERT_EQ(Dialogues.DemandesOuverture.size(), 1u);
    EXPECT_EQ(Dialogues.DemandesOuverture[0].DossierInitial, Dossier.str() + "sauvegarde/");
    EXPECT_TRUE(fs::is_regular_file(exemple));
    const TSaison* saison = Fenetre->GetSaison();
    ASSERT_NE(saison, nullptr);
    ASSERT_EQ(saison->NbChampionnat(), 2);
    ASSERT_EQ(saison->GetChampCourant()->Division, 101);

    // The standings of Ligue 1: the real final table.
    ASSERT_TRUE(Fenetre->ExecuteCommande(40));
    auto* classement = dynamic_cast<Tf_ClassementEx*>(Fenetre->GetPageCourante());
    ASSERT_NE(classement, nullptr);
    testsupport::RendPng(*Fenetre, "exemple_classement_ligue1");
    const TModeleGrille& grille = *classement->sg_Classement;
    const std::vector<testsupport::TLigneReelle> reel = testsupport::ClassementReel("fr.1.json");
    ASSERT_EQ(grille.GetRowCount(), 19);
    for (int place = 0; place < 18; ++place) {
        EXPECT_EQ(grille.GetTexte(1, place + 1), reel[place].Equipe) << "place " << place + 1;
        EXPECT_EQ(grille.GetTexte(2, place + 1), std::to_string(reel[place].Points)) << "place " << place + 1;
    }
    EXPECT_EQ(grille.GetTexte(1, 1), "Paris Saint-Germain FC");
    EXPECT_EQ(grille.GetTexte(2, 1), "84");

    // The results page opens on the last matchday, with its nine scores.
    ASSERT_TRUE(Fenetre->ExecuteCommande(13));
    auto* resultats = dynamic_cast<Tf_Resultats*>(Fenetre->GetPageCourante());
    ASSERT_NE(resultats, nullptr);
    testsupport::RendPng(*Fenetre, "exemple_resultats_journee34");
    EXPECT_EQ(resultats->TrackBar1->value(), 34);
    TResultatsReels r;
    std::string erreur;
    ASSERT_TRUE(ChargeResultatsReels(testsupport::DossierResultats() + "fr.1.json", r, erreur)) << erreur;
    std::map<std::pair<std::string, std::string>, std::pair<std::string, std::string>> jour34;
    for (const TMatchReel& m : r.Matchs)
        if (m.Journee == 34)
            jour34[{m.Equipe1, m.Equipe2}] = {std::to_string(m.But1), std::to_string(m.But2)};
    ASSERT_EQ(jour34.size(), 9u);
    // The page orders the matches its own way: each row is one of the day's matches.
    ASSERT_EQ(resultats->NbLignes(), 9);
    std::map<std::pair<std::string, std::string>, std::pair<std::string, std::string>> vus;
    for (int i = 0; i < 9; ++i) {
        const auto& ligne = resultats->Ligne(i);
        vus[{ligne.Cadre[0]->Text(), ligne.Cadre[1]->Text()}] = {ligne.Score[0]->Text(), ligne.Score[1]->Text()};
    }
    EXPECT_EQ(vus, jour34);
    // Looking changes nothing: quitting asks no question.
    EXPECT_EQ(CompteurModification, 0);
}

TEST_F(DonneesLivrees, LeDialogueDesBlasonsMontreLesPaysDuCatalogue)
{
    InstalleTraducteur(std::make_unique<TTraducteur>(Dossier.str() + "texte/Textefr.txt"));
    TBlasons blasons(Dossier.str());
    Tf_Blasons forme(blasons);
    forme.resize(500, 400);
    forme.RemplitArbre(0);
    ASSERT_EQ(forme.tv_Blasons->topLevelItemCount(), 5);
    std::vector<std::string> pays;
    for (int i = 0; i < 5; ++i)
        pays.push_back(forme.tv_Blasons->topLevelItem(i)->text(0).toStdString());
    EXPECT_EQ(pays, (std::vector<std::string>{"France", "Angleterre", "Espagne", "Italie", "Allemagne"}));

    // Choosing a country shows its shield.
    forme.tv_Blasons->setCurrentItem(forme.tv_Blasons->topLevelItem(0));
    ASSERT_NE(forme.Logo->Image(), nullptr);
    // The blue band of the French shield.
    EXPECT_EQ(forme.Logo->Image()->Image.pixel(12, 20), 0xFF0055A4u);
    testsupport::RendPng(forme, "blasons_livres");
    forme.bc_ChoisirClick();
    EXPECT_EQ(forme.Choisi(), 1);
    InstalleTraducteur(nullptr);
}

TEST_F(DonneesLivrees, LaCoupeDuMondeRemplitLesVuesDeSesVraisChiffres)
{
    InstalleTraducteur(std::make_unique<TTraducteur>(Dossier.str() + "texte/Textefr.txt"));
    Fenetre = std::make_unique<Tf_Principale>(Dossier.str());
    Fenetre->resize(800, 600);
    Dialogues.Repond([&](QDialog& d) {
        QTest::mouseClick(dynamic_cast<Tf_Ouverture&>(d).rb_Ouvrir, Qt::LeftButton);
        d.done(ResultatModal::Ok);
    });
    Dialogues.RepondFichier(Dossier.str() + "sauvegarde/coupe-du-monde-2022.xmc");
    Fenetre->FormActivate();
    fs::current_path(AncienDossier);
    Fenetre->show();
    QApplication::processEvents();
    TSaison* saison = Fenetre->GetSaison();
    ASSERT_NE(saison, nullptr);
    ASSERT_EQ(saison->NbChampionnat(), 2);
    auto rend = [&](int commande, int param, const std::string& nom) {
        EXPECT_TRUE(Fenetre->ExecuteCommande(commande, param)) << nom;
        QApplication::processEvents();
        return testsupport::RendPng(*Fenetre, nom);
    };
    // The group stage: standings, scorers of the whole tournament, goals by
    // time, match situations, team statistics and stadiums.
    rend(Commande::ClassementGeneral, 0, "coupe_groupes_classement");
    rend(Commande::ClassButeurs, 0, "coupe_buteurs");
    auto* buteurs = dynamic_cast<Tf_ClassJoueur*>(Fenetre->GetPageCourante());
    ASSERT_NE(buteurs, nullptr);
    EXPECT_EQ(buteurs->sg_Classjoueurs->GetTexte(1, 1), "Kylian Mbappé (France)");
    EXPECT_EQ(buteurs->sg_Classjoueurs->GetTexte(2, 1), "8 (2)");
    EXPECT_EQ(buteurs->sg_Classjoueurs->GetTexte(1, 2), "Lionel Messi (Argentine)");
    EXPECT_EQ(buteurs->sg_Classjoueurs->GetTexte(2, 2), "7 (4)");
    rend(Commande::AffluenceChampionnat, 0, "coupe_repartition_buts");
    rend(Commande::MeneMiTemps, 0, "coupe_mene_mi_temps");
    rend(Commande::Particularites, 0, "coupe_particularites");
    // France, the third team of group D.
    const int france = saison->GetChampionnat(1)->IndexEquipe(saison->ChercheEquipe("France"));
    ASSERT_EQ(france, 14);
    for (const auto& [commande, nom] :
         std::vector<std::pair<int, std::string>>{{Commande::StatEquipe, "parcours"},
                                                  {Commande::StatEquipeStatistiques, "statistiques"},
                                                  {Commande::StatEquipeButs, "buts"},
                                                  {Commande::StatEquipeJoueurs, "joueurs"},
                                                  {Commande::StatEquipeSituations, "situations"}})
        rend(commande, france, "coupe_france_" + nom);
    rend(Commande::Stades, 0, "coupe_stades");
    auto* stades = dynamic_cast<TPageListe*>(Fenetre->GetPageCourante());
    ASSERT_NE(stades, nullptr);
    EXPECT_EQ(stades->sg_Tableau->GetTexte(0, 7), "Lusail Stadium");

    // The knock-out: the final's results row and its match sheet.
    ASSERT_TRUE(Fenetre->ud_ChampChangingEx(2));
    QApplication::processEvents();
    rend(Commande::Resultats, 0, "coupe_finale_resultats");
    auto* resultats = dynamic_cast<Tf_Resultats*>(Fenetre->GetPageCourante());
    ASSERT_NE(resultats, nullptr);
    ASSERT_EQ(resultats->NbLignes(), 2);
    EXPECT_EQ(resultats->Ligne(0).Cadre[0]->Text(), "Argentine");
    EXPECT_EQ(resultats->Ligne(0).Score[0]->Text(), "3");
    EXPECT_EQ(resultats->Ligne(0).Score[1]->Text(), "3");
    EXPECT_EQ(resultats->Ligne(1).Cadre[0]->Text(), "Croatie");
    rend(Commande::Buteurs, (4 << 8) + 1, "coupe_finale_buteurs");
    rend(Commande::StatEquipeButs, 0, "coupe_phase_finale_buts");
    EXPECT_EQ(CompteurModification, 0);
    InstalleTraducteur(nullptr);
}

// The sample's results were typed without match sheets: of its matches only
// the goalless draws, which need no scorer, are in a situation (level at
// half-time), on the team statistics page and in the standings by situation.
TEST_F(DonneesLivrees, LesSituationsDeMatchDeLExempleNeComptentPasLesMatchsSansButeurs)
{
    OuvreExemple(Fenetre, Dialogues, Dossier.str());
    fs::current_path(AncienDossier);
    const TSaison* saison = Fenetre->GetSaison();
    ASSERT_NE(saison, nullptr);
    const TDonneesChampionnat& l1 = *saison->GetChampCourant();
    std::map<int, int> zeroZero;
    for (int jour = 1; jour <= l1.GetNbJour(); ++jour)
        for (int m = 0; m < l1.GetNbMatchJournee(jour); ++m)
            if (l1.GetValeurMatch(jour, 4 * m + 2) == 0 && l1.GetValeurMatch(jour, 4 * m + 4) == 0)
                for (int cote : {1, 3})
                    ++zeroZero[l1.GetValeurMatch(jour, 4 * m + cote)];

    ASSERT_TRUE(Fenetre->ExecuteCommande(130));
    auto* equipe = dynamic_cast<Tf_StatEquipe*>(Fenetre->GetPageCourante());
    ASSERT_NE(equipe, nullptr);
    testsupport::RendPng(*Fenetre, "exemple_situations_equipe");
    const int nuls = zeroZero[l1.GetEquipe(equipe->GetEquipe())];
    EXPECT_EQ(
        equipe->LabelsEvolution[0]->text().toStdString(),
        TraduitFmt(IdAccorde(3006, 329, 0), {saison->GetNomEquipe(l1.GetEquipe(equipe->GetEquipe())), 0, "0,00%"}));
    EXPECT_EQ(equipe->LabelsEvolution[16]->text().toStdString(),
              TraduitFmt(IdAccorde(3010, 336, nuls), {nuls, nuls > 0 ? "100,00%" : "0,00%"}));
    EXPECT_EQ(equipe->LabelsEvolution[17]->text().toStdString(), TraduitFmt(330, {0, nuls > 0 ? "0,00%" : "-"}));

    ASSERT_TRUE(Fenetre->ExecuteCommande(140));
    auto* classement = dynamic_cast<Tf_ClassementEx*>(Fenetre->GetPageCourante());
    ASSERT_NE(classement, nullptr);
    testsupport::RendPng(*Fenetre, "exemple_classement_egalite_mi_temps");
    const TModeleGrille& grille = *classement->sg_Classement;
    ASSERT_EQ(grille.GetRowCount(), 19);
    for (int r = 1; r < grille.GetRowCount(); ++r) {
        const int id = saison->ChercheEquipe(grille.GetTexte(1, r));
        EXPECT_EQ(grille.GetTexte(2, r), std::to_string(zeroZero[id])) << grille.GetTexte(1, r);
        EXPECT_EQ(grille.GetTexte(3, r), "0") << "no win level at half-time";
    }
    EXPECT_EQ(CompteurModification, 0);
}
