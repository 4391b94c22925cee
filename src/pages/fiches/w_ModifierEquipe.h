#pragma once

// The team editor: renames or deletes the season's teams. Tag is 1 after
// it changed the season.

#include "engine/EditeursEquipes.h"
#include "platform/Dialogues.h"

#include <vector>

class QLineEdit;
class TBoutonCopie;
class TListe;
class TPrincipale;
class TSaison;

// Fills an editor's list with its items (code, flag, text).
void RemplitListeEditeur(TListe& Liste, const std::vector<EditeursEquipes::TElement>& Elements);
// Rewrites the item of the element's code, keeping its place and selection.
void RemplaceElementEditeur(TListe& Liste, const EditeursEquipes::TElement& Element);
// The item of that code, -1 when none.
int IndexCodeEditeur(const TListe& Liste, int Code);

class Tf_ModifierEquipe : public TDialogue {
    Q_OBJECT
public:
    Tf_ModifierEquipe(TSaison& Saison, QWidget* parent = nullptr);

    void l_EquipeClick();
    void bc_ModifierClick();
    void bc_EffacerClick();

    TListe* l_Equipe;
    QLineEdit* e_NomEquipe;
    TBoutonCopie* bc_Modifier;
    TBoutonCopie* bc_Effacer;
    TBoutonCopie* bc_Terminer;
    int TagNom = -1; // the team being edited
    int Tag = 0;

private:
    TSaison& FSaison;
};

// Commands 144, 145 and 146: the editor runs on the open season; a change
// marks the document and shows the current page again.
void EnregistrePagesEditeurs();
