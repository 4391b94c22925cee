// The players, line-ups and club tabs of the team statistics page, from the
// main window on a season with line-ups.

#include "controls/ColorStringGrid.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pages/vues/w_StatEquipe.h"
#include "platform/Imprimante.h"
#include "shell/w_Principale.h"
#include "support/SaisonTempsJeu.h"
#include "support/TestSupport.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QCoreApplication>
#include <QScrollArea>
#include <gtest/gtest.h>

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
