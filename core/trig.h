#pragma once

namespace quorvel {

// Cosine and sine of an angle in radians, correctly rounded: the exact value rounded to
// the nearest double, for every finite argument. Every build (the desktop's g++ and the
// web edition's em++) therefore gets the very same bits, whatever its maths library does,
// and the floored readouts cannot move by a unit between them. NaN for NaN and ±infinity.
// Below 2^16 in magnitude a call costs a few dozen nanoseconds: a table-driven
// double-double estimate whose error bound settles the rounding in all but about one case
// in 250, then a longer double-double series (trig_kernel.h). The rare argument that
// neither settles, and any larger one, is worked out in 256-bit fixed point (trig_wide.h).
double cos_rn(double x);
double sin_rn(double x);

// sin_rn(x) and cos_rn(x) at once, bit for bit the same, for the price of little more than
// one: the reduction and the table lookup are shared.
struct SineCosine {
    double sin = 0.0;
    double cos = 1.0;
};
SineCosine sin_cos_rn(double x);

}  // namespace quorvel
