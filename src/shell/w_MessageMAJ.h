#pragma once

#include "platform/Dialogues.h"

#include <string>

class QLabel;
class QWidget;
class TBoutonCopie;

// The answer of the update check: its text, an OK button and a button that
// opens the site's download page (the dialog stays open then).
class Tf_MessageMAJ : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_MessageMAJ(QWidget* parent = nullptr);

    // Lays the form out for Texte and shows it modally; returns the modal result.
    int Affiche(const std::string& texte);
    void b_OkClick();
    void bc_SiteClick();

    // The site's base address ([Internet] Site of the settings file).
    std::string Site;

    QLabel* Label1;
    TBoutonCopie* b_Ok;
    TBoutonCopie* bc_Site;
};

// Shows the update message and returns its modal result.
int AfficheMessageMaj(const std::string& texte, const std::string& site, QWidget* parent = nullptr);

// A page of the site: the base address and the path joined by exactly one "/".
std::string AdresseSite(const std::string& base, const std::string& chemin);
