#include "platform/Bureau.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

TServiceBureau* ServiceInstalle = nullptr;

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
    return Bureau().OuvreUrl(url);
}

bool OuvreFichierLocal(const std::string& chemin)
{
    if (chemin.empty())
        return false;
    return Bureau().OuvreUrl(QUrl::fromLocalFile(QString::fromStdString(chemin)).toString().toStdString());
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
