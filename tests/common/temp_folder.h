#pragma once

#include <filesystem>
#include <string>

namespace rvx::testing {

// A fresh folder under the system temp folder, removed with everything in it at scope end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace rvx::testing
