// The program's entry: start the kit, show the intro until a press, then edit the cone one
// event at a time, redrawing the whole scene after every event.

#include "preview.h"

namespace {

struct Event {
  int kind = 0;
  int x = 0;
  int y = 0;
};

Event WaitEvent() {
  Event event;
  char key = 0;  // keys change nothing in this program
  event.kind = KitWaitEvent(&event.x, &event.y, &key);
  return event;
}

// Returns true when the intro ended with a press, false when the user quit. The press that ends
// the intro is not an editing press.
bool RunIntro() {
  for (;;) {
    const int kind = WaitEvent().kind;
    if (kind == Mouse) return true;
    if (kind == Quit) return false;
  }
}

void HandlePress(PreviewState& s, int x, int y) {
  if (IsOnPanel(x, y) == 1) {
    PressButton(y, s.scoopCount, s.toppingKind, s.selectedTopping, s.mode, s.lastButton);
    return;
  }
  switch (s.mode) {
    case Placing:
    case Moving:
      PlaceOrMoveTopping(x, y, s.scoopCount, s.toppingCount, s.toppingX, s.toppingY, s.toppingKind,
                         s.toppingColor, s.mode, s.selectedTopping);
      break;
    case Selecting:
      SelectToppingAt(x, y, s.mode, s.toppingCount, s.selectedTopping, s.toppingX, s.toppingY);
      break;
    case Coloring:
      PickColorAt(x, y, s.toppingColor, s.selectedTopping);
      break;
    case Decorating:
      PickGoodStuffAt(x, y, s.hasWhippedCream, s.hasCherry, s.mode, s.lastButton);
      break;
    default:
      break;
  }
}

void HandleEvent(PreviewState& s, const Event& event) {
  switch (event.kind) {
    case Mouse:
      HandlePress(s, event.x, event.y);
      break;
    case Periodic:
      BounceTitle(s.titleX, s.titleStep);
      break;
    case Quit:
      s.quit = 1;
      break;
    default:
      break;
  }
}

}  // namespace

void RedrawScene(const PreviewState& s) {
  DrawBackdrop();
  DrawControlPanel(s.lastButton, s.titleX, s.titleY);
  DrawStatusLine(s.mode);
  DrawScoops(s.scoopCount);
  DrawCone();
  DrawToppings(s.toppingX, s.toppingY, s.toppingKind, s.toppingColor, s.toppingCount,
               s.hasWhippedCream, s.hasCherry, s.scoopCount);
}

void BounceTitle(int& titleX, int& titleStep) {
  if (titleX < -120) titleStep = 2;
  if (titleX > 70) titleStep = -2;
  if (titleX > -200 && titleX < 300) titleX += titleStep;
}

int WinMain(KitInstance instance, KitInstance previousInstance, const char* commandLine,
            int showState) {
  KitOpen(instance, previousInstance, commandLine, showState);
  KitShowConsole(0);
  KitSetLogging(0);
  KitClear();
  KitSetRunMode(RunMode::Animate);
  DrawIntroScreen();

  PreviewState state;
  if (RunIntro()) {
    state.hasWhippedCream = 0;
    state.hasCherry = 0;
    // Every event, keys and the quit included, is followed by a full redraw.
    while (state.quit == 0) {
      HandleEvent(state, WaitEvent());
      RedrawScene(state);
    }
  }
  KitClose();
  return 0;
}
