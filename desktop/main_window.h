#pragma once

#include <QActionGroup>
#include <QFont>
#include <QMenu>
#include <QPointer>
#include <QTranslator>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "command_table.h"
#include "event.h"
#include "exercise_dialog.h"
#include "form.h"
#include "help_window.h"
#include "languages.h"
#include "layout.h"
#include "palette.h"
#include "program_look.h"
#include "qt_window_frame.h"
#include "ui.h"
#include "window_geometry.h"

namespace quorvel {

// The program's one window, "Fourier Series": a fixed client area of 647 × 455 pixels
// built control by control from the layout table, on the program's own light palette
// whatever palette the application or the desktop's theme holds. It owns the form, whose procedures
// reach the controls through the Ui lookups, and routes every click and spin of its
// controls to the handler of the same name. Around the exercise it offers, from its keys
// and its context menu, a "How to use" window, a zoom of the whole window and a copy of
// its picture; none of them adds a control to the window or touches the form.
class MainWindow : public QWidget, public Ui {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Runs Form_Load and describes the controls. Call it once, before the window is first
    // shown.
    void load();

    Form& form() { return *form_; }

    // The widget built for a row of the layout table, or nullptr.
    QWidget* control(ControlName name) const;

    // The handler names the window's controls raise, one entry per connection made.
    const std::vector<std::string_view>& connected_handlers() const { return connected_; }

    Canvas& surface(ControlName name) override;
    Label& label(ControlName name) override;
    OptionButton& option(ControlName name) override;
    // The Ui's window frame (outer size and position in twips); it hides QWidget::window(),
    // which for this top-level widget would only return the widget itself.
    WindowFrame& window() override { return frame_; }

    // The zoom in per cent, one of zoom_steps; 100 when the window opens.
    int zoom() const { return zoom_percent_; }
    // Scales every control, font and plot of the window to one of zoom_steps, as if the
    // screen's pixels were that much smaller, and resizes the window, keeping it on its
    // screen. The form and what it has drawn stay as they are. The keys and the menu
    // offer only the steps at which the window fits its screen.
    void set_zoom(int percent);
    // Puts a picture of the window's client area, as it shows now, on the clipboard.
    void copy_picture();
    // Opens the "How to use" window, or brings it to the front.
    void show_help();
    // The help window once it has been opened, or nullptr.
    HelpWindow* help_window() const { return help_; }
    // Shows the window in a palette: every control's colours and every plot's pixels
    // change, the form and what the plots hold do not.
    void set_palette(Palette palette);
    Palette palette() const { return palette_; }
    // Opens a dialog with the code of the exercise on the window; for open, one that also
    // takes a code. A dialog already open is closed first.
    void show_exercise_dialog(ExerciseDialog::Purpose purpose);
    // The exercise code dialog while it is open, or nullptr.
    ExerciseDialog* exercise_dialog() const { return exercise_dialog_; }
    // Opens the exercise a typed code names; for a code that names none, the sentence
    // saying what is wrong with it, and the window is left as it was.
    std::optional<std::string> open_exercise_code(std::string_view code);
    // What a right click or the Menu key offers: help, zoom, high contrast, the language,
    // copy picture and the exercise codes.
    QMenu& context_menu();
    // Speaks a language from now on: every name, description and tooltip, the commands,
    // the menu, the help window if open, the dialogs and Qt's own texts. The help, the
    // menu and the dialogs run in its direction; the exercise keeps its arrangement, and
    // the form and the plots stay as they are.
    void set_language(const Language& language);
    const Language& language() const { return *language_; }
    const Catalogue& catalogue() const { return catalogue_; }

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    using Key = std::pair<std::string_view, int>;

    QWidget* build(const ControlRow& row, QWidget* parent);
    void connect_events(const ControlRow& row, QWidget* widget);
    void stack_controls();
    void uncover_surfaces();
    void set_tab_order();
    // Gives each control of the accessible names table its name.
    void name_controls();
    // Gives each control of that table its description, also as its tooltip. They tell
    // the spin buttons' bounds, so they wait for Form_Load to set them.
    void describe_controls();
    // Return and Enter click a focused push or option button, as Space does.
    void click_buttons_on_enter();
    // Gives every control its place at the current zoom.
    void place_controls();
    void keep_on_screen();
    QMargins window_frame() const;
    // Whether the keys and the menu offer a zoom step on the window's screen as it is now.
    bool zoom_step_offered(int percent) const;
    // Enables the zoom commands and steps that are offered, and disables the rest.
    void offer_zoom_steps();
    // After the screen or its available area changed: zooms out to the largest step that
    // still fits when the current one no longer does.
    void fit_zoom_to_screen();
    void watch_screen(QScreen* screen);
    // The zoom as a scale factor: 2.0 at 200 %.
    double zoom_factor() const { return zoom_percent_ / 100.0; }
    // The context menu and the tooltips at the window's zoom.
    void zoom_popups();
    // The window's own commands, each on its keys and in the context menu.
    void add_commands();
    void add_zoom_levels(const CommandRow& row);
    void add_languages(const CommandRow& row);
    // The commands' labels and the submenus' titles in the window's language.
    void label_commands();
    // The help window, the menu and its submenus in the language's direction.
    void direct_popups();
    Qt::LayoutDirection popup_direction() const;
    // Qt's own texts (its dialogs' buttons, the text fields' menu) in the window's
    // language, when Qt's translations for it are installed.
    void translate_qt_texts();
    std::function<void()> command_run(std::string_view id);
    // The one road from a control's event to its handler. A runtime fault is reported to
    // the user and the window carries on with whatever the handler had done.
    void raise_event(std::string_view handler);
    // Tells the user of a runtime fault in a message box; the window carries on.
    void report_fault(const RuntimeFault& fault);
    template <typename Control>
    Control& lookup(ControlName name) const;

    std::map<Key, QWidget*> controls_;
    // Where each control lies and how it is stacked, worked out once: it never changes,
    // and placing, stacking and uncovering at every zoom all read it.
    const std::vector<RowGeometry> geometry_ = window_geometry();
    QtWindowFrame frame_;
    std::vector<std::string_view> connected_;
    std::unique_ptr<Form> form_;
    bool reporting_fault_ = false;
    int zoom_percent_ = 100;
    // The window's commands by their ids in the command table.
    std::map<std::string_view, QAction*> commands_;
    QActionGroup* zoom_levels_ = nullptr;
    QActionGroup* languages_ = nullptr;
    // The submenus, once the menu is built, to title them in another language.
    QMenu* zoom_menu_ = nullptr;
    QMenu* language_menu_ = nullptr;
    QAction* contrast_command_ = nullptr;
    Palette palette_ = Palette::seed;
    // The language the window speaks (English until one is chosen) and its texts.
    const Language* language_ = &english();
    Catalogue catalogue_;
    std::unique_ptr<QTranslator> qt_translator_;
    bool loaded_ = false;
    QMenu* menu_ = nullptr;
    bool watching_screen_ = false;
    QMetaObject::Connection screen_area_watch_;
    // Tooltips' font as the application had it, which the zoom scales and the window's
    // end puts back.
    QFont tooltip_font_;
    QPointer<HelpWindow> help_;
    QPointer<ExerciseDialog> exercise_dialog_;
};

}  // namespace quorvel
