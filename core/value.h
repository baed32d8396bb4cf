#pragma once

#include <string>
#include <variant>

#include "int16.h"

namespace quorvel {

// The generic value: empty, a Boolean, a 16-bit integer, a 32-bit float or a 64-bit float.
// Arithmetic keeps the wider operand type (empty and Boolean count as 16-bit integers,
// empty as 0, True as -1); its text is the shortest decimal form, "" when empty.
class Value {
  public:
    enum class Type { empty, boolean, int16, single, double_ };

    Value() = default;
    explicit Value(bool b) : v_(b) {}
    Value(Int16 i) : v_(i) {}  // NOLINT: a whole number is a natural generic value
    explicit Value(float f) : v_(f) {}
    explicit Value(double d) : v_(d) {}

    Type type() const { return static_cast<Type>(v_.index()); }

    double as_double() const;
    float as_single() const;  // overflow fault when a 64-bit value does not fit
    Int16 as_int16() const;   // rounds half to even; overflow fault outside 16 bits
    bool as_bool() const { return as_double() != 0.0; }

    // The whole part: the largest whole number not above the value, in the same type.
    Value whole_part() const;
    std::string text() const;

    friend Value operator+(const Value& a, const Value& b);
    friend Value operator-(const Value& a, const Value& b);
    friend Value operator*(const Value& a, const Value& b);
    Value operator-() const;

    // Same type and same value.
    friend bool operator==(const Value& a, const Value& b) = default;

  private:
    std::variant<std::monostate, bool, Int16, float, double> v_;
};

// Numeric comparison whatever the operand types.
inline bool numerically_less(const Value& a, const Value& b) {
    return a.as_double() < b.as_double();
}

}  // namespace quorvel
