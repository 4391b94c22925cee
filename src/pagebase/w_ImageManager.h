#pragma once

// The photo dialog of the person and stadium cards: the photos of one kind by
// name, a preview, and the buttons to choose, delete, rename and add one (from
// a PNG, GIF, JPEG or bitmap file, stored as JPEG). It closes with OK when a
// photo was chosen.

#include "files/ImageManager.h"
#include "platform/Dialogues.h"

class QLineEdit;
class QListWidget;
class TBoutonCopie;
class TLogo;

class Tf_ImageManager : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_ImageManager(TImageManager& Images, QWidget* parent = nullptr);

    // Lists the photos of the kind and selects the one of Id.
    void Initialise(int Sorte, int Id);
    // The chosen photo's id, -1 while none.
    int Choisi() const { return FChoisi; }

    void lb_ImageClick();
    void bc_AjouterClick();
    void bc_EffacerClick();
    void bc_RenommerClick();
    void bc_ChoisirClick();

    QListWidget* lb_Image;
    TLogo* Image;
    QLineEdit* e_Nom;
    TBoutonCopie* bc_Choisir;
    TBoutonCopie* bc_Effacer;
    TBoutonCopie* bc_Renommer;
    TBoutonCopie* bc_Ajouter;

private:
    void AjouteLigne(const std::string& Nom, int Id);
    int IdSelectionne() const;

    TImageManager& FImages;
    int FSorte = TImageManager::Stade;
    int FChoisi = -1;
};
