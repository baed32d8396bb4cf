// quorvel-replay as a script sees it: one JSON line per event, exit status 2 with the
// line number for a line it cannot carry out, and snapshots of the real window.
#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include "layout.h"
#include "replay_runner.h"

namespace quorvel {
namespace {

using testing::ReplayRun;

ReplayRun replay(const QByteArray& input) {
    ReplayRun run = testing::run_replay(input);
    EXPECT_EQ(run.malformed_lines, 0) << "every printed line is one JSON object";
    return run;
}

QJsonArray strings(std::initializer_list<const char*> items) {
    QJsonArray out;
    for (const char* s : items) {
        out.append(QString::fromLatin1(s));
    }
    return out;
}

TEST(Replay, EmptyInputGivesOneLineForStartUp) {
    const ReplayRun run = replay({});
    ASSERT_EQ(run.exit_code, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), 1u);

    const QJsonObject start = run.lines[0];
    EXPECT_EQ(start["event"], QStringLiteral("Form_Load"));
    EXPECT_EQ(start["value_lebel"], QStringLiteral("1"));
    EXPECT_EQ(start["value_n"], QStringLiteral("0"));
    EXPECT_EQ(start["value_k"], QStringLiteral("50"));
    EXPECT_EQ(start["value_s"], QStringLiteral(""));
    EXPECT_EQ(start["y_axis"], QStringLiteral("10"));
    EXPECT_EQ(start["value_a"], strings({"0", "0", "0", "0", "0"}));
    EXPECT_EQ(start["value_b"], strings({"0", "0", "0", "0", "0"}));
    EXPECT_EQ(start["ans_a_visible"], QJsonArray({false, false, false, false, false}));
    EXPECT_EQ(start["ans_b_visible"], QJsonArray({false, false, false, false, false}));
    EXPECT_EQ(start["switch_c"], true);
    EXPECT_EQ(start["switch_s"], false);
    EXPECT_EQ(start["cos_mode"], true);
    EXPECT_EQ(start["lebel"], 1);
    EXPECT_EQ(start["div_k"], 50);
    EXPECT_EQ(start["ans_shown"], 0);
    EXPECT_FALSE(start.contains("fault"));

    // A 32-bit float comes back bit for bit.
    const double d_theta = start["d_theta"].toDouble();
    EXPECT_EQ(static_cast<float>(d_theta), 0.12566361f);
    EXPECT_EQ(static_cast<double>(static_cast<float>(d_theta)), d_theta);
}

TEST(Replay, EachEventPrintsItsOwnLineAndSkipsCommentsAndBlanks) {
    const ReplayRun run = replay("# raise the level\n\nSpin_lebel_SpinUp\n   \nCommand4_Click\n");
    ASSERT_EQ(run.exit_code, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), 3u);
    const QJsonObject level = run.lines[1];
    EXPECT_EQ(level["event"], QStringLiteral("Spin_lebel_SpinUp"));
    EXPECT_EQ(level["value_lebel"], QStringLiteral("2"));
    EXPECT_EQ(level["lebel"], 2);
    const QJsonObject answers = run.lines[2];
    EXPECT_EQ(answers["event"], QStringLiteral("Command4_Click"));
    EXPECT_EQ(answers["ans_shown"], -1);
    EXPECT_EQ(answers["ans_a_visible"], QJsonArray({true, true, true, true, true}));
}

TEST(Replay, UnknownHandlerStopsTheRunNamingItsLine) {
    const ReplayRun run = replay("Spin_n_SpinUp\n# note\nSpin_n_Spin\nSpin_n_SpinUp\n");
    EXPECT_EQ(run.exit_code, 2);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("line 3"))) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(QStringLiteral("'Spin_n_Spin'"))) << run.errors.toStdString();
    EXPECT_EQ(run.lines.size(), 2u);  // start-up and the first event; nothing after line 3
}

TEST(Replay, UnwritableSnapshotStopsTheRunNamingItsLine) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray path = dir.filePath(QStringLiteral("missing/folder/shot.png")).toUtf8();
    const ReplayRun run = replay("\nsnap " + path + "\nCommand1_Click\n");
    EXPECT_EQ(run.exit_code, 2);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("line 2"))) << run.errors.toStdString();
    EXPECT_EQ(run.lines.size(), 1u);
}

// Where a control sits in the window's client area, from the layout table.
QRect window_rect(ControlName name) {
    const PixelRect r = client_rect(name).value();
    return {r.left, r.top, r.width, r.height};
}

TEST(Replay, SnapshotIsTheWholeClientAreaWithThePlotsDrawn) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("start.png"));
    const ReplayRun run = replay("snap " + path.toUtf8() + "\n");
    ASSERT_EQ(run.exit_code, 0) << run.errors.toStdString();

    const QImage shot(path);
    ASSERT_EQ(shot.size(), QSize(647, 455));
    // The left two thirds of the example plot, clear of its "T" mark.
    QRect plot = window_rect({"campus_ex"});
    plot.setWidth(plot.width() * 2 / 3);
    int inked = 0;
    for (int y = plot.top(); y <= plot.bottom(); ++y) {
        for (int x = plot.left(); x <= plot.right(); ++x) {
            inked += shot.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
        }
    }
    EXPECT_GT(inked, plot.width());  // more than the axis alone
}

}  // namespace
}  // namespace quorvel
