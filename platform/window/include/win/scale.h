#pragma once
// Whole display scales, for screens too dense to read the windows at their own size: a host
// shows each window pixel as scale x scale screen pixels, so the picture stays exact, and maps
// input back. Hosts and desktop entries pick the scale with these; the window system, the kit
// and programs never see it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pz417/status.h"
#include "win/window.h"

namespace win {

constexpr int MaxScale = 8;

// The whole number nearest to the density's ratio to the classic desktop's 96 dots per inch,
// so 144 dpi and up gives 2, 240 and up 3; at least 1, at most MaxScale.
int ScaleForDpi(double dpi);
// The largest scale up to `wanted` that still leaves a classic 800 x 600 desktop of window
// pixels on the screen, where both windows fit; at least 1.
int ScaleThatFits(int wanted, Size screen);
// A screen coordinate in a window shown at `scale`, as the window's own pixel; rounded down,
// also left of and above the window, where a held button's drag may go.
int Unscaled(int screenCoordinate, int scale);
// The window pixels a window's screen length shows: a length that is no multiple of the scale
// shows part of one more, so that no screen pixel is left without one.
int ContentLength(int screenLength, int scale);

// A scale written as a whole number from 1 to MaxScale; nothing for any other text.
std::optional<int> ScaleNamed(std::string_view text);

// Takes "--scale N" or "--scale=N" out of a program's arguments: N (1 to MaxScale), 0 when it is
// not there, or why it is a bad one. The other arguments keep their order.
pz417::Result<int> TakeScaleOption(std::vector<std::string>& arguments);

}  // namespace win
