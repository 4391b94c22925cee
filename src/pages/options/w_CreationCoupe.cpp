#include "pages/options/w_CreationCoupe.h"

#include "controls/ImageFond.h"
#include "pagebase/w_blasons.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>

namespace {

enum : int {
    TexteValider = 29,
    TexteAnnuler = 125,
    TexteMatchs = 282,
    TexteNbTours = 896,
    TexteFenetre = 912,
};

constexpr int TextesTypes[TCreationCoupe::NbTypes] = {278, 279, 280, 281, 618, 619, 620};
constexpr const char* DefautsTypes[TCreationCoupe::NbTypes] = {"Match simple",
                                                               "Match aller-retour",
                                                               "Match simple à rejouer si match nul",
                                                               "Match aller-retour avec belle",
                                                               "Série au meilleur des trois matchs",
                                                               "Série au meilleur des cinq matchs",
                                                               "Série au meilleur des sept matchs"};

QString Texte(int id, const char* defaut)
{
    return QString::fromStdString(TexteOuDefaut(id, defaut));
}

void RemplitTypes(QComboBox* combo)
{
    for (int t = 0; t < TCreationCoupe::NbTypes; ++t)
        combo->addItem(Texte(TextesTypes[t], DefautsTypes[t]));
}

} // namespace

Tf_CreationCoupe::Tf_CreationCoupe(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(Texte(TexteFenetre, "Création d'une coupe"));
    setFixedSize(450, 400);
    auto* nom = new QLabel(QString::fromUtf8("Nom de la coupe"), this);
    nom->setGeometry(8, 10, 120, 18);
    e_NomCoupe = new QLineEdit(this);
    e_NomCoupe->setGeometry(130, 8, 200, 22);
    auto* l = new QLabel(Texte(TexteNbTours, "Nombre de tour"), this);
    l->setGeometry(8, 40, 120, 18);
    e_nTour = new QSpinBox(this);
    e_nTour->setRange(0, 16);
    e_nTour->setValue(1);
    e_nTour->setGeometry(130, 38, 56, 22);
    cb_TypeMatchs = new QComboBox(this);
    cb_TypeMatchs->setGeometry(200, 38, 240, 22);
    RemplitTypes(cb_TypeMatchs);
    FondScroll1 = new QScrollArea(this);
    FondScroll1->setGeometry(8, 70, 434, 280);
    FLignes = new QWidget;
    FondScroll1->setWidget(FLignes);

    b_Valider = CreeBouton(this, TexteValider, "Valider");
    b_Valider->SetDefault(true);
    b_Valider->move(100, 360);
    b_Annuler = CreeBouton(this, TexteAnnuler, "Annuler");
    b_Annuler->SetModalResult(ResultatModal::Annuler);
    b_Annuler->SetCancel(true);
    b_Annuler->move(240, 360);

    connect(e_nTour, qOverload<int>(&QSpinBox::valueChanged), this, [this] { e_nTourChange(); });
    connect(cb_TypeMatchs, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int i) { FCoupe.TypePreset = i + 1; });
    b_Valider->OnClick = [this] { b_ValiderClick(); };
    AfficheLignes();
}

void Tf_CreationCoupe::AfficheLignes()
{
    // The rows already shown keep what the user set in them.
    for (size_t r = 0; r < Matchs.size() && static_cast<int>(r) < FCoupe.NbTours(); ++r) {
        FCoupe.Ligne(static_cast<int>(r) + 1).NbMatch = Matchs[r]->value();
        FCoupe.Ligne(static_cast<int>(r) + 1).Type = Types[r]->currentIndex() + 1;
    }
    for (auto* w : Libelles)
        delete w;
    for (auto* w : Matchs)
        delete w;
    for (auto* w : Types)
        delete w;
    Libelles.clear();
    Matchs.clear();
    Types.clear();
    for (int r = 1; r <= FCoupe.NbTours(); ++r) {
        const int y = 8 + 30 * (r - 1);
        auto* libelle = new QLabel(QString::fromStdString(FCoupe.Libelle(r)), FLignes);
        libelle->setGeometry(4, y + 2, 106, 18);
        libelle->setStyleSheet("font-weight: bold");
        auto* matchs = new QSpinBox(FLignes);
        matchs->setRange(0, 999);
        matchs->setValue(FCoupe.Ligne(r).NbMatch);
        matchs->setGeometry(112, y, 46, 22);
        auto* unite = new QLabel(Texte(TexteMatchs, "match(s)"), FLignes);
        unite->setGeometry(160, y + 2, 54, 18);
        Libelles.push_back(unite);
        auto* type = new QComboBox(FLignes);
        RemplitTypes(type);
        type->setCurrentIndex(FCoupe.Ligne(r).Type - 1);
        type->setGeometry(216, y, 193, 22);
        Libelles.push_back(libelle);
        Matchs.push_back(matchs);
        Types.push_back(type);
    }
    FLignes->resize(416, 16 + 30 * FCoupe.NbTours());
    for (QWidget* w : FLignes->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        w->show();
}

void Tf_CreationCoupe::e_nTourChange()
{
    for (size_t r = 0; r < Matchs.size() && static_cast<int>(r) < FCoupe.NbTours(); ++r) {
        FCoupe.Ligne(static_cast<int>(r) + 1).NbMatch = Matchs[r]->value();
        FCoupe.Ligne(static_cast<int>(r) + 1).Type = Types[r]->currentIndex() + 1;
    }
    FCoupe.SetNbTours(e_nTour->value());
    AfficheLignes();
}

void Tf_CreationCoupe::b_ValiderClick()
{
    for (size_t r = 0; r < Matchs.size(); ++r) {
        FCoupe.Ligne(static_cast<int>(r) + 1).NbMatch = Matchs[r]->value();
        FCoupe.Ligne(static_cast<int>(r) + 1).Type = Types[r]->currentIndex() + 1;
    }
    // No round would make a cup without days.
    if (FCoupe.Valide())
        SetModalResult(ResultatModal::Ok);
}
