// `quorvel-replay --handlers`, the list every test driver draws its events from: each
// name in it once, and each one an event the replay then takes.
#include <gtest/gtest.h>

#include <QSet>

#include "replay_runner.h"

namespace quorvel::testing {
namespace {

TEST(ReplayHandlers, ListsEachEventOnceAndTakesEveryOne) {
    const QStringList names = replay_handlers();
    ASSERT_TRUE(names.contains(QStringLiteral("Form_Load")));
    ASSERT_TRUE(names.contains(QStringLiteral("Command3_Click")));
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size());

    const ReplayRun run = run_replay(names.join('\n').toUtf8() + '\n');
    ASSERT_EQ(run.exit_code, 0) << run.errors.toStdString();
    EXPECT_EQ(run.malformed_lines, 0);
    // The start-up line, then one line for each name, naming it.
    ASSERT_EQ(run.lines.size(), static_cast<std::size_t>(names.size()) + 1);
    for (qsizetype i = 0; i < names.size(); ++i) {
        EXPECT_EQ(run.lines[static_cast<std::size_t>(i) + 1].value("event").toString(), names[i]);
    }
}

}  // namespace
}  // namespace quorvel::testing
