#pragma once

// The ratings of the current match's players. TNotesMatch keeps them; the
// page shows the 2 x 14 slots and hands it what is typed.

#include "controls/ImageFond.h"
#include "pagebase/DefType.h"
#include "presentation/NotesMatch.h"

#include <array>
#include <memory>

class QLabel;
class QToolButton;

class Tf_Notes : public TFootForm {
    Q_OBJECT
public:
    explicit Tf_Notes(QWidget* parent = nullptr);
    ~Tf_Notes() override;

    void Initialiser(TPrincipale* principale);
    void AfficherMatch();
    void EnregistrerNotes();
    void UpDown1Click(int sens);
    void ValideSaisieEnCours() override;
    void fc_NotesResize();
    void FondEquipeDomicileresize();
    void FondEquipeExterieurresize();

    TNotesMatch* Notes() const { return FNotes.get(); }
    TCadre* Nom(int cote, int s) const;
    TEditRond* Note(int cote, int s) const;

    TCadre* c_EqDomicile;
    TCadre* c_ScDomicile;
    TCadre* c_ScExterieur;
    TCadre* c_EqExterieur;
    QWidget* UpDown1;
    TFondScroll* FondEquipeDomicile;
    TFondScroll* FondEquipeExterieur;
    QLabel* l_SansNote; // under the lists while the season has no rating

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Montre();
    void PlaceSlots(int cote);

    std::unique_ptr<TNotesMatch> FNotes;
    std::array<std::array<TCadre*, 14>, 2> FNoms{};
    std::array<std::array<TEditRond*, 14>, 2> FBoites{};
    bool FEnAffichage = false;
    bool FMontree = false;
};

// Command 18, for the main window.
void EnregistrePagesNotes();
