#include "pages/options/w_RetirerChamp.h"

#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/LectureParametre.h"
#include "model/SaisonFoot.h"
#include "pagebase/w_blasons.h"

#include <QLabel>
#include <QListWidget>

namespace {

enum : int {
    TexteValider = 29,
    TexteAnnuler = 125,
    TexteExplication = 992,
    TexteFenetre = 993,
};

} // namespace

Tf_RetirerChamp::Tf_RetirerChamp(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(QString::fromStdString(TexteOuDefaut(TexteFenetre, "Gestion des championnats")));
    setFixedSize(420, 330);
    Label2 = new QLabel(QString::fromStdString(TexteOuDefaut(TexteExplication, "")), this);
    Label2->setWordWrap(true);
    Label2->setGeometry(8, 8, 404, 60);
    lb_Championnats = new QListWidget(this);
    lb_Championnats->setGeometry(8, 72, 404, 210);
    b_Valider = CreeBouton(this, TexteValider, "Valider");
    b_Valider->SetModalResult(ResultatModal::Ok);
    b_Valider->SetDefault(true);
    b_Annuler = CreeBouton(this, TexteAnnuler, "Annuler");
    b_Annuler->SetModalResult(ResultatModal::Annuler);
    b_Annuler->SetCancel(true);
    b_Valider->setFixedWidth(115);
    b_Annuler->setFixedWidth(115);
    b_Valider->move(8, 292);
    b_Annuler->move(420 - 8 - 115, 292);
}

void Tf_RetirerChamp::RemplitListe(const TSaison& saison, const std::vector<int>& codes)
{
    lb_Championnats->clear();
    const TLectureParam* catalogue = LectureParam();
    for (int code : codes) {
        const TDonneesChampionnat* c = saison.GetChampionnatId(code);
        if (!c)
            continue;
        const int division = c->GetCode();
        std::string texte = catalogue ? catalogue->GetNomCfg(division) + " : " + catalogue->GetNom(division) : "";
        // A championship of no catalogue division goes by the name the season gives it.
        if (!catalogue || catalogue->GetNom(division).empty())
            texte = saison.GetNomCompletChamp(code);
        auto* item = new QListWidgetItem(QString::fromStdString(texte), lb_Championnats);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setData(Qt::UserRole, code);
    }
}

std::vector<int> Tf_RetirerChamp::Coches() const
{
    std::vector<int> codes;
    for (int i = 0; i < lb_Championnats->count(); ++i)
        if (lb_Championnats->item(i)->checkState() == Qt::Checked)
            codes.push_back(lb_Championnats->item(i)->data(Qt::UserRole).toInt());
    return codes;
}

bool ChoisitRetraits(const TSaison& saison, const std::vector<int>& codes, std::vector<int>& coches)
{
    Tf_RetirerChamp dialogue;
    dialogue.RemplitListe(saison, codes);
    if (Dialogues().ExecuteModal(dialogue) != ResultatModal::Ok)
        return false;
    coches = dialogue.Coches();
    return true;
}
