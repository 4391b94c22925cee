#include "base/ServiceMessage.h"

#include "base/oTraducteur.h"

#include <cerrno>
#include <cstring>
#include <type_traits>

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
    MessageUtil(Traduit(TexteEchecEcriture) + "\n" + nomFichier, BoutonsMessage::Ok | BoutonsMessage::Avertissement);
}

std::string TexteErreurSysteme(int erreur, TAccesFichier acces)
{
    enum : int {
        TexteDisquePlein = 2621,
        TexteInterdit = 2622,
        TexteLectureSeule = 2623,
        TexteDossierAbsent = 2624,
        TexteErreurDisque = 2625,
        TexteNomTropLong = 2626,
        TexteCauseInconnue = 2627,
        TexteIllisible = 3106,
        TexteAbsent = 3107,
        TexteLectureInterdite = 3108,
        TexteDossier = 3109,
        TexteMemoire = 3110,
    };
    const bool lecture = acces == TAccesFichier::Lecture;
    switch (erreur) {
    case 0:
        return Traduit(lecture ? TexteIllisible : TexteCauseInconnue);
    case ENOENT:
    case ENOTDIR:
        return Traduit(lecture ? TexteAbsent : TexteDossierAbsent);
    case EACCES:
    case EPERM:
        return Traduit(lecture ? TexteLectureInterdite : TexteInterdit);
    case EISDIR:
        return Traduit(TexteDossier);
    case ENOMEM:
        return Traduit(TexteMemoire);
    case ENOSPC:
    case EDQUOT:
        return Traduit(TexteDisquePlein);
    case EROFS:
        return Traduit(TexteLectureSeule);
    case EIO:
        return Traduit(TexteErreurDisque);
    case ENAMETOOLONG:
        return Traduit(TexteNomTropLong);
    default: {
        char tampon[256] = {};
        // The GNU strerror_r may answer with its own text instead of filling the buffer.
        auto texte = strerror_r(erreur, tampon, sizeof tampon);
        if constexpr (std::is_same_v<decltype(texte), char*>) {
            return texte != nullptr ? std::string(texte) : std::string(tampon);
        } else {
            (void)texte;
            return std::string(tampon);
        }
    }
    }
}

void SignaleEchecSauvegarde(const std::string& nomFichier, int erreur)
{
    constexpr int TexteEchecSauvegarde = 2620;
    MessageUtil(TraduitFmt(TexteEchecSauvegarde, {nomFichier, TexteErreurSysteme(erreur)}),
                BoutonsMessage::Ok | BoutonsMessage::Avertissement);
}

void SignaleEchecReglages(const std::string& fichierIni)
{
    constexpr int TexteEchecReglages = 2341;
    MessageUtil(TraduitFmt(TexteEchecReglages, {fichierIni}), BoutonsMessage::Ok);
}
