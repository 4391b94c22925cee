#include "controls/ImageQt.h"

QImage VersQImage(const TImage& Image)
{
    if (Image.Vide())
        return {};
    const QImage Vue(Image.Pixels(), Image.Largeur(), Image.Hauteur(), static_cast<qsizetype>(Image.TailleLigne()),
                     QImage::Format_RGBA8888);
    // The view borrows the pixels; the copy owns its own.
    return Vue.copy();
}

std::unique_ptr<TGraphique> VersGraphique(const TImage* Image, TGraphique::TGenre Genre)
{
    if (Image == nullptr || Image->Vide())
        return nullptr;
    auto Graphique = std::make_unique<TGraphique>();
    Graphique->Genre = Genre;
    Graphique->Image = VersQImage(*Image);
    return Graphique;
}
