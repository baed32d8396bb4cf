#include "web_window.h"

#include <stdexcept>

#include "dispatch.h"
#include "event_table.h"
#include "palette.h"

namespace quorvel {
namespace {

std::unique_ptr<WebCanvas> make_canvas(const ControlRow& row, double device_ratio) {
    return std::make_unique<WebCanvas>(surface_look(row, button_face), device_ratio);
}

// The control of a kind held in a row, or nullptr.
template <typename T, typename Variant>
T* held(const Variant& v) {
    const auto* p = std::get_if<std::unique_ptr<T>>(&v);
    return p != nullptr ? p->get() : nullptr;
}

template <typename T>
T& found(T* control, ControlName name) {
    if (control == nullptr) {
        throw std::logic_error("the window has no control " + std::string(name.name) +
                               " of the kind asked for");
    }
    return *control;
}

}  // namespace

WebWindow::WebWindow(double device_ratio, int viewport_width, int viewport_height)
    : frame_(static_cast<float>(window_look.client_width), twips_of_pixels(viewport_width),
             twips_of_pixels(viewport_height)) {
    const auto table = layout_table();
    controls_.reserve(table.size());
    for (const ControlRow& row : table) {
        switch (row.kind) {
            case ControlKind::picture:
                controls_.emplace_back(make_canvas(row, device_ratio));
                break;
            case ControlKind::label:
                controls_.emplace_back(
                    std::make_unique<WebLabel>(std::string(row.caption), row.visible));
                break;
            case ControlKind::option_button:
                controls_.emplace_back(std::make_unique<WebOptionButton>(row.selected));
                break;
            case ControlKind::frame:
            case ControlKind::push_button:
            case ControlKind::spin_button:
                controls_.emplace_back(std::monostate{});
                break;
        }
    }
    // The option buttons of one frame form its exclusive group.
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = 0; j < table.size(); ++j) {
            if (i != j && option_at(i) != nullptr && option_at(j) != nullptr &&
                table[i].container == table[j].container) {
                option_at(i)->set_partner(*option_at(j));
            }
        }
    }
    form_ = std::make_unique<Form>(*this);
}

WebWindow::~WebWindow() = default;

bool WebWindow::knows(std::string_view handler) const {
    return find_event(handler) != nullptr;
}

std::optional<RuntimeFault> WebWindow::raise(std::string_view handler) {
    return dispatch(*form_, handler);
}

WebCanvas* WebWindow::canvas_at(std::size_t row) const {
    return row < controls_.size() ? held<WebCanvas>(controls_[row]) : nullptr;
}

WebLabel* WebWindow::label_at(std::size_t row) const {
    return row < controls_.size() ? held<WebLabel>(controls_[row]) : nullptr;
}

WebOptionButton* WebWindow::option_at(std::size_t row) const {
    return row < controls_.size() ? held<WebOptionButton>(controls_[row]) : nullptr;
}

void WebWindow::set_device_ratio(double ratio) {
    for (std::size_t row = 0; row < controls_.size(); ++row) {
        if (WebCanvas* canvas = canvas_at(row)) {
            canvas->set_ratio(ratio);
        }
    }
}

void WebWindow::set_palette(Palette palette) {
    for (std::size_t row = 0; row < controls_.size(); ++row) {
        if (WebCanvas* canvas = canvas_at(row)) {
            canvas->set_palette(palette);
        }
    }
}

Canvas& WebWindow::surface(ControlName name) {
    return found(canvas_at(row_index(name)), name);
}

Label& WebWindow::label(ControlName name) {
    return found(label_at(row_index(name)), name);
}

OptionButton& WebWindow::option(ControlName name) {
    return found(option_at(row_index(name)), name);
}

}  // namespace quorvel
