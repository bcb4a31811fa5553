#pragma once
// The kit's 24 named colours.

#include "raster/bitmap.h"

namespace kit {

struct NamedColor {
  const char* name;
  raster::Color rgb;
};

constexpr int ColorCount = 24;
extern const NamedColor ColorTable[ColorCount];

// `color` if it names a colour, else 2 ("red") after a console notice.
int CheckColor(int color);

}  // namespace kit
