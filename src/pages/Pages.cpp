#include "pages/Pages.h"

#include "pages/fiches/w_FicheArbitre.h"
#include "pages/fiches/w_FicheJoueur.h"
#include "pages/options/w_CreationSaison.h"
#include "pages/options/w_OptionsSauve.h"
#include "pages/reglages/w_Penalite.h"
#include "pages/saisie/w_Resultats.h"
#include "pages/vues/w_Classement.h"
#include "shell/w_Favoris.h"

void EnregistrePages()
{
    // Once per run: the keyword registry keeps every registration it is given.
    static bool enregistre = false;
    if (enregistre)
        return;
    enregistre = true;
    // One line per page unit: EnregistrePagesXxx();
    EnregistrePagesSaisie();
    EnregistreCommandesMenu();
    EnregistrePagesVues();
    EnregistrePagesOptions();
    EnregistrePagesComposeur();
    EnregistrePagesReglages();
    EnregistrePagesFiches();
    EnregistrePagesFichesAutres();
}
