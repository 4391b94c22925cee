#include "presentation/VuesInfoEquipes.h"

#include "base/Format.h"
#include "base/TriEchange.h"
#include "base/oTraducteur.h"
#include "engine/CalculClassement.h"
#include "engine/InfoEquipes.h"
#include "files/Image.h"
#include "model/Championnat.h"
#include "model/ContexteSaison.h"
#include "model/Joueurs.h"
#include "presentation/ModeleGrille.h"

#include <algorithm>
#include <vector>

namespace VuesInfoEquipes {

namespace {

enum : int {
    TexteSpectateurs = 51,
    TexteNom = 71,
    TexteMinutes = 92,
    TexteButs = 102,
    TexteAucun = 108,
    TexteEquipe = 176,
    TexteMatchs = 177,
    TextePartButs = 178,
    TexteRang = 179,
    TexteJoueursUtilises = 180,
    TexteRemplacements = 181,
};

// The value column's heading by statistic, outside football.
constexpr std::array<int, InfoEquipes::NbStatistiques> TitresValeur{499, 503, 40, 1139, 1140, 1141, 576, 1142};

constexpr TColor FondTitreJoueurs = 0x401060;
constexpr TColor FondTitre = 0xDFCF20; // the standings' headings
constexpr TColor Blanc = 0xFFFFFF;
constexpr TColor Marine = 0x800000;
constexpr int SansEquipe = 255;

// A grid made anew for a view: its columns and rows, none kept from the view
// shown before; columns 0 and 1 sort as text; the title row painted in Titre.
void Prepare(TModeleGrille& Grille, const std::vector<int>& Largeurs, int NbLignes, int LignesFixes,
             TColor Titre = FondTitre)
{
    Grille.FixedColor = Titre;
    Grille.SetRowCount(0);
    Grille.SetColCount(0);
    Grille.SetColCount(static_cast<int>(Largeurs.size()));
    Grille.SetRowCount(NbLignes);
    Grille.SetFixedCols(0);
    Grille.SetFixedRows(std::min(LignesFixes, NbLignes));
    for (int C = 0; C < Grille.GetColCount(); ++C) {
        Grille.SetLargeurColonne(C, Largeurs[static_cast<size_t>(C)]);
        Grille.SetTypeTri(C, C <= 1 ? 1 : 0);
    }
}

std::string NomJoueur(const TPersonnel& Joueur)
{
    return Joueur.Nom + "  " + Joueur.Prenom;
}

// The team cell: crest and name.
void CelluleEquipe(TModeleGrille& Grille, int C, int R, const TContexteSaison& Saison, int Id, TColor Fond,
                   TColor Texte)
{
    Grille.SetCellule(C, R, nullptr, false, Fond, Texte, 1, 0, Saison.GetNomEquipe(static_cast<uint16_t>(Id)));
    AfficheBlason(Grille, C, R, Saison.GetLogoEquipe(Id));
}

// One row of a ranking of teams (line-ups, series): rank, team, value, in the
// zebra colours with the followed team highlighted.
void LigneClassement(TModeleGrille& Grille, int R, const TContexteSaison& Saison, const TDonneesChampionnat& Champ,
                     int Position, const std::string& Rang, const std::string& Valeur)
{
    TColor Fond = 0;
    TColor Texte = 0;
    CouleurLigneSelection(R, Fond, Texte, Position == Champ.GetOption(10) && Position != SansEquipe);
    Grille.SetCellule(0, R, nullptr, false, Fond, Texte, 1, 1, Rang);
    CelluleEquipe(Grille, 1, R, Saison, Champ.GetEquipe(Position), Fond, Texte);
    Grille.SetCellule(2, R, nullptr, false, Fond, Texte, 1, 1, Valeur);
}

void TitresClassement(TModeleGrille& Grille, int TexteValeur)
{
    AfficheTitreGrille(Grille, 0, Traduit(TexteRang), false);
    AfficheTitreGrille(Grille, 1, Traduit(TexteEquipe), true);
    AfficheTitreGrille(Grille, 2, Traduit(TexteValeur), false);
}

} // namespace

int PageValide(int Page)
{
    return Page >= 0 && Page < NbPages ? Page : PageButeurs;
}

int StatistiquePage(int Page)
{
    if (Page == PageButeurs)
        return 0;
    if (Page >= 4 && Page <= 10)
        return Page - 3;
    return -1;
}

std::string TexteValeur(int Stat, int Valeur)
{
    if (InfoEquipes::EstPourMille(Stat))
        return FormatReel(Valeur / 10.0, 1);
    return std::to_string(Valeur);
}

void AfficheMeilleursJoueurs(TModeleGrille& Grille, const TContexteSaison& Saison, const TDonneesChampionnat& Champ,
                             int NumChampionnat, int Stat)
{
    Stat = std::clamp(Stat, 0, InfoEquipes::NbStatistiques - 1);
    const bool Football = dynamic_cast<const TDonneesChampionnatFootball*>(&Champ) != nullptr;
    const int N = Champ.GetNbEquipe();
    // The team's goals (or points) over the played days.
    TCalculClassement Calcul(&Champ, &Saison);
    if (Champ.JourneeJouee >= 1)
        Calcul.Calcule(TCalculClassement::Attaque, 1, nullptr, Champ.JourneeJouee);
    const auto Cle = static_cast<uint16_t>(NumChampionnat);
    const TJoueurs* Registre = Saison.GetJoueurs();

    // Per team, the players tied on its best value (none: the empty row).
    struct TBloc {
        int Equipe = 0;
        int Buts = 0;
        int Valeur = 0;
        std::vector<const TJoueur*> Joueurs;
    };
    std::vector<TBloc> Blocs;
    int NbLignes = 1;
    for (int P = 0; P < N; ++P) {
        TBloc B;
        B.Equipe = Champ.GetEquipe(P);
        B.Buts = Calcul.GetTotal(P, 5);
        const std::vector<TJoueur*>* Liste = Registre != nullptr ? Registre->GetListeEquipe(B.Equipe) : nullptr;
        if ((Stat > 1 || B.Buts > 0) && Liste != nullptr) {
            for (const TJoueur* J : *Liste)
                B.Valeur = std::max(B.Valeur, InfoEquipes::ValeurStatistique(*J, Cle, Stat));
            if (B.Valeur >= 1)
                for (const TJoueur* J : *Liste)
                    if (InfoEquipes::ValeurStatistique(*J, Cle, Stat) == B.Valeur)
                        B.Joueurs.push_back(J);
        }
        NbLignes += std::max<int>(1, static_cast<int>(B.Joueurs.size()));
        Blocs.push_back(std::move(B));
    }

    std::vector<int> Largeurs{160, 150, 80, 80};
    if (Football)
        Largeurs.push_back(80);
    Prepare(Grille, Largeurs, NbLignes, 1, FondTitreJoueurs);
    const int TitreValeur = Football ? TexteButs : TitresValeur[static_cast<size_t>(Stat)];
    const std::array<int, 5> Titres{TexteEquipe, TexteNom, TitreValeur, TexteMatchs, TextePartButs};
    for (int C = 0; C < Grille.GetColCount(); ++C)
        Grille.SetCellule(C, 0, nullptr, true, FondTitreJoueurs, Blanc, 1, C <= 1 ? 0 : 1,
                          Traduit(Titres[static_cast<size_t>(C)]));
    Grille.SetCouleurLigne(0, Marine);
    if (Football)
        BarresGrille(Grille, 4);

    int R = 1;
    for (const TBloc& B : Blocs) {
        const int Premiere = R;
        auto Cellule = [&](int C, const std::string& Texte) {
            Grille.SetCellule(C, R, nullptr, false, Blanc, 0, 1, C <= 1 ? 0 : 1, Texte);
        };
        if (B.Joueurs.empty()) {
            Cellule(1, Traduit(TexteAucun));
            for (int C = 2; C < Grille.GetColCount(); ++C)
                Cellule(C, " - ");
            ++R;
        }
        for (const TJoueur* J : B.Joueurs) {
            Cellule(1, NomJoueur(*J));
            Grille.SetLien(1, R);
            Grille.SetDonnee(1, R, J->Numero);
            Cellule(2, TexteValeur(Stat, B.Valeur));
            Cellule(3, std::to_string(J->GetNbMatchTotal()));
            if (Football)
                Cellule(4, std::to_string(B.Buts > 0 ? B.Valeur * 100 / B.Buts : 0) + "%");
            ++R;
        }
        CelluleEquipe(Grille, 0, Premiere, Saison, B.Equipe, Blanc, 0);
        Grille.SetCouleurLigne(R - 1, Marine);
    }
}

void AfficheAffluences(TModeleGrille& Grille, const TContexteSaison& Saison, const TDonneesChampionnat& Champ)
{
    const std::vector<InfoEquipes::TRecordAffluence> Records = InfoEquipes::RecordsAffluence(Champ);
    const int NbLignes = static_cast<int>(std::count_if(
        Records.begin(), Records.end(), [](const InfoEquipes::TRecordAffluence& A) { return A.Jour > 0; }));
    Prepare(Grille, {120, 30, 10, 30, 120, 150}, NbLignes, 0);
    for (int C = 0; C <= 3; ++C)
        Grille.SetTraitColonne(C, false);
    BarresGrille(Grille, 5);
    auto Score = [&](const InfoEquipes::TRecordAffluence& A, int Code) {
        const uint16_t V = Champ.GetValeurMatch(A.Jour, 4 * (A.Match - 1) + Code);
        return V == TInfoComp::Aucun ? std::string() : std::to_string(V);
    };
    auto Nom = [&](const InfoEquipes::TRecordAffluence& A, int Code) {
        return Saison.GetNomEquipe(Champ.GetValeurMatch(A.Jour, 4 * (A.Match - 1) + Code));
    };
    int R = 0;
    for (const InfoEquipes::TRecordAffluence& A : Records) {
        if (A.Jour == 0)
            continue;
        TColor Fond = 0;
        CouleurLigne(R + 1, Fond);
        const std::array<std::pair<uint8_t, std::string>, 6> Cellules{{
            {2, Nom(A, 1)},
            {1, Score(A, 2)},
            {1, "-"},
            {1, Score(A, 4)},
            {0, Nom(A, 3)},
            {1, std::to_string(A.Affluence) + " " + Traduit(TexteSpectateurs)},
        }};
        for (int C = 0; C < 6; ++C)
            Grille.SetCellule(C, R, nullptr, false, Fond, 0, 1, Cellules[static_cast<size_t>(C)].first,
                              Cellules[static_cast<size_t>(C)].second);
        ++R;
    }
}

void AfficheCompositions(TModeleGrille& Grille, const TContexteSaison& Saison, const TDonneesChampionnat& Champ,
                         bool Remplacements)
{
    const std::vector<InfoEquipes::TComptesCompos> Comptes = InfoEquipes::CompteCompositions(Champ);
    std::vector<double> Cles;
    for (const InfoEquipes::TComptesCompos& C : Comptes)
        Cles.push_back(Remplacements ? InfoEquipes::RemplacementsParMatch(C) : C.Joueurs);
    const std::vector<int> Ordre = InfoEquipes::OrdreCroissant(Cles);
    Prepare(Grille, {40, 200, 150}, static_cast<int>(Ordre.size()) + 1, 1);
    TitresClassement(Grille, Remplacements ? TexteRemplacements : TexteJoueursUtilises);
    BarresGrille(Grille, 2);
    for (int R = 1; R <= static_cast<int>(Ordre.size()); ++R) {
        const int P = Ordre[static_cast<size_t>(R - 1)];
        const double Cle = Cles[static_cast<size_t>(P)];
        const bool Egal = R > 1 && Cle == Cles[static_cast<size_t>(Ordre[static_cast<size_t>(R - 2)])];
        LigneClassement(Grille, R, Saison, Champ, P, Egal ? "-" : std::to_string(R),
                        Remplacements ? FormatChiffres(Cle, 3, 2)
                                      : std::to_string(Comptes[static_cast<size_t>(P)].Joueurs));
    }
}

void AfficheSeriesMinutes(TModeleGrille& Grille, const TContexteSaison& Saison, const TDonneesChampionnat& Champ,
                          const InfoEquipes::TTableMinutes& Table, const TChoixSerie& Choix)
{
    struct TValeur {
        int Equipe = 0;
        int Minutes = 0;
    };
    std::vector<TValeur> Valeurs;
    for (int P = 0; P < Champ.GetNbEquipe(); ++P) {
        const InfoEquipes::TSerieMinutes& S = Table.Get(P, Choix.Genre, Choix.Portee);
        Valeurs.push_back({P, Choix.Meilleure ? S.Meilleure : S.Courante});
    }
    TriEchange(Valeurs, [](const TValeur& a, const TValeur& b) { return a.Minutes > b.Minutes; });
    Prepare(Grille, {40, 200, 150}, static_cast<int>(Valeurs.size()) + 1, 1);
    TitresClassement(Grille, TexteMinutes);
    int Montre = 0;
    for (int R = 1; R <= static_cast<int>(Valeurs.size()); ++R) {
        const TValeur& V = Valeurs[static_cast<size_t>(R - 1)];
        std::string Rang;
        if (R > 1 && V.Minutes == Valeurs[static_cast<size_t>(R - 2)].Minutes) {
            Rang = "-|" + std::to_string(Montre);
        } else {
            Montre = R;
            Rang = std::to_string(R);
        }
        LigneClassement(Grille, R, Saison, Champ, V.Equipe, Rang, std::to_string(V.Minutes));
        Grille.SetLien(1, R);
        Grille.SetDonnee(1, R, V.Equipe);
    }
}

} // namespace VuesInfoEquipes
