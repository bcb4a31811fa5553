#pragma once
// Composed pixels into an SDL surface at a whole scale, nearest neighbour: each pixel becomes a
// scale x scale block, so a dense screen shows the exact picture, only larger.

#include <SDL_surface.h>

#include "raster/bitmap.h"

namespace sdlhost {

// Copies what of the scaled picture fits into the surface, from its top-left corner. `scale` is
// 1 or more; the surface must not be locked.
void CopyScaled(const raster::Bitmap& pixels, int scale, SDL_Surface* surface);

}  // namespace sdlhost
