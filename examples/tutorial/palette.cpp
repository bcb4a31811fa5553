// Step 6 of the tutorial: the kit's 24 colours; a click on one prints its name and frames it.
// Its test plays palette.drive and compares what it shows with the committed pictures.
#include <pz417/kit.h>

#include <iterator>

struct Swatch {
  int colour;
  const char* name;
};

const Swatch Swatches[] = {
    {KitColor::Black, "Black"},
    {KitColor::White, "White"},
    {KitColor::Red, "Red"},
    {KitColor::Green, "Green"},
    {KitColor::Blue, "Blue"},
    {KitColor::Yellow, "Yellow"},
    {KitColor::Magenta, "Magenta"},
    {KitColor::Cyan, "Cyan"},
    {KitColor::Purple, "Purple"},
    {KitColor::NavyBlue, "NavyBlue"},
    {KitColor::DustyPlum, "DustyPlum"},
    {KitColor::IceBlue, "IceBlue"},
    {KitColor::Turquoise, "Turquoise"},
    {KitColor::Orange, "Orange"},
    {KitColor::Brown, "Brown"},
    {KitColor::Pink, "Pink"},
    {KitColor::Chalk, "Chalk"},
    {KitColor::Gold, "Gold"},
    {KitColor::Peach, "Peach"},
    {KitColor::ForestGreen, "ForestGreen"},
    {KitColor::SeaGreen, "SeaGreen"},
    {KitColor::Olive, "Olive"},
    {KitColor::Gray50, "Gray50"},
    {KitColor::Gray20, "Gray20"},
};
constexpr int SwatchCount = std::size(Swatches);
constexpr int Columns = 6;
constexpr int Side = 80;  // a swatch, with the gap to the next

// Swatch i's upper-left corner: six a row, from the top left.
int Left(int i) {
  return -240 + Side * (i % Columns);
}
int Top(int i) {
  return 200 - Side * (i / Columns);
}

// The swatch under a click, or -1 for none.
int SwatchAt(int x, int y) {
  for (int i = 0; i < SwatchCount; ++i) {
    if (x >= Left(i) && x <= Left(i) + 60 && y <= Top(i) && y >= Top(i) - 60) return i;
  }
  return -1;
}

void Draw(int chosen) {
  KitClear();
  for (int i = 0; i < SwatchCount; ++i) {
    KitRectangle(Swatches[i].colour, Left(i), Top(i), Left(i) + 60, Top(i) - 60, 0);
    KitRectangle(KitColor::Gray50, Left(i), Top(i), Left(i) + 60, Top(i) - 60, 1);
  }
  if (chosen < 0) return;
  KitRectangle(KitColor::Black, Left(chosen) - 6, Top(chosen) + 6, Left(chosen) + 66,
               Top(chosen) - 66, 3);
  KitTextf(KitColor::Black, -240, -140, 20, "KitColor::%s is %d", Swatches[chosen].name,
           Swatches[chosen].colour);
}

int WinMain(KitInstance instance, KitInstance previous, const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitShowConsole(0);
  KitSetLogging(0);

  int chosen = -1;
  int x, y;
  char key;
  int event;
  do {
    Draw(chosen);
    event = KitWaitEvent(&x, &y, &key);
    int clicked = event == Mouse ? SwatchAt(x, y) : -1;
    if (clicked >= 0) {
      chosen = clicked;
      KitPrint("%s (%d)\n", Swatches[chosen].name, Swatches[chosen].colour);
    }
  } while (event != Quit);
  KitClose();
  return 0;
}
