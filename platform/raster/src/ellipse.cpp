#include "ellipse.h"

#include <algorithm>
#include <cmath>

namespace raster::detail {
namespace {

constexpr std::int64_t kNarrowSide = std::int64_t{1} << 16;

// Walks the lower right quarter of the curve, from the middle row of the right side down to
// the bottom row, as an error-term ellipse in the box's pixel units (a = W - 1, b = H - 1).
// Coordinates are relative to the box's top-left corner. The error terms grow as a * b * b:
// 64 bits hold them for sides up to kNarrowSide, larger boxes need 128.
template <typename Int>
class QuarterWalk {
 public:
  QuarterWalk(std::int64_t w, std::int64_t h) : w_(w), b_(h - 1), x_(w - 1), y_(h / 2) {
    const Int a = w - 1, b = h - 1, odd = b % 2;
    stepX_ = 8 * b * b;
    stepY_ = 8 * a * a;
    dx_ = 4 * b * b * (1 - a);
    dy_ = 4 * a * a * (1 + odd);
    err_ = dx_ + dy_ + a * a * odd;
  }

  // The next pixel of the quarter; false after the last.
  bool Next(std::int64_t* x, std::int64_t* y) {
    if (x_ >= w_ / 2 && y_ <= b_) {
      *x = x_;
      *y = lastY_ = y_;
      Step();
      return true;
    }
    // A narrow box's walk can leave its columns before reaching the bottom row; the centre
    // column finishes the tip.
    if (lastY_ >= b_) return false;
    *x = w_ / 2;
    *y = ++lastY_;
    return true;
  }

 private:
  void Step() {
    const Int e2 = 2 * err_;
    if (e2 >= dx_) {
      --x_;
      dx_ += stepX_;
      err_ += dx_;
    }
    if (e2 <= dy_) {
      ++y_;
      dy_ += stepY_;
      err_ += dy_;
    }
  }

  std::int64_t w_, b_, x_, y_, lastY_ = -1;
  Int stepX_, stepY_, dx_, dy_, err_;
};

// Emits one row of the ellipse given the right half's run of curve pixels [xMin, xMax],
// relative to the box; the left half mirrors it.
void EmitRow(const Rect& box, Wide row, Wide xMin, Wide xMax, SpanSink* fill, SpanSink* outline) {
  const Wide a = Wide{box.right} - box.left - 1;
  const Wide left = box.left;
  if (fill != nullptr) fill->Add(row, left + a - xMax, left + xMax + 1);
  if (outline == nullptr) return;
  if (a - xMin + 1 >= xMin) {
    outline->Add(row, left + a - xMax, left + xMax + 1);
  } else {
    outline->Add(row, left + a - xMax, left + a - xMin + 1);
    outline->Add(row, left + xMin, left + xMax + 1);
  }
}

// Emits a row of the lower half and its mirror in the upper half.
void EmitMirrored(const Rect& box, std::int64_t y, std::int64_t xMin, std::int64_t xMax,
                  SpanSink* fill, SpanSink* outline) {
  const Wide b = Wide{box.bottom} - box.top - 1;
  EmitRow(box, Wide{box.top} + y, xMin, xMax, fill, outline);
  if (b - y != y) EmitRow(box, Wide{box.top} + b - y, xMin, xMax, fill, outline);
}

template <typename Int>
void ExactSpans(const Rect& box, SpanSink* fill, SpanSink* outline) {
  QuarterWalk<Int> walk(box.width(), box.height());
  std::int64_t x = 0, y = 0;
  walk.Next(&x, &y);
  std::int64_t rowY = y, rowMin = x, rowMax = x;
  while (walk.Next(&x, &y)) {
    if (y != rowY) {
      EmitMirrored(box, rowY, rowMin, rowMax, fill, outline);
      rowY = y;
      rowMax = x;
    }
    rowMin = x;
  }
  EmitMirrored(box, rowY, rowMin, rowMax, fill, outline);
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
    EmitRow(box, row, std::clamp(inner, w / 2, xMax), xMax, fill, outline);
  }
}

bool SidesAtMost(const Rect& box, std::int64_t side) {
  return Wide{box.right} - box.left <= side && Wide{box.bottom} - box.top <= side;
}

bool Exact(const Rect& box) {
  return SidesAtMost(box, kExactEllipseSide);
}

}  // namespace

void EllipseSpans(const Rect& box, SpanSink* fill, SpanSink* outline) {
  if (fill == nullptr && outline == nullptr) return;
  if (Exact(box)) {
    const bool narrow = SidesAtMost(box, kNarrowSide);
    (narrow ? ExactSpans<std::int64_t> : ExactSpans<Wide>)(box, fill, outline);
  } else {
    ApproxSpans(box, fill, outline);
  }
}

bool EllipsePath(const Rect& box, std::vector<Point>& path) {
  path.clear();
  if (!SidesAtMost(box, kNarrowSide)) return false;
  QuarterWalk<std::int64_t> walk(box.width(), box.height());
  std::int64_t x = 0, y = 0;
  while (walk.Next(&x, &y)) path.push_back({x, y});
  const std::size_t quarter = path.size();
  const std::int64_t a = box.width() - 1, b = box.height() - 1;
  // Lower left, upper left, then upper right, each in order around the curve.
  for (std::size_t i = quarter; i-- > 0;) path.push_back({a - path[i].x, path[i].y});
  for (std::size_t i = 0; i < quarter; ++i) path.push_back({a - path[i].x, b - path[i].y});
  for (std::size_t i = quarter; i-- > 0;) path.push_back({path[i].x, b - path[i].y});
  for (Point& p : path) p = Point{p.x + box.left, p.y + box.top};
  return true;
}

}  // namespace raster::detail
