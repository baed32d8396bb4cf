#include "range_prose.h"

#include <stdexcept>

namespace quorvel {
namespace {

std::string number_text(int n, std::string_view minus) {
    if (n >= 0) {
        return std::to_string(n);
    }
    return std::string(minus) + std::to_string(-static_cast<long>(n));
}

// The number one placeholder ("Spin_k.max", "max" or "coef_max", without its braces)
// stands for, as text.
std::string number_of_placeholder(std::string_view placeholder, const SpinRangeOf& range_of,
                                  std::string_view minus, ControlName own,
                                  const FormNumberOf& number_of) {
    const auto dot = placeholder.find('.');
    const bool qualified = dot != std::string_view::npos;
    const ControlName spin = qualified ? ControlName{placeholder.substr(0, dot)} : own;
    const std::string_view bound = qualified ? placeholder.substr(dot + 1) : placeholder;
    const std::optional<SpinRange> range = spin.name.empty() ? std::nullopt : range_of(spin);
    if (range && bound == "min") {
        return number_text(range->minimum, minus);
    }
    if (range && bound == "max") {
        return number_text(range->maximum, minus);
    }
    if (range && bound == "step") {
        return number_text(range->step, minus);
    }
    if (!qualified && number_of) {
        if (std::optional<std::string> held = number_of(placeholder)) {
            return *held;
        }
    }
    throw std::logic_error("no spin button's bound or form number for {" +
                           std::string(placeholder) + "} in " +
                           (own.name.empty() ? std::string("a text") : full_name(own)));
}

}  // namespace

std::string with_ranges(std::string_view prose, const SpinRangeOf& range_of, std::string_view minus,
                        ControlName own, const FormNumberOf& number_of) {
    std::string out;
    for (auto open = prose.find('{'); open != std::string_view::npos; open = prose.find('{')) {
        const auto close = prose.find('}', open);
        if (close == std::string_view::npos) {
            throw std::logic_error("unclosed placeholder in: " + std::string(prose));
        }
        out += prose.substr(0, open);
        out += number_of_placeholder(prose.substr(open + 1, close - open - 1), range_of, minus, own,
                                     number_of);
        prose.remove_prefix(close + 1);
    }
    out += prose;
    return out;
}

}  // namespace quorvel
