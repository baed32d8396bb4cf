// The built window against the layout table: every row's widget, where it sits, what it
// shows, and the window around them. The table is the only source of the expected
// values; nothing here repeats a coordinate.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "case_name.h"
#include "event_table.h"
#include "layout.h"
#include "main_window.h"
#include "qt_canvas.h"
#include "qt_colour.h"
#include "qt_label.h"
#include "spin_button.h"
#include "window_fixture.h"

namespace quorvel {

void PrintTo(const ControlRow& row, std::ostream* out) {
    *out << full_name(row.name);
}

namespace {

QRect pixel_rect(const ControlRow& row) {
    return {pixels_of_twips(row.left), pixels_of_twips(row.top), pixels_of_twips(row.width),
            pixels_of_twips(row.height)};
}

QString qualified(ControlName name) {
    return QString::fromStdString(full_name(name));
}

// A window built and never started, so it still shows the table's own captions.
using WindowLayout = testing::WindowTest;

class EveryControl : public WindowLayout, public ::testing::WithParamInterface<ControlRow> {};

void expect_font(const ControlRow& row, const QWidget& w) {
    if (row.font == FontId::none) {
        return;
    }
    const FontFace font = font_face(row.font);
    EXPECT_EQ(w.font().pixelSize(), font_pixels(font.points));
    EXPECT_EQ(w.font().bold(), font.bold);
    EXPECT_EQ(w.font().italic(), font.italic);
    EXPECT_EQ(QFontInfo(w.font()).family(), font.family == FontFamily::serif
                                                ? QStringLiteral("Liberation Serif")
                                                : QStringLiteral("IPAPGothic"));
}

TEST_P(EveryControl, SitsInItsContainerWithItsGeometryCaptionAndVisibility) {
    const ControlRow& row = GetParam();
    QWidget& w = widget(row.name);

    QWidget* container = row.container == window_name ? &window : &widget(row.container);
    EXPECT_EQ(w.parentWidget(), container);
    EXPECT_EQ(w.geometry(), pixel_rect(row));
    EXPECT_EQ(!w.isHidden(), row.visible);
    EXPECT_EQ(w.objectName(), qualified(row.name));
    expect_font(row, w);

    const QString caption =
        QString::fromUtf8(row.caption.data(), static_cast<qsizetype>(row.caption.size()));
    switch (row.kind) {
        case ControlKind::label: {
            auto* label = dynamic_cast<QtLabel*>(&w);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), caption);
            EXPECT_EQ(label->autoFillBackground(), !row.transparent);
            if (row.fore) {
                EXPECT_EQ(label->palette().color(QPalette::WindowText), to_qcolor(*row.fore));
            }
            if (row.back && !row.transparent) {
                EXPECT_EQ(label->palette().color(QPalette::Window), to_qcolor(*row.back));
            }
            EXPECT_EQ(w.focusPolicy(), Qt::NoFocus);
            break;
        }
        case ControlKind::frame:
            if (row.back) {
                EXPECT_EQ(w.palette().color(QPalette::Window), to_qcolor(*row.back));
            }
            EXPECT_EQ(w.focusPolicy(), Qt::NoFocus);
            break;
        case ControlKind::push_button:
        case ControlKind::option_button: {
            auto* button = qobject_cast<QAbstractButton*>(&w);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text(), caption);
            EXPECT_EQ(qobject_cast<QRadioButton*>(&w) != nullptr,
                      row.kind == ControlKind::option_button);
            break;
        }
        case ControlKind::spin_button:
            EXPECT_NE(qobject_cast<SpinButton*>(&w), nullptr);
            break;
        case ControlKind::picture: {
            auto* canvas = dynamic_cast<QtCanvas*>(&w);
            ASSERT_NE(canvas, nullptr);
            if (row.back) {
                EXPECT_EQ(canvas->back_color(), *row.back);
                EXPECT_EQ(canvas->picture().pixelColor(0, 0), to_qcolor(*row.back));
            }
            EXPECT_EQ(canvas->fore_color(), row.fore.value_or(colours::black));
            EXPECT_EQ(canvas->fill_color(), row.fill);
            EXPECT_EQ(canvas->fill_style(), row.fill_style);
            EXPECT_EQ(canvas->picture().size(), w.size());
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, EveryControl,
                         ::testing::ValuesIn(layout_table().begin(), layout_table().end()),
                         testing::CaseName{});

TEST_F(WindowLayout, ClientAreaAndCaptionAreTheWindowsOwn) {
    EXPECT_EQ(window.size(), QSize(647, 455));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Fourier Series"));
}

TEST_F(WindowLayout, TabWalksTheFocusOrder) {
    std::vector<QString> expected;
    for (const ControlName& name : tab_order()) {
        expected.push_back(qualified(name));
    }
    std::vector<QString> walked;
    QWidget* first = &widget(tab_order().front());
    QWidget* at = first;
    do {
        if ((at->focusPolicy() & Qt::TabFocus) != 0) {
            walked.push_back(at->objectName());
        }
        at = at->nextInFocusChain();
    } while (at != first);
    EXPECT_EQ(walked, expected);
}

TEST_F(WindowLayout, CosineIsChosenWhenTheWindowOpens) {
    EXPECT_TRUE(qobject_cast<QRadioButton*>(&widget({"switch_c"}))->isChecked());
    EXPECT_FALSE(qobject_cast<QRadioButton*>(&widget({"switch_s"}))->isChecked());
}

// Where two controls overlap, the one a user must see and reach is the one on top.
struct Overlap {
    const char* name;
    ControlName on_top;
    ControlName beneath;
};

void PrintTo(const Overlap& row, std::ostream* out) {
    *out << row.name;
}

class OverlappingControls : public WindowLayout, public ::testing::WithParamInterface<Overlap> {};

TEST_P(OverlappingControls, ShowTheRightOneOnTop) {
    QWidget& top = widget(GetParam().on_top);
    QWidget& under = widget(GetParam().beneath);
    const QRect shared = QRect(top.mapTo(&window, QPoint(0, 0)), top.size())
                             .intersected(QRect(under.mapTo(&window, QPoint(0, 0)), under.size()));
    ASSERT_FALSE(shared.isEmpty());
    QWidget* hit = window.childAt(shared.center());
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit == &top || top.isAncestorOf(hit)) << hit->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Window, OverlappingControls,
    ::testing::Values(Overlap{"spectrum_axis_mark_over_sine_frame", {"Label21"}, {"c_wave", 1}},
                      Overlap{"calc_button_over_blank_label", {"Command3"}, {"Label7"}},
                      Overlap{"cos_button_over_blank_label", {"switch_c"}, {"Label9"}}),
    testing::CaseName{});

TEST_F(WindowLayout, EveryHandlerButFormLoadHasExactlyOneControl) {
    std::vector<std::string_view> expected;
    for (const EventEntry& event : event_table()) {
        if (event.name != "Form_Load") {
            expected.push_back(event.name);
        }
    }
    std::vector<std::string_view> connected = window.connected_handlers();
    std::sort(expected.begin(), expected.end());
    std::sort(connected.begin(), connected.end());
    EXPECT_EQ(connected, expected);
}

}  // namespace
}  // namespace quorvel
