#pragma once

#include <gtest/gtest.h>

#include <string>

#include "ui.h"

namespace quorvel::testing {

// Names each row of a value-parameterised table after its `name` field.
struct CaseName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

// Names the cases of a table of levels: level_1 … level_4.
struct LevelName {
    std::string operator()(const ::testing::TestParamInfo<int>& level) const {
        return "level_" + std::to_string(level.param);
    }
};

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

}  // namespace quorvel::testing
