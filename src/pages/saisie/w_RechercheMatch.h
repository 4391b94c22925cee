#pragma once

// Finds the days on which two teams of the current championship meet, in
// each half of the season, and returns the one the user wants to see.

#include "platform/Dialogues.h"

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class TBoutonCopie;
class TSaison;

class Tf_RechercheMatch : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_RechercheMatch(QWidget* parent = nullptr);

    TSaison* Saison = nullptr; // not owned
    // Out: the chosen day, 0 none.
    int Tag = 0;

    QLabel* Label1;
    QComboBox* ComboBox1;
    QLabel* Label2;
    QComboBox* ComboBox2;
    TBoutonCopie* BoutonCopie1;
    TBoutonCopie* BoutonCopie2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    TBoutonCopie* b_Voir1;
    TBoutonCopie* b_Voir2;

    void FormActivate();
    void BoutonCopie1Click();
    void b_Voir1Click(TBoutonCopie* bouton);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Dispose(const std::vector<std::string>& noms, int nbJour);
};

// Registers the match search: the dialog, then the results of the day found.
void EnregistrePagesRechercheMatch();
