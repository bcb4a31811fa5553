#pragma once
// A kit opened on the headless host for every test, and closed after it: each test's kit starts
// afresh.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless/headless_host.h"
#include "kit_state.h"
#include "pz417/kit.h"
#include "pz417/kit_tools.h"
#include "scripted_input.h"
#include "win/host.h"
#include "win/keyboard.h"

struct Event {
  int kind = 0;
  int x = 0;
  int y = 0;
  int key = 0;
  friend bool operator==(const Event&, const Event&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Event& e) {
    return out << "{kind " << e.kind << ", " << e.x << ", " << e.y << ", key " << e.key << "}";
  }
};

class KitSession : public ::testing::Test {
 protected:
  void SetUp() override {
    win::SetHost(&host);
    input.SetWhenDry([this] {
      ADD_FAILURE() << "the kit waited for input that the test did not give"
                    << (input.Failure() ? "" : ": a step failed: " + input.Failure().error());
    });
    KitSetPrintHook([this](std::string_view message) { printed.emplace_back(message); });
    KitOpen(nullptr, nullptr, "", 1);
  }
  void TearDown() override {
    KitClose();
    win::SetHost(nullptr);
  }

  Event Wait() {
    int x = -1, y = -1;
    char key = -1;
    const int kind = KitWaitEvent(&x, &y, &key);
    return {kind, x, y, static_cast<signed char>(key)};
  }

  win::WindowId Graphics() const { return KitGraphicsWindow(); }
  win::WindowId Console() const { return KitConsoleWindow(); }
  // A press at kit coordinates.
  void Click(int x, int y) { input.Press(Graphics(), KitOriginX() + x, KitOriginY() - y); }
  // Held through `repeats` auto-repeated key-downs of the letter.
  void CtrlLetter(char letter, int repeats = 0) {
    const int character = win::TypedCharacter(letter, false, true);
    input.KeyDown(win::vk::Control);
    input.KeyDown(letter, character);
    for (int i = 0; i < repeats; ++i) input.KeyDown(letter, character, true);
    input.KeyUp(letter);
    input.KeyUp(win::vk::Control);
  }
  // The window gets the keyboard focus, as a click on its frame gives it.
  void Focus(win::WindowId window, bool ctrlHeld = false) {
    input.Call([=] { win::InputFocus(window, ctrlHeld); });
  }

  headless::HeadlessHost host;
  replay::ScriptedInput input{host};
  std::vector<std::string> printed;
};
