#pragma once

#include <cstddef>
#include <string_view>

namespace veltrix {

// Walks a whole file's text line by line without copying: lines end at LF or CR LF, and a final
// line end does not start another line.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : rest_(text) {}

    bool atEnd() const { return rest_.empty(); }

    // The next line without its line end; an empty view once at the end.
    std::string_view next() {
        if (rest_.empty()) return {};
        ++lineNumber_;
        const std::size_t end = rest_.find('\n');
        std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        return line;
    }

    // Number (from 1) of the line last returned.
    std::size_t lineNumber() const { return lineNumber_; }

private:
    std::string_view rest_;
    std::size_t lineNumber_ = 0;
};

}  // namespace veltrix
