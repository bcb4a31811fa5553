#pragma once
// The program's heaviest editing screen: three scoops, ten toppings of every kind, whipped
// cream, the cherry, and the palette open.

#include "preview.h"

inline PreviewState BusyState() {
  PreviewState s;
  s.scoopCount = 3;
  s.toppingCount = MaxToppings;
  for (int i = 0; i < MaxToppings; ++i) {
    s.toppingX[i] = -40 + 9 * i;
    s.toppingY[i] = 40 + 12 * i;
    s.toppingKind[i] = i % 4;
    s.toppingColor[i] = (3 * i) % 24;
  }
  s.hasWhippedCream = 1;
  s.hasCherry = 1;
  s.lastButton = ChangeColor;
  s.mode = Coloring;
  return s;
}
