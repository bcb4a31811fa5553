#include "stroke.h"

#include <algorithm>
#include <cmath>

#include "ellipse.h"
#include "polygon.h"

namespace raster::detail {
namespace {

std::vector<Region::Span>& SpanScratch() {
  static thread_local std::vector<Region::Span> spans;
  return spans;
}

struct RowSpan {
  int x0 = 0, x1 = 0;
};

// Collects the rows of the pen's tip drawn at the origin.
class TipRows final : public SpanSink {
 public:
  TipRows(int side, std::vector<RowSpan>& rows) : SpanSink(side, side), rows_(rows) {
    rows_.assign(static_cast<std::size_t>(side), RowSpan{});
  }

 protected:
  void Take(int y, int x0, int x1) override { rows_[static_cast<std::size_t>(y)] = {x0, x1}; }

 private:
  std::vector<RowSpan>& rows_;
};

// The pen's round tip, the filled w x w ellipse (a square for w = 2), kept for the last
// width asked for.
const std::vector<RowSpan>& TipOf(int width) {
  static thread_local int cachedWidth = 0;
  static thread_local std::vector<RowSpan> rows;
  if (cachedWidth != width) {
    TipRows sink(width, rows);
    if (width <= 2) {
      for (int y = 0; y < width; ++y) sink.Add(y, 0, width);
    } else {
      EllipseSpans(Rect{0, 0, width, width}, &sink, nullptr);
    }
    cachedWidth = width;
  }
  return rows;
}

// Adds the tip centred on p: its box runs from p - w/2 for w pixels in both directions.
void AddTip(SpanSink& sink, const std::vector<RowSpan>& tip, Point p) {
  const auto width = static_cast<int>(tip.size());
  const Wide top = Wide{p.y} - width / 2;
  const Wide left = Wide{p.x} - width / 2;
  if (top >= sink.height() || top + width <= 0) return;
  for (int i = 0; i < width; ++i) sink.Add(top + i, left + tip[i].x0, left + tip[i].x1);
}

std::int64_t Saturate(Wide v) {
  return static_cast<std::int64_t>(std::clamp<Wide>(v, INT64_MIN, INT64_MAX));
}

void AddSegment(SpanSink& sink, Point p, Point q, int width) {
  const Wide half = width / 2;
  if (p.y == q.y) {
    const Wide top = Wide{p.y} - half;
    for (int i = 0; i < width; ++i) sink.Add(top + i, std::min(p.x, q.x), std::max(p.x, q.x));
    return;
  }
  if (p.x == q.x) {
    const Wide left = Wide{p.x} - half;
    const Wide first = std::max<Wide>(std::min(p.y, q.y), 0);
    const Wide end = std::min<Wide>(std::max(p.y, q.y), sink.height());
    for (Wide y = first; y < end; ++y) sink.Add(y, left, left + width);
    return;
  }
  // The segment widened by w/2 on each side. Corners are rounded to whole pixels; the side
  // to the right (+x) takes the rounding of (w + 1) / 2, the other of w / 2.
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

}  // namespace

Region::Region(int width, int height) : SpanSink(width, height), spans_(SpanScratch()) {
  spans_.clear();
}

void Region::Take(int y, int x0, int x1) { spans_.push_back(Span{y, x0, x1}); }

const std::vector<Region::Span>& Region::Merged() {
  std::sort(spans_.begin(), spans_.end(), [](const Span& l, const Span& r) {
    return l.y != r.y ? l.y < r.y : l.x0 < r.x0;
  });
  std::size_t out = 0;
  for (const Span& s : spans_) {
    if (out > 0 && spans_[out - 1].y == s.y && s.x0 <= spans_[out - 1].x1) {
      spans_[out - 1].x1 = std::max(spans_[out - 1].x1, s.x1);
    } else {
      spans_[out++] = s;
    }
  }
  spans_.resize(out);
  return spans_;
}

void Region::Paint(Bitmap& target, Color color) {
  for (const Span& s : Merged()) std::fill(target.row(s.y) + s.x0, target.row(s.y) + s.x1, color);
}

void StrokePolyline(Region& region, std::span<const Point> points, bool closed, int width) {
  if (points.empty()) return;
  const std::vector<RowSpan>& tip = TipOf(width);
  for (std::size_t i = 0; i < points.size(); ++i) {
    AddTip(region, tip, points[i]);
    const bool last = i + 1 == points.size();
    if (last && !closed) break;
    const Point& next = points[last ? 0 : i + 1];
    if (next != points[i]) AddSegment(region, points[i], next, width);
  }
}

}  // namespace raster::detail
