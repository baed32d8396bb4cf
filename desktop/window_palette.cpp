// The window in one palette or the other: the program's own colours, or high contrast.
#include "control_colours.h"
#include "main_window.h"

namespace quorvel {

void MainWindow::set_palette(Palette palette) {
    if (contrast_command_ != nullptr) {
        contrast_command_->setChecked(palette == Palette::high_contrast);
    }
    if (palette == palette_) {
        return;
    }
    palette_ = palette;
    setPalette(program_palette(palette));
    for (const ControlRow& row : layout_table()) {
        colour_control(row, *control(row.name), palette);
    }
}

}  // namespace quorvel
