// The players, line-ups and club tabs of the team statistics page, from the
// main window on a season with line-ups.

#include "controls/ColorStringGrid.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "pages/vues/w_StatEquipe.h"
#include "platform/Imprimante.h"
#include "shell/w_Principale.h"
#include "support/SaisonTempsJeu.h"
#include "support/TestSupport.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
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
    EXPECT_EQ(Page->sg_Composition->width(), 710);
    EXPECT_EQ(Page->sg_Composition->height(), 20 * 15 + 50);
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
