#include "shell/w_ChoixLangue.h"

#include "base/FichierIni.h"
#include "base/ServiceMessage.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "pagebase/w_blasons.h"
#include "platform/Langue.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

enum : int {
    TexteRedemarrer = 295,
};

// The two flags, drawn rather than shipped: three vertical bands for French,
// a red cross on white for English.
QPixmap Drapeau(bool anglais)
{
    QPixmap image(36, 24);
    QPainter p(&image);
    if (anglais) {
        p.fillRect(image.rect(), Qt::white);
        p.fillRect(15, 0, 6, 24, QColor(200, 16, 46));
        p.fillRect(0, 9, 36, 6, QColor(200, 16, 46));
    } else {
        p.fillRect(0, 0, 12, 24, QColor(0, 35, 149));
        p.fillRect(12, 0, 12, 24, Qt::white);
        p.fillRect(24, 0, 12, 24, QColor(237, 41, 57));
    }
    p.setPen(Qt::black);
    p.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

} // namespace

Tf_ChoixLangue::Tf_ChoixLangue(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(QStringLiteral("Langue / Language"));
    LangueDuSysteme = LangueSysteme();
    FondCopie1 = new TFondCopie(this);
    if (Dessin() != nullptr)
        FondCopie1->SetModele(Dessin()->FondCarrebleu);
    rc_Francais = new TRondCoche(FondCopie1);
    rc_Francais->SetCaption("Français");
    rc_Anglais = new TRondCoche(FondCopie1);
    rc_Anglais->SetCaption("English");
    for (TRondCoche* option : {rc_Francais, rc_Anglais}) {
        option->SetCouleurCoche(CouleursTheme::Fond); // the panels' yellow would vanish on the white face
        TexteClair(option);
        option->setMinimumSize(140, 20);
    }
    Image2 = new QLabel(FondCopie1);
    Image2->setPixmap(Drapeau(false));
    Image3 = new QLabel(FondCopie1);
    Image3->setPixmap(Drapeau(true));
    b_Valider = new TBouton(FondCopie1);
    if (Dessin() != nullptr)
        b_Valider->SetModele(Dessin()->BoutonOrange);
    b_Valider->SetCaption("OK");
    b_Valider->setFixedSize(120, 25);
    b_Valider->SetDefault(true);
    b_Valider->OnClick = [this] { b_ValiderClick(); };

    auto* grille = new QGridLayout(FondCopie1);
    grille->setContentsMargins(24, 20, 24, 16);
    grille->setHorizontalSpacing(12);
    grille->addWidget(Image2, 0, 0);
    grille->addWidget(rc_Francais, 0, 1);
    grille->addWidget(Image3, 1, 0);
    grille->addWidget(rc_Anglais, 1, 1);
    grille->addWidget(b_Valider, 2, 0, 1, 2, Qt::AlignCenter);
    auto* fond = new QVBoxLayout(this);
    fond->setContentsMargins(0, 0, 0, 0);
    fond->addWidget(FondCopie1);
}

void Tf_ChoixLangue::FormShow()
{
    Langue = TFichierIni(FichierIni).ReadString("General", "Langue", "");
    const std::string coche = Langue.empty() ? LangueDuSysteme : Langue;
    rc_Francais->SetChecked(coche == "fr");
    rc_Anglais->SetChecked(coche == "en");
}

void Tf_ChoixLangue::showEvent(QShowEvent* event)
{
    FormShow();
    TDialogue::showEvent(event);
}

void Tf_ChoixLangue::b_ValiderClick()
{
    const std::string choix = rc_Anglais->Checked() && !rc_Francais->Checked() ? "en" : "fr";
    if (choix != Langue) {
        if (!TFichierIni(FichierIni).WriteString("General", "Langue", choix))
            SignaleEchecReglages(FichierIni);
        else if (!Langue.empty())
            MessageUtil(Traduit(TexteRedemarrer), BoutonsMessage::Ok);
    }
    SetModalResult(ResultatModal::Ok);
}
