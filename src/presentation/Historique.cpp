#include "presentation/Historique.h"

#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "files/Image.h"
#include "files/Stats.h"
#include "model/Championnat.h"
#include "model/LectureParametre.h"
#include "model/SaisonFoot.h"
#include "presentation/ModeleGrille.h"

#include <algorithm>
#include <charconv>

namespace Historique {

namespace {

constexpr TColor Blanc = 0xFFFFFF;
constexpr TColor Noir = 0;
constexpr TColor FondTitre = 0xDFCF20;
constexpr uint8_t Gauche = 0;
constexpr uint8_t Centre = 1;
constexpr uint8_t Milieu = 1;
constexpr uint8_t NonJoue = TSaisonStat::NonJoue;

enum : int {
    TexteEquipe = 66,
    TexteScore = 223,
    TexteNul = 230,
    TexteSaison = 350,
    TexteVainqueur = 351,
    TexteVictoires = 352,
    TexteNuls = 353,
    TexteAucune = 355,
    TexteLigneSaison = 356,
    TextePoints = 40, // 40 to 47: points ... matches played
    TexteButsMarques = 48,
    TexteButsEncaisses = 49,
};

std::string NomEquipe(const TStat& Archive, const TSaisonStat& Saison, int i)
{
    return Archive.NomEquipe(Saison.GetEquipe(i));
}

// A team's column heading: the same in the results table and the entry grid.
std::string TitreEquipe(const TStat& Archive, const TSaisonStat& Saison, int j)
{
    return PremiersCaracteres(NomEquipe(Archive, Saison, j), 3) + ".";
}

void Titre(TModeleGrille& Grille, int Col, const std::string& Texte, uint8_t Alignement = Centre)
{
    Grille.SetCellule(Col, 0, nullptr, false, FondTitre, Noir, Milieu, Alignement, Texte);
}

void Cellule(TModeleGrille& Grille, int Col, int Row, const std::string& Texte, uint8_t Alignement = Centre)
{
    TColor Fond = Blanc;
    TColor Encre = Noir;
    CouleurLigneSelection(Row, Fond, Encre, false);
    Grille.SetCellule(Col, Row, nullptr, false, Fond, Encre, Milieu, Alignement, Texte);
}

bool Joue(uint8_t A, uint8_t B)
{
    return A != NonJoue && B != NonJoue;
}

// A typed score: 0 to 254, anything else not played.
uint8_t LitScore(const std::string& Texte)
{
    const std::string T = Trim(Texte);
    int Valeur = -1;
    const auto [Fin, Erreur] = std::from_chars(T.data(), T.data() + T.size(), Valeur);
    if (T.empty() || Erreur != std::errc() || Fin != T.data() + T.size() || Valeur < 0 || Valeur >= NonJoue)
        return NonJoue;
    return static_cast<uint8_t>(Valeur);
}

} // namespace

std::string NomDivision(int Id, const TSaison* Saison)
{
    if (Saison != nullptr) {
        if (const TDonneesChampionnat* Champ = Saison->GetChampionnat(Saison->GetNumChampionnatCode(Id))) {
            std::string Nom = Saison->GetNomCompletChamp(Champ->CodeChamp);
            if (!Nom.empty())
                return Nom;
        }
    }
    const TLectureParam* Catalogue = LectureParam();
    const std::string Nom = Catalogue != nullptr ? Catalogue->GetNomComplet(Id) : std::string();
    return Nom.empty() ? std::to_string(Id) : Nom;
}

std::string TexteArchive(const TStat& Archive, int Annee, const TSaison* Saison)
{
    constexpr int TexteArchivee = 3269;
    return TraduitFmt(TexteArchivee, {Annee + 1900, NomDivision(Archive.GetId(), Saison), Archive.GetNomFichier()});
}

std::vector<std::string> ListeSaisons(const TStat& Archive)
{
    std::vector<std::string> Lignes;
    for (int i = 0; i < Archive.NbSaisons(); ++i) {
        const TSaisonStat* S = Archive.GetSaison(i);
        Lignes.push_back(TraduitFmt(TexteLigneSaison, {S->GetAnnee() + 1900, S->NbEquipes()}));
    }
    return Lignes;
}

TBilan Confrontations(const TStat& Archive, const TCritere& Critere, TModeleGrille& Grille)
{
    TBilan Bilan;
    const std::string NomDomicile = Archive.NomEquipe(Critere.Domicile);
    const std::string NomExterieur = Archive.NomEquipe(Critere.Exterieur);
    Grille.SetColCount(3);
    Grille.SetRowCount(2);
    Grille.SetFixedRows(1);
    Grille.SetLargeurColonne(0, 50);
    Grille.SetLargeurColonne(1, 140);
    Grille.SetLargeurColonne(2, 60);
    Titre(Grille, 0, Traduit(TexteSaison));
    Titre(Grille, 1, Traduit(TexteVainqueur));
    Titre(Grille, 2, Traduit(TexteScore));
    Grille.VideLigne(1);

    // One listed meeting: Buts1 are the goals of the home team of the search.
    const auto Liste = [&](int Annee, int Buts1, int Buts2, const std::string& Score) {
        const int Ligne = Bilan.Lignes + 1;
        if (Ligne >= Grille.GetRowCount())
            Grille.SetRowCount(Ligne + 1);
        std::string Vainqueur;
        if (Buts1 > Buts2) {
            Vainqueur = NomDomicile;
            ++Bilan.Victoires;
        } else if (Buts2 > Buts1) {
            Vainqueur = NomExterieur;
            ++Bilan.Defaites;
        } else {
            Vainqueur = Traduit(TexteNul);
            ++Bilan.Nuls;
        }
        Cellule(Grille, 0, Ligne, std::to_string(Annee));
        Cellule(Grille, 1, Ligne, Vainqueur);
        Cellule(Grille, 2, Ligne, Score);
        ++Bilan.Lignes;
    };

    for (int i = 0; i < Archive.NbSaisons(); ++i) {
        const TSaisonStat* Saison = Archive.GetSaison(i);
        const int Annee = Saison->GetAnnee() + 1900;
        // Archived years count from 1900: a season's age is measured from its real year.
        const bool Utilisee =
            Critere.ParAnnees ? Critere.AnneeCourante - Annee <= Critere.Limite : Bilan.Rencontres < Critere.Limite;
        if (!Utilisee)
            continue;
        const int Avant = Bilan.Lignes;
        uint8_t A = NonJoue;
        uint8_t B = NonJoue;
        Saison->GetScoreEquipes(Critere.Domicile, Critere.Exterieur, A, B);
        if (Joue(A, B))
            Liste(Annee, A, B, std::to_string(A) + "-" + std::to_string(B));
        // The return match is looked up whether or not the first leg was played.
        if (Critere.Retour) {
            Saison->GetScoreEquipes(Critere.Exterieur, Critere.Domicile, A, B);
            if (Joue(A, B))
                Liste(Annee, B, A, std::to_string(B) + "-" + std::to_string(A));
        }
        if (Bilan.Lignes > Avant)
            ++Bilan.Rencontres;
    }
    if (Bilan.Lignes == 0)
        Cellule(Grille, 1, 1, Traduit(TexteAucune));
    Bilan.TexteVictoires = TraduitFmt(TexteVictoires, {Bilan.Victoires, NomDomicile});
    Bilan.TexteNuls = TraduitFmt(TexteNuls, {Bilan.Nuls});
    Bilan.TexteDefaites = TraduitFmt(TexteVictoires, {Bilan.Defaites, NomExterieur});
    Grille.SetTailleControle(252, 21 * Grille.GetRowCount());
    Grille.SetVisible(true);
    return Bilan;
}

void RemplitTableau(const TStat& Archive, const TSaisonStat* Saison, TModeleGrille& Grille)
{
    if (Saison == nullptr) {
        Grille.SetVisible(false);
        return;
    }
    const int N = Saison->NbEquipes();
    Grille.SetColCount(N + 1);
    Grille.SetRowCount(N + 1);
    Grille.SetFixedRows(1);
    Grille.SetFixedCols(1);
    Grille.SetLargeurColonne(0, 90);
    Titre(Grille, 0, "");
    for (int j = 0; j < N; ++j) {
        Grille.SetLargeurColonne(j + 1, 30);
        Titre(Grille, j + 1, TitreEquipe(Archive, *Saison, j));
    }
    for (int i = 0; i < N; ++i) {
        Grille.SetCellule(0, i + 1, nullptr, false, Blanc, Noir, Milieu, Gauche, NomEquipe(Archive, *Saison, i));
        for (int j = 0; j < N; ++j) {
            if (i == j) {
                Grille.SetCellule(j + 1, i + 1, nullptr, false, Noir, Noir, Milieu, Centre, "");
                continue;
            }
            uint8_t A = NonJoue;
            uint8_t B = NonJoue;
            Saison->GetScore(i, j, A, B);
            Grille.SetCellule(j + 1, i + 1, nullptr, false, Blanc, Noir, Milieu, Centre,
                              Joue(A, B) ? std::to_string(A) + " - " + std::to_string(B) : "-");
        }
    }
    Grille.SetTailleControle(31 * N + 90, 21 * N + 24);
    Grille.SetVisible(true);
}

void RemplitClassement(const TStat& Archive, const TSaisonStat* Saison, int Genre, TModeleGrille& Grille)
{
    if (Saison == nullptr) {
        Grille.SetVisible(false);
        return;
    }
    Grille.SetVisible(false);
    std::vector<TLigneClassementStat> Table;
    std::vector<TLigneOrdreStat> Ordre;
    Saison->CalculeClassement(Genre, Table, Ordre);
    const int N = static_cast<int>(Ordre.size());
    const bool Complet = Genre == General || Genre == Domicile || Genre == Exterieur;
    Grille.SetColCount(Complet ? 10 : 3);
    Grille.SetRowCount(N + 1);
    Grille.SetFixedRows(1);
    Grille.SetOptions(Grille.GetOptions() & ~goHorzLine);
    Grille.SetLargeurColonne(0, 24);
    Grille.SetLargeurColonne(1, 120);
    Titre(Grille, 0, "");
    Titre(Grille, 1, Traduit(TexteEquipe), Gauche);
    if (Complet) {
        for (int c = 2; c < 10; ++c) {
            Grille.SetLargeurColonne(c, 30);
            Titre(Grille, c, Traduit(TextePoints + c - 2));
        }
        for (int r = 0; r < N; ++r) {
            const int Equipe = Ordre[static_cast<size_t>(r)][0];
            const TLigneClassementStat& L = Table[static_cast<size_t>(Equipe)];
            Cellule(Grille, 0, r + 1, std::to_string(r + 1));
            Cellule(Grille, 1, r + 1, NomEquipe(Archive, *Saison, Equipe), Gauche);
            for (int c = 0; c < 7; ++c)
                Cellule(Grille, c + 2, r + 1, std::to_string(L[static_cast<size_t>(c)]));
            Cellule(Grille, 9, r + 1, PremiersCaracteres(std::to_string(L[1] + L[2] + L[3]), 3));
        }
        Grille.SetTailleControle(408, 21 * (N + 1));
    } else {
        Grille.SetLargeurColonne(2, 80);
        Titre(Grille, 2, Traduit(Genre == Defense ? TexteButsEncaisses : TexteButsMarques));
        // The most conceded come first: written from the bottom, the best defence is on top.
        for (int k = 0; k < N; ++k) {
            const int Ligne = Genre == Defense ? N - k : k + 1;
            const int Valeur = Ordre[static_cast<size_t>(k)][1];
            const int Voisin = Genre == Defense ? k + 1 : k - 1; // the row shown just above
            const bool Egal = Voisin >= 0 && Voisin < N && Ordre[static_cast<size_t>(Voisin)][1] == Valeur;
            Cellule(Grille, 0, Ligne, Egal ? "-" : std::to_string(Ligne));
            Cellule(Grille, 1, Ligne, NomEquipe(Archive, *Saison, Ordre[static_cast<size_t>(k)][0]), Gauche);
            Cellule(Grille, 2, Ligne, std::to_string(Valeur));
        }
        Grille.SetTailleControle(227, 21 * (N + 1));
    }
    Grille.SetVisible(true);
}

void RemplitSaisie(const TStat& Archive, const TSaisonStat* Saison, TModeleGrille& Grille)
{
    if (Saison == nullptr) {
        Grille.SetVisible(false);
        return;
    }
    const int N = Saison->NbEquipes();
    const int Colonnes = 2 * N + 1;
    Grille.SetColCount(Colonnes);
    Grille.SetRowCount(N + 1);
    Grille.SetFixedRows(1);
    Grille.SetFixedCols(1);
    Grille.SetLargeurColonne(0, 80);
    Titre(Grille, 0, "");
    for (int j = 0; j < N; ++j) {
        Grille.SetLargeurColonne(2 * j + 1, 12);
        Grille.SetLargeurColonne(2 * j + 2, 12);
        // The heading stands over the home goals; the away goals' column is its pair.
        Titre(Grille, 2 * j + 1, TitreEquipe(Archive, *Saison, j));
        Titre(Grille, 2 * j + 2, "");
    }
    for (int i = 0; i < N; ++i) {
        Grille.SetCellule(0, i + 1, nullptr, false, FondTitre, Noir, Milieu, Gauche, NomEquipe(Archive, *Saison, i));
        for (int j = 0; j < N; ++j) {
            uint8_t A = NonJoue;
            uint8_t B = NonJoue;
            Saison->GetScore(i, j, A, B);
            const bool Diagonale = i == j;
            const TColor Fond = Diagonale ? Noir : Blanc;
            Grille.SetCellule(2 * j + 1, i + 1, nullptr, false, Fond, Noir, Milieu, Centre,
                              A != NonJoue && !Diagonale ? std::to_string(A) : "");
            Grille.SetCellule(2 * j + 2, i + 1, nullptr, false, Fond, Noir, Milieu, Centre,
                              B != NonJoue && !Diagonale ? std::to_string(B) : "");
        }
    }
    Grille.SetTailleControle(13 * Colonnes + 68, 21 * (N + 1));
    Grille.SetVisible(true);
}

void EnregistreSaisie(const TModeleGrille& Grille, TSaisonStat& Saison, int SystemePoints)
{
    Saison.SetSystemePoints(static_cast<uint8_t>(std::clamp(SystemePoints, 0, 2)));
    const int N = std::min(Saison.GetN(), Grille.GetRowCount() - 1);
    for (int i = 1; i <= N; ++i)
        for (int j = 1; j <= N && 2 * j < Grille.GetColCount(); ++j)
            Saison.SetScore(i - 1, j - 1, LitScore(Grille.GetTexte(2 * j - 1, i)), LitScore(Grille.GetTexte(2 * j, i)));
}

TSaisonStat* AjouteSaison(TStat& Archive, int Annee, const std::vector<std::string>& Lignes)
{
    std::vector<std::string> Noms;
    for (const std::string& Ligne : Lignes)
        if (!Trim(Ligne).empty())
            Noms.push_back(Trim(Ligne));
    if (Noms.empty())
        return nullptr;
    const int N = std::min(static_cast<int>(Noms.size()), TSaisonStat::MaxEquipes);
    auto Saison = std::make_unique<TSaisonStat>(N, Annee > 1900 ? Annee - 1900 : Annee);
    for (int i = 0; i < N; ++i)
        Saison->AjouteEquipe(Archive.NumeroEquipe(Noms[static_cast<size_t>(i)]));
    return Archive.GetSaison(Archive.AjouteSaison(std::move(Saison)));
}

// ---------------------------------------------------------------- TSaisie

TSaisie::TSaisie(int NbEquipes) : N_(std::max(0, NbEquipes)) {}

bool TSaisie::Selectionnable(int Col, int Row) const
{
    return Row >= 1 && Row <= N_ && Col >= 1 && Col <= 2 * N_ && Col != 2 * Row - 1 && Col != 2 * Row;
}

bool TSaisie::Selectionne(int Col, int Row)
{
    if (!Selectionnable(Col, Row))
        return false;
    Col_ = Col;
    Row_ = Row;
    Mode_ = 0;
    return true;
}

void TSaisie::Avance()
{
    int Col = Col_;
    // Over the row's own pair, on every row, the last included.
    if (Col == 2 * Row_ - 2)
        Col += 2;
    else if (Col == 2 * Row_ - 1)
        Col += 1;
    if (Col + 1 <= 2 * N_) {
        Col_ = Col + 1;
        return;
    }
    // Past the last column: the next row, whose first pair is never its own;
    // the last cell of the grid keeps the cursor.
    if (Row_ < N_) {
        ++Row_;
        Col_ = 1;
    }
}

void TSaisie::Touche(char32_t Caractere, TModeleGrille& Grille)
{
    if (Caractere == U'*') {
        Mode_ = 1;
        return;
    }
    if (Caractere < U'0' || Caractere > U'9' || !Selectionnable(Col_, Row_))
        return;
    const std::string Chiffre(1, static_cast<char>(Caractere));
    if (Mode_ == 1) {
        Grille.SetTexte(Col_, Row_, Chiffre);
        Mode_ = 2;
        return;
    }
    if (Mode_ == 2)
        Grille.SetTexte(Col_, Row_, Grille.GetTexte(Col_, Row_) + Chiffre);
    else
        Grille.SetTexte(Col_, Row_, Chiffre);
    Mode_ = 0;
    Avance();
    Grille.SelectionneCellule(Col_, Row_);
}

} // namespace Historique
