#pragma once

// The team comparison page: a column of team frames to choose up to four
// teams, and in the rest of the page their positions chart (mode 1), points
// chart (mode 2) or coming fixtures (mode 3). The choice, the curves and the
// table are TComparaison's; the page shows them. Also answers the
// "ComparaisonEquipe" and "ProgrammeEquipe" keywords.

#include "pagebase/DefType.h"
#include "presentation/Comparaison.h"

#include <QImage>

#include <string>
#include <vector>

class QScrollArea;
class TCadre;
class TColorStringGrid;
class TDonneesChampionnat;
class TFondScroll;
class TGraphLigne;

class Tf_Comparaison : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_Comparaison(QWidget* parent = nullptr);
    ~Tf_Comparaison() override;

    // Builds the team frames of the current championship and shows the mode.
    void Afficher(int Mode);
    // Another mode over the same chosen teams.
    void SetMode(int Mode);
    // Whether the frames shown are those of the season's current championship.
    bool AfficheChampionnat(const TSaison* saison) const;
    // A click on the frame of the team at that position.
    void CadreClick(int Position);
    void FormResize();

    void Imprime() override;
    bool ExporteHtml(const std::string& NomFichier) override;
    bool Imprimable() const override { return true; }

    // The chart on a picture with the chosen teams' names in their colours.
    static QImage ImageGraphe(TGraphLigne& Graphe, const TSaison& Saison, const TDonneesChampionnat& Champ, TColor Fond,
                              const std::array<TColor, TComparaison::NbEmplacements>& Couleurs,
                              const std::array<uint8_t, TComparaison::NbEmplacements>& Equipes);
    // Saves it as Temp/comparaison<Suffixe>.png; false when it cannot be written.
    static bool EnregistrerImage(TGraphLigne& Graphe, const TSaison& Saison, const TDonneesChampionnat& Champ,
                                 TColor Fond, const std::string& Suffixe,
                                 const std::array<TColor, TComparaison::NbEmplacements>& Couleurs,
                                 const std::array<uint8_t, TComparaison::NbEmplacements>& Equipes);

    // "ComparaisonEquipe" and "ProgrammeEquipe".
    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison);

    const TComparaison& Choix() const { return FChoix; }
    int NbCadres() const { return static_cast<int>(Cadres.size()); }
    TCadre* Cadre(int i) const { return i >= 0 && i < NbCadres() ? Cadres[i] : nullptr; }

    TFondScroll* FondScroll5;
    QWidget* Panel1;
    TGraphLigne* Graph1;
    QScrollArea* sb_Comparaison;
    TColorStringGrid* sg_Programme;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TDonneesChampionnat* Championnat() const;
    // The chart or the table drawn again for the chosen teams.
    void Rafraichit();
    void Place();

    TComparaison FChoix;
    std::vector<TCadre*> Cadres;
    const TDonneesChampionnat* FChampAffiche = nullptr;
    int FLargeurColonne = 176;
};

// Commands 153 to 155 and the two keywords.
void EnregistrePagesComparaison();
