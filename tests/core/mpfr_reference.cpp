#include "mpfr_reference.h"

namespace quorvel::testing {
namespace {

using Function = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

// Rounds f(x) to a double in one step: with the exponent range narrowed to the double's,
// MPFR's result and its subnormal rounding are the correctly rounded double.
double rounded(Function f, double x) {
    const mpfr_exp_t emin = mpfr_get_emin();
    const mpfr_exp_t emax = mpfr_get_emax();
    mpfr_set_emin(-1073);
    mpfr_set_emax(1024);
    BigFloat a(53);
    BigFloat y(53);
    mpfr_set_d(a.get(), x, MPFR_RNDN);
    const int inexact = f(y.get(), a.get(), MPFR_RNDN);
    mpfr_subnormalize(y.get(), inexact, MPFR_RNDN);
    const double out = mpfr_get_d(y.get(), MPFR_RNDN);
    mpfr_set_emin(emin);
    mpfr_set_emax(emax);
    return out;
}

}  // namespace

double reference_cos(double x) {
    return rounded(mpfr_cos, x);
}

double reference_sin(double x) {
    return rounded(mpfr_sin, x);
}

double relative_error(DoubleDouble y, double x, bool cosine) {
    BigFloat exact(256);
    BigFloat approximation(256);
    BigFloat a(53);
    mpfr_set_d(a.get(), x, MPFR_RNDN);
    if (cosine) {
        mpfr_cos(exact.get(), a.get(), MPFR_RNDN);
    } else {
        mpfr_sin(exact.get(), a.get(), MPFR_RNDN);
    }
    mpfr_set_d(approximation.get(), y.hi, MPFR_RNDN);
    mpfr_add_d(approximation.get(), approximation.get(), y.lo, MPFR_RNDN);
    mpfr_sub(approximation.get(), approximation.get(), exact.get(), MPFR_RNDN);
    mpfr_div(approximation.get(), approximation.get(), exact.get(), MPFR_RNDN);
    mpfr_abs(approximation.get(), approximation.get(), MPFR_RNDN);
    return mpfr_get_d(approximation.get(), MPFR_RNDU);
}

DoubleDouble nearest_double_double(const BigFloat& v) {
    BigFloat rest;
    const double hi = mpfr_get_d(v.get(), MPFR_RNDN);
    mpfr_sub_d(rest.get(), v.get(), hi, MPFR_RNDN);
    return {hi, mpfr_get_d(rest.get(), MPFR_RNDN)};
}

std::uint32_t fraction_word(const BigFloat& v, int index) {
    BigFloat scaled;
    mpfr_frac(scaled.get(), v.get(), MPFR_RNDN);
    mpfr_mul_2si(scaled.get(), scaled.get(), 32 * (index + 1), MPFR_RNDN);
    mpfr_floor(scaled.get(), scaled.get());
    mpfr_div_2si(scaled.get(), scaled.get(), 32, MPFR_RNDN);
    mpfr_frac(scaled.get(), scaled.get(), MPFR_RNDN);
    mpfr_mul_2si(scaled.get(), scaled.get(), 32, MPFR_RNDN);
    return static_cast<std::uint32_t>(mpfr_get_ui(scaled.get(), MPFR_RNDN));
}

void set_half_pi(BigFloat& out) {
    mpfr_const_pi(out.get(), MPFR_RNDN);
    mpfr_div_2si(out.get(), out.get(), 1, MPFR_RNDN);
}

void set_two_over_pi(BigFloat& out) {
    mpfr_const_pi(out.get(), MPFR_RNDN);
    mpfr_ui_div(out.get(), 2, out.get(), MPFR_RNDN);
}

}  // namespace quorvel::testing
