// A bar that grows at each Periodic event. Keys set the run mode: a
// animates, h halts, f advances one frame, q quits at the next event.
#include <pz417/kit.h>

int WinMain(KitInstance instance, KitInstance previous,
            const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitSetLogging(0);
  KitSetRunMode(RunMode::Animate);
  int frames = 0;
  int x, y;
  char key;
  for (;;) {
    KitClear();
    KitRectangle(KitColor::Green, -250, 10, -250 + 20 * frames, -10, 0);
    const int event = KitWaitEvent(&x, &y, &key);
    if (event == Quit) break;
    if (event == Periodic) KitPrint("frame %d\n", ++frames);
    if (event != Key) continue;
    if (key == 'a') KitSetRunMode(RunMode::Animate);
    if (key == 'h') KitSetRunMode(RunMode::Halt);
    if (key == 'f') KitSetRunMode(RunMode::OneFrame);
    if (key == 'q') KitSetRunMode(RunMode::Quit);
  }
  KitPrint("Quit after %d frames\n", frames);
  KitClose();
  return 0;
}
