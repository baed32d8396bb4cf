// quorvel: the Fourier series exercise window. Its command line holds --high-contrast,
// --language, --exercise CODE, --help and --version.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "command_line.h"
#include "display_check.h"
#include "exercise_opening.h"
#include "main_window.h"
#include "system_languages.h"

namespace {

// The id of the installed desktop entry, which also names the installed theme icon.
constexpr const char* desktop_id = QUORVEL_APP_ID;

}  // namespace

int main(int argc, char* argv[]) {
    const quorvel::CommandLine line =
        quorvel::read_command_line(std::span<const char* const>(argv + 1, argv + argc));
    // Chosen before anything is said, so that even the refusal of a command line is in
    // the student's language.
    const std::vector<std::string> system = quorvel::system_languages();
    const std::vector<std::string_view> preferences(system.begin(), system.end());
    const quorvel::Language& language = quorvel::language_of(line, preferences);
    const quorvel::Catalogue catalogue = quorvel::catalogue_of(language);
    switch (line.action) {
        case quorvel::CommandLine::Action::show_help:
            std::fputs(quorvel::usage_text(catalogue).c_str(), stdout);
            return 0;
        case quorvel::CommandLine::Action::show_version:
            std::printf("%s\n", quorvel::version_text().c_str());
            return 0;
        case quorvel::CommandLine::Action::refuse:
            std::fputs(quorvel::refusal_text(line, catalogue).c_str(), stderr);
            return 2;
        case quorvel::CommandLine::Action::open_window:
            break;
    }
    // Qt aborts when it cannot open a display; the user gets a plain sentence instead.
    if (const auto problem = quorvel::display_problem(
            quorvel::current_display_settings(), quorvel::system_display_probes(), catalogue)) {
        std::fputs(problem->c_str(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    // Lets the desktop match the window to its entry, for the task bar's name and icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktop_id));
    quorvel::use_program_look();
    quorvel::MainWindow window;
    // From the icon theme when the package is installed; without it the window keeps
    // whatever the desktop gives windows that have none.
    const QIcon icon = QIcon::fromTheme(QString::fromLatin1(desktop_id));
    if (!icon.isNull()) {
        window.setWindowIcon(icon);
    }
    window.set_palette(line.palette);
    window.set_language(language);
    window.load();
    if (line.exercise) {
        quorvel::start_exercise(window.form(), *line.exercise);
    }
    window.show();
    return QApplication::exec();
}
