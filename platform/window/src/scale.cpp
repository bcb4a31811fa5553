// Whole display scales: picked from the screen's density, kept within the screen, undone for input.

#include "win/scale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace win {
namespace {

constexpr double ClassicDpi = 96.0;
constexpr Size SmallestDesktop = {800, 600};
constexpr std::string_view ScaleOption = "--scale";

// N of "--scale N" or "--scale=N", or why it is no scale.
pz417::Result<int> ParseScale(std::string_view text) {
  if (const std::optional<int> scale = ScaleNamed(text)) return *scale;
  return pz417::Failure(std::string(ScaleOption) + " takes a whole number from 1 to " +
                        std::to_string(MaxScale) + ", not \"" + std::string(text) + "\"");
}

}  // namespace

std::optional<int> ScaleNamed(std::string_view text) {
  int scale = 0;
  const char* end = text.data() + text.size();
  const auto [stop, failure] = std::from_chars(text.data(), end, scale);
  if (failure != std::errc() || stop != end || scale < 1 || scale > MaxScale) return std::nullopt;
  return scale;
}

int ScaleForDpi(double dpi) {
  if (!(dpi > 0)) return 1;  // also a density that was not a number
  return static_cast<int>(std::clamp(std::lround(dpi / ClassicDpi), 1L, long{MaxScale}));
}

int ScaleThatFits(int wanted, Size screen) {
  const int fits =
      std::min(screen.width / SmallestDesktop.width, screen.height / SmallestDesktop.height);
  return std::max(1, std::min(wanted, fits));
}

int Unscaled(int screenCoordinate, int scale) {
  if (scale <= 1) return screenCoordinate;
  const int quotient = screenCoordinate / scale;
  return screenCoordinate % scale < 0 ? quotient - 1 : quotient;
}

int ContentLength(int screenLength, int scale) {
  if (scale <= 1) return screenLength;
  return screenLength / scale + (screenLength % scale > 0 ? 1 : 0);
}

pz417::Result<int> TakeScaleOption(std::vector<std::string>& arguments) {
  for (auto at = arguments.begin(); at != arguments.end(); ++at) {
    const std::string_view argument = *at;
    if (!argument.starts_with(ScaleOption)) continue;
    const std::string_view rest = argument.substr(ScaleOption.size());
    if (!rest.empty() && rest.front() != '=') continue;  // another option that starts alike
    const bool joined = !rest.empty();
    if (!joined && at + 1 == arguments.end()) {
      return pz417::Failure(std::string(ScaleOption) + " needs a number");
    }
    pz417::Result<int> scale = ParseScale(joined ? rest.substr(1) : std::string_view(*(at + 1)));
    arguments.erase(at, joined ? at + 1 : at + 2);
    return scale;
  }
  return 0;
}

}  // namespace win
