#include "pages/vues/w_Classement.h"

#include "controls/ImageFond.h"
#include "engine/VuesClassement.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "shell/w_blasons.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

enum : int {
    TexteValider = 29,
    TexteAnnuler = 125,
    TexteChoixEtendue = 745,
    TexteEffectuer = 746,
    TexteTotalite = 747,
    TexteDeLaJournee = 748,
    TexteSixDernieres = 749,
    TexteAlaJournee = 750,
    TexteAllers = 751,
    TexteRetours = 752,
};

QLabel* Etiquette(QWidget* Parent, int Texte, const char* Defaut)
{
    return new QLabel(QString::fromStdString(TexteOuDefaut(Texte, Defaut)), Parent);
}

} // namespace

// --- Tf_Choixclass -----------------------------------------------------------

Tf_Choixclass::Tf_Choixclass(TSaison* Saison, QWidget* parent) : TDialogue(parent)
{
    if (const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr) {
        DerniereJournee = Champ->JourneeJouee;
        NbEquipe = Champ->GetNbEquipe();
    }
    setWindowTitle(QString::fromStdString(TexteOuDefaut(TexteChoixEtendue, "Choix de l'étendu du classement")));
    Edit1 = new QLineEdit(this);
    Edit2 = new QLineEdit(this);
    BoutonCopie3 = CreeBouton(this, TexteTotalite, "Totalité du championnat");
    BoutonCopie4 = CreeBouton(this, TexteSixDernieres, "6 dernières journées");
    BoutonCopie5 = CreeBouton(this, TexteAllers, "Matchs allers");
    BoutonCopie6 = CreeBouton(this, TexteRetours, "Matchs retours");
    BoutonCopie1 = CreeBouton(this, TexteValider, "Valider");
    BoutonCopie1->SetDefault(true);
    BoutonCopie2 = CreeBouton(this, TexteAnnuler, "Annuler");
    BoutonCopie2->SetModalResult(ResultatModal::Annuler);
    BoutonCopie2->SetCancel(true);
    for (TBoutonCopie* Bouton : {BoutonCopie3, BoutonCopie4, BoutonCopie5, BoutonCopie6})
        Bouton->setFixedSize(160, 25);

    auto* Grille = new QGridLayout(this);
    Grille->addWidget(Etiquette(this, TexteEffectuer, "Effectuer le classement"), 0, 0, 1, 4);
    Grille->addWidget(Etiquette(this, TexteDeLaJournee, "de la journée"), 1, 0);
    Grille->addWidget(Edit1, 1, 1);
    Grille->addWidget(Etiquette(this, TexteAlaJournee, "à la journée"), 1, 2);
    Grille->addWidget(Edit2, 1, 3);
    Grille->addWidget(BoutonCopie3, 2, 0, 1, 2);
    Grille->addWidget(BoutonCopie4, 2, 2, 1, 2);
    Grille->addWidget(BoutonCopie5, 3, 0, 1, 2);
    Grille->addWidget(BoutonCopie6, 3, 2, 1, 2);
    Grille->addWidget(BoutonCopie1, 4, 0, 1, 2, Qt::AlignCenter);
    Grille->addWidget(BoutonCopie2, 4, 2, 1, 2, Qt::AlignCenter);

    BoutonCopie1->OnClick = [this] { BoutonCopie1Click(); };
    BoutonCopie3->OnClick = [this] { BoutonCopie3Click(); };
    BoutonCopie4->OnClick = [this] { BoutonCopie4Click(); };
    BoutonCopie5->OnClick = [this] { BoutonCopie5Click(); };
    BoutonCopie6->OnClick = [this] { BoutonCopie6Click(); };
}

void Tf_Choixclass::showEvent(QShowEvent* event)
{
    if (Edit1->text().isEmpty())
        Edit1->setText("1");
    if (Edit2->text().isEmpty())
        Edit2->setText(QString::number(DerniereJournee));
    TDialogue::showEvent(event);
}

void Tf_Choixclass::Remplit(int de, int a)
{
    Edit1->setText(QString::number(de));
    Edit2->setText(QString::number(a));
}

void Tf_Choixclass::BoutonCopie3Click()
{
    int De = 0, A = 0;
    VuesClassement::EtendueTotale(DerniereJournee, De, A);
    Remplit(De, A);
}

void Tf_Choixclass::BoutonCopie4Click()
{
    int De = 0, A = 0;
    VuesClassement::EtendueSixDernieres(DerniereJournee, De, A);
    Remplit(De, A);
}

void Tf_Choixclass::BoutonCopie5Click()
{
    int De = 0, A = 0;
    VuesClassement::EtendueAller(NbEquipe, De, A);
    Remplit(De, A);
}

void Tf_Choixclass::BoutonCopie6Click()
{
    int De = 0, A = 0;
    VuesClassement::EtendueRetour(NbEquipe, De, A);
    Remplit(De, A);
}

void Tf_Choixclass::BoutonCopie1Click()
{
    int Valeur = 0;
    if (VuesClassement::LitEtendue(Edit1->text().toStdString(), Edit2->text().toStdString(), DerniereJournee, Valeur)) {
        Tag = Valeur;
        SetModalResult(ResultatModal::Ok);
    } else {
        SetModalResult(ResultatModal::Annuler);
    }
}
