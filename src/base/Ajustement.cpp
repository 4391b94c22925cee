#include "base/Ajustement.h"

#include "base/Texte.h"

#include <algorithm>

namespace {

const char* const PointsDeSuspension = "\u2026";

} // namespace

TTailleAjustee AjusteTaille(int Base, const std::function<bool(int)>& Tient)
{
    for (int Taille = std::max(Base, PlancherLisible); Taille >= PlancherLisible; --Taille)
        if (Tient(Taille))
            return {Taille, true};
    return {PlancherLisible, false};
}

std::string Abrege(std::string_view Texte, int Largeur, const std::function<int(std::string_view)>& Mesure)
{
    if (Mesure(Texte) <= Largeur)
        return std::string(Texte);
    const std::u32string Caracteres = VersCaracteres(Texte);
    auto Coupe = [&Caracteres](size_t N) {
        std::u32string Debut = Caracteres.substr(0, N);
        // The ellipsis after the last word, not after a blank.
        while (!Debut.empty() && Debut.back() == U' ')
            Debut.pop_back();
        return DepuisCaracteres(Debut) + PointsDeSuspension;
    };
    // Widths grow with the characters kept: the longest start that fits.
    size_t Garde = 0, Trop = Caracteres.size();
    while (Trop - Garde > 1) {
        const size_t Milieu = (Garde + Trop) / 2;
        if (Mesure(Coupe(Milieu)) <= Largeur)
            Garde = Milieu;
        else
            Trop = Milieu;
    }
    return Coupe(Garde);
}
