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
class Walk {
 public:
  Walk(UWide a, UWide b, int bias) : a_(a), b_(b), c_(a + static_cast<UWide>(bias) - 1) {}

  // The minor offset after k steps, and the error term left over.
  UWide MinorAt(UWide k, UWide* remainder) const {
    const UWide product = b_ * k;
    const UWide q = product / a_;
    const UWide twice = 2 * (product - q * a_) + c_;
    const bool carry = twice >= 2 * a_;
    *remainder = carry ? twice - 2 * a_ : twice;
    return q + (carry ? 1 : 0);
  }

  // The first step whose minor offset reaches t; a step past the end when none does.
  UWide FirstStepReaching(Wide t) const {
    if (t <= 0) return 0;
    if (b_ == 0 || static_cast<UWide>(t) > b_) return a_;
    const UWide need = a_ * static_cast<UWide>(t) - c_ / 2;
    return (need + b_ - 1) / b_;
  }

  UWide twiceA() const { return 2 * a_; }
  UWide twiceB() const { return 2 * b_; }

 private:
  UWide a_;
  UWide b_;
  UWide c_;
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

}  // namespace

void DrawThinLine(Bitmap& target, Point from, Point to, Color color) {
  const Wide dx = Wide{to.x} - from.x;
  const Wide dy = Wide{to.y} - from.y;
  if (dx == 0 && dy == 0) return;
  const int octant = Octant(dx, dy);
  const bool xMajor = octant == 1 || octant == 4 || octant == 5 || octant == 8;
  const int bias = octant == 3 || octant == 5 || octant == 6 || octant == 8 ? 1 : 0;
  const Axis ax{from.x, dx < 0 ? -1 : 1, target.width()};
  const Axis ay{from.y, dy < 0 ? -1 : 1, target.height()};
  const Axis& major = xMajor ? ax : ay;
  const Axis& minor = xMajor ? ay : ax;
  const Wide majorLength = xMajor ? (dx < 0 ? -dx : dx) : (dy < 0 ? -dy : dy);
  const Wide minorLength = xMajor ? (dy < 0 ? -dy : dy) : (dx < 0 ? -dx : dx);
  const Walk walk(static_cast<UWide>(majorLength), static_cast<UWide>(minorLength), bias);

  Wide kLo = 0, kHi = 0, tLo = 0, tHi = 0;
  VisibleRange(major, &kLo, &kHi);
  VisibleRange(minor, &tLo, &tHi);
  kLo = std::max<Wide>({kLo, 0, static_cast<Wide>(walk.FirstStepReaching(tLo))});
  kHi = std::min<Wide>({kHi, majorLength, static_cast<Wide>(walk.FirstStepReaching(tHi))});
  if (kLo >= kHi) return;

  UWide remainder = 0;
  const Wide m = static_cast<Wide>(walk.MinorAt(static_cast<UWide>(kLo), &remainder));
  const auto majorPos = static_cast<std::ptrdiff_t>(major.start + major.step * kLo);
  const auto minorPos = static_cast<std::ptrdiff_t>(minor.start + minor.step * m);
  // Walk by index into the pixels. Lines shorter than 2^61 pixels (all but far-off ones)
  // keep their error terms in 64 bits.
  const std::ptrdiff_t stride = target.width();
  const std::ptrdiff_t at = xMajor ? minorPos * stride + majorPos : majorPos * stride + minorPos;
  const std::ptrdiff_t majorStep = xMajor ? major.step : major.step * stride;
  const std::ptrdiff_t minorStep = xMajor ? minor.step * stride : minor.step;
  const auto count = static_cast<std::int64_t>(kHi - kLo);
  Color* pixels = target.row(0);
  if (walk.twiceA() < (UWide{1} << 62)) {
    Step(pixels, at, count, static_cast<std::uint64_t>(remainder),
         static_cast<std::uint64_t>(walk.twiceA()), static_cast<std::uint64_t>(walk.twiceB()),
         majorStep, minorStep, color);
  } else {
    Step(pixels, at, count, remainder, walk.twiceA(), walk.twiceB(), majorStep, minorStep, color);
  }
}

}  // namespace raster::detail
