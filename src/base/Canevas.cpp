#include "base/Canevas.h"

#include "base/Texte.h"

TMesureFixe::TMesureFixe(int LargeurCaractere, int HauteurCaractere, int LargeurGras)
    : Largeur_(LargeurCaractere), Hauteur_(HauteurCaractere),
      LargeurGras_(LargeurGras < 0 ? LargeurCaractere : LargeurGras)
{
}

int TMesureFixe::LargeurTexte(std::string_view Texte)
{
    return (Gras_ ? LargeurGras_ : Largeur_) * static_cast<int>(LongueurCaracteres(Texte));
}

int TMesureFixe::HauteurTexte(std::string_view)
{
    return Hauteur_;
}

int HauteurRangeeLisible(TMesureTexte& Mesure)
{
    return Mesure.HauteurTexte("Ág") + 2;
}
