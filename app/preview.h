#pragma once
// The ice-cream preview program: its state, its screens and its click handlers.
// Everything here is written against the kit's public calls alone.

#include "pz417/kit.h"

// What a press off the button column does.
enum EditMode { Placing = 1, Selecting = 2, Moving = 3, Coloring = 4, Decorating = 5 };

// The button column, top to bottom.
enum PanelButton {
  AddScoop = 0,
  RemoveScoop = 1,
  AddTopping = 2,
  ChangeColor = 3,
  ChangeTopping = 4,
  SelectTopping = 5,
  AddGoodStuff = 6,
};

enum ToppingKind { Wedge = 0, Candy = 1, Sprinkle = 2, Burst = 3 };

constexpr int MaxToppings = 10;
constexpr int ScoopRadius = 57;

// One field of each topping, slot by slot; the four arrays are parallel.
using ToppingArray = int[MaxToppings];

// The whole program state. Every field is a plain int so that the handlers can be handed
// exactly the fields they touch. Topping slots past toppingCount hold no topping.
struct PreviewState {
  int scoopCount = 1;
  int toppingCount = 0;
  int selectedTopping = 0;
  int mode = Placing;
  int lastButton = AddScoop;
  ToppingArray toppingX = {};
  ToppingArray toppingY = {};
  ToppingArray toppingKind = {};
  ToppingArray toppingColor = {};
  int hasWhippedCream = 0;
  int hasCherry = 0;
  int titleX = 70;
  int titleY = 200;
  int titleStep = -1;
  int quit = 0;
};

// ---- the program's loops (main_loop.cpp; its WinMain is declared in kit.h) -----------------
void BounceTitle(int& titleX, int& titleStep);
// The editing screen, every layer in its order, from the state; what follows every event.
void RedrawScene(const PreviewState& state);

// ---- the screens (scene.cpp); each draws from its arguments alone --------------------------
void DrawIntroScreen();
void DrawBackdrop();
void DrawControlPanel(int lastButton, int titleX, int titleY);
void DrawStatusLine(int mode);
void DrawScoops(int scoopCount);
void DrawCone();
void DrawToppings(const ToppingArray& toppingX, const ToppingArray& toppingY,
                  const ToppingArray& toppingKind, const ToppingArray& toppingColor,
                  int toppingCount, int hasWhippedCream, int hasCherry, int scoopCount);
void DrawWedge(int x, int y, int color);
void DrawCandy(int x, int y, int color);
void DrawSprinkle(int x, int y, int color);
void DrawBurst(int x, int y, int color);

// ---- clicks (clicks.cpp): hit tests return 1 or 0, handlers change only what they are given --
int IsOnPanel(int x, int y);
void PressButton(int y, int& scoopCount, ToppingArray& toppingKind, int selectedTopping, int& mode,
                 int& lastButton);
int IsOnScoops(int x, int y, int scoopCount);
void PlaceOrMoveTopping(int x, int y, int scoopCount, int& toppingCount, ToppingArray& toppingX,
                        ToppingArray& toppingY, ToppingArray& toppingKind,
                        ToppingArray& toppingColor, int& mode, int& selectedTopping);
void SelectToppingAt(int x, int y, int& mode, int toppingCount, int& selectedTopping,
                     const ToppingArray& toppingX, const ToppingArray& toppingY);
void PickColorAt(int x, int y, ToppingArray& toppingColor, int selectedTopping);
void PickGoodStuffAt(int x, int y, int& hasWhippedCream, int& hasCherry, int& mode,
                     int& lastButton);
void ShowBadButtonNotice();
