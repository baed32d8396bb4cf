#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The window's own commands around the exercise (the help, the zoom, high contrast, the
// copy of its picture) and every other key the help lists, written once: each shell
// makes its actions, its keys, its context menu and the help's Keys section from here.

// The program's shells, for what only one of them has.
enum class Shell { desktop, web };

// Who takes a row's keys in a shell.
enum class TakenBy {
    nobody,  // the row is not in this shell
    window,  // one of the window's commands: the shell runs it on its keys and from its menu
    other,   // something else (a control, the help, the browser); the help only lists them
};

// A row as one shell has it.
struct OnShell {
    TakenBy by = TakenBy::nobody;
    // For a window command, key texts in Qt's portable form ("Ctrl+Alt+H"), alternatives
    // separated by "; " as QKeySequence::listFromString reads them; for other keys, as the
    // help writes them ("Tab, Shift+Tab").
    std::string_view keys = {};
    // Its line in the help's Keys section; a row with none is not listed there.
    std::string_view description = {};
};

struct CommandRow {
    // How a shell finds what a command does ("help", "zoom_in", …); empty for keys that
    // are no command of the window.
    std::string_view id = {};
    std::string_view label = {};  // its entry in the context menu, if it has one
    bool checkable = false;  // its entry shows a check mark (for a submenu, each of its entries)
    OnShell desktop = {};
    OnShell web = {};

    constexpr const OnShell& on(Shell shell) const {
        return shell == Shell::desktop ? desktop : web;
    }
};

// Every row, in the order the help's Keys section lists them.
std::span<const CommandRow> command_table();

// The row of a command, or nullptr.
const CommandRow* find_command(std::string_view id);

// A shell's context menu from top to bottom: commands' ids, menu_separator between groups.
inline constexpr std::string_view menu_separator = "-";
std::span<const std::string_view> context_menu_of(Shell shell);

// A command's key texts in a shell, one per alternative.
std::vector<std::string_view> key_texts(const OnShell& on);

// One line of the help's Keys section: the keys as the help shows them and what they do.
struct KeyLine {
    std::string keys;  // "Ctrl+= or Ctrl++"
    std::string_view action;
};

// The Keys section a shell's help shows, in the table's order.
std::vector<KeyLine> key_lines(Shell shell);

}  // namespace quorvel
