#pragma once

// The match sheets without their widgets: the shown match of the current
// match day, its two squads, the navigation between matches and days, and the
// rows of player tags with which the scorers and assists pages list their
// events. Each page's model reads the match into its rows and writes them
// back (Enregistre); the pages only draw the rows and pass on what the user
// does.

#include "model/ListeDonnees.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TDonneesChampionnat;
class TJoueur;
class TListeDonnees;
class TListeJoueur;
class TPersonnelStat;
class TSaison;

// What the sheet pages and the ratings page share for the whole run.
struct TEtatFeuilles {
    // 1-based number of the shown match within the current match day; 0
    // before any, corrected before use.
    int MatchCourant = 0;
    // The user changed a row, a minute or another value of the shown match.
    bool Modifie = false;
    // The minute box a double-click filled last (list number, 0-based row),
    // to receive the focus; list 0 when none.
    int FocusListe = 0;
    int FocusLigne = 0;
};
TEtatFeuilles& EtatFeuilles();

// Flags of a tag's Tag above its column (bits 0-7) and row (bits 16-23).
namespace GenreCarton {
constexpr uint32_t Penalty = 0x1000000;
constexpr uint32_t CoupFranc = 0x2000000;
constexpr uint32_t ContreCamp = 0x4000000;
constexpr uint32_t SansGenre = 0xFFFFFF;
} // namespace GenreCarton

// One row of a list of events: a player tag with its minute box.
struct TEtatCarton {
    std::string Texte;
    uint16_t Joueur = 0;
    uint32_t Tag = 0; // row shl 16 + kind flags + column
    std::string Minute;
    bool AvecMinute = false;
    // Goal rows carry the goal-kind menu.
    bool MenuGenre = false;
    // The event the season holds for the row (read from it or written last):
    // while the row's minute is refused the season keeps it so. None on a
    // row filled on the sheet and not written yet.
    std::optional<TDonneesEvt> Lu;

    int Colonne() const { return static_cast<int>(Tag & 0xFF); }
    bool Vide() const { return Texte.empty(); }
    // A tag of the other side's player in a goal list (its text ends with ")").
    bool EstContreCamp() const { return !Texte.empty() && Texte.back() == ')'; }
};

// One list of tags: the goals, cards, assists or missed penalties of one side.
struct TListeCartons {
    int Numero = 0;         // the page's list number (1..)
    int Colonne = 1;        // 1 home, 2 away: the side the list belongs to
    bool ListeBut = false;  // a goal list takes the other side's players (own goals)
    bool AutoGrow = false;  // exactly one empty row at the end
    bool AvecMinute = true; // rows carry a minute box
    int Look = 0;           // 0 blue, 1 yellow, 2 red
    std::vector<TEtatCarton> Lignes;

    int Nombre() const { return static_cast<int>(Lignes.size()); }
    TEtatCarton* Get(int i) { return i >= 0 && i < Nombre() ? &Lignes[i] : nullptr; }
    const TEtatCarton* Get(int i) const { return i >= 0 && i < Nombre() ? &Lignes[i] : nullptr; }
    // Appends a row: genre 0 (no goal kind) or a goal kind 1..5; nullptr: empty.
    TEtatCarton& Ajoute(int genre, const std::string& minute, const TJoueur* joueur);
    // An auto-grow list keeps its filled rows packed and numbered from 1, and
    // one empty row at the end.
    void Tasse();
};

// Where a dragged thing comes from: a squad item or a tag.
struct TSourceGlisse {
    int Liste = 0; // 0: a squad, else the tag's list number
    int Ligne = 0; // the tag's 0-based row
    int Cote = 0;  // a squad's side: 1 home, 2 away
    uint16_t Joueur = 0;
    std::string Nom;

    static TSourceGlisse Equipe(int cote, uint16_t joueur, std::string nom)
    {
        return TSourceGlisse{0, 0, cote, joueur, std::move(nom)};
    }
    static TSourceGlisse Carton(int liste, int ligne) { return TSourceGlisse{liste, ligne, 0, 0, {}}; }
};

// The frame of the three sheet pages: the shown match and the navigation.
class TFeuilleMatch {
public:
    explicit TFeuilleMatch(TSaison* saison);
    virtual ~TFeuilleMatch();
    TFeuilleMatch(const TFeuilleMatch&) = delete;
    TFeuilleMatch& operator=(const TFeuilleMatch&) = delete;

    // Writes the shown match back, all but a refused value (left on screen,
    // the season keeping what it held for it); the season is marked changed
    // only when what it holds differs. With LibereListes the squads are
    // freed too.
    virtual void Enregistre(bool libereListes) = 0;
    // Shows the current match.
    virtual void Affiche() = 0;

    // --- The main window's road ---
    // Commit before the page is left, saved or printed.
    void ValideSaisieEnCours();
    // The page goes: it writes unless it was left since it last showed.
    void Quitte();
    // Shown again after being kept hidden: what it shows may be old. A page
    // that was not left keeps what the user typed.
    void Rafraichit();

    // --- What is shown ---
    TSaison* GetSaison() const { return Saison; }
    TDonneesChampionnat* GetChampionnat() const;
    int GetJournee() const;
    // The shown match's number, 0 when none is shown.
    int GetMatch() const { return Match; }
    bool MatchAffiche() const { return Match > 0; }
    uint16_t GetIdEquipe(int cote) const { return cote == 2 ? IdExterieur : IdDomicile; }
    const std::string& GetNomEquipe(int cote) const { return cote == 2 ? NomExterieur : NomDomicile; }
    const std::string& GetScore(int cote) const { return cote == 2 ? ScoreExterieur : ScoreDomicile; }
    // The squad of side 1 (home) or 2 (away); null when none.
    TListeJoueur* GetEquipe(int cote) const { return cote == 2 ? ListeExterieur.get() : ListeDomicile.get(); }

    // --- Navigation ---
    // Corrects the shared current match to the first match of the day with
    // both teams; false when the day has none.
    bool AjusteMatchCourant();
    // The up-down control: -1 previous, +1 next match with both teams; false
    // when no other match qualifies (nothing happens).
    bool ChangeMatch(int sens);
    // The match menu: caption and number of each match with both teams.
    std::vector<std::pair<std::string, int>> ListeMatchs() const;
    void ChoisitMatch(int numero);
    // After the day chooser (0: cancelled): another day becomes current with
    // its first match; the same day keeps the match.
    void ChoisitJournee(int jour);

    // --- Adding a player ---
    // The team a new player joins on side 1 or 2 (read at the match value code).
    int IdEquipeAjout(int cote) const;
    // Adds the player the card created to the squad; false when nothing was added.
    bool AjouteJoueur(int cote, const TJoueur* joueur);

    // --- Tags ---
    int NbListes() const { return static_cast<int>(Listes.size()); }
    // List number n (1..); null outside.
    TListeCartons* GetListe(int n);
    const TListeCartons* GetListe(int n) const;
    TEtatCarton* GetCarton(int liste, int ligne);
    // A drop onto a tag: whether it would be taken, and taking it (false:
    // refused, nothing changed).
    bool AccepteDepot(int liste, int ligne, const TSourceGlisse& source) const;
    bool Depose(int liste, int ligne, const TSourceGlisse& source);
    // A tag dropped on the squad of side 1 or 2.
    bool AccepteRetour(int cote, int liste, int ligne) const;
    bool RendCarton(int cote, int liste, int ligne);
    // The minute box of a tag (digits only; marks the sheet modified). A
    // minute the event word cannot hold is kept as typed, for correction, and
    // refused with the range and what the season keeps meanwhile named: false.
    bool SetMinute(int liste, int ligne, const std::string& texte);
    // Why the minute of a row is not written, and what the season keeps in
    // its place; empty when the minute is written (or the row is empty).
    std::string RefusLigne(int liste, int ligne) const;

    // A value typed beyond what the file holds is written nowhere (the rest of
    // the match is, and the season keeps what it held for that value): the
    // message naming the first such value and what is kept, empty when none.
    virtual std::string SaisieRefusee() const;
    // Before another match, day or page is shown: false, with the message,
    // while a typed value is refused (the page stays for its correction).
    bool PeutQuitterMatch();

    // --- Hooks ---
    std::function<void()> OnModification;
    // The rows or values changed: the view shows them again.
    std::function<void()> SurAffichage;

protected:
    // Whether the up-down control stops on match n of the day: both teams set.
    virtual bool MatchQualifie(int jour, int n) const;
    // Reads the current match: false (page emptied) when the day has no
    // match with both teams.
    bool ChargeMatch();
    void Vide();
    void LibereListes();
    // The start of every write: the squads freed when asked, then the
    // championship of the shown match (nullptr when none is shown).
    TDonneesChampionnat* DebutEnregistre(bool libereListes);
    void Modifie();
    void Montre();
    // The user typed something the season does not hold yet.
    void Touche() { Quittee = false; }
    // After a change of a tag's text: packing, modified flag, notice.
    void Change(int liste);
    // A value just typed: true when it is written (no refusal), else the
    // refusal is shown (the text stays for its correction): false.
    static bool Admise(const std::string& refus);
    TListeDonnees* ListeButs() const;
    TListeDonnees* ListeCartons() const;
    std::string Nom(uint16_t id) const;

    TSaison* Saison;
    int Match = 0;
    uint16_t IdDomicile = 0;
    uint16_t IdExterieur = 0;
    std::string NomDomicile, NomExterieur, ScoreDomicile, ScoreExterieur;
    uint16_t ScoreBrut[2] = {0, 0};
    std::unique_ptr<TListeJoueur> ListeDomicile, ListeExterieur;
    std::vector<TListeCartons> Listes;
    bool Quittee = false;
};

// The scorers and cards page: lists 1-2 goals, 3-4 yellow cards, 5-6 red
// cards (odd home, even away), attendance, referee, ratings and stadium.
class TFeuilleButeurs : public TFeuilleMatch {
public:
    explicit TFeuilleButeurs(TSaison* saison);

    void Enregistre(bool libereListes) override;
    void Affiche() override { AfficheMatch(); }
    void AfficheMatch();

    std::string Affluence;
    // Referees and stadiums offered: label and id (stadium code).
    std::vector<std::pair<std::string, int>> Arbitres;
    std::vector<std::pair<std::string, int>> Stades;
    int ArbitreChoisi = -1; // index, -1 none
    int StadeChoisi = -1;
    std::string NoteArbitre;
    std::string NoteMatch;

    // A squad double-click: the first free goal row, else yellow, else red.
    // False when no row took him.
    bool DoubleClicEquipe(int cote, uint16_t joueur, const std::string& nom);
    // The goal-kind menu on a goal row: 1 penalty, 2 free kick, 0 none.
    void ChoisitGenre(int liste, int ligne, int genre);
    // The kind the menu ticks: 1, 2 or 0.
    int GenreCoche(int liste, int ligne) const;
    void SetAffluence(const std::string& texte);
    // A rating beyond what its byte holds is kept as typed and refused with
    // the range named: false.
    bool SetNoteArbitre(const std::string& texte);
    bool SetNoteMatch(const std::string& texte);
    // A choice in the referee or stadium box, with the referee warning.
    void ChoisitArbitre(int index);
    void ChoisitStade(int index);
    // The referee card created one: offered, selected.
    void AjouteArbitre(const TPersonnelStat* arbitre);
    // The warning the referee choice gives, empty when none.
    std::string AvertissementArbitre() const;
    std::string SaisieRefusee() const override;

private:
    // The event a row writes; none for an empty row or a new row whose
    // minute is refused.
    std::optional<TDonneesEvt> EvtLigne(const TListeCartons& l, const TEtatCarton& t) const;
    void RemplitArbitresStades();
    void ChargeButs();
    void ChargeCartons();
    void ChangeValeur();
    // Why a rating is not written, and what the season keeps in its place;
    // empty when it is written.
    std::string RefusNoteArbitre() const;
    std::string RefusNoteMatch() const;
    bool ArbitreAffiche() const { return ArbitreChoisi >= 0 && ArbitreChoisi < static_cast<int>(Arbitres.size()); }
};

// The assists page: lists 1-2 assists, 3-4 missed penalties, and the comment.
class TFeuillePasseurs : public TFeuilleMatch {
public:
    explicit TFeuillePasseurs(TSaison* saison);

    void Enregistre(bool libereListes) override;
    void Affiche() override { AfficheMatch(); }
    void AfficheMatch();

    std::string Commentaire;
    void SetCommentaire(const std::string& texte)
    {
        Commentaire = texte;
        Touche();
    }
    bool DoubleClicEquipe(int cote, uint16_t joueur, const std::string& nom);

private:
    TListeDonnees* ListePasseurs() const;
};

// The largest minute the event word holds, and the largest match or referee rating.
constexpr int MinuteMax = Evt::MasqueMinute;
constexpr int NoteMax = 255;

// A number typed in a box: 0 when empty or not a number.
int LitEntierSaisi(const std::string& texte);
// The same within 0..maximum: -1 for a number beyond it, which no box may
// store as another value.
int LitEntierBorne(const std::string& texte, int maximum);
// A minute typed in a scorers row: 0 when not a number, -1 beyond MinuteMax.
int LitMinuteBut(const std::string& texte);
// The message refusing a minute or a rating typed beyond its range.
std::string TexteMinuteRefusee(const std::string& texte, int maximum = MinuteMax);
std::string TexteNoteRefusee(const std::string& texte);
