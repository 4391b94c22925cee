#include "files/Fichiers.h"

#include "base/Disque.h"
#include "base/ServiceMessage.h"
#include "base/oTraducteur.h"

#include <filesystem>
#include <fstream>
#include <new>
#include <system_error>

bool LitFichierBorne(const std::string& Fichier, uintmax_t MaxOctets, std::string& Octets)
{
    Octets.clear();
    std::error_code Erreur;
    if (!std::filesystem::is_regular_file(Fichier, Erreur))
        return false;
    const uintmax_t Taille = std::filesystem::file_size(Fichier, Erreur);
    if (Erreur || Taille > MaxOctets)
        return false;
    std::ifstream Flux(Fichier, std::ios::binary);
    if (!Flux)
        return false;
    try {
        Octets.assign(static_cast<size_t>(Taille), '\0');
    } catch (const std::bad_alloc&) {
        return false;
    }
    Flux.read(Octets.data(), static_cast<std::streamsize>(Taille));
    // A file that shrank meanwhile gives what was there.
    Octets.resize(static_cast<size_t>(Flux.gcount()));
    if (Flux.bad()) {
        Octets.clear();
        return false;
    }
    return true;
}

bool EcritFichierRemplace(const std::string& Fichier, const std::string& Octets)
{
    namespace fs = std::filesystem;
    std::error_code Erreur;
    const fs::path Chemin(Fichier);
    if (Chemin.has_parent_path())
        fs::create_directories(Chemin.parent_path(), Erreur);
    return RemplaceFichier(Fichier, Octets);
}

bool CreeDossierSignale(const std::string& Dossier)
{
    constexpr int TexteDossierImpossible = 2343;
    std::error_code Erreur;
    std::filesystem::create_directories(std::filesystem::u8path(Dossier), Erreur);
    if (!Erreur)
        return true;
    MessageUtil(TraduitFmt(TexteDossierImpossible, {Dossier}), BoutonsMessage::Ok);
    return false;
}
