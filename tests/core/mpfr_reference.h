#pragma once

#include <mpfr.h>

#include <cstdint>

#include "double_double.h"

namespace quorvel::testing {

// An MPFR number, freed with its owner.
class BigFloat {
  public:
    explicit BigFloat(mpfr_prec_t bits = 2048) { mpfr_init2(v_, bits); }
    ~BigFloat() { mpfr_clear(v_); }
    BigFloat(const BigFloat&) = delete;
    BigFloat& operator=(const BigFloat&) = delete;

    mpfr_ptr get() { return v_; }
    mpfr_srcptr get() const { return v_; }

  private:
    mpfr_t v_;
};

// cos x and sin x rounded to the nearest double by MPFR, subnormal results included.
double reference_cos(double x);
double reference_sin(double x);

// |y − f(x)| / |f(x)| with f = cos or sin, worked out with 256 bits.
double relative_error(DoubleDouble y, double x, bool cosine);

// The nearest double-double to v: hi the nearest double, lo the nearest to what is left.
DoubleDouble nearest_double_double(const BigFloat& v);

// Word `index` (0 the most significant) of the binary fraction of v in 32-bit words.
std::uint32_t fraction_word(const BigFloat& v, int index);

// π/2, 2/π to 2048 bits.
void set_half_pi(BigFloat& out);
void set_two_over_pi(BigFloat& out);

}  // namespace quorvel::testing
