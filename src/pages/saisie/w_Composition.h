#pragma once

// The line-ups sheet of the current match: 11 starters and three
// substitution pairs per team, shirt numbers and the captain.
// TCompositionMatch keeps the sheet; the page shows it.

#include "pages/saisie/w_InfoMatchCadre.h"
#include "presentation/CompositionMatch.h"

#include <array>

class QLabel;

class Tf_Composition : public Tf_InfoMatchCadre {
    Q_OBJECT
public:
    explicit Tf_Composition(QWidget* parent = nullptr);

    void CreeControles();
    void AfficheMatch();
    void fc_InfoMatchResize() override;
    void FondEquipeDomicileresize();
    void FondEquipeExterieurresize();

    TCompositionMatch* Composition() const { return static_cast<TCompositionMatch*>(Feuille()); }
    // Slot s (1..17) of side 1 or 2: its frame and its box (a minute box on an
    // off slot); nullptr outside.
    TCarton* Cadre(int cote, int s) const;
    TEditRond* Boite(int cote, int s) const;

    TFondScroll* FondEquipeDomicile = nullptr;
    TFondScroll* FondEquipeExterieur;
    TFondScroll* FondRemp1;
    TFondScroll* FondRemp2;
    QLabel* Label3;
    QLabel* Label7;
    QLabel* l_SansComposition; // under the starters while the season has no line-up
    QMenu* pm_CapitaineEx;
    QAction* mi_Capitaine;
    QAction* mi_AucunCap;

    // Handlers, public so that tests drive them as the user would.
    void ListeDblClickEquipe(int cote);
    void NumeroCompoExit(int cote, int s);
    void NumeroCompoKeyPressEntree(int cote, int s);
    void mi_CapitaineClick();
    void mi_AucunCapClick();

protected:
    void MontreFeuille() override;
    void ListeDblClick(int cote) override { ListeDblClickEquipe(cote); }
    bool ListeAccepte(int cote, QObject* source) override;
    bool ListeDepot(int cote, QObject* source) override;
    bool SeulsLibres() const override { return true; }

private:
    bool Place(QObject* source, int& cote, int& s) const;
    bool Accepte(int cote, int s, QObject* source) const;
    bool Depose(int cote, int s, QObject* source);
    void PlaceTitulaires(int cote);

    std::array<std::array<TCarton*, TCompositionMatch::NbPlaces>, 2> FCadres{};
    std::array<std::array<TEditRond*, TCompositionMatch::NbPlaces>, 2> FBoites{};
    std::array<std::array<QWidget*, 3>, 2> FRangees{};
    TCarton* FCadreMenu = nullptr;
};

// Command 15, for the main window.
void EnregistrePagesComposition();
