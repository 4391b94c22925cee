#include "pages/fiches/w_ModifierLogo.h"

#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "engine/EditeursEquipes.h"
#include "files/Blasons.h"
#include "model/SaisonFoot.h"
#include "pagebase/w_blasons.h"
#include "pages/fiches/w_ModifierEquipe.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace EditeursEquipes;

Tf_ModifierLogo::Tf_ModifierLogo(TSaison& Saison, TBlasons* Blasons, std::string DossierProgramme, QWidget* parent)
    : TDialogue(parent), FSaison(Saison), FBlasons(Blasons), FDossier(std::move(DossierProgramme))
{
    setWindowTitle(QString::fromStdString(TexteOuDefaut(1252, "Modifier Logo")));
    l_Equipe = new TListe(this);
    l_Equipe->SetNomLong(true);
    l_Equipe->SetCanDrag(false);
    Logo1 = new TLogo(this);
    Logo1->setFixedSize(100, 100);
    bc_Modifier = CreeBouton(this, 964, "Modifier");
    bc_Importer = CreeBouton(this, 1250, "Tout importer");
    bc_Terminer = CreeBouton(this, 965, "Terminer");
    bc_Terminer->SetModalResult(ResultatModal::Ok);
    auto* boite = new QVBoxLayout(this);
    auto* haut = new QHBoxLayout;
    haut->addWidget(l_Equipe, 1);
    haut->addWidget(Logo1, 0, Qt::AlignTop);
    boite->addLayout(haut);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(bc_Modifier);
    boutons->addWidget(bc_Importer);
    boutons->addWidget(bc_Terminer);
    boite->addLayout(boutons);
    RemplitListeEditeur(*l_Equipe, ListeEquipes(FSaison));
    connect(l_Equipe, &QListWidget::currentRowChanged, this, [this] { l_EquipeClick(); });
    bc_Modifier->OnClick = [this] { bc_ModifierClick(); };
    bc_Importer->OnClick = [this] { bc_ImporterClick(); };
    // The first team, with its crest.
    if (l_Equipe->Nb() > 0)
        l_Equipe->SetItemIndex(0);
}

void Tf_ModifierLogo::AfficheBlason(int Equipe)
{
    TagLogo = Equipe;
    const int logo = FSaison.GetLogoEquipe(Equipe);
    if (logo >= 1)
        Logo1->ChargeFichier(FDossier + "blasons/" + std::to_string(logo) + ".png");
    else
        Logo1->SetImage(nullptr);
}

void Tf_ModifierLogo::l_EquipeClick()
{
    const int i = l_Equipe->ItemIndex();
    if (i >= 0)
        AfficheBlason(CodeElement(l_Equipe->Texte(i)));
}

void Tf_ModifierLogo::bc_ModifierClick()
{
    if (TagLogo < 0 || !FBlasons)
        return;
    Tf_Blasons choix(*FBlasons, this);
    choix.RemplitArbre(FSaison.GetLogoEquipe(TagLogo));
    if (Dialogues().ExecuteModal(choix) != ResultatModal::Ok || choix.Choisi() <= 0)
        return;
    if (choix.Choisi() != FSaison.GetLogoEquipe(TagLogo)) {
        FSaison.SetLogoEquipe(TagLogo, choix.Choisi());
        Tag = 1;
    }
    AfficheBlason(TagLogo);
}

void Tf_ModifierLogo::bc_ImporterClick()
{
    if (FBlasons && ImporteBlasons(FSaison, *FBlasons))
        Tag = 1;
    if (TagLogo >= 0)
        AfficheBlason(TagLogo);
}
