#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "presentation/FeuilleMatch.h"

// The ratings of the current match: per team the 11 starters and the three
// players who came on, each with a rating box.
class TNotesMatch : public TFeuilleMatch {
public:
    struct TNote {
        uint16_t Joueur = 0;
        std::string Nom;
        std::string Note;
        bool Visible = false;
    };

    explicit TNotesMatch(TSaison* saison);

    void Enregistre(bool libereListes) override;
    void Affiche() override { AfficherMatch(); }
    void AfficherMatch();
    void EnregistrerNotes() { Enregistre(false); }

    // Side 1 or 2, slot 1..14; null outside.
    TNote* GetNote(int cote, int s);
    void SetNote(int cote, int s, const std::string& texte);

protected:
    // Only played matches.
    bool MatchQualifie(int jour, int n) const override;

private:
    std::array<std::array<TNote, 14>, 2> Notes;
};

// A rating box's value: 255 (none) when empty or not a number, at most 255.
uint8_t LitNoteSaisie(const std::string& texte);
