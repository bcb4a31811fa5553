// The queue's order, timers, waiting and presenting, through the public calls.

#include <functional>

#include "window_test_util.h"

namespace {

using namespace window_test;
using win::Msg;
using Strings = std::vector<std::string>;

// ---- order of a peek -------------------------------------------------------------------------

struct OrderCase {
  const char* name;
  std::function<void(win::WindowId, TestHost&)> arrange;
  Strings taken;
};

void DueTimer(win::WindowId window, TestHost& host) {
  ASSERT_TRUE(win::SetTimer(window, 2, 100));
  host.now += 100;
}

const OrderCase orderCases[] = {
    {"PostedBeforeInput",
     [](win::WindowId w, TestHost&) {
       win::InputPress(w, 10, 20);
       win::PostMessage(w, Msg::Command, 7, 0);
     },
     {"Command 7", "LButtonDown 10,20"}},
    {"InputBeforePaint",
     [](win::WindowId w, TestHost&) {
       win::InvalidateWindow(w, false);
       win::InputKeyDown(win::vk::Left, -1);
     },
     {"KeyDown 37", "Paint"}},
    {"PaintBeforeTimer",
     [](win::WindowId w, TestHost& host) {
       DueTimer(w, host);
       win::InvalidateWindow(w, true);
     },
     {"Paint", "Timer 2"}},
    {"AllFourKinds",
     [](win::WindowId w, TestHost& host) {
       DueTimer(w, host);
       win::InvalidateWindow(w, false);
       win::InputKeyDown(win::vk::F1, -1);
       win::PostMessage(w, Msg::Command, 1, 0);
     },
     {"Command 1", "KeyDown 112", "Paint", "Timer 2"}},
    {"InputInTheOrderItHappened",
     [](win::WindowId w, TestHost&) {
       win::InputKeyDown(win::vk::F1, -1);
       win::InputPress(w, 1, 2);
       win::InputKeyUp(win::vk::F1);
     },
     {"KeyDown 112", "LButtonDown 1,2", "KeyUp 112"}},
    // The character of Ctrl+A is taken before the key-ups already waiting.
    {"CharBeforeWaitingKeyUp",
     [](win::WindowId, TestHost&) {
       win::InputKeyDown(win::vk::Control, -1);
       win::InputKeyDown('A', 1);
       win::InputKeyUp('A');
       win::InputKeyUp(win::vk::Control);
     },
     {"KeyDown 17", "KeyDown 65", "Char 1", "KeyUp 65", "KeyUp 17"}},
    {"QuitTakenInPostedOrder",
     [](win::WindowId w, TestHost&) {
       win::InputPress(w, 0, 0);
       win::PostQuitMessage(3);
       win::PostMessage(w, Msg::Command, 2, 0);
     },
     {"Quit 3", "Command 2", "LButtonDown 0,0"}},
};

class QueueOrder : public WindowSystemTest, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(QueueOrder, PeeksTakeMessagesByPriority) {
  const win::WindowId window = MakeWindow();
  GetParam().arrange(window, host);
  EXPECT_EQ(Describe(Drain()), GetParam().taken);
}

INSTANTIATE_TEST_SUITE_P(Window, QueueOrder, ::testing::ValuesIn(orderCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowSystemTest, QuitIsReturnedButNeverDispatched) {
  const win::WindowId window = MakeWindow();
  win::PostQuitMessage(0);
  win::Message m;
  ASSERT_TRUE(win::PeekMessage(m));
  EXPECT_EQ(m.msg, Msg::Quit);
  EXPECT_EQ(win::DispatchMessage(m), 0);
  EXPECT_TRUE(ReceivedOf({Msg::Quit}).empty());
  EXPECT_TRUE(win::IsWindow(window));
}

TEST_F(WindowSystemTest, PaintComesAgainUntilTheWindowIsValidated) {
  const win::WindowId window = MakeWindow();
  win::InvalidateWindow(window, false);
  win::Message m;
  ASSERT_TRUE(win::PeekMessage(m));
  ASSERT_TRUE(win::PeekMessage(m));  // not dispatched, so not validated
  EXPECT_EQ(m.msg, Msg::Paint);
  win::DispatchMessage(m);
  EXPECT_FALSE(win::PeekMessage(m));
}

TEST_F(WindowSystemTest, HiddenWindowsGetNoPaint) {
  const win::WindowId window = MakeWindow();
  win::ShowWindow(window, false);
  win::InvalidateWindow(window, true);
  EXPECT_TRUE(Drain().empty());
}

// ---- timers ----------------------------------------------------------------------------------

struct TimerCase {
  const char* name;
  // Clock readings in turn, with how many Timer messages the queue then holds.
  std::vector<std::pair<std::int64_t, int>> readings;
};

const TimerCase timerCases[] = {
    {"OnlyWhenThePeriodHasPassed", {{0, 0}, {99, 0}, {100, 1}, {150, 0}, {199, 0}, {200, 1}}},
    {"NeverTwoPendingAfterALongGap", {{1000, 1}, {1000, 0}}},
    {"NextDueAPeriodAfterDelivery", {{350, 1}, {400, 0}, {449, 0}, {450, 1}, {549, 0}}},
};

class TimerTiming : public WindowSystemTest, public ::testing::WithParamInterface<TimerCase> {};

TEST_P(TimerTiming, DeliversOneMessagePerPassedPeriod) {
  const win::WindowId window = MakeWindow();
  ASSERT_TRUE(win::SetTimer(window, 2, 100));
  for (const auto& [now, expected] : GetParam().readings) {
    host.now = now;
    EXPECT_EQ(static_cast<int>(Drain().size()), expected) << "at " << now << " ms";
  }
}

INSTANTIATE_TEST_SUITE_P(Window, TimerTiming, ::testing::ValuesIn(timerCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowSystemTest, TimersAreKilledAndResetById) {
  const win::WindowId window = MakeWindow();
  ASSERT_TRUE(win::SetTimer(window, 1, 100));
  ASSERT_TRUE(win::SetTimer(window, 2, 30));
  host.now = 60;
  EXPECT_EQ(Describe(Drain()), Strings{"Timer 2"});
  ASSERT_TRUE(win::SetTimer(window, 2, 200));  // again with the same id: a new period from now
  win::KillTimer(window, 1);
  host.now = 259;
  EXPECT_TRUE(Drain().empty());
  host.now = 260;
  EXPECT_EQ(Describe(Drain()), Strings{"Timer 2"});
}

TEST_F(WindowSystemTest, DestroyingAWindowDropsItsTimersAndMessages) {
  const win::WindowId window = MakeWindow();
  ASSERT_TRUE(win::SetTimer(window, 2, 100));
  win::PostMessage(window, Msg::Command, 1, 0);
  win::InputPress(window, 1, 1);
  win::DestroyWindow(window);
  host.now = 500;
  EXPECT_TRUE(Drain().empty());
}

// ---- waiting ---------------------------------------------------------------------------------

struct WaitCase {
  const char* name;
  std::function<void(win::WindowId, TestHost&)> arrange;
};

const WaitCase waitingCases[] = {
    {"Posted", [](win::WindowId w, TestHost&) { win::PostMessage(w, Msg::Command, 1, 0); }},
    {"Input", [](win::WindowId w, TestHost&) { win::InputPress(w, 1, 1); }},
    {"Paint", [](win::WindowId w, TestHost&) { win::InvalidateWindow(w, false); }},
    {"DueTimer", DueTimer},
};

class WaitReturnsAtOnce : public WindowSystemTest,
                          public ::testing::WithParamInterface<WaitCase> {};

TEST_P(WaitReturnsAtOnce, WhenSomethingWaits) {
  const win::WindowId window = MakeWindow();
  GetParam().arrange(window, host);
  win::WaitMessage();
  EXPECT_TRUE(host.deadlines.empty());
}

INSTANTIATE_TEST_SUITE_P(Window, WaitReturnsAtOnce, ::testing::ValuesIn(waitingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowSystemTest, WaitAsksTheHostToWakeAtTheEarliestTimer) {
  const win::WindowId window = MakeWindow();
  win::WaitMessage();
  host.now = 40;
  ASSERT_TRUE(win::SetTimer(window, 1, 500));
  ASSERT_TRUE(win::SetTimer(window, 2, 100));
  win::WaitMessage();
  ASSERT_EQ(host.deadlines.size(), 2u);
  EXPECT_EQ(host.deadlines[0], std::nullopt);
  EXPECT_EQ(host.deadlines[1], 140);
}

TEST_F(WindowSystemTest, WaitPresentsChangedWindowsBeforeWaiting) {
  const win::WindowId window = MakeWindow();
  host.calls.clear();
  win::FillClientRect(window, {0, 0, 5, 5}, 0xFF0000);
  win::WaitMessage();
  EXPECT_EQ(host.calls, (Strings{"present 1", "wait"}));
}

// ---- presenting ------------------------------------------------------------------------------

struct PresentCase {
  const char* name;
  std::function<void(win::WindowId)> draw;
  int presents;
};

const PresentCase presentCases[] = {
    {"NothingDrawn", [](win::WindowId) {}, 0},
    {"ManyDrawingsOnePresent",
     [](win::WindowId w) {
       win::FillClientRect(w, {0, 0, 9, 9}, 1);
       win::ScrollClient(w, -2);
       win::TextOut(w, 0, 0, "x", raster::Face::Sans, 11);
     },
     1},
    {"HiddenWindowNotPresented",
     [](win::WindowId w) {
       win::ShowWindow(w, false);
       win::FillClientRect(w, {0, 0, 9, 9}, 1);
     },
     0},
    {"MenuOpened", [](win::WindowId w) { win::InputPress(w, 5, 5); }, 1},
};

class Presenting : public WindowSystemTest, public ::testing::WithParamInterface<PresentCase> {};

TEST_P(Presenting, ShowsEachChangeOnce) {
  const win::WindowId window = MakeGraphicsWindow();
  host.presented.clear();
  GetParam().draw(window);
  Drain();
  win::Message m;
  win::PeekMessage(m);
  EXPECT_EQ(static_cast<int>(host.presented.size()), GetParam().presents);
}

INSTANTIATE_TEST_SUITE_P(Window, Presenting, ::testing::ValuesIn(presentCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowSystemTest, PresentShowsTheComposedWindow) {
  const win::WindowId window = MakeGraphicsWindow();
  win::FillClientRect(window, {0, 0, 1, 1}, 0x123456);
  host.presented.clear();
  Drain();
  ASSERT_EQ(host.presented.size(), 1u);
  EXPECT_EQ(host.presented[0], win::ComposeWindow(window));
  EXPECT_EQ(host.presented[0].pixel(0, win::MenuBarHeight), 0x123456u);
}

TEST_F(WindowSystemTest, PeekTakesWhatTheHostPumpsInTheSamePeek) {
  const win::WindowId window = MakeWindow();
  host.onPump = [&] {
    win::InputPress(window, 3, 4);
    host.onPump = nullptr;
  };
  win::Message m;
  ASSERT_TRUE(win::PeekMessage(m));
  EXPECT_EQ(Describe(m), "LButtonDown 3,4");
}

}  // namespace
