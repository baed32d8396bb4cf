#pragma once

#include <string>

#include "int16.h"

namespace quorvel {

// The program's own number-to-text conversion: integers in plain decimal ("0", "-3"),
// floats as the shortest decimal text with at most 7 (32-bit) or 15 (64-bit) significant
// digits, a point as separator, no leading blank, exponent form only for extreme values.
std::string text_of(Int16 v);
std::string text_of(float v);
std::string text_of(double v);

// The conversions under them, in the C locale whatever the process's (a comma locale
// would write and expect "7,9999"): v to `digits` significant places as "d.ddde±xx", v to
// `decimals` places after the point, and a decimal text read back as strtod reads it.
std::string scientific_text(double v, int digits);
std::string fixed_text(double v, int decimals);
double read_decimal(const std::string& s);

}  // namespace quorvel
