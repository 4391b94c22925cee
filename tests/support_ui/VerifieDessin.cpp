#include "support_ui/VerifieDessin.h"

#include "controls/ImageFond.h"
#include "support_ui/VerifieDisposition.h"

#include <QAbstractScrollArea>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <sstream>

namespace testsupport {

namespace {

// The least contrast a text needs against what it is painted on.
constexpr double ContrasteMinimal = 3.0;

std::string Rect(const QRect& r)
{
    return "(" + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height()) + ")";
}

const std::array<double, 256>& Lineaire()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            t[static_cast<size_t>(i)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table;
}

double Luminance(int r, int g, int b)
{
    const auto& l = Lineaire();
    return 0.2126 * l[static_cast<size_t>(r)] + 0.7152 * l[static_cast<size_t>(g)] + 0.0722 * l[static_cast<size_t>(b)];
}

double Luminance(const QColor& c)
{
    return Luminance(c.red(), c.green(), c.blue());
}

double Contraste(double l1, double l2)
{
    return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}

// Where a control may paint and what of it shows, in its coordinates.
struct TPlace {
    // Inside itself and the controls holding it, up to a panel that scrolls.
    QRect Permise;
    // A grid or a list paints on the view of its scrolling area, past which
    // what it paints scrolls into view.
    bool DefileX = false;
    bool DefileY = false;
    // The part of it that shows in the window.
    QRect Montree;
    QPoint Origine; // in the window
};

TPlace Place(const QWidget& w, const QWidget& racine)
{
    TPlace place;
    place.Permise = place.Montree = w.rect();
    place.Origine = w.mapTo(&racine, QPoint(0, 0));
    bool defile = false;
    for (const QWidget* c = &w; c != &racine && !c->isWindow();) {
        defile = defile || DefileDansSaVue(*c);
        c = c->parentWidget();
        if (c == nullptr)
            break;
        const QRect r(w.mapFrom(c, QPoint(0, 0)), c->size());
        place.Montree &= r;
        if (!defile)
            place.Permise &= r;
    }
    if (const auto* zone = qobject_cast<const QAbstractScrollArea*>(w.parentWidget());
        zone != nullptr && zone->viewport() == &w) {
        place.DefileX = zone->horizontalScrollBar()->maximum() > 0;
        place.DefileY = zone->verticalScrollBar()->maximum() > 0;
    }
    return place;
}

QRect Permise(const TPlace& place, const QRect& decoupe)
{
    constexpr int Loin = 1 << 20;
    QRect r = place.Permise & decoupe;
    if (place.DefileX)
        r.setCoords(-Loin, r.top(), Loin, r.bottom());
    if (place.DefileY)
        r.setCoords(r.left(), -Loin, r.right(), Loin);
    return r;
}

bool Sous(const QWidget& w, const QWidget& racine)
{
    return &w == &racine || racine.isAncestorOf(&w);
}

// What lies under a text: the middle luminance of the pixels of its box, so
// that a grid line or a skin's rim through the box does not count.
double FondSous(const QImage& image, const QRect& boite)
{
    const QRect r = boite & image.rect();
    if (r.isEmpty())
        return -1;
    // A few hundred pixels tell the ground as well as all of them.
    const int pas = std::max(1, static_cast<int>(std::sqrt(r.width() * r.height() / 256)));
    std::vector<double> l;
    l.reserve(static_cast<size_t>(r.width() * r.height() / (pas * pas) + r.width() + r.height() + 1));
    for (int y = r.top(); y <= r.bottom(); y += pas) {
        const auto* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = r.left(); x <= r.right(); x += pas)
            l.push_back(Luminance(qRed(ligne[x]), qGreen(ligne[x]), qBlue(ligne[x])));
    }
    std::nth_element(l.begin(), l.begin() + static_cast<std::ptrdiff_t>(l.size() / 2), l.end());
    return l[l.size() / 2];
}

bool Transparente(const QImage& image)
{
    static std::map<qint64, bool> vues;
    auto [it, nouvelle] = vues.try_emplace(image.cacheKey());
    if (nouvelle) {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height() && !it->second; ++y) {
            const auto* ligne = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            for (int x = 0; x < argb.width() && !it->second; ++x)
                it->second = qAlpha(ligne[x]) < 128;
        }
    }
    return it->second;
}

std::string Couleur(const QColor& c)
{
    return c.name().toStdString();
}

} // namespace

TReleveDessin::TReleveDessin(bool cacheTextes)
    : FCacheTextes(cacheTextes), FAncien(TemoinDessin), FAncienneImpression(TemoinImpression)
{
    TemoinDessin = this;
    TemoinImpression = this;
}

TReleveDessin::~TReleveDessin()
{
    TemoinDessin = FAncien;
    TemoinImpression = FAncienneImpression;
}

TTracePeint* TReleveDessin::Note(const QPainter& p, const QRectF& boite, bool texte, const QColor& couleur,
                                 const QString& libelle)
{
    if (dynamic_cast<const QPrinter*>(p.device()) != nullptr || (FFeuille != nullptr && p.device() == FFeuille)) {
        if (Feuilles.empty())
            return nullptr; // a document begun before the record
        TTracePeint t;
        t.Feuille = static_cast<int>(Feuilles.size());
        const QTransform& m = p.worldTransform();
        t.Boite = m.mapRect(boite).toRect();
        const QRect feuille(QPoint(0, 0), Feuilles.back());
        t.Decoupe = p.hasClipping() ? m.mapRect(p.clipBoundingRect()).toAlignedRect() & feuille : feuille;
        t.Texte = texte;
        t.Couleur = couleur;
        t.Libelle = libelle;
        Papier.push_back(std::move(t));
        return &Papier.back();
    }
    const auto* controle = dynamic_cast<const QWidget*>(p.device());
    if (controle == nullptr)
        return nullptr; // a picture
    TTracePeint t;
    t.Controle = controle;
    const QTransform& m = p.worldTransform();
    t.Boite = m.mapRect(boite).toRect();
    t.Decoupe = p.hasClipping() ? m.mapRect(p.clipBoundingRect()).toAlignedRect() : controle->rect();
    t.Texte = texte;
    t.Couleur = couleur;
    t.Libelle = libelle;
    Traces.push_back(std::move(t));
    return &Traces.back();
}

void TReleveDessin::Fond(const QPainter& p, const QRectF& boite, const QColor& couleur)
{
    if (TTracePeint* t = Note(p, boite, false, couleur, QString()); t != nullptr && t->Feuille > 0)
        t->Fond = true;
}

void TReleveDessin::Page(const QPainter& p, int numero, const QSize& taille)
{
    if (numero == 1)
        Feuilles.clear(), Papier.clear();
    Feuilles.push_back(taille);
    Resolution = p.device()->logicalDpiY();
}

void TReleveDessin::Feuille(const QPaintDevice& appareil)
{
    FFeuille = &appareil;
    Feuilles.assign(1, QSize(appareil.width(), appareil.height()));
    Papier.clear();
    Resolution = appareil.logicalDpiY();
}

void TReleveDessin::Titre(const QPainter& p, const QRectF& boite, const QString& texte)
{
    if (TTracePeint* t = Note(p, boite, true, Qt::black, texte); t != nullptr)
        t->Titre = true;
}

void TReleveDessin::Texte(const QPainter& p, const QRectF& boite, const QColor& couleur, const QString& texte)
{
    Note(p, boite, true, couleur, texte);
}

void TReleveDessin::Forme(const QPainter& p, const QRectF& boite)
{
    Note(p, boite, false, QColor(), QString());
}

void TReleveDessin::Motif(const QPainter& p, const QImage& image, bool etire, QSize cible)
{
    if (dynamic_cast<const QPrinter*>(p.device()) != nullptr) {
        if (TTracePeint* t = Note(p, QRectF(QPointF(0, 0), cible), false, QColor(), QString()); t != nullptr)
            t->Image = image.size();
        return;
    }
    // A picture that does not stretch is laid whole, copy after copy. An
    // opaque one is a wallpaper, cut where the control ends; one with
    // transparent parts is a shape (a round box) whose every copy must show
    // whole.
    if (!etire && !image.isNull() && Transparente(image))
        cible = QSize((cible.width() + image.width() - 1) / image.width() * image.width(),
                      (cible.height() + image.height() - 1) / image.height() * image.height());
    Note(p, QRectF(QPointF(0, 0), cible), false, QColor(), QString());
}

double Contraste(const QColor& a, const QColor& b)
{
    return Contraste(Luminance(a), Luminance(b));
}

double PointsImprimes(const TTracePeint& trace, int resolution, const QFont& police)
{
    // A line's height grows with the font's size: measured once at a large size.
    constexpr int Mesure = 100;
    QFont f = police;
    f.setPixelSize(Mesure);
    const double hauteurParPixel = QFontMetricsF(f).height() / Mesure;
    const double pixels = trace.Boite.height() * 96.0 / resolution / hauteurParPixel;
    return pixels * 72.0 / 96.0;
}

std::vector<std::string> VerifiePapier(const TReleveDessin& releve, const std::string& titre)
{
    std::map<std::string, std::pair<std::string, int>> groupes; // fault: first seen, how many
    std::vector<std::string> ordre;
    auto note = [&](int feuille, const std::string& quoi, const std::string& detail) {
        auto [it, nouveau] = groupes.try_emplace(quoi, "page " + std::to_string(feuille) + ": " + detail, 0);
        if (nouveau)
            ordre.push_back(quoi);
        ++it->second.second;
    };
    auto texte = [](const TTracePeint& t) { return "\"" + t.Libelle.toStdString() + "\" " + Rect(t.Boite); };
    if (releve.Feuilles.empty())
        note(0, "rien d'imprimé", "aucune page");
    // Two device pixels of a 96-dpi drawing: the rounding of boxes next to each other.
    const int jeu = std::max(1, releve.Resolution / 48);
    // A chart drawn from a picture smaller than this was never laid out on
    // screen: it draws nothing at that size.
    const QSize imageMinimale(36, 31);
    for (int feuille = 1; feuille <= static_cast<int>(releve.Feuilles.size()); ++feuille) {
        const QRect page(QPoint(0, 0), releve.Feuilles[static_cast<size_t>(feuille - 1)]);
        std::vector<const TTracePeint*> textes;
        std::vector<const TTracePeint*> fonds;
        int titres = 0;
        for (const TTracePeint& t : releve.Papier) {
            if (t.Feuille != feuille)
                continue;
            const QRect vu = t.Boite & t.Decoupe;
            if (t.Titre) {
                ++titres;
                if (t.Libelle.toStdString() != titre)
                    note(feuille, "titre autre", texte(t) + " au lieu de \"" + titre + "\"");
                if (!page.contains(t.Boite))
                    note(feuille, "titre coupé", texte(t) + " hors de " + Rect(page));
            }
            if (!vu.isEmpty() && !page.adjusted(-jeu, -jeu, jeu, jeu).contains(vu))
                note(feuille, "hors de la feuille",
                     (t.Texte ? texte(t) : "forme " + Rect(t.Boite)) + " hors de " + Rect(page));
            if (!t.Image.isEmpty() &&
                (t.Image.width() < imageMinimale.width() || t.Image.height() < imageMinimale.height()))
                note(feuille, "graphique d'une image trop petite",
                     std::to_string(t.Image.width()) + "x" + std::to_string(t.Image.height()) + " agrandie en " +
                         Rect(t.Boite));
            if (t.Fond)
                fonds.push_back(&t);
            if (t.Texte && !vu.isEmpty()) {
                textes.push_back(&t);
                // A row lower than its text shows only a slice of it.
                if (vu.height() < t.Boite.height() - jeu)
                    note(feuille, "texte coupé en hauteur", texte(t) + " dans " + Rect(t.Decoupe));
                // What lies under the text is the last fill under its middle, or the paper.
                QColor sous = Qt::white;
                for (auto f = fonds.rbegin(); f != fonds.rend(); ++f)
                    if (((*f)->Boite & (*f)->Decoupe).contains(vu.center())) {
                        sous = (*f)->Couleur;
                        break;
                    }
                const double contraste = Contraste(t.Couleur, sous);
                if (contraste < ContrasteMinimal) {
                    std::ostringstream detail;
                    detail.precision(2);
                    detail << texte(t) << " " << Couleur(t.Couleur) << " sur " << Couleur(sous) << ": contraste "
                           << contraste;
                    note(feuille, "texte illisible", detail.str());
                }
            }
        }
        if (titres == 0 && !titre.empty())
            note(feuille, "page sans titre", "aucun titre");
        std::sort(textes.begin(), textes.end(),
                  [](const TTracePeint* a, const TTracePeint* b) { return a->Boite.top() < b->Boite.top(); });
        for (size_t i = 0; i < textes.size(); ++i) {
            const QRect a = textes[i]->Boite & textes[i]->Decoupe;
            for (size_t j = i + 1; j < textes.size(); ++j) {
                if (textes[j]->Boite.top() > a.bottom())
                    break;
                const QRect b = textes[j]->Boite & textes[j]->Decoupe;
                // The letters of one line drawn one by one, each where the
                // kerned text puts it, reach a little into the next: one text.
                const bool suivantes =
                    textes[i]->Boite.top() == textes[j]->Boite.top() && std::abs(textes[i] - textes[j]) == 1;
                const QRect commun = a & b;
                if (!suivantes && commun.width() > jeu && commun.height() > jeu)
                    note(feuille, "textes l'un sur l'autre", texte(*textes[i]) + " et " + texte(*textes[j]));
            }
        }
    }
    std::vector<std::string> defauts;
    for (const std::string& quoi : ordre) {
        const auto& [premier, nombre] = groupes[quoi];
        defauts.push_back(quoi + ": " + premier +
                          (nombre > 1 ? " (et " + std::to_string(nombre - 1) + " autres)" : ""));
    }
    return defauts;
}

std::vector<TTracePeint> ReleveDessin(QWidget& racine)
{
    TReleveDessin releve;
    QImage image(racine.size(), QImage::Format_RGB32);
    racine.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    std::vector<TTracePeint> traces;
    for (TTracePeint& t : releve.Traces)
        if (Sous(*t.Controle, racine))
            traces.push_back(std::move(t));
    return traces;
}

std::vector<std::string> VerifieDessin(QWidget& racine, const QWidget* partie)
{
    QImage fond(racine.size(), QImage::Format_RGB32);
    fond.fill(Qt::white);
    TReleveDessin releve(true);
    const QRect zone = partie != nullptr ? QRect(partie->mapTo(&racine, QPoint(0, 0)), partie->size()) : racine.rect();
    racine.render(&fond, zone.topLeft(), QRegion(zone), QWidget::DrawChildren);

    // One line per control and kind of fault, naming the first trace and how many more.
    struct TGroupe {
        std::string Premier;
        int Nombre = 0;
    };
    std::map<std::string, TGroupe> groupes;
    std::vector<std::string> ordre;
    auto note = [&](const QWidget& w, const std::string& quoi, const std::string& detail) {
        const std::string cle = NomControle(w) + " " + quoi;
        auto [it, nouveau] = groupes.try_emplace(cle);
        if (nouveau) {
            ordre.push_back(cle);
            it->second.Premier = detail;
        }
        ++it->second.Nombre;
    };

    std::map<const QWidget*, TPlace> places;
    for (const TTracePeint& t : releve.Traces) {
        const QWidget& w = *t.Controle;
        if (t.Boite.isEmpty() || !Sous(w, racine) || !w.isVisible())
            continue;
        auto [it, nouvelle] = places.try_emplace(&w);
        if (nouvelle)
            it->second = Place(w, racine);
        const TPlace& place = it->second;
        const QRect permise = Permise(place, t.Decoupe);
        // A text's advance ends with a little space after its last letter.
        if (!permise.contains(t.Texte ? t.Boite.adjusted(0, 0, -1, 0) : t.Boite))
            note(w, t.Texte ? "texte coupé" : "forme coupée",
                 (t.Texte ? "texte \"" + t.Libelle.toStdString() + "\"" : "forme") + " " + Rect(t.Boite) + " hors de " +
                     Rect(permise));
        if (!t.Texte)
            continue;
        // Only what shows is read: a text scrolled out of view is not.
        const QRect montre = t.Boite & place.Montree & t.Decoupe;
        if (montre.isEmpty())
            continue;
        const double sous = FondSous(fond, montre.translated(place.Origine));
        if (sous < 0)
            continue;
        const double contraste = Contraste(Luminance(t.Couleur), sous);
        if (contraste < ContrasteMinimal) {
            std::ostringstream detail;
            detail.precision(2);
            detail << "texte \"" << t.Libelle.toStdString() << "\" " << Couleur(t.Couleur)
                   << " sur un fond de luminance " << sous << ": contraste " << contraste;
            note(w, "texte illisible", detail.str());
        }
    }
    std::vector<std::string> defauts;
    for (const std::string& cle : ordre) {
        const TGroupe& g = groupes[cle];
        defauts.push_back(cle + ": " + g.Premier +
                          (g.Nombre > 1 ? " (et " + std::to_string(g.Nombre - 1) + " autres)" : ""));
    }
    return defauts;
}

} // namespace testsupport
