#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "form.h"
#include "layout.h"
#include "palette.h"
#include "ui.h"
#include "web_canvas.h"
#include "web_controls.h"

namespace quorvel {

// The program's window as the web page shows it: one control per row of the layout
// table, kept in table order so the page can address them by row, and the form that
// the handlers work on. The page draws what the controls hold; this class holds no
// browser state at all, so it runs as well under node and natively.
class WebWindow : public Ui {
  public:
    // The viewport is the "screen" start-up centres the window on, in CSS pixels.
    WebWindow(double device_ratio, int viewport_width, int viewport_height);
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;
    ~WebWindow() override;

    // Runs the named handler. A runtime fault stops it part-way, keeps what it wrote, and
    // comes back for the page to tell; an unknown name is refused.
    std::optional<RuntimeFault> raise(std::string_view handler);
    bool knows(std::string_view handler) const;

    Form& form() { return *form_; }
    const Form& form() const { return *form_; }

    // The controls by row of the layout table; nullptr where the row is of another kind
    // or there is no such row.
    WebCanvas* canvas_at(std::size_t row) const;
    WebLabel* label_at(std::size_t row) const;
    WebOptionButton* option_at(std::size_t row) const;
    std::size_t rows() const { return controls_.size(); }

    void set_device_ratio(double ratio);
    // Shows every surface in a palette from now on; the form is not touched.
    void set_palette(Palette palette);

    Canvas& surface(ControlName name) override;
    Label& label(ControlName name) override;
    OptionButton& option(ControlName name) override;
    WindowFrame& window() override { return frame_; }

  private:
    using Control = std::variant<std::monostate, std::unique_ptr<WebCanvas>,
                                 std::unique_ptr<WebLabel>, std::unique_ptr<WebOptionButton>>;

    std::vector<Control> controls_;
    WebWindowFrame frame_;
    std::unique_ptr<Form> form_;
};

}  // namespace quorvel
