#include "pages/saisie/w_Penaltys.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "model/ContexteSaison.h"
#include "platform/Couleurs.h"

#include <QLabel>

namespace {

constexpr int TexteTirsEgaux = 2362;

} // namespace

Tf_Penaltys::Tf_Penaltys(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle("Penalty");
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    Fond = new TFondCopie(this);
    if (Dessin() != nullptr)
        Fond->SetModele(Dessin()->FondToutBleu);

    Label1 = new QLabel("Résultats des pénaltys", this);
    StyleTexteJaune(Label1);
    Label1->setGeometry(10, 8, 300, 18);

    Cadre1 = new TCadre(this);
    Cadre2 = new TCadre(this);
    EditRond1 = new TEditRond(this);
    EditRond2 = new TEditRond(this);
    Cadre1->setGeometry(10, 36, 120, 25);
    EditRond1->setGeometry(136, 36, 25, 25);
    EditRond2->setGeometry(168, 36, 25, 25);
    Cadre2->setGeometry(200, 36, 120, 25);
    for (TEditRond* e : {EditRond1, EditRond2}) {
        e->SetMaxlength(2);
        e->SetTabStop(true);
        if (Dessin() != nullptr)
            e->SetModele(Dessin()->RondCreuxBleu);
    }
    for (TCadre* c : {Cadre1, Cadre2})
        if (Dessin() != nullptr)
            c->SetModele(Dessin()->BoutonCreuxBleu);

    bc_Valider = new TBoutonCopie(this);
    bc_Valider->SetCaption("Valider");
    bc_Valider->SetDefault(true);
    bc_Valider->setFont(Label1->font());
    if (Dessin() != nullptr)
        bc_Valider->SetModele(Dessin()->BoutonOrange);
    bc_Valider->setGeometry(108, 72, 113, 31);
    bc_Valider->OnClick = [this] { bc_ValiderClick(); };
    setFixedSize(330, 112);
}

void Tf_Penaltys::FormShow()
{
    const uint32_t tag = static_cast<uint32_t>(Tag);
    const uint16_t id1 = static_cast<uint16_t>(tag >> 16), id2 = static_cast<uint16_t>(tag & 0xFFFF);
    Cadre1->SetText(Saison ? Saison->GetNomEquipe(id1) : std::string());
    Cadre2->SetText(Saison ? Saison->GetNomEquipe(id2) : std::string());
    EditRond1->SetText("0");
    EditRond2->SetText("0");
}

void Tf_Penaltys::bc_ValiderClick()
{
    const int buts1 = StrToIntDef(EditRond1->Text(), 0), buts2 = StrToIntDef(EditRond2->Text(), 0);
    // Compared as numbers: "1" and "01" would be a level shoot-out.
    if (buts1 == buts2) {
        MessageUtil(Traduit(TexteTirsEgaux), BoutonsMessage::Ok);
        return;
    }
    Tag = ((buts1 & 0xFFFF) << 16) + (buts2 & 0xFFFF);
    SetModalResult(ResultatModal::Ok);
}

void Tf_Penaltys::showEvent(QShowEvent* event)
{
    FormShow();
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    TDialogue::showEvent(event);
}

void Tf_Penaltys::resizeEvent(QResizeEvent* event)
{
    TDialogue::resizeEvent(event);
    Fond->setGeometry(rect());
    Fond->lower();
}

int DemandeTirsAuBut(const TContexteSaison* saison, uint16_t id1, uint16_t id2, QWidget* parent)
{
    Tf_Penaltys dialogue(parent ? parent->window() : nullptr);
    dialogue.Saison = saison;
    // Ids above 32767 would overflow a signed shift: the word is packed unsigned.
    dialogue.Tag = static_cast<int>((static_cast<uint32_t>(id1) << 16) | id2);
    if (Dialogues().ExecuteModal(dialogue) != ResultatModal::Ok)
        return 0;
    return dialogue.Tag;
}
