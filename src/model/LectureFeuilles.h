#pragma once

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
