// A fresh simulator folder for each test, removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/win32/standin.h"
#include "sdk/win32.h"

class SimFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/standins-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root_ = pattern;
        w32standin::reset(root_);
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    std::string path(const std::string& relative) const { return root_ + "/" + relative; }

    static std::string slurp(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void spit(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }

    // Reads a key with a 512-byte buffer and an empty default.
    std::string get(const char* section, const char* key, const std::string& file,
                    const char* fallback = "") const {
        char buffer[512];
        GetPrivateProfileStringA(section, key, fallback, buffer, sizeof buffer, file.c_str());
        return buffer;
    }

    std::string root_;
};
