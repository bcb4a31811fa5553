#include "polygon.h"

#include <algorithm>
#include <type_traits>
#include <vector>

namespace raster::detail {
namespace {

// An edge walked row by row: x = base + remainder / height exactly, kept as integers. Int
// holds its columns: 64 bits near the bitmap, 128 anywhere.
template <typename Int>
struct EdgeOf {
  std::int64_t top;     // first row it crosses
  std::int64_t bottom;  // first row it no longer crosses
  std::uint64_t height;
  Int base;
  std::uint64_t remainder;
  Int stepBase;
  std::uint64_t stepRemainder;

  Int CeilX() const { return base + (remainder > 0 ? 1 : 0); }

  void Advance() {
    base += stepBase;
    if (remainder >= height - stepRemainder) {
      remainder -= height - stepRemainder;
      ++base;
    } else {
      remainder += stepRemainder;
    }
  }
};
using Edge = EdgeOf<Wide>;

// Floor division and remainder (0 <= r < d) of n by a positive d.
template <typename Int>
void FloorDivide(Int n, Int d, Int* q, Int* r) {
  *q = n / d;
  *r = n % d;
  if (*r < 0) {
    *r += d;
    --*q;
  }
}

// Sets the edge up at row `y`, its first row on the bitmap.
Edge MakeEdge(Point a, Point b, std::int64_t y) {
  if (a.y > b.y) std::swap(a, b);
  Edge e{a.y, b.y, static_cast<std::uint64_t>(Wide{b.y} - a.y), 0, 0, 0, 0};
  const Wide dx = Wide{b.x} - a.x;
  const Wide t = std::max<Wide>(Wide{y} - a.y, 0);
  constexpr Wide kSmall = Wide{1} << 30;
  if (dx > -kSmall && dx < kSmall && e.height < kSmall && t < kSmall) {
    // Screen-sized edges, the usual case, need no 128-bit division.
    std::int64_t q = 0, r = 0, tq = 0, tr = 0;
    FloorDivide<std::int64_t>(static_cast<std::int64_t>(dx), static_cast<std::int64_t>(e.height),
                              &q, &r);
    FloorDivide<std::int64_t>(static_cast<std::int64_t>(t) * r, static_cast<std::int64_t>(e.height),
                              &tq, &tr);
    e.stepBase = q;
    e.stepRemainder = static_cast<std::uint64_t>(r);
    e.base = a.x + t * q + tq;
    e.remainder = static_cast<std::uint64_t>(tr);
    return e;
  }
  Wide q = 0, r = 0;
  FloorDivide<Wide>(dx, static_cast<Wide>(e.height), &q, &r);
  e.stepBase = q;
  e.stepRemainder = static_cast<std::uint64_t>(r);
  const UWide product = static_cast<UWide>(t) * static_cast<UWide>(r);
  e.base = a.x + t * q + static_cast<Wide>(product / e.height);
  e.remainder = static_cast<std::uint64_t>(product % e.height);
  return e;
}

template <typename Int>
std::vector<EdgeOf<Int>>& EdgeScratch() {
  static thread_local std::vector<EdgeOf<Int>> edges;
  return edges;
}

template <typename Int>
std::vector<Int>& CrossingScratch() {
  static thread_local std::vector<Int> crossings;
  return crossings;
}

// Sorts a row's crossings in place. A convex figure has two, where a library sort costs
// more than the sorting.
template <typename Int>
void SortCrossings(Int* xs, std::size_t n) {
  constexpr std::size_t Few = 8;
  if (n > Few) {
    std::sort(xs, xs + n);
    return;
  }
  for (std::size_t i = 1; i < n; ++i) {
    for (std::size_t k = i; k > 0 && xs[k - 1] > xs[k]; --k) std::swap(xs[k - 1], xs[k]);
  }
}

template <typename Int, typename Sink>
void FillRows(Sink& sink, std::span<const Point> points, std::int64_t firstRow,
              std::int64_t endRow) {
  std::vector<EdgeOf<Int>>& edges = EdgeScratch<Int>();
  edges.clear();
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point& a = points[i];
    const Point& b = points[(i + 1) % points.size()];
    if (a.y != b.y && std::max(a.y, b.y) > firstRow && std::min(a.y, b.y) < endRow) {
      const Edge e = MakeEdge(a, b, firstRow);
      edges.push_back({e.top, e.bottom, e.height, static_cast<Int>(e.base), e.remainder,
                       static_cast<Int>(e.stepBase), e.stepRemainder});
    }
  }
  std::vector<Int>& xs = CrossingScratch<Int>();
  xs.resize(edges.size());
  for (std::int64_t y = firstRow; y < endRow; ++y) {
    std::size_t n = 0;
    for (EdgeOf<Int>& e : edges) {
      if (y < e.top || y >= e.bottom) continue;
      xs[n++] = e.CeilX();
      e.Advance();
    }
    SortCrossings(xs.data(), n);
    for (std::size_t i = 0; i + 1 < n; i += 2) {
      if constexpr (std::is_same_v<Int, Wide>) {
        sink.Add(y, xs[i], xs[i + 1]);
      } else {
        sink.AddNear(y, xs[i], xs[i + 1]);
      }
    }
  }
}

template <typename Sink>
void Fill(Sink& sink, std::span<const Point> points) {
  if (points.size() < 3) return;
  std::int64_t yMin = points[0].y, yMax = points[0].y;
  // Corners this near keep every column an edge crosses within 64 bits.
  constexpr std::int64_t Near = std::int64_t{1} << 40;
  bool near = true;
  for (const Point& p : points) {
    yMin = std::min(yMin, p.y);
    yMax = std::max(yMax, p.y);
    near = near && p.x > -Near && p.x < Near;
  }
  const std::int64_t firstRow = std::max<std::int64_t>(yMin, 0);
  const std::int64_t endRow = std::min<std::int64_t>(yMax, sink.height());
  if (firstRow >= endRow) return;
  if (near) {
    FillRows<std::int64_t>(sink, points, firstRow, endRow);
  } else {
    FillRows<Wide>(sink, points, firstRow, endRow);
  }
}

}  // namespace

void FillPolygon(SpanSink& sink, std::span<const Point> points) {
  Fill(sink, points);
}

void FillPolygon(PaintSink& sink, std::span<const Point> points) {
  Fill(sink, points);
}

}  // namespace raster::detail
