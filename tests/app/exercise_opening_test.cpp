// Opening an exercise by its code: the same example at the same level as where the code was
// taken, the same examples after every RESET, and a form left untouched by a bad code.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "case_name.h"
#include "event_table.h"
#include "exercise_opening.h"
#include "form.h"
#include "form_fixture.h"
#include "state_json.h"

namespace quorvel {
namespace {

using testing::LoadedForm;

// The example's coefficients, a0 … a4 then b0 … b4.
std::vector<double> example_of(const Form& f) {
    std::vector<double> out;
    for (int i = 0; i <= highest_harmonic; ++i) {
        out.push_back(f.ex_a(i).as_double());
    }
    for (int i = 0; i <= highest_harmonic; ++i) {
        out.push_back(f.ex_b(i).value());
    }
    return out;
}

std::string code_on(const Form& f) {
    return exercise_code(current_exercise(f)).value_or("(none)");
}

// Random clicks of every kind from a seeded generator, the level then brought to `level`
// and a last RESET, so the example on the form was drawn at that level after all of them.
void click_at_random_then_reach(LoadedForm& run, int level, unsigned seed) {
    std::mt19937 rng(seed);
    const auto events = event_table();
    std::uniform_int_distribution<std::size_t> pick(1, events.size() - 1);  // not Form_Load
    for (int i = 0; i < 200; ++i) {
        ASSERT_FALSE(run.run(events[pick(rng)].name)) << "a fault";
    }
    while (run.form.lebel.value() < level) {
        run.run_all({"Spin_lebel_SpinUp"});
    }
    while (run.form.lebel.value() > level) {
        run.run_all({"Spin_lebel_SpinDown"});
    }
    run.run_all({"Command1_Click"});
}

TEST(ExerciseOpening, StartUpNamesTheStartingExercise) {
    LoadedForm run;
    EXPECT_EQ(current_exercise(run.form), (Exercise{1, RandomSource{}.state()}));
    const std::string line = state_json(run.form, "Form_Load", nullptr);
    EXPECT_NE(line.find("\"exercise\":\"" + code_on(run.form) + "\""), std::string::npos) << line;
}

class OpenedCode : public ::testing::TestWithParam<int> {};

// A code taken anywhere in a run at this level, opened on a freshly started form: the same
// example, answers hidden, S/T empty, the trial at 0, and the same examples after RESET.
TEST_P(OpenedCode, DrawsTheSameExampleAndTheSameNextOnes) {
    const int level = GetParam();
    LoadedForm taken;
    click_at_random_then_reach(taken, level, 28u + static_cast<unsigned>(level));
    const std::string code = code_on(taken.form);

    LoadedForm opened;
    opened.run_all({"Command3_Click", "Command4_Click", "Spin_a1_SpinUp", "Command1_Click"});
    const auto error = open_exercise(opened.form, code);
    ASSERT_FALSE(error) << error->found;
    EXPECT_EQ(opened.form.lebel, Int16(level));
    EXPECT_EQ(opened.caption({"value_lebel"}), std::to_string(level));
    EXPECT_EQ(code_on(opened.form), code);
    EXPECT_EQ(example_of(opened.form), example_of(taken.form));
    EXPECT_EQ(opened.canvas({"campus_ex"}).picture(), taken.canvas({"campus_ex"}).picture());
    EXPECT_EQ(opened.form.ans_shown, Int16(0));
    EXPECT_FALSE(opened.ui.text({"ans_a", 0}).is_visible());
    EXPECT_EQ(opened.caption({"value_s"}), "");
    EXPECT_EQ(opened.caption({"value_a", 1}), "0");
    for (int reset = 1; reset <= 2; ++reset) {
        taken.run_all({"Command1_Click"});
        opened.run_all({"Command1_Click"});
        EXPECT_EQ(example_of(opened.form), example_of(taken.form)) << "RESET " << reset;
        EXPECT_EQ(code_on(opened.form), code_on(taken.form)) << "RESET " << reset;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, OpenedCode, ::testing::Range(1, highest_harmonic + 1),
                         testing::LevelName{});

struct RefusedCode {
    const char* name;
    std::string code;
    CodeFault fault;
};

void PrintTo(const RefusedCode& c, std::ostream* out) {
    *out << c.name;
}

class RefusedCodes : public ::testing::TestWithParam<RefusedCode> {};

// Whatever is wrong with a code, the form and everything drawn stay as they were.
TEST_P(RefusedCodes, LeaveTheFormUntouched) {
    const RefusedCode& c = GetParam();
    LoadedForm run;
    run.run_all({"Spin_lebel_SpinUp", "Command3_Click", "Spin_b2_SpinUp"});
    const std::string before = state_json(run.form, "x", nullptr);
    std::size_t drawn = 0;
    for (const char* surface : {"campus_ex", "campus_sqr", "campus_graph", "campus_sim"}) {
        drawn += run.canvas({surface}).calls().size();
    }
    const auto error = open_exercise(run.form, c.code);
    ASSERT_TRUE(error) << c.code;
    EXPECT_EQ(error->fault, c.fault) << error->found;
    EXPECT_EQ(state_json(run.form, "x", nullptr), before);
    for (const char* surface : {"campus_ex", "campus_sqr", "campus_graph", "campus_sim"}) {
        drawn -= run.canvas({surface}).calls().size();
    }
    EXPECT_EQ(drawn, 0u) << "nothing drawn";
}

std::string mistyped(std::string code) {
    std::swap(code[0], code[1]);
    return code[0] != code[1] ? code : code.replace(0, 1, code[0] == 'A' ? "B" : "A");
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefusedCodes,
    ::testing::Values(
        RefusedCode{"mistyped", mistyped(exercise_code({2, 0x123456}).value_or("")),
                    CodeFault::wrong_check},
        RefusedCode{"unknown_level", exercise_code({highest_harmonic + 1, 7}).value_or(""),
                    CodeFault::no_such_level},
        RefusedCode{"too_long", exercise_code({2, 7}).value_or("") + "0", CodeFault::wrong_length},
        RefusedCode{"too_short", "ABC-DEF", CodeFault::wrong_length},
        RefusedCode{"bad_characters", "<b>!</b>", CodeFault::bad_character}),
    testing::CaseName{});

// The levels a code may name are the form's own, 1 … max_order.
TEST(ExerciseOpening, LevelsComeFromTheForm) {
    LoadedForm run;
    const std::string level_3 = exercise_code({3, 99}).value_or("");
    run.form.max_order = Int16(2);
    const auto refused = open_exercise(run.form, level_3);
    ASSERT_TRUE(refused);
    EXPECT_EQ(*refused, (CodeError{CodeFault::no_such_level, "3", 2}));
    run.form.max_order = Int16(highest_harmonic);
    EXPECT_FALSE(open_exercise(run.form, level_3));
    EXPECT_EQ(run.form.lebel, Int16(3));
}

}  // namespace
}  // namespace quorvel
