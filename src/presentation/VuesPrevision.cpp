#include "presentation/VuesPrevision.h"

#include "base/Format.h"
#include "base/oTraducteur.h"
#include "files/Image.h"
#include "model/Championnat.h"
#include "model/ContexteSaison.h"
#include "presentation/ModeleGrille.h"

#include <array>

namespace VuesPrevision {

namespace {

enum : int { TexteDomicile = 629, TexteExterieur = 630 };
constexpr std::array<int, 6> Largeurs{20, 150, 150, 25, 25, 25};
constexpr TColor Blanc = 0xFFFFFF;

void Cellule(TModeleGrille& Grille, int Col, int Ligne, TColor Fond, const std::string& Texte)
{
    Grille.SetCellule(Col, Ligne, nullptr, false, Fond, 0, 1, 1, Texte);
}

std::string NomPosition(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Equipe)
{
    const int Id = Champ.GetEquipe(Equipe);
    return Id < 0 ? std::string() : Saison.GetNomEquipe(static_cast<uint16_t>(Id));
}

} // namespace

std::string TextePourcentage(double Valeur)
{
    return FormatChiffres(Valeur, 2, 0);
}

void Entete(TModeleGrille& Grille)
{
    Grille.SetColCount(static_cast<int>(Largeurs.size()));
    Grille.SetRowCount(2);
    Grille.SetFixedRows(1);
    for (size_t Col = 0; Col < Largeurs.size(); ++Col)
        Grille.SetLargeurColonne(static_cast<int>(Col), Largeurs[Col]);
    const std::array<std::string, 6> Titres{"", Traduit(TexteDomicile), Traduit(TexteExterieur), "%1", "%N", "%2"};
    for (size_t Col = 0; Col < Titres.size(); ++Col)
        Cellule(Grille, static_cast<int>(Col), 0, Blanc, Titres[Col]);
    Grille.VideLigne(1);
}

void RemplitPrevision(TModeleGrille& Grille, const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Jour,
                      const Prevision::TReglages& Reglages, const TStat* Archive, std::vector<TMatchListe>* Matchs)
{
    Entete(Grille);
    if (Matchs != nullptr)
        Matchs->clear();
    const std::vector<Prevision::TPrevisionMatch> Liste =
        Prevision::CalculePrevision(Saison, Champ, Jour, Reglages, Archive);
    Grille.SetRowCount(std::max<int>(2, static_cast<int>(Liste.size()) + 1));
    int Ligne = 0;
    for (const Prevision::TPrevisionMatch& P : Liste) {
        ++Ligne;
        TColor Fond = Blanc;
        CouleurLigne(P.Index, Fond);
        const std::string Domicile = NomPosition(Saison, Champ, P.Domicile);
        const std::string Exterieur = NomPosition(Saison, Champ, P.Exterieur);
        Cellule(Grille, 0, Ligne, Fond, std::to_string(P.Index + 1));
        Cellule(Grille, 1, Ligne, Fond, Domicile + " (" + std::to_string(P.PositionDomicile) + ")");
        Cellule(Grille, 2, Ligne, Fond, Exterieur + " (" + std::to_string(P.PositionExterieur) + ")");
        const std::array<double, 3> Valeurs{P.Pourcentages.Domicile, P.Pourcentages.Nul, P.Pourcentages.Exterieur};
        const int Meilleur = P.Pourcentages.Meilleur();
        for (int K = 0; K < 3; ++K)
            Cellule(Grille, 3 + K, Ligne, K == Meilleur ? CouleurMeilleur : Fond,
                    P.Pourcentages.Definis ? TextePourcentage(Valeurs[static_cast<size_t>(K)]) : "-");
        if (Matchs != nullptr)
            Matchs->push_back({Domicile + " - " + Exterieur, P.Index});
    }
}

} // namespace VuesPrevision
