#include "raster/png.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "raster_test_util.h"

namespace {

std::string TempPath(const std::string& name) {
  return testing::TempDir() + "raster_png_" + name;
}

TEST(PngTest, WrittenBitmapReadsBackIdentically) {
  const raster::Bitmap original = raster_test::Numbered(37, 21);
  const std::string path = TempPath("roundtrip.png");
  std::string error;
  ASSERT_TRUE(raster::WritePng(original, path, &error)) << error;
  raster::Bitmap back;
  ASSERT_TRUE(raster::ReadPng(path, &back, &error)) << error;
  EXPECT_EQ(back, original);
  std::remove(path.c_str());
}

struct BadRead {
  const char* name;
  const char* contents;  // nullptr: the file does not exist
};

class PngReadFailureTest : public testing::TestWithParam<BadRead> {};

TEST_P(PngReadFailureTest, FailsWithAMessageNamingTheFile) {
  const std::string path = TempPath(GetParam().name);
  std::remove(path.c_str());
  if (GetParam().contents != nullptr) std::ofstream(path) << GetParam().contents;
  raster::Bitmap untouched(2, 2, 5);
  std::string error;
  EXPECT_FALSE(raster::ReadPng(path, &untouched, &error));
  EXPECT_NE(error.find(path), std::string::npos) << error;
  EXPECT_EQ(untouched, raster::Bitmap(2, 2, 5));
  std::remove(path.c_str());
}

INSTANTIATE_TEST_SUITE_P(Files, PngReadFailureTest,
                         testing::Values(BadRead{"missing.png", nullptr},
                                         BadRead{"text.png", "not a picture at all"},
                                         BadRead{"truncated.png", "\x89PNG\r\n\x1a\n\0\0"}));

TEST(PngTest, WriteFailsWithAMessageForAnUnwritablePathOrEmptyBitmap) {
  std::string error;
  EXPECT_FALSE(raster::WritePng(raster::Bitmap(4, 4), "/nonexistent-dir/x.png", &error));
  EXPECT_NE(error.find("/nonexistent-dir/x.png"), std::string::npos) << error;
  error.clear();
  EXPECT_FALSE(raster::WritePng(raster::Bitmap(), TempPath("empty.png"), &error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
