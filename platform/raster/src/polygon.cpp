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

// Sets the edge up at row `y`, its first row on the bitmap.
Edge MakeEdge(Point a, Point b, std::int64_t y) {
  if (a.y > b.y) std::swap(a, b);
  Edge e{a.y, b.y, static_cast<std::uint64_t>(Wide{b.y} - a.y), 0, 0, 0, 0};
  const Wide dx = Wide{b.x} - a.x;
  const Wide h = static_cast<Wide>(e.height);
  Wide q = dx / h;
  Wide r = dx % h;
  if (r < 0) {
    r += h;
    --q;
  }
  e.stepBase = q;
  e.stepRemainder = static_cast<std::uint64_t>(r);
  const Wide t = std::max<Wide>(Wide{y} - a.y, 0);
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
