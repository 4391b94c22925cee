#pragma once

#include "controls/ImageFond.h"

#include <QWidget>

#include <string>

// The hidden form that holds the skin models: every skinned panel, frame and
// button of the program paints from one of these through its Modele. The
// pictures are drawn by code when the form is created, with the sizes and
// margins the controls are laid out for. One instance, created at start-up
// (and by the interface tests' main) and never shown; Dessin() finds it.
class TDessin : public QWidget {
    Q_OBJECT
public:
    explicit TDessin(QWidget* parent = nullptr);
    ~TDessin() override;

    // A model by its name ("BoutonCreuxBleu"); nullptr when there is none.
    TFond* Fond(const std::string& nom) const;
    TBouton* Bouton(const std::string& nom) const;

    TFond* RondCreuxBleu;
    TFond* RondCreuxRouge;
    TFond* RondCreuxJaune;
    TFond* RondCreuxOrange;
    TFond* PetitRondCreuxBleu;
    TFond* FondCarrebleu;
    TFond* FondCarrebleuSimple;
    TFond* FondMenuBleu;
    TFond* FondToutBleu;
    TFond* FondCreuxBleu;
    TFond* BoutonCreuxBleu;
    TFond* BoutonCreuxJaune;
    TFond* BoutonCreuxRouge;
    TFond* BoutonCreuxOrange;
    TFond* PetitBoutonCreuxBleu;
    TFond* BoutonCreuxSelFushia;
    TFond* BoutonCreuxSelCyan;
    TFond* BoutonCreuxSelJaune;
    TBouton* BoutonOrange;
    TBouton* Boutonorange2;
    TBouton* Bouton1;
};

// The form of the running program, nullptr before it is created: controls
// without a model then draw nothing.
TDessin* Dessin();

// Colours of the skins, for the controls and forms that draw next to them
// ($00BBGGRR).
namespace CouleursTheme {
constexpr TColor Fond = 0x9B4C2B;         // the blue of the panels
constexpr TColor FondClair = 0xC8744F;    // their lit edge
constexpr TColor FondSombre = 0x5E2C18;   // their shaded edge
constexpr TColor TexteSurFond = 0x66E6FF; // the yellow written on the panels
} // namespace CouleursTheme

class QLabel;

// Captions drawn on the blue skin: white, light grey when disabled.
void TexteClair(QWidget* controle);
// A bold caption in the panels' yellow, on a see-through background.
void StyleTexteJaune(QLabel* label);
