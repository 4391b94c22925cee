#include "LectureJson.h"

#include "base/Texte.h"

#include <algorithm>
#include <charconv>
#include <chrono>

bool LitJson(std::string_view texte, nlohmann::json& racine, std::string& erreur)
{
    try {
        racine = nlohmann::json::parse(texte.begin(), texte.end());
        return true;
    } catch (const nlohmann::json::parse_error& e) {
        erreur = "not JSON (byte " + std::to_string(e.byte) + ")";
    } catch (const nlohmann::json::exception&) {
        // A number beyond any double.
        erreur = "not JSON";
    }
    racine = nullptr;
    return false;
}

const nlohmann::json* Membre(const nlohmann::json& objet, const char* nom)
{
    if (!objet.is_object())
        return nullptr;
    const auto it = objet.find(nom);
    return it != objet.end() ? &*it : nullptr;
}

bool TexteJson(const nlohmann::json* v, std::string& texte)
{
    if (!v || !v->is_string())
        return false;
    texte = Trim(v->get_ref<const std::string&>());
    return !texte.empty() &&
           std::none_of(texte.begin(), texte.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool EntierJson(const nlohmann::json* v, int min, int max, int& n)
{
    if (!v || !v->is_number())
        return false;
    const double valeur = v->get<double>();
    if (!(valeur >= min && valeur <= max) || valeur != static_cast<int>(valeur))
        return false;
    n = static_cast<int>(valeur);
    return true;
}

bool LitDateIso(std::string_view texte, int& annee, int& mois, int& jour)
{
    if (texte.size() != 10 || texte[4] != '-' || texte[7] != '-')
        return false;
    auto nombre = [&](size_t debut, size_t longueur, int& valeur) {
        const char* d = texte.data() + debut;
        const auto [fin, ec] = std::from_chars(d, d + longueur, valeur);
        return ec == std::errc() && fin == d + longueur;
    };
    if (!nombre(0, 4, annee) || !nombre(5, 2, mois) || !nombre(8, 2, jour))
        return false;
    using namespace std::chrono;
    return year_month_day{year{annee}, month{static_cast<unsigned>(mois)}, day{static_cast<unsigned>(jour)}}.ok();
}
