// quorvel-e2e-layout: where each control of the layout table lands on the screen, in
// pixels within the window's client area, so the end-to-end tests can aim their clicks
// and cut their comparisons from the one table the window is built from.
//
//   quorvel-e2e-layout          every control, one per line
//   quorvel-e2e-layout NAME     one control, e.g. Spin_a0 or campus_a(3)
//
// Each line reads: name kind shown left top width height. "shown" is 0 when the control
// or one of its containers is hidden. Positions are summed container by container, each
// step rounded to whole pixels on its own, the way the window builder places its widgets
// (a frame's children are placed relative to the frame's own corner, border included).
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "layout.h"

namespace {

using quorvel::ControlKind;
using quorvel::ControlName;
using quorvel::ControlRow;

constexpr ControlName window_name{"Form1"};

int pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / quorvel::twips_per_pixel));
}

std::string qualified(ControlName name) {
    std::string out(name.name);
    if (name.index >= 0) {
        out += "(" + std::to_string(name.index) + ")";
    }
    return out;
}

const char* kind_word(ControlKind kind) {
    switch (kind) {
        case ControlKind::frame:
            return "frame";
        case ControlKind::label:
            return "label";
        case ControlKind::push_button:
            return "push_button";
        case ControlKind::option_button:
            return "option_button";
        case ControlKind::spin_button:
            return "spin_button";
        case ControlKind::picture:
            return "picture";
    }
    return "unknown";
}

struct Placed {
    int left = 0;
    int top = 0;
    bool shown = true;
};

// The control's corner in client-area pixels; false if a container is missing.
bool place(const ControlRow& row, Placed& out) {
    out = {pixels(row.left), pixels(row.top), row.visible};
    ControlName container = row.container;
    while (!(container == window_name)) {
        const ControlRow* parent = quorvel::find_control(container);
        if (parent == nullptr) {
            return false;
        }
        out.left += pixels(parent->left);
        out.top += pixels(parent->top);
        out.shown = out.shown && parent->visible;
        container = parent->container;
    }
    return true;
}

bool print(const ControlRow& row) {
    Placed at;
    if (!place(row, at)) {
        std::fprintf(stderr, "quorvel-e2e-layout: %s lies in an unknown container\n",
                     qualified(row.name).c_str());
        return false;
    }
    std::printf("%s %s %d %d %d %d %d\n", qualified(row.name).c_str(), kind_word(row.kind),
                at.shown ? 1 : 0, at.left, at.top, pixels(row.width), pixels(row.height));
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 2) {
        std::fputs("usage: quorvel-e2e-layout [CONTROL]\n", stderr);
        return 2;
    }
    bool ok = true;
    bool found = false;
    for (const ControlRow& row : quorvel::layout_table()) {
        if (argc == 2 && qualified(row.name) != argv[1]) {
            continue;
        }
        found = true;
        ok = print(row) && ok;
    }
    if (argc == 2 && !found) {
        std::fprintf(stderr, "quorvel-e2e-layout: no control named %s\n", argv[1]);
        return 1;
    }
    return ok ? 0 : 1;
}
