#include "shell/MiseAJour.h"

#include "base/ServiceMessage.h"
#include "base/Utilities.h"
#include "base/Version.h"
#include "base/oTraducteur.h"
#include "shell/w_MessageMAJ.h"

namespace {

std::string NomProduit()
{
    return Traducteur() ? Traducteur()->GetNomProduit() : std::string();
}

} // namespace

std::string UrlMiseAJour(const std::string& site)
{
    return AdresseSite(site, std::string("checkver.php?ver=") + VersionProgramme());
}

std::string TexteMiseAJour(const std::string& reponse)
{
    if (reponse.find("Failed :") != std::string::npos)
        return {};
    if (reponse.find("#maj") == std::string::npos)
        return Traduit(985);
    const size_t saut = reponse.find('\n');
    std::string texte = saut == std::string::npos ? reponse : reponse.substr(saut + 1);
    return texte + TraduitFmt(646, {NomProduit()});
}

void VerifieMiseAJour(const std::string& site, const TAfficheMessageMaj& affiche)
{
    // A check the user asked for says when the site could not be reached,
    // rather than leave them waiting for an answer that will not come.
    const auto injoignable = [&] {
        MessageUtil(TraduitFmt(1990, {site}), BoutonsMessage::Ok | BoutonsMessage::Avertissement);
    };
    try {
        const std::string reponse = HttpGetTexte(UrlMiseAJour(site));
        const std::string texte = TexteMiseAJour(reponse);
        if (texte.empty())
            injoignable();
        else if (affiche)
            affiche(texte);
    } catch (...) {
        injoignable();
    }
}

void VerifieMiseAJour(const std::string& site, QWidget* proprietaire)
{
    VerifieMiseAJour(site, [&](const std::string& texte) { return AfficheMessageMaj(texte, site, proprietaire); });
}
