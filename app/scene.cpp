// The program's screens. Every layer is drawn in a fixed order from its arguments alone: later
// shapes cover earlier ones, and the pictures depend on that order.

#include "preview.h"

namespace {

constexpr int Filled = 0;
constexpr int ButtonCount = 7;

struct StyledText {
  int colour;
  int size;
  const char* text;
};

// Every text of the scene is its own format: none of them holds a conversion, so passing it
// through a table is as safe as writing it at the call.
void Text(int colour, int x, int y, int size, const char* text) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-security"
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
  KitTextf(colour, x, y, size, text);
#pragma GCC diagnostic pop
}

// Three filled rectangles, each one unit inside the last: a box with a two-step rim.
void RimmedBox(int x1, int y1, int x2, int y2, const int (&colours)[3]) {
  const int stepX = x1 < x2 ? 1 : -1;
  const int stepY = y1 < y2 ? 1 : -1;
  for (int n = 0; n < 3; ++n) {
    KitRectangle(colours[n], x1 + n * stepX, y1 + n * stepY, x2 - n * stepX, y2 - n * stepY,
                 Filled);
  }
}

void DrawButtons(int lastButton) {
  for (int i = 0; i < ButtonCount; ++i) {
    const int top = 245 - 25 * i;
    const int bottom = 220 - 25 * i;
    KitRectangle(KitColor::Black, -295, top, -185, bottom, 1);
    KitRectangle(KitColor::Gray20, -293, top - 2, -187, bottom + 2, Filled);
    KitRectangle(KitColor::Gray50, -294, top - 1, -186, bottom + 1, 1);
    // Drawn in every round; the picture is the same as drawing it once at the end.
    KitRectangle(KitColor::White, -293, 243 - 25 * lastButton, -187, 222 - 25 * lastButton, Filled);
  }
}

void DrawSwatch(int colour, int x1, int y1, int x2, int y2) {
  static constexpr struct {
    int colour;
    int width;
  } Frame[] = {{KitColor::Gray50, 3}, {KitColor::Gray20, 2}, {KitColor::Black, 1}};
  KitRectangle(colour, x1, y1, x2, y2, Filled);
  for (const auto& ring : Frame) KitRectangle(ring.colour, x1, y1, x2, y2, ring.width);
}

// Colours count up each column from the bottom, columns left to right.
void DrawPalette() {
  for (int j = 1; j <= 4; ++j) {
    for (int k = 1; k <= 6; ++k) {
      DrawSwatch(6 * (j - 1) + (k - 1), 20 * j - 300, 20 * k - 210, 20 * j - 280, 20 * k - 230);
    }
  }
}

void DrawGoodStuffPanel() {
  for (int i = 0; i < 2; ++i)
    RimmedBox(-185, 70 + 12 * i, -145, 82 + 12 * i,
              {KitColor::Black, KitColor::Gray50, KitColor::Gray20});
  Text(KitColor::Red, -180, 83, 6, "Cherry");
  Text(KitColor::White, -180, 70, 6, "Whipped");
}

void DrawButtonLabels() {
  static constexpr StyledText Labels[ButtonCount] = {
      {KitColor::ForestGreen, 12, "Add Scoop"}, {KitColor::Red, 12, "Remove Scoop"},
      {KitColor::Black, 12, "Add Topping"},     {KitColor::Black, 12, "Change Color"},
      {KitColor::Black, 12, "Change Topping"},  {KitColor::Black, 12, "Select Topping"},
      {KitColor::Black, 12, "Add Good Stuff"},
  };
  for (int i = 0; i < ButtonCount; ++i) {
    Text(Labels[i].colour, -285, 227 - 25 * i, Labels[i].size, Labels[i].text);
  }
}

void DrawWhippedCream(int top) {
  // The pair at (+-13, top - 5) comes twice; the drawing log shows both.
  static constexpr struct {
    int dx;
    int dy;
  } Puffs[] = {{0, 0},   {15, -10}, {-15, -10}, {-13, -5}, {13, -5},  {-13, -5},
               {13, -5}, {0, -5},   {-18, -7},  {18, -7},  {25, -13}, {-25, -13}};
  for (const auto& puff : Puffs) KitCircle(KitColor::White, puff.dx, top + puff.dy, 15);
}

// A red disc mostly hidden by a black one leaves a thin red stalk beside the cherry.
void DrawCherry(int top) {
  KitCircle(KitColor::Red, 10, top + 19, 15);
  KitCircle(KitColor::Black, 12, top + 19, 15);
  KitCircle(KitColor::Red, 0, top + 5, 13);
}

void DrawTopping(int x, int y, int kind, int colour) {
  switch (kind) {
    case Wedge:
      DrawWedge(x, y, colour);
      break;
    case Candy:
      DrawCandy(x, y, colour);
      break;
    case Sprinkle:
      DrawSprinkle(x, y, colour);
      break;
    case Burst:
      DrawBurst(x, y, colour);
      break;
    default:
      Text(KitColor::White, x - 2, y - 2, 9, "Oops");
      break;
  }
}

}  // namespace

void DrawIntroScreen() {
  static constexpr ToppingArray None = {};
  KitRectangle(KitColor::Black, -300, -250, 300, 250, Filled);
  DrawScoops(1);
  DrawCone();
  DrawToppings(None, None, None, None, 0, 1, 1, 1);
  KitOval(KitColor::Green, -180, 40, 180, 50, Filled);
  KitOval(KitColor::Red, -180, -40, 180, -50, Filled);
  Text(KitColor::Red, -180, 0, 24, "Welcome to the GLoBBo 0' FRoSTy");
  Text(KitColor::Green, -180, -26, 24, "Ice Cream Preview Machine!!!");
  Text(KitColor::Blue, -295, -238, 12, "Double click your mouse to continue.");
}

void DrawBackdrop() {
  KitRectangle(KitColor::White, -300, -250, 300, 250, Filled);
  KitRectangle(KitColor::Black, -180, -250, 300, 250, Filled);
  KitLine(KitColor::Gray20, -181, 250, -181, -250, 1);
  KitLine(KitColor::Gray50, -182, 250, -182, -250, 1);
  KitLine(KitColor::Gray50, -180, 250, -180, -250, 1);
}

void DrawControlPanel(int lastButton, int titleX, int titleY) {
  RimmedBox(-126, 226, 251, 199, {KitColor::Gray50, KitColor::Gray20, KitColor::Black});
  DrawButtons(lastButton);
  if (lastButton == ChangeColor) DrawPalette();
  if (lastButton == AddGoodStuff) DrawGoodStuffPanel();
  DrawButtonLabels();
  Text(KitColor::Red, titleX, titleY, 20, "GLoBBo O' FRoSTy");
}

void DrawStatusLine(int mode) {
  static constexpr StyledText ByMode[] = {
      {KitColor::Blue, 11, "Click on the cone to add a topping"},
      {KitColor::Green, 11, "Please calmly select a topping. While I desperately try to see it."},
      {KitColor::Red, 11, "Topping selected. Click cone to move it, or a button to alter it."},
      {KitColor::Yellow, 11, "Select a color from the pallate at left."},
      {KitColor::White, 11, "Select some good stuff!!!"},
  };
  static constexpr StyledText Unknown = {KitColor::Red, 12,
                                       "Status error -- this status code not implemented"};
  const bool known = mode >= Placing && mode <= Decorating;
  const StyledText& status = known ? ByMode[mode - Placing] : Unknown;
  Text(status.colour, -130, -215, status.size, status.text);
}

void DrawScoops(int scoopCount) {
  // Top down, so that each lower scoop covers the lower part of the one above it.
  if (scoopCount >= 3) KitCircle(KitColor::Green, 0, 139, ScoopRadius);
  if (scoopCount >= 2) KitCircle(KitColor::Magenta, 0, 82, ScoopRadius);
  KitCircle(KitColor::IceBlue, 0, 25, ScoopRadius);
}

void DrawCone() {
  KitTriangle(KitColor::Brown, 0, -175, -60, 25, 60, 25, Filled);
  // The waffle lines run past the cone's sides onto the black stage, where they do not show.
  for (int i = 0; i < 8; ++i) {
    KitLine(KitColor::Black, -60, 25 - 20 * i, 60, -15 - 20 * i, 1);
    KitLine(KitColor::Black, 60, 25 - 20 * i, -60, -15 - 20 * i, 1);
  }
}

void DrawToppings(const ToppingArray& toppingX, const ToppingArray& toppingY,
                  const ToppingArray& toppingKind, const ToppingArray& toppingColor,
                  int toppingCount, int hasWhippedCream, int hasCherry, int scoopCount) {
  for (int i = 0; i < toppingCount && i < MaxToppings; ++i) {
    DrawTopping(toppingX[i], toppingY[i], toppingKind[i], toppingColor[i]);
  }
  const int top = ScoopRadius * scoopCount + 25;
  if (hasWhippedCream == 1) DrawWhippedCream(top);
  if (hasCherry == 1) DrawCherry(top);
}

void DrawWedge(int x, int y, int color) {
  KitTriangle(color, x - 7, y - 7, x + 7, y - 7, x, y + 7, Filled);
}

void DrawCandy(int x, int y, int color) {
  KitCircle(color, x, y, 8);
  Text(KitColor::White, x - 2, y - 2, 9, "m");
}

// (x, y) is the bar's lower-left corner.
void DrawSprinkle(int x, int y, int color) {
  KitRectangle(color, x, y, x + 10, y + 3, Filled);
}

// All three slanted strokes lean the same way, upper left to lower right.
void DrawBurst(int x, int y, int color) {
  KitLine(color, x - 8, y, x + 8, y, 1);
  KitLine(color, x - 5, y + 3, x + 5, y - 3, 1);
  KitLine(color, x - 3, y + 5, x + 3, y - 5, 1);
  KitLine(color, x, y + 8, x, y - 8, 1);
}
