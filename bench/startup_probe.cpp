// Opens the real window and quits as soon as every visible picture surface has been
// painted once: the start-up cost a user waits for.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <set>

#include "main_window.h"
#include "qt_canvas.h"

namespace {

class FirstPaints : public QObject {
  public:
    explicit FirstPaints(int expected) : expected_(expected) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint &&
            dynamic_cast<quorvel::QtCanvas*>(watched) != nullptr) {
            painted_.insert(watched);
            if (static_cast<int>(painted_.size()) == expected_) {
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            }
        }
        return false;
    }

  public:
    int painted() const { return static_cast<int>(painted_.size()); }

  private:
    int expected_;
    std::set<QObject*> painted_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quorvel::use_program_look();
    quorvel::MainWindow window;
    window.load();
    int visible_surfaces = 0;
    for (auto* canvas : window.findChildren<quorvel::QtCanvas*>()) {
        visible_surfaces += canvas->isVisibleTo(&window) ? 1 : 0;
    }
    FirstPaints watcher(visible_surfaces);
    app.installEventFilter(&watcher);
    window.show();
    const int status = QApplication::exec();
    if (watcher.painted() != visible_surfaces || visible_surfaces == 0) {
        std::fprintf(stderr, "painted %d of %d surfaces\n", watcher.painted(), visible_surfaces);
        return 1;
    }
    return status;
}
