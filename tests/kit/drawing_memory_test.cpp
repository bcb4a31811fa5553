// Drawing costs what the canvas can show, not what the arguments describe. Each call runs cold
// on a fresh thread (the rasterizer keeps its scratch per thread, so nothing is left from earlier
// calls) and must allocate little, however wide its pen and however large its figure; once
// warm, drawing allocates nothing. The process's own allocation count is the measure: this test
// binary replaces operator new.

#include <atomic>
#include <climits>
#include <cstdlib>
#include <functional>
#include <new>
#include <thread>

#include "kit_session.h"

namespace {

std::atomic<std::size_t> allocatedBytes{0};

}  // namespace

// Out of line, so the compiler does not pair an inlined free with the new that it sees.
[[gnu::noinline]] void* operator new(std::size_t size) {
  allocatedBytes += size;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
  std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

constexpr std::size_t AllowedBytes = 2 << 20;

struct DrawingCall {
  const char* name;
  std::function<void()> draw;
};

void PrintTo(const DrawingCall& call, std::ostream* out) {
  *out << call.name;
}

class DrawingMemory : public KitSession, public testing::WithParamInterface<DrawingCall> {};

TEST_P(DrawingMemory, AFreshCallAllocatesUnderTwoMegabytes) {
  KitSetLogging(0);
  std::size_t used = 0;
  std::thread([&used] {
    const std::size_t before = allocatedBytes;
    GetParam().draw();
    used = allocatedBytes - before;
  }).join();
  EXPECT_LT(used, AllowedBytes) << used << " bytes allocated";
}

const DrawingCall kCalls[] = {
    // The wide-pen ovals once measured at 458, 250 and 50 MB.
    {"FlatOvalPen16384", [] { KitOval(9, -32768, 1, 32767, -1, 16384); }},
    {"FlatOvalPen8192", [] { KitOval(9, 0, 1, 65535, -1, 8192); }},
    {"NegativeWidthOval", [] { KitOval(5, 2, 65536, -507, 1, -1125708714); }},
    {"LargestCurvedOvalPen16384", [] { KitOval(0, -32768, 32767, 32767, -32768, 16384); }},
    {"OvalEdgeAcrossTheCanvas", [] { KitOval(0, -32768, -200, 32767, -65000, 16384); }},
    {"LargestExactCircle", [] { KitCircle(3, 0, 524000, 524287); }},
    {"HugeLine", [] { KitLine(0, INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MAX); }},
    {"HugeTriangle", [] { KitTriangle(0, INT_MIN, 0, INT_MAX, 5, 0, INT_MAX, INT_MAX); }},
    {"HugeRectangle", [] { KitRectangle(0, INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MAX); }},
};

// Once a kind of figure has been drawn, drawing it again allocates nothing: pens, stamps,
// glyphs and scratch are kept.
TEST_F(KitSession, ASecondRoundOfEveryFigureAllocatesNothing) {
  KitSetLogging(0);
  const auto round = [] {
    KitClear();
    KitRectangle(1, -300, -250, 300, 250, 0);
    KitRectangle(22, -280, -210, -260, -190, 3);
    KitRectangle(0, -280, -210, -260, -190, 1);
    KitCircle(11, 0, 25, 57);
    KitOval(4, -100, 80, 60, -20, 5);
    KitTriangle(14, 0, -175, -60, 25, 60, 25, 0);
    KitTriangle(3, -40, -40, 40, -30, 0, 60, 4);
    KitLine(0, -60, 25, 60, -15, 1);
    KitLine(2, -60, 25, 60, -15, 6);
    KitTextf(0, -285, 127, 12, "Change Topping %d", 3);
  };
  round();
  const std::size_t before = allocatedBytes;
  round();
  EXPECT_EQ(allocatedBytes - before, 0u);
}

INSTANTIATE_TEST_SUITE_P(Calls, DrawingMemory, testing::ValuesIn(kCalls),
                         [](const testing::TestParamInfo<DrawingCall>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
