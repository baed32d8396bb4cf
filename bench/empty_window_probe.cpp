// The floor for a Qt Widgets program: a window with one label that quits after its first
// paint.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

namespace {

class FirstPaint : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && qobject_cast<QLabel*>(watched) != nullptr) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Empty");
    window.setFixedSize(647, 455);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("Empty window", &window));
    FirstPaint watcher;
    app.installEventFilter(&watcher);
    window.show();
    return QApplication::exec();
}
