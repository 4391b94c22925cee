// The players, line-ups and club tabs of the team statistics page, from the
// main window on a season with line-ups.

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "files/Blasons.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "pagebase/w_blasons.h"
#include "pages/fiches/w_FicheEntraineur.h"
#include "pages/fiches/w_FicheStade.h"
#include "pages/vues/w_StatEquipe.h"
#include "platform/Imprimante.h"
#include "shell/w_Principale.h"
#include "support/ImagesTest.h"
#include "support/SaisonTempsJeu.h"
#include "support/TestSupport.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <gtest/gtest.h>
#include <regex>

namespace {

struct StatEquipeJoueurs : testsupport::FenetreSurArchive {
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        return std::make_unique<testsupport::SaisonTempsJeu>();
    }
    // Runs a command of the page on team position `Equipe`; the page shown.
    Tf_StatEquipe* Commande(int Code, int Equipe)
    {
        if (!Fenetre->ExecuteCommande(Code, Equipe))
            return nullptr;
        return dynamic_cast<Tf_StatEquipe*>(Fenetre->GetPageCourante());
    }
};

// The pages of a PDF file and whether the first is portrait.
std::pair<int, bool> PagesPdf(const std::string& Fichier)
{
    const std::string Texte = testsupport::ReadWholeFile(Fichier);
    const std::regex Page("/Type\\s*/Page[^s]");
    const int N = static_cast<int>(std::distance(std::sregex_iterator(Texte.begin(), Texte.end(), Page), {}));
    double X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
    const size_t P = Texte.find("/MediaBox");
    if (P != std::string::npos)
        std::sscanf(Texte.c_str() + Texte.find('[', P) + 1, "%lf %lf %lf %lf", &X0, &Y0, &X1, &Y1);
    return {N, X1 - X0 < Y1 - Y0};
}

TEST_F(StatEquipeJoueurs, PlayersTabRankingsCardPopupAndPrinting)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    int Ouvert = -1, Mode = 0;
    bool Reponse = false, Changee = false;
    EnregistreFicheJoueur([&](TSaison& S, int, TJoueur*& Joueur, int M, bool* Change) {
        Ouvert = Joueur->Numero;
        Mode = M;
        if (Reponse && Changee) {
            Joueur->Nom = "Zidane";
            S.Joueurs().ChangeEquipe(Joueur, nullptr);
        }
        if (Change)
            *Change = Reponse && Changee;
        return Reponse;
    });
    Tf_StatEquipe* Page = Commande(125, 0);
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->GetOnglet(), 4);
    // Scorers 9 (two goals) and 10; the assist of 8; 5 warned; 3, 4 and 13 sent off.
    ASSERT_EQ(Page->sg_Buteur->GetRowCount(), 3);
    EXPECT_EQ(Page->sg_Buteur->GetTexte(3, 1), "9");
    EXPECT_EQ(Page->sg_Buteur->GetTexte(2, 1), "2");
    EXPECT_EQ(Page->sg_Buteur->GetTexte(3, 2), "10");
    EXPECT_EQ(Page->sg_Passeur->GetTexte(3, 1), "8");
    EXPECT_EQ(Page->sg_Averti->GetTexte(3, 1), "5");
    EXPECT_EQ(Page->sg_Exclus->GetRowCount(), 4);
    Fenetre->resize(1100, 800);
    QCoreApplication::processEvents();
    testsupport::RendPng(*Fenetre, "StatEquipe-joueurs");
    EXPECT_EQ(Page->sg_Averti->x(), Page->sg_Buteur->x() + Page->sg_Buteur->width() + 8);
    EXPECT_EQ(Page->sg_Passeur->y(), Page->sg_Buteur->y() + Page->sg_Buteur->height() + 20);

    // The card on the player of column 3, in the mode of his team.
    CompteurModification = 0;
    ASSERT_TRUE(Page->sg_Buteur->SelectionneCellule(1, 1));
    Page->sg_Buteur->OnDblClick();
    EXPECT_EQ(Ouvert, 9);
    EXPECT_EQ(Mode, 0x30000 + testsupport::SaisonTempsJeu::Lyon);
    EXPECT_EQ(CompteurModification, 0) << "cancelled";
    Reponse = true;
    Page->sg_Buteur->OnDblClick();
    EXPECT_EQ(CompteurModification, 0) << "OK without a change";
    Changee = true;
    Page->sg_Buteur->OnDblClick();
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_NE(Page->sg_Buteur->GetTexte(1, 1).find("Zidane"), std::string::npos) << "the grid filled again";
    EnregistreFicheJoueur(nullptr);

    // Each grid's popup asks for its full ranking.
    std::vector<int> Codes;
    Page->OnNavigation = [&](int Code, int Param, int) {
        Codes.push_back(Code);
        EXPECT_EQ(Param, 0);
    };
    for (TColorStringGrid* G : {Page->sg_Buteur, Page->sg_Passeur, Page->sg_Averti, Page->sg_Exclus}) {
        emit G->customContextMenuRequested(QPoint(5, 5));
        Page->pm_VoirClassement->hide();
        Page->mi_ClassementComplet->trigger();
    }
    EXPECT_EQ(Codes, (std::vector<int>{66, 71, 67, 68}));

    // One portrait page holding the four grids.
    EXPECT_TRUE(Page->Imprimable());
    const std::string Pdf = Fichier + "-joueurs.pdf";
    {
        TImprimantePdf Imprimante(Pdf);
        Page->Imprime();
    }
    EXPECT_EQ(PagesPdf(Pdf), std::make_pair(1, true));
}

TEST_F(StatEquipeJoueurs, LineUpsTabShowsThePlayingTimeGrid)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    Tf_StatEquipe* Page = Commande(129, 0);
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->GetOnglet(), 6);
    EXPECT_FALSE(Page->sg_Composition->isHidden());
    ASSERT_EQ(Page->sg_Composition->GetRowCount(), 15);
    EXPECT_EQ(Page->sg_Composition->GetTexte(1, 1), "J01");
    EXPECT_EQ(Page->sg_Composition->height(), 20 * 15 + 50);
    // Every heading whole in its column ("Minutes par match" was cut to its
    // middle), the grid as wide as its columns; in English too.
    auto VerifieTitres = [](const Tf_StatEquipe& P, const std::string& Langue) {
        const TColorStringGrid& G = *P.sg_Composition;
        const QFontMetrics Mesure(G.font());
        for (int C = 0; C < G.GetColCount(); ++C)
            EXPECT_LE(Mesure.horizontalAdvance(QString::fromStdString(G.GetTexte(C, 0))) + 4, G.GetLargeurColonne(C))
                << Langue << " \"" << G.GetTexte(C, 0) << "\"";
        EXPECT_GE(G.width(), G.LargeurContenu()) << Langue;
        EXPECT_GE(G.width(), 710) << Langue;
    };
    VerifieTitres(*Page, "fr");
    const std::string Francais = Traducteur()->GetNomFichier();
    InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Texteen.txt"));
    Page->AfficheTempsJeu();
    EXPECT_EQ(Page->sg_Composition->GetTexte(8, 0), Traduit(174));
    VerifieTitres(*Page, "en");
    InstalleTraducteur(std::make_unique<TTraducteur>(Francais));
    Page->AfficheTempsJeu();
    Fenetre->resize(1100, 800);
    QCoreApplication::processEvents();
    testsupport::RendPng(*Fenetre, "StatEquipe-composition");

    EXPECT_TRUE(Page->Imprimable());
    const std::string Pdf = Fichier + "-composition.pdf";
    {
        TImprimantePdf Imprimante(Pdf);
        Page->Imprime();
    }
    EXPECT_GT(testsupport::ReadWholeFile(Pdf).size(), 0u);

    // A team without players hides the grid.
    ASSERT_EQ(Commande(129, 1), Page);
    EXPECT_TRUE(Page->sg_Composition->isHidden());
}

} // namespace

namespace {

struct StatEquipeClub : StatEquipeJoueurs {
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        return std::make_unique<testsupport::SaisonClub>();
    }
};

TEST_F(StatEquipeClub, ClubTabSavesTheRecordAndOpensTheCards)
{
    // A crest catalogue of one team, its picture twice as high as wide.
    std::filesystem::create_directory(Dossier / "blasons");
    testsupport::WriteWholeFile(Dossier / "blasons" / "blasons.txt", "1-0-France#1002-1-Lyon#");
    ASSERT_TRUE(TBlasons(Dossier.str()).EnregistreImage(1002, testsupport::ImageUnie(8, 16, 200, 0, 0)));
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    Tf_StatEquipe* Page = Commande(131, 0);
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->GetOnglet(), 9);
    TSaison& Saison = *Fenetre->GetSaison();
    using S = testsupport::SaisonClub;
    // No record yet: budget 0, the first entries; the lists "name (city)" and full names.
    EXPECT_EQ(Page->e_Budget->text(), "0");
    EXPECT_EQ(Page->cb_Stade->currentIndex(), 0);
    EXPECT_EQ(Page->cb_Stade->itemText(0).toStdString(), Traduit(108));
    EXPECT_EQ(Page->cb_Stade->itemText(1), "Gerland (Lyon)");
    ASSERT_EQ(Page->cb_Entraineur->count(), 3);

    // "Fiche" without a club record does nothing.
    CompteurModification = 0;
    Page->cb_Stade->setCurrentIndex(1);
    Page->bc_FicheStadeClick();
    Page->cb_Entraineur->setCurrentIndex(1);
    Page->b_FicheEntrClick();
    EXPECT_TRUE(Dialogues.TitresFormes.empty());

    // The first save creates the record with every field.
    Page->e_DateCreation->setText("1950");
    Page->e_Budget->setText("abc");
    Page->e_siteInternet->setText("www.ol.fr");
    Page->m_Palmares->setPlainText("7 titres");
    const int Homonyme = Page->cb_Entraineur->findData(2);
    Page->cb_Entraineur->setCurrentIndex(Homonyme);
    Page->bc_ModifierClick();
    EXPECT_EQ(CompteurModification, 1);
    const TRensClub* R = Saison.RensClubs().ChercheEquipe(S::Lyon);
    ASSERT_NE(R, nullptr);
    EXPECT_EQ(R->Budget, 0);
    EXPECT_EQ(R->Creation, "1950");
    EXPECT_EQ(R->Palmares, "7 titres");
    EXPECT_EQ(R->NumeroEntraineur, 2);
    EXPECT_EQ(R->CodeStade, Saison.Stades().Get(0)->Code);
    // Of the two coaches named alike, the record's own is selected.
    Page->RemplitInfoAdmin();
    EXPECT_EQ(Page->cb_Entraineur->currentIndex(), Homonyme);

    // "Fiche" on the first entry does nothing; on the stadium it opens its card.
    Page->cb_Stade->setCurrentIndex(0);
    Page->bc_FicheStadeClick();
    EXPECT_TRUE(Dialogues.TitresFormes.empty());
    Dialogues.Repond([](QDialog& D) {
        auto& F = dynamic_cast<Tf_FicheStade&>(D);
        F.e_NomStade->setText("Gerland II");
        F.b_ValiderClick();
    });
    Page->cb_Stade->setCurrentIndex(1);
    Page->bc_FicheStadeClick();
    EXPECT_EQ(Page->cb_Stade->currentText(), "Gerland II");
    EXPECT_EQ(CompteurModification, 1);

    // A new stadium shows its name alone; the refilled list names its city.
    CompteurModification = 0;
    Dialogues.Repond([](QDialog& D) {
        auto& F = dynamic_cast<Tf_FicheStade&>(D);
        F.e_NomStade->setText("Velodrome");
        F.e_Ville->setText("Marseille");
        F.b_ValiderClick();
    });
    Page->bc_CreeStadeClick();
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_EQ(Page->cb_Stade->currentText(), "Velodrome");
    EXPECT_EQ(Page->cb_Stade->count(), 3);
    // A cancelled card changes nothing.
    CompteurModification = 0;
    Dialogues.RepondResultat(ResultatModal::Annuler);
    Page->b_CreeEntrClick();
    EXPECT_EQ(CompteurModification, 0);
    EXPECT_EQ(Page->cb_Entraineur->count(), 3);
    Dialogues.Repond([](QDialog& D) {
        auto& F = dynamic_cast<Tf_FicheEntraineur&>(D);
        F.e_Nom->setText("Garcia");
        F.e_Prenom->setText("Rudi");
        F.b_ValiderClick();
    });
    Page->b_CreeEntrClick();
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_EQ(Page->cb_Entraineur->currentText(), "Garcia Rudi");
    Page->bc_ModifierClick();
    Page->RemplitInfoAdmin();
    EXPECT_EQ(Page->cb_Stade->currentText(), "Velodrome (Marseille)");
    EXPECT_EQ(Page->cb_Entraineur->currentText(), "Garcia Rudi");

    // The first entries clear the stadium and the coach.
    Page->cb_Stade->setCurrentIndex(0);
    Page->cb_Entraineur->setCurrentIndex(0);
    Page->bc_ModifierClick();
    R = Saison.RensClubs().ChercheEquipe(S::Lyon);
    EXPECT_EQ(R->CodeStade, 65535);
    EXPECT_EQ(R->NumeroEntraineur, -1);

    // A crest change marks the document modified.
    CompteurModification = 0;
    Dialogues.Repond([](QDialog& D) {
        auto& Choix = dynamic_cast<Tf_Blasons&>(D);
        Choix.RemplitArbre(1002);
        Choix.bc_ChoisirClick();
    });
    Page->bc_changeLogoClick();
    EXPECT_EQ(Saison.GetLogoEquipe(S::Lyon), 1002);
    EXPECT_EQ(CompteurModification, 1);
    EXPECT_EQ(Page->pb_Logo->width(), 35);
    EXPECT_EQ(Page->pb_Logo->height(), 70);
    Fenetre->resize(1100, 800);
    QCoreApplication::processEvents();
    testsupport::RendPng(*Fenetre, "StatEquipe-club");

    // Saved and opened again, the record holds the new values.
    Page->e_President->setText("Aulas");
    Page->bc_ModifierClick();
    Fenetre->ExecuteCommande(7);
    EXPECT_EQ(CompteurModification, 0);
    ASSERT_TRUE(Fenetre->OuvreFichier(Fichier));
    const TRensClub* Relu = Fenetre->GetSaison()->RensClubs().ChercheEquipe(S::Lyon);
    ASSERT_NE(Relu, nullptr);
    EXPECT_EQ(Relu->President, "Aulas");
    EXPECT_EQ(Relu->Palmares, "7 titres");
    EXPECT_EQ(Fenetre->GetSaison()->GetLogoEquipe(S::Lyon), 1002);
}

} // namespace
