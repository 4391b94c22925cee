#pragma once

// The series and particularities page: eight small ranking tables of the
// current championship's teams, for all, home or away matches, in one of
// three modes (the page's Tag): particularities, ongoing series, best series.
// A right click on a table offers its full ranking in the enlarged table.

#include "pagebase/DefType.h"
#include "presentation/VuesSeries.h"

#include <array>
#include <string>

class QMenu;
class QAction;
class QScrollArea;
class TColorStringGrid;
class TFondCopie;
class TRondCoche;

class Tf_Statistique : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_Statistique(QWidget* parent = nullptr);
    ~Tf_Statistique() override;

    // Fills the eight tables for the mode and the checked venue, then lays
    // them out.
    void Affiche(int Mode);
    // The venue panel is hidden for a championship on neutral grounds.
    void FormShow();
    // The checked venue: 3 all, 1 home, 2 away.
    int Lieu() const;
    // A right click on grid sg_PartN: the popup's Tag is set and the popup
    // opens at Position (global) when given.
    void ClicDroit(int NumeroGrille, const QPoint* Position = nullptr);
    int GetTagPopup() const { return TagPopup; }
    // "Classement complet": the full ranking the popup's Tag names.
    void Classementcomplet1Click();
    // Places the grids for the scroll box's size.
    static int LargeurValeur(const TColorStringGrid& G);
    void DisposeGrilles();

    void Imprime() override;
    bool ExporteHtml(const std::string& NomFichier) override;
    bool Imprimable() const override { return true; }

    // "Particularite" and "Serie".
    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison);

    TFondCopie* FondCopie22;
    TRondCoche* RondCoche1; // all matches
    TRondCoche* RondCoche2; // home
    TRondCoche* RondCoche3; // away
    QScrollArea* sb_tableau;
    std::array<TColorStringGrid*, 8> sg_Part; // sg_Part1 .. sg_Part8
    QMenu* PopupParticule;
    QAction* Classementcomplet1;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* Objet, QEvent* Event) override;

private:
    VuesSeries::TEmplacements Emplacements{};
    int TagPopup = 0;
};

void EnregistrePagesStatistique();
