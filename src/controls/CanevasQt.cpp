#include "controls/CanevasQt.h"

#include "controls/ImageQt.h"
#include "platform/Couleurs.h"
#include "platform/Imprimante.h"

#include <QFontMetrics>
#include <QImage>
#include <QString>

#include <cmath>

namespace {

// The models' logical pixels, and a font's points, to the inch.
constexpr double PixelsParPouce = 96.0;
constexpr double PointsParPouce = 72.0;

QString Q(std::string_view Texte)
{
    return QString::fromUtf8(Texte.data(), static_cast<qsizetype>(Texte.size()));
}

// A control font sized in points becomes a pixel-sized font, so measures and
// drawing agree on every device.
QFont EnPixels(const QFont& Police)
{
    QFont F = Police;
    if (F.pixelSize() <= 0)
        F.setPixelSize(PixelsDePoints(F.pointSizeF() > 0 ? F.pointSizeF() : 9));
    return F;
}

QRectF BoiteDe(const TRect& R)
{
    return QRectF(R.Left, R.Top, R.Width(), R.Height());
}

} // namespace

TTemoinDessin* TemoinDessin = nullptr;

void DessineTexte(QPainter& P, const QRect& Boite, int Drapeaux, const QString& Texte)
{
    if (TemoinDessin != nullptr && !Texte.isEmpty()) {
        TemoinDessin->Texte(P, P.boundingRect(QRectF(Boite), Drapeaux, Texte), P.pen().color(), Texte);
        if (TemoinDessin->CacheTextes())
            return;
    }
    P.drawText(Boite, Drapeaux, Texte);
}

int PixelsDePoints(double Points)
{
    return std::max(1, static_cast<int>(std::lround(Points * PixelsParPouce / PointsParPouce)));
}

double EchelleImpression(int Dpi)
{
    return Dpi > 0 ? Dpi / PixelsParPouce : 1.0;
}

QFont PoliceImpression(const QFont& Base, int Points)
{
    QFont Police = Base;
    Police.setPixelSize(PixelsDePoints(Points));
    return Police;
}

TPapierQt::TPapierQt(QPainter& Painter, const QRect& Page, int Dpi, const QFont& Base, int Points)
    : Echelle(EchelleImpression(Dpi)), Canevas(Painter, PoliceImpression(Base, Points), Echelle),
      Zone(Rect(0, 0, static_cast<int>(Page.width() / Echelle), static_cast<int>(Page.height() / Echelle)))
{
}

QFont PoliceQt(const QFont& Base, const TPolice& Police)
{
    QFont F = EnPixels(Base);
    if (Police.Taille > 0)
        F.setPixelSize(PixelsDePoints(Police.Taille));
    F.setBold(Police.Gras);
    F.setUnderline(Police.Souligne);
    return F;
}

TCanevasQt::TCanevasQt(QPainter& Painter, const QFont& Base, double Echelle) : P_(Painter), Base_(EnPixels(Base))
{
    P_.save();
    if (Echelle != 1.0)
        P_.scale(Echelle, Echelle);
    Police_Qt_ = Base_;
    P_.setFont(Police_Qt_);
    P_.setBrush(Qt::NoBrush);
    AppliqueCrayon();
}

TCanevasQt::~TCanevasQt()
{
    if (Decoupe_)
        P_.restore();
    P_.restore();
}

void TCanevasQt::AppliqueCrayon()
{
    QPen Pen(VersQColor(Crayon_));
    Pen.setWidth(Epaisseur_);
    Pen.setCapStyle(Qt::FlatCap);
    P_.setPen(Pen);
}

void TCanevasQt::SetCrayon(TColor Couleur, int Epaisseur)
{
    Crayon_ = Couleur;
    Epaisseur_ = std::max(Epaisseur, 1);
    AppliqueCrayon();
}

void TCanevasQt::Ligne(int X1, int Y1, int X2, int Y2)
{
    if (X1 == X2 && Y1 == Y2)
        return;
    if (TemoinDessin != nullptr)
        TemoinDessin->Forme(P_, QRectF(QPointF(std::min(X1, X2), std::min(Y1, Y2)),
                                       QPointF(std::max(X1, X2) + (Y1 == Y2 ? 0 : Epaisseur_),
                                               std::max(Y1, Y2) + (X1 == X2 ? 0 : Epaisseur_))));
    // The end point is not drawn, as the platform's LineTo.
    if (Y1 == Y2)
        P_.fillRect(QRect(std::min(X1, X2 < X1 ? X2 + 1 : X2), Y1, std::abs(X2 - X1), Epaisseur_), VersQColor(Crayon_));
    else if (X1 == X2)
        P_.fillRect(QRect(X1, std::min(Y1, Y2 < Y1 ? Y2 + 1 : Y2), Epaisseur_, std::abs(Y2 - Y1)), VersQColor(Crayon_));
    else
        P_.drawLine(X1, Y1, X2, Y2);
}

void TCanevasQt::Contour(const TRect& R)
{
    if (R.Width() <= 0 || R.Height() <= 0)
        return;
    if (TemoinDessin != nullptr)
        TemoinDessin->Forme(P_, BoiteDe(R));
    QColor C = VersQColor(Crayon_);
    P_.fillRect(QRect(R.Left, R.Top, R.Width(), 1), C);
    P_.fillRect(QRect(R.Left, R.Bottom - 1, R.Width(), 1), C);
    P_.fillRect(QRect(R.Left, R.Top, 1, R.Height()), C);
    P_.fillRect(QRect(R.Right - 1, R.Top, 1, R.Height()), C);
}

void TCanevasQt::Remplit(const TRect& R, TColor Couleur)
{
    if (R.Width() <= 0 || R.Height() <= 0)
        return;
    if (TemoinDessin != nullptr) {
        TemoinDessin->Forme(P_, BoiteDe(R));
        TemoinDessin->Fond(P_, BoiteDe(R), VersQColor(Couleur));
    }
    P_.fillRect(QRect(R.Left, R.Top, R.Width(), R.Height()), VersQColor(Couleur));
}

void TCanevasQt::SetPolice(const TPolice& Police)
{
    if (Police.Taille != Police_.Taille || Police.Gras != Police_.Gras || Police.Souligne != Police_.Souligne) {
        Police_Qt_ = PoliceQt(Base_, Police);
        P_.setFont(Police_Qt_);
    }
    Police_ = Police;
}

void TCanevasQt::Texte(int X, int Y, std::string_view Texte)
{
    if (Texte.empty())
        return;
    QFontMetrics M(Police_Qt_, P_.device());
    if (TemoinDessin != nullptr) {
        TemoinDessin->Texte(P_, QRectF(X, Y, M.horizontalAdvance(Q(Texte)), M.height()), VersQColor(Police_.Couleur),
                            Q(Texte));
        if (TemoinDessin->CacheTextes())
            return;
    }
    QPen Ancien = P_.pen();
    P_.setPen(VersQColor(Police_.Couleur));
    P_.drawText(X, Y + M.ascent(), Q(Texte));
    P_.setPen(Ancien);
}

void TCanevasQt::Image(const TImage& Image, const TRect& Destination)
{
    if (Destination.Width() <= 0 || Destination.Height() <= 0)
        return;
    if (TemoinDessin != nullptr)
        TemoinDessin->Forme(P_, BoiteDe(Destination));
    P_.save();
    P_.setRenderHint(QPainter::SmoothPixmapTransform);
    P_.drawImage(QRect(Destination.Left, Destination.Top, Destination.Width(), Destination.Height()),
                 VersQImage(Image));
    P_.restore();
}

void TCanevasQt::Decoupe(const TRect& R)
{
    if (Decoupe_)
        P_.restore();
    P_.save();
    P_.setClipRect(QRect(R.Left, R.Top, R.Width(), R.Height()), Qt::IntersectClip);
    Decoupe_ = true;
}

void TCanevasQt::FinDecoupe()
{
    if (!Decoupe_)
        return;
    P_.restore();
    Decoupe_ = false;
    P_.setFont(Police_Qt_);
    AppliqueCrayon();
}

int TCanevasQt::LargeurTexte(std::string_view Texte)
{
    return QFontMetrics(Police_Qt_, P_.device()).horizontalAdvance(Q(Texte));
}

int TCanevasQt::HauteurTexte(std::string_view)
{
    return QFontMetrics(Police_Qt_, P_.device()).height();
}

int TMesureQt::LargeurTexte(std::string_view Texte)
{
    return QFontMetrics(EnPixels(Police_)).horizontalAdvance(Q(Texte));
}

int TMesureQt::HauteurTexte(std::string_view)
{
    return QFontMetrics(EnPixels(Police_)).height();
}

void ImprimePages(bool Paysage, const std::function<bool(QPainter&, const QRect&, int, int)>& Dessine)
{
    TImprimante& Imprimante = ::Imprimante();
    Imprimante.SetOrientation(Paysage ? TImprimante::TOrientation::Paysage : TImprimante::TOrientation::Portrait);
    if (!Imprimante.BeginDoc())
        return;
    for (int Numero = 0;; ++Numero) {
        // What is printed goes under the document's title, with the page's origin at its top.
        const int Titre = Imprimante.ImprimeTitre();
        QPainter& Canvas = *Imprimante.Canvas();
        Canvas.save();
        Canvas.translate(0, Titre);
        const bool Suite = Dessine(Canvas, QRect(0, 0, Imprimante.PageWidth(), Imprimante.PageHeight() - Titre),
                                   Imprimante.Resolution(), Numero);
        Canvas.restore();
        if (!Suite || !Imprimante.NewPage())
            break;
    }
    Imprimante.EndDoc();
}

void ImprimeUnePage(bool Paysage, const std::function<void(QPainter&, const QRect&, int)>& Dessine)
{
    ImprimePages(Paysage, [&Dessine](QPainter& Canvas, const QRect& Page, int Dpi, int) {
        Dessine(Canvas, Page, Dpi);
        return false;
    });
}
