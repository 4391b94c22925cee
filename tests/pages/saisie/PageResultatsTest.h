#pragma once
// The results page opened by its command on a fake main window, with the
// French texts and a fixed "today" (15 March 2024).

#include "base/Horloge.h"
#include "base/oTraducteur.h"
#include "pagebase/DefType.h"
#include "pages/Pages.h"
#include "pages/saisie/w_Resultats.h"
#include "support_ui/FaussePrincipale.h"

#include <gtest/gtest.h>

#include <memory>

class PageResultatsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>("texte/Textefr.txt"));
        Ancienne = InstalleHorloge(std::make_shared<THorlogeFixe>(TDateHeure{2024, 3, 15}));
        EnregistrePages();
    }
    void TearDown() override
    {
        InstalleHorloge(Ancienne);
        InstalleTraducteur(nullptr);
    }
    Tf_Resultats* Ouvre(testsupport::TFaussePrincipale& principale)
    {
        const TCommandePage* commande = CommandePage(13);
        EXPECT_NE(commande, nullptr);
        if (commande == nullptr)
            return nullptr;
        (*commande)(principale, 13, 0, 0);
        auto* page = dynamic_cast<Tf_Resultats*>(principale.GetPageCourante());
        EXPECT_NE(page, nullptr);
        return page;
    }
    std::shared_ptr<THorloge> Ancienne;
};
