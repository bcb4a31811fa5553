// A program with colours of its own named as the kit's: both sets compile side by side, and the
// kit's names go wherever an int colour does.
#include <pz417/kit.h>

enum ProgramColour { Red = 100, White = 101 };
static_assert(KitColor::Red == 2 && Red == 100, "the program's Red is its own");

int ProbeDrawsWithBothNames() {
  const int palette[] = {KitColor::White, KitColor::Gray20};
  int colour = KitColor::Red;
  colour += palette[0] + palette[1] + White;
  return KitCircle(KitColor::Blue, 0, 0, 10) + colour;
}
