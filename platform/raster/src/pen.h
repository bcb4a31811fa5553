#pragma once
// A solid wide pen's shapes: the band it lays along a segment and its round tip.

#include <array>
#include <vector>

#include "spans.h"

namespace raster::detail {

// The segment from p to q widened by w/2 on each side. Corners are rounded to whole pixels;
// the side to the right (+x) takes the rounding of (w + 1) / 2, the other of w / 2.
void AddQuad(SpanSink& sink, Point p, Point q, int width);

// One row of a small shape, relative to the point it is drawn around.
struct StampSpan {
  int dy, x0, x1;
};

struct PenStamps {
  int width = 0;
  // The round tip, the filled w x w ellipse centred as the pen's bands are (a square for
  // w = 2): one span a row, from dy = tipTop on.
  int tipTop = 0;
  std::vector<StampSpan> tip;
  // The pixels a one-pixel diagonal step's band adds to the tips at its two ends, for steps
  // towards (+1,+1), (-1,+1), (-1,-1), (+1,-1): a few pixels at the band's corners.
  std::array<std::vector<StampSpan>, 4> diagonalExtras;

  // The tip's span on row dy, or null where the tip has no row.
  const StampSpan* TipRow(Wide dy) const {
    const Wide i = dy - tipTop;
    return i >= 0 && i < width ? &tip[static_cast<std::size_t>(i)] : nullptr;
  }
};

// The index of a diagonal step in PenStamps::diagonalExtras.
std::size_t DiagonalIndex(Wide dx, Wide dy);

// Stamps for a pen 2 or more wide, kept between calls.
const PenStamps& StampsFor(int width);

// The tip drawn around p, row by row on the sink's bitmap only.
void AddTip(SpanSink& sink, const PenStamps& stamps, Point p);

}  // namespace raster::detail
