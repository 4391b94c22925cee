#pragma once

// The line-ups sheet without its widgets: per team 11 starters and three
// substitution pairs (player off, player on, minute), shirt numbers and the
// captain, placed from the squads, and written back into the line-up words of
// the current match.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "presentation/FeuilleMatch.h"

class TChoixJoueur;

class TCompositionMatch : public TFeuilleMatch {
public:
    static constexpr int NbPlaces = 17;
    // A substitution minute has the low byte of its line-up word.
    static constexpr int MinuteRemplacementMax = 255;

    // One slot: starters 1-11, then pairs (off 12, on 13), (14, 15), (16, 17).
    struct TPlace {
        uint16_t Joueur = 0;
        std::string Texte; // the name, with " (cap.)" on the captain
        std::string Boite; // the shirt number shown (none on an off slot)
        // A stored id whose player the season does not hold: kept as it is
        // unless a player is placed there.
        uint16_t Inconnu = 0;
        bool Vide() const { return Texte.empty(); }
    };

    explicit TCompositionMatch(TSaison* saison);

    void Enregistre(bool libereListes) override;
    void Affiche() override { AfficheMatch(); }
    void AfficheMatch();

    static bool EstTitulaire(int s) { return s >= 1 && s <= 11; }
    static bool EstSortant(int s) { return s == 12 || s == 14 || s == 16; }
    static bool EstEntrant(int s) { return s == 13 || s == 15 || s == 17; }

    // Side 1 home, 2 away; slot 1..17; null outside.
    TPlace* GetPlace(int cote, int s);
    const TPlace* GetPlace(int cote, int s) const;
    // The minute box of pair k (1..3). A minute beyond MinuteRemplacementMax
    // is kept as typed, for correction, and refused with the range and the
    // minute the season keeps meanwhile named: false. A pair with both frames empty holds "0" whatever is typed.
    const std::string& GetMinute(int cote, int k) const;
    bool SetMinute(int cote, int k, const std::string& texte);
    std::string SaisieRefusee() const override;
    // Some slot of either side holds a player, written to the season or not yet.
    bool UnJoueurPlace() const;
    // The captain's slot of a side, 0 none.
    int GetCapitaine(int cote) const { return cote == 2 ? Capitaine[1] : Capitaine[0]; }

    // --- Placing ---
    // A squad double-click: the first empty starter, else on slot.
    bool DoubleClicEquipe(int cote, uint16_t joueur);
    // A starter double-clicked: he also goes to the first free off slot.
    bool DoubleClicPlace(int cote, int s);
    // An off slot double-clicked: emptied.
    void VidePlace(int cote, int s);
    // Drops: from a squad onto a slot, from a slot onto a slot, from a slot
    // onto its squad. Refused drops change nothing (false).
    bool AccepteEquipe(int cote, int s, int coteEquipe) const;
    bool DeposeEquipe(int cote, int s, int coteEquipe, uint16_t joueur);
    bool AccepteEchange(int cote, int s, int coteSource, int source) const;
    bool Echange(int cote, int s, int coteSource, int source);
    bool AccepteRetourPlace(int coteEquipe, int cote, int s) const;
    bool RendPlace(int coteEquipe, int cote, int s);
    // A shirt number typed in slot s's box and left: places, moves or refuses.
    void ValideNumero(int cote, int s, const std::string& texte);
    // Enter in a starter's box: the number is taken, then the starter also
    // goes to the first free off slot.
    void ValideNumeroEntree(int cote, int s, const std::string& texte);

    // --- Captain ---
    void ChoisitCapitaine(int cote, int s);
    void AucunCapitaine(int cote, int s);

    int DernierSortant = 0; // the off slot the last starter double-click used

private:
    TChoixJoueur* Entree(int cote, uint16_t joueur);
    void PlaceJoueur(int cote, int s, uint16_t joueur, uint16_t capitaine);
    void PlaceEntree(int cote, int s, TChoixJoueur* entree);
    void Libere(int cote, int s);
    void OteCapitaine(int cote);
    void EcritCapitaine(int cote, uint16_t joueur);
    int Position(int cote) const;
    int PremiereLibre(int cote, std::initializer_list<int> places) const;
    // Pair k has no player, not even one the season does not hold: its
    // minute is written as 0.
    bool PaireVide(int cote, int k) const;
    // Why pair k's minute is not written, and what the season keeps in its
    // place; empty when it is written.
    std::string RefusPaire(int cote, int k) const;

    std::array<std::array<TPlace, NbPlaces>, 2> Places;
    std::array<std::array<std::string, 3>, 2> Minutes;
    std::array<int, 2> Capitaine{0, 0};
};
