// quorvel-zoom-reference: the window as Qt itself scales it, for the zoom tests to compare
// against. Started with QT_SCALE_FACTOR set, it builds the window, runs Form_Load and the
// handlers named on the command line, and writes what the window shows, one image pixel
// per device pixel.
//
//   quorvel-zoom-reference OUT.png HANDLER...
//
// Exit status 0 when the picture was written, 2 on an unknown handler, a runtime fault or
// a file that cannot be written.
#include <QApplication>
#include <QImage>
#include <iostream>
#include <string>

#include "dispatch.h"
#include "main_window.h"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::cerr << "usage: quorvel-zoom-reference OUT.png HANDLER...\n";
        return 2;
    }
    QApplication app(argc, argv);
    quorvel::use_program_look();
    quorvel::MainWindow window;
    window.load();
    for (int i = 2; i < argc; ++i) {
        try {
            if (const auto fault = quorvel::dispatch(window.form(), argv[i])) {
                std::cerr << argv[i] << ": " << fault->what() << '\n';
                return 2;
            }
        } catch (const quorvel::UnknownHandler& unknown) {
            std::cerr << unknown.what() << '\n';
            return 2;
        }
    }
    const QImage picture = window.grab().toImage();
    if (!picture.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::cerr << "cannot write " << argv[1] << '\n';
        return 2;
    }
    return 0;
}
