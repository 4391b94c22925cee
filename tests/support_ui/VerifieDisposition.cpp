#include "support_ui/VerifieDisposition.h"

#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/ComboBox.h"
#include "controls/ImageFond.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QTreeWidget>

namespace testsupport {

// A panel that scrolls may be larger than the view it scrolls in.
bool DefileDansSaVue(const QWidget& enfant)
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
    if (const auto* e = qobject_cast<const TEdition2*>(&w))
        return e->Text();
    if (const auto* e = qobject_cast<const QLineEdit*>(&w))
        return e->displayText().toStdString();
    if (const auto* c = qobject_cast<const QComboBox*>(&w))
        return c->currentText().toStdString();
    if (const auto* s = qobject_cast<const QAbstractSpinBox*>(&w))
        return s->text().toStdString();
    return {};
}

// A text shortened on purpose ends with an ellipsis; the whole of it must then
// be a tooltip away.
bool Elide(const QString& texte)
{
    return texte.endsWith(QChar(0x2026));
}

// Qt's line edits keep this much space on each side of their text.
constexpr int MargeEdition = 2;

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
            if (!DefileDansSaVue(e) && !w.rect().contains(e.geometry()))
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

    void Coupe(const QWidget& w, int largeur, const QRect& boite)
    {
        Defaut(w, "coupé: " + std::to_string(largeur) + " dans " + Rect(boite));
    }

    // An elided text fits by construction: what counts is the tooltip.
    bool VerifieElision(const QWidget& w, const QString& texte)
    {
        if (!Elide(texte))
            return false;
        if (w.toolTip().isEmpty() || w.toolTip() == texte)
            Defaut(w, "abrégé sans le texte entier en bulle");
        return true;
    }

    // A one-line text must fit the box the control draws it in, measured with
    // the control's own font.
    void VerifieLigne(const QWidget& w, const QString& texte, const QRect& boite, const QFont* police = nullptr)
    {
        if (texte.trimmed().isEmpty() || VerifieElision(w, texte))
            return;
        const int largeur = QFontMetrics(police != nullptr ? *police : w.font()).horizontalAdvance(texte);
        if (largeur > boite.width())
            Coupe(w, largeur, boite);
    }

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
            } else if (!VerifieElision(w, l->text()) &&
                       (mesure.horizontalAdvance(l->text()) > boite.width() || mesure.height() > boite.height() + 2)) {
                Coupe(w, mesure.horizontalAdvance(l->text()), boite);
            }
        } else if (const auto* b = qobject_cast<const QCheckBox*>(&w)) {
            QStyleOptionButton option;
            option.initFrom(b);
            option.text = b->text();
            VerifieLigne(w, b->text(), b->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, b));
        } else if (const auto* b = qobject_cast<const QRadioButton*>(&w)) {
            QStyleOptionButton option;
            option.initFrom(b);
            option.text = b->text();
            VerifieLigne(w, b->text(), b->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, b));
        } else if (const auto* b = qobject_cast<const QPushButton*>(&w)) {
            QStyleOptionButton option;
            option.initFrom(b);
            option.text = b->text();
            option.icon = b->icon();
            option.iconSize = b->iconSize();
            QRect boite = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
            if (!b->icon().isNull())
                boite.setLeft(boite.left() + b->iconSize().width() + 4);
            VerifieLigne(w, QString(b->text()).remove('&'), boite);
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(&w)) {
            if (!b->text().isEmpty() && b->sizeHint().width() > b->width())
                Defaut(w, "coupé: " + std::to_string(b->sizeHint().width()) + " > " + std::to_string(b->width()));
        } else if (const auto* b = qobject_cast<const TBoutonModele*>(&w)) {
            // The skin's rim takes four pixels on each side.
            VerifieLigne(w, QString::fromStdString(b->Caption()), b->rect().adjusted(4, 0, -4, 0));
        } else if (const auto* c = qobject_cast<const TBoutonCoche*>(&w)) {
            // The box and the gap after it take 25 pixels.
            VerifieLigne(w, QString::fromStdString(c->Caption()), c->rect().adjusted(25, 0, 0, 0));
        } else if (const auto* e = qobject_cast<const TEdition2*>(&w)) {
            // The text is centred on the frame, moved by the frame's offsets; the skin's
            // rim takes two pixels on each side. A box that shrinks its text to fit
            // is measured in the size it draws.
            const QFont police = e->PoliceAffichee();
            VerifieLigne(w, e->TexteAffiche(),
                         e->rect().adjusted(2 + std::abs(e->DecalX()), 0, -2 - std::abs(e->DecalX()), 0), &police);
        } else if (const auto* e = qobject_cast<const QLineEdit*>(&w)) {
            QStyleOptionFrame option;
            option.initFrom(e);
            option.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, e) : 0;
            const QRect boite = e->style()
                                    ->subElementRect(QStyle::SE_LineEditContents, &option, e)
                                    .marginsRemoved(e->textMargins())
                                    .adjusted(MargeEdition, 0, -MargeEdition, 0);
            VerifieLigne(w, e->displayText(), boite);
        } else if (const auto* c = qobject_cast<const QComboBox*>(&w)) {
            const auto* abrege = qobject_cast<const TComboAbrege*>(c);
            const QString texte = abrege != nullptr ? abrege->TexteAffiche() : c->currentText();
            QStyleOptionComboBox option;
            option.initFrom(c);
            option.editable = c->isEditable();
            option.currentText = c->currentText();
            option.frame = c->hasFrame();
            QRect boite = c->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, c);
            if (!c->itemIcon(c->currentIndex()).isNull())
                boite.setLeft(boite.left() + c->iconSize().width() + 4);
            VerifieLigne(w, texte, boite.adjusted(MargeEdition, 0, -MargeEdition, 0));
        } else if (const auto* s = qobject_cast<const QAbstractSpinBox*>(&w)) {
            QStyleOptionSpinBox option;
            option.initFrom(s);
            option.frame = s->hasFrame();
            option.buttonSymbols = s->buttonSymbols();
            option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField;
            if (s->buttonSymbols() != QAbstractSpinBox::NoButtons)
                option.subControls |= QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
            const QRect boite = s->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, s);
            VerifieLigne(w, s->text(), boite.adjusted(MargeEdition, 0, -MargeEdition, 0));
        } else if (const auto* t = qobject_cast<const QTreeWidget*>(&w)) {
            VerifieArbre(*t);
        }
    }

    // Every entry the user can reach by scrolling up and down shows whole: a
    // tree that must be scrolled sideways to read an entry cuts it.
    void VerifieArbre(const QTreeWidget& t)
    {
        const int largeur = t.header()->isHidden() ? t.viewport()->width() : t.columnWidth(0);
        for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&t)); *it != nullptr; ++it) {
            const QTreeWidgetItem* noeud = *it;
            if (noeud->isHidden() || noeud->text(0).isEmpty())
                continue;
            bool montre = true;
            for (const QTreeWidgetItem* p = noeud->parent(); p != nullptr && montre; p = p->parent())
                montre = p->isExpanded() && !p->isHidden();
            if (!montre)
                continue;
            int profondeur = 0;
            for (const QTreeWidgetItem* p = noeud->parent(); p != nullptr; p = p->parent())
                ++profondeur;
            const int gauche = (profondeur + (t.rootIsDecorated() ? 1 : 0)) * t.indentation();
            const int icone = noeud->icon(0).isNull() ? 0 : t.iconSize().width() + 4;
            const QFontMetrics mesure(noeud->data(0, Qt::FontRole).isValid() ? noeud->font(0) : t.font());
            // The item view keeps a few pixels of margin around the text.
            const int marges = 2 * (MargeEdition + 1);
            const QString texte = noeud->text(0);
            if (noeud->toolTip(0) == texte)
                continue; // elided on purpose, whole in its tooltip
            if (t.wordWrap()) {
                // A wrapping tree shows long entries on several lines: each word must
                // fit the width, and every line the height of the entry.
                const int place = largeur - gauche - icone - marges;
                const QRect bloc = mesure.boundingRect(QRect(0, 0, std::max(place, 1), 100000),
                                                       Qt::TextWordWrap | Qt::AlignLeft, texte);
                const int hauteur = t.visualItemRect(noeud).height();
                if (bloc.width() > place || bloc.height() > hauteur)
                    Defaut(t, "entrée \"" + texte.toStdString() + "\" coupée: " + Rect(bloc) + " dans " +
                                  std::to_string(place) + "x" + std::to_string(hauteur));
                continue;
            }
            const int largeurTexte = mesure.horizontalAdvance(texte) + marges;
            if (gauche + icone + largeurTexte > largeur)
                Defaut(t, "entrée \"" + texte.toStdString() + "\" coupée: " +
                              std::to_string(gauche + icone + largeurTexte) + " > " + std::to_string(largeur));
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
