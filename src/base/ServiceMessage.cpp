#include "base/ServiceMessage.h"

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
