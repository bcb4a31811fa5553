#include "polygon.h"

#include <algorithm>
#include <vector>

namespace raster::detail {
namespace {

// An edge walked row by row: x = base + remainder / height exactly, kept as integers.
struct Edge {
  std::int64_t top;     // first row it crosses
  std::int64_t bottom;  // first row it no longer crosses
  std::uint64_t height;
  Wide base;
  std::uint64_t remainder;
  Wide stepBase;
  std::uint64_t stepRemainder;

  Wide CeilX() const { return base + (remainder > 0 ? 1 : 0); }

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

std::vector<Edge>& EdgeScratch() {
  static thread_local std::vector<Edge> edges;
  return edges;
}

std::vector<Wide>& CrossingScratch() {
  static thread_local std::vector<Wide> crossings;
  return crossings;
}

}  // namespace

void FillPolygon(SpanSink& sink, std::span<const Point> points) {
  if (points.size() < 3) return;
  std::int64_t yMin = points[0].y, yMax = points[0].y;
  for (const Point& p : points) {
    yMin = std::min(yMin, p.y);
    yMax = std::max(yMax, p.y);
  }
  const std::int64_t firstRow = std::max<std::int64_t>(yMin, 0);
  const std::int64_t endRow = std::min<std::int64_t>(yMax, sink.height());
  if (firstRow >= endRow) return;

  std::vector<Edge>& edges = EdgeScratch();
  edges.clear();
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point& a = points[i];
    const Point& b = points[(i + 1) % points.size()];
    if (a.y != b.y && std::max(a.y, b.y) > firstRow && std::min(a.y, b.y) < endRow) {
      edges.push_back(MakeEdge(a, b, firstRow));
    }
  }
  std::vector<Wide>& xs = CrossingScratch();
  for (std::int64_t y = firstRow; y < endRow; ++y) {
    xs.clear();
    for (Edge& e : edges) {
      if (y < e.top || y >= e.bottom) continue;
      xs.push_back(e.CeilX());
      e.Advance();
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t i = 0; i + 1 < xs.size(); i += 2) sink.Add(y, xs[i], xs[i + 1]);
  }
}

}  // namespace raster::detail
