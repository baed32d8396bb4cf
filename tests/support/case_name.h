#pragma once

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "ui.h"

namespace quorvel::testing {

// A control's name as a test's name may spell it: campus_a_1 for campus_a(1).
inline std::string case_name_of(ControlName control) {
    std::string out;
    for (const char c : full_name(control)) {
        if (c != ')') {
            out += c == '(' ? '_' : c;
        }
    }
    return out;
}

// Names each row of a value-parameterised table after its `name` field: a text as it is,
// a control as case_name_of spells it.
struct CaseName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(row.param.name)>, ControlName>) {
            return case_name_of(row.param.name);
        } else {
            return std::string(row.param.name);
        }
    }
};

// Names the cases of a table of levels: level_1 … level_4.
struct LevelName {
    std::string operator()(const ::testing::TestParamInfo<int>& level) const {
        return "level_" + std::to_string(level.param);
    }
};

}  // namespace quorvel::testing
