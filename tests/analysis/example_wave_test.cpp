#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>

#include "case_name.h"
#include "example_wave.h"
#include "form.h"
#include "form_fixture.h"
#include "random_source.h"

namespace quorvel {
namespace {

using testing::DrawCall;
using testing::LoadedForm;

std::array<int, 5> cosines(const Form& f) {
    std::array<int, 5> out{};
    for (int i = 0; i <= 4; ++i) {
        out[static_cast<std::size_t>(i)] = static_cast<int>(f.ex_a(i).as_double());
    }
    return out;
}

std::array<int, 5> sines(const Form& f) {
    std::array<int, 5> out{};
    for (int i = 0; i <= 4; ++i) {
        out[static_cast<std::size_t>(i)] = f.ex_b(i).value();
    }
    return out;
}

// The generator's first twelve states, worked out apart from the program with Python's
// unbounded integers from the recurrence s <- (1140671485 s + 12820163) mod 2^24, starting
// at s = 327680, and the coefficient each draw gives, floor(10 r + 1) with r = s / 2^24,
// rounded to single precision at each step as the program's arithmetic does.
struct Draw {
    std::uint32_t state;
    int coefficient;
};

constexpr std::array<Draw, 12> first_draws{{
    {11837123, 8},
    {8949370, 6},
    {9722709, 6},
    {4858052, 3},
    {5065847, 4},
    {12997982, 8},
    {235177, 1},
    {12762824, 8},
    {13664875, 9},
    {11895682, 8},
    {760893, 1},
    {6946316, 5},
}};

TEST(RandomSource, GivesTheFirstStatesOfItsSequenceAsFractionsOfTwoToThe24) {
    RandomSource r;
    EXPECT_EQ(r.state(), 327680u);
    for (std::size_t i = 0; i < first_draws.size(); ++i) {
        SCOPED_TRACE(i);
        const float got = r.next();
        EXPECT_EQ(r.state(), first_draws[i].state);
        // Every state has at most 24 bits, so the fraction is exact in a float.
        EXPECT_EQ(got, std::ldexp(static_cast<float>(first_draws[i].state), -24));
    }
}

// The examples at level one take four draws each (a0, b0, a1, b1); the table's coefficients
// are what those draws must give.
TEST(ExampleSequence, CoefficientsAreTheDrawsInOrder) {
    LoadedForm run;
    for (std::size_t example = 0; example < 3; ++example) {
        SCOPED_TRACE(example);
        const Draw* d = &first_draws[4 * example];
        EXPECT_EQ(cosines(run.form), (std::array<int, 5>{d[0].coefficient, d[2].coefficient}));
        EXPECT_EQ(sines(run.form), (std::array<int, 5>{d[1].coefficient, d[3].coefficient}));
        run.run_all({"Command1_Click"});
    }
}

// The first examples of the sequence, worked out independently from the generator's
// definition: every run of the program shows these, in this order.
TEST(ExampleSequence, EveryRunStartsWithTheSameExamples) {
    LoadedForm run;
    EXPECT_EQ(cosines(run.form), (std::array<int, 5>{8, 6, 0, 0, 0}));
    EXPECT_EQ(sines(run.form), (std::array<int, 5>{6, 3, 0, 0, 0}));
    run.run_all({"Command1_Click"});
    EXPECT_EQ(cosines(run.form), (std::array<int, 5>{4, 1, 0, 0, 0}));
    EXPECT_EQ(sines(run.form), (std::array<int, 5>{8, 8, 0, 0, 0}));

    LoadedForm second_run;
    EXPECT_EQ(cosines(second_run.form), (std::array<int, 5>{8, 6, 0, 0, 0}));
}

TEST(ExampleSequence, BackToLevelOneDrawsTheNextExampleNotTheFirstAgain) {
    LoadedForm run;
    run.run_all({"Spin_lebel_SpinUp"});
    EXPECT_EQ(cosines(run.form), (std::array<int, 5>{4, 1, 9, 0, 0}));
    EXPECT_EQ(sines(run.form), (std::array<int, 5>{8, 8, 8, 0, 0}));
    run.run_all({"Spin_lebel_SpinDown"});
    EXPECT_EQ(cosines(run.form), (std::array<int, 5>{1, 9, 0, 0, 0}));
    EXPECT_EQ(sines(run.form), (std::array<int, 5>{5, 8, 0, 0, 0}));
}

class InitValueAtLevel : public ::testing::TestWithParam<int> {};

// Over many examples: coefficients up to the level are whole numbers 1 … 10, those
// above it exactly 0, and each example takes 2·(level + 1) draws.
TEST_P(InitValueAtLevel, KeepsItsInvariantAndConsumesTwoDrawsPerHarmonic) {
    LoadedForm run;
    Form& f = run.form;
    f.lebel = Int16(GetParam());
    for (int example = 0; example < 200; ++example) {
        SCOPED_TRACE(example);
        RandomSource expected = f.rnd;
        for (int d = 0; d < 2 * (GetParam() + 1); ++d) {
            expected.next();
        }
        init_value(f);
        EXPECT_EQ(f.rnd.state(), expected.state());
        for (int i = 0; i <= 4; ++i) {
            const double a = f.ex_a(i).as_double();
            const int b = f.ex_b(i).value();
            if (i <= GetParam()) {
                EXPECT_EQ(f.ex_a(i).type(), Value::Type::single);
                EXPECT_TRUE(a >= 1 && a <= 10 && a == static_cast<int>(a)) << i << ": " << a;
                EXPECT_TRUE(b >= 1 && b <= 10) << i << ": " << b;
            } else {
                EXPECT_EQ(f.ex_a(i), Value(Int16(0))) << i;
                EXPECT_EQ(b, 0) << i;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, InitValueAtLevel, ::testing::Range(1, 5), testing::LevelName{});

TEST(GetEx, DrawsTheAxisThenOnePointAndOneHundredFiftySegments) {
    LoadedForm run;
    const auto picture = run.canvas({"campus_ex"}).picture();
    ASSERT_EQ(picture.size(), 1u + 1u + 150u);
    EXPECT_EQ(picture[0], (DrawCall{DrawCall::Kind::line,
                                    {0, 0},
                                    {6.2831802f, 0},
                                    colours::black,
                                    colours::black,
                                    FillStyle::transparent}));
    // At θ = 0 every sine vanishes and every cosine is 1: y = a0 + a1 = 8 + 6.
    EXPECT_EQ(picture[1].kind, DrawCall::Kind::point);
    EXPECT_EQ(picture[1].a, (PointF{0.0f, 14.0f}));
    for (std::size_t i = 2; i < picture.size(); ++i) {
        ASSERT_EQ(picture[i].kind, DrawCall::Kind::line) << i;
        ASSERT_EQ(picture[i].a, picture[i - 1].b) << "segments join at sample " << i;
        ASSERT_LT(picture[i - 1].b.x, picture[i].b.x) << i;
        ASSERT_EQ(picture[i].fore, colours::black) << i;
    }
    const float last = picture.back().b.x;
    EXPECT_LT(last, 6.2831802f);
    EXPECT_GT(last, 6.2831802f - 0.0418879f / 2.0f);
}

}  // namespace
}  // namespace quorvel
