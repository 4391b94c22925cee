#include "presentation/ListesPersonnes.h"

#include "base/Texte.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "files/Image.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "model/Personnels.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"
#include "presentation/ModeleGrille.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace ListesPersonnes {

namespace {

constexpr TColor FondSaisie = 0xCCFFFF;
constexpr TColor Blanc = 0xFFFFFF;
constexpr uint8_t Gauche = 0;
constexpr uint8_t Centre = 1;
constexpr int HauteurLigne = 20;

struct TColonne {
    int Largeur;
    int Titre;
    uint8_t Alignement;
};

// The stadium headers name what their columns hold.
const std::vector<TColonne>& Colonnes(TGenre Genre)
{
    static const std::vector<TColonne> arbitres{{120, 71, Gauche}, {120, 72, Gauche}, {50, 67, Centre},
                                                {50, 302, Centre}, {50, 78, Centre},  {50, 79, Centre}};
    static const std::vector<TColonne> stades{
        {150, 1020, Gauche}, {100, 1021, Gauche}, {80, 1025, Centre}, {70, 1022, Centre}, {50, 1023, Centre}};
    return Genre == TGenre::Arbitres ? arbitres : stades;
}

int TexteTous(TGenre Genre)
{
    return Genre == TGenre::Arbitres ? 1190 : 1189;
}

bool PaysUtilise(const TSaison& Saison, TGenre Genre, uint16_t Code)
{
    return Genre == TGenre::Arbitres ? Saison.Arbitres().PaysUtilise(Code) : Saison.Stades().PaysUtilise(Code);
}

// Column 0 keeps the row's entry; a row without one keeps AucuneEntree.
void EcritLigne(TModeleGrille& Grille, TGenre Genre, int Ligne, const std::vector<std::string>& Textes, int Entree,
                TColor Fond)
{
    const auto& colonnes = Colonnes(Genre);
    for (int c = 0; c < static_cast<int>(colonnes.size()); ++c)
        Grille.SetCellule(c, Ligne, nullptr, false, Fond, 0, 1, colonnes[c].Alignement,
                          c < static_cast<int>(Textes.size()) ? Textes[c] : std::string());
    Grille.SetDonnee(0, Ligne, Entree);
    Grille.SetTraitLigne(Ligne, true);
}

std::vector<std::string> TextesArbitre(const TPersonnelStat& A)
{
    return {A.Nom,
            A.Prenom,
            std::to_string(A.TotalMatchs()),
            std::to_string(A.TotalBut()),
            std::to_string(A.TotalAvertissements()),
            std::to_string(A.TotalExpulsions())};
}

std::vector<std::string> TextesStade(const TSaison& Saison, const TStade& S)
{
    return {S.NomStade, S.Ville, S.GetNomPays(&Saison.Pays()), std::to_string(S.Capacite),
            std::to_string(S.DateConstruction)};
}

void PourChaqueMatch(const TSaison& Saison, const std::function<void(TInfoComp&)>& Action)
{
    for (int k = 1; k <= Saison.NbChampionnat(); ++k) {
        const TDonneesChampionnat* champ = Saison.GetChampionnat(k);
        if (!champ)
            continue;
        const TJournees& journees = champ->GetJournees();
        for (int j = 1; j <= journees.NbJournees(); ++j) {
            const TInfoCompJour* jour = journees.GetJournee(j);
            for (int i = 0; jour && i < jour->NbMatch(); ++i)
                if (TInfoComp* match = jour->GetMatch(i))
                    Action(*match);
        }
    }
}

std::string Vide(const std::string& texte)
{
    return Trim(texte);
}

} // namespace

std::vector<TPays> ListePays(const TSaison& Saison, TGenre Genre)
{
    std::vector<TPays> pays;
    const TListePays& liste = Saison.Pays();
    for (int code = 0; code < liste.Nombre() && code < SansPays; ++code)
        if (!liste.GetNom(code).empty() && PaysUtilise(Saison, Genre, static_cast<uint16_t>(code)))
            pays.push_back({code, liste.GetNom(code)});
    std::stable_sort(pays.begin(), pays.end(),
                     [](const TPays& a, const TPays& b) { return NormaliseNom(a.Nom) < NormaliseNom(b.Nom); });
    pays.insert(pays.begin(), TPays{TousLesPays, Traduit(TexteTous(Genre))});
    pays.push_back({SansPays, Traduit(1207)});
    return pays;
}

std::string TexteElementPays(const TPays& Pays)
{
    char code[16];
    std::snprintf(code, sizeof code, "%05d", Pays.Code);
    return std::string(code) + '\x05' + Pays.Nom;
}

int CodeElementPays(const std::string& Texte)
{
    if (Texte.size() < 5 || Texte.substr(0, 5).find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoi(Texte.substr(0, 5));
}

void RemplitGrille(const TSaison& Saison, TGenre Genre, int Pays, TModeleGrille& Grille, bool LigneSaisie)
{
    const auto& colonnes = Colonnes(Genre);
    std::vector<std::pair<std::vector<std::string>, int>> lignes;
    if (Genre == TGenre::Arbitres) {
        const auto personnes =
            Pays == TousLesPays ? Saison.Arbitres().Liste() : Saison.Arbitres().ListePays(static_cast<uint16_t>(Pays));
        for (const TPersonnel* p : personnes)
            if (const auto* a = dynamic_cast<const TPersonnelStat*>(p))
                lignes.push_back({TextesArbitre(*a), a->Numero});
    } else {
        const auto stades =
            Pays == TousLesPays ? Saison.Stades().Liste() : Saison.Stades().ListePays(static_cast<uint16_t>(Pays));
        for (const TStade* s : stades)
            lignes.push_back({TextesStade(Saison, *s), s->Code});
    }

    Grille.SetColCount(static_cast<int>(colonnes.size()));
    Grille.SetRowCount(static_cast<int>(lignes.size()) + (LigneSaisie ? 2 : 1));
    Grille.SetFixedRows(1);
    Grille.FixedEndRow = LigneSaisie ? 1 : 0;
    Grille.TriCol = true;
    Grille.TriConserveFond = true;
    Grille.SetDefaultRowHeight(HauteurLigne);
    for (int c = 0; c < static_cast<int>(colonnes.size()); ++c) {
        Grille.SetLargeurColonne(c, colonnes[c].Largeur);
        Grille.SetCellule(c, 0, nullptr, false, Blanc, 0, 1, Centre, Traduit(colonnes[c].Titre));
        Grille.SetTypeTri(c, c < 2 ? 1 : 0);
        Grille.SetEtatTri(c, 0);
    }
    // The registries are in name order: column 0 starts sorted.
    Grille.SetEtatTri(0, 2);
    for (int i = 0; i < static_cast<int>(lignes.size()); ++i) {
        TColor fond = Blanc;
        CouleurLigne(i + 1, fond);
        EcritLigne(Grille, Genre, i + 1, lignes[i].first, lignes[i].second, fond);
    }
    if (LigneSaisie)
        EcritLigne(Grille, Genre, Grille.GetRowCount() - 1, {}, AucuneEntree, FondSaisie);
}

int HauteurGrille(const TModeleGrille& Grille)
{
    return (Grille.GetRowCount() + 2) * HauteurLigne;
}

int EntreeLigne(const TModeleGrille& Grille, int Ligne)
{
    if (Ligne < 1 || Ligne >= Grille.GetRowCount() || Grille.GetCellObject(0, Ligne) == nullptr)
        return AucuneEntree;
    return Grille.GetDonnee(0, Ligne);
}

TPersonnelStat* ArbitreLigne(const TSaison& Saison, const TModeleGrille& Grille, int Ligne)
{
    const int id = EntreeLigne(Grille, Ligne);
    return id == AucuneEntree ? nullptr : dynamic_cast<TPersonnelStat*>(Saison.Arbitres().ChercheId(id));
}

TStade* StadeLigne(const TSaison& Saison, const TModeleGrille& Grille, int Ligne)
{
    const int code = EntreeLigne(Grille, Ligne);
    return code == AucuneEntree ? nullptr : Saison.Stades().ChercheCode(code);
}

bool ArbitreNomme(const TSaison& Saison, int Id)
{
    if (Id <= 0)
        return false;
    bool nomme = false;
    PourChaqueMatch(Saison, [&](TInfoComp& m) {
        for (int i = 1; i <= 3; ++i)
            if (m.GetArbitre(i) == Id)
                nomme = true;
    });
    return nomme;
}

bool SupprimeArbitre(TSaison& Saison, const TPersonnelStat* Arbitre)
{
    if (!Arbitre || ArbitreNomme(Saison, Arbitre->Numero))
        return false;
    return Saison.Arbitres().Retire(Arbitre) != nullptr;
}

void SupprimeStade(TSaison& Saison, const TStade* Stade)
{
    if (!Stade)
        return;
    const uint16_t code = Stade->Code;
    PourChaqueMatch(Saison, [code](TInfoComp& m) {
        if (m.GetStade() == code)
            m.SetStade(65535);
    });
    for (int i = 0; i < Saison.RensClubs().Nombre(); ++i)
        if (TRensClub* club = Saison.RensClubs().Get(i); club && club->CodeStade == code)
            club->SetStade(nullptr);
    Saison.Stades().Retire(Stade);
}

bool TexteSaisi(TModeleGrille& Grille, int Col, int Ligne, const std::string& Texte)
{
    if (Col < 0 || Col > 1 || Ligne < 1 || Ligne >= Grille.GetRowCount())
        return false;
    Grille.SetTexte(Col, Ligne, Texte);
    if (Ligne != Grille.GetRowCount() - 1 || Vide(Texte).empty())
        return false;
    // The typed row becomes an ordinary row and a new entry row follows it.
    TColor fond = Blanc;
    CouleurLigne(Ligne, fond);
    for (int c = 0; c < Grille.GetColCount(); ++c)
        Grille.SetCouleurFond(c, Ligne, fond);
    Grille.SetRowCount(Ligne + 2);
    EcritLigne(Grille, TGenre::Arbitres, Ligne + 1, {}, AucuneEntree, FondSaisie);
    return true;
}

TResultatSaisie ValideLigne(TSaison& Saison, int Pays, TModeleGrille& Grille, int Ligne)
{
    TResultatSaisie resultat;
    if (Ligne < 1 || Ligne >= Grille.GetRowCount())
        return resultat;
    const std::string nom = Vide(Grille.GetTexte(0, Ligne)), prenom = Vide(Grille.GetTexte(1, Ligne));
    if (nom.empty())
        return resultat;
    TPersonnels& registre = Saison.Arbitres();
    TPersonnelStat* arbitre = ArbitreLigne(Saison, Grille, Ligne);
    std::unique_ptr<TPersonnel> pris;
    if (!arbitre) {
        auto nouveau = std::make_unique<TPersonnelStat>(nom, prenom, 0, -1);
        nouveau->CodePays = static_cast<uint16_t>(Pays == TousLesPays ? SansPays : Pays);
        pris = std::move(nouveau);
    } else {
        if (NormaliseNom(arbitre->Nom) == NormaliseNom(nom) && NormaliseNom(arbitre->Prenom) == NormaliseNom(prenom))
            return resultat;
        arbitre->Nom = nom;
        arbitre->Prenom = prenom;
        pris = registre.Retire(arbitre);
    }
    // A name already held merges into its owner, as the card does.
    TListeRenumerotation renum;
    const int position = registre.Ajoute(std::move(pris), &renum);
    if (!renum.empty()) {
        Saison.AppliqueRenumArbitres(renum);
        Saison.RecalculeArbitres();
    }
    if (const TPersonnel* garde = registre.Get(position))
        Grille.SetDonnee(0, Ligne, garde->Numero);
    resultat.Change = resultat.Rafraichir = true;
    return resultat;
}

TResultatSaisie ValideLignes(TSaison& Saison, int Pays, TModeleGrille& Grille)
{
    TResultatSaisie total;
    for (int ligne = 1; ligne < Grille.GetRowCount(); ++ligne) {
        const TResultatSaisie r = ValideLigne(Saison, Pays, Grille, ligne);
        total.Change = total.Change || r.Change;
        total.Rafraichir = total.Rafraichir || r.Rafraichir;
    }
    return total;
}

std::string TableHtml(const TSaison& Saison, TGenre Genre, const std::string& NomPays,
                      const std::vector<std::string>& Couleurs)
{
    const int code = NomPays.empty() ? SansPays : Saison.Pays().IndexNom(NomPays);
    const int pays = code >= 0 && code < SansPays ? code : TousLesPays;
    TModeleGrille grille;
    RemplitGrille(Saison, Genre, pays, grille, false);
    return grille.GetTableHtml(Couleurs);
}

} // namespace ListesPersonnes
