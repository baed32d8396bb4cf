#pragma once

#include <string_view>

#include "canvas.h"
#include "controls.h"

namespace quorvel {

// A control's name and, for an element of a control array, its index (-1 otherwise).
struct ControlName {
    std::string_view name;
    int index = -1;
    friend constexpr bool operator==(ControlName, ControlName) = default;
};

// What the logic needs from a window: its surfaces, labels, option buttons and frame,
// looked up by name once when the form is built.
class Ui {
  public:
    virtual ~Ui() = default;
    virtual Canvas& surface(ControlName name) = 0;
    virtual Label& label(ControlName name) = 0;
    virtual OptionButton& option(ControlName name) = 0;
    virtual WindowFrame& window() = 0;
};

}  // namespace quorvel
