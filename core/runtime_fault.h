#pragma once

#include <stdexcept>
#include <string>

namespace quorvel {

// A fault raised by the arithmetic or an array bound. It abandons the rest of the
// handler that raised it; whatever the handler wrote before stays written.
enum class FaultKind { overflow, subscript_out_of_range, division_by_zero, invalid_operation };

class RuntimeFault : public std::runtime_error {
  public:
    explicit RuntimeFault(FaultKind kind) : std::runtime_error(describe(kind)), kind_(kind) {}

    FaultKind kind() const { return kind_; }

    static std::string describe(FaultKind kind) {
        switch (kind) {
            case FaultKind::overflow:
                return "Overflow";
            case FaultKind::subscript_out_of_range:
                return "Subscript out of range";
            case FaultKind::division_by_zero:
                return "Division by zero";
            case FaultKind::invalid_operation:
                return "Invalid floating-point operation";
        }
        return "Runtime fault";
    }

  private:
    FaultKind kind_;
};

// What the window tells the student when a fault stopped a handler: every shell shows
// this same text.
inline std::string fault_message(const RuntimeFault& fault) {
    return std::string("This action was stopped part-way: ") + fault.what() +
           ". The window keeps what was drawn; you can carry on.";
}

}  // namespace quorvel
