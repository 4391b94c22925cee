#include "platform/Bureau.h"

#include "base/ServiceMessage.h"
#include "base/oTraducteur.h"

#include <QDesktopServices>
#include <QUrl>

#include <filesystem>

namespace {

enum : int {
    TexteAideIntrouvable = 2629,
    TexteAucunNavigateur = 2630,
};

TServiceBureau* ServiceInstalle = nullptr;

// The user is left with what to open by hand.
bool OuvreOuSignale(const std::string& url, const std::string& montre)
{
    if (Bureau().OuvreUrl(url))
        return true;
    MessageUtil(TraduitFmt(TexteAucunNavigateur, {montre}), BoutonsMessage::Ok | BoutonsMessage::Avertissement);
    return false;
}

} // namespace

bool TBureauSysteme::OuvreUrl(const std::string& url)
{
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

TServiceBureau& Bureau()
{
    static TBureauSysteme systeme;
    return ServiceInstalle != nullptr ? *ServiceInstalle : systeme;
}

TServiceBureau* InstalleBureau(TServiceBureau* service)
{
    TServiceBureau* ancien = ServiceInstalle;
    ServiceInstalle = service;
    return ancien;
}

bool OuvrePageWeb(const std::string& url)
{
    if (url.empty())
        return false;
    return OuvreOuSignale(url, url);
}

bool OuvreFichierLocal(const std::string& chemin)
{
    if (chemin.empty())
        return false;
    std::error_code erreur;
    if (!std::filesystem::is_regular_file(chemin, erreur)) {
        MessageUtil(TraduitFmt(TexteAideIntrouvable, {chemin}), BoutonsMessage::Ok | BoutonsMessage::Avertissement);
        return false;
    }
    return OuvreOuSignale(QUrl::fromLocalFile(QString::fromStdString(chemin)).toString().toStdString(), chemin);
}

bool OuvreSujetAide(const std::string& dossierAide, const std::string& sujet)
{
    std::string relatif = sujet;
    if (relatif.rfind("::", 0) == 0)
        relatif.erase(0, 2);
    while (!relatif.empty() && (relatif.front() == '/' || relatif.front() == '\\'))
        relatif.erase(0, 1);
    for (auto& c : relatif)
        if (c == '\\')
            c = '/';
    if (relatif.empty())
        relatif = "index.htm";
    std::string dossier = dossierAide;
    if (!dossier.empty() && dossier.back() != '/')
        dossier += '/';
    return OuvreFichierLocal(dossier + relatif);
}

void FermeAides() {}
