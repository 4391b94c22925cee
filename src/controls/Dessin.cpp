#include "controls/Dessin.h"

#include "platform/Couleurs.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

TDessin* Instance = nullptr;

QColor C(TColor couleur)
{
    return VersQColor(couleur);
}

QImage Vide(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The families of colour of the skins: a rim, a pale inside and a strong tint.
struct TTeinte {
    QColor Bord;
    QColor Clair;
    QColor Vif;
};

const TTeinte Bleu{QColor(0x2B, 0x4C, 0x9B), QColor(0xEE, 0xF3, 0xFF), QColor(0x8F, 0xB0, 0xF0)};
const TTeinte Rouge{QColor(0xA8, 0x2A, 0x22), QColor(0xFF, 0xEE, 0xEC), QColor(0xF0, 0x9A, 0x90)};
const TTeinte Jaune{QColor(0xB0, 0x86, 0x00), QColor(0xFF, 0xFA, 0xE6), QColor(0xF8, 0xDC, 0x6A)};
const TTeinte Orange{QColor(0xC0, 0x5A, 0x0E), QColor(0xFF, 0xF2, 0xE6), QColor(0xF6, 0xB0, 0x72)};
const TTeinte Fushia{QColor(0xA0, 0x1E, 0x78), QColor(0xFF, 0xEC, 0xF7), QColor(0xF0, 0x98, 0xD4)};
const TTeinte Cyan{QColor(0x12, 0x86, 0x96), QColor(0xEA, 0xFB, 0xFD), QColor(0x8C, 0xE2, 0xEC)};
const TTeinte Neutre{QColor(0x3A, 0x4A, 0x6E), QColor(0xF4, 0xF6, 0xFA), QColor(0xD8, 0xDE, 0xEA)};

// A sunken field (edit boxes, frames): a pale inside under a soft inner
// shadow, in a rounded rim; the middle columns are all alike so it tiles.
QImage ChampCreux(int largeur, int hauteur, int rayon, const TTeinte& teinte, const QColor& interieur)
{
    QImage image = Vide(largeur, hauteur);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF boite(0.5, 0.5, largeur - 1.0, hauteur - 1.0);
    QLinearGradient remplissage(0, 0, 0, hauteur);
    remplissage.setColorAt(0.0, interieur.darker(112));
    remplissage.setColorAt(0.35, interieur);
    remplissage.setColorAt(1.0, interieur.lighter(103));
    p.setPen(QPen(teinte.Bord, 1.4));
    p.setBrush(remplissage);
    p.drawRoundedRect(boite, rayon, rayon);
    // The shadow of the upper rim, one pixel inside it.
    p.setPen(QPen(QColor(0, 0, 0, 40), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(boite.adjusted(1.2, 1.2, -1.2, -1.2), rayon - 1, rayon - 1);
    return image;
}

// A sunken round box (minutes, marks).
QImage RondCreux(int cote, const TTeinte& teinte, const QColor& interieur)
{
    QImage image = Vide(cote, cote);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF boite(0.8, 0.8, cote - 1.6, cote - 1.6);
    QRadialGradient remplissage(cote * 0.5, cote * 0.62, cote * 0.6);
    remplissage.setColorAt(0.0, interieur.lighter(104));
    remplissage.setColorAt(1.0, interieur.darker(110));
    p.setPen(QPen(teinte.Bord, 1.5));
    p.setBrush(remplissage);
    p.drawEllipse(boite);
    p.setPen(QPen(QColor(0, 0, 0, 45), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(boite.adjusted(1.5, 1.5, -1.5, -1.5), 30 * 16, 120 * 16);
    return image;
}

// A blue panel in a rounded frame with a lit upper edge and a shaded lower
// one; the inside is one colour so the middle tiles both ways.
QImage Panneau(int largeur, int hauteur, int rayon, bool relief)
{
    QImage image = Vide(largeur, hauteur);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF boite(1.0, 1.0, largeur - 2.0, hauteur - 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(C(CouleursTheme::FondSombre));
    p.drawRoundedRect(QRectF(0, 0, largeur, hauteur), rayon + 1, rayon + 1);
    p.setBrush(C(CouleursTheme::Fond));
    p.drawRoundedRect(boite, rayon, rayon);
    if (relief) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(C(CouleursTheme::FondClair), 1.6));
        QPainterPath haut;
        haut.moveTo(boite.left() + 1.5, boite.bottom() - rayon);
        haut.lineTo(boite.left() + 1.5, boite.top() + rayon);
        haut.quadTo(boite.left() + 1.5, boite.top() + 1.5, boite.left() + rayon, boite.top() + 1.5);
        haut.lineTo(boite.right() - rayon, boite.top() + 1.5);
        p.drawPath(haut);
        p.setPen(QPen(C(CouleursTheme::FondSombre).lighter(115), 1.6));
        QPainterPath bas;
        bas.moveTo(boite.right() - 1.5, boite.top() + rayon);
        bas.lineTo(boite.right() - 1.5, boite.bottom() - rayon);
        bas.quadTo(boite.right() - 1.5, boite.bottom() - 1.5, boite.right() - rayon, boite.bottom() - 1.5);
        bas.lineTo(boite.left() + rayon, boite.bottom() - 1.5);
        p.drawPath(bas);
    } else {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(C(CouleursTheme::FondClair), 1.0));
        p.drawRoundedRect(boite.adjusted(1, 1, -1, -1), rayon - 1, rayon - 1);
    }
    return image;
}

// The menu panel: a wide soft frame whose light fades towards the inside,
// all within the 20-pixel margins.
QImage PanneauMenu(int largeur, int hauteur, int marge)
{
    QImage image = Panneau(largeur, hauteur, 14, false);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor lumiere = C(CouleursTheme::FondClair);
    for (int i = 0; i < marge - 6; ++i) {
        QColor c = lumiere;
        c.setAlpha(std::max(0, 70 - i * 5));
        p.setPen(QPen(c, 1.0));
        p.setBrush(Qt::NoBrush);
        const double d = 2.5 + i;
        p.drawRoundedRect(QRectF(d, d, largeur - 2 * d, hauteur - 2 * d), std::max(2.0, 13 - i * 0.8),
                          std::max(2.0, 13 - i * 0.8));
    }
    return image;
}

// A panel sunk into its surroundings: shaded upper edge, lit lower edge.
QImage PanneauCreux(int largeur, int hauteur, int rayon)
{
    QImage image = Vide(largeur, hauteur);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF boite(0.5, 0.5, largeur - 1.0, hauteur - 1.0);
    p.setPen(QPen(C(CouleursTheme::FondClair), 1.0));
    p.setBrush(C(CouleursTheme::Fond).darker(125));
    p.drawRoundedRect(boite, rayon, rayon);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 90), 2.0));
    p.drawLine(QPointF(rayon, 2.0), QPointF(largeur - rayon, 2.0));
    p.drawLine(QPointF(2.0, rayon), QPointF(2.0, hauteur - rayon));
    p.setPen(QPen(QColor(0, 0, 0, 90), 1.4));
    p.drawArc(QRectF(1.5, 1.5, 2.0 * rayon, 2.0 * rayon), 90 * 16, 90 * 16);
    p.drawArc(QRectF(largeur - 1.5 - 2.0 * rayon, 1.5, 2.0 * rayon, 2.0 * rayon), 45 * 16, 45 * 16);
    p.drawArc(QRectF(1.5, hauteur - 1.5 - 2.0 * rayon, 2.0 * rayon, 2.0 * rayon), 180 * 16, 45 * 16);
    return image;
}

// The plain blue that fills whole pages: one colour, so it tiles seamlessly.
QImage ToutBleu(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32_Premultiplied);
    image.fill(C(CouleursTheme::Fond));
    return image;
}

// A raised pill button: a lit body over a darker lip, the lip making the
// caption sit a little high (the models' DecalY). Down, the body sinks onto the lip.
QImage BoutonRelief(int largeur, int hauteur, int rayon, const QColor& haut, const QColor& bas, bool enfonce)
{
    QImage image = Vide(largeur, hauteur);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double levre = enfonce ? 2.0 : 4.5;
    const double decalage = enfonce ? 2.5 : 0.0;
    p.setPen(Qt::NoPen);
    p.setBrush(bas.darker(150));
    p.drawRoundedRect(QRectF(0.5, 1.0 + decalage, largeur - 1.0, hauteur - 1.5 - decalage), rayon, rayon);
    const QRectF corps(0.5, 0.5 + decalage, largeur - 1.0, hauteur - 1.0 - levre - decalage);
    QLinearGradient degrade(0, corps.top(), 0, corps.bottom());
    degrade.setColorAt(0.0, enfonce ? haut.darker(108) : haut.lighter(112));
    degrade.setColorAt(0.5, enfonce ? bas.darker(105) : haut);
    degrade.setColorAt(1.0, enfonce ? bas.darker(112) : bas);
    p.setPen(QPen(bas.darker(170), 1.0));
    p.setBrush(degrade);
    p.drawRoundedRect(corps, rayon, rayon);
    if (!enfonce) {
        p.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
        p.drawLine(QPointF(rayon, corps.top() + 1.5), QPointF(largeur - rayon, corps.top() + 1.5));
    }
    return image;
}

// The small square tool button.
QImage BoutonCarre(int cote, bool enfonce)
{
    QImage image = Vide(cote, cote);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF boite(1.0, 1.0, cote - 2.0, cote - 2.0);
    QLinearGradient degrade(0, 0, 0, cote);
    const QColor base = C(CouleursTheme::FondClair);
    degrade.setColorAt(0.0, enfonce ? base.darker(140) : base.lighter(125));
    degrade.setColorAt(1.0, enfonce ? base.darker(115) : base.darker(130));
    p.setPen(QPen(C(CouleursTheme::FondSombre), 1.2));
    p.setBrush(degrade);
    p.drawRoundedRect(boite, 6, 6);
    if (!enfonce) {
        p.setPen(QPen(QColor(255, 255, 255, 120), 1.0));
        p.drawLine(QPointF(6, 2.5), QPointF(cote - 6, 2.5));
    }
    return image;
}

TFond* NouveauFond(QWidget* parent, const char* nom, int largeur, int hauteur, int l, int t, int r, int b)
{
    auto* fond = new TFond(parent);
    fond->setObjectName(nom);
    fond->resize(largeur, hauteur);
    fond->MargeMotif().Set(static_cast<uint16_t>(l), static_cast<uint16_t>(t), static_cast<uint16_t>(r),
                           static_cast<uint16_t>(b));
    return fond;
}

TFond* Champ(QWidget* parent, const char* nom, int largeur, int hauteur, int marge, const TTeinte& teinte)
{
    TFond* fond = NouveauFond(parent, nom, largeur, hauteur, marge, 0, marge, 0);
    fond->SetBitmap(ChampCreux(largeur, hauteur, std::min(marge - 1, hauteur / 2 - 1), teinte, teinte.Clair));
    return fond;
}

// A field that changes colour when its frame is selected.
TFond* ChampSelection(QWidget* parent, const char* nom, const TTeinte& teinte)
{
    TFond* fond = NouveauFond(parent, nom, 129, 25, 15, 0, 15, 0);
    fond->SetBitmap(ChampCreux(129, 25, 11, Neutre, Neutre.Clair));
    fond->SetBitmapSelection(ChampCreux(129, 25, 11, teinte, teinte.Vif));
    return fond;
}

TFond* Rond(QWidget* parent, const char* nom, int cote, const TTeinte& teinte)
{
    TFond* fond = NouveauFond(parent, nom, cote, cote, 0, 0, 0, 0);
    fond->SetBitmap(RondCreux(cote, teinte, teinte.Clair));
    fond->SetBitmapSelection(RondCreux(cote, teinte, teinte.Vif));
    return fond;
}

TBouton* NouveauBouton(QWidget* parent, const char* nom, int largeur, int hauteur)
{
    auto* bouton = new TBouton(parent);
    bouton->setObjectName(nom);
    bouton->resize(largeur, hauteur);
    return bouton;
}

} // namespace

TDessin::TDessin(QWidget* parent) : QWidget(parent)
{
    setObjectName("Dessin");
    setAttribute(Qt::WA_DontShowOnScreen);
    RondCreuxBleu = Rond(this, "RondCreuxBleu", 25, Bleu);
    RondCreuxRouge = Rond(this, "RondCreuxRouge", 25, Rouge);
    RondCreuxJaune = Rond(this, "RondCreuxJaune", 25, Jaune);
    RondCreuxOrange = Rond(this, "RondCreuxOrange", 25, Orange);
    PetitRondCreuxBleu = Rond(this, "PetitRondCreuxBleu", 22, Bleu);

    FondCarrebleu = NouveauFond(this, "FondCarrebleu", 73, 65, 10, 10, 10, 10);
    FondCarrebleu->SetBitmap(Panneau(73, 65, 8, true));
    FondCarrebleuSimple = NouveauFond(this, "FondCarrebleuSimple", 73, 65, 10, 10, 10, 10);
    FondCarrebleuSimple->SetBitmap(Panneau(73, 65, 8, false));
    FondMenuBleu = NouveauFond(this, "FondMenuBleu", 81, 65, 20, 20, 20, 20);
    FondMenuBleu->SetBitmap(PanneauMenu(81, 65, 20));
    FondToutBleu = NouveauFond(this, "FondToutBleu", 81, 61, 0, 0, 0, 0);
    FondToutBleu->SetBitmap(ToutBleu(81, 61));
    FondCreuxBleu = NouveauFond(this, "FondCreuxBleu", 89, 69, 8, 8, 8, 8);
    FondCreuxBleu->SetBitmap(PanneauCreux(89, 69, 6));

    BoutonCreuxBleu = Champ(this, "BoutonCreuxBleu", 129, 25, 15, Bleu);
    BoutonCreuxJaune = Champ(this, "BoutonCreuxJaune", 129, 25, 10, Jaune);
    BoutonCreuxRouge = Champ(this, "BoutonCreuxRouge", 129, 25, 10, Rouge);
    BoutonCreuxOrange = Champ(this, "BoutonCreuxOrange", 129, 25, 10, Orange);
    PetitBoutonCreuxBleu = Champ(this, "PetitBoutonCreuxBleu", 129, 20, 10, Bleu);
    BoutonCreuxSelFushia = ChampSelection(this, "BoutonCreuxSelFushia", Fushia);
    BoutonCreuxSelCyan = ChampSelection(this, "BoutonCreuxSelCyan", Cyan);
    BoutonCreuxSelJaune = ChampSelection(this, "BoutonCreuxSelJaune", Jaune);

    const QColor orangeHaut(0xFA, 0xA0, 0x3C);
    const QColor orangeBas(0xD8, 0x6A, 0x10);
    BoutonOrange = NouveauBouton(this, "BoutonOrange", 113, 31);
    BoutonOrange->SetBitmapUp(BoutonRelief(113, 31, 12, orangeHaut, orangeBas, false));
    BoutonOrange->SetBitmapDown(BoutonRelief(113, 31, 12, orangeHaut, orangeBas, true));
    const QColor rougeHaut(0xF4, 0x7A, 0x3A);
    const QColor rougeBas(0xC4, 0x42, 0x18);
    Boutonorange2 = NouveauBouton(this, "Boutonorange2", 113, 31);
    Boutonorange2->SetBitmapUp(BoutonRelief(113, 31, 12, rougeHaut, rougeBas, false));
    Boutonorange2->SetBitmapDown(BoutonRelief(113, 31, 12, rougeHaut, rougeBas, true));
    for (TBouton* bouton : {BoutonOrange, Boutonorange2}) {
        bouton->MargeMotif().Set(15, 0, 15, 0);
        bouton->SetDecalX(-1);
        bouton->SetDecalY(-3);
    }
    Bouton1 = NouveauBouton(this, "Bouton1", 30, 30);
    Bouton1->SetBitmapUp(BoutonCarre(30, false));
    Bouton1->SetBitmapDown(BoutonCarre(30, true));

    Instance = this;
}

TDessin::~TDessin()
{
    if (Instance == this)
        Instance = nullptr;
}

TFond* TDessin::Fond(const std::string& nom) const
{
    return findChild<TFond*>(QString::fromStdString(nom), Qt::FindDirectChildrenOnly);
}

TBouton* TDessin::Bouton(const std::string& nom) const
{
    return findChild<TBouton*>(QString::fromStdString(nom), Qt::FindDirectChildrenOnly);
}

TDessin* Dessin()
{
    return Instance;
}

void TexteClair(QWidget* controle)
{
    QPalette palette = controle->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 160, 190));
    controle->setPalette(palette);
}

void StyleTexteJaune(QLabel* label)
{
    label->setAttribute(Qt::WA_TranslucentBackground);
    QFont gras = label->font();
    gras.setBold(true);
    label->setFont(gras);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, VersQColor(CouleursTheme::TexteSurFond));
    label->setPalette(palette);
}
