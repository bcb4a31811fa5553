// Step 2 of the tutorial: a scoop where each click lands, pink on the left half and brown on the
// right, with its kit coordinates beside it; a click on "Clear" starts again.
#include <pz417/kit.h>

void DrawClearButton() {
  KitRectangle(KitColor::Gray20, -290, 240, -230, 215, 0);
  KitRectangle(KitColor::Black, -290, 240, -230, 215, 1);
  KitText(KitColor::Black, -280, 219, 14, "Clear");
}

bool OnClearButton(int x, int y) {
  return x >= -290 && x <= -230 && y <= 240 && y >= 215;
}

void DrawScoop(int x, int y) {
  KitCircle(x < 0 ? KitColor::Pink : KitColor::Brown, x, y, 20);
  KitTextf(KitColor::Black, x + 24, y + 6, 12, "(%d, %d)", x, y);
}

int WinMain(KitInstance instance, KitInstance previous, const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitShowConsole(0);
  KitSetLogging(0);
  KitClear();
  DrawClearButton();

  int x, y;
  char key;
  int event;
  while ((event = KitWaitEvent(&x, &y, &key)) != Quit) {
    if (event != Mouse) continue;
    if (OnClearButton(x, y)) {
      KitClear();
      DrawClearButton();
    } else {
      DrawScoop(x, y);
    }
  }
  KitClose();
  return 0;
}
