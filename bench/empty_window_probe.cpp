// The floor for a Qt Widgets program: a window with one label that quits after its first
// paint, or with --settle MS that long after it, printing its resident memory.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include "settled_memory.h"

namespace {

class FirstPaint : public QObject {
  public:
    explicit FirstPaint(int settle) : settle_(settle) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint &&
            qobject_cast<QLabel*>(watched) != nullptr) {
            painted_ = true;
            quorvel::bench::finish_after(settle_);
        }
        return false;
    }

  private:
    int settle_;
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Empty");
    window.setFixedSize(647, 455);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("Empty window", &window));
    FirstPaint watcher(quorvel::bench::settle_ms(argc, argv));
    app.installEventFilter(&watcher);
    window.show();
    return QApplication::exec();
}
