#include "controls/ColorStringGrid.h"

#include "controls/CanevasQt.h"
#include "platform/Couleurs.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <vector>

TColorStringGrid::TColorStringGrid(QWidget* Parent) : QAbstractScrollArea(Parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    resize(320, 120);
}

TColorStringGrid::~TColorStringGrid() = default;

// --- Geometry ------------------------------------------------------------------------

int TColorStringGrid::PositionColonne(int ACol) const
{
    int X = 0;
    for (int C = 0; C < ACol; ++C)
        X += GetLargeurColonne(C) + 1;
    return ACol < GetFixedCols() ? X : X - horizontalScrollBar()->value();
}

int TColorStringGrid::PositionLigne(int ARow) const
{
    int Y = 0;
    for (int R = 0; R < ARow; ++R)
        Y += GetHauteurLigne(R) + 1;
    return ARow < GetFixedRows() ? Y : Y - verticalScrollBar()->value();
}

// The fixed rows and columns never scroll: their extent from the top-left corner.
int TColorStringGrid::LargeurFixe() const
{
    int X = 0;
    for (int C = 0; C < GetFixedCols(); ++C)
        X += GetLargeurColonne(C) + 1;
    return X;
}

int TColorStringGrid::HauteurFixe() const
{
    int Y = 0;
    for (int R = 0; R < GetFixedRows(); ++R)
        Y += GetHauteurLigne(R) + 1;
    return Y;
}

QRect TColorStringGrid::RectCellule(int ACol, int ARow) const
{
    return QRect(PositionColonne(ACol), PositionLigne(ARow), GetLargeurColonne(ACol), GetHauteurLigne(ARow));
}

bool TColorStringGrid::CelluleA(const QPoint& Point, int& ACol, int& ARow) const
{
    ACol = ARow = -1;
    for (int C = 0; C < GetColCount(); ++C) {
        int X = PositionColonne(C);
        if (Point.x() >= X && Point.x() <= X + GetLargeurColonne(C)) {
            ACol = C;
            break;
        }
    }
    for (int R = 0; R < GetRowCount(); ++R) {
        int Y = PositionLigne(R);
        if (Point.y() >= Y && Point.y() <= Y + GetHauteurLigne(R)) {
            ARow = R;
            break;
        }
    }
    return ACol >= 0 && ARow >= 0;
}

void TColorStringGrid::MetAJourDefilement()
{
    int Largeur = 0, Hauteur = 0;
    for (int C = 0; C < GetColCount(); ++C) {
        Largeur += GetLargeurColonne(C) + 1;
    }
    for (int R = 0; R < GetRowCount(); ++R) {
        Hauteur += GetHauteurLigne(R) + 1;
    }
    QSize Vue = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, Largeur - Vue.width()));
    horizontalScrollBar()->setPageStep(std::max(1, Vue.width() - LargeurFixe()));
    verticalScrollBar()->setRange(0, std::max(0, Hauteur - Vue.height()));
    verticalScrollBar()->setPageStep(std::max(1, Vue.height() - HauteurFixe()));
    verticalScrollBar()->setSingleStep(std::max(1, GetDefaultRowHeight()));
}

// --- Model hooks ------------------------------------------------------------------------

void TColorStringGrid::Repeint()
{
    MetAJourDefilement();
    viewport()->update();
}

void TColorStringGrid::RepeintCellule(int, int)
{
    viewport()->update();
}

void TColorStringGrid::AppliqueTailleControle(int Largeur, int Hauteur)
{
    TailleAppliquee_ = QSize(Largeur, Hauteur);
    if (Largeur != width() || Hauteur != height())
        resize(Largeur, Hauteur);
}

void TColorStringGrid::SetSelectionVisible(bool Visible)
{
    TModeleGrille::SetSelectionVisible(Visible);
    setFocusPolicy(Visible ? Qt::StrongFocus : Qt::NoFocus);
}

// --- Painting ------------------------------------------------------------------------------

void TColorStringGrid::paintEvent(QPaintEvent* Event)
{
    QPainter P(viewport());
    P.fillRect(Event->rect(), palette().color(QPalette::Window));
    TCanevasQt Canevas(P, font());
    int Gauche = LargeurFixe(), Haut = HauteurFixe();
    QRect Vue = viewport()->rect();
    // Positions once per painting, not once per cell.
    std::vector<int> Xs(static_cast<size_t>(GetColCount())), Ys(static_cast<size_t>(GetRowCount()));
    for (int C = 0, X = 0; C < GetColCount(); X += GetLargeurColonne(C) + 1, ++C)
        Xs[static_cast<size_t>(C)] = C < GetFixedCols() ? X : X - horizontalScrollBar()->value();
    for (int R = 0, Y = 0; R < GetRowCount(); Y += GetHauteurLigne(R) + 1, ++R)
        Ys[static_cast<size_t>(R)] = R < GetFixedRows() ? Y : Y - verticalScrollBar()->value();
    for (int R = 0; R < GetRowCount(); ++R) {
        int Y = Ys[static_cast<size_t>(R)];
        if (Y > Event->rect().bottom() || Y + GetHauteurLigne(R) < Event->rect().top())
            continue;
        for (int C = 0; C < GetColCount(); ++C) {
            QRect Q(Xs[static_cast<size_t>(C)], Y, GetLargeurColonne(C), GetHauteurLigne(R));
            QRect Trace = Q.adjusted(0, 0, 1, 1);
            if (!Trace.intersects(Event->rect()) || Q.width() <= 0 || Q.height() <= 0)
                continue;
            bool Fixe = R < GetFixedRows() || C < GetFixedCols();
            // Scrolled cells stay out of the fixed rows and columns.
            QRect Zone = Vue;
            if (C >= GetFixedCols())
                Zone.setLeft(Gauche);
            if (R >= GetFixedRows())
                Zone.setTop(Haut);
            Trace = Trace.intersected(Zone);
            if (Trace.isEmpty())
                continue;
            TRect Cellule = Rect(Q.left(), Q.top(), Q.left() + Q.width(), Q.top() + Q.height());
            Canevas.Decoupe(Rect(Trace.left(), Trace.top(), Trace.right() + 1, Trace.bottom() + 1));
            if (Fixe)
                Canevas.Remplit(Rect(Cellule.Left, Cellule.Top, Cellule.Right + 1, Cellule.Bottom + 1), FixedColor);
            DessineCellule(Canevas, C, R, Cellule, EstSelectionnee(C, R), Fixe, false);
            Canevas.FinDecoupe();
        }
    }
}

void TColorStringGrid::resizeEvent(QResizeEvent* Event)
{
    QAbstractScrollArea::resizeEvent(Event);
    // The size the enlargement itself chose is not a new target: enlarging
    // again from it would shrink the grid a little more each time.
    if (size() != TailleAppliquee_)
        Redimensionne();
    MetAJourDefilement();
}

void TColorStringGrid::AjusteColonnesAuTexte(bool Retrecit)
{
    QFont Gras = font();
    Gras.setBold(true);
    TMesureQt Normale(font()), Grasse(Gras);
    TModeleGrille::AjusteColonnesAuTexte(Normale, Grasse, 8, Retrecit);
}

void TColorStringGrid::MontreCellule(int ACol, int ARow)
{
    if (ACol < 0 || ACol >= GetColCount() || ARow < 0 || ARow >= GetRowCount())
        return;
    MetAJourDefilement();
    const QRect Q = RectCellule(ACol, ARow);
    QScrollBar* H = horizontalScrollBar();
    QScrollBar* V = verticalScrollBar();
    if (ACol >= GetFixedCols()) {
        if (Q.right() >= viewport()->width())
            H->setValue(H->value() + Q.right() - viewport()->width() + 1);
        else if (Q.left() < LargeurFixe())
            H->setValue(H->value() - (LargeurFixe() - Q.left()));
    }
    if (ARow >= GetFixedRows()) {
        if (Q.bottom() >= viewport()->height())
            V->setValue(V->value() + Q.bottom() - viewport()->height() + 1);
        else if (Q.top() < HauteurFixe())
            V->setValue(V->value() - (HauteurFixe() - Q.top()));
    }
}

// --- Mouse and keys ------------------------------------------------------------------------

void TColorStringGrid::Selectionne(int ACol, int ARow)
{
    if (OnSelectCell && !OnSelectCell(ACol, ARow))
        return;
    SelectionneCellule(ACol, ARow);
}

void TColorStringGrid::mousePressEvent(QMouseEvent* Event)
{
    int C, R;
    ClicSurLien_ = false;
    if (Event->button() == Qt::LeftButton && CelluleA(Event->position().toPoint(), C, R)) {
        if (GetLien(C, R) && OnHotTrackClick) {
            ClicSurLien_ = true;
            OnHotTrackClick(C, R);
            return;
        }
        if (GetSelectionVisible())
            setFocus(Qt::MouseFocusReason);
        Selectionne(C, R);
    }
    QAbstractScrollArea::mousePressEvent(Event);
}

void TColorStringGrid::mouseMoveEvent(QMouseEvent* Event)
{
    int C, R;
    if (CelluleA(Event->position().toPoint(), C, R) && GetLien(C, R)) {
        SetCelluleChaude(C, R);
        viewport()->setCursor(Qt::PointingHandCursor);
    } else {
        SetCelluleChaude(-1, -1);
        viewport()->setCursor(Qt::ArrowCursor);
    }
    QAbstractScrollArea::mouseMoveEvent(Event);
}

void TColorStringGrid::mouseReleaseEvent(QMouseEvent* Event)
{
    int C, R;
    if (Event->button() == Qt::LeftButton && !ClicSurLien_ && CelluleA(Event->position().toPoint(), C, R)) {
        if (TriCol && R == 0)
            Trie(C);
        if (OnClick)
            OnClick();
    }
    ClicSurLien_ = false;
    QAbstractScrollArea::mouseReleaseEvent(Event);
}

void TColorStringGrid::mouseDoubleClickEvent(QMouseEvent* Event)
{
    if (OnDblClick)
        OnDblClick();
    QAbstractScrollArea::mouseDoubleClickEvent(Event);
}

void TColorStringGrid::leaveEvent(QEvent* Event)
{
    SetCelluleChaude(-1, -1);
    viewport()->setCursor(Qt::ArrowCursor);
    QAbstractScrollArea::leaveEvent(Event);
}

void TColorStringGrid::keyPressEvent(QKeyEvent* Event)
{
    int C = GetCol(), R = GetRow();
    switch (Event->key()) {
    case Qt::Key_Left:
        --C;
        break;
    case Qt::Key_Right:
        ++C;
        break;
    case Qt::Key_Up:
        --R;
        break;
    case Qt::Key_Down:
        ++R;
        break;
    case Qt::Key_Home:
        R = GetFixedRows();
        break;
    case Qt::Key_End:
        R = GetRowCount() - 1;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(Event);
        return;
    }
    if (C >= GetFixedCols() && C < GetColCount() && R >= GetFixedRows() && R < GetRowCount()) {
        Selectionne(C, R);
        MontreCellule(GetCol(), GetRow());
    }
}

// --- Printing ------------------------------------------------------------------------------

void TColorStringGrid::ImprimeSur(QPainter& Painter, const QRect& Page, int Dpi)
{
    TPapierQt Papier(Painter, Page, Dpi, font(), PointsImpressionGrille);
    DessineSurCanvas(Papier.Canevas, Papier.Zone);
}

void TColorStringGrid::Imprime()
{
    ImprimePages(true, [this](QPainter& P, const QRect& Page, int Dpi, int Numero) {
        TPapierQt Papier(P, Page, Dpi, font(), PointsImpressionGrille);
        DessinePageImpression(Papier.Canevas, Papier.Zone, Numero);
        return Numero + 1 < NbPagesImpression(Papier.Canevas, Papier.Zone);
    });
}
