#pragma once

// The season composer without its widgets: the tree of sections, divisions,
// separators, play-off divisions and championships, the list of championships
// still available, the placement and drag rules, the tree commands, the
// flattening into the file dispatcher's lines and the validation that applies
// them to the season (or builds and saves a new one). The dialog is a thin view:
// it shows the tree and the list and calls the operations below.

#include "files/TraiteurFichier.h"
#include "presentation/ParametreBarrage.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TDonneesBarrage;
class TSaison;

// A championship that can be placed in the tree: a file to import or a
// championship the season already holds.
struct TEntreeComposeur {
    std::string Texte;      // what the list and the tree show
    std::string NomFichier; // the file to import; empty for a championship of the season
    int IdCatalogue = 0;    // its division in the catalogue, 0 when unknown
    int Groupement = 0;     // the catalogue's grouping code of that division, 0 when none
    int IndexExistant = -1; // position among the season's championships, -1 for a file
    int CodeChamp = -1;     // the championship's code; -1 for a file not placed yet
};

struct TNoeudComposeur {
    static constexpr int Separateur = -1;
    static constexpr int BitBarrage = 0x8000;

    int Niveau = 0; // 0 the season, 1 section, 2 division, 3 championship
    // Sections: catalogue group id (0 free). Divisions: catalogue id or
    // grouping code (0 free), -1 a separator, 32768 + code a play-off division.
    int Donnee = 0;
    std::string Texte;
    std::unique_ptr<TEntreeComposeur> Entree; // championships only
    TNoeudComposeur* Parent = nullptr;
    std::vector<std::unique_ptr<TNoeudComposeur>> Enfants;

    bool EstBarrage() const { return Niveau == 2 && Donnee != Separateur && (Donnee & BitBarrage) != 0; }
    int IdCatalogue() const { return Entree ? Entree->IdCatalogue : 0; }
    int Index() const; // position among its parent's children, -1 for the root
};

class TComposeurSaison {
public:
    // Mode bits, as the opener sets them.
    static constexpr int ModeConstruit = 1 + 2 + 16; // build a new season from the lines and save it
    static constexpr int ModeOffre = 4;              // offer the entries given by AjouteFichier
    static constexpr int ModePlace = 8;              // place every offered entry of a known division
    static constexpr int ModeDescription = 32;       // the tree from the season's description
    static constexpr int ModeAjout = 64;             // files may be added

    enum class TResultat { Reste, Ok };

    // The list of championships to leave out, each by its code; the callee
    // unchecks those to keep in the season with their teams and players.
    // False when the user cancelled.
    using TRetrait = std::function<bool(const std::vector<int>& codes, std::vector<int>& coches)>;

    // The season is not owned; null for a new season.
    explicit TComposeurSaison(TSaison* saison);
    ~TComposeurSaison();
    TComposeurSaison(const TComposeurSaison&) = delete;
    TComposeurSaison& operator=(const TComposeurSaison&) = delete;

    // --- Set up by the opener ---
    int Mode = 0;
    // Stores the settings file and the program folder ("/" at the end) and
    // proposes the new season's file name.
    void InitNomFichier(const std::string& fichierIni, const std::string& appDir);
    // An entry to offer (mode 4): its text, its championship code and its catalogue id.
    void AjouteFichier(const std::string& texte, int codeChamp, int idCatalogue);
    // The removal dialog; without it nothing is removed beyond what the tree drops.
    TRetrait Retrait;
    TBarreEtat* BarreEtat = nullptr;
    TTraiteurFichier::TRappelFichier FichierRecent;

    // Builds the list and the tree as the mode asks; run once before showing.
    void Initialise();

    // --- What the view shows ---
    TNoeudComposeur& Racine() { return *FRacine; }
    const std::vector<std::unique_ptr<TEntreeComposeur>>& Disponibles() const { return FDisponibles; }
    std::string NomFichierSauve; // the new season's file, as the user may edit it
    const std::string& AppDir() const { return FAppDir; }

    // --- Files (mode 64) ---
    // The chosen files: each readable championship file joins the list; one
    // message names every file left out. The number added.
    int AjouteFichiers(const std::vector<std::string>& noms);

    // --- Placement ---
    // Places available entry `index` on the node (the root for a double click
    // in the list); the new championship node, or null when nothing was placed.
    TNoeudComposeur* Place(int index, TNoeudComposeur& cible);
    // Whether available entry `index` may be dropped on the node.
    bool AccepteDepot(int index, const TNoeudComposeur& cible) const;

    // --- Tree commands ---
    // The section of that catalogue group, found or inserted; group 0 always
    // adds a new free section (which the view then renames in place).
    TNoeudComposeur* AjouteSection(int groupe);
    // A separator under a section; null on any other node.
    TNoeudComposeur* AjouteSeparateur(TNoeudComposeur& section);
    // Removes the node and then its ancestors left empty; their championships
    // return to the list. False for the root.
    bool Retire(TNoeudComposeur& noeud);
    bool PeutMonter(const TNoeudComposeur& noeud) const;
    bool PeutDescendre(const TNoeudComposeur& noeud) const;
    bool Monte(TNoeudComposeur& noeud);
    bool Descend(TNoeudComposeur& noeud);
    bool EditionPermise(const TNoeudComposeur& noeud) const;
    // In-place editing: false (and nothing changed) where it is not allowed or
    // for an empty text.
    bool Renomme(TNoeudComposeur& noeud, const std::string& texte);

    // --- Play-off definitions made while composing ---
    // Takes the definition, gives it the next play-off code and returns that code.
    int AjouteBarrage(std::unique_ptr<TDonneesBarrage> barrage);
    // A play-off division of the definition's code inserted at `position`
    // among the section's children (clamped).
    TNoeudComposeur* InsereDivisionBarrage(TNoeudComposeur& section, int position, int code, const std::string& texte);
    const std::vector<std::unique_ptr<TDonneesBarrage>>& NouveauxBarrages() const { return FBarrages; }
    // A definition by code, among the new ones, the edited copies and the
    // season's; null when none.
    TDonneesBarrage* ChercheBarrage(int code) const;
    // A play-off may be set up on any division but a separator.
    static bool PeutCreerBarrage(const TNoeudComposeur& noeud);
    // Some node of the tree is a division a play-off may be set up on.
    bool OffreBarrage() const { return ChercheNoeud(&PeutCreerBarrage) != nullptr; }
    // The sources a play-off on that division may draw from: the divisions
    // around it and itself, each line's object = source code shl 4 + role.
    std::vector<TCandidatBarrage> CandidatsBarrage(const TNoeudComposeur& division) const;
    // Takes the definition made on that division and places its play-off
    // division: before it for a promotion, else before the next ordinary
    // division below or at the end of the section. The new node.
    TNoeudComposeur* CreeBarrage(TNoeudComposeur& division, std::unique_ptr<TDonneesBarrage> barrage, bool promotion);
    // The name a new play-off division gets for that number of groups.
    static std::string NomDivisionBarrage(int nbGroupes);
    // A copy of the definition of that code to edit; null when none.
    std::unique_ptr<TDonneesBarrage> CopieBarrage(int code) const;
    // An edited copy takes the place of its definition: at once for one made
    // here, on Validate for one of the season.
    void RemplaceBarrage(std::unique_ptr<TDonneesBarrage> copie);
    // A source's name for the definition dialog: the tree's, else the season description's.
    std::string NomSource(int code) const;

    // --- Validation ---
    TLignesComposeur Aplatit() const;
    TResultat Valide();
    // After a validated build: the new season's file.
    const std::string& FichierCree() const { return FFichierCree; }

    // Removes the championships of those codes from the season's teams and
    // players: their teams that play in no other championship go with their
    // players; the championships themselves stay for the dispatcher to drop.
    static void RetireChampionnats(TSaison& saison, const std::vector<int>& codes);

private:
    TNoeudComposeur* Ajoute(TNoeudComposeur& parent, int position, int niveau, int donnee, const std::string& texte);
    std::unique_ptr<TEntreeComposeur> PrendDisponible(int index);
    TNoeudComposeur* PlaceDansSection(TNoeudComposeur& section, int index);
    TNoeudComposeur* PlaceDansDivision(TNoeudComposeur& division, int index);
    TNoeudComposeur* SectionLibre();
    TNoeudComposeur* SectionGroupe(int groupe);
    const TNoeudComposeur* ChercheNoeud(const std::function<bool(const TNoeudComposeur&)>& test) const;
    void AjouteCandidats(const TNoeudComposeur& division, int role, std::vector<TCandidatBarrage>& lignes) const;
    // Every championship of the subtree back to the list; definitions of
    // play-off nodes made here are dropped.
    void Rend(TNoeudComposeur& noeud);
    void Supprime(TNoeudComposeur& noeud);
    int GroupeEntree(const TEntreeComposeur& entree) const;
    TResultat ValideModification(const TLignesComposeur& lignes);
    TResultat ValideConstruction(const TLignesComposeur& lignes);

    TSaison* FSaison;
    std::unique_ptr<TNoeudComposeur> FRacine;
    std::vector<std::unique_ptr<TEntreeComposeur>> FDisponibles;
    std::vector<std::unique_ptr<TEntreeComposeur>> FOfferts;
    std::vector<std::unique_ptr<TDonneesBarrage>> FBarrages;
    std::vector<std::unique_ptr<TDonneesBarrage>> FModifies; // copies of the season's, edited
    int FCodeProvisoire = 0;
    int FCodeBarrage = 0;
    std::string FFichierIni;
    std::string FAppDir;
    std::string FFichierCree;
};
