#pragma once

#include <gtest/gtest.h>
#include <string>

namespace cardgen {

// Names a TEST_P row after its `name` field, so a failure says which case broke.
struct RowName {
    template <typename Row> std::string operator()(const testing::TestParamInfo<Row>& row) const {
        return std::string(row.param.name);
    }
};

} // namespace cardgen
