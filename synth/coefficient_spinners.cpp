#include "coefficient_spinners.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "form.h"
#include "harmonic_plots.h"
#include "number_text.h"
#include "spectrum_graph.h"
#include "synthesized_wave.h"

namespace quorvel {
namespace {

enum class Term { cosine, sine };
enum class Press { up, down };

// What differs between the nine spinners; one press procedure serves them all.
struct Spinner {
    std::string_view name;
    Term term;
    int index;
};

constexpr std::array<Spinner, 9> spinners{{
    {"Spin_a0", Term::cosine, 0},
    {"Spin_a1", Term::cosine, 1},
    {"Spin_a2", Term::cosine, 2},
    {"Spin_a3", Term::cosine, 3},
    {"Spin_a4", Term::cosine, 4},
    {"Spin_b1", Term::sine, 1},
    {"Spin_b2", Term::sine, 2},
    {"Spin_b3", Term::sine, 3},
    {"Spin_b4", Term::sine, 4},
}};

// a0 may go down to -coef_max; every other coefficient stops at 0.
void step_cosine(Form& f, int index, Press press) {
    Value& v = f.sim_a(index);
    const Value one(Int16(1));
    if (press == Press::up) {
        if (numerically_less(v, f.coef_max)) {
            v = v + one;
        }
    } else if (index == 0) {
        if (numerically_less(-f.coef_max, v)) {
            v = v - one;
        }
    } else if (!numerically_less(v, one)) {
        v = v - one;
    }
    f.value_a(index).Caption(v.text());
    if (index == 0) {
        get_const(f);
    } else {
        get_curve_a(f, Value(Int16(index)));
    }
}

void step_sine(Form& f, int index, Press press) {
    Int16& v = f.sim_b(index);
    if (press == Press::up) {
        if (numerically_less(Value(v), f.coef_max)) {
            v = v + Int16(1);
        }
    } else if (v >= Int16(1)) {
        v = v - Int16(1);
    }
    f.value_b(index).Caption(text_of(v));
    get_curve_b(f, Value(Int16(index)));
}

// A press at a bound leaves the value but still rewrites the label and redraws.
void press_spinner(Form& f, const Spinner& s, Press press) {
    if (s.term == Term::cosine) {
        step_cosine(f, s.index, press);
    } else {
        step_sine(f, s.index, press);
    }
    get_curve(f);
    get_graph(f);
}

template <std::size_t Row, Press P>
void spin_handler(Form& f) {
    press_spinner(f, spinners[Row], P);
}

template <std::size_t... Rows>
std::array<EventEntry, 2 * sizeof...(Rows)> make_events(std::index_sequence<Rows...>) {
    static const std::array<std::string, 2 * sizeof...(Rows)> names{
        (std::string(spinners[Rows].name) + "_SpinUp")...,
        (std::string(spinners[Rows].name) + "_SpinDown")...};
    return {EventEntry{names[Rows], &spin_handler<Rows, Press::up>}...,
            EventEntry{names[sizeof...(Rows) + Rows], &spin_handler<Rows, Press::down>}...};
}

}  // namespace

std::span<const EventEntry> coefficient_spin_events() {
    static const auto events = make_events(std::make_index_sequence<spinners.size()>{});
    return events;
}

}  // namespace quorvel
