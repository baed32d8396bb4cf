#include "value.h"

#include <algorithm>
#include <cmath>

#include "number_text.h"
#include "single.h"

namespace quorvel {
namespace {

Value::Type arithmetic_type(const Value& a, const Value& b) {
    return std::max({a.type(), b.type(), Value::Type::int16});
}

template <typename IntOp, typename FloatOp>
Value combine(const Value& a, const Value& b, IntOp int_op, FloatOp float_op) {
    switch (arithmetic_type(a, b)) {
        case Value::Type::single:
            return Value(checked_single(float_op(a.as_single(), b.as_single())));
        case Value::Type::double_:
            return Value(checked_double(float_op(a.as_double(), b.as_double())));
        default:
            return Value(int_op(a.as_int16(), b.as_int16()));
    }
}

}  // namespace

double Value::as_double() const {
    switch (type()) {
        case Type::empty:
            return 0.0;
        case Type::boolean:
            return std::get<bool>(v_) ? -1.0 : 0.0;
        case Type::int16:
            return std::get<Int16>(v_).value();
        case Type::single:
            return static_cast<double>(std::get<float>(v_));
        case Type::double_:
            return std::get<double>(v_);
    }
    return 0.0;
}

float Value::as_single() const {
    return type() == Type::single ? std::get<float>(v_) : to_single(as_double());
}

Int16 Value::as_int16() const {
    if (type() == Type::int16) {
        return std::get<Int16>(v_);
    }
    const double d = checked_double(as_double());
    const double r = std::nearbyint(d);  // the default rounding mode: half to even
    if (r < -32768.0 || r > 32767.0) {
        throw RuntimeFault(FaultKind::overflow);
    }
    return Int16(static_cast<int>(r));
}

Value Value::whole_part() const {
    switch (type()) {
        case Type::single:
            return Value(std::floor(std::get<float>(v_)));
        case Type::double_:
            return Value(std::floor(std::get<double>(v_)));
        default:
            return Value(as_int16());
    }
}

std::string Value::text() const {
    switch (type()) {
        case Type::empty:
            return "";
        case Type::boolean:
            return std::get<bool>(v_) ? "True" : "False";
        case Type::int16:
            return text_of(std::get<Int16>(v_));
        case Type::single:
            return text_of(std::get<float>(v_));
        case Type::double_:
            return text_of(std::get<double>(v_));
    }
    return "";
}

Value operator+(const Value& a, const Value& b) {
    return combine(
        a, b, [](Int16 x, Int16 y) { return x + y; }, [](auto x, auto y) { return x + y; });
}

Value operator-(const Value& a, const Value& b) {
    return combine(
        a, b, [](Int16 x, Int16 y) { return x - y; }, [](auto x, auto y) { return x - y; });
}

Value operator*(const Value& a, const Value& b) {
    return combine(
        a, b, [](Int16 x, Int16 y) { return x * y; }, [](auto x, auto y) { return x * y; });
}

Value Value::operator-() const {
    return Value(Int16(0)) - *this;
}

}  // namespace quorvel
