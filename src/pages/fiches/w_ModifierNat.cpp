#include "pages/fiches/w_ModifierNat.h"

#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "engine/EditeursEquipes.h"
#include "model/SaisonFoot.h"
#include "pagebase/w_blasons.h"
#include "pages/fiches/w_ModifierEquipe.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

using namespace EditeursEquipes;

Tf_ModifierNat::Tf_ModifierNat(TSaison& Saison, QWidget* parent) : TDialogue(parent), FSaison(Saison)
{
    setWindowTitle(QString::fromStdString(Traduit(1068)));
    l_Nationalite = new TListe(this);
    l_Nationalite->SetNomLong(true);
    l_Nationalite->SetCanDrag(false);
    l_Nationalite->setSelectionMode(QAbstractItemView::MultiSelection);
    e_NomEquipe = new QLineEdit(this);
    bc_Modifier = CreeBouton(this, 964, "Modifier");
    bc_Effacer = CreeBouton(this, 1070, "Effacer");
    bc_Fusionner = CreeBouton(this, 0, "Fusionner");
    bc_Fusionner->SetCaption("Fusionner");
    bc_Fusionner->hide();
    bc_Terminer = CreeBouton(this, 965, "Terminer");
    bc_Terminer->SetModalResult(ResultatModal::Ok);
    auto* boite = new QVBoxLayout(this);
    boite->addWidget(l_Nationalite);
    boite->addWidget(new QLabel(QString::fromStdString(Traduit(1069)), this));
    boite->addWidget(e_NomEquipe);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(bc_Modifier);
    boutons->addWidget(bc_Effacer);
    boutons->addWidget(bc_Fusionner);
    boutons->addWidget(bc_Terminer);
    boite->addLayout(boutons);
    RemplitListeEditeur(*l_Nationalite, ListePays(FSaison));
    connect(l_Nationalite, &QListWidget::itemSelectionChanged, this, [this] { l_NationaliteClick(); });
    bc_Modifier->OnClick = [this] { bc_ModifierClick(); };
    bc_Effacer->OnClick = [this] { bc_EffacerClick(); };
    bc_Fusionner->OnClick = [this] { bc_FusionnerClick(); };
}

void Tf_ModifierNat::l_NationaliteClick()
{
    std::vector<int> selection;
    for (int i = 0; i < l_Nationalite->Nb(); ++i)
        if (l_Nationalite->item(i)->isSelected())
            selection.push_back(CodeElement(l_Nationalite->Texte(i)));
    // Kept in the order of selection: the first selected wins a tie.
    std::erase_if(FSelection,
                  [&](int c) { return std::find(selection.begin(), selection.end(), c) == selection.end(); });
    for (int c : selection)
        if (std::find(FSelection.begin(), FSelection.end(), c) == FSelection.end())
            FSelection.push_back(c);
    const int courant = l_Nationalite->ItemIndex();
    if (courant >= 0 && l_Nationalite->item(courant)->isSelected()) {
        TagNom = CodeElement(l_Nationalite->Texte(courant));
        e_NomEquipe->setText(QString::fromStdString(FSaison.Pays().GetNom(TagNom)));
    }
    bc_Effacer->setVisible(FSelection.size() < 2);
    bc_Fusionner->setVisible(FSelection.size() == 2);
}

void Tf_ModifierNat::bc_ModifierClick()
{
    if (TagNom < 0 || !RenommePays(FSaison, TagNom, e_NomEquipe->text().toStdString()))
        return;
    Tag = 1;
    RemplaceElementEditeur(*l_Nationalite, {TagNom, false, TextePays(FSaison, TagNom)});
}

void Tf_ModifierNat::bc_EffacerClick()
{
    if (TagNom < 0)
        return;
    SupprimePays(FSaison, TagNom);
    Tag = 1;
    if (const int i = IndexCodeEditeur(*l_Nationalite, TagNom); i >= 0)
        l_Nationalite->Supprime(i);
    e_NomEquipe->clear();
    TagNom = -1;
    l_NationaliteClick();
}

void Tf_ModifierNat::bc_FusionnerClick()
{
    if (FSelection.size() != 2)
        return;
    const int garde = FusionnePays(FSaison, FSelection[0], FSelection[1]);
    const int quitte = garde == FSelection[0] ? FSelection[1] : FSelection[0];
    Tag = 1;
    {
        const QSignalBlocker bloque(l_Nationalite);
        if (const int i = IndexCodeEditeur(*l_Nationalite, quitte); i >= 0)
            l_Nationalite->Supprime(i);
        RemplaceElementEditeur(*l_Nationalite, {garde, false, TextePays(FSaison, garde)});
        l_Nationalite->clearSelection();
    }
    FSelection.clear();
    e_NomEquipe->clear();
    TagNom = -1;
    l_NationaliteClick();
}
