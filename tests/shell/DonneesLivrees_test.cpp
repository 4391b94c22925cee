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
#include "model/ClubStade.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/w_blasons.h"
#include "pages/fiches/PageListe.h"
#include "pages/fiches/w_FicheStade.h"
#include "pages/saisie/w_Buteurs.h"
#include "pages/saisie/w_Resultats.h"
#include "pages/vues/w_ClassJoueur.h"
#include "pages/vues/w_Classement.h"
#include "pages/vues/w_InfoGeneral.h"
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
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <map>
#include <numeric>
#include <set>
#include <tuple>

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

// The World Cup's matches as its source file gives them.
nlohmann::json MatchsCoupe()
{
    return nlohmann::json::parse(testsupport::ReadWholeFile(testsupport::DossierCoupe() + "worldcup.json"))["matches"];
}

// The goals of the group stage by quarter of an hour, counted on the source:
// band b (1 to 7) holds minutes 15(b-1) to 15b - 1, and a goal of added time
// the minute its period ended on (45 or 90). `garde` (match, side, goal)
// chooses the goals.
template <typename TGarde> std::array<int, 7> BandesSource(const nlohmann::json& matchs, TGarde garde)
{
    std::array<int, 7> bandes{};
    for (const nlohmann::json& m : matchs)
        if (m.contains("group"))
            for (int cote = 0; cote < 2; ++cote)
                for (const nlohmann::json& b : m.value(cote == 0 ? "goals1" : "goals2", nlohmann::json::array()))
                    if (garde(m, cote, b))
                        ++bandes[static_cast<size_t>(std::min(b["minute"].get<int>() / 15, 6))];
    return bandes;
}

std::array<int, 7> BandesGraphe(const TModeleGraphe& graphe)
{
    std::array<int, 7> bandes{};
    for (int x = 1; x <= 7; ++x)
        bandes[static_cast<size_t>(x - 1)] = graphe.GetPoint(0, x);
    return bandes;
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
    const nlohmann::json source = MatchsCoupe();
    rend(Commande::AffluenceChampionnat, 0, "coupe_repartition_buts");
    auto* repartition = dynamic_cast<Tf_InfoGeneral*>(Fenetre->GetPageCourante());
    ASSERT_NE(repartition, nullptr);
    const std::array<int, 7> groupes = BandesSource(source, [](auto&, int, auto&) { return true; });
    EXPECT_EQ(BandesGraphe(*repartition->GraphBarre4), groupes);
    // 120 goals in the 48 group matches.
    EXPECT_EQ(std::accumulate(groupes.begin(), groupes.end(), 0), 120);
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
    // France's goals by time, for and against: an own goal of France's
    // opponent counts for France, one of France's players does not count
    // against France (the opponent's scorer list holds it, flagged).
    ASSERT_TRUE(Fenetre->ExecuteCommande(Commande::StatEquipeButs, france));
    auto* equipe = dynamic_cast<Tf_StatEquipe*>(Fenetre->GetPageCourante());
    ASSERT_NE(equipe, nullptr);
    auto joue = [](const nlohmann::json& m, int cote) { return m[cote == 0 ? "team1" : "team2"] == "France"; };
    const std::array<int, 7> pour = BandesSource(source, [&](auto& m, int cote, auto&) { return joue(m, cote); });
    const std::array<int, 7> contre = BandesSource(
        source, [&](auto& m, int cote, auto& b) { return joue(m, 1 - cote) && !b.value("owngoal", false); });
    EXPECT_EQ(BandesGraphe(*equipe->GraphBarre1), pour);
    EXPECT_EQ(std::accumulate(pour.begin(), pour.end(), 0), 6);
    equipe->b_ChangeButClick();
    EXPECT_EQ(BandesGraphe(*equipe->GraphBarre1), contre);
    EXPECT_EQ(std::accumulate(contre.begin(), contre.end(), 0), 3);
    rend(Commande::Stades, 0, "coupe_stades");
    auto* stades = dynamic_cast<TPageListe*>(Fenetre->GetPageCourante());
    ASSERT_NE(stades, nullptr);
    EXPECT_EQ(stades->sg_Tableau->GetTexte(0, 7), "Lusail Stadium");
    // The matches of each stadium on its card, against the source's grounds
    // ("stadium, town"); the source names the Lusail stadium two ways.
    std::map<std::string, int> parStade;
    for (const nlohmann::json& m : source) {
        const std::string terrain = m["ground"];
        const std::string nom = terrain.substr(0, terrain.rfind(", "));
        ++parStade[nom == "Lusail Iconic Stadium" ? "Lusail Stadium" : nom];
    }
    ASSERT_EQ(parStade.size(), 8u);
    for (const auto& [nom, nombre] : parStade) {
        SCOPED_TRACE(nom);
        TStade* stade = nullptr;
        for (TStade* s : saison->Stades().Liste())
            if (s->NomStade == nom)
                stade = s;
        ASSERT_NE(stade, nullptr);
        Tf_FicheStade fiche;
        fiche.Saison = saison;
        fiche.Stade = stade;
        fiche.FormShow();
        fiche.PageControl1->setCurrentWidget(fiche.ts_Matchs);
        int matchs = 0;
        for (int r = 1; r < fiche.sg_Match->GetRowCount(); ++r)
            matchs += fiche.sg_Match->GetTexte(1, r).find(" - ") != std::string::npos;
        EXPECT_EQ(matchs, nombre);
    }

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
    // The shoot-out of the final: "p": [4, 2].
    const nlohmann::json& finale = source.back();
    ASSERT_EQ(finale["round"], "Final");
    EXPECT_EQ(resultats->Journee()->GetLigne(0)->TirsAuBut,
              (finale["score"]["p"][0].get<uint32_t>() << 16) + finale["score"]["p"][1].get<uint32_t>());
    rend(Commande::Buteurs, (4 << 8) + 1, "coupe_finale_buteurs");
    // Its scorers, side by side: surname, minute and kind of each goal.
    auto* feuille = dynamic_cast<Tf_Buteurs*>(Fenetre->GetPageCourante());
    ASSERT_NE(feuille, nullptr);
    using TBut = std::tuple<std::string, std::string, int>; // text, minute, kind: 1 penalty, 3 own goal
    std::multiset<TBut> vus[2], attendus[2];
    for (int cote = 0; cote < 2; ++cote)
        for (const nlohmann::json& b : finale[cote == 0 ? "goals1" : "goals2"]) {
            const std::string nom = b["name"];
            const int genre = b.value("owngoal", false) ? 3 : b.value("penalty", false) ? 1 : 0;
            attendus[cote].insert(TBut{nom.substr(nom.find(' ') + 1), std::to_string(b["minute"].get<int>()), genre});
        }
    const TFeuilleButeurs& feuilleButs = *feuille->Buteurs();
    for (int n = 1; n <= feuilleButs.NbListes(); ++n) {
        const TListeCartons& liste = *feuilleButs.GetListe(n);
        if (!liste.ListeBut)
            continue;
        for (int i = 0; i < liste.Nombre(); ++i)
            if (const TEtatCarton& c = *liste.Get(i); !c.Vide()) {
                // The kind's label follows the surname.
                const int genre = c.Tag & GenreCarton::ContreCamp ? 3 : c.Tag & GenreCarton::Penalty ? 1 : 0;
                vus[liste.Colonne - 1].insert(
                    TBut{genre == 0 ? c.Texte : c.Texte.substr(0, c.Texte.rfind(" (")), c.Minute, genre});
            }
    }
    EXPECT_EQ(vus[0], attendus[0]);
    EXPECT_EQ(vus[1], attendus[1]);
    EXPECT_EQ(attendus[0].size() + attendus[1].size(), 6u);
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
