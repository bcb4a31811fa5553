// Text in three sizes, a text of two lines and a formatted one; a red
// cross marks each anchor, drawn with logging off.
#include <pz417/kit.h>

void Anchor(int x, int y) {
  KitLine(KitColor::Red, x - 4, y, x + 5, y, 1);
  KitLine(KitColor::Red, x, y - 4, x, y + 5, 1);
}

int WinMain(KitInstance instance, KitInstance previous,
            const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitClear();
  const int sizes[] = {12, 24, 48};
  for (int i = 0; i < 3; ++i) {
    KitText(KitColor::Black, -250, 150 - 70 * i, sizes[i], "Ice cream");
  }
  KitText(KitColor::Blue, 50, 100, 20, "first line\nsecond line");
  KitTextf(KitColor::Black, 50, -100, 16, "%d of %d", 3, 10);
  KitSetLogging(0);
  for (int i = 0; i < 3; ++i) Anchor(-250, 150 - 70 * i);
  Anchor(50, 100);
  Anchor(50, -100);
  int x, y;
  char key;
  while (KitWaitEvent(&x, &y, &key) != Quit) {
  }
  KitClose();
  return 0;
}
