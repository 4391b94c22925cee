#include "pages/fiches/w_ModifierEquipe.h"

#include "base/ServiceMessage.h"
#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "files/Blasons.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/DefType.h"
#include "pagebase/w_blasons.h"
#include "pages/fiches/w_ModifierLogo.h"
#include "pages/fiches/w_ModifierNat.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace EditeursEquipes;

namespace {
constexpr int TexteEquipeEngagee = 2581; // a team that plays cannot be deleted
constexpr int TexteNomRefuse = 2582;     // an empty name, or another team's
} // namespace

void RemplitListeEditeur(TListe& Liste, const std::vector<TElement>& Elements)
{
    Liste.Vide();
    for (const TElement& e : Elements)
        Liste.Ajoute(TexteElement(e), e.Code);
}

void RemplaceElementEditeur(TListe& Liste, const TElement& Element)
{
    const int i = IndexCodeEditeur(Liste, Element.Code);
    if (i < 0)
        return;
    const QSignalBlocker bloque(&Liste);
    const int courant = Liste.ItemIndex();
    const bool choisi = Liste.item(i)->isSelected();
    Liste.Supprime(i);
    Liste.Insere(i, TexteElement(Element), Element.Code);
    Liste.setCurrentRow(courant, QItemSelectionModel::NoUpdate);
    Liste.item(i)->setSelected(choisi);
}

int IndexCodeEditeur(const TListe& Liste, int Code)
{
    for (int i = 0; i < Liste.Nb(); ++i)
        if (CodeElement(Liste.Texte(i)) == Code)
            return i;
    return -1;
}

Tf_ModifierEquipe::Tf_ModifierEquipe(TSaison& Saison, QWidget* parent) : TDialogue(parent), FSaison(Saison)
{
    setWindowTitle(QString::fromStdString(Traduit(963)));
    l_Equipe = new TListe(this);
    l_Equipe->SetNomLong(true);
    l_Equipe->SetCanDrag(false);
    e_NomEquipe = new QLineEdit(this);
    bc_Modifier = CreeBouton(this, 964, "Modifier");
    bc_Effacer = CreeBouton(this, 1070, "Effacer");
    bc_Terminer = CreeBouton(this, 965, "Terminer");
    bc_Terminer->SetModalResult(ResultatModal::Ok);
    auto* boite = new QVBoxLayout(this);
    boite->addWidget(l_Equipe);
    boite->addWidget(new QLabel(QString::fromStdString(Traduit(212)), this));
    boite->addWidget(e_NomEquipe);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(bc_Modifier);
    boutons->addWidget(bc_Effacer);
    boutons->addWidget(bc_Terminer);
    boite->addLayout(boutons);
    RemplitListeEditeur(*l_Equipe, ListeEquipes(FSaison));
    connect(l_Equipe, &QListWidget::currentRowChanged, this, [this] { l_EquipeClick(); });
    bc_Modifier->OnClick = [this] { bc_ModifierClick(); };
    bc_Effacer->OnClick = [this] { bc_EffacerClick(); };
}

void Tf_ModifierEquipe::l_EquipeClick()
{
    const int i = l_Equipe->ItemIndex();
    if (i < 0)
        return;
    TagNom = CodeElement(l_Equipe->Texte(i));
    e_NomEquipe->setText(QString::fromStdString(FSaison.GetNomEquipe(static_cast<uint16_t>(TagNom))));
}

void Tf_ModifierEquipe::bc_ModifierClick()
{
    if (TagNom < 0)
        return;
    const std::string nom = e_NomEquipe->text().toStdString();
    bool change = false;
    if (RenommeEquipe(FSaison, TagNom, nom, change) == TRefus::NomIncorrect) {
        MessageUtil(Traduit(TexteNomRefuse), BoutonsMessage::Ok);
        return;
    }
    if (!change)
        return;
    Tag = 1;
    // Code and flag digit kept.
    if (const int i = IndexCodeEditeur(*l_Equipe, TagNom); i >= 0)
        RemplaceElementEditeur(*l_Equipe, {TagNom, l_Equipe->Texte(i).substr(4, 1) == "1", nom});
}

void Tf_ModifierEquipe::bc_EffacerClick()
{
    if (TagNom < 0)
        return;
    if (SupprimeEquipe(FSaison, TagNom) == TRefus::EquipeEngagee) {
        MessageUtil(TraduitFmt(TexteEquipeEngagee, {ChampionnatDeLEquipe(FSaison, TagNom)}), BoutonsMessage::Ok);
        return;
    }
    Tag = 1;
    const QSignalBlocker bloque(l_Equipe);
    if (const int i = IndexCodeEditeur(*l_Equipe, TagNom); i >= 0)
        l_Equipe->Supprime(i);
    e_NomEquipe->clear();
    TagNom = -1;
}

namespace {

// Runs an editor on the open season; a change marks the document and the
// current page is shown again with it.
template <class F> bool ExecuteEditeur(TPrincipale& Principale, F Cree)
{
    TSaison* saison = Principale.GetSaison();
    if (!saison)
        return false;
    auto dialogue = Cree(*saison);
    Dialogues().ExecuteModal(*dialogue);
    if (dialogue->Tag == 1) {
        Principale.SignaleModification();
        Principale.ReafficheCommande();
    }
    return false; // no page of its own: the history stays as it was
}

} // namespace

void EnregistrePagesEditeurs()
{
    EnregistreCommandePage(Commande::EditionEquipes, [](TPrincipale& principale, int, int, int) {
        return ExecuteEditeur(principale, [](TSaison& s) { return std::make_unique<Tf_ModifierEquipe>(s); });
    });
    EnregistreCommandePage(Commande::Blasons, [](TPrincipale& principale, int, int, int) {
        return ExecuteEditeur(principale, [&principale](TSaison& s) {
            const std::string fichierIni = principale.GetFichierIni();
            const std::string dossier = fichierIni.substr(0, fichierIni.find_last_of('/') + 1);
            return std::make_unique<Tf_ModifierLogo>(s, Blasons(), dossier);
        });
    });
    EnregistreCommandePage(Commande::Nationalites, [](TPrincipale& principale, int, int, int) {
        return ExecuteEditeur(principale, [](TSaison& s) { return std::make_unique<Tf_ModifierNat>(s); });
    });
}
