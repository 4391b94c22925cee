#pragma once

// The picture library: photographs of stadiums, referees and players, JPEG
// files named "<kind>_<id>_<name>.jpg" in the folder "pict" of the program
// folder. The name is the text the user sees (it may hold "_"); the kind and
// the extension are recognised in any case.

#include "files/Image.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TImageManager {
public:
    enum TSorte { Stade = 0, Arbitre = 1, Joueur = 2 };
    static constexpr int NbSortes = 3;
    // What Ajoute returns instead of an id.
    static constexpr int NomRefuse = -1;
    static constexpr int ImageNonEnregistree = -2;

    // Dossier: the folder, without a trailing "/". Indexes its files at once.
    explicit TImageManager(std::string Dossier);

    // Saves the picture as the next photo of the kind and returns its id, or
    // one of the negative codes above with nothing changed.
    int Ajoute(int Sorte, const TImage& Image, const std::string& Nom);
    // Forgets the photo; its file stays on disk and is indexed again at the
    // next start.
    void Supprime(int Sorte, int Id);
    // Position of the id in the kind's list; the list's count when absent.
    int IndexDe(int Sorte, int Id) const;
    // Name and id at a position; false and nothing set past the end.
    bool GetEntree(int Sorte, int Index, std::string& Nom, int& Id) const;
    // The name of an id; empty when absent.
    std::string NomDe(int Sorte, int Id) const;
    // Renames the photo's file, keeping its kind and id parts, then its entry.
    // False, nothing changed, when the id is absent, the name is refused
    // (NomAdmis), another file already has the new name or the rename failed.
    bool Renomme(int Sorte, int Id, const std::string& NouveauNom);
    // The full file name of (kind, id); empty when the id is not listed.
    std::string NomFichier(int Sorte, int Id) const;
    // The photo as a new picture owned by the caller; nullptr when the id is
    // not listed or its file is missing or does not decode.
    std::unique_ptr<TImage> ChargeImage(int Sorte, int Id) const;
    int Nombre(int Sorte) const;
    // The highest id of a kind (0 when none).
    int MaxId(int Sorte) const;

    const std::string& Dossier() const { return Dossier_; }

    // A name fit for the name part of a file: not empty, and no "/", "\\",
    // "." (the extension starts at the first dot) nor control character.
    static bool NomAdmis(std::string_view Nom);

private:
    struct TEntree {
        std::string Nom;
        int Id;
        // The file's real name, whatever the case of its kind and extension.
        std::string Fichier;
    };

    void Indexe();
    bool SorteValide(int Sorte) const { return Sorte >= 0 && Sorte < NbSortes; }
    const TEntree* Cherche(int Sorte, int Id) const;

    std::string Dossier_;
    std::array<std::vector<TEntree>, NbSortes> Listes_;
    std::array<int, NbSortes> MaxIds_{};
};

// The program's one picture library, made by the main window on the program
// folder's "pict" and kept until the end; nullptr before.
TImageManager* ImageManager();
void InstalleImageManager(std::unique_ptr<TImageManager> Nouveau);
