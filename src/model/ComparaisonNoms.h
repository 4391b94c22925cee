#pragma once

#include <string>
#include <string_view>

#include "base/Texte.h"
#include "base/Utilities.h"

// How the people registries compare names. Sorted lists order by the folded
// names (accents and case aside) first and settle ties on the raw text, so the
// order is total; duplicate tests and lookups use the folded names alone, so
// "DUPONT" and "Dupont" are one person.

// Negative, 0 or positive on the folded texts only.
inline int CompareNomsPlies(std::string_view a, std::string_view b)
{
    const int c = CleSansAccent(a).compare(CleSansAccent(b));
    return (c > 0) - (c < 0);
}
