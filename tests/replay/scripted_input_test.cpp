// Scripted input on the headless host: steps run one per wait, on a clock that moves only with
// ticks.

#include "scripted_input.h"

#include <filesystem>
#include <functional>

#include "headless/headless_host.h"
#include "pictures.h"
#include "raster/png.h"
#include "window_test_util.h"

namespace {

using namespace window_test;
using win::Msg;
using Strings = std::vector<std::string>;
using headless::HeadlessHost;
using replay::ScriptedInput;

class ScriptedInputTest : public WindowSystemTest {
 protected:
  win::Host& SystemHost() override { return host; }
  // One wait of a program's loop, then everything it let in.
  Strings WaitAndDrain() {
    win::WaitMessage();
    return Describe(Drain());
  }

  HeadlessHost host;
  ScriptedInput scenario{host};
};

struct TypeCase {
  const char* name;
  const char* text;
  Strings delivered;
};

const TypeCase typeCases[] = {
    {"LowerCaseLetter", "a", {"KeyDown 65", "Char 97", "KeyUp 65"}},
    {"UpperCaseLetter", "Z", {"KeyDown 90", "Char 90", "KeyUp 90"}},
    {"Digit", "7", {"KeyDown 55", "Char 55", "KeyUp 55"}},
    {"Space", " ", {"KeyDown 32", "Char 32", "KeyUp 32"}},
    {"NewlineIsEnter", "\n", {"KeyDown 13", "Char 13", "KeyUp 13"}},
    {"Tab", "\t", {"KeyDown 9", "Char 9", "KeyUp 9"}},
    {"Backspace", "\b", {"KeyDown 8", "Char 8", "KeyUp 8"}},
    {"Escape", "\x1b", {"KeyDown 27", "Char 27", "KeyUp 27"}},
    {"ShiftedDigit", "!", {"KeyDown 49", "Char 33", "KeyUp 49"}},
    {"Punctuation", "/", {"KeyDown 191", "Char 47", "KeyUp 191"}},
    {"CharacterWithoutAKey", "\xe9", {"Char 233"}},
};

class Typing : public ScriptedInputTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(Typing, SendsKeyDownCharacterAndKeyUp) {
  MakeWindow();
  scenario.Type(GetParam().text);
  EXPECT_EQ(WaitAndDrain(), GetParam().delivered);
}

INSTANTIATE_TEST_SUITE_P(Replay, Typing, ::testing::ValuesIn(typeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScriptedInputTest, EachStepWaitsForItsOwnWait) {
  MakeWindow();
  scenario.Type("ab");
  EXPECT_EQ(scenario.Pending(), 2u);
  EXPECT_EQ(WaitAndDrain(), (Strings{"KeyDown 65", "Char 97", "KeyUp 65"}));
  EXPECT_EQ(scenario.Pending(), 1u);
  EXPECT_EQ(WaitAndDrain(), (Strings{"KeyDown 66", "Char 98", "KeyUp 66"}));
}

struct StepCase {
  const char* name;
  std::function<void(ScriptedInput&, win::WindowId)> queue;
  Strings delivered;
};

const StepCase stepCases[] = {
    {"KeyDown", [](ScriptedInput& h, win::WindowId) { h.KeyDown(win::vk::F1); }, {"KeyDown 112"}},
    {"KeyUp", [](ScriptedInput& h, win::WindowId) { h.KeyUp(win::vk::Shift); }, {"KeyUp 16"}},
    {"Close", [](ScriptedInput& h, win::WindowId w) { h.Close(w); }, {"Close"}},
    {"PressContent",
     [](ScriptedInput& h, win::WindowId w) { h.PressContent(w, 3, 4); },
     {"LButtonDown 3,4"}},
    {"PressInClientPixels",
     [](ScriptedInput& h, win::WindowId w) { h.Press(w, 3, 4); },
     {"LButtonDown 3,4"}},
    {"Call",
     [](ScriptedInput& h, win::WindowId w) {
       h.Call([w] { win::PostMessage(w, Msg::Command, 5, 0); });
     },
     {"Command 5"}},
};

class Steps : public ScriptedInputTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(Steps, InjectTheirInputWhenTheProgramWaits) {
  const win::WindowId window = MakeWindow();
  GetParam().queue(scenario, window);
  EXPECT_TRUE(Drain().empty());
  EXPECT_EQ(WaitAndDrain(), GetParam().delivered);
}

INSTANTIATE_TEST_SUITE_P(Replay, Steps, ::testing::ValuesIn(stepCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScriptedInputTest, PressAddsTheMenuBarToClientPixels) {
  const win::WindowId window = MakeGraphicsWindow();
  scenario.Press(window, 297, 248);
  EXPECT_EQ(WaitAndDrain(), Strings{"LButtonDown 297,248"});
}

TEST_F(ScriptedInputTest, ChooseMenuItemOpensTheMenuThenPressesTheItem) {
  const win::WindowId window = MakeGraphicsWindow();
  scenario.ChooseMenuItem(window, 8);
  EXPECT_TRUE(WaitAndDrain().empty());
  EXPECT_TRUE(win::IsMenuOpen(window));
  EXPECT_EQ(WaitAndDrain(), Strings{"Command 8"});
  EXPECT_FALSE(win::IsMenuOpen(window));
}

// Each of press, move and release is a step of its own, as a drag is on the desktop.
TEST_F(ScriptedInputTest, PressMoveAndReleaseDragOntoAMenuItem) {
  const win::WindowId window = MakeGraphicsWindow();
  scenario.PressContent(window, 15, 9);
  EXPECT_TRUE(WaitAndDrain().empty());
  ASSERT_TRUE(win::IsMenuOpen(window));
  const raster::Rect halt = win::GetDropdownItemRect(window, 1);
  const int x = static_cast<int>(halt.left) + 5, y = static_cast<int>(halt.top) + 5;
  scenario.MoveContent(window, x, y);
  scenario.ReleaseContent(window, x, y);
  EXPECT_TRUE(WaitAndDrain().empty()) << "the move only highlights";
  EXPECT_TRUE(win::IsMenuOpen(window));
  EXPECT_EQ(WaitAndDrain(), Strings{"Command 2"});
  EXPECT_FALSE(win::IsMenuOpen(window));
}

// A greyed entry cannot be chosen: the scenario ends there instead of going on with the menu
// left open, where the next step would land somewhere else.
TEST_F(ScriptedInputTest, ChoosingAGreyedItemFailsAndEndsTheScenario) {
  const win::WindowId window = MakeGraphicsWindow();
  scenario.ChooseMenuItem(window, 9);
  scenario.ChooseMenuItem(window, 1);
  WaitAndDrain();
  EXPECT_TRUE(WaitAndDrain().empty());
  EXPECT_EQ(scenario.Failure().error(),
            "the Run menu entry with command id 9 is greyed and cannot be chosen");
  EXPECT_EQ(scenario.Pending(), 0u);
  EXPECT_EQ(WaitAndDrain(), Strings{"Close"}) << "the scripted input runs dry";
}

struct TickCase {
  const char* name;
  int count;
  int periodMs;
  std::vector<int> timersPerWait;
};

const TickCase tickCases[] = {
    {"OnePeriodPerWait", 3, 100, {1, 1, 1}},
    {"ShorterTicksAddUp", 4, 30, {0, 0, 0, 1}},
    {"LongTickStillOneTimer", 1, 1000, {1}},
};

class Ticks : public ScriptedInputTest, public ::testing::WithParamInterface<TickCase> {};

TEST_P(Ticks, MoveTheClockOnePeriodPerWait) {
  const win::WindowId window = MakeWindow();
  ASSERT_TRUE(win::SetTimer(window, 2, 100));
  scenario.Tick(GetParam().count, GetParam().periodMs);
  std::vector<int> timers;
  for (int i = 0; i < GetParam().count; ++i) {
    timers.push_back(static_cast<int>(WaitAndDrain().size()));
  }
  EXPECT_EQ(timers, GetParam().timersPerWait);
  EXPECT_EQ(host.NowMs(), std::int64_t{GetParam().count} * GetParam().periodMs);
}

INSTANTIATE_TEST_SUITE_P(Replay, Ticks, ::testing::ValuesIn(tickCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScriptedInputTest, RunningDryClosesTheFirstWindow) {
  const win::WindowId first = MakeWindow();
  MakeWindow();
  EXPECT_EQ(host.FirstWindow(), first);
  EXPECT_FALSE(scenario.RanDry());
  EXPECT_EQ(WaitAndDrain(), Strings{"Close"});
  EXPECT_TRUE(scenario.RanDry());
  EXPECT_FALSE(win::IsWindow(first));
  // Nothing left to close: a program still waiting is asked to quit.
  EXPECT_EQ(WaitAndDrain(), Strings{"Quit 0"});
}

TEST_F(ScriptedInputTest, RunningDryCallsItsHandlerOnceBeforeClosing) {
  int reports = 0;
  const win::WindowId window = MakeWindow();
  scenario.SetWhenDry([&] { reports += win::IsWindow(window) ? 1 : 100; });
  EXPECT_EQ(WaitAndDrain(), Strings{"Close"});
  WaitAndDrain();
  EXPECT_EQ(reports, 1);
}

// The source is asked only when the queue is empty, so steps come in the order it gives them
// and nothing is asked for ahead of need.
TEST_F(ScriptedInputTest, AStepSourceIsAskedOnlyWhenTheQueueRunsOut) {
  MakeWindow();
  int asked = 0;
  scenario.SetStepSource([&]() -> pz417::Result<bool> {
    ++asked;
    if (asked > 2) return false;
    scenario.Type(asked == 1 ? "ab" : "c");
    return true;
  });
  const Strings a{"KeyDown 65", "Char 97", "KeyUp 65"};
  const Strings c{"KeyDown 67", "Char 99", "KeyUp 67"};
  EXPECT_EQ(WaitAndDrain(), a);
  EXPECT_EQ(asked, 1);
  WaitAndDrain();
  EXPECT_EQ(WaitAndDrain(), c);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(WaitAndDrain(), Strings{"Close"});
  EXPECT_EQ(asked, 3);
}

struct BusyCase {
  const char* name;
  int passesPerStep;
  int passes;  // pump passes without a wait
  int stepsDelivered;
};

const BusyCase busyCases[] = {
    {"FewerPassesDeliverNothing", 3, 2, 0},
    {"EveryThirdPass", 3, 9, 3},
    {"EveryPass", 1, 4, 4},
};

class Busy : public ScriptedInputTest, public ::testing::WithParamInterface<BusyCase> {};

// A program that never waits (playing a script back) still gets the scenario's next step.
TEST_P(Busy, ProgramGetsAStepEverySoManyPasses) {
  MakeWindow();
  host.SetBusyPassesPerStep(GetParam().passesPerStep);
  scenario.Tick(10, 100);
  for (int i = 0; i < GetParam().passes; ++i) host.PumpInput();
  EXPECT_EQ(host.NowMs(), 100 * GetParam().stepsDelivered);
  EXPECT_EQ(scenario.Pending(), 10u - static_cast<unsigned>(GetParam().stepsDelivered));
}

INSTANTIATE_TEST_SUITE_P(Replay, Busy, ::testing::ValuesIn(busyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScriptedInputTest, AWaitStartsTheCountOfBusyPassesAgain) {
  MakeWindow();
  host.SetBusyPassesPerStep(3);
  scenario.Tick(10, 100);
  host.PumpInput();
  host.PumpInput();
  host.WaitForInput(std::nullopt);
  host.PumpInput();
  host.PumpInput();
  EXPECT_EQ(host.NowMs(), 100);
}

class Pictures : public ScriptedInputTest {
 protected:
  std::string PathOf(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
  }
};

TEST_F(Pictures, SaveWindowAndClientPixels) {
  const win::WindowId window = MakeGraphicsWindow();
  win::FillClientRect(window, {0, 0, 3, 3}, 0xFF0000);
  const struct {
    pz417::Status (*save)(win::WindowId, const std::string&);
    raster::Bitmap expected;
  } cases[] = {{replay::SaveWindowPng, win::ComposeWindow(window)},
               {replay::SaveClientPng, win::ClientPixels(window)}};
  for (const auto& c : cases) {
    const std::string path = PathOf("window_test_picture.png");
    const pz417::Status saved = c.save(window, path);
    ASSERT_TRUE(saved) << saved.error();
    const pz417::Result<raster::Bitmap> read = raster::ReadPng(path);
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(*read, c.expected);
  }
}

TEST_F(Pictures, NoPictureOfAMissingWindow) {
  EXPECT_EQ(replay::SaveWindowPng(77, PathOf("window_test_none.png")).error(), "no window 77");
}

}  // namespace
