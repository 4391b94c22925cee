#pragma once

// Replacing a file so that its name names a complete file at every moment,
// whatever instant a crash, a power cut or a full disk strikes: the new bytes
// go to a temporary file beside it and reach the disk before they take the
// name, and the folder is flushed once they have it.

#include <memory>
#include <string>
#include <string_view>

// The system calls a replacement goes through. The program uses these, the
// real ones; tests install a double that fails at a chosen call. Each answers
// as the system call does (-1 and errno on failure).
class TDisque {
public:
    virtual ~TDisque() = default;
    // A new file, refused when the name is taken; a descriptor or -1.
    virtual int Cree(const std::string& Nom);
    // A folder opened for flushing; a descriptor or -1.
    virtual int OuvreDossier(const std::string& Nom);
    virtual long Ecrit(int Descripteur, const char* Octets, std::size_t Nombre);
    virtual int Synchronise(int Descripteur);
    virtual int Ferme(int Descripteur);
    virtual int Lie(const std::string& Existant, const std::string& Nouveau);
    virtual int Renomme(const std::string& Ancien, const std::string& Nouveau);
    virtual int Supprime(const std::string& Nom);
};

// The disk the program writes through: the system's unless one was installed.
TDisque& Disque();
// Installs a disk (nullptr gives back the system's); returns the one it replaces.
std::shared_ptr<TDisque> InstalleDisque(std::shared_ptr<TDisque> Nouveau);

// Writes Octets under Nom. With a backup name, the file Nom held is first kept
// under that name (a hard link, or a copy where the file system has none), an
// older backup being replaced only once the new one is whole. False on any
// failure: the previous file then still stands under Nom, unless only the
// final flush of the folder failed, when Nom holds the new bytes, not known to
// be on the disk yet. No temporary file is left behind, and errno is left as
// the failing call set it, for the user to be told why.
bool RemplaceFichier(const std::string& Nom, std::string_view Octets, const std::string& Sauvegarde = {});

// Why nothing can be written under NomFichier (a PDF printed to, a page
// exported), as the system's error number: a folder that is missing, not a
// folder or refusing writing, a file that refuses it; 0 when nothing there tells.
int CauseEchecEcriture(const std::string& NomFichier);
