#pragma once

// Filling a play-off definition once its sources are over, without the
// widgets: the definitions still to create, the teams proposed at the defined
// places of each source's standings, the checks, the split into groups, and
// the creation of the play-off championships (a league per group, or a cup)
// with their description lines.

#include "model/Penalites.h"

#include <functional>
#include <string>
#include <vector>

class TDonneesBarrage;
class TDonneesChampionnat;
class TSaison;

class TCreationBarrage {
public:
    // A definition that can be filled: its description name.
    struct TEntree {
        std::string Nom;
        int Index = 0; // among the season's definitions
        int Ligne = 0; // its description line
    };
    // One source: a picker per place, a team id of its championship (-1 none)
    // or a typed name when it has no championship.
    struct TSource {
        std::string Nom;
        int Code = 0;
        const TDonneesChampionnat* Championnat = nullptr;
        std::vector<int> Places; // 1-based places in its standings
        std::vector<int> Choix;
        std::vector<std::string> Textes;
    };
    struct TChoisi {
        std::string Nom;
        int Source = 0; // the source's code
        int Picker = 0; // its position in the source, from 0
        int Id = -1;    // its team id in the source championship, -1 for a typed name
    };
    struct TGroupe {
        std::string Nom;
        std::vector<int> Membres; // indexes into Choisis(), -1 none
    };
    enum class TEtape { Erreur, Annule, Cree, Groupes };

    explicit TCreationBarrage(TSaison& saison);

    bool SansDefinition() const;
    // What the user is told when the season has no definition: that there is
    // none, and the menu entry and button of the season composer that make
    // one. The composer shows that button on a division only: a season whose
    // championships are filed in none is told so, not sent to look for it.
    static std::string TexteSansDefinition(TSaison& saison);
    const std::vector<TEntree>& Entrees() const { return FEntrees; }
    // Builds the sources of entry i; -1 for none.
    void Selectionne(int i);
    int Selection() const { return FSelection; }
    std::vector<TSource>& Sources() { return FSources; }

    // Continue: the sources checked, then the championship created (fewer
    // than 2 groups) or the groups proposed. Text 287 on a failed check.
    TEtape Continue();
    const std::vector<TChoisi>& Choisis() const { return FChoisis; }
    std::vector<TGroupe>& Groupes() { return FGroupes; }
    void SetTailleGroupe(int g, int taille);
    // Creation from the groups; text 287 when a team is missing or used twice.
    TEtape CreeGroupes();

    // The cup rounds dialog, for a cup whose definition has no rounds; false
    // when the user cancelled.
    std::function<bool(std::vector<TTourCoupeJour>& tours)> DemandeTours;
    // Codes of the championships made, in the order they were added.
    const std::vector<int>& Crees() const { return FCrees; }

private:
    TDonneesBarrage* Definition() const;
    bool VerifieSources() const;
    // Creates one championship; false when the cup rounds were cancelled.
    bool CreeChampionnat(const std::vector<int>& membres, const std::string& nom, int groupe);
    void Termine();

    TSaison& FSaison;
    std::vector<TEntree> FEntrees;
    int FSelection = -1;
    std::vector<TSource> FSources;
    std::vector<TChoisi> FChoisis;
    std::vector<TGroupe> FGroupes;
    std::vector<int> FCrees;
};
