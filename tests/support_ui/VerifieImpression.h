#pragma once
// What a reader of a printed sheet would see as broken: two texts printed
// over each other, a text past the sheet or cut short by the box it is
// printed in.

#include "controls/CanevasQt.h"

#include <QRect>
#include <QString>

#include <string>
#include <vector>

namespace testsupport {

// One text printed, in the device's pixels.
struct TTexteImprime {
    QRect Boite;
    // The part of the sheet the painter could reach: its clip, if any.
    QRect Decoupe;
    QString Libelle;
};

// While it lives, records the texts painted on Appareil, or without one on
// the printer (a chart drawn in a picture before it is printed is not).
class TReleveImpression : public TTemoinDessin {
public:
    explicit TReleveImpression(const QPaintDevice* appareil = nullptr);
    ~TReleveImpression() override;
    TReleveImpression(const TReleveImpression&) = delete;
    TReleveImpression& operator=(const TReleveImpression&) = delete;

    void Texte(const QPainter& p, const QRectF& boite, const QColor& couleur, const QString& texte) override;
    void Forme(const QPainter&, const QRectF&) override {}
    void Motif(const QPainter&, const QImage&, bool, QSize) override {}

    std::vector<TTexteImprime> Textes;

private:
    const QPaintDevice* FAppareil;
    TTemoinDessin* FAncien;
};

// One line per fault among Textes printed on a sheet of size Feuille: a text
// past the sheet or its clip, two texts whose boxes overlap.
std::vector<std::string> VerifieImpression(const std::vector<TTexteImprime>& textes, const QRect& feuille);

} // namespace testsupport
