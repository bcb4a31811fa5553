#include "stroke.h"

#include <algorithm>

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
  // Sides this far out lie off any bitmap whatever the pen; clamped there, all sums fit 64 bits.
  const auto near = [](std::int64_t v) {
    constexpr std::int64_t Far = std::int64_t{1} << 40;
    return std::clamp(v, -Far, Far);
  };
  const std::int64_t left = near(topLeft.x), top = near(topLeft.y);
  const std::int64_t right = near(bottomRight.x), bottom = near(bottomRight.y);
  const std::int64_t half = width / 2, leftBand = left - half, rightBand = right - half;
  const std::int64_t columns = target.width(), rows = target.height();
  // Runs as columns [x0, x1) clipped to the bitmap; empty when x0 >= x1.
  struct Run {
    std::int64_t x0, x1;
  };
  const auto clip = [columns](std::int64_t x0, std::int64_t x1) {
    return Run{std::max<std::int64_t>(x0, 0), std::min<std::int64_t>(x1, columns)};
  };
  const auto paint = [&target, color](std::int64_t y, Run run) {
    if (run.x0 < run.x1) {
      FillPixels(target.row(static_cast<int>(y)) + run.x0,
                 static_cast<std::size_t>(run.x1 - run.x0), color);
    }
  };
  // A row of a top or bottom band: every piece crossing it touches that band (the tips are
  // centred on its ends, the sides' bands hold them), so it is one run.
  const auto bandRow = [&](std::int64_t y) {
    const bool sides = y >= top && y < bottom;
    std::int64_t x0 = sides ? leftBand : left, x1 = sides ? rightBand + width : right;
    for (const StampSpan* tip : {stamps.TipRow(y - top), stamps.TipRow(y - bottom)}) {
      if (tip == nullptr) continue;
      x0 = std::min<std::int64_t>(x0, left + tip->x0);
      x1 = std::max<std::int64_t>(x1, right + tip->x1);
    }
    paint(y, clip(x0, x1));
  };
  const std::int64_t topBandEnd = top - half + width, bottomBand = bottom - half;
  const std::int64_t firstRow = std::max<std::int64_t>(top - half, 0);
  const std::int64_t endRow = std::min<std::int64_t>(bottomBand + width, rows);
  if (topBandEnd >= bottomBand) {
    // The bands meet: every row is a band row.
    for (std::int64_t y = firstRow; y < endRow; ++y) bandRow(y);
    return;
  }
  for (std::int64_t y = firstRow; y < std::min(topBandEnd, endRow); ++y) bandRow(y);
  // Between the bands only the sides' bands cross a row, the same on every row.
  const bool joined = rightBand <= leftBand + width;
  const Run first = clip(leftBand, joined ? rightBand + width : leftBand + width);
  const Run second = joined ? Run{0, 0} : clip(rightBand, rightBand + width);
  const std::int64_t middleEnd = std::min(bottomBand, endRow);
  for (std::int64_t y = std::max(topBandEnd, firstRow); y < middleEnd; ++y) {
    paint(y, first);
    paint(y, second);
  }
  for (std::int64_t y = std::max(bottomBand, firstRow); y < endRow; ++y) bandRow(y);
}

}  // namespace raster::detail
