#pragma once

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "pagebase/DefType.h"
#include "pages/Pages.h"
#include "pages/vues/SaisonVues.h"
#include "support_ui/FaussePrincipale.h"

#include <gtest/gtest.h>

namespace testsupport {

// A view page of class P run through its commands on a stand-in main window:
// the ten-club league with six days played (current) and the three-club cup
// of id 8, the French texts. Commande shows the page at 640 x 560.
template <class P> class TPageVuesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        EnregistrePages();
        auto Saison = CreeSaisonVues(6);
        AjouteCoupeTroisClubs(*Saison);
        Principale.SetSaison(std::move(Saison));
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    P* Commande(int Code)
    {
        const TCommandePage* f = CommandePage(Code);
        EXPECT_NE(f, nullptr);
        if (f != nullptr)
            (*f)(Principale, Code, 0, 0);
        auto* Page = dynamic_cast<P*>(Principale.GetPageCourante());
        if (Page != nullptr && !Page->isVisible()) {
            Page->resize(640, 560);
            Page->show();
        }
        return Page;
    }

    TFaussePrincipale Principale;
};

} // namespace testsupport
