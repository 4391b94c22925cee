#include "pages/reglages/w_CreationBarrage.h"

#include "base/ServiceMessage.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/DefType.h"
#include "pagebase/w_blasons.h"
#include "pages/options/w_CreationCoupe.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>

namespace {

enum : int {
    TexteContinuer = 27,
    TexteAnnuler = 125,
    TexteBarrage = 263,
    TexteFenetre = 898,
    TexteCreation = 900,
    TexteNbEquipes = 901,
};

constexpr int CommandeCreationBarrage = 194;

QString Qs(const std::string& texte)
{
    return QString::fromStdString(texte);
}

// Three pickers a row, 30 pixels apart.
QPoint Place(int k, int haut)
{
    return {16 + 160 * (k % 3), haut + 30 * (k / 3)};
}

int Hauteur(int nombre, int haut)
{
    return haut + 30 * ((std::max(nombre, 1) + 2) / 3 - 1) + 44;
}

} // namespace

TFondDivision::TFondDivision(const TCreationBarrage::TSource& source, const TSaison& saison, QWidget* parent)
    : QWidget(parent)
{
    auto* nom = new QLabel(Qs(source.Nom), this);
    nom->setGeometry(8, 4, 470, 18);
    nom->setStyleSheet("font-weight: bold");
    const int n = static_cast<int>(source.Places.size());
    for (int k = 0; k < n; ++k) {
        const QPoint p = Place(k, 26);
        auto* place = new QLabel(QString::number(source.Places[k]) + "-", this);
        place->setGeometry(p.x() - 14, p.y() + 3, 16, 18);
        if (source.Championnat) {
            auto* combo = new QComboBox(this);
            for (int e = 0; e < source.Championnat->GetNbEquipe(); ++e) {
                const int id = source.Championnat->GetEquipe(e);
                combo->addItem(Qs(saison.GetNomEquipe(static_cast<uint16_t>(id))), id);
            }
            combo->setCurrentIndex(combo->findData(source.Choix[k]));
            combo->setGeometry(p.x() + 4, p.y(), 140, 22);
            Equipes.push_back(combo);
        } else {
            auto* edit = new QLineEdit(Qs(source.Textes[k]), this);
            edit->setGeometry(p.x() + 4, p.y(), 140, 22);
            Textes.push_back(edit);
        }
    }
    resize(490, Hauteur(n, 26));
}

void TFondDivision::Lit(TCreationBarrage::TSource& source) const
{
    for (size_t k = 0; k < Equipes.size() && k < source.Choix.size(); ++k)
        source.Choix[k] = Equipes[k]->currentIndex() >= 0 ? Equipes[k]->currentData().toInt() : -1;
    for (size_t k = 0; k < Textes.size() && k < source.Textes.size(); ++k)
        source.Textes[k] = Textes[k]->text().toStdString();
}

TFondGroupe::TFondGroupe(const TCreationBarrage::TGroupe& groupe, const std::vector<TCreationBarrage::TChoisi>& choisis,
                         QWidget* parent)
    : QWidget(parent)
{
    e_Nom = new QLineEdit(Qs(groupe.Nom), this);
    e_Nom->setGeometry(16, 8, 120, 22);
    auto* label = new QLabel(QString::fromStdString(TexteOuDefaut(TexteNbEquipes, "Nombre d'équipes")), this);
    label->setGeometry(16, 36, 120, 18);
    label->setStyleSheet("font-weight: bold; color: #80FF80");
    e_Taille = new QSpinBox(this);
    e_Taille->setRange(0, static_cast<int>(choisis.size()));
    e_Taille->setValue(static_cast<int>(groupe.Membres.size()));
    e_Taille->setGeometry(140, 34, 56, 22);
    for (size_t k = 0; k < groupe.Membres.size(); ++k) {
        auto* combo = new QComboBox(this);
        for (const auto& c : choisis)
            combo->addItem(Qs(c.Nom));
        combo->setCurrentIndex(groupe.Membres[k]);
        const QPoint p = Place(static_cast<int>(k), 64);
        combo->setGeometry(p.x(), p.y(), 150, 22);
        Membres.push_back(combo);
    }
    resize(490, Hauteur(static_cast<int>(groupe.Membres.size()), 64));
}

void TFondGroupe::Lit(TCreationBarrage::TGroupe& groupe) const
{
    groupe.Nom = e_Nom->text().toStdString();
    for (size_t k = 0; k < Membres.size() && k < groupe.Membres.size(); ++k)
        groupe.Membres[k] = Membres[k]->currentIndex();
}

Tf_CreeBarrage::Tf_CreeBarrage(TSaison& saison, QWidget* parent) : TDialogue(parent), FSaison(saison), FCreation(saison)
{
    setWindowTitle(Qs(TexteOuDefaut(TexteFenetre, "Creation de la division barrage")));
    setFixedSize(530, 460);
    Label1 = new QLabel(Qs(TexteOuDefaut(TexteBarrage, "Barrage")), this);
    Label1->setGeometry(8, 10, 100, 18);
    cb_Barrage = new QComboBox(this);
    cb_Barrage->setGeometry(110, 8, 300, 22);
    fs_Divisions = new QScrollArea(this);
    fs_Divisions->setGeometry(8, 40, 514, 370);
    b_Creation = CreeBouton(this, TexteCreation, "Création");
    b_Continuer = CreeBouton(this, TexteContinuer, "Continuer");
    b_Annuler = CreeBouton(this, TexteAnnuler, "Annuler");
    b_Annuler->SetModalResult(ResultatModal::Annuler);
    b_Annuler->SetCancel(true);
    b_Creation->move(120, 420);
    b_Continuer->move(120, 420);
    b_Annuler->move(300, 420);
    b_Creation->hide();

    connect(cb_Barrage, qOverload<int>(&QComboBox::activated), this, [this] { cb_BarrageChange(); });
    b_Continuer->OnClick = [this] { b_ContinuerClick(); };
    b_Creation->OnClick = [this] { b_CreationClick(); };
    FCreation.DemandeTours = [this](std::vector<TTourCoupeJour>& tours) {
        Tf_CreationCoupe coupe(this);
        if (Dialogues().ExecuteModal(coupe) != ResultatModal::Ok)
            return false;
        tours = coupe.Coupe().Resultat();
        return true;
    };
}

void Tf_CreeBarrage::showEvent(QShowEvent* event)
{
    if (!FAffiche) {
        FAffiche = true;
        FormShow();
    }
    TDialogue::showEvent(event);
}

void Tf_CreeBarrage::FormShow()
{
    // The season has no play-off definition to fill: the dialog closes as it shows.
    if (FCreation.SansDefinition()) {
        SetModalResult(ResultatModal::Ignorer);
        return;
    }
    cb_Barrage->clear();
    for (const auto& e : FCreation.Entrees())
        cb_Barrage->addItem(Qs(e.Nom));
    cb_Barrage->setCurrentIndex(cb_Barrage->count() > 0 ? 0 : -1);
    cb_BarrageChange();
}

void Tf_CreeBarrage::Vide()
{
    Divisions.clear();
    Groupes.clear();
    FContenu = new QWidget;
    fs_Divisions->setWidget(FContenu); // frees the former panels
}

void Tf_CreeBarrage::AfficheSources()
{
    Vide();
    int haut = 10;
    for (const auto& s : FCreation.Sources()) {
        auto* fond = new TFondDivision(s, FSaison, FContenu);
        fond->move(8, haut);
        fond->show();
        haut += fond->height() + 4;
        Divisions.push_back(fond);
    }
    FContenu->resize(496, haut);
    FContenu->show();
}

void Tf_CreeBarrage::AfficheGroupes()
{
    Vide();
    int haut = 10;
    for (size_t g = 0; g < FCreation.Groupes().size(); ++g) {
        auto* fond = new TFondGroupe(FCreation.Groupes()[g], FCreation.Choisis(), FContenu);
        fond->move(8, haut);
        fond->show();
        haut += fond->height() + 4;
        connect(fond->e_Taille, qOverload<int>(&QSpinBox::valueChanged), this, [this, g](int taille) {
            for (size_t i = 0; i < Groupes.size(); ++i)
                Groupes[i]->Lit(FCreation.Groupes()[i]);
            FCreation.SetTailleGroupe(static_cast<int>(g), taille);
            AfficheGroupes();
        });
        Groupes.push_back(fond);
    }
    FContenu->resize(496, haut);
}

void Tf_CreeBarrage::cb_BarrageChange()
{
    FCreation.Selectionne(cb_Barrage->currentIndex());
    AfficheSources();
}

void Tf_CreeBarrage::b_ContinuerClick()
{
    for (size_t i = 0; i < Divisions.size() && i < FCreation.Sources().size(); ++i)
        Divisions[i]->Lit(FCreation.Sources()[i]);
    switch (FCreation.Continue()) {
    case TCreationBarrage::TEtape::Erreur:
        return;
    case TCreationBarrage::TEtape::Annule:
        SetModalResult(ResultatModal::Annuler);
        return;
    case TCreationBarrage::TEtape::Cree:
        SetModalResult(ResultatModal::Ok);
        return;
    case TCreationBarrage::TEtape::Groupes:
        b_Creation->show();
        b_Continuer->hide();
        cb_Barrage->setEnabled(false);
        AfficheGroupes();
        return;
    }
}

void Tf_CreeBarrage::b_CreationClick()
{
    for (size_t i = 0; i < Groupes.size(); ++i)
        Groupes[i]->Lit(FCreation.Groupes()[i]);
    if (FCreation.CreeGroupes() == TCreationBarrage::TEtape::Cree)
        SetModalResult(ResultatModal::Ok);
}

bool AfficheCreationBarrage(TPrincipale& principale)
{
    TSaison* saison = principale.GetSaison();
    if (!saison)
        return false;
    Tf_CreeBarrage dialogue(*saison);
    const int resultat = Dialogues().ExecuteModal(dialogue);
    // The dialog closed at once: the user is told why and where to go instead.
    if (resultat == ResultatModal::Ignorer)
        MessageUtil(TCreationBarrage::TexteSansDefinition(*saison), BoutonsMessage::Ok);
    if (resultat != ResultatModal::Ok)
        return false;
    principale.RemplitChampionnats();
    principale.SignaleModification();
    return true;
}

void EnregistrePagesCreationBarrage()
{
    EnregistreCommandePage(CommandeCreationBarrage,
                           [](TPrincipale& principale, int, int, int) { AfficheCreationBarrage(principale); });
}
