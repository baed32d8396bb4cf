// quorvel-e2e-layout: where each control of the layout table lands on the screen, in
// pixels within the window's client area, so the end-to-end tests can aim their clicks
// and cut their comparisons from the one table the window is built from.
//
//   quorvel-e2e-layout          every control, one per line
//   quorvel-e2e-layout NAME     one control, e.g. Spin_a0 or campus_a(3)
//
// Each line reads: name kind shown left top width height. "shown" is 0 when the control
// or one of its containers is hidden. Positions are the layout's own client_rect.
#include <cstdio>
#include <optional>
#include <string>

#include "layout.h"

namespace {

using quorvel::ControlKind;
using quorvel::ControlRow;

bool print(const ControlRow& row) {
    const std::optional<quorvel::PixelRect> at = quorvel::client_rect(row.name);
    if (!at) {
        std::fprintf(stderr, "quorvel-e2e-layout: %s lies in an unknown container\n",
                     quorvel::full_name(row.name).c_str());
        return false;
    }
    std::printf("%s %s %d %d %d %d %d\n", quorvel::full_name(row.name).c_str(),
                quorvel::kind_word(row.kind), quorvel::shown_at_start(row.name) ? 1 : 0, at->left,
                at->top, at->width, at->height);
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
        if (argc == 2 && quorvel::full_name(row.name) != argv[1]) {
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
