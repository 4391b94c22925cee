#pragma once

// Why a file could not be loaded, as the user is told.

#include <cstdint>

enum class TCauseChargement : uint8_t {
    Aucune,        // loaded
    Illisible,     // the system refused to read it: Erreur says why
    PasUneArchive, // not a ZIP archive at all
    Tronque,       // an archive, or a document, whose end is missing
    PasUneSaison,  // readable, but holds no season this program reads
    Endommage,     // a season whose content does not hold together
    Occupe,        // another load or save was running
};

struct TEchecChargement {
    TCauseChargement Cause = TCauseChargement::Aucune;
    int Erreur = 0; // the system's error number, with Illisible; 0 when unknown

    bool operator==(const TEchecChargement&) const = default;
};
