// The headless host: windows in memory, input one step per wait, on a virtual clock.

#include "headless/headless_host.h"

#include <utility>

namespace headless {

HeadlessHost::HeadlessHost(win::Size screen) : screen_(screen) {}

void HeadlessHost::PumpInput() {
  if (++busyPasses_ < busyPassesPerStep_) return;
  busyPasses_ = 0;
  NextStep();
}

void HeadlessHost::WaitForInput(std::optional<std::int64_t> /*deadlineMs*/) {
  busyPasses_ = 0;
  NextStep();
}

pz417::Status HeadlessHost::WindowCreated(win::WindowId window) {
  if (firstWindow_ == 0) firstWindow_ = window;
  return {};
}

void HeadlessHost::NextStep() {
  if (nextStep_) nextStep_();
}

}  // namespace headless
