#pragma once

// Core pictures on the screen: the crests and photographs the core hands out
// are converted here for painting.

#include "controls/ImageFond.h"
#include "files/Image.h"

#include <QImage>

#include <memory>

// A copy of the picture; a null QImage for an empty one.
QImage VersQImage(const TImage& Image);
// The picture for a TLogo; nullptr when there is none.
std::unique_ptr<TGraphique> VersGraphique(const TImage* Image, TGraphique::TGenre Genre);
