#pragma once

#include <array>
#include <string_view>

#include "canvas.h"
#include "controls.h"
#include "form_state.h"
#include "int16.h"
#include "runtime_fault.h"
#include "ui.h"

namespace quorvel {

// Elements 0 … highest_harmonic of a control array; an index outside them is a subscript fault.
template <typename Control>
class ControlArray {
  public:
    ControlArray(std::array<Control*, highest_harmonic + 1> items) : items_(items) {}  // NOLINT

    Control& operator()(int i) const {
        if (i < 0 || i > highest_harmonic) {
            throw RuntimeFault(FaultKind::subscript_out_of_range);
        }
        return *items_[static_cast<std::size_t>(i)];
    }
    Control& operator()(Int16 i) const { return (*this)(i.value()); }

  private:
    std::array<Control*, highest_harmonic + 1> items_;
};

// The one form object: the variables of the run and the controls the procedures reach.
// Procedures and handlers are free functions over it, one file per job in each subsystem.
class Form : public FormState {
  public:
    explicit Form(Ui& ui);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Canvas& campus_ex;
    Canvas& campus_sim;
    Canvas& campus_ess;
    Canvas& campus_sqr;
    Canvas& campus_graph;
    ControlArray<Canvas> campus_a;
    ControlArray<Canvas> campus_b;

    Label& value_lebel;
    Label& value_n;
    Label& value_k;
    Label& value_s;
    Label& y_axis;
    ControlArray<Label> value_a;
    ControlArray<Label> value_b;
    ControlArray<Label> ans_a;
    ControlArray<Label> ans_b;

    OptionButton& switch_c;
    OptionButton& switch_s;

    WindowFrame& window;
};

}  // namespace quorvel
