#pragma once
// What the tests of the real main window share: a display of a chosen size and
// a copy of the program folder to start the window in.

#include "platform/Ecran.h"

#include <filesystem>
#include <string>

class Tf_Principale;

namespace testsupport {

// The display the start-up checks see, for the life of the object.
class TEcranFixe : public TServiceEcran {
public:
    TEcranFixe() : FAncien(InstalleEcran(this)) {}
    ~TEcranFixe() override { InstalleEcran(FAncien); }
    TEcranFixe(const TEcranFixe&) = delete;
    TEcranFixe& operator=(const TEcranFixe&) = delete;
    TInfoEcran Info() override { return Valeur; }
    TInfoEcran Valeur{32, 1280, 1024};

private:
    TServiceEcran* FAncien;
};

// Copies the folders of the program folder the main window reads into
// `dossier` and writes a settings file in French that shows no tip of the day.
void CopieDossierProgramme(const std::filesystem::path& dossier);

// Reads a season file of the program folder straight through the file
// dispatcher and puts it in the window, opened and unmodified, on its first
// championship; false when the file cannot be read.
bool MetSaisonDansFenetre(Tf_Principale& fenetre, const std::string& fichier);

} // namespace testsupport
