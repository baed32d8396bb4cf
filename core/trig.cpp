#include "trig.h"

#include <cstdint>

#include "trig_constants.h"
#include "trig_kernel.h"
#include "trig_wide.h"

namespace quorvel {
namespace trig_kernel {
namespace {

using trig_constants::half_pi_parts;

// Adding and then subtracting 1.5·2^52 rounds a double below 2^51 to a whole number,
// to nearest, with no library call.
double nearest_whole(double a) {
    constexpr double round_shift = 0x1.8p52;
    return (a + round_shift) - round_shift;
}

double magnitude(double a) {
    return a < 0.0 ? -a : a;
}

// Below this, a remainder near a non-zero multiple of π/2 has lost too many bits.
constexpr double min_remainder = 0x1p-30;

struct Reduced {
    unsigned quadrant = 0;  // k mod 4
    DoubleDouble r;
};

// a = k·π/2 + r for 0 ≤ a < reach, k the whole number nearest a·2/π and |r| ≤ π/4 (give
// or take an ulp). Cody and Waite's scheme with π/2 = P0 + P1 + P2 + P3: a − k·P0 is
// exact because a and k·P0 lie within a factor of two of each other, and k·P1 is an
// exact product subtracted error-free, which leaves about r. The quick phase adds k·P2
// and k·P3 in plain doubles (an error near 2^-76 of r); the accurate phase subtracts them
// in double-double, k·P2 being exact and k·P3 an error-free product.
std::optional<Reduced> reduce(double a, Phase phase) {
    const double k = nearest_whole(a * trig_constants::two_over_pi);
    if (k == 0.0) {
        return Reduced{0, {a, 0.0}};
    }
    const double t = a - k * half_pi_parts[0];
    const DoubleDouble r = two_sum(t, -(k * half_pi_parts[1]));
    if (magnitude(r.hi) < min_remainder) {
        return std::nullopt;
    }
    const auto quadrant = static_cast<unsigned>(k) & 3u;
    if (phase == Phase::quick) {
        const double rest = k * half_pi_parts[2] + k * half_pi_parts[3];
        return Reduced{quadrant, fast_two_sum(r.hi, r.lo - rest)};
    }
    return Reduced{quadrant, (r + -(k * half_pi_parts[2])) + -two_prod(k, half_pi_parts[3])};
}

// The quick phase: with r = a + z, a = j/64 the nearest sixty-fourth and |z| ≤ 1/128,
//   sin r = S + C·z + [C·(sin z − z) − S·(1 − cos z)],
//   cos r = C − S·z − [S·(sin z − z) + C·(1 − cos z)],
// S and C the stored sin a and cos a. S (or C) and the linear term are kept in
// double-double; the bracket, below 2^-15, is summed in doubles, which costs about 2^-68
// of the result.
DoubleDouble quick_of_remainder(DoubleDouble r, bool cosine) {
    const bool negative = r.hi < 0.0;
    if (negative) {
        r = -r;
    }
    const double j = nearest_whole(r.hi * 64.0);
    const auto& at = trig_constants::at_sixty_fourths[static_cast<std::size_t>(j)];
    const double z = r.hi - j * 0x1p-6;  // exact: r.hi and j/64 are within a factor of two
    const double z2 = z * z;
    const double sin_z_minus_z =
        z * z2 *
        (-0x1.5555555555555p-3 + z2 * (0x1.1111111111111p-7 + z2 * -0x1.a01a01a01a01ap-13));
    const double one_minus_cos_z =
        z2 * (0.5 + z2 * (-0x1.5555555555555p-5 +
                          z2 * (0x1.6c16c16c16c17p-10 + z2 * -0x1.a01a01a01a01ap-16)));
    const DoubleDouble& first = cosine ? at.cos : at.sin;
    const DoubleDouble& other = cosine ? at.sin : at.cos;
    // ± other·z with its leading product error-free, plus r.lo times the slope at a + z
    // (cos(a + z) ≈ C − S·z for the sine, −sin(a + z) ≈ −(S + C·z) for the cosine): taking
    // the slope at a alone would cost S·z·r.lo, about 2^-62.
    DoubleDouble linear = two_prod(other.hi, z);
    const double slope = cosine ? other.hi + first.hi * z : other.hi - first.hi * z;
    linear.lo = linear.lo + (other.lo * z + slope * r.lo);
    double bracket = 0.0;
    if (cosine) {
        linear = -linear;
        bracket = -(at.sin.hi * sin_z_minus_z + at.cos.hi * one_minus_cos_z);
    } else {
        bracket = at.cos.hi * sin_z_minus_z - at.sin.hi * one_minus_cos_z;
    }
    const DoubleDouble sum = two_sum(first.hi, linear.hi);
    DoubleDouble y = fast_two_sum(sum.hi, sum.lo + ((first.lo + linear.lo) + bracket));
    return negative && !cosine ? -y : y;
}

// Σ (j = 1 … 14) (−1)^j·u^(j−1)/(2j + odd)! by Horner's rule, u = r² ≤ 0.62. Dropped terms
// weigh below 2^-110 against the series' leading 1; the terms from j = 9 on weigh below
// 2^-57, so they are summed in plain doubles and only the first eight in double-double.
DoubleDouble series_tail(DoubleDouble u, int odd) {
    const auto coefficient = [odd](int j) {
        const DoubleDouble c =
            trig_constants::inverse_factorial[static_cast<std::size_t>(2 * j + odd)];
        return j % 2 == 0 ? c : -c;
    };
    double t = coefficient(14).hi;
    for (int j = 13; j >= 9; --j) {
        t = coefficient(j).hi + u.hi * t;
    }
    DoubleDouble s{t, 0.0};
    for (int j = 8; j >= 1; --j) {
        s = coefficient(j) + u * s;
    }
    return s;
}

// The accurate phase: sin r = r + r·u·(−1/3! + u/5! − …) and cos r = 1 + u·(−1/2! + …).
DoubleDouble accurate_of_remainder(DoubleDouble r, bool cosine) {
    const DoubleDouble u = r * r;
    if (cosine) {
        return u * series_tail(u, 0) + 1.0;
    }
    return r + r * (u * series_tail(u, 1));
}

// The reduction of |x|, or nothing where the phases do not hold their bounds.
std::optional<Reduced> reduce_magnitude(double x, Phase phase) {
    const double a = magnitude(x);
    if (!(a < reach)) {
        return std::nullopt;
    }
    return reduce(a, phase);
}

// sin x for the quadrant offset 0, cos x for the offset 1 (cos x = sin(x + π/2)), from the
// reduction of |x|.
DoubleDouble sine_of_reduced(double x, const Reduced& reduced, unsigned offset, Phase phase) {
    const unsigned quadrant = (reduced.quadrant + offset) & 3u;
    const bool cosine = (quadrant & 1u) != 0;
    DoubleDouble y = phase == Phase::quick ? quick_of_remainder(reduced.r, cosine)
                                           : accurate_of_remainder(reduced.r, cosine);
    if ((quadrant & 2u) != 0) {
        y = -y;
    }
    if (x < 0.0 && offset == 0) {
        y = -y;
    }
    return y;
}

std::optional<DoubleDouble> sine_dd(double x, unsigned offset, Phase phase) {
    const std::optional<Reduced> reduced = reduce_magnitude(x, phase);
    if (!reduced) {
        return std::nullopt;
    }
    return sine_of_reduced(x, *reduced, offset, phase);
}

}  // namespace

std::optional<DoubleDouble> cos_dd(double x, Phase phase) {
    return sine_dd(x, 1, phase);
}

std::optional<DoubleDouble> sin_dd(double x, Phase phase) {
    return sine_dd(x, 0, phase);
}

std::optional<SineCosineDD> sin_cos_quick(double x) {
    const std::optional<Reduced> reduced = reduce_magnitude(x, Phase::quick);
    if (!reduced) {
        return std::nullopt;
    }
    return SineCosineDD{sine_of_reduced(x, *reduced, 0, Phase::quick),
                        sine_of_reduced(x, *reduced, 1, Phase::quick)};
}

// Every value within the bound of y lies strictly between the points halfway to the
// neighbouring doubles of y.hi, so all of them, the exact one too, round to y.hi. The
// bound is widened by an eighth so that the rounding of this test's own few operations
// cannot let a doubtful case through.
std::optional<double> round_if_certain(DoubleDouble y, double bound) {
    const bool negative = y.hi < 0.0;
    const double hi = negative ? -y.hi : y.hi;
    const double lo = negative ? -y.lo : y.lo;
    const std::uint64_t bits = bits_of(hi);
    const double gap_above = double_of(bits + 1) - hi;
    const double gap_below = hi - double_of(bits - 1);
    const double error = hi * (bound * 1.125);
    if (lo + error < 0.5 * gap_above && lo - error > -0.5 * gap_below) {
        return y.hi;
    }
    return std::nullopt;
}

}  // namespace trig_kernel

namespace {

// Below 2^-27, cos x rounds to 1 and sin x to x: the first dropped term of the series,
// x²/2 or x³/6, stays under a quarter of the gap between the result and its neighbours.
constexpr double tiny = 0x1p-27;

template <typename Phases, typename Wide>
double first_certain(double x, Phases dd, Wide wide) {
    using trig_kernel::Phase;
    for (const Phase phase : {Phase::quick, Phase::accurate}) {
        if (const auto y = dd(x, phase)) {
            if (const auto rounded =
                    trig_kernel::round_if_certain(*y, trig_kernel::relative_error_bound(phase))) {
                return *rounded;
            }
        }
    }
    return wide(x);
}

}  // namespace

double cos_rn(double x) {
    if ((x < 0.0 ? -x : x) < tiny) {
        return 1.0;
    }
    return first_certain(x, trig_kernel::cos_dd, cos_wide);
}

double sin_rn(double x) {
    if ((x < 0.0 ? -x : x) < tiny) {
        return x;
    }
    return first_certain(x, trig_kernel::sin_dd, sin_wide);
}

// Both from the shared quick phase when it settles both; a value it leaves in doubt is
// worked out alone, as cos_rn or sin_rn would.
SineCosine sin_cos_rn(double x) {
    if ((x < 0.0 ? -x : x) < tiny) {
        return {x, 1.0};
    }
    using trig_kernel::Phase;
    std::optional<double> sine;
    std::optional<double> cosine;
    if (const auto quick = trig_kernel::sin_cos_quick(x)) {
        const double bound = trig_kernel::relative_error_bound(Phase::quick);
        sine = trig_kernel::round_if_certain(quick->sin, bound);
        cosine = trig_kernel::round_if_certain(quick->cos, bound);
    }
    return {sine ? *sine : sin_rn(x), cosine ? *cosine : cos_rn(x)};
}

}  // namespace quorvel
