// Where the build put the files the tests drive.
#pragma once

#include <string>

inline std::string TestModule(const std::string& fault) {
    return std::string(TEST_MODULE_DIR) + "/fault_" + fault + ".gau";
}
