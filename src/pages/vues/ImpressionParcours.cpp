#include "pages/vues/ImpressionParcours.h"

#include "base/Ajustement.h"
#include "controls/CanevasQt.h"
#include "controls/ImpressionLabels.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// One line of text whose top left corner is (X, Y), in the painter's font.
void EcritEnHautAGauche(QPainter& P, int X, int Y, const QString& Texte)
{
    const QFontMetrics M = P.fontMetrics();
    DessineTexte(P, QRect(X, Y, M.horizontalAdvance(Texte) + 1, M.height()),
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, Texte);
}

// The route's texts stand this far into their column, the columns this far apart.
constexpr int RetraitParcours = 10;

// Route lines are 3/2 of the font's height apart.
int PasParcours(const QFontMetrics& M)
{
    return M.height() * 3 / 2;
}

// A route column: 11/10 of its widest text, and at least its indent on both sides.
int LargeurParcours(const QFontMetrics& M, const std::vector<TColonneParcours>& Colonnes)
{
    int Plus = 0;
    for (const TColonneParcours& C : Colonnes) {
        Plus = std::max(Plus, M.horizontalAdvance(C.Titre));
        for (const QString& L : C.Lignes)
            Plus = std::max(Plus, M.horizontalAdvance(L));
    }
    return std::max(Plus * 11 / 10, Plus + 2 * RetraitParcours);
}

// The size at which the columns hold side by side in the page, from the
// painter's own down; the columns' width at that size.
int AjusteParcours(QPainter& P, const QRect& Page, std::vector<TColonneParcours>& Colonnes)
{
    const int NbColonnes = static_cast<int>(Colonnes.size());
    size_t NbLignes = 0;
    for (const TColonneParcours& C : Colonnes)
        NbLignes = std::max(NbLignes, C.Lignes.size() + 1);
    QFont Police = P.font();
    auto Tient = [&](int Taille) {
        Police.setPointSize(Taille);
        const QFontMetrics M(Police, P.device());
        return NbColonnes * (LargeurParcours(M, Colonnes) + RetraitParcours) <= Page.width() &&
               static_cast<int>(NbLignes) * PasParcours(M) <= Page.height();
    };
    const TTailleAjustee Taille = AjusteTaille(P.font().pointSize(), Tient);
    Police.setPointSize(Taille.Taille);
    P.setFont(Police);
    const int Largeur =
        std::min(LargeurParcours(P.fontMetrics(), Colonnes), Page.width() / NbColonnes - RetraitParcours);
    if (!Taille.Tient) {
        const QFontMetricsF Mesure(Police, P.device());
        for (TColonneParcours& C : Colonnes)
            for (QString& L : C.Lignes)
                L = AbregeQt(L, Largeur - 2 * RetraitParcours, Mesure);
    }
    return Largeur;
}

// A framed column from (X, Haut): its title over a rule, then its lines.
void DessineColonne(QPainter& P, int X, int Haut, int Largeur, const TColonneParcours& C)
{
    const int Pas = PasParcours(P.fontMetrics());
    P.drawRect(X, Haut, Largeur, static_cast<int>(C.Lignes.size() + 1) * Pas);
    EcritEnHautAGauche(P, X + RetraitParcours, Haut + Pas / 9, C.Titre);
    P.drawLine(X, Haut + Pas, X + Largeur, Haut + Pas);
    int Y = Haut + Pas;
    for (const QString& L : C.Lignes) {
        EcritEnHautAGauche(P, X + RetraitParcours, Y, L);
        Y += Pas;
    }
}

} // namespace

void ImprimeParcours(QPainter& P, const QRect& Page, std::vector<TColonneParcours> Colonnes)
{
    if (Colonnes.empty())
        return;
    const int Largeur = AjusteParcours(P, Page, Colonnes);
    for (size_t Colonne = 0; Colonne < Colonnes.size(); ++Colonne)
        DessineColonne(P, Page.left() + static_cast<int>(Colonne) * (Largeur + RetraitParcours), Page.top(), Largeur,
                       Colonnes[Colonne]);
}
