// quorvel-e2e-palette: what a plain Qt Widgets program gets from the desktop it starts
// on, so the theme tests can show that the dark setting they make really reaches Qt
// before they check that it leaves quorvel's window as it is.
//
// Prints one line: window #RRGGBB button #RRGGBB button_text #RRGGBB style NAME
#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QPalette palette = QApplication::palette();
    const auto name = [&](QPalette::ColorRole role) {
        return palette.color(role).name().toStdString();
    };
    std::printf("window %s button %s button_text %s style %s\n", name(QPalette::Window).c_str(),
                name(QPalette::Button).c_str(), name(QPalette::ButtonText).c_str(),
                QApplication::style()->name().toStdString().c_str());
    return 0;
}
