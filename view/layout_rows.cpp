#include "layout.h"

namespace quorvel {

SurfaceLook surface_look(const ControlRow& row, Colour system_face) {
    SurfaceLook look;
    look.back = row.back.value_or(system_face);
    look.fore = row.fore.value_or(colours::black);
    look.fill = row.fill;
    look.fill_style = row.fill_style;
    look.width_twips = static_cast<float>(row.width);
    look.height_twips = static_cast<float>(row.height);
    return look;
}
std::optional<PixelRect> client_rect(ControlName name) {
    const ControlRow* row = find_control(name);
    if (row == nullptr) {
        return std::nullopt;
    }
    PixelRect out{pixels_of_twips(row->left), pixels_of_twips(row->top),
                  pixels_of_twips(row->width), pixels_of_twips(row->height)};
    for (ControlName in = row->container; !(in == window_name);) {
        const ControlRow* container = find_control(in);
        if (container == nullptr) {
            return std::nullopt;
        }
        out.left += pixels_of_twips(container->left);
        out.top += pixels_of_twips(container->top);
        in = container->container;
    }
    return out;
}

bool shown_at_start(ControlName name) {
    const ControlRow* row = find_control(name);
    if (row == nullptr) {
        return false;
    }
    for (; row != nullptr; row = find_control(row->container)) {
        if (!row->visible) {
            return false;
        }
    }
    return true;
}

}  // namespace quorvel
