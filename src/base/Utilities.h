#pragma once

// Free routines shared by the whole program: the program folder, fetching a
// text from a web server, copying a file, normalising and capitalising names,
// reading amounts out of texts and converting colours to and from HTML.
// Positions are 1-based and counted in characters, as the texts are.

#include "base/Format.h" // the program-wide decimal separator
#include "base/Version.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A colour as the program stores it: $00BBGGRR.
using TColor = int32_t;

// The folder of the running executable, ending with "/".
std::string AppDir();

// GET of Url (blanks sent as "%20", the URL's own port, about 10 seconds at
// most): the body's lines. On any failure (name, connection, HTTP error,
// time-out) one line "Failed : " followed by the reason.
std::vector<std::string> HttpGet(const std::string& Url);
// The body as one text, lines joined by CR LF, without leading and trailing
// blanks and control characters; "Failed : ..." on failure.
void HttpGetTexte(const std::string& Url, std::string& Texte);
std::string HttpGetTexte(const std::string& Url);

// Copies Source over Destination (created or replaced). A missing Source, or a
// Destination that is Source itself, does nothing. True when the whole file
// was copied.
bool CopieFichier(const std::string& Source, const std::string& Destination);

// First letter upper case, every later letter lower case; other characters unchanged.
std::string Capitalise(std::string_view Texte);
// Proper case for names of people and teams: each part after a blank, hyphen,
// apostrophe or digit starts with a capital, the rest is lower case.
void CapitaliseNom(std::string_view Texte, std::string& Resultat);
std::string CapitaliseNom(std::string_view Texte);
// The comparison key of a name, as many characters as the name: letters upper
// case without their accents, digits, blank, "-", "." and "'" kept, anything
// else a blank.
void NormaliseNom(std::string_view Texte, std::string& Resultat);
std::string NormaliseNom(std::string_view Texte);

// The amount in hundredths of the leading run of digits and decimal separators
// of Texte ("12,5 pts" gives 1250 in French); Defaut when there is no such run
// or it does not convert.
int LitMontant(std::string_view Texte, int Defaut);

// Position of the N-th occurrence of Motif in Texte (occurrences may overlap);
// 0 when N < 1 or there are fewer than N.
int PosNieme(std::string_view Motif, std::string_view Texte, int N);
// The first position whose character is one of Arret, skipping runs opened by
// one of Delimiteurs (closed by "]" for "[", else by the same character); the
// length of Texte when none. The last character is never taken as a stop.
int PosHorsDelimiteurs(std::string_view Texte, std::string_view Arret, std::string_view Delimiteurs);

// "#RRGGBB" in upper-case hexadecimal.
void CouleurVersHtml(TColor Couleur, std::string& Html);
std::string CouleurVersHtml(TColor Couleur);
// Six hexadecimal digits RRGGBB, with a leading "#" when seven characters
// long; 0 for anything else.
TColor HtmlVersCouleur(std::string_view Html);

// The low 16 bits as 4 upper-case hexadecimal digits.
std::string IntToHex4(int Valeur);
void CopieChaine(std::string_view Texte, std::string& Resultat);
