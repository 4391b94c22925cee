#pragma once

#include "platform/Dialogues.h"

#include <string>

class QPlainTextEdit;
class TBoutonCopie;
class TCarreCoche;

// The tip of the day: one of eight tips in turn, the next one on demand, and
// the choice of showing the tips at start-up. The counter of the next tip and
// that choice are kept in [General] nAstuce and ShowAstuce.
class Tf_AstuceJour : public TDialogue {
    Q_OBJECT
public:
    static constexpr int NbAstuces = 8;
    static constexpr int PremierTexte = 2000;

    explicit Tf_AstuceJour(QWidget* parent = nullptr);

    void FormShow();
    void FormClose();
    void bc_suivanteClick();
    // Shows the tip of the current counter.
    void AfficheAstuce();

    std::string FichierIni;
    int Compteur = 0;

    TBoutonCopie* bc_Continuer;
    TBoutonCopie* bc_suivante;
    TCarreCoche* cb_Demarrage;
    QPlainTextEdit* m_Astuce;

    void done(int resultat) override;

protected:
    void showEvent(QShowEvent* event) override;
};
