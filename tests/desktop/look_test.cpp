// The window keeps its own light look whatever palette the application holds: a dark
// palette for the whole application, set before or after the window is built, or dark
// palettes for buttons and labels alone (as a desktop theme hands them out) leave every
// pixel as it is on the program's own palette.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <functional>
#include <ostream>
#include <string>

#include "case_name.h"
#include "main_window.h"

namespace quorvel {
namespace {

// A dark face with light text in every role, as a dark desktop theme has it.
QPalette dark_palette() {
    const QColor face(0x32, 0x32, 0x32);
    const QColor text(0xf0, 0xf0, 0xf0);
    QPalette dark(text, face, face.lighter(150), face.darker(150), face.darker(120), text,
                  Qt::white, QColor(0x24, 0x24, 0x24), face);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    return dark;
}

QImage picture_of(MainWindow& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage built_and_loaded() {
    MainWindow window;
    window.load();
    return picture_of(window);
}

int differing_pixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return a.width() * a.height();
    }
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return count;
}

struct DarkSetting {
    const char* name;
    // What the application is given; the window is built, loaded and drawn in between.
    std::function<void()> before_build;
    std::function<void()> after_build;
};

void PrintTo(const DarkSetting& row, std::ostream* out) {
    *out << row.name;
}

class LookUnder : public ::testing::TestWithParam<DarkSetting> {
  protected:
    // Setting the application's palette also drops any palettes set per widget class.
    void TearDown() override { QApplication::setPalette(program_palette()); }
};

TEST_P(LookUnder, EveryPixelStaysAsOnTheProgramsOwnPalette) {
    const QImage plain = built_and_loaded();

    GetParam().before_build();
    MainWindow window;
    window.load();
    GetParam().after_build();
    QApplication::processEvents();
    const QImage shown = picture_of(window);

    ASSERT_NE(QApplication::palette().color(QPalette::Window),
              program_palette().color(QPalette::Window))
        << "the setting did not reach the application";
    EXPECT_EQ(differing_pixels(shown, plain), 0);
}

void nothing() {}
void dark_application() {
    QApplication::setPalette(dark_palette());
}
// What a platform theme does besides the application's palette: palettes of its own
// for buttons, labels and group boxes.
void dark_widget_classes() {
    dark_application();
    for (const char* widget_class : {"QAbstractButton", "QRadioButton", "QLabel", "QGroupBox"}) {
        QApplication::setPalette(dark_palette(), widget_class);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Window, LookUnder,
    ::testing::Values(DarkSetting{"dark_application_before", dark_application, nothing},
                      DarkSetting{"dark_application_after", nothing, dark_application},
                      DarkSetting{"dark_widget_classes_before", dark_widget_classes, nothing},
                      DarkSetting{"dark_widget_classes_after", nothing, dark_widget_classes}),
    testing::CaseName{});

}  // namespace
}  // namespace quorvel
