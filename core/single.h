#pragma once

#include <cmath>
#include <limits>

#include "runtime_fault.h"

namespace quorvel {

// Storing a wider result into a 32-bit float: a value out of the float range is an
// overflow fault, a NaN an invalid operation; nothing is silently turned into infinity.
inline float to_single(double x) {
    if (std::isnan(x)) {
        throw RuntimeFault(FaultKind::invalid_operation);
    }
    const auto f = static_cast<float>(x);
    if (std::isinf(f)) {
        throw RuntimeFault(FaultKind::overflow);
    }
    return f;
}

// A 32-bit float result of 32-bit arithmetic, checked the same way.
inline float checked_single(float f) {
    if (std::isnan(f)) {
        throw RuntimeFault(FaultKind::invalid_operation);
    }
    if (std::isinf(f)) {
        throw RuntimeFault(FaultKind::overflow);
    }
    return f;
}

inline double checked_double(double d) {
    if (std::isnan(d)) {
        throw RuntimeFault(FaultKind::invalid_operation);
    }
    if (std::isinf(d)) {
        throw RuntimeFault(FaultKind::overflow);
    }
    return d;
}

inline float divide_single(float a, float b) {
    if (b == 0.0f) {
        throw RuntimeFault(a == 0.0f ? FaultKind::invalid_operation : FaultKind::division_by_zero);
    }
    return checked_single(a / b);
}

}  // namespace quorvel
