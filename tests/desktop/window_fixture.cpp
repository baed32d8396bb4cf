#include "window_fixture.h"

#include <QApplication>
#include <QTest>
#include <stdexcept>

namespace quorvel::testing {

void WindowTest::start() {
    window.load();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

QWidget& WindowTest::widget(ControlName name) {
    QWidget* found = window.control(name);
    if (found == nullptr) {
        throw std::runtime_error("no widget for " + full_name(name));
    }
    return *found;
}

QString WindowTest::caption(ControlName name) {
    return QString::fromStdString(window.label(name).caption_text());
}

}  // namespace quorvel::testing
