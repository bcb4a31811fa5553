#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "raster/png.h"
#include "scene.h"

namespace {

// Set RASTER_UPDATE_GOLDEN=1 to rewrite the images after a deliberate change; look at them
// before committing.
bool Updating() {
  const char* v = std::getenv("RASTER_UPDATE_GOLDEN");
  return v != nullptr && std::string(v) == "1";
}

class GoldenTest : public testing::TestWithParam<raster_test::Scene> {};

TEST_P(GoldenTest, MatchesTheGoldenImagePixelForPixel) {
  const raster_test::Scene& scene = GetParam();
  const raster::Bitmap drawn = raster_test::RenderScene(scene);
  const std::string path = std::string(RASTER_GOLDEN_DIR) + "/" + scene.name + ".png";
  if (Updating()) {
    const pz417::Status written = raster::WritePng(drawn, path);
    ASSERT_TRUE(written) << written.error();
  }
  const pz417::Result<raster::Bitmap> read = raster::ReadPng(path);
  ASSERT_TRUE(read) << read.error();
  const raster::Bitmap& golden = *read;
  ASSERT_EQ(golden.width(), drawn.width());
  ASSERT_EQ(golden.height(), drawn.height());
  int differing = 0;
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) differing += golden.pixel(x, y) != drawn.pixel(x, y);
  }
  EXPECT_EQ(differing, 0) << path;
}

INSTANTIATE_TEST_SUITE_P(Scenes, GoldenTest, testing::ValuesIn(raster_test::FigureScenes()),
                         [](const testing::TestParamInfo<raster_test::Scene>& info) {
                           return info.param.name;
                         });

}  // namespace
