#pragma once
// A copy that writes only what differs and says where: the way a window learns which part of a
// redrawn canvas actually changed, so only that reaches the screen.

#include <cstdint>
#include <functional>

#include "raster/bitmap.h"

namespace raster {

// Each changed box of the destination, one row high, one per changed row.
using ChangedRowRun = std::function<void(const Rect&)>;

// As dst.copyFrom(src, sx, sy, w, h, dx, dy), clipped alike, but each row's run from its first
// to its last differing pixel is the only part written, and `changed` is told of it. Rows that
// already match are left alone. From a bitmap onto itself it copies plainly and reports the
// whole block, as rows may overlap.
void CopyChanged(Bitmap& dst, const Bitmap& src, std::int64_t sx, std::int64_t sy, std::int64_t w,
                 std::int64_t h, std::int64_t dx, std::int64_t dy, const ChangedRowRun& changed);

}  // namespace raster
