#include "state_json.h"

#include <QJsonArray>
#include <QString>

namespace quorvel {
namespace {

QJsonValue json_of(Int16 v) {
    return v.value();
}

// Every 32-bit float is exactly a double, and a double is written with enough digits to
// read back unchanged.
QJsonValue json_of(float v) {
    return static_cast<double>(v);
}

QJsonValue json_of(const Value& v) {
    switch (v.type()) {
        case Value::Type::empty:
            return QJsonValue::Null;
        case Value::Type::boolean:
            return v.as_bool();
        case Value::Type::int16:
        case Value::Type::single:
        case Value::Type::double_:
            break;
    }
    return v.as_double();
}

template <typename Array>
QJsonArray json_of_array(const Array& items) {
    QJsonArray out;
    for (int i = Array::lower; i <= Array::upper; ++i) {
        out.append(json_of(items(i)));
    }
    return out;
}

QJsonArray captions(const ControlArray<Label>& labels) {
    QJsonArray out;
    for (int i = 0; i <= 4; ++i) {
        out.append(QString::fromStdString(labels(i).caption()));
    }
    return out;
}

QJsonArray visibility(const ControlArray<Label>& labels) {
    QJsonArray out;
    for (int i = 0; i <= 4; ++i) {
        out.append(labels(i).visible());
    }
    return out;
}

QJsonValue caption(const Label& label) {
    return QString::fromStdString(label.caption());
}

}  // namespace

QJsonObject state_json(const Form& form) {
    QJsonObject out;
    out.insert(QStringLiteral("value_lebel"), caption(form.value_lebel));
    out.insert(QStringLiteral("value_n"), caption(form.value_n));
    out.insert(QStringLiteral("value_k"), caption(form.value_k));
    out.insert(QStringLiteral("value_s"), caption(form.value_s));
    out.insert(QStringLiteral("y_axis"), caption(form.y_axis));
    out.insert(QStringLiteral("value_a"), captions(form.value_a));
    out.insert(QStringLiteral("value_b"), captions(form.value_b));
    out.insert(QStringLiteral("ans_a"), captions(form.ans_a));
    out.insert(QStringLiteral("ans_b"), captions(form.ans_b));
    out.insert(QStringLiteral("ans_a_visible"), visibility(form.ans_a));
    out.insert(QStringLiteral("ans_b_visible"), visibility(form.ans_b));
    out.insert(QStringLiteral("switch_c"), form.switch_c.value());
    out.insert(QStringLiteral("switch_s"), form.switch_s.value());

    out.insert(QStringLiteral("lebel"), json_of(form.lebel));
    out.insert(QStringLiteral("ess_n"), json_of(form.ess_n));
    out.insert(QStringLiteral("div_k"), json_of(form.div_k));
    out.insert(QStringLiteral("d_theta"), json_of(form.d_theta));
    out.insert(QStringLiteral("s_over_t"), json_of(form.s_over_t));
    out.insert(QStringLiteral("cos_mode"), json_of(form.cos_mode));
    out.insert(QStringLiteral("ans_shown"), json_of(form.ans_shown));
    out.insert(QStringLiteral("ex_a"), json_of_array(form.ex_a));
    out.insert(QStringLiteral("ex_b"), json_of_array(form.ex_b));
    out.insert(QStringLiteral("sim_a"), json_of_array(form.sim_a));
    out.insert(QStringLiteral("sim_b"), json_of_array(form.sim_b));
    return out;
}

}  // namespace quorvel
