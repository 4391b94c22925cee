#pragma once

#include <string>

// The language the program proposes for a locale name ("fr_CA", "en_GB",
// "de_DE.UTF-8", "C"): French or English when the locale is one of them,
// French for any other.
std::string LangueProposee(const std::string& nomLocale);

// The language proposed for the user's own locale, as the desktop reports it.
std::string LangueSysteme();

// Qt's own texts (the open, save and print dialogs, the standard buttons, the
// calendar's month and day names) in the language chosen ("fr", "en"), from the
// translations installed with Qt; the former ones are removed. False when none
// are installed for it: Qt then speaks English.
bool ChargeTraductionsQt(const std::string& langue);
