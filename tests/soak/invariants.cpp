#include "invariants.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>
#include <string>
#include <string_view>

#include "event_table.h"
#include "form.h"
#include "product_wave.h"
#include "spin_ranges.h"

namespace quorvel::testing {
namespace {

class Report {
  public:
    template <typename... Pieces>
    void add(const Pieces&... pieces) {
        std::ostringstream line;
        line.precision(9);
        (line << ... << pieces);
        lines_.push_back(line.str());
    }
    std::vector<std::string> take() { return std::move(lines_); }

  private:
    std::vector<std::string> lines_;
};

bool is_whole(double v) {
    return std::isfinite(v) && v == std::floor(v);
}

// Plain decimal text of a whole number, written independently of the program's own
// conversion so that a fault there shows up as a mismatch.
std::string decimal(double whole) {
    return std::to_string(static_cast<long long>(whole));
}

void check_constants(const Form& f, Report& r) {
    if (f.pi != 3.14159f) {
        r.add("pi = ", f.pi, ", expected 3.14159");
    }
    if (f.max_order != Int16(4) || f.periods != Int16(1) || f.div_k_max != Int16(50)) {
        r.add("max_order/periods/div_k_max = ", f.max_order.value(), "/", f.periods.value(), "/",
              f.div_k_max.value(), ", expected 4/1/50");
    }
    if (f.coef_max != Value(Int16(10)) || f.n_max != Value(Int16(4))) {
        r.add("coef_max/n_max = ", f.coef_max.text(), "/", f.n_max.text(),
              ", expected 16-bit 10/4");
    }
}

// Whether v lies within the range the spin button's handlers keep, on one of its steps.
bool within(const Form& f, ControlName spin, int v) {
    const SpinRange range = spin_range(f, spin).value();
    return v >= range.minimum && v <= range.maximum && (v - range.minimum) % range.step == 0;
}

// The range as a report writes it: "10..50 by 10".
std::string range_text(const Form& f, ControlName spin) {
    const SpinRange range = spin_range(f, spin).value();
    return std::to_string(range.minimum) + ".." + std::to_string(range.maximum) + " by " +
           std::to_string(range.step);
}

void check_settings(const Form& f, Report& r) {
    const int n = f.ess_n.value();
    const int level = f.lebel.value();
    const int k = f.div_k.value();
    if (!within(f, {"Spin_n"}, n)) {
        r.add("ess_n = ", n, " outside ", range_text(f, {"Spin_n"}));
    }
    if (!within(f, {"Spin_lebel"}, level)) {
        r.add("lebel = ", level, " outside ", range_text(f, {"Spin_lebel"}));
    }
    if (!within(f, {"Spin_k"}, k)) {
        r.add("div_k = ", k, " outside ", range_text(f, {"Spin_k"}));
    } else {
        const float step = (f.pi + f.pi) / static_cast<float>(k);
        if (f.d_theta != step) {
            r.add("d_theta = ", f.d_theta, " but (2*pi)/", k, " = ", step);
        }
    }
    if (f.ans_shown != Int16(0) && f.ans_shown != Int16(-1)) {
        r.add("ans_shown = ", f.ans_shown.value(), ", neither 0 nor -1");
    }
    if (f.cos_mode.type() != Value::Type::boolean) {
        r.add("cos_mode holds \"", f.cos_mode.text(), "\", not a Boolean");
    }
}

// The spin buttons of the trial coefficients; b0 has none and stays 0.
constexpr std::array<std::string_view, 5> a_spins = {"Spin_a0", "Spin_a1", "Spin_a2", "Spin_a3",
                                                     "Spin_a4"};
constexpr std::array<std::string_view, 5> b_spins = {"", "Spin_b1", "Spin_b2", "Spin_b3",
                                                     "Spin_b4"};

void check_trial(const Form& f, Report& r) {
    for (int i = 0; i <= 4; ++i) {
        const Value& a = f.sim_a(i);
        const double av = a.as_double();
        const ControlName spin_a{a_spins[static_cast<std::size_t>(i)]};
        if (a.type() != Value::Type::int16 || !within(f, spin_a, static_cast<int>(av))) {
            r.add("sim_a(", i, ") = \"", a.text(), "\", not a 16-bit whole number in ",
                  range_text(f, spin_a));
        } else if (f.value_a(i).caption_text() != decimal(av)) {
            r.add("value_a(", i, ") shows \"", f.value_a(i).caption_text(), "\" for ", decimal(av));
        }
        const int b = f.sim_b(i).value();
        if (i == 0 ? b != 0 : !within(f, {b_spins[static_cast<std::size_t>(i)]}, b)) {
            r.add("sim_b(", i, ") = ", b,
                  i == 0 ? ", expected 0"
                         : " outside " + range_text(f, {b_spins[static_cast<std::size_t>(i)]}));
        }
        if (f.value_b(i).caption_text() != decimal(b)) {
            r.add("value_b(", i, ") shows \"", f.value_b(i).caption_text(), "\" for ", b);
        }
    }
}

void check_example(const Form& f, Report& r) {
    const int level = f.lebel.value();
    for (int i = 0; i <= 4; ++i) {
        const double a = f.ex_a(i).as_double();
        const int b = f.ex_b(i).value();
        const bool drawn = i <= level;
        const bool a_ok = drawn ? is_whole(a) && a >= 1 && a <= 10 : a == 0;
        const bool b_ok = drawn ? b >= 1 && b <= 10 : b == 0;
        if (!a_ok || !b_ok) {
            r.add("example coefficients ex_a(", i, ") = \"", f.ex_a(i).text(), "\", ex_b(", i,
                  ") = ", b, " at level ", level, drawn ? ", expected 1..10" : ", expected 0");
        }
    }
}

void check_labels(const Form& f, Report& r) {
    const auto expect = [&r](const char* name, const Label& label, int v) {
        if (label.caption_text() != decimal(v)) {
            r.add(name, " shows \"", label.caption_text(), "\" for ", v);
        }
    };
    expect("value_lebel", f.value_lebel, f.lebel.value());
    expect("value_n", f.value_n, f.ess_n.value());
    expect("value_k", f.value_k, f.div_k.value());
}

void check_answers(const Form& f, Report& r) {
    const bool shown = f.ans_shown != Int16(0);
    for (int i = 0; i <= 4; ++i) {
        const Label& a = f.ans_a(i);
        const Label& b = f.ans_b(i);
        const bool b_shown = shown && i != 0;
        if (a.is_visible() != shown || b.is_visible() != b_shown) {
            r.add("ans_a(", i, ")/ans_b(", i, ") visible ", a.is_visible(), "/", b.is_visible(),
                  " with ans_shown = ", f.ans_shown.value());
        }
        if (shown && a.caption_text() != decimal(f.ex_a(i).as_double())) {
            r.add("ans_a(", i, ") shows \"", a.caption_text(), "\" for ", f.ex_a(i).text());
        }
        if (b_shown && b.caption_text() != decimal(f.ex_b(i).value())) {
            r.add("ans_b(", i, ") shows \"", b.caption_text(), "\" for ", f.ex_b(i).value());
        }
    }
}

// The coefficient the current essential wave picks out of the example: a0 for n = 0,
// an/2 under cosine, bn/2 under sine.
double picked_coefficient(const Form& f) {
    const int n = f.ess_n.value();
    if (n == 0) {
        return f.ex_a(0).as_double();
    }
    return (f.cos_mode.as_bool() ? f.ex_a(n).as_double() : f.ex_b(n).value()) / 2.0;
}

void check_readout(const Form& f, Report& r) {
    const std::string shown = f.value_s.caption_text();
    if (shown.empty()) {
        return;
    }
    if (shown != s_over_t_text(f.s_over_t)) {
        r.add("value_s shows \"", shown, "\" but s_over_t = ", f.s_over_t, " reads \"",
              s_over_t_text(f.s_over_t), "\"");
    }
    const int n = f.ess_n.value();
    if (n < 0 || n > 4) {
        return;  // already reported; there is no coefficient to compare with
    }
    const double expected = picked_coefficient(f);
    if (!(std::fabs(static_cast<double>(f.s_over_t) - expected) <= mean_tolerance)) {
        r.add("value_s shows \"", shown, "\" (s_over_t = ", f.s_over_t, ") but the waves on ",
              "screen (n = ", n, ", ", f.cos_mode.as_bool() ? "cos" : "sin", ") have mean ",
              expected);
    }
}

void check_switches(const Form& f, Report& r) {
    const bool c = f.switch_c.is_selected();
    const bool s = f.switch_s.is_selected();
    if (c == s) {
        r.add("switch_c and switch_s both ", c ? "selected" : "clear");
    } else if (c != f.cos_mode.as_bool()) {
        r.add(c ? "switch_c" : "switch_s", " selected with cos_mode = ", f.cos_mode.text());
    }
}

}  // namespace

std::vector<EventEntry> user_events() {
    std::vector<EventEntry> out;
    for (const EventEntry& e : event_table()) {
        if (e.name != "Form_Load") {
            out.push_back(e);
        }
    }
    std::sort(out.begin(), out.end(),
              [](const EventEntry& a, const EventEntry& b) { return a.name < b.name; });
    return out;
}

std::vector<std::string> broken_rules(const Form& f) {
    Report r;
    check_constants(f, r);
    check_settings(f, r);
    check_trial(f, r);
    check_example(f, r);
    check_labels(f, r);
    check_answers(f, r);
    check_readout(f, r);
    check_switches(f, r);
    return r.take();
}

}  // namespace quorvel::testing
