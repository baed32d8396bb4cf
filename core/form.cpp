#include "form.h"

namespace quorvel {
namespace {

template <typename Control, typename Lookup>
std::array<Control*, highest_harmonic + 1> elements(std::string_view name, Lookup lookup) {
    std::array<Control*, highest_harmonic + 1> out{};
    for (int i = 0; i <= highest_harmonic; ++i) {
        out[static_cast<std::size_t>(i)] = &lookup(ControlName{name, i});
    }
    return out;
}

}  // namespace

Form::Form(Ui& ui)
    : campus_ex(ui.surface({"campus_ex"})),
      campus_sim(ui.surface({"campus_sim"})),
      campus_ess(ui.surface({"campus_ess"})),
      campus_sqr(ui.surface({"campus_sqr"})),
      campus_graph(ui.surface({"campus_graph"})),
      campus_a(
          elements<Canvas>("campus_a", [&](ControlName n) -> Canvas& { return ui.surface(n); })),
      campus_b(
          elements<Canvas>("campus_b", [&](ControlName n) -> Canvas& { return ui.surface(n); })),
      value_lebel(ui.label({"value_lebel"})),
      value_n(ui.label({"value_n"})),
      value_k(ui.label({"value_k"})),
      value_s(ui.label({"value_s"})),
      y_axis(ui.label({"y_axis"})),
      value_a(elements<Label>("value_a", [&](ControlName n) -> Label& { return ui.label(n); })),
      value_b(elements<Label>("value_b", [&](ControlName n) -> Label& { return ui.label(n); })),
      ans_a(elements<Label>("ans_a", [&](ControlName n) -> Label& { return ui.label(n); })),
      ans_b(elements<Label>("ans_b", [&](ControlName n) -> Label& { return ui.label(n); })),
      switch_c(ui.option({"switch_c"})),
      switch_s(ui.option({"switch_s"})),
      window(ui.window()) {}

}  // namespace quorvel
