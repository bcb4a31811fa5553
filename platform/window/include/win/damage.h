#pragma once
// What changed in a window's content since the host last showed it: a few rectangles in window
// content coordinates (menu bar rows first), so a host puts only those on screen. Boxes that
// overlap or lie close are merged, and the list never holds more than Capacity boxes: a new box
// that would exceed it merges the pair that wastes the fewest pixels.

#include <array>
#include <cstddef>
#include <span>

#include "raster/bitmap.h"

namespace win {

class DamageList {
 public:
  static constexpr std::size_t Capacity = 8;
  // Two boxes whose union covers at most this many pixels that neither covers become one box:
  // copying a few spare pixels costs less than another rectangle to present.
  static constexpr std::int64_t NearWaste = 512;

  // The content is now width x height, and none of it is damaged.
  void Reset(int width, int height);
  // The content is now width x height, and all of it is damaged.
  void DamageAll(int width, int height);
  // The part of `box` inside the content; nothing for a box outside it or an empty one.
  void Add(const raster::Rect& box);
  void Clear() { count_ = 0; }

  bool empty() const { return count_ == 0; }
  std::span<const raster::Rect> rects() const { return {rects_.data(), count_}; }
  // The content's size as last given to DamageAll.
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  // Merges rects_[index] into any box it lies close to, repeatedly, until none is close.
  void MergeNear(std::size_t index);
  void MergeCheapestPair();
  void Remove(std::size_t index);

  std::array<raster::Rect, Capacity + 1> rects_{};  // one spare slot while a new box settles
  std::size_t count_ = 0;
  int width_ = 0;
  int height_ = 0;
};

// The smallest box holding both; either may be empty.
raster::Rect Union(const raster::Rect& a, const raster::Rect& b);
raster::Rect Intersection(const raster::Rect& a, const raster::Rect& b);
// The pixels of the union of a and b that neither covers.
std::int64_t MergeWaste(const raster::Rect& a, const raster::Rect& b);

}  // namespace win
