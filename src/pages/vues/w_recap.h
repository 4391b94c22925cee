#pragma once

// The recap page: the table of every home score of the current championship,
// one row and one column per team. Also answers the "Recapitulatif" keyword.

#include "pagebase/DefType.h"

#include <string>

class QScrollArea;
class TColorStringGrid;
class TContexteSaison;
class TDonneesChampionnat;
class TModeleGrille;

class Tf_recap : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_recap(QWidget* parent = nullptr);
    ~Tf_recap() override;

    // Fills the table from the current championship.
    void Affiche();
    static void RemplitTableau(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, TModeleGrille& Grille);

    // "Recapitulatif".
    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison);

    QScrollArea* sb_Fond;
    TColorStringGrid* sg_recap;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    // The table centred in the page, its columns enlarged to fill it.
    void PlaceTableau();

    QWidget* Contenu;
};

// Registers the recap command and keyword.
void EnregistrePagesRecap();
