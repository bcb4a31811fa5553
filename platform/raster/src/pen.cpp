#include "pen.h"

#include <algorithm>
#include <cmath>

#include "ellipse.h"
#include "polygon.h"

namespace raster::detail {
namespace {

std::int64_t Saturate(Wide v) {
  return static_cast<std::int64_t>(std::clamp<Wide>(v, INT64_MIN, INT64_MAX));
}

// Records the tip drawn in a width x width box, one span a row.
class TipRecorder final : public SpanSink {
 public:
  explicit TipRecorder(PenStamps& stamps) : SpanSink(stamps.width, stamps.width), stamps_(stamps) {
    stamps_.tip.assign(static_cast<std::size_t>(stamps.width), StampSpan{});
  }

 protected:
  void Take(int y, int x0, int x1) override {
    stamps_.tip[static_cast<std::size_t>(y)] = {y + stamps_.tipTop, x0 + stamps_.tipTop,
                                                x1 + stamps_.tipTop};
  }

 private:
  PenStamps& stamps_;
};

// Records the parts of a diagonal step's band that the tips at its ends leave out. The band
// is drawn around the middle of a canvas wide enough to hold it.
class ExtrasRecorder final : public SpanSink {
 public:
  ExtrasRecorder(const PenStamps& stamps, Point step, std::vector<StampSpan>& extras)
      : SpanSink(2 * Reach(stamps) + 1, 2 * Reach(stamps) + 1),
        stamps_(stamps),
        step_(step),
        extras_(extras) {
    extras_.clear();
  }
  static int Reach(const PenStamps& stamps) { return stamps.width + 2; }
  Point Centre() const { return {Reach(stamps_), Reach(stamps_)}; }

 protected:
  void Take(int y, int x0, int x1) override {
    const int reach = Reach(stamps_), dy = y - reach;
    int from = x0 - reach;
    const int to = x1 - reach;
    // The two tips' spans on this row, left one first.
    std::array<StampSpan, 2> cuts{};
    std::size_t n = 0;
    if (const StampSpan* own = stamps_.TipRow(dy)) cuts[n++] = *own;
    if (const StampSpan* far = stamps_.TipRow(dy - step_.y)) {
      const int shift = static_cast<int>(step_.x);
      cuts[n++] = {far->dy, far->x0 + shift, far->x1 + shift};
    }
    if (n == 2 && cuts[1].x0 < cuts[0].x0) std::swap(cuts[0], cuts[1]);
    for (std::size_t i = 0; i < n; ++i) {
      const int end = std::min(cuts[i].x0, to);
      if (from < end) extras_.push_back({dy, from, end});
      from = std::max(from, cuts[i].x1);
    }
    if (from < to) extras_.push_back({dy, from, to});
  }

 private:
  const PenStamps& stamps_;
  Point step_;
  std::vector<StampSpan>& extras_;
};

void MakeStamps(PenStamps& stamps, int width) {
  stamps.width = width;
  stamps.tipTop = -(width / 2);
  TipRecorder tip(stamps);
  if (width <= 2) {
    for (int y = 0; y < width; ++y) tip.Add(y, 0, width);
  } else {
    EllipseSpans(Rect{0, 0, width, width}, &tip, nullptr);
  }
  const std::array<Point, 4> steps = {Point{1, 1}, Point{-1, 1}, Point{-1, -1}, Point{1, -1}};
  for (const Point& step : steps) {
    ExtrasRecorder extras(stamps, step, stamps.diagonalExtras[DiagonalIndex(step.x, step.y)]);
    const Point centre = extras.Centre();
    AddQuad(extras, centre, Point{centre.x + step.x, centre.y + step.y}, width);
  }
}

}  // namespace

void AddQuad(SpanSink& sink, Point p, Point q, int width) {
  const Wide dx = Wide{q.x} - p.x, dy = Wide{q.y} - p.y;
  const double length = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
  const double spanX = width * std::fabs(static_cast<double>(dy)) / length;
  const double spanY = width * std::fabs(static_cast<double>(dx)) / length;
  const auto round = [](double v) { return static_cast<Wide>(std::floor(v + 0.5)); };
  const Wide sign = (dx > 0) == (dy > 0) ? -1 : 1;
  const Wide wideX = round((spanX + 1) / 2), wideY = sign * round((spanY + 1) / 2);
  const Wide narrowX = round(spanX / 2), narrowY = sign * round(spanY / 2);
  const Point quad[4] = {{Saturate(p.x + wideX), Saturate(p.y + wideY)},
                         {Saturate(q.x + wideX), Saturate(q.y + wideY)},
                         {Saturate(q.x - narrowX), Saturate(q.y - narrowY)},
                         {Saturate(p.x - narrowX), Saturate(p.y - narrowY)}};
  FillPolygon(sink, quad);
}

std::size_t DiagonalIndex(Wide dx, Wide dy) {
  return dy > 0 ? (dx > 0 ? 0 : 1) : (dx < 0 ? 2 : 3);
}

// Figures drawn one after another often alternate between a few small widths (a frame of
// three outlines, say), so every small width keeps its stamps; larger ones share one slot.
const PenStamps& StampsFor(int width) {
  constexpr int KeptWidths = 32;
  static thread_local std::array<PenStamps, KeptWidths> small;
  static thread_local PenStamps large;
  PenStamps& stamps = width < KeptWidths ? small[static_cast<std::size_t>(width)] : large;
  if (stamps.width != width) MakeStamps(stamps, width);
  return stamps;
}

void AddTip(SpanSink& sink, const PenStamps& stamps, Point p) {
  const Wide first = std::max<Wide>(stamps.tipTop, -Wide{p.y});
  const Wide end = std::min<Wide>(stamps.tipTop + stamps.width, sink.height() - Wide{p.y});
  for (Wide dy = first; dy < end; ++dy) {
    const StampSpan& s = *stamps.TipRow(dy);
    sink.Add(Wide{p.y} + dy, Wide{p.x} + s.x0, Wide{p.x} + s.x1);
  }
}

}  // namespace raster::detail
