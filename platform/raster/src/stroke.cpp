#include "stroke.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ellipse.h"
#include "polygon.h"

namespace raster::detail {
namespace {

std::vector<Region::Span>& SpanScratch() {
  static thread_local std::vector<Region::Span> spans;
  return spans;
}

std::int64_t Saturate(Wide v) {
  return static_cast<std::int64_t>(std::clamp<Wide>(v, INT64_MIN, INT64_MAX));
}

// The segment from p to q widened by w/2 on each side. Corners are rounded to whole pixels;
// the side to the right (+x) takes the rounding of (w + 1) / 2, the other of w / 2.
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

// A small shape as spans relative to the point it is drawn at.
struct StampSpan {
  int dy, x0, x1;
};
using Stamp = std::vector<StampSpan>;

// Records what is drawn around an origin in the middle of a small canvas.
class StampRecorder final : public SpanSink {
 public:
  StampRecorder(int reach, Stamp& stamp)
      : SpanSink(2 * reach + 1, 2 * reach + 1), reach_(reach), stamp_(stamp) {
    stamp_.clear();
  }
  int reach() const { return reach_; }

 protected:
  void Take(int y, int x0, int x1) override {
    stamp_.push_back(StampSpan{y - reach_, x0 - reach_, x1 - reach_});
  }

 private:
  int reach_;
  Stamp& stamp_;
};

// The shapes a pen of one width repeats along a path: its round tip, the filled w x w
// ellipse centred as the pen's bands are (a square for w = 2), and the widened one-pixel
// diagonal steps an ellipse's path is made of.
struct PenStamps {
  int width = 0;
  Stamp tip;
  std::vector<StampSpan> tipRows;  // the tip row by row, from dy = -reach (empty: x0 == x1)
  std::array<Stamp, 4> diagonals;  // towards (+1,+1), (-1,+1), (-1,-1), (+1,-1)
};

std::size_t DiagonalIndex(Wide dx, Wide dy) {
  return dy > 0 ? (dx > 0 ? 0 : 1) : (dx < 0 ? 2 : 3);
}

void MakeStamps(PenStamps& stamps, int width) {
  stamps.width = width;
  const int reach = width + 2;
  StampRecorder tip(reach, stamps.tip);
  const std::int64_t corner = reach - width / 2;
  if (width <= 2) {
    for (int y = 0; y < width; ++y) tip.Add(corner + y, corner, corner + width);
  } else {
    EllipseSpans(Rect{corner, corner, corner + width, corner + width}, &tip, nullptr);
  }
  // The tip is convex: one span a row.
  stamps.tipRows.assign(static_cast<std::size_t>(2 * reach + 1), StampSpan{0, 0, 0});
  for (const StampSpan& span : stamps.tip) {
    StampSpan& row = stamps.tipRows[static_cast<std::size_t>(span.dy + reach)];
    row = row.x0 == row.x1
              ? span
              : StampSpan{span.dy, std::min(row.x0, span.x0), std::max(row.x1, span.x1)};
  }
  const Point centre{reach, reach};
  const std::array<Point, 4> steps = {Point{1, 1}, Point{-1, 1}, Point{-1, -1}, Point{1, -1}};
  for (const Point& step : steps) {
    StampRecorder diagonal(reach, stamps.diagonals[DiagonalIndex(step.x, step.y)]);
    AddQuad(diagonal, centre, Point{centre.x + step.x, centre.y + step.y}, width);
  }
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

void AddStamp(SpanSink& sink, const Stamp& stamp, Point p, int reach) {
  if (Wide{p.y} + reach < 0 || Wide{p.y} - reach >= sink.height()) return;
  for (const StampSpan& s : stamp) sink.Add(Wide{p.y} + s.dy, Wide{p.x} + s.x0, Wide{p.x} + s.x1);
}

void AddSegment(SpanSink& sink, Point p, Point q, const PenStamps& stamps) {
  const int width = stamps.width;
  const Wide half = width / 2;
  const Wide dx = Wide{q.x} - p.x, dy = Wide{q.y} - p.y;
  if (dy == 0) {
    const Wide top = Wide{p.y} - half;
    for (int i = 0; i < width; ++i) sink.Add(top + i, std::min(p.x, q.x), std::max(p.x, q.x));
  } else if (dx == 0) {
    const Wide left = Wide{p.x} - half;
    const Wide first = std::max<Wide>(std::min(p.y, q.y), 0);
    const Wide end = std::min<Wide>(std::max(p.y, q.y), sink.height());
    for (Wide y = first; y < end; ++y) sink.Add(y, left, left + width);
  } else if ((dx == 1 || dx == -1) && (dy == 1 || dy == -1)) {
    AddStamp(sink, stamps.diagonals[DiagonalIndex(dx, dy)], p, width + 2);
  } else {
    AddQuad(sink, p, q, width);
  }
}

}  // namespace

Region::Region(int width, int height)
    : SpanSink(width, height), spans_(SpanScratch()), firstRow_(height), endRow_(0) {
  spans_.clear();
}

void Region::Take(int y, int x0, int x1) {
  spans_.push_back(Span{y, x0, x1});
  firstRow_ = std::min(firstRow_, y);
  endRow_ = std::max(endRow_, y + 1);
}

const std::vector<Region::Span>& Region::Merged() {
  // Spans are bucketed by row (only the rows the stroke touches), then each row's few spans
  // are sorted by column and joined where they touch.
  static thread_local std::vector<std::size_t> rowEnds;
  static thread_local std::vector<Span> byRow;
  if (spans_.empty()) return spans_;
  const auto row = [this](const Span& s) { return static_cast<std::size_t>(s.y - firstRow_); };
  rowEnds.assign(static_cast<std::size_t>(endRow_ - firstRow_) + 1, 0);
  for (const Span& s : spans_) ++rowEnds[row(s) + 1];
  for (std::size_t y = 1; y < rowEnds.size(); ++y) rowEnds[y] += rowEnds[y - 1];
  byRow.resize(spans_.size());
  for (const Span& s : spans_) byRow[rowEnds[row(s)]++] = s;
  spans_.clear();
  std::size_t begin = 0;
  for (std::size_t y = 0; y + 1 < rowEnds.size(); ++y) {
    const auto first = byRow.begin() + static_cast<std::ptrdiff_t>(begin);
    const auto last = byRow.begin() + static_cast<std::ptrdiff_t>(rowEnds[y]);
    std::sort(first, last, [](const Span& l, const Span& r) { return l.x0 < r.x0; });
    for (auto s = first; s != last; ++s) {
      if (s != first && s->x0 <= spans_.back().x1) {
        spans_.back().x1 = std::max(spans_.back().x1, s->x1);
      } else {
        spans_.push_back(*s);
      }
    }
    begin = rowEnds[y];
  }
  return spans_;
}

void Region::Paint(Bitmap& target, Color color) {
  for (const Span& s : Merged()) std::fill(target.row(s.y) + s.x0, target.row(s.y) + s.x1, color);
}

void StrokePolyline(Region& region, std::span<const Point> points, bool closed, int width) {
  if (points.empty()) return;
  const PenStamps& stamps = StampsFor(width);
  for (std::size_t i = 0; i < points.size(); ++i) {
    AddStamp(region, stamps.tip, points[i], width + 2);
    const bool last = i + 1 == points.size();
    if (last && !closed) break;
    const Point& next = points[last ? 0 : i + 1];
    if (next != points[i]) AddSegment(region, points[i], next, stamps);
  }
}

void StrokeRectangle(Bitmap& target, Point topLeft, Point bottomRight, int width, Color color) {
  const PenStamps& stamps = StampsFor(width);
  const Wide reach = width + 2, half = width / 2;
  const Wide left = topLeft.x, top = topLeft.y, right = bottomRight.x, bottom = bottomRight.y;
  const Wide firstRow = std::max<Wide>(top - reach, 0);
  const Wide endRow = std::min<Wide>(bottom + reach + 1, target.height());
  const Point corners[4] = {
      topLeft, {bottomRight.x, topLeft.y}, bottomRight, {topLeft.x, bottomRight.y}};
  struct Interval {
    Wide x0, x1;
  };
  for (Wide y = firstRow; y < endRow; ++y) {
    // The bands of the four sides and the tips at the four corners that cross this row.
    std::array<Interval, 8> row;
    std::size_t n = 0;
    if ((y >= top - half && y < top - half + width) ||
        (y >= bottom - half && y < bottom - half + width)) {
      row[n++] = {left, right};
    }
    if (y >= top && y < bottom) {
      row[n++] = {left - half, left - half + width};
      row[n++] = {right - half, right - half + width};
    }
    for (const Point& corner : corners) {
      const Wide dy = y - corner.y;
      if (dy < -reach || dy > reach) continue;
      const StampSpan& tip = stamps.tipRows[static_cast<std::size_t>(dy + reach)];
      if (tip.x0 != tip.x1) row[n++] = {corner.x + tip.x0, corner.x + tip.x1};
    }
    // At most eight intervals: an insertion sort is all they need.
    for (std::size_t i = 1; i < n; ++i) {
      for (std::size_t k = i; k > 0 && row[k - 1].x0 > row[k].x0; --k)
        std::swap(row[k - 1], row[k]);
    }
    Color* pixels = target.row(static_cast<int>(y));
    for (std::size_t i = 0; i < n;) {
      Interval run = row[i++];
      while (i < n && row[i].x0 <= run.x1) run.x1 = std::max(run.x1, row[i++].x1);
      const Wide x0 = std::max<Wide>(run.x0, 0), x1 = std::min<Wide>(run.x1, target.width());
      if (x0 < x1) std::fill(pixels + static_cast<int>(x0), pixels + static_cast<int>(x1), color);
    }
  }
}

}  // namespace raster::detail
