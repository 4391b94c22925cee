#pragma once

// Whole-file reads and writes for the small files of the program folder
// (catalogues, pictures).

#include <cstdint>
#include <string>

// Reads the whole file into Octets; false when it cannot be read or is larger
// than MaxOctets (Octets is then left empty).
bool LitFichierBorne(const std::string& Fichier, uintmax_t MaxOctets, std::string& Octets);

// Writes Octets beside Fichier first and then moves the result over it, so a
// failed write leaves any previous file whole. The folder is created when
// missing.
bool EcritFichierRemplace(const std::string& Fichier, const std::string& Octets);

// Makes Dossier with its parents; when it cannot be made the user is told,
// with the folder's name, and the answer is false.
bool CreeDossierSignale(const std::string& Dossier);
