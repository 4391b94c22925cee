// Text routines over arbitrary bytes: the formatter's placeholder parser, the
// stored-text decoder and the character-by-character name routines must never
// read out of bounds, loop or allocate without bound.
#include "base/Format.h"
#include "base/Texte.h"
#include "base/Utilities.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const std::string Brut(reinterpret_cast<const char*>(Data), Size);
    const std::string Texte = DecodeTexteStocke(Brut);
    if (!EstUtf8Valide(Texte))
        __builtin_trap();

    std::string R;
    const TArgFormat Args[] = {TArgFormat(42), TArgFormat(-3.75), TArgFormat("été"), TArgFormat(7)};
    EssaieFormat(Brut, Args, R);

    if (LongueurCaracteres(NormaliseNom(Texte)) != LongueurCaracteres(Texte))
        __builtin_trap();
    if (LongueurCaracteres(CapitaliseNom(Texte)) != LongueurCaracteres(Texte))
        __builtin_trap();
    Capitalise(Brut);
    CompareTexteSansAccent(Brut, Texte);
    LitMontant(Brut, 0);
    PosHorsDelimiteurs(Brut, ",;", "\"[");
    PosNieme(Brut.substr(0, 2), Brut, 3);
    StrToIntDef(Brut, 0);
    HtmlVersCouleur(Brut);
    return 0;
}
