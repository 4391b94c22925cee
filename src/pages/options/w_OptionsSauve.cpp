#include "pages/options/w_OptionsSauve.h"

#include "controls/BoutonCoche.h"
#include "controls/ImageFond.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/DefType.h"
#include "pagebase/w_blasons.h"
#include "platform/Bureau.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>

#include <algorithm>

namespace {

enum : int {
    TexteValider = 29,
    TexteAnnuler = 125,
    TexteAide = 787,
    TexteFenetre = 834,
    TexteSauveAuto = 1047,
    TexteMinutes = 1048,
    TexteConserveSauve = 1049,
    TexteSauvegarde = 1050,
};

constexpr const char* SujetAide = "::/html/menuopt.htm";

QString Texte(int id, const char* defaut)
{
    return QString::fromStdString(TexteOuDefaut(id, defaut));
}

} // namespace

Tf_OptionSauve::Tf_OptionSauve(QWidget* parent) : TDialogue(parent)
{
    // Only the system menu among the border icons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(Texte(TexteFenetre, "Options de sauvegarde"));
    setFixedSize(480, 190);

    PageControl = new QTabWidget(this);
    PageControl->setGeometry(8, 8, 464, 130);
    ts_Sauvegarde = new QWidget;
    PageControl->addTab(ts_Sauvegarde, Texte(TexteSauvegarde, "Sauvegarde"));

    cc_SauveAuto = new TCarreCoche(ts_Sauvegarde);
    cc_SauveAuto->setGeometry(12, 16, 200, 17);
    cc_SauveAuto->SetCaption(TexteOuDefaut(TexteSauveAuto, "Sauvegarde automatique toutes les"));
    cc_SauveAuto->SetAutoSize(true);

    ud_TempsAuto = new QSpinBox(ts_Sauvegarde);
    ud_TempsAuto->setRange(0, MinutesMax);
    ud_TempsAuto->setValue(10);
    ud_TempsAuto->installEventFilter(this);
    if (QLineEdit* edition = ud_TempsAuto->findChild<QLineEdit*>())
        edition->installEventFilter(this);

    Label1 = new QLabel(Texte(TexteMinutes, "minutes"), ts_Sauvegarde);

    // The minutes box 10 pixels right of the check box, the up-down 27 and the
    // unit label 50 pixels right of the box's left edge.
    const int gauche = cc_SauveAuto->geometry().right() + 1 + 10;
    ud_TempsAuto->setGeometry(gauche, 13, 27 + 18, 22);
    Label1->move(gauche + 50, 17);
    Label1->adjustSize();

    cc_ConserveSauve = new TCarreCoche(ts_Sauvegarde);
    cc_ConserveSauve->setGeometry(12, 52, 200, 17);
    cc_ConserveSauve->SetCaption(
        TexteOuDefaut(TexteConserveSauve, "Conserver l'avant dernière version du fichier de sauvegarde"));
    cc_ConserveSauve->SetAutoSize(true);

    b_Valider = CreeBouton(this, TexteValider, "Valider");
    b_Valider->SetDefault(true);
    b_Valider->move(8, 150);
    b_Annuler = CreeBouton(this, TexteAnnuler, "Annuler");
    b_Annuler->SetModalResult(ResultatModal::Annuler);
    b_Annuler->SetCancel(true);
    b_Annuler->move(180, 150);
    b_Aide = CreeBouton(this, TexteAide, "Aide");
    b_Aide->move(352, 150);

    b_Valider->OnClick = [this] { b_ValiderClick(); };
    b_Aide->OnClick = [this] { b_AideClick(); };
}

void Tf_OptionSauve::showEvent(QShowEvent* event)
{
    FormShow();
    TDialogue::showEvent(event);
}

void Tf_OptionSauve::FormShow()
{
    if (!Saison)
        return;
    const int minutes = Saison->GetOptionSauvegarde(0);
    cc_SauveAuto->SetChecked(minutes != 0);
    ud_TempsAuto->setValue(std::min(minutes, MinutesMax));
    cc_ConserveSauve->SetChecked(Saison->GetOptionSauvegarde(1) == 1);
}

bool Tf_OptionSauve::eventFilter(QObject* objet, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* touche = static_cast<QKeyEvent*>(event);
        if (Edit1KeyPress(touche->key(), touche->text()))
            return true;
    }
    return TDialogue::eventFilter(objet, event);
}

bool Tf_OptionSauve::Edit1KeyPress(int /*touche*/, const QString& texte)
{
    // Keys that type nothing (arrows, page keys) are the up-down's; Enter and
    // Escape belong to the form's buttons.
    if (texte.isEmpty() || texte == "\r" || texte == "\n" || texte == "\x1b")
        return false;
    if (texte.size() == 1 && texte[0] >= '0' && texte[0] <= '9')
        ud_TempsAuto->setValue(texte[0].unicode() - '0');
    return true;
}

void Tf_OptionSauve::b_ValiderClick()
{
    Tag = 0;
    if (Saison) {
        const uint8_t minutes = cc_SauveAuto->Checked() ? static_cast<uint8_t>(ud_TempsAuto->value()) : 0;
        const uint8_t conserve = cc_ConserveSauve->Checked() ? 1 : 0;
        if (Saison->GetOptionSauvegarde(0) != minutes) {
            Saison->SetOptionSauvegarde(0, minutes);
            Tag = 1;
        }
        if (Saison->GetOptionSauvegarde(1) != conserve) {
            Saison->SetOptionSauvegarde(1, conserve);
            Tag = 1;
        }
    }
    SetModalResult(ResultatModal::Ok);
}

void Tf_OptionSauve::b_AideClick()
{
    OuvreSujetAide(DossierAide, SujetAide);
}

bool AfficheOptionsSauve(TPrincipale& principale)
{
    TSaison* saison = principale.GetSaison();
    if (!saison)
        return false;
    Tf_OptionSauve dialogue;
    dialogue.Saison = saison;
    dialogue.DossierAide = principale.GetDossierAide();
    if (Dialogues().ExecuteModal(dialogue) != ResultatModal::Ok || dialogue.Tag != 1)
        return false;
    principale.SignaleModification();
    principale.ReinitAutoSave();
    return true;
}

void EnregistrePagesOptions()
{
    EnregistreCommandePage(Commande::OptionsSauvegarde,
                           [](TPrincipale& principale, int, int, int) { AfficheOptionsSauve(principale); });
}
