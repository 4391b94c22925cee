#pragma once

#include "base/Utilities.h"

#include <QColor>

#include <cstdint>

// Colours travel through the program as $00BBGGRR integers (TColor), as the
// documents store them; they become QColor only where they are painted.
inline QColor VersQColor(TColor couleur)
{
    const auto c = static_cast<uint32_t>(couleur);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

inline TColor DeQColor(const QColor& couleur)
{
    return static_cast<TColor>(static_cast<uint32_t>(couleur.red()) | (static_cast<uint32_t>(couleur.green()) << 8) |
                               (static_cast<uint32_t>(couleur.blue()) << 16));
}
