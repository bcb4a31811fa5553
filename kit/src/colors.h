#pragma once
// The kit's 24 named colours, indexed by kit.h's KitColor names.

#include "pz417/kit.h"
#include "raster/bitmap.h"

namespace kit {

struct NamedColor {
  const char* name;
  raster::Color rgb;
};

constexpr int ColorCount = 24;
static_assert(KitColor::Gray20 == ColorCount - 1, "every colour has its name in kit.h");
extern const NamedColor ColorTable[ColorCount];

// `color` if it names a colour, else 2 ("red") after a console notice.
int CheckColor(int color);

}  // namespace kit
