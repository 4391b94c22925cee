#pragma once

// The crest catalogue: countries and clubs with a PNG picture each, listed in
// "blasons/blasons.txt" of the program folder and pictured by
// "blasons/<id>.png". Countries have ids 1 to 100 and parent 0; clubs have ids
// from 1001 and their country's id as parent.
//
// The catalogue file is one line of records "id-parent-name#". Several lines
// are read too (reading stops at the first empty line); anything after the
// last "#" of a line is ignored, and only the first two "-" of a record
// separate its fields.

#include "files/Image.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TBlasons {
public:
    static constexpr int MaxNbPays = 100;
    static constexpr int PremierIdEquipe = 1001;
    // What AjoutePays and AjouteEquipe return besides an id.
    static constexpr int PlusDePlace = -1;         // 100 countries, or no team id left
    static constexpr int NomRefuse = -2;           // see NomAdmis
    static constexpr int ImageNonEnregistree = -3; // the picture could not be written
    static constexpr int PaysInconnu = -4;         // AjouteEquipe: Pays is not a catalogued country

    // Dossier: the program folder, ending with "/". An absent or unreadable
    // catalogue file gives an empty catalogue.
    explicit TBlasons(std::string Dossier);

    int Count() const { return static_cast<int>(Elements_.size()); }
    // The entry at a position (0-based); false and nothing set past the end.
    bool GetElement(int Index, uint16_t& Id, std::string& Nom, uint16_t& Parent) const;
    // Position of the first entry with that crest id, -1 when none.
    int IndexDe(uint16_t Id) const;

    // The crest of a catalogued id as a new picture, owned by the caller;
    // nullptr when the id is not catalogued (the disk is not touched) or its
    // picture file is missing or unreadable.
    std::unique_ptr<TImage> GetImage(uint16_t Id) const;
    // The picture path of a catalogued id, empty when the id is not catalogued.
    std::string NomFichierBlason(uint16_t Id) const;
    // Saves a picture as the crest of a catalogued id; false when the id is not
    // catalogued or the file could not be written.
    bool EnregistreImage(uint16_t Id, const TImage& Image) const;

    // Append a country (the next country id) or a team of a country (the next
    // team id) with its picture, and return the id; or one of the negative
    // codes above, the catalogue unchanged. The catalogue file is rewritten by
    // Enregistre, not here.
    int AjoutePays(const std::string& Nom, const TImage& Image);
    int AjouteEquipe(const std::string& Nom, uint16_t Pays, const TImage& Image);

    // Rewrites the catalogue file (UTF-8) from the entries, in their order.
    bool Enregistre() const;
    // The catalogue file's content as Enregistre writes it.
    std::string Texte() const;

    int MaxPays() const { return MaxPays_; }
    int MaxEquipe() const { return MaxEquipe_; }
    const std::string& Dossier() const { return Dossier_; }
    std::string NomFichierCatalogue() const;

    // A "#" or a line break in a name would split or end its record and
    // corrupt every record after it; an empty name has nothing to show.
    static bool NomAdmis(std::string_view Nom);

private:
    struct TElement {
        uint16_t Id;
        uint16_t Parent;
        std::string Nom;
    };

    void Lit(std::string_view Contenu);
    void AjouteElement(uint16_t Id, uint16_t Parent, std::string Nom);
    int Ajoute(int Id, uint16_t Parent, const std::string& Nom, const TImage& Image);

    std::string Dossier_;
    std::vector<TElement> Elements_;
    int MaxPays_ = 0;
    int MaxEquipe_ = PremierIdEquipe - 1;
};

// The program's one catalogue, made by the main window with the program folder
// and kept until the end; nullptr before.
TBlasons* Blasons();
void InstalleBlasons(std::unique_ptr<TBlasons> Nouveau);
