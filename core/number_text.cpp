#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>
#include <string>
#include <string_view>

namespace quorvel {
namespace {

// Both conversions go through string streams in the classic "C" locale, whatever the
// process's: the window takes its locale from the environment, and under a comma locale
// printf would write "7,9999e+00" and strtod would stop at the point. std::to_chars and
// std::from_chars would serve natively, but the web build's standard library has neither
// for floating point. A stream formats as printf's %e and reads as strtod, in the C locale.

int read_exponent(std::string_view s) {
    if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);  // from_chars takes a minus sign only
    }
    int v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

template <typename Float>
int shortest_digits(Float v, int max_digits) {
    for (int d = 1; d < max_digits; ++d) {
        if (static_cast<Float>(read_decimal(scientific_text(static_cast<double>(v), d))) == v) {
            return d;
        }
    }
    return max_digits;
}

// "E+07", "E-12": the exponent with its sign and at least two digits.
std::string exponent_text(int exponent) {
    std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 2) {
        digits.insert(0, 1, '0');
    }
    return std::string("E") + (exponent < 0 ? '-' : '+') + digits;
}

// Lays out `digits` significant digits of v (already rounded) in fixed or exponent form.
std::string layout(double v, int digits, int max_digits) {
    const std::string sci = scientific_text(std::fabs(v), digits);
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
    const int exponent = read_exponent(std::string_view(sci).substr(e_pos + 1));
    std::string out = v < 0 ? "-" : "";
    const int n = static_cast<int>(mantissa.size());
    if (exponent >= max_digits || exponent < -(max_digits + 2)) {
        out += mantissa.substr(0, 1);
        if (n > 1) {
            out.append(".").append(mantissa, 1);
        }
        return out + exponent_text(exponent);
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

// Digits of v to `digits` significant places, as scientific text "d.ddde±xx".
std::string scientific_text(double v, int digits) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::scientific << std::setprecision(digits - 1) << v;
    return out.str();
}

// A text beyond the largest double reads as infinity, as strtod reads it (a stream gives
// the largest double instead, or infinity, depending on the library).
double read_decimal(const std::string& s) {
    std::istringstream in(s);
    in.imbue(std::locale::classic());
    double v = 0.0;
    in >> v;
    if (in.fail() && std::fabs(v) == std::numeric_limits<double>::max()) {
        return std::copysign(std::numeric_limits<double>::infinity(), v);
    }
    return v;
}

std::string fixed_text(double v, int decimals) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::fixed << std::setprecision(decimals) << v;
    return out.str();
}

std::string text_of(Int16 v) {
    char buf[8];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v.value()).ptr);
}
std::string text_of(float v) {
    return float_text(v, 7);
}
std::string text_of(double v) {
    return float_text(v, 15);
}

}  // namespace quorvel
