#include "spin_ranges.h"

#include <array>

#include "number_text.h"

namespace quorvel {
namespace {

int whole(const Value& v) {
    return v.as_int16().value();
}

// Each row mirrors the bound tests of its SpinUp and SpinDown handlers.
struct RangeRow {
    ControlName spin;
    SpinRange (*range)(const FormState&);
};

SpinRange level(const FormState& s) {
    return {1, s.max_order.value(), 1};
}
SpinRange order(const FormState& s) {
    return {0, whole(s.n_max), 1};
}
SpinRange rectangles(const FormState& s) {
    return {10, s.div_k_max.value(), 10};
}
SpinRange constant_term(const FormState& s) {
    return {-whole(s.coef_max), whole(s.coef_max), 1};
}
SpinRange harmonic(const FormState& s) {
    return {0, whole(s.coef_max), 1};
}

constexpr auto rows = std::to_array<RangeRow>({
    {{"Spin_lebel"}, level},
    {{"Spin_n"}, order},
    {{"Spin_k"}, rectangles},
    {{"Spin_a0"}, constant_term},
    {{"Spin_a1"}, harmonic},
    {{"Spin_a2"}, harmonic},
    {{"Spin_a3"}, harmonic},
    {{"Spin_a4"}, harmonic},
    {{"Spin_b1"}, harmonic},
    {{"Spin_b2"}, harmonic},
    {{"Spin_b3"}, harmonic},
    {{"Spin_b4"}, harmonic},
});

}  // namespace

std::optional<SpinRange> spin_range(const FormState& state, ControlName spin) {
    for (const RangeRow& row : rows) {
        if (row.spin == spin) {
            return row.range(state);
        }
    }
    return std::nullopt;
}

SpinRangeOf spin_ranges(const FormState& state) {
    return [&state](ControlName spin) { return spin_range(state, spin); };
}

FormNumberOf form_numbers(const FormState& state) {
    return [&state](std::string_view name) -> std::optional<std::string> {
        if (name == "coef_max") {
            return state.coef_max.text();
        }
        if (name == "pi") {
            return text_of(state.pi);
        }
        return std::nullopt;
    };
}

}  // namespace quorvel
