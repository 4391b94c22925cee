#pragma once

#include "platform/Dialogues.h"

#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace testsupport {

// The desktop's own dialogs, each run by its real exec(), under watch. Once a
// modal form is the active modal widget it gets the next scripted treatment,
// or else Fermeture; a form whose exec() has not returned after Delai fails
// the test and is ended by force, so that a form that never returns is a
// failure instead of a run that hangs. Installed for its lifetime.
class TDialoguesSurveilles : public TDialoguesBureau {
public:
    enum class TFermeture {
        Echap,         // Escape, sent through the window as the keyboard sends it
        CaseFermeture, // the title bar's close box, as the window system reports it
        Aucune         // nothing: the form ends by its own road
    };
    using TTraitement = std::function<void(QWidget&)>;

    TDialoguesSurveilles();
    ~TDialoguesSurveilles() override;
    TDialoguesSurveilles(const TDialoguesSurveilles&) = delete;
    TDialoguesSurveilles& operator=(const TDialoguesSurveilles&) = delete;

    // The next modal widget gets this treatment instead of Fermeture.
    void Traite(TTraitement traitement) { FTraitements.push_back(std::move(traitement)); }

    int ExecuteModal(QDialog& dialogue) override;
    TReponseFichier OuvreFichier(const TDemandeFichier& demande) override;
    std::vector<std::string> OuvreFichiers(const TDemandeFichier& demande) override;
    TReponseFichier EnregistreFichier(const TDemandeFichier& demande) override;
    // No printer dialog on a test machine: refused, and counted.
    bool ChoisitImprimante(QPrinter& imprimante) override;

    TFermeture Fermeture = TFermeture::Echap;
    // Long enough for a form of the sanitizer build run beside other tests
    // on a loaded machine, as for the real-window tier.
    std::chrono::milliseconds Delai{10000};
    std::vector<std::string> Formes;   // class name of every modal widget run, in order
    std::vector<std::string> Blocages; // those whose exec() did not return in time
    int NbChoixImprimante = 0;

private:
    int Surveille(QDialog* forme, const std::string& nom, const std::function<int()>& execute);

    std::deque<TTraitement> FTraitements;
    TServiceDialogues* FAncien;
};

// Escape, or the close box, on a window, as the desktop delivers them.
void EnvoieEchap(QWidget& fenetre);
void FermeParLaCase(QWidget& fenetre);

} // namespace testsupport
