#include "pages/Pages.h"

#include "pages/saisie/w_Resultats.h"
#include "shell/w_Favoris.h"

void EnregistrePages()
{
    // One line per page unit: EnregistrePagesXxx();
    EnregistrePagesSaisie();
    EnregistreCommandesMenu();
}
