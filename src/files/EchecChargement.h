#pragma once

// Why a file could not be loaded, as the user is told.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

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

// The first bytes of a file, read to tell why it cannot be loaded: up to
// `taille` of them go to `debut`, and `lus` says how many came. Illisible,
// with the system's error number, when the system will not open or read it;
// no cause otherwise.
TEchecChargement LitDebutFichier(const std::string& nomFichier, char* debut, std::size_t taille, std::size_t& lus);

// What an error raised while a file was read says of the file: its end came
// too early, memory ran out, the device failed, or its content is damaged.
TEchecChargement EchecDeException(const std::exception_ptr& erreur);
