#include "controls/message2.h"

#include "base/oTraducteur.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "platform/Couleurs.h"

#include <QApplication>
#include <QLabel>

#include <vector>

namespace {

constexpr int LargeurDessinee = 360;
constexpr int LargeurElargie = 400;
constexpr int HauteurBouton = 31;
constexpr int LargeurBouton = 113; // the model's own width: narrower, a pill loses its right end

// The texts of the box, read when it is shown.
constexpr int TexteOui = 121;
constexpr int TexteQuestion = 122;
constexpr int TexteOk = 123;
constexpr int TexteInformation = 124;
constexpr int TexteAnnuler = 125;
constexpr int TexteNon = 126;
constexpr int TexteAvertissement = 2628;

bool EstDuTableau(uint16_t flags)
{
    return flags == 1 || flags == 3 || flags == 4 || flags == 11 || flags == 12;
}

void Arme(TBoutonCopie* bouton, int texte, int resultat)
{
    bouton->SetCaption(Traduit(texte));
    bouton->Tag = resultat;
    // Enter answers Yes or OK; Escape answers Cancel, or closes the box.
    bouton->SetDefault(resultat == ReponseMessage::Oui || resultat == ReponseMessage::Ok);
    bouton->SetCancel(resultat == ReponseMessage::Annuler);
}

} // namespace

Tf_MessageUtil::Tf_MessageUtil(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle("Informations");
    setWindowFlag(Qt::Tool);
    setModal(true);
    Fond = new TFondCopie(this);
    Label1 = new QLabel(this);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    StyleTexteJaune(Label1);
    TBoutonModele* modele = Dessin() != nullptr ? Dessin()->BoutonOrange : nullptr;
    for (TBoutonCopie** bouton : {&BoutonCopie1, &BoutonCopie2, &BoutonCopie3, &BoutonCopie4}) {
        *bouton = new TBoutonCopie(this);
        TBoutonCopie* b = *bouton;
        b->setFont(Label1->font());
        b->SetModele(modele);
        if (modele != nullptr) {
            b->SetDecalX(modele->DecalX());
            b->SetDecalY(modele->DecalY());
        }
        b->resize(LargeurBouton, HauteurBouton);
        b->OnClick = [this, b] { BoutonCopie1Click(b); };
    }
    BoutonCopie4->hide();
    if (Dessin() != nullptr)
        Fond->SetModele(Dessin()->FondToutBleu);
    resize(LargeurDessinee, 100);
}

void Tf_MessageUtil::BoutonCopie1Click(TBoutonCopie* bouton)
{
    SetModalResult(bouton->Tag);
}

void Tf_MessageUtil::Prepare(const std::string& texte, uint16_t flags)
{
    BoutonCopie1->show();
    Label1->setText(QString::fromStdString(texte));
    Label1->move(6, 6);
    Label1->setFixedWidth(width() - 12);
    if (Label1->heightForWidth(Label1->width()) > 60) {
        resize(LargeurElargie, height());
        Label1->setFixedWidth(width() - 12);
    }
    Label1->setFixedHeight(Label1->heightForWidth(Label1->width()));
    setFixedSize(width(), Label1->height() + 44 + 6);
    const bool avertissement = (flags & BoutonsMessage::Avertissement) != 0;
    flags &= BoutonsMessage::Boutons;
    if (flags == 0)
        flags = BoutonsMessage::Ok; // a box without buttons could only be closed from its title bar
    FDisposition = EstDuTableau(flags) ? TDisposition::Tableau : TDisposition::Autre;
    if (FDisposition == TDisposition::Tableau)
        PrepareTableau(flags);
    else
        PrepareAutre(flags);
    if (avertissement)
        setWindowTitle(QString::fromStdString(Traduit(TexteAvertissement)));
    PlaceBoutons();
}

// The five layouts the program uses.
void Tf_MessageUtil::PrepareTableau(uint16_t flags)
{
    int n = 0;
    if (flags & BoutonsMessage::Oui) {
        n = 1;
        Arme(BoutonCopie1, TexteOui, ReponseMessage::Oui);
        setWindowTitle(QString::fromStdString(Traduit(TexteQuestion)));
    }
    if (flags & BoutonsMessage::Ok) {
        n += 2;
        BoutonCopie1->hide();
        Arme(BoutonCopie2, TexteOk, ReponseMessage::Ok);
        setWindowTitle(QString::fromStdString(Traduit(TexteInformation)));
    }
    if (flags & BoutonsMessage::Annuler) {
        n += 1;
        Arme(BoutonCopie3, TexteAnnuler, ReponseMessage::Annuler);
    }
    if (flags & BoutonsMessage::Non) {
        n += 1;
        if (n == 3) {
            Arme(BoutonCopie2, TexteNon, ReponseMessage::Non);
        } else {
            Arme(BoutonCopie3, TexteNon, ReponseMessage::Non);
            n = 4;
        }
    }
    BoutonCopie2->setVisible(n > 1 && n < 4);
    BoutonCopie3->setVisible(n >= 3);
}

// Any other combination shows exactly the buttons asked for, in the order
// Yes, No, OK, Cancel, spread over the width.
void Tf_MessageUtil::PrepareAutre(uint16_t flags)
{
    struct TChoix {
        uint16_t Flag;
        int Texte;
        int Resultat;
    };
    const TChoix choix[] = {{BoutonsMessage::Oui, TexteOui, ReponseMessage::Oui},
                            {BoutonsMessage::Non, TexteNon, ReponseMessage::Non},
                            {BoutonsMessage::Ok, TexteOk, ReponseMessage::Ok},
                            {BoutonsMessage::Annuler, TexteAnnuler, ReponseMessage::Annuler}};
    std::vector<TBoutonCopie*> boutons = {BoutonCopie1, BoutonCopie2, BoutonCopie3, BoutonCopie4};
    std::size_t suivant = 0;
    for (const auto& c : choix)
        if (flags & c.Flag)
            Arme(boutons[suivant++], c.Texte, c.Resultat);
    for (std::size_t i = 0; i < boutons.size(); ++i)
        boutons[i]->setVisible(i < suivant);
    const bool question = (flags & (BoutonsMessage::Oui | BoutonsMessage::Non)) != 0;
    setWindowTitle(QString::fromStdString(Traduit(question ? TexteQuestion : TexteInformation)));
}

void Tf_MessageUtil::PlaceBoutons()
{
    const int y = height() - HauteurBouton - 8;
    const int gauche = 8;
    const int droite = width() - 8 - LargeurBouton;
    const int milieu = (width() - LargeurBouton) / 2;
    BoutonCopie1->move(gauche, y);
    BoutonCopie2->move(milieu, y);
    BoutonCopie3->move(droite, y);
    if (FDisposition == TDisposition::Tableau)
        return;
    // The other layouts fill the buttons from the first one: one goes in the
    // middle, two at the ends, three in the three places, four evenly spread.
    std::vector<TBoutonCopie*> visibles;
    for (TBoutonCopie* b : {BoutonCopie1, BoutonCopie2, BoutonCopie3, BoutonCopie4})
        if (b->isVisibleTo(this))
            visibles.push_back(b);
    if (visibles.size() == 1) {
        visibles[0]->move(milieu, y);
    } else if (visibles.size() == 2) {
        visibles[0]->move(gauche, y);
        visibles[1]->move(droite, y);
    } else if (visibles.size() == 4) {
        const int pas = (width() - 16 - LargeurBouton) / 3;
        for (int i = 0; i < 4; ++i)
            visibles[static_cast<std::size_t>(i)]->move(gauche + pas * i, y);
    }
}

void Tf_MessageUtil::resizeEvent(QResizeEvent* event)
{
    TDialogue::resizeEvent(event);
    Fond->setGeometry(rect());
    Fond->lower();
}

TMessagesFenetre::TMessagesFenetre() : FAncien(InstalleServiceMessage(this)) {}

TMessagesFenetre::~TMessagesFenetre()
{
    InstalleServiceMessage(FAncien);
}

uint16_t TMessagesFenetre::Affiche(const std::string& texte, uint16_t flags)
{
    Tf_MessageUtil forme(QApplication::activeWindow());
    forme.Prepare(texte, flags);
    const int resultat = Dialogues().ExecuteModal(forme);
    return resultat == ResultatModal::Aucun ? ReponseMessage::Annuler : static_cast<uint16_t>(resultat);
}
