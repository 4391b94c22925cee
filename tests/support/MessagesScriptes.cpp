#include "support/MessagesScriptes.h"

namespace testsupport {

TMessagesScriptes::TMessagesScriptes() : FAncien(InstalleServiceMessage(this)) {}

TMessagesScriptes::~TMessagesScriptes()
{
    InstalleServiceMessage(FAncien);
}

uint16_t TMessagesScriptes::Affiche(const std::string& texte, uint16_t flags)
{
    Messages.push_back({texte, flags});
    if (FReponses.empty())
        return ReponseParDefaut;
    const uint16_t reponse = FReponses.front();
    FReponses.pop_front();
    return reponse;
}

} // namespace testsupport
