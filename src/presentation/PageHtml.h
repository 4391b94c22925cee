#pragma once

// Writing an exported page: escaping its texts, naming its files in links,
// and the one head and foot every exported page opens and closes with.

#include <functional>
#include <string>
#include <string_view>

// Text as it may stand in HTML: "&", "<", ">" and both quotes escaped.
std::string EchappeHtml(std::string_view Texte);
// Writes Html to a new file (Creer) or at the end of an existing one; false
// when the file cannot be written.
bool EcritHtml(const std::string& NomFichier, const std::string& Html, bool Creer);

// An exported page opens with this: UTF-8 declared, titled Titre, and the
// title repeated as the page's heading (none for an empty title), on the
// background Fond (an HTML colour). The heading takes Encre, darkened or
// lightened until it reads on Fond.
std::string DebutPageHtml(const std::string& Titre, const std::string& Fond, const std::string& Encre = "#000000");
std::string FinPageHtml();

// A page that shows one picture, saved beside it under the page's own name
// followed by Suffixe and ".png" (so that two pages never share one): Sauve
// writes the picture to the path it is given. The file that could not be
// written, the picture or the page; empty when both were.
std::string EcritPageImage(const std::string& NomFichier, const std::string& Titre, const std::string& Suffixe,
                           const std::function<bool(const std::string& Chemin)>& Sauve);

// A file name as a link names it: every byte but letters, digits and "-._~"
// written as "%" and two hexadecimal digits, so that "#", "%", "?", blanks and
// accents reach the file and not a fragment, a query or another name.
std::string UrlFichier(std::string_view Nom);

// An HTML colour ("#RRGGBB") readable on the HTML colour Fond, of Encre's hue
// (see EncreLisible); Encre as given when either is not such a colour.
std::string EncreLisibleHtml(const std::string& Encre, const std::string& Fond);
