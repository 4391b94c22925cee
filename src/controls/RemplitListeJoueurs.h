#pragma once

class TListe;
class TListeJoueur;

// Fills a squad list box with one item per entry of Liste, in list order:
// code 1, the player's id as four hexadecimal digits, code 1, the entry's
// label. With AvecEntetes three items come first (penalty $FFFE, free kick
// $FFFD and the separator $FFFF, kind code 4); with SansUtilises entries
// already placed (flag not 0) are left out. The box is emptied first.
void RemplitListeJoueurs(const TListeJoueur& liste, TListe& boite, bool avecEntetes, bool sansUtilises);
