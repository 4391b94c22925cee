#pragma once
// What the tests of the real main window share: a display of a chosen size and
// a copy of the program folder to start the window in.

#include "platform/Ecran.h"

#include <filesystem>
#include <string>

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

} // namespace testsupport
