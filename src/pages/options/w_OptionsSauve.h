#pragma once

// The season's save options: minutes between automatic saves (0 = off) and
// whether the previous version of the season file is kept when saving.

#include "platform/Dialogues.h"

#include <string>

class QLabel;
class QSpinBox;
class QTabWidget;
class QWidget;
class TBoutonCopie;
class TCarreCoche;
class TPrincipale;
class TSaison;

class Tf_OptionSauve : public TDialogue {
    Q_OBJECT
public:
    static constexpr int MinutesMax = 200;

    explicit Tf_OptionSauve(QWidget* parent = nullptr);

    // Shows the season's options (also run when the form is shown).
    void FormShow();
    // A typed key: only the digits are taken, each one becoming the whole value.
    bool Edit1KeyPress(int touche, const QString& texte);
    // Writes back what differs; Tag is 1 when something was written.
    void b_ValiderClick();
    void b_AideClick();

    TSaison* Saison = nullptr; // not owned
    std::string DossierAide;   // the help pages of the user's language
    int Tag = 0;

    QTabWidget* PageControl;
    QWidget* ts_Sauvegarde;
    TCarreCoche* cc_SauveAuto;
    QSpinBox* ud_TempsAuto; // the minutes box with its up-down
    QLabel* Label1;         // "minutes"
    TCarreCoche* cc_ConserveSauve;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;
    TBoutonCopie* b_Aide;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;
};

// Command 178: the dialog on the open season; a confirmed change marks the
// document modified and restarts the auto-save timer. True when something changed.
bool AfficheOptionsSauve(TPrincipale& principale);

// The commands of the options dialogs.
void EnregistrePagesOptions();
