#pragma once

// The one road through which the shell and the season composer open, save and
// peek into season files, and through which championships are imported,
// merged and extracted. The reader is chosen by the file name's extension less
// its last character, lower-cased (".xmc" and ".xmd" both read as ".xm").
//
// Loads and saves run behind the progress form, which the interface installs
// as the TServiceEtatSauve; without one (tests of the core, tools) they run on
// the calling thread.

#include "files/EchecChargement.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TChargeur;
class TDonneesChampionnat;
class TListeDonnees;
class TSaison;
class TStade;

// Process-wide modification counter: 0 the open season has no unsaved change,
// 1 it has. Touched only on the user-interface thread.
extern int CompteurModification;

// Panel texts of the main window's status bar, as the dispatcher clears them.
class TBarreEtat {
public:
    virtual ~TBarreEtat() = default;
    virtual void SetTextePanneau(int panneau, const std::string& texte) = 0;
};

// The progress form: runs one load or one save on the worker thread while the
// user waits. Only one runs at a time.
class TServiceEtatSauve {
public:
    virtual ~TServiceEtatSauve() = default;
    // A new season read from the file; null when the load failed.
    virtual std::unique_ptr<TSaison> Charge(const std::string& nomFichier, const std::string& dllDir) = 0;
    // After a failed load: why it failed (no cause: unknown).
    virtual TEchecChargement DernierEchecChargement() const { return {}; }
    // True when the archive was written; the season is left as it was either way.
    virtual bool Sauve(const std::string& nomFichier, const std::string& dllDir, const TSaison& saison) = 0;
    // After a failed save: the system's error number that made it fail, 0 when unknown.
    virtual int DerniereErreur() const { return 0; }
};
// Installs a service (nullptr: run on the calling thread) and returns the former one.
TServiceEtatSauve* InstalleServiceEtatSauve(TServiceEtatSauve* service);

// One line of the season composer's tree, in tree order. A text beginning with
// "$" is a heading of level 1 or 2 ("$#n#name" names catalogue entry n, or the
// play-off of code n & 0x7FFF when n has bit 15); any other line is a
// championship: "file|title" to import a file, or the title alone.
struct TLigneComposeur {
    std::string Texte;
    int Niveau = 3;    // heading level (1 or 2); 3 for a championship line
    int IdSaison = -1; // championship lines: its id in the season, -1 to import
    int CodeChamp = 0; // championship lines: the code it carries in the season
};
using TLignesComposeur = std::vector<TLigneComposeur>;

class TTraiteurFichier {
public:
    using TRappelProgression = std::function<void(int)>;
    using TRappelFichier = std::function<void(const std::string&)>;

    // ".xm", ".sa", ".ch", ".da", ".df" or anything else: the extension less its
    // last character, lower-cased; empty without extension.
    static std::string GenreFichier(const std::string& nomFichier);

    // A new reader of the older binary files for the kind of the file (".sa",
    // ".ch", ".da", ".df"); null for any other, ".xm" included.
    static std::unique_ptr<TChargeur> CreeChargeur(const std::string& nomFichier, int mode);
    // Reads a legacy file into `saison`; its championship, when it holds one,
    // comes back in `championnat`. False without a reader, on a failed read,
    // and when the reader answers without any championship; `echec` then
    // says why.
    static bool ChargeAncien(const std::string& nomFichier, TSaison& saison,
                             std::unique_ptr<TDonneesChampionnat>& championnat, TEchecChargement* echec = nullptr);

    // The load itself, as the worker runs it: an archive (".xm", and ".df" on
    // this road) or a legacy file into `saison`. False for a file no reader
    // takes, a reader that fails or answers without a championship, or any
    // error; the season is then to be thrown away, and `echec` says why.
    static bool ChargeFichier(const std::string& nomFichier, TSaison& saison, const std::string& dllDir,
                              const TRappelProgression& progression = {}, TEchecChargement* echec = nullptr);
    static bool ChargeXml(const std::string& nomFichier, TSaison& saison, const std::string& dllDir,
                          const TRappelProgression& progression = {});

    // Loads with the progress form; null when the load failed, and then
    // `echec` says why. A good load of an ".xmc" is remembered as the last file.
    static std::unique_ptr<TSaison> ChargeAvecEtat(const std::string& nomFichier, const std::string& dllDir,
                                                   const std::string& fichierIni, const TRappelFichier& onFichierRecent,
                                                   TEchecChargement* echec = nullptr);
    // What the user is told of a load that failed: the file and why.
    static std::string TexteEchecChargement(const std::string& nomFichier, const TEchecChargement& echec);
    // Saves with the progress form. Success: with `remetAZero` the counter
    // becomes 0 and status panel 1 is emptied; text 253 with `avecMessages`;
    // an ".xmc" is remembered. Failure: with `avecMessages` a warning naming
    // the file and the system's reason, the counter stays.
    static bool SauveAvecEtat(const std::string& nomFichier, const TSaison& saison, bool remetAZero,
                              const std::string& dllDir, const std::string& fichierIni, TBarreEtat* barreEtat,
                              const TRappelFichier& onFichierRecent, bool avecMessages);
    // Whether the season archive on disk already holds the season as a save
    // would write it now, the time of writing aside: a save then has nothing
    // new to write. False when the file cannot be read.
    static bool FichierAJour(const std::string& nomFichier, const TSaison& saison);
    // Why the last save that failed failed: the system's error number, 0 when unknown.
    static int DerniereErreur() { return s_DerniereErreur; }
    // Only for ".xmc" (case ignored): the settings key [General] LastFile (when
    // an ini file is named), then the callback. A settings file that cannot be
    // written does not matter.
    static void MemoriseDernierFichier(const std::string& nomFichier, const std::string& fichierIni,
                                       const TRappelFichier& onFichierRecent);
    // The division code the file declares without loading it; 0 for a kind
    // that declares none, -1 for a file that cannot be read.
    static int ImporteDivision(const std::string& nomFichier, const std::string& dllDir);

    // True while a load or a save runs: the auto-save tick then does nothing,
    // and another load or save started meanwhile fails at once.
    static bool EnCours() { return s_EnCours.load(); }

    // --- Import, merge and extraction of championships ---

    // Fills a new season from the composer's lines; false when a file failed.
    // The files that could not be imported are appended to `echecs`.
    static bool ConstruitSaison(TSaison& saison, const TLignesComposeur& lignes, const std::string& dllDir,
                                std::vector<std::string>* echecs = nullptr);
    // Rebuilds the season's tree and championship list from the lines; the
    // play-off codes still listed come back as "3-7-". A line whose file cannot
    // be imported is dropped and its file appended to `echecs`.
    static void ImporteListe(TSaison& saison, const TLignesComposeur& lignes, const std::string& dllDir,
                             std::string& barrages, std::vector<std::string>* echecs = nullptr);
    // Reads one file and merges its first championship into the season; null
    // on failure. The championship is then owned by the season.
    static TDonneesChampionnat* ImporteFichier(TSaison& saison, const std::string& nomFichier,
                                               const std::string& dllDir);
    // Merges `championnat` (of `source`) into `cible`: teams by name, people
    // merged, ids shifted and remapped. The caller then adds it to `cible`.
    static void FusionneChampionnat(TSaison& cible, TSaison& source, uint16_t& decalage,
                                    TDonneesChampionnat& championnat);
    // The same for several championships of `source` at once: people, stadiums
    // and club records are carried over once for all of them.
    static void FusionneChampionnats(TSaison& cible, TSaison& source, uint16_t& decalage,
                                     const std::vector<TDonneesChampionnat*>& championnats);
    // Reads one file and merges its championships (only the first with
    // `premierSeulement`) into the season, in file order, each under a new
    // championship id and listed at the end of the season's description (the
    // championships already there first get a line of their own when the
    // season had none). The championships added; none when the file gives none.
    // `echec` says why a file gives none.
    static std::vector<TDonneesChampionnat*> FusionneFichier(TSaison& saison, const std::string& nomFichier,
                                                             const std::string& dllDir, bool premierSeulement,
                                                             TEchecChargement* echec = nullptr);
    // Writes the current championship of `saison` as a season archive of its
    // own; the messages as SauveAvecEtat's.
    static bool ExtraitChampionnat(const std::string& nomFichier, TSaison& saison, bool sansResultats,
                                   const std::string& dllDir, const std::string& fichierIni, TBarreEtat* barreEtat,
                                   const TRappelFichier& onFichierRecent, bool avecMessages = true);
    // The single-championship season every extraction starts from.
    static std::unique_ptr<TSaison> CreeSaisonSimple(int nbEquipe, int code, uint8_t typeChamp, uint8_t sport = 0);
    // The season's stadium of that code, or a copy of `stade` added; null for null.
    static TStade* CopieStade(TSaison& saison, const TStade* stade);
    // Copies every file of one folder into another (created when missing);
    // both names end with "/". Nothing when they name the same folder.
    static bool CopieRepertoire(const std::string& source, const std::string& cible);

private:
    static std::atomic<bool> s_EnCours;
    static int s_DerniereErreur;
};
