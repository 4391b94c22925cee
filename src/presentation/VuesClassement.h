#pragma once

// What the standings and rankings pages decide without any widget: which
// engine kind a command shows, which popup menu goes with it, how the venue
// choice changes the kind, the day range typed into the range dialog, and the
// "Type" words of their template keywords.

#include <string>

namespace VuesClassement {

// Venue choice of the standings page's popup menu.
enum class TLieu { Tous, Domicile, Exterieur };

// Popup menu of the standings page for a menu index.
enum class TMenuClassement { Aucun, Lieu, Journees };

// The menu index of a standings command (40-45, 62-65, 137-142), -1 for any
// other code.
int IndexCommandeClassement(int code);
// The ranking index of a rankings command (33, 66-73, 116-119), -1 for any
// other code.
int IndexCommandeJoueur(int code);

// Neutral grounds (championship option 11, bit value 2): no home and away
// blocks nor venue choice.
bool TerrainNeutre(int option11);

// The engine kind shown for a menu index: index + 1, the general standings
// with the home and away blocks (9) off neutral grounds, and the home or away
// variant of the attack, defence and match-situation kinds.
int GenreClassement(int index, int option11, TLieu lieu);
TMenuClassement MenuClassement(int index, int option11);

// The venue code a match-situation click sends in bits 24 and up.
int CodeLieu(TLieu lieu);

// The range dialog's Valider: both texts whole numbers of at least 1 (blanks
// around them allowed); the last day is limited to `derniereJournee` and the
// first brought down to the last when it lies after it. False (nothing set)
// for anything else, or when no day is played. `tag` = last + first shl 8.
bool LitEtendue(const std::string& de, const std::string& a, int derniereJournee, int& tag);
// The first and last day packed in a range Tag.
inline int PremiereJourneeTag(int tag)
{
    return (tag >> 8) & 0xFF;
}
inline int DerniereJourneeTag(int tag)
{
    return tag & 0xFF;
}

// The range buttons: whole championship, last six days, first legs, return legs.
void EtendueTotale(int derniereJournee, int& de, int& a);
void EtendueSixDernieres(int derniereJournee, int& de, int& a);
void EtendueAller(int nbEquipe, int& de, int& a);
void EtendueRetour(int nbEquipe, int& de, int& a);

// The engine kinds of the template keywords' "Type" words (case ignored);
// anything else gives the general standings, the scorers or the severity.
int GenreMotCleEquipe(const std::string& type);
int GenreMotCleJoueur(const std::string& type, const std::string& statMatch);
int GenreMotCleArbitre(const std::string& type);

// Rankings index: 11..28 are referee kinds (index - 11); 0..10 player kinds,
// 29 and up player kind index - 20.
bool EstIndexArbitre(int index);
int GenreIndexJoueur(int index);

} // namespace VuesClassement
