#pragma once

#include <gtest/gtest.h>

#include <string>

namespace quorvel::testing {

// Names each row of a value-parameterised table after its `name` field.
struct CaseName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

}  // namespace quorvel::testing
