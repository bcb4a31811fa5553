// Turning a press into a change of the program state. Some hit boxes differ from the boxes the
// scene draws (the good-stuff boxes above all); they are kept as the program has always had them,
// so that recorded sessions play back to the same cone.

#include <cmath>
#include <cstdlib>

#include "preview.h"

namespace {

constexpr int PaletteLeft = -280, PaletteRight = -200, PaletteBottom = -210, PaletteTop = -90;
constexpr int SwatchSize = 20;
constexpr int SwatchesPerColumn = 6;

bool Between(int low, int value, int high) {
  return low < value && value < high;
}

// Computed wide: a played script may press at the very ends of the int range.
bool WithinFive(int a, int b) {
  return std::llabs(static_cast<long long>(a) - b) <= 5;
}

// A true distance rather than a sum of squares, so that the rim test reads as it is meant.
bool InsideScoop(int x, int y, int centreY) {
  const double dx = x;
  const double dy = static_cast<double>(y) - centreY;
  return std::sqrt(dx * dx + dy * dy) < static_cast<double>(ScoopRadius);
}

// The column's first colour, or -1 on a boundary between two columns.
int PaletteColumnBase(int x) {
  for (int column = 0; column < 4; ++column) {
    const int left = PaletteLeft + SwatchSize * column;
    if (Between(left, x, left + SwatchSize)) return SwatchesPerColumn * column;
  }
  return -1;
}

// The bottom row and every row boundary count as the column's first colour.
int PaletteRowOffset(int y) {
  for (int row = 1; row < SwatchesPerColumn; ++row) {
    const int bottom = PaletteBottom + SwatchSize * row;
    if (Between(bottom, y, bottom + SwatchSize)) return row;
  }
  return 0;
}

}  // namespace

int IsOnPanel(int x, int y) {
  return Between(-295, x, -185) && Between(70, y, 245) ? 1 : 0;
}

void PressButton(int y, int& scoopCount, ToppingArray& toppingKind, int selectedTopping, int& mode,
                 int& lastButton) {
  const int index = (245 - y) / 25;
  switch (index) {
    case AddScoop:
      if (scoopCount < 3) ++scoopCount;
      break;
    case RemoveScoop:
      if (scoopCount > 1) --scoopCount;
      break;
    case AddTopping:
      mode = Placing;
      break;
    case ChangeColor:
      mode = Coloring;
      break;
    case ChangeTopping:
      toppingKind[selectedTopping] = (toppingKind[selectedTopping] + 1) % 4;
      break;
    case SelectTopping:
      mode = Selecting;
      break;
    case AddGoodStuff:
      mode = Decorating;
      break;
    default:
      ShowBadButtonNotice();
      return;
  }
  lastButton = index;
}

int IsOnScoops(int x, int y, int scoopCount) {
  if (InsideScoop(x, y, 25) && y > 25) return 1;
  if (scoopCount >= 2 && InsideScoop(x, y, 82)) return 1;
  if (scoopCount == 3 && InsideScoop(x, y, 139)) return 1;
  return 0;
}

void PlaceOrMoveTopping(int x, int y, int scoopCount, int& toppingCount, ToppingArray& toppingX,
                        ToppingArray& toppingY, ToppingArray& toppingKind,
                        ToppingArray& toppingColor, int& mode, int& selectedTopping) {
  if (mode == Placing && toppingCount < MaxToppings) {
    if (IsOnScoops(x, y, scoopCount) == 0) return;
    const int slot = toppingCount;
    toppingX[slot] = x;
    toppingY[slot] = y;
    toppingKind[slot] = Candy;
    toppingColor[slot] = 2;  // red
    selectedTopping = slot;
    toppingCount = slot + 1;
    mode = Moving;
  } else if (mode == Moving && IsOnScoops(x, y, scoopCount) == 1) {
    toppingX[selectedTopping] = x;
    toppingY[selectedTopping] = y;
  }
}

void SelectToppingAt(int x, int y, int& mode, int toppingCount, int& selectedTopping,
                     const ToppingArray& toppingX, const ToppingArray& toppingY) {
  // No early exit: where toppings overlap, the one placed last is the one on top.
  for (int slot = 0; slot < toppingCount; ++slot) {
    if (WithinFive(toppingX[slot], x) && WithinFive(toppingY[slot], y)) {
      mode = Moving;
      selectedTopping = slot;
    }
  }
}

void PickColorAt(int x, int y, ToppingArray& toppingColor, int selectedTopping) {
  // A press that hits no swatch leaves the topping's colour as it is.
  if (!Between(PaletteLeft, x, PaletteRight) || !Between(PaletteBottom, y, PaletteTop)) return;
  const int base = PaletteColumnBase(x);
  if (base < 0) return;
  toppingColor[selectedTopping] = base + PaletteRowOffset(y);
}

void PickGoodStuffAt(int x, int y, int& hasWhippedCream, int& hasCherry, int& mode,
                     int& lastButton) {
  if (Between(-190, x, -145) && Between(82, y, 97)) {
    hasCherry = 1;
  } else if (Between(-485, x, -145) && Between(70, y, 82)) {
    hasWhippedCream = 1;
  } else {
    return;
  }
  mode = Placing;
  lastButton = AddTopping;
}

void ShowBadButtonNotice() {
  KitTextf(KitColor::Red, 0, 0, 16, "BAAAADDD NEWS!");
}
