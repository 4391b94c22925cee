#include "pages/saisie/w_Validation.h"

#include "base/oTraducteur.h"
#include "controls/Defilement.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "platform/Couleurs.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include <algorithm>

namespace {

QLabel* LabelJaune(const QString& texte, QWidget* parent)
{
    auto* label = new QLabel(texte, parent);
    StyleTexteJaune(label);
    return label;
}

} // namespace

Tf_Validation::Tf_Validation(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(QString::fromStdString(Traduit(869)));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    // The background holds the controls rather than lying under them.
    Fond = new TFondCopie(this);
    Fond->setGeometry(0, 0, 480, 362);
    if (Dessin() != nullptr)
        Fond->SetModele(Dessin()->FondToutBleu);
    Label1 = LabelJaune(QString(), Fond);
    Label1->setGeometry(10, 8, 460, 18);
    Label2 = LabelJaune(QString::fromStdString(Traduit(868)), Fond);
    Label2->setGeometry(10, 30, 460, 18);
    FondScroll1 = new TFondScroll(Fond);
    if (Dessin() != nullptr)
        FondScroll1->SetModele(Dessin()->FondCreuxBleu);
    FondScroll1->setGeometry(10, 52, 460, 260);
    BoutonCopie2 = new TBoutonCopie(Fond);
    BoutonCopie2->SetCaption(Traduit(27));
    BoutonCopie2->SetDefault(true);
    BoutonCopie2->SetModalResult(ResultatModal::Ok);
    BoutonCopie2->setFont(Label1->font());
    if (Dessin() != nullptr)
        BoutonCopie2->SetModele(Dessin()->BoutonOrange);
    Dispose(480);
}

void Tf_Validation::Dispose(int largeur)
{
    Fond->setGeometry(0, 0, largeur, 362);
    Label1->setGeometry(10, 8, largeur - 20, 18);
    Label2->setGeometry(10, 30, largeur - 20, 18);
    FondScroll1->setGeometry(10, 52, largeur - 20, 260);
    BoutonCopie2->setGeometry((largeur - 113) / 2 - 1, 322, 113, 31);
    setFixedSize(largeur, 362);
}

std::vector<QLabel*> Tf_Validation::Lignes() const
{
    std::vector<QLabel*> lignes;
    for (int i = 0; i < FondScroll1->NbControle(); ++i)
        if (auto* label = qobject_cast<QLabel*>(FondScroll1->GetControle(i)))
            lignes.push_back(label);
    return lignes;
}

void Tf_Validation::Remplit(const ControleCalendrier::TVerification& verification)
{
    for (QLabel* label : Lignes())
        delete label;
    int droite = 0;
    for (const ControleCalendrier::TLigneVerification& l : verification.Lignes) {
        QLabel* label = LabelJaune(QString::fromStdString(l.Texte), nullptr);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, VersQColor(l.Couleur));
        label->setPalette(palette);
        FondScroll1->InsereControle(label);
        // Measured once inside the list, whose font it takes.
        label->adjustSize();
        label->move(l.Gauche, l.Haut);
        droite = std::max(droite, l.Gauche + label->width());
    }
    // The window widens for the longest line (a whole calendar's lines name
    // the day and both teams), up to 1000 pixels and never past its screen;
    // beyond that the list scrolls sideways.
    const int bords = frameGeometry().width() - width();
    const int plafond = std::min(1000, ZoneEcran().width() - bords);
    Dispose(std::clamp(droite + 20 + 20 + 16, std::min(480, plafond), plafond));
    FondScroll1->MiseAJourScroll();
    Label1->setText(QString::fromStdString(verification.Resume));
}

QRect Tf_Validation::ZoneEcran() const
{
    // Not shown yet, the window is on its parent's screen.
    const QScreen* ecran = parentWidget() ? parentWidget()->window()->screen() : screen();
    return ecran ? ecran->availableGeometry() : QRect(0, 0, 1000, 800);
}

void Tf_Validation::resizeEvent(QResizeEvent* event)
{
    TDialogue::resizeEvent(event);
    Fond->setGeometry(rect());
    Fond->lower();
}

void Tf_Validation::keyPressEvent(QKeyEvent* event)
{
    if (!DefileParTouche(*FondScroll1->MyScrollv(), event->key()))
        TDialogue::keyPressEvent(event);
}

void AfficheVerification(const ControleCalendrier::TVerification& verification, QWidget* parent,
                         const std::string& titre)
{
    Tf_Validation fenetre(parent ? parent->window() : nullptr);
    if (!titre.empty())
        fenetre.setWindowTitle(QString::fromStdString(titre));
    // Made before it is filled, so that the width it takes counts its frame
    // where the platform tells it; filled before it is placed, as the longest
    // line sets the width the window is centred with.
    fenetre.winId();
    fenetre.Remplit(verification);
    if (parent) {
        // Centred on the window, kept inside the screen.
        const QRect zone = fenetre.ZoneEcran();
        QRect cadre = fenetre.frameGeometry();
        cadre.moveCenter(parent->window()->geometry().center());
        cadre.moveLeft(std::max(zone.left(), std::min(cadre.left(), zone.right() + 1 - cadre.width())));
        cadre.moveTop(std::max(zone.top(), std::min(cadre.top(), zone.bottom() + 1 - cadre.height())));
        fenetre.move(cadre.topLeft());
    }
    Dialogues().ExecuteModal(fenetre);
}
