#pragma once

// What the main window's file commands compute without the window: the name
// of the save question, the auto-save interval, the dialogs' filters and the
// past-seasons record of a championship.

#include <string>

class TDonneesChampionnat;
class TSaison;
class TStat;

// The file name as the save question shows it: without its folder, and the
// first "." removed with the five characters after it ("saison.xmc" gives "saison").
std::string NomFichierQuestion(const std::string& nomFichier);

// The auto-save interval in milliseconds: save option 0 (minutes) x 60000;
// 0 (no season, or 0 minutes) turns the timer off.
int IntervalleAutoSave(const TSaison* saison);

// The name with its extension made ".xmc" ("x.sai" gives "x.xmc"; "x" gives "x.xmc").
std::string NomArchiveSaison(const std::string& nomFichier);

// The picture folder of a season file: AppDir + "pict/" + the name without its folder + "/".
std::string DossierImagesFichier(const std::string& appDir, const std::string& nomFichier);

// Where the user's own seasons are kept, and where the dialogs that open,
// import, save or export them start: AppDir + "sauvegarde/". Not "Data/",
// whose division files the program ships and reads.
std::string DossierFichiersUtilisateur(const std::string& appDir);

// The filters of the open, import, save-as and export dialogs. The import
// takes data archives (".xmd") too, such as those the export writes.
std::string FiltreOuverture();
std::string FiltreImport();
std::string FiltreSaison();
std::string FiltreDonnees();

// A championship with a year (option 8) and teams: what a division's archive records.
bool PeutEntrerHistorique(const TDonneesChampionnat& championnat);

// Adds the championship's results to its division's archive as the season of
// its first year (option 8): its teams in championship order, matched to the
// archive's numbers by name, and every stored score of every day. A season of
// the same year is replaced. False when the championship has no year or no team.
bool AjouteSaisonHistorique(TStat& stat, const TDonneesChampionnat& championnat, const TSaison& saison);
