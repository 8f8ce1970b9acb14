#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/text_file.h"

namespace rvxmod::testing {

// A fresh folder per test, made the working folder so file names in headers stay short.
class TempFolderTest : public ::testing::Test {
protected:
    TempFolderTest() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  (std::string("rvx_download_") + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_);
    }
    ~TempFolderTest() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }

    static std::string contents(const std::filesystem::path& path) {
        const auto text = rvx::readTextFile(path);
        if (!text) ADD_FAILURE() << text.error().message;
        return text ? text.value() : std::string();
    }

private:
    std::filesystem::path folder_;
    std::filesystem::path previous_;
};

}  // namespace rvxmod::testing
