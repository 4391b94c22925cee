#pragma once

#include <string>

// What the program asks of the desktop outside its own windows: showing a web
// page or a local help page in the user's browser. Reached only through
// Bureau(), so tests install a double that records the addresses.
class TServiceBureau {
public:
    virtual ~TServiceBureau() = default;
    // Opens an address ("https://...", "file:///...") with the desktop; false when nothing could open it.
    virtual bool OuvreUrl(const std::string& url) = 0;
};

class TBureauSysteme : public TServiceBureau {
public:
    bool OuvreUrl(const std::string& url) override;
};

TServiceBureau& Bureau();
// Installs a service (nullptr: the desktop's again) and returns the former one.
TServiceBureau* InstalleBureau(TServiceBureau* service);

// A web page of the site (update message). When the desktop cannot open it,
// a message gives the link for the user to open by hand.
bool OuvrePageWeb(const std::string& url);

// A local file (an HTML help page) in the browser. A missing file, or one the
// desktop cannot open, is said in a message that gives its path.
bool OuvreFichierLocal(const std::string& chemin);

// A help topic: the help of a language is a folder of HTML pages; a topic is
// written as the compiled help named it ("::/html/menueff.htm") and is looked
// up relative to that folder. An empty topic opens the folder's "index.htm".
bool OuvreSujetAide(const std::string& dossierAide, const std::string& sujet);

// Help pages open in the user's browser, whose windows are not the program's
// to close: closing all help windows at the end is therefore nothing to do.
void FermeAides();
