#pragma once

// The referees of the season by country: their season figures, their cards,
// and new referees typed straight into the grid. Also answers the
// "EffectifArbitre" keyword.

#include "pages/fiches/PageListe.h"

class QLineEdit;

class Tf_Arbitres : public TPageListe {
    Q_OBJECT
public:
    explicit Tf_Arbitres(QWidget* parent = nullptr);

    // A typed surname or first name: starts the cell editor on the current
    // cell (columns 0 and 1) with that text.
    void CommenceSaisie(const QString& Texte);
    // The cell editor's text to its cell.
    void TermineSaisie();
    void ValideSaisieEnCours() override;

    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison);

    QLineEdit* e_Saisie;

protected:
    bool OuvreFiche(int& Entree) override;
    int PaysEntree(int Entree) const override;
    bool SupprimeEntree(int Entree) override;
    void AvantRemplissage() override;
    void ValideLignes() override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void ApresSaisie(const ListesPersonnes::TResultatSaisie& Resultat);
    int FColSaisie = -1;
    int FLigneSaisie = -1;
};

// Command 148 and the "EffectifArbitre" keyword.
void EnregistrePagesArbitres();
