// The real names of the sample season (the longest the program ships with)
// shown whole where the user reads them most: the results page's teams and
// dates, the match sheets' header, the team chooser, the match search, the
// comparison's team column, the menu tree and the player card's chart; at
// the smallest window and at a laptop's screen.

#include "controls/GraphHorizontal.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/DefType.h"
#include "pages/fiches/w_FicheJoueur.h"
#include "pages/saisie/w_RechercheMatch.h"
#include "pages/saisie/w_Resultats.h"
#include "shell/w_Principale.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/DossierProgramme.h"
#include "support_ui/RenduPng.h"
#include "support_ui/VerifieDessin.h"
#include "support_ui/VerifieDisposition.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const QSize Tailles[] = {QSize(800, 600), QSize(1280, 800)};

class TexteEntier : public ::testing::Test {
protected:
    void SetUp() override
    {
        AncienDossier = fs::current_path();
        testsupport::CopieDossierProgramme(Dossier.path());
        Fenetre = std::make_unique<Tf_Principale>(Dossier.str());
        Fenetre->show();
        QApplication::processEvents();
        ASSERT_TRUE(testsupport::MetSaisonDansFenetre(*Fenetre, Dossier.str() + "sauvegarde/exemple.xmc"));
        fs::current_path(AncienDossier);
    }
    void TearDown() override
    {
        Fenetre.reset();
        fs::current_path(AncienDossier);
    }

    TSaison& Saison() { return *Fenetre->GetSaison(); }

    void Affiche(QSize taille)
    {
        Fenetre->resize(taille);
        QApplication::processEvents();
    }

    // The page of a command at each size, checked and drawn.
    void VerifiePage(int code, const std::string& nom)
    {
        for (const QSize taille : Tailles) {
            Affiche(taille);
            ASSERT_TRUE(Fenetre->ExecuteCommande(code, -1)) << code;
            QApplication::processEvents();
            const std::string ou = nom + "_" + std::to_string(taille.width());
            Verifie(ou, *Fenetre);
            VerifieSansAbreger(ou, *Fenetre);
            testsupport::RendPng(*Fenetre, "texte_" + ou);
        }
    }

    // The team frames grow with the names: none of them shortens its text.
    static void VerifieSansAbreger(const std::string& ou, const QWidget& racine)
    {
        for (const TEdition2* e : racine.findChildren<TEdition2*>())
            if (e->isVisible() && e->TexteAffiche() != QString::fromStdString(e->Text()))
                ADD_FAILURE() << ou << ": \"" << e->Text() << "\" abrégé";
    }

    // No text the control paints lies over another one.
    static void VerifieTextesSepares(QWidget& racine, const QWidget& controle)
    {
        std::vector<testsupport::TTracePeint> textes;
        for (testsupport::TTracePeint& t : testsupport::ReleveDessin(racine))
            if (t.Texte && t.Controle == &controle)
                textes.push_back(std::move(t));
        EXPECT_FALSE(textes.empty());
        for (size_t i = 0; i < textes.size(); ++i)
            for (size_t j = i + 1; j < textes.size(); ++j)
                EXPECT_FALSE(textes[i].Boite.intersects(textes[j].Boite))
                    << "\"" << textes[i].Libelle.toStdString() << "\" et \"" << textes[j].Libelle.toStdString()
                    << "\" l'un sur l'autre";
    }

    void Verifie(const std::string& ou, const QWidget& racine)
    {
        for (const std::string& d : testsupport::VerifieDisposition(racine))
            ADD_FAILURE() << ou << ": " << d;
    }

    testsupport::TempDir Dossier;
    testsupport::TDialoguesScriptes Dialogues;
    testsupport::TBureauEnregistre Bureau;
    testsupport::TMessagesScriptes Messages;
    testsupport::TEcranFixe Ecran;
    fs::path AncienDossier;
    std::unique_ptr<Tf_Principale> Fenetre;
};

TEST_F(TexteEntier, LaPageDesResultatsMontreLesEquipesEtLesDates)
{
    VerifiePage(Commande::Resultats, "resultats");
    const auto* page = dynamic_cast<const Tf_Resultats*>(Fenetre->GetPageCourante());
    ASSERT_NE(page, nullptr);
    ASSERT_GT(page->NbLignes(), 0);
    bool psg = false;
    for (int i = 0; i < page->NbLignes(); ++i)
        for (const TCadreResultat* c : page->Ligne(i).Cadre)
            psg = psg || c->Text() == "Paris Saint-Germain FC";
    EXPECT_TRUE(psg) << "the longest name is on the day shown";
}

// At the smallest window the rows of the results page lie whole inside the
// scrolling panel's view, with no horizontal bar; each team frame shows its
// whole name or a shortened one with the whole in its tooltip.
class ResultatsEtroits : public TexteEntier {
protected:
    Tf_Resultats* OuvrePage()
    {
        Affiche(QSize(800, 600));
        EXPECT_TRUE(Fenetre->ExecuteCommande(Commande::Resultats, -1));
        QApplication::processEvents();
        return dynamic_cast<Tf_Resultats*>(Fenetre->GetPageCourante());
    }

    // What is left short of the whole: the shortened frames.
    static int VerifieLignes(const std::string& ou, const Tf_Resultats& page)
    {
        const QWidget* vue = page.FondMatch->Contenu()->parentWidget();
        EXPECT_FALSE(page.FondMatch->MyScrollh()->isVisibleTo(page.FondMatch)) << ou;
        int abreges = 0;
        for (int i = 0; i < page.NbLignes(); ++i) {
            const Tf_Resultats::TControlesLigne& l = page.Ligne(i);
            for (const QWidget* w : std::initializer_list<const QWidget*>{l.Date, l.Cadre[0], l.Cadre[1], l.Score[0],
                                                                          l.Score[1], l.Separateur, l.Info})
                if (w != nullptr && !w->isHidden()) {
                    const QRect place(w->mapTo(vue, QPoint(0, 0)), w->size());
                    EXPECT_TRUE(vue->rect().contains(place))
                        << ou << ": row " << i << " " << w->metaObject()->className() << " at " << place.x() << ","
                        << place.y() << " " << place.width() << "x" << place.height() << " outside the view "
                        << vue->width() << "x" << vue->height();
                }
            for (const TCadreResultat* c : l.Cadre) {
                const QString tout = QString::fromStdString(c->Text());
                if (c->TexteAffiche() == tout)
                    continue;
                ++abreges;
                EXPECT_TRUE(c->TexteAffiche().endsWith(QChar(0x2026))) << ou << ": " << c->Text();
                EXPECT_EQ(c->toolTip(), tout) << ou;
                EXPECT_GE(c->TexteAffiche().size(), 4) << ou << ": " << c->Text() << " shortened to nothing";
            }
        }
        return abreges;
    }
};

TEST_F(ResultatsEtroits, UneLigneEntiereSansBarreHorizontale)
{
    Tf_Resultats* page = OuvrePage();
    ASSERT_NE(page, nullptr);
    ASSERT_GT(page->NbLignes(), 0);
    EXPECT_EQ(VerifieLignes("800", *page), 0) << "the sample season's names fit at 800 x 600";
    EXPECT_EQ(page->l_Equipe->Nb(), 0);
    EXPECT_LT(page->l_Equipe->width(), 40) << "an empty team list leaves the room to the rows";
    // Another day builds its rows again: they fit as well.
    page->TrackBar1->setValue(1);
    QApplication::processEvents();
    EXPECT_EQ(VerifieLignes("800, day 1", *page), 0);

    // At a laptop's size the page keeps its list and its wide gaps.
    Affiche(QSize(1280, 800));
    EXPECT_EQ(page->l_Equipe->width(), 150);
    EXPECT_EQ(VerifieLignes("1280", *page), 0);
    const Tf_Resultats::TControlesLigne& l = page->Ligne(0);
    EXPECT_GE(l.Score[0]->x() - l.Cadre[0]->geometry().right(), 15);
}

// A name too long for any frame: the frames shrink, that name is shortened
// with its tooltip, and the row still fits.
TEST_F(ResultatsEtroits, UnNomTropLongEstAbregeAvecSaBulle)
{
    auto& saison = dynamic_cast<TSaisonFootball&>(Saison());
    const TDonneesChampionnat* champ = Saison().GetChampCourant();
    ASSERT_NE(champ, nullptr);
    const std::string longNom = "Association Sportive Olympique de la Ville de Saint-Étienne et du Forez";
    saison.SetNomEquipe(champ->GetEquipe(0), longNom);
    Tf_Resultats* page = OuvrePage();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(VerifieLignes("800", *page), 1);
    testsupport::RendPng(*Fenetre, "texte_resultats_nom_long_800");
    TCadreResultat* cadre = nullptr;
    for (int i = 0; i < page->NbLignes(); ++i)
        for (TCadreResultat* c : page->Ligne(i).Cadre)
            if (c->Text() == longNom) {
                cadre = c;
                EXPECT_NE(c->TexteAffiche(), QString::fromStdString(longNom));
            }
    ASSERT_NE(cadre, nullptr);

    // Back on the team list, the name keeps its start inside the list.
    page->l_EquipeDragDrop(cadre);
    QApplication::processEvents();
    ASSERT_EQ(page->l_Equipe->Nb(), 1);
    int vus = 0;
    for (const testsupport::TTracePeint& t : testsupport::ReleveDessin(*page->l_Equipe))
        if (t.Texte && t.Controle == page->l_Equipe->viewport()) {
            ++vus;
            EXPECT_GE(t.Boite.left(), 0) << t.Libelle.toStdString();
            EXPECT_LE(t.Boite.right(), page->l_Equipe->viewport()->width()) << t.Libelle.toStdString();
            EXPECT_TRUE(t.Libelle.startsWith("Association")) << t.Libelle.toStdString();
        }
    EXPECT_EQ(vus, 1);
}

// The emptied list stays a drop target: a team dropped on it goes back,
// the list widens to show it, and the rows still fit.
TEST_F(ResultatsEtroits, LaListeVideRecoitUneEquipe)
{
    Tf_Resultats* page = OuvrePage();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->l_Equipe->Nb(), 0);
    ASSERT_TRUE(page->l_Equipe->isVisible());
    EXPECT_GE(page->l_Equipe->width(), 16);
    EXPECT_TRUE(page->l_Equipe->viewport()->acceptDrops());
    const QPoint milieu = page->l_Equipe->geometry().center();
    const QWidget* touche = page->childAt(milieu);
    EXPECT_TRUE(touche == page->l_Equipe || (touche && page->l_Equipe->isAncestorOf(touche)))
        << "the list is not covered at " << milieu.x() << "," << milieu.y();

    TCadreResultat* cadre = page->Ligne(0).Cadre[0];
    const std::string nom = cadre->Text();
    page->l_EquipeDragDrop(cadre);
    QApplication::processEvents();
    ASSERT_EQ(page->l_Equipe->Nb(), 1);
    EXPECT_EQ(page->l_Equipe->Texte(0), nom);
    EXPECT_TRUE(page->Ligne(0).Cadre[0]->Text().empty());
    const int texte = page->l_Equipe->fontMetrics().horizontalAdvance(QString::fromStdString(nom));
    EXPECT_GE(page->l_Equipe->viewport()->width(), texte) << "the list shows the name it got back";
    VerifieLignes("800 with a team on the list", *page);

    page->l_Equipe->SetItemIndex(0);
    page->CadreDragDrop(0, 0, page->l_Equipe);
    QApplication::processEvents();
    EXPECT_EQ(page->Ligne(0).Cadre[0]->Text(), nom);
    EXPECT_EQ(page->l_Equipe->Nb(), 0);
    EXPECT_LT(page->l_Equipe->width(), 40);
    EXPECT_EQ(VerifieLignes("800 placed again", *page), 0);
}

// The cup's last day at the smallest window: the final and the third-place
// match, their titles over the rows, all inside the view.
TEST_F(ResultatsEtroits, LaFinaleDeLaCoupe)
{
    ASSERT_TRUE(testsupport::MetSaisonDansFenetre(*Fenetre, Dossier.str() + "sauvegarde/coupe-du-monde-2022.xmc"));
    fs::current_path(AncienDossier);
    ASSERT_TRUE(Fenetre->ud_ChampChangingEx(2));
    Tf_Resultats* page = OuvrePage();
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->NbLignes(), 2);
    EXPECT_EQ(VerifieLignes("coupe", *page), 0);
    const QWidget* vue = page->FondMatch->Contenu()->parentWidget();
    for (const QLabel* titre : {page->l_Finale, page->l_PetiteFinale}) {
        EXPECT_TRUE(titre->isVisibleTo(page)) << titre->text().toStdString();
        EXPECT_TRUE(vue->rect().contains(QRect(titre->mapTo(vue, QPoint(0, 0)), titre->size())))
            << titre->text().toStdString();
    }
    testsupport::RendPng(*Fenetre, "texte_resultats_coupe_800");
}

TEST_F(TexteEntier, LEnteteDesFeuillesDeMatchMontreLesDeuxEquipes)
{
    VerifiePage(Commande::Buteurs, "buteurs");
    VerifiePage(Commande::Compositions, "compositions");
}

TEST_F(TexteEntier, LaComparaisonMontreChaqueEquipe)
{
    VerifiePage(Commande::ComparaisonTous, "comparaison");
}

TEST_F(TexteEntier, LeChoixDEquipeMontreChaqueNomEtSonBouton)
{
    for (const QSize taille : Tailles) {
        Affiche(taille);
        Tf_ChoixEquipe choix(Fenetre.get());
        choix.Prepare(Saison(), "Choix", 0, 0);
        choix.show();
        QApplication::processEvents();
        Verifie("choix_equipe", choix);
        EXPECT_LE(choix.width(), taille.width()) << "the chooser fits the screen";
        testsupport::RendPng(choix, "texte_choix_equipe_" + std::to_string(taille.width()));
    }
}

TEST_F(TexteEntier, LaRechercheDeMatchMontreLesMatchsTrouves)
{
    Tf_RechercheMatch recherche(Fenetre.get());
    recherche.Saison = &Saison();
    recherche.show();
    QApplication::processEvents();
    // The two widest names of the list meet twice.
    int premier = -1, second = -1;
    const QFontMetrics mesure(recherche.Label5->font());
    std::vector<std::pair<int, int>> largeurs;
    for (int i = 0; i < recherche.ComboBox1->count(); ++i)
        largeurs.emplace_back(mesure.horizontalAdvance(recherche.ComboBox1->itemText(i)), i);
    std::sort(largeurs.rbegin(), largeurs.rend());
    ASSERT_GE(largeurs.size(), 2u);
    premier = largeurs[0].second;
    second = largeurs[1].second;
    recherche.ComboBox1->setCurrentIndex(premier);
    recherche.ComboBox2->setCurrentIndex(second);
    recherche.BoutonCopie1Click();
    QApplication::processEvents();
    ASSERT_FALSE(recherche.Label5->text().isEmpty());
    ASSERT_FALSE(recherche.Label6->text().isEmpty());
    Verifie("recherche_match", recherche);
    testsupport::RendPng(recherche, "texte_recherche_match");
}

TEST_F(TexteEntier, LArbreDuMenuMontreChaqueEntree)
{
    auto* arbre = Fenetre->findChild<QTreeWidget*>();
    ASSERT_NE(arbre, nullptr);
    for (const QSize taille : Tailles) {
        Affiche(taille);
        arbre->expandAll();
        QApplication::processEvents();
        Verifie("menu_" + std::to_string(taille.width()), *arbre);
    }
}

// The chart of the card of a player who played every day: no day number
// drawn over an opponent's name.
TEST_F(TexteEntier, LaFicheDUnJoueurMontreSonGraphe)
{
    TDonneesChampionnat* champ = Saison().GetChampCourant();
    ASSERT_NE(champ, nullptr);
    const auto equipe = static_cast<uint16_t>(champ->GetEquipe(0));
    constexpr int Id = 9999;
    auto& saison = dynamic_cast<TSaisonFootball&>(Saison());
    saison.Joueurs().AjouteSimple(saison.CreeJoueurComplet("Dupont", "Jean", Id, 25, 'A', 9, equipe, 65535, 0, 120, 3));
    for (int d = 1; d <= champ->GetNbJour(); ++d)
        champ->SetCompoMatch(d, 0, 1, Id);
    for (const QSize taille : Tailles) {
        Dialogues.Repond([&](QDialog& d) {
            auto& fiche = dynamic_cast<Tf_FicheJoueurEx&>(d);
            fiche.resize(std::min(taille.width(), fiche.width()), std::min(taille.height(), fiche.height()));
            fiche.show();
            fiche.sb_DetailClick();
            // The graph's height reaches its scrolling frame through two layout passes.
            for (int i = 0; i < 3; ++i)
                QApplication::processEvents();
            EXPECT_GT(fiche.Graphe->NbLignesMatch(), 0);
            Verifie("fiche_joueur", fiche);
            VerifieTextesSepares(fiche, *fiche.Graphe);
            testsupport::RendPng(fiche, "texte_fiche_joueur_" + std::to_string(taille.width()));
            d.done(0);
        });
        TJoueur* j = saison.Joueurs().ChercheId(Id);
        ASSERT_NE(j, nullptr);
        ExecuteFicheJoueur(Saison(), Saison().GetNumChampCourant(), j, 0x30000 | equipe);
    }
}

} // namespace
