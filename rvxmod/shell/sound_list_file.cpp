#include "rvxmod/shell/sound_list_file.h"

namespace rvxmod {
namespace {
std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlank = " \t\r";
    const auto first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}
}  // namespace

std::vector<std::string> parseSoundList(std::string_view text) {
    std::vector<std::string> names;
    while (!text.empty()) {
        const auto end = text.find('\n');
        names.emplace_back(trimmed(text.substr(0, end)));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return names;
}

}  // namespace rvxmod
