#pragma once

#include "base/Canevas.h"

#include <string>
#include <vector>

namespace testsupport {

// A drawing surface that records what is drawn on it, with fixed-pitch text
// measures (7 pixels a character, 14 high), so tests can check a model's
// layout and drawing without a screen.
class TCanevasTest : public TCanevas {
public:
    TCanevasTest() = default;
    // Other fixed measures: every character Largeur wide (LargeurGras in bold), every text Hauteur high.
    TCanevasTest(int Largeur, int Hauteur, int LargeurGras) : Mesure_{Largeur, Hauteur, LargeurGras} {}

    enum class TGenre { Ligne, Contour, Remplit, Texte, Image, Decoupe };
    struct TTrace {
        TGenre Genre;
        TRect R;        // the line's ends are (Left, Top) and (Right, Bottom)
        TColor Couleur; // pen, fill or font colour
        std::string Texte;
        TPolice Police;
    };

    void SetCrayon(TColor Couleur, int) override { Crayon_ = Couleur; }
    void Ligne(int X1, int Y1, int X2, int Y2) override { Ajoute(TGenre::Ligne, Rect(X1, Y1, X2, Y2), Crayon_); }
    void Contour(const TRect& R) override { Ajoute(TGenre::Contour, R, Crayon_); }
    void Remplit(const TRect& R, TColor Couleur) override { Ajoute(TGenre::Remplit, R, Couleur); }
    void SetPolice(const TPolice& Police) override
    {
        Police_ = Police;
        Mesure_.SetGras(Police.Gras);
    }
    TPolice GetPolice() const override { return Police_; }
    void Texte(int X, int Y, std::string_view Texte) override
    {
        Ajoute(TGenre::Texte, Rect(X, Y, X + LargeurTexte(Texte), Y + HauteurTexte(Texte)), Police_.Couleur,
               std::string(Texte));
    }
    void Image(const TImage&, const TRect& Destination) override { Ajoute(TGenre::Image, Destination, 0); }
    void Decoupe(const TRect& R) override { Ajoute(TGenre::Decoupe, R, 0); }
    void FinDecoupe() override {}
    int LargeurTexte(std::string_view Texte) override { return Mesure_.LargeurTexte(Texte); }
    int HauteurTexte(std::string_view Texte) override { return Mesure_.HauteurTexte(Texte); }

    std::vector<TTrace> Traces;
    std::vector<TTrace> DuGenre(TGenre Genre) const
    {
        std::vector<TTrace> R;
        for (const TTrace& T : Traces)
            if (T.Genre == Genre)
                R.push_back(T);
        return R;
    }

private:
    void Ajoute(TGenre Genre, const TRect& R, TColor Couleur, std::string Texte = {})
    {
        Traces.push_back(TTrace{Genre, R, Couleur, std::move(Texte), Police_});
    }

    TColor Crayon_ = 0;
    TPolice Police_;
    TMesureFixe Mesure_{7, 14, 8};
};

} // namespace testsupport
