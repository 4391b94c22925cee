#include "presentation/Recapitulatif.h"

#include "base/Texte.h"
#include "files/Image.h"
#include "model/Championnat.h"
#include "model/ContexteSaison.h"
#include "presentation/ModeleGrille.h"

#include <utility>

namespace {

constexpr uint16_t Aucun = 65535;
constexpr TColor Blanc = 0xFFFFFF;
constexpr TColor Noir = 0;
constexpr uint8_t Centre = 1;
constexpr uint8_t Milieu = 1;

} // namespace

TRecapitulatif::TRecapitulatif(const TDonneesChampionnat& Champ) : NbEquipe_(Champ.GetNbEquipe())
{
    Cases_.resize(static_cast<size_t>(NbEquipe_) * static_cast<size_t>(NbEquipe_));
    const bool Neutre = (Champ.GetOption(11) & 2) != 0;
    for (int Jour = 1; Jour <= Champ.JourneeJouee; ++Jour) {
        const int NbMatch = Champ.GetNbMatchJournee(Jour);
        for (int m = 1; m <= NbMatch; ++m) {
            const int Code = 4 * (m - 1);
            int Buts1 = Champ.GetValeurMatch(Jour, Code + 2);
            int Buts2 = Champ.GetValeurMatch(Jour, Code + 4);
            if (Buts1 == Aucun || Buts2 == Aucun)
                continue;
            int Domicile = Champ.IndexEquipe(Champ.GetValeurMatch(Jour, Code + 1));
            int Exterieur = Champ.IndexEquipe(Champ.GetValeurMatch(Jour, Code + 3));
            if (Domicile < 0 || Exterieur < 0 || Domicile >= NbEquipe_ || Exterieur >= NbEquipe_)
                continue;
            // On neutral grounds a pair has one cell: the team placed first is its row.
            if (Neutre && Exterieur < Domicile) {
                std::swap(Domicile, Exterieur);
                std::swap(Buts1, Buts2);
            }
            TCaseRecap& Case = Cases_[static_cast<size_t>(Domicile) * NbEquipe_ + Exterieur];
            TRencontreRecap& Rencontre = Case.Premiere.Jouee ? Case.Suivante : Case.Premiere;
            Rencontre = {true, Buts1, Buts2};
        }
    }
}

const TCaseRecap* TRecapitulatif::GetCase(int Ligne, int Colonne) const
{
    if (Ligne < 0 || Colonne < 0 || Ligne >= NbEquipe_ || Colonne >= NbEquipe_)
        return nullptr;
    return &Cases_[static_cast<size_t>(Ligne) * NbEquipe_ + Colonne];
}

std::string TRecapitulatif::TexteCase(int Ligne, int Colonne) const
{
    const TCaseRecap* Case = GetCase(Ligne, Colonne);
    if (Case == nullptr || Ligne == Colonne)
        return {};
    if (!Case->Premiere.Jouee)
        return "-";
    return std::to_string(Case->Premiere.ButsDomicile) + " - " + std::to_string(Case->Premiere.ButsExterieur);
}

namespace Recapitulatif {

void RemplitTableau(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, TModeleGrille& Grille)
{
    const TRecapitulatif Recap(Champ);
    const int N = Recap.NbEquipe();
    Grille.SetRowCount(N + 1);
    Grille.SetColCount(N + 1);
    Grille.SetFixedRows(1);
    Grille.SetFixedCols(1);
    Grille.SetLargeurColonne(0, LargeurNoms);
    for (int j = 0; j < N; ++j) {
        Grille.SetLargeurColonne(j + 1, LargeurEquipe);
        const std::string Nom = Saison.GetNomEquipe(static_cast<uint16_t>(Champ.GetEquipe(j)));
        Grille.SetCellule(j + 1, 0, nullptr, false, Blanc, Noir, Milieu, Centre, PremiersCaracteres(Nom, 3) + ".");
    }
    for (int i = 0; i < N; ++i) {
        Grille.SetTexte(0, i + 1, Saison.GetNomEquipe(static_cast<uint16_t>(Champ.GetEquipe(i))));
        for (int j = 0; j < N; ++j) {
            if (i == j)
                Grille.SetCellule(j + 1, i + 1, nullptr, false, Noir, Noir, Milieu, Centre, "");
            else
                Grille.SetCellule(j + 1, i + 1, nullptr, false, Blanc, Noir, Milieu, Centre, Recap.TexteCase(i, j));
        }
    }
}

std::string TableHtml(const TContexteSaison& Saison, const TDonneesChampionnat& Champ,
                      const std::vector<std::string>& Couleurs)
{
    TModeleGrille Grille;
    RemplitTableau(Saison, Champ, Grille);
    Grille.SetLargeurColonne(0, LargeurNomsHtml);
    for (int c = 1; c < Grille.GetColCount(); ++c)
        Grille.SetLargeurColonne(c, LargeurEquipeHtml);
    const std::string Table = Grille.GetTableHtml(Couleurs);
    // Scores stay on one line however narrow the page.
    std::string Html;
    Html.reserve(Table.size() + Table.size() / 8);
    for (size_t Pos = 0;;) {
        const size_t Td = Table.find("<td", Pos);
        if (Td == std::string::npos) {
            Html.append(Table, Pos, std::string::npos);
            break;
        }
        Html.append(Table, Pos, Td + 3 - Pos);
        Html += " nowrap";
        Pos = Td + 3;
    }
    return Html;
}

} // namespace Recapitulatif
