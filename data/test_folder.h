// Test helper: a temporary data folder that removes itself, with files written as the calendar
// keeps them on disk (Windows-1251), or as raw bytes.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "data/text_encoding.h"

namespace velorith::testing {

class TempFolder {
  public:
    TempFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "velorith-data-";
        if (info) name += std::string(info->test_suite_name()) + "-" + info->name();
        // The process too: the same test run from two builds at once must not share files.
        // (Appended piece by piece: GCC 12 warns falsely of overlapping copies on "-" + string.)
        name += '-';
        name += std::to_string(::getpid());
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // Writes UTF-8 text as Windows-1251.
    std::filesystem::path Write(std::string_view name, std::string_view utf8) const {
        return WriteBytes(name, Utf8ToCp1251Lossy(utf8));
    }
    std::filesystem::path WriteBytes(std::string_view name, std::string_view bytes) const {
        const auto file = path_ / name;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

  private:
    std::filesystem::path path_;
};

}  // namespace velorith::testing
