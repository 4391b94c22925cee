#include "pages/vues/w_ChoixHistorique.h"

#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "files/Stats.h"
#include "model/LectureParametre.h"
#include "pagebase/w_blasons.h"
#include "presentation/Historique.h"

#include <QComboBox>
#include <QListWidget>

namespace {

enum : int {
    TexteChoisir = 1251,
    TexteAnnuler = 125,
    TexteAjouter = 932,
    TexteFenetre = 1267,
};

} // namespace

Tf_ChoixHistorique::Tf_ChoixHistorique(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(QString::fromStdString(TexteOuDefaut(TexteFenetre, "Choix du championnat")));
    lb_Choix = new QListWidget(this);
    lb_Choix->setGeometry(8, 8, 185, 220);
    connect(lb_Choix, &QListWidget::itemDoubleClicked, this, [this] { bc_ChoisirClick(); });
    bc_Choisir = CreeBouton(this, TexteChoisir, "Choisir");
    bc_Choisir->SetDefault(true);
    bc_Choisir->OnClick = [this] { bc_ChoisirClick(); };
    bc_Annuler = CreeBoutonAnnuler(this, TexteAnnuler, "Annuler");
    for (TBoutonCopie* b : {bc_Choisir, bc_Annuler})
        b->setFixedSize(90, 25);
    bc_Choisir->move(8, 236);
    bc_Annuler->move(103, 236);
    Panel1 = new QWidget(this);
    Panel1->setGeometry(201, 8, 225, 260);
    cb_Champ = new QComboBox(Panel1);
    cb_Champ->setGeometry(0, 0, 225, 24);
    bc_Ajouter = CreeBouton(Panel1, TexteAjouter, "Ajouter");
    bc_Ajouter->setFixedSize(113, 25);
    bc_Ajouter->move(0, 32);
    bc_Ajouter->OnClick = [this] { bc_AjouterClick(); };
    Panel1->hide();
    setFixedSize(201, 272);
}

void Tf_ChoixHistorique::AjouteLigne(int Position)
{
    auto* Ligne = new QListWidgetItem(
        QString::fromStdString(Historique::NomDivision(FStats->GetStat(Position)->GetId(), FSaison)), lb_Choix);
    Ligne->setData(Qt::UserRole, Position);
}

void Tf_ChoixHistorique::RemplitListe(TStats& Stats, int Code, const std::string& AppDir, bool Creation,
                                      const TSaison* Saison)
{
    FStats = &Stats;
    FSaison = Saison;
    FAppDir = AppDir;
    lb_Choix->clear();
    for (int i = 0; i < Stats.Count(); ++i) {
        AjouteLigne(i);
        if (Stats.GetStat(i)->GetId() == Code)
            lb_Choix->setCurrentRow(i);
    }
    Panel1->setVisible(Creation);
    setFixedSize(Creation ? 434 : 201, 272);
    if (!Creation)
        return;
    cb_Champ->clear();
    if (const TLectureParam* Catalogue = LectureParam()) {
        TListeTextes Divisions;
        Catalogue->RemplitListeDivisions(Divisions);
        for (const TTexteObjet& d : Divisions)
            cb_Champ->addItem(QString::fromStdString(d.Texte), d.Objet);
    }
    const int Index = cb_Champ->findData(Code);
    cb_Champ->setCurrentIndex(Index >= 0 ? Index : 0);
}

void Tf_ChoixHistorique::bc_ChoisirClick()
{
    const QListWidgetItem* Ligne = lb_Choix->currentItem();
    if (Ligne == nullptr || !Ligne->isSelected())
        return;
    Choix = Ligne->data(Qt::UserRole).toInt();
    SetModalResult(ResultatModal::Ok);
}

void Tf_ChoixHistorique::bc_AjouterClick()
{
    if (FStats == nullptr || cb_Champ->currentIndex() < 0)
        return;
    const int Id = cb_Champ->currentData().toInt();
    // A division keeps one archive: a second one would share its file.
    if (const TStat* Existant = FStats->ChercheId(Id)) {
        lb_Choix->setCurrentRow(FStats->IndexOf(Existant));
        return;
    }
    FStats->Ajoute(FAppDir + "stats/", Id);
    AjouteLigne(FStats->Count() - 1);
    lb_Choix->setCurrentRow(FStats->Count() - 1);
}
