// The checker the soak and the fuzzer rely on: a form as start-up leaves it passes, and
// each kind of damage the rules are there to catch is caught.
#include "invariants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <set>
#include <string>

#include "case_name.h"
#include "dispatch.h"
#include "event_table.h"
#include "form.h"
#include "form_fixture.h"
#include "product_wave.h"

namespace quorvel::testing {
namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) {
        out += l + "\n";
    }
    return out;
}

TEST(Invariants, HoldAfterStartUpAndAlongTheExerciseRoad) {
    LoadedForm w;
    EXPECT_EQ(joined(broken_rules(w.form)), "");
    for (const char* h : {"Command3_Click", "Spin_a0_SpinUp", "Spin_n_SpinUp", "Command3_Click",
                          "switch_s_Click", "Command3_Click", "Spin_k_SpinDown", "Command3_Click",
                          "Command4_Click", "Spin_lebel_SpinUp", "Spin_n_SpinDown"}) {
        ASSERT_FALSE(w.run(h).has_value()) << h;
        EXPECT_EQ(joined(broken_rules(w.form)), "") << "after " << h;
    }
}

TEST(Invariants, UserEventsAreTheThirtyHandlersBesideStartUp) {
    std::set<std::string> names;
    for (const EventEntry& e : user_events()) {
        names.insert(std::string(e.name));
        ASSERT_NE(e.handler, nullptr) << e.name;
    }
    EXPECT_EQ(names.size(), event_table().size() - 1);
    EXPECT_EQ(names.count("Form_Load"), 0u);
    EXPECT_EQ(names.count("Spin_b4_SpinDown"), 1u);
}

struct Damage {
    std::string name;
    void (*apply)(Form&);
    std::string caught_as;  // a piece of the line that must report it
};

void PrintTo(const Damage& d, std::ostream* out) {
    *out << d.name;
}

class InvariantsCatch : public ::testing::TestWithParam<Damage> {};

TEST_P(InvariantsCatch, TheDamage) {
    LoadedForm w;
    ASSERT_NO_FATAL_FAILURE(GetParam().apply(w.form));
    const std::string report = joined(broken_rules(w.form));
    EXPECT_NE(report.find(GetParam().caught_as), std::string::npos) << report;
}

// Calculates, so the readout holds a mean that matches the waves on screen.
void calculated(Form& f) {
    ASSERT_FALSE(dispatch(f, "Command3_Click").has_value());
    ASSERT_FALSE(f.value_s.caption_text().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Damages, InvariantsCatch,
    ::testing::Values(
        Damage{"pi_full_precision", [](Form& f) { f.pi = 3.1415927f; }, "pi ="},
        Damage{"order_above_four",
               [](Form& f) {
                   f.ess_n = 5;
                   f.value_n.Caption("5");
               },
               "ess_n = 5"},
        Damage{"level_zero",
               [](Form& f) {
                   f.lebel = 0;
                   f.value_lebel.Caption("0");
               },
               "lebel = 0"},
        Damage{"k_off_the_tens",
               [](Form& f) {
                   f.div_k = 35;
                   f.value_k.Caption("35");
               },
               "div_k = 35"},
        Damage{"step_one_ulp_off", [](Form& f) { f.d_theta = std::nextafter(f.d_theta, 1.0f); },
               "d_theta ="},
        Damage{"a0_above_ten",
               [](Form& f) {
                   f.sim_a(0) = Value(Int16(11));
                   f.value_a(0).Caption("11");
               },
               "sim_a(0)"},
        Damage{"a3_negative",
               [](Form& f) {
                   f.sim_a(3) = Value(Int16(-1));
                   f.value_a(3).Caption("-1");
               },
               "sim_a(3)"},
        Damage{"a2_held_as_float",
               [](Form& f) {
                   f.sim_a(2) = Value(2.0f);
                   f.value_a(2).Caption("2");
               },
               "sim_a(2)"},
        Damage{"b0_moved",
               [](Form& f) {
                   f.sim_b(0) = 1;
                   f.value_b(0).Caption("1");
               },
               "sim_b(0)"},
        Damage{"b4_above_ten",
               [](Form& f) {
                   f.sim_b(4) = 11;
                   f.value_b(4).Caption("11");
               },
               "sim_b(4)"},
        Damage{"answer_flag_plus_one", [](Form& f) { f.ans_shown = 1; }, "ans_shown = 1"},
        Damage{"cos_mode_as_integer", [](Form& f) { f.cos_mode = Value(Int16(-1)); },
               "not a Boolean"},
        Damage{"example_zero_within_level", [](Form& f) { f.ex_a(1) = Value(Int16(0)); },
               "ex_a(1)"},
        Damage{"example_sine_above_level", [](Form& f) { f.ex_b(3) = 2; }, "ex_b(3)"},
        Damage{"stale_k_label", [](Form& f) { f.value_k.Caption("40"); }, "value_k shows"},
        Damage{"stale_level_label", [](Form& f) { f.value_lebel.Caption("2"); },
               "value_lebel shows"},
        Damage{"stale_trial_label", [](Form& f) { f.value_a(4).Caption("1"); }, "value_a(4) shows"},
        Damage{"stale_b0_label", [](Form& f) { f.value_b(0).Caption(""); }, "value_b(0) shows"},
        Damage{"answer_visible_while_hidden", [](Form& f) { f.ans_a(2).Visible(true); },
               "ans_a(2)/ans_b(2) visible"},
        Damage{"b0_answer_shown",
               [](Form& f) {
                   f.ans_shown = -1;
                   for (int i = 0; i <= 4; ++i) {
                       f.ans_a(i).Caption(f.ex_a(i).text());
                       f.ans_b(i).Caption(std::to_string(f.ex_b(i).value()));
                       f.ans_a(i).Visible(true);
                       f.ans_b(i).Visible(true);
                   }
               },
               "ans_a(0)/ans_b(0) visible"},
        Damage{"wrong_answer_text",
               [](Form& f) {
                   ASSERT_FALSE(dispatch(f, "Command4_Click").has_value());
                   f.ans_b(1).Caption("99");
               },
               "ans_b(1) shows"},
        Damage{"readout_text_of_another_mean",
               [](Form& f) {
                   calculated(f);
                   f.value_s.Caption(s_over_t_text(f.s_over_t + 0.5f));
               },
               "value_s shows"},
        Damage{"readout_kept_after_the_example_changed",
               [](Form& f) {
                   calculated(f);
                   f.ex_a(0) = f.ex_a(0) + Value(Int16(1));
               },
               "have mean"},
        Damage{"readout_kept_after_sine_chosen",
               [](Form& f) {
                   f.ex_b(1) = f.ex_a(1).as_int16() + Int16(1);
                   f.ess_n = 1;
                   f.value_n.Caption("1");
                   calculated(f);
                   f.cos_mode = Value(false);
                   f.switch_s.Value(true);
               },
               "have mean"},
        Damage{"no_option_selected", [](Form& f) { f.switch_c.Value(false); }, "both clear"},
        Damage{"sine_flag_under_cos_button", [](Form& f) { f.cos_mode = Value(false); },
               "switch_c selected with cos_mode"}),
    CaseName{});

}  // namespace
}  // namespace quorvel::testing
