#include "support_ui/DossierProgramme.h"

#include "base/Utilities.h"
#include "model/SaisonFoot.h"
#include "shell/w_Principale.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"

#include <memory>

namespace fs = std::filesystem;

namespace testsupport {

void CopieDossierProgramme(const fs::path& dossier)
{
    for (const char* nom : {"texte", "config", "stats", "blasons", "pict", "sauvegarde", "aide", "Data"})
        if (fs::exists(AppDir() + nom))
            fs::copy(AppDir() + nom, dossier / nom, fs::copy_options::recursive);
    WriteWholeFile(dossier / "brevalune.ini", "[General]\nLangue=fr\nShowAstuce=0\n");
}

bool MetSaisonDansFenetre(Tf_Principale& fenetre, const std::string& fichier)
{
    std::unique_ptr<TSaison> saison = ChargeParDispatcheur(fichier);
    // As every road that replaces the season, through the page's gate.
    if (!saison || !fenetre.PeutQuitterPage())
        return false;
    fenetre.RemplaceSaison(std::move(saison));
    fenetre.SetEtatFichier(true, false);
    fenetre.ChangeChampionnat();
    return true;
}

} // namespace testsupport
