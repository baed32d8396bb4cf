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

}  // namespace quorvel
