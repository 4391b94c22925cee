#pragma once

// The small JSON reader of the generator's source files. Nesting is bounded,
// so any text is read safely.

#include <string>
#include <string_view>
#include <vector>

struct TJson {
    enum Genre { Nul, Booleen, Nombre, Texte, Tableau, Objet } Type = Nul;
    double Valeur = 0;
    std::string Chaine;
    std::vector<TJson> Elements;
    // An object's members: Cles[i] names Elements[i].
    std::vector<std::string> Cles;

    const TJson* Membre(std::string_view nom) const
    {
        for (size_t i = 0; i < Cles.size() && i < Elements.size(); ++i)
            if (Cles[i] == nom)
                return &Elements[i];
        return nullptr;
    }
};

// False with a message naming the byte where the text stops being JSON.
bool LitJson(std::string_view texte, TJson& racine, std::string& erreur);
// A "YYYY-MM-DD" text that names a real day.
bool LitDateIso(std::string_view texte, int& annee, int& mois, int& jour);
