#include "controls/Editeur.h"

#include "controls/Defilement.h"
#include "platform/Couleurs.h"

#include <QEvent>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

TEditeur::TEditeur(QWidget* Parent) : QWidget(Parent), Barre_(new QScrollBar(Qt::Vertical, this)), Mesure_(font())
{
    Barre_->hide();
    connect(Barre_, &QScrollBar::valueChanged, this, [this] { update(); });
    SetMesure(&Mesure_);
    resize(100, 100);
}

TEditeur::~TEditeur()
{
    SetMesure(nullptr);
}

void TEditeur::SetCouleur(TColor Couleur)
{
    Couleur_ = Couleur;
    update();
}

int TEditeur::GetLargeur() const
{
    return Defilant ? width() - Barre_->sizeHint().width() : width();
}

int TEditeur::LargeurLignes() const
{
    return Barre_->isHidden() ? GetLargeur() : width() - Barre_->width();
}

int TEditeur::RangeesVisibles()
{
    // As SetLigne counts them: a last row shows once its text fits, though
    // the row's full height would not.
    const int Libre = height() - MargeHaut - Mesure_.HauteurTexte("");
    return Libre < 0 ? 1 : Libre / std::max<int>(1, HauteurLigne) + 1;
}

void TEditeur::MiseAJourBarre()
{
    BarreAJour_ = true;
    // A report that grows with its lines never needs the bar.
    if (AutoHauteur) {
        Barre_->hide();
        return;
    }
    const auto Rangees = [this](int Largeur) {
        QImage Image(1, 1, QImage::Format_ARGB32);
        QPainter P(&Image);
        TCanevasQt Canevas(P, font());
        return Dessine(Canevas, Rect(0, 0, Largeur, height()), false, 0, 0);
    };
    const int LargeurBarre = Barre_->sizeHint().width();
    int Nombre = Rangees(GetLargeur());
    const bool Defile = Nombre > RangeesVisibles();
    // The bar narrows the lines, which may then take more rows.
    if (Defile && !Defilant)
        Nombre = Rangees(width() - LargeurBarre);
    Barre_->setGeometry(width() - LargeurBarre, 0, LargeurBarre, height());
    Barre_->setRange(0, Defile ? Nombre - RangeesVisibles() : 0);
    Barre_->setPageStep(RangeesVisibles());
    Barre_->setVisible(Defile);
    // Clicked, a report that scrolls takes the keys.
    setFocusPolicy(Defile ? Qt::ClickFocus : Qt::NoFocus);
}

QScrollBar* TEditeur::Barre()
{
    if (!BarreAJour_)
        MiseAJourBarre();
    return Barre_;
}

void TEditeur::Repeint()
{
    BarreAJour_ = false;
    update();
}

void TEditeur::paintEvent(QPaintEvent*)
{
    QPainter P(this);
    P.fillRect(rect(), VersQColor(Couleur_));
    TCanevasQt Canevas(P, font());
    DessineEcran(Canevas);
}

void TEditeur::DessineEcran(TCanevas& Canevas)
{
    const bool Entier = Barre()->isHidden();
    const TRect Zone = Rect(0, 0, LargeurLignes(), height());
    if (Entier)
        Dessine(Canevas, Zone, false);
    else
        Dessine(Canevas, Zone, false, Barre_->value(), RangeesVisibles());
}

void TEditeur::changeEvent(QEvent* Event)
{
    if (Event->type() == QEvent::FontChange) {
        Mesure_.SetPolice(font());
        BarreAJour_ = false;
    }
    QWidget::changeEvent(Event);
}

void TEditeur::resizeEvent(QResizeEvent* Event)
{
    BarreAJour_ = false;
    QWidget::resizeEvent(Event);
}

void TEditeur::wheelEvent(QWheelEvent* Event)
{
    if (!DefileParMolette(*Barre(), Event))
        QWidget::wheelEvent(Event);
}

void TEditeur::keyPressEvent(QKeyEvent* Event)
{
    if (!DefileParTouche(*Barre(), Event->key()))
        QWidget::keyPressEvent(Event);
}

void TEditeur::AppliqueHauteur(int Hauteur)
{
    if (Hauteur != height())
        resize(width(), Hauteur);
}

void TEditeur::ImprimeSur(QPainter& Painter, const QRect& Page, int Dpi)
{
    TPapierQt Papier(Painter, Page, Dpi, font(), PointsImpressionRapport);
    Dessine(Papier.Canevas, Papier.Zone, true);
}

void TEditeur::Imprime()
{
    // A report longer than the page goes on over further pages, rows whole on each.
    ImprimePages(false, [this](QPainter& P, const QRect& Page, int Dpi, int Numero) {
        TPapierQt Papier(P, Page, Dpi, font(), PointsImpressionRapport);
        const int ParPage = std::max(1, (Papier.Zone.Height() - MargeHaut) / HauteurRangee(Papier.Canevas, true));
        const int Rangees = Dessine(Papier.Canevas, Papier.Zone, true, Numero * ParPage, ParPage);
        return (Numero + 1) * ParPage < Rangees;
    });
}
