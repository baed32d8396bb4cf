#include "recording_ui.h"

#include <algorithm>
#include <stdexcept>

#include "layout.h"

namespace quorvel::testing {

std::vector<DrawCall> RecordingCanvas::calls_of(DrawCall::Kind kind) const {
    std::vector<DrawCall> out;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(out),
                 [kind](const DrawCall& c) { return c.kind == kind; });
    return out;
}

std::vector<DrawCall> RecordingCanvas::picture() const {
    const auto last_cls = std::find_if(calls_.rbegin(), calls_.rend(), [](const DrawCall& c) {
        return c.kind == DrawCall::Kind::cls;
    });
    return {last_cls.base(), calls_.end()};
}

void RecordingCanvas::paint_clear(Colour back) {
    calls_.push_back({DrawCall::Kind::cls, {}, {}, back, back, FillStyle::solid});
}

void RecordingCanvas::paint_line(PointF from, PointF to, Colour fore) {
    calls_.push_back({DrawCall::Kind::line, from, to, fore, fill_color(), fill_style()});
}

void RecordingCanvas::paint_box(PointF corner, PointF opposite, Colour fore, Colour fill,
                                FillStyle style) {
    calls_.push_back({DrawCall::Kind::box, corner, opposite, fore, fill, style});
}

void RecordingCanvas::paint_point(PointF p, Colour fore) {
    calls_.push_back({DrawCall::Kind::point, p, p, fore, fill_color(), fill_style()});
}

void RecordingOption::Value(bool selected) {
    selected_ = selected;
    if (selected && other_ != nullptr) {
        other_->selected_ = false;
    }
}

void RecordingWindow::set_screen(float width_twips, float height_twips) {
    screen_width_ = width_twips;
    screen_height_ = height_twips;
}

RecordingUi::RecordingUi() {
    switch_c_.join(switch_s_);
    switch_s_.join(switch_c_);
    const auto selected_at_start = [](std::string_view name) {
        const ControlRow* row = find_control({name});
        return row != nullptr && row->selected;
    };
    switch_c_.Value(selected_at_start("switch_c"));
    switch_s_.Value(selected_at_start("switch_s"));
}

RecordingCanvas& RecordingUi::canvas(ControlName name) {
    auto& slot = canvases_[full_name(name)];
    if (!slot) {
        const ControlRow* row = find_control(name);
        if (row == nullptr || row->kind != ControlKind::picture) {
            throw std::invalid_argument("no picture surface named " + full_name(name));
        }
        slot = std::make_unique<RecordingCanvas>(surface_look(*row, colours::white));
    }
    return *slot;
}

Label& RecordingUi::label(ControlName name) {
    auto& slot = labels_[full_name(name)];
    if (!slot) {
        const ControlRow* row = find_control(name);
        if (row == nullptr || row->kind != ControlKind::label) {
            throw std::invalid_argument("no label named " + full_name(name));
        }
        slot = std::make_unique<RecordingLabel>();
        slot->Caption(std::string(row->caption));
        slot->Visible(row->visible);
    }
    return *slot;
}

OptionButton& RecordingUi::option(ControlName name) {
    if (name.name == "switch_c") {
        return switch_c_;
    }
    if (name.name == "switch_s") {
        return switch_s_;
    }
    throw std::invalid_argument("no option button named " + full_name(name));
}

void RecordingUi::forget_drawing() {
    for (auto& [name, canvas] : canvases_) {
        canvas->forget();
    }
}

std::vector<std::string> RecordingUi::cleared_surfaces() const {
    std::vector<std::string> out;
    for (const auto& [name, canvas] : canvases_) {
        if (!canvas->calls_of(DrawCall::Kind::cls).empty()) {
            out.push_back(name);
        }
    }
    return out;
}

}  // namespace quorvel::testing
