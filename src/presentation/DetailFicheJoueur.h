#pragma once

// The per-match detail list of the player card (sg_Match) as grid cells: its
// five columns and heading row, then the rows the statistics give.

#include "base/Utilities.h"
#include "engine/StatFicheJoueur.h"

#include <vector>

class TModeleGrille;

constexpr TColor CouleurEnteteDetail = 0xB4FF64;
constexpr TColor CouleurTitreDetail = 0x800080;

// Column widths (a date needs a wider first column) and the heading row, the
// fourth heading naming goals for the matches list (Genre 1) and the minute
// for the others.
void PrepareGrilleDetail(TModeleGrille& Grille, bool Dates, int Genre);
// Writes Lignes from row Ligne on, which then points past them.
void AjouteLignesDetail(TModeleGrille& Grille, int& Ligne, const std::vector<StatFicheJoueur::TLigneDetail>& Lignes);
// Replaces the rows under the heading by Lignes; returns the list's height.
int RemplitGrilleDetail(TModeleGrille& Grille, const std::vector<StatFicheJoueur::TLigneDetail>& Lignes);
// 21 pixels a row (the heading's included) plus 1.
int HauteurGrilleDetail(const TModeleGrille& Grille);
