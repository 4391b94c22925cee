#pragma once

// The drawing surface the display models paint on. The grid, the text report
// and the charts lay themselves out and draw through this interface, so their
// arithmetic runs (and is tested) without the interface library; the widgets
// hand them an implementation over the screen, a picture or the printer.
// Rectangles follow the platform grid convention: Right and Bottom are one past
// the last pixel, and a cell's grid line is the pixel column Right / row Bottom.

#include "base/Utilities.h"

#include <cstdint>
#include <string>
#include <string_view>

class TImage;

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

inline TRect Rect(int Left, int Top, int Right, int Bottom)
{
    return TRect{Left, Top, Right, Bottom};
}

// The font of a drawing: the family is the surface's own (the control's font);
// the models choose size, style and colour. Taille 0 keeps the surface's size.
struct TPolice {
    int Taille = 0;
    bool Gras = false;
    bool Souligne = false;
    TColor Couleur = 0;
    bool operator==(const TPolice&) const = default;
};

// Text measures in the current font; what a model needs to lay text out.
class TMesureTexte {
public:
    virtual ~TMesureTexte() = default;
    virtual int LargeurTexte(std::string_view Texte) = 0;
    virtual int HauteurTexte(std::string_view Texte) = 0;
};

// The height of a row of text in the current font: an accented capital above
// and a descender under it, and a rule on either side, never touch the rows
// around it.
int HauteurRangeeLisible(TMesureTexte& Mesure);

// Measures of a fixed-pitch font: every character LargeurCaractere wide, every
// text HauteurCaractere high (an empty text measures 0 wide). The core's
// default and what the tests lay out with.
class TMesureFixe : public TMesureTexte {
public:
    explicit TMesureFixe(int LargeurCaractere = 7, int HauteurCaractere = 14, int LargeurGras = -1);
    int LargeurTexte(std::string_view Texte) override;
    int HauteurTexte(std::string_view Texte) override;
    void SetGras(bool Gras) { Gras_ = Gras; }

private:
    int Largeur_;
    int Hauteur_;
    int LargeurGras_;
    bool Gras_ = false;
};

class TCanevas : public TMesureTexte {
public:
    // Lines and outlines.
    virtual void SetCrayon(TColor Couleur, int Epaisseur = 1) = 0;
    // From (X1, Y1) up to (X2, Y2), the end point not drawn (the platform's LineTo).
    virtual void Ligne(int X1, int Y1, int X2, int Y2) = 0;
    // The rectangle's outline in the pen colour, inside Left..Right-1, Top..Bottom-1.
    virtual void Contour(const TRect& R) = 0;
    virtual void Remplit(const TRect& R, TColor Couleur) = 0;

    virtual void SetPolice(const TPolice& Police) = 0;
    virtual TPolice GetPolice() const = 0;
    // The current font's size in points, the surface's own when the font keeps
    // it (Taille 0); 0 when the surface does not know it.
    virtual int TaillePolice() const { return GetPolice().Taille; }
    // Text with its top-left corner at (X, Y), on a transparent background.
    virtual void Texte(int X, int Y, std::string_view Texte) = 0;

    // The picture stretched into Destination; its transparent pixels leave the
    // surface as it was.
    virtual void Image(const TImage& Image, const TRect& Destination) = 0;

    // Drawing is limited to R until FinDecoupe (one level).
    virtual void Decoupe(const TRect& R) = 0;
    virtual void FinDecoupe() = 0;
};
