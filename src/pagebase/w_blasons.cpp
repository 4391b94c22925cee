#include "pagebase/w_blasons.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "controls/ImageQt.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

enum : int {
    TexteFenetre = 1252,
    TexteModifier = 964,
    TexteAjoutPays = 1231,
    TexteAjoutEquipe = 1232,
    TexteChoisir = 1251,
    TexteNomRefuse = 1970,
    TexteImageIllisible = 1971,
    TexteCentPays = 1972,
    TexteImageNonEnregistree = 1973,
    TexteChoisirPays = 1974,
    TexteCatalogueNonEnregistre = 1977,
};

void Signale(int Texte)
{
    MessageUtil(Traduit(Texte), BoutonsMessage::Ok);
}

uint16_t IdDe(const QTreeWidgetItem* Noeud)
{
    return static_cast<uint16_t>(Noeud->data(0, Qt::UserRole).toUInt());
}

} // namespace

std::string TexteOuDefaut(int Id, const char* Defaut)
{
    std::string Texte = Traduit(Id);
    return Texte.empty() ? std::string(Defaut) : Texte;
}

std::unique_ptr<TImage> DemandeImage(const std::string& Dossier, std::string* NomFichier)
{
    TDemandeFichier Demande;
    Demande.Filtre = "Images|*.png;*.gif;*.jpg;*.jpeg;*.bmp|PNG|*.png|GIF|*.gif|JPEG|*.jpg;*.jpeg|Bitmap|*.bmp";
    Demande.DossierInitial = Dossier;
    const TReponseFichier Reponse = Dialogues().OuvreFichier(Demande);
    if (!Reponse.Ok || Reponse.NomFichier.empty())
        return nullptr;
    auto Image = ChargeFichierImage(Reponse.NomFichier);
    if (!Image) {
        Signale(TexteImageIllisible);
        return nullptr;
    }
    if (NomFichier != nullptr)
        *NomFichier = Reponse.NomFichier;
    return Image;
}

TBoutonCopie* CreeBouton(QWidget* Parent, int Texte, const char* Defaut)
{
    auto* Bouton = new TBoutonCopie(Parent);
    if (Dessin() != nullptr)
        Bouton->SetModele(Dessin()->BoutonOrange);
    Bouton->SetCaption(TexteOuDefaut(Texte, Defaut));
    Bouton->setFixedSize(120, 25);
    return Bouton;
}

TBoutonCopie* CreeBoutonValider(QWidget* Parent, int Texte, const char* Defaut)
{
    TBoutonCopie* Bouton = CreeBouton(Parent, Texte, Defaut);
    Bouton->SetModalResult(ResultatModal::Ok);
    Bouton->SetDefault(true);
    return Bouton;
}

TBoutonCopie* CreeBoutonAnnuler(QWidget* Parent, int Texte, const char* Defaut)
{
    TBoutonCopie* Bouton = CreeBouton(Parent, Texte, Defaut);
    Bouton->SetModalResult(ResultatModal::Annuler);
    Bouton->SetCancel(true);
    return Bouton;
}

Tf_Blasons::Tf_Blasons(TBlasons& Blasons, QWidget* parent) : TDialogue(parent), FBlasons(Blasons)
{
    setWindowTitle(QString::fromStdString(TexteOuDefaut(TexteFenetre, "Blasons")));
    tv_Blasons = new QTreeWidget(this);
    tv_Blasons->setHeaderHidden(true);
    tv_Blasons->setMinimumSize(220, 300);
    Logo = new TLogo(this);
    Logo->setFixedSize(128, 128);
    e_Pays = new QLineEdit(this);
    e_Equipe = new QLineEdit(this);
    bc_AjoutPays = CreeBouton(this, TexteAjoutPays, "Ajouter Pays");
    bc_AjoutEquipe = CreeBouton(this, TexteAjoutEquipe, "Ajouter Equipe");
    bc_Modifier = CreeBouton(this, TexteModifier, "Modifier");
    bc_Choisir = CreeBouton(this, TexteChoisir, "Choisir");
    bc_Choisir->SetDefault(true);

    auto* Grille = new QGridLayout(this);
    Grille->addWidget(tv_Blasons, 0, 0, 6, 1);
    Grille->addWidget(Logo, 0, 1, 1, 2, Qt::AlignCenter);
    Grille->addWidget(e_Pays, 1, 1);
    Grille->addWidget(bc_AjoutPays, 1, 2);
    Grille->addWidget(e_Equipe, 2, 1);
    Grille->addWidget(bc_AjoutEquipe, 2, 2);
    Grille->addWidget(bc_Modifier, 3, 2);
    Grille->addWidget(bc_Choisir, 5, 2);
    Grille->setRowStretch(4, 1);

    connect(tv_Blasons, &QTreeWidget::currentItemChanged, this, [this] { tv_BlasonsChange(); });
    bc_AjoutPays->OnClick = [this] { bc_AjoutPaysClick(); };
    bc_AjoutEquipe->OnClick = [this] { bc_AjoutEquipeClick(); };
    bc_Modifier->OnClick = [this] { bc_ModifierClick(); };
    bc_Choisir->OnClick = [this] { bc_ChoisirClick(); };
}

QTreeWidgetItem* Tf_Blasons::AjouteNoeud(QTreeWidgetItem* Parent, uint16_t Id, const std::string& Nom)
{
    auto* Noeud = Parent != nullptr ? new QTreeWidgetItem(Parent) : new QTreeWidgetItem(tv_Blasons);
    Noeud->setText(0, QString::fromStdString(Nom));
    Noeud->setData(0, Qt::UserRole, static_cast<unsigned>(Id));
    return Noeud;
}

void Tf_Blasons::RemplitArbre(int Id)
{
    tv_Blasons->clear();
    std::vector<QTreeWidgetItem*> Noeuds;
    QTreeWidgetItem* Selectionne = nullptr;
    for (int I = 0; I < FBlasons.Count(); ++I) {
        uint16_t IdBlason = 0, Parent = 0;
        std::string Nom;
        FBlasons.GetElement(I, IdBlason, Nom, Parent);
        QTreeWidgetItem* Noeud = nullptr;
        if (Parent == 0) {
            Noeud = AjouteNoeud(nullptr, IdBlason, Nom);
        } else {
            // A team whose country is not in the tree yet stays out of it.
            const auto Pere = std::find_if(Noeuds.begin(), Noeuds.end(),
                                           [Parent](const QTreeWidgetItem* N) { return IdDe(N) == Parent; });
            if (Pere == Noeuds.end())
                continue;
            Noeud = AjouteNoeud(*Pere, IdBlason, Nom);
        }
        Noeuds.push_back(Noeud);
        if (Selectionne == nullptr && IdBlason == Id)
            Selectionne = Noeud;
    }
    if (Selectionne != nullptr)
        tv_Blasons->setCurrentItem(Selectionne);
    tv_BlasonsChange();
    FChoisi = 0;
}

int Tf_Blasons::Selection() const
{
    const QTreeWidgetItem* Noeud = tv_Blasons->currentItem();
    return Noeud != nullptr ? IdDe(Noeud) : 0;
}

void Tf_Blasons::tv_BlasonsChange()
{
    const int Id = Selection();
    const auto Image = Id != 0 ? FBlasons.GetImage(static_cast<uint16_t>(Id)) : nullptr;
    Logo->SetImage(VersGraphique(Image.get(), TGraphique::TGenre::Png));
}

bool Tf_Blasons::AccepteAjout(int Resultat)
{
    switch (Resultat) {
    case TBlasons::PlusDePlace:
        Signale(TexteCentPays);
        return false;
    case TBlasons::NomRefuse:
        Signale(TexteNomRefuse);
        return false;
    case TBlasons::PaysInconnu:
        Signale(TexteChoisirPays);
        return false;
    case TBlasons::ImageNonEnregistree:
        Signale(TexteImageNonEnregistree);
        return false;
    default:
        if (Resultat <= 0)
            return false;
        if (!FBlasons.Enregistre())
            Signale(TexteCatalogueNonEnregistre);
        return true;
    }
}

void Tf_Blasons::Ajoute(QLineEdit* Champ, QTreeWidgetItem* Pays)
{
    const std::string Nom = Champ->text().toStdString();
    if (Trim(Nom).empty())
        return;
    // Refused before the file is asked for, so the user does not pick a picture in vain.
    if (!TBlasons::NomAdmis(Nom))
        return Signale(TexteNomRefuse);
    if (Pays == nullptr && FBlasons.MaxPays() >= TBlasons::MaxNbPays)
        return Signale(TexteCentPays);
    const auto Image = DemandeImage(AppDir());
    if (!Image)
        return;
    const int Id = Pays == nullptr ? FBlasons.AjoutePays(Nom, *Image) : FBlasons.AjouteEquipe(Nom, IdDe(Pays), *Image);
    if (!AccepteAjout(Id))
        return;
    tv_Blasons->setCurrentItem(AjouteNoeud(Pays, static_cast<uint16_t>(Id), Nom));
    Champ->clear();
}

void Tf_Blasons::bc_AjoutPaysClick()
{
    Ajoute(e_Pays, nullptr);
}

void Tf_Blasons::bc_AjoutEquipeClick()
{
    QTreeWidgetItem* Pays = tv_Blasons->currentItem();
    if (Trim(e_Equipe->text().toStdString()).empty())
        return;
    if (Pays == nullptr || Pays->parent() != nullptr)
        return Signale(TexteChoisirPays);
    Ajoute(e_Equipe, Pays);
}

void Tf_Blasons::bc_ModifierClick()
{
    const int Id = Selection();
    if (Id == 0)
        return;
    const auto Image = DemandeImage(AppDir());
    if (!Image)
        return;
    if (!FBlasons.EnregistreImage(static_cast<uint16_t>(Id), *Image))
        Signale(TexteImageNonEnregistree);
    tv_BlasonsChange();
}

void Tf_Blasons::bc_ChoisirClick()
{
    const int Id = Selection();
    if (Id == 0)
        return;
    FChoisi = Id;
    SetModalResult(ResultatModal::Ok);
}
