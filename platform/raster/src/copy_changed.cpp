#include "raster/copy_changed.h"

#include <algorithm>
#include <cstring>

#include "int128.h"

namespace raster {
namespace {

using detail::Int128;

// The destination box of the block once clipped to both bitmaps; empty when nothing is left.
Rect ClippedTarget(const Bitmap& dst, const Bitmap& src, std::int64_t sx, std::int64_t sy,
                   std::int64_t w, std::int64_t h, std::int64_t dx, std::int64_t dy) {
  if (w <= 0 || h <= 0) return {};
  // In 128 bits: offsets near the 64-bit limits must not wrap.
  const Int128 shiftX = Int128{dx} - sx, shiftY = Int128{dy} - sy;
  const Int128 left = std::max<Int128>({Int128{dx}, 0, shiftX});
  const Int128 top = std::max<Int128>({Int128{dy}, 0, shiftY});
  const Int128 right = std::min<Int128>({Int128{dx} + w, dst.width(), src.width() + shiftX});
  const Int128 bottom = std::min<Int128>({Int128{dy} + h, dst.height(), src.height() + shiftY});
  if (left >= right || top >= bottom) return {};
  return {static_cast<std::int64_t>(left), static_cast<std::int64_t>(top),
          static_cast<std::int64_t>(right), static_cast<std::int64_t>(bottom)};
}

// Pixels compared a block at a time: the library's compare is many times faster than a loop.
constexpr std::size_t Block = 16;

bool SameBlock(const Color* a, const Color* b) {
  return std::memcmp(a, b, Block * sizeof(Color)) == 0;
}

// The first pixel that differs; one must.
std::size_t FirstDifference(const Color* a, const Color* b, std::size_t count) {
  std::size_t at = 0;
  while (at + Block <= count && SameBlock(a + at, b + at)) at += Block;
  while (a[at] == b[at]) ++at;
  return at;
}

// One past the last pixel that differs; one must.
std::size_t EndOfDifference(const Color* a, const Color* b, std::size_t count) {
  std::size_t end = count;
  while (end >= Block && SameBlock(a + end - Block, b + end - Block)) end -= Block;
  while (a[end - 1] == b[end - 1]) --end;
  return end;
}

// Copies the run between the first and the last pixel that differ; false when none differs.
bool CopyChangedRun(Color* to, const Color* from, std::size_t count, std::size_t& first,
                    std::size_t& end) {
  if (std::memcmp(to, from, count * sizeof(Color)) == 0) return false;
  first = FirstDifference(to, from, count);
  end = EndOfDifference(to, from, count);
  std::memcpy(to + first, from + first, (end - first) * sizeof(Color));
  return true;
}

}  // namespace

void CopyChanged(Bitmap& dst, const Bitmap& src, std::int64_t sx, std::int64_t sy, std::int64_t w,
                 std::int64_t h, std::int64_t dx, std::int64_t dy, const ChangedRowRun& changed) {
  const Rect target = ClippedTarget(dst, src, sx, sy, w, h, dx, dy);
  if (target.empty()) return;
  if (&dst == &src) {
    dst.copyFrom(src, sx, sy, w, h, dx, dy);
    changed(target);
    return;
  }
  const auto columns = static_cast<std::size_t>(target.width());
  const Int128 shiftX = Int128{dx} - sx, shiftY = Int128{dy} - sy;
  const auto fromX = static_cast<std::ptrdiff_t>(target.left - shiftX);
  for (std::int64_t y = target.top; y < target.bottom; ++y) {
    Color* to = dst.row(static_cast<int>(y)) + target.left;
    const Color* from = src.row(static_cast<int>(y - shiftY)) + fromX;
    std::size_t first = 0;
    std::size_t end = 0;
    if (CopyChangedRun(to, from, columns, first, end)) {
      changed({target.left + static_cast<std::int64_t>(first), y,
               target.left + static_cast<std::int64_t>(end), y + 1});
    }
  }
}

}  // namespace raster
