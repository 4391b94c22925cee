#pragma once

// The results page's logic without its widgets: the rows of one match day of
// the current championship, loading them from the calendar, placing teams,
// the result kinds, the three date modes and writing the rows back
// (EnregistrerJournee). The page is a thin view: it shows the rows, copies
// what the user types into them and calls the operations below.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/infocomp.h"

class TDonneesChampionnat;
class THorloge;
class TSaison;

// One match row. Row i stands for match i + 1 of the day; side 0 is the home team.
struct TLigneResultat {
    static constexpr uint8_t Normal = 0;
    static constexpr uint8_t Forfait = 1;
    static constexpr uint8_t TapisVert = 2;

    // The per-match date edit ("dd/mm/yyyy"), only with dates per match.
    bool AvecDate = false;
    std::string Date;
    // Team frame texts and score edit texts, home then away.
    std::array<std::string, 2> Equipe;
    std::array<std::string, 2> Score;
    // Cups only: the shoot-out label, its text and (goals 1 << 16) + goals 2, 0 none.
    bool AvecInfo = false;
    std::string Info;
    uint32_t TirsAuBut = 0;
    // The score texts the cup decision last ran for: it runs once per change
    // of the score, however often the edit loses the focus.
    std::optional<std::array<std::string, 2>> ScoreDecide;
    // 0 home, 1 away, 2 none.
    uint8_t Qualifie = 2;
    uint8_t TypeResultat = Normal;

    bool Complete() const { return !Equipe[0].empty() && !Equipe[1].empty(); }
    // Drawn in red: a forfeit or an awarded result.
    bool Speciale() const { return TypeResultat != Normal; }
    // Sets the shoot-out (0, 0 = none) and its label text.
    void SetTirsAuBut(int buts1, int buts2);
};

class TResultatsJournee {
public:
    // The season is not owned. The clock gives "today" (the program's when nullptr).
    explicit TResultatsJournee(TSaison* saison, const THorloge* horloge = nullptr);
    ~TResultatsJournee();
    TResultatsJournee(const TResultatsJournee&) = delete;
    TResultatsJournee& operator=(const TResultatsJournee&) = delete;

    // --- Life of the page ---
    // Mode flags, current day (0 becomes 1) and the reorder of a league day
    // already played; the page then calls CreerLignes.
    void Initialiser();
    // One row per match of the current day (plus an empty one in by-date
    // mode), then AfficherJournee.
    void CreerLignes();
    // Loads the current day into the rows and refills the list of free teams.
    void AfficherJournee(bool depuisCompletion = false);
    // Writes the rows into the day they were loaded from.
    void EnregistrerJournee();
    // The main window's commit: the rows are written when the user edited them.
    void ValideSaisieEnCours();
    // When the page goes: an edited day is written (and reordered when played);
    // an unedited one writes nothing.
    void Quitte();
    // Reloads an unedited page from the model (the page shown again may be stale).
    void Rafraichit();
    // Moves the current day's matches into standings order (leagues only); an order
    // of display, no change to report.
    void TrierMatchsSelonClassement();

    // Title of the current day of the season's current championship.
    static std::string GetTitreJournee(const TSaison& saison);

    // --- State ---
    TSaison* GetSaison() const { return Saison; }
    // The championship and day the rows belong to (null / 0 before CreerLignes).
    TDonneesChampionnat* GetChampionnat() const { return Champ; }
    int GetJournee() const { return Jour; }
    int NbLignes() const { return static_cast<int>(Lignes.size()); }
    TLigneResultat* GetLigne(int i) const { return i >= 0 && i < NbLignes() ? Lignes[i].get() : nullptr; }
    // Teams of the championship placed in no row, sorted by name.
    const std::vector<std::string>& GetEquipesLibres() const { return Libres; }
    bool EstModifiee() const { return Modifiee; }
    // Something changed in the rows: they must be written back.
    void MarqueModifiee() { Modifiee = true; }

    bool ParDate() const { return ModeParDate; }
    bool DatesParMatch() const;
    bool EstCoupe() const;
    // Title, track bar and completion button: outside by-date mode.
    bool TitreVisible() const { return !ModeParDate; }
    // Day date label and picker: in by-date mode or with dates per day.
    bool DateJourVisible() const;
    int MaxPiste() const;
    int PositionPiste() const;
    // "Finale" and third-place captions over the two rows of a cup's last day.
    bool FinalesVisibles() const;
    bool PlacementManuel() const;
    bool GlissementPermis() const;
    // The day date picker's date and the cached day date.
    TDateMatch GetDatePicker() const { return DatePicker; }
    TDateMatch GetDateJour() const { return DateJour; }
    // Today, from the clock.
    TDateMatch Aujourdhui() const;

    // --- Row edits (each marks the page edited) ---
    void SetEquipe(int ligne, int cote, const std::string& nom);
    void SetScore(int ligne, int cote, const std::string& texte);
    void SetDate(int ligne, const std::string& texte);
    // A score edit was left: the cup decision hook runs.
    void SortieScore(int ligne, int cote);
    // A score can be typed only when both teams of the row are placed.
    bool ScoreEditable(int ligne) const;
    // The per-match date of the row to the model; true when it moved the match.
    bool ValideDateMatch(int ligne);
    // The picker's date left outside by-date mode: stored as the day's date.
    void ValideDateJour(TDateMatch date);
    // The picker changed; in by-date mode this goes to the day of that date.
    void ChangeDateJour(TDateMatch date);
    // The track bar moved to day `jour`.
    void ChangeJournee(int jour);

    // --- Placing teams ---
    // The double-click on the free list: the name goes to the first empty
    // frame. False when placing is not allowed here (nothing happens).
    bool PlaceEquipe(const std::string& nom);
    // A double-click on a frame: its team goes back to the free list.
    void RendEquipe(int ligne, int cote);
    // A free team dropped on a frame; its former team goes back to the list.
    void DeposeEquipe(const std::string& nom, int ligne, int cote);
    // A frame dropped on another: the two exchange their teams.
    void EchangeEquipes(int ligne1, int cote1, int ligne2, int cote2);
    // A frame dropped on the free list.
    void RendEquipeDeposee(int ligne, int cote);
    // In by-date mode, a team placed in the last row appends an empty row.
    void AjouterLigneSiDerniere(int ligne);
    // Every team back to the list, every frame and score emptied.
    void ToutEffacer();
    // No row holds a team or a score: clearing would lose nothing.
    bool JourneeVide() const;
    // The match sheets of the day hold an event, a line-up, a rating, a
    // stadium, an attendance or a referee: what clearing the day takes too.
    bool FeuillesRemplies() const;
    // The "clear all" button: nothing typed on the day comes back once it is
    // cleared, so a day holding a pairing or a score is cleared only when the
    // user says yes. False when the day is kept.
    bool EffaceJourneeSiConfirme();

    // --- Result kind ---
    void Forfait(int ligne);
    void TapisVert(int ligne);
    void MatchNormal(int ligne);

    // --- Buttons of the calendar completion and check ---
    void Completer();
    void Verifier();

    // --- Teams added to a cup ---
    // Season teams not in the championship: name and id.
    std::vector<std::pair<std::string, int>> CandidatsCoupe() const;
    std::vector<std::string> EquipesPresentes() const;
    // Adds the chosen teams (id -1: a new name, added to the season or reused
    // by folded name); returns how many joined the championship.
    int AjouteEquipesCoupe(const std::vector<std::pair<std::string, int>>& choisies);

    // The team id of a name among the championship's teams, -1 when none.
    int IdEquipe(const std::string& nom) const;

    // --- Hooks ---
    // The page's modification notice.
    std::function<void()> OnModification;
    // The cup decision after a score entry (row, side).
    std::function<void(int ligne, int cote)> SurSortieScore;
    // The calendar completion: automatic (a cup day without a score shown) or from its button.
    std::function<void(bool automatique)> SurCompletion;
    std::function<void()> SurVerification;
    // The rows were made anew: the view rebuilds its row controls.
    std::function<void()> SurLignesCreees;
    // One row was appended (by-date mode).
    std::function<void()> SurLigneAjoutee;
    // The rows' values or the free list changed: the view shows them again.
    std::function<void()> SurAffichage;

private:
    void Modifie();
    void Affiche();
    TDonneesChampionnat* ChampionnatValide() const;
    int NbLignesJournee() const;
    void NouvelleLigne();
    void VideLignes() { Lignes.clear(); }
    void AjouteLibre(const std::string& nom);
    void RetireLibre(const std::string& nom);
    bool PlaceDans(const std::string& nom, int ligne, int cote);
    void RetirerEvenementsEquipe(int id, bool avecCompo, std::vector<uint8_t>& retires);
    void RetireEvenementsMatch(uint16_t id1, uint16_t id2);
    void Message(const std::string& nom) const;

    TSaison* Saison;
    const THorloge* Horloge;
    TDonneesChampionnat* Champ = nullptr;
    int Jour = 0;
    std::vector<std::unique_ptr<TLigneResultat>> Lignes;
    std::vector<std::string> Libres;
    bool ModeParDate = false;
    bool ChangementPicker = false;
    TDateMatch DatePicker = 0;
    TDateMatch DateJour = 0;
    bool Modifiee = false;
};

// "dd/mm/yyyy": day (characters 1-2), month (4-5) and year (7-10), each 0 when not a number.
TDateMatch LitDateSaisie(const std::string& texte);
// A score edit's number, 0 when empty or not a number, at most 32766.
int LitScoreSaisi(const std::string& texte);
