#pragma once
// The kit is opened once for a whole benchmark run, with logging off as in the program.

#include "headless/headless_host.h"
#include "pz417/kit.h"
#include "win/host.h"

// `host`: the host to open it on the first time (none: a headless one).
inline void OpenKitOnce(win::Host* host = nullptr) {
  static headless::HeadlessHost headless;
  static const bool opened = [host] {
    win::SetHost(host != nullptr ? host : &headless);
    KitOpen(nullptr, nullptr, "", 1);
    KitSetLogging(0);
    KitClear();
    return true;
  }();
  (void)opened;
}
