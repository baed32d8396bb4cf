#include "state_json.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>

#include "exercise_code.h"
#include "json_text.h"
#include "number_text.h"

namespace quorvel {
namespace {

// The shortest decimal form that reads back to the same double, fixed or scientific,
// whichever is shorter (fixed on a tie): the bytes std::to_chars writes, made with the
// C-locale conversions of the number text, since not every standard library a shell is
// built with has a floating-point to_chars, and printf follows the process's locale.
std::string shortest(double d) {
    std::string scientific;
    for (int digits = 1; digits <= 17; ++digits) {
        scientific = scientific_text(d, digits);
        if (read_decimal(scientific) == d) {
            const int exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);
            const std::string fixed = fixed_text(d, std::max(0, digits - 1 - exponent));
            return fixed.size() <= scientific.size() ? fixed : scientific;
        }
    }
    return scientific;
}

// A JSON number: a whole number below 2^53 in plain digits (so -0 is "0"), anything else
// in the shortest form that reads back to the same double.
std::string number(double d) {
    if (!std::isfinite(d)) {
        return "null";
    }
    if (std::trunc(d) == d && std::fabs(d) < 9007199254740992.0) {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(d));
        return {buffer, end.ptr};
    }
    return shortest(d);
}

std::string string(std::string_view s) {
    std::string out;
    append_json_string(out, s);
    return out;
}

std::string boolean(bool b) {
    return b ? "true" : "false";
}

std::string json_of(Int16 v) {
    return number(v.value());
}

std::string json_of(float v) {
    return number(static_cast<double>(v));
}

std::string json_of(const Value& v) {
    switch (v.type()) {
        case Value::Type::empty:
            return "null";
        case Value::Type::boolean:
            return boolean(v.as_bool());
        case Value::Type::int16:
        case Value::Type::single:
        case Value::Type::double_:
            break;
    }
    return number(v.as_double());
}

template <typename Each>
std::string array_of(int lower, int upper, Each&& each) {
    std::string out = "[";
    for (int i = lower; i <= upper; ++i) {
        if (i > lower) {
            out += ',';
        }
        out += each(i);
    }
    return out + ']';
}

template <typename Array>
std::string json_of_array(const Array& items) {
    return array_of(Array::lower, Array::upper, [&](int i) { return json_of(items(i)); });
}

// The code of the exercise on the form, or null at a level no code can carry.
std::string exercise_of(const Form& form) {
    const auto code = exercise_code({form.lebel.value(), form.example_drawn_from});
    return code ? string(*code) : "null";
}

std::string captions(const ControlArray<Label>& labels) {
    return array_of(0, 4, [&](int i) { return string(labels(i).caption_text()); });
}

std::string visibility(const ControlArray<Label>& labels) {
    return array_of(0, 4, [&](int i) { return boolean(labels(i).is_visible()); });
}

}  // namespace

std::string state_json(const Form& form, std::string_view event, const RuntimeFault* fault) {
    // Ordered by key, as JSON readers that sort their keys write them back.
    std::map<std::string_view, std::string> fields{
        {"value_lebel", string(form.value_lebel.caption_text())},
        {"value_n", string(form.value_n.caption_text())},
        {"value_k", string(form.value_k.caption_text())},
        {"value_s", string(form.value_s.caption_text())},
        {"y_axis", string(form.y_axis.caption_text())},
        {"value_a", captions(form.value_a)},
        {"value_b", captions(form.value_b)},
        {"ans_a", captions(form.ans_a)},
        {"ans_b", captions(form.ans_b)},
        {"ans_a_visible", visibility(form.ans_a)},
        {"ans_b_visible", visibility(form.ans_b)},
        {"switch_c", boolean(form.switch_c.is_selected())},
        {"switch_s", boolean(form.switch_s.is_selected())},
        {"lebel", json_of(form.lebel)},
        {"ess_n", json_of(form.ess_n)},
        {"div_k", json_of(form.div_k)},
        {"d_theta", json_of(form.d_theta)},
        {"s_over_t", json_of(form.s_over_t)},
        {"cos_mode", json_of(form.cos_mode)},
        {"ans_shown", json_of(form.ans_shown)},
        {"ex_a", json_of_array(form.ex_a)},
        {"ex_b", json_of_array(form.ex_b)},
        {"sim_a", json_of_array(form.sim_a)},
        {"sim_b", json_of_array(form.sim_b)},
        {"exercise", exercise_of(form)},
        {"event", string(event)},
    };
    if (fault != nullptr) {
        fields.emplace("fault", string(fault->what()));
    }
    std::string out = "{";
    // Appended piece by piece: "," + string trips a false -Wrestrict at -O3.
    for (const auto& [key, value] : fields) {
        if (out.size() > 1) {
            out += ',';
        }
        out += string(key);
        out += ':';
        out += value;
    }
    return out + '}';
}

}  // namespace quorvel
