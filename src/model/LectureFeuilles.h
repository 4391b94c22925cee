#pragma once

#include <algorithm>
#include <string>

#include "base/ioXml.h"

// Value of a leaf child met in a reading loop; a leaf that unexpectedly has
// children (a node of kind 0) is consumed up to its end tag, so the loop goes on
// with the next sibling.
inline std::string LitFeuilleTexte(TXmlReader& lecteur, int genre)
{
    std::string texte = lecteur.GetTexte();
    lecteur.SauteElement(genre);
    return texte;
}

inline int LitFeuilleEntier(TXmlReader& lecteur, int genre)
{
    const int valeur = lecteur.GetTexteInt();
    lecteur.SauteElement(genre);
    return valeur;
}

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
