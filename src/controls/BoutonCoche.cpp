#include "controls/BoutonCoche.h"

#include "controls/CanevasQt.h"
#include "platform/Couleurs.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr TColor Gris = 0x808080;
constexpr TColor Clair = 0xDFDFDF;
constexpr TColor Inactif = 0xBFBFBF;
constexpr TColor Transparent = 0x808000;

// The round box, row by row: 0 background, 1 grey, 2 black, 3 face, 4 light.
constexpr int MotifRond[12][12] = {
    {0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0}, {0, 0, 1, 1, 2, 2, 2, 2, 1, 1, 0, 0}, {0, 1, 2, 2, 3, 3, 3, 3, 2, 2, 3, 0},
    {0, 1, 2, 3, 3, 3, 3, 3, 3, 4, 3, 0}, {1, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 3}, {1, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 3},
    {1, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 3}, {1, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 3}, {0, 1, 2, 3, 3, 3, 3, 3, 3, 4, 3, 0},
    {0, 1, 4, 4, 3, 3, 3, 3, 4, 4, 3, 0}, {0, 0, 3, 3, 4, 4, 4, 4, 3, 3, 0, 0}, {0, 0, 0, 0, 3, 3, 3, 3, 0, 0, 0, 0},
};

QImage ImageRond(TColor face)
{
    const TColor couleurs[5] = {Transparent, Gris, 0x000000, face, Clair};
    QImage image(12, 12, QImage::Format_ARGB32);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            image.setPixelColor(x, y, VersQColor(couleurs[MotifRond[y][x]]));
    return image;
}

// Drawn transparently: the background colour lets the parent show through.
QImage SansFond(const QImage& image)
{
    QImage resultat = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb cle = VersQColor(Transparent).rgb();
    for (int y = 0; y < resultat.height(); ++y)
        for (int x = 0; x < resultat.width(); ++x)
            if (resultat.pixel(x, y) == cle)
                resultat.setPixel(x, y, 0);
    return resultat;
}

void Point(QPainter& canvas, int x, int y, TColor couleur)
{
    canvas.fillRect(x, y, 1, 1, VersQColor(couleur));
}

} // namespace

// ---------------------------------------------------------------- TBoutonCoche

TBoutonCoche::TBoutonCoche(QWidget* parent) : QWidget(parent)
{
    resize(100, 20);
}

TBoutonCoche* TBoutonCoche::DecocheGroupe() const
{
    if (FGroupe < 0 || parentWidget() == nullptr)
        return nullptr;
    for (QObject* o : parentWidget()->children())
        if (auto* frere = qobject_cast<TBoutonCoche*>(o);
            frere != nullptr && frere != this && frere->FGroupe == FGroupe && frere->FChecked)
            return frere;
    return nullptr;
}

void TBoutonCoche::SetChecked(bool valeur)
{
    if (valeur == FChecked)
        return;
    if (valeur)
        if (TBoutonCoche* frere = DecocheGroupe())
            frere->SetChecked(false);
    FChecked = valeur;
    update();
}

void TBoutonCoche::SetGroupe(int valeur)
{
    if (valeur == FGroupe)
        return;
    FGroupe = valeur;
    if (FChecked && DecocheGroupe() != nullptr)
        FChecked = false;
    update();
}

void TBoutonCoche::SetAlignement(TAlignement valeur)
{
    FAlignement = valeur;
    update();
}

void TBoutonCoche::SetAutoSize(bool valeur)
{
    FAutoSize = valeur;
    AjusteTaille();
}

void TBoutonCoche::SetCouleurCoche(TColor couleur)
{
    FCouleurCoche = couleur;
    update();
}

void TBoutonCoche::SetCaption(const std::string& caption)
{
    FCaption = QString::fromStdString(caption);
    AjusteTaille();
    update();
}

void TBoutonCoche::AjusteTaille()
{
    if (FAutoSize)
        resize(QFontMetrics(font()).horizontalAdvance(FCaption) + 25, height());
}

void TBoutonCoche::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        AjusteTaille();
    if (event->type() == QEvent::EnabledChange)
        update();
}

QPoint TBoutonCoche::PositionBoite() const
{
    return QPoint(FAlignement == TAlignement::taDroite ? 0 : width() - 13, (height() - 13) / 2);
}

void TBoutonCoche::Dessine(QPainter& canvas) const
{
    canvas.save();
    canvas.setFont(font());
    canvas.setPen(palette().color(QPalette::WindowText));
    const int x = FAlignement == TAlignement::taDroite ? 25 : 0;
    DessineTexte(canvas, QRect(x, 0, std::max(0, width() - x), height()), Qt::AlignLeft | Qt::AlignVCenter, FCaption);
    canvas.restore();
    DessineBoite(canvas, PositionBoite());
}

void TBoutonCoche::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    Dessine(canvas);
}

void TBoutonCoche::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    FPresse = event->button() == Qt::LeftButton;
    if (FPresse)
        Presse();
}

void TBoutonCoche::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    const bool clic = FPresse && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    FPresse = false;
    if (clic && OnClick)
        OnClick();
}

// ---------------------------------------------------------------- TCarreCoche

TCarreCoche::TCarreCoche(QWidget* parent) : TBoutonCoche(parent)
{
    SetGroupe(-1);
}

void TCarreCoche::Presse()
{
    SetChecked(!Checked());
}

void TCarreCoche::DessineBoite(QPainter& canvas, QPoint boite) const
{
    const int x = boite.x();
    const int y = boite.y();
    canvas.fillRect(x, y, 13, 13, Qt::white);
    // Outer border: grey above and left, light right and below; inner border black above and left.
    canvas.fillRect(x, y, 13, 1, VersQColor(Gris));
    canvas.fillRect(x, y, 1, 13, VersQColor(Gris));
    canvas.fillRect(x + 12, y, 1, 13, VersQColor(Clair));
    canvas.fillRect(x, y + 12, 13, 1, VersQColor(Clair));
    canvas.fillRect(x + 1, y + 1, 11, 1, Qt::black);
    canvas.fillRect(x + 1, y + 1, 1, 11, Qt::black);
    if (!isEnabled())
        canvas.fillRect(x + 2, y + 2, 10, 10, VersQColor(Inactif));
    if (!Checked())
        return;
    const TColor couleur = isEnabled() ? CouleurCoche() : Gris;
    static constexpr int Departs[7] = {5, 6, 7, 6, 5, 4, 3};
    for (int i = 0; i < 7; ++i)
        for (int k = 0; k < 3; ++k)
            Point(canvas, x + 3 + i, y + Departs[i] + k, couleur);
}

// ---------------------------------------------------------------- TRondCoche

TRondCoche::TRondCoche(QWidget* parent)
    : TBoutonCoche(parent), FActive(ImageRond(0xFFFFFF)), FInactive(ImageRond(Inactif))
{
    SetGroupe(0);
}

void TRondCoche::Presse()
{
    if (!Checked())
        SetChecked(true);
}

void TRondCoche::DessineBoite(QPainter& canvas, QPoint boite) const
{
    canvas.drawImage(boite, SansFond(isEnabled() ? FActive : FInactive));
    if (Checked()) {
        // A round dot half the box wide: a 4-pixel square is lost in the box on any modern screen.
        const TColor couleur = isEnabled() ? CouleurCoche() : Gris;
        canvas.save();
        canvas.setRenderHint(QPainter::Antialiasing);
        canvas.setPen(Qt::NoPen);
        canvas.setBrush(VersQColor(couleur));
        canvas.drawEllipse(QRectF(boite.x() + 3, boite.y() + 3, 6, 6));
        canvas.restore();
    }
}
