#include "pages/options/w_ChoixNoeud.h"

#include "model/LectureParametre.h"
#include "pagebase/w_blasons.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

namespace {

enum : int {
    TexteFenetre = 756,
    TexteExplication = 757,
};

} // namespace

Tf_ChoixNoeud::Tf_ChoixNoeud(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(QString::fromStdString(TexteOuDefaut(TexteFenetre, "Choix d'un élément")));
    setFixedSize(330, 380);
    Label1 = new QLabel(QString::fromStdString(TexteOuDefaut(TexteExplication, "Double-cliquez sur l'élément")), this);
    Label1->setGeometry(8, 8, 314, 20);
    lb_Texte = new QListWidget(this);
    lb_Texte->setGeometry(8, 32, 314, 340);
    connect(lb_Texte, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { lb_TexteDblClick(lb_Texte->row(item)); });
    lb_Texte->installEventFilter(this);
}

bool Tf_ChoixNoeud::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == lb_Texte && event->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(event)->key();
        if ((touche == Qt::Key_Return || touche == Qt::Key_Enter) && lb_Texte->currentRow() >= 0) {
            lb_TexteDblClick(lb_Texte->currentRow());
            return true;
        }
    }
    return TDialogue::eventFilter(objet, event);
}

void Tf_ChoixNoeud::RemplitListe(bool divisions)
{
    lb_Texte->clear();
    const TLectureParam* catalogue = LectureParam();
    if (!catalogue)
        return;
    TListeTextes liste;
    if (divisions)
        catalogue->RemplitListeDivisions(liste);
    else
        catalogue->RemplitListe(liste);
    for (const TTexteObjet& ligne : liste) {
        auto* item = new QListWidgetItem(QString::fromStdString(ligne.Texte), lb_Texte);
        item->setData(Qt::UserRole, ligne.Objet + 1);
    }
}

void Tf_ChoixNoeud::Reinitialise()
{
    if (FReinitialise)
        return;
    FReinitialise = true;
    delete lb_Texte->takeItem(0);
}

void Tf_ChoixNoeud::lb_TexteDblClick(int ligne)
{
    const QListWidgetItem* item = lb_Texte->item(ligne);
    if (!item)
        return;
    const QVariant objet = item->data(Qt::UserRole);
    Choix = objet.isValid() ? objet.toInt() - 1 : ligne + (FReinitialise ? 1 : 0);
    SetModalResult(ResultatModal::Ok);
}
