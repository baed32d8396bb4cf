#include "program_look.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <array>

#include "palette.h"
#include "qt_colour.h"

namespace quorvel {
namespace {

// One role: its colour while the window is active or inactive, and while disabled.
struct RoleColours {
    QPalette::ColorRole role;
    QRgb normal;
    QRgb disabled;
};

// Opaque in Qt's 0xAARRGGBB.
constexpr QRgb opaque(Colour c) {
    return 0xff000000u | static_cast<QRgb>(c.red() << 16 | c.green() << 8 | c.blue());
}

// The program's light grey button face with its bevel shades, black text on white fields and a
// blue selection: Fusion's own light colours, written down so that no desktop can
// swap them for dark ones.
constexpr auto light_face = std::to_array<RoleColours>({
    {QPalette::WindowText, 0xff000000, 0xffbebebe},
    {QPalette::Button, opaque(button_face), opaque(button_face)},
    {QPalette::Light, 0xffffffff, 0xffffffff},
    {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
    {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
    {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
    {QPalette::Text, 0xff000000, 0xffbebebe},
    {QPalette::BrightText, 0xffffffff, 0xffffffff},
    {QPalette::ButtonText, 0xff000000, 0xffbebebe},
    {QPalette::Base, 0xffffffff, opaque(button_face)},
    {QPalette::Window, opaque(button_face), opaque(button_face)},
    {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
    {QPalette::Highlight, 0xff308cc6, 0xff919191},
    {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
    {QPalette::Link, 0xff0000ff, 0xff0000ff},
    {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
    {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
    {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
    {QPalette::ToolTipText, 0xff000000, 0xff000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
});

}  // namespace

QPalette program_palette(Palette shown) {
    QPalette palette;
    for (const RoleColours& row : light_face) {
        const QColor normal = QColor::fromRgba(row.normal);
        palette.setColor(QPalette::Active, row.role, normal);
        palette.setColor(QPalette::Inactive, row.role, normal);
        palette.setColor(QPalette::Disabled, row.role, QColor::fromRgba(row.disabled));
    }
    if (shown == Palette::high_contrast) {
        // The etched frames' dark line.
        const QColor dark = to_qcolor(face_colours(shown).frame_dark);
        palette.setColor(QPalette::Active, QPalette::Dark, dark);
        palette.setColor(QPalette::Inactive, QPalette::Dark, dark);
    }
    return palette;
}

void use_program_look() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(program_palette());
}

}  // namespace quorvel
