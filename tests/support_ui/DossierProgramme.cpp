#include "support_ui/DossierProgramme.h"

#include "base/Utilities.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace testsupport {

void CopieDossierProgramme(const fs::path& dossier)
{
    for (const char* nom : {"texte", "config", "stats", "blasons", "pict", "sauvegarde", "aide", "Data"})
        if (fs::exists(AppDir() + nom))
            fs::copy(AppDir() + nom, dossier / nom, fs::copy_options::recursive);
    WriteWholeFile(dossier / "brevalune.ini", "[General]\nLangue=fr\nShowAstuce=0\n");
}

} // namespace testsupport
