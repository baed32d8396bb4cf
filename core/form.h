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

    // The example wave the student is to take apart.
    Canvas& campus_ex;
    // The simulate wave: the sum of the trial harmonics.
    Canvas& campus_sim;
    // The essential wave cos nθ or sin nθ.
    Canvas& campus_ess;
    // The product of the example and the essential wave, with CALC's rectangles.
    Canvas& campus_sqr;
    // The "Spectol" bar chart of the trial coefficients.
    Canvas& campus_graph;
    // One plot per trial cosine term a_i cos iθ (a0 as a constant line).
    ControlArray<Canvas> campus_a;
    // One plot per trial sine term b_i sin iθ; campus_b(0) is never shown.
    ControlArray<Canvas> campus_b;

    // The level.
    Label& value_lebel;
    // n of the essential wave.
    Label& value_n;
    // k, the number of rectangles.
    Label& value_k;
    // The mean S/T after CALC, empty once the waves it came from change.
    Label& value_s;
    // The top of the spectrum's scale.
    Label& y_axis;
    // The trial coefficients a0 … a4.
    ControlArray<Label> value_a;
    // The trial coefficients b1 … b4; value_b(0) sits in the hidden frame.
    ControlArray<Label> value_b;
    // The example's true a0 … a4, shown once ANS is pressed.
    ControlArray<Label> ans_a;
    // The example's true b1 … b4, shown once ANS is pressed; ans_b(0) is never shown.
    ControlArray<Label> ans_b;

    // Chooses cos nθ for the essential wave.
    OptionButton& switch_c;
    // Chooses sin nθ (only for n of 1 or more).
    OptionButton& switch_s;

    // The window itself: its height, and where it lies on the screen.
    WindowFrame& window;
};

}  // namespace quorvel
