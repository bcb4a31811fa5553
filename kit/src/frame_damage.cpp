#include "frame_damage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "raster/text.h"

namespace kit {
namespace {

// Beyond this many calls or characters a frame is not kept call by call.
constexpr std::size_t MostCalls = 4096;
constexpr std::size_t MostText = 256 * 1024;
// Room for a full editing screen from the start, so steady drawing allocates nothing.
constexpr std::size_t UsualCalls = 512;
constexpr std::size_t UsualText = 16 * 1024;

raster::Rect Around(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                    std::int64_t margin) {
  return {std::min(x1, x2) - margin, std::min(y1, y2) - margin, std::max(x1, x2) + 1 + margin,
          std::max(y1, y2) + 1 + margin};
}

}  // namespace

FrameDamage::Frame::Frame() {
  calls.reserve(UsualCalls);
  text.reserve(UsualText);
}

void FrameDamage::Frame::Clear() {
  calls.clear();
  text.clear();
  overflowed = false;
}

void FrameDamage::Drawn(const Shape& shape, int originX, int originY) {
  const bool hasText = shape.kind == ShapeKind::Text && shape.text != nullptr;
  Call call;
  call.shape = shape;
  call.shape.text = nullptr;
  call.originX = originX;
  call.originY = originY;
  Keep(call, hasText ? shape.text : nullptr);
}

void FrameDamage::CanvasFilled() {
  Call fill;
  fill.fillsCanvas = true;
  Keep(fill, nullptr);
}

void FrameDamage::Keep(const Call& call, const char* text) {
  if (current_.overflowed) return;
  const std::size_t length = text != nullptr ? std::strlen(text) : 0;
  if (current_.calls.size() == MostCalls || current_.text.size() + length > MostText) {
    current_.Clear();
    current_.overflowed = true;
    return;
  }
  current_.calls.push_back(call);
  current_.calls.back().textStart = current_.text.size();
  current_.calls.back().textLength = length;
  current_.text.append(text != nullptr ? text : "", length);
}

bool FrameDamage::SameCall(const Call& a, const Frame& af, const Call& b, const Frame& bf) const {
  const Shape& s = a.shape;
  const Shape& t = b.shape;
  return a.fillsCanvas == b.fillsCanvas && s.kind == t.kind && s.color == t.color &&
         s.width == t.width && s.textSize == t.textSize && s.x1 == t.x1 && s.y1 == t.y1 &&
         s.x2 == t.x2 && s.y2 == t.y2 && s.x3 == t.x3 && s.y3 == t.y3 && a.originX == b.originX &&
         a.originY == b.originY && TextOf(a, af) == TextOf(b, bf);
}

// A filled rectangle reaching a pixel past the view on every side paints all of it opaquely.
bool FrameDamage::Covers(const Call& call, const raster::Rect& view) const {
  const Shape& s = call.shape;
  if (call.fillsCanvas) return true;
  if (s.kind != ShapeKind::Rectangle || s.width != 0) return false;
  const raster::Rect box{call.originX + s.x1, call.originY - s.y1, call.originX + s.x2 + 1,
                         call.originY - s.y2 + 1};
  return box.left < view.left && box.top < view.top && box.right > view.right &&
         box.bottom > view.bottom;
}

// Every pixel the call may paint, with room to spare: pens reach past the path by about half
// their width, glyphs past their cells by less than the character height.
raster::Rect FrameDamage::Box(const Call& call, const Frame& frame) const {
  const Shape& s = call.shape;
  const auto x = [&](std::int64_t v) { return call.originX + v; };
  const auto y = [&](std::int64_t v) { return call.originY - v; };
  const std::int64_t pen = std::max<std::int64_t>(s.width, 1) + 2;
  if (call.fillsCanvas) return {0, 0, INT32_MAX, INT32_MAX};
  switch (s.kind) {
    case ShapeKind::Triangle: {
      const raster::Rect two = Around(x(s.x1), y(s.y1), x(s.x2), y(s.y2), pen);
      return win::Union(two, Around(x(s.x3), y(s.y3), x(s.x3), y(s.y3), pen));
    }
    case ShapeKind::Rectangle:
    case ShapeKind::Oval:
    case ShapeKind::Line:
      return Around(x(s.x1), y(s.y1), x(s.x2), y(s.y2), pen);
    case ShapeKind::Text:
      break;
  }
  const int size = s.textSize;
  const std::int64_t h = raster::MeasureText(TextFace, size, {}).height;
  const std::string_view text = TextOf(call, frame);
  std::int64_t widest = 0;
  std::int64_t lines = 0;
  for (std::size_t start = 0; start != std::string_view::npos; ++lines) {
    const std::size_t end = text.find('\n', start);
    const std::string_view line =
        text.substr(start, end == std::string_view::npos ? end : end - start);
    widest = std::max<std::int64_t>(widest, raster::MeasureText(TextFace, size, line).width);
    start = end == std::string_view::npos ? end : end + 1;
  }
  const std::int64_t spare = size + 2;
  const std::int64_t top = y(s.y1) - h;
  return {x(s.x1) - spare, top - spare, x(s.x1) + widest + spare, top + lines * h + spare};
}

std::span<const raster::Rect> FrameDamage::Take(const raster::Rect& view) {
  const bool complete =
      !current_.overflowed && !current_.calls.empty() && Covers(current_.calls.front(), view);
  boxes_.Reset(static_cast<int>(view.right), static_cast<int>(view.bottom));
  if (!synced_ || current_.overflowed) {
    boxes_.Add(view);
  } else {
    std::size_t first = 0;
    std::size_t endCurrent = current_.calls.size();
    std::size_t endPrevious = 0;
    if (complete && previousComplete_) {
      const auto& now = current_.calls;
      const auto& before = previous_.calls;
      endPrevious = before.size();
      while (first < std::min(endCurrent, endPrevious) &&
             SameCall(now[first], current_, before[first], previous_)) {
        ++first;
      }
      while (endCurrent > first && endPrevious > first &&
             SameCall(now[endCurrent - 1], current_, before[endPrevious - 1], previous_)) {
        --endCurrent;
        --endPrevious;
      }
    }
    for (std::size_t i = first; i < endCurrent; ++i) boxes_.Add(Box(current_.calls[i], current_));
    for (std::size_t i = first; i < endPrevious; ++i) {
      boxes_.Add(Box(previous_.calls[i], previous_));
    }
  }
  synced_ = true;
  previousComplete_ = complete;
  std::swap(previous_, current_);
  current_.Clear();
  return boxes_.rects();
}

}  // namespace kit
