#include "pages/saisie/w_ChoixJournee.h"

#include "base/oTraducteur.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"

#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>

Tf_ChoixJournee::Tf_ChoixJournee(QWidget* parent) : TDialogue(parent)
{
    setModal(true);
    Edit1 = new QLineEdit(this);
    Edit1->setReadOnly(true);
    Edit1->setGeometry(16, 16, 260, 24);
    ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1->setGeometry(16, 52, 260, 18);
    ScrollBar1->setMinimum(1);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this] { ScrollBar1Change(); });
    TBoutonModele* modele = Dessin() ? Dessin()->BoutonOrange : nullptr;
    BoutonCopie1 = new TBoutonCopie(this);
    BoutonCopie2 = new TBoutonCopie(this);
    for (TBoutonCopie* b : {BoutonCopie1, BoutonCopie2}) {
        b->SetModele(modele);
        b->resize(113, 31);
    }
    BoutonCopie1->move(30, 84);
    BoutonCopie2->move(150, 84);
    BoutonCopie1->SetCaption(Traduit(29));
    BoutonCopie2->SetCaption(Traduit(125));
    BoutonCopie1->SetModalResult(ResultatModal::Ok);
    BoutonCopie1->SetDefault(true);
    // A result of 0 would leave the form open.
    BoutonCopie2->SetModalResult(ResultatModal::Annuler);
    BoutonCopie2->SetCancel(true);
    BoutonCopie1->OnClick = [this] { BoutonCopie1Click(); };
    setWindowTitle(QString::fromStdString(Traduit(755)));
    resize(292, 128);
}

void Tf_ChoixJournee::showEvent(QShowEvent* event)
{
    TDialogue::showEvent(event);
    FormActivate();
}

void Tf_ChoixJournee::FormActivate()
{
    const TDonneesChampionnat* c = Saison ? Saison->GetChampCourant() : nullptr;
    const int max = std::max(1, c ? c->GetNbJour() : 1);
    ScrollBar1->setMaximum(max);
    ScrollBar1->setPageStep(std::max(1, max / 10));
    ScrollBar1->setValue(std::clamp(Tag, 1, max));
    ScrollBar1Change();
}

void Tf_ChoixJournee::ScrollBar1Change()
{
    Edit1->setText(QString::fromStdString(std::string(18, ' ') + Traduit(39) + std::to_string(ScrollBar1->value())));
}

void Tf_ChoixJournee::BoutonCopie1Click()
{
    Tag = ScrollBar1->value();
}
