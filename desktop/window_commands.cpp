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
