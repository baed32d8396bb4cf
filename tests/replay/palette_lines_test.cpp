// The replay shows the window in either palette on a "palette" line: the state lines it
// prints stay the same byte for byte, and its snapshots take the palette's colours.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "replay_runner.h"

namespace quorvel::testing {
namespace {

constexpr std::string_view exercise[] = {"Command3_Click", "Spin_a0_SpinUp", "Spin_n_SpinUp",
                                         "Command3_Click", "Command4_Click", "Command1_Click"};

QByteArray lines_with(const QByteArray& between) {
    QByteArray input;
    for (const std::string_view event : exercise) {
        input += between;
        input += QByteArray(event.data(), static_cast<qsizetype>(event.size())) + '\n';
    }
    return input;
}

TEST(ReplayPalette, ChangesNoStateLine) {
    const ReplayRun plain = run_replay(lines_with(""));
    const ReplayRun switched = run_replay(lines_with("palette high-contrast\n") + "palette seed\n");
    ASSERT_EQ(plain.exit_code, 0) << plain.errors.toStdString();
    ASSERT_EQ(switched.exit_code, 0) << switched.errors.toStdString();
    EXPECT_EQ(switched.lines, plain.lines);
    EXPECT_EQ(plain.lines.size(), std::size(exercise) + 1);
}

TEST(ReplayPalette, RefusesAnUnknownPalette) {
    const ReplayRun run = run_replay("Command3_Click\npalette dark\n");
    EXPECT_EQ(run.exit_code, 2);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("line 2: no palette named 'dark'")))
        << run.errors.toStdString();
}

// CALC's rectangles are green on the product plot: a brighter green as the program asks
// for it, and the palette's darker green in high contrast; the plots' white stays white
// and the frames' edges turn darker.
TEST(ReplayPalette, SnapshotsTakeThePalettesColours) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString seed = dir.filePath(QStringLiteral("seed.png"));
    const QString high = dir.filePath(QStringLiteral("high.png"));
    const ReplayRun run = run_replay(("Command3_Click\nsnap " + seed.toUtf8() +
                                      "\npalette high-contrast\nsnap " + high.toUtf8() + "\n"));
    ASSERT_EQ(run.exit_code, 0) << run.errors.toStdString();
    const QImage a(seed);
    const QImage b(high);
    ASSERT_EQ(a.size(), b.size());
    int seed_green = 0;
    int dark_green = 0;
    int white_kept = 0;
    int white_seen = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb before = a.pixel(x, y) & 0xFFFFFFu;
            const QRgb after = b.pixel(x, y) & 0xFFFFFFu;
            if (before == 0x00FF00u) {
                ++seed_green;
                dark_green += after == 0x008000u ? 1 : 0;
            }
            if (before == 0xFFFFFFu) {
                ++white_seen;
                white_kept += after == 0xFFFFFFu ? 1 : 0;
            }
        }
    }
    EXPECT_GT(seed_green, 0);
    EXPECT_EQ(dark_green, seed_green);
    // The window's corner is the example frame's etched edge, darker in high contrast.
    EXPECT_EQ(a.pixel(0, 0) & 0xFFFFFFu, 0x9F9F9Fu);
    EXPECT_EQ(b.pixel(0, 0) & 0xFFFFFFu, 0x6E6E6Eu);
    EXPECT_GT(white_kept, white_seen / 2);
}

}  // namespace
}  // namespace quorvel::testing
