#pragma once

// The display models' drawing surface over a QPainter: the screen, a picture
// or the printer. Models draw in logical pixels of 96 per inch; a painter on a
// printer is scaled so that the same drawing fills the paper, and fonts are
// sized in pixels so they follow that scale.

#include "base/Canevas.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <functional>
#include <string_view>

// The font of a model's TPolice on top of a control's font (its family).
QFont PoliceQt(const QFont& Base, const TPolice& Police);

class TCanevasQt : public TCanevas {
public:
    // Echelle: device pixels per logical pixel (1 on screen).
    TCanevasQt(QPainter& Painter, const QFont& Base, double Echelle = 1.0);
    ~TCanevasQt() override;

    void SetCrayon(TColor Couleur, int Epaisseur = 1) override;
    void Ligne(int X1, int Y1, int X2, int Y2) override;
    void Contour(const TRect& R) override;
    void Remplit(const TRect& R, TColor Couleur) override;
    void SetPolice(const TPolice& Police) override;
    TPolice GetPolice() const override { return Police_; }
    void Texte(int X, int Y, std::string_view Texte) override;
    void Image(const TImage& Image, const TRect& Destination) override;
    void Decoupe(const TRect& R) override;
    void FinDecoupe() override;
    int LargeurTexte(std::string_view Texte) override;
    int HauteurTexte(std::string_view Texte) override;

private:
    void AppliqueCrayon();

    QPainter& P_;
    QFont Base_;
    TPolice Police_;
    QFont Police_Qt_;
    TColor Crayon_ = 0;
    int Epaisseur_ = 1;
    bool Decoupe_ = false;
};

// Told of every text and shape the controls paint, for the tests that check
// what a user can read. Unset in the program, where painting pays one pointer
// test for it. Boxes are in the painter's coordinates; its device is the
// control painted (or a picture, or the printer).
class TTemoinDessin {
public:
    virtual ~TTemoinDessin() = default;
    virtual void Texte(const QPainter& P, const QRectF& Boite, const QColor& Couleur, const QString& Texte) = 0;
    virtual void Forme(const QPainter& P, const QRectF& Boite) = 0;
    // A skin's picture laid over Cible: stretched between its margins, or
    // else copied whole, copy after copy.
    virtual void Motif(const QPainter& P, const QImage& Image, bool Etire, QSize Cible) = 0;
    // True: texts are told but not drawn, so that what lies under them shows.
    virtual bool CacheTextes() const { return false; }
    // A plain fill (told as a shape too), for grounds that cannot be read back (paper).
    virtual void Fond(const QPainter&, const QRectF&, const QColor&) {}
};

extern TTemoinDessin* TemoinDessin;

// QPainter::drawText in a box, told to the witness.
void DessineTexte(QPainter& P, const QRect& Boite, int Drapeaux, const QString& Texte);

// Text measures of a control's font, for models that check lines against the
// control (the text report).
class TMesureQt : public TMesureTexte {
public:
    explicit TMesureQt(const QFont& Police) : Police_(Police) {}
    void SetPolice(const QFont& Police) { Police_ = Police; }
    int LargeurTexte(std::string_view Texte) override;
    int HauteurTexte(std::string_view Texte) override;

private:
    QFont Police_;
};

// Pixel size of a font given in points at 96 pixels per inch.
int PixelsDePoints(double Points);

// Device pixels per logical pixel on a printer of Dpi dots per inch (1 when it tells none).
double EchelleImpression(int Dpi);

// The sizes, in points, the controls print their text at: a grid smaller, so
// that its columns keep to the page, a report larger, to be read as a page.
constexpr int PointsImpressionGrille = 12;
constexpr int PointsImpressionRapport = 14;

// The font a control prints in: its own family at Points.
QFont PoliceImpression(const QFont& Base, int Points);

// A control's drawing on a printer's page (Page in device pixels, Dpi its
// resolution): Canevas draws in logical pixels in the control's print font at
// Points, over Zone, the page in logical pixels.
struct TPapierQt {
    TPapierQt(QPainter& Painter, const QRect& Page, int Dpi, const QFont& Base, int Points);
    double Echelle;
    TCanevasQt Canevas;
    TRect Zone;
};

// Pages on the platform's printer target (the chosen printer, a PDF file in
// tests), each below the printer's title: Dessine gets the painter, the page
// in device pixels, the resolution and the page's number from 0, and says
// whether another page follows. Nothing is printed when the printer cannot be
// opened; printing stops at a page it refuses.
void ImprimePages(bool Paysage, const std::function<bool(QPainter&, const QRect&, int, int)>& Dessine);
// A document of one page.
void ImprimeUnePage(bool Paysage, const std::function<void(QPainter&, const QRect&, int)>& Dessine);
