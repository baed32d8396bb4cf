#include "number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace quorvel {
namespace {

// Digits of |v| to `digits` significant places, as scientific text "d.ddde±x".
std::string scientific(double v, int digits) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, v);
    return buf;
}

template <typename Float>
int shortest_digits(Float v, int max_digits) {
    for (int d = 1; d < max_digits; ++d) {
        const std::string s = scientific(static_cast<double>(v), d);
        if (static_cast<Float>(std::strtod(s.c_str(), nullptr)) == v) {
            return d;
        }
    }
    return max_digits;
}

// Lays out `digits` significant digits of v (already rounded) in fixed or exponent form.
std::string layout(double v, int digits, int max_digits) {
    const std::string sci = scientific(std::fabs(v), digits);
    const auto e_pos = sci.find('e');
    std::string mantissa;
    for (char c : sci.substr(0, e_pos)) {
        if (c != '.') {
            mantissa += c;
        }
    }
    while (mantissa.size() > 1 && mantissa.back() == '0') {
        mantissa.pop_back();
    }
    const int exponent = std::atoi(sci.c_str() + e_pos + 1);
    std::string out = v < 0 ? "-" : "";
    const int n = static_cast<int>(mantissa.size());
    if (exponent >= max_digits || exponent < -(max_digits + 2)) {
        out += mantissa.substr(0, 1);
        if (n > 1) {
            out.append(".").append(mantissa, 1);
        }
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return out + e;
    }
    if (exponent < 0) {
        out.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0');
        return out.append(mantissa);
    }
    if (n <= exponent + 1) {
        return out + mantissa + std::string(static_cast<std::size_t>(exponent + 1 - n), '0');
    }
    const auto point = static_cast<std::size_t>(exponent + 1);
    return out.append(mantissa, 0, point).append(".").append(mantissa, point);
}

template <typename Float>
std::string float_text(Float v, int max_digits) {
    if (v == 0) {
        return "0";  // negative zero reads as plain 0
    }
    if (std::isnan(v)) {
        return "NaN";
    }
    if (std::isinf(v)) {
        return v < 0 ? "-Infinity" : "Infinity";
    }
    return layout(static_cast<double>(v), shortest_digits(v, max_digits), max_digits);
}

}  // namespace

std::string text_of(Int16 v) {
    return std::to_string(v.value());
}
std::string text_of(float v) {
    return float_text(v, 7);
}
std::string text_of(double v) {
    return float_text(v, 15);
}

}  // namespace quorvel
