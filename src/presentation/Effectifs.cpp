#include "presentation/Effectifs.h"

#include "base/Texte.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "engine/EffectifsEquipe.h"
#include "files/Image.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "presentation/ModeleGrille.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <limits>
#include <memory>

namespace Effectifs {

namespace {

constexpr TColor Blanc = 0xFFFFFF;
constexpr TColor FondSaisie = 0xCCFFFF;
constexpr TColor TraitGroupe = 0x0000FF;
constexpr uint8_t Gauche = 0;
constexpr uint8_t Centre = 1;
constexpr int HauteurLigne = 20;
constexpr int LargeurStat = 50;

struct TColonne {
    int Titre;
    int Largeur;
    uint8_t Alignement;
    uint8_t TypeTri; // 1 text, 0 number
};

// Position, shirt, surname, first name, birth year, former club, arrival,
// the career matches and goals, then the season's matches, goals and cards.
const TColonne Colonnes[NbColonnes] = {
    {74, 35, Centre, 1},  {70, 30, Centre, 0}, {71, 120, Gauche, 1}, {72, 120, Gauche, 1}, {293, 40, Centre, 0},
    {76, 130, Gauche, 0}, {75, 50, Centre, 1}, {67, 50, Centre, 0},  {68, 50, Centre, 0},  {67, 0, Centre, 0},
    {68, 0, Centre, 0},   {78, 0, Centre, 0},  {79, 0, Centre, 0},
};

std::string Tiret(int Valeur)
{
    return Valeur == 0 ? std::string("-") : std::to_string(Valeur);
}

// A number cell as the player keeps it: "-", blank or not a number give 0, and
// so does a value the byte cannot hold.
int NombreCellule(const std::string& Texte, int Max = 255, int Min = 0)
{
    const std::string t = Trim(Texte);
    const int v = t == "-" ? 0 : StrToIntDef(t, 0);
    return v >= Min && v <= Max ? v : 0;
}

// A career cell holds the signed correction the card stored: a negative one
// shown on the row must come back as it was when the row is committed.
int CorrectionCellule(const std::string& Texte)
{
    return NombreCellule(Texte, std::numeric_limits<int16_t>::max(), std::numeric_limits<int16_t>::min());
}

// The figure of one championship beside the season's total when they differ.
std::string Figure(int Valeur, int Total, bool Compare, const char* Separateur)
{
    if (!Compare || Valeur == Total)
        return std::to_string(Total);
    return std::to_string(Valeur) + Separateur + "(" + std::to_string(Total) + ")";
}

// The player's first career record of a championship filed like the career
// championship; -1 when none.
int RecordCarriere(const TSaison& Saison, const TJoueur& Joueur, const TDonneesChampionnat* Carriere)
{
    if (!Carriere)
        return -1;
    for (int i = 0; i < Joueur.NbStatHist(); ++i) {
        const int code = Joueur.GetStatCarriere(i).Code;
        const TDonneesChampionnat* champ = nullptr;
        for (int k = 1; k <= Saison.NbChampionnat() && !champ; ++k)
            if (Saison.GetChampionnat(k)->GetCode() == code)
                champ = Saison.GetChampionnat(k);
        if (champ && (champ == Carriere || (champ->Division != 0 && champ->Division == Carriere->Division)))
            return i;
    }
    return -1;
}

void EcritCellule(TModeleGrille& Grille, int Col, int Ligne, TColor Fond, const std::string& Texte)
{
    Grille.SetCellule(Col, Ligne, nullptr, false, Fond, 0, 1, Colonnes[Col].Alignement, Texte);
}

void EcritLigneSaisie(TModeleGrille& Grille, int Ligne)
{
    for (int c = 0; c < NbColonnes; ++c)
        EcritCellule(Grille, c, Ligne, FondSaisie, std::string());
    Grille.SetCouleurLigne(Ligne, 0);
}

std::string Element(int Id, bool Courant, char Signe, const std::string& Nom)
{
    char id[16];
    std::snprintf(id, sizeof id, "%04d", Id);
    return std::string(id) + (Courant ? '1' : '0') + Signe + Nom;
}

} // namespace

std::vector<TElementEquipe> ListeEquipes(const TSaison& Saison)
{
    std::vector<TElementEquipe> liste;
    const TDonneesChampionnat* courant = Saison.GetChampCourant();
    if (courant)
        for (int p = 0; p < courant->GetNbEquipe(); ++p) {
            const int id = courant->GetEquipe(p);
            if (id >= 0 && id < 65535)
                liste.push_back({Element(id, true, '\x01', Saison.GetNomEquipe(static_cast<uint16_t>(id))),
                                 courant->EstInternational() ? 1 : 0});
        }
    struct TAutre {
        std::string Nom;
        TElementEquipe Element;
    };
    std::vector<TAutre> autres;
    for (int i = 0; i < Saison.NbEquipe(); ++i) {
        const int id = Saison.GetIdEquipe(i);
        if (id < 0 || id >= 65535 || (courant && courant->IndexEquipe(id) >= 0))
            continue;
        const TDonneesChampionnat* champ = nullptr;
        for (int k = 1; k <= Saison.NbChampionnat() && !champ; ++k)
            if (Saison.GetChampionnat(k)->IndexEquipe(id) >= 0)
                champ = Saison.GetChampionnat(k);
        const std::string nom = Saison.GetNomEquipe(static_cast<uint16_t>(id));
        autres.push_back({nom, {Element(id, false, champ ? '\x05' : '\x04', nom), champ && champ->EstInternational()}});
    }
    std::stable_sort(autres.begin(), autres.end(), [](const TAutre& a, const TAutre& b) { return a.Nom < b.Nom; });
    for (const TAutre& a : autres)
        liste.push_back(a.Element);
    return liste;
}

int IdElement(const std::string& Texte)
{
    if (Texte.size() < 4 || Texte.substr(0, 4).find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoi(Texte.substr(0, 4));
}

void RemplitTableau(bool Statistiques, int Equipe, int ChampCarriere, bool& Recalcul, TSaison& Saison,
                    TModeleGrille& Grille, int ChampComparaison)
{
    if (Statistiques && Recalcul) {
        Saison.RecalculeJoueurs();
        Recalcul = false;
    }
    const bool national = (Equipe & BitNational) != 0;
    const std::vector<TJoueur*> joueurs =
        Equipe < 0 ? std::vector<TJoueur*>() : Saison.Joueurs().GetListeEquipeParPoste(Equipe & 0xFFFF);
    const TDonneesChampionnat* carriere = Saison.GetChampionnat(ChampCarriere);
    const bool compare = Saison.GetChampionnat(ChampComparaison) != nullptr;
    const auto cle = static_cast<uint16_t>(std::max(ChampComparaison, 0));

    Grille.SetColCount(NbColonnes);
    Grille.SetRowCount(static_cast<int>(joueurs.size()) + 2);
    Grille.SetFixedRows(1);
    Grille.SetFixedCols(0);
    Grille.SetOptions(OptionsGrilleDefaut | goEditing);
    Grille.FixedEndRow = 1;
    Grille.TriCol = true;
    Grille.TriConserveFond = true;
    Grille.SetDefaultRowHeight(HauteurLigne);
    for (int c = 0; c < NbColonnes; ++c) {
        const int largeur = c >= PremiereColonneStat ? (Statistiques ? LargeurStat : 0) : Colonnes[c].Largeur;
        Grille.SetLargeurColonne(c, largeur);
        Grille.SetCellule(c, 0, nullptr, false, Blanc, 0, 1, c == 1 || c == 2 ? Gauche : Centre,
                          Traduit(Colonnes[c].Titre));
        Grille.SetTypeTri(c, Colonnes[c].TypeTri);
        Grille.SetEtatTri(c, 0);
    }
    Grille.SetEtatTri(0, 2);
    Grille.SetDonnee(7, 0, carriere ? carriere->Division : 0);

    for (int i = 0; i < static_cast<int>(joueurs.size()); ++i) {
        const TJoueur& j = *joueurs[i];
        const int ligne = i + 1;
        TColor fond = Blanc;
        CouleurLigne(ligne, fond);
        const int record = RecordCarriere(Saison, j, carriere);
        const TStatCarriere stat = record >= 0 ? j.GetStatCarriere(record) : TStatCarriere{};
        const std::string textes[PremiereColonneStat] = {std::string(1, j.GetLettrePoste()),
                                                         Tiret(national ? j.MaillotNational : j.Maillot),
                                                         j.Nom,
                                                         j.Prenom,
                                                         Tiret(j.Age),
                                                         Saison.GetClubPrec(j.ClubPrec),
                                                         j.Duree == 0 ? "-" : std::to_string(j.Duree + 1900),
                                                         std::to_string(stat.Matchs),
                                                         std::to_string(stat.Buts)};
        for (int c = 0; c < PremiereColonneStat; ++c)
            EcritCellule(Grille, c, ligne, fond, textes[c]);
        if (Statistiques) {
            EcritCellule(Grille, 9, ligne, fond, Figure(j.GetNbMatch(cle), j.GetNbMatchTotal(), compare, " "));
            EcritCellule(Grille, 10, ligne, fond, Figure(j.GetNbBut(cle), j.NbButTotal(), compare, ""));
            EcritCellule(Grille, 11, ligne, fond,
                         Figure(j.GetAvertissements(cle), j.TotalAvertissements(), compare, ""));
            EcritCellule(Grille, 12, ligne, fond, Figure(j.GetExpulsions(cle), j.TotalExpulsions(), compare, ""));
        } else {
            for (int c = PremiereColonneStat; c < NbColonnes; ++c)
                EcritCellule(Grille, c, ligne, fond, std::string());
        }
        Grille.SetDonnee(0, ligne, j.Numero);
        if (record >= 0)
            Grille.SetDonnee(7, ligne, stat.Code);
        const bool finGroupe =
            i + 1 == static_cast<int>(joueurs.size()) || joueurs[i + 1]->GetNumeroPoste() != j.GetNumeroPoste();
        Grille.SetCouleurLigne(ligne, finGroupe ? TraitGroupe : 0);
    }
    EcritLigneSaisie(Grille, Grille.GetRowCount() - 1);
}

int HauteurGrille(const TModeleGrille& Grille)
{
    return (Grille.GetRowCount() + 2) * HauteurLigne;
}

int LargeurGrille(bool Statistiques)
{
    return Statistiques ? 835 : 635;
}

std::string MasqueEdition(int Col)
{
    switch (Col) {
    case 0:
        return "L";
    case 1:
    case 4:
        return "!90";
    case 6:
        return "!0000";
    case 7:
    case 8:
        return "!990";
    default:
        return {};
    }
}

int AnneeCellule(const std::string& Texte)
{
    const std::string t = Trim(Texte);
    const int annee = t == "-" ? 0 : StrToIntDef(t, 0);
    return annee >= 1901 && annee <= 2155 ? annee - 1900 : 0;
}

std::string EffectifEquipe(TSaison& Saison, const std::string& NomEquipe, const std::vector<std::string>& Couleurs)
{
    const int id = Saison.ChercheEquipe(NomEquipe);
    if (id < 0)
        return "Equipe \"" + NomEquipe + "\" inconnue<br/>";
    const std::vector<int> champs = Saison.ListeChampEquipe(id);
    const int num = champs.empty() ? Saison.GetNumChampCourant() : champs.front();
    const TDonneesChampionnat* champ = Saison.GetChampionnat(num);
    const int equipe = id | (champ && champ->EstInternational() ? BitNational : 0);
    bool recalcul = true;
    TModeleGrille grille;
    RemplitTableau(true, equipe, num, recalcul, Saison, grille, num);
    grille.SetRowCount(grille.GetRowCount() - 1);
    return grille.GetTableHtml(Couleurs);
}

// ---------------------------------------------------------------- TEffectifs

TEffectifs::TEffectifs(TSaison& Saison, TModeleGrille& Grille) : FSaison(Saison), FGrille(Grille) {}

void TEffectifs::Modifie()
{
    if (OnModifie)
        OnModifie();
}

void TEffectifs::Remplit(int Position, bool StatsCachees)
{
    FStatsCachees = StatsCachees;
    FEquipes = ListeEquipes(FSaison);
    const TDonneesChampionnat* courant = FSaison.GetChampCourant();
    FEquipe = -1;
    if (courant && Position >= 0 && Position < courant->GetNbEquipe())
        FEquipe = courant->GetEquipe(Position) | (courant->EstInternational() ? BitNational : 0);
    else if (!FEquipes.empty())
        FEquipe = IdElement(FEquipes.front().Texte) | (FEquipes.front().Objet ? BitNational : 0);
    FChampComparaison = FChampCarriere = courant ? FSaison.GetNumChampCourant() : -1;
    RemplitGrille();
    FGrille.SelectionneCellule(1, 1);
}

int TEffectifs::IndexEquipe() const
{
    for (int i = 0; i < static_cast<int>(FEquipes.size()); ++i)
        if (FEquipe >= 0 && IdElement(FEquipes[i].Texte) == (FEquipe & 0xFFFF))
            return i;
    return -1;
}

bool TEffectifs::ChangeEquipe(int Index)
{
    if (Index < 0 || Index >= static_cast<int>(FEquipes.size()))
        return false;
    const TElementEquipe& e = FEquipes[Index];
    const int equipe = IdElement(e.Texte) | (e.Objet ? BitNational : 0);
    if (equipe == FEquipe)
        return false;
    ValideTout();
    FChampComparaison = e.Texte.size() > 4 && e.Texte[4] == '1' ? FSaison.GetNumChampCourant() : -1;
    FEquipe = equipe;
    RemplitGrille();
    FGrille.SelectionneCellule(1, 1);
    return true;
}

void TEffectifs::RemplitGrille()
{
    RemplitTableau(!FStatsCachees, FEquipe, FChampCarriere, FRecalcul, FSaison, FGrille, FChampComparaison);
    FEditee.assign(static_cast<size_t>(FGrille.GetRowCount()), false);
}

bool TEffectifs::SetTexte(int Col, int Ligne, const std::string& Texte)
{
    if (Col < 0 || Col >= PremiereColonneStat || Ligne < 1 || Ligne >= FGrille.GetRowCount())
        return false;
    FGrille.SetTexte(Col, Ligne, Texte);
    if (Trim(Texte).empty())
        return false;
    FEditee.resize(static_cast<size_t>(FGrille.GetRowCount()), false);
    FEditee[static_cast<size_t>(Ligne)] = true;
    if (!EstLigneSaisie(Ligne))
        return false;
    // The typed row becomes a row of the team and a new entry row follows it.
    TColor fond = Blanc;
    CouleurLigne(Ligne, fond);
    for (int c = 0; c < NbColonnes; ++c)
        FGrille.SetCouleurFond(c, Ligne, fond);
    FGrille.SetRowCount(Ligne + 2);
    EcritLigneSaisie(FGrille, Ligne + 1);
    FEditee.resize(static_cast<size_t>(FGrille.GetRowCount()), false);
    return true;
}

bool TEffectifs::SelectionneCellule(int Col, int Ligne)
{
    if (Col >= PremiereColonneStat)
        return false;
    const int quittee = FGrille.GetRow();
    if (Ligne != quittee && quittee >= 1 && quittee < static_cast<int>(FEditee.size()) &&
        FEditee[static_cast<size_t>(quittee)])
        ValideLigne(quittee);
    return true;
}

bool TEffectifs::EstLigneSaisie(int Ligne) const
{
    return Ligne >= 1 && Ligne == FGrille.GetRowCount() - 1;
}

TJoueur* TEffectifs::JoueurLigne(int Ligne) const
{
    if (Ligne < 1 || Ligne >= FGrille.GetRowCount() || FGrille.GetCellObject(0, Ligne) == nullptr)
        return nullptr;
    const int id = FGrille.GetDonnee(0, Ligne);
    return id > 0 ? FSaison.Joueurs().ChercheId(id, FEquipe < 0 ? 65535 : FEquipe & 0xFFFF) : nullptr;
}

void TEffectifs::ValideLigne(int Ligne)
{
    int premiere = Ligne, derniere = Ligne;
    if (Ligne == -1) {
        premiere = 1;
        derniere = FGrille.GetRowCount() - 1;
    }
    const uint16_t equipe = static_cast<uint16_t>(FEquipe < 0 ? 65535 : FEquipe & 0xFFFF);
    const bool national = FEquipe >= 0 && (FEquipe & BitNational) != 0;
    bool rafraichir = false;
    for (int r = std::max(premiere, 1); r <= derniere && r < FGrille.GetRowCount(); ++r) {
        if (r < static_cast<int>(FEditee.size()))
            FEditee[static_cast<size_t>(r)] = false;
        const std::string nom = Trim(FGrille.GetTexte(2, r));
        if (nom.empty())
            continue;
        const std::string prenom = Trim(FGrille.GetTexte(3, r));
        bool change = false;
        auto ecrit = [&change](auto& champ, int valeur) {
            using T = std::remove_reference_t<decltype(champ)>;
            if (champ != static_cast<T>(valeur)) {
                champ = static_cast<T>(valeur);
                change = true;
            }
        };

        TJoueur* j = JoueurLigne(r);
        std::unique_ptr<TJoueur> nouveau;
        if (!j) {
            nouveau = FSaison.CreeJoueur(nom, prenom, -1, 65535);
            nouveau->SetEquipe(equipe);
            nouveau->ClubPrec = 65535;
            j = nouveau.get();
            change = true;
        }
        ecrit(national ? j->MaillotNational : j->Maillot, NombreCellule(FGrille.GetTexte(1, r)));
        ecrit(j->Age, NombreCellule(FGrille.GetTexte(4, r)));
        ecrit(j->Duree, AnneeCellule(FGrille.GetTexte(6, r)));

        bool ordre = false;
        if (NormaliseNom(j->Nom) != NormaliseNom(nom)) {
            j->Nom = nom;
            ordre = change = true;
        }
        if (NormaliseNom(j->Prenom) != NormaliseNom(prenom)) {
            j->Prenom = prenom;
            ordre = change = true;
        }
        const std::string poste = Trim(FGrille.GetTexte(0, r));
        if (!poste.empty()) {
            const char lettre = static_cast<char>(std::toupper(static_cast<unsigned char>(poste[0])));
            if (lettre != j->GetLettrePoste()) {
                j->SetLettrePoste(lettre);
                rafraichir = change = true;
            }
        }
        // A former club outside the list shows empty: an empty cell keeps it.
        const std::string club = Majuscules(Trim(FGrille.GetTexte(5, r)));
        if (!club.empty() || !FSaison.GetClubPrec(j->ClubPrec).empty()) {
            const int index = club.empty() ? 65535 : FSaison.ChercheClubPrec(club, true);
            ecrit(j->ClubPrec, index >= 0 ? index : 65535);
        }
        const int code = FGrille.GetDonnee(7, r) > 0 ? FGrille.GetDonnee(7, r) : FGrille.GetDonnee(7, 0);
        if (code > 0) {
            const int matchs = CorrectionCellule(FGrille.GetTexte(7, r));
            const int buts = CorrectionCellule(FGrille.GetTexte(8, r));
            TStatCarriere stat;
            if (j->ChercheStatCarriere(code, &stat) == 65535)
                stat = TStatCarriere{};
            if (stat.Matchs != matchs || stat.Buts != buts) {
                j->SetStatHist(code, 0, matchs);
                j->SetStatHist(code, 1, buts);
                change = true;
            }
        }

        TListeRenumerotation renum;
        if (nouveau) {
            j = FSaison.Joueurs().Ajoute(std::move(nouveau), &renum);
            FGrille.SetDonnee(0, r, j ? j->Numero : 0);
            rafraichir = true;
        } else if (ordre) {
            j = FSaison.Joueurs().ChangeEquipe(j, &renum);
            rafraichir = true;
        }
        FSaison.AppliqueRenumJoueurs(renum);
        if (change)
            Modifie();
    }
    if (rafraichir)
        RemplitGrille();
}

int TEffectifs::ModeFiche() const
{
    return (FEquipe < 0 ? 65535 : FEquipe & 0xFFFF) + (FStatsCachees ? 0 : 0x10000);
}

int TEffectifs::PosteDefaut(int Ligne, bool AuDessus) const
{
    const TJoueur* j = AuDessus || EstLigneSaisie(Ligne) ? JoueurLigne(Ligne - 1) : JoueurLigne(Ligne);
    return j ? j->GetNumeroPoste() - 1 : 0;
}

void TEffectifs::Edite(int Ligne, const TFiche& Fiche)
{
    if (Ligne < 1 || Ligne >= FGrille.GetRowCount() || !Fiche)
        return;
    const bool saisie = EstLigneSaisie(Ligne);
    const TJoueur* avant = JoueurLigne(Ligne);
    const int id = avant ? avant->Numero : 0;
    const int poste = PosteDefaut(Ligne, false);
    ValideTout();
    TJoueur* joueur = saisie || id <= 0 ? nullptr : FSaison.Joueurs().ChercheId(id);
    if (!saisie && !joueur)
        return;
    bool change = false;
    if (Fiche(joueur, FChampComparaison, ModeFiche(), poste, &change) && change) {
        Modifie();
        RemplitGrille();
    }
}

void TEffectifs::Insere(int Ligne, const TFiche& Fiche)
{
    if (!Fiche)
        return;
    const int poste = PosteDefaut(Ligne, false);
    ValideTout();
    TJoueur* joueur = nullptr;
    bool change = false;
    if (Fiche(joueur, FChampComparaison, ModeFiche(), poste, &change)) {
        if (change)
            Modifie();
        RemplitGrille();
    }
}

bool TEffectifs::Libere(int Ligne)
{
    const TJoueur* avant = EstLigneSaisie(Ligne) ? nullptr : JoueurLigne(Ligne);
    if (!avant)
        return false;
    const int id = avant->Numero;
    ValideTout();
    TJoueur* j = FSaison.Joueurs().ChercheId(id);
    if (!j)
        return false;
    LibereJoueur(FSaison, *j, FEquipe & 0xFFFF);
    Modifie();
    RemplitGrille();
    return true;
}

bool TEffectifs::AccepteDepot(int Index) const
{
    if (Index < 0 || Index >= static_cast<int>(FEquipes.size()))
        return false;
    const int id = IdElement(FEquipes[Index].Texte);
    return id >= 0 && id != (FEquipe & 0xFFFF);
}

bool TEffectifs::Transfere(int Ligne, int Index)
{
    const TJoueur* avant = EstLigneSaisie(Ligne) ? nullptr : JoueurLigne(Ligne);
    if (!avant || !AccepteDepot(Index))
        return false;
    const int id = avant->Numero;
    ValideTout();
    TJoueur* j = FSaison.Joueurs().ChercheId(id);
    if (!j)
        return false;
    TransfereJoueur(FSaison, *j, FEquipe & 0xFFFF, IdElement(FEquipes[Index].Texte));
    Modifie();
    RemplitGrille();
    return true;
}

// ---------------------------------------------------------------- TSaisieRapide

void TSaisieRapide::SetEquipe(int Equipe)
{
    FEquipe = Equipe;
    FPresents.clear();
    if (const std::vector<TJoueur*>* liste = FSaison.Joueurs().GetListeEquipe(Equipe))
        for (const TJoueur* j : *liste)
            FPresents.push_back(Libelle(*j));
}

std::string TSaisieRapide::Libelle(const TJoueur& Joueur) const
{
    return Joueur.Nom + " " + Joueur.Prenom + " (" + Joueur.GetLibelleClubs() + ")";
}

std::vector<TSaisieRapide::TChoix> TSaisieRapide::Choix() const
{
    std::vector<TChoix> choix;
    for (int i = 0; i < FSaison.Joueurs().Nombre(); ++i)
        if (const TJoueur* j = FSaison.Joueurs().Get(i))
            choix.push_back({Libelle(*j), j->Numero});
    std::stable_sort(choix.begin(), choix.end(), [](const TChoix& a, const TChoix& b) { return a.Texte < b.Texte; });
    return choix;
}

bool TSaisieRapide::Ajoute(const std::string& Texte, bool AfficheFiche, const TFiche& Fiche)
{
    const std::string texte = Trim(Texte);
    if (texte.empty() || FEquipe < 0 || FEquipe >= 65535)
        return false;
    const auto equipe = static_cast<uint16_t>(FEquipe);
    const int num = FSaison.GetNumChampCourant();
    const int mode = FEquipe + 0x10000;
    const std::vector<TChoix> choix = Choix();
    const auto trouve = std::find_if(choix.begin(), choix.end(), [&](const TChoix& c) { return c.Texte == texte; });
    bool change = false;
    TJoueur* joueur = nullptr;
    bool accepte = true;
    if (trouve == choix.end()) {
        const size_t blanc = texte.find(' ');
        const std::string nom = texte.substr(0, blanc);
        const std::string prenom = blanc == std::string::npos ? std::string() : Trim(texte.substr(blanc + 1));
        std::unique_ptr<TJoueur> nouveau = FSaison.CreeJoueur(nom, prenom, -1, 65535);
        nouveau->SetEquipe(equipe);
        nouveau->ClubPrec = 65535;
        nouveau->Duree = static_cast<uint8_t>(AnneeSaison(FSaison));
        // The card edits him before he joins the registry: a cancel leaves
        // the season as it was.
        joueur = nouveau.get();
        bool modifie = false;
        accepte = Fiche && Fiche(joueur, num, mode, 2, &modifie);
        if (!accepte)
            return false;
        if (joueur == nouveau.get() || joueur == nullptr) {
            TListeRenumerotation renum;
            joueur = FSaison.Joueurs().Ajoute(std::move(nouveau), &renum);
            FSaison.AppliqueRenumJoueurs(renum);
        }
        change = true;
    } else {
        joueur = FSaison.Joueurs().ChercheId(trouve->Id);
        if (!joueur)
            return false;
        joueur = ArriveeJoueur(FSaison, *joueur, equipe);
        change = true;
        if (joueur && AfficheFiche) {
            bool modifie = false;
            accepte = Fiche && Fiche(joueur, num, mode, 2, &modifie);
        }
    }
    if (joueur && accepte)
        FPresents.push_back(Libelle(*joueur));
    FChange = FChange || change;
    return change;
}

} // namespace Effectifs
