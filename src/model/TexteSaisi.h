#pragma once

// Texts typed by the user, kept in the season as a reopened file gives them
// back.

#include <algorithm>
#include <string>

// A text as the reader gives it back once written: the reader skips every byte
// up to the space before a value, line ends included, and reads a CR LF inside
// it as one blank (a lone line feed stays). Typed texts are stored this way, so
// that a reopened season saves to the same bytes.
inline std::string TexteRelu(std::string texte)
{
    const auto debut =
        std::find_if(texte.begin(), texte.end(), [](char c) { return static_cast<unsigned char>(c) > ' '; });
    texte.erase(texte.begin(), debut);
    for (size_t i = texte.find("\r\n"); i != std::string::npos; i = texte.find("\r\n", i + 1))
        texte.replace(i, 2, " ");
    return texte;
}

// Stores a typed text in `champ` as TexteRelu gives it; true when that changed it.
inline bool StockeTexte(std::string& champ, std::string texte)
{
    texte = TexteRelu(std::move(texte));
    if (champ == texte)
        return false;
    champ = std::move(texte);
    return true;
}
