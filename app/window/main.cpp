// quorvel: the Fourier series exercise window. It takes no command line of its own.
#include <QApplication>
#include <cstdio>

#include "app/window/main_window.h"

namespace {

bool has_display() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!has_display()) {
        std::fputs(
            "quorvel: there is no display to open the window on (neither DISPLAY nor "
            "WAYLAND_DISPLAY is set).\n"
            "To run it without a screen, start it under a virtual X server:\n"
            "    xvfb-run -a ./build/release/quorvel\n"
            "or\n"
            "    Xvfb :99 &\n"
            "    DISPLAY=:99 ./build/release/quorvel\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    quorvel::use_program_look();
    quorvel::MainWindow window;
    window.load();
    window.show();
    return QApplication::exec();
}
