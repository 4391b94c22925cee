#pragma once

// What the generator's readers of source files share: the document parsed
// with the JSON library, and the checked reading of its members.

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

// False with a message naming the byte where the text stops being JSON.
bool LitJson(std::string_view texte, nlohmann::json& racine, std::string& erreur);
// The member of an object; null for a value that is no object or lacks it.
const nlohmann::json* Membre(const nlohmann::json& objet, const char* nom);
// A string, trimmed, neither empty nor holding a control character.
bool TexteJson(const nlohmann::json* v, std::string& texte);
// A whole number between min and max ("3" and "3.0" alike).
bool EntierJson(const nlohmann::json* v, int min, int max, int& n);
// A "YYYY-MM-DD" text that names a real day.
bool LitDateIso(std::string_view texte, int& annee, int& mois, int& jour);
