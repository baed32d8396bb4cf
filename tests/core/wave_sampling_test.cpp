#include "wave_sampling.h"
#include "case_name.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "single.h"
#include "trig.h"

namespace quorvel {
namespace {

using Cosines = FixedArray<Value, 0, 4>;
using Sines = FixedArray<Int16, 0, 4>;

// The sum as written out, every harmonic added, none passed over.
float every_harmonic_added(const Cosines& a, const Sines& b, Int16 terms, float theta) {
    float y = a(0).as_single();
    for (int i = 1; i <= terms.value(); ++i) {
        const auto angle = static_cast<double>(checked_single(static_cast<float>(i) * theta));
        y = to_single((static_cast<double>(y) + a(i).as_double() * cos_rn(angle)) +
                      static_cast<double>(b(i).value()) * sin_rn(angle));
    }
    return y;
}

struct WaveCase {
    const char* name;
    Value a0;
    int a[4];
    int b[4];
};

class WaveValue : public ::testing::TestWithParam<WaveCase> {};

// Harmonics whose coefficients are both zero may be passed over only where adding ±0
// changes nothing: the sums must agree bit for bit, a zero's sign included, at every
// sample of two periods.
TEST_P(WaveValue, EqualsTheSumWithEveryHarmonicAddedBitForBit) {
    const WaveCase& c = GetParam();
    Cosines a;
    Sines b;
    a(0) = c.a0;
    for (int i = 1; i <= 4; ++i) {
        a(i) = Value(Int16(static_cast<std::int16_t>(c.a[i - 1])));
        b(i) = Int16(static_cast<std::int16_t>(c.b[i - 1]));
    }
    const float end = 4.0f * 3.14159f;
    int samples = 0;
    for_each_sample(end, [&](float theta) {
        ++samples;
        const float got = wave_value(a, b, Int16(4), theta);
        const float want = every_harmonic_added(a, b, Int16(4), theta);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(got), std::bit_cast<std::uint32_t>(want))
            << "theta " << theta;
    });
    EXPECT_EQ(samples, segments_per_plot + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WaveValue,
    ::testing::Values(
        WaveCase{"all_zero", Value(Int16(0)), {0, 0, 0, 0}, {0, 0, 0, 0}},
        WaveCase{"minus_zero_constant", Value(-0.0f), {0, 0, 0, 0}, {0, 0, 0, 0}},
        WaveCase{"minus_zero_then_harmonic", Value(-0.0f), {0, 0, 3, 0}, {0, 0, 0, 0}},
        WaveCase{"constant_only", Value(Int16(-7)), {0, 0, 0, 0}, {0, 0, 0, 0}},
        WaveCase{"gaps_between_harmonics", Value(Int16(2)), {5, 0, 0, -4}, {0, 0, 9, 0}},
        WaveCase{"every_harmonic", Value(Int16(-10)), {10, -10, 10, -10}, {10, 10, 10, 10}}),
    testing::CaseName{});

}  // namespace
}  // namespace quorvel
