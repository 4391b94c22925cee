// The team statistics page from the main window: the team chooser, the page
// kept for another team, the history, the match lines' navigation, printing.

#include "pages/vues/w_StatEquipe.h"

#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/Graphe.h"
#include "controls/HotLabel.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"
#include "pages/vues/ImpressionParcours.h"
#include "platform/Dialogues.h"
#include "platform/Imprimante.h"
#include "shell/w_Principale.h"
#include "support/TestSupport.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"
#include "support_ui/VerifieDessin.h"

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

// Width and height of the first page of a PDF file, from its MediaBox.
std::pair<double, double> TaillePagePdf(const std::string& Fichier)
{
    const std::string Texte = testsupport::ReadWholeFile(Fichier);
    const size_t P = Texte.find("/MediaBox");
    if (P == std::string::npos)
        return {0, 0};
    double X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
    std::sscanf(Texte.c_str() + Texte.find('[', P) + 1, "%lf %lf %lf %lf", &X0, &Y0, &X1, &Y1);
    return {X1 - X0, Y1 - Y0};
}

using StatEquipeRoute = testsupport::FenetreSurArchive;
using testsupport::RendPng;
using testsupport::TDialoguesScriptes;

// Answers the team chooser with position `equipe`.
void ChoisitEquipe(TDialoguesScriptes& Dialogues, int equipe)
{
    Dialogues.Repond([equipe](QDialog& d) {
        auto& choix = dynamic_cast<Tf_ChoixEquipe&>(d);
        for (size_t i = 0; i < choix.Cases.size(); ++i)
            choix.Cases[i]->SetChecked(static_cast<int>(i) == equipe);
        d.done(ResultatModal::Ok);
    });
}

} // namespace

TEST_F(StatEquipeRoute, ChooserKeptPageHistoryAndLinks)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    TSaison* Saison = Fenetre->GetSaison();
    // The first day played: 2 - 1 in its first match.
    TDonneesChampionnat* Champ = Saison->GetChampCourant();
    Champ->GetMatch(1, 1)->SetScore(0, 2);
    Champ->GetMatch(1, 1)->SetScore(1, 1);
    Champ->JourneeJouee = 1;
    const size_t Historique = Fenetre->GetPrecedents().size();

    // Cancel in the chooser shows nothing and records nothing.
    Dialogues.RepondResultat(ResultatModal::Annuler);
    Fenetre->ExecuteCommande(121, -1);
    EXPECT_EQ(dynamic_cast<Tf_StatEquipe*>(Fenetre->GetPageCourante()), nullptr);
    EXPECT_EQ(Fenetre->GetPrecedents().size(), Historique);

    ChoisitEquipe(Dialogues, 0);
    ASSERT_TRUE(Fenetre->ExecuteCommande(121, -1));
    auto* Page = dynamic_cast<Tf_StatEquipe*>(Fenetre->GetPageCourante());
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->GetOnglet(), 1);
    EXPECT_EQ(Page->GetEquipe(), 0);
    EXPECT_EQ(Page->Label14->text().toStdString(), Saison->GetNomEquipeChamp(0));
    ASSERT_FALSE(Page->LignesMatch.empty());
    EXPECT_TRUE(Page->Imprimable());

    // A match line asks for the scorers sheet with its tag.
    int Code = 0, Param = 0;
    Page->OnNavigation = [&](int c, int p, int) { Code = c, Param = p; };
    THotLabel* Ligne = Page->LignesMatch.front();
    Ligne->OnClick();
    EXPECT_EQ(Code, 14);
    EXPECT_EQ(Param, Ligne->property("Tag").toInt());

    // Another team while the page is shown: the same page object, refreshed.
    ASSERT_TRUE(Fenetre->ExecuteCommande(128, 1));
    EXPECT_EQ(Fenetre->GetPageCourante(), Page);
    EXPECT_EQ(Page->GetEquipe(), 1);
    EXPECT_EQ(Page->GetOnglet(), 5);

    // Back then forward: the same team without asking.
    Fenetre->Precedent->trigger();
    Fenetre->Suivant->trigger();
    auto* Revue = dynamic_cast<Tf_StatEquipe*>(Fenetre->GetPageCourante());
    ASSERT_NE(Revue, nullptr);
    EXPECT_EQ(Revue->GetEquipe(), 1);

    // The tabs at 800 x 600, on a page of their own.
    Champ->GetButeursJournee(1)->Ajoute(
        std::make_unique<TDonneesEvt>(1, static_cast<uint16_t>(Champ->GetEquipe(0)), uint16_t{50}));
    Champ->SetAffluence(1, 1, 12345);
    Tf_StatEquipeEx Seule;
    Seule.Saison = Saison;
    Seule.AppDir = Page->AppDir;
    Seule.SetEquipe(0);
    Seule.Rafraichir();
    // A goal at minute 50: band 4, slice 11; clicking twice shows the goals scored again.
    EXPECT_EQ(Seule.GraphBarre1->GetPoint(0, 4), 1);
    EXPECT_EQ(Seule.GraphBarre2->GetPoint(0, 11), 1);
    Seule.b_ChangeButClick();
    EXPECT_EQ(Seule.GraphBarre1->GetPoint(0, 4), 0);
    EXPECT_EQ(Seule.b_ChangeBut->property("Tag").toInt(), 2);
    Seule.b_ChangeButClick();
    EXPECT_EQ(Seule.b_ChangeBut->property("Tag").toInt(), 1);
    EXPECT_EQ(Seule.b_ChangeBut->Caption(), Traduit(3283));
    EXPECT_EQ(Seule.TitreButs->text().toStdString(), Traduit(135));
    Seule.resize(800, 600);
    Seule.show();
    QCoreApplication::processEvents();
    for (int Onglet : {1, 2, 3, 5, 7, 8}) {
        Seule.AfficheOnglet(Onglet);
        QCoreApplication::processEvents();
        RendPng(Seule, "StatEquipe-onglet" + std::to_string(Onglet));
    }

    // The standings boxes print their lines where the page shows them: the
    // first line in the box's top part, the last one lower down.
    Seule.AfficheOnglet(2);
    QCoreApplication::processEvents();
    const auto& Lignes = Seule.LignesClassement[0];
    EXPECT_EQ(Lignes[0]->text().toStdString().rfind(Traduit(856) + " : ", 0), 0u);
    for (const QLabel* L : Lignes)
        EXPECT_FALSE(L->text().isEmpty());
    QImage Feuille(600, 600, QImage::Format_RGB32);
    Feuille.fill(Qt::white);
    {
        QPainter P(&Feuille);
        Seule.BoitesClassement[0]->ImprimeLabels(P, Feuille.rect());
    }
    const auto Encre = [&](int Y0, int Y1) {
        int N = 0;
        for (int Y = Y0; Y < Y1; ++Y)
            for (int X = 10; X < Feuille.width() - 10; ++X)
                N += qGray(Feuille.pixel(X, Y)) < 128;
        return N;
    };
    const double Echelle = 600.0 / Seule.BoitesClassement[0]->height();
    const int Haut = static_cast<int>(Lignes[0]->y() * Echelle) + 5;
    const int Bas = static_cast<int>(Lignes[5]->y() * Echelle) + 5;
    EXPECT_GT(Encre(Haut, Haut + 10), 0) << "the place line";
    EXPECT_GT(Encre(Bas, std::min(Bas + 10, 590)), 0) << "the goals-against line";
    RendPng(Seule, "StatEquipe-onglet2-boites");

    // The attendance chart's hover box: over a home point, the match and its
    // figure, kept inside the chart; away from every point, hidden.
    Seule.AfficheOnglet(5);
    QCoreApplication::processEvents();
    TGraphLigne& Spect = *Seule.GraphSpect;
    QPoint Sur(-1, -1);
    for (int Y = 0; Y < Spect.height() && Sur.x() < 0; ++Y)
        for (int X = 0; X < Spect.width() && Sur.x() < 0; ++X) {
            int Serie = 0;
            if (const TPointCourbe* Pt = Spect.PointA(X, Y, Serie); Pt != nullptr && Pt->X == 1)
                Sur = QPoint(X, Y);
        }
    ASSERT_GE(Sur.x(), 0) << "the first day's home attendance is drawn";
    Spect.OnMouseMove(Sur.x(), Sur.y());
    const std::string Survol = Seule.FondCopie21->text().toStdString();
    EXPECT_TRUE(Seule.FondCopie21->isVisible());
    EXPECT_EQ(Survol.rfind(Saison->GetNomEquipeChamp(0) + " - ", 0), 0u) << Survol;
    EXPECT_NE(Survol.find("\n12345"), std::string::npos) << Survol;
    EXPECT_LE(Seule.FondCopie21->geometry().right(), Spect.width());
    RendPng(Seule, "StatEquipe-onglet5-survol");
    Spect.OnMouseMove(0, 0);
    EXPECT_FALSE(Seule.FondCopie21->isVisible());

    // The route prints on a portrait page, the standings figures on a landscape one.
    for (int Onglet : {1, 2}) {
        Seule.AfficheOnglet(Onglet);
        const std::string Pdf = Fichier + std::to_string(Onglet) + ".pdf";
        testsupport::TReleveDessin Releve;
        {
            TImprimantePdf Imprimante(Pdf);
            Seule.Imprime();
        }
        // The standings' three charts look alike: each is printed under its title.
        for (const QLabel* Titre : Seule.TitresGraphes)
            EXPECT_EQ(
                std::count_if(Releve.Papier.begin(), Releve.Papier.end(),
                              [&](const testsupport::TTracePeint& T) { return T.Texte && T.Libelle == Titre->text(); }),
                Onglet == 2 ? 1 : 0)
                << Titre->text().toStdString();
        const auto [Largeur, Hauteur] = TaillePagePdf(Pdf);
        ASSERT_GT(Largeur, 0);
        EXPECT_EQ(Largeur < Hauteur, Onglet == 1) << Onglet;
    }
    Seule.AfficheOnglet(7);
    EXPECT_FALSE(Seule.Imprimable());
}

TEST_F(StatEquipeRoute, AChampionshipWithoutTeamsSaysSo)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    Fenetre->GetSaison()->GetChampCourant()->SetNbEquipe(0);
    Fenetre->ExecuteCommande(121, -1);
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, Traduit(294));
    EXPECT_EQ(dynamic_cast<Tf_StatEquipe*>(Fenetre->GetPageCourante()), nullptr);
}

// The route on a sheet at 1200 dots an inch: short lines keep the print size,
// a club name no sheet holds makes the columns smaller down to the readable
// floor only, and its line is cut there rather than run into the next column.
TEST(ImpressionParcours, LesColonnesRapetissentJusquAuPlancherPuisCoupent)
{
    const QString Longue = QString("Association Sportive Éléphants de la Vallée du Grand Pré Or ").repeated(3);
    for (const bool Trop : {false, true}) {
        SCOPED_TRACE(Trop);
        std::vector<TColonneParcours> Colonnes(2);
        Colonnes[0].Titre = "Matchs à domicile";
        Colonnes[1].Titre = "Matchs à l'extérieur";
        for (int I = 0; I < 19; ++I) {
            Colonnes[0].Lignes.push_back(QString("Auxerre - Lens : %1 - 0").arg(I));
            Colonnes[1].Lignes.push_back(I == 4 && Trop ? Longue : QString("Brest - Auxerre : 1 - %1").arg(I));
        }
        QImage Feuille(9000, 12000, QImage::Format_RGB32);
        Feuille.setDotsPerMeterX(47244);
        Feuille.setDotsPerMeterY(47244);
        Feuille.fill(Qt::white);
        testsupport::TReleveDessin Releve;
        Releve.Feuille(Feuille);
        {
            QPainter P(&Feuille);
            QFont Police = P.font();
            Police.setPointSize(14);
            P.setFont(Police);
            ImprimeParcours(P, Feuille.rect(), Colonnes);
        }
        int Textes = 0;
        for (const testsupport::TTracePeint& T : Releve.Papier) {
            if (!T.Texte)
                continue;
            ++Textes;
            EXPECT_NEAR(T.Points, Trop ? 6.0 : 14.0, 0.1) << T.Libelle.toStdString();
            EXPECT_EQ(T.Libelle.endsWith(QString::fromUtf8("\u2026")), Trop && T.Libelle.startsWith("Association"));
        }
        EXPECT_EQ(Textes, 40);
        std::string Defauts;
        for (const std::string& D : testsupport::VerifiePapier(Releve, ""))
            Defauts += D + "\n";
        EXPECT_TRUE(Defauts.empty()) << Defauts;
    }
}
