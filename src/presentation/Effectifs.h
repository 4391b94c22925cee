#pragma once

// The squads page without its widgets: the list of the season's teams, the
// grid of one team's players with its entry row, the rows typed back into the
// players, the card, insertion, release and transfer of a player, the quick
// entry, and the HTML table of the "EffectifEquipe" keyword.

#include <functional>
#include <string>
#include <vector>

class TJoueur;
class TModeleGrille;
class TSaison;

namespace Effectifs {

// Bit of a shown team id: the team is a national team.
constexpr int BitNational = 0x10000;
constexpr int NbColonnes = 13;
constexpr int PremiereColonneStat = 9;

// An item of the team list: the id on four digits, "1" for a team of the
// current championship ("0" otherwise), the sign (character 1, 5 for a team
// of another championship, 4 for one that plays nowhere), the name. Objet is
// 1 for a national team.
struct TElementEquipe {
    std::string Texte;
    int Objet = 0;
};
std::vector<TElementEquipe> ListeEquipes(const TSaison& Saison);
// The team id of an item text; -1 when it starts with no number.
int IdElement(const std::string& Texte);

// Fills the grid with the players of Equipe (its id, with BitNational for a
// national team), their career figures of championship ChampCarriere and,
// with Statistiques, their season figures compared with those of
// ChampComparaison (-1: the totals alone). A pending recount (Recalcul) is
// done first, once, when statistics are shown. The empty entry row ends the grid.
void RemplitTableau(bool Statistiques, int Equipe, int ChampCarriere, bool& Recalcul, TSaison& Saison,
                    TModeleGrille& Grille, int ChampComparaison);
// (rows + 2) x 20.
int HauteurGrille(const TModeleGrille& Grille);
// The grid's width on the page: 200 pixels more for the statistics.
int LargeurGrille(bool Statistiques);
// The edit mask of a column ("L" a letter, "!90" and "!990" numbers, "!0000"
// a year); empty for the free-text columns, the read-only ones too.
std::string MasqueEdition(int Col);
// The year byte of an arrival year cell: 0 (unknown) for "-", an empty cell
// or anything that is not a year from 1901 to 2155.
int AnneeCellule(const std::string& Texte);

// The "EffectifEquipe" keyword: the team named (folded names compared) as an
// HTML table in those colours without the entry row, or the unknown-team line.
std::string EffectifEquipe(TSaison& Saison, const std::string& NomEquipe, const std::vector<std::string>& Couleurs);

// The card the page opens: on Joueur (nullptr: a new one) with that
// championship number, mode and default position; true on OK, Joueur then
// the player shown, *Change whether the season changed.
using TFiche = std::function<bool(TJoueur*& Joueur, int NumChampionnat, int Mode, int PosteDefaut, bool* Change)>;

// What the page shows and does, on the season and the page's grid.
class TEffectifs {
public:
    TEffectifs(TSaison& Saison, TModeleGrille& Grille);

    // Fired after every change of the season.
    std::function<void()> OnModifie;

    // The main window's entry: the current championship's team at that
    // position (255 none: the first listed) with or without statistics.
    void Remplit(int Position, bool StatsCachees);
    const std::vector<TElementEquipe>& Equipes() const { return FEquipes; }
    // The list index of the shown team, -1 when none.
    int IndexEquipe() const;
    int Equipe() const { return FEquipe; }
    int ChampComparaison() const { return FChampComparaison; }
    // A click on item Index of the list: another team is shown (true), its
    // comparison championship the current one for a team of it, else none.
    bool ChangeEquipe(int Index);
    void RemplitGrille();

    // --- Typing in the grid ---
    // The cell editor's text; typing on the entry row appends a new one (true then).
    bool SetTexte(int Col, int Ligne, const std::string& Texte);
    // Asked before a cell is selected: leaving an edited row commits it; the
    // statistics columns cannot be selected.
    bool SelectionneCellule(int Col, int Ligne);
    // Commits row Ligne, or every data row with -1, into the players.
    void ValideLigne(int Ligne);
    // What the page does when it is left or the grid loses the focus.
    void ValideTout() { ValideLigne(-1); }

    TJoueur* JoueurLigne(int Ligne) const;
    bool EstLigneSaisie(int Ligne) const;
    // The card's mode: the shown team, with the season panel unless the
    // statistics are hidden.
    int ModeFiche() const;
    // The position a new player starts with: that of the row's player or,
    // on the entry row (or with AuDessus), that of the player above.
    int PosteDefaut(int Ligne, bool AuDessus) const;

    // --- Operations ---
    // The card on the row's player (a new one on the entry row).
    void Edite(int Ligne, const TFiche& Fiche);
    // The card for a new player of the shown team.
    void Insere(int Ligne, const TFiche& Fiche);
    // The row's player leaves the team; false when the row holds none.
    bool Libere(int Ligne);
    // Whether a row dropped on list item Index would move its player.
    bool AccepteDepot(int Index) const;
    // The row's player transferred to the team of list item Index.
    bool Transfere(int Ligne, int Index);

private:
    void Modifie();

    TSaison& FSaison;
    TModeleGrille& FGrille;
    std::vector<TElementEquipe> FEquipes;
    int FEquipe = -1;
    int FChampComparaison = -1;
    int FChampCarriere = -1;
    bool FStatsCachees = false;
    bool FRecalcul = true;
    std::vector<bool> FEditee; // by row
};

// The quick entry's work: the shown team's players, the registry's players
// to choose from, and a name typed or chosen added to the team.
class TSaisieRapide {
public:
    explicit TSaisieRapide(TSaison& Saison) : FSaison(Saison) {}

    struct TChoix {
        std::string Texte;
        int Id = 0;
    };

    void SetEquipe(int Equipe);
    int Equipe() const { return FEquipe; }
    // "Surname First name (clubs)", as both lists show a player.
    std::string Libelle(const TJoueur& Joueur) const;
    const std::vector<std::string>& Presents() const { return FPresents; }
    // Every player of the registry, sorted by text.
    std::vector<TChoix> Choix() const;
    // b_Ajouter: a text no player shows creates one named by it (first word
    // the surname, the rest the first name) and shows the card, which must
    // accept him; a player's text moves that player to the team, and shows
    // the card with AfficheFiche. True when the season changed.
    bool Ajoute(const std::string& Texte, bool AfficheFiche, const TFiche& Fiche);
    bool Change() const { return FChange; }

private:
    TSaison& FSaison;
    int FEquipe = -1;
    std::vector<std::string> FPresents;
    bool FChange = false;
};

} // namespace Effectifs
