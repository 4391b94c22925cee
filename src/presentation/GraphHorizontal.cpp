#include "presentation/GraphHorizontal.h"

#include "base/Texte.h"
#include "engine/StatFicheJoueur.h"
#include "model/Championnat.h"
#include "model/ListeDonnees.h"

#include <algorithm>

namespace {

constexpr TColor Noir = 0x000000;
constexpr TColor Blanc = 0xFFFFFF;
constexpr TColor Rouge = 0x0000FF;
constexpr TColor Jaune = 0x00FFFF;

// A disc of radius Rayon at (X, Y), one span per pixel row.
void Disque(TCanevas& Canevas, int X, int Y, int Rayon, TColor Couleur)
{
    for (int dy = -Rayon; dy <= Rayon; ++dy) {
        int demi = 0;
        while ((demi + 1) * (demi + 1) + dy * dy <= Rayon * Rayon)
            ++demi;
        Canevas.Remplit(Rect(X - demi, Y + dy, X + demi + 1, Y + dy + 1), Couleur);
    }
}

// One pixel in two, from (X, Y1) down to Y2 excluded.
void Pointilles(TCanevas& Canevas, int X, int Y1, int Y2, TColor Couleur)
{
    for (int y = Y1; y < Y2; y += 2)
        Canevas.Remplit(Rect(X, y, X + 1, y + 1), Couleur);
}

// Texte cut to fit Largeur pixels in the canvas's font, "..." marking the cut.
std::string TexteTenant(TCanevas& Canevas, const std::string& Texte, int Largeur)
{
    if (Canevas.LargeurTexte(Texte) <= Largeur)
        return Texte;
    std::u32string caracteres = VersCaracteres(Texte);
    while (!caracteres.empty()) {
        caracteres.pop_back();
        const std::string coupe = DepuisCaracteres(caracteres) + "...";
        if (Canevas.LargeurTexte(coupe) <= Largeur)
            return coupe;
    }
    return std::string();
}

} // namespace

TLigneMatch::TLigneMatch(std::string Libelle, bool Domicile, int Jour, int Fin, int Debut)
    : Libelle_(std::move(Libelle)), Domicile_(Domicile), Jour_(Jour), Fin_(Fin), Debut_(Debut)
{
}

TGeometrieLigne TLigneMatch::Geometrie(int W, int H, int Gauche) const
{
    TGeometrieLigne G;
    G.Fond = Rect(0, 0, W, H);
    G.Libelle = Libelle_;
    G.XLibelle = 0;
    G.YLibelle = 2;
    G.CouleurLibelle = Domicile_ ? CouleurDomicile : CouleurExterieur;
    if (Jour_ == 1 || Jour_ % 5 == 0)
        G.Jour = std::to_string(Jour_);
    G.XDroitJour = Gauche - 2;
    const int x = XMinute(W, Debut_, Gauche);
    G.Barre = Rect(x, 0, x + (W - Gauche - 20) * std::max(0, Fin_ - Debut_) / 90, H);
    const int rayon = 7 * H / 20;
    for (uint16_t mot : Valeurs_)
        G.Cercles.push_back({XMinute(W, mot & Evt::MasqueMinute, Gauche), H / 2, rayon, CouleurExterieur,
                             (mot & Evt::Penalty) ? Rouge : Noir});
    for (int m : Marques_) {
        const bool rouge = m > 1000;
        const int xm = XMinute(W, rouge ? m - 1000 : m, Gauche);
        G.Cartons.push_back({Rect(xm - rayon, 2, xm + rayon, H - 2), rouge ? Rouge : Jaune});
    }
    G.XBas = Gauche;
    G.YBas = H - 1;
    return G;
}

void TLigneMatch::Dessine(TCanevas& Canevas, int X0, int Y0, int W, int H, int Gauche, int LargeurLibelle) const
{
    TGeometrieLigne G = Geometrie(W, H, Gauche);
    auto decale = [X0, Y0](const TRect& R) { return Rect(R.Left + X0, R.Top + Y0, R.Right + X0, R.Bottom + Y0); };
    Canevas.Decoupe(decale(G.Fond));
    Canevas.Remplit(decale(G.Fond), CouleurFond);
    Canevas.SetPolice({0, true, false, G.CouleurLibelle});
    if (LargeurLibelle >= 0)
        G.Libelle = TexteTenant(Canevas, G.Libelle, LargeurLibelle);
    Canevas.Texte(X0 + G.XLibelle, Y0 + G.YLibelle, G.Libelle);
    if (!G.Jour.empty()) {
        Canevas.SetPolice({0, false, false, G.CouleurLibelle});
        Canevas.Texte(X0 + G.XDroitJour - Canevas.LargeurTexte(G.Jour), Y0 + G.YLibelle, G.Jour);
    }
    Canevas.Remplit(decale(G.Barre), Blanc);
    for (const TCercle& c : G.Cercles) {
        Disque(Canevas, X0 + c.X, Y0 + c.Y, c.Rayon, c.Contour);
        Disque(Canevas, X0 + c.X, Y0 + c.Y, c.Rayon - 1, c.Fond);
    }
    for (const TRectCouleur& c : G.Cartons)
        Canevas.Remplit(decale(c.R), c.Couleur);
    Canevas.SetCrayon(Noir);
    Canevas.Ligne(X0 + G.XBas, Y0 + G.YBas, X0 + W, Y0 + G.YBas);
    Canevas.FinDecoupe();
}

TModeleGraphHorizontal::~TModeleGraphHorizontal() = default;

void TModeleGraphHorizontal::Vide()
{
    Lignes_.clear();
    NbLignes_ = 0;
}

const TLigneMatch* TModeleGraphHorizontal::GetLigne(int i) const
{
    return i >= 0 && i < NbLignesMatch() ? Lignes_[i].get() : nullptr;
}

void TModeleGraphHorizontal::Remplit(const TSaison& Saison, const TDonneesChampionnat& Champ, uint16_t Equipe,
                                     int Joueur)
{
    Vide();
    NbLignes_ = Champ.GetNbJour();
    for (const auto& d : StatFicheJoueur::LignesGraphe(Saison, Champ, Equipe, Joueur)) {
        auto ligne = std::make_unique<TLigneMatch>(d.Libelle, d.Domicile, d.Jour, d.Fin, d.Debut);
        for (uint16_t mot : d.Valeurs)
            ligne->AjouteValeur(mot);
        for (int m : d.Marques) {
            if (m > 1000)
                ligne->AjouteMarqueSpeciale(m - 1000);
            else
                ligne->AjouteMarque(m);
        }
        Lignes_.push_back(std::move(ligne));
    }
}

int TModeleGraphHorizontal::LargeurJour(TCanevas& Canevas) const
{
    Canevas.SetPolice({0, false, false, 0});
    return Canevas.LargeurTexte(std::to_string(std::max(NbLignes_, 1)));
}

int TModeleGraphHorizontal::Gauche(TCanevas& Canevas, int Largeur) const
{
    int nom = 0;
    Canevas.SetPolice({0, true, false, 0});
    for (const auto& l : Lignes_)
        nom = std::max(nom, Canevas.LargeurTexte(l->GetLibelle()));
    const int jour = LargeurJour(Canevas);
    // A space's worth between the name and the number, two pixels before the axis.
    const int espace = Canevas.LargeurTexte(" ");
    const int voulue = std::max(TLigneMatch::GaucheMin, nom + espace + jour + 2);
    // The names never take more than half of the room: past that they are cut,
    // and the bars keep the other half however long the names.
    return std::min(voulue, std::max(0, (Largeur - 40) / 2));
}

void TModeleGraphHorizontal::Dessine(TCanevas& Canevas, int Largeur) const
{
    const int bas = 20 * NbLignes_ + 20;
    const int gauche = Gauche(Canevas, Largeur);
    const int jour = LargeurJour(Canevas);
    const int libelle = std::max(0, gauche - 2 - jour - Canevas.LargeurTexte(" "));
    std::size_t suivante = 0;
    for (int r = 1; r <= NbLignes_ && suivante < Lignes_.size(); ++r)
        if (Lignes_[suivante]->GetJour() == r)
            Lignes_[suivante++]->Dessine(Canevas, 0, 20 * r, Largeur - 20, 20, gauche, libelle);
    Canevas.SetCrayon(Noir);
    Canevas.Ligne(Largeur - 20, 20, gauche, 20);
    Canevas.Ligne(gauche, 20, gauche, bas);
    Canevas.SetPolice({0, false, false, TLigneMatch::CouleurExterieur});
    // Every mark is numbered where the figures stand a space apart; a narrow
    // graph numbers one mark in two, three or six instead of running them together.
    const int place = Canevas.LargeurTexte("95") + Canevas.LargeurTexte(" ");
    int saut = 1;
    for (int s : {2, 3, 6})
        if ((Largeur - 40 - gauche) * 5 * saut / 90 < place)
            saut = s;
    for (int i = 1; i <= 19; ++i) {
        const int x = gauche + (Largeur - 40 - gauche) * 5 * i / 90;
        Pointilles(Canevas, x, 20, bas, TLigneMatch::CouleurExterieur);
        if (i % saut != 0)
            continue;
        const std::string texte = std::to_string(5 * i);
        // The figure's baseline at y = 10, with the font's usual descent of a quarter.
        const int haut = std::max(0, 10 - Canevas.HauteurTexte(texte) * 3 / 4);
        Canevas.Texte(x - Canevas.LargeurTexte(texte) / 2, haut, texte);
    }
}
