#pragma once

#include <cstdint>
#include <cstring>

namespace quorvel {

// The IEEE bit pattern of a double and back (std::bit_cast is missing from the web
// toolchain's library).
inline std::uint64_t bits_of(double x) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

inline double double_of(std::uint64_t bits) {
    double x = 0.0;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// An unevaluated sum hi + lo of two doubles with |lo| ≤ half an ulp of hi: about 106
// significant bits from plain double arithmetic. The error-free steps below hold only
// when every operation is rounded to nearest on its own, which is why the build forbids
// fused multiply-add contraction (-ffp-contract=off) and excess precision.
struct DoubleDouble {
    double hi = 0.0;
    double lo = 0.0;
};

// a + b exactly, for any a and b (Knuth).
constexpr DoubleDouble two_sum(double a, double b) {
    const double s = a + b;
    const double b_part = s - a;
    const double a_part = s - b_part;
    return {s, (a - a_part) + (b - b_part)};
}

// a + b exactly, when |a| ≥ |b| or a is zero (Dekker).
constexpr DoubleDouble fast_two_sum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a split into two halves of at most 26 significant bits each, so that products of
// halves are exact (Veltkamp).
constexpr DoubleDouble split(double a) {
    constexpr double splitter = 0x1p27 + 1.0;
    const double t = splitter * a;
    const double hi = t - (t - a);
    return {hi, a - hi};
}

// a · b exactly, barring overflow and underflow (Dekker).
constexpr DoubleDouble two_prod(double a, double b) {
    const double p = a * b;
    const DoubleDouble x = split(a);
    const DoubleDouble y = split(b);
    const double err = ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo;
    return {p, err};
}

constexpr DoubleDouble operator-(DoubleDouble a) {
    return {-a.hi, -a.lo};
}

constexpr DoubleDouble operator+(DoubleDouble a, double b) {
    const DoubleDouble s = two_sum(a.hi, b);
    return fast_two_sum(s.hi, s.lo + a.lo);
}

// The accurate sum: both halves added error-free, so cancellation costs nothing.
constexpr DoubleDouble operator+(DoubleDouble a, DoubleDouble b) {
    const DoubleDouble s = two_sum(a.hi, b.hi);
    const DoubleDouble t = two_sum(a.lo, b.lo);
    const DoubleDouble u = fast_two_sum(s.hi, s.lo + t.hi);
    return fast_two_sum(u.hi, u.lo + t.lo);
}

constexpr DoubleDouble operator*(DoubleDouble a, DoubleDouble b) {
    const DoubleDouble p = two_prod(a.hi, b.hi);
    return fast_two_sum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

constexpr DoubleDouble operator*(DoubleDouble a, double b) {
    const DoubleDouble p = two_prod(a.hi, b);
    return fast_two_sum(p.hi, p.lo + a.lo * b);
}

}  // namespace quorvel
