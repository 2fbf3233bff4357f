#pragma once
// Row names for suites that run once per "说明" button: CmdEx0 … CmdEx23, after cmdEx(i).

#include <gtest/gtest.h>

#include <string>

namespace torvane::support {

inline std::string HelpButtonName(const ::testing::TestParamInfo<int>& info) {
  return "CmdEx" + std::to_string(info.param);
}

}  // namespace torvane::support
