#include "support_ui/FenetreSurArchive.h"

#include "files/TraiteurFichier.h"
#include "pages/fiches/w_FicheArbitre.h"
#include "pages/fiches/w_FicheEntraineur.h"
#include "pages/fiches/w_FicheJoueur.h"
#include "pages/fiches/w_FicheStade.h"
#include "support/SaisonExemple.h"

namespace testsupport {

void FenetreSurArchive::SetUp()
{
    AncienDossier = std::filesystem::current_path();
    // The window registers its pages once per run, cards included, and card
    // tests replace or clear those openers: the window opens the program's own.
    EnregistrePagesFiches();
    EnregistrePagesFichesAutres();
    EnregistrePagesFicheStade();
    EnregistrePagesFicheEntraineur();
    CopieDossierProgramme(Dossier.path());
    AncienneHorloge = InstalleHorloge(std::make_shared<THorlogeFixe>(TDateHeure{2024, 9, 20}));
    Fichier = (Dossier / "saison.xmc").string();
    ASSERT_TRUE(TTraiteurFichier::SauveAvecEtat(Fichier, *SaisonArchivee(), true, "", "", nullptr, {}, false));
    Messages.ReponseParDefaut = ReponseMessage::Ok;
}

std::unique_ptr<TSaisonFootball> FenetreSurArchive::SaisonArchivee() const
{
    return CreeLigueQuatreEquipes();
}

void FenetreSurArchive::TearDown()
{
    Fenetre.reset();
    InstalleHorloge(AncienneHorloge);
    std::filesystem::current_path(AncienDossier);
}

void FenetreSurArchive::DemarreSurArchive()
{
    Fenetre = std::make_unique<Tf_Principale>(Dossier.str());
    ASSERT_EQ(Fenetre->TagApplication, 0);
    ASSERT_TRUE(Fenetre->OuvreFichier(Fichier));
}

} // namespace testsupport
