#include "pages/saisie/w_AjoutEquipeCoupe.h"

#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "controls/ComboBox.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

Tf_AjoutEquipeCoupe::Tf_AjoutEquipeCoupe(QWidget* parent) : TDialogue(parent)
{
    setModal(true);
    setWindowTitle(QString::fromStdString(Traduit(2211)));
    Label1 = new QLabel(QString::fromStdString(Traduit(2212)), this);
    Label1->setGeometry(16, 8, 200, 18);
    cb_AjoutEquipe = new TComboBox98(this);
    cb_AjoutEquipe->setEditable(true);
    cb_AjoutEquipe->setGeometry(16, 28, 220, 24);
    cb_AjoutEquipe->installEventFilter(this);
    if (cb_AjoutEquipe->lineEdit())
        cb_AjoutEquipe->lineEdit()->installEventFilter(this);
    TBoutonModele* modele = Dessin() ? Dessin()->BoutonOrange : nullptr;
    b_Ajouter = new TBoutonCopie(this);
    b_Continuer = new TBoutonCopie(this);
    for (TBoutonCopie* b : {b_Ajouter, b_Continuer}) {
        b->SetModele(modele);
        b->resize(113, 31);
    }
    b_Ajouter->move(248, 24);
    b_Ajouter->SetCaption(Traduit(932));
    b_Ajouter->OnClick = [this] { b_AjouterClick(); };
    lb_EquipesPresentes = new QListWidget(this);
    lb_EquipesPresentes->setGeometry(16, 64, 345, 200);
    b_Continuer->move(130, 276);
    b_Continuer->SetCaption(Traduit(2213));
    b_Continuer->SetModalResult(QDialog::Accepted);
    resize(377, 320);
}

void Tf_AjoutEquipeCoupe::showEvent(QShowEvent* event)
{
    TDialogue::showEvent(event);
    FormShow();
}

void Tf_AjoutEquipeCoupe::FormShow()
{
    lb_EquipesPresentes->clear();
    for (const std::string& nom : Presentes)
        lb_EquipesPresentes->addItem(QString::fromStdString(nom));
    cb_AjoutEquipe->clear();
    // The combo box completes from a list in folded order.
    std::vector<std::pair<std::string, int>> tries = Candidats;
    std::stable_sort(tries.begin(), tries.end(),
                     [](const auto& a, const auto& b) { return NormaliseTexte(a.first) < NormaliseTexte(b.first); });
    for (const auto& [nom, id] : tries)
        cb_AjoutEquipe->addItem(QString::fromStdString(nom), id);
    cb_AjoutEquipe->setCurrentIndex(-1);
    cb_AjoutEquipe->setEditText(QString());
}

void Tf_AjoutEquipeCoupe::b_AjouterClick()
{
    const std::string tape = Trim(cb_AjoutEquipe->currentText().toStdString());
    int index = cb_AjoutEquipe->currentIndex();
    // A typed text that names a candidate is that candidate.
    if (index < 0 || cb_AjoutEquipe->itemText(index).toStdString() != tape)
        index = cb_AjoutEquipe->findText(QString::fromStdString(tape));
    if (index >= 0) {
        const std::string nom = cb_AjoutEquipe->itemText(index).toStdString();
        lb_EquipesPresentes->addItem(QString::fromStdString(nom));
        Choisies.emplace_back(nom, cb_AjoutEquipe->itemData(index).toInt());
        cb_AjoutEquipe->removeItem(index);
    } else if (!tape.empty()) {
        const bool deja =
            std::any_of(Presentes.begin(), Presentes.end(),
                        [&](const std::string& p) { return EgalSansAccent(p, tape); }) ||
            std::any_of(Choisies.begin(), Choisies.end(), [&](const auto& c) { return EgalSansAccent(c.first, tape); });
        if (!deja) {
            lb_EquipesPresentes->addItem(QString::fromStdString(tape));
            Choisies.emplace_back(tape, -1);
        }
    }
    cb_AjoutEquipe->setCurrentIndex(-1);
    cb_AjoutEquipe->setEditText(QString());
}

bool Tf_AjoutEquipeCoupe::eventFilter(QObject* objet, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        const int touche = static_cast<QKeyEvent*>(event)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            b_AjouterClick();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(event)->key();
        // Enter adds the team; it must not close the dialog.
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter)
            return true;
    }
    return TDialogue::eventFilter(objet, event);
}
