// Presses at the ends of the int range (a played script file can hold them) simply miss: the
// hit tests compute wide instead of overflowing.

#include <gtest/gtest.h>

#include <climits>

#include "case_name.h"
#include "preview.h"

namespace {

struct Press {
  int x, y;
};

class ExtremePress : public testing::TestWithParam<Press> {};

TEST_P(ExtremePress, MissesTheScoops) {
  const Press p = GetParam();
  for (int scoops = 1; scoops <= 3; ++scoops) EXPECT_EQ(IsOnScoops(p.x, p.y, scoops), 0);
}

TEST_P(ExtremePress, SelectsNoTopping) {
  const Press p = GetParam();
  ToppingArray xs = {0, INT_MAX - 10, INT_MIN + 10}, ys = {30, INT_MIN + 10, INT_MAX - 10};
  int mode = Selecting, selected = 0;
  // Each topping is more than 5 units away in at least one axis from every press here.
  SelectToppingAt(p.x, p.y, mode, 3, selected, xs, ys);
  EXPECT_EQ(mode, Selecting);
  EXPECT_EQ(selected, 0);
}

INSTANTIATE_TEST_SUITE_P(IntRangeEnds, ExtremePress,
                         testing::Values(Press{INT_MIN, INT_MAX}, Press{INT_MAX, INT_MIN},
                                         Press{5, INT_MIN}, Press{INT_MIN, 25}),
                         [](const auto& info) {
                           return replay_test::CaseName(
                               info.index,
                               std::to_string(info.param.x) + " " + std::to_string(info.param.y));
                         });

}  // namespace
