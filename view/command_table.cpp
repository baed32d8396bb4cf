#include "command_table.h"

#include <algorithm>
#include <array>

#include "translatable.h"

namespace quorvel {
namespace {

constexpr OnShell window(std::string_view keys, std::string_view description) {
    return {TakenBy::window, keys, description};
}

constexpr OnShell other(std::string_view keys, std::string_view description) {
    return {TakenBy::other, keys, description};
}

// The desktop window zooms in its own steps and its menu offers them; on the web page
// zoom is the browser's, so the help lists its keys but the page takes none of them.
constexpr auto rows = std::to_array<CommandRow>({
    {.id = "help",
     .label = N_("How to use…"),
     .desktop = window("F1", N_("Open this help")),
     .web = window("F1", N_("Open this help"))},
    {.desktop = other("Esc", N_("Close this help")), .web = other("Esc", N_("Close this help"))},
    {.id = "zoom_in",
     .label = N_("Zoom in"),
     .desktop = window("Ctrl+=; Ctrl++", N_("Zoom in: 100, 125, 150, 200, 250, 300 %")),
     .web = other("Ctrl+=; Ctrl++",
                  N_("Zoom in, in the browser's own steps; the plots stay sharp at every zoom"))},
    {.id = "zoom_out",
     .label = N_("Zoom out"),
     .desktop = window("Ctrl+-", N_("Zoom out")),
     .web = other("Ctrl+-", N_("Zoom out"))},
    {.id = "actual_size",
     .label = N_("Actual size"),
     .desktop = window("Ctrl+0", N_("Back to 100 %")),
     .web = other("Ctrl+0", N_("Back to 100 %"))},
    // The submenu of zoom steps, one checkable entry per step.
    {.id = "zoom_levels", .label = N_("Zoom"), .checkable = true, .desktop = window("", "")},
    // The submenu of languages, each by its own name, one checkable entry per language.
    {.id = "language",
     .label = N_("Language"),
     .checkable = true,
     .desktop = window("", ""),
     .web = window("", "")},
    {.id = "copy_picture",
     .label = N_("Copy picture"),
     .desktop = window(
         "Ctrl+C", N_("Copy a picture of the whole window, at its zoom, for a worksheet or slide")),
     .web =
         window("Ctrl+C",
                N_("Copy a picture of the whole window, at its zoom, for a worksheet or slide"))},
    {.id = "high_contrast",
     .label = N_("High contrast"),
     .checkable = true,
     .desktop =
         window("Ctrl+Alt+H",
                N_("High contrast on or off: darker reds, greens and outlines, every text at "
                   "4.5:1 or more")),
     .web = window("Ctrl+Alt+H",
                   N_("High contrast on or off: darker reds, greens and outlines, every text at "
                      "4.5:1 or more"))},
    {.id = "share_exercise",
     .label = N_("Share this exercise…"),
     .desktop = window("Ctrl+Shift+S",
                       N_("Show this exercise's code, which opens the same example for anyone")),
     .web = window("Ctrl+Shift+S",
                   N_("Show this exercise's code and address, which open the same example for "
                      "anyone"))},
    {.id = "open_exercise",
     .label = N_("Open an exercise…"),
     .desktop = window("Ctrl+O", N_("Open the exercise a code names")),
     .web = window("Ctrl+O", N_("Open the exercise a code names"))},
    {.id = "print_worksheet",
     .label = N_("Print worksheet…"),
     .desktop =
         window("Ctrl+P", N_("Print a worksheet of this exercise: its code, the example wave and "
                             "a table to work it out in")),
     .web = window("Ctrl+P",
                   N_("Print a worksheet of this exercise: its code and address, the example "
                      "wave and a table to work it out in"))},
    // Menu entries only: with no keys they have no line in the help's Keys section.
    {.id = "print_answer_key",
     .label = N_("Print answer key…"),
     .desktop = window("", ""),
     .web = window("", "")},
    {.id = "save_worksheet_pdf", .label = N_("Save worksheet as PDF…"), .desktop = window("", "")},
    // The page's address with the student's work in it; the desktop has no address.
    {.id = "copy_work_link", .label = N_("Copy a link to my work"), .web = window("", "")},
    {.desktop =
         other("Tab, Shift+Tab", N_("Move the keyboard focus to the next or previous control")),
     .web = other("Tab, Shift+Tab", N_("Move the keyboard focus to the next or previous control"))},
    {.desktop = other(N_("Up, Down"), N_("Step the spin button that has the focus")),
     .web = other(N_("Up, Down"), N_("Step the spin button that has the focus"))},
    {.desktop = other(N_("Space, Return, Enter"), N_("Press the button that has the focus")),
     .web = other(N_("Space, Return, Enter"), N_("Press the button that has the focus"))},
    {.desktop = other(N_("Right click, Menu key"),
                      N_("The menu with help, zoom, high contrast, the language, copy picture, "
                         "the exercise codes and printing")),
     .web = other(N_("Right click, Menu key"),
                  N_("The menu with help, high contrast, copy picture, the language, the "
                     "exercise codes and printing"))},
});

constexpr auto desktop_menu = std::to_array<std::string_view>({
    "help",
    menu_separator,
    "zoom_in",
    "zoom_out",
    "actual_size",
    "zoom_levels",
    "high_contrast",
    "language",
    menu_separator,
    "copy_picture",
    menu_separator,
    "share_exercise",
    "open_exercise",
    menu_separator,
    "print_worksheet",
    "print_answer_key",
    "save_worksheet_pdf",
});

constexpr auto web_menu = std::to_array<std::string_view>(
    {"help", "high_contrast", "copy_picture", "language", "share_exercise", "open_exercise",
     "copy_work_link", "print_worksheet", "print_answer_key"});

// Between alternatives in the portable form, and in the help.
constexpr std::string_view key_separator = "; ";
constexpr std::string_view shown_separator = N_(" or ");

}  // namespace

std::span<const CommandRow> command_table() {
    return rows;
}

const CommandRow* find_command(std::string_view id) {
    const auto* row =
        std::find_if(rows.begin(), rows.end(), [&](const CommandRow& r) { return r.id == id; });
    return row == rows.end() || id.empty() ? nullptr : row;
}

std::span<const std::string_view> context_menu_of(Shell shell) {
    if (shell == Shell::desktop) {
        return desktop_menu;
    }
    return web_menu;
}

std::vector<std::string_view> key_texts(const OnShell& on) {
    std::vector<std::string_view> out;
    std::string_view rest = on.keys;
    while (!rest.empty()) {
        const auto end = rest.find(key_separator);
        out.push_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{}
                                             : rest.substr(end + key_separator.size());
    }
    return out;
}

std::vector<KeyLine> key_lines(Shell shell, const Catalogue& catalogue) {
    std::vector<KeyLine> out;
    for (const CommandRow& row : rows) {
        const OnShell& on = row.on(shell);
        if (on.by == TakenBy::nobody || on.description.empty()) {
            continue;
        }
        std::string shown;
        for (const std::string_view key : key_texts(on)) {
            shown += (shown.empty() ? std::string_view{} : catalogue.translate(shown_separator));
            // Keys named in words ("Up, Down") are translated; key caps ("Ctrl+C") stay.
            shown += catalogue.translate(key);
        }
        out.push_back({shown, std::string(catalogue.translate(on.description))});
    }
    return out;
}

}  // namespace quorvel
