#pragma once

// The live scores page: the matches of the current day in a side list, the
// selected one's names and scores with plus and minus buttons that write
// straight into the season, and the standings recomputed beside them. The
// logic is TScoresDirect's; the page shows it and hands it the clicks.

#include "pagebase/DefType.h"
#include "presentation/ScoresDirect.h"

class QAction;
class QMenu;
class QToolButton;
class TCadre;
class TColorStringGrid;
class TEditRond;
class TFondCopie;
class TListe;

class Tf_Minute : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_Minute(QWidget* parent = nullptr);
    ~Tf_Minute() override;

    // Follows the current day of the season's current championship.
    void Initialiser(TSaison* saison);
    const TScoresDirect& Direct() const { return FDirect; }

    TFondCopie* FondCopie17;
    TListe* Listbox1;
    TCadre* Cadre9;
    TCadre* Cadre10;
    TEditRond* EditRond1;
    TEditRond* EditRond2;
    QToolButton* Bp1;
    QToolButton* Bm1;
    QToolButton* bp2;
    QToolButton* bm2;
    QWidget* ScrollBox1;
    TColorStringGrid* sg_Classement;
    QMenu* PopupMenu8;
    QAction* mi_RetirerMatch;

    // Handlers, public so that tests can drive them as the user would.
    void Listbox1Click();
    // A right click at Y in the list: its item becomes the selected match
    // and the menu opens at Global.
    void Listbox1MouseDown(int y, QPoint global);
    void Bp1Click(QObject* sender);
    void Bm1Click(QObject* sender);
    void mi_RetirerMatchClick();
    void FondScroll2resize();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void AfficheListe();
    void AfficheMatch();
    void AfficheClassement();
    // The width the standings need to show every column without scrolling sideways.
    int LargeurClassement() const;
    // The panel's width when the room allows: every followed match whole in the list.
    int LargeurPanneauVoulue() const;
    int LargeurRangee() const;
    void Place();

    TScoresDirect FDirect{nullptr};
};

// Command 23, for the main window.
void EnregistrePagesMinute();
