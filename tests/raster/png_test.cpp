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
  const pz417::Status written = raster::WritePng(original, path);
  ASSERT_TRUE(written) << written.error();
  const pz417::Result<raster::Bitmap> back = raster::ReadPng(path);
  ASSERT_TRUE(back) << back.error();
  EXPECT_EQ(*back, original);
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
  const pz417::Result<raster::Bitmap> read = raster::ReadPng(path);
  EXPECT_FALSE(read);
  EXPECT_NE(read.error().find(path), std::string::npos) << read.error();
  std::remove(path.c_str());
}

INSTANTIATE_TEST_SUITE_P(Files, PngReadFailureTest,
                         testing::Values(BadRead{"missing.png", nullptr},
                                         BadRead{"text.png", "not a picture at all"},
                                         BadRead{"truncated.png", "\x89PNG\r\n\x1a\n\0\0"}));

TEST(PngTest, WriteFailsWithAMessageForAnUnwritablePathOrEmptyBitmap) {
  const pz417::Status unwritable = raster::WritePng(raster::Bitmap(4, 4), "/nonexistent-dir/x.png");
  EXPECT_FALSE(unwritable);
  EXPECT_NE(unwritable.error().find("/nonexistent-dir/x.png"), std::string::npos)
      << unwritable.error();
  const pz417::Status empty = raster::WritePng(raster::Bitmap(), TempPath("empty.png"));
  EXPECT_FALSE(empty);
  EXPECT_FALSE(empty.error().empty());
}

}  // namespace
