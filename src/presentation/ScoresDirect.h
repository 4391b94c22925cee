#pragma once

// The live scores page without its widgets: the matches of the current day
// being followed, the selected one, the score steps written straight into the
// season and the live standings. The page shows the list, the two names and
// scores, and hands the clicks over.

#include <functional>
#include <string>
#include <vector>

class TDonneesChampionnat;
class TInfoComp;
class TModeleGrille;
class TSaison;

class TScoresDirect {
public:
    // One followed match: its 0-based index in the current day and the list
    // item that shows it (index in two characters, the colour code in the
    // sixth, the names from the seventh).
    struct TElement {
        int Match = 0;
        std::string Texte;
    };

    // The season is not owned; nullptr gives an empty list.
    explicit TScoresDirect(TSaison* saison);

    // One item per match of the current day that has both teams, in day
    // order; the first is selected.
    void Remplit();

    int NbMatchs() const { return static_cast<int>(Elements.size()); }
    const TElement* GetElement(int position) const;
    // The selected match's 0-based index in the day, -1 when none.
    int GetSelection() const { return Selection; }
    // The item at that list position becomes the selected match.
    void Selectionne(int position);

    // Team name and score text of a side of the selected match ("" when no
    // match is selected or the side has no score yet).
    std::string NomEquipe(int cote) const;
    std::string TexteScore(int cote) const;

    // One goal more or less for a side of the selected match; true when the
    // season changed (the modification notice has then been fired).
    bool Plus(int cote);
    bool Moins(int cote);
    // The selected match leaves the list and loses its scores.
    bool Retire();

    // The general standings from day 1 to the later of the current day and
    // the last day with a score.
    void AfficheClassement(TModeleGrille& grille) const;
    int DernierJourClassement() const;

    // The list colour code of a position: 5 at even positions, 1 at odd.
    static int CodeCouleur(int position) { return position % 2 == 0 ? 5 : 1; }

    std::function<void()> OnModification;

private:
    TDonneesChampionnat* Championnat() const;
    int Jour() const;
    TInfoComp* MatchSelectionne() const;
    // Writes both scores of the selected match (65535 keeps a side unplayed),
    // without the cup's qualified flag.
    void Ecrit(TInfoComp& match, int score0, int score1);
    void Recolore();

    TSaison* Saison;
    std::vector<TElement> Elements;
    int Selection = -1;
};
