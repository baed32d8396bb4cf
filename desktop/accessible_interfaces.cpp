#include "accessible_interfaces.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "label_accessible.h"
#include "option_button_accessible.h"
#include "qt_canvas.h"
#include "qt_label.h"
#include "spin_button.h"
#include "spin_button_accessible.h"

namespace quorvel {
namespace {

QAccessibleInterface* make_interface(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String(SpinButton::staticMetaObject.className())) {
        return new SpinButtonAccessible(static_cast<SpinButton*>(object));
    }
    if (class_name == QLatin1String(QtCanvas::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QtCanvas*>(object), QAccessible::Graphic);
    }
    if (class_name == QLatin1String(QtLabel::staticMetaObject.className())) {
        return new LabelAccessible(static_cast<QtLabel*>(object));
    }
    if (class_name == QLatin1String(QtOptionButton::staticMetaObject.className())) {
        return new OptionButtonAccessible(static_cast<QtOptionButton*>(object));
    }
    return nullptr;
}

}  // namespace

void install_accessible_interfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(make_interface);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace quorvel
