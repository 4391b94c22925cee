#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TContexteSaison;
class TDonneesChampionnatBasket;
class TJoueur;

// The season's player of that id, looked up first in that team's list (65535:
// any team); null without a season or registry.
const TJoueur* ChercheJoueur(const TContexteSaison* saison, int id, int equipe);

// Flags of the event word above the minute (bits 0..6).
namespace Evt {
constexpr uint16_t MasqueMinute = 0x7F;
constexpr uint16_t ContreCamp = 0x80; // own goal in a scorers list, sending-off in a cards list
constexpr uint16_t Penalty = 0x100;
constexpr uint16_t CoupFranc = 0x200;
constexpr uint16_t PenaltyManque = 0x800;
} // namespace Evt

// One match event. In the basketball box-score lists the word is a count, not
// a minute.
class TDonneesEvt {
public:
    TDonneesEvt(int joueur, uint16_t equipe, uint16_t mot) : Joueur(joueur), Equipe(equipe), Mot(mot) {}
    virtual ~TDonneesEvt() = default;
    static std::unique_ptr<TDonneesEvt> CreateVide() { return std::make_unique<TDonneesEvt>(0, 65535, 0); }

    // 4 own goal / sending-off, 1 penalty, 2 free kick, 5 missed penalty, 3 otherwise.
    int GetGenre() const;
    int GetJoueur() const { return Joueur; }
    void SetJoueur(int id) { Joueur = id; }
    uint16_t GetEquipe() const { return Equipe; }
    void SetEquipe(uint16_t id) { Equipe = id; }
    uint16_t GetMot() const { return Mot; }
    void SetMot(uint16_t mot) { Mot = mot; }
    int GetMinute() const { return Mot & Evt::MasqueMinute; }
    // Keeps the flag bits. A minute outside the seven bits is refused (false,
    // word unchanged): masked, it would stand for another minute.
    bool SetMinute(int minute)
    {
        if (minute < 0 || minute > Evt::MasqueMinute)
            return false;
        Mot = static_cast<uint16_t>((Mot & ~Evt::MasqueMinute) | minute);
        return true;
    }

private:
    int Joueur;
    uint16_t Equipe;
    uint16_t Mot;
};

// The same record with three values of the player rankings' own.
class TDonneesEvtBasket : public TDonneesEvt {
public:
    using TDonneesEvt::TDonneesEvt;
    std::array<int, 3> Valeurs{0, 0, 0};
};

std::string LibelleTypeBut(uint16_t mot);
std::string LibelleGenre(int genre);
std::string LibelleGenreCourt(int genre);

// A view over items it does not own, kept ordered by a comparison
// (nouveau, existant) -> existant - nouveau: an item goes before the first
// existing one that compares >= 0, so equal items end with the newest first.
template <class T> class TListeResultatT {
public:
    using Comparaison = std::function<int(const T& nouveau, const T& existant)>;
    explicit TListeResultatT(Comparaison comparaison = nullptr) : Compare(std::move(comparaison)) {}

    void Ajoute(T* item)
    {
        auto it = Items.begin();
        if (Compare)
            while (it != Items.end() && Compare(*item, **it) < 0)
                ++it;
        else
            it = Items.end();
        Items.insert(it, item);
    }
    int Nombre() const { return static_cast<int>(Items.size()); }
    T* Get(int i) const { return i >= 0 && i < Nombre() ? Items[i] : nullptr; }

private:
    Comparaison Compare;
    std::vector<T*> Items;
};
using TListeResultat = TListeResultatT<TDonneesEvt>;

// The events of one match day for one kind of list; owns them.
class TListeDonnees {
public:
    explicit TListeDonnees(const TContexteSaison* saison = nullptr) : Saison(saison) {}
    TListeDonnees(const TListeDonnees&) = delete;
    TListeDonnees& operator=(const TListeDonnees&) = delete;

    void SetSaison(const TContexteSaison* saison) { Saison = saison; }
    const TContexteSaison* GetSaison() const { return Saison; }

    void Vide() { Items.clear(); }
    int Nombre() const { return static_cast<int>(Items.size()); }
    TDonneesEvt* Get(int i) const { return i >= 0 && i < Nombre() ? Items[i].get() : nullptr; }
    TDonneesEvt* Ajoute(std::unique_ptr<TDonneesEvt> evt);
    TDonneesEvt* Insere(int i, std::unique_ptr<TDonneesEvt> evt);
    // Takes entry i out of the list and hands it to the caller.
    std::unique_ptr<TDonneesEvt> Retire(int i);

    // The player's events in list order (any team); own goals left out on request.
    TListeResultat ResultatsJoueur(int joueur, bool sansContreCamp) const;
    // Kind 1 every event of the team (only missed penalties with the flag),
    // 2 those without 0x80, 3 those with 0x80; sorted by player name, then minute.
    TListeResultat ResultatsEquipe(uint16_t equipe, int genre, bool manquesSeuls = false) const;
    // Views by minute: 0 home, 1 away, and with `quatre` 2/3 the events with
    // 0x80 of home/away. Missed penalties only with `manques`, otherwise none.
    std::vector<TListeResultat> ResultatsEquipeParType(uint16_t dom, uint16_t ext, bool quatre, bool manques) const;
    void SupprimePenaltysManques(const std::vector<uint16_t>& equipes);
    void SupprimeEquipes(const std::vector<uint16_t>& equipes);
    TListeResultat ListeParJoueur() const;
    TListeResultat ListeParMinute() const;

private:
    template <class Garde> void SupprimeSi(Garde garde);
    std::string NomEquipe(uint16_t id) const;

    const TContexteSaison* Saison;
    std::vector<std::unique_ptr<TDonneesEvt>> Items;
};

// One player's playing time in a team's view.
class TTempsJoueur {
public:
    explicit TTempsJoueur(int joueur = 0) : Joueur(joueur) {}
    int GetNumero() const { return Joueur; }
    int Joueur;
    int Minutes = 0;
    int Matchs = 0;
    int Entrees = 0;
    int Sorties = 0;
    int MinuteEntree = 0; // minute of entry in the match being counted; 0 not on as a substitute
};

class TListeTemps {
public:
    TTempsJoueur* Ajoute(std::unique_ptr<TTempsJoueur> temps);
    TTempsJoueur* ChercheNumero(int id) const;
    TTempsJoueur* Get(int i) const { return i >= 0 && i < Nombre() ? Items[i].get() : nullptr; }
    int Nombre() const { return static_cast<int>(Items.size()); }
    void VideEntrees();
    // Minutes played, then matches played, largest first; ties keep their order.
    void Trie();

private:
    std::vector<std::unique_ptr<TTempsJoueur>> Items;
};

struct TNoteJoueur {
    int Joueur = 0;
    int Nombre = 0;
    int Somme = 0;
    double Moyenne = 0;
};

// Rating averages, in ascending player-id order until sorted.
class TListeNotes {
public:
    explicit TListeNotes(const TContexteSaison* saison) : Saison(saison) {}
    // filtre 0 goalkeepers only, 1 the others, 2 everybody.
    void AjouteNote(int joueur, int note, int filtre);
    void CalculeMoyennes();
    void Trie();
    int Nombre() const { return static_cast<int>(Items.size()); }
    TNoteJoueur* Get(int i) const { return i >= 0 && i < Nombre() ? Items[i].get() : nullptr; }
    std::unique_ptr<TNoteJoueur> Supprime(int i);

private:
    const TContexteSaison* Saison;
    std::vector<std::unique_ptr<TNoteJoueur>> Items;
};

// Basketball box-score totals of one player: 0 playing time, 1 points, 2/3
// 2-point shots made/attempted, 4/5 3-point shots, 6/7 free throws, 8/9 the two
// rebound counts, 10 assists, 11 fouls, 12 steals, 13 blocks, 14 turnovers,
// 15 fouls drawn.
struct TStatTir {
    int Joueur = 0;
    std::string NomComplet; // surname and first name, for the display order
    std::array<int, 16> Valeurs{};
};

// Totals per player id (namesakes and players outside the registry stay
// apart), in the order of the players' full names.
class TListeStatTir {
public:
    explicit TListeStatTir(const TContexteSaison* saison = nullptr) : Saison(saison) {}
    // mode 0: kinds 0..4, 1: kinds 5..11, other: all twelve, of one day; a
    // later event of a kind replaces the value of an earlier one.
    void Calcule(uint16_t equipe, const TDonneesChampionnatBasket& champ, int jour, int mode);
    // Stores the value of statistic kind k (0..11) of one player.
    void Stocke(int joueur, uint16_t equipe, int genre, uint16_t mot);
    int Nombre() const { return static_cast<int>(Items.size()); }
    TStatTir* Get(int i) const { return i >= 0 && i < Nombre() ? Items[i].get() : nullptr; }
    void Vide() { Items.clear(); }

private:
    TStatTir& Entree(int joueur, uint16_t equipe);

    const TContexteSaison* Saison;
    std::vector<std::unique_ptr<TStatTir>> Items;
};
