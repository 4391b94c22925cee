#include "files/EchecChargement.h"

#include "files/ioFile.h"

#include <cerrno>
#include <cstdio>
#include <new>

TEchecChargement LitDebutFichier(const std::string& nomFichier, char* debut, std::size_t taille, std::size_t& lus)
{
    lus = 0;
    errno = 0;
    std::FILE* f = std::fopen(nomFichier.c_str(), "rb");
    if (f == nullptr)
        return {TCauseChargement::Illisible, errno};
    lus = std::fread(debut, 1, taille, f);
    // A folder opens, and refuses its first read (EISDIR).
    const int erreur = std::ferror(f) != 0 ? (errno != 0 ? errno : EIO) : 0;
    std::fclose(f);
    if (erreur != 0)
        return {TCauseChargement::Illisible, erreur};
    return {};
}

TEchecChargement EchecDeException(const std::exception_ptr& erreur)
{
    try {
        if (erreur)
            std::rethrow_exception(erreur);
    } catch (const EFinFichier&) {
        return {TCauseChargement::Tronque, 0};
    } catch (const EErreurFichier&) {
        return {TCauseChargement::Illisible, 0};
    } catch (const std::bad_alloc&) {
        // Not the file's fault: the same file may open once memory is freed.
        return {TCauseChargement::Illisible, ENOMEM};
    } catch (...) {
    }
    return {TCauseChargement::Endommage, 0};
}
