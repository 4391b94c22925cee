#include "pages/saisie/w_Resultats.h"

#include "pages/saisie/PageResultatsTest.h"

#include "base/Horloge.h"
#include "base/ServiceMessage.h"
#include "base/oTraducteur.h"
#include "controls/Dessin.h"
#include "model/Championnat.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"
#include "pages/Pages.h"
#include "support/MessagesScriptes.h"
#include "support_ui/FaussePrincipale.h"
#include "support_ui/RenduPng.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr uint16_t X = TInfoComp::Aucun;

// Four teams (ids 0 Arles .. 3 Dijon) in one championship of dated days.
std::unique_ptr<TSaisonFootball> SaisonQuatre(uint8_t genre = TDonneesChampionnat::TypeChamp, int nbJour = 3)
{
    auto saison = std::make_unique<TSaisonFootball>();
    for (const char* nom : {"Arles", "Brest", "Caen", "Dijon"})
        saison->AjouteEquipe(nom);
    auto c = saison->CreeChampionnat(genre);
    c->SetNbEquipe(4);
    for (int p = 0; p < 4; ++p)
        c->SetEquipe(p, static_cast<uint16_t>(p));
    c->SetNbMatch(2);
    c->SetNbJour(nbJour);
    c->SetOption(4, 3);
    c->SetOption(5, 1);
    saison->AjouteChampionnat(std::move(c));
    return saison;
}

void DateJours(TDonneesChampionnat& c)
{
    for (int n = 1; n <= c.GetNbJour(); ++n)
        c.SetDateJournee(n, EncodeDateMatch(n, 2, 2024));
}

using PageResultats = PageResultatsTest;

} // namespace

TEST_F(PageResultats, TypedScoresReachTheDayOnCommit)
{
    auto saison = SaisonQuatre();
    TDonneesChampionnat* c = saison->GetChampionnat(1);
    DateJours(*c);
    c->AjouteMatch(1, 0, 1, -1, X, X);
    c->AjouteMatch(1, 2, 3, -1, X, X);
    c->AjouteMatch(2, 1, 2, -1, X, X);
    c->AjouteMatch(2, 3, 0, -1, X, X);
    testsupport::TFaussePrincipale principale(std::move(saison));
    principale.Fond.resize(800, 500);
    Tf_Resultats* page = Ouvre(principale);
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->NbLignes(), 2);
    EXPECT_EQ(page->Ligne(0).Cadre[0]->Text(), "Arles");
    EXPECT_EQ(page->Ligne(1).Cadre[1]->Text(), "Dijon");
    EXPECT_EQ(page->Label1->text().toStdString(), "Journée n°1");
    EXPECT_EQ(page->TrackBar1->maximum(), 3);
    EXPECT_EQ(page->Ligne(0).Info, nullptr);
    testsupport::RendPng(*page, "Resultats");

    QTest::keyClicks(page->Ligne(0).Score[0], "2");
    QTest::keyClicks(page->Ligne(0).Score[1], "1");
    QTest::keyClicks(page->Ligne(1).Score[0], "0");
    QTest::keyClicks(page->Ligne(1).Score[1], "3");
    EXPECT_EQ(page->Journee()->GetLigne(0)->Score[0], "2");

    // The track bar moves to day 2: day 1 is saved first.
    page->TrackBar1->setValue(2);
    EXPECT_EQ(c->GetValeurMatch(1, 2), 2);
    EXPECT_EQ(c->GetValeurMatch(1, 8), 3);
    EXPECT_EQ(c->NbJournee, 2);
    EXPECT_EQ(page->Ligne(0).Cadre[0]->Text(), "Brest");
    EXPECT_EQ(page->Label1->text().toStdString(), "Journée n°2");
    EXPECT_GE(principale.NbModifications, 1);

    QTest::keyClicks(page->Ligne(1).Score[0], "1");
    QTest::keyClicks(page->Ligne(1).Score[1], "1");
    page->ValideSaisieEnCours();
    EXPECT_EQ(c->GetValeurMatch(2, 6), 1);
    EXPECT_EQ(c->JourneeJouee, 2);
}

TEST_F(PageResultats, PlacingTeamsByTheListAndTheFrames)
{
    auto saison = SaisonQuatre();
    DateJours(*saison->GetChampionnat(1));
    testsupport::TFaussePrincipale principale(std::move(saison));
    principale.Fond.resize(800, 500);
    Tf_Resultats* page = Ouvre(principale);
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->l_Equipe->Nb(), 4);

    // A score cannot be typed before both teams are placed.
    QTest::keyClicks(page->Ligne(0).Score[0], "4");
    EXPECT_TRUE(page->Ligne(0).Score[0]->Text().empty());

    page->l_Equipe->SetItemIndex(2);
    page->l_EquipeDblClick();
    EXPECT_EQ(page->Ligne(0).Cadre[0]->Text(), "Caen");
    EXPECT_EQ(page->l_Equipe->Nb(), 3);
    const int notices = principale.NbModifications;
    EXPECT_EQ(notices, 1);

    page->l_Equipe->SetItemIndex(0);
    page->CadreDragDrop(1, 1, page->l_Equipe);
    EXPECT_EQ(page->Ligne(1).Cadre[1]->Text(), "Arles");
    page->CadreDragDrop(0, 1, page->Ligne(1).Cadre[1]);
    EXPECT_EQ(page->Ligne(0).Cadre[1]->Text(), "Arles");
    EXPECT_TRUE(page->Ligne(1).Cadre[1]->Text().empty());

    page->CadreDblClick(0, 0);
    EXPECT_TRUE(page->Ligne(0).Cadre[0]->Text().empty());
    EXPECT_EQ(page->l_Equipe->Nb(), 3);
    page->l_EquipeDragDrop(page->Ligne(0).Cadre[1]);
    EXPECT_EQ(page->l_Equipe->Nb(), 4);

    page->l_Equipe->SetItemIndex(0);
    page->l_EquipeDblClick();
    page->l_Equipe->SetItemIndex(0);
    page->l_EquipeDblClick();
    QTest::keyClicks(page->Ligne(0).Score[0], "1");
    QTest::keyClicks(page->Ligne(0).Score[1], "0");

    // A forfeit from the away frame gives 3 - 0 to the home side, in red.
    page->CadreMouseDown(0, 1, QPoint());
    EXPECT_EQ(page->LigneMenu(), 0);
    EXPECT_TRUE(page->mi_MatchNormal->isChecked());
    page->mi_ForfaitClick();
    EXPECT_EQ(page->Ligne(0).Score[0]->Text(), "3");
    EXPECT_EQ(page->Ligne(0).Score[1]->Text(), "0");
    EXPECT_EQ(page->Ligne(0).Cadre[0]->Modele(), Dessin()->BoutonCreuxRouge);
    page->ValideSaisieEnCours();
    const TDonneesChampionnat* c = principale.GetSaison()->GetChampionnat(1);
    ASSERT_EQ(c->GetPenalites().Nombre(), 1);
    EXPECT_EQ(c->GetPenalites().Get(0)->Type, TPenalite::ResultatManuel);

    // Clearing the whole day asks first: No keeps every row, Yes empties them;
    // an empty day is cleared without a question.
    testsupport::TMessagesScriptes messages;
    messages.Repond(ReponseMessage::Non);
    page->BoutonCopie1Click();
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, Traduit(3290));
    EXPECT_EQ(messages.Messages[0].Flags, BoutonsMessage::Oui | BoutonsMessage::Non);
    EXPECT_FALSE(page->Ligne(0).Cadre[0]->Text().empty());
    EXPECT_EQ(page->Ligne(0).Score[0]->Text(), "3");
    EXPECT_EQ(page->l_Equipe->Nb(), 2);
    messages.Repond(ReponseMessage::Oui);
    page->BoutonCopie1Click();
    EXPECT_EQ(page->l_Equipe->Nb(), 4);
    EXPECT_TRUE(page->Ligne(0).Score[0]->Text().empty());
    EXPECT_TRUE(page->Ligne(0).Cadre[0]->Text().empty());
    page->BoutonCopie1Click();
    EXPECT_EQ(messages.Messages.size(), 2u);
}

// The day's match sheets go with its pairings: the question names them; No
// keeps the day and its sheets, Yes clears both and the change is told at once.
TEST_F(PageResultats, ClearingADayNamesItsMatchSheets)
{
    auto saison = SaisonQuatre();
    TDonneesChampionnat* c = saison->GetChampionnat(1);
    DateJours(*c);
    c->AjouteMatch(1, 0, 1, -1, 1, 0);
    c->AjouteMatch(1, 2, 3, -1, X, X);
    c->GetButeursJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(7, 0, 30));
    c->SetAffluence(1, 2, 900);
    testsupport::TFaussePrincipale principale(std::move(saison));
    principale.Fond.resize(800, 500);
    Tf_Resultats* page = Ouvre(principale);
    ASSERT_NE(page, nullptr);
    const int notices = principale.NbModifications;

    testsupport::TMessagesScriptes messages;
    messages.Repond(ReponseMessage::Non);
    page->BoutonCopie1Click();
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_NE(messages.Messages[0].Texte.find("feuilles de match"), std::string::npos) << messages.Messages[0].Texte;
    page->ValideSaisieEnCours();
    EXPECT_EQ(page->Ligne(0).Cadre[0]->Text(), "Arles");
    EXPECT_EQ(c->GetButeursJournee(1)->Nombre(), 1);
    EXPECT_EQ(c->GetAffluence(1, 2), 900);
    EXPECT_EQ(principale.NbModifications, notices);

    messages.Repond(ReponseMessage::Oui);
    page->BoutonCopie1Click();
    EXPECT_EQ(principale.NbModifications, notices + 1) << "told before the day is written back";
    EXPECT_TRUE(page->Ligne(0).Cadre[0]->Text().empty());
    page->ValideSaisieEnCours();
    EXPECT_EQ(c->GetButeursJournee(1)->Nombre(), 0);
    EXPECT_EQ(c->GetJournee(1) != nullptr ? c->GetJournee(1)->NbMatch() : 0, 0);
}

TEST_F(PageResultats, CupLastDayShowsTheFinalCaptions)
{
    auto saison = SaisonQuatre(TDonneesChampionnat::TypeCoupe, 0);
    TDonneesChampionnat* c = saison->GetChampionnat(1);
    c->CreeToursCoupe({{2, 2, 1}, {1, 1, 1}});
    c->PetiteFinale = true;
    DateJours(*c);
    c->AjouteMatch(2, 0, 2, -1, 1, 1);
    c->AjoutePenaltys(2, 0, 2, 5, 4);
    c->AjouteMatch(2, 1, 3, -1, 2, 0);
    c->NbJournee = 2;
    testsupport::TFaussePrincipale principale(std::move(saison));
    principale.Fond.resize(800, 500);
    Tf_Resultats* page = Ouvre(principale);
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->NbLignes(), 2);
    EXPECT_FALSE(page->l_Finale->isHidden());
    EXPECT_FALSE(page->l_PetiteFinale->isHidden());
    EXPECT_LT(page->l_Finale->y(), page->Ligne(0).Cadre[0]->y());
    EXPECT_EQ(page->Label1->text().toStdString(), "Finale");
    ASSERT_NE(page->Ligne(0).Info, nullptr);
    EXPECT_EQ(page->Ligne(0).Info->text().toStdString(), "(5 - 4 aux tirs au but)");
    testsupport::RendPng(*page, "ResultatsFinale");

    // The English program names the two matches in English.
    InstalleTraducteur(std::make_unique<TTraducteur>("texte/Texteen.txt"));
    page = Ouvre(principale);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->l_Finale->text().toStdString(), "Final");
    EXPECT_EQ(page->l_PetiteFinale->text().toStdString(), "Third-place match");
}

// A day of many matches leaves small gaps between its rows: the first row
// must still start inside the panel, wide or tightened.
TEST_F(PageResultats, ManyRowsStayInsideThePanel)
{
    auto saison = std::make_unique<TSaisonFootball>();
    auto c = saison->CreeChampionnat(TDonneesChampionnat::TypeChamp);
    c->SetNbEquipe(32);
    for (int p = 0; p < 32; ++p)
        c->SetEquipe(p, static_cast<uint16_t>(saison->AjouteEquipe("Equipe " + std::to_string(p))));
    c->SetNbMatch(16);
    c->SetNbJour(1);
    for (int m = 0; m < 16; ++m)
        c->AjouteMatch(1, 2 * m, 2 * m + 1, -1, X, X);
    saison->AjouteChampionnat(std::move(c));
    DateJours(*saison->GetChampionnat(1));
    testsupport::TFaussePrincipale principale(std::move(saison));
    principale.Fond.resize(800, 500);
    Tf_Resultats* page = Ouvre(principale);
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->NbLignes(), 16);
    for (const int largeur : {800, 460}) {
        principale.Fond.resize(largeur, 500);
        QApplication::processEvents();
        for (int i = 0; i < page->NbLignes(); ++i) {
            const auto& l = page->Ligne(i);
            for (const QWidget* w : std::initializer_list<const QWidget*>{l.Date, l.Cadre[0], l.Cadre[1], l.Score[0],
                                                                          l.Score[1], l.Separateur})
                if (w != nullptr) {
                    EXPECT_GE(w->y(), 0) << largeur << " row " << i;
                }
            if (i > 0) {
                EXPECT_GE(l.Cadre[0]->y(), page->Ligne(i - 1).Cadre[0]->geometry().bottom()) << largeur << " row " << i;
            }
        }
        testsupport::RendPng(*page, "ResultatsNombreux_" + std::to_string(largeur));
    }
}

TEST_F(PageResultats, UneditedPageWritesNothingWhenDestroyed)
{
    auto saison = SaisonQuatre();
    TDonneesChampionnat* c = saison->GetChampionnat(1);
    DateJours(*c);
    c->AjouteMatch(1, 0, 1, -1, 1, 0);
    c->AjouteMatch(1, 2, 3, -1, 2, 2);
    testsupport::TFaussePrincipale principale(std::move(saison));
    Tf_Resultats* page = Ouvre(principale);
    ASSERT_NE(page, nullptr);
    c->GetMatch(1, 1)->SetScore(0, 4);
    principale.AfficheFenetre(TClassePage{typeid(void), nullptr});
    EXPECT_EQ(c->GetValeurMatch(1, 2), 4);
    EXPECT_EQ(principale.NbModifications, 0);
}
