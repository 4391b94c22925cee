#include "controls/ComboBox.h"

#include "base/Texte.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace {

constexpr uint16_t ToucheRetour = 8;
constexpr uint16_t ToucheSuppr = 46;

char32_t Plie(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        return c - U'a' + U'A';
    switch (c) {
    case U'è':
    case U'é':
    case U'ê':
    case U'ë':
        return U'E';
    case U'à':
    case U'â':
    case U'ä':
        return U'A';
    case U'ù':
    case U'û':
    case U'ü':
        return U'U';
    case U'î':
    case U'ï':
        return U'I';
    case U'ô':
    case U'ö':
        return U'O';
    default:
        return c;
    }
}

// The key code of a key event as the completion knows keys.
uint16_t CodeTouche(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
        return ToucheRetour;
    case Qt::Key_Delete:
        return ToucheSuppr;
    default: {
        const QString texte = event->text();
        return texte.isEmpty() ? static_cast<uint16_t>(event->key() & 0xFFFF) : texte.at(0).unicode();
    }
    }
}

} // namespace

std::string NormaliseTexte(const std::string& texte)
{
    std::u32string codes = VersCaracteres(texte);
    for (char32_t& c : codes)
        c = Plie(c);
    return DepuisCaracteres(codes);
}

TComboBox98::TComboBox98(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    // Our own completion replaces Qt's.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    // The keys reach the edit, which changes the text while handling them:
    // the key is noted as it arrives, before that change.
    lineEdit()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& texte) { Change(texte.toStdString()); });
}

void TComboBox98::keyPressEvent(QKeyEvent* event)
{
    FDerniereTouche = CodeTouche(event);
    QComboBox::keyPressEvent(event);
}

bool TComboBox98::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == lineEdit() && event->type() == QEvent::KeyPress)
        FDerniereTouche = CodeTouche(static_cast<QKeyEvent*>(event));
    return QComboBox::eventFilter(objet, event);
}

void TComboBox98::Change(const std::string& texte)
{
    if (FEnCompletion)
        return;
    FTexteTape = texte;
    const size_t longueur = LongueurCaracteres(texte);
    const bool possible = FComplete && isEditable() && FDerniereTouche != ToucheRetour &&
                          FDerniereTouche != ToucheSuppr && static_cast<int>(longueur) >= FMinLengthComplete &&
                          count() > 0;
    if (possible) {
        // The first item whose folded text is not below the folded typed text.
        const std::string cle = NormaliseTexte(texte);
        int lo = 0;
        int hi = count();
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (NormaliseTexte(itemText(mid).toStdString()) < cle)
                lo = mid + 1;
            else
                hi = mid;
        }
        FIndexComplete = -1;
        if (lo < count()) {
            const std::string candidat = itemText(lo).toStdString();
            if (NormaliseTexte(PremiersCaracteres(candidat, longueur)) == cle) {
                FIndexComplete = lo;
                std::string complement = SousChaineCaracteres(candidat, longueur);
                bool faire = true;
                if (OnComplete)
                    OnComplete(this, FDerniereTouche, complement, faire);
                if (faire && lineEdit() != nullptr) {
                    FEnCompletion = true;
                    const QString complet = QString::fromStdString(texte + complement);
                    lineEdit()->setText(complet);
                    const int debut = QString::fromStdString(texte).size();
                    lineEdit()->setSelection(debut, complet.size() - debut);
                    FEnCompletion = false;
                }
            }
        }
    } else {
        FIndexComplete = -1;
    }
    if (OnChange)
        OnChange();
}

TComboAbrege::TComboAbrege(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, [this] { MetBulle(); });
}

QString TComboAbrege::TexteAffiche() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect champ = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    // Qt keeps two pixels on each side of the text.
    return fontMetrics().elidedText(currentText(), Qt::ElideRight, champ.width() - 4);
}

void TComboAbrege::MetBulle()
{
    setToolTip(TexteAffiche() != currentText() ? currentText() : QString());
}

void TComboAbrege::resizeEvent(QResizeEvent* event)
{
    QComboBox::resizeEvent(event);
    MetBulle();
}

void TComboAbrege::showEvent(QShowEvent* event)
{
    QComboBox::showEvent(event);
    MetBulle();
}

bool TComboAbrege::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
        MetBulle();
    return QComboBox::event(event);
}

void TComboAbrege::paintEvent(QPaintEvent*)
{
    MetBulle();
    QStylePainter peintre(this);
    peintre.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    peintre.drawComplexControl(QStyle::CC_ComboBox, option);
    if (!isEditable())
        option.currentText = TexteAffiche();
    peintre.drawControl(QStyle::CE_ComboBoxLabel, option);
}
