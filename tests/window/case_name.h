#pragma once

// Names a parameterised case after the `name` field of its row.

#include <gtest/gtest.h>

#include <string>

namespace testing_window {

struct CaseName {
  template <class Row>
  std::string operator()(const testing::TestParamInfo<Row>& row) const {
    return row.param.name;
  }
};

}  // namespace testing_window
