#pragma once

#include <string>
#include <vector>

// A list of texts each carrying an integer, as the pick lists and combo boxes
// of the pages are filled (a country name with its code, a division name with
// its id).
struct TTexteObjet {
    std::string Texte;
    int Objet = 0;
    bool operator==(const TTexteObjet&) const = default;
};
using TListeTextes = std::vector<TTexteObjet>;
