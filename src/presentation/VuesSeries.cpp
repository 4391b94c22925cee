#include "presentation/VuesSeries.h"

#include "base/Texte.h"
#include "base/TriEchange.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "engine/CalculClassement.h"
#include "engine/Series.h"
#include "files/Image.h"
#include "model/Championnat.h"
#include "model/ContexteSaison.h"
#include "presentation/ModeleGrille.h"

#include <algorithm>

namespace VuesSeries {

namespace {

enum : int {
    TexteNombre = 196,
    TexteParticularites = 197,
    TexteSeriesEnCours = 206,
    TexteMeilleuresSeries = 207,
    TexteEnCours = 3292,
};

// Titles of the particularity tables by title index (2p - 2 + fewest).
constexpr std::array<int, 9> TitresParticularites{188, 189, 190, 191, 192, 193, 194, 0, 195};
// Titles of the series tables 1..8.
constexpr std::array<int, 8> TitresSeries{198, 199, 200, 201, 202, 203, 204, 205};

constexpr TColor FondTitre = 0xDFCF20; // #20CFDF
constexpr int LargeurNom = 150;
constexpr int LargeurValeur = 30;

// One team in a ranking: its value, its position in the championship and
// whether its best series is still running.
struct TValeur {
    int Valeur = 0;
    int Equipe = 0;
    bool EnCours = false;
};

void Trie(std::vector<TValeur>& Liste)
{
    TriEchange(Liste, [](const TValeur& a, const TValeur& b) { return a.Valeur > b.Valeur; });
}

int LieuValide(int Lieu)
{
    return Lieu == LieuDomicile || Lieu == LieuExterieur ? Lieu : LieuTous;
}

// A ranking table: the title row, then NbLignes teams of the list (read from
// its end when Inverse).
void RemplitTable(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, TModeleGrille& Grille, int Titre,
                  const std::vector<TValeur>& Liste, bool Inverse, int NbLignes)
{
    NbLignes = std::clamp(NbLignes, 0, static_cast<int>(Liste.size()));
    Grille.SetColCount(2);
    Grille.SetRowCount(NbLignes + 1);
    Grille.SetFixedCols(0);
    Grille.SetFixedRows(NbLignes > 0 ? 1 : 0);
    // The title row is the fixed row: painted in the fixed colour.
    Grille.FixedColor = FondTitre;
    Grille.SetLargeurColonne(0, LargeurNom);
    Grille.SetLargeurColonne(1, LargeurValeur);
    Grille.SetCellule(0, 0, nullptr, false, FondTitre, 0, 1, 0, Titre != 0 ? Traduit(Titre) : std::string());
    Grille.SetCellule(1, 0, nullptr, false, FondTitre, 0, 1, 1, Traduit(TexteNombre));
    const int Suivie = Champ.GetOption(10);
    for (int R = 1; R <= NbLignes; ++R) {
        const TValeur& V = Liste[static_cast<size_t>(Inverse ? static_cast<int>(Liste.size()) - R : R - 1)];
        TColor Fond = 0;
        TColor Texte = 0;
        CouleurLigneSelection(R, Fond, Texte, V.Equipe == Suivie);
        std::string Nom = Saison.GetNomEquipe(static_cast<uint16_t>(Champ.GetEquipe(V.Equipe)));
        if (V.EnCours)
            Nom = Capitalise(Nom) + " " + Traduit(TexteEnCours);
        Grille.SetCellule(0, R, nullptr, false, Fond, Texte, 1, 0, Nom);
        Grille.SetCellule(1, R, nullptr, false, Fond, Texte, 1, 1, std::to_string(V.Valeur));
    }
}

TModeleGrille* Emplacement(std::span<TModeleGrille* const> Grilles, int i)
{
    return i >= 0 && i < static_cast<int>(Grilles.size()) ? Grilles[static_cast<size_t>(i)] : nullptr;
}

// A team's value in series table t (1..8).
TValeur ValeurSerie(const TTableSeries& Table, int Equipe, int Portee, int t, int Genre)
{
    using namespace Series;
    TValeur V;
    V.Equipe = Equipe;
    const bool EnCours = Genre == SeriesEnCours;
    auto SerieDe = [&](int Bloc, int GenreSerie) {
        V.Valeur = EnCours ? Table.SerieEnCours(Equipe, Bloc, GenreSerie) : Table.PlusLongue(Equipe, Bloc, GenreSerie);
        V.EnCours = !EnCours && Table.PlusLongueEnCours(Equipe, Bloc, GenreSerie);
    };
    auto CourseDe = [&](int Bloc) {
        V.Valeur = EnCours ? Table.CourseEnCours(Equipe, Bloc) : Table.CourseLongue(Equipe, Bloc);
        V.EnCours = !EnCours && Table.CourseLongueEnCours(Equipe, Bloc);
    };
    switch (t) {
    case 1:
    case 2:
    case 3:
        SerieDe(BlocResultats(Portee), t);
        break;
    case 4:
        SerieDe(BlocEncaisse(Portee), Non);
        break;
    case 5:
        SerieDe(BlocMarque(Portee), Non);
        break;
    case 6:
        SerieDe(BlocMarque(Portee), Oui);
        break;
    case 7:
        CourseDe(BlocInvaincu(Portee));
        break;
    default:
        CourseDe(BlocSansVictoire(Portee));
        break;
    }
    return V;
}

} // namespace

void AfficheParticularites(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Lieu, int Quel,
                           std::span<TModeleGrille* const> Grilles)
{
    Lieu = LieuValide(Lieu);
    const int N = Champ.GetNbEquipe();
    TCalculClassement Calcul(&Champ, &Saison);
    if (Champ.JourneeJouee >= 1)
        Calcul.Calcule(TCalculClassement::General, 1, nullptr, Champ.JourneeJouee);
    auto Liste = [&](int p) {
        std::vector<TValeur> L;
        for (int E = 0; E < N; ++E) {
            TValeur V;
            V.Equipe = E;
            V.Valeur = Lieu == LieuTous ? Calcul.GetBrut(E, p) + Calcul.GetBrut(E, p + 5)
                                        : Calcul.GetBrut(E, (Lieu - 1) * 5 + p);
            L.push_back(V);
        }
        Trie(L);
        return L;
    };
    auto Titre = [](int Index) {
        return Index >= 0 && Index < static_cast<int>(TitresParticularites.size())
                   ? TitresParticularites[static_cast<size_t>(Index)]
                   : 0;
    };
    if (Quel == Toutes) {
        for (int p = 1; p <= 6; ++p) {
            const int Premier = 2 * p - 2;
            // The sixth particularity and the fewest-goals tables have no grid.
            if (Emplacement(Grilles, Premier) == nullptr && Emplacement(Grilles, Premier + 1) == nullptr)
                continue;
            const std::vector<TValeur> L = Liste(p);
            for (int k = 0; k < 2; ++k)
                if (TModeleGrille* G = Emplacement(Grilles, Premier + k))
                    RemplitTable(Saison, Champ, *G, Titre(Premier + k), L, k == 1, std::min(LignesTableau, N));
        }
        return;
    }
    TModeleGrille* G = Emplacement(Grilles, 0);
    if (G == nullptr || Quel < 1 || Quel > 8)
        return;
    const bool Moins = Quel >= 6;
    const int p = Moins ? Quel - 5 : Quel;
    RemplitTable(Saison, Champ, *G, Titre(2 * p - 2 + (Moins ? 1 : 0)), Liste(p), Moins, N);
}

void AfficheSeries(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Lieu, int Quel, int Genre,
                   std::span<TModeleGrille* const> Grilles)
{
    const int Portee = Series::PorteeLieu(LieuValide(Lieu));
    const int N = Champ.GetNbEquipe();
    const TTableSeries Table = CalculeSeries(Champ);
    auto Remplit = [&](int t, TModeleGrille& G, int NbLignes) {
        std::vector<TValeur> L;
        for (int E = 0; E < N; ++E)
            L.push_back(ValeurSerie(Table, E, Portee, t, Genre));
        Trie(L);
        G.SetMaxAgrandissement(2.0);
        RemplitTable(Saison, Champ, G, TitresSeries[static_cast<size_t>(t - 1)], L, false, NbLignes);
    };
    if (Quel == Toutes) {
        for (int t = 1; t <= 8; ++t)
            if (TModeleGrille* G = Emplacement(Grilles, EmplacementTable(t)))
                Remplit(t, *G, std::min(LignesTableau, N));
        return;
    }
    if (TModeleGrille* G = Emplacement(Grilles, 0); G != nullptr && Quel >= 1 && Quel <= 8)
        Remplit(Quel, *G, N);
}

int TableClic(int Mode, int NumeroGrille)
{
    static constexpr std::array<int, 8> Particularites{1, 6, 2, 7, 3, 8, 4, 5};
    if (NumeroGrille < 1 || NumeroGrille > 8)
        return 0;
    return Mode == ModeParticularites ? Particularites[static_cast<size_t>(NumeroGrille - 1)] : NumeroGrille;
}

int TexteAgrandissement(int TagPopup)
{
    if (TagPopup >= 20)
        return TexteMeilleuresSeries;
    if (TagPopup >= 10)
        return TexteSeriesEnCours;
    return TexteParticularites;
}

int LieuMotCle(const std::string& Lieu)
{
    const std::string Mot = MinusculesAscii(Lieu);
    if (Mot == "domicile")
        return LieuDomicile;
    if (Mot == "exterieur")
        return LieuExterieur;
    return LieuTous;
}

int GenreMotCle(const std::string& Type)
{
    return MinusculesAscii(Type) == "cours" ? SeriesEnCours : SeriesMeilleures;
}

std::string TableMotCle(const TEmplacements& Grilles, const std::vector<std::string>& Couleurs)
{
    std::string Html = "<table width=\"100%\">";
    int Cellules = 0;
    for (int i = 0; i <= 9; ++i) {
        const TModeleGrille* G = Grilles[static_cast<size_t>(i)];
        if (G == nullptr)
            continue;
        if (Cellules % 2 == 0)
            Html += "<tr>";
        Html += "<td>" + G->GetTableHtml(Couleurs) + "</td>";
        if (Cellules % 2 == 1)
            Html += "</tr>";
        ++Cellules;
    }
    if (Cellules % 2 == 1)
        Html += "</tr>";
    return Html + "</table>";
}

} // namespace VuesSeries
