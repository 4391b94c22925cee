#pragma once

// The player and referee rankings page: one ranking of the current
// championship's scope in a grid, the places that do not fit in two text
// reports beside and under it. The ranking is recomputed at every resize, as
// the number of rows shown follows the page's height. A double-click opens
// the card of the person on the row.

#include "pagebase/DefType.h"

#include <functional>
#include <string>

class TColorStringGrid;
class TEditeur;
class TPersonnel;
class TSaison;

class Tf_ClassJoueur : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_ClassJoueur(QWidget* parent = nullptr);
    ~Tf_ClassJoueur() override;

    // 0..10 and 29 up: player kind index (index - 20 from 29 on); 11..28
    // referee kind index - 11. A negative index only clears the grid.
    void AfficherClassement(int Index);
    void sg_ClassjoueursDblClick();
    int GetIndex() const { return Index; }

    // "ClassementJoueur" and "ClassementArbitre".
    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison);

    TColorStringGrid* sg_Classjoueurs;
    TEditeur* Editeur1; // under the grid
    TEditeur* Editeur2; // beside the grid

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The columns as wide as their texts within the page; what the grid grew by.
    int AjusteLargeurGrille();

    int Index = -1;
};

// What the rankings commands show on the page (the shown one is reused).
void AfficheClassJoueurCommande(Tf_ClassJoueur& Page, TPrincipale& Principale, int Code);
void EnregistrePagesClassJoueur();
