#include "pages/reglages/w_Penalite.h"

#include "base/ServiceMessage.h"
#include "controls/ColorStringGrid.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/w_blasons.h"
#include "pages/vues/w_recap.h"
#include "presentation/AjustementPoints.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum : int { TextePoints = 218, TexteAjouter = 932 };

QString Texte(int Id, const char* Defaut)
{
    return QString::fromStdString(TexteOuDefaut(Id, Defaut));
}

} // namespace

Tf_Penalite::Tf_Penalite(QWidget* parent) : TFootForm(parent)
{
    cb_Equipe = new QComboBox(this);
    cb_Equipe->setMinimumWidth(200);
    e_Point = new QSpinBox(this);
    e_Point->setRange(-100, 100);
    e_Point->setValue(0);
    Label1 = new QLabel(Texte(TextePoints, "points"), this);
    b_Ajouter = new QPushButton(Texte(TexteAjouter, "Ajouter"), this);
    connect(b_Ajouter, &QPushButton::clicked, this, [this] { b_AjouterClick(); });

    sb_Tableau = new QScrollArea(this);
    sb_Tableau->setFrameShape(QFrame::NoFrame);
    Contenu = new QWidget;
    sb_Tableau->setWidget(Contenu);
    sg_Penalite = new TColorStringGrid(Contenu);
    SetGrillePage(sg_Penalite);
    sg_Penalite->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_Penalite->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_Penalite->SetAutoResize(false);
    sg_Penalite->SetRowCount(1);
    sg_Penalite->SetColCount(2);
    sb_Tableau->viewport()->installEventFilter(this);

    auto* Saisie = new QHBoxLayout;
    Saisie->addStretch();
    Saisie->addWidget(cb_Equipe);
    Saisie->addWidget(e_Point);
    Saisie->addWidget(Label1);
    Saisie->addWidget(b_Ajouter);
    Saisie->addStretch();
    auto* Boite = new QVBoxLayout(this);
    Boite->setContentsMargins(0, 4, 0, 0);
    Boite->addLayout(Saisie);
    Boite->addWidget(sb_Tableau, 1);
}

Tf_Penalite::~Tf_Penalite() = default;

void Tf_Penalite::FormShow()
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    cb_Equipe->clear();
    if (Champ == nullptr) {
        sg_Penalite->SetRowCount(1);
        PlaceTableau();
        return;
    }
    AjustementPoints::RemplitTableau(*Saison, *Champ, *sg_Penalite);
    for (int i = 0; i < Champ->GetNbEquipe(); ++i) {
        const int Id = Champ->GetEquipe(i);
        cb_Equipe->addItem(QString::fromStdString(Saison->GetNomEquipe(static_cast<uint16_t>(Id))), Id);
    }
    cb_Equipe->setCurrentIndex(-1);
    PlaceTableau();
}

void Tf_Penalite::b_AjouterClick()
{
    TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    const int Points = e_Point->value();
    if (Champ == nullptr || cb_Equipe->currentIndex() < 0 || Points == 0)
        return;
    const int Id = cb_Equipe->currentData().toInt();
    if (Champ->IndexEquipe(Id) < 0)
        return;
    if (!AjustementPoints::AjoutePoints(Champ->GetPenalites(), static_cast<uint16_t>(Id), Points))
        return;
    Modifie();
    AjustementPoints::RemplitPoints(*Champ, *sg_Penalite);
}

void Tf_Penalite::PlaceTableau()
{
    // Each column's line is drawn to its right: the grid is as wide as both.
    const int LargeurTableau = sg_Penalite->LargeurContenu();
    const int Hauteur = sg_Penalite->HauteurContenu();
    const QSize Boite = sb_Tableau->viewport()->size();
    const int Gauche = std::max((Boite.width() - LargeurTableau) / 2, 0);
    const int Haut = Boite.height() <= Hauteur + 12 ? 6 : (Boite.height() - Hauteur) / 2;
    sg_Penalite->setGeometry(Gauche, Haut, LargeurTableau, Hauteur);
    Contenu->resize(std::max(Boite.width(), Gauche + LargeurTableau), std::max(Boite.height(), Haut + Hauteur + 6));
}

bool Tf_Penalite::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == sb_Tableau->viewport() && event->type() == QEvent::Resize)
        PlaceTableau();
    return TFootForm::eventFilter(objet, event);
}

void EnregistrePagesReglages()
{
    // A new page every time.
    EnregistrePage<Tf_Penalite>({Commande::Penalites}, [](Tf_Penalite& Page, TPrincipale& Principale, int) {
        Page.Saison = Principale.GetSaison();
        Page.FormShow();
    });
}
