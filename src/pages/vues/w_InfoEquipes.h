#pragma once

// The team information page: the teams of the current championship compared
// on one subject at a time (best players of a statistic, record attendance,
// players used, substitutions per match, series of minutes without scoring
// or conceding), one grid per view. Also answers the keywords of those views.

#include "engine/InfoEquipes.h"
#include "pagebase/DefType.h"

#include <memory>
#include <string>

class QLabel;
class QScrollArea;
class TColorStringGrid;
class TFondCopie;
class TRondCoche;

class Tf_InfoEquipes : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_InfoEquipes(QWidget* parent = nullptr);
    ~Tf_InfoEquipes() override;

    // The championship number whose player statistics are read.
    void SetChampionnat(int Numero) { FChampionnat = Numero; }
    int GetChampionnat() const { return FChampionnat; }
    // Shows view n (VuesInfoEquipes page numbers; 13 or more is page 0).
    void Afficher(int n);
    // The series view again with the boxes' choice.
    void rc_SerieCoursClick();
    // A link of the grid: a player opens his card, a team of the series
    // views its statistics page.
    void sg_ButeurHotTrackClick(int ACol, int ARow);
    // Places the grids for the page's size.
    void Dispose();

    void Imprime() override;
    bool ExporteHtml(const std::string& NomFichier) override;
    bool Imprimable() const override { return true; }

    // The twelve keywords of the views.
    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison);

    QScrollArea* ScrollBox1;
    TColorStringGrid* sg_Buteur;
    TColorStringGrid* sg_Affluence;
    QLabel* l_Vide; // under the attendance records when none is recorded
    TFondCopie* fc_Param;
    TRondCoche* rc_General;
    TRondCoche* rc_Domicile;
    TRondCoche* rc_Exterieur;
    TRondCoche* rc_SerieCours;
    TRondCoche* rc_MeilleureSerie;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void AfficheSeries();
    // The grid the page shows.
    TColorStringGrid* GrilleMontree() const;

    int FChampionnat = 0;
    // The series of the current championship, computed when first needed
    // and kept until another view is shown.
    std::unique_ptr<InfoEquipes::TTableMinutes> FSeries;
};

void EnregistrePagesInfoEquipes();
