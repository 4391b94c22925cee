#include "base/Disque.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

int TDisque::Cree(const std::string& Nom)
{
    return ::open(Nom.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

int TDisque::OuvreDossier(const std::string& Nom)
{
    return ::open(Nom.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

long TDisque::Ecrit(int Descripteur, const char* Octets, std::size_t Nombre)
{
    return static_cast<long>(::write(Descripteur, Octets, Nombre));
}

int TDisque::Synchronise(int Descripteur)
{
    return ::fsync(Descripteur);
}

int TDisque::Ferme(int Descripteur)
{
    return ::close(Descripteur);
}

int TDisque::Lie(const std::string& Existant, const std::string& Nouveau)
{
    return ::link(Existant.c_str(), Nouveau.c_str());
}

int TDisque::Renomme(const std::string& Ancien, const std::string& Nouveau)
{
    return ::rename(Ancien.c_str(), Nouveau.c_str());
}

int TDisque::Supprime(const std::string& Nom)
{
    return ::unlink(Nom.c_str());
}

namespace {

std::shared_ptr<TDisque>& Installe()
{
    static std::shared_ptr<TDisque> D;
    return D;
}

// Removes a temporary file after a failure without losing the failure's cause.
void Nettoie(TDisque& D, const std::string& Nom)
{
    const int Cause = errno;
    D.Supprime(Nom);
    errno = Cause;
}

std::string Dossier(const std::string& Nom)
{
    const std::size_t Barre = Nom.find_last_of('/');
    if (Barre == std::string::npos)
        return ".";
    return Barre == 0 ? "/" : Nom.substr(0, Barre);
}

// A name beside Nom that no file has yet, made by Faire (which answers 0 or
// -1 with errno as the system does); empty when none could be made.
template <typename F> std::string NomLibre(const std::string& Nom, F Faire)
{
    for (int Essai = 0; Essai < 100; ++Essai) {
        std::string Libre = Nom + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(Essai);
        if (Faire(Libre) == 0)
            return Libre;
        if (errno != EEXIST)
            break;
    }
    return {};
}

// A new file beside Nom holding Octets, on the disk; its name, or empty.
std::string EcritProvisoire(TDisque& D, const std::string& Nom, std::string_view Octets)
{
    int Fd = -1;
    const std::string Provisoire = NomLibre(Nom, [&](const std::string& Libre) {
        Fd = D.Cree(Libre);
        return Fd >= 0 ? 0 : -1;
    });
    if (Provisoire.empty())
        return {};
    bool Ok = true;
    while (Ok && !Octets.empty()) {
        const long N = D.Ecrit(Fd, Octets.data(), Octets.size());
        if (N < 0 && errno == EINTR)
            continue;
        Ok = N > 0;
        if (Ok)
            Octets.remove_prefix(static_cast<std::size_t>(N));
    }
    // A full disk often shows only when the system writes the file back.
    Ok = Ok && D.Synchronise(Fd) == 0;
    Ok = D.Ferme(Fd) == 0 && Ok;
    if (!Ok) {
        Nettoie(D, Provisoire);
        return {};
    }
    return Provisoire;
}

bool LitTout(const std::string& Nom, std::string& Octets)
{
    std::ifstream Flux(Nom, std::ios::binary);
    if (!Flux)
        return false;
    std::ostringstream Tout;
    Tout << Flux.rdbuf();
    if (Flux.bad())
        return false;
    Octets = std::move(Tout).str();
    return true;
}

// Keeps the file under Nom as Sauvegarde; an older backup gives way only to a
// whole new one.
bool Sauvegarde(TDisque& D, const std::string& Nom, const std::string& Sauvegarde)
{
    // Already one file (a save that failed after keeping it): a rename between
    // two names of one file does nothing and would leave the link behind.
    std::error_code Erreur;
    if (std::filesystem::equivalent(Nom, Sauvegarde, Erreur))
        return true;
    std::string Provisoire = NomLibre(Sauvegarde, [&](const std::string& Libre) { return D.Lie(Nom, Libre); });
    if (Provisoire.empty()) {
        if (errno == ENOENT)
            return true; // nothing to keep yet
        // A file system without hard links: a copy does.
        std::string Octets;
        if (!LitTout(Nom, Octets))
            return false;
        Provisoire = EcritProvisoire(D, Sauvegarde, Octets);
        if (Provisoire.empty())
            return false;
    }
    if (D.Renomme(Provisoire, Sauvegarde) != 0) {
        Nettoie(D, Provisoire);
        return false;
    }
    return true;
}

bool SynchroniseDossier(TDisque& D, const std::string& Nom)
{
    const int Fd = D.OuvreDossier(Dossier(Nom));
    if (Fd < 0)
        return false;
    const bool Ok = D.Synchronise(Fd) == 0;
    return D.Ferme(Fd) == 0 && Ok;
}

} // namespace

TDisque& Disque()
{
    static TDisque Systeme;
    const std::shared_ptr<TDisque>& D = Installe();
    return D ? *D : Systeme;
}

std::shared_ptr<TDisque> InstalleDisque(std::shared_ptr<TDisque> Nouveau)
{
    std::shared_ptr<TDisque> Ancien = std::move(Installe());
    Installe() = std::move(Nouveau);
    return Ancien;
}

bool RemplaceFichier(const std::string& Nom, std::string_view Octets, const std::string& NomSauvegarde)
{
    TDisque& D = Disque();
    errno = 0;
    const std::string Provisoire = EcritProvisoire(D, Nom, Octets);
    if (Provisoire.empty())
        return false;
    if (!NomSauvegarde.empty() && !Sauvegarde(D, Nom, NomSauvegarde)) {
        Nettoie(D, Provisoire);
        return false;
    }
    if (D.Renomme(Provisoire, Nom) != 0) {
        Nettoie(D, Provisoire);
        return false;
    }
    // Without this the rename itself may be lost in a crash, and with it the
    // save the user was told had succeeded.
    return SynchroniseDossier(D, Nom);
}

int CauseEchecEcriture(const std::string& NomFichier)
{
    namespace fs = std::filesystem;
    std::error_code Err;
    const fs::path Fichier(NomFichier);
    const fs::path Dossier = Fichier.has_parent_path() ? Fichier.parent_path() : fs::path(".");
    const fs::file_status Etat = fs::status(Dossier, Err);
    if (!fs::exists(Etat))
        return ENOENT;
    if (!fs::is_directory(Etat))
        return ENOTDIR;
    if (access(Dossier.c_str(), W_OK) != 0)
        return errno;
    if (fs::is_directory(Fichier, Err))
        return EISDIR;
    if (fs::exists(Fichier, Err) && access(Fichier.c_str(), W_OK) != 0)
        return errno;
    return 0;
}
