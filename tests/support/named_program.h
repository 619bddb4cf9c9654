// A program that a parametrised test runs, by name and path; the name labels the test case.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace testing_support {

struct Program {
    const char* name;
    const char* path;
};

inline std::string program_name(const testing::TestParamInfo<Program>& info) { return info.param.name; }

}  // namespace testing_support
