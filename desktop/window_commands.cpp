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
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

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
    zoom_commands_.front()->setEnabled(next != zoom_percent_ && zoom_step_offered(next));
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

// The actions carry the keys from the start; the menu that lists them is built the first
// time it is asked for, so a window that is never right-clicked does not pay for it.
void MainWindow::add_commands() {
    const auto command = [this](const QString& text, QList<QKeySequence> keys, auto slot) {
        auto* action = new QAction(text, this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        return action;
    };
    help_command_ =
        command(QStringLiteral("How to use…"), {QKeySequence(Qt::Key_F1)}, [this] { show_help(); });
    zoom_commands_ = {
        command(QStringLiteral("Zoom in"),
                {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)},
                [this] {
                    // The frame may have grown since the command was last offered.
                    if (const int next = zoom_in(zoom_percent_); zoom_step_offered(next)) {
                        set_zoom(next);
                    } else {
                        offer_zoom_steps();
                    }
                }),
        command(QStringLiteral("Zoom out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
                [this] { set_zoom(zoom_out(zoom_percent_)); }),
        command(QStringLiteral("Actual size"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
                [this] { set_zoom(actual_size); }),
    };
    zoom_levels_ = new QActionGroup(this);
    for (const int step : zoom_steps) {
        auto* level = new QAction(QStringLiteral("%1 %").arg(step), zoom_levels_);
        level->setCheckable(true);
        level->setChecked(step == zoom_percent_);
        level->setData(step);
        connect(level, &QAction::triggered, this, [this, step] {
            // A step no longer offered leaves the check mark on the current one.
            set_zoom(zoom_step_offered(step) ? step : zoom_percent_);
        });
    }
    copy_command_ = command(QStringLiteral("Copy picture"), {QKeySequence(Qt::CTRL | Qt::Key_C)},
                            [this] { copy_picture(); });
    contrast_command_ = command(
        QStringLiteral("High contrast"), {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_H)}, [this] {
            set_palette(contrast_command_->isChecked() ? Palette::high_contrast : Palette::seed);
        });
    contrast_command_->setCheckable(true);
}

QMenu& MainWindow::context_menu() {
    if (menu_ == nullptr) {
        menu_ = new QMenu(this);
        menu_->addAction(help_command_);
        menu_->addSeparator();
        menu_->addActions(zoom_commands_);
        menu_->addMenu(QStringLiteral("Zoom"))->addActions(zoom_levels_->actions());
        menu_->addAction(contrast_command_);
        menu_->addSeparator();
        menu_->addAction(copy_command_);
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
