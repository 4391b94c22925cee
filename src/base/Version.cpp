#include "base/Version.h"

const char* VersionProgramme()
{
    return BREVALUNE_VERSION;
}
