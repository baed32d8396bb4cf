#include "main_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QToolTip>
#include <stdexcept>
#include <string>
#include <vector>

#include "accessible_interfaces.h"
#include "control_colours.h"
#include "dispatch.h"
#include "etched_frame.h"
#include "event_table.h"
#include "fault_text.h"
#include "paint_zoom.h"
#include "qt_canvas.h"
#include "qt_colour.h"
#include "qt_fonts.h"
#include "qt_label.h"
#include "qt_option_button.h"
#include "qt_push_button.h"
#include "spin_button.h"
#include "spin_ranges.h"
#include "window_geometry.h"

namespace quorvel {
namespace {

QString text_of(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

Qt::Alignment alignment_of(Align align) {
    switch (align) {
        case Align::centre:
            return Qt::AlignTop | Qt::AlignHCenter;
        case Align::right:
            return Qt::AlignTop | Qt::AlignRight;
        case Align::left:
            break;
    }
    return Qt::AlignTop | Qt::AlignLeft;
}

// The system face of the layout table: the window's own button face.
QColor button_face(const QWidget& parent) {
    return parent.palette().color(QPalette::Button);
}

QWidget* make_frame(QWidget* parent) {
    return new EtchedFrame(parent);
}

QWidget* make_label(const ControlRow& row, QWidget* parent) {
    auto* label = new QtLabel(parent);
    label->setText(text_of(row.caption));
    label->setAlignment(alignment_of(row.align));
    if (row.font != FontId::none) {
        label->setFont(qt_font(row.font));
    }
    return label;
}

QWidget* make_push_button(const ControlRow& row, QWidget* parent) {
    auto* button = new QtPushButton(text_of(row.caption), parent);
    button->setAutoDefault(false);
    if (row.font != FontId::none) {
        button->setFont(qt_font(row.font));
    }
    return button;
}

QWidget* make_option_button(const ControlRow& row, QWidget* parent) {
    auto* button = new QtOptionButton(parent);
    button->setText(text_of(row.caption));
    if (row.font != FontId::none) {
        button->setFont(qt_font(row.font));
    }
    button->setChecked(row.selected);
    return button;
}

QWidget* make_surface(const ControlRow& row, QWidget* parent) {
    return new QtCanvas(surface_look(row, from_qcolor(button_face(*parent))), parent);
}

// Clicks the push or option button it watches when Return or Enter is pressed on it, as
// Space already does. Held down, the key clicks once.
class EnterClicks : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<const QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            return false;
        }
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button == nullptr || !button->isEnabled()) {
            return false;
        }
        if (!key->isAutoRepeat()) {
            button->click();
        }
        return true;
    }
};

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent), frame_(*this), tooltip_font_(QToolTip::font()) {
    install_accessible_interfaces();
    // Set on the window itself, every role of it, so that the controls inherit it in
    // place of the application's palette and of the desktop theme's palettes for buttons
    // and labels.
    setPalette(program_palette());
    setWindowTitle(text_of(window_look.caption));

    for (const ControlRow& row : layout_table()) {
        QWidget* container = row.container == window_name ? this : control(row.container);
        if (container == nullptr) {
            throw std::logic_error("layout table: " + std::string(row.container.name) +
                                   " is used before it is built");
        }
        QWidget* widget = build(row, container);
        colour_control(row, *widget, palette_);
        widget->setObjectName(QString::fromStdString(full_name(row.name)));
        if (!row.visible) {
            widget->hide();
        }
        controls_.emplace(Key{row.name.name, row.name.index}, widget);
    }
    place_controls();
    stack_controls();
    set_tab_order();
    name_controls();
    click_buttons_on_enter();
    add_commands();

    form_ = std::make_unique<Form>(*this);
    for (const ControlRow& row : layout_table()) {
        connect_events(row, control(row.name));
    }
}

// Setting an application font visits every widget, so it is done only when zoomed.
MainWindow::~MainWindow() {
    if (QToolTip::font() != tooltip_font_) {
        QToolTip::setFont(tooltip_font_);
    }
}

QWidget* MainWindow::build(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
        case ControlKind::frame:
            return make_frame(parent);
        case ControlKind::label:
            return make_label(row, parent);
        case ControlKind::push_button:
            return make_push_button(row, parent);
        case ControlKind::option_button:
            return make_option_button(row, parent);
        case ControlKind::spin_button:
            return new SpinButton(parent);
        case ControlKind::picture:
            return make_surface(row, parent);
    }
    throw std::logic_error("layout table: unknown kind of control");
}

// Each push or option button raises <name>_Click, each spin button <name>_SpinUp and
// <name>_SpinDown, whenever the event table has a handler of that name.
void MainWindow::connect_events(const ControlRow& row, QWidget* widget) {
    const std::string name(row.name.name);
    const auto wire = [&](const std::string& handler, auto* sender, auto signal) {
        const EventEntry* event = find_event(handler);
        if (event == nullptr) {
            return;
        }
        connect(sender, signal, this, [this, event] { raise_event(event->name); });
        connected_.push_back(event->name);
    };
    switch (row.kind) {
        case ControlKind::push_button:
        case ControlKind::option_button:
            wire(name + "_Click", static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked);
            break;
        case ControlKind::spin_button: {
            auto* spin = static_cast<SpinButton*>(widget);
            wire(name + "_SpinUp", spin, &SpinButton::spinUp);
            wire(name + "_SpinDown", spin, &SpinButton::spinDown);
            break;
        }
        case ControlKind::frame:
        case ControlKind::label:
        case ControlKind::picture:
            break;
    }
}

void MainWindow::set_tab_order() {
    QWidget* previous = nullptr;
    for (const ControlName& name : tab_order()) {
        QWidget* next = control(name);
        if (next == nullptr) {
            throw std::logic_error("tab order names an unknown control: " + std::string(name.name));
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
}

void MainWindow::name_controls() {
    for (const AccessibleText& row : accessible_texts()) {
        QWidget* widget = control(row.control);
        if (widget == nullptr) {
            throw std::logic_error("accessible names table names an unknown control: " +
                                   full_name(row.control));
        }
        widget->setAccessibleName(text_of(catalogue_.translate(row.name)));
        if (!row.readout.name.empty()) {
            auto* spin = qobject_cast<SpinButton*>(widget);
            auto* readout = qobject_cast<QtLabel*>(control(row.readout));
            if (spin == nullptr || readout == nullptr) {
                throw std::logic_error("accessible names table: " + full_name(row.control) +
                                       " is not a spin button with a label for its value");
            }
            spin->set_readout(readout);
            spin->set_range([this, name = row.control]() -> std::optional<SpinRange> {
                return form_ != nullptr ? spin_range(*form_, name) : std::nullopt;
            });
        }
    }
}

void MainWindow::describe_controls() {
    const SpinRangeOf range_of = spin_ranges(*form_);
    for (const AccessibleText& row : accessible_texts()) {
        QWidget* widget = control(row.control);
        const QString description =
            QString::fromStdString(description_of(row, range_of, catalogue_));
        widget->setAccessibleDescription(description);
        // A sighted newcomer reads the same description when resting the pointer on it.
        widget->setToolTip(description);
    }
}

void MainWindow::click_buttons_on_enter() {
    auto* enter = new EnterClicks(this);
    for (const ControlRow& row : layout_table()) {
        if (row.kind == ControlKind::push_button || row.kind == ControlKind::option_button) {
            control(row.name)->installEventFilter(enter);
        }
    }
}

void MainWindow::load() {
    try {
        raise_event("Form_Load");
    } catch (const UnknownHandler&) {
        throw std::logic_error("the event table has no Form_Load");
    }
    loaded_ = true;
    describe_controls();
}

void MainWindow::raise_event(std::string_view handler) {
    if (reporting_fault_) {
        return;
    }
    if (const std::optional<RuntimeFault> fault = dispatch(*form_, handler)) {
        report_fault(*fault);
    }
}

void MainWindow::report_fault(const RuntimeFault& fault) {
    for (SpinButton* spin : findChildren<SpinButton*>()) {
        spin->stop_repeating();
    }
    reporting_fault_ = true;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quorvel"),
                    QString::fromStdString(fault_text(fault, catalogue_)), QMessageBox::Ok, this);
    box.setFont(zoomed_font(QApplication::font("QMessageBox"), zoom_factor()));
    box.setLayoutDirection(popup_direction());
    box.exec();
    reporting_fault_ = false;
}

QWidget* MainWindow::control(ControlName name) const {
    const auto found = controls_.find(Key{name.name, name.index});
    return found != controls_.end() ? found->second : nullptr;
}

template <typename Control>
Control& MainWindow::lookup(ControlName name) const {
    auto* found = dynamic_cast<Control*>(control(name));
    if (found == nullptr) {
        throw std::logic_error("the window has no control " + full_name(name) +
                               " of the kind asked for");
    }
    return *found;
}

Canvas& MainWindow::surface(ControlName name) {
    return lookup<QtCanvas>(name);
}

Label& MainWindow::label(ControlName name) {
    return lookup<QtLabel>(name);
}

OptionButton& MainWindow::option(ControlName name) {
    return lookup<QtOptionButton>(name);
}

}  // namespace quorvel
