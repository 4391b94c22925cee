#pragma once

#include "base/ServiceMessage.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Stands in for the message box while it lives: records every message with
// its flags and answers with the scripted replies in order, then with
// ReponseParDefaut.
class TMessagesScriptes : public TServiceMessage {
public:
    struct TMessage {
        std::string Texte;
        uint16_t Flags = 0;
    };

    TMessagesScriptes();
    ~TMessagesScriptes() override;
    TMessagesScriptes(const TMessagesScriptes&) = delete;
    TMessagesScriptes& operator=(const TMessagesScriptes&) = delete;

    void Repond(uint16_t reponse) { FReponses.push_back(reponse); }
    uint16_t Affiche(const std::string& texte, uint16_t flags) override;

    std::vector<TMessage> Messages;
    uint16_t ReponseParDefaut = ReponseMessage::Annuler;

private:
    std::deque<uint16_t> FReponses;
    TServiceMessage* FAncien;
};

// Runs Ecrit on a file of a folder that does not exist, then on Fichier: the
// first must say once that it failed (the file's name and the missing folder
// as the reason), the second nothing.
void VerifieEchecEcritureSignale(const std::function<void(const std::string&)>& ecrit,
                                 const std::filesystem::path& dossier, const std::string& fichier);

} // namespace testsupport
