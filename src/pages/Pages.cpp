#include "pages/Pages.h"

#include "pages/saisie/w_Resultats.h"

void EnregistrePages()
{
    // One line per page unit: EnregistrePagesXxx();
    EnregistrePagesSaisie();
}
