// Whole exercises on the real window, driven through quorvel-replay: each scenario is a
// list of events with what the window must show after each of them.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonValue>
#include <string>
#include <utility>
#include <vector>

#include "replay_runner.h"

namespace quorvel::testing {
namespace {

struct Step {
    std::string_view event;
    std::vector<std::pair<const char*, QJsonValue>> expect;
};

struct Scenario {
    const char* name;
    std::vector<Step> steps;
};

void PrintTo(const Scenario& s, std::ostream* out) {
    *out << s.name;
}

QJsonArray texts(std::initializer_list<const char*> items) {
    QJsonArray out;
    for (const char* s : items) {
        out.append(QString::fromLatin1(s));
    }
    return out;
}

QJsonArray numbers(std::initializer_list<int> items) {
    QJsonArray out;
    for (int v : items) {
        out.append(v);
    }
    return out;
}

QJsonArray flags(std::initializer_list<bool> items) {
    QJsonArray out;
    for (bool v : items) {
        out.append(v);
    }
    return out;
}

const QJsonArray all_hidden = flags({false, false, false, false, false});
const QJsonArray zeros = texts({"0", "0", "0", "0", "0"});

class ReplayScenario : public ::testing::TestWithParam<Scenario> {};

TEST_P(ReplayScenario, ShowsWhatEachStepLeaves) {
    const Scenario& s = GetParam();
    std::vector<std::string_view> events;
    for (const Step& step : s.steps) {
        events.push_back(step.event);
    }
    const ReplayRun run = run_replay(script_of(events));
    ASSERT_EQ(run.exit_code, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), s.steps.size() + 1) << "one line for start-up and one per event";
    for (std::size_t i = 0; i < s.steps.size(); ++i) {
        const QJsonObject& line = run.lines[i + 1];
        SCOPED_TRACE("step " + std::to_string(i + 1) + ": " + std::string(s.steps[i].event));
        EXPECT_FALSE(line.contains("fault")) << line["fault"].toString().toStdString();
        for (const auto& [field, want] : s.steps[i].expect) {
            EXPECT_EQ(line[QLatin1String(field)], want) << field;
        }
    }
}

// The first example of every run is a0 = 8, a1 = 6, b1 = 3; the second 4, 1, 8 (b1).
INSTANTIATE_TEST_SUITE_P(
    Table, ReplayScenario,
    ::testing::Values(
        Scenario{"road_of_one_exercise",
                 {{"Command3_Click", {{"value_s", "7.9999"}}},  // a0 = 8, a hair low
                  {"Spin_a0_SpinUp", {{"value_a", texts({"1", "0", "0", "0", "0"})}}},
                  {"Spin_n_SpinUp", {{"value_n", "1"}, {"value_s", ""}}},
                  {"Command3_Click", {{"value_s", "2.9999"}}},
                  {"switch_s_Click", {{"switch_s", true}, {"switch_c", false}, {"value_s", ""}}},
                  {"Command3_Click", {{"value_s", "1.5"}}},
                  {"Spin_b1_SpinUp", {{"value_b", texts({"0", "1", "0", "0", "0"})}}},
                  {"Command4_Click",
                   {{"ans_a_visible", flags({true, true, true, true, true})},
                    {"ans_b_visible", flags({false, true, true, true, true})},
                    {"ans_a", texts({"8", "6", "0", "0", "0"})},
                    {"ans_b", texts({"6", "3", "0", "0", "0"})}}},
                  {"Command1_Click",
                   {{"ans_a_visible", all_hidden},
                    {"ans_b_visible", all_hidden},
                    {"value_a", zeros},
                    {"value_b", zeros},
                    {"value_s", ""},
                    {"value_n", "1"},
                    {"switch_s", true},
                    {"ex_a", numbers({4, 1, 0, 0, 0})},
                    {"ex_b", numbers({8, 8, 0, 0, 0})}}}}},
        Scenario{"sin_refused_at_n0_and_essential_reset",
                 {{"switch_s_Click", {{"switch_c", true}, {"switch_s", false}, {"cos_mode", true}}},
                  {"Spin_n_SpinUp", {}},
                  {"Spin_n_SpinUp", {}},
                  {"Spin_n_SpinUp", {{"value_n", "3"}}},
                  {"switch_s_Click", {{"switch_s", true}, {"cos_mode", false}}},
                  {"Command3_Click", {}},
                  {"Command2_Click",
                   {{"value_n", "0"},
                    {"ess_n", 0},
                    {"switch_c", true},
                    {"switch_s", false},
                    {"cos_mode", true},
                    {"value_s", ""}}}}},
        Scenario{"answers_stay_through_n_k_switch_and_trial",
                 {{"Command4_Click", {}},
                  {"Spin_n_SpinUp", {}},
                  {"switch_s_Click", {}},
                  {"Spin_k_SpinDown", {{"value_k", "40"}}},
                  {"Spin_b2_SpinUp", {}},
                  {"Command2_Click", {{"ans_a_visible", flags({true, true, true, true, true})}}},
                  {"Spin_lebel_SpinUp",
                   {{"value_lebel", "2"},
                    {"ans_a_visible", all_hidden},
                    {"value_b", zeros},
                    {"value_k", "40"}}}}},
        Scenario{"level_one_two_one_draws_the_next_examples",
                 {{"Spin_lebel_SpinUp",
                   {{"lebel", 2},
                    {"ex_a", numbers({4, 1, 9, 0, 0})},
                    {"ex_b", numbers({8, 8, 8, 0, 0})}}},
                  {"Spin_lebel_SpinDown",
                   {{"lebel", 1},
                    {"ex_a", numbers({1, 9, 0, 0, 0})},
                    {"ex_b", numbers({5, 8, 0, 0, 0})}}}}},
        Scenario{"trial_built_to_match_the_example_then_reset",
                 {{"Spin_a0_SpinUp", {}},
                  {"Spin_a0_SpinUp", {}},
                  {"Spin_a0_SpinUp", {}},
                  {"Spin_a0_SpinUp", {}},
                  {"Spin_a0_SpinUp", {}},
                  {"Spin_a0_SpinUp", {}},
                  {"Spin_a0_SpinUp", {}},
                  {"Spin_a0_SpinUp", {}},
                  {"Spin_a1_SpinUp", {}},
                  {"Spin_a1_SpinUp", {}},
                  {"Spin_a1_SpinUp", {}},
                  {"Spin_a1_SpinUp", {}},
                  {"Spin_a1_SpinUp", {}},
                  {"Spin_a1_SpinUp", {}},
                  {"Spin_b1_SpinUp", {}},
                  {"Spin_b1_SpinUp", {}},
                  {"Spin_b1_SpinUp",
                   {{"sim_a", numbers({8, 6, 0, 0, 0})},
                    {"sim_b", numbers({0, 3, 0, 0, 0})},
                    {"value_a", texts({"8", "6", "0", "0", "0"})},
                    {"value_b", texts({"0", "3", "0", "0", "0"})}}},
                  {"Command1_Click",
                   {{"sim_a", numbers({0, 0, 0, 0, 0})},
                    {"sim_b", numbers({0, 0, 0, 0, 0})},
                    {"value_a", zeros},
                    {"value_b", zeros},
                    {"y_axis", "10"}}}}}),
    [](const ::testing::TestParamInfo<Scenario>& row) { return std::string(row.param.name); });

// A press at a spinner's bound: the level, n and k spinners do nothing at all, so the
// window's whole state is the same before and after.
struct BoundCase {
    const char* name;
    std::vector<std::string_view> before;
    std::string_view press;
};

void PrintTo(const BoundCase& c, std::ostream* out) {
    *out << c.name;
}

class SpinnerBound : public ::testing::TestWithParam<BoundCase> {};

TEST_P(SpinnerBound, LeavesTheWholeStateAsItWas) {
    std::vector<std::string_view> events = GetParam().before;
    events.emplace_back("Command3_Click");
    events.emplace_back("Command4_Click");
    events.push_back(GetParam().press);
    const ReplayRun run = run_replay(script_of(events));
    ASSERT_EQ(run.exit_code, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), events.size() + 1);
    QJsonObject before = run.lines[run.lines.size() - 2];
    QJsonObject after = run.lines.back();
    before.remove("event");
    after.remove("event");
    EXPECT_EQ(before, after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpinnerBound,
    ::testing::Values(
        BoundCase{"level_down_at_1", {}, "Spin_lebel_SpinDown"},
        BoundCase{"level_up_at_4",
                  {"Spin_lebel_SpinUp", "Spin_lebel_SpinUp", "Spin_lebel_SpinUp"},
                  "Spin_lebel_SpinUp"},
        BoundCase{"n_down_at_0", {}, "Spin_n_SpinDown"},
        BoundCase{"n_up_at_4",
                  {"Spin_n_SpinUp", "Spin_n_SpinUp", "Spin_n_SpinUp", "Spin_n_SpinUp"},
                  "Spin_n_SpinUp"},
        BoundCase{"k_up_at_50", {}, "Spin_k_SpinUp"},
        BoundCase{"k_down_at_10",
                  {"Spin_k_SpinDown", "Spin_k_SpinDown", "Spin_k_SpinDown", "Spin_k_SpinDown"},
                  "Spin_k_SpinDown"},
        BoundCase{"b3_down_at_0", {}, "Spin_b3_SpinDown"},
        BoundCase{"a4_down_at_0", {}, "Spin_a4_SpinDown"}),
    [](const ::testing::TestParamInfo<BoundCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace quorvel::testing
