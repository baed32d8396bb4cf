// quorvel: the Fourier series exercise window. It takes no command line of its own.
#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "main_window.h"

namespace {

// The id of the installed desktop entry, which also names the installed theme icon.
constexpr const char* desktop_id = "io.github.quorvel.Quorvel";

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
    window.load();
    window.show();
    return QApplication::exec();
}
