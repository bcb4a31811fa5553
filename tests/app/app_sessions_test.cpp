// The preview program end to end: sessions played through frosty-replay, checked through the
// drawing log of the last redraw (the most exact witness of the state) and the canvas pixels.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "case_name.h"
#include "replay_session.h"

namespace {

using replay_test::CountOf;
using replay_test::LastRedraw;
using replay_test::RedrawCount;
using replay_test::Session;

// Ends the intro with a press on the cone, which is not handled.
constexpr const char* EndIntro = "click 0 -100\n";

std::string Click(int x, int y) {
  return "click " + std::to_string(x) + " " + std::to_string(y) + "\n";
}
std::string Button(int index) {
  return Click(-250, 232 - 25 * index);
}
std::string Repeat(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

std::string Point(int x, int y) {
  char text[32];
  std::snprintf(text, sizeof text, "(%d,%d)", x, y);
  return text;
}
std::string Highlight(int button) {
  return "white rectangle with bounding box " + Point(-293, 243 - 25 * button) + " to " +
         Point(-187, 222 - 25 * button) + ", filled";
}
std::string Candy(const std::string& colour, int x, int y) {
  return colour + " circle at " + Point(x, y) + ", radius 8";
}
std::string Title(int x) {
  return "red text at " + Point(x, 200) + ", \"GLoBBo O' FRoSTy\"";
}

const std::string SecondScoop = "magenta circle at (0,82), radius 57";
const std::string ThirdScoop = "green circle at (0,139), radius 57";

enum Mode { Placing, Selecting, Moving, Coloring, Decorating };
std::string Status(const std::string& colour, const std::string& text) {
  return colour + " text at (-130,-215), \"" + text + "\"";
}
const std::string StatusOf[] = {
    Status("blue", "Click on the cone to add a topping"),
    Status("green", "Please calmly select a topping. While I desperately try to see it."),
    Status("red", "Topping selected. Click cone to move it, or a button to alter it."),
    Status("yellow", "Select a color from the pallate at left."),
    Status("white", "Select some good stuff!!!"),
};

int ScoopsIn(const std::vector<std::string>& redraw) {
  return 1 + CountOf(redraw, SecondScoop) + CountOf(redraw, ThirdScoop);
}

int ToppingShapes(const std::vector<std::string>& redraw) {
  int count = 0;
  for (const std::string& line : redraw) count += line.ends_with(", radius 8") ? 1 : 0;
  return count;
}

// Plays `drive`, expects a normal end, and gives the last redraw.
std::vector<std::string> Play(const std::string& drive, Session& session) {
  replay_test::RunDrive(drive, session);
  EXPECT_EQ(session.run.exitCode, 0) << session.run.errors;
  return LastRedraw(session.log);
}

// Ends the intro, plays `actions` and gives the redraw after the closing Quit, which shows the
// state they left. Only that redraw is logged: printing every drawing call costs far more than
// drawing it.
std::vector<std::string> FinalRedraw(const std::string& actions, Session& session) {
  std::vector<std::string> redraw = Play(EndIntro + actions + "ctrl L\n", session);
  EXPECT_EQ(RedrawCount(session.log), 1);
  return redraw;
}

// ---- the intro ---------------------------------------------------------------------------

struct IntroCase {
  const char* name;
  std::string drive;
  std::string events;
  int redraws;
  int scoops;  // on the editing screen, when there is one
};

class Intro : public testing::TestWithParam<IntroCase> {};

TEST_P(Intro, OnePressEndsItAndIsNotHandled) {
  const IntroCase& c = GetParam();
  Session session;
  const std::vector<std::string> redraw = Play(c.drive, session);
  EXPECT_EQ(session.events, c.events);
  EXPECT_EQ(RedrawCount(session.log), c.redraws);
  // The intro is all black; the editing screen has the white button column.
  const raster::Color column = replay_test::KitPixel(session.canvas, -290, -200);
  EXPECT_EQ(column, c.redraws > 0 ? 0xFFFFFFu : 0x000000u);
  if (c.redraws == 0) {
    EXPECT_EQ(session.log, "");
    return;
  }
  EXPECT_EQ(ScoopsIn(redraw), c.scoops);
  EXPECT_EQ(CountOf(redraw, "white circle at (0,82), radius 15"), 0) << "no cream after the intro";
  EXPECT_EQ(CountOf(redraw, "red circle at (0,87), radius 13"), 0) << "no cherry after the intro";
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, Intro,
    testing::Values(IntroCase{"NothingHappens", "", "Quit\n", 0, 0},
                    IntroCase{"KeysAndTicksDrawNothing", "ctrl L\ntick 2\ntype ab\nkey Return\n",
                              "Periodic\nPeriodic\nKey 97\nKey 98\nKey 13\nQuit\n", 0, 0},
                    IntroCase{"QuitDrawsNothing", "ctrl L\nclose\n", "Quit\n", 0, 0},
                    IntroCase{"PressOnAddScoopAddsNone", "ctrl L\nclick -250 232\ntick\n",
                              "Mouse -250 232\nPeriodic\nQuit\n", 2, 1},
                    IntroCase{"DoubleClickPressesTheButton",
                              "ctrl L\nclick -250 232\nclick -250 232\n",
                              "Mouse -250 232\nMouse -250 232\nQuit\n", 2, 2}),
    [](const auto& info) { return info.param.name; });

TEST(Intro, DoubleClickOnTheScoopPlacesATopping) {
  Session session;
  const std::vector<std::string> redraw = Play("ctrl L\nclick 0 60\nclick 0 60\n", session);
  EXPECT_EQ(CountOf(redraw, Candy("red", 0, 60)), 1);
  EXPECT_EQ(CountOf(redraw, StatusOf[Moving]), 1);
}

// ---- full redraws --------------------------------------------------------------------------

struct RedrawCase {
  const char* name;
  const char* drive;  // after the intro, with the log on
  int redraws;        // the one after the closing Quit included
};

class Redraws : public testing::TestWithParam<RedrawCase> {};

TEST_P(Redraws, FollowEveryEvent) {
  Session session;
  Play(std::string(EndIntro) + "ctrl L\n" + GetParam().drive, session);
  EXPECT_EQ(RedrawCount(session.log), GetParam().redraws);
}

INSTANTIATE_TEST_SUITE_P(Events, Redraws,
                         testing::Values(RedrawCase{"QuitAlone", "close\n", 1},
                                         RedrawCase{"Key", "type a\n", 2},
                                         RedrawCase{"Periodic", "tick 3\n", 4},
                                         RedrawCase{"Press", "click 0 40\n", 2},
                                         RedrawCase{"MenuQuit", "menu 8\n", 1}),
                         [](const auto& info) { return info.param.name; });

// ---- the button column --------------------------------------------------------------------

struct ButtonCase {
  int x, y;
  int lastButton;  // the highlighted button afterwards
  int scoops;
  Mode mode;
  friend void PrintTo(const ButtonCase& c, std::ostream* os) { *os << c.x << " " << c.y; }
};

class ButtonColumn : public testing::TestWithParam<ButtonCase> {};

TEST_P(ButtonColumn, RowEdges) {
  const ButtonCase& c = GetParam();
  Session session;
  const std::vector<std::string> redraw = FinalRedraw(Click(c.x, c.y), session);
  EXPECT_EQ(CountOf(redraw, Highlight(c.lastButton)), 7);
  EXPECT_EQ(ScoopsIn(redraw), c.scoops);
  EXPECT_EQ(CountOf(redraw, StatusOf[c.mode]), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, ButtonColumn,
    testing::Values(ButtonCase{-250, 244, 0, 2, Placing}, ButtonCase{-250, 221, 0, 2, Placing},
                    ButtonCase{-250, 220, 1, 1, Placing}, ButtonCase{-250, 196, 1, 1, Placing},
                    ButtonCase{-250, 195, 2, 1, Placing}, ButtonCase{-250, 171, 2, 1, Placing},
                    ButtonCase{-250, 170, 3, 1, Coloring}, ButtonCase{-250, 146, 3, 1, Coloring},
                    ButtonCase{-250, 145, 4, 1, Placing}, ButtonCase{-250, 121, 4, 1, Placing},
                    ButtonCase{-250, 120, 5, 1, Selecting}, ButtonCase{-250, 96, 5, 1, Selecting},
                    ButtonCase{-250, 95, 6, 1, Decorating}, ButtonCase{-250, 71, 6, 1, Decorating},
                    ButtonCase{-294, 100, 5, 1, Selecting}, ButtonCase{-186, 100, 5, 1, Selecting},
                    // Off the column: a press in Placing that misses the scoops changes nothing.
                    ButtonCase{-295, 100, 0, 1, Placing}, ButtonCase{-185, 100, 0, 1, Placing},
                    ButtonCase{-250, 245, 0, 1, Placing}, ButtonCase{-250, 70, 0, 1, Placing}),
    replay_test::PrintedName());

struct ScoopLimitCase {
  const char* presses;  // a: Add Scoop, r: Remove Scoop
  int scoops;
  int lastButton;
  friend void PrintTo(const ScoopLimitCase& c, std::ostream* os) {
    *os << testing::PrintToString(c.presses);
  }
};

class ScoopLimits : public testing::TestWithParam<ScoopLimitCase> {};

TEST_P(ScoopLimits, OneToThreeAndTheHighlightMovesAnyway) {
  std::string drive;
  for (const char* p = GetParam().presses; *p != '\0'; ++p) drive += Button(*p == 'a' ? 0 : 1);
  Session session;
  const std::vector<std::string> redraw = FinalRedraw(drive, session);
  EXPECT_EQ(ScoopsIn(redraw), GetParam().scoops);
  EXPECT_EQ(CountOf(redraw, Highlight(GetParam().lastButton)), 7);
}

INSTANTIATE_TEST_SUITE_P(Presses, ScoopLimits,
                         testing::Values(ScoopLimitCase{"r", 1, 1}, ScoopLimitCase{"a", 2, 0},
                                         ScoopLimitCase{"aa", 3, 0}, ScoopLimitCase{"aaaa", 3, 0},
                                         ScoopLimitCase{"aaar", 2, 1},
                                         ScoopLimitCase{"aaarrrr", 1, 1}),
                         replay_test::PrintedName());

// ---- placing, moving and selecting toppings -------------------------------------------------

struct RimCase {
  int scoops;
  int x, y;
  bool placed;
  friend void PrintTo(const RimCase& c, std::ostream* os) {
    *os << c.scoops << " scoops, " << c.x << " " << c.y;
  }
};

class ScoopRims : public testing::TestWithParam<RimCase> {};

TEST_P(ScoopRims, PlaceOnlyOnTheScoops) {
  const RimCase& c = GetParam();
  Session session;
  const std::vector<std::string> redraw =
      FinalRedraw(Repeat(Button(0), c.scoops - 1) + Click(c.x, c.y), session);
  EXPECT_EQ(CountOf(redraw, Candy("red", c.x, c.y)), c.placed ? 1 : 0);
  EXPECT_EQ(ToppingShapes(redraw), c.placed ? 1 : 0);
  EXPECT_EQ(CountOf(redraw, StatusOf[c.placed ? Moving : Placing]), 1);
}

INSTANTIATE_TEST_SUITE_P(Presses, ScoopRims,
                         testing::Values(RimCase{1, 0, 25, false}, RimCase{1, 0, 26, true},
                                         RimCase{1, 56, 26, true}, RimCase{1, 57, 26, false},
                                         RimCase{1, -56, 26, true}, RimCase{1, 0, 81, true},
                                         RimCase{1, 0, 82, false}, RimCase{1, 0, -20, false},
                                         RimCase{2, 0, 138, true}, RimCase{2, 0, 139, false},
                                         RimCase{2, 56, 82, true}, RimCase{2, 57, 82, false},
                                         RimCase{3, 0, 195, true}, RimCase{3, 0, 196, false},
                                         RimCase{3, -56, 139, true}, RimCase{3, -57, 139, false}),
                         replay_test::PrintedName());

TEST(Toppings, TheEleventhIsRefused) {
  std::string drive;
  for (int i = 0; i < 11; ++i) drive += Button(2) + Click(-40 + 8 * i, 40);
  Session session;
  const std::vector<std::string> redraw = FinalRedraw(drive, session);
  EXPECT_EQ(ToppingShapes(redraw), 10);
  EXPECT_EQ(CountOf(redraw, Candy("red", 32, 40)), 1);
  EXPECT_EQ(CountOf(redraw, Candy("red", 40, 40)), 0);
  EXPECT_EQ(CountOf(redraw, StatusOf[Placing]), 1);
}

struct MoveCase {
  const char* name;
  std::string drive;  // after the intro
  std::vector<std::string> present;
  int toppings;
};

class MoveAndSelect : public testing::TestWithParam<MoveCase> {};

TEST_P(MoveAndSelect, ActsOnTheRightTopping) {
  Session session;
  const std::vector<std::string> redraw = FinalRedraw(GetParam().drive, session);
  for (const std::string& line : GetParam().present) EXPECT_EQ(CountOf(redraw, line), 1) << line;
  EXPECT_EQ(ToppingShapes(redraw), GetParam().toppings);
}

std::string Sprinkle(int x, int y) {
  return "red rectangle with bounding box " + Point(x, y + 3) + " to " + Point(x + 10, y) +
         ", filled";
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, MoveAndSelect,
    testing::Values(
        MoveCase{"SecondPressMoves",
                 Click(0, 40) + Click(10, 50),
                 {Candy("red", 10, 50), StatusOf[Moving]},
                 1},
        MoveCase{
            "MoveOffTheScoopsIsRefused", Click(0, 40) + Click(200, 0), {Candy("red", 0, 40)}, 1},
        // Select, then "Change Topping" turns the selected candy into a sprinkle.
        MoveCase{"WithinFiveUnits",
                 Click(0, 40) + Button(2) + Click(30, 40) + Button(5) + Click(5, 45) + Button(4),
                 {Sprinkle(0, 40), Candy("red", 30, 40)},
                 1},
        MoveCase{"FiveBelowLeft",
                 Click(0, 40) + Button(2) + Click(30, 40) + Button(5) + Click(-5, 35) + Button(4),
                 {Sprinkle(0, 40)},
                 1},
        MoveCase{"SixAwayMissesAndTheModeStays",
                 Click(0, 40) + Button(2) + Click(30, 40) + Button(5) + Click(6, 40),
                 {StatusOf[Selecting], Candy("red", 0, 40), Candy("red", 30, 40)},
                 2},
        MoveCase{"AMissKeepsTheLastPlacedSelected",
                 Click(0, 40) + Button(2) + Click(30, 40) + Button(5) + Click(0, 46) + Button(4),
                 {Candy("red", 0, 40), Sprinkle(30, 40)},
                 1},
        MoveCase{"TheLaterToppingWins",
                 Click(0, 40) + Button(2) + Click(4, 44) + Button(5) + Click(2, 42) + Button(4),
                 {Candy("red", 0, 40), Sprinkle(4, 44)},
                 1},
        MoveCase{
            "SelectedThenMoved",
            Click(0, 40) + Button(2) + Click(30, 40) + Button(5) + Click(0, 40) + Click(-20, 60),
            {Candy("red", -20, 60), Candy("red", 30, 40), StatusOf[Moving]},
            2},
        MoveCase{"NothingToSelect", Button(5) + Click(0, 40), {StatusOf[Selecting]}, 0}),
    [](const auto& info) { return info.param.name; });

// ---- topping kinds ---------------------------------------------------------------------------

class ChangeTopping : public testing::TestWithParam<std::pair<int, std::string>> {};

TEST_P(ChangeTopping, CyclesThroughTheFourKinds) {
  Session session;
  const std::vector<std::string> redraw =
      FinalRedraw(Click(0, 40) + Repeat(Button(4), GetParam().first), session);
  EXPECT_EQ(CountOf(redraw, GetParam().second), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, ChangeTopping,
    testing::Values(std::pair{0, Candy("red", 0, 40)}, std::pair{1, Sprinkle(0, 40)},
                    std::pair{2, std::string("red line from (-8,40) to (8,40), width 1")},
                    std::pair{3, std::string("red triangle at (-7,33), (7,33), (0,47)")},
                    std::pair{4, Candy("red", 0, 40)}),
    replay_test::PrintedName());

// ---- the palette ------------------------------------------------------------------------------

struct PaletteCase {
  std::string presses;  // in Coloring, with one red candy at (0, 40) selected
  const char* colour;
  friend void PrintTo(const PaletteCase& c, std::ostream* os) {
    *os << testing::PrintToString(c.presses);
  }
};

class Palette : public testing::TestWithParam<PaletteCase> {};

TEST_P(Palette, PicksAtCornersAndBoundaries) {
  Session session;
  const std::vector<std::string> redraw =
      FinalRedraw(Click(0, 40) + Button(3) + GetParam().presses, session);
  EXPECT_EQ(CountOf(redraw, Candy(GetParam().colour, 0, 40)), 1);
  EXPECT_EQ(CountOf(redraw, StatusOf[Coloring]), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, Palette,
    testing::Values(
        PaletteCase{Click(-270, -200), "black"}, PaletteCase{Click(-205, -95), "20% gray"},
        PaletteCase{Click(-270, -190), "black"}, PaletteCase{Click(-250, -170), "magenta"},
        PaletteCase{Click(-279, -209), "black"}, PaletteCase{Click(-201, -91), "20% gray"},
        PaletteCase{Click(-261, -91), "yellow"}, PaletteCase{Click(-259, -209), "magenta"},
        PaletteCase{Click(-230, -140), "pink"}, PaletteCase{Click(-210, -150), "peach"},
        PaletteCase{Click(-250, -110), "magenta"}, PaletteCase{Click(-250, -109), "ice blue"},
        PaletteCase{Click(-250, -111), "dusty plum"},
        // No swatch hit: the colour stays as it was (black first, to tell it from the start).
        PaletteCase{Click(-270, -200) + Click(-260, -150), "black"},
        PaletteCase{Click(-270, -200) + Click(-240, -150), "black"},
        PaletteCase{Click(-270, -200) + Click(-220, -150), "black"},
        PaletteCase{Click(-270, -200) + Click(-280, -150), "black"},
        PaletteCase{Click(-270, -200) + Click(-200, -150), "black"},
        PaletteCase{Click(-270, -200) + Click(-250, -90), "black"},
        PaletteCase{Click(-270, -200) + Click(-250, -210), "black"},
        PaletteCase{Click(-270, -200) + Click(0, 40), "black"},
        // After "Add Scoop" the palette is gone but presses still pick colours.
        PaletteCase{Button(0) + Click(-230, -140), "pink"}),
    replay_test::PrintedName());

// ---- good stuff -------------------------------------------------------------------------------

struct GoodStuffCase {
  int x, y;
  bool cream;
  bool cherry;
  friend void PrintTo(const GoodStuffCase& c, std::ostream* os) { *os << c.x << " " << c.y; }
};

class GoodStuff : public testing::TestWithParam<GoodStuffCase> {};

TEST_P(GoodStuff, BoxesAsTheyAreHit) {
  const GoodStuffCase& c = GetParam();
  Session session;
  const std::vector<std::string> redraw = FinalRedraw(Button(6) + Click(c.x, c.y), session);
  EXPECT_EQ(CountOf(redraw, "white circle at (0,82), radius 15"), c.cream ? 1 : 0);
  EXPECT_EQ(CountOf(redraw, "red circle at (0,87), radius 13"), c.cherry ? 1 : 0);
  const bool picked = c.cream || c.cherry;
  EXPECT_EQ(CountOf(redraw, StatusOf[picked ? Placing : Decorating]), 1);
  EXPECT_EQ(CountOf(redraw, Highlight(picked ? 2 : 6)), 7);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, GoodStuff,
    testing::Values(GoodStuffCase{-160, 90, false, true}, GoodStuffCase{-160, 75, true, false},
                    GoodStuffCase{-296, 75, true, false}, GoodStuffCase{-297, 71, true, false},
                    GoodStuffCase{-160, 82, false, false}, GoodStuffCase{-185, 96, false, true},
                    GoodStuffCase{-146, 83, false, true}, GoodStuffCase{-185, 83, false, true},
                    GoodStuffCase{-145, 90, false, false}, GoodStuffCase{-190, 90, false, false},
                    GoodStuffCase{-160, 97, false, false}, GoodStuffCase{-185, 81, true, false},
                    GoodStuffCase{-160, 70, false, false}, GoodStuffCase{-146, 71, true, false},
                    GoodStuffCase{0, 40, false, false}),
    replay_test::PrintedName());

TEST(GoodStuff, BothStayAndSitOnTheTopScoop) {
  Session session;
  const std::vector<std::string> redraw =
      FinalRedraw(Repeat(Button(0), 2) + Button(6) + Click(-160, 90) + Button(6) + Click(-160, 75) +
                      Button(1) + Button(0),
                  session);
  EXPECT_EQ(CountOf(redraw, "white circle at (0,196), radius 15"), 1);
  EXPECT_EQ(CountOf(redraw, "white circle at (-13,191), radius 15"), 2);
  EXPECT_EQ(CountOf(redraw, "red circle at (0,201), radius 13"), 1);
}

// ---- the title and the status line ----------------------------------------------------------

class TitleBounce : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(TitleBounce, PositionAfterTicks) {
  const auto [ticks, x] = GetParam();
  Session session;
  const std::vector<std::string> redraw =
      FinalRedraw(ticks > 0 ? "tick " + std::to_string(ticks) + "\n" : "", session);
  EXPECT_EQ(CountOf(redraw, Title(x)), 1);
  EXPECT_EQ(CountOf(replay_test::Lines(session.events), "Periodic"), ticks);
}

INSTANTIATE_TEST_SUITE_P(Ticks, TitleBounce,
                         testing::Values(std::pair{0, 70}, std::pair{1, 69}, std::pair{191, -121},
                                         std::pair{192, -119}, std::pair{287, 71},
                                         std::pair{288, 69}),
                         replay_test::PrintedName());

class StatusLine : public testing::TestWithParam<std::pair<std::string, Mode>> {};

TEST_P(StatusLine, TellsWhatToDoNext) {
  Session session;
  const std::vector<std::string> redraw = FinalRedraw(GetParam().first, session);
  EXPECT_EQ(CountOf(redraw, StatusOf[GetParam().second]), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, StatusLine,
    testing::Values(std::pair{std::string("tick\n"), Placing}, std::pair{Button(5), Selecting},
                    std::pair{Click(0, 40), Moving}, std::pair{Button(3), Coloring},
                    std::pair{Button(6), Decorating}, std::pair{Click(0, 40) + Button(2), Placing}),
    replay_test::PrintedName());

// ---- canvas pixels -----------------------------------------------------------------------------

struct PixelCase {
  int x, y;
  raster::Color colour;
};

std::vector<PixelCase> PixelCases() {
  // The kit's colour table, as the palette draws it: up each column, columns left to right.
  static const raster::Color Table[24] = {
      0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
      0x9900CC, 0x003399, 0x996699, 0x99FFFF, 0x99FFCC, 0xFF6600, 0x996633, 0xFF99CC,
      0xFFFF99, 0xCC9933, 0xFF9966, 0x006633, 0x33CC99, 0x999933, 0x808080, 0xCCCCCC};
  std::vector<PixelCase> cases = {{0, 180, 0x00FF00},      // third scoop
                                  {-40, 100, 0xFF00FF},    // second scoop, over the third
                                  {-40, 40, 0x99FFFF},     // bottom scoop, left of the cone
                                  {0, -100, 0x996633},     // cone, between the waffle lines
                                  {25, 151, 0x000000},     // the sprinkle, black now
                                  {250, -200, 0x000000},   // stage
                                  {-290, -240, 0xFFFFFF},  // button column
                                  {-182, -240, 0x808080}, {-181, -240, 0xCCCCCC},
                                  {-180, -240, 0x808080}};  // divider
  for (int c = 0; c < 24; ++c)
    cases.push_back({-270 + 20 * (c / 6), -200 + 20 * (c % 6), Table[c]});
  return cases;
}

// Three scoops, a black sprinkle on the top one, the palette open.
TEST(Pixels, ScoopsToppingPaletteAndBackdrop) {
  Session session;
  FinalRedraw(Repeat(Button(0), 2) + Click(20, 150) + Button(4) + Button(3) + Click(-270, -200),
              session);
  for (const PixelCase& c : PixelCases()) {
    EXPECT_EQ(replay_test::KitPixel(session.canvas, c.x, c.y), c.colour)
        << "at kit (" << c.x << ", " << c.y << ")";
  }
}

}  // namespace
