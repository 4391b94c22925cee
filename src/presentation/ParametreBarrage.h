#pragma once

// The play-off definition dialog without its widgets: the rows of sources with
// their distribution texts and count labels, the role, the elimination type,
// the restart option, and the validation that writes the definition. The
// dialog only shows the rows and forwards what the user types.

#include "model/Penalites.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// "3-5; 1" read as place ranges {3,5}, {1,1}: items separated by ";", a place
// "c" or a range "a-b" (high-low stored low-high), blanks ignored. An item
// left empty is skipped; a bound that is 0 or not a number makes the whole
// text invalid (false, places emptied).
bool LitRepartition(const std::string& texte, std::vector<TDonneesBarrage::TPlaces>& places);
// Back to text, each item followed by ";" ("3-5;1;").
std::string EcritRepartition(const std::vector<TDonneesBarrage::TPlaces>& places);
int NbEquipesRepartition(const std::vector<TDonneesBarrage::TPlaces>& places);

// A source the composer proposes: its name and object = source code shl 4 + role
// (1 above the division, 2 the division itself, 3 below).
struct TCandidatBarrage {
    std::string Texte;
    int Objet = 0;

    int Code() const { return Objet >> 4; }
    int Role() const { return Objet & 0x0F; }
};

class TParametreBarrage {
public:
    enum : int { AucunPoint = 0, MoitiePoint = 1, ToutPoint = 2 };

    struct TLigne {
        std::string Nom;
        int Code = 0; // the source's code, 0 for the row standing for a missing neighbour
        int Tag = 0;  // code shl 8 + row, or the row alone for code 0
        std::string Repartition;
        std::string Compte; // the count label
    };

    // A new play-off among these candidates; rows for a promotion at once.
    explicit TParametreBarrage(std::vector<TCandidatBarrage> candidats);
    // Editing `barrage` (not owned; written only by a successful Valide). The
    // rows are its entries, named by `nomSource` (a source code to its name).
    TParametreBarrage(TDonneesBarrage& barrage, const std::function<std::string(int)>& nomSource);

    bool Edition() const { return FEdite != nullptr; }
    bool Promotion() const { return FPromotion; }
    // Rebuilds the rows for the role (ignored when editing).
    void ChoisitRole(bool promotion);

    bool Coupe = true;
    int NbGroupe = 1; // 1..99, read only for a championship
    int Redemarrage = AucunPoint;

    const std::vector<TLigne>& Lignes() const { return FLignes; }
    // The text of row i changed: its count label follows when the text is valid.
    void ChangeRepartition(int i, const std::string& texte);
    // Every count label, text 115 on an invalid text. True when all are valid.
    bool Verifie();
    // The form's height for the rows shown.
    int Hauteur() const { return 26 * static_cast<int>(FLignes.size()) + 218; }

    // Writes the definition; false (and nothing written) while a text is invalid.
    bool Valide();
    // After a successful Valide of a new play-off: the definition, handed over.
    std::unique_ptr<TDonneesBarrage> PrendResultat() { return std::move(FResultat); }

private:
    static std::string Compte(int equipes);

    std::vector<TCandidatBarrage> FCandidats;
    std::vector<TLigne> FLignes;
    bool FPromotion = true;
    TDonneesBarrage* FEdite = nullptr;
    std::unique_ptr<TDonneesBarrage> FResultat;
};
