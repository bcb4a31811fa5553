#include "ellipse.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace raster::detail {
namespace {

// Walks the lower right quarter of the curve, from the middle row of the right side down to
// the bottom row, as an error-term ellipse in the box's pixel units (a = W - 1, b = H - 1).
// Each row's run of curve pixels goes to row(y, inner, outer, diagonal), relative to the
// box's top-left corner. The error terms grow as a * b * b: 64 bits hold them for sides up
// to kWideOutlineSide, larger boxes need 128.
template <typename Int, typename RowFn>
void WalkQuarter(std::int64_t w, std::int64_t h, RowFn&& row) {
  const Int a = w - 1, b = h - 1, odd = b % 2;
  const Int stepX = 8 * b * b, stepY = 8 * a * a;
  Int dx = 4 * b * b * (1 - a), dy = 4 * a * a * (1 + odd), err = dx + dy + a * a * odd;
  const std::int64_t half = w / 2, bottom = h - 1;
  std::int64_t x = w - 1, y = h / 2, outer = x;
  for (;;) {
    // Which way the walk goes is data, not a branch: the choices follow no pattern a
    // processor could predict.
    const Int e2 = 2 * err;
    const bool stepsX = e2 >= dx, stepsY = e2 <= dy;
    const Int maskX = -static_cast<Int>(stepsX), maskY = -static_cast<Int>(stepsY);
    dx += stepX & maskX;
    err += dx & maskX;
    dy += stepY & maskY;
    err += dy & maskY;
    const std::int64_t nextX = x - stepsX, nextY = y + stepsY;
    const bool inside = nextX >= half && nextY <= bottom;
    if (nextY != y || !inside) {
      row(y, x, outer, stepsX && stepsY && inside);
      outer = nextX;
    }
    if (!inside) break;
    x = nextX;
    y = nextY;
  }
  // A narrow box's walk can leave its columns before reaching the bottom row; the centre
  // column finishes the tip.
  for (++y; y <= bottom; ++y) row(y, half, half, false);
}

// Emits one row of the ellipse given the right half's run of curve pixels [xMin, xMax],
// relative to the box; the left half mirrors it. Int holds every coordinate of the box.
template <typename Int, typename Sink>
void EmitRow(const Rect& box, Int row, Int xMin, Int xMax, Sink* fill, Sink* outline) {
  const auto add = [row](Sink* sink, Int x0, Int x1) {
    if constexpr (std::is_same_v<Int, Wide>) {
      sink->Add(row, x0, x1);
    } else {
      sink->AddNear(row, x0, x1);
    }
  };
  const Int a = Int{box.right} - box.left - 1;
  const Int left = box.left;
  if (fill != nullptr) add(fill, left + a - xMax, left + xMax + 1);
  if (outline == nullptr) return;
  if (a - xMin + 1 >= xMin) {
    add(outline, left + a - xMax, left + xMax + 1);
  } else {
    add(outline, left + a - xMax, left + a - xMin + 1);
    add(outline, left + xMin, left + xMax + 1);
  }
}

// An exact box (sides up to kExactEllipseSide) this far from the origin shows on no bitmap;
// nearer ones have every coordinate in 64 bits.
constexpr std::int64_t kNear = std::int64_t{1} << 40;

template <typename WalkInt, typename Sink>
void ExactSpans(const Rect& box, Sink* fill, Sink* outline) {
  const std::int64_t height = (fill != nullptr ? fill : outline)->height();
  const std::int64_t top = box.top, b = box.height() - 1;
  WalkQuarter<WalkInt>(box.width(), box.height(),
                       [&](std::int64_t y, std::int64_t inner, std::int64_t outer, bool) {
                         // Most rows of a large box lie off the bitmap, directly and mirrored.
                         if (top + y >= 0 && top + y < height)
                           EmitRow(box, top + y, inner, outer, fill, outline);
                         if (b - y != y && top + b - y >= 0 && top + b - y < height) {
                           EmitRow(box, top + b - y, inner, outer, fill, outline);
                         }
                       });
}

// The right half's outermost curve column on row y (relative) of a very large box.
Wide ApproxHalfWidth(long double a, long double b, Wide y) {
  const long double t = (static_cast<long double>(y) - b / 2) / (b / 2);
  const long double half = a / 2 * std::sqrt(std::max(0.0L, 1 - t * t));
  return static_cast<Wide>(std::floor(a / 2 + half + 0.5L));
}

void ApproxSpans(const Rect& box, SpanSink* fill, SpanSink* outline) {
  const SpanSink& clip = fill != nullptr ? *fill : *outline;
  const Wide w = Wide{box.right} - box.left, h = Wide{box.bottom} - box.top;
  const auto a = static_cast<long double>(w - 1), b = static_cast<long double>(h - 1);
  const std::int64_t first = std::max<std::int64_t>(box.top, 0);
  const std::int64_t end = std::min<std::int64_t>(box.bottom, clip.height());
  for (std::int64_t row = first; row < end; ++row) {
    const Wide rel = Wide{row} - box.top;
    const Wide y = rel >= h / 2 ? rel : h - 1 - rel;
    const Wide xMax = std::max(ApproxHalfWidth(a, b, y), w / 2);
    const Wide inner = y == h - 1 ? w / 2 : ApproxHalfWidth(a, b, y + 1) + 1;
    EmitRow<Wide>(box, row, std::clamp(inner, w / 2, xMax), xMax, fill, outline);
  }
}

bool SidesAtMost(const Rect& box, std::int64_t side) {
  return Wide{box.right} - box.left <= side && Wide{box.bottom} - box.top <= side;
}

bool Exact(const Rect& box) {
  return SidesAtMost(box, kExactEllipseSide);
}

template <typename Sink>
void Spans(const Rect& box, Sink* fill, Sink* outline) {
  if (fill == nullptr && outline == nullptr) return;
  if (!Exact(box)) {
    ApproxSpans(box, fill, outline);
  } else if (box.left > -kNear && box.left < kNear && box.top > -kNear && box.top < kNear) {
    const bool narrow = SidesAtMost(box, kWideOutlineSide);
    (narrow ? ExactSpans<std::int64_t, Sink> : ExactSpans<Wide, Sink>)(box, fill, outline);
  }
}

}  // namespace

void EllipseSpans(const Rect& box, SpanSink* fill, SpanSink* outline) {
  Spans(box, fill, outline);
}

void EllipseSpans(const Rect& box, PaintSink* fill, PaintSink* outline) {
  Spans(box, fill, outline);
}

void QuarterRows(const Rect& box, std::int64_t first, std::int64_t end,
                 std::vector<QuarterRow>& rows) {
  rows.clear();
  rows.reserve(static_cast<std::size_t>(std::max<std::int64_t>(end - first, 0)));
  WalkQuarter<std::int64_t>(
      box.width(), box.height(),
      [&](std::int64_t y, std::int64_t inner, std::int64_t outer, bool diagonal) {
        if (y < first || y >= end) return;
        rows.push_back(
            {static_cast<std::int32_t>(inner), static_cast<std::int32_t>(outer), diagonal});
      });
}

}  // namespace raster::detail
