#include "stroke.h"

#include <algorithm>
#include <array>

#include "pen.h"

namespace raster::detail {
namespace {

std::vector<Region::Span>& SpanScratch() {
  static thread_local std::vector<Region::Span> spans;
  return spans;
}

void AddSegment(SpanSink& sink, Point p, Point q, const PenStamps& stamps) {
  const int width = stamps.width;
  const Wide half = width / 2;
  const Wide dx = Wide{q.x} - p.x, dy = Wide{q.y} - p.y;
  if (dy == 0) {
    const Wide top = Wide{p.y} - half;
    const Wide first = std::max<Wide>(top, 0), end = std::min<Wide>(top + width, sink.height());
    for (Wide y = first; y < end; ++y) sink.Add(y, std::min(p.x, q.x), std::max(p.x, q.x));
  } else if (dx == 0) {
    const Wide left = Wide{p.x} - half;
    const Wide first = std::max<Wide>(std::min(p.y, q.y), 0);
    const Wide end = std::min<Wide>(std::max(p.y, q.y), sink.height());
    for (Wide y = first; y < end; ++y) sink.Add(y, left, left + width);
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
  for (const Span& s : Merged()) {
    FillPixels(target.row(s.y) + s.x0, static_cast<std::size_t>(s.x1 - s.x0), color);
  }
}

void StrokePolyline(Region& region, std::span<const Point> points, bool closed, int width) {
  if (points.empty()) return;
  const PenStamps& stamps = StampsFor(width);
  for (std::size_t i = 0; i < points.size(); ++i) {
    AddTip(region, stamps, points[i]);
    const bool last = i + 1 == points.size();
    if (last && !closed) break;
    const Point& next = points[last ? 0 : i + 1];
    if (next != points[i]) AddSegment(region, points[i], next, stamps);
  }
}

void StrokeRectangle(Bitmap& target, Point topLeft, Point bottomRight, int width, Color color) {
  const PenStamps& stamps = StampsFor(width);
  const Wide half = width / 2;
  const Wide left = topLeft.x, top = topLeft.y, right = bottomRight.x, bottom = bottomRight.y;
  const Wide firstRow = std::max<Wide>(top - half, 0);
  const Wide endRow = std::min<Wide>(bottom - half + width, target.height());
  // The sides' bands, [x0, x1) each.
  const Wide leftBand = left - half, rightBand = right - half;
  const auto paint = [&target, color](Wide y, Wide x0, Wide x1) {
    x0 = std::max<Wide>(x0, 0);
    x1 = std::min<Wide>(x1, target.width());
    if (x0 < x1) {
      FillPixels(target.row(static_cast<int>(y)) + static_cast<int>(x0),
                 static_cast<std::size_t>(x1 - x0), color);
    }
  };
  for (Wide y = firstRow; y < endRow; ++y) {
    const bool sides = y >= top && y < bottom;
    const StampSpan* topTip = stamps.TipRow(y - top);
    const StampSpan* bottomTip = stamps.TipRow(y - bottom);
    if (topTip == nullptr && bottomTip == nullptr) {
      // Between the corners only the sides' bands cross the row.
      if (!sides) continue;
      if (rightBand <= leftBand + width) {
        paint(y, leftBand, rightBand + width);
      } else {
        paint(y, leftBand, leftBand + width);
        paint(y, rightBand, rightBand + width);
      }
      continue;
    }
    // On the rows of a top or bottom band, every piece crossing the row touches that band
    // (the tips are centred on its ends, the sides' bands hold them): one run.
    Wide x0 = sides ? leftBand : left, x1 = sides ? rightBand + width : right;
    for (const StampSpan* tip : {topTip, bottomTip}) {
      if (tip == nullptr) continue;
      x0 = std::min<Wide>(x0, left + tip->x0);
      x1 = std::max<Wide>(x1, right + tip->x1);
    }
    paint(y, x0, x1);
  }
}

}  // namespace raster::detail
