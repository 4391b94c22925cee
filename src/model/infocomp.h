#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TContexteSaison;

// What the calendar asks of the championship that owns it: creating a round
// past the championship's last day grows the championship's per-day lists.
class TProprietaireJournees {
public:
    virtual ~TProprietaireJournees() = default;
    virtual int GetNbJour() const = 0;
    virtual void SetNbJour(int n) = 0;
};

// Packed match date: byte 0 day, byte 1 month, byte 2 year div 100, byte 3
// year mod 100. Zero means no date.
using TDateMatch = uint32_t;

TDateMatch EncodeDateMatch(int jour, int mois, int annee);
inline int JourDateMatch(TDateMatch d)
{
    return d & 0xFF;
}
inline int MoisDateMatch(TDateMatch d)
{
    return (d >> 8) & 0xFF;
}
inline int AnneeDateMatch(TDateMatch d)
{
    return ((d >> 16) & 0xFF) * 100 + ((d >> 24) & 0xFF);
}
// Byte k (1 day, 2 month, 3 year div 100, 4 year mod 100); 0 outside.
uint8_t OctetDateMatch(TDateMatch d, int k);
TDateMatch SetOctetDateMatch(TDateMatch d, int k, uint8_t b);

TDateMatch DateTimeToDateMatch(std::chrono::sys_days t);
// Nothing for the no-date value or a packed value that is not a calendar date.
std::optional<std::chrono::sys_days> DateMatchToDateTime(TDateMatch d);
// Positive when b is later than a, 0 when equal.
int CompareDateMatch(TDateMatch a, TDateMatch b);
int MoisEntre(TDateMatch a, TDateMatch b);
std::string DateMatchToStr(TDateMatch d, bool court = false);
// Day, month and year of t; each of the three may be -1 to match anything.
bool DateCorrespond(int jour, int mois, int annee, std::chrono::sys_days t);

// One match. Sides are 0 (home) and 1 (away).
class TInfoComp {
public:
    static constexpr uint16_t Aucun = 65535;
    static constexpr int NbMotsCompo = 21;
    static constexpr int NbNotes = 15;

    TInfoComp(uint16_t equipe1, uint16_t equipe2);

    uint16_t GetEquipe(int cote) const { return Valide(cote) ? Equipe[cote] : Aucun; }
    void SetEquipe(int cote, uint16_t id)
    {
        if (Valide(cote))
            Equipe[cote] = id;
    }
    // Raw score: 65535 not played, bit 15 the qualified side of a cup tie.
    uint16_t GetScore(int cote) const { return Valide(cote) ? Score[cote] : Aucun; }
    void SetScore(int cote, uint16_t v)
    {
        if (Valide(cote))
            Score[cote] = v;
    }
    bool Joue() const { return Score[0] != Aucun && Score[1] != Aucun; }

    int GetArbitre(int i) const { return i >= 1 && i <= 3 ? Arbitre[i - 1] : -1; }
    void SetArbitre(int i, int id)
    {
        if (i >= 1 && i <= 3)
            Arbitre[i - 1] = id;
    }
    int GetArbitrePrincipal() const { return Arbitre[0]; }
    void SetArbitrePrincipal(int id) { Arbitre[0] = id; }
    uint8_t GetNoteArbitreN(int i) const { return i >= 1 && i <= 3 ? NoteArbitre[i - 1] : 0; }
    void SetNoteArbitreN(int i, uint8_t note)
    {
        if (i >= 1 && i <= 3)
            NoteArbitre[i - 1] = note;
    }
    uint8_t GetNoteArbitre() const { return NoteArbitre[0]; }
    void SetNoteArbitre(uint8_t note) { NoteArbitre[0] = note; }
    uint8_t GetNoteMatch() const { return NoteMatch; }
    void SetNoteMatch(uint8_t note) { NoteMatch = note; }

    int GetAffluence() const { return Affluence; }
    void SetAffluence(int v) { Affluence = v; }
    const std::string& GetComment() const { return Comment; }
    // Kept as a reopened file gives it back (TexteCommentaire).
    void SetComment(std::string texte);
    // A comment as the file reader gives it back: without the blanks before it
    // and with each CR LF a blank, or a saved comment would come back different.
    static std::string TexteCommentaire(std::string texte);
    // Stadium code in the season's registry, 65535 none.
    uint16_t GetStade() const { return Stade; }
    void SetStade(uint16_t code) { Stade = code; }
    TDateMatch GetDate() const { return Date; }
    // Only for a match not yet in a calendar: once there, its date changes
    // through the calendar (TJournees), which keeps it in the list of its date.
    void SetDate(TDateMatch d) { Date = d; }
    int GetOrdinal() const { return Ordinal; }
    void SetOrdinal(int o) { Ordinal = o; }

    // Periods 1..6; 255 = none.
    uint8_t GetScorePeriode(int cote, int p) const
    {
        return Valide(cote) && p >= 1 && p <= 6 ? Periode[cote][p - 1] : 0;
    }
    void SetScorePeriode(int cote, int p, uint8_t v)
    {
        if (Valide(cote) && p >= 1 && p <= 6)
            Periode[cote][p - 1] = v;
    }

    // Line-up word i (1..21) and player rating i (1..15) of the side of that
    // team; 0 / nothing for a team that plays neither side.
    uint16_t GetCompo(uint16_t equipe, int i) const;
    void SetCompo(uint16_t equipe, int i, uint16_t v);
    uint8_t GetNoteJoueur(uint16_t equipe, int i) const;
    void SetNoteJoueur(uint16_t equipe, int i, uint8_t v);
    // The same by side.
    uint16_t GetCompoCote(int cote, int i) const;
    void SetCompoCote(int cote, int i, uint16_t v);
    uint8_t GetNoteCote(int cote, int i) const;
    void SetNoteCote(int cote, int i, uint8_t v);
    // Side of a team in this match, -1 when it plays neither.
    int CoteEquipe(uint16_t equipe) const;

    // "Home - Away", followed by " : 2 - 1" once played.
    std::string GetLibelle(const TContexteSaison& saison) const;
    std::string GetTexteCompo(uint16_t equipe, const TContexteSaison& saison) const;

private:
    friend class TJournees;
    static bool Valide(int cote) { return cote == 0 || cote == 1; }

    std::array<uint16_t, 2> Equipe;
    std::array<uint16_t, 2> Score{Aucun, Aucun};
    int Affluence = -1;
    std::array<int, 3> Arbitre{-1, -1, -1};
    std::array<uint8_t, 3> NoteArbitre{0, 0, 0};
    uint8_t NoteMatch = 0;
    std::array<std::array<uint8_t, 6>, 2> Periode;
    TDateMatch Date = 0;
    std::string Comment;
    uint16_t Stade = Aucun;
    std::array<std::array<uint16_t, NbMotsCompo>, 2> Compo{};
    std::array<std::array<uint8_t, NbNotes>, 2> Notes;
    int Ordinal = -1;
};

// The matches of one round (owning) or of one calendar date (not owning).
class TInfoCompJour {
public:
    explicit TInfoCompJour(bool possede, TDateMatch date = 0) : Possede(possede), Date(date) {}
    ~TInfoCompJour();
    TInfoCompJour(const TInfoCompJour&) = delete;
    TInfoCompJour& operator=(const TInfoCompJour&) = delete;

    TDateMatch GetDate() const { return Date; }
    void SetDate(TDateMatch d) { Date = d; }

    // Ordinal -1 appends; otherwise stores it in m and inserts m before the
    // first match whose ordinal is not smaller. Returns m's index.
    int InsereMatch(TInfoComp* m, int ordinal);
    // Detach, never free.
    bool RetireMatch(const TInfoComp* m);
    TInfoComp* RetireMatchIndex(int i);
    void DeplaceMatch(int de, int vers);
    void VideListe() { Matchs.clear(); }
    // Frees every match (only for a round, which owns them).
    void Vide();

    int NbMatch() const { return static_cast<int>(Matchs.size()); }
    TInfoComp* GetMatch(int i) const { return i >= 0 && i < NbMatch() ? Matchs[i] : nullptr; }
    int IndexMatch(const TInfoComp* m) const;
    int IndexEquipe(uint16_t equipe) const;
    int IndexEquipes(uint16_t dom, uint16_t ext) const;
    TInfoComp* GetMatchEquipes(uint16_t dom, uint16_t ext) const { return GetMatch(IndexEquipes(dom, ext)); }

private:
    bool Possede;
    TDateMatch Date;
    std::vector<TInfoComp*> Matchs;
};

// A championship's calendar: each match sits in exactly one round and in the
// list of its date; every operation below keeps both in step.
class TJournees {
public:
    explicit TJournees(TProprietaireJournees* proprietaire = nullptr) : Proprietaire(proprietaire) {}
    TJournees(const TJournees&) = delete;
    TJournees& operator=(const TJournees&) = delete;
    ~TJournees();

    int NbJournees() const { return static_cast<int>(Journees.size()); }
    TInfoCompJour* GetJournee(int n) const { return n >= 1 && n <= NbJournees() ? Journees[n - 1].get() : nullptr; }
    int NbDates() const { return static_cast<int>(Dates.size()); }
    TInfoCompJour* GetDate(int i) const { return i >= 0 && i < NbDates() ? Dates[i].get() : nullptr; }
    TInfoCompJour* ChercheDate(TDateMatch d) const;
    int NumeroJourneeDate(TDateMatch d) const;

    TInfoCompJour* CreeJournee(int n);
    TInfoCompJour* AjouteDate(TDateMatch d);

    int AjouteMatch(int n, std::unique_ptr<TInfoComp> m, TDateMatch dateJournee, int ordinal);
    TInfoComp* CherchOuCreeMatch(int n, uint16_t dom, int ordinal, bool creer, TDateMatch date, uint16_t ext);

    TDateMatch GetDateJournee(int n) const;
    void SetDateJournee(int n, TDateMatch d);
    void SetDateMatch(int n, int i, TDateMatch d);
    // Moves m to the list of date d (its own date becomes d).
    void DeplaceMatchDate(TInfoComp* m, TDateMatch d);
    bool RetireMatchDate(const TInfoComp* m);

    int SupprimeMatchsEquipe(int n, uint16_t equipe);
    int SupprimeMatch(int n, uint16_t a, uint16_t b);
    void SupprimeMatchsJournee(int n);
    std::vector<std::unique_ptr<TInfoComp>> RetireMatchsJournee(int n);
    void TronqueJournees(int n);
    void RenumeroteEquipes(int n, int nombre, const std::vector<uint16_t>& table);
    // Round number (0 when absent) and index of m.
    std::pair<int, int> ChercheMatch(const TInfoComp* m) const;
    // 0: everything; n >= 1: the matches of round n, the round stays.
    void Vide(int n = 0);

private:
    void SupprimeMatchIndex(TInfoCompJour& journee, int i);
    void PlaceDansDate(TInfoComp* m, TDateMatch d);

    TProprietaireJournees* Proprietaire;
    std::vector<std::unique_ptr<TInfoCompJour>> Dates;
    std::vector<std::unique_ptr<TInfoCompJour>> Journees;
};
