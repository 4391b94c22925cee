#pragma once

// The removal dialog: the championships leaving the season, each checked
// when its teams and players are to leave with it.

#include "platform/Dialogues.h"

#include <vector>

class QLabel;
class QListWidget;
class TBoutonCopie;
class TSaison;

class Tf_RetirerChamp : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_RetirerChamp(QWidget* parent = nullptr);

    // One check item per championship code: "configuration : division".
    void RemplitListe(const TSaison& saison, const std::vector<int>& codes);
    // The codes of the checked items.
    std::vector<int> Coches() const;

    QLabel* Label2;
    QListWidget* lb_Championnats;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;
};

// Runs the dialog on those codes; false when cancelled, else the checked ones.
bool ChoisitRetraits(const TSaison& saison, const std::vector<int>& codes, std::vector<int>& coches);
