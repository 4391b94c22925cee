#pragma once

// The division chooser: a configuration of the championship catalogue and
// one of its divisions, whose standard data file receives the save.

#include "platform/Dialogues.h"

#include <string>
#include <vector>

class QComboBox;
class TBarreEtat;
class TBoutonCopie;
class TFondCopie;
class TRondCoche;
class TSaison;

class Tf_Creation : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_Creation(QWidget* parent = nullptr);

    // Selects the configuration of the division of Tag (low 16 bits) and
    // checks that division (also run when the form is shown).
    void FormShow();
    void cb_ChampionnatChange();
    void DivisionClick(TRondCoche* bouton);
    // The chosen division's data file, then OK; nothing without a division.
    void b_ValiderClick();

    std::string AppDir; // the program folder, ending with "/"
    int Tag = 0;

    // Results: the chosen division (0 none) and its data file.
    int Division = 0;
    std::string NomFichier;

    QComboBox* cb_Championnat;
    TFondCopie* FondDivisions;
    std::vector<TRondCoche*> Divisions; // in the catalogue's order
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The division buttons of the selected configuration; `coche` is checked.
    void CreeDivisions(int coche);
    void SetDivision(int code);

    bool FAffiche = false;
};

// The data file of a catalogue division: "<program>/Data/<file of the division>"
// with the extension ".xmd" added when the catalogue's name lacks it;
// empty when the catalogue does not know the division or gives it no file.
std::string FichierDivision(const std::string& appDir, int division);

// The save of the current championship to its division's data file: when the
// championship belongs to a catalogue division, the chooser opens on it; on OK
// an existing file is first copied to the extension ".old", then the
// championship is written there. False when the championship belongs to no
// catalogue division (the caller asks for a file itself); true otherwise,
// whatever the user answered.
bool SauveFichierDivision(TSaison& saison, const std::string& appDir, TBarreEtat* barreEtat);
