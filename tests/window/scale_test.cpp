// Whole display scales: the density's scale, kept to the screen, undone for input, and the
// option that overrides it.

#include "win/scale.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

struct DpiCase {
  double dpi;
  int scale;
};

class ScaleForDpi : public testing::TestWithParam<DpiCase> {};

TEST_P(ScaleForDpi, IsTheNearestWholeRatioTo96) {
  EXPECT_EQ(win::ScaleForDpi(GetParam().dpi), GetParam().scale);
}

INSTANTIATE_TEST_SUITE_P(Densities, ScaleForDpi,
                         testing::Values(DpiCase{0, 1}, DpiCase{-96, 1},
                                         DpiCase{std::numeric_limits<double>::quiet_NaN(), 1},
                                         DpiCase{96, 1}, DpiCase{143, 1}, DpiCase{144, 2},
                                         DpiCase{192, 2}, DpiCase{240, 3}, DpiCase{288, 3},
                                         DpiCase{1e9, win::MaxScale}));

struct FitCase {
  int wanted;
  win::Size screen;
  int scale;
};

class ScaleThatFits : public testing::TestWithParam<FitCase> {};

TEST_P(ScaleThatFits, LeavesAnEightHundredBySixHundredDesktop) {
  EXPECT_EQ(win::ScaleThatFits(GetParam().wanted, GetParam().screen), GetParam().scale);
}

INSTANTIATE_TEST_SUITE_P(Screens, ScaleThatFits,
                         testing::Values(FitCase{2, {3840, 2160}, 2}, FitCase{3, {3840, 2160}, 3},
                                         FitCase{4, {3840, 2160}, 3}, FitCase{2, {1920, 1080}, 1},
                                         FitCase{2, {1600, 1200}, 2}, FitCase{2, {1599, 1200}, 1},
                                         FitCase{3, {640, 480}, 1}, FitCase{1, {0, 0}, 1}));

struct UnscaledCase {
  int screen, scale, window;
};

class Unscaled : public testing::TestWithParam<UnscaledCase> {};

// Every screen pixel of a block is its window pixel, also left of and above the window.
TEST_P(Unscaled, GivesTheWindowPixelOfTheBlock) {
  EXPECT_EQ(win::Unscaled(GetParam().screen, GetParam().scale), GetParam().window);
}

INSTANTIATE_TEST_SUITE_P(Coordinates, Unscaled,
                         testing::Values(UnscaledCase{7, 1, 7}, UnscaledCase{-7, 1, -7},
                                         UnscaledCase{0, 2, 0}, UnscaledCase{1, 2, 0},
                                         UnscaledCase{2, 2, 1}, UnscaledCase{-1, 2, -1},
                                         UnscaledCase{-2, 2, -1}, UnscaledCase{-3, 2, -2},
                                         UnscaledCase{8, 3, 2}, UnscaledCase{9, 3, 3}));

// A window whose screen size is no multiple of the scale shows part of one more window pixel.
TEST(ContentLength, CountsAPartlyShownPixel) {
  const struct {
    int screen, scale, window;
  } cases[] = {{7, 1, 7}, {2032, 2, 1016}, {2033, 2, 1017}, {8, 3, 3}, {9, 3, 3}, {0, 2, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(win::ContentLength(c.screen, c.scale), c.window) << c.screen << " at x" << c.scale;
  }
}

struct OptionCase {
  std::vector<std::string> arguments;
  int scale;
  std::vector<std::string> left;
  const char* error;  // a part of the message; "" when there is none
};

class ScaleOption : public testing::TestWithParam<OptionCase> {};

TEST_P(ScaleOption, IsTakenOutOfTheArguments) {
  std::vector<std::string> arguments = GetParam().arguments;
  const pz417::Result<int> scale = win::TakeScaleOption(arguments);
  EXPECT_EQ(scale.value_or(-1), GetParam().scale);
  EXPECT_NE(scale.error().find(GetParam().error), std::string::npos) << scale.error();
  EXPECT_EQ(scale.error().empty(), *GetParam().error == '\0') << scale.error();
  if (GetParam().scale >= 0) {
    EXPECT_EQ(arguments, GetParam().left);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ScaleOption,
    testing::Values(OptionCase{{}, 0, {}, ""}, OptionCase{{"a", "b"}, 0, {"a", "b"}, ""},
                    OptionCase{{"a", "--scale", "2", "b"}, 2, {"a", "b"}, ""},
                    OptionCase{{"--scale=3"}, 3, {}, ""},
                    OptionCase{{"--scaled", "--scale", "1"}, 1, {"--scaled"}, ""},
                    OptionCase{{"--scale"}, -1, {}, "needs a number"},
                    OptionCase{{"--scale", "0"}, -1, {}, "from 1 to 8, not \"0\""},
                    OptionCase{{"--scale=9"}, -1, {}, "not \"9\""},
                    OptionCase{{"--scale", "2x"}, -1, {}, "not \"2x\""},
                    OptionCase{{"--scale="}, -1, {}, "not \"\""}));

}  // namespace
