#pragma once

// The forecast of a match day of the current championship: per fixture the
// chances of a home win, a draw and an away win, from the teams' recent
// results and their past meetings, with the six settings kept in the
// settings file. The day shown is the championship's current day while the
// page is on screen; the day it found comes back when it goes. The
// computation is Prevision's, the grid VuesPrevision's. Also answers the
// "Prevision" keyword.

#include "engine/Prevision.h"
#include "pagebase/DefType.h"

#include <string>

class QComboBox;
class QLabel;
class QSlider;
class QSpinBox;
class TBoutonCopie;
class TColorStringGrid;
class TDonneesChampionnat;
class TFondCopie;
class TStat;
class Tf_FicheMatch;

class Tf_Prevision : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_Prevision(QWidget* parent = nullptr);
    ~Tf_Prevision() override;

    // Reads the settings, shows the day after the current one and makes it current.
    void Initialise(TStat* Archive, const std::string& FichierIni);
    // The forecast of a day with the page's settings.
    void CalculePrevision(int Jour);
    Prevision::TReglages Reglages() const;

    // Handlers.
    void bc_VisualiserClick();
    void TrackBar1Change();
    void bc_VoirClick();

    // "Prevision".
    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison);

    // The pre-match sheet opened by "Voir", nullptr before.
    Tf_FicheMatch* Fiche() const { return FFiche; }

    TColorStringGrid* sg_Classement;
    QLabel* Label9;
    QComboBox* cb_Matchs;
    TBoutonCopie* bc_Voir;
    QLabel* Label7;
    QSlider* TrackBar1;
    TFondCopie* FondCopie1;
    QLabel* Label2;
    TBoutonCopie* bc_Visualiser;
    QSpinBox* ud_PourcForme;
    QSpinBox* ud_nMatchForme;
    QSpinBox* ud_PourcPerf;
    QSpinBox* ud_nbrenc;
    QSpinBox* ud_PourcHist;
    QSpinBox* ud_nRenc;

protected:
    // The page does not close while its pre-match sheet is on screen.
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The championship whose day the page moved, while it is still in the season.
    TDonneesChampionnat* Championnat() const;
    void PlaceGrille();
    // The day found at Initialise back in the championship.
    void RestaureJournee();
    void EcritReglages();

    std::string FFichierIni;
    TStat* FArchive = nullptr;             // not owned
    TDonneesChampionnat* FChamp = nullptr; // the championship at Initialise, not owned
    int FJourInitial = 0;
    bool FJourRestaure = true;
    Tf_FicheMatch* FFiche = nullptr; // a child window of the page
};

// Command 20 and the keyword.
void EnregistrePagesPrevision();
