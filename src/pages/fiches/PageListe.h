#pragma once

// What the referee and stadium list pages share: the country list on the
// left, the grid of the chosen country's entries on the right, the popup, the
// Insert and Delete keys and the double click that open the cards.

#include "pagebase/DefType.h"
#include "presentation/ListesPersonnes.h"

class QAction;
class QMenu;
class QScrollArea;
class TListe;

class TPageListe : public TFootForm {
    Q_OBJECT
public:
    TPageListe(ListesPersonnes::TGenre Genre, int LargeurGrille, QWidget* parent);

    // Fills the country list, shows that country when it is listed (else
    // all) and fills the grid.
    void Initialise(int Pays);
    // The list's entry of that code chosen: the grid follows.
    void ChoisitPays(int Pays);
    int PaysChoisi() const { return FPays; }
    void RemplitGrille();

    void mi_EditerClick();
    void mi_InsererClick();
    void mi_EffacerClick();
    // Opens the popup on a data cell; the menu's entries as the row allows.
    void PrepareMenu(int Ligne);

    // The keywords' table: the grid of the country "Pays" in the table colours of the parameters.
    static std::string TableMotCle(ListesPersonnes::TGenre Genre, const TLignesParam& Params, const TSaison& Saison);

    TListe* l_Nation;
    QScrollArea* sb_Grille;
    TColorStringGrid* sg_Tableau;
    QMenu* pm_JoueurOp;
    QAction* mi_Editer;
    QAction* mi_Effacer;
    QAction* mi_Inserer;

protected:
    // The card on an entry (AucuneEntree: a new one); true when it changed
    // the season; Entree is then the entry shown.
    virtual bool OuvreFiche(int& Entree) = 0;
    virtual int PaysEntree(int Entree) const = 0;
    // True when the entry was deleted.
    virtual bool SupprimeEntree(int Entree) = 0;
    virtual void AvantRemplissage() {}
    // Writes typed rows back before the page inserts, deletes or is left.
    virtual void ValideLignes() {}

    bool eventFilter(QObject* objet, QEvent* event) override;
    // After a change to an entry: the page shows the entry's country.
    void ApresChangement(int Entree);

    ListesPersonnes::TGenre FGenre;
    int FPays = ListesPersonnes::TousLesPays;
    int FLargeur; // the grid's designed width
};
