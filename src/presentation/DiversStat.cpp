#include "presentation/DiversStat.h"

#include "base/Format.h"
#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "engine/CalculClassement.h"
#include "engine/Series.h"
#include "engine/Statistique.h"
#include "files/Image.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"
#include "presentation/ModeleEditeur.h"
#include "presentation/ModeleGrille.h"

#include <algorithm>

namespace DiversStat {

namespace {

enum : int {
    TexteNom = 71,
    TextePrenom = 72,
    TexteSansClub = 82,
    TexteJournee = 85,
    TexteEquipe = 187,
    TexteAge = 293,
    TexteDivision = 604,
    TexteDate = 605,
    TexteMatch = 977,
    TexteDomicile = 222,
    TexteScore = 223,
    TexteExterieur = 224,
    TexteContreSonCamp = 225,
    TextePenaltyManque = 301,
    TexteSpectateurs = 51,
    TexteSpectateursJournee = 972,
    TexteResume = 341,
    TexteAucun = 108,
    TexteEquipeJour = 176,
    TexteJoueur = 107,
    TextePoints = 50,
    TexteMinute = 92,
    TexteArbitre = 920,
    TexteCompteCote = 340,
    TexteTirs = 647,
};

// The players column's header by event kind 1..8.
constexpr int TitresJoueurs[8] = {498, 974, 975, 918, 488, 484, 485, 486};

constexpr TColor Vert = 0x008000;
constexpr TColor Blanc = 0xFFFFFF;

constexpr TColor FondTitreCalendrier = 0x401060;
constexpr TColor FondTitreJoueurs = 0xB4FF64;
constexpr TColor Marine = 0x800000;
constexpr int CommandeButeurs = 14;
constexpr int CommandeFicheMatch = 19;

// The header row of a list: its texts and widths on one background.
void Entete(TModeleGrille& Grille, std::initializer_list<std::pair<int, int>> Colonnes, TColor Fond,
            TColor Texte = 0xFFFFFF)
{
    Grille.SetColCount(static_cast<int>(Colonnes.size()));
    Grille.SetRowCount(1);
    Grille.SetFixedCols(0);
    Grille.SetFixedRows(0);
    Grille.ReinitColonnes();
    // The header is the fixed row: painted in the fixed colour.
    Grille.FixedColor = Fond;
    int C = 0;
    for (const auto& [Id, Largeur] : Colonnes) {
        Grille.SetLargeurColonne(C, Largeur);
        Grille.SetCellule(C, 0, nullptr, true, Fond, Texte, 1, 1, Id != 0 ? Traduit(Id) : std::string());
        ++C;
    }
}

// Appends a row and returns its number.
int AjouteLigne(TModeleGrille& Grille)
{
    const int R = Grille.GetRowCount();
    Grille.SetRowCount(R + 1);
    Grille.VideLigne(R);
    return R;
}

void CelluleListe(TModeleGrille& Grille, int C, int R, const std::string& Texte)
{
    Grille.SetCellule(C, R, nullptr, false, 0xFFFFFF, Marine, 1, 0, Texte);
}

} // namespace

void AfficherCalendrier(TModeleGrille& Grille, const TSaison& Saison, TDateMatch Date, bool Tous)
{
    Entete(Grille, {{TexteDate, 60}, {TexteMatch, 180}, {TexteDivision, 120}}, FondTitreCalendrier);
    Grille.SetFixedRows(1);
    int Premier = Saison.GetNumChampCourant();
    int Dernier = Premier;
    if (Tous) {
        Premier = 1;
        Dernier = Saison.NbChampionnat();
    }
    bool Ecrit = false;
    for (int N = Premier; N <= Dernier; ++N) {
        const TDonneesChampionnat* Champ = Saison.GetChampionnat(N);
        if (Champ == nullptr || (Champ->GetOption(11) & (1 | 4)) == 0)
            continue;
        const TInfoCompJour* Liste = Champ->GetJournees().ChercheDate(Date);
        if (Liste == nullptr || Liste->NbMatch() == 0)
            continue;
        if (Ecrit && Tous)
            AjouteLigne(Grille);
        for (int I = 0; I < Liste->NbMatch(); ++I) {
            const TInfoComp* M = Liste->GetMatch(I);
            const int R = AjouteLigne(Grille);
            TColor Fond = 0;
            CouleurLigne(I, Fond);
            const bool Joue = M->GetScore(0) != TInfoComp::Aucun;
            Grille.SetCellule(0, R, nullptr, false, Fond, 0, 1, 1, DateMatchToStr(Date));
            Grille.SetCellule(1, R, nullptr, false, Fond, 0, 1, 0, M->GetLibelle(Saison));
            Grille.SetLien(1, R);
            Grille.SetDonnee(1, R, (Champ->CodeChamp << 16) + (Joue ? 256 : 0) + I);
            Grille.SetCellule(2, R, nullptr, false, Fond, 0, 1, 0, Saison.GetNomChampDesc(Champ->CodeChamp));
        }
        Ecrit = true;
    }
    if (!Ecrit)
        AjouteLigne(Grille);
}

TLienCalendrier LienCalendrier(int32_t Donnee)
{
    return {Donnee >> 16, (Donnee & 256) != 0, Donnee & 255};
}

bool CibleCalendrier(const TSaison& Saison, TDateMatch Date, const TLienCalendrier& Lien, int& Code, int& Param)
{
    const TDonneesChampionnat* Champ = Saison.GetChampionnatId(Lien.IdChampionnat);
    if (Champ == nullptr)
        return false;
    const TInfoCompJour* Liste = Champ->GetJournees().ChercheDate(Date);
    const TInfoComp* M = Liste != nullptr ? Liste->GetMatch(Lien.Index) : nullptr;
    if (M == nullptr)
        return false;
    const auto [Jour, Index] = Champ->GetJournees().ChercheMatch(M);
    if (Jour < 1)
        return false;
    if (M->Joue()) {
        Code = CommandeButeurs;
        Param = (Jour << 8) + Index + 1;
    } else {
        Code = CommandeFicheMatch;
        Param = (Jour << 8) + Index;
    }
    return true;
}

void AfficherListeJoueurs(TModeleGrille& Grille, const TSaison& Saison)
{
    Entete(Grille, {{TexteNom, 140}, {TextePrenom, 140}, {TexteAge, 40}, {TexteEquipe, 140}, {0, 0}}, FondTitreJoueurs,
           0);
    Grille.SetFixedRows(1);
    const TJoueurs& Joueurs = Saison.Joueurs();
    for (int I = 0; I < Joueurs.Nombre(); ++I) {
        const TJoueur* J = Joueurs.Get(I);
        if (J == nullptr || J->Numero == 65535 || J->GetEquipe() >= 65535)
            continue;
        if (!J->Prenom.empty() && J->Age != 0 && J->Numero != 0)
            continue;
        RemplitLigneJoueur(Grille, AjouteLigne(Grille), Saison, J->Numero);
    }
}

bool RemplitLigneJoueur(TModeleGrille& Grille, int Ligne, const TSaison& Saison, int Id)
{
    const TJoueur* J = Saison.Joueurs().ChercheId(Id);
    if (J == nullptr || Ligne < 1 || Ligne >= Grille.GetRowCount())
        return false;
    CelluleListe(Grille, 0, Ligne, J->Nom);
    CelluleListe(Grille, 1, Ligne, J->Prenom);
    CelluleListe(Grille, 2, Ligne, J->Age == 0 ? "-" : std::to_string(J->Age));
    // A player without a team is shown as such; every other id names its team.
    CelluleListe(Grille, 3, Ligne,
                 J->GetEquipe() == 65535 ? Traduit(TexteSansClub) : Saison.GetNomEquipe(J->GetEquipe()));
    CelluleListe(Grille, 4, Ligne, std::to_string(J->Numero));
    return true;
}

void AfficherListeMatchs(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ)
{
    Entete(Grille, {{TexteJournee, 50}, {TexteMatch, 250}}, FondTitreCalendrier);
    Grille.SetFixedRows(1);
    const int L = std::clamp<int>(Champ.JourneeJouee, 0, Champ.GetNbJour());
    for (int J = 1; J <= L; ++J) {
        const int Avant = Grille.GetRowCount();
        const int NbMatch = Champ.GetNbMatchJournee(J);
        for (int K = 0; K < NbMatch; ++K) {
            const uint16_t S1 = Champ.GetValeurMatch(J, 4 * K + 2);
            const uint16_t S2 = Champ.GetValeurMatch(J, 4 * K + 4);
            if (S1 != TInfoComp::Aucun && S2 != TInfoComp::Aucun)
                continue;
            const uint16_t Dom = Champ.GetValeurMatch(J, 4 * K + 1);
            const uint16_t Ext = Champ.GetValeurMatch(J, 4 * K + 3);
            if (Dom == TInfoComp::Aucun || Ext == TInfoComp::Aucun)
                continue;
            const int R = AjouteLigne(Grille);
            CelluleListe(Grille, 0, R, R == Avant ? std::to_string(J) : "-");
            CelluleListe(Grille, 1, R, Saison.GetNomEquipe(Dom) + " - " + Saison.GetNomEquipe(Ext));
        }
        // A day mostly unplayed is not yet a played day.
        if (2 * NbMatch < 3 * (Grille.GetRowCount() - Avant))
            Grille.SetRowCount(Avant);
    }
}

namespace {

// A scorer of a side: name, then the minute, own goal or missed penalty.
std::string TexteButeur(const TSaison& Saison, const TDonneesEvt& E, bool Domicile)
{
    const TJoueur* J = Saison.Joueurs().ChercheId(E.GetJoueur(), E.GetEquipe());
    std::string Nom = J != nullptr ? J->Nom : LibelleTypeBut(E.GetMot());
    std::string Quand;
    if ((E.GetMot() & Evt::PenaltyManque) != 0)
        Quand = Traduit(TextePenaltyManque);
    else if ((E.GetMot() & Evt::ContreCamp) != 0)
        Quand = Traduit(TexteContreSonCamp) + " " + std::to_string(E.GetMinute());
    else
        Quand = std::to_string(E.GetMinute());
    return Domicile ? "   " + Nom + " (" + Quand + ")" : Nom + " (" + Quand + ")   ";
}

// A side's goals and missed penalties, by minute.
std::vector<const TDonneesEvt*> Buteurs(const TListeDonnees* Liste, uint16_t Dom, uint16_t Ext, int Cote)
{
    std::vector<const TDonneesEvt*> V;
    if (Liste == nullptr)
        return V;
    for (bool Manques : {false, true}) {
        const std::vector<TListeResultat> Parts = Liste->ResultatsEquipeParType(Dom, Ext, false, Manques);
        if (static_cast<int>(Parts.size()) > Cote)
            for (int i = 0; i < Parts[static_cast<size_t>(Cote)].Nombre(); ++i)
                V.push_back(Parts[static_cast<size_t>(Cote)].Get(i));
    }
    std::stable_sort(V.begin(), V.end(),
                     [](const TDonneesEvt* a, const TDonneesEvt* b) { return a->GetMinute() < b->GetMinute(); });
    return V;
}

// A team cell of the results: name and rank, its crest, a link to the team.
void CelluleEquipe(TModeleGrille& Grille, int C, int R, const TSaison& Saison, uint16_t Id, int Rang, uint8_t Align)
{
    const bool Connue = Id != TInfoComp::Aucun;
    Grille.SetCellule(C, R, nullptr, false, Blanc, Marine, 1, Align,
                      Connue ? Saison.GetNomEquipe(Id) + " (" + std::to_string(Rang) + ")" : std::string());
    if (!Connue)
        return;
    Grille.SetLien(C, R);
    Grille.SetDonnee(C, R, Id);
    AfficheBlason(Grille, C, R, Saison.GetLogoEquipe(Id));
}

} // namespace

void AfficherJourneeSimple(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ, int Jour)
{
    Entete(Grille, {{TexteDomicile, 150}, {TexteScore, 50}, {TexteExterieur, 150}, {TexteSpectateurs, 60}},
           FondTitreCalendrier);
    Grille.SetFixedRows(1);
    Grille.SetCouleurLigne(0, Marine);
    if (Jour < 1 || Jour > Champ.GetNbJour())
        return;
    // Ranks after the last played day.
    const int L = std::clamp<int>(Champ.JourneeJouee, 0, Champ.GetNbJour());
    TCalculClassement Calcul(&Champ, &Saison);
    std::vector<int> Rangs(static_cast<size_t>(std::max(Champ.GetNbEquipe(), 0)), 0);
    if (L >= 1) {
        Calcul.Calcule(TCalculClassement::General, 1, nullptr, L);
        for (int R = 0; R < Calcul.GetNbEquipe(); ++R)
            if (const int E = Calcul.GetClassement(R, 1); E >= 0 && E < static_cast<int>(Rangs.size()))
                Rangs[static_cast<size_t>(E)] = R + 1;
    }
    auto Rang = [&](uint16_t Id) {
        const int E = Champ.IndexEquipe(Id);
        return E >= 0 && E < static_cast<int>(Rangs.size()) ? Rangs[static_cast<size_t>(E)] : 0;
    };
    const TListeDonnees* Liste = Champ.GetButeursJournee(Jour);
    for (int K = 0; K < Champ.GetNbMatchJournee(Jour); ++K) {
        const uint16_t Dom = Champ.GetValeurMatch(Jour, 4 * K + 1);
        const uint16_t Ext = Champ.GetValeurMatch(Jour, 4 * K + 3);
        const uint16_t S1 = Champ.GetValeurMatch(Jour, 4 * K + 2);
        const uint16_t S2 = Champ.GetValeurMatch(Jour, 4 * K + 4);
        const int R = AjouteLigne(Grille);
        CelluleEquipe(Grille, 0, R, Saison, Dom, Rang(Dom), 0);
        CelluleEquipe(Grille, 2, R, Saison, Ext, Rang(Ext), 2);
        Grille.SetCellule(1, R, nullptr, false, Blanc, Marine, 1, 1, "");
        Grille.SetCellule(3, R, nullptr, false, Blanc, Vert, 1, 1, "");
        Grille.SetCouleurLigne(R, Marine);
        if (S1 == TInfoComp::Aucun || S2 == TInfoComp::Aucun)
            continue;
        if (S1 != S2)
            Grille.SetGras(S1 > S2 ? 0 : 2, R, true);
        Grille.SetTexte(1, R, std::to_string(S1) + "-" + std::to_string(S2));
        Grille.SetLien(1, R);
        Grille.SetDonnee(1, R, K + 1);
        const int Affluence = Champ.GetAffluence(Jour, K + 1);
        Grille.SetTexte(3, R, Affluence < 1 ? "-" : std::to_string(Affluence));

        const std::vector<const TDonneesEvt*> Cotes[2] = {Buteurs(Liste, Dom, Ext, 0), Buteurs(Liste, Dom, Ext, 1)};
        const size_t NbLignes = std::max(Cotes[0].size(), Cotes[1].size());
        // The first-half score: goals with a minute up to 45.
        int MiTemps[2] = {0, 0};
        for (int C = 0; C < 2; ++C)
            for (const TDonneesEvt* E : Cotes[C])
                if ((E->GetMot() & Evt::PenaltyManque) == 0 && E->GetMinute() >= 1 && E->GetMinute() <= 45)
                    ++MiTemps[C];
        for (size_t I = 0; I < NbLignes; ++I) {
            const int Ligne = AjouteLigne(Grille);
            Grille.SetTraitLigne(Ligne - 1, false);
            for (int C = 0; C < 2; ++C) {
                const int Col = C == 0 ? 0 : 2;
                Grille.SetCellule(Col, Ligne, nullptr, false, Blanc, Marine, 1, C == 0 ? 0 : 2, "");
                if (I >= Cotes[C].size())
                    continue;
                const TDonneesEvt& E = *Cotes[C][I];
                Grille.SetTexte(Col, Ligne, TexteButeur(Saison, E, C == 0));
                if (Saison.Joueurs().ChercheId(E.GetJoueur(), E.GetEquipe()) != nullptr) {
                    Grille.SetLien(Col, Ligne);
                    Grille.SetDonnee(Col, Ligne, E.GetJoueur() << 16);
                }
            }
            if (I == 0 && (MiTemps[0] > 0 || MiTemps[1] > 0))
                Grille.SetCellule(1, Ligne, nullptr, false, Blanc, Marine, 1, 1,
                                  "(" + std::to_string(MiTemps[0]) + "-" + std::to_string(MiTemps[1]) + ")");
            Grille.SetCouleurLigne(Ligne, Marine);
        }
    }
}

namespace {

// The day's list of an event kind, and whether an event of it is listed.
const TListeDonnees* ListeGenre(const TDonneesChampionnat& Champ, int Jour, int Genre)
{
    switch (Genre) {
    case 1:
    case 5:
        return Champ.GetButeursJournee(Jour);
    case 2:
    case 3:
        return Champ.GetCartonsJournee(Jour);
    case 4:
        if (const auto* Foot = dynamic_cast<const TDonneesChampionnatFootball*>(&Champ))
            return Foot->GetPasseursJournee(Jour);
        return nullptr;
    default:
        if (const auto* Rugby = dynamic_cast<const TDonneesChampionnatRugby*>(&Champ))
            return Genre == 6 ? Rugby->GetTransfosJournee(Jour)
                              : (Genre == 7 ? Rugby->GetPenalitesJournee(Jour) : Rugby->GetDropsJournee(Jour));
        return nullptr;
    }
}

// The teams of both sides of every match of the day with two teams, by name.
std::vector<std::pair<std::string, uint16_t>> EquipesJour(const TSaison& Saison, const TDonneesChampionnat& Champ,
                                                          int Jour)
{
    std::vector<std::pair<std::string, uint16_t>> Equipes;
    for (int K = 0; K < Champ.GetNbMatchJournee(Jour); ++K) {
        const uint16_t Dom = Champ.GetValeurMatch(Jour, 4 * K + 1);
        const uint16_t Ext = Champ.GetValeurMatch(Jour, 4 * K + 3);
        if (Dom == TInfoComp::Aucun || Ext == TInfoComp::Aucun)
            continue;
        Equipes.emplace_back(Saison.GetNomEquipe(Dom), Dom);
        Equipes.emplace_back(Saison.GetNomEquipe(Ext), Ext);
    }
    std::stable_sort(Equipes.begin(), Equipes.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return Equipes;
}

bool EvenementListe(const TDonneesEvt& E, int Genre)
{
    switch (Genre) {
    case 1:
    case 5:
        return (E.GetMot() & Evt::PenaltyManque) == 0;
    case 2:
        return (E.GetMot() & Evt::ContreCamp) == 0;
    case 3:
        return (E.GetMot() & Evt::ContreCamp) != 0;
    default:
        return true;
    }
}

} // namespace

void AfficherJourneeJoueurs(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ, int Jour,
                            int Genre)
{
    Genre = std::clamp(Genre, 1, 8);
    Entete(Grille, {{TexteEquipeJour, 150}, {TitresJoueurs[Genre - 1], 100}}, FondTitreCalendrier);
    Grille.SetFixedRows(1);
    Grille.SetCouleurLigne(0, Marine);
    if (Jour < 1 || Jour > Champ.GetNbJour())
        return;
    const std::vector<std::pair<std::string, uint16_t>> Equipes = EquipesJour(Saison, Champ, Jour);
    const TListeDonnees* Liste = ListeGenre(Champ, Jour, Genre);
    const TListeResultat ParMinute = Liste != nullptr ? Liste->ListeParMinute() : TListeResultat();
    for (size_t Rang = 0; Rang < Equipes.size(); ++Rang) {
        const uint16_t Equipe = Equipes[Rang].second;
        TColor Fond = 0;
        CouleurLigne(static_cast<int>(Rang) + 1, Fond);
        auto Ligne = [&](bool Premiere) {
            const int R = AjouteLigne(Grille);
            Grille.SetCellule(0, R, nullptr, false, Fond, Marine, 1, 0, Premiere ? Equipes[Rang].first : "");
            if (Premiere)
                AfficheBlason(Grille, 0, R, Saison.GetLogoEquipe(Equipe));
            Grille.SetCellule(1, R, nullptr, false, Fond, Marine, 1, 0, "");
            Grille.SetTraitLigne(R, false);
            return R;
        };
        int Derniere = -1;
        for (int I = 0; I < ParMinute.Nombre(); ++I) {
            const TDonneesEvt& E = *ParMinute.Get(I);
            if (E.GetEquipe() != Equipe || !EvenementListe(E, Genre))
                continue;
            Derniere = Ligne(Derniere < 0);
            const TJoueur* J = Saison.Joueurs().ChercheId(E.GetJoueur(), E.GetEquipe());
            std::string Texte = J != nullptr ? J->Nom : LibelleTypeBut(E.GetMot());
            if (E.GetMinute() != 0) {
                Texte += " (" + std::to_string(E.GetMinute()) + "\xC2\xB0";
                if (const std::string Court = LibelleGenreCourt(E.GetGenre()); Genre == 1 && !Court.empty())
                    Texte += " " + Court;
                Texte += ")";
            }
            Grille.SetTexte(1, Derniere, Texte);
            if (J != nullptr) {
                Grille.SetLien(1, Derniere);
                Grille.SetDonnee(1, Derniere, E.GetJoueur());
            }
        }
        if (Derniere < 0) {
            Derniere = Ligne(true);
            Grille.SetTexte(1, Derniere, Traduit(TexteAucun));
        }
        Grille.SetTraitLigne(Derniere, true);
        Grille.SetCouleurLigne(Derniere, Marine);
    }
}

int GenreMotCleJoueurs(const std::string& Type)
{
    static const char* const Mots[] = {"buteur", "averti",         "exclus",   "passeur",
                                       "essai",  "transformation", "penalite", "drop"};
    const std::string Mot = MinusculesAscii(Type);
    for (int i = 0; i < 8; ++i)
        if (Mot == Mots[i])
            return i + 1;
    return 1;
}

std::string AfficherJourneeSpectateur(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ,
                                      int Jour)
{
    Entete(Grille, {{TexteMatch, 200}, {TexteSpectateursJournee, 100}}, FondTitreCalendrier);
    Grille.SetFixedRows(1);
    Grille.SetCouleursBarre(1, 0x80FFFF, 0x1C8DFF);
    int64_t Total = 0;
    int Nombre = 0;
    if (Jour >= 1 && Jour <= Champ.GetNbJour())
        for (int K = 0; K < Champ.GetNbMatchJournee(Jour); ++K) {
            const int Affluence = Champ.GetAffluence(Jour, K + 1);
            if (Affluence <= 0)
                continue;
            const int R = AjouteLigne(Grille);
            TColor Fond = 0;
            CouleurLigne(R, Fond);
            Grille.SetCellule(0, R, nullptr, false, Fond, Marine, 1, 0,
                              Saison.GetNomEquipe(Champ.GetValeurMatch(Jour, 4 * K + 1)) + " - " +
                                  Saison.GetNomEquipe(Champ.GetValeurMatch(Jour, 4 * K + 3)));
            Grille.SetCellule(1, R, nullptr, false, Fond, Marine, 1, 1, std::to_string(Affluence));
            Total += Affluence;
            ++Nombre;
        }
    return TraduitFmt(TexteResume,
                      {static_cast<long long>(Total), static_cast<long long>(Total / std::max(Nombre, 1))});
}

namespace {

// Appends a line in one colour and returns its number.
int LigneRapport(TModeleEditeur& Editeur, const std::string& Texte, uint8_t Couleur)
{
    const int N = Editeur.GetNbLigne() + 1;
    Editeur.SetNbLigne(N);
    Editeur.SetLigne(N, Texte, true, false, Couleur);
    return N;
}

// "Name (12°, 56° pen.), Other (80°)": each player once, his minutes in the
// order of the events; a player the season does not know goes by the label of
// his goal's kind.
std::string JoueursMinutes(const TSaison& Saison, const std::vector<const TDonneesEvt*>& Evenements, bool Buts)
{
    std::vector<std::pair<std::string, std::vector<std::string>>> Joueurs;
    std::vector<std::pair<int, std::string>> Cles;
    for (const TDonneesEvt* E : Evenements) {
        const TJoueur* J = Saison.Joueurs().ChercheId(E->GetJoueur(), E->GetEquipe());
        const std::pair<int, std::string> Cle{J != nullptr ? E->GetJoueur() : -1,
                                              J != nullptr ? std::string() : LibelleTypeBut(E->GetMot())};
        const auto Trouve = std::find(Cles.begin(), Cles.end(), Cle);
        const size_t I = static_cast<size_t>(Trouve - Cles.begin());
        if (Trouve == Cles.end()) {
            Cles.push_back(Cle);
            Joueurs.emplace_back(J != nullptr ? J->Nom : Cle.second, std::vector<std::string>());
        }
        if (E->GetMinute() == 0)
            continue;
        std::string Minute = std::to_string(E->GetMinute()) + "\xC2\xB0";
        if (const std::string Court = Buts ? LibelleGenreCourt(E->GetGenre()) : std::string(); !Court.empty())
            Minute += " " + Court;
        Joueurs[I].second.push_back(std::move(Minute));
    }
    std::string Texte;
    for (const auto& [Nom, Minutes] : Joueurs) {
        if (!Texte.empty())
            Texte += ", ";
        Texte += Nom;
        if (Minutes.empty())
            continue;
        Texte += " (";
        for (size_t M = 0; M < Minutes.size(); ++M)
            Texte += (M > 0 ? ", " : "") + Minutes[M];
        Texte += ")";
    }
    return Texte;
}

// One side's line of a list: its kind, the players, the side's count.
void LigneCote(TModeleEditeur& Editeur, const TSaison& Saison, int Titre, uint16_t Equipe,
               const std::vector<const TDonneesEvt*>& Evenements, bool Buts, uint8_t Couleur)
{
    if (Evenements.empty())
        return;
    LigneRapport(
        Editeur,
        "  " + Traduit(Titre) + " : " + JoueursMinutes(Saison, Evenements, Buts) +
            TraduitFmt(TexteCompteCote, {Saison.GetNomEquipe(Equipe), static_cast<long long>(Evenements.size())}),
        Couleur);
}

std::vector<const TDonneesEvt*> Evenements(const TListeResultat& Liste)
{
    std::vector<const TDonneesEvt*> V;
    for (int I = 0; I < Liste.Nombre(); ++I)
        V.push_back(Liste.Get(I));
    return V;
}

// The shooting lines of a basketball match: per side a title, then each
// player's points and shots.
void LignesTirs(TModeleEditeur& Editeur, const TSaison& Saison, const TDonneesChampionnatBasket& Basket, int Jour,
                uint16_t Equipe, uint16_t Score, uint8_t Couleur)
{
    TListeStatTir Tirs(&Saison);
    Tirs.Calcule(Equipe, Basket, Jour, 2);
    if (Tirs.Nombre() == 0)
        return;
    LigneRapport(Editeur, TraduitFmt(TexteTirs, {Saison.GetNomEquipe(Equipe), static_cast<long long>(Score)}), Couleur);
    for (int I = 0; I < Tirs.Nombre(); ++I) {
        const TStatTir& T = *Tirs.Get(I);
        const TJoueur* J = Saison.Joueurs().ChercheId(T.Joueur, Equipe);
        const auto& V = T.Valeurs;
        LigneRapport(Editeur,
                     "  " + (J != nullptr ? J->GetPrenomNom() : std::string("?")) + " " + std::to_string(V[1]) + " " +
                         Traduit(TextePoints) + " (" + std::to_string(V[2]) + "/" + std::to_string(V[3]) + ", " +
                         std::to_string(V[4]) + "/" + std::to_string(V[5]) + ", " + std::to_string(V[6]) + "/" +
                         std::to_string(V[7]) + ", " + std::to_string(V[0]) + " " + Traduit(TexteMinute) + ")",
                     Couleur);
    }
}

} // namespace

void AfficherJourneeDetail(TModeleEditeur& Editeur, const TSaison& Saison, const TDonneesChampionnat& Champ, int Jour,
                           bool PourHtml, const TCouleursDetail& Couleurs)
{
    Editeur.SetNbLigne(0);
    if (Jour < 1 || Jour > Champ.GetNbJour())
        return;
    const auto* Rugby = dynamic_cast<const TDonneesChampionnatRugby*>(&Champ);
    const auto* Basket = dynamic_cast<const TDonneesChampionnatBasket*>(&Champ);
    for (int K = 0; K < Champ.GetNbMatchJournee(Jour); ++K) {
        const uint16_t Dom = Champ.GetValeurMatch(Jour, 4 * K + 1);
        const uint16_t Ext = Champ.GetValeurMatch(Jour, 4 * K + 3);
        const uint16_t S1 = Champ.GetValeurMatch(Jour, 4 * K + 2);
        const uint16_t S2 = Champ.GetValeurMatch(Jour, 4 * K + 4);
        if (PourHtml && K > 0) {
            Editeur.SetNbLigne(Editeur.GetNbLigne() + 1);
            Editeur.AjouteBalise(Editeur.GetNbLigne(), "<hr/>");
        }
        std::string Titre = Saison.GetNomEquipe(Dom) + " - " + Saison.GetNomEquipe(Ext);
        const bool Joue = S1 != TInfoComp::Aucun && S2 != TInfoComp::Aucun;
        if (Joue)
            Titre += " : " + std::to_string(S1) + " - " + std::to_string(S2);
        if (PourHtml) {
            const int N = Editeur.GetNbLigne() + 1;
            Editeur.SetNbLigne(N);
            Editeur.AjouteBalise(N, "<b>");
            Editeur.SetLigne(N, Titre, true, true, Couleurs.Titre);
            Editeur.AjouteBalise(N, "</b>");
        } else {
            LigneRapport(Editeur, Titre, Couleurs.Titre);
        }

        std::string Arbitres;
        for (int I = 1; I <= 3; ++I) {
            const int Id = Champ.GetArbitre(Jour, K + 1, I);
            const TPersonnel* A = Id > 0 && Id != TInfoComp::Aucun ? Saison.Arbitres().ChercheId(Id) : nullptr;
            if (A == nullptr)
                continue;
            Arbitres += (Arbitres.empty() ? Traduit(TexteArbitre) + " : " : std::string(" - ")) + A->GetPrenomNom();
        }
        if (!Arbitres.empty())
            LigneRapport(Editeur, Arbitres, Couleurs.Info);
        if (const int Affluence = Champ.GetAffluence(Jour, K + 1); Affluence > 0)
            LigneRapport(Editeur, Traduit(TexteSpectateurs) + " : " + std::to_string(Affluence), Couleurs.Info);
        if (Dom == TInfoComp::Aucun || Ext == TInfoComp::Aucun)
            continue;

        if (Basket != nullptr) {
            LignesTirs(Editeur, Saison, *Basket, Jour, Dom, S1, Couleurs.Buteur);
            LignesTirs(Editeur, Saison, *Basket, Jour, Ext, S2, Couleurs.Buteur);
        } else {
            std::vector<std::pair<const TListeDonnees*, int>> Listes{
                {Champ.GetButeursJournee(Jour), Rugby != nullptr ? TitresJoueurs[4] : TitresJoueurs[0]}};
            if (Rugby != nullptr) {
                Listes.emplace_back(Rugby->GetTransfosJournee(Jour), TitresJoueurs[5]);
                Listes.emplace_back(Rugby->GetPenalitesJournee(Jour), TitresJoueurs[6]);
                Listes.emplace_back(Rugby->GetDropsJournee(Jour), TitresJoueurs[7]);
            }
            for (int Cote = 0; Cote < 2; ++Cote)
                for (const auto& [Liste, TitreListe] : Listes) {
                    if (Liste == nullptr)
                        continue;
                    const std::vector<TListeResultat> Parts = Liste->ResultatsEquipeParType(Dom, Ext, false, false);
                    if (static_cast<int>(Parts.size()) > Cote)
                        LigneCote(Editeur, Saison, TitreListe, Cote == 0 ? Dom : Ext,
                                  Evenements(Parts[static_cast<size_t>(Cote)]), true, Couleurs.Buteur);
                }
        }

        if (const TListeDonnees* Cartons = Champ.GetCartonsJournee(Jour))
            for (const bool Rouge : {false, true})
                for (const uint16_t Equipe : {Dom, Ext}) {
                    const TListeResultat Liste = Cartons->ResultatsEquipe(Equipe, Rouge ? 3 : 2);
                    std::vector<const TDonneesEvt*> V = Evenements(Liste);
                    std::stable_sort(V.begin(), V.end(), [](const TDonneesEvt* a, const TDonneesEvt* b) {
                        return a->GetMinute() < b->GetMinute();
                    });
                    LigneCote(Editeur, Saison, Rouge ? TitresJoueurs[2] : TitresJoueurs[1], Equipe, V, false,
                              Rouge ? Couleurs.Exclus : Couleurs.Averti);
                }

        for (const uint16_t Equipe : {Dom, Ext})
            if (const std::string Compo = Champ.GetTexteCompo(Jour, Equipe); !Compo.empty())
                LigneRapport(Editeur, Saison.GetNomEquipe(Equipe) + " : " + Compo, Couleurs.Effectif);
    }
}

void AfficherJourneeRealisateur(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ,
                                int Jour)
{
    Entete(Grille, {{TexteEquipeJour, 150}, {TexteJoueur, 140}, {TextePoints, 50}}, FondTitreCalendrier);
    Grille.SetFixedRows(1);
    if (Jour < 1 || Jour > Champ.GetNbJour())
        return;
    const auto* Basket = dynamic_cast<const TDonneesChampionnatBasket*>(&Champ);
    const TListeDonnees* Points = Basket != nullptr ? Basket->GetStatJournee(Jour, 1) : nullptr;
    const TListeResultat Liste = Points != nullptr ? Points->ListeParMinute() : TListeResultat();
    const std::vector<std::pair<std::string, uint16_t>> Equipes = EquipesJour(Saison, Champ, Jour);
    for (size_t Rang = 0; Rang < Equipes.size(); ++Rang) {
        const uint16_t Equipe = Equipes[Rang].second;
        // The team's largest value; the later entry of two equal ones.
        const TDonneesEvt* Meilleur = nullptr;
        for (int I = 0; I < Liste.Nombre(); ++I)
            if (const TDonneesEvt* E = Liste.Get(I);
                E->GetEquipe() == Equipe && (Meilleur == nullptr || E->GetMot() >= Meilleur->GetMot()))
                Meilleur = E;
        TColor Fond = 0;
        CouleurLigne(static_cast<int>(Rang) + 1, Fond);
        const int R = AjouteLigne(Grille);
        Grille.SetCellule(0, R, nullptr, false, Fond, Marine, 1, 0, Equipes[Rang].first);
        AfficheBlason(Grille, 0, R, Saison.GetLogoEquipe(Equipe));
        std::string Joueur = Traduit(TexteAucun);
        std::string Valeur;
        if (Meilleur != nullptr) {
            const TJoueur* J = Saison.Joueurs().ChercheId(Meilleur->GetJoueur(), Equipe);
            Joueur = J != nullptr ? J->GetPrenomNom() : std::string("?");
            Valeur = std::to_string(Meilleur->GetMot());
        }
        Grille.SetCellule(1, R, nullptr, false, Fond, Marine, 1, 0, Joueur);
        Grille.SetCellule(2, R, nullptr, false, Fond, Marine, 1, 1, Valeur);
    }
}

// --- Team views ---------------------------------------------------------------------

namespace {

enum : int {
    TexteNomEquipe = 212,
    TexteGeneral = 213,
    TexteMatchsDomicile = 64,
    TexteMatchsExterieur = 65,
    TexteVictoire = 612,
    TexteNul = 613,
    TexteDefaite = 614,
    TextePointsPris = 219,
    TextePointsPossibles = 220,
    TextePointsPerdus = 221,
    TextePlaceLeader = 214,
    TextePlace = 215,
    TexteEcartDessus = 216,
    TexteEcartDessous = 217,
    TexteUnitePoints = 218,
    TexteMeilleurePlace = 987,
    TextePirePlace = 988,
    TexteNombre = 326,
    TexteAutresScores = 328,
    TextePourcentage = 178,
    TexteTotal = 609,
};

constexpr TColor FondTitreEquipes = 0xDFCF20;
constexpr TColor FondZebre = 0xF8CD87;
constexpr TColor FondSansCompte = 0xF0E0F0;
constexpr TColor Rouge = 0x0000FF;
// Darker than the usual green: the letters must stay readable on the
// light-blue rows as well as on the white ones.
constexpr TColor VertForme = 0x006400;
constexpr TColor BarreDebut = 0x80FFFF;
constexpr TColor BarreFin = 0x1C8DFF;
constexpr char Degre[] = "\xC2\xB0";

int DerniereJouee(const TDonneesChampionnat& Champ)
{
    return std::clamp<int>(Champ.JourneeJouee, 0, Champ.GetNbJour());
}

// The team at position Index: its name and crest.
void CelluleEquipeIndex(TModeleGrille& Grille, int C, int R, const TSaison& Saison, const TDonneesChampionnat& Champ,
                        int Index, TColor Fond, TColor Texte)
{
    const int Id = Champ.GetEquipe(Index);
    Grille.SetCellule(C, R, nullptr, false, Fond, Texte, 1, 0, Saison.GetNomEquipe(static_cast<uint16_t>(Id)));
    AfficheBlason(Grille, C, R, Saison.GetLogoEquipe(Id));
}

// The followed team's row highlighted, the others striped.
void CouleursSuivi(const TDonneesChampionnat& Champ, int Ligne, int Index, TColor& Fond, TColor& Texte)
{
    CouleurLigneSelection(Ligne, Fond, Texte, Champ.GetOption(10) != 255 && Champ.GetOption(10) == Index);
}

} // namespace

void AfficherFormeEquipe(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ)
{
    const bool Lieux = (Champ.GetOption(11) & 2) == 0;
    if (Lieux)
        Entete(Grille,
               {{TexteNomEquipe, 150}, {TexteGeneral, 160}, {TexteMatchsDomicile, 90}, {TexteMatchsExterieur, 90}},
               FondTitreEquipes, 0);
    else
        Entete(Grille, {{TexteNomEquipe, 150}, {TexteGeneral, 160}}, FondTitreEquipes, 0);
    Grille.SetFixedRows(1);
    const int N = Champ.GetNbEquipe();
    for (int I = 0; I < N; ++I) {
        const int R = AjouteLigne(Grille);
        TColor Fond = 0;
        CouleurLigne(R, Fond);
        CelluleEquipeIndex(Grille, 0, R, Saison, Champ, I, Fond, 0);
        for (int C = 1; C < Grille.GetColCount(); ++C)
            Grille.SetCellule(C, R, nullptr, false, Fond, VertForme, 1, 0, "");
    }
    const std::string Lettres[3] = {Traduit(TexteVictoire), Traduit(TexteNul), Traduit(TexteDefaite)};
    // Newest first, each letter in front: the cells read oldest to newest and
    // keep the most recent results that fit.
    auto Note = [&](int Index, int Resultat, bool Domicile) {
        if (Index < 0 || Index >= N)
            return;
        const std::string Lettre = Lieux && Domicile ? Majuscules(Lettres[Resultat]) : Lettres[Resultat];
        auto Devant = [&](int C, size_t Max) {
            const std::string Texte = Grille.GetTexte(C, Index + 1);
            if (LongueurCaracteres(Texte) < Max)
                Grille.SetTexte(C, Index + 1, Lettre + Texte);
        };
        Devant(1, 18);
        if (Lieux)
            Devant(Domicile ? 2 : 3, 10);
    };
    ParcourtMatchsRecents(Champ, [&](int Jour, int K) {
        const uint16_t S1 = Champ.GetValeurMatch(Jour, 4 * K + 2);
        const uint16_t S2 = Champ.GetValeurMatch(Jour, 4 * K + 4);
        if (S1 == TInfoComp::Aucun || S2 == TInfoComp::Aucun)
            return;
        const int Dom = Champ.IndexEquipe(Champ.GetValeurMatch(Jour, 4 * K + 1));
        const int Ext = Champ.IndexEquipe(Champ.GetValeurMatch(Jour, 4 * K + 3));
        const int Resultat = S1 > S2 ? 0 : (S1 == S2 ? 1 : 2);
        Note(Dom, Resultat, true);
        Note(Ext, 2 - Resultat, false);
    });
}

void AfficherComportementDomicile(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ)
{
    Entete(Grille, {{TexteNomEquipe, 140}, {TextePointsPris, 70}, {TextePointsPossibles, 70}, {TextePointsPerdus, 140}},
           FondTitreEquipes, 0);
    Grille.SetFixedRows(1);
    Grille.SetCouleursBarre(1, BarreDebut, BarreFin);
    Grille.SetCouleursBarre(3, BarreDebut, BarreFin);
    TCalculClassement Calcul(&Champ, &Saison);
    Calcul.Calcule(TCalculClassement::PointsPerdusDomicile, 1, nullptr, DerniereJouee(Champ));
    const int N = Calcul.GetNbEquipe();
    // The engine puts the largest share dropped first.
    for (int I = 1; I <= N; ++I) {
        const int T = Calcul.GetClassement(N - I, 1);
        const int R = AjouteLigne(Grille);
        TColor Fond = 0, Texte = 0;
        CouleursSuivi(Champ, R, T, Fond, Texte);
        CelluleEquipeIndex(Grille, 0, R, Saison, Champ, T, Fond, Texte);
        Grille.SetLien(0, R);
        Grille.SetDonnee(0, R, T);
        Grille.SetCellule(1, R, nullptr, false, Fond, Texte, 1, 1, std::to_string(Calcul.GetTotal(T, 1)));
        Grille.SetCellule(2, R, nullptr, false, Fond, Texte, 1, 1, std::to_string(Calcul.GetTotal(T, 2)));
        Grille.SetCellule(3, R, nullptr, false, Fond, Texte, 1, 1, std::to_string(Calcul.GetTotal(T, 6)) + " %");
    }
}

void AfficherPlaceOccupee(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ, int Position)
{
    const int N = Champ.GetNbEquipe();
    enum { Tete, Milieu, Dernier } Mode = Position == 1 ? Tete : (Position == N ? Dernier : Milieu);
    const int Titre = Mode == Tete ? TextePlaceLeader : TextePlace;
    if (Mode == Milieu)
        Entete(Grille,
               {{TexteJournee, 50}, {0, 160}, {TextePoints, 50}, {TexteEcartDessous, 70}, {TexteEcartDessus, 70}},
               FondTitreEquipes, 0);
    else
        Entete(Grille,
               {{TexteJournee, 50},
                {0, 160},
                {TextePoints, 50},
                {Mode == Tete ? TexteEcartDessous : TexteEcartDessus, 70}},
               FondTitreEquipes, 0);
    Grille.SetFixedRows(1);
    Grille.SetTexte(1, 0, TraduitFmt(Titre, {static_cast<long long>(Position)}));
    // A position outside the table holds no team.
    if (Position < 1 || Position > N)
        return;
    const int L = DerniereJouee(Champ);
    TCalculClassement Calcul(&Champ, &Saison);
    TColor Fond = Blanc;
    int Precedente = -1;
    auto Ecart = [&](const char* Signe, int Points, int Ligne) {
        return std::string(Signe) + std::to_string(std::abs(Points - Calcul.GetClassement(Ligne, 2))) + " " +
               Traduit(TexteUnitePoints);
    };
    for (int D = 1; D <= L; ++D) {
        // Day by day on one engine: the standings after day D.
        Calcul.Calcule(TCalculClassement::General, D, nullptr, D);
        const int T = Calcul.GetClassement(Position - 1, 1);
        const int Points = Calcul.GetClassement(Position - 1, 2);
        if (D == 1)
            Fond = FondZebre;
        else if (T != Precedente)
            Fond = Fond == FondZebre ? Blanc : FondZebre;
        Precedente = T;
        const int R = AjouteLigne(Grille);
        for (int C = 0; C < Grille.GetColCount(); ++C)
            Grille.SetCellule(C, R, nullptr, false, Fond, 0, 1, C == 1 ? 0 : 1, "");
        Grille.SetTexte(0, R, std::to_string(D));
        CelluleEquipeIndex(Grille, 1, R, Saison, Champ, T, Fond, 0);
        Grille.SetTexte(2, R, std::to_string(Points));
        if (Mode != Dernier && Position < N)
            Grille.SetTexte(3, R, Ecart("- ", Points, Position));
        if (Mode != Tete && Position > 1)
            Grille.SetTexte(Mode == Milieu ? 4 : 3, R, Ecart("+ ", Points, Position - 2));
    }
    if (Grille.GetRowCount() < 2)
        AjouteLigne(Grille);
}

void AfficherFourchetteClass(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ)
{
    Entete(Grille, {{TexteEquipeJour, 200}, {TexteMeilleurePlace, 120}, {TextePirePlace, 120}}, FondTitreCalendrier);
    Grille.SetFixedRows(1);
    const int N = Champ.GetNbEquipe();
    std::vector<std::pair<int, int>> Places(static_cast<size_t>(std::max(N, 0)), {0, 0});
    TCalculClassement Calcul(&Champ, &Saison);
    for (int D = 1; D <= DerniereJouee(Champ); ++D) {
        Calcul.Calcule(TCalculClassement::General, D, nullptr, D);
        for (int R = 0; R < Calcul.GetNbEquipe(); ++R) {
            const int T = Calcul.GetClassement(R, 1);
            if (T < 0 || T >= N)
                continue;
            auto& [Meilleure, Pire] = Places[static_cast<size_t>(T)];
            if (Meilleure == 0 || R + 1 < Meilleure)
                Meilleure = R + 1;
            if (Pire == 0 || R + 1 > Pire)
                Pire = R + 1;
        }
    }
    for (int I = 0; I < N; ++I) {
        const int R = AjouteLigne(Grille);
        TColor Fond = 0, Texte = 0;
        CouleursSuivi(Champ, R, I, Fond, Texte);
        CelluleEquipeIndex(Grille, 0, R, Saison, Champ, I, Fond, Texte);
        const auto [Meilleure, Pire] = Places[static_cast<size_t>(I)];
        // No played day yet: no place either.
        Grille.SetCellule(1, R, nullptr, false, Fond, Texte, 1, 1,
                          Meilleure > 0 ? std::to_string(Meilleure) + Degre : std::string());
        Grille.SetCellule(2, R, nullptr, false, Fond, Texte, 1, 1,
                          Pire > 0 ? std::to_string(Pire) + Degre : std::string());
    }
}

void AfficherScoresFrequents(TModeleGrille& Grille, const TSaison&, const TDonneesChampionnat& Champ)
{
    Entete(Grille, {{TexteScore, 100}, {TexteNombre, 100}, {TextePourcentage, 100}}, FondTitreEquipes, 0);
    Grille.SetFixedRows(1);
    Grille.SetCouleursBarre(2, BarreDebut, BarreFin);
    int Total = 0;
    TFrequencesScores Table{};
    TStatistique::FrequenceScores(Champ, Total, Table);
    auto Part = [&](int Nombre) { return Total > 0 ? FormatChiffres(Nombre * 100.0 / Total, 2, 2) : std::string("-"); };
    int Listes = 0;
    for (int I = 0; I < 20; ++I) {
        const TFrequenceScore& F = Table[static_cast<size_t>(I)];
        if (F.Frequence == 0)
            continue;
        const int R = AjouteLigne(Grille);
        TColor Fond = 0;
        CouleurLigne(I + 1, Fond);
        Grille.SetCellule(0, R, nullptr, false, Fond, 0, 1, 1,
                          std::to_string(F.Score >> 3) + " - " + std::to_string(F.Score & 7));
        Grille.SetCellule(1, R, nullptr, false, Fond, 0, 1, 1, std::to_string(F.Frequence));
        Grille.SetCellule(2, R, nullptr, false, Fond, 0, 1, 1, Part(F.Frequence));
        Listes += F.Frequence;
    }
    const int R = AjouteLigne(Grille);
    TColor Fond = 0;
    CouleurLigne(R, Fond);
    Grille.SetCellule(0, R, nullptr, false, Fond, 0, 1, 1, Traduit(TexteAutresScores));
    Grille.SetCellule(1, R, nullptr, false, Fond, 0, 1, 1, std::to_string(Total - Listes));
    Grille.SetCellule(2, R, nullptr, false, Fond, 0, 1, 1, Part(Total - Listes));
}

namespace {

// What kind Genre counts for each team on day Jour.
void CompteJour(const TDonneesChampionnat& Champ, int Jour, int Genre, std::vector<int>& Compte)
{
    auto Ajoute = [&](uint16_t Id, int Nombre) {
        const int T = Champ.IndexEquipe(Id);
        if (T >= 0 && T < static_cast<int>(Compte.size()))
            Compte[static_cast<size_t>(T)] += Nombre;
    };
    if (Genre == 2) {
        // Every side of the day's matches: its id, then its score.
        for (int J = 1; J <= Champ.GetNbEquipe(); ++J)
            if (const uint16_t Score = Champ.GetValeurMatch(Jour, 2 * J); Score != TInfoComp::Aucun)
                Ajoute(Champ.GetValeurMatch(Jour, 2 * J - 1), Score & 0x7FFF);
        return;
    }
    const auto* Rugby = dynamic_cast<const TDonneesChampionnatRugby*>(&Champ);
    const TListeDonnees* Liste = Genre == 1         ? Champ.GetCartonsJournee(Jour)
                                 : Genre == 3       ? Champ.GetButeursJournee(Jour)
                                 : Rugby == nullptr ? nullptr
                                 : Genre == 4       ? Rugby->GetPenalitesJournee(Jour)
                                                    : Rugby->GetDropsJournee(Jour);
    if (Liste == nullptr)
        return;
    for (int I = 0; I < Liste->Nombre(); ++I) {
        const TDonneesEvt& E = *Liste->Get(I);
        // Red cards only; a missed penalty scores nothing.
        if ((Genre == 1 && (E.GetMot() & Evt::ContreCamp) == 0) ||
            (Genre == 3 && (E.GetMot() & Evt::PenaltyManque) != 0))
            continue;
        Ajoute(E.GetEquipe(), 1);
    }
}

} // namespace

void AfficherStatParJournee(TModeleGrille& Grille, const TSaison& Saison, const TDonneesChampionnat& Champ, int Genre,
                            bool PourHtml)
{
    const int L = DerniereJouee(Champ);
    const int N = Champ.GetNbEquipe();
    const int Colonnes = L + 2 + (L > 20 ? 1 : 0);
    const bool Repete = Colonnes > 24;
    Entete(Grille, {{TexteJournee, 120}}, FondTitreEquipes, 0);
    Grille.SetColCount(Colonnes);
    Grille.SetFixedRows(1);
    for (int C = 1; C < Colonnes; ++C) {
        const bool Totaux = C == L + 1;
        const bool Noms = Repete && C == Colonnes - 1;
        Grille.SetLargeurColonne(C, Noms ? 120 : (Totaux ? 40 : 20));
        Grille.SetCellule(C, 0, nullptr, true, FondTitreEquipes, 0, 1, 1,
                          C <= L ? std::to_string(C)
                                 : (Totaux ? Traduit(TexteTotal) : (Noms ? Traduit(TexteJournee) : "")));
    }
    std::vector<std::vector<int>> Comptes(static_cast<size_t>(L + 1),
                                          std::vector<int>(static_cast<size_t>(std::max(N, 0)), 0));
    for (int D = 1; D <= L; ++D)
        CompteJour(Champ, D, Genre, Comptes[static_cast<size_t>(D)]);
    const bool Exclus = Genre == 1;
    for (int T = 0; T < N; ++T) {
        const int R = AjouteLigne(Grille);
        TColor Fond = 0;
        CouleurLigne(R, Fond);
        CelluleEquipeIndex(Grille, 0, R, Saison, Champ, T, Fond, 0);
        Grille.SetLien(0, R);
        Grille.SetDonnee(0, R, T);
        int Somme = 0;
        for (int D = 1; D <= L; ++D) {
            const int C = Comptes[static_cast<size_t>(D)][static_cast<size_t>(T)];
            Somme += C;
            if (C <= 0 || C >= 1000)
                Grille.SetCellule(D, R, nullptr, false, FondSansCompte, 0, 1, 1, "");
            else if (C == 1 && Exclus && !PourHtml)
                Grille.SetCellule(D, R, nullptr, false, Rouge, Blanc, 1, 1, "");
            else if (C == 1)
                Grille.SetCellule(D, R, nullptr, false, Blanc, 0, 1, 1, "1");
            else
                Grille.SetCellule(D, R, nullptr, false, Exclus ? Rouge : Blanc, Exclus ? Blanc : 0, 1, 1,
                                  std::to_string(C));
        }
        Grille.SetCellule(L + 1, R, nullptr, false, Blanc, Marine, 1, 1, std::to_string(Somme));
        if (Repete)
            CelluleEquipeIndex(Grille, Colonnes - 1, R, Saison, Champ, T, Fond, 0);
    }
}

std::string LigneVide(int Genre, int Stat, const TModeleGrille& Grille, const TDonneesChampionnat& Champ)
{
    enum : int { TexteSansExclusion = 3267, TexteSansRetard = 3268 };
    if (Genre == GenreListeMatchs)
        return Grille.GetRowCount() <= 1 ? Traduit(TexteSansRetard) : std::string();
    if (Genre != GenreStatParJournee || Stat != 1)
        return {};
    for (int D = 1; D <= DerniereJouee(Champ); ++D) {
        std::vector<int> Compte(static_cast<size_t>(std::max(Champ.GetNbEquipe(), 0)), 0);
        CompteJour(Champ, D, 1, Compte);
        for (const int C : Compte)
            if (C > 0)
                return {};
    }
    return Traduit(TexteSansExclusion);
}

int GenreMotCleStatParJournee(const std::string& Type)
{
    const std::string Mot = MinusculesAscii(Type);
    if (Mot == "rouge")
        return 1;
    if (Mot == "essai")
        return 3;
    if (Mot == "penalite")
        return 4;
    if (Mot == "drop")
        return 5;
    return 2;
}

} // namespace DiversStat
