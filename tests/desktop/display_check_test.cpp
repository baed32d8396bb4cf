// Which displays the program asks before Qt opens one, against servers that answer or not.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <set>
#include <string>

#include "case_name.h"
#include "display_check.h"
#include "languages.h"

namespace quorvel {
namespace {

// The servers that answer in every case below.
const std::set<std::string> live_x{":0"};
const std::set<std::string> live_sockets{"/run/user/1000/wayland-0"};

struct DisplayCase {
    const char* name;
    DisplaySettings settings;
    const char* problem;  // nullptr: the window opens; otherwise part of the message
};

void PrintTo(const DisplayCase& c, std::ostream* out) {
    *out << c.name;
}

class DisplayCheck : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayCheck, OpensOnTheFirstDisplayQtWouldUseOrSaysWhy) {
    const DisplayProbes probes{[](const std::string& name) { return live_x.contains(name); },
                               [](const std::string& path) { return live_sockets.contains(path); }};
    const std::optional<std::string> problem =
        display_problem(GetParam().settings, probes, Catalogue{});
    if (GetParam().problem == nullptr) {
        EXPECT_EQ(problem, std::nullopt);
    } else {
        ASSERT_TRUE(problem.has_value());
        EXPECT_NE(problem->find(GetParam().problem), std::string::npos) << *problem;
        EXPECT_EQ(problem->find('\n'), problem->size() - 1) << "one line: " << *problem;
    }
}

constexpr const char* opens = nullptr;

INSTANTIATE_TEST_SUITE_P(
    Table, DisplayCheck,
    ::testing::Values(
        DisplayCase{"live_x", {.x_display = ":0"}, opens},
        DisplayCase{"dead_x", {.x_display = ":5"}, "No X server answers on the display :5"},
        DisplayCase{
            "offscreen_needs_no_display", {.platform = "offscreen", .x_display = ":5"}, opens},
        DisplayCase{"dead_wayland_falls_back_to_live_x",
                    {.x_display = ":0",
                     .wayland_display = "wayland-9",
                     .runtime_dir = "/run/user/1000",
                     .wayland_plugin = true},
                    opens},
        DisplayCase{"live_wayland",
                    {.wayland_display = "wayland-0",
                     .runtime_dir = "/run/user/1000",
                     .wayland_plugin = true},
                    opens},
        DisplayCase{"live_wayland_by_absolute_path",
                    {.wayland_display = "/run/user/1000/wayland-0", .wayland_plugin = true},
                    opens},
        DisplayCase{
            "wayland_session_uses_the_default_socket",
            {.session_type = "wayland", .runtime_dir = "/run/user/1000", .wayland_plugin = true},
            opens},
        DisplayCase{"live_wayland_without_the_plugin",
                    {.wayland_display = "wayland-0", .runtime_dir = "/run/user/1000"},
                    "needs Qt's Wayland platform plugin"},
        DisplayCase{"wayland_name_without_runtime_dir",
                    {.wayland_display = "wayland-0", .wayland_plugin = true},
                    "XDG_RUNTIME_DIR is not set"},
        DisplayCase{"platform_list_falls_back",
                    {.platform = "wayland;xcb",
                     .x_display = ":0",
                     .wayland_display = "wayland-9",
                     .runtime_dir = "/run/user/1000",
                     .wayland_plugin = true},
                    opens},
        DisplayCase{"platform_wayland_alone_does_not_fall_back",
                    {.platform = "wayland",
                     .x_display = ":0",
                     .wayland_display = "wayland-9",
                     .runtime_dir = "/run/user/1000",
                     .wayland_plugin = true},
                    "No Wayland compositor answers on wayland-9"},
        DisplayCase{
            "platform_with_arguments", {.platform = "xcb:nograb", .x_display = ":0"}, opens}),
    testing::CaseName{});

// Each reason is translated whole, its display named after: in every language the message
// names the displays and keeps no placeholder.
TEST(DisplayCheck, NamesTheDisplaysInEveryLanguage) {
    const DisplayProbes none{[](const std::string&) { return false; },
                             [](const std::string&) { return false; }};
    const DisplaySettings settings{.x_display = ":5",
                                   .wayland_display = "wayland-9",
                                   .runtime_dir = "/run/user/1000",
                                   .wayland_plugin = true};
    const std::optional<std::string> english = display_problem(settings, none, Catalogue{});
    EXPECT_EQ(english,
              "quorvel: Cannot open the window. No Wayland compositor answers on "
              "wayland-9 (WAYLAND_DISPLAY). No X server answers on the display :5 "
              "(DISPLAY).\n");
    for (const Language& language : languages()) {
        const std::optional<std::string> problem =
            display_problem(settings, none, catalogue_of(language));
        ASSERT_TRUE(problem.has_value());
        EXPECT_TRUE(problem->starts_with("quorvel: ")) << *problem;
        EXPECT_NE(problem->find(":5"), std::string::npos) << *problem;
        EXPECT_NE(problem->find("wayland-9"), std::string::npos) << *problem;
        EXPECT_EQ(problem->find('{'), std::string::npos) << *problem;
    }
}

}  // namespace
}  // namespace quorvel
