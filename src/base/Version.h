#pragma once

// The program's version ("7.56"), as the title bar and the about box show it and
// the update check sends it.
const char* VersionProgramme();
