// The canvas reaches the graphics window only where the calls since the last copy may have
// changed it. Random frames, most of them small edits of the frame before (as a program that
// redraws its whole picture makes), some starting with a cover of the view and some not: after
// every copy the window must show exactly the canvas.

#include <random>
#include <string>
#include <vector>

#include "kit_session.h"

namespace {

struct Call {
  int kind = 0;
  int color = 0;
  int width = 0;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0, x3 = 0, y3 = 0;
  std::string text;
};

class CanvasCopy : public KitSession {
 protected:
  int Coordinate() { return std::uniform_int_distribution<int>(-340, 340)(random); }
  int Upto(int most) { return std::uniform_int_distribution<int>(0, most)(random); }

  // Mostly small figures, so that a frame's edits change only parts of the view.
  Call RandomCall() {
    static const char* const texts[] = {"GLoBBo O' FRoSTy", "Mg|j", "two\nlines", "", "W"};
    const int x = Coordinate(), y = Coordinate();
    const auto near = [&](int v) { return v + Upto(120) - 60; };
    Call c{
        Upto(5), Upto(23),      Upto(3) == 0 ? Upto(40) : Upto(2), x, y, near(x), near(y), near(x),
        near(y), texts[Upto(4)]};
    if (c.kind == 5) c.x2 = 1 + Upto(60);  // the text's size
    return c;
  }

  void Draw(const Call& c) {
    switch (c.kind) {
      case 0:
        KitTriangle(c.color, c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.width);
        break;
      case 1:
        KitRectangle(c.color, c.x1, c.y1, c.x2, c.y2, c.width);
        break;
      case 2:
        KitOval(c.color, c.x1, c.y1, c.x2, c.y2, c.width);
        break;
      case 3:
        KitLine(c.color, c.x1, c.y1, c.x2, c.y2, c.width);
        break;
      case 4:
        KitCircle(c.color, c.x1, c.y1, Upto(2) == 0 ? 0 : c.width + 1);
        break;
      default:
        KitText(c.color, c.x1, c.y1, c.x2, c.text.c_str());
        break;
    }
  }

  // Moves, recolours, adds or drops a call or two, or starts afresh.
  void Edit(std::vector<Call>& frame) {
    for (int edits = Upto(2); edits > 0; --edits) {
      const std::size_t at = frame.empty() ? 0 : Upto(static_cast<int>(frame.size()) - 1);
      switch (Upto(frame.empty() ? 0 : 3)) {
        case 0:
          frame.insert(frame.begin() + static_cast<std::ptrdiff_t>(at), RandomCall());
          break;
        case 1:
          frame.erase(frame.begin() + static_cast<std::ptrdiff_t>(at));
          break;
        case 2:
          frame[at].x1 += Upto(8) - 4;
          frame[at].y1 += Upto(8) - 4;
          break;
        default:
          frame[at].color = Upto(23);
          break;
      }
    }
    if (Upto(30) == 0) frame.clear();
  }

  std::mt19937 random{417};
};

TEST_F(CanvasCopy, WindowShowsTheCanvasAfterEveryCopy) {
  KitSetLogging(0);
  std::vector<Call> frame;
  int partial = 0;
  for (int n = 0; n < 600; ++n) {
    Edit(frame);
    // Most frames start by covering the view; some draw over what the canvas has.
    const int start = Upto(9);
    if (start < 5) KitRectangle(Upto(23), -300, -250, 300, 250, 0);
    if (start == 5) KitClear();
    partial += start > 5 ? 1 : 0;
    for (const Call& c : frame) Draw(c);
    if (Upto(40) == 0) win::InputExpose(Graphics());
    if (Upto(60) == 0) input.Resize(Graphics(), 500 + Upto(95), 400 + Upto(96));
    Click(0, 0);
    Wait();
    const raster::Bitmap& shown = win::ClientPixels(Graphics());
    const raster::Bitmap& canvas = KitCanvas();
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) {
        ASSERT_EQ(shown.pixel(x, y), canvas.pixel(x, y))
            << "frame " << n << " at " << x << "," << y;
      }
    }
  }
  EXPECT_GT(partial, 100);
}

}  // namespace
