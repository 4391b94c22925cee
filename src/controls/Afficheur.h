#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>

// A seven-segment number display, red or green, editable digit by digit when
// Edition is on (the attendance of a match).
class TAffichage : public QWidget {
    Q_OBJECT
public:
    explicit TAffichage(QWidget* parent = nullptr);

    const std::string& Nombre() const { return FNombre; }
    void SetNombre(const std::string& nombre);
    uint8_t NbCase() const { return FNbCase; }
    void SetNbCase(uint8_t nombre);
    // 1 red, 2 green.
    uint8_t Couleur() const { return FCouleur; }
    void SetCouleur(uint8_t couleur);
    bool Edition() const { return FEdition; }
    void SetEdition(bool valeur);

    // The digits as drawn, one per cell, left-padded with "0".
    std::string Chiffres() const;
    void Dessine(QPainter& canvas) const;

    std::function<void()> OnChange;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ChangeNombre(const std::string& nombre);

    std::string FNombre = "0";
    uint8_t FNbCase = 5;
    uint8_t FCouleur = 1;
    bool FEdition = false;
    bool FPremiereToucheEfface = false;
};
