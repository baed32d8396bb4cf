// CALC on the real window for a set of examples at every level, every n in both modes and
// several k: S/T reads a0, a_n/2 or b_n/2 (0 above the level), exactly or one unit less in
// the fourth decimal when the sum comes out a hair low.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <cmath>
#include <string>
#include <vector>

#include "replay_runner.h"

namespace quorvel::testing {
namespace {

struct Sweep {
    int level;
    int k;
    int examples;
};

// "level2_k50"
std::string name_of(const Sweep& s) {
    return "level" + std::to_string(s.level) + "_k" + std::to_string(s.k);
}

void PrintTo(const Sweep& s, std::ostream* out) {
    *out << name_of(s);
}

class MeanSweep : public ::testing::TestWithParam<Sweep> {};

// n = 0 … 4 with CALC in cos and in sin mode at each; then the next example.
std::vector<std::string_view> sweep_events(const Sweep& s) {
    std::vector<std::string_view> events;
    for (int l = 1; l < s.level; ++l) {
        events.emplace_back("Spin_lebel_SpinUp");
    }
    for (int k = 50; k > s.k; k -= 10) {
        events.emplace_back("Spin_k_SpinDown");
    }
    for (int example = 0; example < s.examples; ++example) {
        events.emplace_back("Command2_Click");
        for (int n = 0; n <= 4; ++n) {
            events.insert(events.end(),
                          {"switch_c_Click", "Command3_Click", "switch_s_Click", "Command3_Click"});
            events.emplace_back("Spin_n_SpinUp");
        }
        events.emplace_back("Command1_Click");
    }
    return events;
}

TEST_P(MeanSweep, ReadsOffTheChosenCoefficient) {
    const ReplayRun run = run_replay(script_of(sweep_events(GetParam())));
    ASSERT_EQ(run.exit_code, 0) << run.errors.toStdString();
    int calcs = 0;
    for (const QJsonObject& line : run.lines) {
        if (line["event"] != QStringLiteral("Command3_Click")) {
            continue;
        }
        ++calcs;
        const int n = line["ess_n"].toInt();
        const bool cosine = line["cos_mode"].toBool();
        double exact = line["ex_a"].toArray()[0].toDouble();
        if (n > 0) {
            exact = (cosine ? line["ex_a"] : line["ex_b"]).toArray()[n].toDouble() / 2.0;
        }
        const double shown = line["value_s"].toString().toDouble();
        EXPECT_TRUE(std::abs(shown - exact) < 1e-9 || std::abs(shown - (exact - 0.0001)) < 1e-9)
            << "n=" << n << (cosine ? " cos" : " sin") << " lebel=" << line["lebel"].toInt()
            << " k=" << line["div_k"].toInt() << ": shown " << shown << ", exact " << exact;
        EXPECT_EQ(line["div_k"].toInt(), GetParam().k);
        EXPECT_EQ(line["lebel"].toInt(), GetParam().level);
    }
    EXPECT_EQ(calcs, GetParam().examples * 10);
}

INSTANTIATE_TEST_SUITE_P(Levels, MeanSweep,
                         ::testing::Values(Sweep{1, 10, 3}, Sweep{1, 50, 3}, Sweep{2, 20, 3},
                                           Sweep{2, 50, 2}, Sweep{3, 30, 3}, Sweep{3, 40, 2},
                                           Sweep{4, 10, 3}, Sweep{4, 50, 3}),
                         [](const ::testing::TestParamInfo<Sweep>& row) {
                             return name_of(row.param);
                         });

}  // namespace
}  // namespace quorvel::testing
