// The Run menu's entries and check marks, the Ctrl shortcuts, KitSetRunMode and KitSetLogging.

#include <functional>
#include <string>

#include "kit_session.h"

namespace {

using RunMenu = KitSession;

struct Entry {
  const char* text;
  int id;
  bool separator, grayed, checked;
};

TEST_F(RunMenu, HasTheSixteenEntriesInOrder) {
  const Entry expected[] = {
      {"&Animate\tCtrl+A", 1, false, false, false},
      {"&Halt animation\tCtrl+H", 2, false, false, false},
      {"Advance one &frame\tCtrl+F", 3, false, false, false},
      {"", 0, true, false, false},
      {"&Logging\tCtrl+L", 4, false, false, true},
      {"", 0, true, false, false},
      {"&Record Script\tCtrl+R", 5, false, false, false},
      {"&Playback Script\tCtrl+P", 6, false, false, false},
      {"Play &One Script\tCtrl+O", 7, false, false, false},
      {"", 0, true, false, false},
      {"&Quit\tCtrl+Q", 8, false, false, false},
      {"", 0, true, false, false},
      {"PZ417 v2.2 July 1997", 9, false, true, false},
      {"MAC: mac-support@example.com", 9, false, true, false},
      {"WINDOWS: windows-support@example.com", 9, false, true, false},
      {"UPDATES: updates@example.com", 9, false, true, false},
  };
  const win::MenuId bar = win::GetMenu(Graphics());
  ASSERT_EQ(win::GetMenuItemCount(bar), 1);
  const win::MenuItemInfo run = win::GetMenuItem(bar, 0);
  EXPECT_EQ(run.text, "&Run");
  ASSERT_EQ(win::GetMenuItemCount(run.popup), 16);
  for (int i = 0; i < 16; ++i) {
    SCOPED_TRACE(i);
    const win::MenuItemInfo item = win::GetMenuItem(run.popup, i);
    EXPECT_EQ(item.separator, expected[i].separator);
    if (item.separator) continue;
    EXPECT_EQ(item.text, expected[i].text);
    EXPECT_EQ(item.id, expected[i].id);
    EXPECT_EQ(item.grayed, expected[i].grayed);
    EXPECT_EQ(item.checked, expected[i].checked);
  }
}

bool LoggingChecked(win::WindowId graphics) {
  const win::MenuId run = win::GetMenuItem(win::GetMenu(graphics), 0).popup;
  return win::GetMenuItem(run, 4).checked;
}

// Logging switched on by the user shows the hidden console, where the log goes; off leaves it.
struct LoggingSwitch {
  const char* name;
  bool byMenu;
};

class LoggingByTheUser : public RunMenu, public ::testing::WithParamInterface<LoggingSwitch> {
 protected:
  void Switch() {
    if (GetParam().byMenu) {
      input.ChooseMenuItem(Graphics(), 4);
    } else {
      CtrlLetter('L');
    }
  }
};

const LoggingSwitch loggingSwitches[] = {{"CtrlL", false}, {"RunMenu", true}};

TEST_P(LoggingByTheUser, TogglesItsCheckMarkAndSwitchingOnShowsTheConsole) {
  KitShowConsole(0);
  Switch();
  Click(0, 0);
  Wait();
  EXPECT_FALSE(kit::LoggingOn());
  EXPECT_FALSE(LoggingChecked(Graphics()));
  EXPECT_FALSE(win::IsWindowVisible(Console()));
  Switch();
  Click(0, 0);
  Wait();
  EXPECT_TRUE(kit::LoggingOn());
  EXPECT_TRUE(LoggingChecked(Graphics()));
  EXPECT_TRUE(win::IsWindowVisible(Console()));
}

INSTANTIATE_TEST_SUITE_P(Switches, LoggingByTheUser, ::testing::ValuesIn(loggingSwitches),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunMenu, SetLoggingShowsTheConsoleOnlyWhenSwitchingOn) {
  KitShowConsole(0);
  EXPECT_EQ(KitSetLogging(0), 1);
  EXPECT_FALSE(win::IsWindowVisible(Console()));
  EXPECT_FALSE(LoggingChecked(Graphics()));
  EXPECT_EQ(KitSetLogging(7), 1);
  EXPECT_TRUE(win::IsWindowVisible(Console()));
  EXPECT_TRUE(LoggingChecked(Graphics()));
}

struct Flags {
  int animate, oneFrame, quit;
  friend bool operator==(const Flags&, const Flags&) = default;
  friend std::ostream& operator<<(std::ostream& o, const Flags& f) {
    return o << "{animate " << f.animate << ", one-frame " << f.oneFrame << ", quit " << f.quit
             << "}";
  }
};

Flags CurrentFlags() {
  const kit::KitState& s = kit::State();
  return {s.animate, s.oneFrame, s.quitRequest};
}

void SetFlags(const Flags& f) {
  kit::State().animate = static_cast<std::uint8_t>(f.animate);
  kit::State().oneFrame = static_cast<std::uint8_t>(f.oneFrame);
}

struct RunModeCase {
  int mode;
  Flags before, after;
};

class SetRunMode : public KitSession, public ::testing::WithParamInterface<RunModeCase> {};

TEST_P(SetRunMode, ChangesExactlyItsFlags) {
  const RunModeCase c = GetParam();
  SetFlags(c.before);
  EXPECT_EQ(KitSetRunMode(c.mode), 1);
  EXPECT_EQ(CurrentFlags(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SetRunMode,
    ::testing::Values(RunModeCase{0, {1, 1, 0}, {0, 0, 0}}, RunModeCase{1, {1, 0, 0}, {1, 1, 0}},
                      RunModeCase{2, {0, 1, 0}, {1, 1, 0}}, RunModeCase{5, {1, 1, 0}, {1, 1, 1}},
                      RunModeCase{3, {1, 0, 0}, {1, 0, 0}}, RunModeCase{4, {0, 1, 0}, {0, 1, 0}},
                      RunModeCase{-1, {1, 1, 0}, {1, 1, 0}},
                      RunModeCase{-2147483647 - 1, {0, 0, 0}, {0, 0, 0}}),
    [](const auto& info) {
      const int mode = info.param.mode;
      return mode < 0 ? "ModeMinus" + std::to_string(-static_cast<long long>(mode))
                      : "Mode" + std::to_string(mode);
    });

struct ShortcutCase {
  char letter;
  Flags before, after;
};

// The flags are set and read inside the wait, after a Periodic event has been armed, so that
// arming does not consume the one-frame flag under the test's eyes.
class FlagsInsideAWait : public KitSession {
 protected:
  Flags Around(const Flags& before, const std::function<void()>& commandSteps) {
    KitSetRunMode(RunMode::Animate);
    input.Call([before] { SetFlags(before); });
    commandSteps();
    Flags seen{};
    input.Call([&seen] { seen = CurrentFlags(); });
    Click(0, 0);
    Wait();
    return seen;
  }
};

class Shortcut : public FlagsInsideAWait,
                 public ::testing::WithParamInterface<std::tuple<ShortcutCase, bool>> {};

TEST_P(Shortcut, ActsFromEitherWindow) {
  const auto [c, fromConsole] = GetParam();
  const Flags seen = Around(c.before, [&] {
    if (fromConsole) Focus(Console());
    CtrlLetter(c.letter);
  });
  EXPECT_EQ(seen, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, Shortcut,
    ::testing::Combine(::testing::Values(ShortcutCase{'A', {0, 0, 0}, {1, 0, 0}},
                                         ShortcutCase{'H', {1, 1, 0}, {0, 1, 0}},
                                         ShortcutCase{'F', {1, 0, 0}, {0, 1, 0}}),
                       ::testing::Bool()),
    [](const auto& info) {
      const char letter = std::get<0>(info.param).letter;
      return std::string("Ctrl") + letter +
             (std::get<1>(info.param) ? "FromTheConsole" : "FromGraphics");
    });

struct CommandCase {
  int id;
  Flags before, after;
};

class MenuCommand : public FlagsInsideAWait, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(MenuCommand, ChosenWithTheMouse) {
  const CommandCase c = GetParam();
  EXPECT_EQ(Around(c.before, [&] { input.ChooseMenuItem(Graphics(), c.id); }), c.after);
}

INSTANTIATE_TEST_SUITE_P(Items, MenuCommand,
                         ::testing::Values(CommandCase{1, {0, 0, 0}, {1, 0, 0}},
                                           CommandCase{2, {1, 1, 0}, {0, 1, 0}},
                                           CommandCase{3, {1, 0, 0}, {0, 1, 0}}),
                         [](const auto& info) {
                           return "Command" + std::to_string(info.param.id);
                         });

TEST_F(RunMenu, LetterWithoutCtrlChangesNoFlag) {
  input.KeyDown('A', 'a');
  input.KeyUp('A');
  EXPECT_EQ(Wait(), (Event{Key, 0, 0, 'a'}));
  EXPECT_EQ(CurrentFlags(), (Flags{0, 0, 0}));
}

struct HeldCase {
  const char* name;
  char letter;
  int repeats;  // auto-repeated key-downs after the first
  int logging, oneFrame;
};

// Shortcuts other than Record and Playback act on each auto-repeat of a held letter.
class HeldShortcut : public KitSession, public ::testing::WithParamInterface<HeldCase> {};

TEST_P(HeldShortcut, ActsOnEachRepeat) {
  const HeldCase c = GetParam();
  CtrlLetter(c.letter, c.repeats);
  std::vector<int> seen;
  input.Call([&seen] { seen = {kit::LoggingOn() ? 1 : 0, kit::State().oneFrame}; });
  Click(0, 0);
  Wait();
  EXPECT_EQ(seen, (std::vector<int>{c.logging, c.oneFrame}));
}

// Logging starts on; Advance one frame's request is taken by the first pass after it, so only
// a repeat can leave one pending.
INSTANTIATE_TEST_SUITE_P(Letters, HeldShortcut,
                         ::testing::Values(HeldCase{"LoggingTogglesAgain", 'L', 2, 0, 0},
                                           HeldCase{"OneFrameAgain", 'F', 1, 1, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- the open menu, measured against the classic desktop's ----------------------------------

class RunMenuGeometry : public RunMenu {
 protected:
  // Opens the Run menu with a press on "Run" over a white canvas, calls `look` while it is open,
  // then closes it.
  void WhileOpen(const std::function<void()>& look) {
    KitClear();
    input.PressContent(Graphics(), 10, 10);
    input.Call(look);
    input.Press(Graphics(), 400, 400);  // closes the menu
    Click(0, 0);
    Wait();
  }
};

// Rows of each entry in window content (the bar is rows 0 to 18): items 17 rows, separators 9,
// all from column 3 to 283 of a popup 287 wide and 246 tall.
TEST_F(RunMenuGeometry, EntriesLieWhereTheClassicMenuPutsThem) {
  const std::pair<int, int> rows[16] = {{22, 39},   {39, 56},   {56, 73},   {73, 82},
                                        {82, 99},   {99, 108},  {108, 125}, {125, 142},
                                        {142, 159}, {159, 168}, {168, 185}, {185, 194},
                                        {194, 211}, {211, 228}, {228, 245}, {245, 262}};
  WhileOpen([&] {
    for (int i = 0; i < 16; ++i) {
      const auto [top, bottom] = rows[i];
      EXPECT_EQ(win::GetDropdownItemRect(Graphics(), i), (raster::Rect{3, top, 284, bottom})) << i;
    }
    EXPECT_EQ(win::GetMenuBarItemRect(Graphics(), 0), (raster::Rect{0, 0, 32, 19}));
  });
}

struct Landmark {
  const char* what;
  int x, y;
  raster::Color colour;
};

constexpr raster::Color Grey = 0xC0C0C0, DarkGrey = 0x808080, White = 0xFFFFFF, Black = 0;

TEST_F(RunMenuGeometry, BoxPopupAndSeparatorsHaveTheClassicEdges) {
  const Landmark landmarks[] = {
      {"bar row above the sunken box", 0, 0, Grey},
      {"box top-left", 0, 1, DarkGrey},
      {"box top, last dark pixel", 30, 1, DarkGrey},
      {"box right column", 31, 1, White},
      {"box bottom-left", 0, 18, White},
      {"right of the 32-wide box", 32, 10, Grey},
      {"popup's outer top edge", 100, 19, Grey},
      {"popup's inner top edge", 100, 20, White},
      {"popup's inner right edge", 285, 30, DarkGrey},
      {"popup's outer right edge", 286, 30, Black},
      {"canvas right of the 287-wide popup", 287, 30, White},
      {"popup's outer bottom edge, row 264 = 19 + 246 - 1", 100, 264, Black},
      {"canvas below the popup", 100, 265, White},
      {"separator row 4 of its slot", 4, 77, DarkGrey},
      {"separator row 5 of its slot", 4, 78, White},
      {"separator inset 4 on the left", 3, 77, Grey},
      {"separator's last pixel", 282, 77, DarkGrey},
      {"separator inset 4 on the right", 283, 77, Grey},
  };
  WhileOpen([&] {
    const raster::Bitmap window = win::ComposeWindow(Graphics());
    for (const Landmark& l : landmarks) EXPECT_EQ(window.pixel(l.x, l.y), l.colour) << l.what;
  });
}

// Shortcut texts start at one tab column after the widest label: every one begins with the
// same "C", so their first black pixel is the same column for all eight.
TEST_F(RunMenuGeometry, ShortcutsAreLeftAlignedAtOneTabColumn) {
  WhileOpen([&] {
    const raster::Bitmap window = win::ComposeWindow(Graphics());
    for (int i : {0, 1, 2, 4, 6, 7, 8, 10}) {
      const raster::Rect item = win::GetDropdownItemRect(Graphics(), i);
      int first = -1;
      for (int x = 200; x < item.right && first < 0; ++x) {
        for (auto y = item.top; y < item.bottom; ++y) {
          if (window.pixel(x, static_cast<int>(y)) == Black) first = x;
        }
      }
      EXPECT_EQ(first, 238) << i;
    }
  });
}

}  // namespace
