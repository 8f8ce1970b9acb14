#include "common/fixed_text.h"

#include <algorithm>

namespace rvx {
namespace {
bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}
}  // namespace

std::string PadC(std::string_view text, std::size_t width, bool onTheLeft, char fill) {
    std::string padded(text);
    if (padded.size() < width) {
        padded.insert(onTheLeft ? padded.begin() : padded.end(), width - padded.size(), fill);
    }
    return padded;
}

std::string_view trimLeft(std::string_view text) {
    const auto first = std::ranges::find_if_not(text, isBlank);
    return text.substr(static_cast<std::size_t>(first - text.begin()));
}

std::string_view trimRight(std::string_view text) {
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank);
    return text.substr(0, static_cast<std::size_t>(text.rend() - last));
}

std::string_view trim(std::string_view text) {
    return trimRight(trimLeft(text));
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) {
        return lower(static_cast<unsigned char>(x)) == lower(static_cast<unsigned char>(y));
    });
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace rvx
