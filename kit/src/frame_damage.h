#pragma once
// Which parts of the canvas the next copy must bring to the graphics window.
//
// Every call drawn since the last copy is kept (its shape and the origin it was drawn at). A frame
// that starts by painting an opaque box over the window's whole view depends on its own calls
// alone; when the frame before it did too, a pixel can differ between the two only where a call
// that is not common to both may have painted, so only those calls' boxes are copied (a bounced
// title: its old box and its new one). Otherwise every box drawn since the last copy is.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "raster/bitmap.h"
#include "render.h"
#include "win/damage.h"

namespace kit {

class FrameDamage {
 public:
  // A shape the renderer is about to draw; the origin maps its kit coordinates to the canvas.
  void Drawn(const Shape& shape, int originX, int originY);
  // The whole canvas painted over (its white face and black frame).
  void CanvasFilled();
  // The window's pixels no longer match the canvas as last copied (erased, resized): the next
  // copy brings all of it.
  void Forget() { synced_ = false; }
  // The boxes to copy for a window showing `view` (from the canvas's top-left corner), valid
  // until the next call; the calls drawn so far become the frame the next one is compared with.
  std::span<const raster::Rect> Take(const raster::Rect& view);

  // Each shape drawn since the last copy, with its text, for a tool that draws the same frame
  // through another renderer (the comparison benchmark); nothing once too much was drawn to keep.
  template <typename Visit>
  void ForEachShapeSinceCopy(Visit visit) const {
    for (const Call& call : current_.calls) {
      if (!call.fillsCanvas) visit(call.shape, TextOf(call, current_));
    }
  }

 private:
  struct Call {
    Shape shape;               // text points nowhere: its characters are in the frame's `text`
    bool fillsCanvas = false;  // not a shape: the whole canvas painted
    std::size_t textStart = 0;
    std::size_t textLength = 0;
    int originX = 0;
    int originY = 0;
  };
  struct Frame {
    std::vector<Call> calls;
    std::string text;
    bool overflowed = false;  // too much to keep: all of the view is copied
    Frame();
    void Clear();
  };

  void Keep(const Call& call, const char* text);
  static std::string_view TextOf(const Call& call, const Frame& frame) {
    return std::string_view(frame.text).substr(call.textStart, call.textLength);
  }
  bool SameCall(const Call& a, const Frame& af, const Call& b, const Frame& bf) const;
  bool Covers(const Call& call, const raster::Rect& view) const;
  raster::Rect Box(const Call& call, const Frame& frame) const;

  win::DamageList boxes_;
  Frame current_;
  Frame previous_;
  bool previousComplete_ = false;
  bool synced_ = false;
};

}  // namespace kit
