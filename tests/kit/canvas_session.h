#pragma once
// A kit session whose canvas starts cleared, with logging off, for tests that read its pixels.

#include "kit_session.h"

class CanvasSession : public KitSession {
 protected:
  void SetUp() override {
    KitSession::SetUp();
    KitSetLogging(0);
    KitClear();
  }
  raster::Color At(int kitX, int kitY) const {
    return KitCanvas().pixel(KitOriginX() + kitX, KitOriginY() - kitY);
  }
  // Canvas pixels of `color` inside the given canvas box, counted.
  int Count(raster::Color color, int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) n += KitCanvas().pixel(x, y) == color;
    return n;
  }
  int CountAll(raster::Color color) const {
    return Count(color, 0, 0, KitCanvas().width(), KitCanvas().height());
  }
};
