// The button handler's guard: a row index outside the column (which the main loop never hands
// it) changes nothing and draws the notice. Run in-process, with the kit open on a headless host.

#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "headless/headless_host.h"
#include "preview.h"
#include "pz417/kit_tools.h"

namespace {

class PressButtonGuard : public testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() {
    host_ = new headless::HeadlessHost;
    win::SetHost(host_);
    KitOpen(nullptr, nullptr, "", 1);
    KitSetPrintHook([](std::string_view message) { log_ += message; });
  }
  static void TearDownTestSuite() {
    KitSetPrintHook({});
    KitClose();
    win::SetHost(nullptr);
    delete host_;
  }
  void SetUp() override { log_.clear(); }

  static headless::HeadlessHost* host_;
  static std::string log_;
};
headless::HeadlessHost* PressButtonGuard::host_ = nullptr;
std::string PressButtonGuard::log_;

TEST_P(PressButtonGuard, ChangesNothingAndDrawsTheNotice) {
  int scoopCount = 2, mode = Coloring, lastButton = ChangeColor;
  ToppingArray kinds = {Burst};
  PressButton(GetParam(), scoopCount, kinds, 0, mode, lastButton);
  EXPECT_EQ(scoopCount, 2);
  EXPECT_EQ(mode, Coloring);
  EXPECT_EQ(lastButton, ChangeColor);
  EXPECT_EQ(kinds[0], Burst);
  EXPECT_EQ(log_, "red text at (0,0), \"BAAAADDD NEWS!\"\n");
}

// y 270 gives row -1, y 70 row 7: the first rows beyond the column on either side.
INSTANTIATE_TEST_SUITE_P(RowsOffTheColumn, PressButtonGuard,
                         testing::Values(270, 70, 0, -100000, 100000), replay_test::PrintedName());

}  // namespace
