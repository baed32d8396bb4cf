#pragma once

#include <array>
#include <cstddef>

#include "int16.h"
#include "runtime_fault.h"

namespace quorvel {

// An array with fixed bounds Lo … Hi; an index outside them raises a subscript fault.
template <typename T, int Lo, int Hi>
class FixedArray {
  public:
    static constexpr int lower = Lo;
    static constexpr int upper = Hi;

    T& operator()(int i) { return items_[slot(i)]; }
    const T& operator()(int i) const { return items_[slot(i)]; }
    T& operator()(Int16 i) { return (*this)(i.value()); }
    const T& operator()(Int16 i) const { return (*this)(i.value()); }

    friend bool operator==(const FixedArray&, const FixedArray&) = default;

  private:
    static std::size_t slot(int i) {
        if (i < Lo || i > Hi) {
            throw RuntimeFault(FaultKind::subscript_out_of_range);
        }
        return static_cast<std::size_t>(i - Lo);
    }

    std::array<T, Hi - Lo + 1> items_{};
};

}  // namespace quorvel
