#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QPrinter;

// Modal results as every form and message box of the program returns them.
namespace ResultatModal {
constexpr int Aucun = 0;
constexpr int Ok = 1;
constexpr int Annuler = 2;
// Closed without asking anything: the opener tells the user why.
constexpr int Ignorer = 5;
constexpr int Oui = 6;
constexpr int Non = 7;
} // namespace ResultatModal

// Base of the program's modal forms. A form ends with the result handed to
// SetModalResult (0 keeps it open, like a button without a result); closing it
// from the title bar gives Cancel (2). Escape clicks the form's Cancel button,
// and closes a form that has none as the title bar does. A result given while
// exec() shows the form, before its loop runs (a form that closes itself as it
// shows), ends the form as soon as the loop starts.
class TDialogue : public QDialog {
    Q_OBJECT
public:
    explicit TDialogue(QWidget* parent = nullptr);

    void SetModalResult(int resultat);
    int ModalResult() const { return result(); }

    int exec() override;
    void setVisible(bool visible) override;
    void reject() override;

private:
    bool FDansExec = false;
    bool FEnAffichage = false; // exec() is showing the form, its loop not yet running
    int FResultatEnAttente = ResultatModal::Aucun;
};

// One filter of a file dialog, out of the "description|pattern;pattern|..." text.
struct TFiltreFichier {
    std::string Description;
    std::vector<std::string> Motifs; // "*.xmc", "*.*", ...
};

// Splits "description|pattern;pattern|description|pattern" into its filters; a
// description without its pattern part is kept with the pattern "*".
std::vector<TFiltreFichier> LitFiltres(const std::string& filtre);

// What an open or save dialog is asked.
struct TDemandeFichier {
    std::string Titre;
    std::string Filtre;          // "Saison|*.xmc|Tous|*.*"
    int IndexFiltre = 1;         // 1-based, as the filter text counts them
    std::string ExtensionDefaut; // without dot; added to a typed name that has no extension
    std::string DossierInitial;
    std::string NomFichier; // proposed name
};

struct TReponseFichier {
    bool Ok = false;
    std::string NomFichier;
    int IndexFiltre = 1; // filter chosen by the user, 1-based
};

// The filters as Qt's file dialogs read them: "description (pattern pattern)",
// the description's own parenthesised list of patterns replaced by that one.
std::vector<std::string> FiltresPourQt(const std::vector<TFiltreFichier>& filtres);

// A typed name without extension gets the default one ("saison" -> "saison.xmc");
// a name that has one, or an empty default, is left alone.
std::string AjouteExtensionDefaut(const std::string& nomFichier, const std::string& extension);

// The modal services of the desktop: forms, file dialogs, the printer choice.
// The program reaches them only through Dialogues(), so a test installs a
// scripted double that answers and records instead of waiting for a person.
class TServiceDialogues {
public:
    virtual ~TServiceDialogues() = default;

    // Runs a form modally and returns its modal result.
    virtual int ExecuteModal(QDialog& dialogue) = 0;
    virtual TReponseFichier OuvreFichier(const TDemandeFichier& demande) = 0;
    // Several existing files chosen at once; none when cancelled.
    virtual std::vector<std::string> OuvreFichiers(const TDemandeFichier& demande) = 0;
    virtual TReponseFichier EnregistreFichier(const TDemandeFichier& demande) = 0;
    // Lets the user choose the printer and its settings; false when cancelled.
    virtual bool ChoisitImprimante(QPrinter& imprimante) = 0;
};

// The desktop's own dialogs.
class TDialoguesBureau : public TServiceDialogues {
public:
    int ExecuteModal(QDialog& dialogue) override;
    TReponseFichier OuvreFichier(const TDemandeFichier& demande) override;
    std::vector<std::string> OuvreFichiers(const TDemandeFichier& demande) override;
    TReponseFichier EnregistreFichier(const TDemandeFichier& demande) override;
    bool ChoisitImprimante(QPrinter& imprimante) override;
};

TServiceDialogues& Dialogues();
// Installs a service (nullptr: the desktop's again) and returns the former one.
TServiceDialogues* InstalleDialogues(TServiceDialogues* service);
