// The menu bar and its dropdown: mouse, keyboard, check marks and the classic look.

#include <set>
#include <sstream>

#include "headless/headless_host.h"
#include "raster/png.h"
#include "raster/text.h"
#include "window_test_util.h"

namespace {

using namespace window_test;
using win::Msg;
using Strings = std::vector<std::string>;

constexpr raster::Color Black = 0x000000, White = 0xFFFFFF, Grey = 0xC0C0C0, DarkGrey = 0x808080,
                        Navy = 0x000080;
constexpr int RunMenuEntries = 16;

raster::Point Centre(const raster::Rect& r) {
  return {r.left + r.width() / 2, r.top + r.height() / 2};
}

void PressAt(win::WindowId window, raster::Point at) {
  win::InputPress(window, static_cast<int>(at.x), static_cast<int>(at.y));
}

Strings Only(const std::vector<win::Message>& messages, std::initializer_list<Msg> kinds) {
  Strings out;
  for (const auto& m : messages) {
    if (std::find(kinds.begin(), kinds.end(), m.msg) != kinds.end()) out.push_back(Describe(m));
  }
  return out;
}

// Types keys from words: "alt+r" (Alt held while R is pressed), "alt" (pressed alone), "ctrl+a"
// (Ctrl held while A is pressed), "f10", "enter", "escape", "up", "down", or a single character
// for its key.
void TypeKeys(const std::string& words) {
  std::istringstream in(words);
  std::string word;
  const auto stroke = [](int key, int character) {
    win::InputKeyDown(key, character);
    win::InputKeyUp(key);
  };
  const auto holding = [&](int modifier, int letter, int character) {
    win::InputKeyDown(modifier, -1);
    if (letter != 0) stroke(letter, character);
    win::InputKeyUp(modifier);
  };
  while (in >> word) {
    const int letter = std::toupper(word.back());
    if (word.rfind("alt", 0) == 0) {
      holding(win::vk::Menu, word.size() == 5 ? letter : 0, word.back());
    } else if (word.rfind("ctrl+", 0) == 0) {
      holding(win::vk::Control, letter, letter - 'A' + 1);
    } else if (word == "f10") {
      stroke(win::vk::F10, -1);
    } else if (word == "enter") {
      stroke(win::vk::Return, 13);
    } else if (word == "escape") {
      stroke(win::vk::Escape, 27);
    } else if (word == "up" || word == "down") {
      stroke(word == "up" ? win::vk::Up : win::vk::Down, -1);
    } else {
      stroke(letter, word[0]);
    }
  }
}

// How the bar shows "Run": plain, raised (selected from the keyboard) or pressed (open).
enum class Bar { Plain, Raised, Pressed };

Bar BarLook(win::WindowId window) {
  const raster::Rect run = win::GetMenuBarItemRect(window, 0);
  const raster::Color edge = win::ComposeWindow(window).pixel(static_cast<int>(run.left), 1);
  return edge == White ? Bar::Raised : edge == DarkGrey ? Bar::Pressed : Bar::Plain;
}

// The dropdown item drawn highlighted; -1 for none.
int HighlightedItem(win::WindowId window) {
  const raster::Bitmap content = win::ComposeWindow(window);
  for (int item = 0; item < RunMenuEntries; ++item) {
    const raster::Rect box = win::GetDropdownItemRect(window, item);
    if (box.width() > 0 &&
        content.pixel(static_cast<int>(box.left), static_cast<int>(box.top)) == Navy) {
      return item;
    }
  }
  return -1;
}

// ---- the mouse -------------------------------------------------------------------------------

enum class Where { RunOnBar, BarPastItems, Item, Client, OtherWindow };
enum class Act { Click, Press, Release, Move, Keys };
struct Mouse {
  Act act;
  Where where = Where::Client;
  int item = 0;
  const char* keys = "";  // for Act::Keys
};
Mouse Keys(const char* keys) {
  return {Act::Keys, Where::Client, 0, keys};
}

struct MouseCase {
  const char* name;
  std::vector<Mouse> steps;
  Strings delivered;
  Bar bar;
  int highlighted = -1;
};

constexpr Where Run = Where::RunOnBar, Item = Where::Item, Client = Where::Client;

const MouseCase mouseCases[] = {
    {"ItemChosen", {{Act::Click, Run}, {Act::Click, Item, 0}}, {"Command 1"}, Bar::Plain},
    {"QuitChosen", {{Act::Click, Run}, {Act::Click, Item, 10}}, {"Command 8"}, Bar::Plain},
    {"ItemIsChosenWhenTheButtonComesUp",
     {{Act::Click, Run}, {Act::Press, Item, 1}},
     {},
     Bar::Pressed,
     1},
    {"PressOnAnItemAndReleaseOutsideCloses",
     {{Act::Click, Run}, {Act::Press, Item, 1}, {Act::Release, Client}},
     {},
     Bar::Plain},
    {"SeparatorKeepsTheMenuOpen", {{Act::Click, Run}, {Act::Click, Item, 3}}, {}, Bar::Pressed},
    {"GreyedItemKeepsTheMenuOpen",
     {{Act::Click, Run}, {Act::Click, Item, 13}},
     {},
     Bar::Pressed,
     13},
    {"PressElsewhereIsEaten", {{Act::Click, Run}, {Act::Click, Client}}, {}, Bar::Plain},
    {"PressInAnotherWindowIsEaten",
     {{Act::Click, Run}, {Act::Click, Where::OtherWindow}},
     {},
     Bar::Plain},
    {"RunAgainCloses", {{Act::Click, Run}, {Act::Click, Run}}, {}, Bar::Plain},
    {"RunPressedAgainThenDraggedOntoAnItemChoosesIt",
     {{Act::Click, Run}, {Act::Press, Run}, {Act::Move, Item, 1}, {Act::Release, Item, 1}},
     {"Command 2"},
     Bar::Plain},
    {"BarPastItsItemsDoesNothing", {{Act::Click, Where::BarPastItems}}, {}, Bar::Plain},
    {"ClientPressInClientPixels", {{Act::Click, Client}}, {"LButtonDown 400,300"}, Bar::Plain},
    {"ChoiceThenClientPress",
     {{Act::Click, Run}, {Act::Click, Item, 1}, {Act::Click, Client}},
     {"Command 2", "LButtonDown 400,300"},
     Bar::Plain},
    // Press on "Run", drag, release.
    {"DragOntoAnItemChoosesIt",
     {{Act::Press, Run}, {Act::Move, Item, 0}, {Act::Move, Item, 6}, {Act::Release, Item, 6}},
     {"Command 5"},
     Bar::Plain},
    {"ReleaseOnRunLeavesTheMenuOpen", {{Act::Press, Run}, {Act::Release, Run}}, {}, Bar::Pressed},
    {"ReleaseOutsideCloses",
     {{Act::Press, Run}, {Act::Move, Client}, {Act::Release, Client}},
     {},
     Bar::Plain},
    {"ReleaseInAnotherWindowCloses",
     {{Act::Press, Run}, {Act::Release, Where::OtherWindow}},
     {},
     Bar::Plain},
    {"ReleaseOnAGreyedItemChoosesNothing",
     {{Act::Press, Run}, {Act::Move, Item, 14}, {Act::Release, Item, 14}},
     {},
     Bar::Pressed,
     14},
    {"ReleaseOnASeparatorChoosesNothing",
     {{Act::Press, Run}, {Act::Release, Item, 9}},
     {},
     Bar::Pressed},
    // The highlight follows the mouse.
    {"ItemUnderTheMouseIsHighlighted",
     {{Act::Click, Run}, {Act::Move, Item, 2}},
     {},
     Bar::Pressed,
     2},
    {"SeparatorTakesNoHighlight",
     {{Act::Click, Run}, {Act::Move, Item, 2}, {Act::Move, Item, 3}},
     {},
     Bar::Pressed},
    {"LeavingThePopupRemovesTheHighlight",
     {{Act::Click, Run}, {Act::Move, Item, 2}, {Act::Move, Client}},
     {},
     Bar::Pressed},
    {"MovingOntoRunRemovesTheHighlight",
     {{Act::Click, Run}, {Act::Move, Item, 2}, {Act::Move, Run}},
     {},
     Bar::Pressed},
    {"MovingIntoAnotherWindowRemovesTheHighlight",
     {{Act::Click, Run}, {Act::Move, Item, 2}, {Act::Move, Where::OtherWindow}},
     {},
     Bar::Pressed},
    {"MouseTakesOverTheKeyboardSelection",
     {Keys("alt+r down"), {Act::Move, Item, 7}, Keys("enter")},
     {"Command 6"},
     Bar::Plain},
    {"MovesAndReleasesWithoutAMenuReachNoWindow",
     {{Act::Move, Client}, {Act::Release, Client}, {Act::Move, Run}},
     {},
     Bar::Plain},
    // A press anywhere but the bar leaves a bar selected from the keyboard, and is the window's.
    {"PressLeavesTheSelectedBar",
     {Keys("f10"), {Act::Click, Client}},
     {"LButtonDown 400,300"},
     Bar::Plain},
    {"PressOnRunOpensFromTheSelectedBar", {Keys("f10"), {Act::Click, Run}}, {}, Bar::Pressed},
};

class MenuByMouse : public WindowSystemTest, public ::testing::WithParamInterface<MouseCase> {
 protected:
  raster::Point PointOf(const Mouse& step, win::WindowId window) const {
    switch (step.where) {
      case Where::RunOnBar:
        return Centre(win::GetMenuBarItemRect(window, 0));
      case Where::BarPastItems:
        return {400, 9};
      case Where::Item:
        return Centre(win::GetDropdownItemRect(window, step.item));
      case Where::Client:
      case Where::OtherWindow:
        break;
    }
    return {400, 300 + win::MenuBarHeight};
  }
};

TEST_P(MenuByMouse, TracksTheMouseAndPostsTheChosenCommandOnly) {
  const win::WindowId other = MakeWindow();
  const win::WindowId window = MakeGraphicsWindow();
  std::vector<win::Message> taken;
  for (const Mouse& step : GetParam().steps) {
    const win::WindowId at = step.where == Where::OtherWindow ? other : window;
    const raster::Point p = PointOf(step, window);
    const int x = static_cast<int>(p.x), y = static_cast<int>(p.y);
    if (step.act == Act::Click || step.act == Act::Press) win::InputPress(at, x, y);
    if (step.act == Act::Click || step.act == Act::Release) win::InputRelease(at, x, y);
    if (step.act == Act::Move) win::InputMouseMove(at, x, y);
    if (step.act == Act::Keys) TypeKeys(step.keys);
    for (const auto& m : Drain()) taken.push_back(m);
  }
  const Strings delivered =
      Only(taken, {Msg::Command, Msg::LButtonDown, Msg::LButtonUp, Msg::MouseMove});
  EXPECT_EQ(delivered, GetParam().delivered);
  EXPECT_EQ(BarLook(window), GetParam().bar);
  EXPECT_EQ(win::IsMenuOpen(window), GetParam().bar == Bar::Pressed);
  EXPECT_EQ(HighlightedItem(window), GetParam().highlighted);
}

INSTANTIATE_TEST_SUITE_P(Window, MenuByMouse, ::testing::ValuesIn(mouseCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- the keyboard ----------------------------------------------------------------------------

struct KeyboardCase {
  const char* name;
  const char* keys;
  Strings delivered;
  Bar bar;
};

const KeyboardCase keyboardCases[] = {
    {"AltLetterOpensWithTheFirstItemSelected", "alt+r enter", {"Command 1"}, Bar::Plain},
    {"DownSkipsSeparators", "alt+r down down down enter", {"Command 4"}, Bar::Plain},
    {"UpWrapsToTheLastItemWhichIsGreyed", "alt+r up enter", {}, Bar::Pressed},
    {"LetterChoosesItsItem", "alt+r o", {"Command 7"}, Bar::Plain},
    {"LetterInEitherCase", "alt+r F", {"Command 3"}, Bar::Plain},
    {"LetterOfNoItem", "alt+r z", {}, Bar::Pressed},
    {"AltAloneSelectsTheBar", "alt", {}, Bar::Raised},
    {"F10SelectsTheBar", "f10", {}, Bar::Raised},
    {"EnterOpensTheSelectedBar", "alt enter q", {"Command 8"}, Bar::Plain},
    {"EnterOpensWithTheFirstItemSelected", "f10 enter enter", {"Command 1"}, Bar::Plain},
    {"DownOpensTheSelectedBar", "f10 down down enter", {"Command 2"}, Bar::Plain},
    {"LetterOpensFromTheSelectedBar", "alt r down enter", {"Command 2"}, Bar::Plain},
    {"SecondAltLeavesTheBar", "alt alt b", {"KeyDown 66", "Char 98"}, Bar::Plain},
    {"SecondF10LeavesTheBar", "f10 f10 b", {"KeyDown 66", "Char 98"}, Bar::Plain},
    {"F10ClosesAnOpenMenu", "alt+r f10", {}, Bar::Plain},
    {"EscapeLeavesTheSelectedBar", "alt escape a", {"KeyDown 65", "Char 97"}, Bar::Plain},
    {"EscapeClosesThePopupAndKeepsTheBarSelected", "alt+r escape", {}, Bar::Raised},
    {"EscapeTwiceLeavesTheMenu", "alt+r escape escape a", {"KeyDown 65", "Char 97"}, Bar::Plain},
    {"BarSelectedByEscapeOpensAgain", "alt+r escape enter enter", {"Command 1"}, Bar::Plain},
    {"KeysReachTheWindowAgainAfterAChoice",
     "alt+r h a",
     {"Command 2", "KeyDown 65", "Char 97"},
     Bar::Plain},
    // The menu has the keyboard: a Ctrl+letter is no shortcut, nor its item's access letter.
    {"CtrlLetterInThePopupChoosesNothing", "alt+r ctrl+a", {}, Bar::Pressed},
    {"CtrlLetterOnTheSelectedBarOpensNothing", "f10 ctrl+r", {}, Bar::Raised},
};

class MenuByKeyboard : public WindowSystemTest,
                       public ::testing::WithParamInterface<KeyboardCase> {};

TEST_P(MenuByKeyboard, KeyDownsDriveTheMenuWhileItIsActive) {
  const win::WindowId window = MakeGraphicsWindow();
  TypeKeys(GetParam().keys);
  EXPECT_EQ(Only(Drain(), {Msg::Command, Msg::KeyDown, Msg::Char}), GetParam().delivered);
  EXPECT_EQ(BarLook(window), GetParam().bar);
  EXPECT_EQ(win::IsMenuOpen(window), GetParam().bar == Bar::Pressed);
}

INSTANTIATE_TEST_SUITE_P(Window, MenuByKeyboard, ::testing::ValuesIn(keyboardCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowSystemTest, KeyUpsStillReachTheWindowWhileTheMenuIsOpen) {
  MakeGraphicsWindow();
  TypeKeys("alt+r");
  Drain();
  win::InputKeyDown(win::vk::Control, -1);
  win::InputKeyUp(win::vk::Control);
  EXPECT_EQ(Only(Drain(), {Msg::KeyDown, Msg::KeyUp}), Strings{"KeyUp 17"});
}

TEST_F(WindowSystemTest, EnterWithNothingSelectedClosesAMouseOpenedMenu) {
  const win::WindowId window = MakeGraphicsWindow();
  PressAt(window, Centre(win::GetMenuBarItemRect(window, 0)));
  TypeKeys("enter");
  EXPECT_TRUE(Only(Drain(), {Msg::Command, Msg::KeyDown}).empty());
  EXPECT_FALSE(win::IsMenuOpen(window));
}

// The menu loop takes the keyboard whichever window has it, as the classic desktop's does.
TEST_F(WindowSystemTest, KeysInAnotherWindowDriveAMouseOpenedMenu) {
  const win::WindowId other = MakeWindow();
  const win::WindowId window = MakeGraphicsWindow();
  win::InputFocus(other, false);
  PressAt(window, Centre(win::GetMenuBarItemRect(window, 0)));
  TypeKeys("ctrl+a down");
  EXPECT_TRUE(Only(Drain(), {Msg::Command, Msg::KeyDown, Msg::Char}).empty());
  EXPECT_TRUE(win::IsMenuOpen(window));
  TypeKeys("enter");
  EXPECT_EQ(Only(Drain(), {Msg::Command}), Strings{"Command 1"});
}

// ---- the program's loop while a menu is tracked ------------------------------------------------

struct TrackedCase {
  const char* name;
  const char* keys;
  bool clickRun;
  const char* leave;
};

const TrackedCase trackedCases[] = {
    {"PopupOpenedByMouse", "", true, "escape escape"},
    {"PopupOpenedByKeyboard", "alt+r", false, "alt"},
    {"BarSelected", "f10", false, "f10"},
};

class WhileTracked : public WindowSystemTest, public ::testing::WithParamInterface<TrackedCase> {};

// The classic menu loop keeps the program's loop waiting: no timer message reaches it, the wait
// has no timer deadline, and the tick that came due arrives once when the menu is left.
TEST_P(WhileTracked, TimerMessagesWaitUntilTheMenuIsLeft) {
  const win::WindowId window = MakeGraphicsWindow();
  ASSERT_TRUE(win::SetTimer(window, 2, 100));
  TypeKeys(GetParam().keys);
  if (GetParam().clickRun) PressAt(window, Centre(win::GetMenuBarItemRect(window, 0)));
  Drain();
  host.now = 350;
  EXPECT_TRUE(Only(Drain(), {Msg::Timer}).empty());
  win::WaitMessage();
  ASSERT_FALSE(host.deadlines.empty());
  EXPECT_EQ(host.deadlines.back(), std::nullopt);
  TypeKeys(GetParam().leave);
  EXPECT_EQ(Only(Drain(), {Msg::Timer}), Strings{"Timer 2"});
  host.now = 450;
  EXPECT_EQ(Only(Drain(), {Msg::Timer}), Strings{"Timer 2"});
}

INSTANTIATE_TEST_SUITE_P(Window, WhileTracked, ::testing::ValuesIn(trackedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- check marks -----------------------------------------------------------------------------

struct CheckCase {
  const char* name;
  bool throughTheBar;
  int id;
  unsigned check;
  int returned;
  int position;  // of the item whose mark is looked at
  bool checkedAfter;
};

const CheckCase checkCases[] = {
    {"CheckedItemUnchecked", false, 4, win::mf::Unchecked, 8, 4, false},
    {"CheckedItemCheckedAgain", false, 4, win::mf::Checked, 8, 4, true},
    {"UncheckedItemChecked", false, 5, win::mf::Checked, 0, 6, true},
    {"UncheckedItemUncheckedAgain", false, 6, win::mf::Unchecked, 0, 7, false},
    {"ItemFoundThroughTheBar", true, 6, win::mf::Checked, 0, 7, true},
    {"NoItemWithThatId", false, 42, win::mf::Checked, -1, 4, true},
};

// Pixels of this colour in the check-mark column of an open dropdown's item.
int CheckMarkPixels(win::WindowId window, int position, raster::Color color) {
  const raster::Bitmap content = win::ComposeWindow(window);
  const raster::Rect item = win::GetDropdownItemRect(window, position);
  int count = 0;
  for (auto y = item.top; y < item.bottom; ++y) {
    for (auto x = item.left; x < item.left + 16; ++x) {
      count += content.pixel(static_cast<int>(x), static_cast<int>(y)) == color ? 1 : 0;
    }
  }
  return count;
}

constexpr int CheckMarkArea = 21;  // pixels of the tick

class CheckMarks : public WindowSystemTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckMarks, ReturnThePreviousStateAndShowTheNewOne) {
  const CheckCase& c = GetParam();
  const win::WindowId window = MakeGraphicsWindow();
  const win::MenuId run = win::GetMenuItem(win::GetMenu(window), 0).popup;
  EXPECT_EQ(win::CheckMenuItem(c.throughTheBar ? win::GetMenu(window) : run, c.id, c.check),
            c.returned);
  EXPECT_EQ(win::GetMenuItem(run, c.position).checked, c.checkedAfter);
  PressAt(window, Centre(win::GetMenuBarItemRect(window, 0)));
  Drain();
  EXPECT_EQ(CheckMarkPixels(window, c.position, Black), c.checkedAfter ? CheckMarkArea : 0);
}

INSTANTIATE_TEST_SUITE_P(Window, CheckMarks, ::testing::ValuesIn(checkCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowSystemTest, CheckingAnItemOfTheOpenMenuPresentsItAgain) {
  const win::WindowId window = MakeGraphicsWindow();
  PressAt(window, Centre(win::GetMenuBarItemRect(window, 0)));
  Drain();
  host.presented.clear();
  win::CheckMenuItem(win::GetMenuItem(win::GetMenu(window), 0).popup, 5, win::mf::Checked);
  Drain();
  ASSERT_EQ(host.presented.size(), 1u);
  EXPECT_EQ(CheckMarkPixels(window, 6, Black), CheckMarkArea);
}

// ---- the look --------------------------------------------------------------------------------

TEST_F(WindowSystemTest, SelectedItemIsNavyWithAWhiteCheckMark) {
  const win::WindowId window = MakeGraphicsWindow();
  TypeKeys("alt+r down down down");
  Drain();
  const raster::Rect logging = win::GetDropdownItemRect(window, 4);
  const raster::Bitmap content = win::ComposeWindow(window);
  EXPECT_EQ(content.pixel(static_cast<int>(logging.left), static_cast<int>(logging.top)), Navy);
  EXPECT_EQ(CheckMarkPixels(window, 4, White), CheckMarkArea);
  EXPECT_EQ(CheckMarkPixels(window, 4, Black), 0);
}

TEST_F(WindowSystemTest, DropdownHasARaisedBorderEtchedSeparatorsAndEmbossedGreyedItems) {
  const win::WindowId window = MakeGraphicsWindow();
  PressAt(window, Centre(win::GetMenuBarItemRect(window, 0)));
  Drain();
  const raster::Bitmap content = win::ComposeWindow(window);
  const raster::Rect first = win::GetDropdownItemRect(window, 0);
  const raster::Rect last = win::GetDropdownItemRect(window, RunMenuEntries - 1);
  const auto at = [&](std::int64_t x, std::int64_t y) {
    return content.pixel(static_cast<int>(x), static_cast<int>(y));
  };
  // Outer edge light grey and black, inner edge white and dark grey, one pixel of face.
  EXPECT_EQ(at(first.left - 3, first.top - 3), Grey);
  EXPECT_EQ(at(first.left - 2, first.top - 2), White);
  EXPECT_EQ(at(last.right + 2, last.bottom + 2), Black);
  EXPECT_EQ(at(last.right + 1, last.bottom + 1), DarkGrey);
  EXPECT_EQ(at(first.left - 1, first.top - 1), Grey);
  EXPECT_EQ(at(first.left - 3, first.bottom), Grey);
  // A separator: dark grey line over a white one, across the item but its outer columns.
  const raster::Rect separator = win::GetDropdownItemRect(window, 3);
  const auto column = [&](std::int64_t x) {
    std::vector<raster::Color> colours;
    for (auto y = separator.top; y < separator.bottom; ++y) colours.push_back(at(x, y));
    return colours;
  };
  const std::vector<raster::Color> etched = {Grey,  Grey, Grey, Grey, DarkGrey,
                                             White, Grey, Grey, Grey};
  EXPECT_EQ(column(separator.left + 1), etched);
  EXPECT_EQ(column(separator.right - 2), etched);
  EXPECT_EQ(column(separator.left), std::vector<raster::Color>(9, Grey));
  EXPECT_EQ(column(separator.right - 1), std::vector<raster::Color>(9, Grey));
  // A greyed item: grey text over a white shadow, nothing black.
  std::set<raster::Color> colours;
  for (auto y = last.top; y < last.bottom; ++y) {
    for (auto x = last.left; x < last.right; ++x) colours.insert(at(x, y));
  }
  EXPECT_EQ(colours, (std::set<raster::Color>{Grey, DarkGrey, White}));
}

// The underline is the only difference between a label with an access letter and without.
TEST_F(WindowSystemTest, AccessLetterIsUnderlinedBelowItsGlyph) {
  const auto barWith = [](const char* text) {
    const win::WindowId window =
        win::CreateWindow("Test", "t", win::Style::Caption, 0, 0, 200, 100).value_or(0);
    const win::MenuId bar = win::CreateMenu();
    EXPECT_TRUE(win::AppendMenu(bar, win::mf::String, 1, text));
    EXPECT_TRUE(win::SetMenu(window, bar));
    return win::ComposeWindow(window);
  };
  const raster::Bitmap plain = barWith("Run");
  const raster::Bitmap marked = barWith("&Run");
  std::vector<raster::Point> differ;
  for (int y = 0; y < win::MenuBarHeight; ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      if (plain.pixel(x, y) != marked.pixel(x, y)) differ.push_back({x, y});
    }
  }
  // One pixel short of the letter's advance, as the classic menus underline.
  const int letterWidth = raster::MeasureText(raster::Face::Menu, 0, "R").width;
  ASSERT_EQ(static_cast<int>(differ.size()), letterWidth - 1);
  for (const raster::Point& p : differ) {
    EXPECT_EQ(p.y, differ.front().y);
    EXPECT_EQ(marked.pixel(static_cast<int>(p.x), static_cast<int>(p.y)), Black);
  }
  int lowestInk = 0;
  for (int y = 0; y < win::MenuBarHeight; ++y) {
    if (plain.pixel(static_cast<int>(differ.front().x) + 1, y) == Black) lowestInk = y;
  }
  EXPECT_GT(differ.front().y, lowestInk);
}

TEST_F(WindowSystemTest, BarIsGreyAndShowsTheOpenItemPressed) {
  const win::WindowId window = MakeGraphicsWindow();
  const raster::Rect run = win::GetMenuBarItemRect(window, 0);
  const raster::Bitmap closed = win::ComposeWindow(window);
  EXPECT_EQ(closed.pixel(300, 0), Grey);
  EXPECT_EQ(closed.pixel(static_cast<int>(run.left), 0), Grey);
  PressAt(window, Centre(run));
  Drain();
  const raster::Bitmap open = win::ComposeWindow(window);
  // The sunken edge leaves the bar's top row grey.
  EXPECT_EQ(open.pixel(static_cast<int>(run.left), 0), Grey);
  EXPECT_EQ(open.pixel(static_cast<int>(run.left), 1), DarkGrey);
  EXPECT_EQ(open.pixel(static_cast<int>(run.right - 1), static_cast<int>(run.bottom - 1)), White);
}

// Saves the graphics window with its Run menu open, selected from the keyboard, to look at.
TEST(RunMenuPicture, SavesTheGraphicsWindowWithItsMenuOpen) {
  headless::HeadlessHost host;
  const win::WindowSystem system(host);
  ASSERT_TRUE(win::RegisterClass("DrawWndClass", RecordingProc, White));
  const win::WindowId window =
      win::CreateWindow("DrawWndClass", "PZ417 Graphics", win::Style::Caption, 0, 0, 601, 540)
          .value_or(0);
  BuildRunMenu(window);
  win::ShowWindow(window, true);
  TypeKeys("alt+r down down down");
  win::Message m;
  while (win::PeekMessage(m)) {
    win::TranslateMessage(m);
    win::DispatchMessage(m);
  }
  win::TextOut(window, 400, 300, "Client area", raster::Face::Sans, 16);
  const raster::Bitmap content = win::ComposeWindow(window);
  EXPECT_EQ(content.width(), 595);
  EXPECT_EQ(content.height(), 515);
  const pz417::Status saved = raster::WritePng(content, WINDOW_PICTURE_DIR "/run-menu-open.png");
  EXPECT_TRUE(saved) << saved.error();
}

}  // namespace
