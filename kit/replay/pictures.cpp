#include "pictures.h"

#include "raster/png.h"

namespace replay {

pz417::Status SavePicture(const raster::Bitmap& picture, const std::string& path) {
  if (picture.width() == 0) return pz417::Failure("the window was never shown");
  return raster::WritePng(picture, path);
}

}  // namespace replay
