#pragma once
// The real main window, with the program's own cards, started on a copy of the
// program folder, with a season (the four-team league unless a fixture says
// otherwise) saved as "saison.xmc" in it, scripted dialogs and messages, the
// progress form and "today" fixed at 20 September 2024.

#include "base/Horloge.h"
#include "model/SaisonFoot.h"
#include "shell/w_EtatSauve.h"
#include "shell/w_Principale.h"
#include "support/MessagesScriptes.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/DossierProgramme.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace testsupport {

class FenetreSurArchive : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The season written into the archive.
    virtual std::unique_ptr<TSaisonFootball> SaisonArchivee() const;

    // Starts the window and opens the archive in it.
    void DemarreSurArchive();
    // Runs a command through the window and gives the page it shows, when of that class.
    template <class P> P* PageDe(int code, int param = 0)
    {
        EXPECT_TRUE(Fenetre->ExecuteCommande(code, param));
        return dynamic_cast<P*>(Fenetre->GetPageCourante());
    }

    TempDir Dossier;
    TDialoguesScriptes Dialogues;
    TMessagesScriptes Messages;
    TEcranFixe Ecran;
    TEtatSauveQt EtatSauve;
    std::filesystem::path AncienDossier;
    std::shared_ptr<THorloge> AncienneHorloge;
    std::unique_ptr<Tf_Principale> Fenetre;
    std::string Fichier;
};

} // namespace testsupport
