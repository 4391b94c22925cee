#pragma once

#include "files/Image.h"

#include <cstdint>

namespace testsupport {

// An opaque picture of one colour.
TImage ImageUnie(int Largeur, int Hauteur, uint8_t R, uint8_t G, uint8_t B);

} // namespace testsupport
