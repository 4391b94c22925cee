#include "support_ui/VerifieImpression.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace testsupport {

namespace {

std::string Decrit(const TTexteImprime& t)
{
    const QRect& r = t.Boite;
    return "\"" + t.Libelle.toStdString() + "\" (" + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " +
           std::to_string(r.width()) + "x" + std::to_string(r.height()) + ")";
}

} // namespace

TReleveImpression::TReleveImpression(const QPaintDevice* appareil) : FAppareil(appareil), FAncien(TemoinDessin)
{
    TemoinDessin = this;
}

TReleveImpression::~TReleveImpression()
{
    TemoinDessin = FAncien;
}

void TReleveImpression::Texte(const QPainter& p, const QRectF& boite, const QColor&, const QString& texte)
{
    const bool imprime =
        FAppareil != nullptr ? p.device() == FAppareil : dynamic_cast<const QPagedPaintDevice*>(p.device()) != nullptr;
    if (!imprime || texte.trimmed().isEmpty())
        return;
    const QTransform& m = p.worldTransform();
    TTexteImprime t;
    t.Boite = m.mapRect(boite).toRect();
    t.Decoupe = p.hasClipping() ? m.mapRect(p.clipBoundingRect()).toAlignedRect() : QRect();
    t.Libelle = texte;
    Textes.push_back(std::move(t));
}

std::vector<std::string> VerifieImpression(const std::vector<TTexteImprime>& textes, const QRect& feuille)
{
    std::vector<std::string> defauts;
    for (const TTexteImprime& t : textes) {
        // A text's advance ends with a little space after its last letter.
        const QRect encre = t.Boite.adjusted(0, 0, -1, 0);
        if (!feuille.contains(encre))
            defauts.push_back("hors de la feuille: " + Decrit(t));
        else if (!t.Decoupe.isNull() && !t.Decoupe.contains(encre))
            defauts.push_back("coupé: " + Decrit(t));
    }
    // Lines set at their font's height touch; a few pixels of overlap are the
    // leading of the font, not one text printed on another.
    for (size_t i = 0; i < textes.size(); ++i)
        for (size_t j = i + 1; j < textes.size(); ++j) {
            const QRect commun = textes[i].Boite & textes[j].Boite;
            const int tolerance = std::max(2, std::min(textes[i].Boite.height(), textes[j].Boite.height()) / 8);
            if (commun.width() > 2 && commun.height() > tolerance)
                defauts.push_back("l'un sur l'autre: " + Decrit(textes[i]) + " et " + Decrit(textes[j]));
        }
    return defauts;
}

} // namespace testsupport
