#pragma once

#include "base/ServiceMessage.h"
#include "platform/Dialogues.h"

#include <cstdint>
#include <string>

class QLabel;
class TBoutonCopie;
class TFondCopie;

// The program's message and question box: a skinned tool window with the
// centred, word-wrapped text and up to three skinned buttons (four when every
// flag is asked) whose captions come from the translator; each button's Tag
// is the result it gives. Built for one message and freed after it.
class Tf_MessageUtil : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_MessageUtil(QWidget* parent = nullptr);

    // Lays the box out for Texte and the buttons of Flags.
    void Prepare(const std::string& texte, uint16_t flags);
    void BoutonCopie1Click(TBoutonCopie* bouton);

    TFondCopie* Fond;
    QLabel* Label1;
    TBoutonCopie* BoutonCopie1;
    TBoutonCopie* BoutonCopie2;
    TBoutonCopie* BoutonCopie3;
    // Only for a box that asks for all four answers at once.
    TBoutonCopie* BoutonCopie4;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PrepareTableau(uint16_t flags);
    void PrepareAutre(uint16_t flags);
    void PlaceBoutons();

    enum class TDisposition { Tableau, Autre };
    TDisposition FDisposition = TDisposition::Tableau;
};

// The message service of the running program: the box above, run modally
// through the dialog service. Installed for its lifetime.
class TMessagesFenetre : public TServiceMessage {
public:
    TMessagesFenetre();
    ~TMessagesFenetre() override;
    TMessagesFenetre(const TMessagesFenetre&) = delete;
    TMessagesFenetre& operator=(const TMessagesFenetre&) = delete;

    uint16_t Affiche(const std::string& texte, uint16_t flags) override;

private:
    TServiceMessage* FAncien;
};
