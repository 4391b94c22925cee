#pragma once

// Printed text that lacks room: made smaller, down to one size a reader can
// still take in at arm's length, and no further. What does not fit at that
// size is wrapped or cut with an ellipsis by its caller: a text shrunk to a
// few points is a grey line on the sheet, lost as surely as a cut one, and
// it no longer says that something is missing.

#include <functional>
#include <string>
#include <string_view>

// The smallest size, in points on the paper, any printed text is given.
inline constexpr int PlancherLisible = 6;

struct TTailleAjustee {
    int Taille = PlancherLisible;
    // False: even at the floor the text takes more room than it has.
    bool Tient = true;
};

// The largest whole size from Base down to PlancherLisible at which Tient
// holds, or the floor when none does. A base under the floor is raised to it.
TTailleAjustee AjusteTaille(int Base, const std::function<bool(int Taille)>& Tient);

// The start of Texte, then an ellipsis, as long as Largeur allows by Mesure;
// Texte itself when it fits, and the ellipsis alone when not one character does.
std::string Abrege(std::string_view Texte, int Largeur, const std::function<int(std::string_view)>& Mesure);
