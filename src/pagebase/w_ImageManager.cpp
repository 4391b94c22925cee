#include "pagebase/w_ImageManager.h"

#include "base/ServiceMessage.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "controls/ImageQt.h"
#include "pagebase/w_blasons.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>

#include <filesystem>

namespace {

enum : int {
    TexteFenetre = 1252,
    TexteChoisir = 1251,
    TexteEffacer = 1070,
    TexteRenommer = 1285,
    TexteAjouter = 932,
    TexteImageNonEnregistree = 1973,
    TexteNomPhotoRefuse = 1975,
    TexteRenommageImpossible = 1976,
};

void Signale(int Texte)
{
    MessageUtil(Traduit(Texte), BoutonsMessage::Ok);
}

} // namespace

Tf_ImageManager::Tf_ImageManager(TImageManager& Images, QWidget* parent) : TDialogue(parent), FImages(Images)
{
    setWindowTitle(QString::fromStdString(TexteOuDefaut(TexteFenetre, "Images")));
    lb_Image = new QListWidget(this);
    lb_Image->setMinimumSize(220, 300);
    Image = new TLogo(this);
    Image->setFixedSize(200, 150);
    e_Nom = new QLineEdit(this);
    bc_Choisir = CreeBouton(this, TexteChoisir, "Choisir");
    bc_Effacer = CreeBouton(this, TexteEffacer, "Effacer");
    bc_Renommer = CreeBouton(this, TexteRenommer, "Renommer");
    bc_Ajouter = CreeBouton(this, TexteAjouter, "Ajouter");
    bc_Choisir->SetDefault(true);

    auto* Grille = new QGridLayout(this);
    Grille->addWidget(lb_Image, 0, 0, 6, 1);
    Grille->addWidget(Image, 0, 1, 1, 2, Qt::AlignCenter);
    Grille->addWidget(e_Nom, 1, 1);
    Grille->addWidget(bc_Renommer, 1, 2);
    Grille->addWidget(bc_Ajouter, 2, 2);
    Grille->addWidget(bc_Effacer, 3, 2);
    Grille->addWidget(bc_Choisir, 5, 2);
    Grille->setRowStretch(4, 1);

    connect(lb_Image, &QListWidget::currentRowChanged, this, [this] { lb_ImageClick(); });
    bc_Choisir->OnClick = [this] { bc_ChoisirClick(); };
    bc_Effacer->OnClick = [this] { bc_EffacerClick(); };
    bc_Renommer->OnClick = [this] { bc_RenommerClick(); };
    bc_Ajouter->OnClick = [this] { bc_AjouterClick(); };
}

void Tf_ImageManager::AjouteLigne(const std::string& Nom, int Id)
{
    auto* Ligne = new QListWidgetItem(QString::fromStdString(Nom), lb_Image);
    Ligne->setData(Qt::UserRole, Id);
}

void Tf_ImageManager::Initialise(int Sorte, int Id)
{
    FSorte = Sorte;
    FChoisi = -1;
    const QSignalBlocker Bloque(lb_Image);
    lb_Image->clear();
    for (int I = 0; I < FImages.Nombre(Sorte); ++I) {
        std::string Nom;
        int IdPhoto = 0;
        FImages.GetEntree(Sorte, I, Nom, IdPhoto);
        AjouteLigne(Nom, IdPhoto);
    }
    const int Index = FImages.IndexDe(Sorte, Id);
    lb_Image->setCurrentRow(Index < lb_Image->count() ? Index : -1);
    lb_ImageClick();
}

int Tf_ImageManager::IdSelectionne() const
{
    const QListWidgetItem* Ligne = lb_Image->currentItem();
    return Ligne != nullptr ? Ligne->data(Qt::UserRole).toInt() : -1;
}

void Tf_ImageManager::lb_ImageClick()
{
    const QListWidgetItem* Ligne = lb_Image->currentItem();
    if (Ligne == nullptr) {
        Image->SetImage(nullptr);
        e_Nom->clear();
        return;
    }
    const auto Photo = FImages.ChargeImage(FSorte, Ligne->data(Qt::UserRole).toInt());
    Image->SetImage(VersGraphique(Photo.get(), TGraphique::TGenre::Jpeg));
    e_Nom->setText(Ligne->text());
}

void Tf_ImageManager::bc_AjouterClick()
{
    std::string Fichier;
    const auto Photo = DemandeImage(AppDir() + "blasons", &Fichier);
    if (!Photo)
        return;
    // The name is the file's, up to its first dot.
    std::string Nom = std::filesystem::path(Fichier).filename().string();
    Nom = Nom.substr(0, Nom.find('.'));
    const int Id = FImages.Ajoute(FSorte, *Photo, Nom);
    if (Id == TImageManager::NomRefuse)
        return Signale(TexteNomPhotoRefuse);
    if (Id < 0)
        return Signale(TexteImageNonEnregistree);
    AjouteLigne(Nom, Id);
    lb_Image->setCurrentRow(lb_Image->count() - 1);
}

void Tf_ImageManager::bc_EffacerClick()
{
    const int Ligne = lb_Image->currentRow();
    if (Ligne < 0)
        return;
    FImages.Supprime(FSorte, IdSelectionne());
    delete lb_Image->takeItem(Ligne);
    // The preview is cleared even though the list selects a neighbour.
    const QSignalBlocker Bloque(lb_Image);
    lb_Image->setCurrentRow(-1);
    lb_ImageClick();
}

void Tf_ImageManager::bc_RenommerClick()
{
    QListWidgetItem* Ligne = lb_Image->currentItem();
    if (Ligne == nullptr)
        return;
    const std::string Nom = e_Nom->text().toStdString();
    if (!TImageManager::NomAdmis(Nom))
        return Signale(TexteNomPhotoRefuse);
    if (!FImages.Renomme(FSorte, IdSelectionne(), Nom))
        return Signale(TexteRenommageImpossible);
    Ligne->setText(QString::fromStdString(Nom));
}

void Tf_ImageManager::bc_ChoisirClick()
{
    if (lb_Image->currentItem() == nullptr)
        return;
    FChoisi = IdSelectionne();
    SetModalResult(ResultatModal::Ok);
}
