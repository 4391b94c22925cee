// The main window in a real window: a score typed and found again, and every
// entry of the menu tree run and left.

#include "base/FichierIni.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/Editeur.h"
#include "controls/Graphe.h"
#include "controls/HotLabel.h"
#include "controls/OwnerPageControl.h"
#include "fenetre/FenetreReelle.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/DefType.h"
#include "pages/fiches/w_Effectifs.h"
#include "pages/saisie/uCadreExt.h"
#include "pages/saisie/w_Buteurs.h"
#include "pages/saisie/w_Composition.h"
#include "pages/saisie/w_Validation.h"
#include "pages/vues/w_ChoixHistorique.h"
#include "pages/vues/w_ClassJoueur.h"
#include "pages/vues/w_StatEquipe.h"
#include "platform/Imprimante.h"
#include "presentation/Historique.h"
#include "shell/w_Ouverture.h"
#include "support/CanevasTest.h"
#include "support_ui/RenduPng.h"
#include "support_ui/VerifieDessin.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QTabBar>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <vector>

namespace {

// The message box's button that gives Reponse, clicked as the user clicks it.
void CliqueReponse(QWidget& modal, int reponse)
{
    auto* boite = qobject_cast<Tf_MessageUtil*>(&modal);
    ASSERT_NE(boite, nullptr) << modal.metaObject()->className();
    for (TBoutonCopie* b : {boite->BoutonCopie1, boite->BoutonCopie2, boite->BoutonCopie3, boite->BoutonCopie4})
        if (b != nullptr && b->isVisible() && b->Tag == reponse) {
            QTest::mouseClick(modal.windowHandle(), Qt::LeftButton, {}, b->mapTo(&modal, b->rect().center()));
            return;
        }
    ADD_FAILURE() << "no button answers " << reponse;
}

std::string TexteBoite(QWidget& modal)
{
    auto* boite = qobject_cast<Tf_MessageUtil*>(&modal);
    return boite != nullptr ? boite->Label1->text().toStdString() : std::string();
}

using namespace fenetretest;

// Open, type a score, change day, see the standings, save, close, start
// again, open: the score is there.
TEST_F(FenetreReelle, UnScoreTapeAuClavierSeRetrouveApresEnregistrementEtReouverture)
{
    Demarre();
    Ouvre(Fichier);
    EXPECT_EQ(EtatDocument(), "");
    const std::vector<std::string> avant = Classement();
    ASSERT_FALSE(avant.empty());

    ASSERT_TRUE(CliqueNoeud(13));
    auto* resultats = AttendPage<Tf_Resultats>();
    ASSERT_NE(resultats, nullptr);
    EXPECT_EQ(EtatDocument(), "") << "the results page, only opened, sets the season modified";
    const int journee = resultats->TrackBar1->value();
    TEditRond* domicile = resultats->Ligne(0).Score[0];
    Clique(*domicile);
    ASSERT_TRUE(Attend([&] { return domicile->hasFocus(); }));
    for (int i = 0; i < 3; ++i)
        Touche(Qt::Key_Backspace);
    Tape("9");
    Touche(Qt::Key_Tab);
    TEditRond* exterieur = resultats->Ligne(0).Score[1];
    ASSERT_TRUE(Attend([&] { return exterieur->hasFocus(); }));
    for (int i = 0; i < 3; ++i)
        Touche(Qt::Key_Backspace);
    Tape("8");
    Touche(Qt::Key_Tab);

    // A click on the bar beside its handle moves to another day.
    QSlider* barre = resultats->TrackBar1;
    Clique(*barre, QPoint(barre->value() < barre->maximum() ? barre->width() - 4 : 4, barre->height() / 2));
    ASSERT_TRUE(Attend([&] { return barre->value() != journee; }));
    EXPECT_NE(EtatDocument(), "");
    EXPECT_NE(Classement(), avant);

    Touche(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(Attend([this] { return EtatDocument().empty(); })) << "Ctrl+S does not save";
    Ferme();

    Demarre();
    Ouvre(Fichier);
    ASSERT_TRUE(CliqueNoeud(13));
    resultats = AttendPage<Tf_Resultats>();
    ASSERT_NE(resultats, nullptr);
    VaALaJournee(*resultats->TrackBar1, journee);
    EXPECT_EQ(resultats->Ligne(0).Score[0]->Text(), "9");
    EXPECT_EQ(resultats->Ligne(0).Score[1]->Text(), "8");
    EXPECT_EQ(EtatDocument(), "");
}

// The printer the desktop's print dialog is shown for; the test reads the
// file it proposes and cancels.
class TImprimanteDialogue : public TImprimante {
public:
    TImprimanteDialogue() : FAncienne(InstalleImprimante(this)) {}
    ~TImprimanteDialogue() override { InstalleImprimante(FAncienne); }
    TImprimanteDialogue(const TImprimanteDialogue&) = delete;
    TImprimanteDialogue& operator=(const TImprimanteDialogue&) = delete;

    QString Propose;
    int NbDialogues = 0;

protected:
    bool Prepare(QPrinter& printer) override
    {
        ++NbDialogues;
        QPrintDialog dialogue(&printer);
        dialogue.show();
        if (QTest::qWaitForWindowExposed(&dialogue, Delai))
            if (auto* nom = dialogue.findChild<QLineEdit*>(QStringLiteral("filename")))
                Propose = nom->text();
        dialogue.reject();
        return false;
    }

private:
    TImprimante* FAncienne;
};

// Ctrl+P on the standings: the print dialog proposes a PDF named after what
// is printed, a name every file system takes.
TEST_F(FenetreReelle, LImpressionProposeUnFichierNommeDApresLaPage)
{
    Demarre();
    Ouvre(Fichier);
    ASSERT_TRUE(CliqueNoeud(40));
    auto* page = AttendPage<Tf_Classement>();
    ASSERT_NE(page, nullptr);
    const std::string titre = page->TitreDocument();
    ASSERT_NE(titre.find(':'), std::string::npos) << "the championship's name holds a colon: " << titre;
    TImprimanteDialogue imprimante;
    Touche(Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(Attend([&] { return imprimante.NbDialogues == 1; }));
    const QString fichier = QFileInfo(imprimante.Propose).fileName();
    EXPECT_EQ(fichier.toStdString(), NomDocument(titre) + ".pdf");
    EXPECT_FALSE(fichier.contains(u':'));
    Active();
}

// Two clubs' routes chosen with the mouse in the team chooser: each printout
// is named after its club, so that two sheets are told apart.
TEST_F(FenetreReelle, LaFeuilleDUnClubPorteSonNom)
{
    Demarre();
    Ouvre(Fichier);
    std::set<std::string> fichiers;
    for (const int club : {1, 2}) {
        SCOPED_TRACE(club);
        // From another view, as the tree runs a node's command when it is chosen.
        ASSERT_TRUE(CliqueNoeud(40));
        ASSERT_NE(AttendPage<Tf_Classement>(), nullptr);
        Surveilles.Traite([this, club](QWidget& forme) {
            auto& choix = dynamic_cast<Tf_ChoixEquipe&>(forme);
            ASSERT_GT(choix.Cases.size(), static_cast<size_t>(club));
            Clique(*choix.Cases[static_cast<size_t>(club)]);
            Clique(*choix.BoutonValider);
        });
        ASSERT_TRUE(CliqueNoeud(121));
        Tf_StatEquipe* page = nullptr;
        ASSERT_TRUE(Attend([&] {
            page = dynamic_cast<Tf_StatEquipe*>(Fenetre->GetPageCourante());
            return page != nullptr && page->isVisible() && page->GetEquipe() == club;
        }));
        Active();
        const std::string titre = page->TitreDocument();
        EXPECT_NE(titre.find(" - " + Fenetre->GetSaison()->GetNomEquipeChamp(club)), std::string::npos) << titre;
        TImprimanteDialogue imprimante;
        Touche(Qt::Key_P, Qt::ControlModifier);
        ASSERT_TRUE(Attend([&] { return imprimante.NbDialogues == 1; }));
        const std::string fichier = QFileInfo(imprimante.Propose).fileName().toStdString();
        EXPECT_EQ(fichier, NomDocument(titre) + ".pdf");
        fichiers.insert(fichier);
        Active();
    }
    EXPECT_EQ(fichiers.size(), 2u);
}

// Every node of the menu tree, in every championship of the season, clicked
// and left without typing: the forms end on Escape, and the season stays
// unmodified.
TEST_F(FenetreReelle, ChaqueEntreeDuMenuSOuvreEtSeQuitteSansModifierLaSaison)
{
    Demarre();
    Ouvre(Fichier);
    std::vector<int> championnats;
    for (QTreeWidgetItemIterator it(Fenetre->tv_Menu); *it != nullptr; ++it)
        if (const int code = (*it)->data(0, Qt::UserRole).toInt(); code > 255 && (code & 255) != 255)
            championnats.push_back(code);
    ASSERT_GE(championnats.size(), 2u);
    // Left out: they drop the season, end the program, reach the network or print.
    const std::set<int> horsParcours{6, 7, 9, 11, 12, 181, 198};
    for (const int championnat : championnats) {
        ASSERT_TRUE(CliqueNoeud(championnat));
        EXPECT_EQ(EtatDocument(), "") << "championship " << (championnat >> 8);
        std::vector<int> parcourus;
        for (const int code : CodesArbre()) {
            if (horsParcours.count(code) != 0)
                continue;
            const std::size_t formes = Surveilles.Formes.size();
            if (!CliqueNoeud(code))
                continue;
            parcourus.push_back(code);
            // The click runs the command before it returns, forms and all;
            // what it posted runs now.
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "command " << code;
            QApplication::processEvents();
            if (Surveilles.Formes.size() > formes)
                Active();
            EXPECT_EQ(EtatDocument(), "") << "command " << code << " sets the season modified";
            if (!EtatDocument().empty())
                Fenetre->SetEtatFichier(true, false);
        }
        EXPECT_GT(parcourus.size(), 60u);
    }
    EXPECT_GT(Surveilles.Formes.size(), 20u);
    EXPECT_TRUE(Surveilles.Blocages.empty());
}

// On the World Cup's scorers page, a minute the file cannot hold typed into a
// goal's box: the message box names the range, and once it is closed the
// box has the focus back with the text as typed.
TEST_F(FenetreReelle, UneMinuteHorsDuChampEstRefuseeDansSaBoite)
{
    // The menu bar too, wide enough to show every title.
    ASSERT_TRUE(TFichierIni(FichierIni()).WriteBool("General", "MenuHaut", true));
    Demarre();
    ASSERT_FALSE(HasFatalFailure());
    Fenetre->resize(1200, 800);
    ASSERT_TRUE(Attend([this] { return Fenetre->width() == 1200; }));
    const std::string coupe = (Dossier / "coupe.xmc").string();
    fs::copy_file(Dossier / "sauvegarde" / "coupe-du-monde-2022.xmc", coupe);
    Ouvre(coupe);
    ASSERT_TRUE(CliqueNoeud(40)); // a step for the back key
    ASSERT_NE(AttendPage<Tf_Classement>(), nullptr);
    ASSERT_TRUE(CliqueNoeud(14));
    auto* page = AttendPage<Tf_Buteurs>();
    ASSERT_NE(page, nullptr);
    // The first goal row of the match shown, home or away.
    TEditRond* minute = page->Minute(1, 0) ? page->Minute(1, 0) : page->Minute(2, 0);
    ASSERT_NE(minute, nullptr);
    const std::string avant = minute->Text();
    Clique(*minute);
    ASSERT_TRUE(Attend([&] { return minute->hasFocus(); }));
    for (int i = 0; i < 3; ++i)
        Touche(Qt::Key_Backspace);
    std::string message;
    Surveilles.Traite([&](QWidget& modal) {
        for (const QLabel* l : modal.findChildren<QLabel*>())
            message += l->text().toStdString();
        testsupport::EnvoieEchap(modal);
    });
    Tape("353");
    ASSERT_TRUE(Attend([] { return QApplication::activeModalWidget() == nullptr; }));
    EXPECT_NE(message.find("353"), std::string::npos) << message;
    EXPECT_NE(message.find("de 0 à 127"), std::string::npos) << message;
    Active();
    EXPECT_EQ(minute->Text(), "353");
    EXPECT_TRUE(Attend([&] { return minute->hasFocus(); }));

    // While it is refused, the tree, the menu bar and the back key keep the
    // user on the page, told again of the minute; the tree shows the page.
    const auto refuse = [&](const char* route, const std::function<void()>& prend) {
        // Shared: a message that never comes leaves the treatment waiting.
        auto lu = std::make_shared<std::string>();
        Surveilles.Traite([lu](QWidget& modal) {
            for (const QLabel* l : modal.findChildren<QLabel*>())
                *lu += l->text().toStdString();
            testsupport::EnvoieEchap(modal);
        });
        prend();
        ASSERT_TRUE(Attend([lu] { return !lu->empty(); })) << route << ": no message";
        const std::string texte = *lu;
        ASSERT_TRUE(Attend([] { return QApplication::activeModalWidget() == nullptr; }));
        Active();
        EXPECT_EQ(Fenetre->GetPageCourante(), page) << route;
        EXPECT_NE(texte.find("353"), std::string::npos) << route << ": " << texte;
        EXPECT_EQ(minute->Text(), "353") << route;
        ASSERT_NE(Fenetre->tv_Menu->currentItem(), nullptr) << route;
        EXPECT_EQ(Fenetre->tv_Menu->currentItem()->data(0, Qt::UserRole).toInt(), 14) << route;
    };
    refuse("tree", [&] { ASSERT_TRUE(CliqueNoeud(40)); });
    refuse("menu bar", [&] { ChoisitDansBarre(40); });
    refuse("back key", [&] { Touche(Qt::Key_Left, Qt::AltModifier); });
    if (HasFatalFailure())
        return;

    // Quit, from the menu bar, asks whether to leave without the minute: No
    // stays on the sheet; Yes goes on to the save question, whose Cancel
    // keeps the window.
    const auto quitte = [&](const std::vector<int>& reponses) {
        auto textes = std::make_shared<std::vector<std::string>>();
        for (int reponse : reponses)
            Surveilles.Traite([textes, reponse](QWidget& modal) {
                textes->push_back(TexteBoite(modal));
                // By the keyboard: Escape for No or Cancel, Enter for Yes.
                if (reponse == ReponseMessage::Oui)
                    QTest::keyClick(modal.windowHandle(), Qt::Key_Return);
                else
                    testsupport::EnvoieEchap(modal);
            });
        ChoisitDansBarre(Commande::Quitter);
        EXPECT_TRUE(Attend([&] {
            return textes->size() == reponses.size() && QApplication::activeModalWidget() == nullptr;
        })) << ::testing::PrintToString(*textes);
        Active();
        EXPECT_TRUE(Fenetre->isVisible());
        EXPECT_EQ(Fenetre->GetPageCourante(), page);
        EXPECT_EQ(minute->Text(), "353");
        return *textes;
    };
    std::vector<std::string> textes = quitte({ReponseMessage::Non});
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_NE(textes[0].find("353"), std::string::npos) << textes[0];
    EXPECT_NE(textes[0].find(Traduit(3521)), std::string::npos) << textes[0];
    // Another change of the season, still to save.
    Fenetre->SignaleModification();
    textes = quitte({ReponseMessage::Oui, ReponseMessage::Annuler});
    ASSERT_EQ(textes.size(), 2u);
    EXPECT_NE(textes[0].find(Traduit(3521)), std::string::npos) << textes[0];
    EXPECT_EQ(textes[1], TraduitFmt(2, {"coupe"}));
    if (HasFatalFailure())
        return;
    Clique(*minute);
    ASSERT_TRUE(Attend([&] { return minute->hasFocus(); }));

    // Put back as it was, the season has nothing to save.
    for (int i = 0; i < 3; ++i)
        Touche(Qt::Key_Backspace);
    Tape(avant);
    Touche(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(Attend([this] { return EtatDocument().empty(); }));
    // Corrected, the back key leaves the page.
    ASSERT_TRUE(Attend([] { return QApplication::activeModalWidget() == nullptr; }));
    Active();
    Touche(Qt::Key_Left, Qt::AltModifier);
    EXPECT_NE(AttendPage<Tf_Classement>(), nullptr);
}

// The boxes of the texts a chart paints, by text; the chart keeps the axes
// of that painting.
std::map<std::string, std::vector<TRect>> TextesPeints(TModeleGraphe& graphe)
{
    testsupport::TCanevasTest canevas;
    graphe.Dessine(canevas);
    std::map<std::string, std::vector<TRect>> boites;
    for (const auto& t : canevas.DuGenre(testsupport::TCanevasTest::TGenre::Texte))
        boites[t.Texte].push_back(t.R);
    return boites;
}

// France on the World Cup in a window of 800 x 600, chosen in the team
// chooser of the tree's team statistics. The charts of the standings tab
// draw every match of the season, each under a title of its own; the goals
// by time name the goals they count, their bands lie between the labels of
// their bounds, and the axis legend stands clear of the last label. The
// scorers sheet then shows its sending-offs without scroll bars.
TEST_F(FenetreReelle, LesGraphesDeLaFranceSurLaCoupeDuMondeSeLisentSansSeTromper)
{
    OuvreCoupeEn800x600();
    ASSERT_FALSE(HasFatalFailure());
    Surveilles.Traite([this](QWidget& modal) {
        auto* choix = qobject_cast<Tf_ChoixEquipe*>(&modal);
        ASSERT_NE(choix, nullptr) << modal.metaObject()->className();
        for (TCarreCoche* c : choix->Cases)
            if (c->Caption() == "France")
                Clique(*c);
        Clique(*choix->BoutonValider);
    });
    ASSERT_TRUE(CliqueNoeud(123));
    auto* page = AttendPage<Tf_StatEquipe>();
    ASSERT_NE(page, nullptr);
    Active();
    ASSERT_EQ(page->Label14->text(), "France");
    QApplication::processEvents();
    testsupport::SauvePng(Fenetre->grab().toImage(), "fenetre_statequipe_classement");

    // The result chart has the defeat in Tunisia (day 3) and its three
    // letters; no venue's title stands over it, nor over the two others.
    EXPECT_EQ(page->Graph3->GetPoint(0, 3), 1);
    auto resultats = TextesPeints(*page->Graph3);
    for (const char* lettre : {"D", "N", "V"})
        EXPECT_EQ(resultats[lettre].size(), 1u) << lettre;
    const std::array<const TGraphe*, 3> graphes{page->Graph2, page->Graph3, page->Graph4};
    for (size_t i = 0; i < graphes.size(); ++i) {
        const QLabel* titre = page->TitresGraphes[i];
        ASSERT_NE(titre, nullptr);
        EXPECT_TRUE(titre->isVisible());
        EXPECT_FALSE(titre->text().isEmpty());
        EXPECT_LE(titre->geometry().bottom(), graphes[i]->y()) << i;
        EXPECT_GE(titre->x(), page->BoitesClassement[0]->geometry().right()) << i;
        for (const THotLabel* lieu : page->LiensClassement)
            EXPECT_NE(titre->text(), lieu->text()) << i;
    }

    Clique(*page->tab4->tabBar(), page->tab4->tabBar()->tabRect(2).center());
    ASSERT_TRUE(Attend([&] { return page->GetOnglet() == 3 && page->GraphBarre1->isVisible(); }));
    QApplication::processEvents();
    testsupport::SauvePng(Fenetre->grab().toImage(), "fenetre_statequipe_buts");
    // France's six goals of the group stage, three of them at 61', 68' and 71'.
    EXPECT_EQ(page->b_ChangeBut->property("Tag").toInt(), 1);
    EXPECT_EQ(page->TitreButs->text().toStdString(), Traduit(135));
    EXPECT_NE(page->b_ChangeBut->Caption(), Traduit(49));
    EXPECT_EQ(page->GraphBarre1->GetPoint(0, 5), 3);
    // Band 5 (minutes 60 to 74) runs from the label "60" to the label "75".
    auto textes = TextesPeints(*page->GraphBarre1);
    const auto d = page->GraphBarre1->CalculDimensions();
    const int gauche = page->GraphBarre1->GetX0() + d.Largeur * 4 / d.MaxXr;
    const int droite = page->GraphBarre1->GetX0() + d.Largeur * 5 / d.MaxXr;
    const auto centre = [](const TRect& r) { return (r.Left + r.Right) / 2; };
    ASSERT_EQ(textes["60"].size(), 1u);
    ASSERT_EQ(textes["75"].size(), 1u);
    EXPECT_NEAR(centre(textes["60"][0]), gauche, 2);
    EXPECT_NEAR(centre(textes["75"][0]), droite, 2);
    for (TGraphBarre* graphe : {page->GraphBarre1, page->GraphBarre2}) {
        textes = TextesPeints(*graphe);
        const std::string dernier = graphe == page->GraphBarre1 ? "105" : "95";
        ASSERT_EQ(textes[Traduit(92)].size(), 1u);
        ASSERT_EQ(textes[dernier].size(), 1u);
        const TRect minute = textes[Traduit(92)][0];
        EXPECT_LT(textes[dernier][0].Right, minute.Left) << dernier << " runs into the legend";
        EXPECT_LE(minute.Right, graphe->width());
    }

    // The scorers sheet of the first match: one row of sending-offs fits.
    ASSERT_TRUE(CliqueNoeud(14));
    auto* feuille = AttendPage<Tf_Buteurs>();
    ASSERT_NE(feuille, nullptr);
    QApplication::processEvents();
    testsupport::SauvePng(Fenetre->grab().toImage(), "fenetre_buteurs_800");
    for (TFondScroll* rouges : {feuille->FondCr1, feuille->FondCr2}) {
        ASSERT_LE(rouges->HauteurContenu(), rouges->height() - 2 * rouges->ScrollTop());
        EXPECT_FALSE(rouges->MyScrollv()->isVisible()) << rouges->objectName().toStdString();
        EXPECT_FALSE(rouges->MyScrollh()->isVisible()) << rouges->objectName().toStdString();
    }
}

// What a list paints of its names lies inside its view.
void NomsDansLaListe(QListWidget& liste)
{
    int vus = 0;
    for (const testsupport::TTracePeint& t : testsupport::ReleveDessin(liste)) {
        if (!t.Texte || t.Controle != liste.viewport())
            continue;
        ++vus;
        EXPECT_GE(t.Boite.left(), 0) << t.Libelle.toStdString();
        EXPECT_LE(t.Boite.right(), liste.viewport()->width()) << t.Libelle.toStdString();
    }
    EXPECT_GT(vus, 0);
}

// Long names in a window of 800 x 600: the last file's in the opening
// choice, then on the World Cup a scorer's of 60 characters in the scorers
// ranking and a long national team's in the squads page's list.
TEST_F(FenetreReelle, LesNomsLongsSeLisentSansRienCouvrir)
{
    const fs::path longue = Dossier / ("saison-" + std::string(150, 'x') + ".xmc");
    fs::copy_file(Fichier, longue);
    ASSERT_TRUE(TFichierIni(FichierIni()).WriteString("General", "LastFile", longue.string()));
    int largeurOuverture = 0;
    Surveilles.Traite([&](QWidget& modal) {
        if (qobject_cast<Tf_Ouverture*>(&modal) != nullptr)
            largeurOuverture = modal.width();
        testsupport::EnvoieEchap(modal);
    });
    Demarre();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_GT(largeurOuverture, 300);
    EXPECT_LE(largeurOuverture, 700) << "the opening choice widens with the file name";

    Fenetre->resize(800, 600);
    ASSERT_TRUE(Attend([this] { return Fenetre->width() == 800 && Fenetre->height() == 600; }));
    const std::string coupe = (Dossier / "coupe.xmc").string();
    fs::copy_file(Dossier / "sauvegarde" / "coupe-du-monde-2022.xmc", coupe);
    Ouvre(coupe);
    TSaison& saison = *Fenetre->GetSaison();
    for (int i = 0; i < saison.Joueurs().Nombre(); ++i)
        if (TJoueur* j = saison.Joueurs().Get(i); j != nullptr && j->Nom == "Mbappé")
            j->Nom = "Mbappé " + std::string(53, 'm');
    const TDonneesChampionnat& champ = *saison.GetChampCourant();
    for (int i = 0; i < champ.GetNbEquipe(); ++i)
        if (const int id = champ.GetEquipe(i); saison.GetNomEquipe(static_cast<uint16_t>(id)) == "France")
            saison.SetNomEquipe(id, "République française, équipe nationale de football");

    ASSERT_TRUE(CliqueNoeud(66));
    auto* classement = AttendPage<Tf_ClassJoueur>();
    ASSERT_NE(classement, nullptr);
    QApplication::processEvents();
    testsupport::SauvePng(Fenetre->grab().toImage(), "fenetre_buteurs_nom_long");
    const TColorStringGrid& grille = *classement->sg_Classjoueurs;
    EXPECT_EQ(grille.GetTexte(1, 1).rfind("Kylian Mbappé mmm", 0), 0u) << grille.GetTexte(1, 1);
    EXPECT_GE(grille.width(), grille.LargeurContenu());
    EXPECT_LE(grille.geometry().right(), classement->width()) << "the goals column runs off the page";
    if (classement->Editeur2->isVisible()) {
        EXPECT_GT(classement->Editeur2->x(), grille.geometry().right()) << "the report covers the ranking";
    }

    ASSERT_TRUE(CliqueNoeud(147));
    auto* effectifs = AttendPage<Tf_Effectifs>();
    ASSERT_NE(effectifs, nullptr);
    QApplication::processEvents();
    testsupport::SauvePng(Fenetre->grab().toImage(), "fenetre_effectifs_nom_long");
    NomsDansLaListe(*effectifs->l_Equipe);
}

// At 800 x 600 on the World Cup, what outgrows its room scrolls: the
// one-goal scorers in the report beside the scorers ranking, and the lines of
// the calendar check, whose fault stands first and whose list takes the page
// keys though no control of its window has the focus.
TEST_F(FenetreReelle, LeRapportDesButeursEtLaVerificationDuCalendrierDefilent)
{
    OuvreCoupeEn800x600();
    ASSERT_FALSE(HasFatalFailure());

    ASSERT_TRUE(CliqueNoeud(66));
    auto* classement = AttendPage<Tf_ClassJoueur>();
    ASSERT_NE(classement, nullptr);
    QApplication::processEvents();
    TEditeur& rapport = *classement->Editeur2;
    ASSERT_TRUE(rapport.isVisible());
    ASSERT_TRUE(rapport.Barre()->isVisible()) << "the one-goal scorers outgrow the report";
    testsupport::SauvePng(Fenetre->grab().toImage(), "fenetre_buteurs_rapport_800");
    Clique(rapport);
    Touche(Qt::Key_End);
    EXPECT_EQ(rapport.Barre()->value(), rapport.Barre()->maximum());
    testsupport::SauvePng(Fenetre->grab().toImage(), "fenetre_buteurs_rapport_fin_800");

    // A goal of the third day gone from its sheet, as a lost entry leaves it:
    // the one fault among dozens of entries not made.
    TListeDonnees* buteurs = Fenetre->GetSaison()->GetChampCourant()->GetButeursJournee(3);
    ASSERT_NE(buteurs, nullptr);
    ASSERT_GT(buteurs->Nombre(), 0);
    buteurs->Retire(buteurs->Nombre() - 1);
    std::vector<std::string> lignes;
    int avant = -1, apres = -1;
    Surveilles.Traite([&](QWidget& modal) {
        auto* verification = qobject_cast<Tf_Validation*>(&modal);
        ASSERT_NE(verification, nullptr) << modal.metaObject()->className();
        for (const QLabel* l : verification->Lignes())
            lignes.push_back(l->text().toStdString());
        const QScrollBar& barre = *verification->FondScroll1->MyScrollv();
        avant = barre.value();
        testsupport::SauvePng(modal.grab().toImage(), "fenetre_verification_800");
        QTest::keyClick(modal.windowHandle(), Qt::Key_PageDown);
        apres = barre.value();
        testsupport::SauvePng(modal.grab().toImage(), "fenetre_verification_page_800");
        testsupport::EnvoieEchap(modal);
    });
    ASSERT_TRUE(CliqueNoeud(Commande::ControleCalendrier));
    ASSERT_TRUE(Attend([&] { return !lignes.empty() && QApplication::activeModalWidget() == nullptr; }));
    Active();
    ASSERT_GT(lignes.size(), 20u);
    EXPECT_NE(lignes.front().find(Traduit(154)), std::string::npos) << lignes.front();
    EXPECT_EQ(avant, 0);
    EXPECT_GT(apres, 0) << "Page Down";
}

// "Tout effacer" on a day of results asks first: No keeps the day as it was,
// Yes clears it and the season shows modified.
TEST_F(FenetreReelle, ToutEffacerDemandeAvantDEffacerLaJournee)
{
    Demarre();
    Ouvre(Fichier);
    ASSERT_TRUE(CliqueNoeud(13));
    auto* resultats = AttendPage<Tf_Resultats>();
    ASSERT_NE(resultats, nullptr);
    const std::string equipe = resultats->Ligne(0).Cadre[0]->Text();
    const std::string score = resultats->Ligne(0).Score[0]->Text();
    ASSERT_FALSE(equipe.empty());
    std::string question;
    const auto repond = [&](int reponse) {
        question.clear();
        Surveilles.Traite([&question, reponse](QWidget& modal) {
            question = TexteBoite(modal);
            CliqueReponse(modal, reponse);
        });
        Clique(*resultats->BoutonCopie1);
        ASSERT_TRUE(Attend([&] { return !question.empty() && QApplication::activeModalWidget() == nullptr; }))
            << "no question";
        Active();
        EXPECT_EQ(question, Traduit(3290));
    };
    repond(ReponseMessage::Non);
    EXPECT_EQ(resultats->Ligne(0).Cadre[0]->Text(), equipe);
    EXPECT_EQ(resultats->Ligne(0).Score[0]->Text(), score);
    EXPECT_EQ(EtatDocument(), "");

    repond(ReponseMessage::Oui);
    for (int i = 0; i < resultats->NbLignes(); ++i)
        for (int cote = 0; cote < 2; ++cote) {
            EXPECT_TRUE(resultats->Ligne(i).Cadre[cote]->Text().empty()) << i;
            EXPECT_TRUE(resultats->Ligne(i).Score[cote]->Text().empty()) << i;
        }
    EXPECT_NE(EtatDocument(), "") << "the status bar tells the change at once";
    // Written on leaving the page, then saved: the window closes without a question.
    Touche(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(Attend([this] { return EtatDocument().empty(); }));
}

// The team chooser validated with no team ticked says that one must be, and
// stays open. On the line-ups page, a player placed on the sheet makes the
// "no line-up" line go at once.
TEST_F(FenetreReelle, LeChoixDEquipeVeutUneEquipeEtLesCompositionsVoientLaFeuille)
{
    Demarre();
    Ouvre(Fichier);
    std::string avis;
    bool resteOuvert = false;
    bool traite = false;
    Surveilles.Traite([&](QWidget& modal) {
        traite = true;
        auto* choix = qobject_cast<Tf_ChoixEquipe*>(&modal);
        ASSERT_NE(choix, nullptr) << modal.metaObject()->className();
        if (const int cochee = choix->EquipeChoisie(); cochee >= 0) {
            TCarreCoche* c = choix->Cases[static_cast<size_t>(cochee)];
            QTest::mouseClick(modal.windowHandle(), Qt::LeftButton, {}, c->mapTo(&modal, QPoint(6, c->height() / 2)));
        }
        ASSERT_EQ(choix->EquipeChoisie(), -1);
        Surveilles.Traite([&](QWidget& boite) {
            avis = TexteBoite(boite);
            testsupport::EnvoieEchap(boite);
        });
        TBoutonCopie* valider = choix->BoutonValider;
        QTest::mouseClick(modal.windowHandle(), Qt::LeftButton, {}, valider->mapTo(&modal, valider->rect().center()));
        ASSERT_TRUE(Attend([&] { return !avis.empty() && QApplication::activeModalWidget() == &modal; }));
        resteOuvert = choix->isVisible();
        testsupport::EnvoieEchap(modal);
    });
    ASSERT_TRUE(CliqueNoeud(Commande::StatEquipe));
    ASSERT_TRUE(Attend([&] { return traite && QApplication::activeModalWidget() == nullptr; }));
    Active();
    EXPECT_EQ(avis, Traduit(3291));
    EXPECT_TRUE(resteOuvert);

    const std::string coupe = (Dossier / "coupe.xmc").string();
    fs::copy_file(Dossier / "sauvegarde" / "coupe-du-monde-2022.xmc", coupe);
    Ouvre(coupe);
    ASSERT_TRUE(CliqueNoeud(Commande::Compositions));
    auto* compositions = AttendPage<Tf_Composition>();
    ASSERT_NE(compositions, nullptr);
    ASSERT_TRUE(Attend([&] { return compositions->l_SansComposition->isVisible(); }));
    TListeFeuille* equipe = compositions->l_EquipeDomicile;
    ASSERT_GT(equipe->count(), 0);
    const QRect ligne = equipe->visualItemRect(equipe->item(0));
    QWidget* fenetre = equipe->window();
    const QPoint point = equipe->viewport()->mapTo(fenetre, ligne.center());
    QTest::mouseClick(fenetre->windowHandle(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(fenetre->windowHandle(), Qt::LeftButton, {}, point);
    ASSERT_TRUE(Attend([&] { return !compositions->Cadre(1, 1)->Text().empty(); })) << "no player placed";
    EXPECT_TRUE(compositions->l_SansComposition->isHidden());
    Touche(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(Attend([this] { return EtatDocument().empty(); }));
}

// Outils > Archiver on the World Cup, whose championships are of the user's
// own making, names the division as the season names it, and so does the
// history chooser.
TEST_F(FenetreReelle, LArchiveEtLeChoixDHistoriqueNommentLaDivisionCommeLaSaison)
{
    Demarre();
    const std::string coupe = (Dossier / "coupe.xmc").string();
    fs::copy_file(Dossier / "sauvegarde" / "coupe-du-monde-2022.xmc", coupe);
    Ouvre(coupe);
    const TDonneesChampionnat* champ = Fenetre->GetSaison()->GetChampCourant();
    ASSERT_NE(champ, nullptr);
    const std::string code = std::to_string(champ->GetCode());
    const std::string nom = Historique::NomDivision(champ->GetCode(), Fenetre->GetSaison());
    ASSERT_NE(nom, code);

    // No archive yet: Yes creates it, then the box says where it went.
    std::vector<std::string> textes;
    Surveilles.Traite([&](QWidget& modal) {
        textes.push_back(TexteBoite(modal));
        CliqueReponse(modal, ReponseMessage::Oui);
    });
    Surveilles.Traite([&](QWidget& modal) {
        textes.push_back(TexteBoite(modal));
        testsupport::EnvoieEchap(modal);
    });
    ASSERT_TRUE(CliqueNoeud(Commande::ArchiveDivision));
    ASSERT_TRUE(Attend([&] { return textes.size() == 2 && QApplication::activeModalWidget() == nullptr; }));
    Active();
    EXPECT_NE(textes[1].find(nom), std::string::npos) << textes[1];
    EXPECT_EQ(textes[1].find("« " + code + " »"), std::string::npos) << textes[1];

    std::vector<std::string> lignes;
    Surveilles.Traite([&](QWidget& modal) {
        auto* choix = qobject_cast<Tf_ChoixHistorique*>(&modal);
        ASSERT_NE(choix, nullptr) << modal.metaObject()->className();
        for (int i = 0; i < choix->lb_Choix->count(); ++i)
            lignes.push_back(choix->lb_Choix->item(i)->text().toStdString());
        testsupport::EnvoieEchap(modal);
    });
    ASSERT_TRUE(CliqueNoeud(Commande::HistoriqueConfrontations));
    ASSERT_TRUE(Attend([&] { return !lignes.empty() && QApplication::activeModalWidget() == nullptr; }));
    Active();
    EXPECT_EQ(lignes, std::vector<std::string>{nom});
}

} // namespace
