#pragma once

#include <string>
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

// "campus_a(1)" for an element of a control array, the plain name otherwise.
inline std::string full_name(ControlName name) {
    std::string out(name.name);
    if (name.index >= 0) {
        // Appended piece by piece: "(" + string trips a false -Wrestrict at -O3.
        out += '(';
        out += std::to_string(name.index);
        out += ')';
    }
    return out;
}

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
