// Step 3 of the tutorial: a scoop that bounces around the window, one step at each Periodic
// event. h halts it, a animates it again, f moves it one step; the Run menu does the same.
#include <pz417/kit.h>

struct Ball {
  int x = -200, y = 100;
  int dx = 17, dy = -11;
};

// One step, turning back before the edges of the 595 x 496 view.
void Move(Ball& ball) {
  ball.x += ball.dx;
  ball.y += ball.dy;
  if (ball.x < -270 || ball.x > 270) ball.dx = -ball.dx;
  if (ball.y < -220 || ball.y > 220) ball.dy = -ball.dy;
}

void Draw(const Ball& ball, int steps) {
  KitClear();
  KitRectangle(KitColor::Gray50, -295, 245, 295, -245, 2);
  KitCircle(KitColor::Turquoise, ball.x, ball.y, 25);
  KitTextf(KitColor::Black, -285, 225, 12, "%d steps", steps);
}

int WinMain(KitInstance instance, KitInstance previous, const char* commandLine, int show) {
  KitOpen(instance, previous, commandLine, show);
  KitShowConsole(0);
  KitSetLogging(0);
  KitSetRunMode(RunMode::Animate);

  Ball ball;
  int steps = 0;
  int x, y;
  char key;
  for (;;) {
    Draw(ball, steps);
    const int event = KitWaitEvent(&x, &y, &key);
    if (event == Quit) break;
    if (event == Periodic) {
      Move(ball);
      ++steps;
    }
    if (event == Key && key == 'h') KitSetRunMode(RunMode::Halt);
    if (event == Key && key == 'a') KitSetRunMode(RunMode::Animate);
    if (event == Key && key == 'f') KitSetRunMode(RunMode::OneFrame);
  }
  KitClose();
  return 0;
}
