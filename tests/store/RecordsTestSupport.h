#pragma once
// Shared by the tests of the save files: a scratch folder, captured error reports and byte
// helpers.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "support/TempFolder.h"
#include "system/ErrorReporting.h"
#include "system/ReportError.h"

namespace records_test {

// Error reports are collected instead of shown; a fatal one still ends the process (with its
// message on stderr, for death tests).
class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        Errors() = ErrorReporting{};
        Errors().ErrorsOnScreen = 1;
        Errors().ErrorLogEnabled = 0;
        Errors().ErrorBoxFunction = [this](const std::string& message) {
            Reported.push_back(message);
            std::cerr << message << std::endl;
        };
    }
    void TearDown() override { Errors() = ErrorReporting{}; }

    TempFolder Folder;
    std::vector<std::string> Reported;
};

inline std::string Int32Bytes(std::uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i, value >>= 8) bytes.push_back(static_cast<char>(value & 0xFF));
    return bytes;
}

inline std::string RandomBytes(std::mt19937& random, std::size_t size) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(size, '\0');
    for (char& b : bytes) b = static_cast<char>(byte(random));
    return bytes;
}

}  // namespace records_test

// A name read back from a records file, however damaged: at most 12 printable characters, plain
// ones or the whole UTF-8 sequences of letters.
inline void ExpectStoredName(const std::string& name) {
    size_t characters = 0;
    for (size_t i = 0; i < name.size(); ++characters) {
        const auto lead = static_cast<unsigned char>(name[i++]);
        EXPECT_TRUE((lead >= 32 && lead <= 126) || (lead >= 0xC2 && lead <= 0xF4)) << name;
        const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : 0;
        for (int k = 0; k < more; ++k, ++i) {
            ASSERT_LT(i, name.size()) << name;
            EXPECT_EQ(static_cast<unsigned char>(name[i]) & 0xC0, 0x80) << name;
        }
    }
    EXPECT_LE(characters, 12u) << name;
}
