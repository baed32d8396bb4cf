// The command table as the desktop reads it: every key text of a command is one key Qt
// reads back as written, no key runs two commands in one shell, and the window has an
// action for each of the desktop's commands with the row's label, keys and check mark.
#include <gtest/gtest.h>

#include <QAction>
#include <QKeySequence>
#include <algorithm>
#include <string>
#include <vector>

#include "command_table.h"
#include "main_window.h"
#include "window_fixture.h"

namespace quorvel {
namespace {

QString text_of(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

TEST(CommandKeys, AreKeysQtReadsAndUniqueInEachShell) {
    for (const Shell shell : {Shell::desktop, Shell::web}) {
        std::vector<QKeySequence> seen;
        for (const CommandRow& row : command_table()) {
            if (row.on(shell).by != TakenBy::window) {
                continue;
            }
            for (const std::string_view text : key_texts(row.on(shell))) {
                SCOPED_TRACE(std::string(row.id) + " " + std::string(text));
                const QKeySequence key =
                    QKeySequence::fromString(text_of(text), QKeySequence::PortableText);
                ASSERT_EQ(key.count(), 1);
                EXPECT_NE(key[0].key(), Qt::Key_unknown);
                EXPECT_EQ(key.toString(QKeySequence::PortableText), text_of(text));
                EXPECT_EQ(std::count(seen.begin(), seen.end(), key), 0);
                seen.push_back(key);
            }
        }
        EXPECT_FALSE(seen.empty());
    }
}

using CommandActions = testing::WindowTest;

TEST_F(CommandActions, EveryDesktopCommandIsAnActionOnItsKeys) {
    const QList<QAction*> actions = window.actions();
    for (const CommandRow& row : command_table()) {
        if (row.desktop.by != TakenBy::window || row.desktop.keys.empty()) {
            continue;
        }
        SCOPED_TRACE(std::string(row.id));
        const auto action = std::find_if(actions.begin(), actions.end(), [&](QAction* a) {
            return a->text() == text_of(row.label);
        });
        ASSERT_NE(action, actions.end());
        EXPECT_EQ((*action)->shortcuts(), QKeySequence::listFromString(text_of(row.desktop.keys),
                                                                       QKeySequence::PortableText));
        EXPECT_FALSE((*action)->shortcuts().isEmpty());
        EXPECT_EQ((*action)->shortcutContext(), Qt::WindowShortcut);
        EXPECT_EQ((*action)->isCheckable(), row.checkable);
    }
}

}  // namespace
}  // namespace quorvel
