#include "controls/ImpressionLabels.h"

#include "base/Ajustement.h"
#include "controls/CanevasQt.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QStringList>

#include <cmath>
#include <vector>

namespace {

// The size a label prints at when its place holds it.
constexpr int TailleLabels = 14;
// The frame round the panel.
constexpr int EpaisseurCadre = 3;

// The label's place scaled by Sx, Sy into Rect: written from the top of it,
// as the label's text starts there; across, aligned in it as on screen (a
// value against its right edge).
TTexteImprime PlaceLabel(const QLabel& Label, const QRect& Rect, double Sx, double Sy)
{
    const QPoint Ou(Rect.left() + static_cast<int>(std::lround(Label.x() * Sx)),
                    Rect.top() + static_cast<int>(std::lround(Label.y() * Sy)));
    const QSize Taille(static_cast<int>(Label.width() * Sx), static_cast<int>(Label.height() * Sy));
    const int Drapeaux = static_cast<int>(Label.alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop |
                         (Label.wordWrap() ? Qt::TextWordWrap : 0);
    return {Label.font(), QRect(Ou, Taille), Drapeaux, Label.text()};
}

// At the floor: the lines the place has height for, each within its width.
void AbregeLignes(TTexteImprime& T, const QFontMetricsF& Mesure)
{
    QStringList Lignes = T.Texte.split(QLatin1Char('\n'));
    const auto Tiennent = std::max<qsizetype>(1, static_cast<qsizetype>(T.Place.height() / Mesure.lineSpacing()));
    if (Lignes.size() > Tiennent) {
        Lignes.resize(Tiennent);
        Lignes.back() += QString::fromUtf8("\u2026");
    }
    for (QString& Ligne : Lignes)
        Ligne = AbregeQt(Ligne, T.Place.width(), Mesure);
    T.Texte = Lignes.join(QLatin1Char('\n'));
    T.Drapeaux &= ~Qt::TextWordWrap;
}

} // namespace

QString AbregeQt(const QString& Texte, int Largeur, const QFontMetricsF& Mesure)
{
    return QString::fromStdString(Abrege(Texte.toStdString(), Largeur, [&Mesure](std::string_view T) {
        return static_cast<int>(
            std::ceil(Mesure.horizontalAdvance(QString::fromUtf8(T.data(), static_cast<qsizetype>(T.size())))));
    }));
}

void AjusteTexteImprime(TTexteImprime& T, int Base, const QPaintDevice* Appareil)
{
    auto Tient = [&](int Taille) {
        T.Police.setPointSize(Taille);
        const QRectF Besoin = QFontMetricsF(T.Police, Appareil).boundingRect(T.Place, T.Drapeaux, T.Texte);
        return Besoin.width() <= T.Place.width() && Besoin.height() <= T.Place.height();
    };
    const TTailleAjustee Taille = AjusteTaille(Base, Tient);
    T.Police.setPointSize(Taille.Taille);
    if (!Taille.Tient)
        AbregeLignes(T, QFontMetricsF(T.Police, Appareil));
}

void ImprimeTexte(QPainter& Canvas, const TTexteImprime& T)
{
    Canvas.setFont(T.Police);
    DessineTexte(Canvas, T.Place, T.Drapeaux, T.Texte);
}

void ImprimeTexteAjuste(QPainter& Canvas, int Base, const QRect& Boite, int Drapeaux, const QString& Texte)
{
    const QFont Avant = Canvas.font();
    TTexteImprime T{Avant, Boite, Drapeaux, Texte};
    AjusteTexteImprime(T, Base, Canvas.device());
    ImprimeTexte(Canvas, T);
    Canvas.setFont(Avant);
}

void ImprimeLabelsPanneau(QPainter& Canvas, const QWidget& Panneau, const QRect& Rect)
{
    if (Panneau.width() <= 0 || Panneau.height() <= 0)
        return;
    const double Sx = static_cast<double>(Rect.width()) / Panneau.width();
    const double Sy = static_cast<double>(Rect.height()) / Panneau.height();
    // A label that would outgrow its place (a value over its caption) gets
    // smaller on its own: its neighbours keep their size.
    std::vector<TTexteImprime> Labels;
    for (QObject* Enfant : Panneau.children()) {
        auto* Label = qobject_cast<QLabel*>(Enfant);
        if (Label == nullptr || Label->isHidden() || Label->text().isEmpty())
            continue;
        Labels.push_back(PlaceLabel(*Label, Rect, Sx, Sy));
        AjusteTexteImprime(Labels.back(), TailleLabels, Canvas.device());
    }
    Canvas.save();
    Canvas.setPen(QPen(Qt::black, EpaisseurCadre));
    Canvas.setBrush(Qt::NoBrush);
    Canvas.drawRect(Rect);
    Canvas.setPen(Qt::black);
    for (const TTexteImprime& T : Labels)
        ImprimeTexte(Canvas, T);
    Canvas.restore();
}
