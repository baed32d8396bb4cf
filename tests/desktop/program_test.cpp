// The quorvel program as a shell sees it: --help and --version without a display, other
// arguments refused, and a plain message instead of Qt's abort when no display answers.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "case_name.h"
#include "command_line.h"
#include "languages.h"
#include "project_version.h"

namespace quorvel {
namespace {

// An X display number with no server behind it on this machine.
QString dead_x_display() {
    for (int n = 1999; n < 2100; ++n) {
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) {
            return QStringLiteral(":%1").arg(n);
        }
    }
    return QStringLiteral(":2100");
}

struct ProgramCase {
    const char* name;
    std::vector<const char*> arguments;
    // Variables on top of PATH; "{x}" stands for a dead X display, "{dir}" for an empty
    // folder.
    std::vector<std::pair<const char*, const char*>> environment;
    int exit_code;
    std::vector<const char*> out;  // what standard output must contain
    std::vector<const char*> err;  // what the one line on standard error must contain
};

void PrintTo(const ProgramCase& c, std::ostream* out) {
    *out << c.name;
}

class Program : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(Program, AnswersAndExits) {
    const ProgramCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString x = dead_x_display();
    const auto expand = [&](const char* text) {
        return QString::fromUtf8(text)
            .replace(QStringLiteral("{x}"), x)
            .replace(QStringLiteral("{dir}"), dir.path());
    };

    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    for (const auto& [name, value] : c.environment) {
        env.insert(QString::fromUtf8(name), expand(value));
    }
    QStringList arguments;
    for (const char* a : c.arguments) {
        arguments.append(QString::fromUtf8(a));
    }
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(QUORVEL_PROGRAM), arguments);
    program.closeWriteChannel();
    if (!program.waitForFinished(20000)) {
        program.kill();
        program.waitForFinished();
        FAIL() << "quorvel did not exit";
    }
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    ASSERT_EQ(program.exitStatus(), QProcess::NormalExit) << err.toStdString();
    EXPECT_EQ(program.exitCode(), c.exit_code) << err.toStdString();
    for (const char* part : c.out) {
        EXPECT_TRUE(out.contains(expand(part))) << "missing \"" << part << "\" in:\n"
                                                << out.toStdString();
    }
    if (c.err.empty()) {
        EXPECT_EQ(err, QString()) << "nothing on standard error";
    } else {
        EXPECT_EQ(out, QString()) << "nothing on standard output";
        EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << "one line:\n" << err.toStdString();
        for (const char* part : c.err) {
            EXPECT_TRUE(err.contains(expand(part)))
                << "missing \"" << expand(part).toStdString() << "\" in: " << err.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Program,
    ::testing::Values(
        ProgramCase{
            "help_without_display",
            {"--help"},
            {},
            0,
            {"Usage: quorvel [--high-contrast] [--language CODE] [--exercise CODE]", "--version",
             "--language CODE", "--exercise CODE", "--high-contrast", "xvfb-run -a quorvel"},
            {}},
        ProgramCase{"version_without_display",
                    {"--version"},
                    {{"DISPLAY", "{x}"}},
                    0,
                    {"quorvel " QUORVEL_VERSION "\n"},
                    {}},
        ProgramCase{"first_of_help_and_version_decides",
                    {"--version", "--help"},
                    {},
                    0,
                    {"quorvel " QUORVEL_VERSION "\n"},
                    {}},
        ProgramCase{"unknown_option", {"--frobnicate"}, {}, 2, {}, {"'--frobnicate'"}},
        ProgramCase{"high_contrast_with_help",
                    {"--high-contrast", "--help"},
                    {},
                    0,
                    {"Usage: quorvel"},
                    {}},
        ProgramCase{"high_contrast_needs_a_display",
                    {"--high-contrast"},
                    {{"DISPLAY", "{x}"}},
                    1,
                    {},
                    {"No X server answers on the display {x} (DISPLAY)"}},
        ProgramCase{
            "qt_option_is_not_taken", {"-platform", "offscreen"}, {}, 2, {}, {"'-platform'"}},
        ProgramCase{"file_name", {"notes.txt"}, {{"DISPLAY", "{x}"}}, 2, {}, {"'notes.txt'"}},
        ProgramCase{"argument_after_help", {"--help", "extra"}, {}, 2, {}, {"'extra'"}},
        ProgramCase{"dead_x_display",
                    {},
                    {{"DISPLAY", "{x}"}},
                    1,
                    {},
                    {"quorvel: ", "No X server answers on the display {x} (DISPLAY)"}},
        ProgramCase{"dead_wayland_display",
                    {},
                    {{"WAYLAND_DISPLAY", "wayland-gone"}, {"XDG_RUNTIME_DIR", "{dir}"}},
                    1,
                    {},
                    {"quorvel: ", "No Wayland compositor answers on wayland-gone (WAYLAND_DISPLAY)",
                     "DISPLAY is not set"}},
        ProgramCase{"dead_wayland_socket_path",
                    {},
                    {{"WAYLAND_DISPLAY", "{dir}/wayland-1"}},
                    1,
                    {},
                    {"No Wayland compositor answers on {dir}/wayland-1"}},
        ProgramCase{
            "both_dead",
            {},
            {{"DISPLAY", "{x}"}, {"WAYLAND_DISPLAY", "wayland-gone"}, {"XDG_RUNTIME_DIR", "{dir}"}},
            1,
            {},
            {"wayland-gone (WAYLAND_DISPLAY)", "{x} (DISPLAY)"}},
        ProgramCase{"unknown_language", {"--language", "xx"}, {}, 2, {}, {"'xx'"}},
        ProgramCase{"language_without_code", {"--help", "--language"}, {}, 2, {}, {"--language"}},
        ProgramCase{"language_and_help",
                    {"--language=en", "--help"},
                    {},
                    0,
                    {"Usage: quorvel", "en, ar, de, es, fr, ja, ko, pt-BR, zh-CN\n"},
                    {}},
        // A bad code is refused before any display is looked for, as a bad option is.
        ProgramCase{"exercise_too_short",
                    {"--exercise", "ABC"},
                    {{"DISPLAY", "{x}"}},
                    2,
                    {},
                    {"quorvel: --exercise: an exercise code has 7 characters, not 3"}},
        ProgramCase{"exercise_glued_bad_character",
                    {"--exercise=ABCU-EFG"},
                    {},
                    2,
                    {},
                    {"quorvel: --exercise: 'U' is not a character of exercise codes"}},
        ProgramCase{"exercise_unknown_level",
                    {"--exercise", "0000-000"},
                    {},
                    2,
                    {},
                    {"the code is for level 0, and the levels are 1 to 4"}},
        ProgramCase{"exercise_mistyped",
                    {"--help", "--exercise", "0000-001"},
                    {},
                    2,
                    {},
                    {"--exercise: the code's check character does not match"}},
        ProgramCase{"exercise_without_code",
                    {"--exercise"},
                    {},
                    2,
                    {},
                    {"quorvel: --exercise needs an exercise code"}},
        // A good code is taken: the program goes on to look for its display.
        ProgramCase{"exercise_taken",
                    {"--exercise", "14m8 643", "--high-contrast"},
                    {{"DISPLAY", "{x}"}},
                    1,
                    {},
                    {"No X server answers on the display {x} (DISPLAY)"}},
        ProgramCase{"x_platform_asked_for_without_display",
                    {},
                    {{"QT_QPA_PLATFORM", "xcb"}},
                    1,
                    {},
                    {"DISPLAY is not set"}}),
    testing::CaseName{});

// With nothing to show the window on, the message tells an installed user what to type.
TEST(Program, WithoutAnyDisplaySaysHowToRunOnAVirtualServer) {
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(QUORVEL_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(20000));
    const QString err = QString::fromUtf8(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(err.startsWith(QStringLiteral("quorvel: There is no display")))
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("    xvfb-run -a quorvel\n"))) << err.toStdString();
    EXPECT_FALSE(err.contains(QStringLiteral("build/"))) << err.toStdString();
}

// --help in the language asked for, by --language or by the system's LANGUAGE: the
// catalogue's words, which differ from the English only where it translates them.
TEST(Program, HelpIsInTheLanguageAskedFor) {
    const Catalogue german = catalogue_of(*find_language("de"));
    const std::string english = usage_text(Catalogue{});
    const QString expected = QString::fromStdString(usage_text(german));
    // Its first paragraph, which a translation of the text surely translates.
    const std::string opening = english.substr(0, english.find("\n\n") + 1);
    EXPECT_EQ(expected.toStdString() != english, german.translate(opening) != opening);
    for (const auto& [arguments, language] :
         {std::pair{QStringList{QStringLiteral("--language"), QStringLiteral("de"),
                                QStringLiteral("--help")},
                    QString()},
          std::pair{QStringList{QStringLiteral("--help")}, QStringLiteral("de_AT:fr")}}) {
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
        if (!language.isEmpty()) {
            env.insert(QStringLiteral("LANGUAGE"), language);
            env.insert(QStringLiteral("LANG"), QStringLiteral("de_AT.UTF-8"));
        }
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(QUORVEL_PROGRAM), arguments);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_EQ(QString::fromUtf8(program.readAllStandardOutput()), expected)
            << arguments.join(QLatin1Char(' ')).toStdString();
    }
}

}  // namespace
}  // namespace quorvel
