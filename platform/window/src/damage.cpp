#include "win/damage.h"

#include <algorithm>
#include <limits>

namespace win {
namespace {

std::int64_t Area(const raster::Rect& box) {
  return box.empty() ? 0 : box.width() * box.height();
}

}  // namespace

raster::Rect Union(const raster::Rect& a, const raster::Rect& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

raster::Rect Intersection(const raster::Rect& a, const raster::Rect& b) {
  const raster::Rect both{std::max(a.left, b.left), std::max(a.top, b.top),
                          std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
  return both.empty() ? raster::Rect{} : both;
}

std::int64_t MergeWaste(const raster::Rect& a, const raster::Rect& b) {
  return Area(Union(a, b)) - Area(a) - Area(b) + Area(Intersection(a, b));
}

void DamageList::Reset(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  count_ = 0;
}

void DamageList::DamageAll(int width, int height) {
  Reset(width, height);
  Add({0, 0, width_, height_});
}

void DamageList::Add(const raster::Rect& box) {
  const raster::Rect inside = Intersection(box, {0, 0, width_, height_});
  if (inside.empty()) return;
  rects_[count_++] = inside;
  MergeNear(count_ - 1);
  if (count_ > Capacity) MergeCheapestPair();
}

void DamageList::MergeNear(std::size_t index) {
  for (std::size_t i = 0; i < count_; ++i) {
    if (i == index || MergeWaste(rects_[i], rects_[index]) > NearWaste) continue;
    const std::size_t kept = std::min(i, index);
    const std::size_t gone = std::max(i, index);
    rects_[kept] = Union(rects_[i], rects_[index]);
    Remove(gone);
    index = kept;
    i = static_cast<std::size_t>(-1);  // the grown box may now lie close to any other
  }
}

void DamageList::MergeCheapestPair() {
  std::size_t first = 0;
  std::size_t second = 1;
  std::int64_t cheapest = std::numeric_limits<std::int64_t>::max();
  for (std::size_t i = 0; i < count_; ++i) {
    for (std::size_t j = i + 1; j < count_; ++j) {
      const std::int64_t waste = MergeWaste(rects_[i], rects_[j]);
      if (waste < cheapest) {
        cheapest = waste;
        first = i;
        second = j;
      }
    }
  }
  rects_[first] = Union(rects_[first], rects_[second]);
  Remove(second);
  MergeNear(first);
}

void DamageList::Remove(std::size_t index) {
  rects_[index] = rects_[count_ - 1];
  --count_;
}

}  // namespace win
