// Damage: the list of changed boxes, the changed runs a copy reports, and random sessions in
// which a screen built only from the presented boxes always equals the window's full picture.

#include "win/damage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "raster/copy_changed.h"
#include "window_test_util.h"

namespace window_test {
namespace {

using raster::Rect;

bool Covers(std::span<const Rect> boxes, std::int64_t x, std::int64_t y) {
  return std::any_of(boxes.begin(), boxes.end(), [&](const Rect& b) {
    return x >= b.left && x < b.right && y >= b.top && y < b.bottom;
  });
}

std::vector<Rect> Sorted(std::span<const Rect> boxes) {
  std::vector<Rect> out(boxes.begin(), boxes.end());
  std::sort(out.begin(), out.end(), [](const Rect& a, const Rect& b) {
    return std::tie(a.top, a.left, a.bottom, a.right) < std::tie(b.top, b.left, b.bottom, b.right);
  });
  return out;
}

struct DamageCase {
  const char* what;
  std::vector<Rect> added;
  std::vector<Rect> expected;  // sorted by top, then left
};

class DamageListCases : public testing::TestWithParam<DamageCase> {};

TEST_P(DamageListCases, HoldsTheExpectedBoxes) {
  win::DamageList damage;
  damage.DamageAll(100, 80);
  damage.Clear();
  for (const Rect& box : GetParam().added) damage.Add(box);
  EXPECT_EQ(Sorted(damage.rects()), GetParam().expected);
  EXPECT_EQ(damage.empty(), GetParam().expected.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamageListCases,
    testing::Values(
        DamageCase{"nothing", {}, {}}, DamageCase{"an empty box", {{5, 5, 5, 9}}, {}},
        DamageCase{"outside", {{100, 0, 120, 10}, {-9, -9, 0, 80}}, {}},
        DamageCase{"clipped", {{-5, 70, 10, 95}}, {{0, 70, 10, 80}}},
        DamageCase{"overlapping", {{10, 10, 40, 30}, {20, 15, 45, 35}}, {{10, 10, 45, 35}}},
        DamageCase{"inside another", {{10, 10, 40, 30}, {12, 12, 20, 20}}, {{10, 10, 40, 30}}},
        DamageCase{"rows of a run", {{3, 4, 50, 5}, {4, 5, 52, 6}, {3, 6, 51, 7}}, {{3, 4, 52, 7}}},
        DamageCase{"near", {{0, 0, 20, 10}, {0, 12, 20, 20}}, {{0, 0, 20, 20}}},
        DamageCase{
            "far apart", {{0, 0, 30, 30}, {60, 40, 99, 79}}, {{0, 0, 30, 30}, {60, 40, 99, 79}}},
        DamageCase{"a merge that reaches a third",
                   {{0, 0, 30, 30}, {60, 0, 90, 30}, {0, 0, 90, 30}},
                   {{0, 0, 90, 30}}}),
    [](const auto& info) {
      std::string name = info.param.what;
      std::replace(name.begin(), name.end(), ' ', '_');
      return name;
    });

// Far-apart boxes beyond the capacity: the list stays bounded and still covers every pixel.
TEST(DamageList, StaysBoundedAndCoversEveryBoxAdded) {
  win::DamageList damage;
  damage.DamageAll(600, 500);
  damage.Clear();
  std::vector<Rect> added;
  for (int i = 0; i < 30; ++i) {
    const std::int64_t x = (i * 97) % 560, y = (i * 53) % 470;
    added.push_back({x, y, x + 4 + i % 7, y + 3 + i % 5});
    damage.Add(added.back());
    ASSERT_LE(damage.rects().size(), win::DamageList::Capacity);
  }
  for (const Rect& box : added) {
    for (std::int64_t y = box.top; y < box.bottom; ++y) {
      for (std::int64_t x = box.left; x < box.right; ++x) {
        ASSERT_TRUE(Covers(damage.rects(), x, y)) << x << ", " << y;
      }
    }
  }
}

struct CopyCase {
  const char* what;
  std::vector<raster::Point> changedInSource;
  std::int64_t sx, sy, dx, dy;
  std::vector<Rect> runs;  // in the destination, in row order
};

class CopyChangedCases : public testing::TestWithParam<CopyCase> {};

TEST_P(CopyChangedCases, CopiesAndReportsTheChangedRuns) {
  const CopyCase& c = GetParam();
  raster::Bitmap dst(8, 4, 0x111111);
  raster::Bitmap src(8, 4, 0x111111);
  for (const raster::Point& p : c.changedInSource) src.setPixel(p.x, p.y, 0xABCDEF);
  raster::Bitmap expected = dst;
  expected.copyFrom(src, c.sx, c.sy, 8, 4, c.dx, c.dy);
  std::vector<Rect> runs;
  raster::CopyChanged(dst, src, c.sx, c.sy, 8, 4, c.dx, c.dy,
                      [&](const Rect& run) { runs.push_back(run); });
  EXPECT_EQ(dst, expected);
  EXPECT_EQ(runs, c.runs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CopyChangedCases,
    testing::Values(CopyCase{"same", {}, 0, 0, 0, 0, {}},
                    CopyCase{"first to last difference",
                             {{1, 0}, {5, 0}, {7, 2}},
                             0,
                             0,
                             0,
                             0,
                             {{1, 0, 6, 1}, {7, 2, 8, 3}}},
                    CopyCase{"shifted and clipped", {{0, 0}, {7, 3}}, 0, 0, 2, 1, {{2, 1, 3, 2}}},
                    CopyCase{"from an offset", {{3, 3}}, 2, 2, 0, 0, {{1, 1, 2, 2}}}),
    [](const auto& info) {
      std::string name = info.param.what;
      std::replace(name.begin(), name.end(), ' ', '_');
      return name;
    });

// Builds what each window's screen shows from the presented boxes alone, starting a resized
// screen from a colour no window pixel has, so a box left out shows.
class ScreenHost final : public win::Host {
 public:
  static constexpr raster::Color Unpainted = 0xFF0000FF;

  win::Size ScreenSize() override { return {1024, 768}; }
  std::int64_t NowMs() override { return 0; }
  void PumpInput() override {}
  void WaitForInput(std::optional<std::int64_t> /*deadlineMs*/) override {}
  void Present(win::WindowId window, const raster::Bitmap& pixels,
               std::span<const Rect> damage) override {
    Shown& shown = windows[window];
    if (shown.screen.width() != pixels.width() || shown.screen.height() != pixels.height()) {
      shown.screen = raster::Bitmap(pixels.width(), pixels.height(), Unpainted);
    }
    for (const Rect& box : damage) {
      shown.screen.copyFrom(pixels, box.left, box.top, box.width(), box.height(), box.left,
                            box.top);
    }
    shown.kept = &pixels;
  }

  struct Shown {
    raster::Bitmap screen;
    const raster::Bitmap* kept = nullptr;
  };
  std::map<win::WindowId, Shown> windows;
};

class DamageSession : public WindowSystemTest {
 protected:
  win::Host& SystemHost() override { return screens; }

  void SetUp() override {
    WindowSystemTest::SetUp();
    // Smaller than the kit's windows, so thousands of events stay quick; the dropdown still
    // covers much of the client area, and is cut at its bottom.
    graphics =
        win::CreateWindow("Test", "Graphics", win::Style::Caption, 0, 0, 320, 240).value_or(0);
    BuildRunMenu(graphics);
    win::ShowWindow(graphics, true);
    console = MakeWindow(win::Style::Overlapped, 300, 150);
  }

  int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); }
  raster::Color SomeColour() { return Colours[static_cast<std::size_t>(Pick(4))]; }

  void ChangeCanvasAndCopy() {
    for (int n = Pick(4); n > 0; --n) {
      const int x = Pick(320), y = Pick(240);
      canvas.fillRect({x, y, x + 1 + Pick(40), y + 1 + Pick(30)}, SomeColour());
    }
    if (Pick(6) == 0) {
      win::BitBlt(graphics, Pick(40) - 20, Pick(40) - 20, Pick(320), Pick(240), canvas, Pick(20),
                  Pick(20));
    } else {
      win::BitBlt(graphics, 0, 0, 320, 240, canvas, 0, 0);
    }
  }

  void PrintOnConsole() {
    const raster::Rect client = win::GetClientRect(console);
    win::ScrollClient(console, -13);
    win::FillClientRect(console, {0, client.bottom - 13, client.right, client.bottom}, 0xFFFFFF);
    win::TextOut(console, 2, client.bottom - 13, "line " + std::to_string(Pick(1000)),
                 raster::Face::Fixed, 0);
  }

  void Key(int virtualKey) {
    win::InputKeyDown(virtualKey, virtualKey == win::vk::Return ? 13 : -1);
    win::InputKeyUp(virtualKey);
  }

  win::WindowId AnyWindow() { return Pick(2) == 0 ? graphics : console; }

  // One random event of a session: drawing, menus by mouse and keyboard, console, sizes.
  void RandomEvent() {
    static constexpr int Keys[] = {win::vk::Menu, win::vk::Escape, win::vk::Down,   win::vk::Up,
                                   win::vk::Left, win::vk::Right,  win::vk::Return, 'R'};
    switch (Pick(13)) {
      case 0:
      case 1:
      case 2:
        ChangeCanvasAndCopy();
        break;
      case 3:
        PrintOnConsole();
        break;
      case 4:
        win::FillClientRect(console, {Pick(300), Pick(150), Pick(300), Pick(150)}, SomeColour());
        break;
      case 5:  // on the bar's Run item, half the time
        win::InputPress(graphics, Pick(2) == 0 ? Pick(30) : Pick(150),
                        Pick(2) == 0 ? Pick(19) : Pick(60));
        break;
      case 6:
        win::InputMouseMove(graphics, Pick(300), Pick(340));
        break;
      case 7:
        win::InputRelease(graphics, Pick(300), Pick(340));
        break;
      case 8:
        Key(Keys[Pick(8)]);
        break;
      case 9:
        win::InputResize(console, 40 + Pick(400), 10 + Pick(200));
        break;
      case 10:
        win::InputExpose(AnyWindow());
        break;
      case 11:
        win::CheckMenuItem(win::GetMenuItem(win::GetMenu(graphics), 0).popup, 4,
                           Pick(2) == 0 ? win::mf::Checked : win::mf::Unchecked);
        break;
      default:
        win::InputFocus(AnyWindow(), false);
    }
  }

  static constexpr std::array<raster::Color, 4> Colours = {0xFFFFFF, 0x000000, 0xFF8040, 0x336699};
  ScreenHost screens;
  std::mt19937 random{20261209};
  raster::Bitmap canvas{320, 240, 0xFFFFFF};
  win::WindowId graphics = 0;
  win::WindowId console = 0;
};

TEST_F(DamageSession, ScreensBuiltFromTheDamageAlwaysShowTheWholePicture) {
  for (int event = 0; event < 3000; ++event) {
    RandomEvent();
    Drain();
    win::WaitMessage();  // presents, as a program's wait does
    for (const win::WindowId window : {graphics, console}) {
      const raster::Bitmap whole = win::ComposeWindow(window);
      const ScreenHost::Shown& shown = screens.windows[window];
      ASSERT_TRUE(shown.kept != nullptr && *shown.kept == whole)
          << "kept picture of window " << window << " after event " << event;
      ASSERT_EQ(shown.screen, whole) << "screen of window " << window << " after event " << event;
    }
  }
}

}  // namespace
}  // namespace window_test
