// Wide ellipse outlines, row by row.
//
// The stroke of the curve's closed path is the pen's tip stamped on every curve pixel, plus
// the few corner pixels that the band of each diagonal step adds (the bands of straight steps
// lie within the tips at their ends). The curve 4-separates the ellipse's inside from its
// outside and the tip is 4-connected, so a tip placed anywhere meets the curve unless it lies
// wholly inside or wholly outside. Hence the tips' union is the fill grown by the tip, less
// the points whose tip lies wholly inside; on each row both are one run, whose ends are
// extremes over the tip's rows. A row costs four such searches, whatever the curve's length.

#include <algorithm>
#include <climits>
#include <vector>

#include "ellipse.h"
#include "pen.h"
#include "stroke.h"

namespace raster::detail {
namespace {

constexpr int kBlock = 64;
// Marks a row whose inside is empty: no tip fits there.
constexpr int kNoInside = 1 << 28;

// A sequence of values with the largest value of each block of kBlock entries.
struct Sequence {
  std::vector<int> values;
  std::vector<int> blockMax;

  void Resize(std::size_t n) { values.resize(n); }
  void Seal() {
    blockMax.assign((values.size() + kBlock - 1) / kBlock, INT_MIN);
    for (std::size_t i = 0; i < values.size(); ++i) {
      blockMax[i / kBlock] = std::max(blockMax[i / kBlock], values[i]);
    }
  }
};

// Bounds and scans for max over t of p[s + t] + q[t].
class MaxPlus {
 public:
  MaxPlus(const Sequence& p, const Sequence& q, std::ptrdiff_t s) : p_(p), q_(q), s_(s) {}

  // The maximum over t0 <= t < t1 (t0 < t1), or any value of at least `enough` once it is
  // clear the maximum reaches that. Blocks whose bound cannot beat the best so far are skipped.
  int Over(int t0, int t1, int enough) const {
    int firstBlock = t0, bestBound = INT_MIN;
    for (int from = t0; from < t1; from = BlockEnd(from, t1)) {
      const int bound = Bound(from, BlockEnd(from, t1));
      if (bound > bestBound) {
        bestBound = bound;
        firstBlock = from;
      }
    }
    int best = Scan(firstBlock, BlockEnd(firstBlock, t1), INT_MIN);
    for (int from = t0; from < t1 && best < enough; from = BlockEnd(from, t1)) {
      const int end = BlockEnd(from, t1);
      if (from != firstBlock && Bound(from, end) > best) best = Scan(from, end, best);
    }
    return best;
  }

 private:
  static int BlockEnd(int from, int t1) { return std::min(t1, (from / kBlock + 1) * kBlock); }

  int Bound(int from, int to) const {
    const std::size_t first = static_cast<std::size_t>(s_ + from) / kBlock;
    const std::size_t last = static_cast<std::size_t>(s_ + to - 1) / kBlock;
    return q_.blockMax[static_cast<std::size_t>(from) / kBlock] +
           std::max(p_.blockMax[first], p_.blockMax[last]);
  }

  int Scan(int from, int to, int best) const {
    const int* p = p_.values.data() + s_;
    const int* q = q_.values.data();
    for (int t = from; t < to; ++t) best = std::max(best, p[t] + q[t]);
    return best;
  }

  const Sequence& p_;
  const Sequence& q_;
  std::ptrdiff_t s_;
};

struct Interval {
  Wide x0, x1;  // columns x0..x1-1
};

// Everything one stroke works on, kept between calls so drawing does not allocate.
struct Scratch {
  std::vector<QuarterRow> quarter;
  // Per tip row t (dy = tipTop + t): its last column, and minus its first.
  Sequence tipRight, tipLeftNegated;
  // Per box row of the window, last row first: the fill's last column and minus its first;
  // the inside's first column and minus its last (kNoInside where it has none).
  Sequence fillRight, fillLeftNegated, insideLeft, insideRightNegated;
  std::vector<Interval> row;
};

Scratch& TheScratch() {
  static thread_local Scratch scratch;
  return scratch;
}

int ClampToInt(Wide v) {
  return static_cast<int>(std::clamp<Wide>(v, -(Wide{1} << 30), Wide{1} << 30));
}

class EllipseStroke {
 public:
  EllipseStroke(const Rect& box, const PenStamps& stamps, int canvasWidth, int canvasHeight)
      : box_(box),
        stamps_(stamps),
        a_(box.width() - 1),
        b_(box.height() - 1),
        half_(box.height() / 2),
        left_(ClampToInt(-Wide{box.left})),
        right_(ClampToInt(Wide{canvasWidth} - 1 - box.left)),
        s_(TheScratch()) {
    TipSequences();
    // The box rows any tip reaching the bitmap's rows can stand on.
    const Wide top = box.top, tipEnd = stamps.tipTop + stamps.width;
    firstRow_ = std::max<Wide>(0, -top - tipEnd + 1);
    endRow_ = std::min<Wide>(box.height(), canvasHeight - top - stamps.tipTop);
    // The rows the diagonal steps with extra pixels on the bitmap start from, and the rows
    // the stroke can paint at all: its pixels lie within the tip's or the extras' rows of a
    // curve pixel.
    Wide first = firstRow_, end = endRow_, above = stamps.tipTop, below = tipEnd - 1;
    for (const std::vector<StampSpan>& extras : stamps.diagonalExtras) {
      for (const StampSpan& extra : extras) {
        first = std::min(first, -top - extra.dy);
        end = std::max(end, canvasHeight - top - extra.dy);
        above = std::min<Wide>(above, extra.dy);
        below = std::max<Wide>(below, extra.dy);
      }
    }
    paintFirst_ = std::clamp<Wide>(top + above, 0, canvasHeight);
    paintEnd_ = std::clamp<Wide>(Wide{box.bottom} + below, paintFirst_, canvasHeight);
    KeepQuarterRows(std::max<Wide>(first, 0), std::min<Wide>(end, box.height()));
    if (firstRow_ < endRow_) RowSequences();
  }

  // The bitmap rows the stroke can paint: paintFirst() up to paintEnd().
  int paintFirst() const { return static_cast<int>(paintFirst_); }
  int paintEnd() const { return static_cast<int>(paintEnd_); }

  // The stroke's runs on bitmap row y, as columns relative to the box's left side.
  void RunsOn(Wide y, std::vector<Interval>& runs) const {
    runs.clear();
    TipRuns(y, runs);
    for (std::size_t d = 0; d < stamps_.diagonalExtras.size(); ++d) {
      for (const StampSpan& extra : stamps_.diagonalExtras[d]) {
        Wide x = 0;
        if (DiagonalFrom(d, y - extra.dy - box_.top, &x))
          runs.push_back({x + extra.x0, x + extra.x1});
      }
    }
  }

 private:
  void TipSequences() {
    const std::size_t n = stamps_.tip.size();
    s_.tipRight.Resize(n);
    s_.tipLeftNegated.Resize(n);
    for (std::size_t t = 0; t < n; ++t) {
      s_.tipRight.values[t] = stamps_.tip[t].x1 - 1;
      s_.tipLeftNegated.values[t] = -stamps_.tip[t].x0;
    }
    s_.tipRight.Seal();
    s_.tipLeftNegated.Seal();
  }

  // Keeps the quarter's rows that box rows first..end-1 mirror to, and one more on each side
  // for the diagonal steps that start a row away.
  void KeepQuarterRows(Wide first, Wide end) {
    Wide lo = b_ + 1, hi = half_;
    if (std::max<Wide>(first, half_) < end) {
      lo = std::max<Wide>(first, half_);
      hi = end;
    }
    if (first < std::min<Wide>(end, half_)) {
      lo = std::min(lo, b_ - std::min<Wide>(end, half_) + 1);
      hi = std::max(hi, b_ - first + 1);
    }
    quarterFirst_ = std::max<Wide>(half_, lo - 1);
    quarterEnd_ = std::min<Wide>(b_ + 1, hi + 1);
    QuarterRows(box_, static_cast<std::int64_t>(quarterFirst_),
                static_cast<std::int64_t>(quarterEnd_), s_.quarter);
  }

  // The quarter's row that a lower-half row is; null where it was not kept.
  const QuarterRow* Quarter(Wide lower) const {
    if (lower < quarterFirst_ || lower >= quarterEnd_) return nullptr;
    return &s_.quarter[static_cast<std::size_t>(lower - quarterFirst_)];
  }

  const QuarterRow& RowOfBox(Wide r) const { return *Quarter(r >= half_ ? r : b_ - r); }

  void RowSequences() {
    const auto n = static_cast<std::size_t>(endRow_ - firstRow_);
    for (Sequence* seq :
         {&s_.fillRight, &s_.fillLeftNegated, &s_.insideLeft, &s_.insideRightNegated})
      seq->Resize(n);
    for (std::size_t j = 0; j < n; ++j) {
      const QuarterRow& q = RowOfBox(endRow_ - 1 - static_cast<Wide>(j));
      const int insideLeft = static_cast<int>(a_) - q.inner + 1, insideRight = q.inner - 1;
      const bool inside = insideLeft <= insideRight;
      s_.fillRight.values[j] = q.outer;
      s_.fillLeftNegated.values[j] = q.outer - static_cast<int>(a_);
      s_.insideLeft.values[j] = inside ? insideLeft : kNoInside;
      s_.insideRightNegated.values[j] = inside ? -insideRight : kNoInside;
    }
    for (Sequence* seq :
         {&s_.fillRight, &s_.fillLeftNegated, &s_.insideLeft, &s_.insideRightNegated})
      seq->Seal();
  }

  // The tips' union on row y: the grown fill [first, last], less the points whose tip fits
  // inside.
  void TipRuns(Wide y, std::vector<Interval>& runs) const {
    if (firstRow_ >= endRow_) return;
    // Tip row t stands on box row k - t of the window.
    const Wide k = y - box_.top - stamps_.tipTop - firstRow_;
    const Wide rows = endRow_ - firstRow_;
    const int t0 = static_cast<int>(std::clamp<Wide>(k - (rows - 1), 0, stamps_.width));
    const int t1 = static_cast<int>(std::clamp<Wide>(k + 1, 0, stamps_.width));
    if (t0 >= t1) return;
    const std::ptrdiff_t s = static_cast<std::ptrdiff_t>(rows - 1 - k);
    const MaxPlus lastOfFill(s_.fillRight, s_.tipRight, s);
    const MaxPlus firstOfFill(s_.fillLeftNegated, s_.tipLeftNegated, s);
    const int last = lastOfFill.Over(t0, t1, right_);
    const int first = -firstOfFill.Over(t0, t1, -left_);
    const int shownLast = std::min(last, right_), shownFirst = std::max(first, left_);
    if (t0 == 0 && t1 == stamps_.width && shownFirst <= shownLast) {
      // A tip fits inside only if every one of its rows stands on the inside of a box row.
      const MaxPlus firstInside(s_.insideLeft, s_.tipRight, s);
      const int holeFirst = firstInside.Over(t0, t1, shownLast + 1);
      if (holeFirst <= shownLast) {
        const MaxPlus lastInside(s_.insideRightNegated, s_.tipLeftNegated, s);
        const int holeLast = -lastInside.Over(t0, t1, -shownFirst + 1);
        if (holeFirst <= holeLast) {
          runs.push_back({first, holeFirst});
          runs.push_back({Wide{holeLast} + 1, Wide{last} + 1});
          return;
        }
      }
    }
    runs.push_back({first, Wide{last} + 1});
  }

  // Where the curve's path takes a diagonal step of direction d (DiagonalIndex) from a pixel
  // on box row r: the quarter's steps, mirrored into the other three quarters.
  bool DiagonalFrom(std::size_t d, Wide r, Wide* x) const {
    const Wide b = b_, a = a_;
    const QuarterRow* q = Quarter(d == 1 ? r : d == 2 ? r - 1 : d == 3 ? b - r : b - r - 1);
    if (q == nullptr || !q->diagonal) return false;
    *x = d == 1   ? Wide{q->inner}
         : d == 2 ? a - q->inner + 1
         : d == 3 ? a - q->inner
                  : Wide{q->inner} - 1;
    return true;
  }

  const Rect& box_;
  const PenStamps& stamps_;
  std::int64_t a_, b_, half_;
  int left_, right_;  // the bitmap's first and last column, relative to the box
  Scratch& s_;
  Wide firstRow_ = 0, endRow_ = 0;          // the window of box rows under the tips
  Wide quarterFirst_ = 0, quarterEnd_ = 0;  // the quarter's rows kept
  Wide paintFirst_ = 0, paintEnd_ = 0;
};

}  // namespace

void StrokeEllipse(Bitmap& target, const Rect& box, int width, Color color) {
  const EllipseStroke stroke(box, StampsFor(width), target.width(), target.height());
  std::vector<Interval>& runs = TheScratch().row;
  for (int y = stroke.paintFirst(); y < stroke.paintEnd(); ++y) {
    stroke.RunsOn(y, runs);
    std::sort(runs.begin(), runs.end(),
              [](const Interval& l, const Interval& r) { return l.x0 < r.x0; });
    Color* pixels = target.row(y);
    for (std::size_t i = 0; i < runs.size();) {
      Interval run = runs[i++];
      while (i < runs.size() && runs[i].x0 <= run.x1) run.x1 = std::max(run.x1, runs[i++].x1);
      const Wide x0 = std::max<Wide>(Wide{box.left} + run.x0, 0);
      const Wide x1 = std::min<Wide>(Wide{box.left} + run.x1, target.width());
      if (x0 < x1)
        FillPixels(pixels + static_cast<int>(x0), static_cast<std::size_t>(x1 - x0), color);
    }
  }
}

}  // namespace raster::detail
