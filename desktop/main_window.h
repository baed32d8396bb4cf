#pragma once

#include <QWidget>
#include <map>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "event.h"
#include "form.h"
#include "layout.h"
#include "program_look.h"
#include "qt_window_frame.h"
#include "ui.h"

namespace quorvel {

// The program's one window, "Fourier Series": a fixed client area of 647 × 455 pixels
// built control by control from the layout table, on the program's own light palette
// whatever palette the application or the desktop's theme holds. It owns the form, whose procedures
// reach the controls through the Ui lookups, and routes every click and spin of its
// controls to the handler of the same name.
class MainWindow : public QWidget, public Ui {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs Form_Load. Call it once, before the window is first shown.
    void load();

    Form& form() { return *form_; }

    // The widget built for a row of the layout table, or nullptr.
    QWidget* control(ControlName name) const;

    // The handler names the window's controls raise, one entry per connection made.
    const std::vector<std::string_view>& connected_handlers() const { return connected_; }

    Canvas& surface(ControlName name) override;
    Label& label(ControlName name) override;
    OptionButton& option(ControlName name) override;
    // The Ui's window frame (outer size and position in twips); it hides QWidget::window(),
    // which for this top-level widget would only return the widget itself.
    WindowFrame& window() override { return frame_; }

  private:
    using Key = std::pair<std::string_view, int>;

    QWidget* build(const ControlRow& row, QWidget* parent);
    void connect_events(const ControlRow& row, QWidget* widget);
    void stack_controls();
    void uncover_surfaces();
    void set_tab_order();
    // Gives each control of the accessible names table its name and description.
    void name_controls();
    // Return and Enter click a focused push or option button, as Space does.
    void click_buttons_on_enter();
    // The one road from a control's event to its handler. A runtime fault is reported to
    // the user and the window carries on with whatever the handler had done.
    void raise_event(const EventEntry& event);
    template <typename Control>
    Control& lookup(ControlName name) const;

    std::map<Key, QWidget*> controls_;
    QtWindowFrame frame_;
    std::vector<std::string_view> connected_;
    std::unique_ptr<Form> form_;
    bool reporting_fault_ = false;
};

}  // namespace quorvel
