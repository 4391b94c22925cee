#pragma once

// The program's version, as the update check sends it and the about box shows it.
const char* VersionProgramme();
