// Opens the real window and quits as soon as every visible picture surface has been
// painted once: the start-up cost a user waits for. With --settle MS it runs that long
// after, and prints its resident memory.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <set>

#include "main_window.h"
#include "qt_canvas.h"
#include "settled_memory.h"

namespace {

class FirstPaints : public QObject {
  public:
    FirstPaints(int expected, int settle) : expected_(expected), settle_(settle) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint &&
            dynamic_cast<quorvel::QtCanvas*>(watched) != nullptr) {
            const bool first = painted_.insert(watched).second;
            if (first && static_cast<int>(painted_.size()) == expected_) {
                quorvel::bench::finish_after(settle_);
            }
        }
        return false;
    }

  public:
    int painted() const { return static_cast<int>(painted_.size()); }

  private:
    int expected_;
    int settle_;
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
    FirstPaints watcher(visible_surfaces, quorvel::bench::settle_ms(argc, argv));
    app.installEventFilter(&watcher);
    window.show();
    const int status = QApplication::exec();
    if (watcher.painted() != visible_surfaces || visible_surfaces == 0) {
        std::fprintf(stderr, "painted %d of %d surfaces\n", watcher.painted(), visible_surfaces);
        return 1;
    }
    return status;
}
