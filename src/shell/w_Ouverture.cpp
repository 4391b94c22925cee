#include "shell/w_Ouverture.h"

#include "controls/BoutonCoche.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "pagebase/w_blasons.h"

#include <QFontMetrics>
#include <QPalette>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int LargeurOption = 300;
// However long the last file's name, the dialog stays this wide at most.
constexpr int LargeurOptionMax = 600;
// The round box and the room between it and the caption.
constexpr int LargeurRond = 25;

enum : int {
    TexteNouveau = 1197,
    TexteDernier = 1198,
    TexteOuvrir = 1199,
    TexteFenetre = 1200,
};

TRondCoche* Option(QWidget* parent, int texte, const char* defaut)
{
    auto* option = new TRondCoche(parent);
    option->SetCouleurCoche(CouleursTheme::Fond); // the panels' yellow would vanish on the white face
    TexteClair(option);
    option->SetCaption(TexteOuDefaut(texte, defaut));
    option->setMinimumSize(LargeurOption, 20);
    return option;
}

} // namespace

Tf_Ouverture::Tf_Ouverture(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(QString::fromStdString(TexteOuDefaut(TexteFenetre, "Ouverture")));
    fc_Principale = new TFondCopie(this);
    if (Dessin() != nullptr)
        fc_Principale->SetModele(Dessin()->FondCarrebleu);
    rb_Last = Option(fc_Principale, TexteDernier, "Charger le dernier fichier");
    rb_Ouvrir = Option(fc_Principale, TexteOuvrir, "Charger un fichier");
    rb_Nouveau = Option(fc_Principale, TexteNouveau, "Nouveau fichier");
    bc_Oui = CreeBouton(fc_Principale, 0, "Ok");
    bc_Oui->SetModalResult(ResultatModal::Ok);
    bc_Oui->SetDefault(true);

    auto* colonne = new QVBoxLayout(fc_Principale);
    colonne->setContentsMargins(24, 20, 24, 16);
    colonne->setSpacing(10);
    colonne->addWidget(rb_Last);
    colonne->addWidget(rb_Ouvrir);
    colonne->addWidget(rb_Nouveau);
    colonne->addSpacing(6);
    colonne->addWidget(bc_Oui, 0, Qt::AlignCenter);
    auto* fond = new QVBoxLayout(this);
    fond->setContentsMargins(0, 0, 0, 0);
    fond->addWidget(fc_Principale);
}

void Tf_Ouverture::showEvent(QShowEvent* event)
{
    // The main window adds the last file's name to its option once the dialog
    // is made: each option as wide as its caption, and the dialog with them.
    // A name too long loses its middle, and shows whole in the tip.
    for (TRondCoche* option : {rb_Last, rb_Ouvrir, rb_Nouveau}) {
        const QFontMetrics mesure(option->font());
        const QString caption = QString::fromStdString(option->Caption());
        const int place = LargeurOptionMax - LargeurRond - 2;
        if (mesure.horizontalAdvance(caption) > place) {
            option->setToolTip(caption);
            option->SetCaption(mesure.elidedText(caption, Qt::ElideMiddle, place).toStdString());
        }
        const int texte = mesure.horizontalAdvance(QString::fromStdString(option->Caption()));
        option->setMinimumWidth(std::clamp(texte + LargeurRond + 2, LargeurOption, LargeurOptionMax));
    }
    adjustSize();
    TDialogue::showEvent(event);
}
