#include "controls/Graphe.h"

#include "base/Utilities.h"
#include "controls/CanevasQt.h"
#include "platform/Couleurs.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <filesystem>
#include <system_error>

TGraphe::TGraphe(QWidget* Parent) : QWidget(Parent)
{
    resize(100, 100);
    setMouseTracking(true);
}

TGraphe::~TGraphe() = default;

void TGraphe::paintEvent(QPaintEvent*)
{
    QPainter P(this);
    {
        TCanevasQt Canevas(P, font());
        Modele().Dessine(Canevas);
    }
    if (OnPaint)
        OnPaint(P);
}

void TGraphe::mousePressEvent(QMouseEvent* Event)
{
    if (OnMouseDown)
        OnMouseDown(Event->button(), Event->position().toPoint().x(), Event->position().toPoint().y());
}

void TGraphe::mouseMoveEvent(QMouseEvent* Event)
{
    if (OnMouseMove)
        OnMouseMove(Event->position().toPoint().x(), Event->position().toPoint().y());
}

void TGraphe::mouseReleaseEvent(QMouseEvent* Event)
{
    if (OnMouseUp)
        OnMouseUp(Event->button(), Event->position().toPoint().x(), Event->position().toPoint().y());
    if (Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint()) && OnClick)
        OnClick();
}

QImage TGraphe::Image(TColor Fond)
{
    QImage Image(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
    Image.fill(VersQColor(Fond));
    QPainter P(&Image);
    TCanevasQt Canevas(P, font());
    Modele().Dessine(Canevas);
    return Image;
}

void TGraphe::Imprime(const QRect& R, QPainter& Painter)
{
    if (width() <= 0 || height() <= 0)
        return;
    TModeleGraphe& M = Modele();
    TColor Contours = M.GetCouleurContours(), Ecriture = M.GetEcritureContours();
    M.SetCouleurContours(0);
    M.SetEcritureContours(0);
    QImage Dessin = Image(0xFFFFFF);
    M.SetCouleurContours(Contours);
    M.SetEcritureContours(Ecriture);
    double Echelle = std::min(static_cast<double>(R.width()) / width(), static_cast<double>(R.height()) / height());
    int W = static_cast<int>(width() * Echelle), H = static_cast<int>(height() * Echelle);
    QRect Cible(R.left() + (R.width() - W) / 2, R.top() + (R.height() - H) / 2, W, H);
    Painter.save();
    if (TemoinDessin != nullptr) {
        Painter.translate(Cible.topLeft());
        TemoinDessin->Motif(Painter, Dessin, true, Cible.size());
        Painter.translate(-Cible.topLeft());
    }
    Painter.setRenderHint(QPainter::SmoothPixmapTransform);
    Painter.drawImage(Cible, Dessin);
    Painter.restore();
}

TGraphLigne::TGraphLigne(QWidget* Parent) : TGraphe(Parent) {}

TGraphBarre::TGraphBarre(QWidget* Parent) : TGraphe(Parent) {}

bool SauveGraphePng(TGraphe& Graphe, const std::string& Nom, TColor Fond)
{
    return SauveImagePng(Graphe.Image(Fond), Nom);
}

QImage ImageDeuxGraphes(TGraphe& Haut, TGraphe& Bas, TColor Fond)
{
    const QImage Image1 = Haut.Image(Fond);
    const QImage Image2 = Bas.Image(Fond);
    QImage Image(std::max(1, Image1.width()), std::max(1, Image1.height() + Image2.height()), QImage::Format_RGB32);
    Image.fill(QColor(Fond & 0xFF, (Fond >> 8) & 0xFF, (Fond >> 16) & 0xFF));
    QPainter P(&Image);
    P.drawImage(0, 0, Image1);
    P.drawImage(0, Image1.height(), Image2);
    return Image;
}

bool SauveImagePng(const QImage& Image, const std::string& Nom)
{
    std::filesystem::path Dossier = std::filesystem::path(AppDir()) / "Temp";
    std::error_code Erreur;
    std::filesystem::create_directories(Dossier, Erreur);
    if (Erreur)
        return false;
    std::string Fichier = (Dossier / (Nom + ".png")).string();
    return Image.save(QString::fromStdString(Fichier), "PNG");
}
