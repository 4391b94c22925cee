#include "pages/vues/w_ChoixDate.h"

#include "controls/ImageFond.h"
#include "pagebase/w_blasons.h"

#include <QCalendarWidget>
#include <QDate>
#include <QGridLayout>

namespace {

enum : int {
    TexteFenetre = 626,
    TexteValider = 29,
    TexteAnnuler = 125,
};

} // namespace

Tf_ChoixDate::Tf_ChoixDate(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(QString::fromStdString(TexteOuDefaut(TexteFenetre, "Choix de la date")));
    mc_date = new QCalendarWidget(this);
    Date = Horloge().Aujourdhui();
    mc_date->setSelectedDate(QDate(Date.Annee, Date.Mois, Date.Jour));
    BoutonCopie1 = CreeBouton(this, TexteValider, "Valider");
    BoutonCopie1->SetDefault(true);
    BoutonCopie2 = CreeBouton(this, TexteAnnuler, "Annuler");
    BoutonCopie2->SetModalResult(ResultatModal::Annuler);
    BoutonCopie2->SetCancel(true);

    auto* Grille = new QGridLayout(this);
    Grille->addWidget(mc_date, 0, 0, 1, 2);
    Grille->addWidget(BoutonCopie1, 1, 0, Qt::AlignCenter);
    Grille->addWidget(BoutonCopie2, 1, 1, Qt::AlignCenter);

    BoutonCopie1->OnClick = [this] { BoutonCopie1Click(); };
}

void Tf_ChoixDate::BoutonCopie1Click()
{
    const QDate Choisie = mc_date->selectedDate();
    Date = TDateHeure{Choisie.year(), Choisie.month(), Choisie.day()};
    SetModalResult(ResultatModal::Ok);
}
