#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>

#include "catalogue.h"
#include "paint_zoom.h"
#include "qt_label.h"
#include "spin_range.h"
#include "spin_repeat.h"

namespace quorvel {

// What assistive tools hear of a spin button's arrows, in the window's language: each
// arrow's name, its description with "{name}" for the button's own name, and its key.
struct SpinArrowTexts {
    QString up_name;
    QString down_name;
    QString up_description;
    QString down_description;
    QString up_key;
    QString down_key;
};

// The arrows' texts in the catalogue's language.
SpinArrowTexts spin_arrow_texts(const Catalogue& catalogue);

// A spin button: two arrows one above the other, filling the control. A click on the
// upper arrow raises spinUp, on the lower one spinDown; holding the mouse on an arrow
// repeats it, as spin_repeat times it, for as long as the pointer stays on that arrow.
// With the keyboard focus, the Up and Down keys raise the same signals.
// The button keeps no value of its own. In a zoomed window its arrows are those of its
// size at 100 %, scaled up.
class SpinButton : public QWidget, public Zoomable {
    Q_OBJECT

  public:
    enum class Arrow { none, up, down };

    explicit SpinButton(QWidget* parent = nullptr);

    // Ends a repeat in progress, e.g. when a message box takes over the mouse.
    void stop_repeating();
    // The arrow a held mouse button is repeating: none when nothing is held, and while
    // the pointer is off the held arrow.
    Arrow repeating() const;

    // Where an arrow lies, in the button's own coordinates.
    QRect arrow_rect(Arrow arrow) const;

    void set_paint_zoom(const PaintZoom& zoom) override;
    // Raises the arrow's signal once, as a click on it would; for the keyboard and for
    // assistive tools.
    void step(Arrow arrow);

    // The label that shows the number this button steps, if any. Only assistive tools
    // read it, as the button's value, and hear of each change of it as a change of that
    // value; the button itself never reads it.
    void set_readout(QtLabel* label);
    const QtLabel* readout() const { return readout_; }

    // Where the handlers keep that number, for assistive tools; asked each time, as the
    // bounds are set by start-up, after the button is built.
    void set_range(std::function<std::optional<SpinRange>()> range) { range_ = std::move(range); }
    std::optional<SpinRange> range() const { return range_ ? range_() : std::nullopt; }

    void set_arrow_texts(SpinArrowTexts texts) { arrow_texts_ = std::move(texts); }
    const SpinArrowTexts& arrow_texts() const { return arrow_texts_; }

  signals:
    void spinUp();
    void spinDown();

  protected:
    int metric(PaintDeviceMetric which) const override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    Arrow arrow_at(QPointF p) const;
    void raise(Arrow arrow);
    void repeat();
    void announce_value();

    Arrow held_ = Arrow::none;  // the arrow the mouse went down on
    bool over_held_ = false;    // whether the pointer is still on it
    QTimer repeat_timer_;
    QPointer<QtLabel> readout_;
    std::function<std::optional<SpinRange>()> range_;
    PaintZoom zoom_;
    SpinArrowTexts arrow_texts_ = spin_arrow_texts(Catalogue{});
};

}  // namespace quorvel
