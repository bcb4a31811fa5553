// The event loop on the headless host: arming and ticks, presses, keys, quitting, coordinates.

#include <cstdlib>
#include <string>

#include "kit_session.h"

namespace {

const Event PeriodicEvent{Periodic, 0, 0, 0};

using EventLoop = KitSession;

TEST_F(EventLoop, AnimationDeliversOnePeriodicPerTick) {
  KitSetRunMode(RunMode::Animate);
  input.Tick(3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Wait(), PeriodicEvent) << "tick " << i;
  EXPECT_EQ(input.Pending(), 0u);
}

TEST_F(EventLoop, TickBeforeTheWaitDoesNotCount) {
  input.Tick();  // arrives while halted: sets the tick flag only
  Click(1, 2);   // ends the first wait
  EXPECT_EQ(Wait(), (Event{Mouse, 1, 2, 0}));
  KitSetRunMode(RunMode::Animate);
  input.Tick();
  EXPECT_EQ(Wait(), PeriodicEvent);
  EXPECT_EQ(input.Pending(), 0u) << "the Periodic event came from the earlier tick";
}

TEST_F(EventLoop, HaltingKeepsTheArmedPeriodic) {
  KitSetRunMode(RunMode::Animate);
  CtrlLetter('H');  // during the wait, with a Periodic already armed
  input.Tick();
  EXPECT_EQ(Wait(), PeriodicEvent);
  input.Tick(2);
  Click(0, 0);
  EXPECT_EQ(Wait(), (Event{Mouse, 0, 0, 0}));
}

TEST_F(EventLoop, OneFrameWhileHaltedGivesExactlyOnePeriodic) {
  CtrlLetter('F');
  input.Tick();
  EXPECT_EQ(Wait(), PeriodicEvent);
  input.Tick(2);
  Click(5, 5);
  EXPECT_EQ(Wait(), (Event{Mouse, 5, 5, 0}));
}

TEST_F(EventLoop, OneFrameWhileAnimatingGivesTheArmedOneAndOneMore) {
  KitSetRunMode(RunMode::Animate);
  CtrlLetter('F');
  input.Tick();
  EXPECT_EQ(Wait(), PeriodicEvent);
  input.Tick();
  EXPECT_EQ(Wait(), PeriodicEvent);
  input.Tick(2);
  Click(0, 0);
  EXPECT_EQ(Wait().kind, Mouse);
}

TEST_F(EventLoop, PressReplacesTheArmedPeriodicAndNothingIsLeftOver) {
  KitSetRunMode(RunMode::Animate);
  Click(-3, 4);
  EXPECT_EQ(Wait(), (Event{Mouse, -3, 4, 0}));
  input.Tick();
  EXPECT_EQ(Wait(), PeriodicEvent);
  EXPECT_EQ(input.Pending(), 0u);
}

TEST_F(EventLoop, QuitRequestReturnsQuitWithTheEventsValues) {
  KitSetRunMode(RunMode::Quit);
  Click(10, 20);
  EXPECT_EQ(Wait(), (Event{Quit, 10, 20, 0}));
  input.Type("a");
  EXPECT_EQ(Wait(), (Event{Quit, 0, 0, 'a'}));
}

TEST_F(EventLoop, ClosingTheGraphicsWindowQuits) {
  input.Close(Graphics());
  EXPECT_EQ(Wait(), (Event{Quit, 0, 0, 0}));
}

TEST_F(EventLoop, RunMenuQuitQuitsAndKeepsTheWindow) {
  input.ChooseMenuItem(Graphics(), 8);
  EXPECT_EQ(Wait(), (Event{Quit, 0, 0, 0}));
  EXPECT_TRUE(win::IsWindow(Graphics()));
}

TEST_F(EventLoop, CtrlQQuitsFromEitherWindow) {
  for (const bool fromConsole : {false, true}) {
    SCOPED_TRACE(fromConsole ? "console" : "graphics window");
    Focus(fromConsole ? Console() : Graphics());
    CtrlLetter('Q');
    EXPECT_EQ(Wait().kind, Quit);
  }
}

struct PixelCase {
  int clientX, clientY;
  int kitX, kitY;
};

class KitCoordinates : public KitSession, public ::testing::WithParamInterface<PixelCase> {};

TEST_P(KitCoordinates, PressAtClientPixel) {
  const PixelCase c = GetParam();
  input.Press(Graphics(), c.clientX, c.clientY);
  EXPECT_EQ(Wait(), (Event{Mouse, c.kitX, c.kitY, 0}));
}

INSTANTIATE_TEST_SUITE_P(Presses, KitCoordinates,
                         ::testing::Values(PixelCase{297, 248, 0, 0}, PixelCase{307, 228, 10, 20},
                                           PixelCase{0, 0, -297, 248},
                                           PixelCase{594, 495, 297, -247}),
                         [](const auto& info) {
                           return "Pixel" + std::to_string(info.param.clientX) + "x" +
                                  std::to_string(info.param.clientY);
                         });

TEST_F(EventLoop, OriginIsTheCentreOfThe595By496ClientArea) {
  EXPECT_EQ(win::GetClientRect(Graphics()), (raster::Rect{0, 0, 595, 496}));
  EXPECT_EQ(KitOriginX(), 297);
  EXPECT_EQ(KitOriginY(), 248);
}

struct KeyCase {
  const char* name;
  int virtualKey;
  int character;    // -1: the key yields none
  int expectedKey;  // 0: no Key event
};

class KeyMapping : public KitSession, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyMapping, KeyDownGivesKeyEventOnlyForCharacters) {
  const KeyCase c = GetParam();
  input.KeyDown(c.virtualKey, c.character);
  input.KeyUp(c.virtualKey);
  Click(7, 7);  // ends the wait when the key gave nothing
  const Event expected =
      c.expectedKey != 0 ? Event{Key, 0, 0, c.expectedKey} : Event{Mouse, 7, 7, 0};
  EXPECT_EQ(Wait(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyMapping,
    ::testing::Values(KeyCase{"letter", 'A', 'a', 97}, KeyCase{"shifted", 'A', 'A', 65},
                      KeyCase{"enter", win::vk::Return, 13, 13}, KeyCase{"tab", win::vk::Tab, 9, 9},
                      KeyCase{"backspace", win::vk::Back, 8, 8},
                      KeyCase{"escape", win::vk::Escape, 27, 27}, KeyCase{"high", 0xC8, 200, -56},
                      KeyCase{"arrow", win::vk::Left, -1, 0},
                      KeyCase{"function", win::vk::F1, -1, 0},
                      KeyCase{"shift", win::vk::Shift, -1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EventLoop, CtrlLetterGivesNoKeyEvent) {
  CtrlLetter('B');
  Click(1, 1);
  EXPECT_EQ(Wait().kind, Mouse);
}

TEST_F(EventLoop, AltLetterGoesToTheMenuNotToAKeyEvent) {
  input.KeyDown(win::vk::Menu);
  input.KeyDown('X', 'x');
  input.KeyUp('X');
  input.KeyUp(win::vk::Menu);
  Click(1, 1);
  EXPECT_EQ(Wait().kind, Mouse);
}

// Whatever the order of Ctrl and Alt, the kit sees Ctrl go up, so a plain letter afterwards is a
// key and not a shortcut (a plain Q would quit).
class CtrlAltOrder : public KitSession, public ::testing::WithParamInterface<std::vector<int>> {};

TEST_P(CtrlAltOrder, LeavesNoCtrlBehind) {
  for (const int step : GetParam()) {
    if (step > 0) input.KeyDown(step);
    if (step < 0) input.KeyUp(-step);
  }
  input.Type("q");
  EXPECT_EQ(Wait(), (Event{Key, 0, 0, 'q'}));
  EXPECT_FALSE(kit::CtrlFlagSet());
}

constexpr int CtrlKey = win::vk::Control, AltKey = win::vk::Menu;
// Named by the order of the steps, as "CtrlDown_AltDown_CtrlUp_AltUp".
std::string OrderName(const ::testing::TestParamInfo<std::vector<int>>& info) {
  std::string name;
  for (const int step : info.param) {
    name += name.empty() ? "" : "_";
    name += std::abs(step) == CtrlKey ? "Ctrl" : "Alt";
    name += step > 0 ? "Down" : "Up";
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Orders, CtrlAltOrder,
                         ::testing::Values(std::vector<int>{CtrlKey, AltKey, -CtrlKey, -AltKey},
                                           std::vector<int>{AltKey, CtrlKey, -AltKey, -CtrlKey},
                                           std::vector<int>{CtrlKey, AltKey, -AltKey, -CtrlKey},
                                           std::vector<int>{AltKey, CtrlKey, -CtrlKey, -AltKey}),
                         OrderName);

TEST_F(EventLoop, CharacterTypedInTheConsoleReachesTheGraphicsWindow) {
  Focus(Console());
  input.Type("z");
  EXPECT_EQ(Wait(), (Event{Key, 0, 0, 'z'}));
}

TEST_F(EventLoop, MissedCtrlReleaseIsDeliveredWhenFocusReturns) {
  input.KeyDown(win::vk::Control);
  Focus(Console(), /*ctrlHeld=*/false);  // Ctrl released while elsewhere
  Focus(Graphics(), /*ctrlHeld=*/false);
  input.KeyDown('Q', 'q');  // a plain Q must not quit
  input.KeyUp('Q');
  EXPECT_EQ(Wait(), (Event{Key, 0, 0, 'q'}));
}

TEST_F(EventLoop, DrawingBetweenWaitsCostsOneCanvasCopy) {
  KitClear();
  KitCircle(2, 0, 0, 50);
  Click(0, 0);
  Wait();
  const raster::Bitmap& client = win::ClientPixels(Graphics());
  EXPECT_EQ(client.pixel(KitOriginX(), KitOriginY()), raster::Rgb(255, 0, 0));
  EXPECT_EQ(client.pixel(1, 1), raster::Rgb(255, 255, 255));
}

// A filled box as the last call is held back by the renderer: the copy must still bring it.
TEST_F(EventLoop, AFilledBoxDrawnLastReachesTheWindow) {
  KitClear();
  KitRectangle(2, -5, 5, 5, -5, 0);
  Click(0, 0);
  Wait();
  EXPECT_EQ(win::ClientPixels(Graphics()).pixel(KitOriginX(), KitOriginY()),
            raster::Rgb(255, 0, 0));
}

// After the first paint, only the dirty flag brings drawing to the window.
TEST_F(EventLoop, DrawingAfterAWaitReachesTheWindowAtTheNextWait) {
  KitClear();
  Click(0, 0);
  Wait();
  const raster::Bitmap& client = win::ClientPixels(Graphics());
  ASSERT_EQ(client.pixel(KitOriginX(), KitOriginY()), raster::Rgb(255, 255, 255));
  KitCircle(2, 0, 0, 50);
  Click(0, 0);
  Wait();
  EXPECT_EQ(client.pixel(KitOriginX(), KitOriginY()), raster::Rgb(255, 0, 0));
}

TEST_F(EventLoop, PaintCopiesTheCanvasEvenWhenItIsNotDirty) {
  KitClear();
  Click(0, 0);
  Wait();
  // Changed behind the kit's back: only a repaint can bring this pixel to the window.
  kit::State().canvas.setPixel(10, 10, raster::Rgb(1, 2, 3));
  ASSERT_EQ(kit::State().dirty, 0);
  input.Call([this] { win::InputExpose(Graphics()); });
  Click(0, 0);
  Wait();
  EXPECT_EQ(win::ClientPixels(Graphics()).pixel(10, 10), raster::Rgb(1, 2, 3));
}

TEST_F(EventLoop, WaitBeforeOpenReturnsQuitInsteadOfHanging) {
  KitClose();
  EXPECT_EQ(Wait().kind, Quit);
  EXPECT_EQ(KitSetRunMode(RunMode::Animate), 0);
  EXPECT_EQ(KitSetLogging(1), 0);
}

// ---- the kit's life ------------------------------------------------------------------------

TEST_F(EventLoop, CloseHookSeesTheWindowsAndCanvasThenCloseEndsThem) {
  const win::WindowId graphics = Graphics();
  bool windowsSeen = false;
  int canvasWidth = 0;
  KitSetCloseHook([&] {
    windowsSeen = win::IsWindow(Graphics()) && win::IsWindow(Console());
    canvasWidth = KitCanvas().width();
  });
  KitClose();
  EXPECT_TRUE(windowsSeen);
  EXPECT_EQ(canvasWidth, 601);
  EXPECT_FALSE(win::IsWindow(graphics));
  EXPECT_EQ(KitGraphicsWindow(), 0);
  EXPECT_EQ(KitCanvas().width(), 0);
}

TEST_F(EventLoop, AReopenedKitStartsAfresh) {
  KitSetRunMode(RunMode::Quit);
  KitSetLogging(0);
  KitPrint("before\n");
  KitClose();
  KitOpen(nullptr, nullptr, "", 1);
  EXPECT_TRUE(win::IsWindow(Graphics()));
  EXPECT_EQ(kit::State().quitRequest, 0);
  EXPECT_TRUE(kit::LoggingOn());
  EXPECT_EQ(kit::TheKit().console.first, -1);
  KitPrint("after\n");
  EXPECT_EQ(printed, std::vector<std::string>{"before\n"});  // the hook ended with the first kit
}

TEST_F(EventLoop, MessagePrintedBeforeOpenIsShownOnceOpen) {
  KitClose();
  KitPrint("printed before the kit was open\n");
  KitOpen(nullptr, nullptr, "", 1);
  Click(0, 0);
  Wait();  // the console's first paint draws what was kept
  const raster::Bitmap& console = win::ClientPixels(Console());
  int ink = 0;
  for (int y = console.height() - 13; y < console.height(); ++y) {
    for (int x = 0; x < console.width(); ++x) ink += console.pixel(x, y) == 0;
  }
  EXPECT_GT(ink, 0);
}

}  // namespace
