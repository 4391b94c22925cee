#pragma once

// The charts of the statistics pages: series of points, axes with automatic
// graduation, label replacement tables, line and stacked bar drawing, and the
// gradient bar painter shared with the coloured grid. The chart widgets
// (TGraphe, TGraphLigne, TGraphBarre) paint these models.

#include "base/Canevas.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The two colours of a point or a bar; a first colour of 0 means the point has
// no colour of its own.
struct TCouleurs {
    TColor Couleur1 = 0;
    TColor Couleur2 = 0;
    bool operator==(const TCouleurs&) const = default;
};
TCouleurs CouleursPoint(TColor Couleur);
TCouleurs CouleursPointEx(TColor Couleur1, TColor Couleur2);

struct TPointCourbe {
    int32_t X = 0;
    int32_t Y = 0;
    TCouleurs Couleurs;
};

// One series: points kept in ascending X, one per X.
class TCourbe {
public:
    void Vide() { Points_.clear(); }
    int MaxX() const;
    int MaxY() const;
    // -1 when there is no point at X.
    int GetY(int X) const;
    const TPointCourbe* TrouvePoint(int X) const;
    // The point's colours, or the series' own when it has none.
    TCouleurs GetCouleurs(int X) const;
    void SetPoint(int X, int Y);
    void SetCouleurs(int X, TCouleurs Couleurs);
    void SetPointCouleur(int X, int Y, TColor Couleur);
    // Y -1 keeps the point's Y, a first colour 0 its colours; a new X is
    // inserted whatever Y is.
    void SetPointEx(int X, int Y, TCouleurs Couleurs);
    const std::vector<TPointCourbe>& Points() const { return Points_; }

    TCouleurs CouleursDefaut;
    bool Visible = true;
    bool Relie = true;

private:
    std::vector<TPointCourbe> Points_;
};

// Labels that replace the graduation values of one axis, by X.
class TLegendeRemplace {
public:
    // Empty when X has no label.
    std::string GetLegende(int X) const;
    void SetLegende(int X, const std::string& Legende);
    int Count() const { return static_cast<int>(Entrees_.size()); }

private:
    std::vector<std::pair<int, std::string>> Entrees_;
};

// Bar painter: lines across the rectangle less its margins (left, top, right,
// bottom), from its bottom edge upwards (Vertical) or from its left edge
// rightwards, as many as Valeur / Maximum of the area, the colour running from
// CouleurB to CouleurA.
void DessineDegrade(TCanevas& Canevas, const TRect& R, const std::array<int, 4>& Marges, bool Vertical, TColor CouleurA,
                    TColor CouleurB, int Valeur, int Maximum);

class TModeleGraphe {
public:
    TModeleGraphe();
    virtual ~TModeleGraphe();
    TModeleGraphe(const TModeleGraphe&) = delete;
    TModeleGraphe& operator=(const TModeleGraphe&) = delete;

    // --- Series ----------------------------------------------------------------
    void AjouteCourbes(int N);
    void SetNbCourbes(int N);
    int NbCourbes() const { return static_cast<int>(Courbes_.size()); }
    TCourbe* GetCourbe(int I);
    const TCourbe* GetCourbe(int I) const;
    void VideCourbe(int I);
    void VideCourbes();
    void SetCourbeVisible(int I, bool Visible);
    void SetPoint(int I, int X, int Y);
    // -1 for a missing series or point.
    int GetPoint(int I, int X) const;
    void SetCouleursPoint(int I, int X, TCouleurs Couleurs);
    // The first colour, 0 for a missing series.
    TColor GetCouleurPoint(int I, int X) const;
    void SetCouleurCourbe(int I, TColor Couleur);
    // Over the visible series.
    int MaxX() const;
    int MaxY() const;

    // --- Scale -----------------------------------------------------------------
    // The graduation step for Range over N graduations: 1, 2..9, or a round
    // number (23 -> 30, 95 -> 100, 150 -> 200) once the quotient reaches 10.
    static int CalculPas(int Range, int N);
    struct TDimensions {
        int Largeur = 0; // plot width
        int Hauteur = 0; // plot height
        int MaxXr = 0;   // rounded axis maxima
        int MaxYr = 0;
    };
    TDimensions CalculDimensions() const;
    int GetX0() const { return X0_; }
    int GetY0() const { return Y0_; }
    int GetXFin() const { return XFin_; }
    int GetYFin() const { return YFin_; }
    int GetDirection() const { return Direction_; }

    // --- Drawing ---------------------------------------------------------------
    // Axes, graduations and titles; the line and bar charts add their series.
    virtual void Dessine(TCanevas& Canevas);
    virtual int GetLargeur() const { return Largeur_; }
    virtual int GetHauteur() const { return Hauteur_; }
    void SetTaille(int Largeur, int Hauteur);

    // --- Properties (each setter repaints) --------------------------------------
    bool GetGrille() const { return Grille_; }
    void SetGrille(bool B)
    {
        Grille_ = B;
        Repeint();
    }
    bool GetInverse() const { return Inverse_; }
    void SetInverse(bool B)
    {
        Inverse_ = B;
        Repeint();
    }
    int GetNbPointX() const { return NbPointX_; }
    void SetNbPointX(int N)
    {
        NbPointX_ = N;
        Repeint();
    }
    int GetNbPointY() const { return NbPointY_; }
    void SetNbPointY(int N)
    {
        NbPointY_ = N;
        Repeint();
    }
    int GetEspaceGraduerX() const { return EspaceGraduerX_; }
    void SetEspaceGraduerX(int N)
    {
        EspaceGraduerX_ = N;
        Repeint();
    }
    int GetEspaceGraduerY() const { return EspaceGraduerY_; }
    void SetEspaceGraduerY(int N)
    {
        EspaceGraduerY_ = N;
        Repeint();
    }
    const std::string& GetLegendeX() const { return LegendeX_; }
    void SetLegendeX(const std::string& T)
    {
        LegendeX_ = T;
        Repeint();
    }
    const std::string& GetLegendeY() const { return LegendeY_; }
    void SetLegendeY(const std::string& T)
    {
        LegendeY_ = T;
        Repeint();
    }
    bool GetEcrireX() const { return EcrireX_; }
    void SetEcrireX(bool B)
    {
        EcrireX_ = B;
        Repeint();
    }
    bool GetEcrireY() const { return EcrireY_; }
    void SetEcrireY(bool B)
    {
        EcrireY_ = B;
        Repeint();
    }
    TColor GetCouleurContours() const { return CouleurContours_; }
    void SetCouleurContours(TColor C)
    {
        CouleurContours_ = C;
        Repeint();
    }
    TColor GetEcritureContours() const { return EcritureContours_; }
    void SetEcritureContours(TColor C)
    {
        EcritureContours_ = C;
        Repeint();
    }
    bool GetAutoGraduationX() const { return AutoGraduationX_; }
    void SetAutoGraduationX(bool B)
    {
        AutoGraduationX_ = B;
        Repeint();
    }
    bool GetAutoGraduationY() const { return AutoGraduationY_; }
    void SetAutoGraduationY(bool B)
    {
        AutoGraduationY_ = B;
        Repeint();
    }
    double GetEchelleX() const { return EchelleX_; }
    void SetEchelleX(double E)
    {
        EchelleX_ = E;
        Repeint();
    }
    double GetEchelleY() const { return EchelleY_; }
    void SetEchelleY(double E)
    {
        EchelleY_ = E;
        Repeint();
    }
    bool GetLegendeCentree() const { return LegendeCentree_; }
    void SetLegendeCentree(bool B)
    {
        LegendeCentree_ = B;
        Repeint();
    }

    // Label replacement tables of the axes; made on first use, owned here.
    TLegendeRemplace& LegendeRemplaceX();
    TLegendeRemplace& LegendeRemplaceY();
    const TLegendeRemplace* GetLegendeRemplaceX() const { return RemplaceX_.get(); }
    const TLegendeRemplace* GetLegendeRemplaceY() const { return RemplaceY_.get(); }

    // The system's button-face colour, for the inner grid lines.
    static constexpr TColor CouleurGrille = 0xF0F0F0;

protected:
    virtual void Repeint() {}
    // False when the control is too small to draw anything.
    bool DessineAxes(TCanevas& Canevas);

private:
    void GraduationsY(TCanevas& Canevas);
    void GraduationsX(TCanevas& Canevas);
    std::string LibelleGraduation(const TLegendeRemplace* Table, int K, double Echelle, int Pas) const;

    std::vector<std::unique_ptr<TCourbe>> Courbes_;
    std::unique_ptr<TLegendeRemplace> RemplaceX_;
    std::unique_ptr<TLegendeRemplace> RemplaceY_;
    int Largeur_ = 100;
    int Hauteur_ = 100;
    bool Grille_ = false;
    bool Inverse_ = false;
    int NbPointX_ = 20;
    int NbPointY_ = 20;
    int EspaceGraduerX_ = 5;
    int EspaceGraduerY_ = 5;
    std::string LegendeX_;
    std::string LegendeY_;
    bool EcrireX_ = true;
    bool EcrireY_ = true;
    TColor CouleurContours_ = 0;
    TColor EcritureContours_ = 0;
    bool AutoGraduationX_ = false;
    bool AutoGraduationY_ = false;
    double EchelleX_ = 1.0;
    double EchelleY_ = 1.0;
    bool LegendeCentree_ = false;
    int X0_ = 0;
    int Y0_ = 0;
    int XFin_ = 0;
    int YFin_ = 0;
    int Direction_ = -1;
};

class TModeleGraphLigne : public TModeleGraphe {
public:
    void Dessine(TCanevas& Canevas) override;
    // The point drawn within 3 pixels of (X, Y) in control coordinates, or
    // nullptr; Serie names the one series to search (any other value: all) and
    // receives the series found.
    const TPointCourbe* PointA(int X, int Y, int& Serie) const;
    void SetOptionCourbe(int I, bool Relie);

    bool Carre = false;
    bool CouleurRelie = false;
};

class TModeleGraphBarre : public TModeleGraphe {
public:
    TModeleGraphBarre();
    void Dessine(TCanevas& Canevas) override;
    // The point of series Serie whose bar covers (X, Y), or nullptr.
    const TPointCourbe* BarreA(int X, int Y, int Serie) const;
    void DecalLegende(bool Decale) { SetLegendeCentree(Decale); }

    TColor ContoursBarre = 0;
    bool Textin = false;
    TColor CouleurText = 0;
};
