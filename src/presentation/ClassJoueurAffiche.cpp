// The player and referee rankings on the ranking page: the grid of the places
// that fit, and the running text of the others in the two reports.

#include "engine/ClassJoueur.h"

#include <algorithm>
#include <optional>

#include "base/Format.h"
#include "base/oTraducteur.h"
#include "engine/CalculClassement.h"
#include "files/Image.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/Personnels.h"
#include "model/SaisonFoot.h"
#include "presentation/ModeleEditeur.h"
#include "presentation/ModeleGrille.h"

namespace {

namespace G = GenreClassement;

constexpr int HauteurLigne = 18;
constexpr TColor FondVide = 0xFFFFFF;
constexpr TColor TexteVide = 0x800000;
// Colour codes of the reports.
constexpr uint8_t CodePlace = 14;
constexpr uint8_t CodeNom = 15;
constexpr uint8_t CodeEquipe = 11;

// Heading of the value column of a player kind: a text id, -1 for "%", 0 for none.
int IdEnTeteJoueur(int genre, bool rugby)
{
    switch (genre) {
    case 0:
        return rugby ? 499 : 102;
    case 1:
        return 103;
    case 2:
        return 104;
    case 3:
        return 105;
    case 4:
        return 106;
    case 5:
        return 299;
    case 6:
    case 7:
        return 300;
    case 8:
        return 816;
    case 9:
        return 575;
    case 10:
        return 50;
    case 11:
        return 500;
    case 12:
        return 501;
    case 13:
        return 502;
    case 14:
        return 40;
    case 15:
    case 16:
    case 17:
    case 30:
    case 31:
        return 196;
    case 18:
    case 19:
    case 20:
        return -1;
    case 21:
    case 22:
        return 584;
    case 23:
        return 586;
    case 24:
        return 588;
    case 25:
        return 585;
    case 26:
        return 587;
    case 27:
        return 581;
    case 28: // rebounds of both kinds
        return 576;
    case 29:
        return 1179;
    case 45: // fouls and fouls drawn in one match
        return 650;
    case 46:
        return 1292;
    default:
        return genre >= 32 && genre <= 44 ? IdEnTeteJoueur(genre - 18, rugby) : 0;
    }
}

// Heading of the value column of one club's grid.
int IdEnTeteEquipe(int genre)
{
    static constexpr int Ids[29] = {102,  78,   79,   303, 503, 303, 501, 502, 40,  1139, 503,  487, 501, 502, 40,
                                    1139, 1140, 1141, -1,  -1,  -1,  576, 576, 577, 578,  1142, 580, 581, 576};
    return genre >= 0 && genre < 29 ? Ids[genre] : 0;
}

int IdEnTeteArbitre(int genre)
{
    static constexpr int Ids[5] = {944, 941, 942, 943, 300};
    return genre >= 0 && genre < 5 ? Ids[genre] : 0;
}

std::string Texte(int id)
{
    return id < 0 ? "%" : id == 0 ? "" : Traduit(id);
}

std::string Centiemes(int valeur, int decimales = 2)
{
    return FormatReel(valeur / 100.0, decimales);
}

// The columns of a ranking grid and its value column.
struct TDisposition {
    std::vector<int> Largeurs;
    std::vector<std::string> Titres;
    int ColonneValeur = 2;
    int Largeur = 360;
};

TDisposition DispositionJoueur(int genre, bool rugby)
{
    const std::string joueur = Traduit(107), titre = Texte(IdEnTeteJoueur(genre, rugby));
    if ((genre >= 14 && genre <= 17) || (genre >= 21 && genre <= 26) || genre == 30 || genre == 31)
        return {{20, 200, 30, 0, 30, 40}, {"", joueur, Traduit(589), "", titre, Traduit(591)}, 5, 360};
    if (genre >= 18 && genre <= 20)
        return {{20, 220, 50, 0, 50}, {"", joueur, Traduit(1127), "", "%"}, 4, 360};
    if (genre == G::Evaluation)
        return {{20, 220, 50, 0, 50}, {"", joueur, Traduit(589), "", Traduit(1179)}, 4, 360};
    if (G::EstParMatch(genre))
        return {{20, 220, 200, 0, 50}, {"", joueur, Traduit(85), "", titre}, 4, 510};
    return {{20, 220, 100, 0}, {"", joueur, titre, ""}, 2, 360};
}

void Prepare(TModeleGrille& grille, const TDisposition& d)
{
    grille.SetRowCount(0);
    grille.SetColCount(0);
    grille.SetDefaultRowHeight(HauteurLigne);
    grille.SetColCount(static_cast<int>(d.Largeurs.size()));
    grille.SetRowCount(2);
    grille.SetFixedRows(1);
    grille.SetTypeTri(1, 1);
    grille.SetEtatTri(0, 1);
    for (int c = 0; c < grille.GetColCount(); ++c) {
        grille.SetLargeurColonne(c, d.Largeurs[c]);
        AfficheTitreGrille(grille, c, d.Titres[c], c == 1);
    }
    BarresGrille(grille, d.ColonneValeur);
}

void Cache(TModeleEditeur* editeur)
{
    if (editeur)
        editeur->SetVisible(false);
}

// The one row of an empty ranking.
void AfficheVide(TModeleGrille& grille, int largeur, TModeleEditeur* cote, TModeleEditeur* bas, int idTexte = 108)
{
    grille.SetCellule(0, 1, nullptr, false, FondVide, TexteVide, 1, 1, "");
    grille.SetCellule(1, 1, nullptr, false, FondVide, TexteVide, 1, 0, Traduit(idTexte));
    grille.SetCellule(2, 1, nullptr, false, FondVide, TexteVide, 1, 1, "");
    grille.SetTexte(3, 1, "0");
    grille.SetSelectionVisible(false);
    grille.SetTailleControle(largeur, grille.GetDefaultRowHeight() * 2 + 15);
    Cache(cote);
    Cache(bas);
}

// Whether no referee has a match in the championships the rankings cover.
bool SansArbitre(const TSaison& saison)
{
    for (int id : TClassJoueur::CreeListe(saison, true)) {
        const int k = saison.GetNumChampionnatId(id);
        if (k < 1 || k > 65535)
            continue;
        for (int i = 0; i < saison.Arbitres().Nombre(); ++i) {
            const auto* a = dynamic_cast<const TPersonnelStat*>(saison.Arbitres().Get(i));
            if (a && a->GetMatchs(static_cast<uint16_t>(k)) != 0)
                return false;
        }
    }
    return true;
}

// How many leading entries the grid shows: all when they fit; otherwise
// those whose key is above the key of the last place that fits. `cleUn`: a
// ranking whose best key is 1 shows exactly the limit; `sinonLimite`: so
// does one where the places up to the limit all share a key.
template <class Cle> int NombreAffiche(const std::vector<Cle>& cles, int limite, bool cleUn, bool sinonLimite)
{
    const int n = static_cast<int>(cles.size());
    if (limite < 1)
        return 0;
    if (n <= limite)
        return n;
    if (cleUn && cles[0] == 1)
        return limite;
    const Cle k = cles[limite - 1];
    int affiches = 0;
    while (affiches < n && cles[affiches] > k)
        ++affiches;
    return affiches == 0 && sinonLimite ? limite : affiches;
}

int Limite(int hauteur)
{
    return (hauteur - 15) / HauteurLigne - 1;
}

// The place cells: a key equal to the row above shows "-" and keeps the
// place of the row that opened the tie as its alternate text.
template <class Cle> class TPlaces {
public:
    explicit TPlaces(Cle premiere) : Precedente(premiere + 1) {}
    std::string Texte(int rang, Cle cle)
    {
        if (cle == Precedente)
            return "-|" + Place;
        Precedente = cle;
        Place = std::to_string(rang);
        return Place;
    }

private:
    Cle Precedente;
    std::string Place = "1";
};

struct TLigne {
    TModeleGrille& Grille;
    int Ligne;
    TColor Fond = 0;
    TColor Texte = 0;

    void Cellule(int colonne, const std::string& texte, uint8_t alignement = 1) const
    {
        Grille.SetCellule(colonne, Ligne, nullptr, false, Fond, Texte, 1, alignement, texte);
    }
};

// A player's name cell: first name, surname and team, with the team's crest.
void CelluleJoueur(const TSaison& saison, const TLigne& l, const TJoueur* j, uint16_t equipe)
{
    const std::string nomEquipe = saison.GetNomEquipe(equipe);
    const std::string nom = j ? j->GetPrenomNom() : std::string();
    l.Cellule(1, nom + " (" + (nomEquipe.empty() ? Traduit(82) : nomEquipe) + ")", 0);
    if (!nomEquipe.empty())
        AfficheBlason(l.Grille, 1, l.Ligne, saison.GetLogoEquipe(equipe));
}

int EquipeSuivie(const TSaison& saison)
{
    const TDonneesChampionnat* c = saison.GetChampCourant();
    return c ? c->GetEquipe(c->GetOption(10)) : -1;
}

// --- The running text of the places that do not fit --------------------------

struct TEntreeRapport {
    double Cle = 0;
    std::string Nom; // the name piece after its blank
    bool AvecEquipe = true;
    int Equipe = -1;
    std::string NomEquipe;
    bool Suivie = false;
    std::string Valeur;
};

// Appends pieces to the current line of the report, going on on a new line
// when a piece is too wide and in the overflow report when the first is full.
class TRedacteur {
public:
    TRedacteur(TModeleEditeur* cible, TModeleEditeur* debord) : Cible(cible), Debord(debord) {}

    bool Fini() const { return Fin; }
    void NouvelleLigne()
    {
        Cible->SetNbLigne(Cible->GetNbLigne() + 1);
        Ligne = Cible->GetNbLigne();
    }
    void Ecrit(const std::string& piece, uint8_t couleur)
    {
        if (Fin)
            return;
        const uint8_t r = Cible->SetLigne(Ligne, piece, false, true, couleur);
        if (r == 0)
            return;
        if (r == 2) {
            Deborde(piece, couleur);
            return;
        }
        NouvelleLigne();
        const uint8_t r2 = Cible->SetLigne(Ligne, piece, false, true, couleur);
        if (r2 == 2)
            Deborde(piece, couleur);
        else if (r2 != 0) // wider than the report: it gets a line of its own
            Cible->SetLigne(Ligne, piece, true, true, couleur);
    }

private:
    void Deborde(const std::string& piece, uint8_t couleur)
    {
        // A line opened for nothing goes.
        if (Ligne > 1 && Cible->GetLigne(Ligne)->Texte.empty())
            Cible->SetNbLigne(Ligne - 1);
        if (!Debord) {
            // Told to the report, as nothing on the page shows it.
            Cible->Omet();
            Fin = true;
            return;
        }
        Cible = Debord;
        Debord = nullptr;
        Ligne = 1;
        Ecrit(piece, couleur);
    }

    TModeleEditeur* Cible;
    TModeleEditeur* Debord;
    int Ligne = 1;
    bool Fin = false;
};

struct TCadreRapport {
    int Hauteur; // the page's height
    int Largeur; // the page's width
    int HauteurGrille;
    int LargeurGrille;
    int HautGrille;
    int GaucheGrille;
    bool Notes;    // the ratings: the report below sits closer
    bool FinAZero; // counted kinds: a group of key 0 ends the text
};

void EcritRapport(const std::vector<TEntreeRapport>& e, int affiches, const TCadreRapport& cadre, TModeleEditeur& cote,
                  TModeleEditeur& bas)
{
    // 1. Placement: below the grid when there is room, beside it always.
    TModeleEditeur* cible = &cote;
    TModeleEditeur* debord = nullptr;
    auto vide = [](TModeleEditeur& r) {
        r.Vide();
        r.SetVisible(true);
    };
    if (cadre.Hauteur - 18 - cadre.HauteurGrille > 30) {
        bas.SetTaille(cadre.LargeurGrille, cadre.Hauteur - cadre.HauteurGrille - (cadre.Notes ? 24 : 18));
        bas.SetPosition(cadre.GaucheGrille, cadre.HautGrille + cadre.HauteurGrille + (cadre.Notes ? 8 : 16));
        vide(bas);
        cible = &bas;
        debord = &cote;
    } else {
        bas.SetVisible(false);
    }
    cote.SetTaille(cadre.Largeur - cadre.LargeurGrille - 34, cadre.Hauteur - 12);
    cote.SetPosition(cadre.LargeurGrille + 24, 10);
    // The report beside the grid takes whatever is left: it scrolls rather than lose a name.
    cote.Defilant = true;
    vide(cote);

    // 2-3. The first group.
    const int n = static_cast<int>(e.size());
    if (affiches >= n)
        return;
    TRedacteur r(cible, debord);
    double k = e[affiches].Cle;
    r.Ecrit(std::to_string(affiches + 1) + ". ", CodePlace);
    if (k <= 0)
        return;

    // 4. Groups of equal keys, one line each.
    for (int i = affiches; i < n && !r.Fini(); ++i) {
        const TEntreeRapport& x = e[i];
        if (x.Cle < k) {
            k = x.Cle;
            if (cadre.FinAZero && k == 0)
                break;
            r.NouvelleLigne();
            r.Ecrit(std::to_string(i + 1) + ". ", CodePlace);
        }
        const TEntreeRapport* suivant = i + 1 < n ? &e[i + 1] : nullptr;
        const bool finGroupe = !suivant || suivant->Cle < k;
        std::string nom = " " + x.Nom;
        std::string suite;
        if (x.AvecEquipe) {
            if (suivant && suivant->Equipe == x.Equipe && suivant->Cle == x.Cle)
                nom += ",";
            else
                suite = " (" + x.NomEquipe + "),";
            if (finGroupe)
                suite.back() = '.';
        } else {
            if (suivant && suivant->Cle == x.Cle)
                nom += ",";
            if (finGroupe)
                suite = ".";
        }
        if (finGroupe)
            suite += " " + x.Valeur + "\r";
        r.Ecrit(nom, x.Suivie ? CodePlace : CodeNom);
        if (!suite.empty())
            r.Ecrit(suite, CodeEquipe);
    }
}

TCadreRapport Cadre(int hauteur, int largeur, const TModeleGrille& grille, int hauteurGrille, int largeurGrille,
                    bool notes, bool finAZero)
{
    return {hauteur, largeur, hauteurGrille, largeurGrille, grille.GetHaut(), grille.GetGauche(), notes, finAZero};
}

// --- Players ------------------------------------------------------------------

int Cle(int genre, const TLigneClassement& l)
{
    return G::EstBasket(genre) ? l.Valeur & 0xFFFF : l.Valeur;
}

void CellulesValeur(int genre, const TLigne& l, const TLigneClassement& e)
{
    const int cle = Cle(genre, e);
    if (genre == G::Buteurs) {
        l.Cellule(2, e.Second > 0 ? std::to_string(cle) + " (" + std::to_string(e.Second) + ")" : std::to_string(cle));
    } else if (!G::EstBasket(genre)) {
        l.Cellule(2, std::to_string(cle));
    } else if (genre >= 18 && genre <= 20) {
        l.Cellule(2, std::to_string(e.Total) + "-" + std::to_string(e.Nombre));
        l.Cellule(4, Centiemes(cle));
    } else if (genre == 27 || genre == 28) {
        l.Cellule(2, Centiemes(cle));
    } else if (genre == G::Evaluation) {
        l.Cellule(2, std::to_string(e.Nombre));
        l.Cellule(4, Centiemes(cle));
    } else if (G::EstParMatch(genre)) {
        l.Cellule(2, e.Match);
        l.Cellule(4, G::EstPourcentage(genre) ? Centiemes(cle) : std::to_string(cle));
    } else {
        l.Cellule(2, std::to_string(e.Nombre));
        l.Cellule(4, std::to_string(e.Total));
        l.Cellule(5, Centiemes(cle));
    }
}

std::string NomEquipeRapport(const TSaison& saison, int equipe)
{
    const std::string nom = equipe >= 0 ? saison.GetNomEquipe(static_cast<uint16_t>(equipe)) : std::string();
    return nom.empty() ? Traduit(82) : nom;
}

void AfficheNotes(const TSaison& saison, int genre, int hauteur, int largeur, TModeleEditeur* cote, TModeleEditeur* bas,
                  TModeleGrille& grille, const TDisposition& d)
{
    const TListeNotes notes = TClassJoueur::CreeListeNotes(saison, 65535, genre == G::NotesGardiens ? 0 : 1);
    if (notes.Nombre() == 0) {
        AfficheVide(grille, d.Largeur, cote, bas);
        return;
    }
    grille.SetSelectionVisible(true);
    std::vector<double> cles;
    for (int i = 0; i < notes.Nombre(); ++i)
        cles.push_back(notes.Get(i)->Moyenne);
    const int affiches = NombreAffiche(cles, Limite(hauteur), false, true);
    grille.SetRowCount(std::max(affiches + 1, 2));
    const int hauteurGrille = (HauteurLigne + 1) * (affiches + 1);
    grille.SetTailleControle(d.Largeur, hauteurGrille);

    const int suivie = EquipeSuivie(saison);
    std::vector<TEntreeRapport> entrees;
    TPlaces<double> places(cles[0]);
    for (int i = 0; i < notes.Nombre(); ++i) {
        const TNoteJoueur& n = *notes.Get(i);
        const TJoueur* j = ChercheJoueur(&saison, n.Joueur, 65535);
        const int equipe = j ? j->GetEquipe() : -1;
        if (i < affiches) {
            TLigne l{grille, i + 1};
            CouleurLigneSelection(l.Ligne, l.Fond, l.Texte, equipe >= 0 && equipe == suivie);
            l.Cellule(0, places.Texte(l.Ligne, n.Moyenne));
            CelluleJoueur(saison, l, j, static_cast<uint16_t>(equipe));
            l.Cellule(2, FormatReel(n.Moyenne, 2));
            grille.SetTexte(3, l.Ligne, std::to_string(n.Joueur));
        }
        entrees.push_back({n.Moyenne, j ? j->Nom : std::string(), true, equipe, NomEquipeRapport(saison, equipe),
                           equipe >= 0 && equipe == suivie, FormatReel(n.Moyenne, 2)});
    }
    if (Limite(hauteur) < 1) {
        Cache(cote);
        Cache(bas);
    } else if (cote && bas) {
        EcritRapport(entrees, affiches, Cadre(hauteur, largeur, grille, hauteurGrille, d.Largeur, true, false), *cote,
                     *bas);
    }
}

} // namespace

void TClassJoueur::Affiche(const TSaison& saison, int genre, int hauteur, int largeur, TModeleEditeur* editeurCote,
                           TModeleEditeur* editeurBas, TModeleGrille& grille)
{
    const TDonneesChampionnat* courant = saison.GetChampCourant();
    const bool rugby = dynamic_cast<const TDonneesChampionnatRugby*>(courant) != nullptr;
    const TDisposition d = DispositionJoueur(genre, rugby);
    Prepare(grille, d);
    if (genre == G::NotesGardiens || genre == G::NotesJoueurs) {
        AfficheNotes(saison, genre, hauteur, largeur, editeurCote, editeurBas, grille, d);
        return;
    }

    const TListeClassement liste = Calcule(saison, 65535, true, genre);
    if (liste.Nombre() == 0) {
        AfficheVide(grille, d.Largeur, editeurCote, editeurBas);
        return;
    }
    grille.SetSelectionVisible(true);
    std::vector<int> cles;
    for (int i = 0; i < liste.Nombre(); ++i)
        cles.push_back(Cle(genre, *liste.Get(i)));
    const int limite = Limite(hauteur);
    const int affiches = NombreAffiche(cles, limite, true, true);
    grille.SetRowCount(std::max(affiches + 1, 2));
    const int hauteurGrille = HauteurLigne * (std::max(affiches, 1) + 1) + 10;
    grille.SetTailleControle(d.Largeur, hauteurGrille);

    const int suivie = EquipeSuivie(saison);
    TPlaces<int> places(cles[0]);
    for (int i = 0; i < affiches; ++i) {
        const TLigneClassement& e = *liste.Get(i);
        TLigne l{grille, i + 1};
        CouleurLigneSelection(l.Ligne, l.Fond, l.Texte, e.Equipe == suivie);
        l.Cellule(0, places.Texte(l.Ligne, cles[i]));
        CelluleJoueur(saison, l, ChercheJoueur(&saison, e.Joueur, e.Equipe), e.Equipe);
        CellulesValeur(genre, l, e);
        grille.SetTexte(3, l.Ligne, std::to_string(e.Joueur));
    }
    if (limite < 1 || G::EstParMatch(genre)) {
        Cache(editeurCote);
        Cache(editeurBas);
        return;
    }
    if (!editeurCote || !editeurBas)
        return;
    std::vector<TEntreeRapport> entrees;
    for (int i = 0; i < liste.Nombre(); ++i) {
        const TLigneClassement& e = *liste.Get(i);
        const TJoueur* j = ChercheJoueur(&saison, e.Joueur, e.Equipe);
        std::string nom = j ? j->Nom : std::string();
        if (genre == G::Buteurs && e.Second > 0)
            nom += "(" + std::to_string(e.Second) + ")";
        entrees.push_back({static_cast<double>(cles[i]), nom, true, e.Equipe, NomEquipeRapport(saison, e.Equipe),
                           e.Equipe == suivie, G::EstMoyenne(genre) ? Centiemes(cles[i], 1) : std::to_string(cles[i])});
    }
    EcritRapport(entrees, affiches, Cadre(hauteur, largeur, grille, hauteurGrille, d.Largeur, false, true),
                 *editeurCote, *editeurBas);
}

void TClassJoueur::AfficheEquipe(const TSaison& saison, uint16_t equipe, bool useScope, TModeleGrille& grille,
                                 int genre)
{
    const TListeClassement liste = Calcule(saison, equipe, useScope, genre);
    grille.SetRowCount(0);
    grille.SetColCount(0);
    grille.SetDefaultRowHeight(15);
    grille.SetColCount(4);
    grille.SetRowCount(std::max(liste.Nombre() + 1, 2));
    grille.SetFixedRows(1);
    const int largeurs[4] = {20, 140, 70, 0};
    for (int c = 0; c < 4; ++c)
        grille.SetLargeurColonne(c, largeurs[c]);
    AfficheTitreGrille(grille, 0, "", true);
    AfficheTitreGrille(grille, 1, Traduit(107), true);
    AfficheTitreGrille(grille, 2, Texte(IdEnTeteEquipe(genre)), false);
    BarresGrille(grille, 2);
    grille.SetSelectionVisible(true);

    if (liste.Nombre() == 0) {
        grille.SetCellule(0, 1, nullptr, false, FondVide, TexteVide, 1, 1, "");
        grille.SetCellule(1, 1, nullptr, false, FondVide, 0, 1, 1, Traduit(108));
        grille.SetCellule(2, 1, nullptr, false, FondVide, TexteVide, 1, 1, "");
        grille.SetTexte(3, 1, "0");
    }
    for (int i = 0; i < liste.Nombre(); ++i) {
        const TLigneClassement& e = *liste.Get(i);
        const TJoueur* j = ChercheJoueur(&saison, e.Joueur, e.Equipe);
        TLigne l{grille, i + 1};
        CouleurLigne(l.Ligne, l.Fond);
        l.Cellule(0, j ? std::string(1, j->GetLettrePoste()) : std::string());
        l.Cellule(1, j ? j->GetNomComplet() : std::string(), 0);
        l.Cellule(2, genre >= 14 && genre <= 28 ? Centiemes(e.Valeur, 1) : std::to_string(Cle(genre, e)));
        grille.SetTexte(3, l.Ligne, std::to_string(e.Joueur));
    }
    grille.SelectionneCellule(1, 1);
}

// --- Referees -----------------------------------------------------------------

void TClassArbitre::Affiche(TSaison& saison, int genre, int hauteur, int largeur, TModeleEditeur* editeurCote,
                            TModeleEditeur* editeurBas, TModeleGrille& grille)
{
    const TDisposition d{{20, 220, 100, 0}, {"", Traduit(945), Texte(IdEnTeteArbitre(genre)), ""}, 2, 360};
    Prepare(grille, d);
    saison.RecalculeArbitres();
    const std::vector<TLigneArbitre> liste = Calcule(saison, genre);
    if (liste.empty()) {
        // Without any referee on the matches, the line says so rather than "None".
        AfficheVide(grille, d.Largeur, editeurCote, editeurBas, SansArbitre(saison) ? 3266 : 108);
        return;
    }
    grille.SetSelectionVisible(true);
    std::vector<int> cles;
    for (const TLigneArbitre& a : liste)
        cles.push_back(a.Ratio);
    const int affiches = NombreAffiche(cles, Limite(hauteur), true, false);
    grille.SetRowCount(affiches + 1);
    const int hauteurGrille = (affiches + 1) * 20 + 1;
    grille.SetTailleControle(d.Largeur, hauteurGrille);

    std::vector<TEntreeRapport> entrees;
    TPlaces<int> places(cles[0]);
    for (size_t i = 0; i < liste.size(); ++i) {
        const TLigneArbitre& a = liste[i];
        const TPersonnel* p = saison.Arbitres().ChercheId(a.Arbitre);
        const std::string ratio = Centiemes(a.Ratio);
        if (static_cast<int>(i) < affiches) {
            TLigne l{grille, static_cast<int>(i) + 1};
            CouleurLigneSelection(l.Ligne, l.Fond, l.Texte, false);
            l.Cellule(0, places.Texte(l.Ligne, a.Ratio));
            l.Cellule(1, p ? p->GetLibelle(saison.GetListePays(), false) : std::string(), 0);
            l.Cellule(2, ratio);
            grille.SetTexte(3, l.Ligne, std::to_string(a.Arbitre));
        }
        TEntreeRapport x;
        x.Cle = a.Ratio;
        x.Nom = p ? p->Nom : std::string();
        x.AvecEquipe = false;
        x.Valeur = ratio;
        entrees.push_back(std::move(x));
    }
    if (editeurCote && editeurBas)
        EcritRapport(entrees, affiches, Cadre(hauteur, largeur, grille, hauteurGrille, d.Largeur, false, false),
                     *editeurCote, *editeurBas);
}
