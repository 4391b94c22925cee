#pragma once

#include <algorithm>
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
    // Most names are plain ASCII, whose folded form is the lower case: compare
    // them in place rather than building two keys (the registries compare names
    // on every insertion, and a season loads thousands of players).
    const auto ascii = [](std::string_view t) {
        for (char ch : t)
            if (static_cast<unsigned char>(ch) >= 0x80)
                return false;
        return true;
    };
    if (ascii(a) && ascii(b)) {
        const auto plie = [](char ch) { return static_cast<unsigned char>(ch >= 'A' && ch <= 'Z' ? ch + 32 : ch); };
        const std::size_t n = std::min(a.size(), b.size());
        for (std::size_t i = 0; i < n; ++i)
            if (plie(a[i]) != plie(b[i]))
                return plie(a[i]) < plie(b[i]) ? -1 : 1;
        return (a.size() > b.size()) - (a.size() < b.size());
    }
    const int c = CleSansAccent(a).compare(CleSansAccent(b));
    return (c > 0) - (c < 0);
}
