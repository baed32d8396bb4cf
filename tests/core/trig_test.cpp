#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <limits>
#include <optional>
#include <random>
#include <vector>

#include "case_name.h"
#include "mpfr_reference.h"
#include "program_angles.h"
#include "trig.h"
#include "trig_constants.h"
#include "trig_kernel.h"
#include "trig_wide.h"

namespace quorvel {
namespace {

using testing::reference_cos;
using testing::reference_sin;
using trig_kernel::Phase;

// Equal as bit patterns (so −0 differs from +0), any NaN equal to any NaN.
bool same(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || bits_of(a) == bits_of(b);
}

struct HardCase {
    const char* name;
    double x;
};

class HardArgument : public ::testing::TestWithParam<HardCase> {};

TEST_P(HardArgument, RoundsAsMultiplePrecisionDoesOnEveryPath) {
    const double x = GetParam().x;
    const double want_cos = reference_cos(x);
    const double want_sin = reference_sin(x);
    EXPECT_PRED2(same, cos_rn(x), want_cos) << std::hexfloat << x;
    EXPECT_PRED2(same, sin_rn(x), want_sin) << std::hexfloat << x;
    const SineCosine both = sin_cos_rn(x);
    EXPECT_PRED2(same, both.cos, want_cos) << std::hexfloat << x;
    EXPECT_PRED2(same, both.sin, want_sin) << std::hexfloat << x;
    EXPECT_PRED2(same, cos_wide(x), want_cos) << std::hexfloat << x;
    EXPECT_PRED2(same, sin_wide(x), want_sin) << std::hexfloat << x;
}

constexpr double max_double = std::numeric_limits<double>::max();
constexpr double infinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Table, HardArgument,
    ::testing::Values(
        HardCase{"zero", 0.0}, HardCase{"minus_zero", -0.0},
        HardCase{"smallest_subnormal", 0x1p-1074}, HardCase{"minus_smallest_subnormal", -0x1p-1074},
        HardCase{"smallest_normal", 0x1p-1022},
        HardCase{"below_the_tiny_cut", 0x1.fffffffffffffp-28}, HardCase{"at_the_tiny_cut", 0x1p-27},
        HardCase{"small", 1e-5}, HardCase{"below_quarter_pi", 0x1.921fb54442d17p-1},
        HardCase{"nearest_quarter_pi", 0x1.921fb54442d18p-1},
        HardCase{"above_quarter_pi", 0x1.921fb54442d19p-1},
        HardCase{"nearest_half_pi", 0x1.921fb54442d18p+0},
        HardCase{"nearest_pi", 0x1.921fb54442d18p+1},
        HardCase{"nearest_three_half_pi", 0x1.2d97c7f3321d2p+2},
        HardCase{"nearest_two_pi", 0x1.921fb54442d18p+2},
        HardCase{"minus_nearest_two_pi", -0x1.921fb54442d18p+2},
        HardCase{"short_pi", static_cast<double>(3.14159f)},
        HardCase{"twice_short_pi", static_cast<double>(2.0f * 3.14159f)},
        HardCase{"largest_program_angle", 0x1.921f74p+4},
        HardCase{"beyond_the_largest_program_angle", 0x1.921f740000001p+4},
        HardCase{"minus_largest_program_angle", -0x1.921f74p+4},
        HardCase{"last_below_the_reach", 0x1.fffffffffffffp+15}, HardCase{"at_the_reach", 0x1p+16},
        HardCase{"ten_to_the_22", 1e22},
        HardCase{"closest_double_to_a_multiple_of_half_pi", 0x1.6ac5b262ca1ffp+849},
        HardCase{"two_to_the_1023", 0x1p+1023}, HardCase{"largest_double", max_double},
        HardCase{"minus_largest_double", -max_double}, HardCase{"infinity", infinity},
        HardCase{"minus_infinity", -infinity},
        HardCase{"nan", std::numeric_limits<double>::quiet_NaN()}),
    testing::CaseName{});

struct CertaintyCase {
    const char* name;
    DoubleDouble y;
    Phase phase;
    std::optional<double> rounded;
};

class RoundIfCertain : public ::testing::TestWithParam<CertaintyCase> {};

TEST_P(RoundIfCertain, RoundsOnlyWhenTheBoundKeepsClearOfHalfway) {
    const CertaintyCase& c = GetParam();
    EXPECT_EQ(trig_kernel::round_if_certain(c.y, trig_kernel::relative_error_bound(c.phase)),
              c.rounded);
}

// Next to 1.5 the doubles lie 2^-52 apart; below 1.0 only 2^-53, above it 2^-52.
INSTANTIATE_TEST_SUITE_P(
    Table, RoundIfCertain,
    ::testing::Values(
        CertaintyCase{"far_from_halfway", {1.5, 0x1p-60}, Phase::quick, 1.5},
        CertaintyCase{"negative_far_from_halfway", {-1.5, -0x1p-60}, Phase::quick, -1.5},
        CertaintyCase{"exactly_halfway", {1.5, 0x1p-53}, Phase::accurate, std::nullopt},
        CertaintyCase{
            "halfway_within_the_quick_bound", {1.5, 0x1p-53 - 0x1p-63}, Phase::quick, std::nullopt},
        CertaintyCase{
            "halfway_beyond_the_accurate_bound", {1.5, 0x1p-53 - 0x1p-63}, Phase::accurate, 1.5},
        CertaintyCase{"just_below_one_within_the_quick_bound",
                      {1.0, -0x1p-54 + 0x1p-63},
                      Phase::quick,
                      std::nullopt},
        CertaintyCase{"just_below_one_beyond_the_accurate_bound",
                      {1.0, -0x1p-54 + 0x1p-63},
                      Phase::accurate,
                      1.0},
        CertaintyCase{"as_far_above_one_is_certain", {1.0, 0x1p-54 - 0x1p-63}, Phase::quick, 1.0}),
    testing::CaseName{});

TEST(TrigConstants, AreTheirMultiplePrecisionValues) {
    testing::BigFloat half_pi;
    testing::set_half_pi(half_pi);
    testing::BigFloat two_over_pi;
    testing::set_two_over_pi(two_over_pi);

    EXPECT_EQ(trig_constants::two_over_pi, testing::nearest_double_double(two_over_pi).hi);

    testing::BigFloat rest;
    mpfr_set(rest.get(), half_pi.get(), MPFR_RNDN);
    for (std::size_t i = 0; i < trig_constants::half_pi_parts.size(); ++i) {
        const double part = trig_constants::half_pi_parts[i];
        if (i < 3) {  // k·part must be exact for k < 2^20
            EXPECT_EQ(bits_of(part) & ((std::uint64_t{1} << 20) - 1), 0u) << "part " << i;
        }
        mpfr_sub_d(rest.get(), rest.get(), part, MPFR_RNDN);
    }
    mpfr_abs(rest.get(), rest.get(), MPFR_RNDN);
    EXPECT_LT(mpfr_cmp_d(rest.get(), 0x1p-156), 0) << "π/2 minus its pieces";

    for (int n = 0; n < static_cast<int>(trig_constants::inverse_factorial.size()); ++n) {
        testing::BigFloat v;
        mpfr_fac_ui(v.get(), static_cast<unsigned long>(n), MPFR_RNDN);
        mpfr_ui_div(v.get(), 1, v.get(), MPFR_RNDN);
        const DoubleDouble want = testing::nearest_double_double(v);
        const DoubleDouble have = trig_constants::inverse_factorial[static_cast<std::size_t>(n)];
        EXPECT_TRUE(have.hi == want.hi && have.lo == want.lo) << "1/" << n << "!";
    }

    for (int j = 0; j < static_cast<int>(trig_constants::at_sixty_fourths.size()); ++j) {
        testing::BigFloat a;
        testing::BigFloat s;
        testing::BigFloat c;
        mpfr_set_si(a.get(), j, MPFR_RNDN);
        mpfr_div_2si(a.get(), a.get(), 6, MPFR_RNDN);
        mpfr_sin_cos(s.get(), c.get(), a.get(), MPFR_RNDN);
        const auto& have = trig_constants::at_sixty_fourths[static_cast<std::size_t>(j)];
        const DoubleDouble want_sin = testing::nearest_double_double(s);
        const DoubleDouble want_cos = testing::nearest_double_double(c);
        EXPECT_TRUE(have.sin.hi == want_sin.hi && have.sin.lo == want_sin.lo) << "sin " << j;
        EXPECT_TRUE(have.cos.hi == want_cos.hi && have.cos.lo == want_cos.lo) << "cos " << j;
    }

    for (int i = 0; i < static_cast<int>(trig_constants::two_over_pi_words.size()); ++i) {
        EXPECT_EQ(trig_constants::two_over_pi_words[static_cast<std::size_t>(i)],
                  testing::fraction_word(two_over_pi, i))
            << "2/π word " << i;
    }
    for (int i = 0; i < static_cast<int>(trig_constants::half_pi_fraction_words.size()); ++i) {
        EXPECT_EQ(trig_constants::half_pi_fraction_words[static_cast<std::size_t>(i)],
                  testing::fraction_word(half_pi, i))
            << "π/2 word " << i;
    }
}

// The rounding test is only as sound as the bounds it trusts: measure both phases on
// every program angle and on a sweep of their range, both signs.
TEST(TrigPhases, StayWithinTheirErrorBounds) {
    std::vector<double> xs = testing::program_angles(testing::start_values());
    const std::vector<double> swept = testing::sweep(50000, 26.0, 2);
    xs.insert(xs.end(), swept.begin(), swept.end());
    for (const double x : swept) {
        xs.push_back(-x);
    }
    for (const Phase phase : {Phase::quick, Phase::accurate}) {
        const double bound = trig_kernel::relative_error_bound(phase);
        double worst = 0.0;
        int measured = 0;
        for (const double x : xs) {
            if (std::abs(x) < 0x1p-27) {
                continue;  // answered before either phase
            }
            for (const bool cosine : {true, false}) {
                const auto y =
                    cosine ? trig_kernel::cos_dd(x, phase) : trig_kernel::sin_dd(x, phase);
                if (!y) {
                    continue;
                }
                ++measured;
                const double error = testing::relative_error(*y, x, cosine);
                worst = std::max(worst, error);
                ASSERT_LE(error, bound) << std::hexfloat << (cosine ? "cos " : "sin ") << x;
            }
        }
        std::cout << (phase == Phase::quick ? "quick" : "accurate")
                  << " phase: worst relative error 2^" << std::log2(worst) << " over " << measured
                  << " results, bound 2^" << std::log2(bound) << '\n';
        EXPECT_GT(measured, static_cast<int>(xs.size()));
    }
}

// A million random angles across the program's range, each against MPFR; and how often
// the platform's own functions would have differed.
TEST(TrigSweep, AMillionAnglesAcrossTheProgramsRangeRoundAsMultiplePrecision) {
    const double largest = testing::program_angles(testing::start_values()).back();
    int platform_differs = 0;
    for (const double x : testing::sweep(1000000, largest, 1)) {
        const double want_cos = reference_cos(x);
        const double want_sin = reference_sin(x);
        ASSERT_EQ(cos_rn(x), want_cos) << std::hexfloat << x;
        ASSERT_EQ(sin_rn(x), want_sin) << std::hexfloat << x;
        const SineCosine both = sin_cos_rn(x);
        ASSERT_EQ(both.cos, want_cos) << std::hexfloat << x;
        ASSERT_EQ(both.sin, want_sin) << std::hexfloat << x;
        platform_differs += (std::cos(x) != want_cos) + (std::sin(x) != want_sin);
    }
    std::cout << "sweep: the platform's cos/sin differ from the correctly rounded result on "
              << platform_differs << " of 2000000\n";
}

// The cancellation the reduction must survive: doubles next to k·π/2, k up to 200 000
// (past the reach, so both the double-double and the wide path are tried), both signs.
TEST(TrigNearMultiplesOfHalfPi, RoundAsMultiplePrecision) {
    testing::BigFloat half_pi;
    testing::set_half_pi(half_pi);
    testing::BigFloat multiple;
    for (unsigned long k = 1; k <= 200000; k += (k < 2000 ? 1 : 97)) {
        mpfr_mul_ui(multiple.get(), half_pi.get(), k, MPFR_RNDN);
        const double nearest = mpfr_get_d(multiple.get(), MPFR_RNDN);
        for (const double x :
             {std::nextafter(nearest, 0.0), nearest, std::nextafter(nearest, 1e300)}) {
            for (const double signed_x : {x, -x}) {
                ASSERT_EQ(cos_rn(signed_x), reference_cos(signed_x)) << std::hexfloat << signed_x;
                ASSERT_EQ(sin_rn(signed_x), reference_sin(signed_x)) << std::hexfloat << signed_x;
                const SineCosine both = sin_cos_rn(signed_x);
                ASSERT_EQ(both.cos, cos_rn(signed_x)) << std::hexfloat << signed_x;
                ASSERT_EQ(both.sin, sin_rn(signed_x)) << std::hexfloat << signed_x;
            }
        }
    }
}

// The wide path alone over the whole range of doubles: random bit patterns of every
// exponent, and the program's angles.
TEST(TrigWide, RoundsAsMultiplePrecisionAcrossTheDoubles) {
    std::vector<double> xs = testing::program_angles(testing::start_values());
    std::mt19937_64 draw(3);
    for (int i = 0; i < 20000; ++i) {
        const double x = double_of(draw());
        if (std::isfinite(x)) {
            xs.push_back(x);
        }
    }
    for (const double x : xs) {
        ASSERT_PRED2(same, cos_wide(x), reference_cos(x)) << std::hexfloat << x;
        ASSERT_PRED2(same, sin_wide(x), reference_sin(x)) << std::hexfloat << x;
    }
}

}  // namespace
}  // namespace quorvel
