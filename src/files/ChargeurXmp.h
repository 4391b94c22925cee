#pragma once

// Season and data archives: a ZIP archive holding the one entry
// "brevalune.xml", the whole season as XML.

#include "files/EchecChargement.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class TSaison;
class TProgression;

class TChargeurXmp {
public:
    // Progress in percent, 0..100, never going down; may be empty.
    using TRappelProgression = std::function<void(int)>;

    static constexpr const char* NomEntree = "brevalune.xml";
    // An entry above this size is refused: no season comes near it, and a
    // damaged archive must not make the program reserve gigabytes.
    static constexpr std::size_t TailleMaxEntree = std::size_t(512) << 20;

    // `dossierMoteur` is kept for the callers that still pass the program's
    // "Dll/" folder; the ZIP library needs no engine files.
    explicit TChargeurXmp(std::string nomFichier, std::string dossierMoteur = {});

    // Fills an empty season from the archive. False for a missing or damaged
    // archive, a document that is not a season or that is cut short; the
    // season is then to be thrown away.
    bool ChargeSaison(TSaison& saison, const TRappelProgression& progression = {});
    // After a failed load: why it failed.
    const TEchecChargement& GetEchec() const { return m_Echec; }
    // Writes the archive through a temporary file in the same folder, so a
    // failure at any point leaves the previous file as it was. With save
    // option 1 the previous file is kept under the backup name.
    bool SauveSaison(const TSaison& saison, const TRappelProgression& progression = {});
    // After a failed save: the system's error number of the call that failed,
    // 0 when the system gave none.
    int GetErreur() const { return m_Erreur; }
    // The root's Division attribute; -1 when missing, not a number, or when
    // the archive is not a season archive.
    int ImporteChampionnat() const;
    // True when the root's Type is "Saison" (case ignored).
    bool LitTypeFichier() const;

    const std::string& GetNomFichier() const { return m_NomFichier; }

    // "x.xmc" -> "x.~xmc"; a name without extension gets the extension "~".
    static std::string NomSauvegarde(const std::string& nomFichier);

    // The pieces, for the tests, the fuzz targets and the benchmark.
    // The entry of an archive held in memory; false when there is none.
    static bool LitEntree(std::string_view archive, std::string& contenu);
    static bool LitEntreeFichier(const std::string& nomFichier, std::string& contenu);
    // The same, telling why the entry could not be read.
    static bool LitEntreeFichier(const std::string& nomFichier, std::string& contenu, TEchecChargement& echec);
    // A whole archive holding `contenu` as its entry.
    static bool CreeArchive(std::string_view contenu, std::string& archive);
    // The season document as written into the archive.
    static std::string EcritDocument(const TSaison& saison, TProgression& progression);
    // The archive of the season, its document packed as it is written.
    static bool EcritArchive(const TSaison& saison, std::string& archive, TProgression& progression);
    // On failure `cause`, when given, says why: no season, cut short or damaged.
    static bool LitDocument(TSaison& saison, std::string_view document, TProgression& progression,
                            TCauseChargement* cause = nullptr);

private:
    std::string m_DossierMoteur;
    std::string m_NomFichier;
    int m_Erreur = 0;
    TEchecChargement m_Echec;
};
