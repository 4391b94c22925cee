#pragma once

// Readable ink: the contrast of two $00BBGGRR colours, and the nearest ink of
// the same hue that stands out enough from its ground (paper, exported page).

#include "base/Utilities.h" // TColor

// Relative luminance contrast of two colours, from 1 (the same) to 21 (black on white).
double Contraste(TColor A, TColor B);

// Encre itself when it contrasts at least Minimum with Fond; otherwise the same
// hue made darker (on a light ground) or lighter (on a dark one), step by step,
// until it does: yellow on white becomes dark yellow, cyan dark cyan. Black or
// white when no shade of the hue is enough.
TColor EncreLisible(TColor Encre, TColor Fond, double Minimum = 3.0);
