// A first program on the kit: a disc where each click lands, the key
// typed shown in the corner, until the graphics window is closed.
#include <pz417/kit.h>

int WinMain(KitInstance instance, KitInstance previous,
            const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitSetLogging(0);  // on when the kit opens
  KitClear();
  KitText(KitColor::Blue, -280, 220, 16, "Click, or type a key");
  int x, y;
  char key;
  for (;;) {
    const int event = KitWaitEvent(&x, &y, &key);
    if (event == Quit) break;
    if (event == Mouse) {
      KitCircle(KitColor::Red, x, y, 8);
      KitPrint("a press at (%d, %d)\n", x, y);
    } else if (event == Key) {
      KitRectangle(KitColor::White, 200, 240, 290, 200, 0);
      KitTextf(KitColor::Black, 200, 200, 30, "%c", key);
    }
  }
  KitClose();
  return 0;
}
