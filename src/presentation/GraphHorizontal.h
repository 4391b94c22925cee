#pragma once

// The match-history graph of the player card: one horizontal line per match
// day with the minutes played as a white bar, his goals as circles and his
// cards as small rectangles, under a minute scale of dotted lines. Each line
// lays itself out (TGeometrieLigne) apart from its painting, so a picture and
// the screen draw alike through the canvas; the widget TGraphHorizontal paints
// this model.

#include "base/Canevas.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TDonneesChampionnat;
class TSaison;

struct TCercle {
    int X = 0; // centre
    int Y = 0;
    int Rayon = 0;
    TColor Fond = 0;
    TColor Contour = 0;
};

struct TRectCouleur {
    TRect R;
    TColor Couleur = 0;
};

// Everything one line draws, in the line's own coordinates.
struct TGeometrieLigne {
    TRect Fond;
    std::string Libelle;
    int XLibelle = 0;
    int YLibelle = 0;
    TColor CouleurLibelle = 0;
    std::string Jour; // empty when the day is not numbered
    int XDroitJour = 0;
    TRect Barre;
    std::vector<TCercle> Cercles;
    std::vector<TRectCouleur> Cartons;
    int XBas = 0; // the black line along the bottom, to the right edge
    int YBas = 0;
};

class TLigneMatch {
public:
    static constexpr TColor CouleurFond = 0x6F3000;
    static constexpr TColor CouleurExterieur = 0xEE9C04;
    static constexpr TColor CouleurDomicile = 0x00FFFF;

    TLigneMatch(std::string Libelle, bool Domicile, int Jour, int Fin, int Debut);

    // A scorer event's word (minute in bits 0-6, $100 a penalty).
    void AjouteValeur(uint16_t Mot) { Valeurs_.push_back(Mot); }
    // A caution at that minute.
    void AjouteMarque(int Minute) { Marques_.push_back(Minute); }
    // A sending-off at that minute.
    void AjouteMarqueSpeciale(int Minute) { Marques_.push_back(Minute + 1000); }

    int GetJour() const { return Jour_; }
    int GetDebut() const { return Debut_; }
    int GetFin() const { return Fin_; }
    bool GetDomicile() const { return Domicile_; }
    const std::string& GetLibelle() const { return Libelle_; }
    const std::vector<uint16_t>& GetValeurs() const { return Valeurs_; }
    const std::vector<int>& GetMarques() const { return Marques_; }

    // The least width of the column of names and day numbers left of the bars.
    static constexpr int GaucheMin = 100;
    // The x of a minute on a line W wide whose bars start at Gauche.
    static int XMinute(int W, int Minute, int Gauche = GaucheMin) { return Gauche + (W - Gauche - 20) * Minute / 90; }
    TGeometrieLigne Geometrie(int W, int H, int Gauche = GaucheMin) const;
    // The line W by H with its top-left corner at (X0, Y0); a name wider than
    // LargeurLibelle (when not negative) is cut to it.
    void Dessine(TCanevas& Canevas, int X0, int Y0, int W, int H, int Gauche = GaucheMin,
                 int LargeurLibelle = -1) const;

private:
    std::string Libelle_;
    bool Domicile_;
    int Jour_;
    int Fin_;
    int Debut_;
    std::vector<uint16_t> Valeurs_;
    std::vector<int> Marques_;
};

class TModeleGraphHorizontal {
public:
    virtual ~TModeleGraphHorizontal();

    // The lines of a championship's match days for one player of a team.
    void Remplit(const TSaison& Saison, const TDonneesChampionnat& Champ, uint16_t Equipe, int Joueur);
    void Vide();
    int NbLignes() const { return NbLignes_; } // rows: the championship's match days
    int NbLignesMatch() const { return static_cast<int>(Lignes_.size()); }
    const TLigneMatch* GetLigne(int i) const;
    // The height the graph asks for.
    int HauteurGraphe() const { return 25 * NbLignes_ + 40; }
    // Where the bars start on a graph Largeur wide: past the widest opponent's
    // name and day number, so that neither is drawn over the other, but never
    // past the middle.
    int Gauche(TCanevas& Canevas, int Largeur) const;
    // The graph on a surface Largeur pixels wide.
    void Dessine(TCanevas& Canevas, int Largeur) const;

private:
    int LargeurJour(TCanevas& Canevas) const; // the widest day number

    std::vector<std::unique_ptr<TLigneMatch>> Lignes_;
    int NbLignes_ = 0;
};
