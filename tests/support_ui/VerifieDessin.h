#pragma once
// What a user would see as broken in what our own controls paint (grids,
// text reports, charts, skinned buttons and frames, round boxes): a text or
// a shape drawn past the part of its control that shows, a text too pale or
// too dark for what it is drawn on.

#include "controls/CanevasQt.h"
#include "platform/Imprimante.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

namespace testsupport {

// One text or shape, in the coordinates of the control it was painted on.
struct TTracePeint {
    const QWidget* Controle = nullptr;
    QRect Boite;
    // The part of the control the painter could reach: its clip, if any.
    QRect Decoupe;
    bool Texte = false;
    QColor Couleur;
    QString Libelle;
    // On paper: the page (from 1; 0 on a screen), the printer's own title, a
    // plain fill of Couleur, the size of a picture laid there.
    int Feuille = 0;
    bool Titre = false;
    bool Fond = false;
    QSize Image;
};

// While it lives, records what the controls paint on widgets, and in Papier
// what is printed; with CacheTextes, their texts are recorded but not drawn.
class TReleveDessin : public TTemoinDessin, public TTemoinImpression {
public:
    explicit TReleveDessin(bool cacheTextes = false);
    ~TReleveDessin() override;
    TReleveDessin(const TReleveDessin&) = delete;
    TReleveDessin& operator=(const TReleveDessin&) = delete;

    void Texte(const QPainter& p, const QRectF& boite, const QColor& couleur, const QString& texte) override;
    void Forme(const QPainter& p, const QRectF& boite) override;
    void Motif(const QPainter& p, const QImage& image, bool etire, QSize cible) override;
    bool CacheTextes() const override { return FCacheTextes; }
    void Fond(const QPainter& p, const QRectF& boite, const QColor& couleur) override;
    void Page(const QPainter& p, int numero, const QSize& taille) override;
    void Titre(const QPainter& p, const QRectF& boite, const QString& texte) override;
    // Records what is painted on Appareil (a picture standing for a printed
    // sheet, without a title) as on the printer's only page.
    void Feuille(const QPaintDevice& appareil);

    std::vector<TTracePeint> Traces;
    std::vector<TTracePeint> Papier;
    // The printable area of each printed page, and its resolution.
    std::vector<QSize> Feuilles;
    int Resolution = 0;

private:
    TTracePeint* Note(const QPainter& p, const QRectF& boite, bool texte, const QColor& couleur,
                      const QString& libelle);

    bool FCacheTextes;
    const QPaintDevice* FFeuille = nullptr;
    TTemoinDessin* FAncien;
    TTemoinImpression* FAncienneImpression;
};

// What a reader of the printout Releve saw would find wrong: a page without
// the whole of Titre at its head (no title at all when Titre is empty), two texts over each other, a text cut by a
// row lower than it, a text or picture past the sheet, a text with less than
// 3:1 contrast against the fill under it (the paper where there is none), a
// chart printed from a picture too small to be read. One line per kind of fault.
std::vector<std::string> VerifiePapier(const TReleveDessin& releve, const std::string& titre);

// The size in points the text Trace was printed at, on a sheet of Resolution
// dots per inch, in the family of Police: told by the height of its box.
double PointsImprimes(const TTracePeint& trace, int resolution, const QFont& police);

// Relative luminance contrast of two colours, from 1 (same) to 21 (black on white).
double Contraste(const QColor& a, const QColor& b);

// Paints Racine, or only the part of it under Partie, and returns one line per
// fault in what its controls painted there.
std::vector<std::string> VerifieDessin(QWidget& racine, const QWidget* partie = nullptr);

// Everything the controls under Racine paint when it is painted once.
std::vector<TTracePeint> ReleveDessin(QWidget& racine);

} // namespace testsupport
