#pragma once
// The kit is opened once for a whole benchmark run, on the headless host, with logging off as in
// the program.

#include "headless/headless_host.h"
#include "pz417/kit.h"
#include "win/host.h"

inline void OpenKitOnce() {
  static headless::HeadlessHost host;
  static const bool opened = [] {
    win::SetHost(&host);
    KitOpen(nullptr, nullptr, "", 1);
    KitSetLogging(0);
    KitClear();
    return true;
  }();
  (void)opened;
}
