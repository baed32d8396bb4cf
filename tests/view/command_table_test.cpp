// The command table every shell builds its commands, menus and the help's Keys section
// from: each shell's menu names commands that shell runs, each once, and every command it
// runs is in its menu; and a spin button's two arrows share its height.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "command_table.h"
#include "spin_arrows.h"

namespace quorvel {
namespace {

class ShellMenu : public ::testing::TestWithParam<Shell> {};

TEST_P(ShellMenu, OffersEveryCommandTheShellRunsOnce) {
    const Shell shell = GetParam();
    const auto menu = context_menu_of(shell);
    std::vector<std::string_view> ran;
    for (const CommandRow& row : command_table()) {
        if (row.on(shell).by == TakenBy::window) {
            EXPECT_FALSE(row.id.empty()) << row.on(shell).keys;
            EXPECT_FALSE(row.label.empty()) << row.id;
            EXPECT_EQ(std::count(menu.begin(), menu.end(), row.id), 1) << row.id;
            ran.push_back(row.id);
        }
    }
    for (const std::string_view id : menu) {
        if (id != menu_separator) {
            EXPECT_NE(std::find(ran.begin(), ran.end(), id), ran.end()) << id;
        }
    }
    ASSERT_FALSE(menu.empty());
    EXPECT_NE(menu.front(), menu_separator);
    EXPECT_NE(menu.back(), menu_separator);
}

INSTANTIATE_TEST_SUITE_P(Shells, ShellMenu, ::testing::Values(Shell::desktop, Shell::web),
                         [](const auto& shell) {
                             return std::string(shell.param == Shell::desktop ? "desktop" : "web");
                         });

TEST(CommandTable, FindsACommandByItsIdOnly) {
    for (const CommandRow& row : command_table()) {
        if (!row.id.empty()) {
            EXPECT_EQ(find_command(row.id), &row) << row.id;
        }
    }
    EXPECT_EQ(find_command(""), nullptr);
    EXPECT_EQ(find_command("no_such_command"), nullptr);
}

// Alternatives are shown joined by "or"; a key text with no alternative as it is.
TEST(CommandTable, KeyLinesJoinAlternatives) {
    const OnShell two{TakenBy::window, "Ctrl+=; Ctrl++", "x"};
    EXPECT_EQ(key_texts(two), (std::vector<std::string_view>{"Ctrl+=", "Ctrl++"}));
    EXPECT_TRUE(key_texts(OnShell{}).empty());
    bool joined = false;
    for (const KeyLine& line : key_lines(Shell::desktop)) {
        EXPECT_FALSE(line.keys.empty()) << line.action;
        EXPECT_EQ(line.keys.find(';'), std::string::npos) << line.keys;
        joined = joined || line.keys.find(" or ") != std::string::npos;
    }
    EXPECT_TRUE(joined);
}

// Odd and even heights, a button too small for a triangle, and a wide one.
TEST(SpinArrows, ShareTheButtonsHeightWithAtLeastOneRowEach) {
    struct Size {
        int width;
        int height;
    };
    for (const Size size : {Size{17, 33}, Size{17, 32}, Size{3, 5}, Size{40, 60}, Size{16, 0}}) {
        SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
        const ArrowPlace up = spin_arrow(size.width, size.height, SpinArrow::up);
        const ArrowPlace down = spin_arrow(size.width, size.height, SpinArrow::down);
        EXPECT_EQ(up.top, 0);
        EXPECT_EQ(down.top, up.height);
        EXPECT_EQ(up.height + down.height, size.height);
        EXPECT_GE(down.height, up.height);
        for (const ArrowPlace arrow : {up, down}) {
            EXPECT_GE(arrow.rows, 1);
            // A triangle of more than one row leaves two pixels above and below it and
            // its widest row inside the button.
            if (arrow.rows > 1) {
                EXPECT_LE(2 * arrow.rows + 4, arrow.height);
                EXPECT_LE(2 * arrow.rows - 1, size.width);
            }
        }
    }
}

}  // namespace
}  // namespace quorvel
