#pragma once

// The crest editor: gives the season's teams their crests from the catalogue,
// one by one or all at once by name. Tag is 1 after it changed the season.

#include "platform/Dialogues.h"

class TBlasons;
class TBoutonCopie;
class TListe;
class TLogo;
class TSaison;

class Tf_ModifierLogo : public TDialogue {
    Q_OBJECT
public:
    // DossierProgramme: where "blasons/" lies, ending with "/".
    Tf_ModifierLogo(TSaison& Saison, TBlasons* Blasons, std::string DossierProgramme, QWidget* parent = nullptr);

    void l_EquipeClick();
    void bc_ModifierClick();
    void bc_ImporterClick();

    TListe* l_Equipe;
    TLogo* Logo1;
    TBoutonCopie* bc_Modifier;
    TBoutonCopie* bc_Importer;
    TBoutonCopie* bc_Terminer;
    int TagLogo = -1; // the team previewed
    int Tag = 0;

private:
    void AfficheBlason(int Equipe);

    TSaison& FSaison;
    TBlasons* FBlasons;
    std::string FDossier;
};
