#include "rvxmod/link/serial_devices.h"

#include "common/number_parse.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>
#include <tuple>

namespace rvxmod::link {

namespace {

constexpr std::array<std::string_view, 3> kFamilies{"ttyS", "ttyUSB", "ttyACM"};

struct Device {
    std::size_t family;
    int number;
    std::string path;
};

}  // namespace

std::vector<std::string> serialDevicesPresent() {
    std::vector<Device> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev", error)) {
        const std::string name = entry.path().filename().string();
        for (std::size_t family = 0; family < kFamilies.size(); ++family) {
            if (!name.starts_with(kFamilies[family])) continue;
            const auto number =
                rvx::parseInteger<int>(std::string_view(name).substr(kFamilies[family].size()));
            if (number && *number >= 0) found.push_back({family, *number, entry.path().string()});
        }
    }
    std::sort(found.begin(), found.end(), [](const Device& a, const Device& b) {
        return std::tie(a.family, a.number) < std::tie(b.family, b.number);
    });
    std::vector<std::string> paths;
    for (Device& device : found) paths.push_back(std::move(device.path));
    return paths;
}

}  // namespace rvxmod::link
