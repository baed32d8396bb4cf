// The window's own commands around the exercise: its zoom, the "How to use" window, the
// copy of its picture, and the context menu and keys that offer them.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRegion>
#include <QScreen>
#include <QShowEvent>
#include <QToolTip>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "command_table.h"
#include "layout.h"
#include "main_window.h"
#include "paint_zoom.h"
#include "spin_ranges.h"
#include "window_geometry.h"
#include "zoom_fit.h"
#include "zoom_steps.h"

namespace quorvel {
namespace {

QRect logical_rect(const PixelRect& at) {
    return {at.left, at.top, at.width, at.height};
}

}  // namespace

// Every control at its zoomed place: its rectangle in window coordinates, scaled and
// rounded edge by edge, then made relative to its container's zoomed corner.
void MainWindow::place_controls() {
    const double factor = zoom_factor();
    std::map<Key, QPoint> corners;
    for (const RowGeometry& row : geometry_) {
        const ZoomedPlace place = zoomed_place(logical_rect(row.rect), factor);
        const ControlName in = find_control(row.name)->container;
        const QPoint container = in == window_name ? QPoint(0, 0) : corners.at({in.name, in.index});
        corners.emplace(Key{row.name.name, row.name.index}, place.in_window.topLeft());
        QWidget* widget = control(row.name);
        widget->setGeometry(place.in_window.translated(-container));
        if (auto* zoomable = dynamic_cast<Zoomable*>(widget)) {
            zoomable->set_paint_zoom(place.paint);
        }
    }
    setFixedSize(zoomed_client_size(zoom_percent_));
}

// Neighbouring frames overlap by a pixel or more, and a frame stacked above its neighbour
// would hide the edge rows of the neighbour's plots: a0 = -10 and the troughs of an
// amplitude-10 harmonic are drawn on the last row. Each frame therefore leaves out of its
// shape the parts of the plots that the window's geometry finds it overlapping; nothing
// moves. The parts are zoomed edge by edge as the controls are, so a zoom reshapes them.
void MainWindow::uncover_surfaces() {
    const double factor = zoom_factor();
    std::map<Key, QRegion> shapes;
    for (const RowGeometry& plot : geometry_) {
        for (const UncoveredPart& part : plot.uncovered) {
            const QWidget* frame = control(part.frame);
            auto [shape, added] =
                shapes.try_emplace(Key{part.frame.name, part.frame.index}, frame->rect());
            shape->second -=
                zoomed_place(logical_rect(part.rect), factor).in_window.translated(-frame->pos());
        }
    }
    for (const ControlRow& row : layout_table()) {
        if (!(row.container == window_name)) {
            continue;
        }
        QWidget* frame = control(row.name);
        const auto shape = shapes.find(Key{row.name.name, row.name.index});
        if (shape == shapes.end()) {
            frame->clearMask();
        } else {
            frame->setMask(shape->second);
        }
    }
}

void MainWindow::set_zoom(int percent) {
    if (std::find(zoom_steps.begin(), zoom_steps.end(), percent) == zoom_steps.end()) {
        throw std::invalid_argument("not one of the window's zoom steps: " +
                                    std::to_string(percent));
    }
    for (QAction* level : zoom_levels_->actions()) {
        level->setChecked(level->data().toInt() == percent);
    }
    if (percent == zoom_percent_) {
        return;
    }
    zoom_percent_ = percent;
    place_controls();
    uncover_surfaces();
    if (help_ != nullptr) {
        help_->set_zoom(zoom_factor());
    }
    zoom_popups();
    keep_on_screen();
    offer_zoom_steps();
}

// A window grown past its screen's edge is moved back; one larger than the screen keeps
// its top-left corner, and so its title bar, on it. Under Wayland the compositor keeps it.
void MainWindow::keep_on_screen() {
    const QScreen* on = screen();
    if (on == nullptr || !isWindow() || !can_place_windows()) {
        return;
    }
    const QRect available = on->availableGeometry();
    const QRect outer = frameGeometry();
    QPoint corner = outer.topLeft();
    corner.setX(
        std::max(std::min(corner.x(), available.right() + 1 - outer.width()), available.left()));
    corner.setY(
        std::max(std::min(corner.y(), available.bottom() + 1 - outer.height()), available.top()));
    if (corner != outer.topLeft()) {
        move(corner);
    }
}

// The frame the window system draws around the window: nothing until it has one (the
// first showing), then its title bar and borders.
QMargins MainWindow::window_frame() const {
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

bool MainWindow::zoom_step_offered(int percent) const {
    const QScreen* on = screen();
    return on == nullptr ||
           zoom_offered(percent, zoom_percent_, on->availableGeometry().size(), window_frame());
}

void MainWindow::offer_zoom_steps() {
    const int next = zoom_in(zoom_percent_);
    commands_.at("zoom_in")->setEnabled(next != zoom_percent_ && zoom_step_offered(next));
    for (QAction* level : zoom_levels_->actions()) {
        level->setEnabled(zoom_step_offered(level->data().toInt()));
    }
}

void MainWindow::fit_zoom_to_screen() {
    const QScreen* on = screen();
    if (on == nullptr) {
        return;
    }
    const int largest = largest_fitting_zoom(on->availableGeometry().size(), window_frame());
    if (zoom_percent_ > largest) {
        set_zoom(largest);
    } else {
        offer_zoom_steps();
    }
}

// Follows the window to another screen, and the available area of the one it is on as
// panels come and go or the resolution changes.
void MainWindow::watch_screen(QScreen* on) {
    disconnect(screen_area_watch_);
    if (on != nullptr) {
        screen_area_watch_ =
            connect(on, &QScreen::availableGeometryChanged, this, [this] { fit_zoom_to_screen(); });
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!watching_screen_ && windowHandle() != nullptr) {
        watching_screen_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this](QScreen* on) {
            watch_screen(on);
            fit_zoom_to_screen();
        });
        watch_screen(screen());
    }
    offer_zoom_steps();
}

void MainWindow::copy_picture() {
    QApplication::clipboard()->setImage(grab().toImage());
}

void MainWindow::show_help() {
    if (help_ == nullptr) {
        help_ = new HelpWindow(spin_ranges(*form_), this);
        help_->set_zoom(zoom_factor());
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

namespace {

QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// What each of the window's commands does when its keys or its menu entry trigger it.
std::function<void()> MainWindow::command_run(std::string_view id) {
    if (id == "help") {
        return [this] { show_help(); };
    }
    if (id == "zoom_in") {
        return [this] {
            // The frame may have grown since the command was last offered.
            if (const int next = zoom_in(zoom_percent_); zoom_step_offered(next)) {
                set_zoom(next);
            } else {
                offer_zoom_steps();
            }
        };
    }
    if (id == "zoom_out") {
        return [this] { set_zoom(zoom_out(zoom_percent_)); };
    }
    if (id == "actual_size") {
        return [this] { set_zoom(actual_size); };
    }
    if (id == "copy_picture") {
        return [this] { copy_picture(); };
    }
    if (id == "high_contrast") {
        return [this] {
            set_palette(contrast_command_->isChecked() ? Palette::high_contrast : Palette::seed);
        };
    }
    throw std::logic_error("the desktop has no command " + std::string(id));
}

// The actions carry the keys from the start; the menu that lists them is built the first
// time it is asked for, so a window that is never right-clicked does not pay for it.
void MainWindow::add_commands() {
    for (const CommandRow& row : command_table()) {
        if (row.desktop.by != TakenBy::window) {
            continue;
        }
        if (row.id == "zoom_levels") {
            add_zoom_levels(row);
            continue;
        }
        auto* action = new QAction(qt_text(row.label), this);
        action->setShortcuts(
            QKeySequence::listFromString(qt_text(row.desktop.keys), QKeySequence::PortableText));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setCheckable(row.checkable);
        connect(action, &QAction::triggered, this, command_run(row.id));
        addAction(action);
        commands_.emplace(row.id, action);
    }
    contrast_command_ = commands_.at("high_contrast");
}

void MainWindow::add_zoom_levels(const CommandRow& row) {
    zoom_levels_ = new QActionGroup(this);
    for (const int step : zoom_steps) {
        auto* level = new QAction(QStringLiteral("%1 %").arg(step), zoom_levels_);
        level->setCheckable(row.checkable);
        level->setChecked(step == zoom_percent_);
        level->setData(step);
        connect(level, &QAction::triggered, this, [this, step] {
            // A step no longer offered leaves the check mark on the current one.
            set_zoom(zoom_step_offered(step) ? step : zoom_percent_);
        });
    }
}

QMenu& MainWindow::context_menu() {
    if (menu_ == nullptr) {
        menu_ = new QMenu(this);
        for (const std::string_view id : context_menu_of(Shell::desktop)) {
            if (id == menu_separator) {
                menu_->addSeparator();
            } else if (id == "zoom_levels") {
                menu_->addMenu(qt_text(find_command(id)->label))
                    ->addActions(zoom_levels_->actions());
            } else {
                menu_->addAction(commands_.at(id));
            }
        }
        connect(menu_, &QMenu::aboutToShow, this, [this] { offer_zoom_steps(); });
        zoom_popups();
    }
    return *menu_;
}

// A teacher who zooms the window for a class needs its menu and tooltips as large as it.
// The submenu is a window of its own, which takes no font from the menu.
void MainWindow::zoom_popups() {
    const double factor = zoom_factor();
    if (const QFont tips = zoomed_font(tooltip_font_, factor); tips != QToolTip::font()) {
        QToolTip::setFont(tips);
    }
    if (menu_ != nullptr) {
        const QFont font = zoomed_font(QApplication::font(menu_), factor);
        menu_->setFont(font);
        for (QMenu* submenu : menu_->findChildren<QMenu*>()) {
            submenu->setFont(font);
        }
    }
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    context_menu().popup(event->globalPos());
    event->accept();
}

}  // namespace quorvel
