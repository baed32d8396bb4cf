#pragma once

namespace quorvel {

// Sine and cosine worked out in 256-bit fixed point with integer arithmetic only: the
// argument reduced with 1344 bits of 2/π, then the Taylor series. About a thousand times
// slower than cos_rn and sin_rn, which fall back on these only for the rare arguments
// whose double-double result lies too close to a rounding boundary, or beyond 2^16.
// Correctly rounded for every finite x: after the deepest cancellation a finite double
// can cause (x within about 2^-61 of a multiple of π/2) more than 180 bits of the result
// remain correct. NaN for NaN and ±infinity.
double cos_wide(double x);
double sin_wide(double x);

}  // namespace quorvel
