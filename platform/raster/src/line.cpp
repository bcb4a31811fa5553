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
  Wide m = static_cast<Wide>(walk.MinorAt(static_cast<UWide>(kLo), &remainder));
  for (Wide k = kLo; k < kHi; ++k) {
    const auto majorPos = static_cast<int>(major.start + major.step * k);
    const auto minorPos = static_cast<int>(minor.start + minor.step * m);
    if (xMajor) {
      target.row(minorPos)[majorPos] = color;
    } else {
      target.row(majorPos)[minorPos] = color;
    }
    remainder += walk.twiceB();
    if (remainder >= walk.twiceA()) {
      remainder -= walk.twiceA();
      ++m;
    }
  }
}

}  // namespace raster::detail
