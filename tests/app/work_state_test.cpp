// A student's work as text: taken anywhere in a run and restored on a freshly started form,
// the window shows the same; a text that is not such work is refused with its reason and
// the form is left as it was.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "case_name.h"
#include "event_table.h"
#include "exercise_opening.h"
#include "form.h"
#include "form_fixture.h"
#include "kept_state.h"
#include "state_json.h"
#include "work_refusal.h"
#include "work_state.h"

namespace quorvel {
namespace {

using testing::LoadedForm;

// The state line without the two things a work leaves out because nothing shows them: the
// S/T of a CALC whose readout is empty, and the captions of hidden answer labels.
std::string shown_state(Form& f) {
    const float s_over_t = f.s_over_t;
    std::vector<std::string> captions;
    if (f.value_s.caption_text().empty()) {
        f.s_over_t = 0.0f;
    }
    for (int i = 0; i <= highest_harmonic; ++i) {
        for (Label* label : {&f.ans_a(i), &f.ans_b(i)}) {
            captions.push_back(label->caption_text());
            if (!label->is_visible()) {
                label->Caption("");
            }
        }
    }
    std::string line = state_json(f, "", nullptr);
    f.s_over_t = s_over_t;
    auto caption = captions.begin();
    for (int i = 0; i <= highest_harmonic; ++i) {
        f.ans_a(i).Caption(*caption++);
        f.ans_b(i).Caption(*caption++);
    }
    return line;
}

const std::vector<ControlName>& surfaces() {
    static const std::vector<ControlName> all = [] {
        std::vector<ControlName> names{
            {"campus_ex"}, {"campus_sim"}, {"campus_ess"}, {"campus_sqr"}, {"campus_graph"}};
        for (int i = 0; i <= highest_harmonic; ++i) {
            names.push_back({"campus_a", i});
            names.push_back({"campus_b", i});
        }
        return names;
    }();
    return all;
}

void expect_same_window(LoadedForm& restored, LoadedForm& taken, const std::string& where) {
    EXPECT_EQ(shown_state(restored.form), shown_state(taken.form)) << where;
    for (const ControlName& surface : surfaces()) {
        EXPECT_EQ(restored.canvas(surface).picture(), taken.canvas(surface).picture())
            << full_name(surface) << " after " << where;
    }
}

class WorkAtLevel : public ::testing::TestWithParam<int> {};

// Random clicks of every kind but the level's, at each level; every few clicks the work is
// written as text, read back with the form's ranges and restored on a fresh form.
TEST_P(WorkAtLevel, RestoredOnAFreshFormShowsTheSameWindow) {
    const int level = GetParam();
    LoadedForm taken;
    while (taken.form.lebel.value() < level) {
        taken.run_all({"Spin_lebel_SpinUp"});
    }
    std::vector<std::string_view> clicks;
    for (const EventEntry& e : event_table()) {
        if (e.name != "Form_Load" && !e.name.starts_with("Spin_lebel")) {
            clicks.push_back(e.name);
        }
    }
    std::mt19937 rng(2800u + static_cast<unsigned>(level));
    std::uniform_int_distribution<std::size_t> pick(0, clicks.size() - 1);
    std::string events;
    for (int check = 0; check < 40; ++check) {
        for (int i = 0; i < 15; ++i) {
            const std::string_view click = clicks[pick(rng)];
            events += std::string(click) + ' ';
            ASSERT_FALSE(taken.run(click)) << "a fault after " << events;
        }
        const auto text = work_text(work_of(taken.form));
        ASSERT_TRUE(text);
        LoadedForm restored;
        const auto read = read_work(*text, restored.form);
        ASSERT_TRUE(std::holds_alternative<Work>(read)) << *text;
        EXPECT_EQ(std::get<Work>(read), work_of(taken.form)) << *text;
        restore_work(restored.form, std::get<Work>(read));
        expect_same_window(restored, taken, *text + " from " + events);
        EXPECT_EQ(work_of(restored.form), work_of(taken.form)) << *text;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, WorkAtLevel, ::testing::Values(1, 2, 3, 4));

// The corners a random run rarely reaches: sin kept while n came down to 0, the lowest a0
// and the highest coefficients, with the answers shown and CALC pressed.
TEST(Work, RestoresSinAtZeroAndTheBoundsOfEveryCoefficient) {
    LoadedForm taken;
    taken.run_all({"Spin_lebel_SpinUp", "Spin_n_SpinUp", "switch_s_Click", "Spin_n_SpinDown",
                   "Spin_k_SpinDown", "Command3_Click", "Command4_Click"});
    for (int i = 0; i < 12; ++i) {
        taken.run_all({"Spin_a0_SpinDown", "Spin_a4_SpinUp", "Spin_b4_SpinUp", "Spin_b1_SpinUp"});
    }
    const Work work = work_of(taken.form);
    EXPECT_FALSE(work.cosine);
    EXPECT_EQ(work.n, 0);
    EXPECT_EQ(work.trial, (std::array<int, 9>{-10, 0, 0, 0, 10, 10, 0, 0, 10}));
    LoadedForm restored;
    restore_work(restored.form, work);
    expect_same_window(restored, taken, work_text(work).value_or(""));
}

struct BadWork {
    std::string name;
    std::string text;
    std::string refusal;
};

// The texts a hand or a broken address may give, each with what the reader says.
const std::string good = "1.%s.2.s.30.-3.0.4.0.0.5.0.0.0.1.0";

std::string with_code(const std::string& code, std::string text = good) {
    text.replace(text.find("%s"), 2, code);
    return text;
}

class BadWorkText : public ::testing::TestWithParam<BadWork> {};

TEST_P(BadWorkText, IsRefusedWithItsReasonAndChangesNothing) {
    const BadWork& c = GetParam();
    LoadedForm run;
    run.run_all({"Spin_n_SpinUp", "Spin_a2_SpinUp", "Command3_Click"});
    const std::string before = state_json(run.form, "", nullptr);
    const auto read = read_work(c.text, run.form);
    ASSERT_TRUE(std::holds_alternative<WorkError>(read)) << c.text;
    EXPECT_EQ(work_refusal(std::get<WorkError>(read), Catalogue{}),
              "This link to a student's work cannot be opened: " + c.refusal + ".");
    EXPECT_EQ(state_json(run.form, "", nullptr), before);
}

std::string code_at(int level) {
    return exercise_code({level, 12345u}).value();
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadWorkText,
    ::testing::Values(
        BadWork{"wrong_check",
                [] {
                    std::string code = code_at(2);
                    code.back() = code.back() == 'A' ? 'B' : 'A';
                    return with_code(code);
                }(),
                "the code's check character does not match: a character is mistyped or two "
                "are swapped"},
        BadWork{"unknown_level", with_code(code_at(9)),
                "the code is for level 9, and the levels are 1 to 4"},
        BadWork{"too_long", with_code(code_at(2)) + std::string(60, '0'),
                "the link's work is 100 characters long, and it has at most 80"},
        BadWork{"other_version", "2" + with_code(code_at(2)).substr(1),
                "it holds no work this version of the program can read"},
        BadWork{"empty", "", "it holds no work this version of the program can read"},
        BadWork{"missing_fields", with_code(code_at(2), "1.%s.2.s.30.-3.0.4"),
                "the link's work has 8 parts, not 16: some are missing or added"},
        BadWork{"n_out_of_range", with_code(code_at(2), "1.%s.5.c.30.0.0.0.0.0.0.0.0.0.0.0"),
                "n is 5, and it runs from 0 to 4"},
        BadWork{"a0_out_of_range", with_code(code_at(2), "1.%s.2.c.30.-11.0.0.0.0.0.0.0.0.0.0"),
                "a0 is -11, and it runs from -10 to 10"},
        BadWork{"b3_negative", with_code(code_at(2), "1.%s.2.c.30.0.0.0.0.0.0.0.-1.0.0.0"),
                "b3 is -1, and it runs from 0 to 10"},
        BadWork{"k_off_step", with_code(code_at(2), "1.%s.2.c.35.0.0.0.0.0.0.0.0.0.0.0"),
                "k is 35, and it goes from 10 in steps of 10"},
        BadWork{"script_in_a_field",
                with_code(code_at(2), "1.%s.<script>.c.30.0.0.0.0.0.0.0.0.0.0.0"),
                "n is '<script>', which is no whole number"},
        BadWork{"line_break_in_a_field",
                with_code(code_at(2), "1.%s.\n\t2.c.30.0.0.0.0.0.0.0.0.0.0.0"),
                "n is '??2', which is no whole number"},
        BadWork{"plus_sign", with_code(code_at(2), "1.%s.2.c.30.+1.0.0.0.0.0.0.0.0.0.0"),
                "a0 is '+1', which is no whole number"},
        BadWork{"wave_neither", with_code(code_at(2), "1.%s.2.x.30.0.0.0.0.0.0.0.0.0.0.0"),
                "the choice of cos or sin is given as 'x', which it cannot be"},
        BadWork{"calc_not_a_flag", with_code(code_at(2), "1.%s.2.c.30.0.0.0.0.0.0.0.0.0.0.yes"),
                "whether CALC was pressed is given as 'yes', which it cannot be"}),
    testing::CaseName{});

// The kept state reads back to what the window shows, and is refused once a hand, damage
// or another build has touched it.
TEST(KeptState, ReadsBackAndRefusesWhatWasTouched) {
    LoadedForm run;
    run.run_all({"Spin_lebel_SpinUp", "Spin_n_SpinUp", "Spin_b2_SpinUp", "Command4_Click"});
    const auto text = kept_state_text(run.form, Palette::high_contrast, "9.9.9+b1");
    ASSERT_TRUE(text);
    const auto read = read_kept_state(*text, "9.9.9+b1", run.form);
    ASSERT_TRUE(std::holds_alternative<KeptState>(read)) << *text;
    EXPECT_EQ(std::get<KeptState>(read), (KeptState{work_of(run.form), Palette::high_contrast}));

    std::string edited = *text;
    edited[edited.find("|1.") + 20] ^= 1;  // one character of the work changed by hand
    std::string other_build = *text;
    other_build.replace(other_build.find("+b1"), 3, "+b2");
    const struct {
        std::string what;
        std::string text;
        KeptFault fault;
    } touched[] = {
        {"edited", edited, KeptFault::damaged},
        {"cut short", text->substr(0, text->size() - 3), KeptFault::damaged},
        {"empty", "", KeptFault::damaged},
        {"not ours", "{\"work\":1}", KeptFault::damaged},
        {"another build", *text, KeptFault::other_build},
    };
    for (const auto& t : touched) {
        const auto refused =
            read_kept_state(t.text, t.what == "another build" ? "9.9.9+b2" : "9.9.9+b1", run.form);
        ASSERT_TRUE(std::holds_alternative<KeptError>(refused)) << t.what;
        EXPECT_EQ(std::get<KeptError>(refused).fault, t.fault) << t.what;
    }
    (void)other_build;
}

}  // namespace
}  // namespace quorvel
