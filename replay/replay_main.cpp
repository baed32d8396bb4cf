// quorvel-replay: drives the real window without a screen. It reads events from standard
// input, one handler name per line, runs each through the window's dispatch, and prints
// the window's state as one line of JSON after Form_Load and after every event.
//
//   blank lines and lines starting with '#' are skipped
//   snap FILE.png   writes the window's client area, at one pixel per logical pixel
//   palette WORD    shows the window from then on in a palette, "seed" or "high-contrast";
//                   it changes pixels only, so it prints no state line
//   exercise CODE   opens the exercise a code names, as the shells' "open an exercise"
//                   does; its state line names the event "exercise" and the code
//
// `quorvel-replay --handlers` prints instead the name of every event it takes, one a line
// in the event table's order, and exits: the test drivers draw their events from it.
//
// A line that names no handler or palette, a code that names no exercise, or a snapshot that cannot
// be written, stops the run with a message naming the line and exit status 2. A runtime fault in a
// handler is reported as "fault" in that event's line and the run goes on.
#include <QApplication>
#include <QPixmap>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "catalogue.h"
#include "dispatch.h"
#include "event_table.h"
#include "exercise_dialog_text.h"
#include "exercise_opening.h"
#include "main_window.h"
#include "palette.h"
#include "state_json.h"

namespace {

// The offscreen platform at a device pixel ratio of 1, whatever the caller's desktop.
void use_offscreen_platform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
}

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

void print_state(quorvel::MainWindow& window, std::string_view event,
                 const std::optional<quorvel::RuntimeFault>& fault) {
    std::cout << quorvel::state_json(window.form(), event, fault ? &*fault : nullptr) << '\n'
              << std::flush;
}

// The rest of a line after its first word, or nullopt when the line begins with another.
std::optional<std::string_view> after_word(std::string_view line, std::string_view word) {
    if (line.substr(0, word.size()) != word ||
        (line.size() != word.size() && line[word.size()] != ' ' && line[word.size()] != '\t')) {
        return std::nullopt;
    }
    return trimmed(line.substr(word.size()));
}

// Opens a code's exercise; what is wrong with a code that names none.
std::optional<std::string> open(quorvel::MainWindow& window, std::string_view code) {
    quorvel::Form& form = window.form();
    std::optional<quorvel::RuntimeFault> fault;
    try {
        if (auto error = quorvel::open_exercise(form, code)) {
            return quorvel::code_error_text(*error, quorvel::Catalogue{});
        }
    } catch (const quorvel::RuntimeFault& raised) {
        fault = raised;
    }
    const auto opened = quorvel::exercise_code(quorvel::current_exercise(form));
    print_state(window, "exercise " + opened.value_or(""), fault);
    return std::nullopt;
}

bool snap(quorvel::MainWindow& window, const std::string& path) {
    QImage image = window.grab().toImage();
    if (image.devicePixelRatio() != 1.0) {
        image = image.scaled(window.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(1.0);
    }
    return image.save(QString::fromStdString(path), "PNG");
}

int fail(int line_number, const std::string& message) {
    std::cerr << "line " << line_number << ": " << message << '\n';
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && std::string_view(argv[1]) == "--handlers") {
        for (const quorvel::EventEntry& event : quorvel::event_table()) {
            std::cout << event.name << '\n';
        }
        return 0;
    }
    use_offscreen_platform();
    QApplication app(argc, argv);
    quorvel::use_program_look();

    quorvel::MainWindow window;
    try {
        print_state(window, "Form_Load", quorvel::dispatch(window.form(), "Form_Load"));
    } catch (const quorvel::UnknownHandler&) {
        std::cerr << "the event table has no Form_Load\n";
        return 2;
    }

    std::string raw;
    int line_number = 0;
    while (std::getline(std::cin, raw)) {
        ++line_number;
        const std::string_view line = trimmed(raw);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (const auto path = after_word(line, "snap")) {
            if (path->empty()) {
                return fail(line_number, "snap needs a file name");
            }
            if (!snap(window, std::string(*path))) {
                return fail(line_number, "cannot write the snapshot '" + std::string(*path) + "'");
            }
            continue;
        }
        if (const auto word = after_word(line, "palette")) {
            const auto palette = quorvel::palette_of_word(*word);
            if (!palette) {
                return fail(line_number, "no palette named '" + std::string(*word) +
                                             "' (there are seed and high-contrast)");
            }
            window.set_palette(*palette);
            continue;
        }
        if (const auto code = after_word(line, "exercise")) {
            if (const auto error = open(window, *code)) {
                return fail(line_number, *error);
            }
            continue;
        }
        try {
            print_state(window, line, quorvel::dispatch(window.form(), line));
        } catch (const quorvel::UnknownHandler&) {
            return fail(line_number, "no handler named '" + std::string(line) + "'");
        }
    }
    return 0;
}
