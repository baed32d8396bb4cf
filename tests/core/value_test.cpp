#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

#include "case_name.h"
#include "comma_locale.h"
#include "fixed_array.h"
#include "int16.h"
#include "number_text.h"
#include "runtime_fault.h"
#include "single.h"
#include "value.h"

namespace quorvel {
namespace {

using Type = Value::Type;

struct PromotionCase {
    const char* name;
    Value a;
    Value b;
    Type sum_type;
    double sum;
};

class ValuePromotion : public ::testing::TestWithParam<PromotionCase> {};

TEST_P(ValuePromotion, SumKeepsTheWiderTypeAndValue) {
    const PromotionCase& c = GetParam();
    const Value sum = c.a + c.b;
    EXPECT_EQ(sum.type(), c.sum_type);
    EXPECT_EQ(sum.as_double(), c.sum);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValuePromotion,
    ::testing::Values(
        PromotionCase{"empty_plus_empty_is_integer_zero", Value(), Value(), Type::int16, 0.0},
        PromotionCase{"empty_counts_as_zero", Value(), Value(Int16(7)), Type::int16, 7.0},
        PromotionCase{"true_counts_as_minus_one", Value(true), Value(Int16(3)), Type::int16, 2.0},
        PromotionCase{"integer_and_single_give_single", Value(Int16(2)), Value(0.5f), Type::single,
                      2.5},
        PromotionCase{"single_and_double_give_double", Value(0.1f), Value(0.25), Type::double_,
                      static_cast<double>(0.1f) + 0.25},
        PromotionCase{"integer_and_double_give_double", Value(Int16(10)), Value(1.5), Type::double_,
                      11.5}),
    testing::CaseName{});

TEST(Value, ProductOfSingleAndIntegerIsRoundedInThirtyTwoBits) {
    const float r = 0.1f;
    const Value p = Value(r) * Value(Int16(10));
    ASSERT_EQ(p.type(), Type::single);
    EXPECT_EQ(p.as_single(), r * 10.0f);
}

TEST(Value, WholePartFloorsAndKeepsTheType) {
    EXPECT_EQ(Value(3.99f).whole_part(), Value(3.0f));
    EXPECT_EQ(Value(-0.5).whole_part(), Value(-1.0));
    EXPECT_EQ(Value(Int16(-4)).whole_part(), Value(Int16(-4)));
}

TEST(Value, TextForms) {
    EXPECT_EQ(Value().text(), "");
    EXPECT_EQ(Value(Int16(-3)).text(), "-3");
    EXPECT_EQ(Value(10.0f).text(), "10");
    EXPECT_EQ(Value(true).text(), "True");
    EXPECT_EQ(Value(0.1).text(), "0.1");
}

TEST(Value, IntegerArithmeticOverflowsLikeSixteenBits) {
    EXPECT_THROW(Value(Int16(32767)) + Value(Int16(1)), RuntimeFault);
    EXPECT_THROW((void)Value(40000.0).as_int16(), RuntimeFault);
    EXPECT_THROW((void)Value(1e39).as_single(), RuntimeFault);
}

TEST(Int16, ArithmeticFaultsOutsideSixteenBits) {
    EXPECT_EQ((Int16(32766) + Int16(1)).value(), 32767);
    EXPECT_EQ((Int16(-32767) - Int16(1)).value(), -32768);
    const auto overflow = [](auto op) {
        try {
            op();
        } catch (const RuntimeFault& f) {
            return f.kind() == FaultKind::overflow;
        }
        return false;
    };
    EXPECT_TRUE(overflow([] { return Int16(32767) + Int16(1); }));
    EXPECT_TRUE(overflow([] { return Int16(-32768) - Int16(1); }));
    EXPECT_TRUE(overflow([] { return Int16(200) * Int16(200); }));
    EXPECT_TRUE(overflow([] { return -Int16(-32768); }));
}

TEST(FixedArray, IndexOutsideItsBoundsIsASubscriptFault) {
    FixedArray<float, 0, 50> samples;
    samples(50) = 1.0f;
    EXPECT_EQ(samples(Int16(50)), 1.0f);
    for (int bad : {-1, 51}) {
        try {
            (void)samples(bad);
            ADD_FAILURE() << "index " << bad << " was accepted";
        } catch (const RuntimeFault& f) {
            EXPECT_EQ(f.kind(), FaultKind::subscript_out_of_range) << bad;
        }
    }
}

TEST(Single, StoringOutOfRangeOrInvalidIsAFault) {
    EXPECT_EQ(to_single(0.5), 0.5f);
    EXPECT_THROW((void)to_single(std::numeric_limits<double>::max()), RuntimeFault);
    EXPECT_THROW((void)to_single(std::numeric_limits<double>::quiet_NaN()), RuntimeFault);
    EXPECT_THROW((void)divide_single(1.0f, 0.0f), RuntimeFault);
}

struct TextCase {
    const char* name;
    Value value;
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}

class NumberText : public ::testing::TestWithParam<TextCase> {};

// Integers in plain decimal; floats as the shortest decimal with at most 7 (32-bit) or 15
// (64-bit) significant digits and a point, in exponent form only for extreme values.
TEST_P(NumberText, ShortestDecimalWithAPoint) {
    EXPECT_EQ(GetParam().value.text(), GetParam().text);
}

// The window takes its locale from the environment; a comma there must not reach the text.
TEST_P(NumberText, IsTheSameUnderACommaLocale) {
    const testing::CommaLocale comma;
    ASSERT_TRUE(comma.active()) << "the locale " << testing::comma_locale_name
                                << " is missing: scripts/setup.sh generates it";
    EXPECT_EQ(GetParam().value.text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberText,
    ::testing::Values(
        TextCase{"zero", Value(0.0f), "0"}, TextCase{"negative_zero", Value(-0.0f), "0"},
        TextCase{"whole", Value(3.0f), "3"}, TextCase{"fifty", Value(50.0f), "50"},
        TextCase{"quarter", Value(0.25f), "0.25"},
        TextCase{"four_decimals_negative", Value(-0.1235f), "-0.1235"},
        TextCase{"just_below_two_and_a_half", Value(2.4999f), "2.4999"},
        TextCase{"just_below_eight", Value(7.9999f), "7.9999"},
        TextCase{"smallest_step", Value(-0.0001f), "-0.0001"},
        TextCase{"d_theta", Value(0.12566361f), "0.1256636"},
        TextCase{"end_of_the_range", Value(6.2831802f), "6.28318"},
        TextCase{"large", Value(12345678.0f), "1.234568E+07"},
        TextCase{"seven_nines", Value(9999999.0f), "9999999"},
        TextCase{"ten_million", Value(1e7f), "1E+07"},
        TextCase{"tiny_in_fixed_form", Value(1e-9f), "0.000000001"},
        TextCase{"tiny_negative_in_exponent_form", Value(-1.5e-10f), "-1.5E-10"},
        TextCase{"double_tenth", Value(0.1), "0.1"},
        TextCase{"double_third", Value(1.0 / 3.0), "0.333333333333333"},
        TextCase{"double_end_of_the_range", Value(6.2831802368164062), "6.28318023681641"},
        TextCase{"double_fifteen_digits", Value(123456789012345.0), "123456789012345"},
        TextCase{"double_large", Value(1e15), "1E+15"},
        TextCase{"double_largest", Value(std::numeric_limits<double>::max()),
                 "1.79769313486232E+308"},
        TextCase{"double_negative_zero", Value(-0.0), "0"},
        TextCase{"integer_negative", Value(Int16(-3)), "-3"},
        TextCase{"integer_lowest", Value(Int16(-32768)), "-32768"},
        TextCase{"integer_highest", Value(Int16(32767)), "32767"},
        TextCase{"infinity", Value(-std::numeric_limits<double>::infinity()), "-Infinity"}),
    testing::CaseName{});

}  // namespace
}  // namespace quorvel
