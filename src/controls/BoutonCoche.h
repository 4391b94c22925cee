#pragma once

#include "base/Utilities.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <string>

enum class TAlignement { taDroite, taGauche };

// A check or option box drawn by the program, with a caption. Boxes of one
// parent that share a groupe of 0 or more exclude each other.
class TBoutonCoche : public QWidget {
    Q_OBJECT
public:
    explicit TBoutonCoche(QWidget* parent = nullptr);

    bool Checked() const { return FChecked; }
    void SetChecked(bool valeur);
    TAlignement Alignement() const { return FAlignement; }
    void SetAlignement(TAlignement valeur);
    int Groupe() const { return FGroupe; }
    void SetGroupe(int valeur);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool valeur);
    TColor CouleurCoche() const { return FCouleurCoche; }
    void SetCouleurCoche(TColor couleur);
    std::string Caption() const { return FCaption.toStdString(); }
    void SetCaption(const std::string& caption);

    // The checked box of the same group among the siblings, nullptr when none.
    TBoutonCoche* DecocheGroupe() const;

    void Dessine(QPainter& canvas) const;

    std::function<void()> OnClick;

protected:
    // Top-left corner of the 13 x 13 box.
    QPoint PositionBoite() const;
    virtual void DessineBoite(QPainter& canvas, QPoint boite) const = 0;
    // What a press does: the square box toggles, the round one only checks.
    virtual void Presse() = 0;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void AjusteTaille();

    bool FChecked = false;
    TAlignement FAlignement = TAlignement::taDroite;
    int FGroupe = -1;
    bool FAutoSize = false;
    TColor FCouleurCoche = 0;
    QString FCaption;
    bool FPresse = false;
};

// The square check box; independent (groupe -1) unless put in a group.
class TCarreCoche : public TBoutonCoche {
    Q_OBJECT
public:
    explicit TCarreCoche(QWidget* parent = nullptr);

protected:
    void DessineBoite(QPainter& canvas, QPoint boite) const override;
    void Presse() override;
};

// The round option box; in group 0 from the start.
class TRondCoche : public TBoutonCoche {
    Q_OBJECT
public:
    explicit TRondCoche(QWidget* parent = nullptr);

    // The 12 x 12 pictures, enabled and disabled, with $808000 as transparent colour.
    const QImage& ImageActive() const { return FActive; }
    const QImage& ImageInactive() const { return FInactive; }

protected:
    void DessineBoite(QPainter& canvas, QPoint boite) const override;
    void Presse() override;

private:
    QImage FActive;
    QImage FInactive;
};
