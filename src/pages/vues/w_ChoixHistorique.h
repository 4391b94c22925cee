#pragma once

// The choice of the division archive the history page works on and, when the
// page is opened for entry, the creation of an archive for a division of the
// catalogue. Nothing is written here: a new archive reaches the disk when the
// history page saves it.

#include "platform/Dialogues.h"

#include <string>

class QComboBox;
class QListWidget;
class QWidget;
class TBoutonCopie;
class TSaison;
class TStats;

class Tf_ChoixHistorique : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_ChoixHistorique(QWidget* parent = nullptr);

    // One line per archive of the collection, by its catalogue name; the
    // archive of Code selected. With Creation, every division of the catalogue
    // offered for a new archive.
    // Saison, when one is open, names the archives of its own championships.
    void RemplitListe(TStats& Stats, int Code, const std::string& AppDir, bool Creation,
                      const TSaison* Saison = nullptr);
    // The selected line's archive, then OK; nothing without a selection.
    void bc_ChoisirClick();
    // A new archive for the division chosen, or the line of the one it has already.
    void bc_AjouterClick();

    // The answer: the archive's position in the collection (valid after OK).
    int Choix = -1;

    QListWidget* lb_Choix;
    TBoutonCopie* bc_Choisir;
    TBoutonCopie* bc_Annuler;
    QWidget* Panel1;
    QComboBox* cb_Champ;
    TBoutonCopie* bc_Ajouter;

private:
    void AjouteLigne(int Position);

    TStats* FStats = nullptr;
    const TSaison* FSaison = nullptr;
    std::string FAppDir;
};
