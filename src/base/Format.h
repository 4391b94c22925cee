#pragma once

// Text formatting with the rules of Pascal's Format, which the language files'
// texts are written for, and the program-wide decimal separator that every
// displayed number uses (never the system locale).
//
// Placeholders: "%" [index ":"] ["-"] [width] ["." precision] type, where index,
// width and precision may be "*" (taken from the arguments) and type is one of
// d (integer; precision = minimum digits), u (unsigned), x (upper-case
// hexadecimal; precision = minimum digits), f (fixed, 2 decimals by default),
// n (fixed with thousands separators), e (scientific, 15 digits by default),
// g (general, 15 significant digits by default) and s (text; precision =
// maximum characters). "%%" is a percent sign. Widths and precisions count
// characters, not bytes. An explicit index moves the argument cursor: later
// placeholders without one continue after it. Unused arguments are ignored.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

class TArgFormat {
public:
    enum class TGenre { Entier, Reel, Texte };

    TArgFormat(int V) : Genre(TGenre::Entier), Entier(V), Est32Bits(true) {}
    TArgFormat(unsigned V) : Genre(TGenre::Entier), Entier(V) {}
    TArgFormat(long V) : Genre(TGenre::Entier), Entier(V) {}
    TArgFormat(unsigned long V) : Genre(TGenre::Entier), Entier(static_cast<int64_t>(V)) {}
    TArgFormat(long long V) : Genre(TGenre::Entier), Entier(V) {}
    TArgFormat(unsigned long long V) : Genre(TGenre::Entier), Entier(static_cast<int64_t>(V)) {}
    TArgFormat(double V) : Genre(TGenre::Reel), Reel(V) {}
    TArgFormat(char C) : Genre(TGenre::Texte), Texte(1, C) {}
    TArgFormat(const char* S) : Genre(TGenre::Texte), Texte(S ? S : "") {}
    TArgFormat(std::string S) : Genre(TGenre::Texte), Texte(std::move(S)) {}
    TArgFormat(std::string_view S) : Genre(TGenre::Texte), Texte(S) {}

    TGenre Genre;
    int64_t Entier = 0;
    double Reel = 0.0;
    std::string Texte;
    // A negative 32-bit integer shows in hexadecimal as 8 digits, as on the platform.
    bool Est32Bits = false;
};

// Formats Modele with Args; false (and Resultat untouched) when a placeholder
// is malformed, lacks its argument or does not fit the argument's kind.
bool EssaieFormat(std::string_view Modele, std::span<const TArgFormat> Args, std::string& Resultat);
// Never throws: a text whose placeholders do not match its arguments is
// returned as it stands.
std::string Format(std::string_view Modele, std::initializer_list<TArgFormat> Args);
std::string Format(std::string_view Modele, std::span<const TArgFormat> Args);

// --- Program-wide number settings ---------------------------------------------

// "," until the language is known, "," for "fr", "." for "en".
char SeparateurDecimal();
// The thousands separator of %n: a no-break space in French, "," in English.
std::string SeparateurMilliers();
// Sets both separators from a language code; unknown codes keep the French ones.
void ChoisitLangueNombres(std::string_view Langue);

// A number with Decimales digits after the separator, rounded half away from
// zero on its 15-digit decimal form (2.675 gives "2,68").
std::string FormatReel(double Valeur, int Decimales);
// A number rounded to Chiffres significant digits (half away from zero) and
// written with Decimales digits after the separator; integer digits beyond
// Chiffres are kept, never turned into an exponent (100 with 2 digits and
// 2 decimals gives "100,00", 200/3 with 3 and 2 gives "66,70").
std::string FormatChiffres(double Valeur, int Chiffres, int Decimales);
// Pascal's FloatToStr: up to 15 significant digits, no trailing zeros.
std::string FloatToStr(double Valeur);
