#pragma once
// 128-bit integers for the rasterizer's exact geometry on 64-bit coordinates. The compiler's own
// type where it has one; elsewhere (32-bit targets) a two's-complement pair of 64-bit words with
// the same results for every operation the rasterizer uses, wrapping alike.

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace raster::detail {

#if defined(__SIZEOF_INT128__) && !defined(PZ417_PORTABLE_INT128)

using Int128 = __int128;
using UInt128 = unsigned __int128;

#else

class UInt128;

class Int128 {
 public:
  constexpr Int128() = default;
  constexpr Int128(long long v)  // NOLINT: converts implicitly, as the built-in type does
      : lo_(static_cast<std::uint64_t>(v)), hi_(v < 0 ? ~std::uint64_t{0} : 0) {}
  constexpr Int128(long v) : Int128(static_cast<long long>(v)) {}                    // NOLINT
  constexpr Int128(int v) : Int128(static_cast<long long>(v)) {}                     // NOLINT
  constexpr Int128(unsigned long long v) : lo_(v), hi_(0) {}                         // NOLINT
  constexpr Int128(unsigned long v) : Int128(static_cast<unsigned long long>(v)) {}  // NOLINT
  constexpr Int128(unsigned v) : Int128(static_cast<unsigned long long>(v)) {}       // NOLINT
  // Truncates towards zero, as the built-in conversion does; a long double keeps all its digits.
  template <class F, std::enable_if_t<std::is_floating_point_v<F>, int> = 0>
  constexpr Int128(F v) : Int128(FromFloating(v)) {}  // NOLINT
  static constexpr Int128 FromWords(std::uint64_t hi, std::uint64_t lo) {
    Int128 r;
    r.hi_ = hi;
    r.lo_ = lo;
    return r;
  }
  constexpr explicit Int128(const UInt128& v);

  constexpr std::uint64_t hi() const { return hi_; }
  constexpr std::uint64_t lo() const { return lo_; }
  constexpr bool negative() const { return (hi_ >> 63) != 0; }

  template <class T>
  explicit operator T() const {
    if constexpr (std::numeric_limits<T>::is_integer) {
      return static_cast<T>(lo_);
    } else {
      const T value = RoundedMagnitude<T>(Magnitude(*this));
      return negative() ? -value : value;
    }
  }
  constexpr explicit operator bool() const { return (lo_ | hi_) != 0; }

  friend constexpr Int128 operator+(Int128 a, Int128 b) {
    const std::uint64_t lo = a.lo_ + b.lo_;
    return FromWords(a.hi_ + b.hi_ + (lo < a.lo_ ? 1 : 0), lo);
  }
  friend constexpr Int128 operator-(Int128 a) { return Int128{} - a; }
  friend constexpr Int128 operator-(Int128 a, Int128 b) {
    return FromWords(a.hi_ - b.hi_ - (a.lo_ < b.lo_ ? 1 : 0), a.lo_ - b.lo_);
  }
  friend constexpr Int128 operator*(Int128 a, Int128 b) {
    const Int128 low = MultiplyWords(a.lo_, b.lo_);
    return FromWords(low.hi_ + a.hi_ * b.lo_ + a.lo_ * b.hi_, low.lo_);
  }
  // Truncates towards zero, as the built-in division does.
  friend constexpr Int128 operator/(Int128 a, Int128 b) {
    const Int128 q = Divide(Magnitude(a), Magnitude(b), nullptr);
    return a.negative() != b.negative() ? -q : q;
  }
  friend constexpr Int128 operator%(Int128 a, Int128 b) {
    Int128 r;
    Divide(Magnitude(a), Magnitude(b), &r);
    return a.negative() ? -r : r;
  }
  friend constexpr Int128 operator&(Int128 a, Int128 b) {
    return FromWords(a.hi_ & b.hi_, a.lo_ & b.lo_);
  }
  friend constexpr Int128 operator|(Int128 a, Int128 b) {
    return FromWords(a.hi_ | b.hi_, a.lo_ | b.lo_);
  }
  friend constexpr Int128 operator~(Int128 a) { return FromWords(~a.hi_, ~a.lo_); }
  friend constexpr Int128 operator<<(Int128 a, int n) {
    if (n == 0) return a;
    if (n >= 64) return FromWords(a.lo_ << (n - 64), 0);
    return FromWords((a.hi_ << n) | (a.lo_ >> (64 - n)), a.lo_ << n);
  }
  // Arithmetic: a negative number stays negative.
  friend constexpr Int128 operator>>(Int128 a, int n) {
    if (n == 0) return a;
    const std::uint64_t fill = a.negative() ? ~std::uint64_t{0} : 0;
    if (n >= 64)
      return FromWords(fill, n == 64 ? a.hi_ : (a.hi_ >> (n - 64)) | (fill << (128 - n)));
    return FromWords((a.hi_ >> n) | (fill << (64 - n)), (a.lo_ >> n) | (a.hi_ << (64 - n)));
  }
  friend constexpr bool operator==(Int128 a, Int128 b) { return a.hi_ == b.hi_ && a.lo_ == b.lo_; }
  friend constexpr bool operator<(Int128 a, Int128 b) {
    const auto ah = static_cast<std::int64_t>(a.hi_), bh = static_cast<std::int64_t>(b.hi_);
    return ah != bh ? ah < bh : a.lo_ < b.lo_;
  }
  friend constexpr bool operator>(Int128 a, Int128 b) { return b < a; }
  friend constexpr bool operator<=(Int128 a, Int128 b) { return !(b < a); }
  friend constexpr bool operator>=(Int128 a, Int128 b) { return !(a < b); }

  constexpr Int128& operator+=(Int128 b) { return *this = *this + b; }
  constexpr Int128& operator-=(Int128 b) { return *this = *this - b; }
  constexpr Int128& operator*=(Int128 b) { return *this = *this * b; }
  constexpr Int128& operator/=(Int128 b) { return *this = *this / b; }
  constexpr Int128& operator<<=(int n) { return *this = *this << n; }
  constexpr Int128& operator>>=(int n) { return *this = *this >> n; }
  constexpr Int128& operator++() { return *this += 1; }
  constexpr Int128& operator--() { return *this -= 1; }

  // The words read unsigned: what UInt128 is built on.
  static constexpr Int128 ShiftRightUnsigned(Int128 a, int n) {
    if (n == 0) return a;
    if (n >= 64) return FromWords(0, a.hi_ >> (n - 64));
    return FromWords(a.hi_ >> n, (a.lo_ >> n) | (a.hi_ << (64 - n)));
  }
  // Long division, bit by bit.
  static constexpr Int128 Divide(Int128 n, Int128 d, Int128* remainder) {
    Int128 q, r;
    for (int bit = 127; bit >= 0; --bit) {
      r = r << 1;
      r.lo_ |= ((bit >= 64 ? n.hi_ >> (bit - 64) : n.lo_ >> bit) & 1);
      if (!Below(r, d)) {
        r = r - d;
        if (bit >= 64) {
          q.hi_ |= std::uint64_t{1} << (bit - 64);
        } else {
          q.lo_ |= std::uint64_t{1} << bit;
        }
      }
    }
    if (remainder != nullptr) *remainder = r;
    return q;
  }

 private:
  // |v| as an unsigned pair: the most negative value stays itself, read unsigned.
  static constexpr Int128 Magnitude(Int128 v) { return v.negative() ? -v : v; }

  // Rounded once, to nearest with ties to even, as the built-in conversion rounds: the digits
  // the type holds are kept and the bits below them decide the rounding.
  template <class T>
  static T RoundedMagnitude(Int128 m) {
    constexpr int Digits = std::numeric_limits<T>::digits;
    static_assert(Digits <= 64, "a mantissa wider than a word");
    if (m.hi_ == 0) return static_cast<T>(m.lo_);
    int length = 128;
    while ((m.hi_ >> (length - 65)) == 0) --length;
    const int shift = length - Digits;
    const Int128 kept = ShiftRightUnsigned(m, shift);
    const Int128 lost = m - (kept << shift);
    const Int128 half = Int128{1} << (shift - 1);
    const bool up = Below(half, lost) || (lost == half && (kept.lo_ & 1) != 0);
    if (up && kept.lo_ == ~std::uint64_t{0}) return std::ldexp(static_cast<T>(1), shift + 64);
    return std::ldexp(static_cast<T>(kept.lo_ + (up ? 1 : 0)), shift);
  }

  static constexpr Int128 MultiplyWords(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t a0 = a & 0xFFFFFFFF, a1 = a >> 32, b0 = b & 0xFFFFFFFF, b1 = b >> 32;
    const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const std::uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFF) + (p10 & 0xFFFFFFFF);
    return FromWords(p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32),
                     (middle << 32) | (p00 & 0xFFFFFFFF));
  }

  static constexpr bool Below(Int128 a, Int128 b) {
    return a.hi_ != b.hi_ ? a.hi_ < b.hi_ : a.lo_ < b.lo_;
  }

  // Exact below 2^128: dividing by 2^64 and taking the whole words loses no digit.
  template <class F>
  static constexpr Int128 FromFloating(F v) {
    const bool negative = v < 0;
    const F m = negative ? -v : v;
    const F high = static_cast<F>(std::uint64_t{1} << 63) * 2;
    const auto hi = static_cast<std::uint64_t>(m / high);
    const auto lo = static_cast<std::uint64_t>(m - static_cast<F>(hi) * high);
    const Int128 r = FromWords(hi, lo);
    return negative ? -r : r;
  }

  std::uint64_t lo_ = 0;
  std::uint64_t hi_ = 0;
};

// Unsigned: the same words, compared and divided as unsigned.
class UInt128 {
 public:
  constexpr UInt128() = default;
  constexpr UInt128(unsigned long long v) : v_(v) {}  // NOLINT
  constexpr UInt128(unsigned long v) : v_(v) {}       // NOLINT
  constexpr UInt128(unsigned v) : v_(v) {}            // NOLINT
  constexpr UInt128(int v) : v_(v) {}                 // NOLINT
  constexpr UInt128(long long v) : v_(v) {}           // NOLINT
  constexpr explicit UInt128(const Int128& v) : v_(v) {}

  template <class T>
  constexpr explicit operator T() const {
    static_assert(std::numeric_limits<T>::is_integer, "only integers are taken from the bits");
    return static_cast<T>(v_.lo());
  }
  constexpr const Int128& bits() const { return v_; }

  friend constexpr UInt128 operator+(UInt128 a, UInt128 b) { return UInt128(a.v_ + b.v_); }
  friend constexpr UInt128 operator-(UInt128 a, UInt128 b) { return UInt128(a.v_ - b.v_); }
  friend constexpr UInt128 operator*(UInt128 a, UInt128 b) { return UInt128(a.v_ * b.v_); }
  friend constexpr UInt128 operator/(UInt128 a, UInt128 b) {
    return UInt128(Int128::Divide(a.v_, b.v_, nullptr));
  }
  friend constexpr UInt128 operator%(UInt128 a, UInt128 b) {
    Int128 r;
    Int128::Divide(a.v_, b.v_, &r);
    return UInt128(r);
  }
  friend constexpr UInt128 operator<<(UInt128 a, int n) { return UInt128(a.v_ << n); }
  friend constexpr UInt128 operator>>(UInt128 a, int n) {
    return UInt128(Int128::ShiftRightUnsigned(a.v_, n));
  }
  friend constexpr bool operator==(UInt128 a, UInt128 b) { return a.v_ == b.v_; }
  friend constexpr bool operator<(UInt128 a, UInt128 b) {
    return a.v_.hi() != b.v_.hi() ? a.v_.hi() < b.v_.hi() : a.v_.lo() < b.v_.lo();
  }
  friend constexpr bool operator>(UInt128 a, UInt128 b) { return b < a; }
  friend constexpr bool operator<=(UInt128 a, UInt128 b) { return !(b < a); }
  friend constexpr bool operator>=(UInt128 a, UInt128 b) { return !(a < b); }

  constexpr UInt128& operator+=(UInt128 b) { return *this = *this + b; }
  constexpr UInt128& operator-=(UInt128 b) { return *this = *this - b; }

 private:
  Int128 v_;
};

constexpr Int128::Int128(const UInt128& v) : Int128(v.bits()) {}

#endif

}  // namespace raster::detail
