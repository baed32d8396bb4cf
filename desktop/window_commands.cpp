// The window's own commands around the exercise: its zoom, the "How to use" window, the
// copy of its picture, the exercise code dialogs, and the context menu and keys that
// offer them.
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
#include "exercise_dialog_text.h"
#include "exercise_opening.h"
#include "layout.h"
#include "main_window.h"
#include "paint_zoom.h"
#include "sheet_printing.h"
#include "spin_ranges.h"
#include "window_geometry.h"
#include "work_state.h"
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
        help_ = new HelpWindow(spin_ranges(*form_), form_numbers(*form_), catalogue_,
                               language_->direction, this);
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

std::optional<std::string> MainWindow::open_exercise_code(std::string_view code) {
    if (reporting_fault_) {
        return std::nullopt;
    }
    try {
        if (const auto error = open_exercise(*form_, code)) {
            return code_refusal(*error, catalogue_);
        }
    } catch (const RuntimeFault& fault) {
        report_fault(fault);
    }
    return std::nullopt;
}

void MainWindow::show_exercise_dialog(ExerciseDialog::Purpose purpose) {
    if (exercise_dialog_ != nullptr) {
        exercise_dialog_->close();
    }
    const auto code = exercise_code(current_exercise(*form_));
    exercise_dialog_ = new ExerciseDialog(
        purpose, qt_text(code.value_or("")),
        [this](std::string_view typed) { return open_exercise_code(typed); }, catalogue_,
        qt_text(work_text(work_of(*form_)).value_or("")), this);
    exercise_dialog_->setAttribute(Qt::WA_DeleteOnClose);
    exercise_dialog_->setLayoutDirection(popup_direction());
    exercise_dialog_->setFont(zoomed_font(QApplication::font(exercise_dialog_), zoom_factor()));
    exercise_dialog_->open();
}

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
    if (id == "share_exercise") {
        return [this] { show_exercise_dialog(ExerciseDialog::Purpose::share); };
    }
    if (id == "open_exercise") {
        return [this] { show_exercise_dialog(ExerciseDialog::Purpose::open); };
    }
    if (id == "print_worksheet") {
        return [this] { print_sheet(*this, SheetKind::worksheet); };
    }
    if (id == "print_answer_key") {
        return [this] { print_sheet(*this, SheetKind::answer_key); };
    }
    if (id == "save_worksheet_pdf") {
        return [this] { save_sheet_as_pdf(*this); };
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
        if (row.id == "language") {
            add_languages(row);
            continue;
        }
        auto* action = new QAction(qt_text(catalogue_.translate(row.label)), this);
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
                zoom_menu_ = menu_->addMenu(qt_text(catalogue_.translate(find_command(id)->label)));
                zoom_menu_->addActions(zoom_levels_->actions());
            } else if (id == "language") {
                language_menu_ =
                    menu_->addMenu(qt_text(catalogue_.translate(find_command(id)->label)));
                language_menu_->addActions(languages_->actions());
            } else {
                menu_->addAction(commands_.at(id));
            }
        }
        connect(menu_, &QMenu::aboutToShow, this, [this] { offer_zoom_steps(); });
        zoom_popups();
        direct_popups();
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
