#pragma once

// The quick entry of a squad: players typed by name or chosen among the
// season's, added one after the other to the team the squads page shows.

#include "platform/Dialogues.h"
#include "presentation/Effectifs.h"

class QLabel;
class QListWidget;
class TBoutonCopie;
class TCarreCoche;
class TComboBox98;
class TSaison;

class Tf_SaisieRapide : public TDialogue {
    Q_OBJECT
public:
    Tf_SaisieRapide(TSaison& Saison, QWidget* parent = nullptr);

    // The team the players join; fills the list of its players and the choice
    // of the season's players.
    void SetEquipe(int Equipe);
    void b_AjouterClick();
    // True when a player was added or moved.
    bool Change() const { return FSaisie.Change(); }

    QLabel* Label1;
    TComboBox98* cb_AjoutJoueur;
    QListWidget* lb_JoueursPresents;
    TBoutonCopie* b_Ajouter;
    TBoutonCopie* b_Continuer;
    TCarreCoche* cc_AfficheFiche;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void RemplitChoix();

    TSaison& FSaison;
    Effectifs::TSaisieRapide FSaisie;
};
