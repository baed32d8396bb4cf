// Every label shows its whole text: its fixed caption, or each number the program can write
// into it. The text is drawn as the label draws it, without clipping, and its ink must lie
// inside the label, inside every container, and under no control stacked above it. The
// numbers come from the form's own bounds and the program's own number texts, measured
// with the fonts the window really resolves (see also the fontconfig runs in CMakeLists).
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRegion>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "case_name.h"
#include "form.h"
#include "layout.h"
#include "main_window.h"
#include "product_wave.h"
#include "qt_fonts.h"
#include "value.h"

namespace quorvel {
namespace {

// What a label can show.
enum class Texts {
    own_caption,  // its caption in the layout table
    coefficient,  // a trial coefficient, -coef_max … coef_max
    answer,       // a true coefficient, 0 … coef_max
    level,        // 1 … max_order
    order,        // n, 0 … n_max
    rectangles,   // k, 10 … div_k_max in steps of 10
    mean,         // the S/T readout
    bound,        // coef_max, the chart's top mark
};

std::vector<std::string> whole_numbers(int from, int to, int step = 1) {
    std::vector<std::string> out;
    for (int v = from; v <= to; v += step) {
        out.push_back(Value(Int16(v)).text());
    }
    return out;
}

// The readout picks out a0, a_n/2 or b_n/2, exactly or a hair low (one unit less in the
// fourth decimal); every half-step mean within ±coef_max, both ways, covers them all.
std::vector<std::string> readouts(int coef_max) {
    std::vector<std::string> out;
    for (int halves = -2 * coef_max; halves <= 2 * coef_max; ++halves) {
        const float mean = static_cast<float>(halves) / 2.0f;
        out.push_back(s_over_t_text(mean));
        out.push_back(s_over_t_text(std::nextafter(mean, -100.0f)));
    }
    return out;
}

std::vector<std::string> texts_of(Texts kind, const Form& f, const ControlRow& row) {
    const int coef_max = f.coef_max.as_int16().value();
    switch (kind) {
        case Texts::own_caption:
            return {std::string(row.caption)};
        case Texts::coefficient:
            return whole_numbers(-coef_max, coef_max);
        case Texts::answer:
            return whole_numbers(0, coef_max);
        case Texts::level:
            return whole_numbers(1, f.max_order.value());
        case Texts::order:
            return whole_numbers(0, f.n_max.as_int16().value());
        case Texts::rectangles:
            return whole_numbers(10, f.div_k_max.value(), 10);
        case Texts::mean:
            return readouts(coef_max);
        case Texts::bound:
            return {f.coef_max.text()};
    }
    return {};
}

// Where the ink of `text` falls when `label` draws it, in the label's coordinates; empty
// for a text with no ink.
QRect ink_of(const QLabel& label, const QString& text) {
    constexpr int margin = 64;
    const QRect box = label.contentsRect();
    QImage image(box.size() + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(label.font());
        label.style()->drawItemText(&painter, QRect(QPoint(margin, margin), box.size()),
                                    label.alignment().toInt() | Qt::TextDontClip, label.palette(),
                                    true, text, QPalette::WindowText);
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink.isNull() ? ink : ink.translated(box.topLeft() - QPoint(margin, margin));
}

bool paints_its_background(const QWidget& w) {
    return qobject_cast<const QLabel*>(&w) == nullptr || w.autoFillBackground();
}

// Where a control paints in its container: its rectangle, less what its mask leaves out.
QRegion shape_of(const QWidget& w) {
    return w.mask().isEmpty() ? QRegion(w.geometry()) : w.mask().translated(w.pos());
}

// What hides part of `ink` (in `label`'s coordinates): a container it overflows, or a
// sibling of the label or of one of its containers stacked above it. Transparent labels
// hide nothing. Empty when the whole ink shows.
std::string what_hides(const QWidget& label, QRect ink) {
    if (!label.rect().contains(ink)) {
        return "the label's own edge";
    }
    for (const QWidget* w = &label; w->parentWidget() != nullptr; w = w->parentWidget()) {
        const QWidget& parent = *w->parentWidget();
        ink.translate(w->pos());
        if (!parent.rect().contains(ink)) {
            return "the edge of " + parent.objectName().toStdString();
        }
        bool above = false;
        for (const QObject* child : parent.children()) {
            const auto* sibling = qobject_cast<const QWidget*>(child);
            if (sibling == w) {
                above = true;
            } else if (above && sibling != nullptr && !sibling->isHidden() &&
                       paints_its_background(*sibling) && shape_of(*sibling).intersects(ink)) {
                return sibling->objectName().toStdString() + ", which lies on top";
            }
        }
    }
    return "";
}

// A label whose text comes within `min_gap` pixels of `ink` (in `label`'s coordinates),
// side by side: a neighbour it would run into, as "a1" and "10" read "a110". Empty when
// every shown label in the same container keeps its distance.
std::string what_crowds(const QLabel& label, QRect ink) {
    constexpr int min_gap = 2;
    ink.translate(label.pos());
    for (const QObject* child : label.parentWidget()->children()) {
        const auto* other = qobject_cast<const QLabel*>(child);
        if (other == nullptr || other == &label || other->isHidden() || other->text().isEmpty()) {
            continue;
        }
        const QRect near = ink_of(*other, other->text()).translated(other->pos());
        const bool side_by_side = near.top() <= ink.bottom() && ink.top() <= near.bottom();
        const int gap = std::max(near.left() - ink.right(), ink.left() - near.right()) - 1;
        if (side_by_side && gap < min_gap) {
            return other->objectName().toStdString() + " \"" + other->text().toStdString() +
                   "\", " + std::to_string(gap) + " pixels away";
        }
    }
    return "";
}

struct FitCase {
    const char* name;
    std::vector<ControlName> labels;  // empty: every label shown at start with a caption
    Texts texts;
    bool apart = false;  // keeps clear of its neighbours' text, as in the answer table
};

void PrintTo(const FitCase& c, std::ostream* out) {
    *out << c.name;
}

// The window is built and loaded once, so the form holds its start-up bounds. The answer
// labels, hidden at start-up, are measured where they stand when ANS shows them.
class LabelFit : public ::testing::TestWithParam<FitCase> {
  protected:
    static void SetUpTestSuite() {
        window_ = std::make_unique<MainWindow>();
        window_->load();
    }
    static void TearDownTestSuite() { window_.reset(); }
    static inline std::unique_ptr<MainWindow> window_;
};

TEST_P(LabelFit, ShowsEveryTextWhole) {
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : layout_table()) {
        const bool listed = std::find(GetParam().labels.begin(), GetParam().labels.end(),
                                      row.name) != GetParam().labels.end();
        const bool own = GetParam().labels.empty() && row.kind == ControlKind::label &&
                         !row.caption.empty() && shown_at_start(row.name);
        if (listed || own) {
            rows.push_back(&row);
        }
    }
    ASSERT_FALSE(rows.empty());
    for (const ControlRow* row : rows) {
        const auto* label = qobject_cast<const QLabel*>(window_->control(row->name));
        ASSERT_NE(label, nullptr);
        for (const std::string& text : texts_of(GetParam().texts, window_->form(), *row)) {
            const QRect ink = ink_of(*label, QString::fromStdString(text));
            ASSERT_FALSE(ink.isNull())
                << label->objectName().toStdString() << " \"" << text << "\" leaves no ink";
            if (GetParam().apart) {
                EXPECT_EQ(what_crowds(*label, ink), "")
                    << label->objectName().toStdString() << " \"" << text << "\"";
            }
            const std::string hidden_by = what_hides(*label, ink);
            EXPECT_EQ(hidden_by, "")
                << label->objectName().toStdString() << " \"" << text << "\" in "
                << QFontInfo(label->font()).family().toStdString() << ": ink x " << ink.left()
                << ".." << ink.right() << ", y " << ink.top() << ".." << ink.bottom()
                << " in a label of " << label->width() << "x" << label->height();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Window, LabelFit,
                         ::testing::Values(FitCase{"fixed_captions", {}, Texts::own_caption},
                                           FitCase{"trial_coefficients",
                                                   {{"value_a", 0},
                                                    {"value_a", 1},
                                                    {"value_a", 2},
                                                    {"value_a", 3},
                                                    {"value_a", 4},
                                                    {"value_b", 1},
                                                    {"value_b", 2},
                                                    {"value_b", 3},
                                                    {"value_b", 4}},
                                                   Texts::coefficient},
                                           FitCase{"answers",
                                                   {{"ans_a", 0},
                                                    {"ans_a", 1},
                                                    {"ans_a", 2},
                                                    {"ans_a", 3},
                                                    {"ans_a", 4},
                                                    {"ans_b", 1},
                                                    {"ans_b", 2},
                                                    {"ans_b", 3},
                                                    {"ans_b", 4}},
                                                   Texts::answer},
                                           FitCase{"level", {{"value_lebel"}}, Texts::level},
                                           FitCase{"order", {{"value_n"}}, Texts::order},
                                           FitCase{"rectangles", {{"value_k"}}, Texts::rectangles},
                                           FitCase{"mean", {{"value_s"}}, Texts::mean},
                                           FitCase{"chart_bound", {{"y_axis"}}, Texts::bound}),
                         testing::CaseName{});

// The faces the window resolves: its first choices, or under the fontconfig runs that hide
// them, the substitute that run expects (QUORVEL_EXPECT_SERIF, QUORVEL_EXPECT_SANS).
TEST(WindowFonts, ResolveToTheExpectedFaces) {
    const QString serif = qEnvironmentVariable("QUORVEL_EXPECT_SERIF", "Liberation Serif");
    const QString sans = qEnvironmentVariable("QUORVEL_EXPECT_SANS", "IPAPGothic");
    for (const FontId id : {FontId::serif_italic, FontId::serif, FontId::serif_italic_tiny}) {
        EXPECT_TRUE(QFontInfo(qt_font(id)).family().startsWith(serif))
            << QFontInfo(qt_font(id)).family().toStdString();
    }
    for (const FontId id :
         {FontId::sans, FontId::sans_bold, FontId::sans_small, FontId::sans_tiny}) {
        EXPECT_TRUE(QFontInfo(qt_font(id)).family().startsWith(sans))
            << QFontInfo(qt_font(id)).family().toStdString();
    }
}

}  // namespace
}  // namespace quorvel
