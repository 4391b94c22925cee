#pragma once

// The content of a text report (TEditeur): numbered lines of text with one
// colour code per character, their layout (wrapping at blanks, alignment,
// justification), and the HTML form. The rankings displays fill it and the
// tests read it back; the report widget paints it.

#include "base/Canevas.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The sixteen colours of the codes ($00BBGGRR); any other code is $800000.
TColor CouleurCodeEditeur(uint8_t Code);

struct TLigneEditeur {
    std::string Texte;
    // One colour code per character of Texte.
    std::vector<uint8_t> Couleurs;
    bool Fixe = false;      // fixed pitch, 8 pixels a character
    uint8_t Alignement = 0; // 0 left, 1 centre, 2 right
    uint16_t Decalage = 0;  // extra left offset in pixels
    // Markup of the HTML form, each before the character of its index (the
    // line's length: at its end); never drawn, never escaped.
    std::vector<std::pair<size_t, std::string>> Balises;
};

class TModeleEditeur {
public:
    TModeleEditeur();
    virtual ~TModeleEditeur();
    TModeleEditeur(const TModeleEditeur&) = delete;
    TModeleEditeur& operator=(const TModeleEditeur&) = delete;

    int GetNbLigne() const { return static_cast<int>(Lignes_.size()); }
    void SetNbLigne(int N);
    // Line N (1-based), nullptr outside 1..NbLigne.
    TLigneEditeur* GetLigne(int N);
    const TLigneEditeur* GetLigne(int N) const;

    // Writes line N; Ajoute appends to the line's text. Unless SansControle,
    // the line must fit the control: 2 when it is too low for it (never for a
    // Defilant report), 1 when the text is too wide, and nothing changes.
    // 255 for a line number outside 1..NbLigne; 0 when the line was written.
    uint8_t SetLigne(int N, std::string_view Texte, bool SansControle, bool Ajoute, uint8_t Couleur);
    void EffaceLigne(int N);
    // One empty line, nothing left out: the report written anew.
    void Vide();
    // Pieces of text a writer had to leave out of the report for want of room;
    // the checks of the views look for them.
    int GetNbOmis() const { return NbOmis_; }
    void Omet() { ++NbOmis_; }
    // Appends markup to the end of line N, for the HTML form only: the line's
    // text stays escaped around it and the screen does not show it.
    void AjouteBalise(int N, std::string_view Balise);

    // The lines as HTML: one coloured run per change of colour, "<BR>" after each line.
    std::string GetTexteHtml() const;
    void GetTexteHtml(std::string& Html) const { Html = GetTexteHtml(); }
    // False when the file cannot be written. A created page takes Titre as
    // its title and heading.
    bool ExporteHtml(const std::string& NomFichier, bool Creer, const std::string& Titre = {}) const;

    // Lays out and draws every line into R; in print mode the text is black.
    // Returns the number of rows the lines took. With NbRangees of zero or
    // more, only that many rows from Premiere are drawn, the first at R's top
    // (a page of a printout).
    int Dessine(TCanevas& Canevas, const TRect& R, bool Impression, int Premiere = 0, int NbRangees = -1);
    // How far apart the rows are drawn on the canvas's font.
    int HauteurRangee(TCanevas& Canevas, bool Impression) const;

    // The control's size, which SetLigne checks the lines against.
    virtual int GetLargeur() const { return Largeur_; }
    virtual int GetHauteur() const { return Hauteur_; }
    void SetTaille(int Largeur, int Hauteur);
    // Whether the control is shown, and its place in its parent.
    bool GetVisible() const { return Visible_; }
    void SetVisible(bool Visible);
    virtual int GetGauche() const { return Gauche_; }
    virtual int GetHaut() const { return Haut_; }
    void SetPosition(int Gauche, int Haut);
    // The measures of the control's font (a fixed-pitch measure until the
    // widget gives its own); not owned.
    void SetMesure(TMesureTexte* Mesure) { Mesure_ = Mesure ? Mesure : &MesureDefaut_; }

    uint8_t HauteurLigne = 18;
    bool AutoHauteur = false;
    uint8_t Marge = 0;
    uint8_t MargeHaut = 0;
    bool JustifyDoc = true;
    // The last report a text goes to: lines below its box are taken rather
    // than refused, and the control scrolls to them.
    bool Defilant = false;

protected:
    virtual void Repeint() {}
    // AutoHauteur chose a new height for the control.
    virtual void AppliqueHauteur(int) {}
    virtual void AppliqueTaille(int, int) {}
    virtual void AppliqueVisible(bool) {}
    virtual void AppliquePosition(int, int) {}

private:
    std::vector<std::unique_ptr<TLigneEditeur>> Lignes_;
    int Largeur_ = 100;
    int Hauteur_ = 100;
    bool Visible_ = true;
    int Gauche_ = 0;
    int Haut_ = 0;
    int NbOmis_ = 0;
    TMesureFixe MesureDefaut_;
    TMesureTexte* Mesure_ = &MesureDefaut_;
};
