// Windows: frames and client sizes, Size messages, showing, resizing, closing, focus, keys.

#include <functional>

#include "window_test_util.h"

namespace {

using namespace window_test;
using win::Msg;
using Strings = std::vector<std::string>;

std::string SizeText(win::Size size) {
  return "Size " + std::to_string(size.width) + "," + std::to_string(size.height);
}

// ---- frames --------------------------------------------------------------------------------

struct FrameCase {
  const char* name;
  win::Style style;
  int width;
  int height;
  bool menu;
  win::Size client;
};

const FrameCase frameCases[] = {
    {"GraphicsWindow", win::Style::Caption, 601, 540, true, {595, 496}},
    {"CaptionWithoutMenu", win::Style::Caption, 601, 540, false, {595, 515}},
    {"ConsoleOnA768Screen", win::Style::Overlapped, 1024, 256, false, {1016, 229}},
    {"ConsoleOnA1080Screen", win::Style::Overlapped, 1920, 360, false, {1912, 333}},
    {"SizingFrameWithMenu", win::Style::Overlapped, 300, 200, true, {292, 154}},
    {"SmallerThanItsFrame", win::Style::Caption, 4, 20, true, {0, 0}},
};

class Frames : public WindowSystemTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(Frames, ClientAreaIsWhatFrameCaptionAndMenuLeave) {
  const FrameCase& c = GetParam();
  const win::WindowId window =
      win::CreateWindow("Test", "t", c.style, 0, 0, c.width, c.height).value_or(0);
  if (c.menu) BuildRunMenu(window);
  const raster::Rect client = win::GetClientRect(window);
  EXPECT_EQ(client, (raster::Rect{0, 0, c.client.width, c.client.height}));
  EXPECT_EQ(win::ClientPixels(window).width(), c.client.width);
  EXPECT_EQ(win::ClientPixels(window).height(), c.client.height);
  EXPECT_EQ(win::ComposeWindow(window).height(), c.client.height + (c.menu ? 19 : 0));
  const auto sizes = ReceivedOf({Msg::Size});
  ASSERT_FALSE(sizes.empty());
  EXPECT_EQ(Describe(sizes.back()), SizeText(c.client));
}

INSTANTIATE_TEST_SUITE_P(Window, Frames, ::testing::ValuesIn(frameCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowSystemTest, CreateSendsCreateThenSize) {
  const win::WindowId window =
      win::CreateWindow("Test", "PZ417 Text", win::Style::Overlapped, 0, 513, 1024, 256)
          .value_or(0);
  EXPECT_EQ(Describe(ReceivedOf({Msg::Create, Msg::Size, Msg::Paint})),
            (Strings{"Create", "Size 1016,229"}));
  EXPECT_EQ(win::GetWindowRect(window), (raster::Rect{0, 513, 1024, 769}));
  EXPECT_EQ(win::GetWindowTitle(window), "PZ417 Text");
  EXPECT_FALSE(win::IsWindowVisible(window));
  EXPECT_EQ(win::ClientPixels(window).pixel(0, 0), Background);
}

TEST_F(WindowSystemTest, SetMenuSendsSizeOnlyWhenTheClientAreaChanges) {
  const win::WindowId window = MakeWindow();
  const win::MenuId bar = win::GetMenu(window);
  EXPECT_EQ(bar, 0);
  BuildRunMenu(window);
  EXPECT_TRUE(win::SetMenu(window, win::GetMenu(window)));
  const win::MenuId kept = win::GetMenu(window);
  EXPECT_TRUE(win::SetMenu(window, 0));
  EXPECT_TRUE(win::SetMenu(window, kept));
  EXPECT_EQ(Describe(ReceivedOf({Msg::Size})),
            (Strings{"Size 595,496", "Size 595,515", "Size 595,496"}));
}

// ---- showing -------------------------------------------------------------------------------

struct ShowCase {
  const char* name;
  std::vector<bool> calls;
  std::vector<bool> wasVisible;
  Strings hostCalls;
};

const ShowCase showCases[] = {
    {"ShowHidden", {true}, {false}, {"shown 1"}},
    // Showing a shown window tells the host again: it activates and raises it.
    {"ShowTwice", {true, true}, {false, true}, {"shown 1", "shown 1"}},
    {"ShowThenHide", {true, false}, {false, true}, {"shown 1", "hidden 1"}},
    {"HideHidden", {false}, {false}, {}},
};

class Showing : public WindowSystemTest, public ::testing::WithParamInterface<ShowCase> {};

TEST_P(Showing, ReturnsWhetherTheWindowWasVisibleAndTellsTheHost) {
  const win::WindowId window =
      win::CreateWindow("Test", "t", win::Style::Caption, 0, 0, 50, 50).value_or(0);
  std::vector<bool> returned;
  for (const bool show : GetParam().calls) returned.push_back(win::ShowWindow(window, show));
  EXPECT_EQ(returned, GetParam().wasVisible);
  EXPECT_EQ(host.calls, GetParam().hostCalls);
  EXPECT_EQ(win::IsWindowVisible(window), GetParam().calls.back());
}

INSTANTIATE_TEST_SUITE_P(Window, Showing, ::testing::ValuesIn(showCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowSystemTest, ShowingPaintsOnceOverAnErasedClientArea) {
  const win::WindowId window =
      win::CreateWindow("Test", "t", win::Style::Caption, 0, 0, 50, 50).value_or(0);
  win::FillClientRect(window, {0, 0, 50, 50}, 0xFF0000);
  win::ShowWindow(window, true);
  EXPECT_EQ(Describe(Drain()), Strings{"Paint"});
  EXPECT_EQ(win::ClientPixels(window).pixel(10, 10), Background);
}

TEST_F(WindowSystemTest, ExposePaintsOverAnErasedClientArea) {
  const win::WindowId window = MakeWindow();
  win::FillClientRect(window, {0, 0, 50, 50}, 0xFF0000);
  win::InputExpose(window);
  EXPECT_EQ(Describe(Drain()), Strings{"Paint"});
  EXPECT_EQ(win::ClientPixels(window).pixel(10, 10), Background);
}

TEST_F(WindowSystemTest, ResizeSendsSizeAndRepaintsTheNewArea) {
  const win::WindowId window = MakeWindow(win::Style::Overlapped, 408, 327);
  win::InputResize(window, 500, 100);
  EXPECT_EQ(win::GetClientRect(window).width(), 400);  // not before the resize is taken
  EXPECT_EQ(Describe(Drain()), Strings{"Paint"});
  EXPECT_EQ(Describe(ReceivedOf({Msg::Size})), Strings{"Size 500,100"});
  EXPECT_EQ(win::GetClientRect(window), (raster::Rect{0, 0, 500, 100}));
  EXPECT_EQ(win::GetWindowRect(window), (raster::Rect{0, 0, 508, 127}));
  EXPECT_EQ(win::ClientPixels(window).pixel(499, 99), Background);
}

TEST_F(WindowSystemTest, CloseDestroysTheWindowThroughTheDefaultProcedure) {
  const win::WindowId window = MakeWindow();
  host.calls.clear();
  win::InputClose(window);
  EXPECT_EQ(Describe(Drain()), Strings{"Close"});
  EXPECT_EQ(Describe(ReceivedOf({Msg::Destroy})), Strings{"Destroy"});
  EXPECT_FALSE(win::IsWindow(window));
  EXPECT_EQ(host.calls, Strings{"destroyed 1"});
}

// ---- focus and keys ------------------------------------------------------------------------

TEST_F(WindowSystemTest, KeysGoToTheLastShownThenTheLastFocusedWindow) {
  const win::WindowId first = MakeWindow();
  const win::WindowId second = MakeWindow();
  EXPECT_EQ(win::FocusedWindow(), second);
  win::InputFocus(first, false);
  win::InputKeyDown(win::vk::F1, -1);
  Drain();
  const auto keys = ReceivedOf({Msg::KeyDown});
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys[0].window, first);
  win::ShowWindow(first, false);
  EXPECT_EQ(win::FocusedWindow(), second);
}

struct KeyCase {
  const char* name;
  std::function<void()> keys;
  Strings delivered;
};

const KeyCase keyCases[] = {
    {"LetterYieldsItsCharacter",
     [] {
       win::InputKeyDown('A', 'a');
       win::InputKeyUp('A');
     },
     {"KeyDown 65", "Char 97", "KeyUp 65"}},
    {"EnterYields13",
     [] {
       win::InputKeyDown(win::vk::Return, 13);
       win::InputKeyUp(win::vk::Return);
     },
     {"KeyDown 13", "Char 13", "KeyUp 13"}},
    {"ArrowYieldsNoCharacter",
     [] {
       win::InputKeyDown(win::vk::Left, -1);
       win::InputKeyUp(win::vk::Left);
     },
     {"KeyDown 37", "KeyUp 37"}},
    {"KeysWhileAltIsHeldAreSystemKeys",
     [] {
       win::InputKeyDown(win::vk::Menu, -1);
       win::InputKeyDown('X', 'x');
       win::InputKeyUp('X');
       win::InputKeyUp(win::vk::Menu);
     },
     {"SysKeyDown 18", "SysKeyDown 88", "SysChar 120", "SysKeyUp 88", "SysKeyUp 18"}},
    {"AltReleasedBeforeTheKey",
     [] {
       win::InputKeyDown(win::vk::Menu, -1);
       win::InputKeyUp(win::vk::Menu);
       win::InputKeyDown('B', 'b');
       win::InputKeyUp('B');
     },
     {"SysKeyDown 18", "SysKeyUp 18", "KeyDown 66", "Char 98", "KeyUp 66"}},
    // Alt may have been let go in another program.
    {"AltHeldAsTheKeyboardLeftTheProgram",
     [] {
       win::InputKeyDown(win::vk::Menu, -1);
       win::InputFocusLeft();
       win::InputKeyDown('B', 'b');
       win::InputKeyUp('B');
     },
     {"SysKeyDown 18", "KeyDown 66", "Char 98", "KeyUp 66"}},
    {"CharacterWithoutAKey", [] { win::InputChar(233); }, {"Char 233"}},
    {"CharacterOutOfRangeIsDropped", [] { win::InputChar(300); }, {}},
};

class Keys : public WindowSystemTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(Keys, ReachTheFocusedWindowAsTranslated) {
  MakeWindow();
  GetParam().keys();
  EXPECT_EQ(Describe(Drain()), GetParam().delivered);
}

INSTANTIATE_TEST_SUITE_P(Window, Keys, ::testing::ValuesIn(keyCases),
                         [](const auto& info) { return std::string(info.param.name); });

// As the classic desktop marks it, a key-down of a key already down is a repeat whatever the host
// said, in whichever of the program's windows; once the key is up, or the keyboard went to
// another program where it may have been let go, its next key-down is a fresh press.
struct RepeatCase {
  const char* name;
  std::function<void(win::WindowId other)> between;  // between the first key-down and the next
  std::vector<bool> repeats;                         // of the key-downs the window got
};

const RepeatCase repeatCases[] = {
    {"HeldKey", [](win::WindowId) {}, {false, true}},
    {"ReleasedKey", [](win::WindowId) { win::InputKeyUp('R'); }, {false, false}},
    {"HeldWhileTheKeyboardMovesToTheOtherWindow",
     [](win::WindowId other) { win::InputFocus(other, false); },
     {false, true}},
    {"KeyboardLeftTheProgram", [](win::WindowId) { win::InputFocusLeft(); }, {false, false}},
};

class Repeats : public WindowSystemTest, public ::testing::WithParamInterface<RepeatCase> {};

TEST_P(Repeats, MarkAKeyDownOfAKeyAlreadyDown) {
  const win::WindowId other = MakeWindow();
  MakeWindow();
  win::InputKeyDown('R', 'r');
  GetParam().between(other);
  win::InputKeyDown('R', 'r');
  Drain();
  std::vector<bool> repeats;
  for (const win::Message& m : ReceivedOf({Msg::KeyDown})) {
    repeats.push_back(win::IsKeyRepeat(m.lParam));
  }
  EXPECT_EQ(repeats, GetParam().repeats);
}

INSTANTIATE_TEST_SUITE_P(Window, Repeats, ::testing::ValuesIn(repeatCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct MendCase {
  const char* name;
  std::function<void()> keys;
  bool ctrlHeldOnFocus;
  bool mended;
};

const MendCase mendCases[] = {
    {"CtrlWentUpElsewhere", [] { win::InputKeyDown(win::vk::Control, -1); }, false, true},
    {"CtrlStillHeld", [] { win::InputKeyDown(win::vk::Control, -1); }, true, false},
    {"CtrlUpWasSeen",
     [] {
       win::InputKeyDown(win::vk::Control, -1);
       win::InputKeyUp(win::vk::Control);
     },
     false, false},
    {"NoCtrlAtAll", [] { win::InputKeyDown('A', 'a'); }, false, false},
};

class CtrlMend : public WindowSystemTest, public ::testing::WithParamInterface<MendCase> {};

TEST_P(CtrlMend, QueuesTheMissedCtrlKeyUpOnce) {
  const win::WindowId window = MakeWindow();
  GetParam().keys();
  Drain();
  win::InputFocus(window, GetParam().ctrlHeldOnFocus);
  win::InputFocus(window, GetParam().ctrlHeldOnFocus);
  const Strings expected = GetParam().mended ? Strings{"KeyUp 17"} : Strings{};
  EXPECT_EQ(Describe(Drain()), expected);
}

INSTANTIATE_TEST_SUITE_P(Window, CtrlMend, ::testing::ValuesIn(mendCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- bad calls -------------------------------------------------------------------------------

TEST_F(WindowSystemTest, BadCallsFailWithoutHarm) {
  EXPECT_EQ(win::RegisterClass("Test", RecordingProc, 0).error(),
            "RegisterClass: no procedure, or the class \"Test\" exists already");
  EXPECT_FALSE(win::RegisterClass("Other", nullptr, 0));
  EXPECT_EQ(win::CreateWindow("Missing", "t", win::Style::Caption, 0, 0, 9, 9).error(),
            "CreateWindow: no window class \"Missing\"");
  EXPECT_FALSE(win::ShowWindow(42, true));
  EXPECT_EQ(win::GetClientRect(42), raster::Rect{});
  EXPECT_EQ(win::ClientPixels(42).width(), 0);
  EXPECT_EQ(win::ComposeWindow(42).width(), 0);
  win::FillClientRect(42, {0, 0, 5, 5}, 1);
  win::PostMessage(42, Msg::Command, 1, 0);
  EXPECT_EQ(win::SetTimer(42, 1, 100).error(), "SetTimer: no window 42");
  win::InputPress(42, 0, 0);
  win::InputFocus(42, false);
  EXPECT_TRUE(Drain().empty());
  EXPECT_FALSE(win::SetMenu(42, win::CreateMenu()));
  EXPECT_EQ(win::AppendMenu(99, win::mf::String, 1, "x").error(), "AppendMenu: no menu 99");
}

// ---- the system's life ---------------------------------------------------------------------

TEST_F(WindowSystemTest, ANewSystemStartsEmptyAndTheOuterOneComesBack) {
  const win::WindowId window = MakeGraphicsWindow();
  win::PostQuitMessage(0);
  {
    const win::WindowSystem inner(host);
    EXPECT_FALSE(win::IsWindow(window));
    EXPECT_EQ(win::GetMenuItemCount(1), -1);
    EXPECT_TRUE(Drain().empty());
    EXPECT_TRUE(win::RegisterClass("Test", RecordingProc, Background));
    EXPECT_EQ(win::CreateWindow("Test", "t", win::Style::Caption, 0, 0, 9, 9).value_or(0), 1);
    host.calls.clear();
  }
  EXPECT_EQ(host.calls, Strings{"destroyed 1"});  // the inner system's window, gone with it
  EXPECT_TRUE(win::IsWindow(window));
  EXPECT_EQ(win::GetWindowTitle(window), "Graphics");
  EXPECT_EQ(Describe(Drain()), Strings{"Quit 0"});
}

TEST(NoWindowSystem, CallsActOnNothing) {
  EXPECT_EQ(win::RegisterClass("Test", RecordingProc, Background).error(),
            "RegisterClass: no window system is running");
  EXPECT_FALSE(win::CreateWindow("Test", "t", win::Style::Caption, 0, 0, 9, 9));
  EXPECT_EQ(win::CreateMenu(), 0);
  EXPECT_FALSE(win::AppendMenu(1, win::mf::String, 1, "x"));
  win::PostQuitMessage(0);
  win::PostMessage(0, Msg::Command, 1, 0);
  win::InputKeyDown('A', 'a');
  win::Message message;
  EXPECT_FALSE(win::PeekMessage(message));
  EXPECT_FALSE(win::IsWindow(1));
  EXPECT_EQ(win::FocusedWindow(), 0);
  EXPECT_EQ(win::GetScreenSize(), (win::Size{1024, 768}));
}

}  // namespace
