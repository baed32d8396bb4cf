// An "exercise CODE" line: a code taken from a run's state line, after random events at
// any level, opened in a fresh replay shows that run's example and, after each RESET, the
// same next examples; a bad code stops the run naming its line and what is wrong.
#include <gtest/gtest.h>

#include <QJsonObject>
#include <random>
#include <string>

#include "replay_runner.h"

namespace quorvel::testing {
namespace {

// What names the example on screen and where the random source goes next.
QJsonObject example_of(const QJsonObject& line) {
    QJsonObject out;
    for (const char* key : {"ex_a", "ex_b", "lebel", "value_lebel", "exercise"}) {
        out.insert(QString::fromLatin1(key), line.value(QString::fromLatin1(key)));
    }
    return out;
}

class ExerciseLine : public ::testing::TestWithParam<int> {};

TEST_P(ExerciseLine, OpensTheExampleOfItsCodeAndTheSameNextOnes) {
    const int level = GetParam();
    QStringList events = replay_handlers();
    events.removeAll(QStringLiteral("Form_Load"));
    ASSERT_FALSE(events.isEmpty());
    // Random events with the level raised to the top first, then brought down to `level`,
    // so the example on screen was drawn there after all of them; then two RESETs.
    std::mt19937 rng(static_cast<unsigned>(2800 + level));
    QByteArray input = QByteArray("Spin_lebel_SpinUp\n").repeated(4);
    for (int i = 0; i < 300; ++i) {
        const auto at = std::uniform_int_distribution<qsizetype>(0, events.size() - 1)(rng);
        const QString& event = events[at];
        if (!event.startsWith(QStringLiteral("Spin_lebel"))) {
            input += event.toUtf8() + '\n';
        }
    }
    input += QByteArray("Spin_lebel_SpinDown\n").repeated(4 - level);
    input += "Command1_Click\nCommand1_Click\n";
    const ReplayRun taken = run_replay(input);
    ASSERT_EQ(taken.exit_code, 0) << taken.errors.toStdString();
    ASSERT_GE(taken.lines.size(), 3u);
    const std::size_t at_code = taken.lines.size() - 3;
    const QJsonObject& source = taken.lines[at_code];
    ASSERT_EQ(source.value("lebel").toInt(), level);
    const QString code = source.value("exercise").toString();
    ASSERT_FALSE(code.isEmpty());

    // Typed in small letters without the hyphen, as someone may read it out.
    const QString typed = code.toLower().remove('-');
    const ReplayRun opened =
        run_replay("exercise " + typed.toUtf8() + "\nCommand1_Click\nCommand1_Click\n");
    ASSERT_EQ(opened.exit_code, 0) << opened.errors.toStdString();
    ASSERT_EQ(opened.lines.size(), 4u);
    EXPECT_EQ(opened.lines[1].value("event").toString(), "exercise " + code);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(example_of(opened.lines[i + 1]), example_of(taken.lines[at_code + i]))
            << "after " << i << " RESETs";
    }
    // Opened like a change of level: answers hidden, S/T empty, the trial at 0.
    const QJsonObject& first = opened.lines[1];
    EXPECT_EQ(first.value("ans_shown").toInt(), 0);
    EXPECT_EQ(first.value("value_s").toString(), QString());
    EXPECT_EQ(first.value("sim_a"), opened.lines[0].value("sim_a"));
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, ExerciseLine, ::testing::Range(1, 5),
                         [](const ::testing::TestParamInfo<int>& level) {
                             return "level_" + std::to_string(level.param);
                         });

TEST(ExerciseLine, ABadCodeStopsTheRunNamingItsLineAndWhatIsWrong) {
    const ReplayRun run = run_replay("Command3_Click\nexercise ABCD-EF\nCommand3_Click\n");
    EXPECT_EQ(run.exit_code, 2);
    EXPECT_EQ(run.lines.size(), 2u) << "nothing after the bad line";
    EXPECT_TRUE(
        run.errors.contains(QStringLiteral("line 2: an exercise code has 7 characters, not 6\n")))
        << run.errors.toStdString();
}

}  // namespace
}  // namespace quorvel::testing
