#pragma once

#include <cstdint>
#include <string>

// Buttons of the program's message box, combined as flags.
namespace BoutonsMessage {
constexpr uint16_t Oui = 1;
constexpr uint16_t Non = 2;
constexpr uint16_t Ok = 4;
constexpr uint16_t Annuler = 8;
// Not a button: the box tells of a failure, under a warning title.
constexpr uint16_t Avertissement = 16;
// The buttons of a set of flags, without the kind of box.
constexpr uint16_t Boutons = Oui | Non | Ok | Annuler;
} // namespace BoutonsMessage

// Answers of the message box: the modal results 6 Yes, 7 No, 1 OK, 2 Cancel.
namespace ReponseMessage {
constexpr uint16_t Ok = 1;
constexpr uint16_t Annuler = 2;
constexpr uint16_t Oui = 6;
constexpr uint16_t Non = 7;
} // namespace ReponseMessage

// Who shows a message and brings back the answer. The interface installs its
// skinned box at start-up; tests install a scripted double. The core reports
// to the user through MessageUtil only, so it needs no window of its own.
class TServiceMessage {
public:
    virtual ~TServiceMessage() = default;
    virtual uint16_t Affiche(const std::string& texte, uint16_t flags) = 0;
};

// Installs a service (nullptr: none) and returns the former one.
TServiceMessage* InstalleServiceMessage(TServiceMessage* service);
TServiceMessage* ServiceMessage();

// Shows Texte with the buttons of Flags and returns the answer; with no
// service installed nobody can answer, which counts as Cancel.
uint16_t MessageUtil(const std::string& texte, uint16_t flags);

// Text 529 followed by the file's name: a file that could not be written.
void SignaleEchecEcriture(const std::string& nomFichier);

// Whether a file was being read or written when the system refused.
enum class TAccesFichier { Lecture, Ecriture };

// What the system's error number Erreur means, in the user's language for the
// causes a user can act on (a full disk, a read-only folder...), in the
// system's words for the others; 0 is an unknown cause. Said of the file
// read (it does not exist) or of the place written to (the folder does not).
std::string TexteErreurSysteme(int erreur, TAccesFichier acces = TAccesFichier::Ecriture);

// A save that failed: the file's name and the system's reason, under a warning.
void SignaleEchecSauvegarde(const std::string& nomFichier, int erreur);

// The settings file could not be written: what was chosen would silently be
// back to its former value at the next start.
void SignaleEchecReglages(const std::string& fichierIni);
