#pragma once

// The nationality editor: renames, deletes and merges the season's
// countries. Tag is 1 after it changed the season.

#include "platform/Dialogues.h"

class QLineEdit;
class TBoutonCopie;
class TListe;
class TSaison;

class Tf_ModifierNat : public TDialogue {
    Q_OBJECT
public:
    Tf_ModifierNat(TSaison& Saison, QWidget* parent = nullptr);

    void l_NationaliteClick();
    void bc_ModifierClick();
    void bc_EffacerClick();
    void bc_FusionnerClick();

    TListe* l_Nationalite;
    QLineEdit* e_NomEquipe;
    TBoutonCopie* bc_Modifier;
    TBoutonCopie* bc_Effacer;
    TBoutonCopie* bc_Fusionner;
    TBoutonCopie* bc_Terminer;
    int TagNom = -1; // the country being edited
    int Tag = 0;

private:
    // The selected items' codes in the order they were selected.
    std::vector<int> FSelection;
    TSaison& FSaison;
};
