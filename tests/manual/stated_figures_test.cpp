// Figures the manual's pages state, held to what the kit does: where the windows are, the timer's
// period, what reaches the window, and edges of the figures drawn.

#include <string>
#include <vector>

#include "canvas_session.h"

namespace {

constexpr raster::Color White = 0xFFFFFF, Black = 0x000000;

class StatedFigures : public CanvasSession {
 protected:
  // The kit pixels of `colour` on the canvas, as a box (empty if there are none).
  raster::Rect KitBoxOf(raster::Color colour) const {
    const raster::Bitmap& canvas = KitCanvas();
    raster::Rect box{INT32_MAX, INT32_MIN, INT32_MIN, INT32_MAX};
    for (int y = 1; y < canvas.height() - 1; ++y) {
      for (int x = 1; x < canvas.width() - 1; ++x) {
        if (canvas.pixel(x, y) != colour) continue;
        const int kx = x - KitOriginX(), ky = KitOriginY() - y;
        box = {std::min<std::int64_t>(box.left, kx), std::max<std::int64_t>(box.top, ky),
               std::max<std::int64_t>(box.right, kx), std::min<std::int64_t>(box.bottom, ky)};
      }
    }
    return box;
  }
  // Kit x of the pixels of `colour` on kit row y: its first and last.
  std::pair<int, int> RowSpan(raster::Color colour, int y) const {
    std::pair<int, int> span{INT32_MAX, INT32_MIN};
    for (int x = -297; x <= 297; ++x) {
      if (At(x, y) != colour) continue;
      span = {std::min(span.first, x), std::max(span.second, x)};
    }
    return span;
  }
};

TEST_F(StatedFigures, WindowsLieWhereKitOpenPutsThem) {
  ASSERT_EQ(win::GetScreenSize(), (win::Size{1024, 768}));
  EXPECT_EQ(win::GetWindowRect(Graphics()), (raster::Rect{0, 0, 601, 540}));
  EXPECT_EQ(win::GetClientRect(Graphics()), (raster::Rect{0, 0, 595, 496}));
  EXPECT_EQ(KitOriginX(), 297);
  EXPECT_EQ(KitOriginY(), 248);
  // The bottom third, one row down: its last row lies below the screen.
  EXPECT_EQ(win::GetWindowRect(Console()), (raster::Rect{0, 513, 1024, 769}));
}

TEST_F(StatedFigures, TheTimerTicksEvery100Milliseconds) {
  KitSetRunMode(RunMode::Animate);
  input.Tick(1, 99);
  Click(1, 1);
  EXPECT_EQ(Wait().kind, Mouse);
  input.Tick(1, 1);
  EXPECT_EQ(Wait().kind, Periodic);
}

TEST_F(StatedFigures, WaitLeavesNullPointersAlone) {
  Click(3, 4);
  EXPECT_EQ(KitWaitEvent(nullptr, nullptr, nullptr), Mouse);
  Click(5, 6);
  int y = -1;
  EXPECT_EQ(KitWaitEvent(nullptr, &y, nullptr), Mouse);
  EXPECT_EQ(y, 6);
}

// Of the canvas's frame, the window shows the left column and the top row only.
TEST_F(StatedFigures, ClearedWindowShowsTwoSidesOfTheFrame) {
  KitSetRunMode(RunMode::OneFrame);
  input.Tick();
  ASSERT_EQ(Wait().kind, Periodic);
  const raster::Bitmap& client = win::ClientPixels(Graphics());
  for (int y : {0, 100, 495}) EXPECT_EQ(client.pixel(0, y), Black) << y;
  for (int x : {0, 300, 594}) EXPECT_EQ(client.pixel(x, 0), Black) << x;
  EXPECT_EQ(client.pixel(594, 100), White);
  EXPECT_EQ(client.pixel(300, 495), White);
}

// Kit boxes as left, top, right, bottom: the extreme kit x and y painted.
struct OutlineCase {
  const char* name;
  int width;
  raster::Rect painted;
};
class WideRectangle : public StatedFigures, public testing::WithParamInterface<OutlineCase> {};

TEST_P(WideRectangle, StraddlesTheBoxEdge) {
  KitRectangle(KitColor::Blue, 0, 0, 10, -10, GetParam().width);
  EXPECT_EQ(KitBoxOf(0x0000FF), GetParam().painted);
}

// Odd widths: (w - 1) / 2 outside on every side; even: w / 2 at top and left, w / 2 - 1 at
// bottom and right.
INSTANTIATE_TEST_SUITE_P(Widths, WideRectangle,
                         testing::Values(OutlineCase{"One", 1, {0, 0, 10, -10}},
                                         OutlineCase{"Two", 2, {-1, 1, 10, -10}},
                                         OutlineCase{"Three", 3, {-1, 1, 11, -11}},
                                         OutlineCase{"Four", 4, {-2, 2, 11, -11}},
                                         OutlineCase{"Five", 5, {-2, 2, 12, -12}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StatedFigures, WideLineReachesPastBothEnds) {
  KitLine(KitColor::Red, 0, 0, 10, 0, 3);
  EXPECT_EQ(RowSpan(0xFF0000, 0), std::make_pair(-1, 11));
  EXPECT_EQ(RowSpan(0xFF0000, 1), std::make_pair(0, 10));
  EXPECT_EQ(RowSpan(0xFF0000, -1), std::make_pair(0, 10));
  EXPECT_EQ(KitBoxOf(0xFF0000), (raster::Rect{-1, 1, 11, -1}));
}

TEST_F(StatedFigures, OvalTouchesTheSidesOfItsBox) {
  KitOval(KitColor::Red, -10, 5, 10, -5, 0);
  EXPECT_EQ(KitBoxOf(0xFF0000), (raster::Rect{-10, 5, 10, -5}));
}

TEST_F(StatedFigures, BoxOfOnePointDrawsNothing) {
  KitRectangle(KitColor::Red, 7, 7, 7, 7, 0);
  KitRectangle(KitColor::Red, 9, 9, 9, 9, 1);
  EXPECT_EQ(CountAll(0xFF0000), 0);
}

TEST_F(StatedFigures, NullTextDrawsNothing) {
  const raster::Bitmap before = KitCanvas();
  KitText(KitColor::Black, 0, 0, 20, nullptr);
  EXPECT_TRUE(KitCanvas() == before);
}

// Tabs, carriage returns and inner line feeds are not interpreted: on the canvas each is the
// face's box for a missing character, on the console one dotted box.
TEST_F(StatedFigures, ControlCharactersAreDrawnAsBoxes) {
  KitText(KitColor::Black, 0, 0, 20, "x\x01y");
  const raster::Bitmap missing = KitCanvas();
  for (const char* text : {"x\ty", "x\ry"}) {
    KitClear();
    KitText(KitColor::Black, 0, 0, 20, text);
    EXPECT_TRUE(KitCanvas() == missing) << static_cast<int>(text[1]);
  }
  // The console's bottom line, 13 pixels high.
  const auto bottomLine = [this] {
    const raster::Bitmap& console = win::ClientPixels(Console());
    std::vector<raster::Color> line;
    for (int y = console.height() - 13; y < console.height(); ++y)
      for (int x = 0; x < console.width(); ++x) line.push_back(console.pixel(x, y));
    return line;
  };
  KitPrint("one\ntwo");
  const std::vector<raster::Color> line = bottomLine();
  for (const char* message : {"one\ttwo", "one\rtwo"}) {
    KitPrint("%s", message);
    EXPECT_EQ(bottomLine(), line) << static_cast<int>(message[3]);
  }
  KitPrint("onetwo");
  EXPECT_NE(bottomLine(), line);
}

TEST_F(StatedFigures, NullFormatPrintsAnEmptyLine) {
  printed.clear();
  EXPECT_EQ(KitPrint(nullptr), 0);
  EXPECT_EQ(printed, std::vector<std::string>{""});
}

TEST_F(StatedFigures, LoggingSwitchedOnAgainStillShowsTheConsoleWithTheKeyboard) {
  KitSetLogging(1);
  KitShowConsole(0);
  Focus(Graphics());
  input.Call([] { KitSetLogging(1); });
  input.Type("k");
  EXPECT_EQ(Wait(), (Event{Key, 0, 0, 'k'}));
  EXPECT_TRUE(win::IsWindowVisible(Console()));
  EXPECT_EQ(win::FocusedWindow(), Console());
}

TEST(StatedFiguresOpen, HiddenWhenShowStateIsZero) {
  headless::HeadlessHost host;
  win::SetHost(&host);
  EXPECT_EQ(KitOpen(nullptr, nullptr, "", 0), 1);
  EXPECT_FALSE(win::IsWindowVisible(KitGraphicsWindow()));
  EXPECT_FALSE(win::IsWindowVisible(KitConsoleWindow()));
  EXPECT_EQ(KitClose(), 1);
  win::SetHost(nullptr);
}

}  // namespace
