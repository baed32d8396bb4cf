#include "form_fixture.h"

#include <gtest/gtest.h>

#include "dispatch.h"
#include "form_load.h"

namespace quorvel::testing {

LoadedForm::LoadedForm() {
    Form_Load(form);
}

std::optional<RuntimeFault> LoadedForm::run(std::string_view handler) {
    return dispatch(form, handler);
}

void LoadedForm::run_all(std::initializer_list<std::string_view> handlers) {
    for (std::string_view h : handlers) {
        const auto fault = run(h);
        ASSERT_FALSE(fault.has_value()) << h << ": " << fault->what();
    }
}

}  // namespace quorvel::testing
