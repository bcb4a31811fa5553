// Times a kit call given on the command line (the first call, after one small call of every
// kind, and the best of four more) and reports the process's memory around it:
//   kit_call oval 9 -32768 1 32767 -1 16384
// Kinds: circle C X Y R | triangle C X1 Y1 X2 Y2 X3 Y3 W | rectangle, oval, line C X1 Y1 X2 Y2 W |
// text C X Y SIZE TEXT. Also prints the peak RSS and the RSS left after the calls.

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "headless/headless_host.h"
#include "pz417/kit.h"
#include "win/host.h"

namespace {

long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long PeakKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Calls the primitive named by args[0] with the integers that follow; false if unknown.
bool Call(const std::vector<std::string>& args) {
  std::vector<int> n;
  for (std::size_t i = 1; i < args.size(); ++i) n.push_back(std::atoi(args[i].c_str()));
  const std::string& kind = args[0];
  n.resize(8, 0);
  if (kind == "circle") return KitCircle(n[0], n[1], n[2], n[3]) != 0;
  if (kind == "triangle") return KitTriangle(n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7]) != 0;
  if (kind == "rectangle") return KitRectangle(n[0], n[1], n[2], n[3], n[4], n[5]) != 0;
  if (kind == "oval") return KitOval(n[0], n[1], n[2], n[3], n[4], n[5]) != 0;
  if (kind == "line") return KitLine(n[0], n[1], n[2], n[3], n[4], n[5]) != 0;
  if (kind == "text" && args.size() >= 6) {
    return KitText(n[0], n[1], n[2], n[3], args[5].c_str()) != 0;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: kit_call KIND ARGS...  (see the file's head)\n");
    return 2;
  }
  static headless::HeadlessHost host;
  win::SetHost(&host);
  KitOpen(nullptr, nullptr, "", 1);
  KitClear();
  // Every kind drawn once, so the measured call pays only for what its own arguments need.
  KitCircle(3, 0, 0, 20);
  KitTriangle(4, 0, 0, 30, 30, -30, 30, 3);
  KitRectangle(5, -20, 20, 20, -20, 2);
  KitOval(6, -25, 15, 25, -15, 4);
  KitLine(7, -40, -40, 40, 40, 5);
  KitText(8, 0, 0, 12, "Warm");
  const std::vector<std::string> args(argv + 1, argv + argc);
  const long before = ResidentKb();
  double first = 0, best = 0;
  for (int i = 0; i < 5; ++i) {
    const auto start = std::chrono::steady_clock::now();
    if (!Call(args)) {
      std::fprintf(stderr, "kit_call: unknown call '%s'\n", argv[1]);
      return 2;
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    first = i == 0 ? took.count() : first;
    best = i == 1 || took.count() < best ? took.count() : best;
  }
  std::printf(
      "first %.3f ms, best of 4 more %.3f ms, RSS before %ld KB, peak %ld KB, after %ld KB\n",
      first, best, before, PeakKb(), ResidentKb());
  KitClose();
  return 0;
}
