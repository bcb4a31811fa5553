#include "line.h"

#include <algorithm>

#include "spans.h"

namespace raster::detail {
namespace {

// Octants 1..8 clockwise from +x, y growing down.
int Octant(Wide dx, Wide dy) {
  if (dy > 0) return dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
  return dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
}

// One axis of the walk: where it starts, which way it goes and how far the bitmap reaches.
struct Axis {
  Wide start;
  int step;  // +1 or -1
  int extent;
};

// The steps k (or, for the minor axis, minor offsets) that keep the axis on the bitmap.
void VisibleRange(const Axis& axis, Wide* lo, Wide* hi) {
  if (axis.step > 0) {
    *lo = -axis.start;
    *hi = axis.extent - axis.start;
  } else {
    *lo = axis.start - axis.extent + 1;
    *hi = axis.start + 1;
  }
}

// The Bresenham walk in closed form. After k major steps the minor offset is
// floor((2bk + c) / 2a) with c = a + bias - 1, which is what the incremental error term
// produces; a line that starts far off the bitmap jumps straight to its first visible pixel.
// UInt holds a * a: 64 bits for lines shorter than 2^30 pixels, 128 for longer ones.
template <typename UInt>
class Walk {
 public:
  Walk(UInt a, UInt b, int bias) : a_(a), b_(b), c_(a + static_cast<UInt>(bias) - 1) {}

  // The minor offset after k steps, and the error term left over.
  UInt MinorAt(UInt k, UInt* remainder) const {
    const UInt product = b_ * k;
    const UInt q = product / a_;
    const UInt twice = 2 * (product - q * a_) + c_;
    const bool carry = twice >= 2 * a_;
    *remainder = carry ? twice - 2 * a_ : twice;
    return q + (carry ? 1 : 0);
  }

  // The first step whose minor offset reaches t; a step past the end when none does.
  UInt FirstStepReaching(Wide t) const {
    if (t <= 0) return 0;
    if (b_ == 0 || static_cast<UWide>(t) > b_) return a_;
    const UInt need = a_ * static_cast<UInt>(t) - c_ / 2;
    return (need + b_ - 1) / b_;
  }

  UInt twiceA() const { return 2 * a_; }
  UInt twiceB() const { return 2 * b_; }

 private:
  UInt a_;
  UInt b_;
  UInt c_;
};

// Sets `count` pixels from pixels[at] on: one step along the major axis each pixel, and one
// along the minor axis whenever the error term carries.
template <typename UInt>
void Step(Color* pixels, std::ptrdiff_t at, std::int64_t count, UInt remainder, UInt twiceA,
          UInt twiceB, std::ptrdiff_t majorStep, std::ptrdiff_t minorStep, Color color) {
  for (std::int64_t k = 0; k < count; ++k) {
    pixels[at] = color;
    at += majorStep;
    remainder += twiceB;
    const bool carry = remainder >= twiceA;
    remainder -= carry ? twiceA : 0;
    at += carry ? minorStep : 0;
  }
}

// A line as its axes: the major one steps every pixel, the minor one when the walk says so.
struct Line {
  bool xMajor;
  Axis major, minor;
  Wide majorLength, minorLength;
  int bias;
};

template <typename UInt>
void DrawWalk(Bitmap& target, const Line& line, Color color) {
  const Walk<UInt> walk(static_cast<UInt>(line.majorLength), static_cast<UInt>(line.minorLength),
                        line.bias);
  Wide kLo = 0, kHi = 0, tLo = 0, tHi = 0;
  VisibleRange(line.major, &kLo, &kHi);
  VisibleRange(line.minor, &tLo, &tHi);
  kLo = std::max<Wide>({kLo, 0, static_cast<Wide>(walk.FirstStepReaching(tLo))});
  kHi = std::min<Wide>({kHi, line.majorLength, static_cast<Wide>(walk.FirstStepReaching(tHi))});
  if (kLo >= kHi) return;

  UInt remainder = 0;
  const Wide m = static_cast<Wide>(walk.MinorAt(static_cast<UInt>(kLo), &remainder));
  const auto majorPos = static_cast<std::ptrdiff_t>(line.major.start + line.major.step * kLo);
  const auto minorPos = static_cast<std::ptrdiff_t>(line.minor.start + line.minor.step * m);
  // Walk by index into the pixels.
  const std::ptrdiff_t stride = target.width();
  const bool xMajor = line.xMajor;
  const std::ptrdiff_t at = xMajor ? minorPos * stride + majorPos : majorPos * stride + minorPos;
  const std::ptrdiff_t majorStep = xMajor ? line.major.step : line.major.step * stride;
  const std::ptrdiff_t minorStep = xMajor ? line.minor.step * stride : line.minor.step;
  Step(target.row(0), at, static_cast<std::int64_t>(kHi - kLo), remainder, walk.twiceA(),
       walk.twiceB(), majorStep, minorStep, color);
}

}  // namespace

void DrawThinLine(Bitmap& target, Point from, Point to, Color color) {
  const Wide dx = Wide{to.x} - from.x;
  const Wide dy = Wide{to.y} - from.y;
  if (dx == 0 && dy == 0) return;
  const int octant = Octant(dx, dy);
  const bool xMajor = octant == 1 || octant == 4 || octant == 5 || octant == 8;
  const Axis ax{from.x, dx < 0 ? -1 : 1, target.width()};
  const Axis ay{from.y, dy < 0 ? -1 : 1, target.height()};
  const Wide absX = dx < 0 ? -dx : dx, absY = dy < 0 ? -dy : dy;
  const Line line{xMajor,
                  xMajor ? ax : ay,
                  xMajor ? ay : ax,
                  xMajor ? absX : absY,
                  xMajor ? absY : absX,
                  octant == 3 || octant == 5 || octant == 6 || octant == 8 ? 1 : 0};
  if (line.majorLength < (Wide{1} << 30)) {
    DrawWalk<std::uint64_t>(target, line, color);
  } else {
    DrawWalk<UWide>(target, line, color);
  }
}

}  // namespace raster::detail
