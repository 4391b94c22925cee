#include "support/MessagesScriptes.h"

#include "base/oTraducteur.h"

#include <gtest/gtest.h>

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

void VerifieEchecEcritureSignale(const std::function<void(const std::string&)>& ecrit,
                                 const std::filesystem::path& dossier, const std::string& fichier)
{
    TMessagesScriptes boite;
    const std::string absent = (dossier / "absent" / "page.htm").string();
    ecrit(absent);
    ASSERT_EQ(boite.Messages.size(), 1u);
    // The file and why: its folder is not there.
    EXPECT_EQ(boite.Messages[0].Texte, TraduitFmt(2620, {absent, Traduit(2624)}));
    boite.Messages.clear();
    ecrit(fichier);
    EXPECT_TRUE(boite.Messages.empty());
}

} // namespace testsupport
