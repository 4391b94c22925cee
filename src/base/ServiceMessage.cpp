#include "base/ServiceMessage.h"

#include "base/oTraducteur.h"

namespace {

TServiceMessage* ServiceInstalle = nullptr;

} // namespace

TServiceMessage* InstalleServiceMessage(TServiceMessage* service)
{
    TServiceMessage* ancien = ServiceInstalle;
    ServiceInstalle = service;
    return ancien;
}

TServiceMessage* ServiceMessage()
{
    return ServiceInstalle;
}

uint16_t MessageUtil(const std::string& texte, uint16_t flags)
{
    if (ServiceInstalle == nullptr)
        return ReponseMessage::Annuler;
    return ServiceInstalle->Affiche(texte, flags);
}

void SignaleEchecEcriture(const std::string& nomFichier)
{
    constexpr int TexteEchecEcriture = 529;
    MessageUtil(Traduit(TexteEchecEcriture) + "\n" + nomFichier, BoutonsMessage::Ok);
}

void SignaleEchecReglages(const std::string& fichierIni)
{
    constexpr int TexteEchecReglages = 2341;
    MessageUtil(TraduitFmt(TexteEchecReglages, {fichierIni}), BoutonsMessage::Ok);
}
