#include "presentation/VuesRecherche.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "engine/CalculClassement.h" // AfficheBlason
#include "files/Image.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "presentation/ModeleGrille.h"

#include <array>

namespace VuesRecherche {

namespace {

constexpr int NbColonnes = 8;
constexpr TColor Blanc = 0xFFFFFF;
constexpr TColor FondTitre = 0x804080;
constexpr TColor Marine = 0x800000;
// The text colours of the runs of namesakes, in turn.
constexpr std::array<TColor, 2> CouleursSeries{0x808000, 0x800000};
constexpr uint8_t Gauche = 0, Centre = 1;
constexpr int TexteAucun = 185;
constexpr int TexteSansEquipe = 186;

struct TColonne {
    int Titre; // text id, 0 none
    int Largeur;
    uint8_t TypeTri; // 0 numeric, 1 text
};
constexpr std::array<TColonne, NbColonnes> Colonnes{
    {{74, 40, 1}, {71, 100, 1}, {72, 100, 1}, {293, 40, 0}, {187, 150, 1}, {67, 40, 0}, {68, 40, 0}, {0, 0, 0}}};

// Surname, first name and the team (with its crest) are read along the
// line; the short figures stand centred.
uint8_t Alignement(int Col)
{
    return Col == 1 || Col == 2 || Col == 4 ? Gauche : Centre;
}

void EcritJoueur(const TSaison& Saison, const TJoueur& J, int Ligne, TColor Fond, TColor Texte, TModeleGrille& Grille)
{
    const uint16_t equipe = J.GetEquipe();
    const std::array<std::string, NbColonnes> textes{std::string(1, J.GetLettrePoste()),
                                                     J.Nom,
                                                     J.Prenom,
                                                     J.Age == 0 ? "-" : std::to_string(J.Age),
                                                     equipe == 65535 ? Traduit(TexteSansEquipe)
                                                                     : Saison.GetNomEquipe(equipe),
                                                     std::to_string(J.TotalMatch()),
                                                     std::to_string(J.TotalBut()),
                                                     std::to_string(J.Numero)};
    for (int c = 0; c < NbColonnes; ++c)
        Grille.SetCellule(c, Ligne, nullptr, false, Fond, Texte, 1, Alignement(c), textes[c]);
    if (equipe != 65535)
        AfficheBlason(Grille, 4, Ligne, Saison.GetLogoEquipe(equipe));
}

void Dimensionne(TModeleGrille& Grille, int NbLignes)
{
    Grille.SetRowCount(NbLignes + 1);
    for (int r = 1; r < Grille.GetRowCount(); ++r)
        Grille.VideLigne(r);
}

void AfficheAucun(TModeleGrille& Grille)
{
    Dimensionne(Grille, 1);
    for (int c = 0; c < NbColonnes; ++c)
        Grille.SetCellule(c, 1, nullptr, false, Blanc, Marine, 1, Alignement(c),
                          c == 1           ? Traduit(TexteAucun)
                          : c == ColonneId ? std::to_string(AucunId)
                                           : std::string());
}

} // namespace

void PrepareGrille(TModeleGrille& Grille)
{
    Grille.SetColCount(NbColonnes);
    Grille.SetRowCount(2);
    Grille.SetFixedRows(1);
    Grille.SetFixedCols(0);
    Grille.SetOptions(Grille.GetOptions() | goRowSelect);
    Grille.TriCol = true;
    Grille.TriConserveFond = true;
    Grille.SetDefaultRowHeight(HauteurLigne);
    // The title is the fixed row: painted in the fixed colour.
    Grille.FixedColor = FondTitre;
    for (int c = 0; c < NbColonnes; ++c) {
        const TColonne& col = Colonnes[c];
        Grille.SetLargeurColonne(c, col.Largeur);
        Grille.SetCellule(c, 0, nullptr, true, FondTitre, Blanc, 1, c == 1 || c == 2 ? Gauche : Centre,
                          col.Titre ? Traduit(col.Titre) : std::string());
        Grille.SetTypeTri(c, col.TypeTri);
        Grille.SetEtatTri(c, 0);
    }
    // Results come in surname order.
    Grille.SetEtatTri(1, 2);
    AfficheAucun(Grille);
}

void AfficheJoueurs(const TSaison& Saison, const std::vector<TJoueur*>& Joueurs, TModeleGrille& Grille)
{
    if (Joueurs.empty()) {
        AfficheAucun(Grille);
        return;
    }
    Dimensionne(Grille, static_cast<int>(Joueurs.size()));
    for (int i = 0; i < static_cast<int>(Joueurs.size()); ++i) {
        TColor fond = Blanc;
        CouleurLigne(i + 1, fond);
        EcritJoueur(Saison, *Joueurs[i], i + 1, fond, 0, Grille);
    }
}

void AfficheDoublons(const TSaison& Saison, const std::vector<std::vector<TJoueur*>>& Series, TModeleGrille& Grille)
{
    int nombre = 0;
    for (const auto& s : Series)
        nombre += static_cast<int>(s.size());
    // Without duplicates, rows left from a search would read as duplicates.
    if (nombre == 0) {
        AfficheAucun(Grille);
        return;
    }
    Dimensionne(Grille, nombre);
    int ligne = 1;
    for (size_t s = 0; s < Series.size(); ++s)
        for (const TJoueur* j : Series[s])
            EcritJoueur(Saison, *j, ligne++, Blanc, CouleursSeries[s % CouleursSeries.size()], Grille);
}

int IdLigne(const TModeleGrille& Grille, int Ligne)
{
    if (Ligne < 1 || Ligne >= Grille.GetRowCount())
        return AucunId;
    return StrToIntDef(Grille.GetTexte(ColonneId, Ligne), AucunId);
}

int HauteurGrille(const TModeleGrille& Grille)
{
    return (Grille.GetDefaultRowHeight() + 1) * Grille.GetRowCount();
}

} // namespace VuesRecherche

using namespace VuesRecherche;

void TControleurRecherche::Prepare()
{
    FAction = TAction::Aucune;
    FSaison.RecalculeJoueurs();
    PrepareGrille(FGrille);
}

void TControleurRecherche::Cherche(const RechercheJoueurs::TCriteres& Criteres)
{
    FAction = TAction::Recherche;
    FCriteres = Criteres;
    AfficheJoueurs(FSaison, RechercheJoueurs::Cherche(FSaison, FCriteres), FGrille);
}

void TControleurRecherche::Verifie()
{
    FAction = TAction::Verification;
    AfficheDoublons(FSaison, RechercheJoueurs::Doublons(FSaison), FGrille);
}

void TControleurRecherche::Refait()
{
    if (FAction == TAction::Recherche)
        Cherche(FCriteres);
    else if (FAction == TAction::Verification)
        Verifie();
}

TJoueur* TControleurRecherche::JoueurLigne(int Ligne) const
{
    const int id = IdLigne(FGrille, Ligne);
    return id == AucunId ? nullptr : FSaison.Joueurs().ChercheId(id);
}

bool TControleurRecherche::Supprime(int Ligne)
{
    const TJoueur* j = JoueurLigne(Ligne);
    if (!j)
        return false;
    if (!RechercheJoueurs::SupprimeJoueur(FSaison, j)) {
        MessageUtil(Traduit(298), BoutonsMessage::Ok);
        return false;
    }
    Refait();
    return true;
}

bool TControleurRecherche::Fusionne(int Cible, int Source, const std::function<void(int Id)>& OuvreFiche)
{
    TJoueur* a = JoueurLigne(Cible);
    const TJoueur* b = JoueurLigne(Source);
    if (!a || !b || a == b)
        return false;
    if (MessageUtil(TraduitFmt(297, {a->Nom, b->Nom, a->Nom}), BoutonsMessage::Oui | BoutonsMessage::Non) !=
        ReponseMessage::Oui)
        return false;
    RechercheJoueurs::FusionneJoueurs(FSaison, *a, b);
    if (OuvreFiche)
        OuvreFiche(a->Numero);
    Refait();
    return true;
}
