// The portable 128-bit integers (built with PZ417_PORTABLE_INT128, so int128.h gives the class
// even here) checked against the compiler's own type: every operation the rasterizer uses, on
// values that include both ends of the range and the 64-bit word boundaries.

#include "int128.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#ifndef PZ417_PORTABLE_INT128
#error "this test checks the portable class: build it with PZ417_PORTABLE_INT128"
#endif

namespace {

using raster::detail::Int128;
using raster::detail::UInt128;
using Native = __int128;
using UNative = unsigned __int128;

struct Words {
  std::uint64_t hi = 0;
  std::uint64_t lo = 0;
  friend bool operator==(const Words&, const Words&) = default;
};

constexpr std::uint64_t AllOnes = ~std::uint64_t{0};
constexpr std::uint64_t TopBit = std::uint64_t{1} << 63;

// 0, 1, -1, -7, 3, INT64_MAX, INT64_MIN, UINT64_MAX, 2^64, -2^64, the largest and smallest
// 128-bit values, two that fill both words, and four just above 2^64 that a long double and a
// double must round as ties (to even: two down, two up).
constexpr Words Values[] = {
    {0, 0},
    {0, 1},
    {AllOnes, AllOnes},
    {AllOnes, AllOnes - 6},
    {0, 3},
    {0, TopBit - 1},
    {AllOnes, TopBit},
    {0, AllOnes},
    {1, 0},
    {AllOnes, 0},
    {TopBit - 1, AllOnes},
    {TopBit, 0},
    {0x0123456789ABCDEF, 0xFEDCBA9876543210},
    {0xFFFFFFFFFFFFFFF0, 0x00000000DEADBEEF},
    {1, 1},
    {1, 3},
    {1, 0x800},
    {1, 0x1800},
};

constexpr int Shifts[] = {0, 1, 31, 32, 63, 64, 65, 100, 127};

Native NativeOf(Words w) {
  return static_cast<Native>((static_cast<UNative>(w.hi) << 64) | w.lo);
}
Words WordsOf(Native v) {
  const auto u = static_cast<UNative>(v);
  return {static_cast<std::uint64_t>(u >> 64), static_cast<std::uint64_t>(u)};
}
Words WordsOf(Int128 v) {
  return {v.hi(), v.lo()};
}
Words WordsOf(UInt128 v) {
  return WordsOf(v.bits());
}

std::string Show(Words w) {
  char text[48];
  std::snprintf(text, sizeof text, "%016llx:%016llx", static_cast<unsigned long long>(w.hi),
                static_cast<unsigned long long>(w.lo));
  return text;
}

bool DivisionDefined(Words a, Words b) {
  const bool minusOne = b == Words{AllOnes, AllOnes};
  return b != Words{} && !(a == Words{TopBit, 0} && minusOne);
}

// The class against the compiler's type N for every pair of values. The compiler's signed type
// wraps as the class does only when computed unsigned, so sums, differences and products are.
template <class T, class N>
void ExpectArithmeticAsBuiltIn(bool (*divisionDefined)(Words, Words)) {
  for (const Words a : Values) {
    for (const Words b : Values) {
      SCOPED_TRACE(Show(a) + " and " + Show(b));
      const T x(Int128::FromWords(a.hi, a.lo)), y(Int128::FromWords(b.hi, b.lo));
      const auto nx = static_cast<N>(NativeOf(a)), ny = static_cast<N>(NativeOf(b));
      EXPECT_EQ(WordsOf(x + y), WordsOf(static_cast<Native>(UNative(nx) + UNative(ny))));
      EXPECT_EQ(WordsOf(x - y), WordsOf(static_cast<Native>(UNative(nx) - UNative(ny))));
      EXPECT_EQ(WordsOf(x * y), WordsOf(static_cast<Native>(UNative(nx) * UNative(ny))));
      if (divisionDefined(a, b)) {
        EXPECT_EQ(WordsOf(x / y), WordsOf(static_cast<Native>(nx / ny)));
        EXPECT_EQ(WordsOf(x % y), WordsOf(static_cast<Native>(nx % ny)));
      }
      EXPECT_EQ(x < y, nx < ny);
      EXPECT_EQ(x <= y, nx <= ny);
      EXPECT_EQ(x > y, nx > ny);
      EXPECT_EQ(x >= y, nx >= ny);
      EXPECT_EQ(x == y, nx == ny);
    }
  }
}

TEST(PortableInt128, SignedArithmeticAndComparisons) {
  ExpectArithmeticAsBuiltIn<Int128, Native>(DivisionDefined);
}

TEST(PortableInt128, UnsignedArithmeticAndComparisons) {
  ExpectArithmeticAsBuiltIn<UInt128, UNative>([](Words, Words b) { return b != Words{}; });
}

TEST(PortableInt128, ShiftsNegationAndComplement) {
  for (const Words a : Values) {
    const Int128 x = Int128::FromWords(a.hi, a.lo);
    const Native nx = NativeOf(a);
    const UInt128 ux(x);
    const auto unx = static_cast<UNative>(nx);
    SCOPED_TRACE(Show(a));
    EXPECT_EQ(WordsOf(-x), WordsOf(static_cast<Native>(UNative{0} - unx)));
    EXPECT_EQ(WordsOf(~x), WordsOf(~nx));
    for (const int n : Shifts) {
      SCOPED_TRACE("shift " + std::to_string(n));
      EXPECT_EQ(WordsOf(x << n), WordsOf(static_cast<Native>(unx << n)));
      EXPECT_EQ(WordsOf(x >> n), WordsOf(nx >> n));  // arithmetic
      EXPECT_EQ(WordsOf(ux << n), WordsOf(static_cast<Native>(unx << n)));
      EXPECT_EQ(WordsOf(ux >> n), WordsOf(static_cast<Native>(unx >> n)));  // logical
    }
  }
}

TEST(PortableInt128, ConversionsToAndFromBuiltInTypes) {
  for (const Words a : Values) {
    SCOPED_TRACE(Show(a));
    const Int128 x = Int128::FromWords(a.hi, a.lo);
    const Native nx = NativeOf(a);
    EXPECT_EQ(static_cast<std::int64_t>(x), static_cast<std::int64_t>(nx));
    EXPECT_EQ(static_cast<std::uint64_t>(x), static_cast<std::uint64_t>(nx));
    EXPECT_EQ(static_cast<int>(x), static_cast<int>(nx));
    EXPECT_EQ(static_cast<double>(x), static_cast<double>(nx));
    EXPECT_EQ(static_cast<long double>(x), static_cast<long double>(nx));
    EXPECT_EQ(static_cast<std::uint64_t>(UInt128(x)), static_cast<std::uint64_t>(nx));
    EXPECT_EQ(static_cast<bool>(x), static_cast<bool>(nx));
    // Built-in integers widen with their sign.
    const auto low = static_cast<std::int64_t>(a.lo);
    EXPECT_EQ(WordsOf(Int128(low)), WordsOf(Native{low}));
    EXPECT_EQ(WordsOf(Int128(a.lo)), WordsOf(Native{a.lo}));
    EXPECT_EQ(WordsOf(Int128(static_cast<int>(low))), WordsOf(Native{static_cast<int>(low)}));
  }
  // Doubles are truncated towards zero, as the built-in conversion does.
  for (const double d : {0.0, 0.75, -0.75, 123.5, -123.5, 9007199254740993.0, 1.8446744073709552e19,
                         -1.8446744073709552e19, 1e30, -1e30, 1.7e38, -1.7e38}) {
    SCOPED_TRACE(d);
    EXPECT_EQ(WordsOf(Int128(d)), WordsOf(static_cast<Native>(d)));
  }
  for (const long double d : {9223372036854775807.5L, -9223372036854775807.5L,
                              18446744073709551615.0L, 1.2345678901234567891e30L}) {
    SCOPED_TRACE(static_cast<double>(d));
    EXPECT_EQ(WordsOf(Int128(d)), WordsOf(static_cast<Native>(d)));
  }
}

TEST(PortableInt128, StepsAndCompoundAssignments) {
  for (const Words a : Values) {
    const Native nx = NativeOf(a);
    if (nx == NativeOf({TopBit - 1, AllOnes}) || nx == NativeOf({TopBit, 0})) continue;
    SCOPED_TRACE(Show(a));
    Int128 up = Int128::FromWords(a.hi, a.lo), down = up;
    EXPECT_EQ(WordsOf(++up), WordsOf(nx + 1));
    EXPECT_EQ(WordsOf(--down), WordsOf(nx - 1));
    Int128 x = Int128::FromWords(a.hi, a.lo);
    x += 5;
    x -= 2;
    x *= 3;
    x /= 7;
    EXPECT_EQ(WordsOf(x), WordsOf(static_cast<Native>((UNative(nx) + 3) * 3) / 7));
  }
}

}  // namespace
