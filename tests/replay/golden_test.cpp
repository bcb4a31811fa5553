// Whole screens compared pixel for pixel with pictures made by our own code and checked by eye.
// After a deliberate change of the pictures, look at the new ones and write them again from the
// source folder:
//   frosty-replay --canvas tests/replay/golden/intro.png
//   frosty-replay demo/demo.drive --canvas tests/replay/golden/demo.png
//       --window tests/replay/golden/demo-window.png
//   frosty-replay tests/replay/golden/menu-hover.drive
//       --window tests/replay/golden/menu-hover-window.png
//   frosty-replay tests/replay/golden/menu-bar-f10.drive
//       --window tests/replay/golden/menu-bar-f10-window.png

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "raster/png.h"
#include "replay_session.h"

namespace {

namespace fs = std::filesystem;

struct Golden {
  const char* name;
  std::vector<std::string> inputs;  // relative to the source folder
  const char* option;               // --canvas or --window
  const char* picture;              // in tests/replay/golden
};

class Goldens : public testing::TestWithParam<Golden> {};

// Where the first differing pixel lies, to start looking.
std::string FirstDifference(const raster::Bitmap& actual, const raster::Bitmap& expected) {
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      if (actual.pixel(x, y) != expected.pixel(x, y)) {
        return "first difference at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
      }
    }
  }
  return "no difference";
}

TEST_P(Goldens, MatchPixelForPixel) {
  const Golden& c = GetParam();
  replay_test::TempDir dir;
  std::vector<std::string> arguments;
  for (const std::string& input : c.inputs) arguments.push_back(FROSTY_SOURCE_DIR "/" + input);
  arguments.insert(arguments.end(), {c.option, "actual.png"});
  const replay_test::Run run = replay_test::RunReplay(arguments, dir.path());
  ASSERT_EQ(run.exitCode, 0) << run.errors;

  const pz417::Result<raster::Bitmap> readActual =
      raster::ReadPng((dir.path() / "actual.png").string());
  ASSERT_TRUE(readActual) << readActual.error();
  const fs::path golden = fs::path(FROSTY_SOURCE_DIR) / "tests/replay/golden" / c.picture;
  const pz417::Result<raster::Bitmap> readExpected = raster::ReadPng(golden.string());
  ASSERT_TRUE(readExpected) << readExpected.error();
  const raster::Bitmap &actual = *readActual, &expected = *readExpected;
  ASSERT_EQ(actual.width(), expected.width());
  ASSERT_EQ(actual.height(), expected.height());
  if (actual != expected) {
    // Kept beside the test binary, for a look.
    const fs::path kept = fs::current_path() / (std::string("actual-") + c.picture);
    fs::copy_file(dir.path() / "actual.png", kept, fs::copy_options::overwrite_existing);
    ADD_FAILURE() << c.picture << " differs, " << FirstDifference(actual, expected)
                  << "; this run's picture is " << kept;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, Goldens,
    testing::Values(Golden{"IntroCanvas", {}, "--canvas", "intro.png"},
                    Golden{"DemoCanvas", {"demo/demo.drive"}, "--canvas", "demo.png"},
                    Golden{"DemoWindow", {"demo/demo.drive"}, "--window", "demo-window.png"},
                    Golden{"MenuHover",
                           {"tests/replay/golden/menu-hover.drive"},
                           "--window",
                           "menu-hover-window.png"},
                    Golden{"MenuBarSelectedByF10",
                           {"tests/replay/golden/menu-bar-f10.drive"},
                           "--window",
                           "menu-bar-f10-window.png"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
