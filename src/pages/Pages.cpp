#include "pages/Pages.h"

void EnregistrePages()
{
    // One line per page unit: EnregistrePagesXxx();
}
