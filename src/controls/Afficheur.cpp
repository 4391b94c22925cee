#include "controls/Afficheur.h"

#include "platform/Couleurs.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr int LargeurCase = 34;
constexpr int LongueurSegment = 18;
// Segments lit by each digit: 1 top, 2 upper left, 4 upper right, 8 middle,
// 16 lower left, 32 lower right, 64 bottom.
constexpr int Masques[10] = {0x77, 0x24, 0x5D, 0x6D, 0x2E, 0x6B, 0x7B, 0x25, 0x7F, 0x6F};

struct TSegment {
    int Bit;
    bool Horizontal;
    int X, Y;
};
constexpr TSegment Segments[7] = {{1, true, 7, 6},    {2, false, 5, 7},    {4, false, 26, 7}, {8, true, 7, 25},
                                  {16, false, 5, 26}, {32, false, 26, 26}, {64, true, 7, 44}};

// A bar pointed at both ends, five pixels thick.
void DessineSegment(QPainter& canvas, bool horizontal, int x, int y, const QColor& couleur)
{
    const int L = LongueurSegment;
    for (int k = 1; k <= 3; ++k) {
        const int debut = (horizontal ? x : y) + 3 - k;
        const int fin = (horizontal ? x : y) + L - 3 + k; // excluded, as a line to it leaves it out
        for (int travers : {-3 + k, 3 - k}) {
            if (horizontal)
                canvas.fillRect(debut, y + travers, fin - debut, 1, couleur);
            else
                canvas.fillRect(x + travers, debut, 1, fin - debut, couleur);
        }
    }
}

} // namespace

TAffichage::TAffichage(QWidget* parent) : QWidget(parent)
{
    resize(172, 53);
    setFocusPolicy(Qt::NoFocus);
    SetNbCase(5);
}

void TAffichage::SetNombre(const std::string& nombre)
{
    ChangeNombre(nombre);
}

void TAffichage::ChangeNombre(const std::string& nombre)
{
    if (nombre == FNombre)
        return;
    FNombre = nombre;
    update();
    if (OnChange)
        OnChange();
}

void TAffichage::SetNbCase(uint8_t nombre)
{
    FNbCase = nombre;
    resize(FNbCase * LargeurCase, height());
    update();
}

void TAffichage::SetCouleur(uint8_t couleur)
{
    FCouleur = couleur;
    update();
}

void TAffichage::SetEdition(bool valeur)
{
    FEdition = valeur;
    setFocusPolicy(valeur ? Qt::StrongFocus : Qt::NoFocus);
}

std::string TAffichage::Chiffres() const
{
    std::string chiffres = FNombre;
    if (chiffres.size() < FNbCase)
        chiffres.insert(0, FNbCase - chiffres.size(), '0');
    return chiffres;
}

void TAffichage::Dessine(QPainter& canvas) const
{
    const bool vert = FCouleur == 2;
    const QColor allume = VersQColor(vert ? 0x00C000 : 0x0000FF);
    const QColor eteint = VersQColor(vert ? 0x004000 : 0x000060);
    const std::string chiffres = Chiffres();
    for (int n = 0; n < static_cast<int>(chiffres.size()); ++n) {
        const int x = n * LargeurCase + 1;
        canvas.fillRect(x, 0, 32, height(), VersQColor(0x202020));
        const char c = chiffres[static_cast<std::size_t>(n)];
        const int masque = c >= '0' && c <= '9' ? Masques[c - '0'] : 0;
        for (const auto& s : Segments)
            DessineSegment(canvas, s.Horizontal, x + s.X, s.Y, (masque & s.Bit) ? allume : eteint);
    }
    canvas.save();
    canvas.setBrush(Qt::NoBrush);
    canvas.setPen(hasFocus() ? VersQColor(0x0000FF) : palette().color(QPalette::Button));
    canvas.drawRect(0, 0, width() - 1, height() - 1);
    canvas.restore();
}

void TAffichage::paintEvent(QPaintEvent*)
{
    // The width follows the number of cells, as the display is drawn.
    if (width() != FNbCase * LargeurCase)
        resize(FNbCase * LargeurCase, height());
    QPainter canvas(this);
    Dessine(canvas);
}

void TAffichage::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (FEdition)
        setFocus(Qt::MouseFocusReason);
}

void TAffichage::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    FPremiereToucheEfface = true;
    update();
}

void TAffichage::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void TAffichage::keyPressEvent(QKeyEvent* event)
{
    if (!FEdition || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape ||
        (event->text().isEmpty() && event->key() != Qt::Key_Backspace)) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    std::string nombre = FNombre;
    if (FPremiereToucheEfface) {
        FPremiereToucheEfface = false;
        nombre.clear();
    }
    const QString texte = event->text();
    if (event->key() == Qt::Key_Backspace) {
        if (!nombre.empty())
            nombre.pop_back();
    } else if (texte.size() == 1 && texte.at(0) >= QChar('0') && texte.at(0) <= QChar('9')) {
        nombre += static_cast<char>(texte.at(0).unicode());
    }
    if (nombre.size() > FNbCase)
        nombre.erase(0, nombre.size() - FNbCase);
    ChangeNombre(nombre);
    update();
}
