#pragma once

// Character-level text helpers. Text is UTF-8 everywhere inside the program and
// a "character" is a Unicode code point: every routine that works character by
// character (lengths, first n characters, case, accent folding) goes through
// these, never through bytes. Invalid UTF-8 met while iterating counts as one
// U+FFFD per offending byte, so nothing here loops or reads out of bounds.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// --- Code points -------------------------------------------------------------

// The code point starting at byte Pos of Texte; Pos moves past it. At or past
// the end it returns 0 and leaves Pos at Texte.size().
char32_t LitCaractere(std::string_view Texte, size_t& Pos);
// Appends the UTF-8 form of C (invalid code points are written as U+FFFD).
void AjouteCaractere(std::string& Texte, char32_t C);
std::string CaractereVersTexte(char32_t C);

std::u32string VersCaracteres(std::string_view Texte);
std::string DepuisCaracteres(std::u32string_view Caracteres);

bool EstUtf8Valide(std::string_view Octets);

// Length in characters.
size_t LongueurCaracteres(std::string_view Texte);
// Byte offset of the character at index Index (0-based); Texte.size() when
// Index is at or past the end.
size_t OctetDuCaractere(std::string_view Texte, size_t Index);
// The first N characters (the whole text when it is shorter).
std::string PremiersCaracteres(std::string_view Texte, size_t N);
// N characters from character index Debut (0-based); clipped to the text.
std::string SousChaineCaracteres(std::string_view Texte, size_t Debut, size_t N = std::string_view::npos);
// Pascal's Copy(Texte, Index, Nombre): Index is 1-based, in characters.
std::string CopieCaracteres(std::string_view Texte, int Index, int Nombre);

// --- Letters and case --------------------------------------------------------

// Latin letters: A-Z, a-z, the letters of Latin-1 (À..ÿ without × and ÷) and of
// Latin Extended-A (U+0100..U+017F).
bool EstLettreLatine(char32_t C);
bool EstMajuscule(char32_t C);
bool EstMinuscule(char32_t C);
// Upper and lower case of Latin letters; any other character is returned as it is.
char32_t MajusculeCaractere(char32_t C);
char32_t MinusculeCaractere(char32_t C);
std::string Majuscules(std::string_view Texte);
std::string Minuscules(std::string_view Texte);
// ASCII-only case, as Pascal's UpperCase/LowerCase: other bytes unchanged.
std::string MajusculesAscii(std::string_view Texte);
std::string MinusculesAscii(std::string_view Texte);

// The unaccented base letter of a Latin letter, keeping its case (é -> e,
// Ç -> C, Ł -> L); 0 when the letter has no single base letter (æ, œ, ß, þ),
// the character itself when it is not an accented letter.
char32_t LettreDeBase(char32_t C);
// Accents removed, case kept; ligatures spelt out (œ -> oe, Æ -> AE, ß -> ss).
std::string SansAccent(std::string_view Texte);
// The key for case- and accent-insensitive comparisons: accents removed and
// lower case.
std::string CleSansAccent(std::string_view Texte);

// Ordering for sorted lists of names: by the accent- and case-folded text
// first, then by the raw text (so only identical texts compare equal and the
// order is total). Negative, 0 or positive.
int CompareTexteSansAccent(std::string_view A, std::string_view B);
// True when the two texts are equal once accents and case are folded.
bool EgalSansAccent(std::string_view A, std::string_view B);
// Case-insensitive comparison with accents as a second level, as the platform's
// linguistic comparison: 0 only for texts that differ by case alone.
int AnsiCompareText(std::string_view A, std::string_view B);

// --- Trimming and numbers ----------------------------------------------------

// Pascal's Trim family: removes blanks and control characters (bytes <= ' ').
std::string Trim(std::string_view Texte);
std::string TrimLeft(std::string_view Texte);
std::string TrimRight(std::string_view Texte);

// Pascal's StrToIntDef: optional leading blanks, optional sign, decimal digits
// or "$"/"0x" hexadecimal; anything else, an empty text or an overflow of a
// 32-bit integer gives Defaut.
int StrToIntDef(std::string_view Texte, int Defaut);
// Same, but tells whether the text converted.
bool EssaieStrToInt(std::string_view Texte, int& Valeur);

// --- Stored text -------------------------------------------------------------

// The code point of a Windows-1252 byte (0x80 -> U+20AC, 0x9C -> U+0153; the
// five bytes the code page leaves undefined map to the C1 control of that value).
char32_t CaractereWindows1252(uint8_t Octet);
// The Windows-1252 byte of a code point, or -1 when the code page has none.
int OctetWindows1252(char32_t C);
std::string DecodeWindows1252(std::string_view Octets);
// Text read from a stored file: valid UTF-8 is kept as it is (a leading UTF-8
// byte order mark is dropped), anything else is decoded as Windows-1252.
std::string DecodeTexteStocke(std::string_view Octets);
// The same on a buffer already in hand, without copying valid UTF-8.
void DecodeTexteStockeEnPlace(std::string& Texte);
