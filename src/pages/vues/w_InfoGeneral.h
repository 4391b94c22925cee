#pragma once

// The championship information page: four sheets on one page control, the
// general figures of the current championship (or of one match day, after a
// click on its bar), the distribution of goals by minute, the best
// attendances and the evolution of goals, cards and attendance day by day.
// Everything is recomputed from the season each time a sheet is filled.

#include "engine/InfoGeneral.h"
#include "pagebase/DefType.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QPainter;
class TColorStringGrid;
class TFondCopie;
class TGraphBarre;
class TGraphLigne;
class TGraphe;
class TOwnerPageControl;

class Tf_InfoGeneral : public TFootForm {
    Q_OBJECT
public:
    // The sheets, as the commands number them.
    enum : int { PageInfo = 1, PageRepartition = 2, PageAffluence = 3, PageEvolution = 4 };

    explicit Tf_InfoGeneral(QWidget* parent = nullptr);
    ~Tf_InfoGeneral() override;

    // Fills every sheet for the whole championship and shows sheet Page.
    void AfficheChampionnat(int Page);
    // Shows a sheet of a filled page (the whole championship's figures again
    // when a day was shown and another sheet is asked for).
    void AffichePage(int Page);
    // The goal distribution of one match day.
    void AfficheRepartition(int Jour);
    // Mode 1: everything, the per-day chart and arrays included; Mode 2: the
    // figures and the evolution charts. Jour 0: the whole championship.
    void CalculeInfo(int Mode, int Jour);
    // Hides what the championship's venue and date options leave out.
    void FormShow();

    // The text id of goal counts: 1 the hints of the goal charts, 2 the Y
    // legend of the distribution charts.
    virtual int IdTexteButs(int Genre) const = 0;

    // A left click on the per-day chart at (X, Y): that day alone, or the
    // whole championship again outside the bars.
    void GraphBarre3MouseDown(int X, int Y);
    // The hint of the bar or point under (X, Y) of a chart.
    void SurvolGraphe(TGraphe* Graphe, int X, int Y);

    void Imprime() override;
    bool ExporteHtml(const std::string& NomFichier) override;
    bool Imprimable() const override { return true; }
    // The evolution sheet's charts have no HTML rendering.
    bool ExportableHtml() const override { return FPageCourante != PageEvolution; }
    // The day of a day's goal distribution, while it is shown.
    std::string JourneeDocument() const override;

    // The eight championship keywords.
    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison);

    bool ModeJournee = false;
    bool RepartitionJournee = false;
    int JourRepartition = 0; // the day RepartitionJournee shows
    std::vector<int> ButsJournee;
    std::vector<int> JaunesJournee;
    std::vector<int> RougesJournee;
    std::vector<int64_t> AffluenceJournee;

    TOwnerPageControl* tab9;
    QWidget* ts_Info;
    QWidget* ts_Repartition;
    QWidget* ts_Affluence;
    QWidget* ts_Evolution;
    TFondCopie* FondCopie27;
    TFondCopie* FondCopie23;
    TFondCopie* FondCopie24;
    TFondCopie* FondCopie25;
    TFondCopie* FondCopie26;
    TGraphBarre* GraphBarre3;
    TGraphBarre* GraphBarre4;
    TGraphBarre* GraphBarre5;
    TGraphBarre* gb_But;
    TGraphLigne* gl_Carton;
    TGraphBarre* gb_Affluence;
    TColorStringGrid* sg_Affluence;
    QLabel* l_SansAffluence; // in place of the table when no attendance is recorded
    QLabel* Labelequipe;
    QLabel* Label9;
    QLabel* Label6;
    QLabel* Label3;
    QLabel* Label12;
    // The value labels of the totals box (Label41, 47, 46, 51, 52, 54, 55, 58,
    // 59, 63, 64), of the home and away box (65 to 69) and of the scorers box
    // (70 to 74), and the captions the date options hide.
    std::array<QLabel*, 11> ValeursTotaux{};
    std::array<QLabel*, 5> ValeursDomicile{};
    std::array<QLabel*, 5> ValeursButeurs{};
    QLabel* Label16 = nullptr;
    QLabel* Label17 = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* Objet, QEvent* Event) override;

private:
    void Dispose();
    void RemplitAffluences();
    void PlaceAffluences();
    void OngletChange(int Index);
    // ValeursTotaux, ValeursDomicile and ValeursButeurs in one row.
    std::array<QLabel*, 21> LabelsFigures() const;

    int FPageCourante = PageInfo;
    int FMaxLignes = -1; // the rows the attendance table was filled for, -1 before
};

// The football page the main window makes.
class Tf_InfoGeneralEx : public Tf_InfoGeneral {
    Q_OBJECT
public:
    explicit Tf_InfoGeneralEx(QWidget* parent = nullptr) : Tf_InfoGeneral(parent) {}
    int IdTexteButs(int Genre) const override;
};

void EnregistrePagesInfoGeneral();
