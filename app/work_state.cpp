#include "work_state.h"

#include <array>
#include <string>

#include "dispatch.h"
#include "exercise_opening.h"
#include "form.h"
#include "spin_ranges.h"

namespace quorvel {
namespace {

constexpr std::array<std::string_view, 9> trial_spins{"Spin_a0", "Spin_a1", "Spin_a2",
                                                      "Spin_a3", "Spin_a4", "Spin_b1",
                                                      "Spin_b2", "Spin_b3", "Spin_b4"};

int trial_value(const Form& f, std::size_t i) {
    return i <= 4 ? f.sim_a(static_cast<int>(i)).as_int16().value()
                  : f.sim_b(static_cast<int>(i) - 4).value();
}

// Presses a spin button until `value` reads `target`. Every press moves the value one step
// or, at a bound, not at all, so the presses stop after the range's length at the most.
template <typename Value>
void spin_to(Form& f, std::string_view spin, int target, Value value) {
    const std::string up = std::string(spin) + "_SpinUp";
    const std::string down = std::string(spin) + "_SpinDown";
    for (int presses = 0; value() != target && presses < 1000; ++presses) {
        dispatch(f, value() < target ? up : down);
    }
}

}  // namespace

Work work_of(const Form& f) {
    Work work{
        .exercise = current_exercise(f),
        .n = f.ess_n.value(),
        .cosine = f.cos_mode.as_bool(),
        .k = f.div_k.value(),
        .answers_shown = f.ans_shown != Int16(0),
        .calc_pressed = !f.value_s.caption_text().empty(),
    };
    for (std::size_t i = 0; i < trial_spins.size(); ++i) {
        work.trial[i] = trial_value(f, i);
    }
    return work;
}

std::variant<Work, WorkError> read_work(std::string_view text, const Form& f) {
    return read_work_text(text, spin_ranges(f));
}

void restore_work(Form& f, const Work& work) {
    start_exercise(f, work.exercise);
    // sin needs n of 1 or more when it is chosen; n may then come down to 0 with sin kept.
    if (!work.cosine && f.ess_n == Int16(0)) {
        dispatch(f, "Spin_n_SpinUp");
    }
    dispatch(f, work.cosine ? "switch_c_Click" : "switch_s_Click");
    spin_to(f, "Spin_n", work.n, [&f] { return f.ess_n.value(); });
    spin_to(f, "Spin_k", work.k, [&f] { return f.div_k.value(); });
    if (work.calc_pressed) {
        dispatch(f, "Command3_Click");
    }
    for (std::size_t i = 0; i < trial_spins.size(); ++i) {
        spin_to(f, trial_spins[i], work.trial[i], [&f, i] { return trial_value(f, i); });
    }
    if (work.answers_shown) {
        dispatch(f, "Command4_Click");
    }
}

}  // namespace quorvel
