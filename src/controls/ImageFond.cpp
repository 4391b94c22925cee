#include "controls/ImageFond.h"

#include "base/Texte.h"
#include "controls/CanevasQt.h"
#include "controls/Defilement.h"
#include "platform/Couleurs.h"
#include "platform/Imprimante.h"

#include <QApplication>
#include <QDialog>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QHelpEvent>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTextEdit>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <vector>

// ---------------------------------------------------------------- TMarge

void TMarge::Change()
{
    if (OnChange)
        OnChange();
}

void TMarge::SetLeft(uint16_t valeur)
{
    if (valeur != FLeft) {
        FLeft = valeur;
        Change();
    }
}

void TMarge::SetTop(uint16_t valeur)
{
    if (valeur != FTop) {
        FTop = valeur;
        Change();
    }
}

void TMarge::SetRight(uint16_t valeur)
{
    if (valeur != FRight) {
        FRight = valeur;
        Change();
    }
}

void TMarge::SetBottom(uint16_t valeur)
{
    if (valeur != FBottom) {
        FBottom = valeur;
        Change();
    }
}

void TMarge::Set(uint16_t left, uint16_t top, uint16_t right, uint16_t bottom)
{
    SetLeft(left);
    SetTop(top);
    SetRight(right);
    SetBottom(bottom);
}

// ---------------------------------------------------------------- nine-piece rule

namespace {

class TPlan {
public:
    TPlan(QSize bitmap, QSize cible) : FBitmap(QPoint(0, 0), bitmap), FCible(QPoint(0, 0), cible) {}

    // Copies S(x1, y1, x2, y2) to (dx, dy), clipped to the bitmap and the target.
    void Copie(int x1, int y1, int x2, int y2, int dx, int dy)
    {
        QRect source(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
        const QRect dansBitmap = source.intersected(FBitmap);
        if (dansBitmap.isEmpty())
            return;
        QPoint destination(dx + dansBitmap.left() - x1, dy + dansBitmap.top() - y1);
        const QRect place(destination, dansBitmap.size());
        const QRect visible = place.intersected(FCible);
        if (visible.isEmpty())
            return;
        const QRect sourceVisible(dansBitmap.topLeft() + (visible.topLeft() - place.topLeft()), visible.size());
        FCopies.push_back({sourceVisible, visible.topLeft()});
    }

    std::vector<TCopieMotif> FCopies;

private:
    QRect FBitmap;
    QRect FCible;
};

} // namespace

std::vector<TCopieMotif> PlanMotif(QSize bitmap, const TMarge& marge, QSize cible, bool bouton)
{
    const int W = bitmap.width();
    const int H = bitmap.height();
    const int w = cible.width();
    const int h = cible.height();
    TPlan plan(bitmap, cible);
    if (W <= 0 || H <= 0 || w <= 0 || h <= 0)
        return {};
    const int l = marge.Left();
    const int t = marge.Top();
    const int r = marge.Right();
    const int b = marge.Bottom();
    const int cw = W - l - r;
    const int ch = H - t - b;
    if (marge.Vide() || cw <= 0 || ch <= 0) {
        for (int i = 0; i <= w / W; ++i)
            for (int j = 0; j <= h / H; ++j)
                plan.Copie(0, 0, W, H, i * W, j * H);
        return std::move(plan.FCopies);
    }
    int nx = std::max(0, (w - l - r) / cw);
    int ny = std::max(0, (h - t - b) / ch);
    if (t > 0) {
        plan.Copie(0, 0, l, t, 0, 0);
        for (int i = 0; i < nx; ++i)
            plan.Copie(l, 0, l + cw, t, l + i * cw, 0);
        const int reste = w - l - nx * cw;
        if (reste > 0)
            plan.Copie(W - reste, 0, W, t, l + nx * cw, 0);
    }
    if (l > 0)
        for (int j = 0; j <= ny; ++j)
            plan.Copie(0, t, l, t + ch, 0, t + j * ch);
    if (r > 0)
        --nx;
    if (b > 0)
        --ny;
    if (bouton) {
        nx = std::max(nx, 0);
        ny = std::max(ny, 0);
    }
    for (int i = 0; i <= nx; ++i)
        for (int j = 0; j <= ny; ++j)
            plan.Copie(l, t, l + cw, t + ch, l + i * cw, t + j * ch);
    const int xr = l + (nx + 1) * cw;
    const int yb = t + (ny + 1) * ch;
    if (b > 0) {
        const int hb = h - yb;
        if (hb > 0) {
            plan.Copie(0, H - hb, l, H, 0, yb);
            for (int i = 0; i <= nx; ++i)
                plan.Copie(l, H - hb, l + cw, H, l + i * cw, yb);
            const int reste = w - xr;
            if (reste > 0)
                plan.Copie(W - reste, H - hb, W, H, xr, yb);
        }
    }
    if (r > 0) {
        const int reste = w - xr;
        if (reste > 0)
            for (int j = 0; j <= ny; ++j)
                plan.Copie(W - reste, t, W, t + ch, xr, t + j * ch);
    }
    return std::move(plan.FCopies);
}

void DessineMotif(QPainter& canvas, const QImage& bitmap, const TMarge& marge, QSize cible, bool bouton)
{
    if (bitmap.isNull() || cible.isEmpty())
        return;
    if (TemoinDessin != nullptr)
        TemoinDessin->Motif(canvas, bitmap,
                            !marge.Vide() && bitmap.width() > marge.Left() + marge.Right() &&
                                bitmap.height() > marge.Top() + marge.Bottom(),
                            cible);
    // The copies overlap where a band runs into the next one, and each must
    // replace what lies under it, transparent pixels included, as a plain
    // rectangle copy does: they are laid on a picture of their own first,
    // which then goes over the canvas.
    QImage calque(cible, QImage::Format_ARGB32_Premultiplied);
    calque.fill(Qt::transparent);
    {
        QPainter p(&calque);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        for (const auto& copie : PlanMotif(bitmap.size(), marge, cible, bouton))
            p.drawImage(copie.Destination, bitmap, copie.Source);
    }
    canvas.drawImage(QPoint(0, 0), calque);
}

void DessineFond(QPainter& canvas, QSize cible, const QImage& bitmap, const QImage& selection, const TMarge& marge,
                 bool selectionne)
{
    const QImage& source = selectionne && selection.width() > 0 ? selection : bitmap;
    DessineMotif(canvas, source, marge, cible, false);
}

void DessineBouton(QPainter& canvas, QSize cible, const QImage& up, const QImage& down, const QImage& over,
                   const TMarge& marge, bool enfonce, bool survole)
{
    const QImage* image = &up;
    if (enfonce)
        image = &down;
    else if (survole && over.width() > 0)
        image = &over;
    if (image->width() <= 0 || image->height() <= 0)
        return;
    DessineMotif(canvas, *image, marge, cible, true);
}

// ---------------------------------------------------------------- TFondModele

TFondModele::TFondModele(QWidget* parent) : QWidget(parent)
{
    FMargeMotif.OnChange = [this] { update(); };
}

void TFondModele::SetBitmap(const QImage& bitmap)
{
    FBitmap = bitmap;
    update();
}

void TFondModele::SetBitmapSelection(const QImage& bitmap)
{
    FBitmapSelection = bitmap;
    update();
}

void TFondModele::SetModele(TFondModele* modele)
{
    if (modele == this)
        return;
    FModele = modele;
    update();
}

void TFondModele::Dessine(QPainter& canvas) const
{
    const TFondModele* source = FModele ? FModele.data() : this;
    DessineFond(canvas, size(), source->FBitmap, source->FBitmapSelection, source->FMargeMotif, EstSelectionne());
}

void TFondModele::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    Dessine(canvas);
    if (OnPaint)
        OnPaint(canvas);
}

void TFondModele::mousePressEvent(QMouseEvent* event)
{
    FPresse = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void TFondModele::mouseReleaseEvent(QMouseEvent* event)
{
    const bool clic = FPresse && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    FPresse = false;
    QWidget::mouseReleaseEvent(event);
    if (clic && OnClick)
        OnClick();
}

void TFondModele::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (OnResize)
        OnResize();
}

TFond::TFond(QWidget* parent) : TFondModele(parent)
{
    resize(50, 50);
}

TFondCopie::TFondCopie(QWidget* parent) : TFondModele(parent)
{
    resize(50, 50);
}

void TFondCopie::ImprimeLabels(QPainter& canvas, const QRect& rect) const
{
    if (width() <= 0 || height() <= 0)
        return;
    const double sx = static_cast<double>(rect.width()) / width();
    const double sy = static_cast<double>(rect.height()) / height();
    struct TLigne {
        const QLabel* Label;
        QRect Place;
        int Drapeaux;
    };
    std::vector<TLigne> lignes;
    for (QObject* enfant : children()) {
        auto* label = qobject_cast<QLabel*>(enfant);
        if (label == nullptr || label->isHidden() || label->text().isEmpty())
            continue;
        // Written from the top of its place, as the label's text starts there;
        // across, aligned in it as on screen (a value against its right edge).
        const QPoint ou(rect.left() + static_cast<int>(std::lround(label->x() * sx)),
                        rect.top() + static_cast<int>(std::lround(label->y() * sy)));
        const QSize taille(static_cast<int>(label->width() * sx), static_cast<int>(label->height() * sy));
        lignes.push_back({label, QRect(ou, taille),
                          static_cast<int>(label->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop |
                              (label->wordWrap() ? Qt::TextWordWrap : 0)});
    }
    // The places are scaled on both axes, the texts are not: at 14 points a
    // label can outgrow its place and print over its neighbour (a value over
    // its caption). All the labels shrink alike, to what the tightest allows.
    double echelle = 1.0;
    for (const TLigne& l : lignes) {
        QFont police = l.Label->font();
        police.setPointSize(14);
        const QRectF besoin = QFontMetricsF(police, canvas.device()).boundingRect(l.Place, l.Drapeaux, l.Label->text());
        if (besoin.width() > 0 && besoin.height() > 0)
            echelle = std::min({echelle, l.Place.width() / besoin.width(), l.Place.height() / besoin.height()});
    }
    canvas.save();
    canvas.setPen(QPen(Qt::black, 3));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(rect);
    canvas.setPen(Qt::black);
    for (const TLigne& l : lignes) {
        QFont police = l.Label->font();
        // Font sizes do not scale their widths exactly: a little below the measure.
        police.setPointSizeF(std::max(1.0, 14.0 * (echelle < 1.0 ? echelle * 0.97 : 1.0)));
        canvas.setFont(police);
        DessineTexte(canvas, l.Place, l.Drapeaux, l.Label->text());
    }
    canvas.restore();
}

void TFondCopie::ImprimeLabels(const QRect& rect) const
{
    if (QPainter* canvas = Imprimante().Canvas())
        ImprimeLabels(*canvas, rect);
}

// ---------------------------------------------------------------- TFondScroll

TFondScroll::TFondScroll(QWidget* parent) : TFondCopie(parent)
{
    FVue = new QWidget(this);
    FContenu = new TFondCopie(FVue);
    FScrollV = new QScrollBar(Qt::Vertical, this);
    FScrollV->setSingleStep(20);
    FScrollV->hide();
    FBande = new QWidget(this);
    FBande->hide();
    FScrollH = new QScrollBar(Qt::Horizontal, FBande);
    FScrollH->setSingleStep(20);
    FBande->resize(width(), FScrollH->sizeHint().height() + 2);
    connect(FScrollV, &QScrollBar::valueChanged, this, [this](int valeur) { FContenu->move(FContenu->x(), -valeur); });
    connect(FScrollH, &QScrollBar::valueChanged, this, [this](int valeur) { FContenu->move(-valeur, FContenu->y()); });
    DefileALaMolette(*this, *FScrollV, *FScrollH);
    ReinitialiseVue();
}

bool TFondScroll::EstPartieInterne(const QWidget* w) const
{
    return w == FVue || w == FScrollV || w == FBande;
}

void TFondScroll::ReinitialiseVue()
{
    // The strip lies along the bottom edge; the vertical bar along the right one above it.
    const int hauteurBande = FScrollH->sizeHint().height() + 2;
    FBande->setGeometry(0, height() - hauteurBande, width(), hauteurBande);
    FScrollH->setGeometry(0, 1, FScrollH->width(), FScrollH->sizeHint().height());
    const int largeurBarre = FScrollV->sizeHint().width();
    FScrollV->setGeometry(width() - largeurBarre, 0, largeurBarre, height() - (FBande->isHidden() ? 0 : hauteurBande));
    FVue->setGeometry(FScrollLeft, FScrollTop, std::max(0, width() - 2 * FScrollLeft),
                      std::max(0, height() - 2 * FScrollTop));
    FContenu->setGeometry(0, 0, FVue->width(), FVue->height());
    FTailleConnue = size();
    MiseAJourScroll();
}

void TFondScroll::resizeEvent(QResizeEvent* event)
{
    TFondCopie::resizeEvent(event);
    ReinitialiseVue();
}

void TFondScroll::SetScrollHorizontal(bool valeur)
{
    FScrollHorizontal = valeur;
    MiseAJourScroll();
}

void TFondScroll::SetScrollVertical(bool valeur)
{
    FScrollVertical = valeur;
    MiseAJourScroll();
}

void TFondScroll::SetScrollLeft(uint8_t valeur)
{
    FScrollLeft = valeur;
    ReinitialiseVue();
    update();
}

void TFondScroll::SetScrollTop(uint8_t valeur)
{
    FScrollTop = valeur;
    ReinitialiseVue();
    update();
}

TFondModele* TFondScroll::ModeleScroll() const
{
    return FContenu->Modele();
}

void TFondScroll::SetModeleScroll(TFondModele* modele)
{
    FContenu->SetModele(modele);
}

void TFondScroll::InsereControle(QWidget* controle)
{
    if (controle == nullptr)
        return;
    // A control made without a parent counts as visible unless it was hidden on purpose.
    const bool explicite = controle->testAttribute(Qt::WA_WState_ExplicitShowHide);
    const bool visible =
        controle->parentWidget() == nullptr ? !(explicite && controle->isHidden()) : !controle->isHidden();
    controle->setParent(FContenu);
    controle->setVisible(visible);
    MiseAJourScroll();
}

std::vector<QWidget*> TFondScroll::Enfants() const
{
    std::vector<QWidget*> enfants;
    for (QObject* o : FContenu->children())
        if (auto* w = qobject_cast<QWidget*>(o); w != nullptr && w->isWindow() == false)
            enfants.push_back(w);
    return enfants;
}

QWidget* TFondScroll::GetControle(int i) const
{
    const auto enfants = Enfants();
    return i >= 0 && i < static_cast<int>(enfants.size()) ? enfants[static_cast<std::size_t>(i)] : nullptr;
}

int TFondScroll::NbControle() const
{
    return static_cast<int>(Enfants().size());
}

int TFondScroll::HauteurContenu() const
{
    int bas = 0;
    for (QWidget* w : Enfants())
        if (!w->isHidden())
            bas = std::max(bas, w->y() + w->height());
    for (QObject* o : children())
        if (auto* w = qobject_cast<QWidget*>(o); w != nullptr && !EstPartieInterne(w) && !w->isHidden())
            bas = std::max(bas, w->y() + w->height());
    return bas;
}

int TFondScroll::LargeurContenu() const
{
    int droite = 0;
    for (QWidget* w : Enfants())
        if (!w->isHidden())
            droite = std::max(droite, w->x() + w->width());
    return droite;
}

void TFondScroll::MiseAJourScroll()
{
    // A hidden panel gets its resize event only when shown: lay the parts out now.
    if (FTailleConnue != size()) {
        ReinitialiseVue();
        return;
    }
    const int hauteur = HauteurContenu();
    const int largeur = LargeurContenu();
    // From the whole view each time: started from the view the two bars
    // left, each bar would keep the other one shown for good.
    FVue->resize(std::max(0, width() - 2 * FScrollLeft), std::max(0, height() - 2 * FScrollTop));
    // A horizontal bar that shortens the view may make the vertical one needed: lay out again then.
    for (int passe = 0; passe < 3; ++passe) {
        if (hauteur > FVue->height() && FScrollVertical) {
            FContenu->setGeometry(FContenu->x(), -FScrollV->value(), FContenu->width(), hauteur);
            FScrollV->setMaximum(hauteur - FVue->height());
            FScrollV->show();
            FScrollH->resize(std::max(0, FBande->width() - FScrollV->width()), FScrollH->height());
            if (FScrollV->width() > FScrollLeft)
                FVue->resize(std::max(0, width() - FScrollLeft - FScrollV->width()), FVue->height());
            if (FVue->height() - 10 > 0)
                FScrollV->setPageStep(FVue->height() - 10);
        } else {
            FContenu->setGeometry(FContenu->x(), 0, FContenu->width(), FVue->height());
            FScrollV->setValue(0);
            FScrollV->setMaximum(0);
            FScrollV->hide();
            FScrollH->resize(FBande->width(), FScrollH->height());
            FVue->resize(std::max(0, width() - 2 * FScrollLeft), FVue->height());
        }
        bool encore = false;
        if (largeur > FVue->width() && FScrollHorizontal) {
            FContenu->setGeometry(-FScrollH->value(), FContenu->y(), largeur, FContenu->height());
            FScrollH->setMaximum(largeur - FVue->width());
            FBande->show();
            if (FBande->height() > FScrollTop) {
                const int avant = FVue->height();
                FVue->resize(FVue->width(), std::max(0, height() - FScrollTop - FBande->height()));
                encore = FVue->height() < avant;
            }
            if (FVue->width() - 10 >= 1)
                FScrollH->setPageStep(FVue->width() - 10);
        } else {
            FContenu->setGeometry(0, FContenu->y(), FVue->width(), FContenu->height());
            FBande->hide();
            FScrollH->setValue(0);
            FScrollH->setMaximum(0);
            FVue->resize(FVue->width(), std::max(0, height() - 2 * FScrollTop));
        }
        FScrollV->setGeometry(width() - FScrollV->width(), 0, FScrollV->width(),
                              height() - (FBande->isHidden() ? 0 : FBande->height()));
        if (!encore)
            break;
    }
}

// ---------------------------------------------------------------- TEdition2

namespace {

// A character that may be typed into a text: anything printable, in any script.
bool EstImprimable(char32_t c)
{
    return c >= 32 && c != 127 && !(c >= 0x80 && c < 0xA0) && QChar::category(c) != QChar::Other_Control;
}

const char* const TypeGlisse = "application/x-brevalune-glisse";

void CommenceGlisse(QWidget* source)
{
    auto* glisse = new QDrag(source);
    auto* donnees = new QMimeData;
    donnees->setData(TypeGlisse, QByteArray());
    glisse->setMimeData(donnees);
    glisse->exec(Qt::MoveAction);
}

bool EstGlisseInterne(const QMimeData* donnees)
{
    return donnees != nullptr && donnees->hasFormat(TypeGlisse);
}

// Starts the drag once the mouse, pressed where a drag may begin, has moved
// far enough; true when it did.
bool SuiteGlisse(bool& possible, QPoint depart, const QMouseEvent* event, QWidget* source)
{
    if (!possible || !(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - depart).manhattanLength() < QApplication::startDragDistance())
        return false;
    possible = false;
    CommenceGlisse(source);
    return true;
}

// A drag entering or moving over a frame or a list: ours, and from a source it takes.
template <class Cible> void SurvolGlisse(const Cible& cible, QDropEvent* event)
{
    if (EstGlisseInterne(event->mimeData()) && cible.AccepteDepot(event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

template <class Cible> void DeposeGlisse(Cible& cible, QDropEvent* event)
{
    if (!EstGlisseInterne(event->mimeData()) || !cible.AccepteDepot(event->source())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    cible.DragDrop(event->source());
}

} // namespace

TEdition2::TEdition2(QWidget* parent) : TFondCopie(parent)
{
    QFont police = font();
    police.setBold(true);
    setFont(police);
    setFocusPolicy(Qt::NoFocus);
}

void TEdition2::SetSelectionne(bool valeur)
{
    if (valeur == FSelectionne)
        return;
    if (valeur && !FMulti && parentWidget() != nullptr)
        for (QObject* o : parentWidget()->children())
            if (auto* frere = qobject_cast<TEdition2*>(o); frere != nullptr && frere != this && frere->FSelectionne)
                frere->SetSelectionne(false);
    FSelectionne = valeur;
    if (valeur && FTabStop && !hasFocus())
        setFocus(Qt::OtherFocusReason);
    update();
}

void TEdition2::SetMaxlength(uint8_t valeur)
{
    FMaxlength = valeur;
    ChangeTexte(FTexte);
}

void TEdition2::SetAutoSelect(bool valeur)
{
    FAutoSelect = valeur;
    if (!hasFocus())
        FRemplaceProchaineTouche = valeur;
}

void TEdition2::SetDecalX(int valeur)
{
    FDecalX = valeur;
    MetBulle();
    update();
}

void TEdition2::SetDecalY(int valeur)
{
    FDecalY = valeur;
    update();
}

void TEdition2::SetTabStop(bool valeur)
{
    FTabStop = valeur;
    setFocusPolicy(valeur ? Qt::StrongFocus : Qt::NoFocus);
}

void TEdition2::SetText(const std::string& texte)
{
    ChangeTexte(texte);
}

void TEdition2::ChangeTexte(const std::string& texte)
{
    std::string nouveau = texte;
    if (FMaxlength != 0 && LongueurCaracteres(nouveau) > FMaxlength)
        nouveau = PremiersCaracteres(nouveau, FMaxlength);
    FCaret = std::min<int>(FCaret, static_cast<int>(LongueurCaracteres(nouveau)));
    if (nouveau == FTexte)
        return;
    FTexte = nouveau;
    if (!hasFocus() && !FEnFrappe)
        FRemplaceProchaineTouche = FAutoSelect;
    MetBulle();
    update();
    if (OnChange)
        OnChange();
}

int TEdition2::PlaceTexte() const
{
    // The skin's rim takes two pixels on each side, the offset as much again.
    return std::max(width() - 2 * (2 + std::abs(FDecalX)), 0);
}

void TEdition2::SetReduitPourTenir(bool valeur)
{
    FReduitPourTenir = valeur;
    MetBulle();
    update();
}

QFont TEdition2::PoliceAffichee() const
{
    QFont police = font();
    if (!FReduitPourTenir)
        return police;
    const QString texte = QString::fromStdString(FTexte);
    const int place = PlaceTexte();
    if (police.pointSizeF() > 0) {
        while (QFontMetrics(police).horizontalAdvance(texte) > place && police.pointSizeF() > 6)
            police.setPointSizeF(police.pointSizeF() - 0.5);
    } else {
        while (QFontMetrics(police).horizontalAdvance(texte) > place && police.pixelSize() > 8)
            police.setPixelSize(police.pixelSize() - 1);
    }
    return police;
}

QString TEdition2::TexteAffiche() const
{
    return QFontMetrics(PoliceAffichee()).elidedText(QString::fromStdString(FTexte), Qt::ElideRight, PlaceTexte());
}

void TEdition2::MetBulle()
{
    const QString texte = QString::fromStdString(FTexte);
    if (TexteAffiche() != texte) {
        setToolTip(texte);
        FBulleTexte = true;
    } else if (FBulleTexte) {
        setToolTip(QString());
        FBulleTexte = false;
    }
}

void TEdition2::resizeEvent(QResizeEvent* event)
{
    TFondCopie::resizeEvent(event);
    MetBulle();
}

void TEdition2::changeEvent(QEvent* event)
{
    TFondCopie::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        MetBulle();
}

void TEdition2::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    Dessine(canvas);
    canvas.setFont(PoliceAffichee());
    canvas.setPen(palette().color(QPalette::WindowText));
    DessineTexte(canvas, rect().translated(FDecalX, FDecalY), Qt::AlignCenter | Qt::TextDontClip, TexteAffiche());
    if (OnPaint)
        OnPaint(canvas);
}

void TEdition2::mousePressEvent(QMouseEvent* event)
{
    TFondCopie::mousePressEvent(event);
    if (!FSelectionnable) {
        if (FTabStop)
            setFocus(Qt::MouseFocusReason);
    } else if (FMulti) {
        SetSelectionne(!FSelectionne);
    } else {
        SetSelectionne(true);
    }
}

void TEdition2::focusInEvent(QFocusEvent* event)
{
    TFondCopie::focusInEvent(event);
    if (!FTabStop)
        return;
    FFocuse = true;
    SetSelectionne(true);
    FCaret = static_cast<int>(LongueurCaracteres(FTexte));
    update();
    if (OnEnter)
        OnEnter();
}

void TEdition2::focusOutEvent(QFocusEvent* event)
{
    TFondCopie::focusOutEvent(event);
    if (!FTabStop)
        return;
    FFocuse = false;
    SetSelectionne(false);
    FCaret = static_cast<int>(LongueurCaracteres(FTexte));
    update();
    if (OnExit)
        OnExit();
}

bool TEdition2::AccepteCaractere(char32_t c) const
{
    return EstImprimable(c);
}

void TEdition2::keyPressEvent(QKeyEvent* event)
{
    if (!FTabStop) {
        TFondCopie::keyPressEvent(event);
        return;
    }
    QString touche = event->key() == Qt::Key_Backspace ? QString(QChar(8)) : event->text();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        touche = QString(QChar(13));
    if (touche.isEmpty() || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        TFondCopie::keyPressEvent(event);
        return;
    }
    event->accept();
    if (OnKeyPress)
        OnKeyPress(touche);
    if (touche.isEmpty())
        return;
    const std::u32string codes = VersCaracteres(touche.toStdString());
    const bool retour = codes.size() == 1 && codes[0] == 8;
    bool garde = retour;
    for (char32_t c : codes)
        garde = garde || AccepteCaractere(c);
    if (!garde)
        return;
    AvantFrappe();
    std::string texte = FTexte;
    if (FRemplaceProchaineTouche) {
        texte.clear();
        FRemplaceProchaineTouche = false;
    }
    if (retour) {
        const size_t n = LongueurCaracteres(texte);
        texte = PremiersCaracteres(texte, n > 0 ? n - 1 : 0);
    } else {
        for (char32_t c : codes)
            if (AccepteCaractere(c))
                AjouteCaractere(texte, c);
    }
    // Typing happens with the focus, even when a test sends the keys directly.
    FEnFrappe = true;
    ChangeTexte(texte);
    FEnFrappe = false;
    FCaret = static_cast<int>(LongueurCaracteres(FTexte));
}

int LargeurTextes(const QWidget& controle, const std::vector<std::string>& textes)
{
    const QFontMetrics mesure(controle.font());
    int largeur = 0;
    for (const std::string& t : textes)
        largeur = std::max(largeur, mesure.horizontalAdvance(QString::fromStdString(t)));
    return largeur;
}

int LargeurCadrePour(const QWidget& controle, const std::vector<std::string>& textes, int minimum)
{
    // The skins' rims take up to four pixels a side; two more keep the text off them.
    constexpr int Rebords = 2 * (4 + 2);
    return std::max(minimum, LargeurTextes(controle, textes) + Rebords);
}

TCadre::TCadre(QWidget* parent) : TEdition2(parent)
{
    resize(120, 21);
    SetTabStop(false);
}

TEditRond::TEditRond(QWidget* parent) : TEdition2(parent)
{
    resize(25, 25);
    SetTabStop(true);
    // Sized for two digits: a third one (a score of 100 or more) is drawn a
    // little smaller rather than cut.
    SetReduitPourTenir(true);
}

bool TEditRond::AccepteCaractere(char32_t c) const
{
    return c >= '0' && c <= '9';
}

void TEditRond::AvantFrappe()
{
    if (Text() == "0")
        SetText("");
}

void TEditRond::keyPressEvent(QKeyEvent* event)
{
    // Enter reaches the key handlers of the form; it never enters the text.
    TEdition2::keyPressEvent(event);
}

// ---------------------------------------------------------------- list items

TColor CouleurCode(int code)
{
    static const TColor palette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x0000FF, 0x800080, 0x000080, 0xC0C0C0,
                                       0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x8080FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    return code >= 0 && code < 16 ? palette[code] : 0x000000;
}

TElementListe LitElementListe(const std::string& texte)
{
    const std::u32string codes = VersCaracteres(texte);
    TElementListe element;
    element.Numero = SousChaineCaracteres(texte, 1, 4);
    if (codes.size() > 5)
        element.CodeCouleur = static_cast<int>(codes[5]);
    element.Nom = SousChaineCaracteres(texte, 6);
    return element;
}

std::string ConstruitElementListe(uint16_t numero, bool hexadecimal, const std::string& texte)
{
    const QString chiffres = hexadecimal ? QString::number(numero, 16).toUpper().rightJustified(4, '0')
                                         : QString::number(numero).rightJustified(4, '0');
    return std::string(1, '\x01') + chiffres.toStdString() + std::string(1, '\x01') + texte;
}

namespace {

uint16_t LitNumero(const std::string& chiffres, bool hexadecimal)
{
    bool ok = false;
    const uint value = QString::fromStdString(chiffres).trimmed().toUInt(&ok, hexadecimal ? 16 : 10);
    return ok && value <= 0xFFFF ? static_cast<uint16_t>(value) : 0;
}

} // namespace

// ---------------------------------------------------------------- TCadreDrop

TCadreDrop::TCadreDrop(QWidget* parent) : TCadre(parent)
{
    setAcceptDrops(true);
}

bool TCadreDrop::AccepteDepot(const QObject* source) const
{
    if (auto* cadre = qobject_cast<const TCadreDrop*>(source))
        return cadre != this;
    return qobject_cast<const TListe*>(source) != nullptr;
}

void TCadreDrop::DragDrop(QObject* source)
{
    if (!AccepteDepot(source))
        return;
    const std::string ancienTexte = Text();
    const uint16_t ancienNumero = FNumero;
    if (auto* cadre = qobject_cast<TCadreDrop*>(source)) {
        SetText(cadre->Text());
        FNumero = cadre->Numero();
        if (FEchange) {
            cadre->SetText(ancienTexte);
            cadre->SetNumero(ancienNumero);
            cadre->Change();
        }
    } else if (auto* liste = qobject_cast<TListe*>(source)) {
        const int index = liste->ItemIndex();
        if (index < 0 || index >= liste->Nb())
            return;
        const std::string element = liste->Texte(index);
        if (liste->NomLong()) {
            const TElementListe lu = LitElementListe(element);
            SetText(lu.Nom);
            FNumero = LitNumero(lu.Numero, FNumeroHex);
        } else {
            SetText(element);
            FNumero = 0;
        }
        if (liste->GagneElement()) {
            liste->Supprime(index);
            if (!ancienTexte.empty())
                liste->Ajoute(liste->NomLong() ? ConstruitElementListe(ancienNumero, FNumeroHex, ancienTexte)
                                               : ancienTexte);
        }
    }
    Change();
}

void TCadreDrop::mousePressEvent(QMouseEvent* event)
{
    TCadre::mousePressEvent(event);
    FGlissePossible = event->button() == Qt::LeftButton && FDrag;
    FDepartGlisse = event->position().toPoint();
}

void TCadreDrop::mouseMoveEvent(QMouseEvent* event)
{
    if (!SuiteGlisse(FGlissePossible, FDepartGlisse, event, this))
        TCadre::mouseMoveEvent(event);
}

void TCadreDrop::dragEnterEvent(QDragEnterEvent* event)
{
    SurvolGlisse(*this, event);
}

void TCadreDrop::dragMoveEvent(QDragMoveEvent* event)
{
    SurvolGlisse(*this, event);
}

void TCadreDrop::dropEvent(QDropEvent* event)
{
    DeposeGlisse(*this, event);
}

// ---------------------------------------------------------------- TListe

namespace {

constexpr int RoleTexte = Qt::UserRole;
constexpr int RoleObjet = Qt::UserRole + 1;

class TDelegueListe : public QStyledItemDelegate {
public:
    explicit TDelegueListe(TListe* liste) : QStyledItemDelegate(liste), FListe(liste) {}

    void paint(QPainter* canvas, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selectionne = option.state & QStyle::State_Selected;
        const QPalette& palette = FListe->palette();
        canvas->fillRect(option.rect, selectionne ? palette.color(QPalette::Highlight) : palette.color(QPalette::Base));
        const std::string texte = index.data(RoleTexte).toByteArray().toStdString();
        QColor couleur = Qt::black;
        if (FListe->NomLong()) {
            const TElementListe element = LitElementListe(texte);
            couleur =
                VersQColor(element.CodeCouleur >= 0 && element.CodeCouleur < 16 ? CouleurCode(element.CodeCouleur) : 0);
        }
        if (selectionne)
            couleur = Qt::white;
        canvas->save();
        canvas->setFont(FListe->font());
        canvas->setPen(couleur);
        // A name wider than the list keeps its start, cut with an ellipsis:
        // centred, it would lose both ends.
        const QString montre = Montre(index);
        const QRect zone = Zone(option);
        const QFontMetrics mesure(FListe->font());
        if (mesure.horizontalAdvance(montre) > zone.width())
            DessineTexte(*canvas, zone, Qt::AlignLeft | Qt::AlignTop,
                         mesure.elidedText(montre, Qt::ElideRight, zone.width()));
        else
            DessineTexte(*canvas, zone, Qt::AlignHCenter | Qt::AlignTop, montre);
        canvas->restore();
    }

    // A cut name shows whole in its tip.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* vue, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        if (event->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(event, vue, option, index);
        const QString montre = Montre(index);
        if (QFontMetrics(FListe->font()).horizontalAdvance(montre) > Zone(option).width())
            QToolTip::showText(event->globalPos(), montre, vue);
        else
            QToolTip::hideText();
        return true;
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return QSize(option.rect.width(), FListe->ItemHeight());
    }

private:
    // The part of the item's row that shows: a vertical bar that came after
    // the rows were laid out takes the end of their width.
    QRect Zone(const QStyleOptionViewItem& option) const
    {
        QRect zone = option.rect;
        zone.setRight(std::min(zone.right(), FListe->viewport()->width() - 1));
        return zone;
    }

    // The item's name as the list shows it.
    QString Montre(const QModelIndex& index) const
    {
        const std::string texte = index.data(RoleTexte).toByteArray().toStdString();
        return QString::fromStdString(FListe->NomLong() ? LitElementListe(texte).Nom : texte);
    }

    TListe* FListe;
};

} // namespace

TListe::TListe(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new TDelegueListe(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAcceptDrops(true);
    setDragEnabled(false);
    setDropIndicatorShown(false);
    viewport()->setAcceptDrops(true);
}

void TListe::SetNomLong(bool valeur)
{
    FNomLong = valeur;
    viewport()->update();
}

void TListe::SetItemHeight(int hauteur)
{
    FItemHeight = std::max(1, hauteur);
    doItemsLayout();
}

int TListe::Ajoute(const std::string& texte, intptr_t objet)
{
    Insere(count(), texte, objet);
    return count() - 1;
}

void TListe::Insere(int index, const std::string& texte, intptr_t objet)
{
    auto* item = new QListWidgetItem;
    item->setData(RoleTexte, QByteArray::fromStdString(texte));
    item->setData(RoleObjet, QVariant::fromValue<qlonglong>(objet));
    insertItem(std::clamp(index, 0, count()), item);
}

void TListe::Supprime(int index)
{
    if (index >= 0 && index < count())
        delete takeItem(index);
}

void TListe::Vide()
{
    clear();
}

std::string TListe::Texte(int index) const
{
    const QListWidgetItem* element = item(index);
    return element != nullptr ? element->data(RoleTexte).toByteArray().toStdString() : std::string();
}

intptr_t TListe::Objet(int index) const
{
    const QListWidgetItem* element = item(index);
    return element != nullptr ? static_cast<intptr_t>(element->data(RoleObjet).toLongLong()) : 0;
}

void TListe::TrieItems()
{
    struct TPaire {
        std::string Cle;
        std::string Texte;
        intptr_t Objet;
    };
    std::vector<TPaire> paires;
    const int debut = FTriComplet ? 5 : 6;
    for (int i = 0; i < count(); ++i) {
        const std::string texte = Texte(i);
        std::string cle = SousChaineCaracteres(texte, static_cast<size_t>(debut));
        paires.push_back({std::move(cle), texte, Objet(i)});
    }
    // Each pair goes before the first one whose key is equal or greater: equal
    // keys end in reverse order of arrival, which a stable sort of the reversed list gives.
    std::reverse(paires.begin(), paires.end());
    std::stable_sort(paires.begin(), paires.end(), [](const TPaire& a, const TPaire& b) { return a.Cle < b.Cle; });
    const int courant = currentRow();
    clear();
    for (const auto& paire : paires)
        Ajoute(paire.Texte, paire.Objet);
    if (courant >= 0)
        setCurrentRow(-1);
}

bool TListe::AccepteDepot(const QObject* source) const
{
    return qobject_cast<const TCadreDrop*>(source) != nullptr && FCanDrag && FGagneElement;
}

void TListe::DragDrop(QObject* source)
{
    if (!AccepteDepot(source))
        return;
    auto* cadre = qobject_cast<TCadreDrop*>(source);
    if (!cadre->Text().empty())
        Ajoute(FNomLong ? ConstruitElementListe(cadre->Numero(), cadre->NumeroHex(), cadre->Text()) : cadre->Text());
    TrieItems();
    // The frame is empty now: no number may outlive its text.
    cadre->SetText("");
    cadre->SetNumero(0);
    cadre->Change();
}

void TListe::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    FGlissePossible = false;
    if (event->button() == Qt::LeftButton && FCanDrag) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid()) {
            setCurrentRow(index.row());
            FGlissePossible = true;
            FDepartGlisse = event->position().toPoint();
        }
    }
}

void TListe::mouseMoveEvent(QMouseEvent* event)
{
    if (!SuiteGlisse(FGlissePossible, FDepartGlisse, event, this))
        QListWidget::mouseMoveEvent(event);
}

void TListe::dragEnterEvent(QDragEnterEvent* event)
{
    SurvolGlisse(*this, event);
}

void TListe::dragMoveEvent(QDragMoveEvent* event)
{
    SurvolGlisse(*this, event);
}

void TListe::dropEvent(QDropEvent* event)
{
    DeposeGlisse(*this, event);
}

// ---------------------------------------------------------------- TBoutonModele

namespace {

// Enter and Escape reach the Default and Cancel buttons of the window that has
// them, whichever of its controls has the focus; a multi-line text keeps Enter.
class TFiltreToucheDialogue : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* cible, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* touche = static_cast<QKeyEvent*>(event);
        const int code = touche->key();
        if (code != Qt::Key_Return && code != Qt::Key_Enter && code != Qt::Key_Escape)
            return false;
        if (touche->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        auto* widget = qobject_cast<QWidget*>(cible);
        if (widget == nullptr)
            return false;
        if (code != Qt::Key_Escape &&
            (qobject_cast<QTextEdit*>(widget) != nullptr || qobject_cast<QPlainTextEdit*>(widget) != nullptr ||
             qobject_cast<QTextEdit*>(widget->parentWidget()) != nullptr ||
             qobject_cast<QPlainTextEdit*>(widget->parentWidget()) != nullptr))
            return false;
        return TBoutonModele::TraiteToucheDialogue(widget->window(), code);
    }
};

void InstalleFiltreToucheDialogue()
{
    static bool installe = false;
    if (installe || QCoreApplication::instance() == nullptr)
        return;
    installe = true;
    QCoreApplication::instance()->installEventFilter(new TFiltreToucheDialogue(QCoreApplication::instance()));
}

} // namespace

TBoutonModele::TBoutonModele(QWidget* parent) : QWidget(parent)
{
    resize(150, 30);
    FMargeMotif.OnChange = [this] { update(); };
    InstalleFiltreToucheDialogue();
}

TBoutonModele::~TBoutonModele() = default;

void TBoutonModele::SetDown(bool valeur)
{
    if (valeur == FDown)
        return;
    FDown = valeur;
    update();
}

void TBoutonModele::SetDecalX(int valeur)
{
    FDecalX = valeur;
    update();
}

void TBoutonModele::SetDecalY(int valeur)
{
    FDecalY = valeur;
    update();
}

void TBoutonModele::SetModele(TBoutonModele* modele)
{
    if (modele == this)
        return;
    FModele = modele;
    update();
}

void TBoutonModele::SetCouleur(TColor couleur)
{
    FCouleur = couleur;
    update();
}

void TBoutonModele::SetCouleurOver(TColor couleur)
{
    FCouleurOver = couleur;
    update();
}

void TBoutonModele::SetDefault(bool valeur)
{
    FDefault = valeur;
}

void TBoutonModele::SetCancel(bool valeur)
{
    FCancel = valeur;
}

void TBoutonModele::SetCaption(const std::string& caption)
{
    FCaption = QString::fromStdString(caption);
    update();
}

void TBoutonModele::SetBitmapUp(const QImage& bitmap)
{
    FBitmapUp = bitmap;
    update();
}

void TBoutonModele::SetBitmapDown(const QImage& bitmap)
{
    FBitmapDown = bitmap;
    update();
}

void TBoutonModele::SetBitmapOver(const QImage& bitmap)
{
    FBitmapOver = bitmap;
    update();
}

void TBoutonModele::Click()
{
    QPointer<TBoutonModele> garde(this);
    if (auto* forme = qobject_cast<QDialog*>(window()); forme != nullptr && forme->isModal() && FModalResult != 0)
        forme->done(FModalResult);
    if (garde && OnClick)
        OnClick();
}

void TBoutonModele::Dessine(QPainter& canvas) const
{
    const TBoutonModele* source = FModele ? FModele.data() : this;
    DessineBouton(canvas, size(), source->FBitmapUp, source->FBitmapDown, source->FBitmapOver, source->FMargeMotif,
                  FDown, FSurvole);
    if (FCaption.isEmpty())
        return;
    canvas.save();
    canvas.setFont(font());
    canvas.setPen(VersQColor(FSurvole ? FCouleurOver : FCouleur));
    const QFontMetrics mesure(font());
    const int largeur = mesure.horizontalAdvance(FCaption);
    const int hauteur = mesure.height();
    int x = (width() - largeur) / 2 + FDecalX;
    int y = (height() - hauteur) / 2 + FDecalY;
    if (FDown) {
        --x;
        --y;
    }
    DessineTexte(canvas, QRect(x, y, largeur + 1, hauteur), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, FCaption);
    canvas.restore();
}

void TBoutonModele::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    Dessine(canvas);
    if (OnPaint)
        OnPaint(canvas);
}

void TBoutonModele::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        SetDown(true);
}

void TBoutonModele::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const bool clic = FDown && rect().contains(event->position().toPoint());
    QPointer<TBoutonModele> garde(this);
    if (clic)
        Click();
    if (garde)
        SetDown(false);
}

bool TBoutonModele::SurvolVisible() const
{
    const bool image = FBitmapOver.width() > 0 || (FModele && FModele->FBitmapOver.width() > 0);
    return image || FCouleur != FCouleurOver;
}

void TBoutonModele::MouseEnter()
{
    FSurvole = true;
    if (SurvolVisible())
        update();
}

void TBoutonModele::MouseLeave()
{
    FSurvole = false;
    if (SurvolVisible())
        update();
}

void TBoutonModele::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    MouseEnter();
}

void TBoutonModele::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    MouseLeave();
}

bool TBoutonModele::TraiteToucheDialogue(QWidget* fenetre, int touche)
{
    if (fenetre == nullptr || !fenetre->isEnabled())
        return false;
    const bool entree = touche == Qt::Key_Return || touche == Qt::Key_Enter;
    const bool echap = touche == Qt::Key_Escape;
    if (!entree && !echap)
        return false;
    for (TBoutonModele* bouton : fenetre->findChildren<TBoutonModele*>()) {
        if (bouton->window() != fenetre || !bouton->isVisible() || !bouton->isEnabled())
            continue;
        if ((entree && bouton->FDefault) || (echap && bouton->FCancel)) {
            bouton->Click();
            return true;
        }
    }
    // A form without a Cancel button is closed as its title bar closes it,
    // whichever of its controls would have kept the key.
    if (auto* dialogue = qobject_cast<QDialog*>(fenetre); echap && dialogue != nullptr && dialogue->isVisible()) {
        dialogue->reject();
        return true;
    }
    return false;
}

TBouton::TBouton(QWidget* parent) : TBoutonModele(parent) {}

TBoutonCopie::TBoutonCopie(QWidget* parent) : TBoutonModele(parent) {}

// ---------------------------------------------------------------- TLogo

namespace {

QImage AvecTransparence(const QImage& image, TColor transparente)
{
    QImage resultat = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb cle = VersQColor(transparente).rgb() & 0xFFFFFF;
    for (int y = 0; y < resultat.height(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(resultat.scanLine(y));
        for (int x = 0; x < resultat.width(); ++x)
            if ((ligne[x] & 0xFFFFFF) == cle)
                ligne[x] = 0;
    }
    return resultat;
}

} // namespace

TLogo::TLogo(QWidget* parent) : QWidget(parent)
{
    resize(40, 40);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TLogo::SetImage(std::unique_ptr<TGraphique> image)
{
    FImage = std::move(image);
    update();
}

void TLogo::ChargeFichier(const std::string& nomFichier)
{
    const QString extension = QFileInfo(QString::fromStdString(nomFichier)).suffix().toLower();
    const char* format = nullptr;
    TGraphique::TGenre genre = TGraphique::TGenre::Png;
    if (extension == "png") {
        format = "png";
    } else if (extension == "jpg" || extension == "jpeg") {
        format = "jpeg";
        genre = TGraphique::TGenre::Jpeg;
    }
    // A file that is missing or unreadable leaves the logo empty: the former
    // picture (another person's photograph) must not stand in for it.
    FImage.reset();
    if (format != nullptr && QFileInfo::exists(QString::fromStdString(nomFichier))) {
        QImageReader lecteur(QString::fromStdString(nomFichier), format);
        lecteur.setDecideFormatFromContent(false);
        QImage image = lecteur.read();
        if (!image.isNull()) {
            FImage = std::make_unique<TGraphique>();
            FImage->Genre = genre;
            FImage->Image = std::move(image);
        }
    }
    update();
}

void TLogo::SetCouleurFond(TColor couleur)
{
    FCouleurFond = couleur;
    update();
}

void TLogo::Dessine(QPainter& canvas) const
{
    canvas.fillRect(rect(), VersQColor(FCouleurFond));
    if (!FImage || FImage->Image.isNull() || height() < 1)
        return;
    const QImage& image = FImage->Image;
    double echelle =
        std::min(static_cast<double>(width()) / image.width(), static_cast<double>(height()) / image.height());
    echelle = std::min(echelle, 1.0);
    const QRect place(0, 0, static_cast<int>(std::lround(image.width() * echelle)),
                      static_cast<int>(std::lround(image.height() * echelle)));
    canvas.save();
    canvas.setRenderHint(QPainter::SmoothPixmapTransform);
    if (FImage->Genre == TGraphique::TGenre::Png)
        canvas.drawImage(place, AvecTransparence(image, CouleurTransparente));
    else
        canvas.drawImage(place, image);
    canvas.restore();
}

void TLogo::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    Dessine(canvas);
    if (OnPaint)
        OnPaint(canvas);
}
