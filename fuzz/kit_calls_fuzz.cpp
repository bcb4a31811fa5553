// Feeds sequences of kit calls with arbitrary arguments to a kit opened on the headless host:
// every drawing primitive, the console's KitPrint and the calls around them. Run with a time
// limit per input (scripts/fuzz.sh gives one second), so a call that takes long is a finding.
// An input makes at most kMaxCalls calls: a second for eight is about what 10 ms a call in the
// release build comes to under the sanitizers, so one slow call is what a timeout points at.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "headless/headless_host.h"
#include "pz417/kit.h"
#include "win/host.h"

namespace {

constexpr int kMaxCalls = 8;

// The kit stays open for the whole run, as it does for a program.
void OpenKitOnce() {
  static headless::HeadlessHost host;
  static const bool opened = [] {
    win::SetHost(&host);
    KitOpen(nullptr, nullptr, "", 1);
    return true;
  }();
  (void)opened;
}

// Arguments near the canvas half the time, anywhere in the int range otherwise.
int Argument(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? in.ConsumeIntegralInRange(-700, 700) : in.ConsumeIntegral<int>();
}

void OneCall(FuzzedDataProvider& in) {
  const auto a = [&in] { return Argument(in); };
  switch (in.ConsumeIntegralInRange(0, 10)) {
    case 0:
      KitCircle(a(), a(), a(), a());
      break;
    case 1:
      KitTriangle(a(), a(), a(), a(), a(), a(), a(), a());
      break;
    case 2:
      KitRectangle(a(), a(), a(), a(), a(), a());
      break;
    case 3:
      KitOval(a(), a(), a(), a(), a(), a());
      break;
    case 4:
      KitLine(a(), a(), a(), a(), a(), a());
      break;
    case 5: {
      const int color = a(), x = a(), y = a(), size = a();
      KitText(color, x, y, size, in.ConsumeRandomLengthString(1100).c_str());
      break;
    }
    case 6: {
      const int color = a(), x = a(), y = a(), size = a();
      KitTextf(color, x, y, size, "%s %d", in.ConsumeRandomLengthString(1100).c_str(), a());
      break;
    }
    case 7:
      KitPrint("%s", in.ConsumeRandomLengthString(1100).c_str());
      break;
    case 8:
      KitSetLogging(in.ConsumeBool());
      break;
    case 9:
      KitShowConsole(in.ConsumeBool());
      break;
    default:
      KitClear();
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  OpenKitOnce();
  FuzzedDataProvider in(data, size);
  for (int i = 0; i < kMaxCalls && in.remaining_bytes() > 0; ++i) OneCall(in);
  return 0;
}
