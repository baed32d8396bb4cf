#pragma once

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace quorvel {

// A spin button: two arrows one above the other, filling the control. A click on the
// upper arrow raises spinUp, on the lower one spinDown; holding the mouse on an arrow
// repeats it (first after 400 ms, then every 60 ms) for as long as the pointer stays on
// that arrow. With the keyboard focus, the Up and Down keys raise the same signals.
// The button keeps no value of its own.
class SpinButton : public QWidget {
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
    // Raises the arrow's signal once, as a click on it would; for the keyboard and for
    // assistive tools.
    void step(Arrow arrow);

    // The label that shows the number this button steps, if any. Only assistive tools
    // read it, as the button's value; the button itself never does.
    void set_readout(QLabel* label) { readout_ = label; }
    QLabel* readout() const { return readout_; }

    static constexpr int first_repeat_ms = 400;
    static constexpr int repeat_ms = 60;

  signals:
    void spinUp();
    void spinDown();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    Arrow arrow_at(QPoint p) const;
    void raise(Arrow arrow);
    void repeat();

    Arrow held_ = Arrow::none;  // the arrow the mouse went down on
    bool over_held_ = false;    // whether the pointer is still on it
    QTimer repeat_timer_;
    QPointer<QLabel> readout_;
};

}  // namespace quorvel
