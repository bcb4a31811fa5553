#pragma once
// Composed pixels into an SDL surface at a whole scale, nearest neighbour: each pixel becomes a
// scale x scale block, so a dense screen shows the exact picture, only larger.

#include <SDL_rect.h>
#include <SDL_surface.h>

#include "raster/bitmap.h"

namespace sdlhost {

// Copies the pixels inside `box`, scaled, to the same place of the surface, as far as they fit
// there, and returns the screen box written (empty if none). `scale` is 1 or more; the surface
// must not be locked.
SDL_Rect CopyScaled(const raster::Bitmap& pixels, int scale, SDL_Surface* surface,
                    const raster::Rect& box);

}  // namespace sdlhost
