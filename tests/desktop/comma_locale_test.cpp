// The real window under a comma locale, taken from the environment as on a German or
// French desktop: every caption must read as it does in the C locale, with a point.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <string>
#include <vector>

#include "comma_locale.h"
#include "decimal_text.h"
#include "replay_runner.h"

namespace quorvel {
namespace {

using testing::ReplayRun;

// Each level with a fresh example; at each, S/T for every n in both modes, then k down
// to 10 with a CALC at each k, the answers, and a few trial coefficients.
QByteArray exercise_every_readout() {
    std::vector<std::string> events;
    for (int level = 1; level <= 4; ++level) {
        if (level > 1) {
            events.emplace_back("Spin_lebel_SpinUp");
        }
        events.emplace_back("Command1_Click");
        for (int n = 0; n <= 4; ++n) {
            for (const char* mode : {"switch_c_Click", "switch_s_Click"}) {
                events.emplace_back(mode);
                events.emplace_back("Command3_Click");
            }
            events.emplace_back(n < 4 ? "Spin_n_SpinUp" : "Command2_Click");
        }
        for (int k = 50; k > 10; k -= 10) {
            events.emplace_back("Spin_k_SpinDown");
            events.emplace_back("Command3_Click");
        }
        for (int k = 10; k < 50; k += 10) {
            events.emplace_back("Spin_k_SpinUp");
        }
        events.emplace_back("Command4_Click");
        events.emplace_back("Spin_a" + std::to_string(level) + "_SpinDown");
        events.emplace_back("Spin_b" + std::to_string(level) + "_SpinUp");
    }
    QByteArray script;
    for (const std::string& e : events) {
        script.append(e.c_str()).append('\n');
    }
    return script;
}

TEST(CommaLocale, EveryCaptionMatchesTheCLocaleRun) {
    {
        const testing::CommaLocale probe;
        ASSERT_TRUE(probe.active()) << "the locale " << testing::comma_locale_name
                                    << " is missing: scripts/setup.sh generates it";
    }
    const QByteArray script = exercise_every_readout();
    const ReplayRun plain = testing::run_replay(script, {{"LC_ALL", "C"}});
    const ReplayRun comma =
        testing::run_replay(script, {{"LC_ALL", QString::fromLatin1(testing::comma_locale_name)}});
    ASSERT_EQ(plain.exit_code, 0) << plain.errors.toStdString();
    ASSERT_EQ(comma.exit_code, 0) << comma.errors.toStdString();
    ASSERT_EQ(comma.lines.size(), plain.lines.size());

    int readouts = 0;
    for (std::size_t i = 0; i < comma.lines.size(); ++i) {
        const QJsonObject& line = comma.lines[i];
        SCOPED_TRACE("line " + std::to_string(i) + ": " + line["event"].toString().toStdString());
        EXPECT_EQ(QJsonValue(line), QJsonValue(plain.lines[i]));
        if (line["event"] == QStringLiteral("Command3_Click")) {
            const std::string text = line["value_s"].toString().toStdString();
            EXPECT_TRUE(testing::decimal_of(text).has_value()) << "S/T reads \"" << text << "\"";
            ++readouts;
        }
    }
    EXPECT_EQ(readouts, 4 * (10 + 4));
}

}  // namespace
}  // namespace quorvel
