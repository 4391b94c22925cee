#pragma once

#include "platform/Dialogues.h"

#include <string>

class QLabel;
class TBouton;
class TFondCopie;
class TRondCoche;

// The language choice: French or English, written to [General] Langue of the
// settings file. A change of a language already chosen takes effect at the
// next start, which the user is told.
class Tf_ChoixLangue : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_ChoixLangue(QWidget* parent = nullptr);

    // Reads the language set and checks its option.
    void FormShow();
    void b_ValiderClick();

    // The language set when the form was shown ("" when none was).
    std::string Langue;
    // Checked when none is set yet: the desktop's, when it is French or English.
    std::string LangueDuSysteme;
    std::string FichierIni;

    TFondCopie* FondCopie1;
    TRondCoche* rc_Francais;
    TRondCoche* rc_Anglais;
    QLabel* Image2;
    QLabel* Image3;
    TBouton* b_Valider;

protected:
    void showEvent(QShowEvent* event) override;
};
