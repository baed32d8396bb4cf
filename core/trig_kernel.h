#pragma once

#include <optional>

#include "double_double.h"

// The double-double phases behind cos_rn and sin_rn, open to the tests that measure them.
// The quick phase looks up sin and cos at the nearest j/64 and needs a handful of
// operations; the accurate one sums the Taylor series in double-double. Each result is
// rounded only when its error bound leaves no doubt (round_if_certain); otherwise the
// next phase, and last the wide path (trig_wide.h), takes over.
namespace quorvel::trig_kernel {

// Arguments from here on in magnitude go to the wide path: below it the nearest
// multiple of π/2 is k·π/2 with k < 2^16, and k times each piece of π/2 stays exact.
inline constexpr double reach = 0x1p16;

enum class Phase { quick, accurate };

// A bound on |approximation − exact| / |exact| for every result of that phase. The
// rounding test trusts it; the tests check it against multiple precision.
constexpr double relative_error_bound(Phase phase) {
    return phase == Phase::quick ? 0x1p-62 : 0x1p-98;
}

// cos x and sin x as double-doubles, or nothing where the phases do not hold their
// bounds: |x| ≥ reach, or x within 2^-30 of a non-zero multiple of π/2 (where the
// reduction loses too many bits to cancellation). |x| must be at least 2^-27.
std::optional<DoubleDouble> cos_dd(double x, Phase phase);
std::optional<DoubleDouble> sin_dd(double x, Phase phase);

// The quick phase's sin x and cos x from one reduction, each the very double-double that
// sin_dd and cos_dd give; nothing where they give nothing.
struct SineCosineDD {
    DoubleDouble sin;
    DoubleDouble cos;
};
std::optional<SineCosineDD> sin_cos_quick(double x);

// The double nearest to y if every value within the relative error bound of y rounds to
// it; nothing when y lies too close to a point halfway between two doubles.
std::optional<double> round_if_certain(DoubleDouble y, double bound);

}  // namespace quorvel::trig_kernel
