#pragma once

// Readable names for parameterised tests whose cases carry a `name` field.

#include <gtest/gtest.h>

#include <string>

namespace drill_test {

struct NameOfCase {
  template <class Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& caseInfo) const {
    return caseInfo.param.name;
  }
};

}  // namespace drill_test
