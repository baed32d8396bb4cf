#include "web_state_json.h"

#include "json_text.h"

namespace quorvel {
namespace {

void put(JsonText& json, Int16 v) {
    json.value(v.value());
}

void put(JsonText& json, float v) {
    json.value(static_cast<double>(v));
}

void put(JsonText& json, const Value& v) {
    switch (v.type()) {
        case Value::Type::empty:
            json.null();
            return;
        case Value::Type::boolean:
            json.value(v.as_bool());
            return;
        case Value::Type::int16:
        case Value::Type::single:
        case Value::Type::double_:
            break;
    }
    json.value(v.as_double());
}

template <typename Array>
void put_array(JsonText& json, std::string_view key, const Array& items) {
    json.key(key).begin_array();
    for (int i = Array::lower; i <= Array::upper; ++i) {
        put(json, items(i));
    }
    json.end_array();
}

void captions(JsonText& json, std::string_view key, const ControlArray<Label>& labels) {
    json.key(key).begin_array();
    for (int i = 0; i <= 4; ++i) {
        json.value(labels(i).caption());
    }
    json.end_array();
}

void visibility(JsonText& json, std::string_view key, const ControlArray<Label>& labels) {
    json.key(key).begin_array();
    for (int i = 0; i <= 4; ++i) {
        json.value(labels(i).visible());
    }
    json.end_array();
}

}  // namespace

std::string web_state_json(const Form& f) {
    JsonText json;
    json.begin_object();
    captions(json, "ans_a", f.ans_a);
    visibility(json, "ans_a_visible", f.ans_a);
    captions(json, "ans_b", f.ans_b);
    visibility(json, "ans_b_visible", f.ans_b);
    json.key("ans_shown");
    put(json, f.ans_shown);
    json.key("cos_mode");
    put(json, f.cos_mode);
    json.key("d_theta");
    put(json, f.d_theta);
    json.key("div_k");
    put(json, f.div_k);
    json.key("ess_n");
    put(json, f.ess_n);
    put_array(json, "ex_a", f.ex_a);
    put_array(json, "ex_b", f.ex_b);
    json.key("lebel");
    put(json, f.lebel);
    json.key("s_over_t");
    put(json, f.s_over_t);
    put_array(json, "sim_a", f.sim_a);
    put_array(json, "sim_b", f.sim_b);
    json.field("switch_c", f.switch_c.value()).field("switch_s", f.switch_s.value());
    captions(json, "value_a", f.value_a);
    captions(json, "value_b", f.value_b);
    json.field("value_k", f.value_k.caption())
        .field("value_lebel", f.value_lebel.caption())
        .field("value_n", f.value_n.caption())
        .field("value_s", f.value_s.caption())
        .field("y_axis", f.y_axis.caption());
    json.end_object();
    return json.text();
}

}  // namespace quorvel
