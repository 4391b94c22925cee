#pragma once

// Readers of the binary files kept before the season archives: season files
// (".sai"), championship files (".chf", ".chp"), data files (".daf") and team
// files. They are only read. The base holds the records every kind shares
// (teams, countries, former clubs, people, stadiums, club records and one
// championship body); each kind supplies its own number readers, because the
// kinds store numbers in different byte orders and widths.
//
// Every count read from a file is checked against what the rest of the file
// can hold and against the model's own limits before anything is allocated,
// so a truncated or hostile file fails the load instead of exhausting memory.

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "files/EchecChargement.h"
#include "model/Personnels.h"

class TDonneesChampionnat;
class TJoueur;
class TLecteurFichier;
class TSaison;
class TSourceOctets;

// What LitDescription tells of a file without loading it.
struct TDescriptionFichier {
    int NbEquipe = 0;
    // The championship's current day; -1 when the file does not say.
    int Journee = 0;
    // 0 league, 1 cup; left as the caller set it when the file says neither.
    int Drapeau = 0;
    int Annee = 0;
    // The second year byte of the season ("2007-08" keeps 8 here).
    int Annee2 = 0;
    std::string Description;
};

class TChargeur {
public:
    static constexpr int MaxNomsBloc = 200;
    static constexpr int NbMotsCompo = 20;
    static constexpr int NbNotes = 15;
    // Registries address their items with 16-bit ids.
    static constexpr int MaxElements = 65535;

    // Mode 0 reads the file. These files are never written, so any other mode
    // opens nothing; neither does a file that cannot be opened: Charge then
    // fails and Importe gives 0.
    TChargeur(const std::string& nomFichier, int mode);
    // Reads the bytes of `source`; `nomFichier` stands for the file's name
    // (the division of a data file is in it).
    TChargeur(std::unique_ptr<TSourceOctets> source, std::string nomFichier);
    virtual ~TChargeur();
    TChargeur(const TChargeur&) = delete;
    TChargeur& operator=(const TChargeur&) = delete;

    // Reads the whole file into `saison`. A kind that holds one championship
    // hands it back through `championnat` (not yet in the season); the others
    // leave it as it was. False for a null season, an unopened file or a bad
    // file; the caller then drops the season.
    virtual bool Charge(TSaison* saison, std::unique_ptr<TDonneesChampionnat>& championnat) = 0;
    virtual bool LitDescription(TDescriptionFichier& description) = 0;
    // The division code the file declares; 0 when it declares none.
    virtual int Importe() = 0;

    bool EstOuvert() const { return Lecteur != nullptr; }
    const std::string& GetNomFichier() const { return NomFichier; }
    // The format version of the file, once Charge has read it.
    int GetVersion() const { return Version; }
    // After a Charge that failed on an opened file: why. Its end came early
    // (or a count claims more than is left), it is no file of these kinds,
    // memory ran out, or, by default, its content is damaged.
    TEchecChargement GetEchec() const;

protected:
    // Line-up words of one team position for one day.
    struct TEntreeCompo {
        uint8_t Position = 0;
        std::array<uint16_t, NbMotsCompo> Mots{};
    };
    using TBlocCompo = std::vector<TEntreeCompo>;

    // Number readers of the kind. LitId is given the id's first byte.
    virtual int LitId(uint8_t premier) = 0;
    virtual int32_t LitEntier() = 0;
    virtual int32_t LitEntierMots() = 0;
    virtual int32_t LitDate() = 0;

    // Reads the version announcement and returns the word that stands first
    // once it is taken away.
    uint16_t LitVersion();
    // Moves to byte 2 * mot; -1 reads on from where the reader stands.
    void PositionneMot(int mot);
    // Why the load fails; the first cause noted stands.
    void NoteEchec(TEchecChargement echec);
    void NoteEchec(TCauseChargement cause) { NoteEchec(TEchecChargement{cause, 0}); }
    // The error being handled, in a catch block.
    void NoteException() { NoteEchec(EchecDeException(std::current_exception())); }
    // A version announcement outside the versions these files had: some other file.
    bool VersionConnue();

    // Record readers. They throw EErreurFichier when the file ends early and
    // return false for a count the file cannot hold; the kinds' Charge
    // catches.
    bool LitEquipes();
    bool LitPays();
    bool LitClubPrec(int mot);
    bool LitArbitres(TListeRenumerotation* renum);
    bool LitEntraineurs(TListeRenumerotation* renum);
    bool LitStades();
    bool LitRensClubs();
    // Players in the layout of version 7 and later; mode 1 numbers them 1, 2, ...
    bool LitJoueurs(int mot, int mode, TListeRenumerotation* renum);
    // Players in the older layout (packed names first).
    bool LitListeJoueurs(int mot, int mode, TListeRenumerotation* renum);
    // The fields both player layouts share, from age to shirt number; the
    // older layout keeps one career line before version 5.
    std::unique_ptr<TJoueur> LitFicheJoueur(const std::string& nom, const std::string& prenom, bool ancien);
    // Statistics groups: one named after catalogue entry `entree` before
    // version 5, a counted list of texts afterwards (always, for `entree` -1).
    bool LitStatChamps(int entree);
    // One championship body at the reader's position, the teams, days and
    // matches per day already set. Catches its own errors: false then, with
    // the championship as far as it was read. Consumes the championship's
    // pending line-up blocks.
    bool LitChampionnat(TDonneesChampionnat& champ);
    // Team count, days and matches per day as the oldest files imply them.
    static int JoursImplicites(int nbEquipe);
    // The kind from a header's flags word; for a cup the rounds follow, and
    // `nbTours` gets their number.
    bool LitGenre(TDonneesChampionnat& champ, uint16_t drapeaux, int& nbTours);
    // Forgets the line-up blocks kept for a championship about to be freed.
    void OublieCompos(const TDonneesChampionnat* champ) { Compos.erase(champ); }
    void OublieCompos() { Compos.clear(); }
    // One line-up block of the older formats for the championship's days,
    // kept until its body reads it.
    bool LitBlocCompo(const TDonneesChampionnat& champ);

    // One block of packed names (at most 200); false when the file ends or
    // the block is malformed.
    bool LitBlocNoms(std::vector<std::string>& noms);
    // Blocks until the first that holds fewer than 200 names.
    bool LitListeNoms(std::vector<std::string>& noms, int maximum);
    // A text up to a 0 byte (or up to 255 for a byte string), as stored: 8-bit
    // Windows-1252, returned in UTF-8.
    std::string LitTexte(uint8_t fin = 0);
    uint16_t LitMot();
    uint8_t LitOctet();
    int32_t LitLong();
    // `octets` bytes, most significant first.
    uint32_t LitGrand(int octets);

    // True when `nombre` records of at least `taille` bytes each fit in what is
    // left of the file and `nombre` is at most `maximum`. A count too big for
    // what is left notes a file cut short; one beyond `maximum`, damage.
    bool Tient(int64_t nombre, int64_t taille, int64_t maximum = MaxElements);
    int64_t Reste() const;

    TSaison* Saison = nullptr;
    int Version = 3;
    std::unique_ptr<TLecteurFichier> Lecteur;

private:
    bool LitCorpsChampionnat(TDonneesChampionnat& champ, std::deque<TBlocCompo>& blocs);
    void LitEvenements(TDonneesChampionnat& champ, int liste);

    std::string NomFichier;
    int64_t TailleFichier = 0;
    TEchecChargement Echec;
    // Line-up blocks of the older formats, read with a championship's header
    // and used by its body; kept per championship so that a body that fails
    // cannot hand its blocks to the next one.
    std::map<const TDonneesChampionnat*, std::deque<TBlocCompo>> Compos;
};
