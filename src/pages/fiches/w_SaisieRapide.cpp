#include "pages/fiches/w_SaisieRapide.h"

#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ComboBox.h"
#include "controls/ImageFond.h"
#include "model/SaisonFoot.h"
#include "pagebase/DefType.h"
#include "pagebase/w_blasons.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {
QString Q(const std::string& texte)
{
    return QString::fromStdString(texte);
}
} // namespace

Tf_SaisieRapide::Tf_SaisieRapide(TSaison& Saison, QWidget* parent) : TDialogue(parent), FSaison(Saison), FSaisie(Saison)
{
    setWindowTitle(Q(Traduit(998)));
    Label1 = new QLabel(Q(Traduit(692)), this);
    cb_AjoutJoueur = new TComboBox98(this);
    cb_AjoutJoueur->setEditable(true);
    cb_AjoutJoueur->setInsertPolicy(QComboBox::NoInsert);
    cb_AjoutJoueur->setMinimumWidth(300);
    b_Ajouter = CreeBouton(this, 932, "Ajouter");
    b_Ajouter->SetDefault(true);
    lb_JoueursPresents = new QListWidget(this);
    cc_AfficheFiche = new TCarreCoche(this);
    cc_AfficheFiche->SetCaption(Traduit(999));
    cc_AfficheFiche->setMinimumWidth(220);
    b_Continuer = CreeBouton(this, 27, "Continuer");
    b_Continuer->SetModalResult(ResultatModal::Ok);

    auto* boite = new QVBoxLayout(this);
    auto* saisie = new QHBoxLayout;
    saisie->addWidget(Label1);
    saisie->addWidget(cb_AjoutJoueur, 1);
    saisie->addWidget(b_Ajouter);
    boite->addLayout(saisie);
    boite->addWidget(lb_JoueursPresents, 1);
    auto* bas = new QHBoxLayout;
    bas->addWidget(cc_AfficheFiche);
    bas->addStretch(1);
    bas->addWidget(b_Continuer);
    boite->addLayout(bas);
    resize(480, 360);

    b_Ajouter->OnClick = [this] { b_AjouterClick(); };
    cb_AjoutJoueur->installEventFilter(this);
    if (cb_AjoutJoueur->lineEdit())
        cb_AjoutJoueur->lineEdit()->installEventFilter(this);
}

void Tf_SaisieRapide::SetEquipe(int Equipe)
{
    FSaisie.SetEquipe(Equipe);
    lb_JoueursPresents->clear();
    for (const std::string& p : FSaisie.Presents())
        lb_JoueursPresents->addItem(Q(p));
    RemplitChoix();
}

void Tf_SaisieRapide::RemplitChoix()
{
    cb_AjoutJoueur->clear();
    for (const Effectifs::TSaisieRapide::TChoix& c : FSaisie.Choix())
        cb_AjoutJoueur->addItem(Q(c.Texte), c.Id);
    cb_AjoutJoueur->setCurrentIndex(-1);
    cb_AjoutJoueur->setEditText(QString());
}

void Tf_SaisieRapide::b_AjouterClick()
{
    const std::string texte = cb_AjoutJoueur->currentText().toStdString();
    const size_t avant = FSaisie.Presents().size();
    const bool change = FSaisie.Ajoute(texte, cc_AfficheFiche->Checked(),
                                       [this](TJoueur*& j, int num, int mode, int poste, bool* modifie) {
                                           return OuvreFicheJoueur(FSaison, num, j, mode, modifie, poste);
                                       });
    for (size_t i = avant; i < FSaisie.Presents().size(); ++i)
        lb_JoueursPresents->addItem(Q(FSaisie.Presents()[i]));
    if (change)
        RemplitChoix();
    else
        cb_AjoutJoueur->setEditText(QString());
    cb_AjoutJoueur->setFocus();
}

bool Tf_SaisieRapide::eventFilter(QObject* objet, QEvent* event)
{
    if ((objet == cb_AjoutJoueur || objet == cb_AjoutJoueur->lineEdit()) &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const int touche = static_cast<QKeyEvent*>(event)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            // Enter adds the player typed instead of closing the dialog.
            if (event->type() == QEvent::KeyRelease)
                b_AjouterClick();
            return true;
        }
    }
    return TDialogue::eventFilter(objet, event);
}
