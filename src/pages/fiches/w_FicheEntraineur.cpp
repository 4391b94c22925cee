#include "pages/fiches/w_FicheEntraineur.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "controls/ComboBox.h"
#include "controls/ImageFond.h"
#include "model/Personnels.h"
#include "model/SaisonFoot.h"
#include "model/TexteSaisi.h"
#include "pagebase/DefType.h"
#include "pages/fiches/w_FicheArbitre.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

QString Q(const std::string& texte)
{
    return QString::fromStdString(texte);
}

QLabel* Etiquette(QWidget* parent, int y)
{
    auto* l = new QLabel(parent);
    l->setGeometry(10, y + 2, 120, 20);
    return l;
}

TComboBox98* Combo(QWidget* parent, int y)
{
    auto* c = new TComboBox98(parent);
    c->setEditable(true);
    c->setGeometry(135, y, 220, 22);
    return c;
}

// The byte kept for a typed year of birth: years from 1901 on are counted from
// 1900, anything else is kept as it is; false when it does not fit a byte.
bool AgeSaisi(const std::string& texte, uint8_t& age)
{
    const std::string t = Trim(texte);
    if (t.empty() || t == Traduit(84)) {
        age = 0;
        return true;
    }
    int n = StrToIntDef(t, 0);
    if (n >= 1901)
        n -= 1900;
    if (n < 0 || n > 255)
        return false;
    age = static_cast<uint8_t>(n);
    return true;
}

} // namespace

bool e_AgeKeyPress(std::string& texte, char32_t touche)
{
    const bool inconnu = touche == U'I' || touche == U'i';
    if (touche != U'\b' && !(touche >= U'0' && touche <= U'9') && !inconnu)
        return false;
    if (texte == Traduit(84))
        texte.clear();
    if (inconnu) {
        texte = Traduit(84);
        return false;
    }
    return true;
}

Tf_FicheEntraineur::Tf_FicheEntraineur(QWidget* parent) : TDialogue(parent)
{
    setModal(true);
    Label1 = Etiquette(this, 10);
    e_Nom = new QLineEdit(this);
    e_Nom->setGeometry(135, 10, 220, 22);
    Label2 = Etiquette(this, 38);
    e_Prenom = new QLineEdit(this);
    e_Prenom->setGeometry(135, 38, 220, 22);
    Label11 = Etiquette(this, 66);
    cb_Pays = Combo(this, 66);
    Label4 = Etiquette(this, 94);
    e_Age = new QLineEdit(this);
    e_Age->setGeometry(135, 94, 100, 22);
    e_Age->installEventFilter(this);
    Label3 = Etiquette(this, 122);
    cb_ClubPrec = Combo(this, 122);

    b_Valider = new TBoutonCopie(this);
    b_Valider->SetCaption(Traduit(29));
    b_Valider->SetDefault(true);
    b_Valider->setGeometry(145, 160, 100, 28);
    b_Annuler = new TBoutonCopie(this);
    b_Annuler->SetCaption(Traduit(125));
    b_Annuler->SetCancel(true);
    b_Annuler->SetModalResult(ResultatModal::Annuler);
    b_Annuler->setGeometry(255, 160, 100, 28);

    Label1->setText(Q(Traduit(71)));
    Label2->setText(Q(Traduit(72)));
    Label11->setText(Q(Traduit(304)));
    Label3->setText(Q(Traduit(75)));
    Label4->setText(Q(Traduit(73)));
    b_Valider->OnClick = [this] { b_ValiderClick(); };
    setFixedSize(365, 198);
}

void Tf_FicheEntraineur::showEvent(QShowEvent* event)
{
    if (!FMontre) {
        FMontre = true;
        FormShow();
    }
    TDialogue::showEvent(event);
}

bool Tf_FicheEntraineur::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == e_Age && event->type() == QEvent::KeyPress) {
        const auto* touche = static_cast<QKeyEvent*>(event);
        if (touche->key() == Qt::Key_Backspace || touche->key() == Qt::Key_Delete)
            return false;
        const QString texte = touche->text();
        // Keys without a character (arrows, Tab, Return) keep their own work.
        if (texte.isEmpty() || texte.at(0) < QChar(' '))
            return false;
        std::string contenu = e_Age->text().toStdString();
        const std::string avant = contenu;
        const bool passe = e_AgeKeyPress(contenu, texte.toUcs4().value(0));
        if (contenu != avant)
            e_Age->setText(Q(contenu));
        return !passe;
    }
    return TDialogue::eventFilter(objet, event);
}

void Tf_FicheEntraineur::FormShow()
{
    if (Saison == nullptr)
        return;
    cb_ClubPrec->clear();
    for (int i = 0; i < Saison->NbClubPrec(); ++i)
        cb_ClubPrec->addItem(Q(Saison->GetClubPrec(i)), i);
    RemplitComboPays(*cb_Pays, Saison->Pays(), Entraineur ? Entraineur->CodePays : 65535);
    if (Entraineur == nullptr) {
        setWindowTitle(Q(Traduit(345)));
        e_Nom->clear();
        e_Prenom->clear();
        e_Age->setText(Q(Traduit(84)));
        cb_ClubPrec->setCurrentIndex(-1);
        cb_ClubPrec->setEditText(QString());
        return;
    }
    setWindowTitle(
        Q(TraduitFmt(83, {Entraineur->Prenom, Entraineur->Nom, Saison->GetNomEquipe(Entraineur->ClubActuel)})));
    e_Nom->setText(Q(Entraineur->Nom));
    e_Prenom->setText(Q(Entraineur->Prenom));
    e_Age->setText(Entraineur->Age != 0 ? QString::number(Entraineur->Age) : Q(Traduit(84)));
    const int club = Entraineur->ClubPrec < Saison->NbClubPrec() ? Entraineur->ClubPrec : -1;
    cb_ClubPrec->setCurrentIndex(club);
    if (club < 0)
        cb_ClubPrec->setEditText(QString());
}

void Tf_FicheEntraineur::b_ValiderClick()
{
    if (Saison == nullptr)
        return;
    // A new coach needs a surname: a nameless one would head the sorted registry.
    if (Entraineur == nullptr && Trim(e_Nom->text().toStdString()).empty()) {
        SetModalResult(ResultatModal::Ok);
        return;
    }
    uint8_t age = 0;
    if (!AgeSaisi(e_Age->text().toStdString(), age)) {
        MessageUtil(Traduit(1029), BoutonsMessage::Ok);
        return;
    }
    std::unique_ptr<TPersonnel> nouveau;
    TEntraineur* entraineur = Entraineur;
    if (entraineur == nullptr) {
        auto cree = std::make_unique<TEntraineur>();
        entraineur = cree.get();
        nouveau = std::move(cree);
    }
    auto ecrit = [this](auto& champ, auto valeur) {
        if (champ != valeur) {
            champ = valeur;
            Change = true;
        }
    };
    // A surname left blank keeps the former one: a coach without one is
    // dropped when the season is read again.
    if (const std::string nom = TexteRelu(e_Nom->text().toStdString()); !nom.empty())
        Change |= StockeTexte(entraineur->Nom, nom);
    Change |= StockeTexte(entraineur->Prenom, e_Prenom->text().toStdString());
    ecrit(entraineur->CodePays, CodePaysCombo(*cb_Pays, Saison->Pays()));
    ecrit(entraineur->Age, age);
    const std::string club = Trim(cb_ClubPrec->currentText().toStdString());
    // Only a real difference counts: an unchanged name is not looked up, so
    // it is not added to the list either.
    if (club != (entraineur->ClubPrec < Saison->NbClubPrec() ? Saison->GetClubPrec(entraineur->ClubPrec) : ""))
        ecrit(entraineur->ClubPrec, static_cast<uint16_t>(Saison->ChercheClubPrec(club, true)));
    if (Change) {
        TPersonnels& registre = Saison->Entraineurs();
        if (nouveau == nullptr)
            nouveau = registre.Retire(entraineur);
        // A coach renamed after another one merges into him: the clubs that
        // had him then point at the one kept.
        TListeRenumerotation renum;
        Entraineur = dynamic_cast<TEntraineur*>(registre.Get(registre.Ajoute(std::move(nouveau), &renum)));
        Saison->AppliqueRenumEntraineurs(renum);
        Tag = 1;
    }
    SetModalResult(ResultatModal::Ok);
}

namespace {
bool ExecuteFicheEntraineur(TSaison& saison, TEntraineur*& entraineur, bool* change, QWidget* parent = nullptr)
{
    Tf_FicheEntraineur fiche(parent ? parent->window() : nullptr);
    fiche.Saison = &saison;
    fiche.Entraineur = entraineur;
    return ExecuteFiche(fiche, &Tf_FicheEntraineur::Entraineur, entraineur, change);
}
} // namespace

bool AfficheFicheEntraineur(TSaison& saison, TEntraineur*& entraineur, QWidget* parent)
{
    bool change = false;
    ExecuteFicheEntraineur(saison, entraineur, &change, parent);
    return change;
}

void EnregistrePagesFicheEntraineur()
{
    EnregistreFicheEntraineur([](TSaison& saison, TEntraineur*& entraineur, bool* change) {
        return ExecuteFicheEntraineur(saison, entraineur, change);
    });
}
