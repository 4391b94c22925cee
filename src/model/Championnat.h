#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/ListeDonnees.h"
#include "model/Penalites.h"
#include "model/Personnels.h"
#include "model/infocomp.h"

class TContexteSaison;
class TXmlReader;
class TXmlWriter;

// One match decided on penalties.
struct TPenaltys {
    uint16_t Equipe1 = 0;
    uint16_t Equipe2 = 0;
    uint8_t But1 = 0;
    uint8_t But2 = 0;
};

// One list of events per day (index day - 1), owned.
class TListesJour {
public:
    void Redimensionne(int n, const TContexteSaison* saison);
    TListeDonnees* Get(int jour) const { return jour >= 1 && jour <= Nombre() ? Listes[jour - 1].get() : nullptr; }
    int Nombre() const { return static_cast<int>(Listes.size()); }
    void VideTout();
    void SetSaison(const TContexteSaison* saison);
    void ConvertitJoueurs(const TListeRenumerotation& paires);

private:
    std::vector<std::unique_ptr<TListeDonnees>> Listes;
};

// One championship or cup of a season. Days and matches are numbered from 1,
// team positions from 0 (indexes into the array of team ids).
class TDonneesChampionnat : public TProprietaireJournees {
public:
    enum : uint8_t { TypeChamp = 1, TypeCoupe = 2, TypeNational = 4, TypeInternational = 8 };
    static constexpr int NbOptions = 19;
    static constexpr int NbOptionsArbitre = 5;
    static constexpr int MaxEquipes = 255;
    // The most days the options dialog allows; a file asking for more is refused.
    static constexpr int MaxJours = 999;

    TDonneesChampionnat(TContexteSaison* saison, uint8_t sport, uint8_t genre);
    ~TDonneesChampionnat() override;
    TDonneesChampionnat(const TDonneesChampionnat&) = delete;
    TDonneesChampionnat& operator=(const TDonneesChampionnat&) = delete;

    TContexteSaison* GetSaison() const { return Saison; }
    // Binds the championship and every event list to a season.
    virtual void SetSaison(TContexteSaison* saison);

    bool EstCoupe() const { return (Genre & TypeCoupe) != 0; }
    // Basketball keeps period scores and box scores instead of goal events.
    virtual bool EstBasket() const { return false; }
    bool EstInternational() const { return (Genre & TypeInternational) != 0; }

    // --- Match values ---
    // code = 4 * (match - 1) + k: k 1 home id, 2 home score, 3 away id, 4 away
    // score; scores without the qualified bit; 65535 when there is none.
    uint16_t GetValeurMatch(int jour, int code) const;
    int GetNbMatchJournee(int jour) const;
    int GetNbMatchCourant() const;
    int GetNbMatch() const { return NbMatch; }
    void SetNbMatch(int n);

    // --- Teams ---
    int GetNbEquipe() const { return NbEquipe; }
    int GetNbEquipePlacees() const { return NbEquipePlacees; }
    int IndexEquipe(int id) const;
    int GetEquipe(int p) const;
    void SetEquipe(int p, uint16_t id);
    void SetNbEquipe(int n);
    // False (nothing added) for an id already held or when 255 teams are held.
    bool AjouteEquipe(uint16_t id);
    void TrieEquipes(const TContexteSaison& saison);

    // --- Days and matches ---
    int GetNbJour() const override { return NbJour; }
    void SetNbJour(int n) override;
    TJournees& GetJournees() { return Calendrier; }
    const TJournees& GetJournees() const { return Calendrier; }
    TInfoCompJour* GetJournee(int n) const { return Calendrier.GetJournee(n); }
    TDateMatch GetDateJournee(int n) const { return Calendrier.GetDateJournee(n); }
    void SetDateJournee(int n, TDateMatch d) { Calendrier.SetDateJournee(n, d); }
    uint8_t GetOctetDateJournee(int n, int k) const { return OctetDateMatch(GetDateJournee(n), k); }
    void SetOctetDateJournee(int n, int k, uint8_t b);
    TInfoComp* GetMatch(int n, int m) const;
    TInfoComp* GetMatchEquipe(int n, int id) const;
    TInfoComp* GetMatchPosition(int n, int p) const { return GetMatchEquipe(n, GetEquipe(p)); }
    TInfoComp* ChercheMatchEquipes(int n, uint16_t id1, uint16_t id2, bool creer);
    TInfoComp* ChercheMatchEquipesDate(int n, uint16_t id1, uint16_t id2, bool creer, TDateMatch date);
    // Index of the match id1 - id2 on day n, -1 when refused. Other matches
    // of either team that day are replaced; index >= 0 chooses the place.
    int AjouteMatch(int n, int id1, int id2, int index, uint16_t score1, uint16_t score2);
    int AjouteMatchDate(int n, int id1, int id2, TDateMatch date, int index, uint16_t score1, uint16_t score2);
    int SupprimeMatch(int n, uint16_t id1, uint16_t id2) { return Calendrier.SupprimeMatch(n, id1, id2); }
    void DeplaceMatchDate(int n, int m, TDateMatch date);

    // --- Values of match m of day n (neutral value without the match) ---
    int GetAffluence(int n, int m) const;
    void SetAffluence(int n, int m, int v);
    int GetArbitrePrincipal(int n, int m) const { return GetArbitre(n, m, 1); }
    void SetArbitrePrincipal(int n, int m, int id) { SetArbitre(n, m, 1, id); }
    int GetArbitre(int n, int m, int i) const;
    void SetArbitre(int n, int m, int i, int id);
    uint8_t GetNoteArbitrePrincipal(int n, int m) const { return GetNoteArbitre(n, m, 1); }
    void SetNoteArbitrePrincipal(int n, int m, uint8_t note) { SetNoteArbitre(n, m, 1, note); }
    uint8_t GetNoteArbitre(int n, int m, int i) const;
    void SetNoteArbitre(int n, int m, int i, uint8_t note);
    uint8_t GetNoteMatch(int n, int m) const;
    void SetNoteMatch(int n, int m, uint8_t note);
    TDateMatch GetDateMatch(int n, int m) const;
    // Stadium code, 65535 none.
    int GetStadeMatch(int n, int m) const;
    void SetStadeMatch(int n, int m, uint16_t code);
    std::string GetCommentaireMatch(int n, uint16_t id1, uint16_t id2) const;
    void SetCommentaireMatch(int n, uint16_t id1, uint16_t id2, std::string texte);

    // --- Line-ups and ratings of the club at position p on day n ---
    uint16_t GetCompoMatch(int n, int p, int i) const;
    void SetCompoMatch(int n, int p, int i, uint16_t v);
    bool CompoSaisie(int n, int p) const { return GetCompoMatch(n, p, 20) > 255; }
    uint8_t GetNoteJoueurMatch(int n, int p, int i) const;
    void SetNoteJoueurMatch(int n, int p, int i, uint8_t v);
    bool NotesSaisies(int n, int p) const { return GetNoteJoueurMatch(n, p, 15) != 0; }
    void VideCompos(int n, const std::vector<int>& positions);
    void VideNotes(int n, const std::vector<int>& positions);
    std::string GetTexteCompo(int n, uint16_t id) const;

    // --- Results ---
    TInfoComp* SetScoreMatch(int n, int i, int cote, uint16_t v);
    // cote 0: the home side went through, otherwise the away side.
    void SetQualifie(int n, uint16_t id1, uint16_t id2, int cote);
    // 0 home, 1 away, 2 none.
    int GetQualifie(int n, uint16_t id1, uint16_t id2) const;
    int NbMatchJoue(uint16_t id) const;

    // --- Per-day lists ---
    TListeDonnees* GetButeursJournee(int n) const { return Buteurs.Get(n); }
    TListeDonnees* GetCartonsJournee(int n) const { return Cartons.Get(n); }
    // Every event list of day n that the championship's sport keeps (none out
    // of range): what a change of teams or a forfeit must go through.
    virtual std::vector<TListeDonnees*> GetListesJournee(int n) const;
    void AjoutePenaltys(int n, uint16_t id1, uint16_t id2, uint8_t buts1, uint8_t buts2);
    void AjoutePenaltysRecord(int n, const TPenaltys& p);
    TPenaltys* CherchePenaltys(int n, uint16_t id1, uint16_t id2) const;
    void SupprimePenaltys(int n, uint16_t id1, uint16_t id2);

    // --- Options ---
    uint8_t GetOption(int i) const { return i >= 0 && i < NbOptions ? Options[i] : 0; }
    void SetOption(int i, uint8_t b)
    {
        if (i >= 0 && i < NbOptions)
            Options[i] = b;
    }
    uint8_t GetOptionArbitre(int i) const { return i >= 0 && i < NbOptionsArbitre ? OptionsArbitre[i] : 0; }
    void SetOptionArbitre(int i, uint8_t b)
    {
        if (i >= 0 && i < NbOptionsArbitre)
            OptionsArbitre[i] = b;
    }
    // Division when set, else CodePerso + 1000.
    int GetCode() const { return Division != 0 ? Division : CodePerso + 1000; }
    void SetCode(int c);

    // --- Groups, penalties, cup rounds ---
    int NbGroupe() const { return static_cast<int>(Groupes.size()); }
    TGroupeEquipe* GetGroupe(int i) const { return i >= 0 && i < NbGroupe() ? Groupes[i].get() : nullptr; }
    TGroupeEquipe* AjouteGroupe(std::unique_ptr<TGroupeEquipe> groupe);
    void VideGroupes() { Groupes.clear(); }
    TPenalites& GetPenalites() { return Penalites; }
    const TPenalites& GetPenalites() const { return Penalites; }

    // Expands rounds (plain round types 1..7) into days with their leg bits.
    void CreeToursCoupe(const std::vector<TTourCoupeJour>& tours);
    void AjouteTourCoupe(TTourCoupeJour tour);
    const TTourCoupeJour* GetTourCoupe(int i) const
    {
        return i >= 0 && i < GetNbTourCoupe() ? &ToursCoupe[i] : nullptr;
    }
    int GetNbTourCoupe() const { return static_cast<int>(ToursCoupe.size()); }
    void VideToursCoupe() { ToursCoupe.clear(); }
    void AjouteMatchSuiv(int index, uint16_t dom, uint16_t ext);
    // The bye team of a slot, else -(index + 1) of where such an entry would go.
    int GetMatchSuiv(int slot) const;
    const std::vector<int>& GetMatchsSuiv() const { return MatchsSuiv; }
    void VideMatchsSuiv() { MatchsSuiv.clear(); }
    // Gives each bye the id Carte makes of its team; a bye whose team
    // becomes none is dropped.
    void RenumeroteMatchsSuiv(const std::function<uint16_t(uint16_t)>& Carte);

    // --- Checks, renumbering, copies ---
    void ConvertitPositionsJournee(int n);
    // Walking back from day `jour` - 1: the first match of id1, then of id2,
    // with that referee; `jour` becomes its day (0 when none).
    TInfoComp* ChercheArbitrePrecedent(int arbitre, uint16_t id1, uint16_t id2, int& jour) const;
    // Seven flags per match of the day (1 fine, 0 to complete); `nombre` is
    // the count of matches examined.
    virtual std::vector<uint8_t> ControleJournee(int n, int& nombre) const;
    virtual void ConvertitJoueurs(const TListeRenumerotation& paires);
    void ConvertitArbitres(const TListeRenumerotation& paires);
    virtual void CopieResultats(const TDonneesChampionnat& source);
    virtual void Vide(bool tout);
    virtual void VideJournee(int n);

    // --- XML ---
    void SaveToXml(TXmlWriter& xml) const;
    // `joueurs`: which ids name a player of the season (JoueursConnus), for a
    // caller that writes several championships.
    void SaveToXml(TXmlWriter& xml, const std::vector<bool>& joueurs) const;
    static std::vector<bool> JoueursConnus(const TContexteSaison* saison);
    // Reads the children of the current "Championnat" element. False when the
    // file asks for impossible counts (teams, days); the caller then drops the
    // championship and fails the whole load.
    bool LoadFromXml(TXmlReader& xml);

    // Fields the pages read and write directly.
    std::string OrdreClassement = "ac";
    int CodeChamp = 0;
    int Division = 0;
    uint16_t CodePerso = 0;
    int BonusBut = 0;
    int PointBonusBut = 0;
    int BonusEcart = 0;
    bool PetiteFinale = false;
    uint8_t NbJournee = 1;
    uint8_t JourneeJouee = 0;
    uint8_t Genre;
    uint8_t Sport;

protected:
    // Goals per team position and "minutes entered" per position from the
    // day's events, for the day check.
    virtual void CompteButsEquipes(int n, std::vector<int>& buts, std::vector<uint8_t>& minutes) const = 0;
    virtual void EcritEvenementsSportXml(TXmlWriter& xml, int n, const TInfoComp& m) const = 0;
    virtual void EcritMatchExtraXml(TXmlWriter&, int, const TInfoComp&) const {}
    virtual void EcritOptionsSaisieXml(TXmlWriter&) const {}
    virtual bool LitOptionsSaisieXml(TXmlReader&, int) { return false; }
    virtual bool LitEvenementSportXml(TXmlReader& xml, int genre, int n, TInfoComp& m) = 0;

    // Writes the events of one match found in a day list, home side first.
    void EcritEvenementsXml(TXmlWriter& xml, const char* nom, const TListeDonnees* liste, const TInfoComp& m,
                            uint16_t masque, uint16_t valeur, bool minuteSeule) const;
    // Reads one event element into a list; `drapeau` is added to its word.
    static void LitEvenementXml(TXmlReader& xml, int genre, TListeDonnees* liste, const TInfoComp& m, uint16_t drapeau);
    // Calls `lit` with the value of every child named `nom` of the current
    // element (of kind `genre`), skipping the other children.
    template <class F> static void LitEnfantsInt(TXmlReader& xml, int genre, const char* nom, F lit);
    // Copies the events of one day of a source list, teams mapped by position.
    void CopieEvenements(const TDonneesChampionnat& source, const TListeDonnees* de, TListeDonnees* vers) const;
    int PositionEquipe(uint16_t id) const { return IndexEquipe(id); }
    bool ResultatManuel(int n, const TInfoComp& m) const;

    TContexteSaison* Saison;

private:
    void LitMatchXml(TXmlReader& xml, int n);
    void LitCompoXml(TXmlReader& xml, TInfoComp& m, int genre);
    // `joueurs`: which ids name a player; a line-up writes only those.
    void EcritMatchXml(TXmlWriter& xml, int n, const TInfoComp& m, const std::vector<bool>& joueurs) const;
    void EcritCompoXml(TXmlWriter& xml, const TInfoComp& m, int cote, const std::vector<bool>& joueurs) const;

    uint8_t NbEquipe = 0;
    uint8_t NbEquipePlacees = 0;
    uint8_t NbMatch = 0;
    int NbJour = 0;
    TListesJour Buteurs;
    TListesJour Cartons;
    std::vector<std::vector<std::unique_ptr<TPenaltys>>> Penaltys;
    std::array<uint8_t, NbOptions> Options{};
    std::array<uint8_t, NbOptionsArbitre> OptionsArbitre{};
    std::vector<uint16_t> Equipes;
    std::vector<std::unique_ptr<TGroupeEquipe>> Groupes;
    std::vector<TTourCoupeJour> ToursCoupe;
    TPenalites Penalites;
    TJournees Calendrier;
    std::vector<int> MatchsSuiv;
};

class TDonneesChampionnatFootball : public TDonneesChampionnat {
public:
    TDonneesChampionnatFootball(TContexteSaison* saison, uint8_t sport = 0, uint8_t genre = TypeChamp | TypeNational);
    void SetSaison(TContexteSaison* saison) override;
    void SetNbJour(int n) override;
    void Vide(bool tout) override;
    void ConvertitJoueurs(const TListeRenumerotation& paires) override;
    void CopieResultats(const TDonneesChampionnat& source) override;
    TListeDonnees* GetPasseursJournee(int n) const { return Passeurs.Get(n); }
    std::vector<TListeDonnees*> GetListesJournee(int n) const override;

protected:
    void CompteButsEquipes(int n, std::vector<int>& buts, std::vector<uint8_t>& minutes) const override;
    void EcritEvenementsSportXml(TXmlWriter& xml, int n, const TInfoComp& m) const override;
    bool LitEvenementSportXml(TXmlReader& xml, int genre, int n, TInfoComp& m) override;

private:
    TListesJour Passeurs;
};

class TDonneesChampionnatRugby : public TDonneesChampionnat {
public:
    TDonneesChampionnatRugby(TContexteSaison* saison, uint8_t sport = 1, uint8_t genre = TypeChamp | TypeNational);
    void SetSaison(TContexteSaison* saison) override;
    void SetNbJour(int n) override;
    void Vide(bool tout) override;
    void ConvertitJoueurs(const TListeRenumerotation& paires) override;
    void CopieResultats(const TDonneesChampionnat& source) override;
    TListeDonnees* GetTransfosJournee(int n) const { return Transfos.Get(n); }
    TListeDonnees* GetPenalitesJournee(int n) const { return PenalitesButs.Get(n); }
    TListeDonnees* GetDropsJournee(int n) const { return Drops.Get(n); }
    std::vector<TListeDonnees*> GetListesJournee(int n) const override;

protected:
    void CompteButsEquipes(int n, std::vector<int>& buts, std::vector<uint8_t>& minutes) const override;
    void EcritEvenementsSportXml(TXmlWriter& xml, int n, const TInfoComp& m) const override;
    bool LitEvenementSportXml(TXmlReader& xml, int genre, int n, TInfoComp& m) override;

private:
    TListesJour Transfos;
    TListesJour PenalitesButs;
    TListesJour Drops;
};

class TDonneesChampionnatBasket : public TDonneesChampionnat {
public:
    static constexpr int NbStats = 12;
    static constexpr int NbOptionsSaisie = 11;
    static constexpr int NbValeursEval = 13;
    // Box-score kinds, as named in the XML.
    static const char* const NomsStats[NbStats];

    TDonneesChampionnatBasket(TContexteSaison* saison, uint8_t sport = 2, uint8_t genre = TypeChamp | TypeNational);
    bool EstBasket() const override { return true; }
    void SetSaison(TContexteSaison* saison) override;
    void SetNbJour(int n) override;
    void Vide(bool tout) override;
    void ConvertitJoueurs(const TListeRenumerotation& paires) override;
    void CopieResultats(const TDonneesChampionnat& source) override;

    TListeDonnees* GetStatJournee(int n, int k) const { return k >= 0 && k < NbStats ? Stats[k].Get(n) : nullptr; }
    std::vector<TListeDonnees*> GetListesJournee(int n) const override;
    // Entries 1..11.
    uint8_t GetOptionSaisie(int i) const { return i >= 1 && i <= NbOptionsSaisie ? OptionsSaisie[i - 1] : 0; }
    void SetOptionSaisie(int i, uint8_t b)
    {
        if (i >= 1 && i <= NbOptionsSaisie)
            OptionsSaisie[i - 1] = b;
    }
    // Entries 0..12.
    int GetValeurEval(int i) const { return i >= 0 && i < NbValeursEval ? ValeurEval[i] : 0; }
    void SetValeurEval(int i, int v)
    {
        if (i >= 0 && i < NbValeursEval)
            ValeurEval[i] = v;
    }
    // Score of side 0/1 in period 1..6 of match m; -1 without the match.
    int GetScorePeriode(int n, int m, int cote, int periode) const;
    void SetScorePeriode(int n, int m, int cote, int periode, uint8_t v);
    int Evaluation(const TStatTir& stat) const;
    // Problems of the day's box scores, one line each; `nombre` = matches examined.
    std::vector<std::string> VerifieJournee(int n, int& nombre) const;

protected:
    void CompteButsEquipes(int, std::vector<int>&, std::vector<uint8_t>&) const override {}
    void EcritEvenementsSportXml(TXmlWriter& xml, int n, const TInfoComp& m) const override;
    bool LitEvenementSportXml(TXmlReader& xml, int genre, int n, TInfoComp& m) override;
    void EcritOptionsSaisieXml(TXmlWriter& xml) const override;
    bool LitOptionsSaisieXml(TXmlReader& xml, int genre) override;

private:
    void LitStatBasketXml(TXmlReader& xml, int genre, int n, const TInfoComp& m);

    std::array<TListesJour, NbStats> Stats;
    std::array<uint8_t, NbOptionsSaisie> OptionsSaisie;
    std::array<int, NbValeursEval> ValeurEval{2, -1, 3, -1, 1, -1, 1, 1, 1, 0, 1, 1, -1};
};

// On the current day, moves `numMatch` (1-based, raised to 1) forward, wrapping
// after the last match, to the first match with both teams set; returns the
// number of tries (above the day's match count when there is none).
int ProchainMatchValide(const TDonneesChampionnat& champ, int& numMatch);
