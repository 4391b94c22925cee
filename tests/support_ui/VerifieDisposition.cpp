#include "support_ui/VerifieDisposition.h"

#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>

namespace testsupport {

namespace {

std::string Texte(const QWidget& w)
{
    if (const auto* l = qobject_cast<const QLabel*>(&w))
        return l->text().toStdString();
    if (const auto* b = qobject_cast<const QAbstractButton*>(&w))
        return b->text().toStdString();
    if (const auto* b = qobject_cast<const TBoutonModele*>(&w))
        return b->Caption();
    if (const auto* c = qobject_cast<const TBoutonCoche*>(&w))
        return c->Caption();
    return {};
}

std::string Rect(const QRect& r)
{
    return "(" + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height()) + ")";
}

// Qt's own composite controls lay their parts out themselves: they are
// checked as one box, not looked into.
bool Compose(const QWidget& w)
{
    return (qobject_cast<const QAbstractScrollArea*>(&w) != nullptr &&
            qobject_cast<const QScrollArea*>(&w) == nullptr) ||
           qobject_cast<const QAbstractSpinBox*>(&w) != nullptr || qobject_cast<const QComboBox*>(&w) != nullptr ||
           qobject_cast<const QAbstractSlider*>(&w) != nullptr || qobject_cast<const QTabBar*>(&w) != nullptr ||
           qobject_cast<const QMenuBar*>(&w) != nullptr || qobject_cast<const QAbstractButton*>(&w) != nullptr ||
           qobject_cast<const QLineEdit*>(&w) != nullptr || qobject_cast<const QStatusBar*>(&w) != nullptr;
}

// A panel that scrolls may be larger than the view it scrolls in.
bool Defile(const QWidget& enfant)
{
    const QWidget* parent = enfant.parentWidget();
    if (parent == nullptr)
        return false;
    if (const auto* zone = qobject_cast<const QAbstractScrollArea*>(parent->parentWidget()))
        if (zone->viewport() == parent)
            return true;
    if (const auto* fond = qobject_cast<const TFondScroll*>(parent->parentWidget()))
        return fond->Contenu() == &enfant;
    return false;
}

class TVerificateur {
public:
    TVerificateur(const TReglesDisposition& regles) : FRegles(regles) {}

    void Verifie(const QWidget& w)
    {
        VerifieTexte(w);
        if (const auto* grille = qobject_cast<const TColorStringGrid*>(&w))
            VerifieGrille(*grille);
        if (Compose(w))
            return;
        std::vector<const QWidget*> enfants;
        for (const QObject* o : w.children()) {
            const auto* e = qobject_cast<const QWidget*>(o);
            if (e == nullptr || e->isWindow() || !e->isVisible() || e->geometry().isEmpty())
                continue;
            enfants.push_back(e);
        }
        // A stack shows one page; its other children are its own business.
        const bool pile =
            qobject_cast<const QStackedWidget*>(&w) != nullptr || qobject_cast<const QTabWidget*>(&w) != nullptr;
        for (size_t i = 0; i < enfants.size(); ++i) {
            const QWidget& e = *enfants[i];
            if (!Defile(e) && !w.rect().contains(e.geometry()))
                Defaut(e, "dépasse de " + NomControle(w) + " " + Rect(e.geometry()) + " hors de " + Rect(w.rect()));
            for (size_t j = i + 1; j < enfants.size() && !pile; ++j) {
                const QWidget& f = *enfants[j];
                if (!e.geometry().intersects(f.geometry()))
                    continue;
                if (FRegles.RecouvrementVoulu && (FRegles.RecouvrementVoulu(e, f) || FRegles.RecouvrementVoulu(f, e)))
                    continue;
                Defaut(e, "recouvre " + NomControle(f) + " " + Rect(e.geometry()) + " et " + Rect(f.geometry()));
            }
            Verifie(e);
        }
    }

    std::vector<std::string> Defauts;

private:
    void Defaut(const QWidget& w, const std::string& quoi) { Defauts.push_back(NomControle(w) + " " + quoi); }

    void VerifieTexte(const QWidget& w)
    {
        const QFontMetrics mesure(w.font());
        if (const auto* l = qobject_cast<const QLabel*>(&w)) {
            if (l->text().isEmpty() || Qt::mightBeRichText(l->text()))
                return;
            const QRect boite = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
            if (l->wordWrap()) {
                if (l->heightForWidth(l->width()) > l->height())
                    Defaut(w, "coupé en hauteur: " + std::to_string(l->heightForWidth(l->width())) + " > " +
                                  std::to_string(l->height()));
            } else if (mesure.horizontalAdvance(l->text()) > boite.width() || mesure.height() > boite.height() + 2) {
                Defaut(w, "coupé: " + std::to_string(mesure.horizontalAdvance(l->text())) + " dans " + Rect(boite));
            }
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(&w)) {
            if (!b->text().isEmpty() && b->sizeHint().width() > b->width())
                Defaut(w, "coupé: " + std::to_string(b->sizeHint().width()) + " > " + std::to_string(b->width()));
        } else if (const auto* b = qobject_cast<const TBoutonModele*>(&w)) {
            const int largeur = mesure.horizontalAdvance(QString::fromStdString(b->Caption()));
            if (largeur + 8 > b->width())
                Defaut(w, "coupé: " + std::to_string(largeur) + " + 8 > " + std::to_string(b->width()));
        } else if (const auto* c = qobject_cast<const TBoutonCoche*>(&w)) {
            const int largeur = mesure.horizontalAdvance(QString::fromStdString(c->Caption()));
            if (!c->Caption().empty() && largeur + 25 > c->width())
                Defaut(w, "coupé: " + std::to_string(largeur) + " + 25 > " + std::to_string(c->width()));
        }
    }

    void VerifieGrille(const TColorStringGrid& g)
    {
        // Without a scroll bar, every column must show whole.
        if (g.horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) {
            int largeur = 0;
            for (int c = 0; c < g.GetColCount(); ++c)
                largeur += g.GetLargeurColonne(c) + 1;
            if (largeur > g.viewport()->width())
                Defaut(g,
                       "colonnes coupées: " + std::to_string(largeur) + " > " + std::to_string(g.viewport()->width()));
        }
        QFont normale = g.font();
        QFont grasse = normale;
        grasse.setBold(true);
        const QFontMetrics mesureNormale(normale), mesureGrasse(grasse);
        for (int r = 0; r < g.GetRowCount(); ++r)
            for (int c = 0; c < g.GetColCount(); ++c) {
                if (g.GetLargeurColonne(c) == 0)
                    continue; // a hidden column
                const QString texte = QString::fromStdString(g.GetTexte(c, r));
                if (texte.trimmed().isEmpty())
                    continue;
                const QFontMetrics& mesure = g.GetGras(c, r) ? mesureGrasse : mesureNormale;
                const int place = g.GetLargeurColonne(c) - (g.GetImage(c, r) != nullptr ? g.GetHauteurLigne(r) : 0);
                if (mesure.horizontalAdvance(texte) > place) {
                    Defaut(g, "cellule (" + std::to_string(c) + "," + std::to_string(r) + ") \"" + texte.toStdString() +
                                  "\" coupée: " + std::to_string(mesure.horizontalAdvance(texte)) + " > " +
                                  std::to_string(place));
                    return; // one cell tells the column is too narrow
                }
            }
    }

    const TReglesDisposition& FRegles;
};

} // namespace

std::string NomControle(const QWidget& controle)
{
    std::string nom = controle.objectName().toStdString();
    nom += std::string(nom.empty() ? "" : " ") + "(" + controle.metaObject()->className() + ")";
    const std::string texte = Texte(controle);
    if (!texte.empty())
        nom += " \"" + texte + "\"";
    return nom;
}

std::vector<std::string> VerifieDisposition(const QWidget& racine, const TReglesDisposition& regles)
{
    TVerificateur verificateur(regles);
    verificateur.Verifie(racine);
    return verificateur.Defauts;
}

} // namespace testsupport
