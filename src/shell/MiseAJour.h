#pragma once

// The update check: one blocking HTTP GET of the site's version service; the
// reply decides what the update message shows.

#include <functional>
#include <string>

class QWidget;

// Site + "/checkver.php?ver=" + the program's version (one "/" between them).
std::string UrlMiseAJour(const std::string& site);

// What the update message shows for a reply; empty when nothing is to be
// shown (the fetch failed). A reply holding "#maj" announces a newer version:
// the text after its first line feed (the whole reply without one) followed by
// text 646; any other reply shows text 985.
std::string TexteMiseAJour(const std::string& reponse);

// Shows the update message modally; the result is the form's modal result.
using TAfficheMessageMaj = std::function<int(const std::string& texte)>;

// Asks the site and shows the answer with `affiche`; a site that cannot be
// reached shows nothing (the fetch gives up after 10 seconds).
void VerifieMiseAJour(const std::string& site, const TAfficheMessageMaj& affiche);
// The same with the program's update message form, owned by `proprietaire`.
void VerifieMiseAJour(const std::string& site, QWidget* proprietaire);
